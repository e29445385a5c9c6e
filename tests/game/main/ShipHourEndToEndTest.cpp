// Three days of the ship and port phases through the hour button: ships in port under every port
// task, a burning ship, a ship sinking at sea, a ship back from the dockyard, a damaged base, and
// an Allied group crossing an Axis mine field. After every hour the files agree with each other.
#include "game/main/FrmMain.h"

#include "ShipFiles.h"
#include "TestCampaign.h"
#include "common/BaseTable.h"
#include "common/CampaignSetup.h"
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

// Every ship record of a side.
QList<ShipRecord> shipsOf(int side) {
    QList<ShipRecord> ships;
    const int n = openShipFile(kChannelShips, side);
    for (int r = 1; r <= n; ++r) {
        readShip(kChannelShips, r);
        ships << G().ShipRecordBuffer;
    }
    G().Files.close(kChannelShips);
    return ships;
}

// The ships in port counted by the bases, each group's row counting its own ships and no ship in
// a free group, and the lost ships on record.
void expectConsistent(int press) {
    Globals& g = G();
    int lostShips = 0;
    for (int side : {kAllies, kAxis}) {
        const QList<ShipRecord> ships = shipsOf(side);
        int inPort[kBases + 1] = {};
        int inGroup[kGroups + 1][7] = {};
        for (const ShipRecord& s : ships) {
            const long long group = s.whole(F::NumeroGN), port = s.whole(F::Porto);
            if (s.whole(F::Status) == 3) {
                ++lostShips;
                EXPECT_EQ(group, 0) << press;
                EXPECT_EQ(port, 0) << press;
            }
            if (group == 0 && s.whole(F::Status) == 1 && port >= 1 && port <= kBases) ++inPort[port];
            if (group >= 1 && group <= kGroups) {
                ++inGroup[group][0];
                ++inGroup[group][classGroupOf(s.text(F::Tipo))];
            }
        }
        const bool allies = side == kAllies;
        for (int b = allies ? 12 : 1; b <= (allies ? 15 : 11); ++b)
            EXPECT_EQ(g.BaseTable[b][10], inPort[b]) << "hour " << press << " base " << b;
        for (int n = 1; n <= kGroups; ++n) {
            const Int16* row = g.gnTable(side)[n];
            if (row[1] <= 0) {
                EXPECT_EQ(inGroup[n][0], 0) << "hour " << press << ": ships of the free group " << n;
                continue;
            }
            EXPECT_EQ(row[4], inGroup[n][0]) << "hour " << press << " group " << side << "/" << n;
            for (int k = 1; k <= 6; ++k)
                EXPECT_EQ(row[34 + k], inGroup[n][k]) << press << " " << n << " " << k;
        }
    }
    EXPECT_EQ(lostShipCount(), lostShips) << press;
    EXPECT_EQ(g.state(17) + g.state(19), lostShips) << press;
}

QByteArray campaignBytes() {
    QByteArray all;
    for (const QString& name : campaignFileNames(G().CampaignName))
        all += name.toLatin1() + ':' + testsupport::readBytes(G().GamesPath + name) + '\n';
    return all;
}

} // namespace

TEST(ShipHourEndToEnd, ThreeDaysOfPortsMinesFiresAndRepairs) {
    resetGlobals();
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
    testsupport::MessageBoxes boxes;
    Globals& g = G();

    // An Allied group of three destroyers steams east into mine field 5, off Malta.
    Int16* crossing = g.GnTableAlle[3];
    crossing[1] = 1, crossing[4] = 3, crossing[6] = 100, crossing[7] = 1, crossing[37] = 3;
    crossing[25] = 5600, crossing[26] = 3800, crossing[28] = 5, crossing[14] = 10, crossing[27] = 100;
    crossing[29] = 10;
    // An Axis cruiser, burning and sinking, alone in its group at sea.
    Int16* doomed = g.GnTableAsse[2];
    doomed[1] = 1, doomed[4] = 1, doomed[6] = 100, doomed[36] = 1, doomed[25] = 9000, doomed[26] = 5000;
    doomed[41] = 300; // out for so long that it wears
    g.MineFields[5][kAxis] = 20;
    g.BaseTable[12][21] = 400;
    g.BaseTable[12][3] = 10;
    g.BaseTable[1][21] = 400;
    testcampaign::write({.season = 3, .day = 0, .hour = 6, .weather = 0});
    testcampaign::appendShips(kAllies, {{.group = 3}, {.group = 3}, {.group = 3}});
    const int loader = addShip(kAllies, {{F::Tipo, "MR"}, {F::Porto, 12}, {F::Missione, 6}, {F::Cargo, 30}});
    const int unloader =
        addShip(kAllies, {{F::Tipo, "MR"}, {F::Porto, 12}, {F::Missione, 7}, {F::CargoM, 20}});
    const int tanker = addShip(
        kAllies, {{F::Tipo, "PT"}, {F::Porto, 12}, {F::Missione, 7}, {F::CargoM, 5}, {F::OperativitaM, 60}});
    const int refueller = addShip(kAllies, {{F::Porto, 12},
                                            {F::Missione, 8},
                                            {F::Operativita, 100},
                                            {F::OperativitaM, 20},
                                            {F::Resistenza, 90},
                                            {F::ResistenzaM, 90}});
    const int repaired = addShip(kAllies, {{F::Tipo, "IL"},
                                           {F::Porto, 12},
                                           {F::Missione, 5},
                                           {F::Resistenza, 400},
                                           {F::ResistenzaM, 250},
                                           {F::Nodi, 32},
                                           {F::NodiM, 20},
                                           {F::AAM, 40},
                                           {F::AAMM, 30},
                                           {F::DirTiro, 8},
                                           {F::DirTiroM, 2},
                                           {F::CAIncendi, 6},
                                           {F::CAIncendiM, 3}});
    const int smouldering = addShip(kAllies, {{F::Porto, 12},
                                              {F::IncendiAttivi, 2},
                                              {F::CAIncendiM, 4},
                                              {F::Resistenza, 90},
                                              {F::ResistenzaM, 90}});
    const int dockyard = addShip(
        kAllies,
        {{F::Status, 0}, {F::NonOperativa, 9}, {F::IncendiAttivi, 2}, {F::Nodi, 30}, {F::Resistenza, 90}});
    const int axisLoader = addShip(kAxis, {{F::Tipo, "MR"}, {F::Porto, 1}, {F::Missione, 6}, {F::Cargo, 12}});
    addShip(kAxis, {{F::Porto, 1}, {F::Resistenza, 90}, {F::ResistenzaM, 90}});
    const int cruiser = addShip(kAxis, {{F::Tipo, "IL"},
                                        {F::Nome, "Bartolomeo Colleoni"},
                                        {F::Stazza, 5200},
                                        {F::NumeroGN, 2},
                                        {F::Affondamento, 1},
                                        {F::IncendiAttivi, 9},
                                        {F::CAIncendiM, 2},
                                        {F::Resistenza, 300},
                                        {F::ResistenzaM, 200},
                                        {F::OperativitaM, 60}});

    const auto slot = g.GameSlots[1];
    resetGlobals();
    buildPathGlobals();
    G().GameSlots[1] = slot;
    G().SelectedSlot = 1;
    G().CampaignName = QStringLiteral("Prova");
    ASSERT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
    FrmMain& f = form<FrmMain>();
    Globals& h = G();
    for (int x : {5600, 5700, 5800, 5900, 6000})
        ASSERT_EQ(mapColour(x + 50, 3800 + 40), mapColour(kSeaReferenceX, kSeaReferenceY))
            << x << ": the group's way is open sea";
    ASSERT_TRUE(insideMineField(5, 5900, 3800));
    ASSERT_FALSE(insideMineField(5, 5800, 3800));

    // Middling percentages keep the weather fair and the sea quiet; other dice show their top
    // face. The port's repair rolls and the base repair succeed; in the mine pass the field
    // bites and two mines hit.
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

    int struckAt = -1;
    for (int press = 1; press <= 72; ++press) {
        ASSERT_TRUE(f.Command22.enabled()) << press;
        f.Command22.doClick();
        ASSERT_EQ(errors.messages, QStringList()) << press;
        ASSERT_EQ(boxes.prompts, QStringList()) << press;
        if (press == 1) {
            EXPECT_TRUE(f.Label17.caption().contains(" § ")) << "the damage results of the hour";
            EXPECT_EQ(h.GameState[12], "1");
            EXPECT_EQ(f.Label64.backColor(), vbMagenta);
            EXPECT_EQ(h.GnTableAsse[2][1], 0) << "the sunk cruiser's group is dissolved";
            EXPECT_EQ(field(kAllies, smouldering, F::IncendiAttivi), 0) << "put out in port";
        }
        if (press == 4) {
            struckAt = h.MineFields[5][5] > 0 ? press : -1;
            EXPECT_TRUE(f.Label18.visible()) << "GN Colpito da Mine";
            EXPECT_EQ(h.GnTableAlle[3][32], 1);
        }
        expectConsistent(press);
    }
    setHourObserver({});
    setDiceSource({});
    EXPECT_EQ(h.GameState[1] + "/" + h.GameState[2], "3/6");

    // The mines: struck in the fourth hour, swept clear by the destroyers, two ships damaged.
    EXPECT_EQ(struckAt, 4);
    EXPECT_EQ(h.MineFields[5][5], 2);
    EXPECT_EQ(h.MineFields[5][kAxis], 0);
    EXPECT_EQ(testsupport::readLines(h.GamesPath + "Provamine.dat").at(4 * 5 + 1), "0");
    int mined = 0;
    for (int r = 1; r <= 3; ++r) mined += shipAt(kAllies, r).trimmed(F::NonOperativa) == "4" ? 1 : 0;
    EXPECT_EQ(mined, 0) << "the damage pass has judged them since";
    EXPECT_LT(field(kAllies, 1, F::ResistenzaM), 100);
    EXPECT_LT(field(kAllies, 2, F::ResistenzaM), 100);
    EXPECT_EQ(field(kAllies, 3, F::ResistenzaM), 100);

    // The ports: every task done, paid for in points.
    EXPECT_EQ(field(kAllies, loader, F::CargoM), 30);
    EXPECT_EQ(field(kAllies, loader, F::Missione), 1);
    EXPECT_EQ(field(kAllies, unloader, F::CargoM), 0);
    EXPECT_EQ(field(kAllies, unloader, F::Missione), 1);
    EXPECT_EQ(field(kAllies, tanker, F::OperativitaM), 20);
    EXPECT_EQ(field(kAllies, tanker, F::Missione), 1);
    EXPECT_EQ(field(kAllies, refueller, F::OperativitaM), 100);
    EXPECT_EQ(field(kAllies, refueller, F::Missione), 1);
    const ShipRecord r = shipAt(kAllies, repaired);
    EXPECT_EQ(r.whole(F::Missione), 1);
    EXPECT_EQ(r.whole(F::ResistenzaM), 400);
    EXPECT_EQ(r.whole(F::NodiM), 32);
    EXPECT_EQ(r.whole(F::DirTiroM), 8);
    EXPECT_EQ(field(kAxis, axisLoader, F::CargoM), 12);
    EXPECT_EQ(h.BaseTable[12][21], 400 + 20 + 5 + 24) << "the tanker's last 16 of fuel stay aboard";
    EXPECT_EQ(h.BaseTable[12][22], 30 + 80 + h.BaseTable[12][12] + h.BaseTable[12][11]);
    EXPECT_GT(h.BaseTable[12][12], 0) << "repairs paid";
    EXPECT_EQ(h.BaseTable[12][3], 0) << "the base repaired its damage";
    EXPECT_EQ(h.BaseTable[12][11], 10);
    EXPECT_EQ(h.BaseTable[1][22], 12);

    // The lost cruiser on record; the dockyard ship back in service.
    ASSERT_EQ(lostShipCount(), 1);
    const LostShipRecord lost = readLostShip(1);
    EXPECT_EQ(lost.Name, "Bartolomeo");
    EXPECT_EQ(lost.Record, cruiser);
    EXPECT_EQ(lost.Side, kAxis);
    EXPECT_EQ(lost.Group, 2);
    EXPECT_EQ(lost.X, 9000);
    EXPECT_EQ(lost.Day * 100 + lost.Hour, 7);
    EXPECT_EQ(h.GameState[33], "5200");
    EXPECT_EQ(shipAt(kAllies, dockyard).trimmed(F::Status), "1");
    EXPECT_EQ(field(kAllies, dockyard, F::NonOperativa), 0);
    EXPECT_EQ(field(kAllies, dockyard, F::ResistenzaM), 90);

    // Everything in memory was saved.
    const QByteArray onDisk = campaignBytes();
    CaricaTabelleGruppi();
    CaricaDatiBasi();
    CaricaMine();
    SalvaTabelleGruppi();
    SalvaDatiBasi();
    SalvaMine();
    EXPECT_EQ(campaignBytes(), onDisk);
    platform::testing::resetForms();
    resetGlobals();
}
