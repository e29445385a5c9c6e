// The base and port panel as a player drives it: a group formed at TARANTO and sent off, a ship
// docked back, the port orders with their estimate finished by the hourly port passes, the
// dockyard, and the ships of a group left in port returned when the campaign opens again.
#include "game/main/FrmMain.h"
#include "game/main/HourPhases.h"
#include "game/orders/PortGroups.h"
#include "game/orders/PortOrders.h"

#include "common/DataFolder.h"
#include "common/Dice.h"
#include "platform/Dialogs.h"
#include "tests/game/main/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <functional>

using namespace platform;
using platform::testing::beepCount;
using platform::testing::resetBeeps;
namespace F = recordformat::ship;

namespace {

constexpr int kTaranto = 1;

class PortPanel : public MainWindowFixture {
  protected:
    // Four Axis ships lying at TARANTO; the fourth is under repair, the first carries 2 aircraft.
    FrmMain& openAtTaranto() {
        G().BaseTable[kTaranto][BaseCol::ShipsPresent] = 4;
        ships[1] = {
            {.port = kTaranto, .aircraft = 2}, {.port = kTaranto}, {.port = kTaranto}, {.port = kTaranto}};
        FrmMain& f = open();
        patch(kAxis, 4, [](ShipRecord& s) { s.setText(F::MISSIONE, QStringLiteral("5")); });
        return f;
    }
    static void patch(int side, int record, const std::function<void(ShipRecord&)>& change) {
        Globals& g = G();
        g.Files.close(kChannelShips);
        openShipFile(kChannelShips, side);
        readShip(kChannelShips, record);
        change(g.ShipRecordBuffer);
        writeShip(kChannelShips, record);
        g.Files.close(kChannelShips);
    }
    static ShipRecord ship(int side, int record) {
        Globals& g = G();
        g.Files.close(kChannelShips);
        openShipFile(kChannelShips, side);
        readShip(kChannelShips, record);
        g.Files.close(kChannelShips);
        return g.ShipRecordBuffer;
    }
    // The Axis side in base mode with the port panel of TARANTO open.
    static void openPort(FrmMain& f) {
        f.Command17_Click();
        f.Command6_Click();
        f.Command10_Click();
        f.PicBitMap_MouseDown(1, 0, G().BaseMapXY[kTaranto][1], G().BaseMapXY[kTaranto][2]);
        ASSERT_TRUE(f.Frame4.visible());
        f.Command7_Click();
    }
    static void pickInPort(FrmMain& f, int record, bool dbl) {
        for (int i = 0; i < f.List3.listCount(); ++i)
            if (f.List3.itemData(i) == record) return dbl ? f.List3.doPickDouble(i) : f.List3.doPick(i);
        ADD_FAILURE() << "ship " << record << " is not in port";
    }
    // Ships 1..3 formed into a new group at TARANTO.
    static void formThree(FrmMain& f) {
        openPort(f);
        f.Label56_Click();
        for (int r = 1; r <= 3; ++r) pickInPort(f, r, true);
    }
    static int savedBase(int base, int field) {
        return testsupport::readLines(stackFile(QStringLiteral("DatiBasi.dat")))
            .value((base - 1) * kBaseFields + field - 1)
            .toInt();
    }
    static int savedGroup(int n, int column) {
        return testsupport::readLines(stackFile(QStringLiteral("NaviAsse.dat")))
            .value((n - 1) * kGroupColumns + column - 1)
            .toInt();
    }
    static int present() { return G().BaseTable[kTaranto][BaseCol::ShipsPresent]; }
};

} // namespace

TEST_F(PortPanel, AGroupOfThreeFormedAtTarantoLeavesPort) {
    FrmMain& f = openAtTaranto();
    openPort(f);
    ASSERT_TRUE(f.Frame7.visible());
    EXPECT_EQ(f.Frame7.caption(), "TARANTO Porto");
    ASSERT_EQ(f.List3.listCount(), 4);

    // No group yet: a double-click moves nothing.
    pickInPort(f, 1, true);
    EXPECT_EQ(f.List3.listCount(), 4);
    f.Label56_Click();
    EXPECT_EQ(f.Label56.caption(), "1");
    EXPECT_TRUE(f.Command2.enabled());
    EXPECT_FALSE(f.Frame3.visible());
    EXPECT_FALSE(f.Command8.visible());
    // The ship under repair stays in port.
    pickInPort(f, 4, true);
    EXPECT_EQ(f.List4.listCount(), 0);
    for (int r = 1; r <= 3; ++r) pickInPort(f, r, true);
    EXPECT_EQ(f.List3.listCount(), 1);
    EXPECT_EQ(f.List4.listCount(), 3);
    EXPECT_EQ(f.Label58.caption(), "3");
    EXPECT_EQ(present(), 1);
    EXPECT_EQ(ship(kAxis, 2).whole(F::NUMERO_GN), 1);
    EXPECT_EQ(ship(kAxis, 2).whole(F::PORTO), 0);

    f.Command2_Click();
    const Int16* row = G().GnTableAsse[1];
    EXPECT_EQ(row[GnCol::InUse], 1);
    EXPECT_EQ(row[GnCol::Ships], 3);
    EXPECT_EQ(row[GnCol::Order], kNavalTransit);
    EXPECT_EQ(row[GnCol::Side], kAxis);
    EXPECT_EQ(row[GnCol::InFriendlyPort], 1);
    EXPECT_EQ(row[GnCol::Port], kTaranto);
    EXPECT_EQ(row[GnCol::X], G().BaseMapXY[kTaranto][1]);
    EXPECT_EQ(row[GnCol::Y], G().BaseMapXY[kTaranto][2]);
    EXPECT_EQ(row[GnCol::OffMap], 0);
    EXPECT_EQ(savedGroup(1, GnCol::InUse), 1);
    EXPECT_EQ(savedGroup(1, GnCol::Ships), 3);
    EXPECT_EQ(G().BaseTable[kTaranto][BaseCol::PointsUsed], 13);
    EXPECT_EQ(savedBase(kTaranto, BaseCol::PointsUsed), 13);
    EXPECT_EQ(savedBase(kTaranto, BaseCol::ShipsPresent), 1);
    EXPECT_EQ(f.Label56.caption(), "0");
    EXPECT_EQ(f.Label58.caption(), "0");
    EXPECT_FALSE(f.Command2.enabled());
    EXPECT_TRUE(f.Frame3.visible());
    EXPECT_EQ(f.Label17.caption(), "ATT: AGGIORNARE SCHEDE NAVI DEL GN");
    EXPECT_EQ(G().NewGroupNumber, 0);
}

// The hover label left over TARANTO while the player works the port panel follows the ships
// moved into the group; another base's port panel shows neither a ship of TARANTO as picked nor
// the estimate of an order given there.
TEST_F(PortPanel, TheHoverLabelAndThePortPanelShowTheValuesOfNow) {
    FrmMain& f = openAtTaranto();
    patch(kAxis, 4, [](ShipRecord& s) {
        s.setText(F::MISSIONE, QStringLiteral("1"));
        s.setNumber(F::CARGO, 30);
        s.setNumber(F::CARGOM, 0);
    });
    openPort(f);
    const int x = G().BaseMapXY[kTaranto][1], y = G().BaseMapXY[kTaranto][2];
    f.PicBitMap_MouseMove(0, 0, x + 100, y + 100);
    const QString capacity = QString::number(G().BaseShipCapacity[kTaranto]);
    EXPECT_TRUE(f.Label83.caption().startsWith("TARANTO a:0/0 n:4/" + capacity))
        << f.Label83.caption().toStdString();
    f.Label56_Click();
    for (int r = 1; r <= 3; ++r) pickInPort(f, r, true);
    f.Command2_Click();
    EXPECT_TRUE(f.Label83.caption().startsWith("TARANTO a:0/0 n:1/" + capacity))
        << f.Label83.caption().toStdString();

    pickInPort(f, 4, false);
    EXPECT_EQ(f.Label5.caption(), "4");
    f.Image10_Click();
    f.Image19_Click();
    ASSERT_FALSE(f.Label69.caption().isEmpty());
    // NAPOLI picked on the map with the port orders still open.
    f.PicBitMap_MouseDown(1, 0, G().BaseMapXY[2][1], G().BaseMapXY[2][2]);
    f.Command7_Click();
    ASSERT_EQ(f.Frame7.caption(), "NAPOLI Porto");
    EXPECT_EQ(f.Label5.caption(), "");
    EXPECT_EQ(G().SelectedShip, 0);
    f.Image10_Click();
    EXPECT_EQ(f.Label69.caption(), "");
}

TEST_F(PortPanel, MovingAShipInAndOutAndWithdrawingTheNumberLeaveThePortAsItWas) {
    FrmMain& f = openAtTaranto();
    openPort(f);
    f.Label56_Click();
    pickInPort(f, 1, true);
    EXPECT_EQ(G().NewGroupAircraft, 2);
    f.List4.doPickDouble(0);
    EXPECT_EQ(ship(kAxis, 1).whole(F::NUMERO_GN), 0);
    EXPECT_EQ(ship(kAxis, 1).whole(F::PORTO), kTaranto);
    EXPECT_EQ(present(), 4);
    EXPECT_EQ(G().NewGroupAircraft, 0);
    EXPECT_EQ(f.Label58.caption(), "0");
    // The emptied group keeps its number until a second click withdraws it.
    EXPECT_EQ(G().NewGroupNumber, 1);
    f.Label56_Click();
    EXPECT_EQ(G().NewGroupNumber, 0);
    // Leaving with no ship writes nothing.
    f.Label56_Click();
    f.Command2_Click();
    EXPECT_EQ(G().GnTableAsse[1][GnCol::InUse], 0);
    EXPECT_EQ(G().BaseTable[kTaranto][BaseCol::PointsUsed], 0);
}

TEST_F(PortPanel, ShipsOfAGroupLeftInPortGoBackWhenTheCampaignOpens) {
    FrmMain& f = openAtTaranto();
    formThree(f);
    EXPECT_EQ(present(), 1);
    // The game is left before the group sails, and opened again: the player is told.
    unload<FrmMain>();
    testcampaign::choose();
    testsupport::MessageBoxes boxes;
    ASSERT_TRUE(apriGioco());
    ASSERT_EQ(boxes.prompts.size(), 1);
    EXPECT_EQ(boxes.prompts[0],
              "Il gruppo navale 1 (ASSE), in formazione a TARANTO, non era partito: le sue 3 "
              "navi sono tornate in porto (Nave 1, Nave 2, Nave 3).");
    EXPECT_EQ(G().BaseTable[kTaranto][BaseCol::ShipsPresent], 4);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(ship(kAxis, r).whole(F::NUMERO_GN), 0) << r;
        EXPECT_EQ(ship(kAxis, r).whole(F::PORTO), kTaranto) << r;
    }
    // A ship of a free row that was not being formed in port is not moved; the opening refuses
    // its file instead.
    patch(kAxis, 4, [](ShipRecord& s) {
        s.setNumber(F::NUMERO_GN, 30);
        s.setText(F::PORTO, QString());
    });
    G().GnTableAsse[30][GnCol::Port] = 0;
    SalvaTabelleGruppi();
    EXPECT_TRUE(returnStrandedShips().empty());
    EXPECT_EQ(ship(kAxis, 4).whole(F::NUMERO_GN), 30);
    unload<FrmMain>();
    testcampaign::choose();
    EXPECT_FALSE(apriGioco());
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("NaviAsseProva.dat")) << errors.messages[0].toStdString();
    EXPECT_EQ(ship(kAxis, 4).whole(F::NUMERO_GN), 30);
}

TEST_F(PortPanel, AShipDocksBackIntoPortAndTheLastClosesTheGroup) {
    FrmMain& f = openAtTaranto();
    formThree(f);
    f.Command2_Click();
    // The group in the naval panel, its first ship picked in its list.
    f.Command3_Click();
    f.List2.doPick(0);
    ASSERT_EQ(G().SelectedGn, 1);
    ASSERT_EQ(G().BaseUnderGn, kTaranto);
    patch(kAxis, 2, [](ShipRecord& s) { s.setNumber(F::OPERATIVITAM, 5); });
    resetBeeps();
    G().SelectedShip = 2;
    f.Image11_Click();
    const ShipRecord docked = ship(kAxis, 2);
    EXPECT_EQ(docked.whole(F::PORTO), kTaranto);
    EXPECT_EQ(docked.whole(F::NUMERO_GN), 0);
    EXPECT_EQ(docked.whole(F::MISSIONE), 1);
    EXPECT_EQ(docked.whole(F::OPERATIVITAM), 4);
    EXPECT_EQ(present(), 2);
    EXPECT_EQ(savedBase(kTaranto, BaseCol::ShipsPresent), 2);
    EXPECT_EQ(G().GnTableAsse[1][GnCol::Ships], 2);
    EXPECT_EQ(f.Label76.caption(), "2/10");
    EXPECT_EQ(f.List5.listCount(), 2);
    // The same ship twice: a beep, nothing written.
    f.Image11_Click();
    EXPECT_EQ(beepCount(), 1);
    EXPECT_EQ(present(), 2);

    // A full port refuses.
    G().BaseTable[kTaranto][BaseCol::ShipsPresent] = 10;
    G().SelectedShip = 1;
    f.Image11_Click();
    EXPECT_EQ(f.Label17.caption(), "Il porto è saturo di navi");
    EXPECT_EQ(ship(kAxis, 1).whole(F::NUMERO_GN), 1);
    G().BaseTable[kTaranto][BaseCol::ShipsPresent] = 2;

    // A ship of no group is not written.
    G().SelectedShip = 4;
    f.Image11_Click();
    EXPECT_EQ(beepCount(), 2);
    EXPECT_EQ(ship(kAxis, 4).whole(F::MISSIONE), 5);
    for (int r : {1, 3}) {
        G().SelectedShip = r;
        f.Image11_Click();
    }
    EXPECT_EQ(G().SelectedGn, 0);
    EXPECT_EQ(G().SelectedBase, 0);
    EXPECT_EQ(G().GnTableAsse[1][GnCol::InUse], 0);
    EXPECT_EQ(present(), 4);
}

TEST_F(PortPanel, EachPortOrderIsEstimatedAndFinishedByTheHourlyPass) {
    FrmMain& f = openAtTaranto();
    // Hold 30 and empty; operativity 100 at 70; hull 100 at 60; cargo 12 to unload.
    patch(kAxis, 1, [](ShipRecord& s) {
        s.setNumber(F::CARGO, 30);
        s.setNumber(F::CARGOM, 0);
    });
    patch(kAxis, 2, [](ShipRecord& s) {
        s.setNumber(F::OPERATIVITA, 100);
        s.setNumber(F::OPERATIVITAM, 70);
    });
    patch(kAxis, 3, [](ShipRecord& s) {
        s.setNumber(F::CARGO, 30);
        s.setNumber(F::CARGOM, 12);
    });
    patch(kAxis, 4, [](ShipRecord& s) {
        s.setText(F::MISSIONE, QStringLiteral("1"));
        s.setNumber(F::RESISTENZAM, 49);
    });
    G().BasePoints[kTaranto] = 1000;
    openPort(f);
    f.Image10_Click();
    ASSERT_TRUE(f.Frame21.visible());
    EXPECT_FALSE(f.Command8.enabled());

    // No ship picked: the order goes nowhere.
    resetBeeps();
    f.Image19_Click();
    EXPECT_EQ(beepCount(), 1);

    // The port of the test campaign works 3 units an hour: Int((0 + 12) / (3 + 1)).
    struct Case {
        int record;
        void (FrmMain::*order)();
        int mission;
        QString hours;
        void (*pass)();
        int field;
        int finished;
    };
    const Case cases[] = {
        {1, &FrmMain::Image19_Click, 6, QStringLiteral("10"), FaseCAR, F::CARGOM, 30},
        {2, &FrmMain::Image21_Click, 8, QStringLiteral("5"), FaseRIF, F::OPERATIVITAM, 100},
        {3, &FrmMain::Image20_Click, 7, QStringLiteral("4"), FaseSCA, F::CARGOM, 0},
    };
    for (const Case& c : cases) {
        pickInPort(f, c.record, false);
        (f.*c.order)();
        EXPECT_EQ(f.Label69.caption(), c.hours) << c.record;
        EXPECT_EQ(ship(kAxis, c.record).whole(F::MISSIONE), c.mission) << c.record;
        const int hours = c.hours.toInt();
        for (int h = 1; h <= hours; ++h) c.pass();
        EXPECT_EQ(ship(kAxis, c.record).whole(c.field), c.finished) << c.record;
        EXPECT_EQ(ship(kAxis, c.record).whole(F::MISSIONE), 1) << c.record;
    }
    EXPECT_EQ(G().BaseTable[kTaranto][BaseCol::PointsUsed], 60);
    EXPECT_EQ(G().BaseTable[kTaranto][BaseCol::PointsArrived], 12);

    // Light repair: refused below half of the hull, given at half; cancel.
    pickInPort(f, 4, false);
    f.Image22_Click();
    EXPECT_EQ(f.Label69.caption(), "NO !");
    EXPECT_EQ(f.Label17.caption(), "ATT: Danni TROPPO gravi. Mandare in Cantiere");
    EXPECT_EQ(ship(kAxis, 4).whole(F::MISSIONE), 1);
    patch(kAxis, 4, [](ShipRecord& s) { s.setNumber(F::RESISTENZAM, 50); });
    pickInPort(f, 4, false);
    f.Image22_Click();
    EXPECT_EQ(f.Label69.caption(), "ns");
    EXPECT_EQ(ship(kAxis, 4).whole(F::MISSIONE), 5);
    pickInPort(f, 4, false);
    f.Image23_Click();
    EXPECT_EQ(ship(kAxis, 4).whole(F::MISSIONE), 1);
    // A full hold takes no load order.
    pickInPort(f, 1, false);
    f.Image19_Click();
    EXPECT_EQ(ship(kAxis, 1).whole(F::MISSIONE), 1);

    f.Command15_Click();
    EXPECT_FALSE(f.Frame21.visible());
    EXPECT_TRUE(f.Command8.enabled());
}

TEST_F(PortPanel, ADamagedShipGoesToTheDockyardOfAMainBaseAndComesBack) {
    FrmMain& f = openAtTaranto();
    patch(kAxis, 2, [](ShipRecord& s) {
        s.setNumber(F::RESISTENZAM, 40);
        s.setNumber(F::NODIM, 10);
    });
    openPort(f);
    f.Image10_Click();

    // An undamaged ship is refused.
    pickInPort(f, 1, false);
    f.Image24_DblClick();
    EXPECT_EQ(f.Label17.caption(), "Non ammesso, la nave non è danneggiata!");
    EXPECT_EQ(ship(kAxis, 1).whole(F::PORTO), kTaranto);
    // Of the other ports only GIBILTERRA and ALESSANDRIA have a dockyard.
    EXPECT_EQ(dockyardRefusal(ship(kAxis, 2), 3), DockyardRefusal::NotMainBase);
    EXPECT_EQ(dockyardRefusal(ship(kAxis, 2), 14), DockyardRefusal::None);

    f.Image24_Click();
    EXPECT_EQ(f.Label17.caption(),
              "ATT: Dbl Click e la nave è inviata al Bacino di Carenaggio. IRREVERSIBILE");
    pickInPort(f, 2, false);
    {
        ChosenDice dice({1});
        f.Image24_DblClick();
        EXPECT_EQ(dice.sides, QList<int>{50});
    }
    EXPECT_EQ(f.Label17.caption(), "La Nave: Nave 2 è in Bacino per circa giorni 23");
    ShipRecord away = ship(kAxis, 2);
    EXPECT_EQ(away.whole(F::PORTO), 0);
    EXPECT_EQ(away.whole(F::STATUS), 0);
    EXPECT_EQ(away.whole(F::NON_OP), 9);
    EXPECT_EQ(away.whole(F::INCENDI_ATTIVI), 23);
    EXPECT_EQ(present(), 3);
    EXPECT_EQ(savedBase(kTaranto, BaseCol::ShipsPresent), 3);
    EXPECT_EQ(f.List3.listCount(), 3);

    // The days run out at the end of each day; the ship comes back whole.
    for (int day = 1; day <= 22; ++day) AggiornaNaviOra();
    EXPECT_EQ(ship(kAxis, 2).whole(F::NON_OP), 9);
    AggiornaNaviOra();
    const ShipRecord back = ship(kAxis, 2);
    EXPECT_EQ(back.whole(F::STATUS), 1);
    EXPECT_EQ(back.whole(F::NON_OP), 0);
    EXPECT_EQ(back.whole(F::RESISTENZAM), 100);
    EXPECT_EQ(back.whole(F::NODIM), back.whole(F::NODI));

    // The highest roll keeps a ship away 72 days.
    patch(kAxis, 3, [](ShipRecord& s) { s.setNumber(F::RESISTENZAM, 90); });
    pickInPort(f, 3, false);
    ChosenDice dice({50});
    f.Image24_DblClick();
    EXPECT_EQ(ship(kAxis, 3).whole(F::INCENDI_ATTIVI), 72);
}

TEST_F(PortPanel, TheShipsInPortAndOfTheGroupFormedAreSortedByTheirText) {
    FrmMain& f = openAtTaranto();
    const std::pair<const char*, const char*> named[] = {{"CT", "Zeta"}, {"NB", "Alfa"}, {"CT", "Beta"}};
    for (int r = 1; r <= 3; ++r)
        patch(kAxis, r, [&](ShipRecord& s) {
            s.setText(F::TIPO, QString::fromLatin1(named[r - 1].first));
            s.setText(F::NOME, QString::fromLatin1(named[r - 1].second));
        });
    const auto items = [](const ListBox& l) {
        QStringList out;
        for (int i = 0; i < l.listCount(); ++i) out << l.list(i);
        return out;
    };
    const auto sorted = [](QStringList l) {
        l.sort();
        return l;
    };
    openPort(f);
    ASSERT_EQ(f.List3.listCount(), 4);
    EXPECT_EQ(items(f.List3), sorted(items(f.List3)));
    EXPECT_TRUE(items(f.List3)[0].contains("Beta")) << items(f.List3).join('|').toStdString();
    f.Label56_Click();
    for (int r : {1, 2, 3}) pickInPort(f, r, true);
    ASSERT_EQ(f.List4.listCount(), 3);
    EXPECT_EQ(items(f.List4), sorted(items(f.List4)));
    EXPECT_TRUE(items(f.List4)[0].contains("Beta")) << items(f.List4).join('|').toStdString();
}
