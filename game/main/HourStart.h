// The start of the hour ("EVG") and the group types of the hour ("EVV"): the rules apart from the
// main window's labels.
#pragma once

#include "common/Globals.h"

#include <QString>

// DataPath & "\gntext": the folder of the group text files of the hour.
QString groupTextFolder();
// Deletes the files directly inside the group text folder, by their own names: nothing outside
// the folder and no folder inside it is touched; a missing folder holds nothing to delete.
void emptyGroupTextFolder();
// GameState items 10 to 14 := "0"; ActivityCount, ContattiGestiti and AirReturnFlag := 0.
void resetHourCounters();
// One hour on: item 2 + 1, and hour 24 is hour 0 of the next day (item 1 + 1).
void advanceClock();
// The flags of mine laying, items 27 and 37: "0" at hour 1, "1" at every other hour. True at hour 1.
bool setHourOneFlags();
// The weather drift from GameState item 3, each level's d100 test reading the level left by the
// tests before it; every change goes to WeatherSeverity and item 3 at once.
void weatherDrift();
// Columns 50, 18 and 32 of every naval group := 0; intercept orders age (column 23) and lapse at
// their fifth hour; the attack marks of the hour := 0.
void resetGroupsForHour();
// Group type (column 3) and periscope depth (column 10) of groups 1 to 50 of CurrentSide.
void groupTypesOfSide();
// The aircraft activation attempts recovered at each base by a die of its airfield level.
void RecuperaAttivazioni();
// The slot row of the open campaign (a blank row when no slot is chosen).
Globals::GameSlot openSlot();
// Day or night and the weather of the present hour: at hours 1 and 12 of an hourly step the
// attempts recover and the season rolls the weather; then DayFlag, the map and sea-bed pictures
// and the day-or-night icon follow the hour, the clean map is loaded, and the base table and game
// state are saved.
void dayAndWeather();
