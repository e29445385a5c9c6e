#include "game/main/ClockRules.h"

#include <gtest/gtest.h>

TEST(ClockRules, DaylightBoundsOfEachSeason) {
    const int bounds[5][2] = {{0, 0}, {8, 16}, {5, 20}, {5, 21}, {7, 19}};
    for (int season = 1; season <= 4; ++season) {
        const int first = bounds[season][0], last = bounds[season][1];
        EXPECT_FALSE(isDaylight(first - 1, season)) << season;
        EXPECT_TRUE(isDaylight(first, season)) << season;
        EXPECT_TRUE(isDaylight(last, season)) << season;
        EXPECT_FALSE(isDaylight(last + 1, season)) << season;
        EXPECT_FALSE(isDaylight(0, season));
    }
    EXPECT_EQ(seasonOf(2).name, " Primavera");
    EXPECT_EQ(seasonOf(4).name, " Autunno");
    EXPECT_TRUE(seasonOf(7).name.isEmpty());
    EXPECT_FALSE(isDaylight(12, 0)) << "an unknown season has no daylight hours";
}

TEST(ClockRules, SeasonalWeatherTable) {
    struct Case {
        int season, roll, level;
    };
    for (const Case& c : std::initializer_list<Case>{
             {1, 1, 0},  {1, 8, 0},  {1, 9, 1},  {1, 50, 1}, {1, 51, 2}, {1, 87, 2}, {1, 88, 3}, {1, 100, 3},
             {2, 45, 0}, {2, 46, 1}, {2, 75, 1}, {2, 76, 2}, {2, 95, 2}, {2, 96, 3}, {3, 50, 0}, {3, 51, 1},
             {3, 96, 2}, {3, 97, 3}, {4, 36, 0}, {4, 37, 1}, {4, 70, 1}, {4, 71, 2}, {4, 92, 2}, {4, 93, 3}})
        EXPECT_EQ(seasonalWeather(c.season, c.roll), c.level) << c.season << " " << c.roll;
    EXPECT_EQ(seasonalWeather(0, 50), -1);
}

TEST(ClockRules, ActivationRecovery) {
    EXPECT_EQ(recoverySides(0), 36);
    EXPECT_EQ(recoverySides(6), 18);
    EXPECT_EQ(recoveredAttempts(50, 1), 43);
    EXPECT_EQ(recoveredAttempts(50, 36), 8) << "level 0 takes 7 to 42";
    EXPECT_EQ(recoveredAttempts(5, 1), 0);
}
