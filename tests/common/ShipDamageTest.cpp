#include "common/ShipDamage.h"

#include "common/Dice.h"
#include "common/Globals.h"

#include <gtest/gtest.h>

namespace {
ShipDamageState burningShip() {
    ShipDamageState s;
    s.hull = 100;
    s.nominalHull = 160;
    s.fires = 2;
    s.fireControl = 3;
    s.knots = 30;
    s.nominalKnots = 30;
    s.operativity = 50;
    s.cargo = 20;
    s.handling = 10;
    return s;
}
} // namespace

TEST(ShipDamage, TheResultStaysWithinOneAndTwelve) {
    // Full assistance and no trouble: at least 5 whatever the die.
    EXPECT_EQ(damageResult(assistanceOf(2), 0, 0, 1), 5);
    EXPECT_EQ(assistanceOf(7), 4);
    EXPECT_EQ(damageResult(4, 0, 0, 12), 12);
    // No assistance, fires out of control and no hull left: a die of 5 or less gives 1.
    EXPECT_EQ(damageResult(0, 2, 2, 5), 1);
    EXPECT_EQ(damageResult(0, 2, 2, 6), 2);

    EXPECT_EQ(hullState(81, 160), 0);
    EXPECT_EQ(hullState(80, 160), 1);
    EXPECT_EQ(hullState(0, 160), 2);
    EXPECT_EQ(fireState(3, 3), 0);
    EXPECT_EQ(fireState(4, 3), 1);
    EXPECT_EQ(fireState(6, 3), 2);
    EXPECT_EQ(fireState(0, 0), 2) << "no fire control and no fires";
}

TEST(ShipDamage, TheWorstRowFeedsTheFiresBeforeTheHullBurns) {
    ShipDamageState s = burningShip();
    ChosenDice dice({4, 3, 7});
    EXPECT_EQ(applyDamageRow(1, 0, s), 10) << "spread value";
    // The hull die has the new fire count (2 + 3) plus 12 faces.
    EXPECT_EQ(dice.sides, (QList<int>{17, 6, 10}));
    EXPECT_EQ(s.fires, 5);
    EXPECT_EQ(s.hull, 100 - 5 * 4);
    EXPECT_EQ(s.knots, 22);
    EXPECT_EQ(s.fireControl, 1);
    EXPECT_EQ(s.operativity, 47);
    EXPECT_EQ(s.cargo, 13);
    EXPECT_EQ(s.handling, 8);
}

TEST(ShipDamage, MiddleRowsAndTankers) {
    ShipDamageState s = burningShip();
    s.cargoFactor = 3;
    {
        ChosenDice dice({5, 2, 4});
        EXPECT_EQ(applyDamageRow(4, 0, s), 0);
        EXPECT_EQ(dice.sides, (QList<int>{8, 2, 6}));
    }
    EXPECT_EQ(s.fires, 2);
    EXPECT_EQ(s.hull, 90);
    EXPECT_EQ(s.operativity, 48);
    EXPECT_EQ(s.cargo, 20 - 3 * 4) << "a tanker loses three times the roll";
    {
        ChosenDice dice({1});
        applyDamageRow(7, 0, s);
    }
    EXPECT_EQ(s.fires, 1);
    EXPECT_EQ(s.cargo, 5);
    ChosenDice none({});
    applyDamageRow(10, 0, s);
    EXPECT_EQ(s.fires, -1);
    limitDamage(s, 0);
    EXPECT_EQ(s.fires, 0);
}

TEST(ShipDamage, TheBestRowRestoresHullOnlyWithAssistance) {
    ShipDamageState s = burningShip();
    s.hull = 70;
    s.knots = 14;
    {
        ChosenDice dice({6});
        applyDamageRow(12, 2, s);
    }
    EXPECT_EQ(s.fires, -2);
    EXPECT_EQ(s.hull, 76);
    EXPECT_EQ(s.knots, 18);
    ShipDamageState alone = burningShip();
    alone.hull = 70;
    ChosenDice none({});
    applyDamageRow(11, 0, alone);
    EXPECT_EQ(alone.hull, 70);
    EXPECT_EQ(alone.knots, 30);
}

TEST(ShipDamage, Limits) {
    ShipDamageState s;
    s.operativity = 2;
    s.knots = -5;
    s.hull = -40;
    s.cargo = -1;
    limitDamage(s, 2);
    EXPECT_EQ(s.operativity, 3) << "an assisted ship keeps 3";
    EXPECT_EQ(s.knots, 4);
    EXPECT_EQ(s.hull, 0);
    EXPECT_EQ(s.cargo, 0);
    s.operativity = 2;
    limitDamage(s, 0);
    EXPECT_EQ(s.operativity, 2);
    s.operativity = -3;
    limitDamage(s, 2);
    EXPECT_EQ(s.operativity, 1);
}

TEST(ShipDamage, FireSpreadsByTheSizeOfTheRoll) {
    for (auto [face, fires, operativity] : {std::tuple{5, 0, 10}, {16, 1, 9}, {19, 1, 9}, {20, 2, 8}}) {
        long long hull = 20, f = 0, o = 10;
        ChosenDice dice({face});
        EXPECT_EQ(spreadFire(10, hull, f, o), 10 + face);
        EXPECT_EQ(dice.sides, QList<int>{30});
        EXPECT_EQ(f, fires) << face;
        EXPECT_EQ(o, operativity) << face;
        EXPECT_EQ(hull, std::max(0, 20 - 10 - face));
    }
}

TEST(ShipDamage, SinkingTest) {
    EXPECT_TRUE(sinksByRule(true, 1, 10, 200, 200, 100)) << "the sinking mark, whatever the hull";
    EXPECT_TRUE(sinksByRule(false, 7, 3, 0, 200, 100));
    EXPECT_FALSE(sinksByRule(false, 6, 3, 0, 200, 100)) << "twice the fire control is not more than it";
    EXPECT_TRUE(sinksByRule(false, 7, 3, 99, 200, 65));
    EXPECT_FALSE(sinksByRule(false, 7, 3, 99, 200, 66));
    EXPECT_TRUE(sinksByRule(false, 4, 3, 99, 200, 32));
    EXPECT_FALSE(sinksByRule(false, 4, 3, 99, 200, 33));
    EXPECT_FALSE(sinksByRule(false, 4, 3, 100, 200, 1)) << "hull at half is not below half";
    EXPECT_TRUE(sinksByRule(false, 0, 3, -1, 200, 100)) << "a hull below 0";
    EXPECT_EQ(shipClassOf("SC"), 1);
    EXPECT_EQ(shipClassOf("NL"), 2);
    EXPECT_EQ(shipClassOf("PT"), 2);
}

TEST(ShipDamage, Mines) {
    long long hull = 30, fires = 0, knots = 2, operativity = 5;
    EXPECT_FALSE(mineDamage(33, 100, 100, hull, fires, knots, operativity));
    EXPECT_EQ(hull, 30);
    EXPECT_TRUE(mineDamage(34, 1, 1, hull, fires, knots, operativity));
    EXPECT_EQ(hull, 0);
    EXPECT_EQ(fires, 1);
    EXPECT_EQ(knots, 4) << "2 - 2 leaves none: 4";
    EXPECT_EQ(operativity, 1) << "5 - 4";
    hull = 500, fires = 1, knots = 30, operativity = 80;
    mineDamage(100, 100, 100, hull, fires, knots, operativity);
    EXPECT_EQ(hull, 200);
    EXPECT_EQ(fires, 10);
    EXPECT_EQ(knots, 8);
    EXPECT_EQ(operativity, 80 - 46);
}
