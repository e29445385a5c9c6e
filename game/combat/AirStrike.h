// The rules of an air group's strike on an enemy base, apart from the window: the group and the
// base as the strike sees them (AttackGroup, AttackTarget), the passes through the base's
// anti-aircraft fire, the bombing with its criticals, and the end of the strike written to the
// group's row, the base table and the ships lying in the port.
#pragma once

#include "common/TableColumns.h"

#include <QString>
#include <QStringList>

namespace airstrike {

// The ships' channel of the strike.
constexpr int kChannel = 9;
// Base-table field 13: the damage mass of the air strikes the base took.
constexpr int kStrikeMassField = BaseCol::StrikeMass;

// The side whose ships lie in a base's port: the Allies at 12 to 15, the Axis at 1 to 11.
int baseOwner(int base);
// A ship in the record buffer lies in the port of `base` (in no group).
bool inPortOf(int base);

// The sum of the current anti-aircraft (field 29) of the ships lying in the port, read from the
// owner's ship file; every channel is closed before and after.
int portAntiAircraft(int base);

// The group's attack percentage from its base percentage (column 8): divided by 2.2 at night,
// 5 off for each step of weather; an Axis group never attacks with less than 2.
int attackPercent(int percent, int side, bool night, int weather);
// AttackGroup 1..6 from the row of the side's air group.
void loadAttackGroup(int side, int group);

// The base's anti-aircraft (AttackTarget 5), anti-ship (6) and anti-ship weight (7).
struct Defence {
    long long antiAircraft = 0, antiShip = 0, weight = 0;
};
// A base with no airfield, no level and no anti-aircraft in port has nothing to fire with: it
// takes the lowest anti-aircraft there is instead of dividing by zero.
Defence baseDefence(int damage, int baseLevel, int airfieldLevel, int portAA, bool night, int weather);
// AttackTarget 1..12 from the base table, the set-up levels and `portAA`.
void loadTarget(int base, int portAA);

// The aircraft still fit to fly on: total less damaged and shot down.
int operationalAircraft();

// One pass through the base's fire: a d100 under AttackTarget 5 catches an aircraft; a caught
// one is damaged on a d100 under 20, safe on 20 to 95, shot down above. AttackGroup 2 and 3 grow.
struct PassResult {
    int caught = 0, safe = 0;
};
PassResult antiAircraftPass();

// The bombing: a d100 for each bomb of the whole group, on target under the attack percentage,
// and independently a critical under 3 (d3: operations, airfield, port). The damage mass rolls a
// d1000 for each unit, each under 8 adding a percent of damage, the base never passing 100 %.
struct BombingResult {
    long long onTarget = 0;
};
BombingResult bombBase(int base);

// The command points a strike destroys with its operations criticals: Int(bomb size / divisor x
// criticals); the window shows them with 1.5 before the end and records them with 2.
long long commandPoints(double divisor);

// The end of the strike: the group sent home with its losses and no bombs, the base's damage,
// command points, activation attempts (airfield criticals) and damage mass written, and the
// ships in port struck by the port criticals. Saves the tables; returns the port's damage lines.
QStringList finishStrike(int side, int group, int base);
// Each port critical strikes each ship in port on a d100 under 11 for d(bomb size) hull points;
// a line "[ n ]-type name" for each ship struck.
QStringList portCriticalDamage(int base, int criticals, int bombSize);

} // namespace airstrike
