// Ratings of real ship classes from their historical data, against hand computations on the
// shipped tables. Table rows used (type: Indicenavi, ResBaseX, CostoBase, CorGenBase,
// OperativitaBase, IndiceDT): NB 1.5 40 600 10 80 25; IB 1.4 35 450 8 85 22; IP 1.2 25 200 5 85 20;
// CT 0.8 8 40 1 60 12; SA 0.5 4 35 1 150 5. Year brackets: 0.7 to 1918, 0.8 1925, 0.9 1932,
// 1.0 1936, 1.1 1940, 1.2 1945; the factors are single precision (1.1 is 1.10000002, 0.9 is
// 0.899999976, 0.7 is 0.699999988).
#include "cards/ShipRating.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

namespace {
ShipRatingTables shippedTables() {
    return loadShipRatingTables(QStringLiteral(SHIPPED_DATA_DIR "/Data/"));
}

struct Expected {
    int R, C, VR, OR, CG, FU, PL, CT, DT, TP, TS, cost, OP, unit, MA, cargo, charges;
};

void expectRatings(const ShipRatingResult& r, const Expected& e) {
    EXPECT_EQ(int(r.resistance), e.R);
    EXPECT_EQ(int(r.fireFighting), e.C);
    EXPECT_EQ(int(r.ratings.VR), e.VR);
    EXPECT_EQ(int(r.ratings.OR), e.OR);
    EXPECT_EQ(int(r.ratings.CG), e.CG);
    EXPECT_EQ(int(r.ratings.FU), e.FU);
    EXPECT_EQ(int(r.ratings.PL), e.PL);
    EXPECT_EQ(int(r.ratings.CT), e.CT);
    EXPECT_EQ(int(r.ratings.DT), e.DT);
    EXPECT_EQ(int(r.ratings.TP), e.TP);
    EXPECT_EQ(int(r.ratings.TS), e.TS);
    EXPECT_EQ(int(r.shipCost), e.cost);
    EXPECT_EQ(int(r.ratings.OP), e.OP);
    EXPECT_EQ(r.unitCost, e.unit);
    EXPECT_EQ(int(r.ratings.MA), e.MA);
    EXPECT_EQ(int(r.cargo), e.cargo);
    EXPECT_EQ(int(r.chargesPerLauncher), e.charges);
}
} // namespace

// Littorio (NB), 1940: launched 1937, 40,724 t standard, 30 kn; belt 280 mm + 70 mm outer plate
// (350 mm, spaced: VD), Pugliese anti-torpedo system (AS), deck 162 mm over several decks (OD),
// conning tower 260 mm; 3x3 381/50 (face 350, sides 200, roof 200, barbettes 350, closed);
// 4x3 152/55 (face 280, sides 75, roof 105, barbettes 150, closed); 12x1 90/50 AA (factor 3: 36);
// 20 x 37 mm and 16 x 20 mm machine guns (36: value 24); 3 Ro.43 seaplanes.
TEST(ShipRating, BattleshipLittorio) {
    ShipRatingInput in;
    in.typeNumber = 3;
    in.displacement = 40724;
    in.knots = 30;
    in.verticalArmour = 350;
    in.horizontalArmour = 162;
    in.bridgeArmour = 260;
    in.specialProtections[1] = 1; // OD
    in.specialProtections[2] = 1; // VD
    in.specialProtections[3] = 1; // AS
    const int main[5] = {350, 200, 200, 350, 1}, secondary[5] = {280, 75, 105, 150, 1};
    std::copy(main, main + 5, in.mainTurretArmour);
    std::copy(secondary, secondary + 5, in.secondaryTurretArmour);
    in.launchYear = "1937";
    in.mainCalibre = "381/50 mm";
    in.secondaryCalibre = "152/55 mm";
    in.aaOtherValue = " 36";
    in.aaMainValue = in.aaSecondaryValue = " 0";
    in.machineGunValue = "24";
    in.aircraft = "3";
    const ShipRatingResult r = rateShip(in, shippedTables());
    EXPECT_FLOAT_EQ(r.yearFactor, 1.1f); // 1937 falls in the bracket up to 1940
    // R = Nearest(40724/200 x 1.5 x 1.1 + 40) = Nearest(375.97) = 376 (Int would give 375)
    // C = Nearest((1.1 x 1.5 + 40.724) / 3) = Nearest(14.12) = 14
    // VR: k = 15 + 10 + 10 = 35, m = 38.5, Int((350 x 0.385 + 350) / 18) = Int(26.93) = 26
    // OR: k = 15 + 0 + 10 = 25, m = 27.5, Int((162 x 0.275 + 162) / 18) = Int(11.475) = 11
    // CG = Int((11 + 10 + 26 + 1.1) / 4.5 + 0.6) = Int(11.29) = 11
    // FU: a = Int(18 - 1.98) = 16, Int(11 - 176 / 100) = 9 < CG, so Int(1.1 x 1.4 + 11) = 12 > OR: 10
    // PL: u = 16.5, Int((260 x 0.165 + 260) / 18) = Int(16.83) = 16
    // CT: Int((260 x (16.5 - 10.9) / 100 + 260) / 18) = Int(15.25) = 15
    // DT = Int(1.1 x 1.8 x 25 / 5) = Int(9.9) = 9
    // TP: s = Nearest((175 + 400) / 7.5 + 365 + 18) = Nearest(459.67) = 460, t = Nearest(506) = 506, 506/24 =
    // 21 TS: a = Int(1.2) = 1, s = Nearest((75 + 180) / 7.5 + 281 + 14) = 329, t = Nearest(361.9) = 362, 15
    // cost: g = 36 + 24 = 60, h = 30, v = Int(1.1 x 5264 x 3 / 200) = 86,
    //       26 + 86 + 11 + 11 + 21 + 30 = 185, Nearest(600 + 185 + 30) = 815
    // OP: p = Nearest((815 + 376) / 280 x 1.1) = Nearest(4.68) = 5, Int(5 + 80) + 3 = 88
    // unit cost = Int(88 / 3.5 + 815) = 840; MA 0 (3 aircraft); cargo 5 -> 8; no depth charges
    expectRatings(r, {376, 14, 26, 11, 11, 10, 16, 15, 9, 21, 15, 815, 88, 840, 0, 8, 0});
    EXPECT_EQ(r.aaTotalText, " 36");
    EXPECT_EQ(int(r.aircraftCount), 3);
}

// Zara (IP), 1940: launched 1930, 11,680 t, 32 kn; belt 150, deck 70, conning tower 150 mm;
// 4x2 203/53 (face 150, sides 75, roof 75, barbettes 150, closed); 8x2 100/47 DP (16 barrels,
// factor 4: 64); 6 x 40/39 pom-poms (factor 2: 12); 8 x 13.2 mm machine guns (value 5); 2 seaplanes.
TEST(ShipRating, HeavyCruiserZara) {
    ShipRatingInput in;
    in.typeNumber = 5;
    in.displacement = 11680;
    in.knots = 32;
    in.verticalArmour = 150;
    in.horizontalArmour = 70;
    in.bridgeArmour = 150;
    const int main[5] = {150, 75, 75, 150, 1};
    std::copy(main, main + 5, in.mainTurretArmour);
    in.launchYear = "1930";
    in.mainCalibre = "203/53 mm";
    in.secondaryCalibre = "100/47 mm ds";
    in.aaSecondaryValue = " 64";
    in.aaOtherValue = " 12";
    in.machineGunValue = "5";
    in.aircraft = "2";
    const ShipRatingResult r = rateShip(in, shippedTables());
    EXPECT_FLOAT_EQ(r.yearFactor, 0.9f);
    // R = Nearest(58.4 x 1.2 x 0.9 + 25) = Nearest(88.07) = 88; C = Nearest((1.08 + 11.68) / 3) = 4
    // VR: m = 0.9 x 12 = 10.8, Int((16.2 + 150) / 18) = 9; OR: Int((7.56 + 70) / 18) = 4 -> CorGenBase 5
    // CG = Int((5 + 5 + 9 + 0.9) / 4.5 + 0.6) = Int(5.02) = 5
    // FU: a = Int(18 - 1.62) = 16, Int(5 - 0.8) = 4 < CG, Int(0.9 x 1.4 + 5) = 6 > OR: 4
    // PL: u = 10.8, Int((16.2 + 150) / 18) = 9; CT: Int((150 x (10.8 - 11.1) / 100 + 150) / 18) = 8
    // DT = Int(0.9 x 1.8 x 20 / 5) = Int(6.48) = 6
    // TP: s = Nearest((75 + 150) / 7.5 + 162 + 18) = 210, t = Nearest(189) = 189, Int(7.875) = 7
    // TS: no secondary turret armour: s = Nearest(0 + 0 + 0) = 0, TS 0 <= CG: 5
    // cost: g = 76 + 5 = 81, h = 40, v = Int(0.9 x 352 x 3.2 / 200) = 5, sum 9 + 5 + 5 + 5 + 7 + 40 = 71,
    //       Nearest(200 + 71 + 20) = 291
    // OP: p = Nearest((291 + 88) / 280 x 0.9) = Nearest(1.218) = 1, 1 + 85 + 3 = 89; unit Int(25.4 + 291) =
    // 316
    expectRatings(r, {88, 4, 9, 5, 5, 4, 9, 8, 6, 7, 5, 291, 89, 316, 0, 8, 0});
}

// Soldati (CT), 1940: launched 1938, 1,830 t, 38 kn; no armour; 2x2 120/50 with gun shields
// (face 12, sides and roof 6); 12 x 20 mm machine guns (value 8);
// 2 depth-charge throwers.
TEST(ShipRating, DestroyerSoldati) {
    ShipRatingInput in;
    in.typeNumber = 7;
    in.displacement = 1830;
    in.knots = 38;
    const int main[5] = {12, 6, 6, 0, 0};
    std::copy(main, main + 5, in.mainTurretArmour);
    in.launchYear = "1938";
    in.mainCalibre = "120/50 mm";
    in.machineGunValue = "8";
    in.depthChargeLaunchers = 2;
    const ShipRatingResult r = rateShip(in, shippedTables());
    // R = Nearest(9.15 x 0.8 x 1.1 + 8) = Nearest(16.05) = 16; C = Nearest((0.88 + 1.83) / 3) = 1
    // VR, OR: 0 armour -> CorGenBase 1; CG = Int((1 + 1 + 1 + 1.1) / 4.5 + 0.6) = Int(1.51) = 1
    // FU: Int(1 - 0.16) = 0 < CG, Int(2.54) = 2 > OR: OR - 1 = 0
    // DT = Int(1.1 x 1.8 x 12 / 5) = Int(4.75) = 4
    // TP: s = Nearest(12 / 7.5 + 20) = Nearest(21.6) = 22, t = Nearest(24.2) = 24, TP = 1 <= CG: CG + 1 = 2
    // cost: h = 4, v = Int(1.1 x 16 x 3.8 / 200) = 0, sum 1 + 0 + 1 + 1 + 2 + 4 = 9, 40 + 9 = 49
    // OP: p = Nearest(65 / 280 x 1.1) = 0, 0 + 60 + 3 = 63; unit = Int(18 + 49) = 67
    // depth charges: q = Int(8 + 11.000000238 + 16) = 35, 35 / 20 = 1, at least 6
    expectRatings(r, {16, 1, 1, 1, 1, 0, 1, 1, 4, 2, 1, 49, 63, 67, 0, 8, 6});
}

// Marcello (SA), 1940: launched 1937, 1,060 t surfaced, 17.5 kn (the speed list rounds 17.5 to 18,
// half to even); 2 x 100/47 deck guns; 4 x 13.2 mm machine guns (value 2).
TEST(ShipRating, SubmarineMarcello) {
    ShipRatingInput in;
    in.typeNumber = 9;
    in.displacement = 1060;
    in.knots = int(platform::roundHalfEven(17.5));
    in.launchYear = "1937";
    in.mainCalibre = "100/47 mm ds";
    in.machineGunValue = "2";
    const ShipRatingResult r = rateShip(in, shippedTables());
    EXPECT_EQ(in.knots, 18);
    // R = Nearest(5.3 x 0.5 x 1.1 + 4) = Nearest(6.915) = 7; C = Nearest((0.55 + 1.06) / 3) = 1,
    // T > 8: Nearest(1 / 1.5) = Nearest(0.67) = 1
    // cargo: a submarine always carries 1 -> Nearest(Int(0.6) + 1) = 1
    // OP: 0 + 150 + 3 = 153; unit = Int(153 / 3.5 + 41) = Int(84.7) = 84
    expectRatings(r, {7, 1, 1, 1, 1, 0, 1, 1, 1, 2, 1, 41, 153, 84, 0, 1, 0});
}

// Hood (IB), 1940: launched 1918 (factor 0.7), 42,462 t, 29 kn; belt 305, deck 76, conning tower
// 279 mm; 4x2 381/42 (face 381, sides 279, roof 127, barbettes 305, closed); 7x2 102/45 HA
// (14 barrels: 56); 3 eight-barrel pom-poms (24 barrels: 48); 4 quadruple 12.7 mm (value 10).
// Indicenavi 1.4 is 1.39999998 in single precision, so Int(1.4 x 10) is 13, not 14: PL is 16
// where exact decimals would give 17.
TEST(ShipRating, BattlecruiserHoodSinglePrecision) {
    ShipRatingInput in;
    in.typeNumber = 4;
    in.displacement = 42462;
    in.knots = 29;
    in.verticalArmour = 305;
    in.horizontalArmour = 76;
    in.bridgeArmour = 279;
    const int main[5] = {381, 279, 127, 305, 1};
    std::copy(main, main + 5, in.mainTurretArmour);
    in.launchYear = "1918";
    in.mainCalibre = "381/42 mm";
    in.secondaryCalibre = "102/45 mm ds";
    in.aaSecondaryValue = " 56";
    in.aaOtherValue = " 48";
    in.machineGunValue = "10";
    const ShipRatingResult r = rateShip(in, shippedTables());
    EXPECT_FLOAT_EQ(r.yearFactor, 0.7f);
    // PL: u = single(0.7 x 13) = 9.1, Int((279 x 0.091 + 279) / 18) = Int(16.91) = 16
    EXPECT_EQ(int(r.ratings.PL), 16);
    expectRatings(r, {243, 14, 18, 8, 8, 8, 16, 15, 5, 14, 8, 589, 90, 614, 0, 8, 0});
}

TEST(ShipRating, YearBracketsAndFactorZero) {
    ShipRatingTables t;
    const float limits[7] = {0, 1920, 1930, 1935, 1940, 1945, 1950};
    for (int k = 1; k <= 6; ++k) {
        t.BracketYear[k] = limits[k];
        t.BracketFactor[k] = 0.5f + 0.1f * k;
    }
    t.Indicenavi[3] = 1.5f;
    t.ResBaseX[3] = 12.5f;
    t.CorGenBase[3] = 2;
    ShipRatingInput in;
    in.typeNumber = 3;
    in.displacement = 20000;
    in.verticalArmour = 100;
    in.launchYear = "1930";
    EXPECT_FLOAT_EQ(rateShip(in, t).yearFactor, 0.7f);
    in.launchYear = "1931";
    EXPECT_FLOAT_EQ(rateShip(in, t).yearFactor, 0.8f);
    in.launchYear = "";
    EXPECT_FLOAT_EQ(rateShip(in, t).yearFactor, 0.6f) << "an empty year takes the first bracket";
    in.launchYear = "1951";
    const ShipRatingResult r = rateShip(in, t);
    EXPECT_EQ(r.yearFactor, 0.0f);
    EXPECT_EQ(int(r.resistance), 12) << "Nearest(12.5) is 12, halves to even";
    EXPECT_EQ(int(r.ratings.VR), 5) << "Int(100 / 18) before the CorGenBase floor";
}

TEST(ShipRating, VerticalProtectionAndFloors) {
    ShipRatingTables t;
    t.BracketYear[1] = 1950;
    t.BracketFactor[1] = 1;
    t.Indicenavi[3] = 1.5f;
    t.CorGenBase[3] = 7;
    ShipRatingInput in;
    in.typeNumber = 3;
    in.displacement = 500;
    in.verticalArmour = 100;
    in.mainCalibre = "";
    ShipRatingResult r = rateShip(in, t);
    EXPECT_EQ(int(r.ratings.VR), 7) << "Int(115 / 18) = 6, lifted to CorGenBase";
    EXPECT_EQ(int(r.cargo), 1) << "below 550 t";
    EXPECT_EQ(int(r.ratings.DT), 0);
    EXPECT_EQ(int(r.ratings.TP), int(r.ratings.CG)) << "no main guns";
    EXPECT_EQ(int(r.ratings.OP), 25) << "types 1 to 4 get at least 22, then 3 more";
    t.CorGenBase[3] = 0;
    EXPECT_EQ(int(rateShip(in, t).ratings.VR), 6);
    in.displacement = 550;
    EXPECT_EQ(int(rateShip(in, t).cargo), 8);
    in.typeNumber = 9;
    in.displacement = 5000;
    EXPECT_EQ(int(rateShip(in, t).cargo), 1);
}

TEST(ShipRating, NoTypeAircraftAndDepthCharges) {
    const ShipRatingTables t = shippedTables();
    ShipRatingInput in;
    in.displacement = 10000;
    in.launchYear = "1939";
    ShipRatingResult r = rateShip(in, t);
    EXPECT_EQ(int(r.resistance), 0);
    EXPECT_EQ(int(r.fireFighting), 0);
    EXPECT_EQ(int(r.ratings.OP), 0);
    EXPECT_EQ(int(r.cargo), 0);

    in.typeNumber = 1;
    in.elevators = "2";
    in.aircraft = "9";
    EXPECT_EQ(int(rateShip(in, t).ratings.MA), 0) << "fewer than 10 aircraft";
    in.aircraft = "36";
    r = rateShip(in, t);
    EXPECT_EQ(int(r.ratings.MA), 7) << "Int(2 x 3 + 1.1 x 1.5)";
    EXPECT_EQ(int(r.chargesPerLauncher), 0);
    in.depthChargeLaunchers = 1;
    EXPECT_GE(int(rateShip(in, t).chargesPerLauncher), 6);
}

TEST(ShipRating, ValuesBeyondSixteenBitsAreRefused) {
    ShipRatingInput in;
    in.typeNumber = 3;
    in.displacement = 1000;
    in.launchYear = "1939";
    in.mainTurretArmour[0] = 32767;
    in.mainCalibre = "381 mm";
    EXPECT_THROW(rateShip(in, shippedTables()), platform::RangeError);
}

TEST(ShipRating, AntiAircraftFactorsAndMachineGuns) {
    EXPECT_EQ(aaCalibreFactor("100/47 mm ds"), 4);
    EXPECT_EQ(aaCalibreFactor("99 mm ds"), 3);
    EXPECT_EQ(aaCalibreFactor("51 mm"), 3);
    EXPECT_EQ(aaCalibreFactor("50 mm"), 2);
    EXPECT_EQ(aaCalibreFactor("30 mm"), 2);
    EXPECT_EQ(aaCalibreFactor("20/65 mm ds"), 0);
    EXPECT_EQ(machineGunValueText(0), "0");
    EXPECT_EQ(machineGunValueText(1), "2");
    EXPECT_EQ(machineGunValueText(4), "2");
    EXPECT_EQ(machineGunValueText(5), "3");
    EXPECT_EQ(machineGunValueText(6), "4");
    EXPECT_EQ(machineGunValueText(36), "24");
}
