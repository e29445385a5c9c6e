#include "PatrolAttack.h"

#include "common/AirGroups.h"
#include "common/Dice.h"

#include <algorithm>

using platform::intPart;
using platform::roundHalfEven;

namespace patrolattack {

namespace F = recordformat::ship;

int attackPercentage(int interceptPercent, int attackFactor, int weather, bool night, bool periscope) {
    long long e = intPart((interceptPercent + attackFactor) / 3.5) - 5LL * weather;
    if (e < 1) e = 1;
    if (night) e = intPart(e / 3.0);
    if (periscope) e = intPart(e / 3.0);
    return e <= 0 ? 1 : static_cast<int>(e);
}

int groupAntiAircraft(const Int16* gnRow) {
    return static_cast<int>(intPart((gnRow[GnCol::Aac] + gnRow[GnCol::Aam]) / 2.0));
}

int antiAircraftPercentage(int groupAa, int shipAa, int weather, bool night, int operativity) {
    const long long total = static_cast<long long>(groupAa) + shipAa;
    if (total <= 0) return 0;
    long long w = roundHalfEven(static_cast<double>(total) - (weather + 0.5) * 5);
    if (w < 1) w = 1;
    if (night) w = intPart(w / 2.8);
    if (operativity < 2) w = intPart(w / 1.8);
    return static_cast<int>(std::clamp(w, 2LL, 33LL));
}

int antiAircraftFire(int shots, int percentage) {
    int outcome = kPassed;
    for (int i = 0; i < shots; ++i) {
        const int roll = rollDie(100);
        if (roll <= percentage) outcome = percentage / 2.0 > roll ? kShotDown : kDamaged;
    }
    return outcome;
}

int bombsOnTarget(int bombs, int percentage) {
    int hits = 0;
    for (int i = 0; i < bombs; ++i)
        if (rollDie(125) <= percentage) ++hits;
    return std::min(hits, kMostBombsOnTarget);
}

int bombDamage(int hits, int bombSize) {
    if (bombSize < 1) return 0;
    long long damage = 0, bonus = 0;
    for (int i = 0; i < hits; ++i) {
        const int roll = rollDie(bombSize);
        if (roll == 1)
            bonus += bombSize;
        else if (roll == 2)
            bonus = roundHalfEven(bombSize * 1.5 + bonus);
        else
            damage += roll;
    }
    return static_cast<int>(damage + bonus);
}

void specialHits(int percentage, Int16* damage) {
    for (int i = 0; i < percentage; ++i) {
        const int roll = rollDie(100);
        if (roll <= 6)
            damage[kHitAa] += 2;
        else if (roll <= 12)
            damage[kHitOperativity] += 1;
        else if (roll <= 18)
            damage[kHitKnots] += 2;
        else if (roll <= 29)
            damage[kHitFires] += 1;
    }
}

int strafingDamage(int strafing, int percentage) {
    int damage = 0;
    for (int i = 0; i < strafing; ++i)
        if (rollDie(100) <= percentage) damage += strafing;
    return damage;
}

long long lowered(long long value, long long loss, long long floor) {
    const long long v = value - loss;
    return v < floor ? std::min(value, floor) : v;
}

ShipValues shipValues(const recordformat::ShipRecord& ship) {
    return {ship.whole(F::AAMM), ship.whole(F::RESISTENZAM), ship.whole(F::OPERATIVITAM),
            ship.whole(F::NODIM), ship.whole(F::INCENDI_ATTIVI)};
}

void setShipValues(recordformat::ShipRecord& ship, const ShipValues& v) {
    ship.setNumber(F::AAMM, v.aa);
    ship.setNumber(F::RESISTENZAM, v.hull);
    ship.setNumber(F::OPERATIVITAM, v.operativity);
    ship.setNumber(F::NODIM, v.knots);
    ship.setNumber(F::INCENDI_ATTIVI, v.fires);
}

ShipValues applyHit(const ShipValues& v, const Int16* damage) {
    ShipValues out;
    out.aa = lowered(v.aa, damage[kHitAa], 0);
    out.hull = lowered(v.hull, damage[kHitHull], 0);
    out.operativity = lowered(v.operativity, damage[kHitOperativity], 1);
    out.knots = lowered(v.knots, damage[kHitKnots], 4);
    out.fires = v.fires + damage[kHitFires];
    return out;
}

void updateHitGroup(Int16* gnRow, const std::vector<GroupShip>& ships, const ShipValues& hit) {
    long long slowest = hit.knots, fires = 0, aam = 0;
    if (ships.empty()) fires = hit.fires, aam = hit.aa;
    for (const GroupShip& s : ships) {
        slowest = std::min(slowest, s.values.knots);
        fires += s.values.fires;
        aam += s.values.aa;
    }
    gnRow[GnCol::MaxKnots] = saturate16(slowest);
    if (gnRow[GnCol::Knots] > slowest) gnRow[GnCol::Knots] = saturate16(slowest);
    if (gnRow[GnCol::Step] > 10 * slowest) gnRow[GnCol::Step] = saturate16(10 * slowest);
    gnRow[GnCol::Fires] = saturate16(fires);
    gnRow[GnCol::Aam] = saturate16(aam);
    if (hit.hull <= 0) gnRow[GnCol::NotOperational] = 1;
    if (gnRow[GnCol::MinOperativity] > hit.operativity)
        gnRow[GnCol::MinOperativity] = saturate16(hit.operativity);
}

void endAttack(Int16* gaRow, int damaged, int shotDown) {
    gaRow[GaCol::Order] = kOrderReturn;
    gaRow[GaCol::Damaged] = saturate16(gaRow[GaCol::Damaged] + damaged);
    gaRow[GaCol::ShotDown] = saturate16(gaRow[GaCol::ShotDown] + shotDown);
    gaRow[GaCol::Bombs] = 0;
    gaRow[GaCol::BombSize] = 0;
}

} // namespace patrolattack
