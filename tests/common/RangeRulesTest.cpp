#include "common/RangeRules.h"
#include "common/Globals.h"

#include <gtest/gtest.h>

TEST(RangeRules, DistancesAndBands) {
    resetGlobals();
    EXPECT_EQ(DistanzaPunti(0, 0, 3, 4), 5);
    EXPECT_EQ(DistanzaPunti(3, 4, 0, 0), 5);
    EXPECT_EQ(DistanzaPunti(0, 0, 1, 1), 1); // 1.414 is cut
    EXPECT_EQ(DistanzaPunti(0, 0, 15250, 6930), 16750);
    EXPECT_THROW(DistanzaPunti(-20000, 0, 20000, 0), platform::RangeError);
    const int bands[][2] = {{1, 32},    {500, 32},  {501, 28},  {800, 28},  {801, 26},
                            {1000, 26}, {1001, 22}, {1800, 22}, {1801, 18}, {3600, 18},
                            {3601, 14}, {4600, 14}, {4601, 10}, {0, 10},    {-5, 10}};
    for (const auto& b : bands) EXPECT_EQ(FasciaDistanza(b[0]), b[1]) << b[0];
    G().MapClickMode = 1;
    EXPECT_EQ(FasciaDistanza(500), 64);
}

TEST(RangeRules, MissionRadiusAndMiles) {
    resetGlobals();
    G().MissionSpeed = 16;
    EXPECT_EQ(RaggioMissione(12), 50);
    EXPECT_EQ(G().UsableEndurance, 10);
    G().MissionSpeed = 300;
    EXPECT_EQ(RaggioMissione(7), 562);   // u = 6; 300 / 1.6 × 3 = 562.5
    EXPECT_EQ(RaggioMissione(-3), -188); // Int goes toward minus infinity: u = -2, Int(-1) × 187.5
    EXPECT_EQ(KmInMiglia(100), 53);
}

TEST(RangeRules, PortWorkRate) {
    EXPECT_EQ(FormulaRapporto(8, 3, 2), 3);
    EXPECT_EQ(FormulaRapporto(0, 6, 5), -4);
    EXPECT_THROW(FormulaRapporto(8, -1, 0), platform::RangeError);

    resetGlobals();
    Globals& g = G();
    g.SelectedBase = 7;
    g.BasePortLevel[7] = 3;
    g.BaseTable[7][BaseCol::DamagePercent] = 59;
    g.GameSettings[14] = 8;
    g.GameSettings[15] = 4;
    g.CurrentSide = kAllies;
    ValoriBase();
    EXPECT_EQ(FormulaRapporto(g.PortCoefficient, g.PortLevel, g.PortDamageStep), 3); // (8 + 12) / 4 - 2
    g.CurrentSide = kAxis;
    ValoriBase();
    EXPECT_EQ(g.PortCoefficient, 4);
    g.CurrentSide = 0;
    g.GameSettings[15] = 9;
    ValoriBase();
    EXPECT_EQ(g.PortCoefficient, 4); // no side in play keeps the coefficient
}
