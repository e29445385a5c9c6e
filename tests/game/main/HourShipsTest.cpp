#include "game/main/HourShips.h"

#include "ShipFiles.h"
#include "common/Dice.h"
#include "common/LostShips.h"
#include "game/main/HourPhases.h"
#include "tests/common/CampaignFixture.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace shipfiles;

namespace {
class ShipPasses : public ::testing::Test {
  protected:
    CampaignFolder campaign;
    Globals& g = G();
};
} // namespace

TEST_F(ShipPasses, ABurningShipSpreadsFireToTheShipAssistingIt) {
    g.CurrentSide = kAllies;
    // clang-format off
    const int burning = addShip(kAllies, {{F::NUMERO_GN, 1}, {F::RESISTENZA, 160}, {F::RESISTENZAM, 100},
                                          {F::INCENDI_ATTIVI, 2}, {F::C_A_INCENDIM, 3}, {F::OPERATIVITAM, 50}});
    const int helper = addShip(kAllies, {{F::NUMERO_GN, 1}, {F::Assistenza, 1}, {F::RESISTENZA, 160},
                                         {F::RESISTENZAM, 100}, {F::C_A_INCENDIM, 3}, {F::OPERATIVITAM, 50}});
    // clang-format on
    const int moored = addShip(
        kAllies, {{F::PORTO, 12}, {F::INCENDI_ATTIVI, 1}, {F::C_A_INCENDIM, 5}, {F::RESISTENZAM, 10}});
    // Result 1 for the burning ship; the spread's d30 of 18 (28 in all) to the helper, whose own
    // turn gives 8; then the sinking test of the two burning ships.
    ChosenDice dice({1, 4, 3, 7, 18, 9, 2, 50, 10});
    DanniNaviOra();
    EXPECT_EQ(dice.sides, (QList<int>{12, 17, 6, 10, 30, 12, 6, 100, 100})) << "no damage roll in port";
    EXPECT_EQ(field(kAllies, burning, F::INCENDI_ATTIVI), 5);
    EXPECT_EQ(field(kAllies, burning, F::RESISTENZAM), 80);
    EXPECT_EQ(field(kAllies, burning, F::NON_OP), 0) << "hull at half is not below half";
    EXPECT_EQ(field(kAllies, helper, F::RESISTENZAM), 72);
    EXPECT_EQ(field(kAllies, helper, F::OPERATIVITAM), 49);
    EXPECT_EQ(shipAt(kAllies, moored).trimmed(F::INCENDI_ATTIVI), "") << "fires are put out in port";
    EXPECT_EQ(g.GameState[StateItem::LossTotalAlle], "96") << "operativity and cargo after damage";
}

TEST_F(ShipPasses, ShipsSunkByRuleAreRecordedAndLeaveTheirGroupAndPort) {
    g.CurrentSide = kAxis;
    g.setState(StateItem::Day, 4);
    g.setState(StateItem::Hour, 13);
    Int16* row = g.GnTableAsse[3];
    row[GnCol::InUse] = 1, row[GnCol::HoursUnderWay] = 9, row[GnCol::X] = 1234, row[GnCol::Y] = 2345;
    g.BaseTable[5][BaseCol::ShipsPresent] = 1;
    // clang-format off
    addShip(kAxis, {{F::TIPO, "IL"}, {F::NOME, "Giovanni delle Bande Nere"}, {F::STAZZA, 5200},
                    {F::NUMERO_GN, 3}, {F::AFF, 1}, {F::INCENDI_ATTIVI, 9}, {F::C_A_INCENDIM, 5},
                    {F::RESISTENZA, 160}, {F::RESISTENZAM, 150}, {F::OPERATIVITAM, 37}, {F::CARGOM, 4}});
    addShip(kAxis, {{F::TIPO, "MR"}, {F::NOME, "Calitea"}, {F::STAZZA, 4013}, {F::PORTO, 5},
                    {F::INCENDI_ATTIVI, 9}, {F::C_A_INCENDIM, 2}, {F::RESISTENZA, 40}, {F::RESISTENZAM, 0},
                    {F::OPERATIVITAM, 20}});
    // clang-format on
    {
        ChosenDice dice({10, 99, 99}); // result 9 takes two fires; then a d100 for each
        DanniNaviOra();
    }
    const QByteArray expected =
        QByteArray::fromHex("0400 0d00 0000 0200 0100") + "IL" + "Giovanni d" +
        QByteArray::fromHex("50140000 2500 0000 0300 0000 0000 d204 2909 000000000000") +
        QByteArray::fromHex("0400 0d00 0000 0200 0200") + "MR" + "Calitea   " +
        QByteArray::fromHex("ad0f0000 1400 0000 0000 0000 0500 0000 0000 000000000000");
    EXPECT_EQ(testsupport::readBytes(campaign.game("Provalostship.dat")).toHex(), expected.toHex());
    for (int r : {1, 2}) {
        const ShipRecord s = shipAt(kAxis, r);
        EXPECT_EQ(s.text(F::STATUS), "3");
        EXPECT_EQ(s.text(F::NON_OP), "3");
        EXPECT_EQ(s.trimmed(F::INCENDI_ATTIVI), "");
        EXPECT_EQ(s.trimmed(F::NUMERO_GN), "");
        EXPECT_EQ(s.trimmed(F::PORTO), "");
    }
    EXPECT_EQ(g.BaseTable[5][BaseCol::ShipsPresent], 0);
    EXPECT_EQ(g.GameState[StateItem::SunkLastHour], "2");
    EXPECT_EQ(g.GameState[StateItem::ShipsLostAsse], "2");
    EXPECT_EQ(g.GameState[StateItem::WarshipTonsAsse], "5200");
    EXPECT_EQ(g.GameState[StateItem::MerchantTonsAsse], "4013");

    g.CurrentGnIndex = 3;
    AggiornaGNDaNavi();
    EXPECT_EQ(row[GnCol::InUse], 0) << "no ship left: the group is dissolved";
    EXPECT_EQ(g.GameState[StateItem::NavalMovesAsse], "9") << "with its hours at sea booked";
}

TEST_F(ShipPasses, AHullWornBelowZeroSinksOnRecord) {
    g.CurrentSide = kAllies;
    g.GnTableAlle[2][GnCol::InUse] = 1;
    g.GnTableAlle[2][GnCol::HoursSinceFormed] = 256;
    g.GnTableAlle[4][GnCol::HoursSinceFormed] = 255;
    const int worn = addShip(kAllies, {{F::NUMERO_GN, 2}, {F::RESISTENZA, 100}, {F::RESISTENZAM, 3}});
    {
        ChosenDice dice({5});
        InizioOraNavi();
        EXPECT_EQ(dice.sides, QList<int>{12}) << "only the group past 255 hours rolls";
    }
    EXPECT_EQ(g.GameState[StateItem::StressAlle], "1");
    EXPECT_EQ(field(kAllies, worn, F::RESISTENZAM), -2);
    {
        ChosenDice dice({100}); // no damage roll: only the sinking test's
        DanniNaviOra();
    }
    EXPECT_EQ(shipAt(kAllies, worn).trimmed(F::STATUS), "3");
    EXPECT_EQ(readLostShip(1).Record, worn);
    EXPECT_EQ(g.GameState[StateItem::ShipsLostAlle], "1");
    EXPECT_EQ(g.GameState[StateItem::SunkLastHour], "1");
}

TEST_F(ShipPasses, GroupValuesComeFromTheShips) {
    g.CurrentSide = kAxis;
    Int16* row = g.GnTableAsse[5];
    row[GnCol::InUse] = 1, row[GnCol::Knots] = 25;
    // clang-format off
    const int burner = addShip(kAxis, {{F::NAZIONE, "DE"}, {F::TIPO, "PA"}, {F::NUMERO_GN, 5}, {F::NODIM, 12},
                                       {F::OPERATIVITAM, 60}, {F::RESISTENZAM, 200}, {F::INCENDI_ATTIVI, 2},
                                       {F::Assistenza, 1}, {F::MISSIONE, 9}, {F::AEREIM, 20}, {F::AAMM, 20}});
    const int worn = addShip(kAxis, {{F::NAZIONE, "DE"}, {F::NUMERO_GN, 5}, {F::NODIM, 30},
                                     {F::RESISTENZAM, 50}, {F::Assistenza, 1}, {F::AAMM, 10}});
    addShip(kAxis, {{F::NAZIONE, "DE"}, {F::TIPO, "PA"}, {F::NUMERO_GN, 5}, {F::NODIM, 28},
                    {F::OPERATIVITAM, 70}, {F::RESISTENZAM, 300}, {F::Assistenza, 1}, {F::AEREIM, 30},
                    {F::NON_OP, 2}});
    // clang-format on
    g.CurrentGnIndex = 5;
    AggiornaGNDaNavi();
    EXPECT_EQ(row[GnCol::MaxKnots], 12);
    EXPECT_EQ(row[GnCol::Knots], 12);
    EXPECT_EQ(row[GnCol::Step], 120);
    EXPECT_EQ(row[GnCol::MinOperativity], 1);
    EXPECT_EQ(row[GnCol::Aam], 30);
    EXPECT_EQ(row[GnCol::CapAircraft], 20) << "aircraft of a ship out of action do not count";
    EXPECT_EQ(row[GnCol::CapLevel], 2);
    EXPECT_EQ(row[GnCol::BusyShips], 1) << "the burning ship and the worn one can no longer assist";
    EXPECT_EQ(row[GnCol::Carriers], 2);
    EXPECT_EQ(row[GnCol::Destroyers], 1);
    EXPECT_EQ(row[GnCol::Nation], 2) << "German ships only";
    EXPECT_EQ(shipAt(kAxis, worn).text(F::OPERATIVITAM).trimmed(), "1");
    EXPECT_EQ(shipAt(kAxis, burner).text(F::MISSIONE), "1");
    EXPECT_EQ(shipAt(kAxis, burner).trimmed(F::Assistenza), "0");
}

// The group pass runs twice an hour and again the next hour: a ship changed in between counts as
// it is now, one changed back as it was.
TEST_F(ShipPasses, GroupValuesFollowShipsChangedBetweenPasses) {
    g.CurrentSide = kAllies;
    Int16* row = g.GnTableAlle[3];
    row[GnCol::InUse] = 1, row[GnCol::Knots] = 10;
    const int first = addShip(kAllies, {{F::NUMERO_GN, 3},
                                        {F::NODIM, 28},
                                        {F::OPERATIVITAM, 50},
                                        {F::RESISTENZAM, 100},
                                        {F::AAMM, 4},
                                        {F::TIPO, "CT"}});
    addShip(kAllies, {{F::NUMERO_GN, 3},
                      {F::NODIM, 30},
                      {F::OPERATIVITAM, 40},
                      {F::RESISTENZAM, 100},
                      {F::AAMM, 6},
                      {F::TIPO, "CT"}});
    auto pass = [&] {
        groupValuesOfSide();
        return std::tuple{row[GnCol::MaxKnots], row[GnCol::MinOperativity], row[GnCol::Aam],
                          row[GnCol::Ships]};
    };
    auto change = [&](int knots, int aam, int group) {
        openShipFile(kChannelShips, kAllies);
        readShip(kChannelShips, first);
        g.ShipRecordBuffer.setNumber(F::NODIM, knots);
        g.ShipRecordBuffer.setNumber(F::AAMM, aam);
        g.ShipRecordBuffer.setNumber(F::NUMERO_GN, group);
        writeShip(kChannelShips, first);
        g.Files.closeAll();
    };
    EXPECT_EQ(pass(), std::tuple(28, 40, 10, 2));
    change(12, 9, 3);
    EXPECT_EQ(pass(), std::tuple(12, 40, 15, 2));
    change(28, 4, 3);
    EXPECT_EQ(pass(), std::tuple(28, 40, 10, 2)) << "the ship as it was first";
    change(28, 4, 0);
    EXPECT_EQ(pass(), std::tuple(30, 40, 6, 1)) << "a ship gone from the group";
}

TEST_F(ShipPasses, ShipsComeBackFromTheDockyard) {
    g.CurrentSide = kAllies;
    auto refit = [&](int days) {
        // clang-format off
        return addShip(kAllies, {{F::NON_OP, 9}, {F::INCENDI_ATTIVI, days}, {F::STATUS, 0}, {F::NODI, 30},
                                 {F::NODIM, 4}, {F::RESISTENZA, 400}});
        // clang-format on
    };
    const int three = refit(3), one = refit(1), none = refit(0);
    AggiornaNaviOra();
    EXPECT_EQ(field(kAllies, three, F::NON_OP), 9);
    EXPECT_EQ(field(kAllies, three, F::INCENDI_ATTIVI), 2);
    for (int back : {one, none}) {
        const ShipRecord s = shipAt(kAllies, back);
        EXPECT_EQ(s.text(F::NON_OP), "0") << back;
        EXPECT_EQ(s.text(F::STATUS), "1") << back;
        EXPECT_EQ(s.trimmed(F::INCENDI_ATTIVI), "0") << back;
        EXPECT_EQ(s.whole(F::NODIM), 30) << back;
        EXPECT_EQ(s.whole(F::RESISTENZAM), 400) << back;
    }
}

TEST_F(ShipPasses, CarrierAirGroupsFollowTheirCarriersAndAreRecalled) {
    GroupTable& air = g.GaTableAlle;
    g.GnTableAlle[2][GnCol::InUse] = 1, g.GnTableAlle[2][GnCol::OffMap] = 1; // on the Gibraltar route
    g.GnTableAlle[3][GnCol::InUse] = 1, g.GnTableAlle[3][GnCol::X] = 5000, g.GnTableAlle[3][GnCol::Y] = 3000;
    for (auto [a, gn, x] : {std::tuple{1, 2, 900}, {2, 3, 5750}, {3, 3, 5751}}) {
        air[a][GaCol::InUse] = 1, air[a][GaCol::CarrierGroup] = 1, air[a][GaCol::CarrierGn] = gn,
        air[a][GaCol::SpeedKmh] = 300, air[a][GaCol::DefaultEndurance] = 10,
        air[a][GaCol::Order] = kOrderPatrol;
        air[a][GaCol::X] = x, air[a][GaCol::Y] = 3000;
    }
    BordiMappaGA();
    EXPECT_EQ(air[1][GaCol::OriginX], 15);
    EXPECT_EQ(air[1][GaCol::OriginY], 2535);
    EXPECT_EQ(air[1][GaCol::Order], 7);
    EXPECT_EQ(air[2][GaCol::OriginX], 5000);
    EXPECT_EQ(air[2][GaCol::OriginY], 3000);
    EXPECT_EQ(air[2][GaCol::Order], 3) << "at its radius of 750";
    EXPECT_EQ(air[3][GaCol::Order], 7) << "beyond it";
}
