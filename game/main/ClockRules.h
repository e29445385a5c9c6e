// The clock's rules: seasons and their daylight hours, the seasonal weather roll, and the air
// activation attempts that the bases recover twice a day.
#pragma once

#include <QString>

struct Season {
    QString name;          // " Inverno", ... (with its leading blank); empty for an unknown season
    int firstDaylight = 0; // first and last daylight hours, both daylight
    int lastDaylight = 0;
};

// Season 1 winter, 2 spring, 3 summer, 4 autumn; any other value has no name and hours 0, 0.
Season seasonOf(int season);
// Daylight at an hour of a season's day.
bool isDaylight(int hour, int season);
// The weather level (0..3) of a d100 roll in a season; -1 for an unknown season.
int seasonalWeather(int season, int roll);
// The dice sides of a base's activation recovery roll by its airfield level.
int recoverySides(int airfieldLevel);
// Activation attempts left after a recovery roll: lowered by the roll + 6, never below 0.
int recoveredAttempts(int attempts, int roll);
