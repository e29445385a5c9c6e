#include "common/AirGroups.h"
#include "common/Dice.h"

#include <gtest/gtest.h>

namespace {

class AirGroups : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        G().DayFlag = 1;
    }
    void TearDown() override { resetGlobals(); }
    // One hour of flight from (x, y) to (tx, ty) at `step` map units a turn.
    std::pair<int, int> step(int x, int y, int tx, int ty, int step) {
        auto& w = G().WorkingAirGroup;
        w.GaPosX = x, w.GaPosY = y, w.TargetX = tx, w.TargetY = ty, w.GaStep = step;
        MuoviGA();
        EXPECT_EQ(w.GaStep, 15 * step) << "the step becomes the hourly distance";
        return {G().InterceptPoint[0], G().InterceptPoint[1]};
    }
};

} // namespace

TEST_F(AirGroups, StraightStepTowardTheTarget) {
    EXPECT_EQ(step(1000, 3000, 1000, 1000, 20), std::make_pair(1000, 2700)) << "along y only";
    EXPECT_EQ(step(1000, 1000, 3000, 1000, 20), std::make_pair(1300, 1000)) << "same y: almost all along x";
    EXPECT_EQ(step(0, 0, 300, 400, 10), std::make_pair(90, 120));
    EXPECT_EQ(step(300, 400, 0, 0, 10), std::make_pair(210, 280));
    EXPECT_EQ(step(1000, 1100, 1000, 1000, 20), std::make_pair(1000, 800)) << "not cut at the target";
    EXPECT_EQ(step(500, 500, 500, 500, 20), std::make_pair(500, 500)) << "on the target it stays";
}

TEST_F(AirGroups, SearchRollsAgainstTurnsPercentageAndWeather) {
    Globals& g = G();
    auto& w = g.WorkingAirGroup;
    w.SearchTurns = 20, w.InterceptPercent = 30;
    g.WeatherSeverity = 1;
    EXPECT_EQ(searchThreshold(), 15 + 30 - 5);
    g.DayFlag = 0;
    EXPECT_EQ(searchThreshold(), 15 + 13 - 5) << "by night 30 / 2.2 = 13.6 counts 13";
    g.DayFlag = 1, g.WeatherSeverity = 3, w.SearchTurns = 0, w.InterceptPercent = 10;
    EXPECT_EQ(searchThreshold(), -5);

    Int16 row[kGroupColumns + 1] = {};
    ChosenDice dice({1, 24, 25, 1, 1});
    EXPECT_FALSE(searchRoll(row, -5, 2)) << "a threshold below 1 never succeeds";
    EXPECT_TRUE(searchRoll(row, 25, 2));
    EXPECT_FALSE(searchRoll(row, 25, 2)) << "the roll must fall below the threshold";
    EXPECT_TRUE(searchRoll(row, 25, 2));
    EXPECT_TRUE(searchRoll(row, 25, 2));
    EXPECT_EQ(row[GaCol::InAction], 2) << "never more in action than can fly";
}

TEST_F(AirGroups, MissionTimingOfTheAirPanel) {
    Globals& g = G();
    g.BaseNames[3] = QStringLiteral("PALERMO");
    auto& w = g.WorkingAirGroup;
    w.GaTargetBase = 3, w.TakeOffDelay = 3, w.GaFlightHours = 5, w.InterceptPercent = 30, w.GaStep = 40;
    w.UsableEndurance = 60, w.TurnsToTarget = 45;
    const MissionTiming t = missionTiming();
    EXPECT_EQ(t.targetBase, "PALERMO");
    EXPECT_EQ(t.delay, "12/3");
    EXPECT_EQ(t.flightHours, "5");
    EXPECT_EQ(t.intercept, "30/13");
    EXPECT_EQ(t.step, "40");
    EXPECT_EQ(t.margin, "15/45");
    w.GaTargetBase = 0;
    EXPECT_EQ(missionTiming().targetBase, "");
}
