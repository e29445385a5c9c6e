// Air groups launched from an Allied carrier at sea, and aircraft ferried from it to MALTA BS. The
// carrier and the aircraft line chosen are the carrier window's scratch values: OperationContext
// 1..8, 15, 16 from the carrier's record (Carriers.h), 9..20 from the line; OperationTexts 1 and 2
// the carrier's name and air-file code, 3..5 the line's name, role and year. Only the Allies' tables
// and files are used.
#pragma once

#include "common/records/RecordFormat.h"

#include <QString>

namespace carrierlaunch {

// The base the ferry flies to, and the point it starts from and flies to.
constexpr int kMaltaBs = 13;
constexpr int kFerryStartX = 3000;
constexpr int kFerryStartY = 4000;
constexpr int kMaltaX = 7005;
constexpr int kMaltaY = 5100;
// The most aircraft of one launch.
constexpr int kMostAircraft = 18;

// Aircraft in flight the carrier's aircraft handling (MA) allows: five a point.
int inFlightLimit(int handling);

// The aircraft of the carrier in flight (field 23 of every line of its air file) and the number of
// lines in the file.
struct Aloft {
    int aircraft = 0;
    int lines = 0;
};
Aloft aircraftAloft(const QString& fileCode);

// The line `record` of the carrier's air file, read into AircraftRecordBuffer; its values go to
// OperationTexts 3..5 and OperationContext 9..20 (nothing to launch, no load chosen yet). Returns
// the line's aircraft cost.
int takeLine(const QString& fileCode, int record);
// Whether the chosen line carries a torpedo (OperationContext 18).
bool torpedoLine();
// The war load chosen: bombs (element 19) times their size (element 20).
long long warLoad();

// What stops a launch of OperationContext 10 aircraft into air group `group`, in the order the
// checks run; `allowed` is the room left (aircraft in flight, or at MALTA BS).
enum class Refusal { None, NothingChosen, NoFreeGroup, TooManyAloft, NoRoomAtMalta, LoadTooHeavy };
struct LaunchCheck {
    Refusal refusal = Refusal::None;
    long long allowed = 0;
};
LaunchCheck checkLaunch(int group, int aloft, bool toMalta);

// A line that carries nothing (no bombs of any size and no torpedo, or a torpedo line given none)
// flies empty: elements 19 and 20 := 0. True when it does.
bool flyEmpty();

// Writes air group `group` flying from the carrier with OperationContext 10 aircraft of line
// `line` (aircraft cost `cost`), over the carrier's point until it is ordered, takes them from the line's
// ready aircraft into its aircraft in flight, wears the carrier and saves the group tables.
void launchFromCarrier(int group, int line, int cost);

// Aircraft lost on the ferry in weather `weather`: one d100 an aircraft, lost below 20 a level.
int ferryLosses(int aircraft, int weather);

// Sends OperationContext 10 aircraft of line `line` to MALTA BS as air group `group` with the
// weather's losses: they leave the carrier (its line and its aircraft aboard) and fly to the
// MALTA BS line of the same aircraft, added to that base's file when it has none. Saves the base
// table and the group tables. Returns the MALTA BS line (the group's column 38).
int ferryToMalta(int group, int line, int cost, int weather);

// The line of MALTA BS's air file that holds aircraft named as `line`, appended (with no aircraft)
// when there is none; the file is open on `channel`.
int maltaLineFor(int channel, const recordformat::AircraftRecord& line);

// The wear of `launched` aircraft on carrier `record` of the Allied ship file: every 20 launched
// cost a point of operativity (never below 1). When the aircraft leave the carrier they are taken
// from its aircraft aboard too.
void wearCarrier(int record, int launched, bool leaveCarrier);

} // namespace carrierlaunch
