#include "ClockRules.h"

#include <algorithm>

Season seasonOf(int season) {
    switch (season) {
    case 1:
        return {QStringLiteral(" Inverno"), 8, 16};
    case 2:
        return {QStringLiteral(" Primavera"), 5, 20};
    case 3:
        return {QStringLiteral(" Estate"), 5, 21};
    case 4:
        return {QStringLiteral(" Autunno"), 7, 19};
    default:
        return {};
    }
}

bool isDaylight(int hour, int season) {
    const Season s = seasonOf(season);
    return !(hour < s.firstDaylight || hour > s.lastDaylight);
}

int seasonalWeather(int season, int roll) {
    // Highest roll of levels 0, 1 and 2; above the last one is level 3.
    static const int limits[5][3] = {{0, 0, 0}, {8, 50, 87}, {45, 75, 95}, {50, 75, 96}, {36, 70, 92}};
    if (season < 1 || season > 4) return -1;
    for (int level = 0; level < 3; ++level)
        if (roll <= limits[season][level]) return level;
    return 3;
}

int recoverySides(int airfieldLevel) {
    return 36 - 3 * airfieldLevel;
}

int recoveredAttempts(int attempts, int roll) {
    return std::max(0, attempts - (roll + 6));
}
