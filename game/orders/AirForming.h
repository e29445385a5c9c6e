// The rules of forming an air group at an air base, as plain values: whether the activation die
// may be rolled and what it decides, the payload the player asks for, the take-off delay and its
// cost in command points, and what the launch writes (the aircraft line, the group's row, the
// base table). The base panel's handlers (game/orders/FrmMain_air.cpp) read the controls, call
// these and write the controls back.
#pragma once

#include "common/records/RecordFormat.h"

#include <QString>

// Most aircraft in one air group, bombs a plane, largest bomb size and torpedoes a plane: the
// ranges of the payload lists.
constexpr int kMaxGroupAircraft = 18;
constexpr int kMaxBombs = 20;
constexpr int kMaxBombSize = 90;
constexpr int kBombSizeStep = 5;
constexpr int kMaxTorpedoes = 1;

// A payload list's value: the text's number rounded, held to 0..max (an empty text gives 0).
int payloadValue(const QString& text, int max);

// ---------------------------------------------------------------- the activation die

// Why the die is not rolled. Messages are the panel's own: see activationMessage.
enum class ActivationRefusal {
    None,
    GroupReady,      // a group is ready already: it takes off or is cancelled first
    NoAircraft,      // "NESSUN AEREO DISPONIBILE"
    InFlightLimit,   // "VERIFICARE IL NUMERO AEREI ATTIVABILI"
    OffMapBase,      // bases 14 and 15 form no air group here (beep)
    AttemptsUsedUp,  // Int(30 / airfield level) attempts made already (beep)
    NoFlyingWeather, // weather 3, or weather 2 by night for the Axis (silent)
    NoLine,          // no aircraft line picked (silent)
};
struct ActivationInputs {
    int side = 0;
    int base = 0;
    bool groupReady = false;
    bool linePicked = false; // the aircraft count label shows a line
    int ready = 0;           // field 22 of the picked line
    int inFlight = 0;        // aircraft of the base in flight
    int mostInFlight = 0;    // the base's limit (kNoLimit: none)
    int weather = 0;         // 0 .. 3
    bool night = false;
};
ActivationRefusal activationRefusal(const ActivationInputs& in);
// Whether a refusal sounds the beep.
bool activationBeeps(ActivationRefusal r);

// A percentile roll not above the activation percentage readies aircraft.
bool activationSucceeds(int roll, int percent);
// Counts one attempt of the base and saves the base table at once.
void countActivationAttempt(int base);
// Gives one counted attempt back and saves the base table.
void giveActivationAttemptBack(int base);

// ---------------------------------------------------------------- the payload

// The aircraft a player may choose: no more than the line holds nor the room left in flight
// (mostInFlight less inFlight; kNoLimit leaves it open), never below 0.
int aircraftAllowed(int chosen, int available, int mostInFlight, int inFlight);

struct Payload {
    int aircraft = 0;
    int bombs = 0;
    int bombSize = 0;
    int torpedoes = 0;
};
// Weight of bombs a plane (bombs × size).
int payloadWeight(int bombs, int bombSize);
// The load weighs more than the aircraft's largest war load (field 11; below 1: none).
bool payloadTooHeavy(int bombs, int bombSize, const recordformat::AircraftRecord& a);
// What the message line says of a load too heavy: the load and the aircraft's largest.
QString payloadTooHeavyMessage(int bombs, int bombSize, const recordformat::AircraftRecord& a);
// What it says of bombs given without their size, or a size without bombs.
QString payloadIncompleteMessage();

// ---------------------------------------------------------------- take-off and cost

// Int((base level + die) × aircraft / 4), held to 1..10.
int takeOffDelay(int baseLevel, int die, int aircraft);
// The die of that delay is a d(weather + 3).
int rollTakeOffDelay(int baseLevel, int weather, int aircraft);
// Command points a launch costs: 5 + 5 × torpedoes × aircraft with torpedoes, else 5 + w × aircraft,
// w being the weight a plane over 100 rounded, at least 1.
int formingCost(const Payload& p, int weight);

// The launch: the line's aircraft at the base go into flight (fields 22 and 23).
void takeAircraftOff(recordformat::AircraftRecord& a, int aircraft);
// Row `group` of the side's air-group table (and its names) for a group of aircraft line `record`
// of `base`; columns the launch does not set keep what the row held.
void writeNewAirGroup(int side, int group, int base, int record, const recordformat::AircraftRecord& a,
                      const Payload& p, int delay);
// The base pays: aircraft present less, in flight more, command points used; saved at once.
void chargeBaseForLaunch(int base, int aircraft, int cost);
