// Checks of what a campaign's files hold, for the campaign's opening and for the hour: each one
// refuses what no campaign can hold with platform::FileError naming the file, and changes nothing
// (no file is made, emptied or rewritten on the way). The ranges come from CampaignRanges.
#pragma once

#include "common/BaseTable.h"
#include "common/Globals.h"
#include "common/RecordFiles.h"
#include "common/records/RecordRanges.h"

#include <QString>
#include <vector>

// A record file whose length is not a whole number of records; a missing file passes.
void checkRecordFileLength(const QString& path, int recordLength);
// The same for a file whose length (-1 when missing) the caller has just looked up.
void checkRecordFileLength(const QString& path, int recordLength, qint64 length);
// Whether the side's naval groups in use (column 4) or its bases' ports (field 10; bases 1..11
// are the Axis', 12..15 the Allies') count ships of its ship file.
bool sideNamesShips(int side);

// The refusals of a ship or aircraft record, from the range table the three programs share.
using recordformat::aircraftRecordRefusal;
using recordformat::FieldRefusal;
using recordformat::shipRecordRefusal;

// The side's ship file: missing or empty while ships are named, cut short, or holding a record
// that no ship can be.
void checkShipFile(int side);
// An aircraft file of a base or carrier: cut short, or holding a line that no line can be.
void checkAircraftFile(const QString& path);
// Both ship files and every base and carrier aircraft file of the open campaign.
void checkCampaignRecordFiles();

// The ports where a side's ships lie: its own bases with a port (the Axis 1 to 9, the Allies 12,
// 14 and 15).
bool sidePort(int side, int base);
// Whether group `group` of `side` is being formed in port: its row not in use, with no ship
// counted, and naming the side's port where it is formed (column 21).
bool formingInPort(int side, int group);

// A carrier of the ship file, with the aircraft its record counts on board (field 27, those flown
// from it included: a launch leaves the count, a landing takes off the losses).
struct CarrierOnBoard {
    int record = 0;
    QString code; // its aircraft file's code (field 34), trimmed
    QString name; // trimmed
    long long onBoard = 0;
};

// What a side's ship file holds against its tables.
struct ShipFileTally {
    int placed = 0;      // records naming a naval group or a port
    int forming = 0;     // ships in service of groups being formed in port
    int strayRecord = 0; // the first ship in service of a group neither in use nor being formed
    int strayGroup = 0;  // (0: none) and that group
    std::vector<CarrierOnBoard> carriers; // the Allies' carriers with an aircraft file's code, not deleted
};
// Reads the side's ship file once, with the checks of checkShipFile; `replacement`, when given,
// stands for record `record` of the file (a ship about to be written there).
ShipFileTally tallyShipFile(int side, int record = 0, const ShipRecord* replacement = nullptr);
// The ships the side's naval groups in use (column 4) and its ports (field 10) count.
long long shipsCounted(int side);
// Why the side's ship file and its tables disagree, for a message (empty when they agree): a ship
// of a group neither in use nor being formed in port, fewer ships in the file than counted, or a
// carrier whose aircraft file disagrees with it (carrierAircraftDisagreement).
QString shipFileDisagreement(int side, const ShipFileTally& tally);
// Why a carrier's aircraft file disagrees with the carrier's record (empty when it agrees): missing
// or empty while the record counts aircraft on board, or holding more aircraft ready or in flight
// than it counts (fewer is no fault: a carrier back from the dockyard counts its full complement
// on board whatever its file holds). The file's lines are checked on the way, as every aircraft
// file's are (FileError).
QString carrierAircraftDisagreement(const CarrierOnBoard& carrier);

// The checks of the opening, run once the tables are read and before anything is changed: every
// record file as checkCampaignRecordFiles does, and the files against the tables: each side's
// ship file (shipFileDisagreement), each base's aircraft file, whose ready aircraft must be as
// many as its base counts present (field 4): no more, no fewer, and each carrier's aircraft file
// against the carrier's record (carrierAircraftDisagreement). True when ships of groups being
// formed in port are in the files, for returning them to port.
bool checkCampaignAtOpening();

// Game-state items: whole numbers that fit 32 bits and lie in their ranges (the hour 0..23, the
// weather 0..3, the flags 0..1, the counts of the hour, of losses and of lost tonnage not
// negative).
void checkGameStateItems(const QString (&items)[kStateItems + 1], const QString& path);
// A group table as read, each cell as wide as its text.
using WideGroupTable = long long[kGroups + 1][kGroupColumns + 1];
// The columns of the groups in use lie in their ranges (the counts of ships and aircraft not
// negative), those of the other groups in 16 bits.
void checkGroupColumns(const WideGroupTable& table, bool naval, const QString& path);
// The fields of the bases lie in their ranges (aircraft present and in flight, ships in port: 0 to
// 32767), the others in 32 bits.
void checkBaseFields(const long long (&bases)[kBases + 1][kBaseFields + 1], const QString& path);

// The checks of the savers, before they write: a value that the opening would refuse is not
// written. Each raises platform::FileError naming the file, the line or record, the field, the
// value and its range ("Limite della campagna raggiunto: ..."), so that the hour or the action
// that took the value past its range is undone by its transaction and the campaign still opens.
void checkGameStateBeforeSaving(const QString (&items)[kStateItems + 1], const QString& path);
// The columns of the groups in use (a cell holds 16 bits: nothing else can stand outside).
void checkGroupTableBeforeSaving(const GroupTable& table, bool naval, const QString& path);
// The base fields with a range of their own (a cell holds 32 bits).
void checkBaseTableBeforeSaving(const Int32 (&bases)[kBases + 1][kBaseFields + 1], const QString& path);
// A ship record or an aircraft line about to be written as record `record` of the file at `path`.
void checkShipBeforeWriting(const ShipRecord& ship, const QString& path, int record);
void checkAircraftBeforeWriting(const AircraftRecord& line, const QString& path, int record);
// The first value of the tables in memory (game state, bases, groups) that their savers would
// refuse, as checkGameStateBeforeSaving and the others tell it; empty when none. A step that
// failed on a number too wide for a cell (platform::RangeError) failed on it when one is found.
QString campaignLimitReached();
