#include "ShipFiles.h"
#include "common/Dice.h"
#include "game/main/HourPhases.h"
#include "tests/common/CampaignFixture.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace shipfiles;

namespace {
// Field 3 spans (1000, 1000) to (2000, 2000) with 50 Axis and 40 Allied mines; Allied group 1 of
// two destroyers and a minor warship lies in it.
class MinePasses : public ::testing::Test {
  protected:
    void SetUp() override {
        g.MineFieldRects[3] = {1000, 2000, 1000, 2000};
        g.MineFields[3][kAxis] = 50;
        g.MineFields[3][kAllies] = 40;
        Int16* row = g.GnTableAlle[1];
        row[GnCol::InUse] = 1, row[GnCol::X] = 1500, row[GnCol::Y] = 1500, row[GnCol::Destroyers] = 2,
        row[GnCol::MinorWarships] = 1;
    }
    static QList<int> faces(int n, int face) { return QList<int>(n, face); }
    CampaignFolder campaign;
    Globals& g = G();
};
} // namespace

TEST_F(MinePasses, AGroupInAnEnemyFieldIsStruckSweepsAndIsDamaged) {
    g.CurrentSide = kAllies;
    const int first =
        addShip(kAllies, {{F::NUMERO_GN, 1}, {F::RESISTENZAM, 100}, {F::NODIM, 30}, {F::OPERATIVITAM, 50}});
    addShip(kAllies, {{F::NUMERO_GN, 2}});
    const int second = addShip(kAllies, {{F::NUMERO_GN, 1}, {F::RESISTENZAM, 100}});
    const int third = addShip(kAllies, {{F::NUMERO_GN, 1}, {F::RESISTENZAM, 100}});
    // Entry 5 bites; two of the 50 mines hit. First ship: sweeps 3 x 5, then 34 + 1 + 1. Second:
    // sweeps 6 x 5, leaving 5, so none; then 33: untouched. The third meets no mine.
    QList<int> rolls =
        QList<int>{5} + faces(10, 50) + QList<int>{1} + faces(20, 50) + QList<int>{2} + faces(18, 50);
    ChosenDice dice(rolls + QList<int>{3, 34, 1, 1, 6, 33, 100, 100});
    ColpiMine();
    EXPECT_EQ(dice.remaining(), 0);
    EXPECT_EQ(g.MineFields[3][5], 2) << "two hits, the field swept";
    EXPECT_EQ(g.MineFields[3][kAxis], 0);
    EXPECT_EQ(g.GnTableAlle[1][GnCol::MineHit], 1);
    EXPECT_EQ(g.MineHitAlarm, 1);
    const ShipRecord s = shipAt(kAllies, first);
    EXPECT_EQ(s.whole(F::RESISTENZAM), 64);
    EXPECT_EQ(s.whole(F::NODIM), 28);
    EXPECT_EQ(s.whole(F::OPERATIVITAM), 46);
    EXPECT_EQ(s.trimmed(F::NON_OP), "4");
    EXPECT_EQ(field(kAllies, second, F::RESISTENZAM), 100);
    EXPECT_EQ(field(kAllies, third, F::RESISTENZAM), 100);
    EXPECT_EQ(g.GnTableAlle[1][GnCol::Fires], 1) << "the group's values recomputed";
    EXPECT_EQ(testsupport::readLines(campaign.game("Provamine.dat")).mid(10, 5),
              (QStringList{"40", "0", "0", "0", "2"}));
}

TEST_F(MinePasses, OnlyAGroupInsideAFieldOnTheMapRolls) {
    g.CurrentSide = kAllies;
    {
        ChosenDice none({});
        for (auto [x, y, route] : {std::tuple{1000, 1500, 0}, {1500, 2000, 0}, {1500, 1500, 1}}) {
            g.GnTableAlle[1][GnCol::X] = x, g.GnTableAlle[1][GnCol::Y] = y,
            g.GnTableAlle[1][GnCol::OffMap] = route;
            ColpiMine();
        }
    }
    // An Axis group is bitten on 2 or less, and each Allied mine hits on 1.
    g.CurrentSide = kAxis;
    g.GnTableAsse[4][GnCol::InUse] = 1, g.GnTableAsse[4][GnCol::X] = 1500, g.GnTableAsse[4][GnCol::Y] = 1500;
    ChosenDice dice(QList<int>{3, 2} + faces(39, 2) + QList<int>{1});
    ColpiMine();
    ColpiMine();
    EXPECT_EQ(g.MineFields[3][5], 1);
}

TEST_F(MinePasses, MinesDecayOnlyInBadWeather) {
    g.CurrentSide = kAllies;
    g.MineFields[5][kAllies] = 15;
    for (int weather : {0, 1}) {
        g.WeatherSeverity = weather;
        ChosenDice none({});
        DecadimentoMine();
    }
    g.WeatherSeverity = 3;
    ChosenDice dice(QList<int>{100, 100, 3, 1, 100, 1, 2} + faces(19, 100));
    DecadimentoMine();
    EXPECT_EQ(g.MineFields[3][kAllies], 37) << "40 - 1 x 3";
    EXPECT_EQ(g.MineFields[5][kAllies], 0) << "15 - 2 x 3 leaves fewer than 10";
    EXPECT_EQ(g.MineFields[3][kAxis], 50) << "only the side's own mines";
    EXPECT_EQ(testsupport::readLines(campaign.game("Provamine.dat"))[10], "37");
}
