// Base repair with points at the end of the hour, and the circles of the hour's activities on the
// main window's map.
#include "game/main/FrmMain.h"
#include "game/main/HourPhases.h"

#include "TestCampaign.h"
#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "platform/Dialogs.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {
class HourBases : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        testcampaign::write();
        testcampaign::choose();
        ASSERT_TRUE(apriGioco());
    }
    void TearDown() override {
        platform::testing::resetForms();
        resetGlobals();
    }
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
};
} // namespace

TEST_F(HourBases, DamagedBasesRepairWithTheirPoints) {
    Globals& g = G();
    // With 40 set-up points: TARANTO level 1, 5% damage, 200 points; NAPOLI level 0; PALERMO
    // level 2 with 103 points, one above what a base keeps.
    g.BaseLevel[1] = 1, g.BaseTable[1][BaseCol::DamagePercent] = 5,
    g.BaseTable[1][BaseCol::PointsArrived] = 160;
    g.BaseLevel[2] = 0, g.BaseTable[2][BaseCol::DamagePercent] = 3,
    g.BaseTable[2][BaseCol::PointsArrived] = 500;
    g.BaseLevel[3] = 2, g.BaseTable[3][BaseCol::DamagePercent] = 10,
    g.BaseTable[3][BaseCol::PointsArrived] = 63;
    g.CurrentSide = kAxis;
    ChosenDice dice(QList<int>{69, 1, 70, 1, 1, 1, 1} + QList<int>(12, 1) + QList<int>{34} +
                    QList<int>(18, 1));
    AggiornaBasiOra();
    EXPECT_EQ(dice.remaining(), 0) << "a base of level 0 does not roll";
    EXPECT_EQ(g.BaseTable[1][BaseCol::DamagePercent], 0);
    EXPECT_EQ(g.BaseTable[1][BaseCol::PointsUsed], 5);
    EXPECT_EQ(g.BaseTable[1][BaseCol::RepairsMade], 5);
    EXPECT_EQ(g.BaseTable[2][BaseCol::DamagePercent], 3);
    EXPECT_EQ(g.BaseTable[3][BaseCol::DamagePercent], 9) << "one point, then 102 are kept";
    EXPECT_EQ(g.BaseTable[3][BaseCol::PointsUsed], 1);
    EXPECT_EQ(testsupport::readLines(g.GamesPath + "StackProvaDatiBasi.dat").at(2), "0") << "saved";
}

TEST_F(HourBases, TheHoursActivitiesAreCircledOnTheMap) {
    FrmMain& f = form<FrmMain>();
    RecordFile file(activityFilePath(), ActivityRecord::kLength);
    for (auto [x, kind] : {std::pair{3000, 6}, {6000, 1}, {9000, 4}, {12000, 7}}) {
        ActivityRecord a;
        a.X = x, a.Y = 3000, a.Kind = kind;
        file.put(file.count() + 1, encodeActivity(a));
    }
    G().setState(StateItem::Activities, 3); // the first record is an earlier hour's
    f.PicBitMap.cls();
    f.CircleAttivita();
    const auto at = [&](int x, int dy) { return f.PicBitMap.point(x, 3000 - dy); };
    for (int x : {6000, 9000, 12000}) EXPECT_EQ(at(x, 400), vbRed) << x;
    EXPECT_NE(at(3000, 400), vbRed);
    EXPECT_NE(at(6000, 160), vbCyan) << "a naval activity";
    EXPECT_EQ(at(9000, 160), vbCyan);
    EXPECT_NE(at(9000, 100), vbMagenta);
    EXPECT_EQ(at(12000, 100), vbMagenta) << "a strike on a base";
}
