// The air strike on a base with chosen dice: an Axis group over MALTA HQ through both passes and
// the bombing, with what the base table, the group's row and the ships in port keep; strikes
// broken off; the fire of both sides by night, weather and without defences.
#include "game/combat/FrmAuto.h"

#include "BaseAttackShips.h"
#include "common/Dice.h"
#include "game/combat/AirStrike.h"
#include "game/main/CampaignOpen.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;
namespace F = recordformat::ship;

namespace {

constexpr int kMaltaHq = 12;
constexpr int kGroup = 3;

class AirStrikeTest : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        platform::testing::resetForms();
        resetGlobals();
    }
    // An Axis bomber group over MALTA HQ: 4 aircraft (1 damaged), 2 bombs of size 3 each, 60 %.
    void bomber(int aircraft = 4, int damaged = 1, int bombSize = 3) {
        Int16* r = row();
        r[GaCol::InUse] = 1, r[GaCol::Aircraft] = aircraft, r[GaCol::Damaged] = damaged,
        r[GaCol::ShotDown] = 0;
        r[GaCol::Order] = kOrderBombing, r[GaCol::Bombs] = 2, r[GaCol::BombSize] = bombSize;
        r[GaCol::InterceptPercent] = 60, r[GaCol::TargetBase] = kMaltaHq;
    }
    // The campaign written with the tables as they stand and opened without a window (a new
    // state object: rows and fields are looked up again afterwards).
    void open() {
        testcampaign::write({.hour = 10});
        attackships::append(kAllies, alliedShips);
        attackships::append(kAxis, axisShips);
        testcampaign::choose();
        loadCampaign();
    }
    Int16* row() { return G().GaTableAsse[kGroup]; }
    Int32* fields(int base) { return G().BaseTable[base]; }
    FrmAuto& strike(int base, int side = kAxis, int group = kGroup) {
        G().OperationContext[2] = base, G().OperationContext[5] = side, G().OperationContext[6] = group;
        return form<FrmAuto>();
    }

    QList<attackships::Ship> alliedShips, axisShips;
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
};

} // namespace

TEST_F(AirStrikeTest, AStrikeOnMaltaHqWritesTheBaseTheGroupAndThePort) {
    bomber();
    Int32* base = fields(kMaltaHq);
    base[BaseCol::DamagePercent] = 10, base[BaseCol::ActivationAttempts] = 1, base[BaseCol::PointsUsed] = 5;
    base[airstrike::kStrikeMassField] = 7;
    alliedShips = {{.name = "Eagle", .port = kMaltaHq, .aa = 6},
                   {.name = "Penelope", .port = kMaltaHq, .aa = 10},
                   {.name = "Aurora", .group = 4, .port = kMaltaHq, .aa = 50}, // in a group: not in port
                   {.name = "Kelly", .port = 13, .aa = 50}};
    // Aurora's group is at sea (a ship of a free row would be put back in port on opening).
    G().GnTableAlle[4][GnCol::InUse] = 1, G().GnTableAlle[4][GnCol::Ships] = 1;
    open();
    G().CurrentSide = kAxis;
    FrmAuto& f = strike(kMaltaHq);

    // Anti-aircraft in port 16, a quarter of it in the divisor 4 + 2 + 2: 196 and 130 held at 51,
    // the weight (196 - 4) x 3.5 held at 120.
    EXPECT_EQ(f.Label1.caption(), "MALTA HQ");
    EXPECT_EQ(f.Label23.caption(), "16");
    EXPECT_EQ(f.Label4.caption(), "2");
    EXPECT_EQ(f.Label5.caption(), "3");
    EXPECT_EQ(f.Label6.caption(), "2");
    EXPECT_EQ(f.Label7.caption(), "51");
    EXPECT_EQ(f.Label8.caption(), "51");
    EXPECT_EQ(f.Label9.caption(), "120");
    EXPECT_EQ(f.Label11[5].caption(), "60");
    EXPECT_FALSE(f.Frame3.visible());

    f.Command1.doClick();
    {
        // Three operational aircraft, all caught (under 51): damaged, safe, shot down.
        ChosenDice dice({10, 50, 20, 19, 20, 96});
        f.Command3.doClick();
    }
    EXPECT_EQ(f.Label18.caption(), "3");
    EXPECT_EQ(f.Label19.caption(), "1");
    EXPECT_EQ(f.Label11[1].caption(), "2");
    EXPECT_EQ(f.Label11[2].caption(), "1");
    {
        // 8 bombs (the whole group's 4 aircraft): 5 under 60 on target; criticals on the rolls
        // under 3: operations, port, airfield. A mass of 10, four of its d1000 under 8.
        ChosenDice dice({1, 1, 2, 3, 59, 60, 3, 100, 2, 2, 70, 7, 8, 1, 999, 500, 7, 1000, 3, 8, 9});
        f.Command4.doClick();
        EXPECT_EQ(dice.remaining(), 0);
    }
    EXPECT_EQ(f.Label20.caption(), "5");
    EXPECT_EQ(f.Label21.caption(), "10");
    EXPECT_EQ(f.Label2.caption(), "14");
    EXPECT_EQ(f.Label3.caption(), "4");
    EXPECT_EQ(f.Label16[0].caption(), "1");
    EXPECT_EQ(f.Label16[1].caption(), "1");
    EXPECT_EQ(f.Label16[2].caption(), "1");
    EXPECT_EQ(f.Label22.caption(), "2") << "3 / 1.5 x 1 while the strike goes on";
    {
        // The one operational aircraft caught and safe; then the port critical: Eagle struck on
        // a d100 of 10 for a d3 of 3, Penelope missed on 11.
        ChosenDice dice({50, 50, 10, 3, 11});
        f.Command5.doClick();
        EXPECT_EQ(dice.remaining(), 0);
    }
    EXPECT_TRUE(f.Command2.enabled());
    EXPECT_EQ(f.Label22.caption(), "1") << "3 / 2 x 1 as recorded";
    EXPECT_EQ(f.List1.list(0), "[ 4 ]-CT Eagle" + QString(25, u' '));
    EXPECT_EQ(f.List1.listCount(), 1);
    EXPECT_EQ(G().CurrentSide, kAxis) << "the side in play is left as it was";
    f.Command2.doClick();

    // What the files keep.
    CaricaTabelleGruppi();
    CaricaDatiBasi();
    EXPECT_EQ(row()[GaCol::Order], kOrderReturn);
    EXPECT_EQ(row()[GaCol::Aircraft], 4);
    EXPECT_EQ(row()[GaCol::Damaged], 2);
    EXPECT_EQ(row()[GaCol::ShotDown], 1);
    EXPECT_EQ(row()[GaCol::Bombs], 0);
    EXPECT_EQ(row()[GaCol::BombSize], 0);
    base = fields(kMaltaHq);
    EXPECT_EQ(base[BaseCol::DamagePercent], 14);
    EXPECT_EQ(base[BaseCol::PointsUsed], 6) << "Int(3 / 2 x 1 + 5)";
    EXPECT_EQ(base[BaseCol::ActivationAttempts], 2) << "1.5 + 1 to nearest, half to even";
    EXPECT_EQ(base[airstrike::kStrikeMassField], 17);
    EXPECT_EQ(attackships::field(kAllies, 1, F::RESISTENZAM), 97);
    EXPECT_EQ(attackships::field(kAllies, 2, F::RESISTENZAM), 100);
    EXPECT_EQ(attackships::field(kAllies, 3, F::RESISTENZAM), 100);

    FrmAuto& again = strike(kMaltaHq);
    EXPECT_EQ(again.Label17.caption(), "GIA' FATTO!");
    EXPECT_FALSE(again.Command1.enabled());
    EXPECT_TRUE(again.Command2.enabled());
}

TEST_F(AirStrikeTest, CastelvetranoReadsTheAxisShipsWhateverSideIsInPlay) {
    Int16* r = G().GaTableAlle[2];
    r[GaCol::InUse] = 1, r[GaCol::Aircraft] = 2, r[GaCol::Bombs] = 1, r[GaCol::BombSize] = 3;
    axisShips = {{.name = "Zara", .port = 10, .aa = 8}};
    alliedShips = {{.name = "Eagle", .port = 10, .aa = 40}};
    open();
    G().CurrentSide = kAllies;
    FrmAuto& f = strike(10, kAllies, 2);
    EXPECT_EQ(f.Label23.caption(), "8");
    EXPECT_EQ(G().CurrentSide, kAllies);
    f.Command1.doClick();
    {
        // Two port criticals, dropped at a base without a port.
        ChosenDice dice({99, 99, 1, 3, 2, 3});
        f.Command3.doClick();
        f.Command4.doClick();
    }
    EXPECT_EQ(f.Label16[2].caption(), "0");
}

TEST_F(AirStrikeTest, AStrikeBrokenOffGoesHomeWithItsLosses) {
    bomber(2, 0);
    open();
    FrmAuto& f = strike(kMaltaHq);
    f.Command1.doClick();
    {
        // Both aircraft caught: one shot down, one damaged.
        ChosenDice dice({1, 1, 96, 5});
        f.Command3.doClick();
    }
    EXPECT_EQ(f.Label17.caption(), "Zero Aerei Operativi");
    EXPECT_FALSE(f.Frame3.visible());
    EXPECT_EQ(row()[GaCol::Order], kOrderReturn);
    EXPECT_EQ(row()[GaCol::ShotDown], 1);
    EXPECT_EQ(row()[GaCol::Damaged], 1);
    EXPECT_EQ(row()[GaCol::Bombs], 0);
    f.Command2.doClick();

    // Closed by its box after the first pass: ended as it stands, never fought again.
    bomber();
    FrmAuto& g = strike(kMaltaHq);
    g.Command1.doClick();
    {
        ChosenDice dice({99, 99, 99});
        g.Command3.doClick();
    }
    unloadForm(g, vbFormControlMenu);
    EXPECT_EQ(row()[GaCol::Order], kOrderReturn);
    EXPECT_EQ(row()[GaCol::Bombs], 0);
}

TEST_F(AirStrikeTest, ABaseAt95PercentTakesAtMost5More) {
    bomber(4, 1, 300);
    fields(kMaltaHq)[BaseCol::DamagePercent] = 95;
    open();
    FrmAuto& f = strike(kMaltaHq);
    f.Command1.doClick();
    QList<int> faces = {99, 99, 99};         // the first pass: nothing caught
    for (int i = 0; i < 8; ++i) faces << 50; // every bomb on target: a mass of 1600
    for (int i = 0; i < 5; ++i) faces << 1;  // five percent, and no roll more
    ChosenDice dice(faces);
    f.Command3.doClick();
    f.Command4.doClick();
    EXPECT_EQ(dice.remaining(), 0);
    EXPECT_EQ(f.Label21.caption(), "1600");
    EXPECT_EQ(f.Label3.caption(), "5");
    EXPECT_EQ(f.Label2.caption(), "100");
}

TEST_F(AirStrikeTest, TheFireOfBothSidesByNightWeatherAndWithoutDefences) {
    using airstrike::attackPercent;
    EXPECT_EQ(attackPercent(60, kAxis, true, 0), 27) << "Int(60 / 2.2)";
    EXPECT_EQ(attackPercent(60, kAxis, false, 2), 50);
    EXPECT_EQ(attackPercent(10, kAxis, true, 2), 2) << "the Axis never below 2";
    EXPECT_EQ(attackPercent(10, kAllies, true, 2), -6) << "the Allies as computed";
    // 200 - 300 / 4 = 125; by night Int(125 / 1.8) = 69 and Int(83 / 1.8) = 46; weather 1 takes 5.
    const airstrike::Defence d = airstrike::baseDefence(100, 2, 2, 0, true, 1);
    EXPECT_EQ(d.antiAircraft, 51);
    EXPECT_EQ(d.antiShip, 41);
    EXPECT_EQ(d.weight, 120);
    // No airfield, no level and no anti-aircraft in port: the lowest fire, not a division by 0.
    const airstrike::Defence none = airstrike::baseDefence(40, 0, 0, 0, false, 0);
    EXPECT_EQ(none.antiAircraft, 2);
    EXPECT_EQ(none.antiShip, 2);
    EXPECT_EQ(none.weight, 7);
}
