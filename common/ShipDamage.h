// The rules of fire and damage on one ship, apart from the files: the damage result of an hour
// and its row, the limits after it, the fire spread to an assisting ship, the sinking test, and
// the damage of a mine. Dice are rolled with rollDie in the order the rules give.
#pragma once

#include <QString>

// The values of one ship that the hourly damage changes (whole numbers, wider than the fields
// while the rules work on them).
struct ShipDamageState {
    long long hull = 0;         // field 25
    long long nominalHull = 0;  // field 12
    long long fires = 0;        // field 33
    long long fireControl = 0;  // field 26
    long long knots = 0;        // field 21
    long long nominalKnots = 0; // field 7
    long long operativity = 0;  // field 22
    long long cargo = 0;        // field 24
    long long handling = 0;     // field 32
    int cargoFactor = 1;        // 3 for a tanker
};

// 0; 1 when hull is half the nominal or less; 2 when none is left.
int hullState(long long hull, long long nominalHull);
// 0; 1 when the fires beat the fire control; 2 when they are twice it or more.
int fireState(long long fires, long long fireControl);
// Assistance of a group: twice its assisting ships (group column 11), at most 4.
int assistanceOf(int assistingShips);
// a - v - u + d12, kept within 1..12.
int damageResult(int assistance, int fireState, int hullState, int die);
// Applies the row of a damage result: the fires change first and the hull loss uses the new
// count; rolls in the row's order. Returns the spread value (10 after result 1, 5 after 2, else 0).
int applyDamageRow(int result, int assistance, ShipDamageState& s);
// The limits after the row: operativity 1 at the least (3 with assistance), nothing below 0,
// knots 4 at the least.
void limitDamage(ShipDamageState& s, int assistance);

// The fire spread to an assisting ship: w = spread + d(spread + 20) off its hull; 26..29 add a
// fire and take a point of operativity, 30 or more two of each; hull not below 0, operativity not
// below 1. Returns w.
int spreadFire(int spread, long long& hull, long long& fires, long long& operativity);

// The sinking test of a burning ship with a roll r of d100. A ship whose hull has fallen below 0
// also sinks, so that a ship worn below 0 is recorded as lost instead of sailing on.
bool sinksByRule(bool sinkingMark, long long fires, long long fireControl, long long hull,
                 long long nominalHull, int roll);
// 1 warship (PA PL NB IB IP IL CT NM SA SC), 2 merchant (any other type).
int shipClassOf(const QString& typeCode);

// A mine on one ship, with its three d100 rolls: from a first roll of 34, s = r1 + r2 + r3 off
// the hull (not below 0), Int(3s / 100) fires, Int(fires × 2.5) knots (4 when none left) and
// Int((fires + knots) × 1.5) operativity (1 at the least). False when the ship is untouched.
bool mineDamage(int r1, int r2, int r3, long long& hull, long long& fires, long long& knots,
                long long& operativity);
