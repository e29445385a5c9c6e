// The air attack of a patrol on a naval group: its rules with chosen dice, an attack of six
// aircraft on a group of three ships played from the contact board, and the patrol over the
// target, periscope depth and the close box on a window opened straight.
#include "game/combat/FrmPatrol.h"

#include "common/ContactFiles.h"
#include "common/DataFolder.h"
#include "common/Dice.h"
#include "game/combat/FrmContatti.h"
#include "game/main/FrmMain.h"
#include "platform/Colors.h"
#include "tests/game/main/TestCampaign.h"
#include "tests/support/LayoutCheck.h"
#include "tests/support/TestSupport.h"

#include <QMainWindow>
#include <gtest/gtest.h>

using namespace platform;
using namespace patrolattack;
namespace F = recordformat::ship;

namespace {

TEST(PatrolAttackRules, Percentages) {
    EXPECT_EQ(attackPercentage(50, 20, 0, false, false), 20);
    EXPECT_EQ(attackPercentage(50, 20, 1, false, false), 15);
    EXPECT_EQ(attackPercentage(50, 20, 0, true, true), 2) << "a third, then a third again";
    EXPECT_EQ(attackPercentage(10, 0, 3, true, false), 1) << "nothing left reads 1";

    EXPECT_EQ(antiAircraftPercentage(0, 0, 0, false, 50), 0) << "no AA at all";
    EXPECT_EQ(antiAircraftPercentage(0, 1, 3, true, 1), 2) << "any AA gives 2 at least";
    EXPECT_EQ(antiAircraftPercentage(40, 10, 0, false, 50), 33);
    EXPECT_EQ(antiAircraftPercentage(5, 3, 0, false, 50), 6) << "5.5 to the even 6";
    EXPECT_EQ(antiAircraftPercentage(20, 10, 0, true, 1), 5) << "27.5 -> 28, /2.8 -> 10, /1.8 -> 5";
}

TEST(PatrolAttackRules, DiceOfOneAircraft) {
    {
        ChosenDice dice({16, 17, 34});
        EXPECT_EQ(antiAircraftFire(1, 33), kShotDown);
        EXPECT_EQ(antiAircraftFire(1, 33), kDamaged);
        EXPECT_EQ(antiAircraftFire(1, 33), kPassed);
        EXPECT_EQ(dice.sides, (QList<int>{100, 100, 100}));
    }
    {
        ChosenDice dice({1, 2, 16, 99});
        EXPECT_EQ(antiAircraftFire(2, 2), kDamaged) << "w / 2 = 1 is not above 1";
        EXPECT_EQ(antiAircraftFire(2, 33), kShotDown) << "the last hitting roll decides";
    }
    {
        ChosenDice dice({1, 1, 1, 1, 1, 1});
        EXPECT_EQ(bombsOnTarget(6, 10), kMostBombsOnTarget);
        EXPECT_EQ(dice.sides, (QList<int>{125, 125, 125, 125, 125, 125}));
    }
    {
        ChosenDice dice({1, 2, 30, 2});
        EXPECT_EQ(bombDamage(3, 50), 155) << "50 + 30, then the 2: 50 x 1.5 + 50";
        EXPECT_EQ(bombDamage(1, 5), 8) << "7.5 to the even 8";
    }
    {
        Int16 hit[kHitElements + 1] = {};
        ChosenDice dice({6, 7, 13, 29, 30});
        specialHits(5, hit);
        EXPECT_EQ(hit[kHitAa], 2);
        EXPECT_EQ(hit[kHitOperativity], 1);
        EXPECT_EQ(hit[kHitKnots], 2);
        EXPECT_EQ(hit[kHitFires], 1);
        EXPECT_EQ(hit[kHitHull], 0);
    }
    ChosenDice dice({20, 21, 1});
    EXPECT_EQ(strafingDamage(3, 20), 6);
}

TEST(PatrolAttackRules, FloorsNeverRaiseAValue) {
    Int16 hit[kHitElements + 1] = {};
    hit[kHitAa] = 5, hit[kHitHull] = 50, hit[kHitOperativity] = 9, hit[kHitKnots] = 4, hit[kHitFires] = 1;
    const ShipValues v = applyHit({3, 20, 5, 6, 1}, hit);
    EXPECT_EQ(v.aa, 0);
    EXPECT_EQ(v.hull, 0);
    EXPECT_EQ(v.operativity, 1);
    EXPECT_EQ(v.knots, 4);
    EXPECT_EQ(v.fires, 2);
    const ShipValues crawling = applyHit({0, 20, 0, 2, 0}, hit);
    EXPECT_EQ(crawling.knots, 2) << "a 2-knot ship stays at 2";
    EXPECT_EQ(crawling.operativity, 0);
}

// ---------------------------------------------------------------- the window

constexpr int kTarget = 1; // the Allied naval group attacked
constexpr int kRaid = 4;   // the Axis air group on patrol

class PatrolWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        platform::testing::setModalHandler(nullptr);
        platform::testing::resetForms();
        resetGlobals();
    }

    struct Ship {
        QString type;
        int aa = 0, hull = 100, knots = 30, group = kTarget;
    };
    void ships(int side, const QList<Ship>& list) {
        Globals& g = G();
        // Opened straight: the tables already count the ships being written.
        g.Files.openRandom(kChannelShips, shipFilePath(side), ShipRecord::kLength);
        int n = 0;
        for (const Ship& s : list) {
            ShipRecord& r = g.ShipRecordBuffer;
            r = ShipRecord();
            r.setText(F::NOME, QStringLiteral("Nave %1").arg(++n));
            r.setText(F::TIPO, s.type);
            for (int f : {F::AAM, F::AAMM}) r.setNumber(f, s.aa);
            for (int f : {F::RESISTENZA, F::RESISTENZAM}) r.setNumber(f, s.hull);
            for (int f : {F::OPERATIVITA, F::OPERATIVITAM}) r.setNumber(f, 100);
            for (int f : {F::NODI, F::NODIM}) r.setNumber(f, s.knots);
            r.setNumber(F::C_A_INCENDIM, 4);
            r.setNumber(F::NUMERO_GN, s.group);
            appendShip(kChannelShips);
        }
        g.Files.close(kChannelShips);
    }
    long long field(int side, int record, int f) {
        openShipFile(20, side);
        readShip(20, record);
        G().Files.close(20);
        return G().ShipRecordBuffer.whole(f);
    }
    Int16* gn(int side, int n) { return G().gnTable(side)[n]; }
    Int16* ga(int side, int n) { return G().gaTable(side)[n]; }

    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
    testsupport::MessageBoxes boxes;
};

// Six Axis aircraft on an Allied group of a destroyer (AA 3), a cruiser (AA 4, 5 knots) and a
// merchant ship (no AA), with the attack percentage 20 and day and fair weather throughout.
TEST_F(PatrolWindowTest, SixAircraftOnThreeShipsFromTheContactBoard) {
    SeededDice dice(11);
    Int16* t = gn(kAllies, kTarget);
    t[GnCol::InUse] = 1, t[GnCol::Ships] = 3, t[GnCol::X] = 5000, t[GnCol::Y] = 3000;
    t[GnCol::MaxKnots] = 5, t[GnCol::Knots] = 5, t[GnCol::Step] = 50, t[GnCol::Course] = 5;
    t[GnCol::Aam] = 7, t[GnCol::Aac] = 3, t[GnCol::MinOperativity] = 100;
    gn(kAxis, kRaid)[GnCol::Periscope] = 1; // an Axis naval group of the raid's number: not the target
    Int16* a = ga(kAxis, kRaid);
    a[GaCol::InUse] = 1, a[GaCol::Order] = kOrderPatrol, a[GaCol::Aircraft] = 7, a[GaCol::InAction] = 6;
    a[GaCol::Damaged] = 1, a[GaCol::StrafingFactor] = 3, a[GaCol::Bombs] = 2, a[GaCol::BombSize] = 50;
    a[GaCol::AttackFactor] = 20, a[GaCol::InterceptPercent] = 50;
    a[GaCol::X] = 5000, a[GaCol::Y] = 3000, a[GaCol::TargetX] = 5000, a[GaCol::TargetY] = 3000;
    G().GaNamesAsse[kRaid][1] = QStringLiteral("Ju 87");
    testcampaign::write({.hour = 10});
    ships(kAllies, {{"CT", 3, 100, 30}, {"IL", 4, 200, 5}, {"MR", 0, 100, 12}, {"CT", 3, 100, 30, 2}});

    // The hour's contact: the Axis patrol attacks; the Allied group saw it as well.
    Globals& g = G();
    g.ActivityKind = kActAxisAirOnShips;
    g.ContactUnitAlle = 0, g.ContactUnitAsse = kRaid, g.EncounterGnAlle = kTarget, g.EncounterGnAsse = 0;
    g.SightValueAsse = 12, g.EvasionValueAlle = 10, g.SightValueAlle = 0, g.EvasionValueAsse = 10;
    g.AirOrder = kOrderPatrol;
    ScriviContattoRicognizione();
    const int n = openContactFile(20);
    ContactRecord c = readContact(20, n);
    c.STVEDELATO1 = 1, c.STATTACCOLATO1 = 0;
    writeContact(20, n, c);
    g.Files.close(20);

    testcampaign::choose();
    ASSERT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
    FrmMain& main = form<FrmMain>();
    main.Check6.doClick();
    ASSERT_EQ(G().AutoPatrol, 1);
    main.Command23.doClick();
    G().DayFlag = 1;

    bool shown = false;
    platform::testing::setModalHandler([&](Form& w) {
        shown = true;
        auto& p = static_cast<FrmPatrol&>(w);
        EXPECT_EQ(p.caption(), "Attacco Aereo in Patrol");
        EXPECT_EQ(p.LatoAttacco, kAxis) << "the side that attacks, not the side that saw first";
        EXPECT_EQ(p.NumGN, kTarget);
        EXPECT_EQ(p.Label1[0].caption(), "Superfice");
        EXPECT_EQ(p.List1.listCount(), 3);
        EXPECT_EQ(p.List1.list(1), "IL " + QStringLiteral("Nave 2").leftJustified(30));
        EXPECT_EQ(p.List2.listCount(), 6);
        EXPECT_EQ(p.List2.list(5), "6 Ju 87");
        EXPECT_EQ(p.Label3[4].caption(), "20");
        EXPECT_EQ(p.Label8.caption(), "6");
        for (CommandButton* b : {&p.Command1, &p.Command2, &p.Command3, &p.Command4})
            EXPECT_FALSE(b->enabled());

        const auto misses = [](int n) { return QList<int>(n, 100); };
        QList<int> rolls;
        // 1 on the destroyer: passes, one bomb of 30, strafing 2 x 3, passes again.
        rolls << 50 << 60 << 70 << 10 << 100 << 30 << 5 << 50 << 19 << misses(3);
        // 2 and 3 on the cruiser: shot down, damaged.
        rolls << 1 << 50 << 50 << 50 << 50 << 5 << 50 << 50;
        // 4 on the cruiser: two bombs, of 50 (a 1) and 40, and special hits out of 20 rolls.
        rolls << misses(4) << 1 << 2 << 1 << 40 << 3 << 8 << 15 << 20 << 25 << misses(15) << misses(3)
              << misses(4);
        // 5 on the merchant ship, which fires nothing: no bomb, strafing 3.
        rolls << 125 << 125 << 20 << 21 << 100;
        // 6 on the destroyer: bombs rolling 2 and 2 (75, then 150), no special hit, damaged by the AA2.
        rolls << misses(3) << 1 << 1 << 2 << 2 << misses(20) << misses(3) << 3 << 100 << 100;
        ChosenDice dice(rolls);

        p.List1.doPickDouble(0);
        EXPECT_EQ(p.Label17.caption(), "6%");
        EXPECT_TRUE(p.Command3.enabled());
        EXPECT_FALSE(p.List1.enabled());
        p.Command3.doClick();
        EXPECT_EQ(p.Label10.backColor(), vbGreen);
        p.Command1.doClick();
        EXPECT_EQ(p.Label13.caption(), "1");
        EXPECT_EQ(field(kAllies, 1, F::RESISTENZAM), 70) << "written at once";
        EXPECT_FALSE(p.List1.enabled()) << "strafing comes first";
        p.Command2.doClick();
        EXPECT_EQ(p.Label15.caption(), "6");
        EXPECT_EQ(p.Label22[1].caption(), "36");
        EXPECT_EQ(field(kAllies, 1, F::RESISTENZAM), 64);
        EXPECT_EQ(p.Label16.caption(), "SELEZIONA BERSAGLIO");

        p.List1.doPickDouble(1);
        p.Command3.doClick();
        EXPECT_EQ(p.Label10.backColor(), vbRed);
        EXPECT_EQ(p.Label12.caption(), "1");
        EXPECT_FALSE(p.Command1.enabled()) << "a hit aircraft releases nothing";
        p.List1.doPickDouble(1);
        p.Command3.doClick();
        EXPECT_EQ(p.Label10.backColor(), vbYellow);
        EXPECT_EQ(p.Label11.caption(), "1");

        p.List1.doPickDouble(1);
        p.Command3.doClick();
        p.Command1.doClick();
        EXPECT_EQ(p.Label14.caption(), "90");
        EXPECT_EQ(p.Label22[0].caption(), "2");
        EXPECT_EQ(p.Label22[2].caption(), "1");
        EXPECT_EQ(p.Label22[3].caption(), "2");
        EXPECT_EQ(p.Label22[4].caption(), "2");
        EXPECT_EQ(field(kAllies, 2, F::RESISTENZAM), 110);
        EXPECT_EQ(field(kAllies, 2, F::AAMM), 2);
        EXPECT_EQ(field(kAllies, 2, F::OPERATIVITAM), 99);
        EXPECT_EQ(field(kAllies, 2, F::NODIM), 4) << "5 - 2 stops at 4";
        EXPECT_EQ(field(kAllies, 2, F::INCENDI_ATTIVI), 2);
        EXPECT_EQ(G().GnTableAlle[kTarget][GnCol::Fires], 2);
        EXPECT_EQ(G().GnTableAlle[kTarget][GnCol::Aam], 5);
        p.Command2.doClick();

        p.List1.doPickDouble(2);
        EXPECT_EQ(p.Label17.caption(), "2%");
        p.Command3.doClick();
        p.Command1.doClick();
        p.Command2.doClick();
        EXPECT_EQ(field(kAllies, 3, F::RESISTENZAM), 97);

        p.List1.doPickDouble(0);
        EXPECT_EQ(p.Label17.caption(), "4%") << "the group's AA is down by the cruiser's 2";
        p.Command3.doClick();
        p.Command1.doClick();
        EXPECT_EQ(p.Label14.caption(), "150");
        EXPECT_EQ(field(kAllies, 1, F::RESISTENZAM), 0) << "no ship sinks here";
        p.Command2.doClick();
        EXPECT_EQ(p.Label16.caption(), "ATTACCO TERMINATO");
        EXPECT_EQ(p.Label11.caption(), "2");
        EXPECT_EQ(dice.remaining(), 0);
        EXPECT_TRUE(p.Command4.enabled());
        EXPECT_FALSE(p.List1.enabled());
        EXPECT_EQ(testsupport::layoutFaults(p), "");
        p.Command4.doClick();
    });
    form<FrmContatti>().List1.doPick(0);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(isLoaded<FrmPatrol>());

    CaricaTabelleGruppi(); // what was saved
    const Int16* r = G().GnTableAlle[kTarget];
    EXPECT_EQ(r[GnCol::MaxKnots], 4);
    EXPECT_EQ(r[GnCol::Knots], 4);
    EXPECT_EQ(r[GnCol::Step], 40);
    EXPECT_EQ(r[GnCol::Fires], 2);
    EXPECT_EQ(r[GnCol::Aam], 5);
    EXPECT_EQ(r[GnCol::NotOperational], 1);
    EXPECT_EQ(r[GnCol::MinOperativity], 99);
    const Int16* air = G().GaTableAsse[kRaid];
    EXPECT_EQ(air[GaCol::Order], kOrderReturn);
    EXPECT_EQ(air[GaCol::Damaged], 3) << "added to the one damaged before";
    EXPECT_EQ(air[GaCol::ShotDown], 1);
    EXPECT_EQ(air[GaCol::Bombs], 0);
    EXPECT_EQ(air[GaCol::BombSize], 0);
    EXPECT_EQ(field(kAllies, 4, F::RESISTENZAM), 100) << "a ship of another group";
}

// An Allied raid on an Axis submarine group at periscope depth under a combat air patrol.
TEST_F(PatrolWindowTest, PatrolPeriscopeDepthAndTheCloseBox) {
    Int16* t = gn(kAxis, 3);
    t[GnCol::InUse] = 1, t[GnCol::Periscope] = 1, t[GnCol::PatrolGroups] = 1, t[GnCol::Aam] = 2;
    Int16* a = ga(kAllies, 2);
    a[GaCol::InUse] = 1, a[GaCol::Order] = kOrderPatrol, a[GaCol::InAction] = 3, a[GaCol::StrafingFactor] = 2;
    a[GaCol::Bombs] = 1, a[GaCol::BombSize] = 10, a[GaCol::AttackFactor] = 20,
    a[GaCol::InterceptPercent] = 50;
    testcampaign::write({.hour = 10});
    ships(kAxis, {{"SA", 2, 30, 8, 3}});
    G().DayFlag = 1;
    Int32* oc = G().OperationContext;
    oc[5] = kAllies, oc[6] = 2, oc[16] = 3, oc[8] = kAxis, oc[15] = 9;

    FrmPatrol& p = form<FrmPatrol>();
    EXPECT_EQ(p.Label1[0].caption(), "Q/Periscopio");
    EXPECT_EQ(p.Label3[4].caption(), "6") << "20 / 3";
    p.List1.doPickDouble(0);
    EXPECT_EQ(p.Label16.caption(), "CAP ATTIVA - Fare Tattico o Abortire");
    EXPECT_EQ(p.AereoInAzione, 0) << "no aircraft goes in";
    EXPECT_FALSE(p.List1.enabled());
    EXPECT_TRUE(p.Command4.enabled());

    p.Label16.doDblClick();
    EXPECT_EQ(p.CAPForzata, 1);
    p.List1.doPickDouble(0);
    EXPECT_FALSE(p.Command3.enabled()) << "no fire before the release at periscope depth";
    EXPECT_TRUE(p.Command1.enabled());
    {
        ChosenDice dice({6, 10});
        p.Command1.doClick();
        p.Command2.doClick();
        EXPECT_EQ(dice.remaining(), 0) << "no strafing and no second fire";
    }
    EXPECT_EQ(field(kAxis, 1, F::RESISTENZAM), 20);
    p.Label16.doDblClick(); // no patrol block now: the label does nothing
    EXPECT_TRUE(p.List1.enabled());

    // Closed by its close box after one aircraft of three: the attack ends all the same.
    p.window()->close();
    EXPECT_FALSE(isLoaded<FrmPatrol>());
    EXPECT_EQ(ga(kAllies, 2)[GaCol::Order], kOrderReturn);
    EXPECT_EQ(ga(kAllies, 2)[GaCol::Bombs], 0);

    FrmPatrol& again = form<FrmPatrol>();
    EXPECT_EQ(again.Label16.caption(), "GIA FATTO !");
    EXPECT_FALSE(again.List1.enabled());
    EXPECT_TRUE(again.Command4.enabled());
    again.Label16.doDblClick();
    EXPECT_FALSE(again.List1.enabled()) << "a group that has attacked cannot be forced in again";
}

} // namespace
