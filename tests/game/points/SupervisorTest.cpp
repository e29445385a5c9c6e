// The supervisor's rules without a window: list lines, status icons, what a box holds, the floors
// of a ship written back, typed group values and the lines of the hour's contacts.
#include "game/points/Supervisor.h"

#include "common/Globals.h"

#include <gtest/gtest.h>

using namespace supervisor;

namespace {
namespace F = recordformat::ship;

ShipRecord ship(const QString& status, int group, int mission, int fires = 0, int notOp = 0) {
    ShipRecord s;
    s.setText(F::TIPO, "CT");
    s.setText(F::NOME, "Lanciere dei Mari del Sud");
    s.setText(F::STATUS, status);
    s.setNumber(F::NUMERO_GN, group);
    s.setNumber(F::MISSIONE, mission);
    s.setNumber(F::INCENDI_ATTIVI, fires);
    s.setNumber(F::NON_OP, notOp);
    return s;
}

using Icons = std::array<QString, kStatusPlaces>;

// Each place of the status frame on its own.
void expectIcons(const ShipRecord& s, const Icons& expected) {
    const Icons icons = statusIcons(s);
    for (int i = 0; i < kStatusPlaces; ++i) EXPECT_EQ(icons[i], expected[i]) << "place " << i;
}
} // namespace

TEST(SupervisorRules, ListLines) {
    const ShipRecord s = ship("1", 7, 0);
    EXPECT_EQ(groupLine(7, 12), "GN 7 -Nv 12");
    EXPECT_EQ(shipLineOfGroup(7, s), "(GN: 7) * CT_Lanciere dei Mar");
    EXPECT_EQ(shipLineOfPort("MALTA HQ", s), "(MALTA HQ) * CT_Lanciere dei Mar");
    EXPECT_EQ(shipLine(s), "CT_Lanciere dei Mar");
    EXPECT_EQ(airGroupLine(3, 9, "CPT", "AEREO 3"), "GAn 3_9 CPT_AEREO 3");
}

TEST(SupervisorRules, EachSideLooksOnlyIntoItsOwnPorts) {
    EXPECT_FALSE(portOfSide(kAllies, 11));
    EXPECT_TRUE(portOfSide(kAllies, 12));
    EXPECT_TRUE(portOfSide(kAxis, 11));
    EXPECT_FALSE(portOfSide(kAxis, 12));
}

TEST(SupervisorRules, StatusIcons) {
    expectIcons(ship("1", 0, 8), {"\\Ico\\ancora.ico", "\\Ico\\refuel.ico", "", "", ""});
    expectIcons(ship("1", 0, 1), {"\\Ico\\ancora.ico", "\\Ico\\go.ico", "", "", ""});
    expectIcons(ship("1", 5, 1), {"\\Ico\\patrol.ico", "\\Ico\\go.ico", "", "", ""});
    expectIcons(ship("1", 0, 7), {"\\Ico\\ancora.ico", "\\Ico\\cargoout.ico", "", "", ""});
    expectIcons(ship("1", 0, 6), {"\\Ico\\ancora.ico", "\\Ico\\cargoin.ico", "", "", ""});
    expectIcons(ship("1", 0, 9), {"\\Ico\\ancora.ico", "", "", "\\Ico\\assisti.ico", ""});
    expectIcons(ship("1", 0, 5), {"\\Ico\\ancora.ico", "", "", "\\Ico\\ripara.ico", ""});
    expectIcons(ship(" ", 4, 1), {"\\Ico\\combat.ico", "", "", "", ""}); // a blank status reads 0
    expectIcons(ship("3", 4, 1, 2, 1), {"", "", "", "", "\\Ico\\affonda.ico"});
    expectIcons(ship("2", 0, 5, 2), {"", "", "", "\\Ico\\ripara1.ico", ""});
    expectIcons(ship("1", 3, 0, 2), {"\\Ico\\patrol.ico", "", "\\Ico\\inc1.ico", "", ""});
    expectIcons(ship("1", 3, 0, 2, 1), {"\\Ico\\patrol.ico", "", "\\Ico\\inc2.ico", "", ""});
}

TEST(SupervisorRules, ABoxHoldsNoMoreThanItsFieldAndDigitsWhereTheFieldIsANumber) {
    EXPECT_EQ(boxText("123", F::NODIM, true), "12");
    EXPECT_EQ(boxText("1a-2", F::RESISTENZAM, true), "12");
    EXPECT_EQ(boxText("xxx", F::Cancellato, false), "xxx");
    EXPECT_EQ(boxText("PAX", F::TIPO, false), "PA");
}

TEST(SupervisorRules, FloorsOfAShipWrittenBack) {
    ShipLabels labels;
    labels[20] = "";     // NODIM
    labels[21] = "0";    // OPERATIVITAM
    labels[24] = "-3  "; // RESISTENZAM
    applyShipFloors(labels);
    EXPECT_EQ(labels[20], "4");
    EXPECT_EQ(labels[21], "1");
    EXPECT_EQ(labels[24], "0");
    labels[24] = "";
    applyShipFloors(labels);
    EXPECT_EQ(labels[24], "") << "a blank hull stays blank";
}

TEST(SupervisorRules, TypedGroupValues) {
    EXPECT_EQ(groupValue("1.5"), 2);
    EXPECT_EQ(groupValue("2.5"), 2);
    EXPECT_EQ(groupValue("-3"), -3);
    EXPECT_EQ(groupValue("32767"), 32767);
    for (const char* bad : {"", "-", ".", "1-2", "32768", "-32769", "1.2.3"})
        EXPECT_EQ(groupValue(bad), std::nullopt) << bad;
    EXPECT_EQ(airGroupValue("32767"), 32767);
    for (const char* bad : {"", "32768", "99999", "-1"}) EXPECT_EQ(airGroupValue(bad), std::nullopt) << bad;
}

TEST(SupervisorRules, TheLineOfAContactIsTheGroupThatWasSeen) {
    ContactRecord c{};
    c.STVEDELATO1 = 1, c.STNSTACKLATO2 = 4, c.STNUMNAVILATO2 = 3, c.STNODILATO2 = 18, c.STDISTANZA = 150;
    c.STATTACCOLATO1 = 1;
    EXPECT_EQ(contactLine(c), "GN:4 N:3 K:18 (150) S/AT");
    ContactRecord axisSaw{};
    axisSaw.STVEDELATO2 = 1, axisSaw.STNSTACKLATO1 = 9, axisSaw.STNUMNAVILATO1 = 2, axisSaw.STNODILATO1 = 25;
    axisSaw.STDISTANZA = 80;
    EXPECT_EQ(contactLine(axisSaw), "GN:9 N:2 K:25 (80)");
    axisSaw.STNUMNAVILATO1 = 0;
    EXPECT_EQ(contactLine(axisSaw), "") << "a seen group without ships";
    EXPECT_EQ(contactLine(ContactRecord{}), "") << "nobody saw anybody";
}
