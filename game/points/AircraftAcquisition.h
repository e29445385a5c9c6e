// New aircraft for a side's air base, bought with the base's command points: each random list
// costs the base points and offers a number of aircraft and the types of the base's aircraft file
// available this time; aircraft are added one at a time and confirmed into the type's record.
#pragma once

#include "common/RecordFiles.h"

#include <QString>
#include <array>
#include <vector>

namespace acquisition {

// A random list needs at least this many points to spend at the base.
constexpr int kListPointsMinimum = 31;
// GIBILTERRA and ALESSANDRIA lie off the map: their aircraft cannot be used.
constexpr int kLastMapAirBase = 13;
constexpr int kSiracusa = 5;
constexpr int kCastelvetrano = 10;

struct ListedItem {
    int data; // the base or record number the item stands for
    QString text;
};

// The side's air bases: "(n)" in 6 characters, the name in 20, "DE" after the bases that take
// German aircraft.
std::vector<ListedItem> airBaseItems(int side);

// Why a random list cannot be drawn at the base (no base chosen, too few points); empty when it can.
QString aircraftListRefusal(int base);

// A random list: the cost (a d26, at least 4) is paid by the base at once and saved; it allows
// Int(cost / 1.5) aircraft. Then one die a record (d100 Allies, d125 Axis): a type is listed when
// the campaign year has reached its year of service and its availability is at least the roll;
// for the Axis only Italian types, except that every German type is listed at CASTELVETRANO and
// SIRACUSA takes any nation on the two tests.
struct AircraftDraw {
    int cost = 0;
    int acquirable = 0;
    std::vector<ListedItem> types; // role in 6 characters and the 32-character name; its record
};
AircraftDraw drawAircraftList(int side, int base, int campaignYear);

// A record of the base's aircraft file.
AircraftRecord readBaseAircraft(int side, int base, int record);
// The types with aircraft at the base or in flight: role, name, " T:" on the ground, " V:" in flight.
std::vector<ListedItem> baseAircraftItems(int side, int base);

// The aircraft card: the frame's caption (26 characters of the name) and its ten values: cost,
// range, speed, torpedoes, roles, attack, defence, strafing, differentiated load, judgement.
struct AircraftCard {
    QString caption;
    std::array<QString, 10> values;
};
AircraftCard aircraftCard(const AircraftRecord& aircraft);

// A purchase from one random list.
struct AircraftPurchase {
    int acquirable = 0; // aircraft the list still allows
    int acquired = 0;   // added and not yet confirmed
    int spent = 0;      // points spent on the aircraft added since the list was drawn
};

// One more aircraft of a type (its unit cost and the aircraft its record holds) at the base: the
// base counts it and pays for it at once. Returns why it was refused, or empty.
QString addAircraft(AircraftPurchase& purchase, int base, int unitCost, int typeCount);
// One aircraft added taken back; false when none was added.
bool removeAircraft(AircraftPurchase& purchase, int base, int unitCost);
// Writes the aircraft added into the type's record (aircraft on hand), then none is pending.
void confirmAircraft(AircraftPurchase& purchase, int side, int base, int record);

} // namespace acquisition
