#include "AirStrike.h"

#include "ContactBoard.h"

#include "common/BaseTable.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/RecordFiles.h"

#include <algorithm>

using platform::intPart;
using platform::roundHalfEven;
namespace F = recordformat::ship;

namespace airstrike {

namespace {

// The percentages of the base's fire are held within these.
constexpr int kLeastPercent = 2;
constexpr int kMostPercent = 51;
constexpr int kMostWeight = 120;

bool night() {
    return G().DayFlag == 0;
}

// The bomb size the group carried (AttackGroup 5).
int bombSize() {
    return G().AttackGroup[5];
}

} // namespace

int baseOwner(int base) {
    return base >= 12 ? kAllies : kAxis;
}

bool inPortOf(int base) {
    const ShipRecord& s = G().ShipRecordBuffer;
    return s.whole(F::NUMERO_GN) == 0 && s.whole(F::PORTO) == base;
}

int portAntiAircraft(int base) {
    Globals& g = G();
    g.Files.closeAll();
    const int count = openShipFile(kChannel, baseOwner(base));
    long long total = 0;
    for (int r = 1; r <= count; ++r) {
        readShip(kChannel, r);
        if (inPortOf(base)) total = roundHalfEven(double(total) + g.ShipRecordBuffer.number(F::AAMM));
    }
    g.Files.closeAll();
    return int(total);
}

int attackPercent(int percent, int side, bool atNight, int weather) {
    long long p = percent;
    if (atNight) p = intPart(p / 2.2);
    p -= 5LL * weather;
    if (side == kAxis && p < kLeastPercent) p = kLeastPercent;
    return int(p);
}

void loadAttackGroup(int side, int group) {
    Globals& g = G();
    const Int16* r = contactboard::airRow(side, group);
    Int16* a = g.AttackGroup;
    a[1] = r[GaCol::Aircraft];
    a[2] = r[GaCol::Damaged];
    a[3] = r[GaCol::ShotDown];
    a[4] = r[GaCol::Bombs];
    a[5] = r[GaCol::BombSize];
    a[6] = attackPercent(r[GaCol::InterceptPercent], side, night(), g.WeatherSeverity);
}

Defence baseDefence(int damage, int baseLevel, int airfieldLevel, int portAA, bool atNight, int weather) {
    Defence d;
    const double divisor = portAA / 4.0 + airfieldLevel + baseLevel;
    d.antiAircraft = divisor > 0 ? intPart(200 - 3.0 * damage / divisor) : kLeastPercent;
    d.antiShip = intPart(d.antiAircraft / 1.5);
    d.weight = std::min<long long>(intPart((d.antiAircraft - portAA / 4.0) * 3.5), kMostWeight);
    if (atNight) {
        d.antiAircraft = intPart(d.antiAircraft / 1.8);
        d.antiShip = intPart(d.antiShip / 1.8);
    }
    d.antiAircraft = std::clamp<long long>(d.antiAircraft - 5LL * weather, kLeastPercent, kMostPercent);
    d.antiShip = std::clamp<long long>(d.antiShip - 5LL * weather, kLeastPercent, kMostPercent);
    return d;
}

void loadTarget(int base, int portAA) {
    Globals& g = G();
    Int32* t = g.AttackTarget;
    t[1] = g.BaseTable[base][BaseCol::DamagePercent];
    t[2] = g.BaseLevel[base];
    t[3] = g.BasePortLevel[base];
    t[4] = g.BaseAirfieldLevel[base];
    const Defence d = baseDefence(t[1], t[2], t[4], portAA, night(), g.WeatherSeverity);
    t[5] = d.antiAircraft;
    t[6] = d.antiShip;
    t[7] = d.weight;
}

int operationalAircraft() {
    const Int16* a = G().AttackGroup;
    return a[1] - a[2] - a[3];
}

PassResult antiAircraftPass() {
    Globals& g = G();
    PassResult p;
    const int aircraft = operationalAircraft();
    for (int i = 0; i < aircraft; ++i)
        if (rollDie(100) < g.AttackTarget[5]) ++p.caught;
    for (int i = 0; i < p.caught; ++i) {
        const int r = rollDie(100);
        if (r < 20)
            g.AttackGroup[2] += 1;
        else if (r <= 95)
            ++p.safe;
        else
            g.AttackGroup[3] += 1;
    }
    return p;
}

BombingResult bombBase(int base) {
    Globals& g = G();
    Int32* t = g.AttackTarget;
    const Int16* a = g.AttackGroup;
    BombingResult b;
    const long long bombs = static_cast<long long>(a[4]) * a[1];
    for (long long i = 0; i < bombs; ++i) {
        const int r = rollDie(100);
        if (r < a[6]) ++b.onTarget;
        if (r < 3) t[7 + rollDie(3)] += 1; // 8 operations, 9 airfield, 10 port
    }
    if (!hasPort(base)) t[10] = 0; // no port critical survives a bombing where there is no port
    t[11] = intPart(bombSize() / 1.5 * double(b.onTarget));
    // Rolls beyond what takes the base to 100 % could change nothing.
    const long long room = 100 - t[1];
    for (long long i = 0; i < t[11] && t[12] < room; ++i)
        if (rollDie(1000) < 8) t[12] += 1;
    if (t[1] + t[12] > 100) t[12] = 100 - t[1];
    t[1] += t[12];
    return b;
}

long long commandPoints(double divisor) {
    return intPart(bombSize() / divisor * double(G().AttackTarget[8]));
}

QStringList finishStrike(int side, int group, int base) {
    Globals& g = G();
    const Int32* t = g.AttackTarget;
    const Int16* a = g.AttackGroup;
    Int16* r = g.gaTable(side)[group];
    r[GaCol::Order] = kOrderReturn;
    r[GaCol::Damaged] = a[2];
    r[GaCol::ShotDown] = a[3];
    r[GaCol::Bombs] = 0;
    r[GaCol::BombSize] = 0;

    Int32* b = g.BaseTable[base];
    b[BaseCol::DamagePercent] = t[1];
    b[BaseCol::PointsUsed] = intPart(bombSize() / 2.0 * t[8] + b[BaseCol::PointsUsed]);
    b[BaseCol::ActivationAttempts] =
        std::min<long long>(roundHalfEven(t[9] * 1.5 + b[BaseCol::ActivationAttempts]), 100);
    b[kStrikeMassField] += t[11];

    QStringList lines;
    if (t[10] > 0) lines = portCriticalDamage(base, t[10], bombSize());
    SalvaTabelleGruppi();
    SalvaDatiBasi();
    return lines;
}

QStringList portCriticalDamage(int base, int criticals, int size) {
    Globals& g = G();
    ShipRecord& s = g.ShipRecordBuffer;
    QStringList lines;
    g.Files.close(kChannel);
    const int count = openShipFile(kChannel, baseOwner(base));
    for (int r = 1; r <= count; ++r) {
        readShip(kChannel, r);
        if (!inPortOf(base)) continue;
        long long n = 0;
        for (int c = 0; c < criticals; ++c) {
            if (rollDie(100) >= 11) continue;
            const int hit = rollDie(std::max(size, 1));
            s.setNumber(F::RESISTENZAM, std::max(0LL, s.whole(F::RESISTENZAM) - hit));
            n += hit + 1;
        }
        if (n > 0)
            lines << QStringLiteral("[ ") + QString::number(n) + QStringLiteral(" ]-") + s.text(F::TIPO) +
                         QStringLiteral(" ") + s.text(F::NOME);
        writeShip(kChannel, r);
    }
    g.Files.close(kChannel);
    return lines;
}

} // namespace airstrike
