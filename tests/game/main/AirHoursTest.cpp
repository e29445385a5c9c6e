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
        g.BaseTable[base][4] += ready;
        g.BaseTable[base][6] += flying;
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
        r[1] = 1, r[2] = 300, r[3] = kCost, r[4] = aircraft, r[7] = order, r[8] = 30, r[10] = 300;
        r[20] = base, r[21] = 12, r[24] = 10, r[25] = x, r[26] = y, r[27] = 30, r[28] = tx, r[29] = ty;
        r[32] = (DistanzaPunti(x, y, tx, ty) + 29) / 30, r[33] = 15, r[38] = record, r[39] = x, r[40] = y;
        r[42] = 2, r[50] = 11;
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
    gn[1] = 1, gn[2] = 30, gn[4] = 2, gn[7] = 2, gn[15] = 1, gn[25] = 5300, gn[26] = 3300, gn[28] = 5;
    gn[37] = 2, gn[41] = 5;
    testcampaign::appendShips(kAllies, {{.group = 1}, {.group = 1}});
    // An Axis bomber strikes Malta; an Axis scout looks for the group, which an Allied patrol covers.
    const int mx = g.BaseMapXY[kMalta][1], my = g.BaseMapXY[kMalta][2];
    aircraftLine(kPalermo, 1, 4, 6);
    aircraftLine(kPalermo, 2, 0, 3);
    aircraftLine(kMalta, 1, 2, 4);
    Int16* bomber = airGroup(kAxis, 1, kPalermo, 1, 6, kOrderBombing, mx, my);
    bomber[17] = 2, bomber[18] = 50, bomber[30] = kMalta, bomber[41] = 6;
    Int16* scout = airGroup(kAxis, 2, kPalermo, 2, 3, kOrderRecon, 5300, 3300);
    Int16* patrol = airGroup(kAllies, 1, kMalta, 1, 4, kOrderCap, 5300, 3300);
    patrol[49] = 1;
    testcampaign::write({.hour = 7});
    ASSERT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
    FrmMain& f = form<FrmMain>();

    bool bomberAttacked = false, patrolCovered = false, scoutActed = false, returned = false;
    int contacts = 0;
    for (int hour = 1; hour <= 24; ++hour) {
        f.Command22_Click();
        ASSERT_TRUE(boxes.prompts.isEmpty()) << boxes.prompts.join("\n").toStdString();
        ASSERT_TRUE(errors.messages.isEmpty()) << errors.messages.join("\n").toStdString();
        contacts += g.state(11);
        returned = returned || f.Label101.visible();
        if (patrol[1] == 1 && patrol[7] == kOrderCap && patrol[36] == 1) {
            patrolCovered = true;
            EXPECT_EQ(gn[50], 1) << "hour " << hour;
            EXPECT_EQ(patrol[25], gn[25]);
        }
        scoutActed = scoutActed || scout[41] > 0;

        // The contact board plays the bomber's attack as the attack window does: two aircraft
        // damaged, one shot down, the bombs gone and the group on its way home.
        const int count = openContactFile(20);
        for (int n = firstRecordOfHour(count, g.state(11)); n <= count && g.state(11) > 0; ++n) {
            const ContactRecord c = readContact(20, n);
            if (c.STC1 != 2 || c.STNSTACKLATO2 != 1 || bomber[7] != kOrderBombing) continue;
            EXPECT_EQ(c.STA1, kMalta);
            bomberAttacked = true;
            bomber[5] = 2, bomber[6] = 1, bomber[7] = kOrderReturn, bomber[17] = bomber[18] = 0;
        }
        g.Files.close(20);
        // The players call the others home, the Allies by taking their group into port.
        if (hour == 12) scout[7] = kOrderReturn;
        if (hour == 14) gn[1] = 0;
        SalvaTabelleGruppi();
    }

    EXPECT_TRUE(bomberAttacked);
    EXPECT_TRUE(patrolCovered);
    EXPECT_TRUE(scoutActed);
    EXPECT_TRUE(returned);
    EXPECT_GT(contacts, 0);
    EXPECT_EQ(g.state(1) * 24 + g.state(2), 24 + 7);
    for (int side : {kAllies, kAxis})
        for (int n = 1; n <= kGroups; ++n)
            EXPECT_EQ(g.gaTable(side)[n][1], 0) << "air group " << n << " landed";

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
    EXPECT_EQ(g.state(34), kCost * axisLost);
    EXPECT_EQ(g.state(24), kCost * alliedLost);
    EXPECT_EQ(g.BaseTable[kPalermo][6], 0);
    EXPECT_EQ(g.BaseTable[kMalta][6], 0);
    EXPECT_EQ(g.BaseTable[kPalermo][4], 13 - axisLost);
    EXPECT_EQ(g.BaseTable[kPalermo][7], kCost * axisLost);
    EXPECT_EQ(g.BaseTable[kMalta][4], 6 - alliedLost);

    // The files hold what the window holds.
    Int16 memory[kGroups + 1][kGroupColumns + 1];
    std::copy_n(&g.GaTableAsse[0][0], (kGroups + 1) * (kGroupColumns + 1), &memory[0][0]);
    const QString state34 = g.GameState[34];
    const Int32 base4 = g.BaseTable[kPalermo][4];
    CaricaTabelleGruppi();
    CaricaDatiBasi();
    EXPECT_TRUE(
        std::equal(&memory[0][0], &memory[0][0] + (kGroups + 1) * (kGroupColumns + 1), &g.GaTableAsse[0][0]));
    EXPECT_EQ(g.GameState[34], state34);
    EXPECT_EQ(g.BaseTable[kPalermo][4], base4);
}
