#include "ShipFiles.h"
#include "common/Dice.h"
#include "game/main/HourPhases.h"
#include "tests/common/CampaignFixture.h"

#include <gtest/gtest.h>

using namespace shipfiles;

namespace {
// Malta (12) works 10 an hour with 40 points; Gibraltar (14) 20 with 5; Alexandria (15) is so
// damaged that it yields no work.
class PortPasses : public ::testing::Test {
  protected:
    void SetUp() override {
        g.CurrentSide = kAllies;
        g.GameSettings[14] = 8;
        g.BasePortLevel[12] = 1, g.BasePoints[12] = 40;
        g.BasePortLevel[14] = 0, g.BasePoints[14] = 5;
        g.BasePortLevel[15] = 6, g.BasePoints[15] = 100, g.BaseTable[15][BaseCol::DamagePercent] = 100;
    }
    CampaignFolder campaign;
    Globals& g = G();
};
} // namespace

TEST_F(PortPasses, LoadingMovesTheLeastOfRateNeedAndPoints) {
    const int rate = addShip(kAllies, {{F::PORTO, 12}, {F::MISSIONE, 6}, {F::CARGO, 25}});
    const int need = addShip(kAllies, {{F::PORTO, 12}, {F::MISSIONE, 6}, {F::CARGO, 20}, {F::CARGOM, 17}});
    const int points = addShip(kAllies, {{F::PORTO, 14}, {F::MISSIONE, 6}, {F::CARGO, 50}});
    FaseCAR();
    EXPECT_EQ(field(kAllies, rate, F::CARGOM), 10);
    EXPECT_EQ(field(kAllies, need, F::CARGOM), 20) << "full: done";
    EXPECT_EQ(field(kAllies, need, F::MISSIONE), 1);
    EXPECT_EQ(field(kAllies, points, F::CARGOM), 5);
    EXPECT_EQ(g.BaseTable[12][BaseCol::PointsUsed], 13);
    EXPECT_EQ(g.BaseTable[14][BaseCol::PointsUsed], 5);
}

TEST_F(PortPasses, AFullShipOrAPortWithoutWorkEndsTheSidesPass) {
    const int full = addShip(kAllies, {{F::PORTO, 12}, {F::MISSIONE, 6}, {F::CARGO, 20}, {F::CARGOM, 20}});
    const int dead =
        addShip(kAllies, {{F::PORTO, 15}, {F::MISSIONE, 8}, {F::OPERATIVITA, 90}, {F::OPERATIVITAM, 10}});
    const int later =
        addShip(kAllies, {{F::PORTO, 12}, {F::MISSIONE, 8}, {F::OPERATIVITA, 90}, {F::OPERATIVITAM, 10}});
    const int unloads = addShip(kAllies, {{F::PORTO, 15}, {F::MISSIONE, 7}, {F::CARGOM, 5}});
    const int waiting = addShip(kAllies, {{F::PORTO, 12}, {F::MISSIONE, 7}, {F::CARGOM, 5}});
    FaseCAR();
    EXPECT_EQ(field(kAllies, full, F::MISSIONE), 1);
    FaseRIF();
    EXPECT_EQ(field(kAllies, dead, F::MISSIONE), 1) << "a port without work ends the task untouched";
    EXPECT_EQ(field(kAllies, dead, F::OPERATIVITAM), 10);
    EXPECT_EQ(field(kAllies, later, F::OPERATIVITAM), 10) << "and the pass";
    FaseRIF();
    EXPECT_EQ(field(kAllies, later, F::OPERATIVITAM), 30) << "refuelling works at twice the rate";
    FaseSCA();
    EXPECT_EQ(field(kAllies, unloads, F::MISSIONE), 7) << "unloading keeps its task and waits";
    EXPECT_EQ(field(kAllies, unloads, F::CARGOM), 5);
    EXPECT_EQ(field(kAllies, waiting, F::MISSIONE), 7);
    EXPECT_EQ(g.BaseTable[12][BaseCol::PointsArrived], 0);
}

TEST_F(PortPasses, UnloadingCargoAndTankerFuel) {
    const int merchant =
        addShip(kAllies, {{F::TIPO, "MR"}, {F::PORTO, 12}, {F::MISSIONE, 7}, {F::CARGOM, 15}});
    // clang-format off
    const int full = addShip( kAllies, {{F::TIPO, "PT"}, {F::PORTO, 12}, {F::MISSIONE, 7}, {F::CARGOM, 3},
                                        {F::OPERATIVITAM, 45}});
    const int low = addShip( kAllies, {{F::TIPO, "PT"}, {F::PORTO, 12}, {F::MISSIONE, 7}, {F::CARGOM, 2},
                                       {F::OPERATIVITAM, 30}});
    // clang-format on
    FaseSCA();
    EXPECT_EQ(field(kAllies, merchant, F::CARGOM), 5);
    EXPECT_EQ(field(kAllies, full, F::CARGOM), 0) << "fuel at twice the rate";
    EXPECT_EQ(field(kAllies, full, F::OPERATIVITAM), 25);
    EXPECT_EQ(field(kAllies, low, F::OPERATIVITAM), 20) << "below 40 a tanker keeps no fuel to unload";
    EXPECT_EQ(field(kAllies, low, F::MISSIONE), 1);
    EXPECT_EQ(g.BaseTable[12][BaseCol::PointsArrived], 10 + 3 + 20 + 2);
}

TEST_F(PortPasses, RepairRollsForEveryShipAndPaysForEachRepair) {
    g.BasePoints[12] = 100;
    // clang-format off
    const int repaired = addShip(kAllies, {{F::PORTO, 12}, {F::MISSIONE, 5}, {F::RESISTENZA, 100},
                                           {F::RESISTENZAM, 90}, {F::NODI, 30}, {F::NODIM, 20}, {F::AAM, 10},
                                           {F::AAMM, 5}, {F::DIR_TIRO, 5}, {F::D_TIROM, 3}});
    addShip(kAllies, {{F::PORTO, 12}});
    const int unlucky = addShip(kAllies, {{F::PORTO, 12}, {F::MISSIONE, 5}, {F::RESISTENZA, 9}});
    // clang-format on
    {
        ChosenDice dice({10, 19, 5, 5, 1, 7, 2, 12, 1, 27});
        FaseRIP();
        EXPECT_EQ(dice.sides, (QList<int>{100, 19, 11, 11, 7, 7, 7, 20, 100, 100}))
            << "level 1 takes a face off";
    }
    const ShipRecord s = shipAt(kAllies, repaired);
    EXPECT_EQ(s.whole(F::RESISTENZAM), 100);
    EXPECT_EQ(s.whole(F::NODIM), 25);
    EXPECT_EQ(s.whole(F::AAMM), 10);
    EXPECT_EQ(s.whole(F::D_TIROM), 5);
    EXPECT_EQ(s.whole(F::MISSIONE), 5) << "a value that only reached its nominal keeps the ship in repair";
    EXPECT_EQ(field(kAllies, unlucky, F::RESISTENZAM), 0) << "27 + 3 is not below 30";
    EXPECT_EQ(g.BaseTable[12][BaseCol::PointsUsed], 12);
    EXPECT_EQ(g.BaseTable[12][BaseCol::RepairPoints], 12);

    g.BaseTable[12][BaseCol::PointsUsed] = 50;
    ChosenDice dice({1, 1, 1});
    FaseRIP();
    EXPECT_EQ(field(kAllies, repaired, F::NODIM), 25) << "50 points are not enough";
}
