// Three days of the ship and port phases through the hour button: ships in port under every port
// task, a burning ship, a ship sinking at sea, a ship back from the dockyard, a damaged base, and
// an Allied group crossing an Axis mine field. After every hour the files agree with each other.
#include "game/main/FrmMain.h"

#include "ShipFiles.h"
#include "TestCampaign.h"
#include "common/Dice.h"
#include "common/LostShips.h"
#include "common/MapRoutines.h"
#include "common/MineFields.h"
#include "common/NavalGroupValues.h"
#include "game/main/HourTrace.h"
#include "platform/Dialogs.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace shipfiles;

namespace {

// The ships in port counted by the bases, each group's row counting its own ships and no ship in
// a free group, and the lost ships on record.
void expectConsistent(int press) {
    Globals& g = G();
    int lostShips = 0;
    for (int side : {kAllies, kAxis}) {
        int lostOfSide = 0;
        int inPort[kBases + 1] = {};
        int inGroup[kGroups + 1][7] = {};
        const int count = openShipFile(kChannelShips, side);
        for (int r = 1; r <= count; ++r) {
            readShip(kChannelShips, r);
            const ShipRecord& s = G().ShipRecordBuffer;
            const long long group = s.whole(F::NUMERO_GN), port = s.whole(F::PORTO);
            if (s.whole(F::STATUS) == 3) ++lostOfSide;
            if (group == 0 && s.whole(F::STATUS) == 1 && port >= 1 && port <= kBases) ++inPort[port];
            if (group >= 1 && group <= kGroups) {
                ++inGroup[group][0];
                ++inGroup[group][classGroupOf(s.text(F::TIPO))];
            }
        }
        g.Files.close(kChannelShips);
        lostShips += lostOfSide;
        EXPECT_EQ(g.state(StateItem::sideItem(side, StateItem::ShipsLostAlle)), lostOfSide)
            << press << " " << side;
        const bool allies = side == kAllies;
        for (int b = allies ? 12 : 1; b <= (allies ? 15 : 11); ++b)
            EXPECT_EQ(g.BaseTable[b][BaseCol::ShipsPresent], inPort[b]) << "hour " << press << " base " << b;
        for (int n = 1; n <= kGroups; ++n) {
            const Int16* row = g.gnTable(side)[n];
            if (row[GnCol::InUse] <= 0) {
                EXPECT_EQ(inGroup[n][0], 0) << "hour " << press << ": ships of the free group " << n;
                continue;
            }
            EXPECT_EQ(row[GnCol::Ships], inGroup[n][0]) << "hour " << press << " group " << side << "/" << n;
            for (int k = 1; k <= 6; ++k)
                EXPECT_EQ(row[GnCol::Carriers - 1 + k], inGroup[n][k]) << press << " " << n << " " << k;
        }
    }
    EXPECT_EQ(lostShipCount(), lostShips) << press;
}

} // namespace

TEST(ShipHourEndToEnd, ThreeDaysOfPortsMinesFiresAndRepairs) {
    resetGlobals();
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
    testsupport::MessageBoxes boxes;
    Globals& g = G();
    // An Allied group of three destroyers steams east into mine field 5, off Malta, which holds 20
    // Axis mines; an Axis cruiser burns and sinks alone in its group. MALTA HQ is damaged.
    Int16* crossing = g.GnTableAlle[3];
    crossing[GnCol::InUse] = 1, crossing[GnCol::Ships] = 3, crossing[GnCol::X] = 5600,
    crossing[GnCol::Y] = 3800, crossing[GnCol::Course] = 5;
    crossing[GnCol::Knots] = 10, crossing[GnCol::Step] = 100, crossing[GnCol::RouteHours] = 10;
    Int16* doomed = g.GnTableAsse[2];
    doomed[GnCol::InUse] = 1, doomed[GnCol::Ships] = 1, doomed[GnCol::X] = 9000, doomed[GnCol::Y] = 5000;
    g.MineFields[5][kAxis] = 20;
    g.BaseTable[12][BaseCol::PointsArrived] = g.BaseTable[1][BaseCol::PointsArrived] = 400;
    g.BaseTable[12][BaseCol::DamagePercent] = 10;
    testcampaign::write({.season = 3, .day = 0, .hour = 6, .weather = 0});
    testcampaign::appendShips(kAllies, {{.group = 3}, {.group = 3}, {.group = 3}});
    const auto inMalta = [](int mission, const Fields& fields) {
        return addShip(kAllies, Fields{{F::PORTO, 12}, {F::MISSIONE, mission}} + fields);
    };
    const int loader = inMalta(6, {{F::TIPO, "MR"}, {F::CARGO, 30}});
    const int unloader = inMalta(7, {{F::TIPO, "MR"}, {F::CARGOM, 20}});
    const int tanker = inMalta(7, {{F::TIPO, "PT"}, {F::CARGOM, 5}, {F::OPERATIVITAM, 60}});
    const int refueller = inMalta(8, {{F::OPERATIVITA, 100}, {F::OPERATIVITAM, 20}, {F::RESISTENZAM, 90}});
    const int repaired =
        inMalta(5, {{F::RESISTENZA, 400}, {F::RESISTENZAM, 250}, {F::NODI, 32}, {F::NODIM, 20}});
    const int dockyard =
        addShip(kAllies, {{F::STATUS, 0}, {F::NON_OP, 9}, {F::INCENDI_ATTIVI, 2}, {F::NODI, 30}});
    const int axisLoader = addShip(kAxis, {{F::TIPO, "MR"}, {F::PORTO, 1}, {F::MISSIONE, 6}, {F::CARGO, 12}});
    // clang-format off
    const int cruiser = addShip(kAxis, {{F::TIPO, "IL"}, {F::NOME, "Bartolomeo Colleoni"}, {F::NUMERO_GN, 2},
                                        {F::AFF, 1}, {F::INCENDI_ATTIVI, 9}, {F::C_A_INCENDIM, 2},
                                        {F::RESISTENZA, 300}, {F::RESISTENZAM, 200}, {F::OPERATIVITAM, 60}});
    // clang-format on

    testcampaign::choose();
    ASSERT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
    FrmMain& f = form<FrmMain>();
    Globals& h = G();
    for (int x : {5600, 5700, 5800, 5900, 6000})
        ASSERT_EQ(mapColour(x + 50, 3840), mapColour(kSeaReferenceX, kSeaReferenceY)) << x << " is at sea";
    ASSERT_TRUE(insideMineField(5, 5900, 3800) && !insideMineField(5, 5800, 3800));

    // Middling percentages keep the weather fair; other dice show their top face. The port's and
    // the base's repair rolls succeed; in the Allied mine pass the field bites and two mines hit.
    QString pass;
    int mineRolls = 0;
    setHourObserver([&](const QString& step) {
        if (!step.at(0).isDigit()) pass = step;
        mineRolls = 0;
    });
    setDiceSource([&](int sides) {
        if (sides != 100) return std::max(sides, 1);
        if (pass.startsWith("FaseRIP") || pass.startsWith("AggiornaBasiOra")) return 1;
        if (pass == "ColpiMine/1") return ++mineRolls <= 3 ? 1 : 50;
        return 50;
    });
    for (int press = 1; press <= 72; ++press) {
        ASSERT_TRUE(f.Command22.enabled()) << press;
        f.Command22.doClick();
        ASSERT_EQ(errors.messages + boxes.prompts, QStringList()) << press;
        if (press == 1) {
            EXPECT_TRUE(f.Label17.caption().contains(" § ")) << "the damage results of the hour";
            EXPECT_EQ(f.Label64.backColor(), vbMagenta) << "a ship sunk";
            EXPECT_EQ(h.GnTableAsse[2][GnCol::InUse], 0) << "its group dissolved";
        }
        if (press == 4) {
            EXPECT_TRUE(f.Label18.visible()) << "GN Colpito da Mine";
        }
        expectConsistent(press);
    }
    setHourObserver({});
    setDiceSource({});
    EXPECT_EQ(h.GameState[StateItem::Day], "3");
    EXPECT_EQ(h.GameState[StateItem::Hour], "6");

    // Struck in the fourth hour: the mines swept, the first two destroyers damaged.
    EXPECT_EQ(h.MineFields[5][5], 2);
    EXPECT_EQ(h.MineFields[5][kAxis], 0);
    EXPECT_EQ(testsupport::readLines(h.GamesPath + "Provamine.dat").at(21), "0");
    EXPECT_EQ(field(kAllies, 1, F::RESISTENZAM), 0);
    EXPECT_EQ(field(kAllies, 2, F::RESISTENZAM), 0);
    EXPECT_EQ(field(kAllies, 3, F::RESISTENZAM), 100);

    // Every port task done and paid for; the tanker's last 16 of fuel stay aboard.
    for (int r : {loader, unloader, tanker, refueller, repaired})
        EXPECT_EQ(field(kAllies, r, F::MISSIONE), 1) << r;
    EXPECT_EQ(field(kAllies, loader, F::CARGOM), 30);
    EXPECT_EQ(field(kAllies, unloader, F::CARGOM), 0);
    EXPECT_EQ(field(kAllies, tanker, F::OPERATIVITAM), 20);
    EXPECT_EQ(field(kAllies, refueller, F::OPERATIVITAM), 100);
    EXPECT_EQ(field(kAllies, repaired, F::RESISTENZAM), 400);
    EXPECT_EQ(field(kAllies, repaired, F::NODIM), 32);
    EXPECT_EQ(field(kAxis, axisLoader, F::CARGOM), 12);
    EXPECT_EQ(h.BaseTable[12][BaseCol::PointsArrived], 400 + 20 + 5 + 24);
    EXPECT_EQ(h.BaseTable[12][BaseCol::PointsUsed], 30 + 80 + h.BaseTable[12][BaseCol::RepairPoints] + 10);
    EXPECT_EQ(h.BaseTable[12][BaseCol::DamagePercent], 0) << "the base repaired, one point a percent";
    EXPECT_EQ(h.BaseTable[12][BaseCol::RepairsMade], 10);
    EXPECT_EQ(h.BaseTable[1][BaseCol::PointsUsed], 12);

    // The lost cruiser on record; the ship back from the dockyard.
    ASSERT_EQ(lostShipCount(), 1);
    const LostShipRecord lost = readLostShip(1);
    EXPECT_EQ(lost.Name, "Bartolomeo");
    EXPECT_EQ(lost.Record, cruiser);
    EXPECT_EQ(lost.Group, 2);
    EXPECT_EQ(lost.Hour, 7);
    EXPECT_EQ(shipAt(kAllies, dockyard).text(F::STATUS), "1");
    EXPECT_EQ(shipAt(kAllies, dockyard).text(F::NON_OP), "0");

    platform::testing::resetForms();
    resetGlobals();
}
