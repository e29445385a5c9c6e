#include "ShipRating.h"

#include <algorithm>

using platform::checked16;
using platform::checked32;
using platform::intPart;
using platform::roundHalfEven;

namespace {
// A protection rating from an armour thickness: k is the type's index plus the special
// protections; the floors lift a value below CG, then below the type's least value.
long long armourRating(double armour, long long k, float F, double floorSlope, int cg, int corGen) {
    const float m = static_cast<float>(double(F) * k);
    long long v = intPart((armour * m / 100 + armour) / 18);
    if (v < cg) v = intPart(F * floorSlope + cg);
    if (v < corGen) v = corGen;
    return v;
}

// A turret rating before its floors: frontal, lateral, roof, barbette and the closed flag.
long long turretRating(const int* t, long long a, int closedWeight, float F) {
    const double sum = (t[3] / 2.0 + checked16(t[1] + t[2])) / 7.5 + checked16(t[0] + a) +
                       checked16(1LL * closedWeight * t[4]);
    const long long s = roundHalfEven(sum);
    return intPart(roundHalfEven(s * double(F)) / 24.0);
}
} // namespace

ShipRatingResult rateShip(const ShipRatingInput& in, const ShipRatingTables& tb) {
    ShipRatingResult res;
    ShipRatingValues& s = res.ratings;
    const float T = in.typeNumber;
    const float D = in.displacement;
    const int row = static_cast<int>(std::clamp<long long>(roundHalfEven(T), 0, kShipTypes));
    const double index = tb.Indicenavi[row];
    const int corGen = tb.CorGenBase[row];
    const int* turret = in.mainTurretArmour;
    const int* turret2 = in.secondaryTurretArmour;
    const int PV = in.specialProtections[0], OD = in.specialProtections[1], VD = in.specialProtections[2],
              AS = in.specialProtections[3];

    // Year factor: the first bracket whose limit year is at or above the launch year.
    const double Y = textValue(in.launchYear);
    float F = 0;
    for (int k = 1; k <= kYearBrackets; ++k) {
        if (Y <= tb.BracketYear[k]) {
            F = tb.BracketFactor[k];
            break;
        }
    }
    res.yearFactor = F;

    // Resistance and fire fighting.
    Int32 R = roundHalfEven(double(D) / 200 * index * F + tb.ResBaseX[row]);
    Int16 C = roundHalfEven((F * index + double(D) / 1000) / 3);
    if (T > 8) C = roundHalfEven(C / 1.5);
    if (C < 1) C = 1;
    if (T == 13) C = checked16(C + 1);
    if (D <= 0) R = 0;
    if (T == 0) {
        R = 0;
        C = 0;
    }
    res.resistance = R;
    res.fireFighting = C;

    // Vertical and horizontal protection; CG is still 0 here, so its tests only lift a negative value.
    const long long index10 = intPart(index * 10);
    s.VR = armourRating(in.verticalArmour, index10 + checked16(10LL * AS + 10LL * VD), F, 1.6, s.CG, corGen);
    s.OR =
        armourRating(in.horizontalArmour, index10 + checked16(12LL * PV + 10LL * OD), F, 1.4, s.CG, corGen);

    // General protection and funnel.
    s.CG = intPart((checked16(s.OR + corGen + s.VR) + double(F)) / 4.5 + 0.6);
    if (s.CG > s.OR || s.CG > s.VR) s.CG = int(s.OR);
    {
        const long long a = intPart(18 - F * 1.8);
        s.FU = intPart(s.OR - checked16(s.OR * a) / 100.0);
        if (s.FU < s.CG) s.FU = intPart(F * 1.4 + s.CG);
        if (s.FU > s.OR) s.FU = checked16(s.OR - 1);
    }

    // Bridge and fire-control station.
    {
        const float u = static_cast<float>(double(F) * index10);
        const double A = in.bridgeArmour;
        s.PL = intPart((A * u / 100 + A) / 18);
        s.CT = intPart((A * (u - (12 - double(F))) / 100 + A) / 18);
        if (s.PL < s.CG) s.PL = int(s.CG);
        if (s.CT < s.CG) s.CT = int(s.CG);
    }

    // Fire direction.
    s.DT = intPart(F * 1.8 * tb.IndiceDT[row] / 5);
    if (in.mainCalibre.isEmpty()) s.DT = 0;

    // Main turrets.
    {
        const long long a = index10;
        const double sum = (turret[3] / 2.0 + checked16(turret[1] + turret[2])) / 7.5 +
                           checked16(turret[0] + a) + checked16(18LL * turret[4]);
        const long long sr = roundHalfEven(sum);
        const long long t = roundHalfEven(sr * double(F));
        s.TP = intPart(t / 24.0);
        if (s.TP <= s.CG) s.TP = checked16(s.CG + 1);
        if (textValue(in.mainCalibre) == 0) s.TP = int(s.CG);
    }
    // Secondary turrets.
    s.TS = turretRating(turret2, intPart(index * 0.8), 14, F);
    if (s.TS <= s.CG) s.TS = int(s.CG);
    if (s.TS > s.TP) s.TS = int(s.TP);
    if (textValue(in.secondaryCalibre) == 0 && textValue(in.thirdCalibre) == 0) s.TS = int(s.CG);

    // Anti-aircraft total and aircraft.
    const double aaTotal =
        textValue(in.aaMainValue) + textValue(in.aaSecondaryValue) + textValue(in.aaOtherValue);
    res.aaTotalText = platform::numberTextWithSign(aaTotal);
    res.aircraftCount = roundHalfEven(textValue(in.aircraft));

    // Cost.
    const long long g = roundHalfEven(textValue(res.aaTotalText) + textValue(in.machineGunValue));
    const long long h = intPart(g / 2.0);
    const long long v = intPart(F * double(checked32(1LL * C * R)) * (in.knots / 10.0) / 200);
    const long long sum = checked32(s.VR + v + s.OR + s.CG + s.TP + h);
    res.shipCost = roundHalfEven(tb.CostoBase[row] + double(sum) + checked16(10LL * res.aircraftCount));

    // Operativity and unit cost.
    {
        const long long p = roundHalfEven((res.shipCost / 280.0 + R / 280.0) * F);
        long long op = intPart(p + double(tb.OperativitaBase[row]));
        if (T < 5 && op < 22) op = 22;
        if (T == 13) op = intPart(R * 1.7 + double(checked16(op)));
        op = checked16(checked16(op) + 3);
        if (op > 999) op = 999;
        if (T == 0) op = 0;
        s.OP = op;
    }
    res.unitCost = intPart(s.OP / 3.5 + res.shipCost);

    // Aircraft movement.
    s.MA = intPart(textValue(in.elevators) * 3 + F * 1.5);
    if (res.aircraftCount < 10) s.MA = 0;

    // Cargo.
    {
        long long x = 5;
        if (T == 8 || T == 9 || T == 10 || D < 550)
            x = 1;
        else if (T == 14)
            x = roundHalfEven(intPart(double(F) * R / 1.8) + 5.0);
        else if (T == 11)
            x = roundHalfEven(intPart(double(F) * R / 3.0) + 5.0);
        else if (T == 12)
            x = roundHalfEven(intPart(double(F) * R / 2.8) + 5.0);
        else if (T == 13)
            x = roundHalfEven(intPart(double(F) * R / 7.5) + 5.0);
        x = roundHalfEven(double(intPart(x * 0.6) + x));
        if (x > 999) x = 999;
        if (T == 0) x = 0;
        res.cargo = x;
    }

    // Depth charges per launcher.
    {
        const long long q = intPart(index * 10 + F * 10.0 + R);
        long long n = intPart(q / 20.0);
        if (n < 6) n = 6;
        if (in.depthChargeLaunchers < 1) n = 0;
        res.chargesPerLauncher = n;
    }
    return res;
}

float aaCalibreFactor(const QString& calibreItem) {
    const long long c = platform::textToWhole(calibreItem);
    if (c >= 100) return 4;
    if (c >= 51) return 3;
    if (c >= 30) return 2;
    return 0;
}

QString machineGunValueText(float machineGuns) {
    QString caption = platform::numberText(double(intPart(machineGuns / 1.5)));
    if (textValue(caption) < 2 && machineGuns > 0) caption = QStringLiteral("2");
    return caption;
}

MissingEntry missingRatingEntry(const QString& displacement, const QString& knots,
                                const QString& launchYear) {
    // A ship of 0 t is no ship: rated, it would have no resistance at all.
    if (displacement.trimmed().isEmpty() || textValue(displacement) <= 0) return MissingEntry::Displacement;
    if (knots.trimmed().isEmpty()) return MissingEntry::Speed;
    if (launchYear.trimmed().isEmpty()) return MissingEntry::LaunchYear;
    return MissingEntry::None;
}

QString missingEntryMessage(MissingEntry missing) {
    switch (missing) {
    case MissingEntry::Displacement:
        return QStringLiteral("Inserire la stazza standard in tonnellate prima di elaborare la scheda.");
    case MissingEntry::Speed:
        return QStringLiteral("Scegliere la velocità reale in nodi prima di elaborare la scheda.");
    case MissingEntry::LaunchYear:
        return QStringLiteral(
            "Scegliere l'anno del varo o della ristrutturazione prima di elaborare la scheda.");
    case MissingEntry::None:
        break;
    }
    return {};
}

SaveState shipSaveState(const ShipSaveHold& hold) {
    QString why;
    if (hold.stored)
        why = QStringLiteral("i Record salvati non si modificano: vanno cancellati e risalvati.");
    else if (hold.missing == MissingEntry::Displacement)
        why = QStringLiteral("inserire la STAZZA STANDARD in tonnellate, maggiore di 0.");
    else if (hold.missing == MissingEntry::Speed)
        why = QStringLiteral("scegliere la VELOCITA' reale in nodi.");
    else if (hold.missing == MissingEntry::LaunchYear)
        why = QStringLiteral("scegliere l'ANNO del varo o della ristrutturazione.");
    else if (hold.refused == RatingRefusal::OutOfScale)
        why = QStringLiteral("un valore è fuori scala, come detto dal messaggio. Correggerlo e cliccare "
                             "l'ANNO DEI DATI.");
    else if (hold.refused == RatingRefusal::MissingTable)
        why = QStringLiteral("manca una tabella dei dati, come detto dal messaggio.");
    else if (hold.nameLength < 2)
        why = QStringLiteral("scrivere il NOME NAVE, almeno 2 caratteri.");
    else if (!hold.nation)
        why = QStringLiteral("scegliere la NAZIONE.");
    if (!why.isEmpty()) return {false, hold.asked ? saveHeldReason(why) : QString()};
    return {hold.rated, QString()};
}
