// The rules of the port without a window: the hours an order takes, the orders a ship refuses, and
// the row of a group leaving an off-map Allied base.
#include "game/orders/NavalOrders.h"
#include "game/orders/PortGroups.h"
#include "game/orders/PortOrders.h"

#include "common/Globals.h"
#include "common/GroupTables.h"

#include <gtest/gtest.h>

namespace F = recordformat::ship;
using recordformat::ShipRecord;

namespace {
ShipRecord shipWith(const QString& type, int hold, int cargo, int operativity, int current) {
    ShipRecord s;
    s.setText(F::TIPO, type);
    s.setNumber(F::CARGO, hold);
    s.setNumber(F::CARGOM, cargo);
    s.setNumber(F::OPERATIVITA, operativity);
    s.setNumber(F::OPERATIVITAM, current);
    return s;
}
} // namespace

TEST(PortRules, HoursAreRoundedHalfToEvenAndNeverBelowOne) {
    EXPECT_EQ(portOrderHours(200, 30), 7);
    EXPECT_EQ(portOrderHours(10, 300), 1);
    EXPECT_EQ(portOrderHours(5, 2), 2);
    EXPECT_EQ(portOrderHours(7, 2), 4);
    // A port yielding no work counts as one unit an hour.
    EXPECT_EQ(portOrderHours(6, -2), 6);
}

TEST(PortRules, OrdersThatMakeNoSenseForTheShipAreNotGiven) {
    // A tanker with a full hold gets no load order, however low its operativity.
    ShipRecord fullTanker = shipWith(QStringLiteral("PT"), 100, 100, 100, 60);
    EXPECT_FALSE(decidePortOrder(PortOrder::Load, fullTanker, 10).given);
    // A tanker's load counts the fuel too: 40 missing of operativity is 40 / 100 * 95 / 3 = 12.67.
    ShipRecord tanker = shipWith(QStringLiteral("PT"), 100, 90, 100, 60);
    const PortOrderDecision load = decidePortOrder(PortOrder::Load, tanker, 1);
    EXPECT_EQ(load.hours, 23);
    EXPECT_EQ(tanker.whole(F::MISSIONE), 6);
    // An empty tanker unloads down to an operativity of 21, not 20.
    ShipRecord emptyTanker = shipWith(QStringLiteral("PT"), 100, 0, 100, 21);
    EXPECT_TRUE(decidePortOrder(PortOrder::Unload, emptyTanker, 1).given);
    emptyTanker.setNumber(F::OPERATIVITAM, 20);
    EXPECT_FALSE(decidePortOrder(PortOrder::Unload, emptyTanker, 1).given);
    ShipRecord emptyCargo = shipWith(QStringLiteral("MC"), 100, 0, 100, 100);
    EXPECT_FALSE(decidePortOrder(PortOrder::Unload, emptyCargo, 1).given);
    EXPECT_FALSE(decidePortOrder(PortOrder::Refuel, emptyCargo, 1).given);
    // Refuelling runs at twice the rate of loading.
    ShipRecord thirsty = shipWith(QStringLiteral("CT"), 0, 0, 100, 40);
    EXPECT_EQ(decidePortOrder(PortOrder::Refuel, thirsty, 10).hours, 3);
}

TEST(PortRules, AlliedGroupsFromTheOffMapBasesStartOnTheirRun) {
    resetGlobals();
    G().BaseMapXY[kGibraltarBase][1] = 500;
    EXPECT_EQ(writeDepartingGroup(kAllies, kGibraltarBase, 4, 2, 0), 1);
    const Int16* gib = G().GnTableAlle[4];
    EXPECT_EQ(gib[GnCol::OffMapDistance], 9600);
    EXPECT_EQ(gib[GnCol::OffMap], 1);
    EXPECT_EQ(gib[GnCol::X], 0);
    EXPECT_EQ(writeDepartingGroup(kAllies, kAlexandriaBase, 5, 2, 0), 2);
    EXPECT_EQ(G().GnTableAlle[5][GnCol::OffMapDistance], 3000);
    EXPECT_EQ(G().GnTableAlle[5][GnCol::OffMap], 2);
    // The Axis never starts off the map.
    EXPECT_EQ(writeDepartingGroup(kAxis, kGibraltarBase, 6, 2, 0), 0);
    EXPECT_EQ(G().GnTableAsse[6][GnCol::OffMap], 0);
    EXPECT_EQ(G().GnTableAsse[6][GnCol::OffMapDistance], 0);
    resetGlobals();
}
