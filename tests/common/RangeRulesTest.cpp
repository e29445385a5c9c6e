#include "common/RangeRules.h"
#include "CampaignFixture.h"

#include <gtest/gtest.h>

TEST(RangeRules, DistanceIsTheIntegerPartOfTheStraightLine) {
    EXPECT_EQ(DistanzaPunti(0, 0, 3, 4), 5);
    EXPECT_EQ(DistanzaPunti(0, 0, 1, 1), 1);
    EXPECT_EQ(DistanzaPunti(3, 4, 0, 0), 5);
    EXPECT_EQ(DistanzaPunti(1500, 600, 1500, 600), 0);
    EXPECT_EQ(DistanzaPunti(0, 0, 15250, 6930), 16750);
    EXPECT_THROW(DistanzaPunti(-20000, 0, 20000, 0), platform::RangeError);
}

TEST(RangeRules, DistanceBands) {
    resetGlobals();
    const int cases[][2] = {{1, 32},    {500, 32},  {501, 28},  {800, 28},  {801, 26},
                            {1000, 26}, {1001, 22}, {1800, 22}, {1801, 18}, {3600, 18},
                            {3601, 14}, {4600, 14}, {4601, 10}, {0, 10},    {-5, 10}};
    for (const auto& c : cases) EXPECT_EQ(FasciaDistanza(c[0]), c[1]) << c[0];
    G().MapClickMode = 1;
    EXPECT_EQ(FasciaDistanza(500), 64);
    EXPECT_EQ(FasciaDistanza(0), 20);
}

TEST(RangeRules, MissionRadiusAndMiles) {
    resetGlobals();
    G().MissionSpeed = 16;
    EXPECT_EQ(RaggioMissione(12), 50);
    EXPECT_EQ(G().UsableEndurance, 10);
    G().MissionSpeed = 300;
    EXPECT_EQ(RaggioMissione(7), 562); // u = 6; 300 / 1.6 × 3 = 562.5
    EXPECT_EQ(G().UsableEndurance, 6);
    EXPECT_EQ(RaggioMissione(-3), -188); // Int(-0.6) = -1: u = -2, Int(-1) × 187.5
    EXPECT_EQ(KmInMiglia(100), 53);
    EXPECT_EQ(KmInMiglia(430), 232);
}

TEST(RangeRules, PortWorkRate) {
    EXPECT_EQ(FormulaRapporto(8, 3, 2), 3);
    EXPECT_EQ(FormulaRapporto(0, 6, 5), -4);
    EXPECT_EQ(FormulaRapporto(0, 0, 12), 0);
    EXPECT_THROW(FormulaRapporto(8, -1, 0), platform::RangeError);

    resetGlobals();
    Globals& g = G();
    g.SelectedBase = 7;
    g.BasePortLevel[7] = 3;
    g.BaseTable[7][3] = 59;
    g.GameSettings[14] = 8;
    g.GameSettings[15] = 4;
    g.CurrentSide = kAllies;
    ValoriBase();
    EXPECT_EQ(g.PortLevel, 3);
    EXPECT_EQ(g.PortDamageStep, 2);
    EXPECT_EQ(g.PortCoefficient, 8);
    EXPECT_EQ(FormulaRapporto(g.PortCoefficient, g.PortLevel, g.PortDamageStep), 3);
    g.CurrentSide = kAxis;
    ValoriBase();
    EXPECT_EQ(g.PortCoefficient, 4);
    g.CurrentSide = 0;
    g.GameSettings[15] = 9;
    ValoriBase();
    EXPECT_EQ(g.PortCoefficient, 4); // no side in play keeps the coefficient
    g.SelectedBase = 0;
    ValoriBase();
    EXPECT_EQ(g.PortLevel, 0);
}
