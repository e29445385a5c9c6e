// The air panel as a player drives it: a group formed at an Axis air base, ordered on patrol to a
// sea point and flown by the hour button; the refusals of the activation die, of the targets and
// of the losses entered by hand; the sighted enemy groups and an interception set up from them.
#include "game/main/FrmMain.h"
#include "game/orders/AirForming.h"
#include "game/orders/AirOrders.h"

#include "common/BaseTable.h"
#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "common/MapRoutines.h"
#include "common/RangeRules.h"
#include "game/main/BasePanel.h"
#include "game/main/MapOverlays.h"
#include "platform/Dialogs.h"
#include "tests/game/main/MainWindowFixture.h"

#include <gtest/gtest.h>

using namespace platform;
namespace aircraft = recordformat::aircraft;

namespace {

constexpr int kTaranto = 1;

class AirPanel : public MainWindowFixture {
  protected:
    // One line of 9 German bombers at TARANTO: 400 km/h, endurance 30 (a mission radius of 3000),
    // 1000 kg of war load, one torpedo. Each side may have 36 aircraft of the base in flight.
    FrmMain& openWithBombers(int ready = 9) {
        G().BaseTable[kTaranto][BaseCol::AircraftPresent] = ready;
        testcampaign::write();
        testcampaign::shipsForGroups(kAllies);
        testcampaign::shipsForGroups(kAxis);
        std::array<long long, kSettings + 1> settings{};
        settings[1] = 30, settings[2] = 3, settings[3] = 1941, settings[16] = 10, settings[17] = 10;
        writeSettingsFile(settings);
        AircraftRecord a;
        a.setText(aircraft::Nazione, QStringLiteral("DE"));
        a.setText(aircraft::Nome, QStringLiteral("JU 88"));
        a.setText(aircraft::Ruolo, QStringLiteral("BM"));
        a.setNumber(aircraft::Autonomia, 30);
        a.setNumber(aircraft::Velocita, 400);
        a.setNumber(aircraft::Carico, 1000);
        a.setNumber(aircraft::Siluri, 1);
        a.setNumber(aircraft::Pronti, ready);
        openAircraftFile(20, baseAircraftFilePath(kTaranto), kAxis);
        appendAircraft(20, a);
        G().Files.close(20);
        testcampaign::choose();
        EXPECT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
        FrmMain& f = form<FrmMain>();
        f.Command17.doClick();
        f.Command6.doClick();
        return f;
    }
    // The base panel of TARANTO, its aircraft line picked (the base-mode button belongs to the
    // base panel; its mode is set as that button sets it).
    static void pickLine(FrmMain& f) {
        G().BasesMode = 1;
        const int x = G().BaseMapXY[kTaranto][1], y = G().BaseMapXY[kTaranto][2];
        f.PicBitMap.doMouseDown(vbLeftButton, 0, x + 90, y + 90);
        ASSERT_EQ(f.List1.listCount(), 1);
        f.List1.doPick(0);
    }
    static void choose(ComboBox& c, const QString& value) {
        for (int i = 0; i < c.listCount(); ++i)
            if (c.list(i) == value) return c.doPick(i);
        ADD_FAILURE() << value.toStdString() << " is not offered";
    }
    // A group formed with the first roll's success: `aircraft` with 4 bombs of 50.
    static void formGroup(FrmMain& f, int aircraft) {
        pickLine(f);
        ChosenDice dice({1, 1});
        f.Label49.doClick();
        choose(f.Combo1, QString::number(aircraft));
        choose(f.Combo4, QStringLiteral("0"));
        choose(f.Combo2, QStringLiteral("4"));
        choose(f.Combo3, QStringLiteral("50"));
        f.Command1.doClick();
    }
    static void pickGroup(FrmMain& f, int n) {
        for (int i = 0; i < f.List8.listCount(); ++i)
            if (f.List8.itemData(i) == n) return f.List8.doPick(i);
        ADD_FAILURE() << "group " << n << " is not listed";
    }
    static void chooseOrder(FrmMain& f, int order) { f.Combo8.doPick(order - 1); }
    // A cell of the air-group table as the campaign file holds it.
    static int saved(int side, int n, int column) {
        const QString word =
            side == kAllies ? QStringLiteral("AereiAlle.dat") : QStringLiteral("AereiAsse.dat");
        return testsupport::readLines(stackFile(word)).value((n - 1) * kGroupColumns + column - 1).toInt();
    }
    static int baseX() { return G().BaseMapXY[kTaranto][1]; }
    static int baseY() { return G().BaseMapXY[kTaranto][2]; }
};

} // namespace

TEST_F(AirPanel, AGroupFormedAtAnAxisBaseFliesItsPatrol) {
    SeededDice dice(6);
    FrmMain& f = openWithBombers();
    Globals& g = G();
    formGroup(f, 4);
    EXPECT_EQ(f.Label54.caption(), "OK!");
    EXPECT_TRUE(f.Frame3.visible()) << "the mode buttons are back";
    const Int16* r = g.GaTableAsse[1];
    EXPECT_EQ(saved(kAxis, 1, GaCol::InUse), 1);
    EXPECT_EQ(saved(kAxis, 1, GaCol::Aircraft), 4);
    EXPECT_EQ(saved(kAxis, 1, GaCol::Order), kOrderTakeOff);
    EXPECT_EQ(saved(kAxis, 1, GaCol::Bombs), 4);
    EXPECT_EQ(saved(kAxis, 1, GaCol::BombSize), 50);
    EXPECT_EQ(saved(kAxis, 1, GaCol::SpeedKmh), 400);
    EXPECT_EQ(saved(kAxis, 1, GaCol::DefaultEndurance), 30);
    EXPECT_EQ(saved(kAxis, 1, GaCol::OriginBase), kTaranto);
    EXPECT_EQ(saved(kAxis, 1, GaCol::OriginX), baseX());
    EXPECT_EQ(saved(kAxis, 1, GaCol::Nation), 2) << "a German group";
    EXPECT_EQ(r[GaCol::TakeOffDelay], takeOffDelay(g.BaseLevel[kTaranto], 1, 4));
    EXPECT_EQ(g.BaseTable[kTaranto][BaseCol::ActivationAttempts], 1);
    EXPECT_EQ(g.BaseTable[kTaranto][BaseCol::AircraftInFlight], 4);
    EXPECT_EQ(g.BaseTable[kTaranto][BaseCol::PointsUsed], 5 + 2 * 4) << "200 kg a plane";
    ASSERT_EQ(f.List1.listCount(), 1);
    f.List1.doPick(0);
    EXPECT_EQ(f.Label53.caption(), "5") << "four of nine took off";

    f.Command9.doClick();
    ASSERT_EQ(f.List8.listCount(), 1);
    EXPECT_EQ(f.List8.list(0), "GA1/4-JU 88                  *0");
    pickGroup(f, 1);
    EXPECT_EQ(f.Label85[1].caption(), "4");
    EXPECT_EQ(f.Label85[6].caption(), "4");
    chooseOrder(f, kOrderPatrol);
    EXPECT_EQ(f.Label91.caption(), "PATROL(Click Mappa)");
    EXPECT_EQ(g.MapClickMode, 2);

    // A sea point 2000 units south-east: 7 hours at a step of 269, after the take-off delay.
    const int tx = baseX() + 1200, ty = baseY() + 1600;
    f.PicBitMap.doMouseDown(vbLeftButton, 0, tx, ty);
    ASSERT_TRUE(f.Command20.visible());
    const int delay = r[GaCol::TakeOffDelay];
    EXPECT_EQ(f.Label96.caption(), QStringLiteral("%1/%2").arg(24 - 7 - delay).arg(7 + delay));
    EXPECT_EQ(f.Label98.caption(), "143");
    EXPECT_EQ(f.Label97.caption(), "36/16") << "band 18 doubled while the press sets the target";
    f.Command20.doClick();
    EXPECT_FALSE(f.Command20.visible());
    EXPECT_EQ(f.IndiceAereo, 0);
    EXPECT_EQ(saved(kAxis, 1, GaCol::Order), kOrderPatrol);
    EXPECT_EQ(saved(kAxis, 1, GaCol::TargetX), tx);
    EXPECT_EQ(saved(kAxis, 1, GaCol::TargetY), ty);
    EXPECT_EQ(saved(kAxis, 1, GaCol::DistanceFromBase), 2000);
    EXPECT_EQ(saved(kAxis, 1, GaCol::TurnsToTarget), 7) << "Int(2000 / 269 + 0.5)";
    EXPECT_EQ(saved(kAxis, 1, GaCol::Step), 143);
    EXPECT_EQ(saved(kAxis, 1, GaCol::UsableEndurance), 24);
    EXPECT_EQ(saved(kAxis, 1, GaCol::EvasionRadius), 420);
    EXPECT_EQ(saved(kAxis, 1, GaCol::ControlFlag), 2);
    EXPECT_EQ(saved(kAxis, 1, GaCol::EvasionValue), 11);
    EXPECT_EQ(f.List8.list(0), "GA1/4-JU 88                  *-pt");

    f.Command4.doClick();
    f.Command22.doClick();
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join("\n").toStdString();
    EXPECT_EQ(saved(kAxis, 1, GaCol::X), tx) << "over its point within the hour";
    EXPECT_EQ(saved(kAxis, 1, GaCol::Y), ty);
    EXPECT_EQ(saved(kAxis, 1, GaCol::FlightHours), 1);
}

TEST_F(AirPanel, TheDieKeepsToTheBasesAttemptsAndGivesBackOnlyACountedOne) {
    FrmMain& f = openWithBombers();
    Globals& g = G();
    const int allowed = allowedActivationAttempts(kTaranto);
    ASSERT_NE(allowed, kNoLimit);
    pickLine(f);
    {
        ChosenDice dice({100});
        f.Label49.doClick();
    }
    EXPECT_EQ(f.Label49.caption(), "100");
    EXPECT_TRUE(f.Label50.caption().isEmpty()) << "a failed roll readies nothing";
    g.BaseTable[kTaranto][BaseCol::ActivationAttempts] = 0;
    CaricaDatiBasi();
    EXPECT_EQ(g.BaseTable[kTaranto][BaseCol::ActivationAttempts], 1) << "saved with the roll";

    {
        ChosenDice dice({1});
        f.Label49.doClick();
    }
    EXPECT_EQ(f.Label50.caption(), "1");
    EXPECT_EQ(g.NewGroupNumber, 1);
    EXPECT_FALSE(f.Frame3.visible());
    f.Label50.doDblClick();
    EXPECT_EQ(g.NewGroupNumber, 0);
    EXPECT_TRUE(f.Frame3.visible());
    EXPECT_EQ(g.BaseTable[kTaranto][BaseCol::ActivationAttempts], 1)
        << "the ready group's attempt given back";
    f.Label50.doDblClick();
    EXPECT_EQ(g.BaseTable[kTaranto][BaseCol::ActivationAttempts], 1) << "nothing ready, nothing given back";

    // Every row in use: a success readies nothing and costs no attempt.
    for (int n = 1; n <= kGroups; ++n) g.GaTableAsse[n][GaCol::InUse] = 1;
    {
        ChosenDice dice({1});
        f.Label49.doClick();
    }
    EXPECT_EQ(g.NewGroupNumber, 0);
    EXPECT_TRUE(f.Frame3.visible());
    EXPECT_EQ(g.BaseTable[kTaranto][BaseCol::ActivationAttempts], 1);

    // The attempts used up: no roll at all.
    g.BaseTable[kTaranto][BaseCol::ActivationAttempts] = allowed;
    f.List1.doPick(0);
    EXPECT_FALSE(f.Label49.enabled());
    ChosenDice none({});
    f.Label49.doClick();
    EXPECT_TRUE(none.sides.isEmpty());
    EXPECT_EQ(g.BaseTable[kTaranto][BaseCol::ActivationAttempts], allowed);
}

TEST_F(AirPanel, TheLoadIsHeldToTheListsAndTheAircraftsCapacity) {
    FrmMain& f = openWithBombers(3);
    pickLine(f);
    // The hover label left over the base follows the launch.
    f.PicBitMap_MouseMove(0, 0, baseX() + 100, baseY() + 100);
    EXPECT_TRUE(f.Label83.caption().startsWith("TARANTO a:3/0 ")) << f.Label83.caption().toStdString();
    EXPECT_EQ(f.Combo1.listCount(), 3) << "no more than the line holds";
    EXPECT_EQ(f.Combo4.text(), "0");
    ChosenDice dice({1, 1});
    f.Label49.doClick();
    f.Combo1.setText(QStringLiteral("4000000"));
    EXPECT_EQ(f.Combo1.text(), "18") << "typed beyond the list";
    f.Combo1.doClick();
    EXPECT_EQ(f.Combo1.text(), "3") << "the line's aircraft";
    // A load above the aircraft's largest is said at once, and again when "Vai !" refuses it.
    const QString tooHeavy = QStringLiteral("ATT: CARICO ECCESSIVO 20x90 = 1800 (massimo per aereo: 1000)");
    choose(f.Combo2, QStringLiteral("20"));
    choose(f.Combo3, QStringLiteral("90"));
    EXPECT_EQ(f.Label54.caption(), "1800");
    EXPECT_EQ(f.Label54.foreColor(), vbRed);
    EXPECT_EQ(f.Label17.caption(), tooHeavy);
    f.Combo1.doClick();
    EXPECT_EQ(f.Label17.caption(), " Massimo 18 aerei");
    f.Command1.doClick();
    EXPECT_EQ(f.Label54.caption(), "No!");
    EXPECT_EQ(f.Label17.caption(), tooHeavy);
    EXPECT_TRUE(f.Combo2.text().isEmpty());
    EXPECT_TRUE(f.Combo3.text().isEmpty());
    choose(f.Combo2, QStringLiteral("4"));
    f.Command1.doClick();
    EXPECT_EQ(f.Label54.caption(), "No!") << "bombs without a size";
    EXPECT_EQ(f.Label17.caption(), "ATT: indicare sia N° Bombe sia Taglio Bombe");
    EXPECT_EQ(G().GaTableAsse[1][GaCol::InUse], 0);

    choose(f.Combo4, QStringLiteral("1"));
    EXPECT_TRUE(f.Combo2.text().isEmpty()) << "torpedoes or bombs, never both";
    f.Command1.doClick();
    EXPECT_EQ(f.Label54.caption(), "OK!");
    EXPECT_EQ(f.Label54.foreColor(), vbBlack);
    EXPECT_TRUE(f.Label83.caption().startsWith("TARANTO a:0/3 ")) << f.Label83.caption().toStdString();
    EXPECT_EQ(G().GaTableAsse[1][GaCol::Torpedoes], 1);
    EXPECT_EQ(G().BaseTable[kTaranto][BaseCol::PointsUsed], 5 + 5 * 3);
}

TEST_F(AirPanel, ARefusedTargetIsNeverConfirmed) {
    FrmMain& f = openWithBombers();
    Globals& g = G();
    formGroup(f, 4);
    f.Command9.doClick();
    pickGroup(f, 1);
    chooseOrder(f, kOrderPatrol);

    // The mission radius is 3000: one unit beyond is refused, the press at 3000 is offered.
    f.PicBitMap.doMouseDown(vbLeftButton, 0, baseX() + 1800, baseY() + 2402);
    EXPECT_FALSE(f.Command20.visible());
    f.Command20_Click();
    EXPECT_EQ(g.GaTableAsse[1][GaCol::Order], kOrderTakeOff) << "the confirmation judges again";
    f.PicBitMap.doMouseDown(vbLeftButton, 0, baseX() + 1800, baseY() + 2400);
    EXPECT_TRUE(f.Command20.visible());

    // Hours to the target that use up the endurance: no margin.
    g.WorkingAirGroup.TakeOffDelay = 13;
    f.PicBitMap.doMouseDown(vbLeftButton, 0, baseX() + 1200, baseY() + 1600);
    EXPECT_EQ(f.Label96.caption(), "4/20");
    g.WorkingAirGroup.TakeOffDelay = 14;
    f.PicBitMap.doMouseDown(vbLeftButton, 0, baseX() + 1200, baseY() + 1600);
    EXPECT_EQ(f.Label96.caption(), "3/21");
    g.WorkingAirGroup.TakeOffDelay = 17;
    f.PicBitMap.doMouseDown(vbLeftButton, 0, baseX() + 1200, baseY() + 1600);
    EXPECT_EQ(f.Label96.caption(), "0/24");
    EXPECT_EQ(f.Label96.foreColor(), vbRed);
    EXPECT_EQ(f.Label17.caption(), "ATT: ZERO MARGINE OPERATIVO");
    EXPECT_FALSE(f.Command20.visible());

    // A strike on an own base.
    pickGroup(f, 1);
    chooseOrder(f, kOrderBombing);
    f.PicBitMap.doMouseDown(vbLeftButton, 0, baseX() + 90, baseY() + 90);
    EXPECT_EQ(f.Label91.caption(), "NON AMMESSO");
    EXPECT_FALSE(f.Command20.visible());
    f.Command20_Click();
    EXPECT_EQ(g.GaTableAsse[1][GaCol::Order], kOrderTakeOff);

    // Reconnaissance for a group with bombs; after a return only a new pick allows a choice.
    chooseOrder(f, kOrderRecon);
    EXPECT_EQ(f.Label91.caption(), "Non Permesso");
    EXPECT_EQ(f.Label17.caption(), "Non Permesso: un ricognitore non porta bombe né siluri");
    EXPECT_EQ(g.AirOrder, 0);
    chooseOrder(f, kOrderReturn);
    EXPECT_TRUE(f.Command20.visible());
    chooseOrder(f, kOrderPatrol);
    EXPECT_EQ(g.AirOrder, kOrderReturn) << "the return stands until the group is picked again";
    EXPECT_FALSE(f.Command20.visible());
    pickGroup(f, 1);
    chooseOrder(f, kOrderReturn);
    g.GaTableAsse[1][GaCol::TargetX] = 1234;
    f.Command20.doClick();
    EXPECT_EQ(saved(kAxis, 1, GaCol::Order), kOrderReturn);
    EXPECT_EQ(saved(kAxis, 1, GaCol::TargetX), 1234) << "a return writes the order only";
    pickGroup(f, 1);
    EXPECT_FALSE(f.Combo8.enabled());
}

TEST_F(AirPanel, LossesEnteredByHandAreNumbersWithinTheGroup) {
    FrmMain& f = openWithBombers();
    formGroup(f, 4);
    f.Command9.doClick();
    QStringList answers;
    platform::testing::setInputBoxHandler([&](const QString&, const QString&, const QString&) {
        return answers.isEmpty() ? QString() : answers.takeFirst();
    });
    f.Command28.doClick();
    EXPECT_EQ(G().GaTableAsse[1][GaCol::Damaged], 0) << "no group picked";
    pickGroup(f, 1);
    for (const char* bad : {"-2", "due", "5"}) {
        answers = {QString::fromLatin1(bad)};
        f.Label17.setCaption(QString());
        f.Command28.doClick();
        EXPECT_EQ(f.Label17.caption(), "ATT: INPUT ERRATO") << bad;
    }
    EXPECT_EQ(G().GaTableAsse[1][GaCol::Damaged], 0);
    answers = {QStringLiteral("1")};
    f.Command28.doClick();
    EXPECT_EQ(f.Label85[1].caption(), "4 (3)");
    EXPECT_EQ(f.Label85[2].caption(), "1");
    answers = {QStringLiteral("3")};
    f.Command29.doClick();
    EXPECT_EQ(f.Label85[3].caption(), "3");
    EXPECT_EQ(saved(kAxis, 1, GaCol::ShotDown), 3);
    EXPECT_EQ(saved(kAxis, 1, GaCol::Order), kOrderReturn) << "no aircraft left";
    platform::testing::setInputBoxHandler(nullptr);
}

TEST_F(AirPanel, SightedGroupsAndAnInterceptionSetUpFromThem) {
    G().GnTableAlle[4][GnCol::InUse] = 1;
    G().GnTableAlle[4][GnCol::Ships] = 6;
    G().GnTableAlle[4][GnCol::Destroyers] = 6;
    FrmMain& f = openWithBombers();
    Globals& g = G();
    formGroup(f, 4);
    // Allied group 4 on fire, 1000 units from TARANTO, seen by the new group.
    Int16* enemy = g.GnTableAlle[4];
    enemy[GnCol::X] = baseX() + 600, enemy[GnCol::Y] = baseY() + 800;
    enemy[GnCol::Fires] = 1;
    ContactRecord c{};
    c.STVEDELATO2 = 1, c.STNSTACKLATO1 = 4, c.STNUMNAVILATO1 = 6, c.STNODILATO1 = 20, c.STDISTANZA = 350;
    c.STNSTACKLATO2 = 1, c.STB2 = kActAxisAirOnShips, c.STDIFVEVLATO2 = 2, c.STB1 = 5, c.STINCLATO1 = 1;
    openContactFile(kChannelContacts);
    writeContact(kChannelContacts, 1, c);
    g.Files.close(kChannelContacts);
    g.setState(StateItem::Contacts, 1);

    f.Command9.doClick();
    ASSERT_EQ(f.List10.listCount(), 1);
    EXPECT_EQ(f.List10.list(0), "GN:4 N:6 K:20 (350) [1GA]");
    f.List10.doPick(0);
    EXPECT_EQ(g.TargetGn, 4);
    EXPECT_EQ(g.InterceptPoint[0], baseX() + 600);
    EXPECT_EQ(f.Label86.caption(), "PA/PL0 -NB/IB/IP/IL0 -CT6 -NM/NL0 SA/SC0 -ALTRE0");
    pickGroup(f, 1);
    chooseOrder(f, kOrderIntercept);
    EXPECT_EQ(f.Label91.caption(), "INTERC/ATTACCA");
    EXPECT_TRUE(f.Command20.visible());
    // 1000 units away: band 26 plus 5 for the fires, three times.
    EXPECT_EQ(f.Label97.caption(), "93/42");
    f.Command20.doClick();
    EXPECT_EQ(saved(kAxis, 1, GaCol::Order), kOrderIntercept);
    EXPECT_EQ(saved(kAxis, 1, GaCol::TargetGn), 4);
    EXPECT_EQ(saved(kAxis, 1, GaCol::TargetX), baseX() + 600);
    EXPECT_EQ(saved(kAxis, 1, GaCol::ContactTurn), 5);

    // The Allies at the keyboard never see the Axis sightings.
    f.Command4.doClick();
    f.Command5.doClick();
    f.Command9.doClick();
    EXPECT_EQ(f.List10.listCount(), 0);
}

TEST(AirRules, TakeOffDelayAndCost) {
    EXPECT_EQ(takeOffDelay(2, 4, 4), 6);
    EXPECT_EQ(takeOffDelay(0, 1, 1), 1) << "Int(1 / 4) raised to 1";
    EXPECT_EQ(takeOffDelay(2, 3, 18), 10) << "22 lowered to 10";
    EXPECT_EQ(formingCost({6, 0, 0, 1}, 0), 35);
    EXPECT_EQ(formingCost({6, 4, 50, 0}, 200), 17);
    EXPECT_EQ(formingCost({6, 0, 0, 0}, 0), 11);
    EXPECT_EQ(formingCost({1, 0, 0, 0}, 350), 9) << "350 over 100 rounds to 4";
    EXPECT_EQ(payloadValue(QStringLiteral("99999999999"), kMaxBombs), kMaxBombs);
    EXPECT_EQ(payloadValue(QStringLiteral("-3"), kMaxBombs), 0);
    EXPECT_EQ(payloadValue(QString(), kMaxBombs), 0);
}

TEST(AirRules, EachOrdersRefusals) {
    const auto refused = [](int order, OrderGroupValues v) { return !chooseAirOrder(order, v).accepted; };
    EXPECT_TRUE(refused(kOrderTakeOff, {.turnsDone = 1}));
    EXPECT_TRUE(refused(kOrderCap, {.torpedoes = 1}));
    EXPECT_TRUE(refused(kOrderPatrol, {.bombs = 0}));
    EXPECT_TRUE(refused(kOrderPatrol, {.previousMode = -1, .bombs = 4}));
    EXPECT_FALSE(refused(kOrderPatrol, {.bombs = 4}));
    EXPECT_TRUE(refused(kOrderRecon, {.torpedoes = 1}));
    EXPECT_FALSE(refused(kOrderRecon, {}));
    EXPECT_TRUE(refused(kOrderIntercept, {.targetGn = 0}));
    EXPECT_TRUE(refused(kOrderIntercept, {.previousMode = 2, .turnsDone = 1, .targetGn = 3}));
    EXPECT_TRUE(refused(kOrderBombing, {.turnsDone = 1, .bombs = 4}));
    EXPECT_FALSE(refused(kOrderBombing, {.previousMode = 4, .turnsDone = 1, .bombs = 4}));
    EXPECT_FALSE(refused(kOrderReturn, {.turnsDone = 9}));
    EXPECT_TRUE(refused(0, {}));
    EXPECT_TRUE(refused(8, {}));
    EXPECT_EQ(chooseAirOrder(kOrderIntercept, {.targetGn = 3}).mapClickMode, -1);

    // The reason of each refusal, the first that holds.
    const auto reason = [](int order, OrderGroupValues v) { return chooseAirOrder(order, v).reason; };
    EXPECT_EQ(reason(kOrderTakeOff, {.turnsDone = 1}), "Non Permesso: il GA è già in missione");
    EXPECT_EQ(reason(kOrderCap, {.torpedoes = 1}), "Non Permesso: un GA con siluri non fa CAP");
    EXPECT_EQ(reason(kOrderPatrol, {.turnsDone = 1}), "Non Permesso: il PATROL vuole un GA con bombe");
    EXPECT_EQ(reason(kOrderPatrol, {.previousMode = -1, .bombs = 4}),
              "Non Permesso: il GA è in intercettazione");
    EXPECT_EQ(reason(kOrderIntercept, {}),
              "Non Permesso: scegliere prima il GN nemico tra le Formazioni Nemiche avvistate");
    EXPECT_EQ(reason(kOrderBombing, {.turnsDone = 1, .bombs = 4}), "Non Permesso: il GA è già in missione");
    EXPECT_EQ(reason(kOrderReturn, {.turnsDone = 9}), "");
}

TEST(AirRules, RangeMarginAndTheBaseUnderAStrike) {
    resetGlobals();
    Globals& g = G();
    g.GaTableAlle[2][GaCol::InUse] = 1;
    for (const auto& [base, x, y] : {std::tuple{3, 5000, 3000}, std::tuple{12, 7000, 4000},
                                     std::tuple{14, 1000, 2000}, std::tuple{15, 12000, 5000}})
        g.BaseMapXY[base][1] = x, g.BaseMapXY[base][2] = y;
    EXPECT_EQ(missionRange(400, 30), 3000);
    EXPECT_EQ(targetStep(KmInMiglia(400)), 269);
    EXPECT_EQ(shownStep(KmInMiglia(400)), 143);
    EXPECT_FALSE(hoursToTarget(100, 0, 1).has_value());
    EXPECT_EQ(interceptPercentFor(1000, 1, true), 3 * interceptPercentFor(1000, 1, false));

    AirOrderDraft d{.side = kAllies, .group = 2, .order = kOrderPatrol, .originX = 1000, .originY = 1000};
    d.speed = 400, d.endurance = 30, d.takeOffDelay = 1;
    d.targetX = 2800, d.targetY = 3400;
    EXPECT_EQ(checkAirOrder(d), TargetRefusal::None) << "exactly at the radius";
    d.targetY = 3402; // 3001 away
    EXPECT_EQ(checkAirOrder(d), TargetRefusal::OutOfRange);
    d.targetX = 2200, d.targetY = 2600, d.takeOffDelay = 17; // 2000 away: 7 hours and the delay
    EXPECT_EQ(checkAirOrder(d), TargetRefusal::NoMargin);
    d.takeOffDelay = 16;
    EXPECT_EQ(checkAirOrder(d), TargetRefusal::None);
    d.group = 3;
    EXPECT_EQ(checkAirOrder(d), TargetRefusal::NoGroup) << "not in use";

    const auto strikeOn = [&](int side, int base) {
        d.side = side, d.group = 2, d.order = kOrderBombing, d.takeOffDelay = 1;
        g.gaTable(side)[2][GaCol::InUse] = 1;
        d.targetX = g.BaseMapXY[base][1] + 180, d.targetY = g.BaseMapXY[base][2] + 180;
        d.originX = d.targetX - 100, d.originY = d.targetY;
        return checkAirOrder(d);
    };
    EXPECT_EQ(strikeOn(kAllies, 12), TargetRefusal::BaseRefused) << "an own base";
    EXPECT_EQ(strikeOn(kAllies, 3), TargetRefusal::None);
    EXPECT_EQ(strikeOn(kAxis, 14), TargetRefusal::None) << "GIBILTERRA";
    EXPECT_EQ(strikeOn(kAxis, 15), TargetRefusal::BaseRefused) << "ALESSANDRIA";
    EXPECT_EQ(baseUnderPoint(g.BaseMapXY[3][1] + 181, g.BaseMapXY[3][2]), kNoBaseUnder);
}

TEST(AirRules, TheOrderWrittenIntoTheRow) {
    resetGlobals();
    Int16* r = G().GaTableAsse[5];
    r[GaCol::InUse] = 1, r[GaCol::Aircraft] = 6, r[GaCol::OriginX] = 700, r[GaCol::OriginY] = 800;
    r[GaCol::TurnsToTarget] = 9, r[GaCol::TargetX] = 55, r[GaCol::DistanceFromBase] = 77;

    EXPECT_TRUE(writeAirOrder(kAxis, 5, {.order = kOrderReturn, .distance = 1}));
    EXPECT_EQ(r[GaCol::Order], kOrderReturn);
    EXPECT_EQ(r[GaCol::TargetX], 55);
    EXPECT_EQ(r[GaCol::DistanceFromBase], 77);

    EXPECT_TRUE(writeAirOrder(kAxis, 5, {.order = kOrderRecon, .targetGn = 3, .step = 143}));
    EXPECT_EQ(r[GaCol::TargetX], 700) << "no point: the origin";
    EXPECT_EQ(r[GaCol::TargetY], 800);
    EXPECT_EQ(r[GaCol::TurnsToTarget], 9) << "no step: the hours kept";
    EXPECT_EQ(r[GaCol::InAction], 0);
    EXPECT_EQ(r[GaCol::EvasionValue], 11);
    EXPECT_EQ(r[GaCol::X], 700);

    EXPECT_TRUE(writeAirOrder(
        kAxis, 5,
        {.order = kOrderBombing, .targetBase = 12, .targetX = 900, .targetY = 950, .turnsToTarget = 4}));
    EXPECT_EQ(r[GaCol::InAction], 6);
    EXPECT_EQ(r[GaCol::TargetBase], 12);
    EXPECT_EQ(r[GaCol::TurnsToTarget], 4);
    EXPECT_FALSE(writeAirOrder(kAxis, 0, {.order = kOrderPatrol}));
    EXPECT_FALSE(writeAirOrder(kAxis, 5, {.order = 8}));
    EXPECT_EQ(turnsToTargetColumn(2000, 269), 7);
}

TEST(AirRules, ContactLinesAndTheNavalAttackRange) {
    resetGlobals();
    ContactRecord c{};
    c.STVEDELATO1 = 1, c.STNSTACKLATO2 = 4, c.STNUMNAVILATO2 = 6, c.STNODILATO2 = 20, c.STDISTANZA = 350;
    c.STNSTACKLATO1 = 9, c.STB2 = kActAlliedAirOnShips, c.STATTACCOLATO1 = 1;
    EXPECT_EQ(airContactLine(c, kAllies), "GN:4 N:6 K:20 (350) [9GA]");
    G().GaTableAlle[9][GaCol::InAction] = 3;
    EXPECT_EQ(airContactLine(c, kAllies), "GN:4 N:6 K:20 (350) [9GA] ATT");
    c.STB2 = 7;
    EXPECT_EQ(airContactLine(c, kAllies), "GN:4 N:6 K:20 (350) [9 ATT") << "a kind with no tag";
    EXPECT_FALSE(airContactLine(c, kAxis).has_value()) << "not the Axis' sighting";

    c.STB2 = kActNavalMeeting, c.STDISTANZA = 209;
    EXPECT_TRUE(navalAttackOffered(c, 0));
    c.STDISTANZA = 210;
    EXPECT_FALSE(navalAttackOffered(c, 0));
    c.STDISTANZA = 179;
    EXPECT_TRUE(navalAttackOffered(c, 3));
    c.STDISTANZA = 180;
    EXPECT_FALSE(navalAttackOffered(c, 3));
    c.STB2 = kActAlliedAirOnShips, c.STDISTANZA = 10;
    EXPECT_FALSE(navalAttackOffered(c, 0));
    EXPECT_EQ(enemyComposition(kAxis, 4, 1, false), "NAVI NON IDENTIF.");
}

// An order confirmed and the side closed with "&Chiudi": nothing of the order is left for the other
// side to read, neither the route on the map (the bare map with the base squares) nor the hover
// label, the message line or the pointer's place that named what the pointer crossed last.
TEST_F(AirPanel, AClosedSideLeavesNothingOfItsOrderOnView) {
    FrmMain& f = openWithBombers();
    formGroup(f, 4);
    f.Command9.doClick();
    pickGroup(f, 1);
    chooseOrder(f, kOrderPatrol);
    f.PicBitMap.doMouseDown(vbLeftButton, 0, baseX() + 1200, baseY() + 1600);
    f.Command20.doClick();
    ASSERT_EQ(saved(kAxis, 1, GaCol::Order), kOrderPatrol);
    constexpr int kPachino = 11;
    f.PicBitMap.doMouseMove(0, 0, G().BaseMapXY[kPachino][1] + 90, G().BaseMapXY[kPachino][2] + 90);
    ASSERT_TRUE(f.Label83.caption().contains("PACHINO"));
    ASSERT_TRUE(f.Label17.caption().contains("PACHINO"));
    const QImage worked = f.PicBitMap.image();

    f.Command4.doClick();
    EXPECT_TRUE(f.Label83.caption().isEmpty());
    EXPECT_FALSE(f.Label17.caption().contains("PACHINO"));
    EXPECT_TRUE(f.Label1.caption().isEmpty());
    EXPECT_TRUE(f.Label54.caption().isEmpty()) << "the launch's \"OK!\" is not left for the next side";
    EXPECT_FALSE(f.Frame11.visible());
    const QImage closed = f.PicBitMap.image();
    RicaricaMappa();
    DisegnaBasi();
    EXPECT_EQ(closed, f.PicBitMap.image()) << "the bare map with the base squares";
    EXPECT_NE(closed, worked) << "the route had been drawn";
    f.Command17.doClick();
    f.Command5.doClick();
    EXPECT_TRUE(f.Label83.caption().isEmpty());
}

// A mode button leaves nothing of the mode before: the hover label of a base and the unit card go.
TEST_F(AirPanel, AModeButtonLeavesNoCardOrHoverOfTheModeBefore) {
    FrmMain& f = openWithBombers();
    for (CommandButton* next : {&f.Command9, &f.Command3}) {
        f.Command10.doClick();
        f.PicBitMap.doMouseDown(vbLeftButton, 0, baseX() + 90, baseY() + 90);
        ASSERT_EQ(f.List1.listCount(), 1);
        f.List1.doPick(0);
        f.List1.doMouseMove(0, 0, 10, 10);
        ASSERT_TRUE(f.Frame11.visible()) << "the aircraft card";
        f.PicBitMap.doMouseMove(0, 0, baseX() + 90, baseY() + 90);
        ASSERT_TRUE(f.Label83.caption().contains("TARANTO"));
        f.List1.doMouseMove(0, 0, 10, 10);
        next->doClick();
        EXPECT_FALSE(f.Frame11.visible()) << next->caption().toStdString();
        EXPECT_TRUE(f.Label83.caption().isEmpty()) << next->caption().toStdString();
    }
}
