// The tools of the open naval group that act on one of its ships: scuttling it and letting it
// give assistance to the ships of its group in trouble. They work on CurrentSide's ship file and
// group table; the window only picks the ship and shows the outcome.
#pragma once

#include "common/records/RecordFormat.h"

namespace shiptools {

// A scuttled ship, as the message line and the panel need it.
struct Scuttled {
    bool done = false;         // false: the record was not a ship of the group still afloat
    bool groupFreed = false;   // the group lost its last ship and its row was freed
    long long lossValue = 0;   // current operativity + current cargo, booked as the side's loss
    long long lostTonnage = 0; // two thirds of the tonnage, booked as warship or merchant tonnage
};

// Scuttles ship `record` of group `gn`: the ship is marked lost by scuttling and leaves the group
// (its class counts, its ship count, its values recomputed from the ships left), the side books
// the loss, and the tables and the game state are saved. A group left without ships is freed and
// its hours under way are added to the side's naval moves. Nothing is changed when the record is
// not a ship of that group still afloat.
Scuttled scuttleShip(int record, int gn);

// Whether a ship may give assistance: its current hull, speed and operativity at least half of
// their nominal values (exactly half: a nominal 7 needs 3.5, so 4) and no fire on board.
bool mayAssist(const recordformat::ShipRecord& ship);

// The outcome of a double-click on the assistance icon.
enum class Assistance { Refused, Started, Stopped };
// Toggles the assistance of ship `record` (field 39); a ship that may not assist has it cleared.
Assistance toggleAssistance(int record);

} // namespace shiptools
