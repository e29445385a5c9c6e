// The rules of a naval group's bombardment of an enemy port, apart from the window: the base's
// fire values (AttackTarget), the two ship lists, the fire values of both sides for a distance,
// the salvo, the hits spread over the ships in port and over the group's own ships, the base's
// damage and the wear of the group.
#pragma once

#include "ContactBoard.h"
#include "common/Globals.h"

#include <QString>
#include <vector>

namespace bombardment {

// The ships' channel of the bombardment.
constexpr int kChannel = 2;
// Naval-group column 34: the contact of the last bombardment the group fired, so that a contact
// is fought once however often its window is opened.
constexpr int kFoughtContactColumn = GnCol::FoughtContact;

// Distances ("Vicino", "Medio", "Lontano") and durations ("Massima", "Media", "Minima").
constexpr int kDistances[3] = {150, 100, 50};
constexpr int kDurations[3] = {100, 80, 50};
constexpr int kDefaultDistance = 100;
constexpr int kDefaultDuration = 100;

// The status letters of the ship in the record buffer (" [akr]"), empty when none applies.
QString shipStatusText();

// The base's anti-aircraft, anti-ship and anti-ship weight under fire from the sea. A base with
// neither airfield nor level has nothing to fire with: it takes the lowest percentage instead of
// dividing by zero.
struct BaseFire {
    long long antiAircraft = 0, antiShip = 0, weight = 0;
};
BaseFire baseFire(int damage, int baseLevel, int airfieldLevel, bool night, int weather);
// AttackTarget 1..7 of the base from the base table and the set-up levels.
void loadTarget(int base);

// The defender's ships at the base (port field = base), each "type_name" and its status.
std::vector<contactboard::ListItem> portShips(int side, int base);
// The group's ships with their fire direction, and the group's fire weight and total fire
// direction.
struct GroupShips {
    std::vector<contactboard::ListItem> items;
    long long weight = 0, fireDirection = 0;
};
GroupShips groupShips(int side, int group);

// The fire values of both sides at a distance.
struct FireValues {
    long long groupPercent = 0;    // PercGN
    long long groupPercentMod = 0; // PercGNMod
    long long groupWeightMod = 0;  // PesoGNMod
    long long basePercentMod = 0;  // PercBaseMod
    long long baseWeightMod = 0;   // PesoBaseMod
};
FireValues fireValues(int distance, long long groupWeight, long long groupFireDirection,
                      long long baseAntiShip, long long baseWeight, int weather, bool night);

// The counters of a salvo of `duration` exchanges of fire.
struct Salvo {
    long long baseOnGroup = 0; // ColpiBaseSuGN
    long long groupShips = 0;  // ColpiNaviGN
    long long groupOnBase = 0; // ColpiGNSuBase
    long long criticals = 0;   // CriticiBase
    long long portShips = 0;   // ColpiNaviPorto
};
Salvo fireSalvo(int duration, const FireValues& v, bool shipsInPort);

// The damage of one hit of kind 1..4 (a d4) with the hitting side's weight: hull, fires, fire
// direction, anti-aircraft, knots and operability lost (fires added).
struct HitDamage {
    long long hull = 0, fires = 0, fireDirection = 0, antiAircraft = 0, knots = 0, operability = 0;
};
HitDamage hitDamage(int kind, long long weight);
// A hit applied to the ship in the record buffer, with the bombardment's floors (hull, fire
// direction and anti-aircraft 0, knots 4, operability 1).
void applyHit(const HitDamage& d);

// The hits spread over the ships lying at the base, pass after pass of a d100 under 10 for each;
// the distribution ends when every hit is placed or no ship lies there. Returns the names hit.
QString distributePortHits(int side, int base, long long hits, long long weight);
// The same over the group's ships, the group's row following its ships' losses; the group is put
// in transit. Returns the names hit.
QString distributeGroupHits(int side, int group, long long hits, long long weight);
// The base's damage, bombardment weight and points used after a salvo.
void damageBase(int base, const FireValues& v, const Salvo& s);
// Every ship of the group pays one point of operability (not below 1).
void wearGroup(int side, int group);

// Whether the group has fired on this contact already, and the mark that it has.
bool contactFought(int side, int group, int contact);
void markContactFought(int side, int group, int contact);

} // namespace bombardment
