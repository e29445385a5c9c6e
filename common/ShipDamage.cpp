#include "ShipDamage.h"

#include "Dice.h"

#include "platform/Numbers.h"

#include <algorithm>

using platform::intPart;

int hullState(long long hull, long long nominalHull) {
    if (hull <= 0) return 2;
    return nominalHull / 2.0 >= hull ? 1 : 0;
}

int fireState(long long fires, long long fireControl) {
    if (fires >= 2 * fireControl) return 2;
    return fires > fireControl ? 1 : 0;
}

int assistanceOf(int assistingShips) {
    return std::clamp(2 * assistingShips, 0, 4);
}

int damageResult(int assistance, int fireState, int hullState, int die) {
    return std::clamp(assistance - fireState - hullState + die, 1, 12);
}

namespace {
// The rows of the damage table, results 1 to 12. A die of 0 faces is no roll; the hull die has the
// new fire count plus `burn` faces, and the hull loses that roll times the fires.
struct DamageRow {
    int fires, burn, knots, fireControl, operativityDie, cargoDie, handling, spread;
};
constexpr DamageRow kRows[13] = {
    {},
    {+3, 12, -8, -2, 6, 10, -2, 10},
    {+2, 10, -4, -1, 4, 10, -2, 5},
    {+1, 10, -4, 0, 3, 6, -1, 0},
    {0, 6, 0, 0, 2, 6, 0, 0},
    {0, 6, 0, 0, 2, 6, 0, 0},
    {-1, 0, 0, 0, 0, 6, 0, 0},
    {-1, 0, 0, 0, 0, 6, 0, 0},
    {-1, 0, 0, 0, 0, 6, 0, 0},
    {-2, 0, 0, 0, 0, 0, 0, 0},
    {-2, 0, 0, 0, 0, 0, 0, 0},
    {-4, 0, 0, 0, 0, 0, 0, 0},
    {-4, 0, 0, 0, 0, 0, 0, 0},
};
} // namespace

int applyDamageRow(int result, int assistance, ShipDamageState& s) {
    const DamageRow& row = kRows[std::clamp(result, 1, 12)];
    // The columns of the row from left to right, each die rolled in turn.
    s.fires += row.fires;
    if (row.burn > 0) s.hull -= s.fires * rollDie(int(s.fires) + row.burn);
    s.knots += row.knots;
    s.fireControl += row.fireControl;
    if (row.operativityDie > 0) s.operativity -= rollDie(row.operativityDie);
    if (row.cargoDie > 0) s.cargo -= s.cargoFactor * rollDie(row.cargoDie);
    s.handling += row.handling;
    if (result >= 11) {
        if (s.hull < s.nominalHull / 2.0 && assistance > 0) s.hull += rollDie(10);
        if (s.knots < s.nominalKnots / 2.0) s.knots += 4;
    }
    return row.spread;
}

void limitDamage(ShipDamageState& s, int assistance) {
    if (s.operativity <= 1)
        s.operativity = 1;
    else if (s.operativity < 3 && assistance > 0)
        s.operativity = 3;
    for (long long* v : {&s.hull, &s.fireControl, &s.fires, &s.cargo, &s.handling}) *v = std::max(0LL, *v);
    s.knots = std::max(4LL, s.knots);
}

int spreadFire(int spread, long long& hull, long long& fires, long long& operativity) {
    const int w = spread + rollDie(spread + 20);
    hull -= w;
    if (w >= 30) {
        fires += 2;
        operativity -= 2;
    } else if (w >= 26) {
        fires += 1;
        operativity -= 1;
    }
    hull = std::max(0LL, hull);
    operativity = std::max(1LL, operativity);
    return w;
}

bool sinksByRule(bool sinkingMark, long long fires, long long fireControl, long long hull,
                 long long nominalHull, int roll) {
    if (sinkingMark || hull < 0) return true;
    const bool belowHalf = hull < nominalHull / 2.0;
    if (fires > 2 * fireControl && (hull == 0 || (belowHalf && roll <= 65))) return true;
    return fires > fireControl && belowHalf && roll <= 32;
}

int shipClassOf(const QString& typeCode) {
    static const QString kWarships[] = {"PA", "PL", "NB", "IB", "IP", "IL", "CT", "NM", "SA", "SC"};
    const QString t = typeCode.trimmed();
    for (const QString& w : kWarships)
        if (t == w) return 1;
    return 2;
}

bool mineDamage(int r1, int r2, int r3, long long& hull, long long& fires, long long& knots,
                long long& operativity) {
    if (r1 < 34) return false;
    const int s = r1 + r2 + r3;
    hull = std::max(0LL, hull - s);
    const long long f = intPart(3.0 * s / 100.0);
    fires += f;
    const long long k = intPart(f * 2.5);
    knots -= k;
    if (knots <= 0) knots = 4;
    operativity -= intPart((f + k) * 1.5);
    if (operativity <= 1) operativity = 1;
    return true;
}
