#include "game/main/HourShips.h"

#include "ShipFiles.h"
#include "common/Dice.h"
#include "common/LostShips.h"
#include "game/main/HourPhases.h"
#include "tests/common/CampaignFixture.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace shipfiles;

namespace {
QByteArray hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

class ShipPasses : public ::testing::Test {
  protected:
    CampaignFolder campaign;
    Globals& g = G();
    void side(int s) { g.CurrentSide = s; }
};
} // namespace

TEST_F(ShipPasses, ABurningShipTakesItsRowAndSpreadsFireToTheShipAssistingIt) {
    side(kAllies);
    g.GnTableAlle[1][1] = 1;
    const int burning = addShip(kAllies, {{F::NumeroGN, 1},
                                          {F::Resistenza, 160},
                                          {F::ResistenzaM, 100},
                                          {F::IncendiAttivi, 2},
                                          {F::CAIncendiM, 3},
                                          {F::Nodi, 30},
                                          {F::NodiM, 30},
                                          {F::OperativitaM, 50},
                                          {F::CargoM, 20},
                                          {F::MAM, 10}});
    const int helper = addShip(kAllies, {{F::NumeroGN, 1},
                                         {F::Assistenza, 1},
                                         {F::Resistenza, 160},
                                         {F::ResistenzaM, 100},
                                         {F::CAIncendiM, 3},
                                         {F::Nodi, 30},
                                         {F::NodiM, 30},
                                         {F::OperativitaM, 50}});
    const int moored = addShip(kAllies, {{F::Porto, 12},
                                         {F::IncendiAttivi, 1},
                                         {F::CAIncendiM, 5},
                                         {F::Resistenza, 160},
                                         {F::ResistenzaM, 10}});
    {
        // Burning ship: d12 1 gives result 1; hull die of the new fires; operativity; cargo. Spread
        // to the helper: d30 18 (w = 28). Helper's own turn: d12 9 gives 8; cargo. Sinking: the two
        // burning ships roll and stay afloat.
        ChosenDice dice({1, 4, 3, 7, 18, 9, 2, 50, 10});
        DanniNaviOra();
        EXPECT_EQ(dice.sides, (QList<int>{12, 17, 6, 10, 30, 12, 6, 100, 100}));
    }
    const ShipRecord b = shipAt(kAllies, burning);
    EXPECT_EQ(b.whole(F::IncendiAttivi), 5);
    EXPECT_EQ(b.whole(F::ResistenzaM), 80);
    EXPECT_EQ(b.whole(F::NodiM), 22);
    EXPECT_EQ(b.whole(F::CAIncendiM), 1);
    EXPECT_EQ(b.whole(F::OperativitaM), 47);
    EXPECT_EQ(b.whole(F::CargoM), 13);
    EXPECT_EQ(b.whole(F::MAM), 10) << "no aircraft handling to lose";
    EXPECT_EQ(b.trimmed(F::NonOperativa), "0") << "hull at half is not below half";
    const ShipRecord h = shipAt(kAllies, helper);
    EXPECT_EQ(h.whole(F::ResistenzaM), 72);
    EXPECT_EQ(h.whole(F::IncendiAttivi), 0) << "the spread fire, put out by its own result 8";
    EXPECT_EQ(h.whole(F::OperativitaM), 49);
    const ShipRecord m = shipAt(kAllies, moored);
    EXPECT_EQ(m.trimmed(F::IncendiAttivi), "") << "fires are put out in port";
    EXPECT_EQ(m.whole(F::ResistenzaM), 10) << "a ship in port takes no damage roll";
    EXPECT_EQ(g.GameState[25], QString::number(47 + 13 + 49 + 0));
    EXPECT_EQ(g.GameState[12], "0");
    EXPECT_EQ(lostShipCount(), 0);
}

TEST_F(ShipPasses, ShipsSunkByRuleAreRecordedAndLeaveTheirGroupAndPort) {
    side(kAxis);
    g.setState(1, 4);
    g.setState(2, 13);
    g.GnTableAsse[3][1] = 1;
    g.GnTableAsse[3][4] = 1;
    g.GnTableAsse[3][24] = 9;
    g.GnTableAsse[3][25] = 1234;
    g.GnTableAsse[3][26] = 2345;
    g.BaseTable[5][10] = 1;
    addShip(kAxis, {{F::Tipo, "IL"},
                    {F::Nome, "Giovanni delle Bande Nere"},
                    {F::Stazza, 5200},
                    {F::NumeroGN, 3},
                    {F::Affondamento, 1},
                    {F::IncendiAttivi, 9},
                    {F::CAIncendiM, 5},
                    {F::Resistenza, 160},
                    {F::ResistenzaM, 150},
                    {F::OperativitaM, 37},
                    {F::CargoM, 4}});
    addShip(kAxis, {{F::Tipo, "MR"},
                    {F::Nome, "Calitea"},
                    {F::Stazza, 4013},
                    {F::Porto, 5},
                    {F::IncendiAttivi, 9},
                    {F::CAIncendiM, 2},
                    {F::Resistenza, 40},
                    {F::ResistenzaM, 0},
                    {F::OperativitaM, 20}});
    {
        // Result 9 (fires 9 beat fire control 5: state 1) takes two fires; then one d100 for each.
        ChosenDice dice({10, 99, 99});
        DanniNaviOra();
    }
    const QByteArray expected = hex("0400 0d00 0000 0200 0100") + "IL" + "Giovanni d" +
                                hex("50140000 2500 0000 0300 0000 0000 d204 2909 000000000000") +
                                hex("0400 0d00 0000 0200 0200") + "MR" + "Calitea   " +
                                hex("ad0f0000 1400 0000 0000 0000 0500 0000 0000 000000000000");
    EXPECT_EQ(testsupport::readBytes(campaign.game("Provalostship.dat")).toHex(), expected.toHex());
    for (int r : {1, 2}) {
        const ShipRecord s = shipAt(kAxis, r);
        EXPECT_EQ(s.trimmed(F::Status), "3");
        EXPECT_EQ(s.trimmed(F::NonOperativa), "3");
        EXPECT_EQ(s.trimmed(F::IncendiAttivi), "");
        EXPECT_EQ(s.trimmed(F::NumeroGN), "");
        EXPECT_EQ(s.trimmed(F::Porto), "");
    }
    EXPECT_EQ(g.BaseTable[5][10], 0);
    EXPECT_EQ(g.GameState[12], "2");
    EXPECT_EQ(g.GameState[19], "2");
    EXPECT_EQ(g.GameState[33], "5200") << "warship tonnage";
    EXPECT_EQ(g.GameState[32], "4013") << "merchant tonnage";

    // The group has no ship left: the next group pass dissolves it and books its hours.
    g.CurrentGnIndex = 3;
    AggiornaGNDaNavi();
    EXPECT_EQ(g.GnTableAsse[3][1], 0);
    EXPECT_EQ(g.GnTableAsse[3][25], 0);
    EXPECT_EQ(g.GameState[31], "9");
}

TEST_F(ShipPasses, OldGroupsWearAndAHullWornBelowZeroSinksOnRecord) {
    side(kAllies);
    g.GnTableAlle[2][1] = 1;
    g.GnTableAlle[2][41] = 256;
    g.GnTableAlle[4][1] = 1;
    g.GnTableAlle[4][41] = 255;
    const int worn = addShip(kAllies, {{F::NumeroGN, 2}, {F::Resistenza, 100}, {F::ResistenzaM, 3}, {F::OperativitaM, 10}});
    const int young = addShip(kAllies, {{F::NumeroGN, 4}, {F::ResistenzaM, 3}, {F::OperativitaM, 10}});
    {
        ChosenDice dice({5});
        InizioOraNavi();
        EXPECT_EQ(dice.sides, QList<int>{12}) << "only the group past 255 hours rolls";
    }
    EXPECT_EQ(g.GameState[13], "1");
    EXPECT_EQ(field(kAllies, worn, F::ResistenzaM), -2);
    EXPECT_EQ(field(kAllies, worn, F::OperativitaM), 9);
    EXPECT_EQ(field(kAllies, young, F::ResistenzaM), 3);
    {
        ChosenDice dice({6});
        InizioOraNavi();
    }
    EXPECT_EQ(field(kAllies, worn, F::ResistenzaM), -2) << "a 6 does not wear";

    {
        // No damage roll for it: only the sinking test's d100.
        ChosenDice dice({100});
        DanniNaviOra();
    }
    EXPECT_EQ(shipAt(kAllies, worn).trimmed(F::Status), "3");
    EXPECT_EQ(lostShipCount(), 1);
    EXPECT_EQ(readLostShip(1).Record, worn);
    EXPECT_EQ(readLostShip(1).Group, 2);
    EXPECT_EQ(g.GameState[17], "1");
    EXPECT_EQ(g.GameState[12], "1");
}

TEST_F(ShipPasses, GroupValuesAreRebuiltFromTheShips) {
    side(kAxis);
    Int16* row = g.GnTableAsse[5];
    row[1] = 1;
    row[14] = 25;
    row[27] = 250;
    const int slowBurner = addShip(kAxis, {{F::Nazione, "DE"},
                                           {F::Tipo, "PA"},
                                           {F::NumeroGN, 5},
                                           {F::NodiM, 12},
                                           {F::OperativitaM, 60},
                                           {F::ResistenzaM, 200},
                                           {F::IncendiAttivi, 2},
                                           {F::Assistenza, 1},
                                           {F::Missione, 9},
                                           {F::AereiM, 20},
                                           {F::AAMM, 20},
                                           {F::AACM, 7},
                                           {F::RadarM, 1}});
    const int worn = addShip(kAxis, {{F::Nazione, "DE"},
                                     {F::NumeroGN, 5},
                                     {F::NodiM, 30},
                                     {F::OperativitaM, 0},
                                     {F::ResistenzaM, 50},
                                     {F::Assistenza, 1},
                                     {F::Missione, 9},
                                     {F::AAMM, 10},
                                     {F::AACM, 5},
                                     {F::RadarM, 1}});
    addShip(kAxis, {{F::Nazione, "DE"},
                    {F::Tipo, "PA"},
                    {F::NumeroGN, 5},
                    {F::NodiM, 28},
                    {F::OperativitaM, 70},
                    {F::ResistenzaM, 300},
                    {F::Assistenza, 1},
                    {F::AereiM, 30},
                    {F::NonOperativa, 2},
                    {F::AAMM, 1}});
    g.CurrentGnIndex = 5;
    AggiornaGNDaNavi();
    EXPECT_EQ(row[2], 12);
    EXPECT_EQ(row[14], 12);
    EXPECT_EQ(row[27], 120);
    EXPECT_EQ(row[6], 1);
    EXPECT_EQ(row[5], 2);
    EXPECT_EQ(row[42], 31);
    EXPECT_EQ(row[43], 12);
    EXPECT_EQ(row[8], 20) << "aircraft of a ship out of action do not fly";
    EXPECT_EQ(row[9], 2);
    EXPECT_EQ(row[11], 1) << "the burning ship and the worn one can no longer assist";
    EXPECT_EQ(row[35], 2);
    EXPECT_EQ(row[37], 1);
    EXPECT_EQ(row[4], 3);
    EXPECT_EQ(row[12], 2);
    EXPECT_EQ(row[45], 2) << "German ships only";
    EXPECT_EQ(shipAt(kAxis, worn).trimmed(F::OperativitaM), "1");
    EXPECT_EQ(shipAt(kAxis, worn).trimmed(F::Assistenza), "0");
    EXPECT_EQ(shipAt(kAxis, worn).trimmed(F::Missione), "9") << "not burning and not slow";
    EXPECT_EQ(shipAt(kAxis, slowBurner).trimmed(F::Missione), "1");
    EXPECT_EQ(shipAt(kAxis, slowBurner).trimmed(F::Assistenza), "0");

    // A lone ship marked as assisting gives no assistance; an Italian ship among German ones
    // makes the group Italian.
    Int16* lone = g.GnTableAsse[6];
    lone[1] = 1;
    addShip(kAxis, {{F::Nazione, "IT"}, {F::NumeroGN, 6}, {F::OperativitaM, 50}, {F::ResistenzaM, 50}, {F::Assistenza, 1}});
    g.CurrentGnIndex = 6;
    AggiornaGNDaNavi();
    EXPECT_EQ(lone[11], 0);
    EXPECT_EQ(lone[2], 0);
    EXPECT_EQ(lone[45], 1);
}

TEST_F(ShipPasses, AGroupOfUnknownTypesCountsAsEmpty) {
    side(kAllies);
    g.GnTableAlle[7][1] = 1;
    g.GnTableAlle[7][24] = 4;
    g.setState(21, 10);
    addShip(kAllies, {{F::Tipo, "ZZ"}, {F::NumeroGN, 7}});
    g.CurrentGnIndex = 7;
    AggiornaGNDaNavi();
    EXPECT_EQ(g.GnTableAlle[7][1], 0);
    EXPECT_EQ(g.GameState[21], "14");
}

TEST_F(ShipPasses, ShipsComeBackFromTheDockyardAtTheEndOfTheirDays) {
    side(kAllies);
    auto refit = [&](int days) {
        return addShip(kAllies, {{F::NonOperativa, 9},
                                 {F::IncendiAttivi, days},
                                 {F::Status, 0},
                                 {F::Nodi, 30},
                                 {F::NodiM, 4},
                                 {F::Resistenza, 400},
                                 {F::ResistenzaM, 12},
                                 {F::Cargo, 5},
                                 {F::AAC, 9},
                                 {F::AACM, 1}});
    };
    const int three = refit(3), one = refit(1), none = refit(0), stuck = refit(-4);
    const int burning = addShip(kAllies, {{F::IncendiAttivi, 2}, {F::NumeroGN, 1}});
    AggiornaNaviOra();
    EXPECT_EQ(field(kAllies, three, F::NonOperativa), 9);
    EXPECT_EQ(field(kAllies, three, F::IncendiAttivi), 2);
    for (int back : {one, none, stuck}) {
        const ShipRecord s = shipAt(kAllies, back);
        EXPECT_EQ(s.trimmed(F::NonOperativa), "0") << back;
        EXPECT_EQ(s.trimmed(F::Status), "1");
        EXPECT_EQ(s.trimmed(F::IncendiAttivi), "0");
        EXPECT_EQ(s.trimmed(F::NumeroGN), "0");
        EXPECT_EQ(s.trimmed(F::Porto), "0");
        EXPECT_EQ(s.whole(F::NodiM), 30);
        EXPECT_EQ(s.whole(F::ResistenzaM), 400);
        EXPECT_EQ(s.whole(F::CargoM), 5);
        EXPECT_EQ(s.whole(F::AACM), 9);
    }
    EXPECT_EQ(field(kAllies, burning, F::IncendiAttivi), 2) << "fires are not a day count";
}

TEST_F(ShipPasses, PortsCountTheirShipsAndTakeTheirGuns) {
    side(kAxis);
    g.BaseTable[12][10] = 4;
    g.BaseTable[3][10] = 6;
    g.BaseTable[3][9] = 6;
    addShip(kAxis, {{F::Porto, 1}, {F::AACM, 5}, {F::AAMM, 10}});
    addShip(kAxis, {{F::Porto, 1}, {F::AACM, 7}, {F::AAMM, 1}});
    addShip(kAxis, {{F::Porto, 1}, {F::NumeroGN, 2}, {F::AACM, 2}, {F::AAMM, 2}});
    addShip(kAxis, {{F::Porto, 3}, {F::Status, 3}, {F::AACM, 2}});
    addShip(kAxis, {{F::Porto, 10}, {F::AACM, 2}});
    ChiusuraNaviOra();
    EXPECT_EQ(g.BaseTable[1][10], 2) << "a ship in a group is not in port";
    EXPECT_EQ(g.BaseTable[3][10], 0);
    EXPECT_EQ(g.BaseTable[10][10], 1);
    EXPECT_EQ(g.BaseTable[12][10], 4) << "Allied bases are the Allies' pass";
    FaseCAA();
    EXPECT_EQ(g.BaseTable[1][9], 4) << "the last ship in service gives the value";
    EXPECT_EQ(g.BaseTable[3][9], 0);
    EXPECT_EQ(g.BaseTable[10][9], 0);
}

TEST_F(ShipPasses, CarrierAirGroupsFollowTheirCarriersAndAreRecalledAtTheEdges) {
    GroupTable& air = g.GaTableAlle;
    GroupTable& naval = g.GnTableAlle;
    naval[2][1] = 1;
    naval[2][17] = 1;
    naval[3][1] = 1;
    naval[3][25] = 5000;
    naval[3][26] = 3000;
    auto carrierGroup = [&](int a, int gn, int x) {
        air[a][1] = 1;
        air[a][43] = 1;
        air[a][44] = gn;
        air[a][2] = 300;
        air[a][21] = 10;
        air[a][7] = 3;
        air[a][25] = x;
        air[a][26] = 3000;
    };
    carrierGroup(1, 2, 900);
    carrierGroup(2, 3, 5100);
    carrierGroup(3, 3, 5751);
    carrierGroup(4, 3, 5750);
    air[5][1] = 1;
    air[5][39] = 777;
    BordiMappaGA();
    EXPECT_EQ(air[1][39], 15);
    EXPECT_EQ(air[1][40], 2535);
    EXPECT_EQ(air[1][7], 7) << "its carrier is on the Gibraltar route";
    EXPECT_EQ(air[2][39], 5000);
    EXPECT_EQ(air[2][40], 3000);
    EXPECT_EQ(air[2][7], 3);
    EXPECT_EQ(air[3][7], 7) << "beyond its radius of 750";
    EXPECT_EQ(air[4][7], 3);
    EXPECT_EQ(air[5][39], 777) << "not a carrier group";
}
