// The work orders given to a ship lying in port (load, unload, refuel, light repair, none) with the
// estimate of the hours they take, and the dockyard that takes a badly damaged ship out of play.
// The order is the mission code of the ship record (field 19); the hourly port passes carry it out.
#pragma once

#include "common/records/RecordFormat.h"

#include <QString>
#include <optional>

// Mission codes of a ship in port.
inline constexpr char kPortNoOrder = '1';
inline constexpr char kPortRepair = '5';
inline constexpr char kPortLoad = '6';
inline constexpr char kPortUnload = '7';
inline constexpr char kPortRefuel = '8';

// Reads ship `record` of the side's ship file, opened on the ships' channel (2), into
// ShipRecordBuffer, and keeps the channel open when the ship lies in port at `base` in no group;
// otherwise the channel is closed and false returned (a list that no longer matches its file).
bool readShipInPort(int side, int base, int record);
// Writes ShipRecordBuffer back to `record` on the ships' channel and closes it.
void writeShipAndClose(int record);

// Hours to move `work` units at `rate` units an hour (the rate at least 1): the nearest whole number
// (halves to even), never more than the work and never below 1.
int portOrderHours(int work, int rate);

enum class PortOrder { Load, Unload, Refuel, Repair, Cancel };

struct PortOrderDecision {
    bool given = false;       // the order is written
    std::optional<int> hours; // the estimate, for load, unload and refuel
    bool tooDamaged = false;  // light repair refused: below half of the hull points
};
// The order for the ship in `ship` at a port working `rate` units an hour (the port's work rate,
// which may be 0 or below); when given, the ship's mission code is set. Orders that make no sense
// for the ship (load into a full hold, unload an empty ship, refuel at full operativity) are not
// given.
PortOrderDecision decidePortOrder(PortOrder order, recordformat::ShipRecord& ship, int rate);

// Why the dockyard refuses a ship; None when it takes it.
enum class DockyardRefusal { None, NotDamaged, NotMainBase };
DockyardRefusal dockyardRefusal(const recordformat::ShipRecord& ship, int base);
// The message-line text of a refusal.
QString dockyardRefusalText(DockyardRefusal refusal);
// The dockyard takes the ship out of play (no port, no group, out of service) for 23 to 72 days,
// rolled on a d50; returns the days.
int sendToDockyard(recordformat::ShipRecord& ship);
