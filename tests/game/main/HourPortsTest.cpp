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
        g.BasePortLevel[15] = 6, g.BasePoints[15] = 100, g.BaseTable[15][3] = 100;
    }
    CampaignFolder campaign;
    Globals& g = G();
};
} // namespace

TEST_F(PortPasses, LoadingMovesTheLeastOfRateNeedAndPoints) {
    const int rate = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 6}, {F::Cargo, 25}});
    const int need = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 6}, {F::Cargo, 20}, {F::CargoM, 17}});
    const int points = addShip(kAllies, {{F::Porto, 14}, {F::Missione, 6}, {F::Cargo, 50}});
    FaseCAR();
    EXPECT_EQ(field(kAllies, rate, F::CargoM), 10);
    EXPECT_EQ(field(kAllies, need, F::CargoM) * 10 + field(kAllies, need, F::Missione), 201) << "full: done";
    EXPECT_EQ(field(kAllies, points, F::CargoM), 5);
    EXPECT_EQ(g.BaseTable[12][22] * 100 + g.BaseTable[14][22], 1305);
}

TEST_F(PortPasses, AFullShipOrAPortWithoutWorkEndsTheSidesPass) {
    const int full = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 6}, {F::Cargo, 20}, {F::CargoM, 20}});
    const int dead =
        addShip(kAllies, {{F::Porto, 15}, {F::Missione, 8}, {F::Operativita, 90}, {F::OperativitaM, 10}});
    const int later =
        addShip(kAllies, {{F::Porto, 12}, {F::Missione, 8}, {F::Operativita, 90}, {F::OperativitaM, 10}});
    const int unloads = addShip(kAllies, {{F::Porto, 15}, {F::Missione, 7}, {F::CargoM, 5}});
    const int waiting = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 7}, {F::CargoM, 5}});
    FaseCAR();
    EXPECT_EQ(field(kAllies, full, F::Missione), 1);
    FaseRIF();
    EXPECT_EQ(field(kAllies, dead, F::Missione) * 100 + field(kAllies, dead, F::OperativitaM), 110)
        << "a port without work ends the task untouched";
    EXPECT_EQ(field(kAllies, later, F::OperativitaM), 10) << "and the pass";
    FaseRIF();
    EXPECT_EQ(field(kAllies, later, F::OperativitaM), 30) << "refuelling works at twice the rate";
    FaseSCA();
    EXPECT_EQ(field(kAllies, unloads, F::Missione) * 100 + field(kAllies, unloads, F::CargoM), 705)
        << "unloading keeps its task and waits";
    EXPECT_EQ(field(kAllies, waiting, F::Missione), 7);
    EXPECT_EQ(g.BaseTable[12][21], 0);
}

TEST_F(PortPasses, UnloadingCargoAndTankerFuel) {
    const int merchant =
        addShip(kAllies, {{F::Tipo, "MR"}, {F::Porto, 12}, {F::Missione, 7}, {F::CargoM, 15}});
    // clang-format off
    const int full = addShip( kAllies, {{F::Tipo, "PT"}, {F::Porto, 12}, {F::Missione, 7}, {F::CargoM, 3},
                                        {F::OperativitaM, 45}});
    const int low = addShip( kAllies, {{F::Tipo, "PT"}, {F::Porto, 12}, {F::Missione, 7}, {F::CargoM, 2},
                                       {F::OperativitaM, 30}});
    // clang-format on
    FaseSCA();
    EXPECT_EQ(field(kAllies, merchant, F::CargoM), 5);
    EXPECT_EQ(field(kAllies, full, F::CargoM) * 100 + field(kAllies, full, F::OperativitaM), 25)
        << "fuel at twice the rate";
    EXPECT_EQ(field(kAllies, low, F::OperativitaM) * 10 + field(kAllies, low, F::Missione), 201)
        << "below 40 a tanker keeps no fuel to unload";
    EXPECT_EQ(g.BaseTable[12][21], 10 + 3 + 20 + 2);
}

TEST_F(PortPasses, RepairRollsForEveryShipAndPaysForEachRepair) {
    g.BasePoints[12] = 100;
    // clang-format off
    const int repaired = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 5}, {F::Resistenza, 100},
                                           {F::ResistenzaM, 90}, {F::Nodi, 30}, {F::NodiM, 20}, {F::AAM, 10},
                                           {F::AAMM, 5}, {F::DirTiro, 5}, {F::DirTiroM, 3}});
    addShip(kAllies, {{F::Porto, 12}});
    const int unlucky = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 5}, {F::Resistenza, 9}});
    // clang-format on
    {
        ChosenDice dice({10, 19, 5, 5, 1, 7, 2, 12, 1, 27});
        FaseRIP();
        EXPECT_EQ(dice.sides, (QList<int>{100, 19, 11, 11, 7, 7, 7, 20, 100, 100}))
            << "level 1 takes a face off";
    }
    const ShipRecord s = shipAt(kAllies, repaired);
    EXPECT_EQ(s.whole(F::ResistenzaM), 100);
    EXPECT_EQ(s.whole(F::NodiM), 25);
    EXPECT_EQ(s.whole(F::AAMM), 10);
    EXPECT_EQ(s.whole(F::DirTiroM), 5);
    EXPECT_EQ(s.whole(F::Missione), 5) << "a value that only reached its nominal keeps the ship in repair";
    EXPECT_EQ(field(kAllies, unlucky, F::ResistenzaM), 0) << "27 + 3 is not below 30";
    EXPECT_EQ(g.BaseTable[12][22] * 100 + g.BaseTable[12][12], 1212);

    g.BaseTable[12][22] = 50;
    ChosenDice dice({1, 1, 1});
    FaseRIP();
    EXPECT_EQ(field(kAllies, repaired, F::NodiM), 25) << "50 points are not enough";
}
