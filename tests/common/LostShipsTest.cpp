#include "common/LostShips.h"

#include "CampaignFixture.h"
#include "common/Globals.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}
} // namespace

TEST(LostShips, AShipSunkInAGroupIsAppendedByteForByte) {
    CampaignFolder campaign;
    Globals& g = G();
    g.setState(1, 4);
    g.setState(2, 13);
    g.CurrentSide = kAxis;
    g.GnTableAsse[3][17] = 0;
    g.GnTableAsse[3][25] = 1234;
    g.GnTableAsse[3][26] = 2345;
    g.setState(33, 1000);

    SunkShip ship;
    ship.record = 2;
    ship.group = 3;
    ship.tonnage = 5200;
    ship.operativity = 37;
    ship.cargo = 4;
    ship.type = "IL";
    ship.name = "Giovanni delle Bande Nere     ";
    ship.shipClass = 1;
    ScriviNavePersa(ship);

    // In a port, at sea in no group: place and point 0, the port kept.
    g.CurrentSide = kAllies;
    SunkShip moored;
    moored.record = 7;
    moored.tonnage = 70000;
    moored.operativity = 1;
    moored.port = 12;
    moored.type = "MR";
    moored.name = "Empire";
    moored.shipClass = 2;
    ScriviNavePersa(moored);

    const QByteArray expected =
        hex("0400 0d00 0000 0200 0200") + "IL" + "Giovanni d" +
        hex("50140000 2500 0000 0300 0000 0000 d204 2909 000000000000") + hex("0400 0d00 0000 0100 0700") +
        "MR" + "Empire    " + hex("70110100 0100 0000 0000 0000 0c00 0000 0000 000000000000");
    EXPECT_EQ(testsupport::readBytes(campaign.game("Provalostship.dat")).toHex(), expected.toHex());
    EXPECT_EQ(lostShipCount(), 2);

    const LostShipRecord back = readLostShip(1);
    EXPECT_EQ(back.Name, "Giovanni d");
    EXPECT_EQ(back.Tonnage, 5200);
    EXPECT_EQ(back.X, 1234);
    EXPECT_EQ(readLostShip(2).Port, 12);

    EXPECT_EQ(g.GameState[19], "1") << "Axis ships lost";
    EXPECT_EQ(g.GameState[35], "41") << "operativity and cargo";
    EXPECT_EQ(g.GameState[33], "6200") << "Axis warship tonnage";
    EXPECT_EQ(g.GameState[17], "1");
    EXPECT_EQ(g.GameState[25], "1");
    EXPECT_EQ(g.GameState[22], "70000") << "Allied merchant tonnage";
    EXPECT_EQ(g.GameState[23], "0");
}

TEST(LostShips, AValueBeyondItsFieldIsRefused) {
    LostShipRecord r;
    r.X = 40000;
    EXPECT_THROW(encodeLostShip(r), platform::RangeError);
}
