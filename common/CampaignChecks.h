// Checks of what a campaign's files hold, for the campaign's opening and for the hour: each one
// refuses what no campaign can hold with platform::FileError naming the file, and changes nothing
// (no file is made, emptied or rewritten on the way).
#pragma once

#include "common/BaseTable.h"
#include "common/Globals.h"

#include <QString>

// A record file whose length is not a whole number of records; a missing file passes.
void checkRecordFileLength(const QString& path, int recordLength);
// The same for a file whose length (-1 when missing) the caller has just looked up.
void checkRecordFileLength(const QString& path, int recordLength, qint64 length);
// Whether the side's naval groups in use (column 4) or its bases' ports (field 10; bases 1..11
// are the Axis', 12..15 the Allies') count ships of its ship file.
bool sideNamesShips(int side);
// The side's ship file: missing or empty while ships are named, cut short, or holding a record
// that no ship can be (an unknown type code, a number field that is not a number, a carrier code
// that is not "P" and a number).
void checkShipFile(int side);
// An aircraft file of a base or carrier: cut short, or a number field that is not a number.
void checkAircraftFile(const QString& path);
// Both ship files and every base and carrier aircraft file of the open campaign.
void checkCampaignRecordFiles();

// Game-state items 1..40: whole numbers that fit 32 bits, the hour 0..23, the weather 0..3, the
// flags 0..1 and the counts of the hour, of losses and of lost tonnage not negative.
void checkGameStateItems(const QString (&items)[kStateItems + 1], const QString& path);
// Unit counts of the groups in use: ships (naval column 4 and the counts by class, 35..40),
// aircraft (air columns 4, 5, 6 and 41) not negative.
void checkGroupCounts(const GroupTable& table, bool naval, const QString& path);
// Unit counts of the bases: aircraft present (4), in flight (6), ships in port (10) not negative.
void checkBaseCounts(const Int32 (&bases)[kBases + 1][kBaseFields + 1], const QString& path);
