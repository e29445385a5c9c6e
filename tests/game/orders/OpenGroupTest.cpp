// The open naval group as a player works it: its ships and their cards, three ships split off a
// group of five, a near group merged into it, the group's text file, and the carriers' air groups.
#include "game/main/FrmMain.h"
#include "game/orders/Carriers.h"
#include "game/orders/GroupSplitMerge.h"
#include "game/orders/NavalOrders.h"

#include "common/Dice.h"
#include "common/RecordFiles.h"
#include "game/main/HourStart.h"
#include "platform/Files.h"
#include "tests/game/orders/NavalPanelFixture.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace platform;
namespace S = recordformat::ship;

namespace {

class OpenGroup : public NavalPanelFixture {
  protected:
    static Int16* group(int n, int x, int y) { return NavalPanelFixture::group(kAllies, n, x, y); }
    // An Allied carrier air group in use of carrier `record` in naval group `gn`.
    static Int16* airGroup(int n, int record, int gn) {
        Int16* r = G().GaTableAlle[n];
        r[GaCol::InUse] = 1, r[GaCol::Order] = kOrderCap, r[GaCol::CarrierGroup] = 1;
        r[GaCol::CarrierNumber] = record, r[GaCol::CarrierGn] = gn;
        return r;
    }
    FrmMain& openGroup(int n) {
        FrmMain& f = openNaval(kAllies);
        pick(f, n);
        f.Command11.doClick();
        return f;
    }
    static int indexOf(const ListBox& l, int data) {
        for (int i = 0; i < l.listCount(); ++i)
            if (l.itemData(i) == data) return i;
        return -1;
    }
    static int shipGroup(int record) {
        int gn = -1;
        forEachShip(kAllies, [&](int r) {
            if (r == record) gn = int(G().ShipRecordBuffer.whole(S::NUMERO_GN));
            return r < record;
        });
        return gn;
    }
    static int cell(int n, int column) { return G().GnTableAlle[n][column]; }
};

} // namespace

TEST_F(OpenGroup, ThreeShipsSplitOffAGroupOfFive) {
    SeededDice dice(9);
    group(1, 2000, 2000)[GnCol::Ships] = 1;
    Int16* r = group(3, 7000, 4500);
    r[GnCol::Ships] = 5, r[GnCol::Destroyers] = 2, r[GnCol::Carriers] = 2, r[GnCol::OtherShips] = 1;
    r[GnCol::MaxKnots] = 14, r[GnCol::Knots] = 12, r[GnCol::Step] = 120, r[GnCol::Course] = 5;
    r[GnCol::RouteHours] = 4, r[GnCol::HoursSinceFormed] = 40;
    ships[0] = {{.group = 1},
                {.type = "CT", .group = 3, .knots = 30},
                {.type = "CT", .group = 3, .knots = 32},
                {.type = "PA", .group = 3, .knots = 25},
                {.type = "PL", .group = 3, .knots = 24},
                {.type = "MR", .group = 3, .knots = 14}};
    airGroup(5, 4, 3);
    airGroup(6, 5, 3);
    FrmMain& f = openGroup(3);

    EXPECT_TRUE(f.Frame16.visible());
    EXPECT_FALSE(f.Frame14.enabled());
    EXPECT_FALSE(f.Frame3.visible());
    EXPECT_TRUE(f.Command12.enabled());
    ASSERT_EQ(f.List5.listCount(), 5);
    f.Image12.doClick();
    EXPECT_EQ(f.Label17.caption(), "Creato Nuovo GN: 2 DoppioClik sulle navi da trasferire");
    EXPECT_FALSE(f.Frame17.enabled());
    for (int record : {2, 4, 6}) f.List5.doPickDouble(indexOf(f.List5, record));

    EXPECT_EQ(f.List5.listCount(), 2);
    ASSERT_EQ(f.List6.listCount(), 3);
    EXPECT_EQ(f.List6.list(indexOf(f.List6, 2)), "(GN: 2) * CT_Nave 2          ");
    for (int record : {2, 4, 6}) EXPECT_EQ(shipGroup(record), 2) << record;
    for (int record : {3, 5}) EXPECT_EQ(shipGroup(record), 3) << record;
    // The source keeps a destroyer and the light carrier; its slowest ship is faster now.
    EXPECT_EQ(cell(3, GnCol::Ships), 2);
    EXPECT_EQ(cell(3, GnCol::Destroyers), 1);
    EXPECT_EQ(cell(3, GnCol::Carriers), 1);
    EXPECT_EQ(cell(3, GnCol::OtherShips), 0);
    EXPECT_EQ(cell(3, GnCol::MaxKnots), 24);
    EXPECT_EQ(cell(3, GnCol::Knots), 12);
    // The new group sails with the source's orders from its point.
    EXPECT_EQ(cell(2, GnCol::InUse), 1);
    EXPECT_EQ(cell(2, GnCol::Side), kAllies);
    EXPECT_EQ(cell(2, GnCol::UnderWay), 1);
    EXPECT_EQ(cell(2, GnCol::Ships), 3);
    EXPECT_EQ(cell(2, GnCol::Destroyers), 1);
    EXPECT_EQ(cell(2, GnCol::Carriers), 1);
    EXPECT_EQ(cell(2, GnCol::OtherShips), 1);
    EXPECT_EQ(cell(2, GnCol::MaxKnots), 14);
    EXPECT_EQ(cell(2, GnCol::Knots), 12);
    EXPECT_EQ(cell(2, GnCol::Step), 120);
    EXPECT_EQ(cell(2, GnCol::Order), kNavalTransit);
    EXPECT_EQ(cell(2, GnCol::X), 7000);
    EXPECT_EQ(cell(2, GnCol::Y), 4500);
    EXPECT_EQ(cell(2, GnCol::Course), 5);
    EXPECT_EQ(cell(2, GnCol::RouteHours), 4);
    EXPECT_EQ(cell(2, GnCol::HoursSinceFormed), 40);
    // Only the air groups of the carrier that left follow it.
    EXPECT_EQ(G().GaTableAlle[5][GaCol::CarrierGn], 2);
    EXPECT_EQ(G().GaTableAlle[6][GaCol::CarrierGn], 3);
    EXPECT_EQ(G().state(StateItem::AcquisitionUsedAlle), 15);
    EXPECT_EQ(G().state(StateItem::SplitCountAlle), 15);

    // A moved ship's card opens from List6; an item naming no ship opens none.
    f.List6.doPick(indexOf(f.List6, 4));
    EXPECT_TRUE(f.Frame11.visible());
    EXPECT_EQ(f.Frame11.caption().left(2), "PA");
    f.PicShip_Click();
    f.List6.addItem("?");
    f.List6.doPick(indexOf(f.List6, 0));
    EXPECT_FALSE(f.Frame11.visible());

    f.Command12.doClick();
    EXPECT_FALSE(f.Frame16.visible());
    EXPECT_TRUE(f.Frame3.visible());
    EXPECT_EQ(G().SplitMode, 0);
    EXPECT_EQ(G().NewGroupNumber, 0);
    EXPECT_EQ(f.List2.listCount(), 3);

    // The carrier docks with its new group at Gibraltar: its air groups are called home.
    pick(f, 2);
    f.Command11.doClick();
    G().BaseUnderGn = kGibraltarBase;
    G().SelectedShip = 4;
    f.Image11_Click();
    EXPECT_EQ(G().GaTableAlle[5][GaCol::Order], kOrderReturn);
    EXPECT_EQ(G().GaTableAlle[6][GaCol::Order], kOrderCap);
}

TEST_F(OpenGroup, ANearGroupMergesIntoTheOpenOne) {
    Int16* a = group(3, 7000, 4500);
    a[GnCol::Ships] = 2, a[GnCol::Destroyers] = 2, a[GnCol::Knots] = 20, a[GnCol::Step] = 200;
    a[GnCol::HoursSinceFormed] = 5, a[GnCol::ExtraUse] = 7, a[GnCol::RegularUse] = 8, a[GnCol::MaxKnots] = 30;
    Int16* b = group(4, 7050, 4520);
    b[GnCol::Ships] = 3, b[GnCol::Destroyers] = 1, b[GnCol::Capitals] = 1, b[GnCol::Submarines] = 1;
    b[GnCol::HoursSinceFormed] = 6, b[GnCol::ExtraUse] = 8, b[GnCol::RegularUse] = 7, b[GnCol::Knots] = 15;
    b[GnCol::HoursUnderWay] = 11, b[GnCol::MaxKnots] = 20;
    // The class counts are summed as the tables hold them.
    a[GnCol::Carriers] = 1, b[GnCol::Carriers] = 2, a[GnCol::MinorWarships] = 3, b[GnCol::OtherShips] = 4;
    group(5, 9000, 4500)[GnCol::Ships] = 1;
    ships[0] = {{.group = 3, .knots = 30},
                {.group = 3, .knots = 30},
                {.type = "CT", .group = 4, .knots = 28},
                {.type = "IL", .group = 4, .knots = 18, .operativity = 60},
                {.type = "SA", .group = 4, .knots = 20},
                {.group = 5}};
    airGroup(7, 4, 4);
    airGroup(8, 4, 4)[GaCol::InUse] = 2;
    G().setState(StateItem::NavalMovesAlle, 100);
    FrmMain& f = openGroup(3);

    ASSERT_EQ(f.List7.listCount(), 1);
    f.Image13.doClick();
    EXPECT_EQ(f.Label17.caption(), "Sono necessari 2 GN per procedere alla fusione");
    f.List7.doPick(0);
    EXPECT_EQ(G().JoiningGn, 4);
    EXPECT_EQ(f.List6.listCount(), 3);
    f.Image13.doClick();

    for (int record = 1; record <= 5; ++record) EXPECT_EQ(shipGroup(record), 3) << record;
    EXPECT_EQ(cell(3, GnCol::Ships), 5);
    EXPECT_EQ(cell(3, GnCol::Capitals), 1);
    EXPECT_EQ(cell(3, GnCol::Destroyers), 3);
    EXPECT_EQ(cell(3, GnCol::Submarines), 1);
    EXPECT_EQ(cell(3, GnCol::Carriers), 3);
    EXPECT_EQ(cell(3, GnCol::MinorWarships), 3);
    EXPECT_EQ(cell(3, GnCol::OtherShips), 4);
    EXPECT_EQ(cell(3, GnCol::HoursSinceFormed), 6) << "5.5 to the even 6";
    EXPECT_EQ(cell(3, GnCol::ExtraUse), 7) << "7.5 down";
    EXPECT_EQ(cell(3, GnCol::RegularUse), 7);
    EXPECT_EQ(cell(3, GnCol::Knots), 0);
    EXPECT_EQ(cell(3, GnCol::Step), 0);
    EXPECT_EQ(cell(3, GnCol::MaxKnots), 18);
    EXPECT_EQ(cell(3, GnCol::MinOperativity), 60);
    for (int c = 1; c <= kGroupColumns; ++c) EXPECT_EQ(cell(4, c), 0) << "column " << c;
    EXPECT_EQ(G().state(StateItem::NavalMovesAlle), 111);
    EXPECT_EQ(G().GaTableAlle[7][GaCol::CarrierGn], 3);
    EXPECT_EQ(G().GaTableAlle[8][GaCol::CarrierGn], 4) << "a row not exactly in use stays";
    // The merged group stays open with its five ships; no near group is left.
    EXPECT_EQ(f.List5.listCount(), 5);
    EXPECT_EQ(f.List7.listCount(), 0);
    EXPECT_EQ(f.List6.listCount(), 0);

    // 6.5 rounds to the even 6 as well.
    Int16* c = group(6, 9000, 4500);
    c[GnCol::HoursSinceFormed] = 8;
    G().GnTableAlle[5][GnCol::HoursSinceFormed] = 5;
    ASSERT_TRUE(mergeGroups(5, 6));
    EXPECT_EQ(cell(5, GnCol::HoursSinceFormed), 6);
    EXPECT_FALSE(mergeGroups(5, 6)) << "a freed group cannot merge again";
}

TEST_F(OpenGroup, AMergeThatCannotWriteTheShipFileChangesNothing) {
    group(3, 7000, 4500)[GnCol::Ships] = 1;
    group(4, 7050, 4520)[GnCol::Ships] = 2;
    ships[0] = {{.group = 3}, {.group = 4}, {.group = 4}};
    FrmMain& f = openGroup(3);
    f.List7.doPick(0);

    failWritesAfter(ShipRecord::kLength);
    f.Image13.doClick();
    failWritesAfter(-1);

    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_EQ(shipGroup(2), 4);
    EXPECT_EQ(shipGroup(3), 4);
    EXPECT_EQ(cell(4, GnCol::InUse), 1);
    EXPECT_EQ(cell(3, GnCol::Ships), 1);
    EXPECT_EQ(cell(4, GnCol::Ships), 2);
}

TEST_F(OpenGroup, TheGroupTextFileListsTheShipsInAFolderMadeWhenMissing) {
    group(12, 7000, 4500)[GnCol::Ships] = 2;
    ships[0] = {{.group = 12}, {.type = "IL", .group = 12}};
    FrmMain& f = openGroup(12);
    QDir(diskPath(groupTextFolder())).removeRecursively();

    f.Image14.doClick();

    EXPECT_EQ(f.Label17.caption(), "File GN12 CREATO IN GNTEXT");
    const QStringList lines = testsupport::readLines(diskPath(groupTextFolder() + "\\AlleGN 12.txt"));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], "\"Lista Navi del GN: 12   Num.Navi: 2\"");
    EXPECT_EQ(lines[1], "\"___CLASSE:__________NOME:___________________________________________________\"");
    EXPECT_EQ(lines[3],
              "\"IL Classe           Nave 2           Res:100 /100  Knt:  /30 Ope:   /100 CAI/I:4 /0  \"");
}

TEST_F(OpenGroup, AShipPickedShowsItsCardStateAndCarrierData) {
    group(3, 7000, 4500)[GnCol::Ships] = 2;
    ships[0] = {{.group = 3, .fires = 2}, {.type = "PA", .group = 3, .knots = 25, .aircraft = 12}};
    FrmMain& f = open();
    // The carrier handles aircraft.
    Globals& g = G();
    g.Files.openRandom(kChannelShips, shipFilePath(kAllies), ShipRecord::kLength);
    readShip(kChannelShips, 2);
    g.ShipRecordBuffer.setNumber(S::MAM, 3);
    writeShip(kChannelShips, 2);
    g.Files.closeAll();
    f.Command17_Click();
    f.Command5_Click();
    f.Command3_Click();
    pick(f, 3);
    f.Command11.doClick();

    {
        ChosenDice dice({2});
        f.List5.doPick(indexOf(f.List5, 1));
    }
    EXPECT_EQ(f.Label17.caption(), "ATT: tra i danni non segnala [o] quando è la sola carenza ");
    EXPECT_EQ(f.Label76.caption(), "SCHEDA NAVE");
    EXPECT_EQ(g.SelectedShip, 1);
    EXPECT_TRUE(f.Frame11.visible());
    EXPECT_EQ(g.OperationContext[15], 0);

    ChosenDice dice({1});
    f.List5.doPick(indexOf(f.List5, 2));
    EXPECT_EQ(g.OperationContext[1], 2);
    EXPECT_EQ(g.OperationContext[15], 1);
    EXPECT_EQ(g.OperationTexts[1], "Nave 2");
    EXPECT_EQ(f.Label17.caption(), " Click Icona per attivare Portaerei");
    EXPECT_TRUE(g.Files.isOpen(kChannelShips)) << "left open for docking";

    // In weather 2 the carrier's icon is an anchor: the message line says why, and so does the icon.
    g.setState(StateItem::Weather, 2);
    ChosenDice again({1, 1});
    f.List5.doPick(indexOf(f.List5, 1));
    f.List5.doPick(indexOf(f.List5, 2));
    const QString weather = " PORTAEREI NON ATTIVABILE: maltempo (meteo 2, si lancia solo con meteo 0 o 1)";
    EXPECT_EQ(g.OperationContext[15], 0);
    EXPECT_EQ(f.Label17.caption(), weather);
    f.Label17.setCaption(QString());
    f.Image18.doClick();
    EXPECT_EQ(f.Label17.caption(), weather);
}

TEST(Carriers, ALaunchNeedsWeatherSpeedAircraftAndTheMap) {
    resetGlobals();
    Globals& g = G();
    ShipRecord s;
    s.setText(S::NOME, "Ark Royal");
    s.setText(S::TIPO, "PA");
    s.setText(S::CodicePortaerei, "P1");
    s.setNumber(S::NUMERO_GN, 3);
    s.setNumber(S::AEREIM, 2);
    s.setNumber(S::MAM, 3);
    s.setNumber(S::NODIM, 16);
    auto launch = [&](int side, int weather) {
        for (Int32& c : g.OperationContext) c = 0;
        writeCarrierData(side, 7, s, weather);
        return g.OperationContext[15];
    };
    // Each refusal says its reason, the same conditions read from the ship.
    const auto why = [&](int side, int weather) { return carrierLaunchRefusal(side, s, 0, weather); };
    EXPECT_EQ(launch(kAllies, 1), 1);
    EXPECT_EQ(why(kAllies, 1), "");
    EXPECT_EQ(g.OperationContext[1], 7);
    EXPECT_EQ(g.OperationContext[2], 3);
    EXPECT_EQ(g.OperationContext[5], 3);
    EXPECT_EQ(g.OperationTexts[2], "P1");
    EXPECT_EQ(launch(kAllies, 2), 0);
    EXPECT_EQ(why(kAllies, 2), "maltempo (meteo 2, si lancia solo con meteo 0 o 1)");
    s.setNumber(S::NODIM, 15);
    EXPECT_EQ(launch(kAllies, 0), 0);
    EXPECT_EQ(why(kAllies, 0), "15 nodi, ne servono almeno 16");
    s.setNumber(S::NODIM, 16);
    s.setNumber(S::AEREIM, 1);
    EXPECT_EQ(launch(kAllies, 0), 0);
    EXPECT_EQ(why(kAllies, 0), "1 aerei a bordo, ne servono almeno 2");
    s.setNumber(S::AEREIM, 2);
    g.GnTableAlle[3][GnCol::OffMap] = 1;
    EXPECT_EQ(launch(kAllies, 0), 0);
    EXPECT_EQ(why(kAllies, 0), "il GN è fuori mappa");
    EXPECT_EQ(g.OperationContext[16], 1);
    g.GnTableAlle[3][GnCol::OffMap] = 0;
    EXPECT_EQ(carrierLaunchRefusal(kAllies, s, 13, 0), "il GN è in una base");
    EXPECT_EQ(launch(kAxis, 0), 0);
    EXPECT_EQ(why(kAxis, 0), "solo le portaerei alleate lanciano aerei");
    EXPECT_EQ(g.OperationContext[1], 0) << "an Axis carrier reads no Allied table";
}

TEST(Carriers, ADockedCarrierCallsItsAirGroupsHome) {
    resetGlobals();
    GroupTable& ga = G().GaTableAlle;
    ga[1][GaCol::InUse] = 1, ga[1][GaCol::CarrierNumber] = 4, ga[1][GaCol::Order] = kOrderCap;
    ga[2][GaCol::CarrierNumber] = 4;
    ga[3][GaCol::InUse] = 1, ga[3][GaCol::Order] = kOrderPatrol;

    EXPECT_EQ(recallCarrierAirGroups(kAxis, 4), 0);
    EXPECT_EQ(recallCarrierAirGroups(kAllies, 0), 0) << "record 0 names no carrier";
    EXPECT_EQ(ga[3][GaCol::Order], kOrderPatrol);
    EXPECT_EQ(recallCarrierAirGroups(kAllies, 4), 2);
    EXPECT_EQ(ga[1][GaCol::Order], kOrderReturn);
    EXPECT_EQ(ga[2][GaCol::Order], kOrderReturn);
}
