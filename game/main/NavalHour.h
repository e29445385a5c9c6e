// The naval phases that the hourly step drives itself: movement of every group under way
// ("MGN"), the bases' look-out for enemy groups ("BAS") and the encounters between groups ("AVV").
#pragma once

#include "platform/Numbers.h"

// A group's row into the working naval group as the movement takes it (the entry point only for
// an Allied group).
void loadMovingGroup(const platform::Int16* row, bool allied);
// Column 41 (hours since formed) + 1 for every group in use of both sides.
void countGroupHours();
// One hourly step of every group under way of CurrentSide: the row copied into the working naval
// group, MuoviGN, the row written back; the end of the route stops a group and raises
// GnStoppedFlag; consumption of 26 or more wears its ships.
void moveNavalGroups();
// Small groups of destroyers or submarines at rest at sea turn to ambush, both sides.
void setAmbushes();
// The look-out range of a base by its level (1-2 900, 3-4 750, 5-6 650) less 90 a weather level;
// -1 (no look-out) for a level outside 1 to 6.
int lookoutRange(int level, int weather);
// The Allied bases 12 and 13 look for Axis groups; the Axis bases 1 to 11 for Allied groups.
void alliedBaseLookouts();
void axisBaseLookouts();
// Every Allied group on the map against every Axis group: an encounter within
// 60 x the greater CAP level + 300 map units.
void navalEncounters();
