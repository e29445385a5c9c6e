#include "ShipFiles.h"
#include "common/Dice.h"
#include "game/main/HourPhases.h"
#include "tests/common/CampaignFixture.h"

#include <gtest/gtest.h>

using namespace shipfiles;

namespace {
// Malta (12) works 10 an hour with 40 points; Gibraltar (14) 20 with 5; Alexandria (15) is so
// damaged that it yields no work at all.
class PortPasses : public ::testing::Test {
  protected:
    void SetUp() override {
        g.CurrentSide = kAllies;
        g.GameSettings[14] = 8;
        g.BasePortLevel[12] = 1;
        g.BasePoints[12] = 40;
        g.BasePortLevel[14] = 0;
        g.BasePoints[14] = 5;
        g.BasePortLevel[15] = 6;
        g.BasePoints[15] = 100;
        g.BaseTable[15][3] = 100;
    }
    CampaignFolder campaign;
    Globals& g = G();
};
} // namespace

TEST_F(PortPasses, LoadingMovesTheLeastOfRateNeedAndPoints) {
    const int rateBound = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 6}, {F::Cargo, 25}, {F::CargoM, 0}});
    const int needBound = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 6}, {F::Cargo, 20}, {F::CargoM, 17}});
    const int pointsBound = addShip(kAllies, {{F::Porto, 14}, {F::Missione, 6}, {F::Cargo, 50}});
    const int atSea = addShip(kAllies, {{F::Missione, 6}, {F::Cargo, 50}});
    FaseCAR();
    EXPECT_EQ(field(kAllies, rateBound, F::CargoM), 10);
    EXPECT_EQ(field(kAllies, rateBound, F::Missione), 6);
    EXPECT_EQ(field(kAllies, needBound, F::CargoM), 20);
    EXPECT_EQ(field(kAllies, needBound, F::Missione), 1);
    EXPECT_EQ(field(kAllies, pointsBound, F::CargoM), 5);
    EXPECT_EQ(field(kAllies, atSea, F::CargoM), 0);
    EXPECT_EQ(g.BaseTable[12][22], 13);
    EXPECT_EQ(g.BaseTable[14][22], 5);
    EXPECT_EQ(g.SelectedBase, 14) << "the last port worked";

    // The next hour the points left at Gibraltar are none: nothing moves there.
    FaseCAR();
    EXPECT_EQ(field(kAllies, pointsBound, F::CargoM), 5);
    EXPECT_EQ(field(kAllies, rateBound, F::CargoM), 20);
}

TEST_F(PortPasses, AFullShipEndsItsTaskAndTheLoadingPass) {
    const int full = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 6}, {F::Cargo, 20}, {F::CargoM, 20}});
    const int waiting = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 6}, {F::Cargo, 20}});
    FaseCAR();
    EXPECT_EQ(field(kAllies, full, F::Missione), 1);
    EXPECT_EQ(field(kAllies, waiting, F::CargoM), 0) << "the pass stopped at the full ship";
    FaseCAR();
    EXPECT_EQ(field(kAllies, waiting, F::CargoM), 10);
}

TEST_F(PortPasses, APortWithoutWorkEndsTheRefuellingTaskAndPass) {
    const int dead = addShip(kAllies, {{F::Porto, 15}, {F::Missione, 8}, {F::Operativita, 90}, {F::OperativitaM, 10}});
    const int later = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 8}, {F::Operativita, 90}, {F::OperativitaM, 10}});
    FaseRIF();
    EXPECT_EQ(field(kAllies, dead, F::Missione), 1) << "the task is lost";
    EXPECT_EQ(field(kAllies, dead, F::OperativitaM), 10);
    EXPECT_EQ(field(kAllies, later, F::OperativitaM), 10);
    FaseRIF();
    EXPECT_EQ(field(kAllies, later, F::OperativitaM), 30) << "refuelling works at twice the rate";
    EXPECT_EQ(g.BaseTable[12][22], 20);
}

TEST_F(PortPasses, Unloading) {
    const int merchant = addShip(kAllies, {{F::Tipo, "MR"}, {F::Porto, 12}, {F::Missione, 7}, {F::CargoM, 15}});
    const int fullTanker = addShip(
        kAllies, {{F::Tipo, "PT"}, {F::Porto, 12}, {F::Missione, 7}, {F::CargoM, 3}, {F::OperativitaM, 45}});
    const int lowTanker = addShip(
        kAllies, {{F::Tipo, "PT"}, {F::Porto, 12}, {F::Missione, 7}, {F::CargoM, 2}, {F::OperativitaM, 30}});
    const int empty = addShip(kAllies, {{F::Tipo, "MR"}, {F::Porto, 12}, {F::Missione, 7}});
    FaseSCA();
    EXPECT_EQ(field(kAllies, merchant, F::CargoM), 5);
    EXPECT_EQ(field(kAllies, merchant, F::Missione), 7);
    EXPECT_EQ(field(kAllies, fullTanker, F::CargoM), 0);
    EXPECT_EQ(field(kAllies, fullTanker, F::OperativitaM), 25) << "fuel at twice the rate";
    EXPECT_EQ(field(kAllies, fullTanker, F::Missione), 7);
    EXPECT_EQ(field(kAllies, lowTanker, F::OperativitaM), 20);
    EXPECT_EQ(field(kAllies, lowTanker, F::Missione), 1);
    EXPECT_EQ(field(kAllies, empty, F::Missione), 1);
    EXPECT_EQ(g.BaseTable[12][21], 10 + 3 + 20 + 2);
}

TEST_F(PortPasses, APortWithoutWorkStopsUnloadingAndTheShipWaits) {
    const int stuck = addShip(kAllies, {{F::Porto, 15}, {F::Missione, 7}, {F::CargoM, 5}});
    const int later = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 7}, {F::CargoM, 5}});
    FaseSCA();
    EXPECT_EQ(field(kAllies, stuck, F::Missione), 7);
    EXPECT_EQ(field(kAllies, stuck, F::CargoM), 5);
    EXPECT_EQ(field(kAllies, later, F::CargoM), 5);
    EXPECT_EQ(g.BaseTable[12][21], 0);
}

TEST_F(PortPasses, RepairRollsForEveryShipAndPaysForEachRepair) {
    g.BasePoints[12] = 100;
    const int repaired = addShip(kAllies, {{F::Porto, 12},
                                           {F::Missione, 5},
                                           {F::Resistenza, 100},
                                           {F::ResistenzaM, 90},
                                           {F::Nodi, 30},
                                           {F::NodiM, 20},
                                           {F::AAM, 10},
                                           {F::AAMM, 5},
                                           {F::DirTiro, 5},
                                           {F::DirTiroM, 3},
                                           {F::CAIncendi, 6},
                                           {F::CAIncendiM, 4}});
    addShip(kAllies, {{F::Porto, 12}});
    const int unlucky = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 5}, {F::ResistenzaM, 1}, {F::Resistenza, 9}});
    {
        ChosenDice dice({10, 19, 5, 5, 1, 7, 2, 12, 1, 27});
        FaseRIP();
        // The port's level 1 takes one face off each die and adds 3 to the d100.
        EXPECT_EQ(dice.sides, (QList<int>{100, 19, 11, 11, 7, 7, 7, 20, 100, 100}));
    }
    const ShipRecord s = shipAt(kAllies, repaired);
    EXPECT_EQ(s.whole(F::ResistenzaM), 100);
    EXPECT_EQ(s.whole(F::NodiM), 25);
    EXPECT_EQ(s.whole(F::AAMM), 10);
    EXPECT_EQ(s.whole(F::MAM), 0);
    EXPECT_EQ(s.whole(F::DirTiroM), 5);
    EXPECT_EQ(s.whole(F::CAIncendiM), 6);
    EXPECT_EQ(s.whole(F::Missione), 5) << "values that only reached their nominal keep it in repair";
    EXPECT_EQ(field(kAllies, unlucky, F::ResistenzaM), 1) << "27 + 3 is not below 30";
    EXPECT_EQ(g.BaseTable[12][22], 12);
    EXPECT_EQ(g.BaseTable[12][12], 12);

    // With 50 points left the port repairs nothing, though every ship still rolls.
    g.BaseTable[12][22] = 50;
    ChosenDice dice({1, 1, 1});
    FaseRIP();
    EXPECT_EQ(dice.remaining(), 0);
    EXPECT_EQ(field(kAllies, repaired, F::NodiM), 25);
}

TEST_F(PortPasses, ARepairThatPassesEveryNominalEndsTheTask) {
    g.BasePoints[12] = 100;
    const int ship = addShip(kAllies, {{F::Porto, 12}, {F::Missione, 5}});
    ChosenDice dice({1, 1, 1, 1, 1, 1, 1, 3});
    FaseRIP();
    EXPECT_EQ(field(kAllies, ship, F::Missione), 1);
    EXPECT_EQ(g.BaseTable[12][22], 3);
}
