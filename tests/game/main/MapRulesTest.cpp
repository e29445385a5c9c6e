// The texts, places and values the map and its panels show, without a window.
#include "game/main/MapRules.h"
#include "game/main/BasePanel.h"
#include "game/main/UnitCards.h"

#include "common/Globals.h"
#include "platform/Colors.h"

#include <gtest/gtest.h>

using namespace platform;
namespace ship = recordformat::ship;
namespace aircraft = recordformat::aircraft;
using recordformat::AircraftRecord;
using recordformat::ShipRecord;

namespace {
class MapRules : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        Globals& g = G();
        g.BaseNames[12] = QStringLiteral("MALTA HQ");
        g.NavalOrderNames[1] = QStringLiteral("Transito");
        g.CompassNames[3] = QStringLiteral("NORD-EST");
        g.AirOrderNames[2] = QStringLiteral("CAP SU GN (Click GN)");
        g.AirOrderNames[4] = QStringLiteral("RICOGNIZIONE (Clicca Mappa)");
    }
    void TearDown() override { resetGlobals(); }
};
} // namespace

// (The hover lines of bases and naval groups are checked through the window.)
TEST_F(MapRules, HoverLinesOfAirGroupsAndOffMapGroups) {
    Globals& g = G();
    g.GnTableAlle[7][GnCol::InUse] = 1;
    g.GnTableAlle[7][GnCol::OffMap] = 1;
    EXPECT_FALSE(navalGroupShownOnHover(kAllies, 7)) << "an Allied group waiting off the map";
    EXPECT_EQ(baseHoverText(kAxis, 12), "MALTA HQ\r\n") << "the enemy's base by name only";

    Int16* ga = g.GaTableAlle[12];
    ga[GaCol::Aircraft] = 9;
    ga[GaCol::Damaged] = 1;
    ga[GaCol::ShotDown] = 2;
    ga[GaCol::FlightHours] = 3;
    ga[GaCol::Order] = kOrderCap;
    ga[GaCol::InAction] = 6;
    g.GaNamesAlle[12][3] = QStringLiteral("CPT");
    EXPECT_EQ(airGroupHoverLine(kAllies, 12), "GA: 12 (9.1.2)CPT St:3 CAP n°A:6\r\n");
    ga[GaCol::Order] = kOrderRecon;
    EXPECT_EQ(airGroupHoverLine(kAllies, 12), "GA: 12 (9.1.2)CPT St:3 RIC\r\n");
}

TEST_F(MapRules, PopupAndPatrolLines) {
    Int16* gn = G().GnTableAsse[3];
    gn[GnCol::Ships] = 6;
    gn[GnCol::Knots] = 18;
    gn[GnCol::Order] = 1;
    gn[GnCol::Course] = 3;
    gn[GnCol::Fires] = 2;
    gn[GnCol::RouteHours] = 12;
    EXPECT_EQ(popupGroupLine(kAxis, 3), "GN 3 n6 k18 Tr>NORD-EST (oi-12)");
    gn[GnCol::PatrolGroups] = 1;
    gn[GnCol::MinOperativity] = 2;
    gn[GnCol::Fires] = 0;
    EXPECT_EQ(popupGroupLine(kAxis, 3), "GN 3 n6 k18 Tr>NORD-EST (--§12)");
    EXPECT_EQ(capGroupLine(kAxis, 3), "GN: 3 Nv:6 Kn:18 R:NORD-EST*");
    G().GnTableAlle[3][GnCol::Course] = 3;
    EXPECT_EQ(capGroupLine(kAllies, 3), "GN: 3 N:0 K:0 R:NORD-EST*");
}

TEST_F(MapRules, PlacesBesideAGroup) {
    EXPECT_EQ(popupSpot(7599, 2450).left, 7999);
    EXPECT_EQ(popupSpot(7599, 2450).listTop, 2850);
    EXPECT_EQ(popupSpot(7599, 2450).cardTop, 2850);
    EXPECT_EQ(popupSpot(7600, 2451).left, 4200);
    EXPECT_EQ(popupSpot(7600, 2451).listTop, 1151);
    EXPECT_EQ(popupSpot(7600, 2451).cardTop, 851);
    EXPECT_EQ(hoverLabelSpot(7599, 2450).left, 7999);
    EXPECT_EQ(hoverLabelSpot(7599, 2450).top, 2850);
    EXPECT_EQ(hoverLabelSpot(7600, 2451).left, 4400);
    EXPECT_EQ(hoverLabelSpot(7600, 2451).top, 1851);
}

TEST_F(MapRules, EntryStrips) {
    EXPECT_EQ(entryStripFor(5, 1)->mode, 5);
    EXPECT_EQ(entryStripFor(4, 2)->mode, 4);
    EXPECT_EQ(entryStripFor(4, 1), nullptr) << "a Gibraltar group heading away from the map";
    EXPECT_EQ(entryStripFor(5, 0), nullptr) << "a group on the map";
    EXPECT_FALSE(entryYAccepted(*entryStripOf(5), 60, 900)) << "(the Gibraltar strip through the window)";
    const EntryStrip& alex = *entryStripOf(4);
    EXPECT_TRUE(entryYAccepted(alex, 4546, 900));
    EXPECT_FALSE(entryYAccepted(alex, 4545, 900));
    EXPECT_FALSE(entryYAccepted(alex, 6930, 900));
}

TEST_F(MapRules, BasePanelValues) {
    Globals& g = G();
    EXPECT_EQ(baseLevelIcon(1), "star3.ico");
    EXPECT_EQ(baseLevelIcon(4), "star2.ico");
    EXPECT_EQ(baseLevelIcon(6), "star1.ico");
    EXPECT_EQ(baseLevelIcon(0), "star1.ico");
    EXPECT_EQ(portLevelIcon(1, 3), "porto2.ico");
    EXPECT_EQ(portLevelIcon(1, 0), "") << "no icon";
    for (int noPort : {10, 11, 13}) EXPECT_EQ(portLevelIcon(noPort, 5), "kvz.ico");
    EXPECT_EQ(airfieldLevelIcon(5), "aerop3.ico");
    EXPECT_EQ(airfieldLevelIcon(0), "kvz.ico");

    g.GameSettings[18] = 70;
    g.GameSettings[19] = 70;
    g.BaseTable[12][BaseCol::DamagePercent] = 10;
    g.BaseLevel[12] = 2;
    g.setState(StateItem::Weather, 1);
    EXPECT_EQ(activationPercent(kAllies, 12), 56);
    g.BaseTable[12][BaseCol::DamagePercent] = 90;
    EXPECT_EQ(activationPercent(kAllies, 12), 5);
    EXPECT_EQ(activationPercent(kAxis, 12), 2);
    EXPECT_EQ(activationPercent(0, 12), std::nullopt) << "no side in play: the label is left";
    g.setState(StateItem::Weather, 0);
    g.GameSettings[19] = 35; // 35 x 1.1 = 38.5: halves go to the even neighbour
    EXPECT_EQ(activationPercent(kAxis, 1), 38);
    g.GameSettings[19] = 80;
    EXPECT_EQ(activationPercent(kAxis, 1), 80) << "88 limited to 80";

    g.GameSettings[16] = 3;
    g.BaseAirfieldLevel[12] = 2;
    EXPECT_EQ(maxAircraftInFlight(kAllies, 12), 15) << "Int(3 / 4 x 20)";
    g.BaseAirfieldLevel[12] = 3;
    g.BaseTable[12][BaseCol::ActivationAttempts] = 10;
    EXPECT_EQ(allowedActivationAttempts(12), 10);
    EXPECT_TRUE(activationAttemptsUsed(12));
    g.BaseTable[12][BaseCol::ActivationAttempts] = 9;
    EXPECT_FALSE(activationAttemptsUsed(12));

    // A base of level 0 divides by nothing: no limit.
    g.BaseAirfieldLevel[1] = 0;
    g.BaseLevel[1] = 0;
    EXPECT_EQ(maxAircraftInFlight(kAxis, 1), kNoLimit);
    EXPECT_EQ(allowedActivationAttempts(1), kNoLimit);
    EXPECT_FALSE(activationAttemptsUsed(1));

    g.BasePoints[12] = 40;
    g.BaseTable[12][BaseCol::PointsUsed] = 15;
    g.BaseTable[12][BaseCol::PointsArrived] = 5;
    EXPECT_EQ(basePointsAvailable(12), 30);
}

TEST_F(MapRules, ShipCardRedWhereTheShipIsBelowItsNominalValues) {
    ShipRecord s;
    s.setText(ship::CLASSE, QStringLiteral("Navigatori   "));
    s.setText(ship::NOME, QStringLiteral("Lanzerotto Malocello"));
    s.setText(ship::TIPO, QStringLiteral("CT"));
    for (int f : {ship::RESISTENZA, ship::RESISTENZAM, ship::D_TIROM, ship::DIR_TIRO}) s.setNumber(f, 20);
    UnitCard card = shipCard(s);
    EXPECT_EQ(card.caption, "CT Lanzerotto Malocello (Navigatori)");
    EXPECT_TRUE(card.picture.endsWith("\\immagini\\navi\\Navigatori.bmp"));
    EXPECT_EQ(card.cells[2].colour, kKeepColour) << "nominal values keep their colour";
    EXPECT_EQ(card.cells[3].colour, vbBlack);
    s.setNumber(ship::RESISTENZAM, 7);
    s.setNumber(ship::D_TIROM, 21);
    card = shipCard(s);
    EXPECT_EQ(card.cells[3].text, "7");
    EXPECT_EQ(card.cells[3].colour, vbRed);
    EXPECT_EQ(card.cells[16].colour, vbBlack) << "above its nominal value";
}

TEST_F(MapRules, AircraftCard) {
    AircraftRecord a;
    a.setText(aircraft::Nazione, QStringLiteral("ITALIA"));
    a.setText(aircraft::Nome, QStringLiteral("SM 79 Sparviero"));
    a.setText(aircraft::Ruolo, QStringLiteral("BL"));
    a.setNumber(aircraft::Velocita, 430);
    a.setNumber(aircraft::Silurante, 1);
    a.setNumber(aircraft::Imbarcato, 2);
    a.setNumber(aircraft::Pronti, 6);
    const UnitCard card = aircraftCard(a);
    EXPECT_EQ(card.caption, "BL  SM 79 Sparviero") << "the role as stored";
    EXPECT_EQ(card.cells[0].text, "430");
    EXPECT_EQ(card.cells[2].text, "BL");
    EXPECT_EQ(card.cells[3].text, "IT");
    EXPECT_EQ(card.cells[8].text, "1");
    EXPECT_EQ(card.cells[12].text, "si") << "any value but 0 is a carrier aircraft";
    EXPECT_EQ(card.cells[14].text, "6");
    EXPECT_EQ(card.cells[16].colour, vbBlack);
    a.setNumber(aircraft::Persi, 2);
    EXPECT_EQ(aircraftCard(a).cells[16].colour, vbRed);
    a.setNumber(aircraft::Imbarcato, 0);
    EXPECT_EQ(aircraftCard(a).cells[12].text, "no");
}
