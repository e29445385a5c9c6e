// The lists through which players pick ships and aircraft: the aircraft at a base, the ships in
// port at a base with those of the group being formed, the ships of an open naval group, and the
// aircraft embarked on a carrier; and the status letters that mark a ship's damage and tasks.
// Each item carries the record number of its ship or aircraft line as its data.
#pragma once

#include "common/records/RecordFormat.h"

#include <QString>
#include <vector>

// Channels the lists leave open for the main window's handlers, and those they use in passing.
constexpr int kChannelBaseAircraft = 1;
constexpr int kChannelGroupShips = 9;
constexpr int kChannelCarrierAircraft = 28;

struct ListItem {
    QString text;
    int data = 0;
};
using ListItems = std::vector<ListItem>;

namespace platform {
class ListBox;
}
// Adds the items to a list box, each with its data.
void fillList(platform::ListBox& list, const ListItems& items);

// " [" & the status letters of a ship & "]", or the empty text when no letter applies.
QString shipStatusText(const recordformat::ShipRecord& ship);
// The status text of the ship in ShipRecordBuffer.
QString StatoNaveTesto();
// The status text as the group lists show it: a ship whose only mark is its operability shows none.
QString groupListStatusText(const recordformat::ShipRecord& ship);

// The aircraft lines at `base` that have aircraft ready or in flight. The base's aircraft file of
// `side` stays open on channel 1 and SelectedItem holds its record count. With no side in play
// nothing is opened and the list is empty.
ListItems baseAircraftItems(int side, int base);

// The ships in port at `base` (not in a group), and the ships of the group being formed (none
// when `newGroup` is 0). The side's ship file stays open on channel 2 and SelectedItem holds its
// record count.
struct PortShipItems {
    ListItems inPort;
    ListItems forming;
};
PortShipItems portShipItems(int side, int base, int newGroup);

// The ships of naval group `group` (none for a group below 1), read on channel 9, which is closed
// again.
ListItems groupShipItems(int side, int group);

// The ships of naval group `group` as the map's pop-up lists them.
ListItems popupShipItems(int side, int group);

// The aircraft lines embarked on the carrier whose code (ship field 34, "P" & n) is given, read on
// channel 28, which is closed again.
ListItems carrierAircraftItems(const QString& carrierCode);
