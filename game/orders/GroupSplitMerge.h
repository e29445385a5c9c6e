// Reshaping the naval groups at sea: ships moved one by one from an open group into a new group
// split off it, a near group folded into the open one, and the text file of a group's ships. The
// routines work on CurrentSide's group table and ship file and save what they change.
#pragma once

#include "common/records/RecordFormat.h"

#include <QString>

// Acquisition points one ship moved into a split-off group costs.
constexpr int kSplitPricePerShip = 5;

// Whether group `group` may be split: in use, of more than one ship, and on the map.
bool splitAllowed(int group);

struct SplitMove {
    bool moved = false;
    bool carrier = false;
    QString listText; // "(GN: 7) * CT_" and the first 16 characters of the name
};
// Moves ship `record` from group `source` (which keeps at least one ship) into `target`, the group
// being split off: the ship's group field, the new group's row (in use, the side, under way, and
// the source's speeds, order, point, step, course, route hours and stress), the class counts and
// ship counts of both, a carrier's air groups, both groups recomputed from their ships, and the
// price paid. A record that is not a ship of `source` moves nothing.
SplitMove moveShipToSplitGroup(int source, int target, int record);

// Folds group `joining` into group `open`: its ships' group field, its carriers' air groups, the
// summed ship and class counts, the mean stress (halves to even) and consumption values (rounded
// down), speed 0 until a new one is given, its hours under way booked to the side's total, its row
// freed, and `open` recomputed from its ships. The ship file is written first: when a ship cannot
// be written the error goes on with no table changed, and the handler's transaction puts back the
// ships already written. False (nothing done) unless both are distinct groups in use.
bool mergeGroups(int open, int joining);

// "AlleGN 12.txt" (the Axis "AsseGN"): the name of the text file of group `group`.
QString groupTextFileName(int side, int group);
// The line of one ship in the text file: type, class, name and the current and nominal values.
QString groupTextShipLine(const recordformat::ShipRecord& ship);
// Writes the text file of group `group` in the group text folder, made when missing: the header
// naming `listed` ships, then one line for each ship of the group in record order. Returns its path.
QString writeGroupTextFile(int group, int listed);
