#include "AircraftRating.h"

#include "platform/Files.h"

namespace aircraftrating {

using platform::checked16;
using platform::intPart;
using platform::leadingNumber;
using platform::roundHalfEven;

const std::array<WeaponClass, kWeaponClassCount + 1> kWeaponClasses = {{
    {"", 0, 0.0},
    {"cannon over 37 mm", 4, 2.9},
    {"cannon of 33 to 37 mm", 6, 2.6},
    {"cannon of 28 to 32 mm", 6, 2.4},
    {"cannon of 21 to 27 mm", 8, 2.1},
    {"cannon of 15 to 20 mm", 8, 1.8},
    {"light machine guns", 16, 1.2},
}};

double weaponProduct(int weaponClass, double count) {
    return count * kWeaponClasses.at(weaponClass).coefficient;
}

WeaponSums sumWeapons(const WeaponProducts& products) {
    WeaponSums s;
    for (int k = 1; k <= kWeaponClassCount; ++k) {
        if (k < kWeaponClassCount) s.cannonTotal = checked16(roundHalfEven(s.cannonTotal + products[k]));
        s.weaponTotal += products[k];
    }
    return s;
}

Factors computeFactors(const WeaponSums& sums, int judgement, int roleFactor) {
    if (sums.weaponTotal == 0) return {};
    Factors f;
    const double base = sums.weaponTotal + judgement;
    f.attack = checked16(intPart(base * roleFactor / 10));
    f.defence = checked16(intPart(base * roleFactor / 16));
    f.strafing = checked16(intPart(f.attack / 4.0 + sums.cannonTotal));
    return f;
}

int computeCost(const CostInputs& in) {
    const double sum = in.autonomy + 3 * in.judgement + 3 * in.attack + in.defence + in.strafing +
                       in.speed / 10 + in.torpedoes + in.bombLoad / 2;
    int cost = checked16(roundHalfEven(sum));
    cost = checked16(intPart(cost / 20.0));
    if (in.night) cost = checked16(intPart(cost / 4.0 + cost) + 1);
    if (in.typeIndex == kSurchargedType) cost = checked16(cost + 3);
    return cost;
}

bool isCarrierBorneType(int typeIndex) {
    return typeIndex == 1 || typeIndex == 6 || typeIndex == 8 || typeIndex == 12;
}

std::optional<int> autonomyTurns(const QString& rangeText, const QString& speedText) {
    try {
        const int range = checked16(roundHalfEven(leadingNumber(rangeText)));
        const int speed = checked16(roundHalfEven(leadingNumber(speedText)));
        // The speed is multiplied in 16 bits, as the values are held.
        const int speedTimes15 = checked16(speed * 15);
        const int cruise = checked16(roundHalfEven(speed - speedTimes15 / 100.0));
        if (cruise <= 0) return std::nullopt;
        const double hours = double(range) / cruise;
        const int n = checked16(checked16(intPart(hours * 10)) + checked16(intPart(hours + 0.5)));
        return checked16(roundHalfEven(n + 1.5));
    } catch (const platform::RangeError&) {
        throw platform::RangeError(
            QStringLiteral("Autonomia o velocità fuori scala: autonomia fino a 32767 km, "
                           "velocità fino a 2184 km/h, turni di autonomia fino a 32767."));
    }
}

SaveState saveState(const SaveHold& hold) {
    if (hold.autonomyRefused)
        return {false, saveHeldReason(QStringLiteral("autonomia o velocità fuori scala. Autonomia fino a "
                                                     "32767 km, velocità fino a 2184 km/h."))};
    if (hold.loadRefused)
        return {false, saveHeldReason(QStringLiteral("carico bellico fuori scala. Inserire un carico in kg "
                                                     "minore."))};
    if (hold.autonomyMissing)
        return {false, saveHeldReason(QStringLiteral("senza velocità non c'è autonomia (TA). Inserire la "
                                                     "VELOCITA' REALE IN KMH, maggiore di 0."))};
    if (hold.nameLength < 2)
        return {false, hold.nameAsked ? saveHeldReason(QStringLiteral("scrivere il NOME UFFICIALE / NOME IN "
                                                                      "CODICE, almeno 2 caratteri."))
                                      : QString()};
    return {true, QString()};
}

int bombLoadValue(double kg) {
    return checked16(intPart(kg / 6));
}

bool isBomberLoad(double kg) {
    return kg > 200;
}

RoleTables loadRoleTables(const QString& dataFolder) {
    RoleTables t;
    {
        platform::TextReader in(dataFolder + QStringLiteral("RuoloAereiEsteso.txt"));
        for (int n = 1; n <= kRoles; ++n) t.descriptions[n] = in.readText();
    }
    {
        platform::TextReader in(dataFolder + QStringLiteral("FattAttaerei.txt"));
        for (int n = 1; n <= kRoles; ++n) t.attackFactors[n] = checked16(in.readWhole());
    }
    return t;
}

int judgementAverage(const JudgementAnswers& answers) {
    long long sum = 0;
    for (int k = 1; k <= kQuestions; ++k) sum += answers[k];
    return checked16(intPart(sum / 10.0));
}

int availability(int productionAnswer) {
    return checked16(intPart(checked16(productionAnswer * productionAnswer) / 5.0));
}

int productionAnswer(const QString& text) {
    const QString t = text.trimmed();
    bool whole = false;
    const int answer = t.toInt(&whole);
    if (t.isEmpty()) return 0;
    if (!whole || answer < 0 || answer > 14)
        throw platform::RangeError(
            QStringLiteral("Risposta non valida alla domanda %1 (\"%2\"): deve essere tra 1 e 14.")
                .arg(kAvailabilityQuestion)
                .arg(t.left(24)));
    return answer;
}

} // namespace aircraftrating
