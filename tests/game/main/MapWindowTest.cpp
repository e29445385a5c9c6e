// The map of the main window driven as a player drives it: pointer moves, presses, clicks and
// double-clicks in map units, the hover line, the base panel, the pop-up list and the unit card.
#include "game/main/FrmMain.h"

#include "MapView.h"
#include "ShipFiles.h"
#include "TestCampaign.h"
#include "common/RecordFiles.h"
#include "common/UnitLists.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace platform;
namespace F = recordformat::ship;

namespace {

// Axis groups 3 and 4 overlap in the Ionian Sea; Allied group 2 waits beyond the Gibraltar edge.
constexpr int kPressX = 9060, kPressY = 4030;

class MapWindow : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        platform::testing::resetForms();
        resetGlobals();
    }
    FrmMain& open() {
        Globals& g = G();
        placeGroup(g.GnTableAsse[3], 9000, 4000, 2, 1);
        placeGroup(g.GnTableAsse[4], 9050, 4020, 1, 5);
        placeGroup(g.GnTableAlle[2], 0, 0, 1, 5);
        g.GnTableAlle[2][GnCol::OffMap] = 1;
        g.GnTableAlle[2][GnCol::OffMapDistance] = 601;
        g.BaseTable[1][BaseCol::AircraftPresent] = 9;
        g.BaseTable[1][BaseCol::ShipsPresent] = 1;
        g.BaseTable[1][BaseCol::DamagePercent] = 20;
        testcampaign::write();
        testcampaign::shipsForGroups(kAllies);
        shipfiles::addShip(kAxis,
                           {{F::NOME, "Zara"}, {F::TIPO, "IP"}, {F::CLASSE, "Zara"}, {F::NUMERO_GN, 3}});
        shipfiles::addShip(kAxis,
                           {{F::NOME, "Fiume"}, {F::TIPO, "IP"}, {F::NUMERO_GN, 3}, {F::INCENDI_ATTIVI, 1}});
        shipfiles::addShip(kAxis, {{F::NOME, "Pola"}, {F::TIPO, "IP"}, {F::PORTO, 1}});
        shipfiles::addShip(kAxis, {{F::NOME, "Trento"}, {F::TIPO, "IP"}, {F::NUMERO_GN, 4}});
        AircraftRecord a;
        a.setText(recordformat::aircraft::Nome, QStringLiteral("SM 79"));
        a.setText(recordformat::aircraft::Ruolo, QStringLiteral("BLR"));
        a.setNumber(recordformat::aircraft::Pronti, 9);
        openAircraftFile(20, baseAircraftFilePath(1), kAxis);
        appendAircraft(20, a);
        G().Files.close(20);
        testcampaign::choose();
        EXPECT_TRUE(apriGioco());
        return form<FrmMain>();
    }
    static void placeGroup(Int16* r, int x, int y, int ships, int order) {
        r[GnCol::InUse] = 1;
        r[GnCol::X] = x;
        r[GnCol::Y] = y;
        r[GnCol::Ships] = ships;
        r[GnCol::Order] = order;
        r[GnCol::Knots] = 20;
        r[GnCol::Course] = 5;
    }
    static void takeSide(FrmMain& f, int side) {
        f.Command17.doClick();
        (side == kAllies ? f.Command5 : f.Command6).doClick();
    }
    testsupport::ProgramFolder folder;
};

int twipsOf(const FrmMain& f, double mapUnits) {
    return int(std::lround(mapUnits * shownTwipsPerMapUnit(f)));
}

} // namespace

TEST_F(MapWindow, PointerMovesShowWhatLiesUnderThePointer) {
    FrmMain& f = open();
    const int tx = G().BaseMapXY[1][1], ty = G().BaseMapXY[1][2];
    f.PicBitMap.doMouseMove(0, 0, tx + 10.25, ty + 178.5);
    EXPECT_EQ(f.Label1.caption(), QString("%1.25:%2.5").arg(tx + 10).arg(ty + 178));
    EXPECT_EQ(f.Label17.caption(), "TARANTO\r\n") << "by name only with no side in play";
    EXPECT_EQ(f.Label83.caption(), "TARANTO\r\n");
    EXPECT_EQ(f.Label83.borderStyle(), 1);
    // Beside the pointer rounded half to even (757 + 178.5 is 935.5, rounded to 936).
    EXPECT_NEAR(f.Label83.left(), twipsOf(f, tx + 10 - 1000), 2);
    EXPECT_NEAR(f.Label83.top(), twipsOf(f, 936 + 400), 2);

    takeSide(f, kAxis);
    f.PicBitMap.doMouseMove(0, 0, tx + 90, ty + 90);
    EXPECT_EQ(f.Label17.caption(), "TARANTO a:9/0 n:1/10\r\n");
    f.PicBitMap.doMouseMove(0, 0, kPressX, kPressY);
    EXPECT_EQ(f.Label17.caption(), "GN: 3 N:2 K:20 [Tr]>EST \r\nGN: 4 N:1 K:20 [Ag]>EST \r\n");
    EXPECT_EQ(f.Label83.height(), 2 * 225) << "two lines high";
    EXPECT_NEAR(f.Label83.left(), twipsOf(f, 9050 - 3200), 2) << "beside the last group, to the left";
    EXPECT_NEAR(f.Label83.top(), twipsOf(f, 4020 - 600), 2);

    // Air groups join the hover only in the air view.
    Int16* ga = G().GaTableAsse[6];
    ga[GaCol::InUse] = 1;
    ga[GaCol::X] = kPressX + 80;
    ga[GaCol::Y] = kPressY - 80;
    f.PicBitMap.doMouseMove(0, 0, kPressX, kPressY);
    EXPECT_EQ(f.Label83.caption().count("GA:"), 0);
    G().AirMode = 1;
    f.PicBitMap.doMouseMove(0, 0, kPressX, kPressY);
    EXPECT_TRUE(f.Label83.caption().endsWith("GA: 6 (0.0.0) St:0 \r\n")) << f.Label83.caption().toStdString();
    EXPECT_EQ(f.Label17.caption().count("GA:"), 0) << "the message line names no air groups";

    f.Label17.setCaption(QStringLiteral("un messaggio"));
    f.PicBitMap.doMouseMove(0, 0, 9000, 6000);
    EXPECT_EQ(f.Label17.caption(), "") << "open sea clears the message line";
    EXPECT_EQ(f.Label83.borderStyle(), 0);
}

TEST_F(MapWindow, APressOnAnOwnBaseOpensItsPanel) {
    FrmMain& f = open();
    takeSide(f, kAxis);
    G().BasesMode = 1;
    const int tx = G().BaseMapXY[1][1], ty = G().BaseMapXY[1][2];
    f.PicBitMap.doMouseDown(vbLeftButton, 0, tx + 180, ty);
    f.PicBitMap.doClick();
    EXPECT_EQ(G().SelectedBase, 1);
    EXPECT_TRUE(f.Frame4.visible());
    EXPECT_FALSE(f.Frame7.visible());
    EXPECT_EQ(f.Frame4.caption(), "TARANTO Base/Aereoporto");
    EXPECT_EQ(f.Label36.caption(), "9/0/30");
    EXPECT_EQ(f.Label37.caption(), "20%");
    EXPECT_EQ(f.Label38.caption(), "2 %") << "the Axis floor";
    EXPECT_EQ(f.Label40.caption(), "0/15");
    EXPECT_TRUE(f.Label49.enabled());
    EXPECT_TRUE(f.Image2.hasPicture() && f.Image3.hasPicture() && f.Image4.hasPicture());
    ASSERT_EQ(f.List1.listCount(), 1);
    EXPECT_TRUE(f.List1.list(0).startsWith("BLR_SM 79 "));
    EXPECT_EQ(f.PicBitMap.point(tx, ty + 100), vbGreen) << "the chosen base's square";

    // The port side lists the ships in port; a ship picked there shows its card.
    f.ListaNaviBaseGN();
    ASSERT_EQ(f.List3.listCount(), 1);
    EXPECT_EQ(f.List3.list(0), "IP_Pola      ");
    G().SelectedItem = f.List3.itemData(0);
    f.SchedaNaveDaLista();
    EXPECT_TRUE(f.Frame11.visible());
    EXPECT_EQ(f.Frame11.caption(), "IP Pola (Classe)");
    EXPECT_TRUE(f.PicShip.hasPicture()) << "the placeholder";

    // The enemy's base is not picked; the panels close and the side panel stays.
    const int mx = G().BaseMapXY[12][1], my = G().BaseMapXY[12][2];
    f.PicBitMap.doMouseDown(vbLeftButton, 0, mx + 90, my + 90);
    EXPECT_EQ(G().SelectedBase, 1);
    EXPECT_FALSE(f.Frame4.visible());
    EXPECT_TRUE(f.Frame3.visible());
}

TEST_F(MapWindow, PopupListOfTheGroupsUnderAPressAndTheirShips) {
    FrmMain& f = open();
    takeSide(f, kAxis);
    f.PicBitMap.doMouseDown(vbLeftButton, 0, kPressX, kPressY);
    ASSERT_TRUE(f.List12.visible());
    ASSERT_EQ(f.List12.listCount(), 2);
    EXPECT_EQ(f.List12.list(0), "GN 3 n2 k20 Tr>EST (o--0)");
    EXPECT_EQ(f.List12.itemData(1), 4);
    EXPECT_EQ(G().GnOrder, 5) << "the order of the last group listed";
    EXPECT_NEAR(f.List12.left(), twipsOf(f, 9050 - 3400), 2);
    EXPECT_NEAR(f.List12.top(), twipsOf(f, 4020 - 1300), 2);
    EXPECT_NEAR(f.Frame11.top(), twipsOf(f, 4020 - 1600), 2);

    f.List12_DblClick();
    EXPECT_EQ(f.Label17.caption(), "ERRORE: NON AMMESSO SE CREA GN E' ATTIVO")
        << "groups, not ships, are listed";

    f.List12.doPick(0);
    ASSERT_EQ(f.List12.listCount(), 2);
    EXPECT_EQ(f.List12.list(0), "GN:3 IP Zara");
    EXPECT_EQ(f.List12.list(1), "GN:3 IP Fiume [I]");
    EXPECT_TRUE(f.Label17.caption().startsWith("o=Oper c=Cargo"));
    f.List12.doPick(1);
    EXPECT_EQ(f.List12.list(0), "GN:3 IP Zara") << "a second click does not rebuild the list";

    f.List12.doPickDouble(1);
    EXPECT_TRUE(f.Frame11.visible());
    EXPECT_EQ(f.Frame11.caption(), "IP Fiume (Classe)");
    EXPECT_EQ(f.Label4[15].caption(), "1");
    EXPECT_EQ(f.Label4[15].foreColor(), vbRed) << "on fire";
    EXPECT_EQ(f.Label2.caption(), "  KN.kn         RE.re           OP.op       CG.cg  ");

    // A press on open sea hides the list and the card.
    f.PicBitMap.doMouseDown(vbLeftButton, 0, 9000, 6000);
    EXPECT_FALSE(f.List12.visible());
    EXPECT_EQ(f.List12.listCount(), 0);
    EXPECT_FALSE(f.Frame11.visible());
}

TEST_F(MapWindow, APatrolPicksItsGroupOnTheMap) {
    FrmMain& f = open();
    takeSide(f, kAxis);
    G().AirMode = 1;
    G().AirOrder = kOrderCap;
    G().MapClickMode = 3;
    // A group picked in the air panel, with both presses within its range and endurance.
    G().GaTableAsse[1][GaCol::InUse] = 1;
    f.IndiceAereo = 1;
    G().RangeCentreX = 9000;
    G().RangeCentreY = 4000;
    G().MissionRadius = 5000;
    G().MissionMiles = 200;
    G().UsableEndurance = 40;
    f.PicBitMap.doMouseMove(0, 0, 9000, 6000);
    f.PicBitMap.doMouseDown(vbLeftButton, 0, 9000.4, 6000.5);
    EXPECT_EQ(G().TargetPoint[0], 9000);
    EXPECT_EQ(G().TargetPoint[1], 6000) << "half to even";
    EXPECT_FALSE(f.Command20.visible()) << "nothing under an empty sea";
    EXPECT_FALSE(f.Command24.enabled());
    EXPECT_EQ(f.List11.listCount(), 0);

    f.PicBitMap.doMouseMove(0, 0, 9000, 4000);
    f.PicBitMap.doMouseDown(vbLeftButton, 0, 9000, 4000);
    EXPECT_TRUE(f.Command20.visible());
    ASSERT_EQ(f.List11.listCount(), 1) << "the box's corner belongs to it";
    EXPECT_EQ(f.List11.list(0), "GN: 3 Nv:2 Kn:20 R:EST*");
    f.List11.doPick(0);
    EXPECT_EQ(G().CapTargetGn, 3);
    EXPECT_TRUE(f.Command24.visible());
}

TEST_F(MapWindow, AnAlliedGroupChoosesItsEntryPointAtTheMapEdge) {
    FrmMain& f = open();
    takeSide(f, kAllies);
    G().SelectedItem = 2;
    f.IngressoGN();
    EXPECT_EQ(f.EntryMode, 5);
    EXPECT_EQ(f.Label17.caption(), "CLICK MAPPA (AREA ROSSA)- PUNTO DI INGRESSO DA GIBILTERRA");
    f.PicBitMap.doMouseDown(vbLeftButton, 0, 7000, 2000.5);
    EXPECT_EQ(G().GnTableAlle[2][GnCol::EntryY], 2000) << "any x; half to even";
    EXPECT_EQ(f.EntryMode, 0);
    EXPECT_EQ(f.PicBitMap.point(100, 2025), vbRed) << "the marker at the new y";
    EXPECT_FALSE(f.List12.visible()) << "the entry press ends there";

    f.IngressoGN();
    f.PicBitMap.doMouseDown(vbLeftButton, 0, 100, 3720);
    EXPECT_EQ(G().GnTableAlle[2][GnCol::EntryY], 2000) << "the strip's edge is outside it";

    G().GnTableAlle[2][GnCol::OffMapDistance] = 600;
    f.IngressoGN();
    EXPECT_EQ(f.Label17.caption(), "NON AMMESSO! TEMPO DI REAZIONE SOTTO IL LIMITE (600 su 600)");
    f.PicBitMap.doMouseDown(vbLeftButton, 0, 100, 2500);
    EXPECT_EQ(G().GnTableAlle[2][GnCol::EntryY], 2000);

    // The Axis never enters from the edges: an armed mode stays, the press is an ordinary one.
    f.Command4.doClick();
    takeSide(f, kAxis);
    f.EntryMode = 5;
    f.PicBitMap.doMouseDown(vbLeftButton, 0, kPressX, kPressY);
    EXPECT_EQ(f.EntryMode, 5);
    EXPECT_TRUE(f.List12.visible());
}

TEST_F(MapWindow, FilterButtonsWipeTheDrawingsAndCardsSurviveMissingPictures) {
    FrmMain& f = open();
    takeSide(f, kAxis);
    f.keepCleanMap();
    f.PicBitMap.line(8000, 5000, 9000, 5000, vbWhite);
    ASSERT_EQ(f.PicBitMap.point(8500, 5000), vbWhite);
    f.Option2[1].doClick();
    EXPECT_NE(f.PicBitMap.point(8500, 5000), vbWhite);
    EXPECT_EQ(G().NavalListFilter, 1);
    f.Label89.setCaption(QStringLiteral("x"));
    f.Option1[3].doClick();
    EXPECT_EQ(G().AirListFilter, 3);
    EXPECT_EQ(f.Label89.caption(), "");

    // Without the placeholder the card's picture is blank; the card still shows.
    QFile::remove(folder.file("Data/immagini/navi/nondisp.bmp"));
    f.PicBitMap.doMouseDown(vbLeftButton, 0, kPressX, kPressY);
    f.List12.doPick(0);
    f.List12.doPickDouble(0);
    EXPECT_TRUE(f.Frame11.visible());
    EXPECT_EQ(f.Frame11.caption(), "IP Zara (Zara)");
    EXPECT_FALSE(f.PicShip.hasPicture());
}
