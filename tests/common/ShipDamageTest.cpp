#include "common/ShipDamage.h"

#include "common/Dice.h"

#include <gtest/gtest.h>

TEST(ShipDamage, TheResultOfAnHour) {
    EXPECT_EQ(damageResult(assistanceOf(3), 0, 0, 1), 5) << "full assistance: 5 at the least";
    EXPECT_EQ(damageResult(0, fireState(0, 0), hullState(0, 160), 5), 1) << "no fire control, no hull";
    EXPECT_EQ(damageResult(0, fireState(4, 3), hullState(80, 160), 12), 10);
    EXPECT_EQ(damageResult(0, fireState(3, 3), hullState(81, 160), 12), 12);
}

TEST(ShipDamage, TheWorstRowFeedsTheFiresBeforeTheHullBurns) {
    ShipDamageState s{.hull = 100,
                      .nominalHull = 160,
                      .fires = 2,
                      .fireControl = 3,
                      .knots = 30,
                      .nominalKnots = 30,
                      .operativity = 50,
                      .cargo = 20,
                      .handling = 10,
                      .cargoFactor = 3};
    ChosenDice dice({4, 3, 2});
    EXPECT_EQ(applyDamageRow(1, 0, s), 10) << "spread";
    EXPECT_EQ(dice.sides, (QList<int>{17, 6, 10})) << "the hull die has the new fires + 12 faces";
    EXPECT_EQ(s.fires, 5);
    EXPECT_EQ(s.hull, 100 - 5 * 4);
    EXPECT_EQ(s.knots, 22);
    EXPECT_EQ(s.fireControl, 1);
    EXPECT_EQ(s.operativity, 47);
    EXPECT_EQ(s.cargo, 20 - 3 * 2) << "a tanker loses three times the roll";
    EXPECT_EQ(s.handling, 8);
    limitDamage(s, 2);
    EXPECT_EQ(s.operativity, 47);
    s.operativity = 2;
    limitDamage(s, 2);
    EXPECT_EQ(s.operativity, 3) << "an assisted ship keeps 3";
}

TEST(ShipDamage, SinkingTest) {
    EXPECT_TRUE(sinksByRule(true, 1, 10, 200, 200, 100)) << "the sinking mark, whatever the hull";
    EXPECT_TRUE(sinksByRule(false, 7, 3, 0, 200, 100));
    EXPECT_FALSE(sinksByRule(false, 6, 3, 0, 200, 100));
    EXPECT_TRUE(sinksByRule(false, 7, 3, 99, 200, 65));
    EXPECT_FALSE(sinksByRule(false, 7, 3, 99, 200, 66));
    EXPECT_TRUE(sinksByRule(false, 4, 3, 99, 200, 32));
    EXPECT_FALSE(sinksByRule(false, 4, 3, 100, 200, 1)) << "half the hull is not below half";
    EXPECT_TRUE(sinksByRule(false, 0, 3, -1, 200, 100)) << "a hull below 0";
}

TEST(ShipDamage, AMine) {
    long long hull = 30, fires = 0, knots = 2, operativity = 5;
    EXPECT_FALSE(mineDamage(33, 100, 100, hull, fires, knots, operativity));
    EXPECT_TRUE(mineDamage(34, 1, 1, hull, fires, knots, operativity));
    EXPECT_EQ(hull, 0);
    EXPECT_EQ(fires, 1);
    EXPECT_EQ(knots, 4) << "2 - 2 leaves none: 4";
    EXPECT_EQ(operativity, 1);
}
