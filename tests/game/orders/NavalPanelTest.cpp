// The naval-group panel as a player drives it: the list and its filter, the pick of a group, its
// order, speed, route hours and course, the refusals, the departure from GIBILTERRA, and two groups
// ordered through the panel and sailed by the hour button.
#include "game/main/FrmMain.h"
#include "game/orders/NavalOrders.h"

#include "NavalPanelFixture.h"
#include "common/DataFolder.h"
#include "common/Dice.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class NavalPanel : public NavalPanelFixture {
  protected:
    static void chooseKnots(FrmMain& f, int knots) {
        for (int i = 0; i < f.Combo6.listCount(); ++i)
            if (textToWhole(f.Combo6.list(i)) == knots) return f.Combo6.doPick(i);
        ADD_FAILURE() << knots << " knots are not offered";
    }
    static void chooseOrder(FrmMain& f, int order) { f.Combo5.doPick(order - 1); }
    // A cell of the naval-group table as the campaign file holds it.
    static int saved(int side, int n, int column) {
        const QString word =
            side == kAllies ? QStringLiteral("NaviAlle.dat") : QStringLiteral("NaviAsse.dat");
        return testsupport::readLines(stackFile(word)).value((n - 1) * kGroupColumns + column - 1).toInt();
    }
    static int cell(int side, int n, int column) { return G().gnTable(side)[n][column]; }
    // A colour within two pixels of a map point (a line's pixel may fall either side of it).
    static bool near(FrmMain& f, int x, int y, long colour) {
        for (int dx = -15; dx <= 15; dx += 5)
            for (int dy = -15; dy <= 15; dy += 5)
                if (f.PicBitMap.point(x + dx, y + dy) == colour) return true;
        return false;
    }
};

} // namespace

TEST_F(NavalPanel, TheListShowsTheSidesGroupsUnderItsFilter) {
    Int16* moving = group(kAllies, 3, 7000, 4500);
    moving[GnCol::Ships] = 4, moving[GnCol::MaxKnots] = 28, moving[GnCol::Knots] = 12;
    moving[GnCol::RouteHours] = 5, moving[GnCol::Course] = 2;
    group(kAllies, 5, 7200, 4500);
    group(kAllies, 7, 7400, 4500)[GnCol::Order] = kNavalAmbush;
    Int16* away = group(kAllies, 9, 0, 0);
    away[GnCol::OffMap] = 1, away[GnCol::HoursSinceFormed] = 223;
    group(kAllies, 11, 7600, 4500)[GnCol::HoursSinceFormed] = 222;
    group(kAxis, 9, 9000, 4500)[GnCol::OffMap] = 1;
    FrmMain& f = openNaval(kAllies);

    EXPECT_EQ(f.Frame12.caption(), " Gruppi Navali ALLEATI");
    ASSERT_EQ(f.List2.listCount(), 4) << "the ambush group waits for the other filter";
    EXPECT_EQ(f.List2.list(0), "GN 3 Nv 4 Kn 28/ 12 Op 100");
    EXPECT_EQ(f.List2.itemData(0), 3);
    EXPECT_EQ(f.List2.list(1), "GN 5 Nv 1 Kn 30/ 0 Op 100<FERMO");
    EXPECT_EQ(f.List2.list(2), "GN 9 Nv 1 Kn 30/ 0 Op 100*<FERMO SS");
    EXPECT_EQ(f.List2.list(3), "GN 11 Nv 1 Kn 30/ 0 Op 100<FERMO");
    EXPECT_EQ(f.PicBitMap.point(7060, 4540), vbYellow) << "every group is marked";
    EXPECT_EQ(navalListItem(kAxis, 9), "GN 9 Nv 1 Kn 30/ 0 Op 100<FERMO") << "no off-map mark for the Axis";

    G().NavalListFilter = 1;
    f.ListaGNAlleati();
    ASSERT_EQ(f.List2.listCount(), 1);
    EXPECT_EQ(f.List2.list(0), "GN 7 Nv 1 Kn 30/ 0 Op 100p");
}

TEST_F(NavalPanel, APickMakesTheGroupTheWorkingGroup) {
    Int16* a = group(kAllies, 2, 7000, 4500);
    a[GnCol::Knots] = 12, a[GnCol::Step] = 120, a[GnCol::Course] = 5, a[GnCol::RouteHours] = 3;
    a[GnCol::Order] = kNavalSupport, a[GnCol::Aam] = 14, a[GnCol::Aac] = 6, a[GnCol::HoursSinceFormed] = 200;
    a[GnCol::Carriers] = 1;
    Int16* b = group(kAllies, 4, 2300 + 1300, 2800);
    b[GnCol::Carriers] = 1, b[GnCol::MinOperativity] = 1;
    FrmMain& f = openNaval(kAllies);
    Globals& g = G();

    pick(f, 2);
    EXPECT_EQ(f.PickedGn, 2);
    EXPECT_EQ(g.SelectedItem, 2);
    EXPECT_EQ(g.GnKnots, 12);
    EXPECT_EQ(g.GnSpeed, 120);
    EXPECT_EQ(g.GnCourse, 5);
    EXPECT_EQ(f.Label17.caption(), "AA Mitr.: 14  | AA Cann: 6");
    EXPECT_EQ(f.Label59.caption(), "(0)  7000: 4500 ->EST");
    EXPECT_EQ(f.Label60.caption(), " 3 Trn Rotta EST");
    EXPECT_EQ(f.Combo6.listCount(), 30);
    EXPECT_EQ(f.Combo6.text(), " 12");
    EXPECT_EQ(f.Combo5.text(), "Appoggio");
    EXPECT_EQ(f.PicBitMap.point(7060, 4540), vbGreen);
    EXPECT_TRUE(near(f, 7420, 4500, vbWhite)) << "the third route hour";
    EXPECT_EQ(g.CarrierLaunchZone, 0);
    EXPECT_TRUE(f.Image7.hasPicture());
    f.List2.doPickDouble(0);
    EXPECT_EQ(f.Label17.caption(), "PAL:1   NB IP IL:0   CT:1   NML:0   SAC:0  CrG:0 -(STRESS ALTO 200/240)");

    // The next pick takes the first one's mark back to the side colour; a carrier group 1300 away
    // from the launch point is outside the zone, and a worn group is offered 1 to 4 knots.
    pick(f, 4);
    EXPECT_EQ(f.PicBitMap.point(7060, 4540), vbYellow);
    EXPECT_EQ(f.Combo6.listCount(), 4);
    EXPECT_EQ(g.CarrierLaunchZone, 0);
    g.gnTable(kAllies)[4][GnCol::X] = 2300 + 1299;
    pick(f, 4);
    EXPECT_EQ(g.CarrierLaunchZone, 1);
}

TEST_F(NavalPanel, EachOrderIsWrittenAndSavedAndTheRefusalsSayWhy) {
    Int16* own = group(kAllies, 1, 7000, 4500);
    own[GnCol::Knots] = 12, own[GnCol::TargetGn] = 6, own[GnCol::TargetHours] = 2;
    own[GnCol::Destroyers] = 0, own[GnCol::Capitals] = 1;
    group(kAxis, 6, 7000 + 600, 4500);
    group(kAxis, 8, 7000 + 601, 4500);
    Int16* pack = group(kAllies, 2, 7000, 5000);
    pack[GnCol::Ships] = 4, pack[GnCol::Destroyers] = 3, pack[GnCol::Submarines] = 1, pack[GnCol::Knots] = 10;
    FrmMain& f = openNaval(kAllies);
    Globals& g = G();

    pick(f, 1);
    chooseOrder(f, kNavalBombardment);
    EXPECT_EQ(saved(kAllies, 1, GnCol::Order), kNavalBombardment);
    EXPECT_EQ(saved(kAllies, 1, GnCol::Knots), 12);
    EXPECT_EQ(saved(kAllies, 1, GnCol::Step), 120);
    EXPECT_EQ(saved(kAllies, 1, GnCol::TargetGn), 0) << "another order drops the target";
    EXPECT_EQ(saved(kAllies, 1, GnCol::TargetHours), 0);
    EXPECT_EQ(f.List2.list(0), "GN 1 Nv 1 Kn 30/ 12 Op 100<FERMO");

    // Interception: 600 away is within reach, 601 is not; no enemy group picked is refused.
    g.TargetGn = 8;
    chooseOrder(f, kNavalIntercept);
    EXPECT_EQ(f.Label17.caption(), "ATT: GN nemico troppo lontano (601 su 600)");
    EXPECT_EQ(cell(kAllies, 1, GnCol::Order), kNavalBombardment);
    EXPECT_EQ(f.Combo5.text(), "Bombardamento") << "the order in force";
    g.TargetGn = 0;
    chooseOrder(f, kNavalIntercept);
    EXPECT_EQ(f.Label17.caption(), "ATT: scegliere prima il GN nemico nella lista dei contatti");
    g.TargetGn = 6;
    chooseOrder(f, kNavalIntercept);
    EXPECT_EQ(saved(kAllies, 1, GnCol::Order), kNavalIntercept);
    EXPECT_EQ(saved(kAllies, 1, GnCol::TargetGn), 6);
    EXPECT_EQ(saved(kAllies, 1, GnCol::TargetHours), 0);
    EXPECT_EQ(g.TargetDistance, 600);
    EXPECT_EQ(f.Label17.caption(), "") << "the refusal goes once a change is written";

    // Ambush: for destroyers and submarines only, at a standstill.
    chooseOrder(f, kNavalAmbush);
    EXPECT_EQ(f.Label17.caption(), "ATT: AGGUATO solo per GN di soli CT e sommergibili");
    EXPECT_EQ(saved(kAllies, 1, GnCol::Order), kNavalIntercept);
    pick(f, 2);
    chooseOrder(f, kNavalAmbush);
    EXPECT_EQ(saved(kAllies, 2, GnCol::Order), kNavalAmbush);
    EXPECT_EQ(saved(kAllies, 2, GnCol::Knots), 0);
    EXPECT_EQ(saved(kAllies, 2, GnCol::Step), 0);
    chooseKnots(f, 10);
    EXPECT_EQ(f.Label17.caption(), "ATT: in AGGUATO il GN resta fermo");
    EXPECT_EQ(saved(kAllies, 2, GnCol::Knots), 0);
}

TEST_F(NavalPanel, SpeedsKeepToTheGroupsMaximumAndOperativity) {
    group(kAllies, 1, 7000, 4500)[GnCol::MaxKnots] = 28;
    Int16* worn = group(kAllies, 2, 7000, 5000);
    worn[GnCol::MaxKnots] = 3, worn[GnCol::MinOperativity] = 1;
    Int16* tired = group(kAllies, 3, 7000, 5500);
    tired[GnCol::MinOperativity] = 1, tired[GnCol::Knots] = 12;
    FrmMain& f = openNaval(kAllies);

    pick(f, 1);
    chooseKnots(f, 28);
    EXPECT_EQ(saved(kAllies, 1, GnCol::Knots), 28) << "the maximum itself is allowed";
    EXPECT_EQ(saved(kAllies, 1, GnCol::Step), 280);
    EXPECT_EQ(saved(kAllies, 1, GnCol::UnderWay), 1);
    EXPECT_EQ(f.Label60.caption(), " 0  Trn Rotta ");

    pick(f, 2);
    chooseKnots(f, 3);
    chooseKnots(f, 4);
    EXPECT_EQ(f.Label17.caption(), "ATT: velocità oltre il massimo del GN (3 Kn)");
    EXPECT_EQ(saved(kAllies, 2, GnCol::Knots), 3);
    EXPECT_EQ(f.Combo6.text(), " 3") << "the speed in force";

    // A worn group's 12 knots, carried by a new order, come down to 4 with a beep.
    pick(f, 3);
    const int beeps = platform::testing::beepCount();
    chooseOrder(f, kNavalSupport);
    EXPECT_EQ(platform::testing::beepCount(), beeps + 1);
    EXPECT_EQ(f.Label17.caption(), "ATT: OPERATIVITA TROPPO BASSA per velocità maggiori");
    EXPECT_EQ(saved(kAllies, 3, GnCol::Knots), 4);
    EXPECT_EQ(saved(kAllies, 3, GnCol::Order), kNavalSupport);
}

TEST_F(NavalPanel, RouteHoursAndCourseAreStoredOffMapGroupsOnlyEastOrWest) {
    group(kAllies, 1, 7000, 4500);
    group(kAllies, 2, 0, 0)[GnCol::OffMap] = 1;
    group(kAxis, 2, 9000, 4500);
    FrmMain& f = openNaval(kAllies);

    pick(f, 1);
    f.Combo7.doPick(11);
    EXPECT_EQ(saved(kAllies, 1, GnCol::RouteHours), 12);
    f.Label20_Click();
    EXPECT_EQ(saved(kAllies, 1, GnCol::Course), 2);
    EXPECT_EQ(saved(kAllies, 1, GnCol::RouteHours), 12);
    EXPECT_EQ(f.Label60.caption(), " 12 Trn Rotta NORD");
    f.Combo7.setText(QStringLiteral("99"));
    f.Label27_Click();
    EXPECT_EQ(saved(kAllies, 1, GnCol::RouteHours), 12) << "the pad shows the route hours in force";
    f.Combo7.setText(QStringLiteral("99"));
    f.Combo7_Click();
    EXPECT_EQ(saved(kAllies, 1, GnCol::RouteHours), 24) << "held to the list's range";
    EXPECT_EQ(f.Combo7.text(), "24");
    f.Label23_Click();
    EXPECT_EQ(saved(kAllies, 1, GnCol::Course), 0);
    EXPECT_EQ(saved(kAllies, 1, GnCol::RouteHours), 0);
    // Hours typed and Enter are a pick.
    QLineEdit* typed = static_cast<QComboBox*>(f.Combo7.widget())->lineEdit();
    typed->selectAll();
    QTest::keyClicks(typed, QStringLiteral("4"));
    QTest::keyClick(typed, Qt::Key_Return);
    EXPECT_EQ(saved(kAllies, 1, GnCol::RouteHours), 4);
    EXPECT_EQ(f.Combo7.text(), "4");

    pick(f, 2);
    f.Label20_Click();
    EXPECT_EQ(f.Label17.caption(), "attenzione rotta est o ovest soltanto");
    EXPECT_EQ(cell(kAllies, 2, GnCol::Course), 0);
    EXPECT_EQ(G().GnCourse, 0);
    f.Label24_Click();
    EXPECT_EQ(saved(kAllies, 2, GnCol::Course), 5);

    f.Command4_Click();
    f.Command17_Click();
    f.Command6_Click();
    f.Command3_Click();
    pick(f, 2);
    f.Label20_Click();
    EXPECT_EQ(saved(kAxis, 2, GnCol::Course), 2) << "the Axis is never held to east or west";
}

TEST_F(NavalPanel, OrdersGoOnlyToTheGroupPickedInTheList) {
    group(kAllies, 1, 7000, 4500);
    group(kAllies, 7, 7000, 5000)[GnCol::Knots] = 5;
    FrmMain& f = openNaval(kAllies);
    Globals& g = G();
    const QByteArray before = testsupport::readBytes(stackFile(QStringLiteral("NaviAlle.dat")));

    chooseOrder(f, kNavalSupport);
    chooseKnots(f, 20);
    f.Label20_Click();
    EXPECT_EQ(f.Label17.caption(), "ATT: selezionare prima un GN attivo nella lista");
    EXPECT_EQ(testsupport::readBytes(stackFile(QStringLiteral("NaviAlle.dat"))), before);
    EXPECT_EQ(cell(kAllies, 0, GnCol::Order), 0) << "no row 0";

    // A ship list or the map reuses SelectedItem: the picked group still takes the order.
    pick(f, 1);
    g.SelectedItem = 7;
    chooseKnots(f, 20);
    EXPECT_EQ(saved(kAllies, 1, GnCol::Knots), 20);
    EXPECT_EQ(saved(kAllies, 7, GnCol::Knots), 5);

    // A group no longer in use takes nothing.
    g.gnTable(kAllies)[1][GnCol::InUse] = 0;
    chooseKnots(f, 10);
    EXPECT_EQ(f.Label17.caption(), "ATT: selezionare prima un GN attivo nella lista");
    EXPECT_EQ(cell(kAllies, 1, GnCol::Knots), 20);
}

TEST_F(NavalPanel, AGroupAtGibraltarLeavesForTheMapWhenGivenASpeed) {
    const int gx = 5 + 20, gy = 3320 + 20; // inside GIBILTERRA's box
    group(kAllies, 4, gx, gy)[GnCol::Course] = 5;
    FrmMain& f = openNaval(kAllies);
    Globals& g = G();
    ASSERT_EQ(g.BaseMapXY[14][1], 5);

    pick(f, 4);
    EXPECT_EQ(g.BaseUnderGn, 14);
    chooseOrder(f, kNavalTransit);
    EXPECT_EQ(saved(kAllies, 4, GnCol::X), gx) << "with no speed the group stays in port";
    chooseKnots(f, 12);
    EXPECT_EQ(saved(kAllies, 4, GnCol::OffMapDistance), 9600);
    EXPECT_EQ(saved(kAllies, 4, GnCol::OffMap), 1);
    EXPECT_EQ(saved(kAllies, 4, GnCol::X), 0);
    EXPECT_EQ(saved(kAllies, 4, GnCol::Y), 0);
    EXPECT_EQ(saved(kAllies, 4, GnCol::InFriendlyPort), 0);
    EXPECT_EQ(g.GnOffMap, 1);
    EXPECT_EQ(f.List2.list(0), "GN 4 Nv 1 Kn 30/ 12 Op 100*<FERMO");

    f.Combo7.doPick(9);
    pick(f, 4);
    EXPECT_EQ(f.Label59.caption(), " 0 h da Gib rotta EST (Mappa 81 h)");
}

TEST_F(NavalPanel, TwoGroupsOrderedThroughThePanelSailWithTheHours) {
    SeededDice dice(3);
    ships[0] = {{.type = QStringLiteral("CT"), .group = 1}, {.type = QStringLiteral("CT"), .group = 1}};
    ships[1] = {{.type = QStringLiteral("CT"), .group = 3}};
    Int16* allied = group(kAllies, 1, 7000, 4500);
    allied[GnCol::Ships] = 2, allied[GnCol::Destroyers] = 2;
    group(kAxis, 3, 10000, 4500);
    FrmMain& f = openNaval(kAllies);

    // Allies: 10 knots east for 3 hours; Axis: 12 knots west for 2 hours.
    pick(f, 1);
    chooseOrder(f, kNavalTransit);
    chooseKnots(f, 10);
    f.Combo7.doPick(2);
    f.Label24_Click();
    f.Command4_Click();
    f.Command17_Click();
    f.Command6_Click();
    f.Command3_Click();
    pick(f, 3);
    chooseKnots(f, 12);
    f.Combo7.doPick(1);
    f.Label22_Click();
    f.Command4_Click();

    f.Command22.doClick();
    f.Command22.doClick();
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join("\n").toStdString();
    EXPECT_EQ(saved(kAllies, 1, GnCol::X), 7200);
    EXPECT_EQ(saved(kAllies, 1, GnCol::Y), 4500);
    EXPECT_EQ(saved(kAllies, 1, GnCol::RouteHours), 1);
    EXPECT_EQ(saved(kAllies, 1, GnCol::Knots), 10);
    EXPECT_EQ(saved(kAxis, 3, GnCol::X), 9760);
    EXPECT_EQ(saved(kAxis, 3, GnCol::RouteHours), 0);
    EXPECT_EQ(saved(kAxis, 3, GnCol::Step), 0) << "the end of the route stops the group";
    EXPECT_EQ(cell(kAllies, 1, GnCol::X), 7200) << "the file is the table";
}

TEST(NavalRules, StatusIconsAndSpeeds) {
    EXPECT_EQ(statusIcons(0, 1, 0, 1, 0, 100).motion, "ancora.ico");
    EXPECT_EQ(statusIcons(0, 0, 0, 1, 0, 100).motion, "nogo.ico");
    EXPECT_EQ(statusIcons(120, 0, 12, 1, 0, 100).motion, "go.ico");
    EXPECT_EQ(statusIcons(0, 0, 0, 5, 0, 100).ambush, "agguato.ico");
    EXPECT_EQ(statusIcons(0, 0, 0, 1, 2, 100).trouble, "inc1.ico");
    EXPECT_EQ(statusIcons(0, 0, 0, 1, 0, 1).trouble, "inc2.ico");
    EXPECT_EQ(decideSpeed(1, 30, 2, 12).knots, 12) << "operativity 2 keeps its speed";
    EXPECT_FALSE(decideSpeed(1, 30, 2, 12).capped);
    EXPECT_EQ(routeHoursFromText(QStringLiteral("-3")), 0);
    EXPECT_EQ(routeHoursFromText(QStringLiteral(" 7")), 7);
}
