#include "game/main/HourMines.h"

#include "ShipFiles.h"
#include "common/Dice.h"
#include "game/main/HourPhases.h"
#include "tests/common/CampaignFixture.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace shipfiles;

namespace {
// Field 3 spans (1000, 1000) to (2000, 2000) and holds 50 Axis mines; the other fields are
// empty rectangles.
class MinePasses : public ::testing::Test {
  protected:
    void SetUp() override {
        g.MineFieldRects[3] = {1000, 2000, 1000, 2000};
        g.MineFields[3][kAxis] = 50;
        g.MineFields[3][kAllies] = 40;
        Int16* row = g.GnTableAlle[1];
        row[1] = 1;
        row[25] = 1500;
        row[26] = 1500;
        row[37] = 2;
        row[38] = 1;
        row[14] = 30;
    }
    CampaignFolder campaign;
    Globals& g = G();
};

QList<int> faces(int n, int face) {
    return QList<int>(n, face);
}
} // namespace

TEST_F(MinePasses, AGroupInAnEnemyFieldIsStruckSweepsAndIsDamaged) {
    g.CurrentSide = kAllies;
    const int first = addShip(kAllies, {{F::NumeroGN, 1}, {F::ResistenzaM, 100}, {F::NodiM, 30}, {F::OperativitaM, 50}});
    const int other = addShip(kAllies, {{F::NumeroGN, 2}, {F::ResistenzaM, 100}});
    const int second = addShip(kAllies, {{F::NumeroGN, 1}, {F::ResistenzaM, 100}, {F::NodiM, 28}, {F::OperativitaM, 50}});
    const int third = addShip(kAllies, {{F::NumeroGN, 1}, {F::ResistenzaM, 100}});
    // Entry 5 bites; two of the 50 mines hit. First ship: sweeps 3 x 5, then 34 + 1 + 1. Second:
    // sweeps 6 x 5 (leaving 5, so none), then 33: untouched. Two hits: the third ship is spared.
    QList<int> rolls{5};
    rolls << faces(10, 50) << 1 << faces(20, 50) << 2 << faces(18, 50);
    rolls << 3 << 34 << 1 << 1 << 6 << 33 << 100 << 100;
    {
        ChosenDice dice(rolls);
        ColpiMine();
        EXPECT_EQ(dice.remaining(), 0);
    }
    EXPECT_EQ(g.MineFields[3][5], 2);
    EXPECT_EQ(g.MineFields[3][kAxis], 0);
    EXPECT_EQ(g.MineFields[3][kAllies], 40);
    EXPECT_EQ(g.GnTableAlle[1][32], 1);
    EXPECT_EQ(g.MineHitAlarm, 1);
    const ShipRecord s = shipAt(kAllies, first);
    EXPECT_EQ(s.whole(F::ResistenzaM), 64);
    EXPECT_EQ(s.whole(F::IncendiAttivi), 1);
    EXPECT_EQ(s.whole(F::NodiM), 28);
    EXPECT_EQ(s.whole(F::OperativitaM), 46);
    EXPECT_EQ(s.trimmed(F::NonOperativa), "4");
    EXPECT_EQ(field(kAllies, second, F::ResistenzaM), 100);
    EXPECT_EQ(shipAt(kAllies, second).trimmed(F::NonOperativa), "");
    EXPECT_EQ(field(kAllies, other, F::ResistenzaM), 100);
    EXPECT_EQ(field(kAllies, third, F::ResistenzaM), 100);
    // The group's values are recomputed from its ships, and the fields are saved.
    EXPECT_EQ(g.GnTableAlle[1][2], 0) << "the third ship has no knots";
    EXPECT_EQ(g.GnTableAlle[1][5], 1);
    const QStringList mines = testsupport::readLines(campaign.game("Provamine.dat"));
    ASSERT_EQ(mines.size(), 120);
    EXPECT_EQ(mines[10], "40");
    EXPECT_EQ(mines[11], "0");
    EXPECT_EQ(mines[14], "2");
}

TEST_F(MinePasses, OnlyAGroupInsideAFieldOnTheMapRolls) {
    g.CurrentSide = kAllies;
    addShip(kAllies, {{F::NumeroGN, 1}});
    ChosenDice none({});
    g.GnTableAlle[1][25] = 1000;
    ColpiMine();
    g.GnTableAlle[1][25] = 1500;
    g.GnTableAlle[1][26] = 2000;
    ColpiMine();
    g.GnTableAlle[1][26] = 1500;
    g.GnTableAlle[1][17] = 1;
    ColpiMine();
    EXPECT_EQ(g.MineHitAlarm, 0);

    // An Axis group is bitten on 1 or 2 by the Allied mines, each hitting on 1.
    g.CurrentSide = kAxis;
    g.GnTableAsse[4][1] = 1;
    g.GnTableAsse[4][25] = 1500;
    g.GnTableAsse[4][26] = 1500;
    {
        ChosenDice dice({3});
        ColpiMine();
    }
    QList<int> rolls{2};
    rolls << faces(39, 2);
    rolls << 1;
    // The hit finds no ship of the group: nothing swept, nothing damaged.
    ChosenDice dice(rolls);
    ColpiMine();
    EXPECT_EQ(g.MineFields[3][5], 1);
    EXPECT_EQ(g.MineFields[3][kAllies], 40);
    EXPECT_EQ(g.MineHitAlarm, 1);
}

TEST_F(MinePasses, MinesDecayOnlyInBadWeather) {
    g.CurrentSide = kAllies;
    g.MineFields[5][kAllies] = 15;
    for (int weather : {0, 1}) {
        g.WeatherSeverity = weather;
        ChosenDice none({});
        DecadimentoMine();
    }
    EXPECT_EQ(g.MineFields[3][kAllies], 40);
    g.WeatherSeverity = 2;
    QList<int> rolls{100, 100, 2, 4, 100, 3};
    rolls << faces(19, 100);
    {
        ChosenDice dice(rolls);
        DecadimentoMine();
    }
    EXPECT_EQ(g.MineFields[3][kAllies], 32) << "40 - 4 x 2";
    EXPECT_EQ(g.MineFields[5][kAllies], 15);
    EXPECT_EQ(g.MineFields[3][kAxis], 50) << "only the side's own mines";
    EXPECT_EQ(testsupport::readLines(campaign.game("Provamine.dat"))[10], "32");
    g.WeatherSeverity = 3;
    rolls = {100, 100, 3, 1, 100, 1, 2};
    rolls << faces(19, 100);
    ChosenDice dice(rolls);
    DecadimentoMine();
    EXPECT_EQ(g.MineFields[3][kAllies], 29) << "32 - 1 x 3";
    EXPECT_EQ(g.MineFields[5][kAllies], 0) << "15 - 2 x 3 leaves fewer than 10";
}
