#include "common/Dice.h"

#include <gtest/gtest.h>
#include <set>

TEST(Dice, RollsAreUniformOverTheFaces) {
    for (int i = 0; i < 100; ++i) EXPECT_EQ(TiraDado(1), 1);
    int seen[101] = {};
    for (int i = 0; i < 20000; ++i) {
        const int r = TiraDado(100);
        ASSERT_TRUE(r >= 1 && r <= 100) << r;
        ++seen[r];
    }
    for (int face = 1; face <= 100; ++face) EXPECT_TRUE(seen[face] > 120 && seen[face] < 280) << face;
}

TEST(Dice, TheClockDoesNotRestartTheSequence) {
    DiceGenerator a(42);
    std::set<double> sameTick;
    for (int i = 0; i < 1000; ++i) {
        const double r = a.next(3600);
        ASSERT_TRUE(r >= 0.0 && r < 1.0 && r == float(r)) << r;
        sameTick.insert(r);
    }
    EXPECT_GT(sameTick.size(), 990u);
    DiceGenerator c(42), d(42);
    EXPECT_EQ(c.next(10), d.next(10));
    EXPECT_NE(c.next(10), d.next(11)); // the clock is mixed in at every roll
}

TEST(Dice, ChosenDiceReplaceTheGenerator) {
    {
        ChosenDice dice({34, 8});
        EXPECT_EQ(TiraDado(100), 34);
        EXPECT_EQ(TiraDado(8), 8);
        EXPECT_EQ(dice.sides, (QList<int>{100, 8}));
        EXPECT_THROW(TiraDado(6), std::logic_error); // not chosen
    }
    {
        ChosenDice dice({9});
        EXPECT_THROW(TiraDado(8), std::logic_error); // a 9 on a d8
    }
    // An inner set gives the outer one back when it ends.
    setDiceSource([](int) { return 2; });
    {
        ChosenDice inner({5});
        EXPECT_EQ(TiraDado(6), 5);
    }
    EXPECT_EQ(TiraDado(6), 2);
    setDiceSource({});
    for (int i = 0; i < 100; ++i) EXPECT_LE(TiraDado(6), 6);
}
