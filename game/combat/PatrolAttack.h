// The rules of an air group on patrol attacking a naval group, apart from the attack window: the
// attack and anti-aircraft percentages, the anti-aircraft fire, the bombs with their special hits,
// the strafing, a hit taken by a ship, the hit group's columns and the end of the attack written
// into the air group. Dice are rolled with rollDie in the order the rules give.
#pragma once

#include "common/Globals.h"

#include <vector>

namespace patrolattack {

// The effective attack percentage of the air group: Int((interception % + attack factor) / 3.5)
// less 5 a weather level, at least 1; a third of that by night, and a third again when the target
// is at periscope depth; 1 when nothing is left.
int attackPercentage(int interceptPercent, int attackFactor, int weather, bool night, bool periscope);

// The support of a naval group's anti-aircraft to each of its ships: half its AA totals.
int groupAntiAircraft(const Int16* gnRow);
// The effective anti-aircraft percentage of a ship: 0 when neither it nor its group has any AA,
// else 2 to 33, lower in bad weather, by night and on a ship out of action (operativity below 2).
int antiAircraftPercentage(int groupAa, int shipAa, int weather, bool night, int operativity);

// Outcome of a ship's fire at one aircraft.
enum AaOutcome { kPassed = 0, kShotDown = 1, kDamaged = 2 };
// `shots` d100 at the percentage w; the last roll at or below w decides: shot down when w / 2 is
// above it, else damaged.
int antiAircraftFire(int shots, int percentage);

// The bombs one aircraft puts on target: a d125 a bomb at the attack percentage, at most 4.
constexpr int kMostBombsOnTarget = 4;
int bombsOnTarget(int bombs, int percentage);
// The hull damage of the bombs on target: a d(bomb size) each; a 1 adds the size to a bonus, a 2
// makes the bonus size × 1.5 + bonus (to nearest), any other roll counts as it falls.
int bombDamage(int hits, int bombSize);
// Hull damage above this rolls for special hits.
constexpr int kSpecialHitFrom = 32;

// The elements of the damage vector of one hit (ShipHitDamage).
enum HitElement { kHitAa = 1, kHitHull = 2, kHitOperativity = 3, kHitKnots = 4, kHitFires = 5 };
constexpr int kHitElements = 12;
// Special hits added to a damage vector: a d100 for each point of the attack percentage; 1-6 two
// AA, 7-12 one operativity, 13-18 two knots, 19-29 one fire.
void specialHits(int percentage, Int16* damage);
// Strafing: `strafing` d100 at the attack percentage, each hit worth `strafing` hull points.
int strafingDamage(int strafing, int percentage);

// A value lowered by a loss down to a floor; a value already below the floor stays as it is.
long long lowered(long long value, long long loss, long long floor);

// The values of a ship that a hit changes: current AA (field 29), hull (25), operativity (22),
// knots (21) and active fires (33).
struct ShipValues {
    long long aa = 0, hull = 0, operativity = 0, knots = 0, fires = 0;
};
ShipValues shipValues(const recordformat::ShipRecord& ship);
void setShipValues(recordformat::ShipRecord& ship, const ShipValues& v);
// A hit taken: AA and hull down to 0 (no ship sinks here), operativity to 1, knots to 4; the
// fires grow.
ShipValues applyHit(const ShipValues& v, const Int16* damage);

// A ship of the target group by its record number in the defender's ship file.
struct GroupShip {
    int record = 0;
    ShipValues values;
};
// The hit group's columns after a hit on one of its ships (`ships` holds them all, the hit one
// with its new values): its top speed is the slowest ship's and its speed and step no more than
// that, its fires and AAM totals the sums of its ships', its lowest operativity at most the hit
// ship's, and a ship without hull left puts the group out of action.
void updateHitGroup(Int16* gnRow, const std::vector<GroupShip>& ships, const ShipValues& hit);

// The end of the attack in the air group's row: the damaged and shot-down aircraft added to the
// group's, the bombs spent, the group ordered home.
void endAttack(Int16* gaRow, int damaged, int shotDown);

} // namespace patrolattack
