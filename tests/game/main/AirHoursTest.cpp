// A campaign with air groups in flight runs 24 hours through the hour button: a bomber, a scout
// and a patrol go out, act and come home, and the aircraft files, the base table, the points and
// the group tables agree at the end.
#include "TestCampaign.h"
#include "common/AirGroups.h"
#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "common/RangeRules.h"
#include "game/main/FrmMain.h"
#include "platform/Dialogs.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <random>

using namespace platform;
using namespace recordformat;

namespace {

constexpr int kPalermo = 3, kMalta = 12;
constexpr int kCost = 5;

class AirHours : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        // The same dice in every run, drawn from a generator of the test's own.
        setDiceSource([this](int n) { return std::uniform_int_distribution<int>(1, std::max(1, n))(dice); });
    }
    void TearDown() override {
        setDiceSource({});
        platform::testing::resetForms();
        resetGlobals();
    }

    // An aircraft line of a base: ready at the base and in flight.
    static void aircraftLine(int base, int record, int ready, int flying) {
        Globals& g = G();
        g.Files.openRandom(9, baseAircraftFilePath(base), AircraftRecord::kLength);
        AircraftRecord a;
        a.setText(aircraft::Nome, QStringLiteral("Linea %1").arg(record));
        a.setNumber(aircraft::Pronti, ready);
        a.setNumber(aircraft::InVolo, flying);
        a.setNumber(aircraft::Persi, 0);
        writeAircraft(9, record, a);
        g.Files.close(9);
        g.BaseTable[base][BaseCol::AircraftPresent] += ready;
        g.BaseTable[base][BaseCol::AircraftInFlight] += flying;
    }
    static AircraftRecord aircraftAt(int base, int record) {
        G().Files.openRandom(9, baseAircraftFilePath(base), AircraftRecord::kLength);
        AircraftRecord a = readAircraft(9, record);
        G().Files.close(9);
        return a;
    }
    // An air group as the order panel leaves it: from `base`, line `record` of its aircraft file,
    // flying at 30 map units a turn to (tx, ty).
    static Int16* airGroup(int side, int n, int base, int record, int aircraft, int order, int tx, int ty) {
        Globals& g = G();
        Int16* r = g.gaTable(side)[n];
        const int x = g.BaseMapXY[base][1], y = g.BaseMapXY[base][2];
        r[GaCol::InUse] = 1, r[GaCol::SpeedKmh] = 300, r[GaCol::AircraftCost] = kCost,
        r[GaCol::Aircraft] = aircraft, r[GaCol::Order] = order, r[GaCol::InterceptPercent] = 30,
        r[GaCol::EvasionRadius] = 300;
        r[GaCol::OriginBase] = base, r[GaCol::DefaultEndurance] = 12, r[GaCol::UsableEndurance] = 10,
        r[GaCol::X] = x, r[GaCol::Y] = y, r[GaCol::Step] = 30, r[GaCol::TargetX] = tx, r[GaCol::TargetY] = ty;
        r[GaCol::TurnsToTarget] = (DistanzaPunti(x, y, tx, ty) + 29) / 30, r[GaCol::SearchTurns] = 15,
        r[GaCol::AircraftRecord] = record, r[GaCol::OriginX] = x, r[GaCol::OriginY] = y;
        r[GaCol::Nation] = 2, r[GaCol::EvasionValue] = 11;
        g.gaNames(side)[n][1] = QStringLiteral("Linea %1").arg(record);
        return r;
    }

    std::mt19937 dice{20};
    testsupport::ProgramFolder folder;
    testsupport::MessageBoxes boxes;
    testsupport::Errors errors;
};

} // namespace

TEST_F(AirHours, AirGroupsGoOutActAndComeHomeWithConsistentFiles) {
    Globals& g = G();
    buildPathGlobals();
    CaricaTabelleNomi();
    CaricaCoordinateBasi();
    g.CampaignName = QStringLiteral("Prova");
    makeDataFolders();

    // An Allied group of two destroyers lies at sea south-east of Palermo.
    Int16* gn = g.GnTableAlle[1];
    gn[GnCol::InUse] = 1, gn[GnCol::MaxKnots] = 30, gn[GnCol::Ships] = 2, gn[GnCol::Order] = 2,
    gn[GnCol::Side] = 1, gn[GnCol::X] = 5300, gn[GnCol::Y] = 3300, gn[GnCol::Course] = 5;
    gn[GnCol::Destroyers] = 2, gn[GnCol::HoursSinceFormed] = 5;
    testcampaign::appendShips(kAllies, {{.group = 1}, {.group = 1}});
    // An Axis bomber strikes Malta; an Axis scout looks for the group, which an Allied patrol covers.
    const int mx = g.BaseMapXY[kMalta][1], my = g.BaseMapXY[kMalta][2];
    aircraftLine(kPalermo, 1, 4, 6);
    aircraftLine(kPalermo, 2, 0, 3);
    aircraftLine(kMalta, 1, 2, 4);
    Int16* bomber = airGroup(kAxis, 1, kPalermo, 1, 6, kOrderBombing, mx, my);
    bomber[GaCol::Bombs] = 2, bomber[GaCol::BombSize] = 50, bomber[GaCol::TargetBase] = kMalta,
    bomber[GaCol::InAction] = 6;
    Int16* scout = airGroup(kAxis, 2, kPalermo, 2, 3, kOrderRecon, 5300, 3300);
    Int16* patrol = airGroup(kAllies, 1, kMalta, 1, 4, kOrderCap, 5300, 3300);
    patrol[GaCol::CoveredGn] = 1;
    testcampaign::write({.hour = 7});
    ASSERT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
    FrmMain& f = form<FrmMain>();

    bool bomberAttacked = false, patrolCovered = false, scoutActed = false, returned = false;
    int contacts = 0;
    for (int hour = 1; hour <= 24; ++hour) {
        f.Command22_Click();
        ASSERT_TRUE(boxes.prompts.isEmpty()) << boxes.prompts.join("\n").toStdString();
        ASSERT_TRUE(errors.messages.isEmpty()) << errors.messages.join("\n").toStdString();
        contacts += g.state(StateItem::Contacts);
        returned = returned || f.Label101.visible();
        if (patrol[GaCol::InUse] == 1 && patrol[GaCol::Order] == kOrderCap &&
            patrol[GaCol::OverTarget] == 1) {
            patrolCovered = true;
            EXPECT_EQ(gn[GnCol::PatrolGroups], 1) << "hour " << hour;
            EXPECT_EQ(patrol[GaCol::X], gn[GnCol::X]);
        }
        scoutActed = scoutActed || scout[GaCol::InAction] > 0;

        // The contact board plays the bomber's attack as the attack window does: two aircraft
        // damaged, one shot down, the bombs gone and the group on its way home.
        const int count = openContactFile(20);
        for (int n = firstRecordOfHour(count, g.state(StateItem::Contacts));
             n <= count && g.state(StateItem::Contacts) > 0; ++n) {
            const ContactRecord c = readContact(20, n);
            if (c.STC1 != 2 || c.STNSTACKLATO2 != 1 || bomber[GaCol::Order] != kOrderBombing) continue;
            EXPECT_EQ(c.STA1, kMalta);
            bomberAttacked = true;
            bomber[GaCol::Damaged] = 2, bomber[GaCol::ShotDown] = 1, bomber[GaCol::Order] = kOrderReturn,
            bomber[GaCol::Bombs] = bomber[GaCol::BombSize] = 0;
        }
        g.Files.close(20);
        // The players call the others home, the Allies by taking their group into port.
        if (hour == 12) scout[GaCol::Order] = kOrderReturn;
        if (hour == 14) gn[GnCol::InUse] = 0;
        SalvaTabelleGruppi();
    }

    EXPECT_TRUE(bomberAttacked);
    EXPECT_TRUE(patrolCovered);
    EXPECT_TRUE(scoutActed);
    EXPECT_TRUE(returned);
    EXPECT_GT(contacts, 0);
    EXPECT_EQ(g.state(StateItem::Day) * 24 + g.state(StateItem::Hour), 24 + 7);
    for (int side : {kAllies, kAxis})
        for (int n = 1; n <= kGroups; ++n)
            EXPECT_EQ(g.gaTable(side)[n][GaCol::InUse], 0) << "air group " << n << " landed";

    // Every aircraft is at its base or lost, and the base table and the points say the same.
    int axisLost = 0;
    const struct { int base, record, total; } lines[] = {{kPalermo, 1, 10}, {kPalermo, 2, 3}, {kMalta, 1, 6}};
    for (const auto& l : lines) {
        const AircraftRecord a = aircraftAt(l.base, l.record);
        EXPECT_EQ(a.whole(aircraft::InVolo), 0);
        EXPECT_EQ(a.whole(aircraft::Pronti) + a.whole(aircraft::Persi), l.total);
        if (l.base == kPalermo) axisLost += a.whole(aircraft::Persi);
    }
    EXPECT_GE(aircraftAt(kPalermo, 1).whole(aircraft::Persi), 1) << "the one shot down";
    const int alliedLost = aircraftAt(kMalta, 1).whole(aircraft::Persi);
    EXPECT_EQ(g.state(StateItem::AirPointsLostAsse), kCost * axisLost);
    EXPECT_EQ(g.state(StateItem::AirPointsLostAlle), kCost * alliedLost);
    EXPECT_EQ(g.BaseTable[kPalermo][BaseCol::AircraftInFlight], 0);
    EXPECT_EQ(g.BaseTable[kMalta][BaseCol::AircraftInFlight], 0);
    EXPECT_EQ(g.BaseTable[kPalermo][BaseCol::AircraftPresent], 13 - axisLost);
    EXPECT_EQ(g.BaseTable[kPalermo][BaseCol::AircraftLostValue], kCost * axisLost);
    EXPECT_EQ(g.BaseTable[kMalta][BaseCol::AircraftPresent], 6 - alliedLost);

    // The files hold what the window holds.
    Int16 memory[kGroups + 1][kGroupColumns + 1];
    std::copy_n(&g.GaTableAsse[0][0], (kGroups + 1) * (kGroupColumns + 1), &memory[0][0]);
    const QString state34 = g.GameState[StateItem::AirPointsLostAsse];
    const Int32 base4 = g.BaseTable[kPalermo][BaseCol::AircraftPresent];
    CaricaTabelleGruppi();
    CaricaDatiBasi();
    EXPECT_TRUE(
        std::equal(&memory[0][0], &memory[0][0] + (kGroups + 1) * (kGroupColumns + 1), &g.GaTableAsse[0][0]));
    EXPECT_EQ(g.GameState[StateItem::AirPointsLostAsse], state34);
    EXPECT_EQ(g.BaseTable[kPalermo][BaseCol::AircraftPresent], base4);
}
