// The air groups of the Allies' carriers stay tied to their carrier: the data a picked carrier
// hands to the launch window, the move of its air groups to the naval group it joins, and their
// recall when it docks. Only the Allies fly aircraft from carriers: for a carrier of any other side
// these rules do nothing, so that no Allied table is read or changed for it.
#pragma once

#include "common/NavalGroupValues.h"
#include "common/records/RecordFormat.h"

#include <QString>

// The launch data of carrier `record` of `side`, read into `ship`: OperationTexts 1 (name) and 2
// (air-file code), OperationContext 1..8 and 16, and element 15 := 1 when the carrier may launch in
// weather `weather` (0 to 1), operational, with handling capacity, at least 2 aircraft on board, at
// 16 knots or more and on the map. The caller clears the context first.
void writeCarrierData(int side, int record, const recordformat::ShipRecord& ship, int weather);

// Why carrier `ship` of `side` may not launch in weather `weather`, its group lying at base
// `baseUnderGroup` (0 at sea), in the game's words; empty when it may. The same conditions as the
// launch data's element 15, with those that keep a ship from being read as a carrier at all.
QString carrierLaunchRefusal(int side, const recordformat::ShipRecord& ship, int baseUnderGroup, int weather);

// The air groups in use of carrier `carrier` (its record in the Allied ship file; 0 for every
// carrier) whose naval group is `from` move to naval group `to`. Returns how many moved.
int moveCarrierAirGroups(int side, int from, int to, int carrier);

// Every Allied air group of carrier `carrier` goes home (order 7). A record below 1 names no
// carrier and recalls none. Returns how many were recalled.
int recallCarrierAirGroups(int side, int carrier);
