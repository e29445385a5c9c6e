#include "cards/AircraftRating.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace aircraftrating;

namespace {
struct Armament {
    int counts[kWeaponClassCount + 1];
};

WeaponSums sums(const Armament& a) {
    WeaponProducts p{};
    for (int k = 1; k <= kWeaponClassCount; ++k) p[k] = weaponProduct(k, a.counts[k]);
    return sumWeapons(p);
}

CostInputs costInputs(int ta, int gi, const Factors& f, int kmh, int torpedoes, int cd, bool night,
                      int type) {
    return {double(ta),
            double(gi),
            double(f.attack),
            double(f.defence),
            double(f.strafing),
            double(kmh),
            double(torpedoes),
            double(cd),
            night,
            type};
}

RoleTables shippedTables() {
    testsupport::ProgramFolder folder;
    return loadRoleTables(platform::appFolder() + QStringLiteral("\\Data\\"));
}
} // namespace

// Hand computations for real aircraft, with the attack factors of the shipped role table.
TEST(AircraftRating, MesserschmittBf109E4Fighter) {
    const RoleTables t = shippedTables();
    ASSERT_EQ(t.factor(2), 10) << "CPT";
    // 2 x 20 mm MG FF, 2 x 7.92 mm MG 17: W = 3.6 + 2.4 = 6, cannon total round(3.6) = 4.
    const WeaponSums s = sums({{0, 0, 0, 0, 0, 2, 2}});
    EXPECT_DOUBLE_EQ(s.weaponTotal, 6.0);
    EXPECT_EQ(s.cannonTotal, 4);
    // FA = Int(16 x 10 / 10) = 16, FD = Int(160 / 16) = 10, PM = Int(16 / 4 + 4) = 8.
    const Factors f = computeFactors(s, 10, t.factor(2));
    EXPECT_EQ(f.attack, 16);
    EXPECT_EQ(f.defence, 10);
    EXPECT_EQ(f.strafing, 8);
    // 660 km at 570 km/h: E = round(570 - 85.5) = 484, h = 1.36, n = 13 + 1, TA = round(15.5) = 16.
    EXPECT_EQ(autonomyTurns("660", "570"), 16);
    // S = 16 + 30 + 48 + 10 + 8 + 57 = 169, cost Int(169 / 20) = 8.
    EXPECT_EQ(computeCost(costInputs(16, 10, f, 570, 0, 0, false, 2)), 8);
}

TEST(AircraftRating, SavoiaMarchettiSM79Bomber) {
    const RoleTables t = shippedTables();
    ASSERT_EQ(t.factor(7), 4) << "BMR";
    // 3 x 12.7 mm and 1 x 7.7 mm machine guns: W = 4.8.
    const WeaponSums s = sums({{0, 0, 0, 0, 0, 0, 4}});
    // FA = Int(13.8 x 4 / 10) = 5, FD = Int(55.2 / 16) = 3, PM = Int(5 / 4) = 1.
    const Factors f = computeFactors(s, 9, t.factor(7));
    EXPECT_EQ(f.attack, 5);
    EXPECT_EQ(f.defence, 3);
    EXPECT_EQ(f.strafing, 1);
    // 1250 kg of bombs: a bomber, CD = Int(208.3) = 208.
    EXPECT_TRUE(isBomberLoad(1250));
    EXPECT_EQ(bombLoadValue(1250), 208);
    // 1900 km at 430 km/h: E = round(365.5) = 366, h = 5.19, n = 51 + 5, TA = round(57.5) = 58.
    EXPECT_EQ(autonomyTurns("1900", "430"), 58);
    // S = 58 + 27 + 15 + 3 + 1 + 43 + 0 + 104 = 251, cost 12.
    EXPECT_EQ(computeCost(costInputs(58, 9, f, 430, 0, 208, false, 7)), 12);
}

TEST(AircraftRating, FaireySwordfishNightTorpedoBomber) {
    const RoleTables t = shippedTables();
    ASSERT_EQ(t.factor(8), 4) << "ASP";
    EXPECT_TRUE(isCarrierBorneType(8));
    const Factors f = computeFactors(sums({{0, 0, 0, 0, 0, 0, 2}}), 8, t.factor(8));
    // FA = Int(10.4 x 4 / 10) = 4, FD = Int(41.6 / 16) = 2, PM = 1.
    EXPECT_EQ(f.attack, 4);
    EXPECT_EQ(f.defence, 2);
    EXPECT_EQ(f.strafing, 1);
    // 840 km at 222 km/h: E = round(188.7) = 189, h = 4.44, n = 44 + 4, TA = round(49.5) = 50.
    EXPECT_EQ(autonomyTurns("840", "222"), 50);
    EXPECT_EQ(bombLoadValue(680), 113);
    // S = 50 + 24 + 12 + 2 + 1 + 22.2 + 1 + 56.5 = 168.7 -> 169 -> 8; at night Int(2 + 8) + 1 = 11.
    EXPECT_EQ(computeCost(costInputs(50, 8, f, 222, 1, 113, false, 8)), 8);
    EXPECT_EQ(computeCost(costInputs(50, 8, f, 222, 1, 113, true, 8)), 11);
}

TEST(AircraftRating, MartinMarylandReconnaissance) {
    const RoleTables t = shippedTables();
    ASSERT_EQ(t.factor(14), 3) << "RLR";
    // Six machine guns: W = 7.2 (7.199... in binary, which changes nothing here).
    const Factors f = computeFactors(sums({{0, 0, 0, 0, 0, 0, 6}}), 8, t.factor(14));
    EXPECT_EQ(f.attack, 4);  // Int(15.2 x 3 / 10)
    EXPECT_EQ(f.defence, 2); // Int(45.6 / 16)
    EXPECT_EQ(f.strafing, 1);
    // 2100 km at 450 km/h: E = round(382.5) = 382, h = 5.497, n = 54 + 5, TA = round(60.5) = 60.
    EXPECT_EQ(autonomyTurns("2100", "450"), 60);
    // S = 60 + 24 + 12 + 2 + 1 + 45 + 0 + 75.5 = 219.5, which rounds to 220: cost 11.
    EXPECT_EQ(computeCost(costInputs(60, 8, f, 450, 0, 151, false, 14)), 11);
}

TEST(AircraftRating, BristolBeaufighterHeavyFighterSurcharge) {
    const RoleTables t = shippedTables();
    // 4 x 20 mm and 6 machine guns: W = 14.4, cannon total 7; F = 9.
    const Factors f = computeFactors(sums({{0, 0, 0, 0, 0, 4, 6}}), 9, t.factor(kSurchargedType));
    EXPECT_EQ(f.attack, 21);
    EXPECT_EQ(f.defence, 13);
    EXPECT_EQ(f.strafing, 12);
    // S = 60 + 27 + 63 + 13 + 12 + 52 = 227 -> 11; night Int(13.75) + 1 = 14; type 5 adds 3.
    EXPECT_EQ(computeCost(costInputs(60, 9, f, 520, 0, 0, true, kSurchargedType)), 17);
}

TEST(AircraftRating, FactorsEdgeCases) {
    const WeaponSums s = sums({{0, 0, 0, 0, 0, 2, 4}});
    EXPECT_DOUBLE_EQ(s.weaponTotal, 8.4);
    EXPECT_EQ(s.cannonTotal, 4);
    const Factors f = computeFactors(s, 7, 10);
    EXPECT_EQ(f.attack, 15);
    EXPECT_EQ(f.defence, 9);
    EXPECT_EQ(f.strafing, 7);
    const Factors none = computeFactors(sums({{0, 0, 0, 0, 0, 0, 0}}), 12, 10);
    EXPECT_EQ(none.attack + none.defence + none.strafing, 0) << "no guns, no values";
    const Factors noType = computeFactors(s, 7, 0);
    EXPECT_EQ(noType.attack, 0);
    EXPECT_EQ(noType.strafing, 4) << "PM is the cannon total";
    EXPECT_DOUBLE_EQ(weaponProduct(1, 3), 8.7);
    // The cannon total is rounded after each class: 2.6 -> 3, then 3 + 2.4 = 5.4 -> 5.
    EXPECT_EQ(sums({{0, 0, 1, 1, 0, 0, 0}}).cannonTotal, 5);
}

TEST(AircraftRating, CostRoundings) {
    auto cost = [](double sum, bool night = false, int type = 0) {
        CostInputs in;
        in.autonomy = sum;
        in.night = night;
        in.typeIndex = type;
        return computeCost(in);
    };
    EXPECT_EQ(cost(219.5), 11);
    EXPECT_EQ(cost(218.5), 10);
    EXPECT_EQ(cost(219.5, true), 14);
    EXPECT_EQ(cost(219.5, true, 5), 17);
    EXPECT_EQ(cost(19.4), 0);
    EXPECT_EQ(cost(19.4, true), 1);
    EXPECT_EQ(cost(19.5), 1);
}

TEST(AircraftRating, AutonomyAndLoad) {
    EXPECT_EQ(autonomyTurns("1000", "400"), 34);
    EXPECT_EQ(autonomyTurns("1200", "500"), 32);
    EXPECT_EQ(autonomyTurns("1000", ""), std::nullopt);
    EXPECT_EQ(autonomyTurns("1000", "0"), std::nullopt);
    EXPECT_EQ(autonomyTurns("10", "10"), 14) << "E = round(8.5) = 8, h = 1.25, n = 12 + 1";
    EXPECT_EQ(autonomyTurns("1000", "2184"), 8);
    EXPECT_THROW(autonomyTurns("1000", "2185"), platform::RangeError) << "speed x 15 is held in 16 bits";
    EXPECT_THROW(autonomyTurns("40000", "400"), platform::RangeError);
    EXPECT_FALSE(isBomberLoad(200));
    EXPECT_TRUE(isBomberLoad(201));
    EXPECT_EQ(bombLoadValue(200), 33);
    EXPECT_EQ(bombLoadValue(201), 33);
    EXPECT_EQ(bombLoadValue(1000), 166);
}

TEST(AircraftRating, JudgementAndAvailability) {
    JudgementAnswers a{};
    a[1] = 9;
    EXPECT_EQ(judgementAverage(a), 0);
    a[1] = 10;
    EXPECT_EQ(judgementAverage(a), 1);
    JudgementAnswers b{0, 14, 14, 14, 14, 14, 1, 1, 1, 1, 1};
    EXPECT_EQ(judgementAverage(b), 7);
    const int expected[] = {0, 0, 0, 1, 3, 5, 7, 9, 12, 16, 20, 24, 28, 33, 39};
    for (int p = 1; p <= 14; ++p) EXPECT_EQ(availability(p), expected[p]) << p;
}

TEST(AircraftRating, RoleTablesMissingOrShort) {
    testsupport::ProgramFolder folder;
    const QString data = platform::appFolder() + QStringLiteral("\\Data\\");
    testsupport::writeBytes(data + "FattAttaerei.txt", "10\r\n9\r\n");
    try {
        loadRoleTables(data);
        FAIL() << "a short table is refused";
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("FattAttaerei.txt")) << e.message().toStdString();
    }
    platform::deleteFile(data + "RuoloAereiEsteso.txt");
    EXPECT_THROW(loadRoleTables(data), platform::FileError);
}

TEST(AircraftRating, ShippedTypesHoldTheWizardRoles) {
    testsupport::ProgramFolder folder;
    const QStringList lines = testsupport::readLines(folder.file("Data/tipologiaAerei.txt"));
    ASSERT_EQ(lines.size(), kRoles);
    QStringList codes;
    for (const QString& l : lines) codes << l.mid(1, 3);
    for (const char* role : {"BLR", "RLR", "CPT", "RIC", "RID", "BMR", "ASI", "RIM"})
        EXPECT_TRUE(codes.contains(role)) << role;
    for (int i : {1, 6, 8, 12}) EXPECT_TRUE(lines[i - 1].contains("imbarcato", Qt::CaseInsensitive)) << i;
    for (const char* nation : {"IT", "DE", "GB", "RU", "US", "JP", "AU", "NL"})
        EXPECT_GE(testsupport::readLines(folder.file(QStringLiteral("Data/%1Brand.txt").arg(nation))).size(),
                  8)
            << nation;
}
