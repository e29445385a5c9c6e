// The working air group and the rules of flight that the hourly air passes and the air panel share:
// loading a group's values, the straight-line step of one hour, the search rolls and the return
// home. Columns are those of the air-group tables (GaTableAlle, GaTableAsse).
#pragma once

#include "common/Globals.h"

// Fifteen turns of four minutes make an hour.
constexpr int kTurnsPerHour = 15;

// Copies group CurrentGaIndex of CurrentSide's table into WorkingAirGroup, its order into AirOrder,
// its target naval group into TargetGn and its detection value into ReconSightValue; the take-off delay is
// left to the air panel. Nothing is loaded with no side in play or no such group.
void CaricaDatiGA();

// One hour of straight flight of the working group toward its target: the step becomes the
// hourly distance (15 × step) and the new point goes to InterceptPoint. The step is not cut at
// the target, so a group close to it passes beyond and comes back the next hour.
void MuoviGA();

// Aircraft of the group still able to fly: in total less damaged less shot down (never below 0).
int operationalAircraft(const Int16* row);

// A search roll succeeds when a d100 falls below this: the search turns (at most 15) plus the
// interception percentage (by night its whole part over 2.2), less 5 a weather level. Reads the
// working group, DayFlag and WeatherSeverity.
int searchThreshold();
// One search roll of the group in `row`: a success puts one more aircraft in action (column 41),
// never more than `operational`.
bool searchRoll(Int16* row, int threshold, int operational);

// Turns an air group for home: order 7, control flag 9, off its target, no detection value; a
// patrol leaves its naval group. Raises AirReturnFlag.
void sendAirGroupHome(Int16* row);

// A table value kept inside 16 bits instead of refusing the hour for it.
Int16 saturate16(long long value);

// The mission timing of the working group as the air panel shows it.
struct MissionTiming {
    QString targetBase;  // Label91: the name of the target base
    QString delay;       // Label85(11): minutes "/" turns of the take-off delay
    QString flightHours; // Label85(12)
    QString intercept;   // Label97: interception percentage by day "/" by night
    QString step;        // Label98
    QString margin;      // Label96: operating margin "/" turns to target
};
MissionTiming missionTiming();
