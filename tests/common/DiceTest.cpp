#include "common/Dice.h"

#include <gtest/gtest.h>
#include <set>

TEST(Dice, RollsAreUniformOverTheFaces) {
    for (int i = 0; i < 100; ++i) EXPECT_EQ(TiraDado(1), 1);
    int seen[101] = {};
    for (int i = 0; i < 20000; ++i) {
        const int r = TiraDado(100);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 100);
        ++seen[r];
    }
    for (int face = 1; face <= 100; ++face) {
        EXPECT_GT(seen[face], 120) << face; // 200 expected
        EXPECT_LT(seen[face], 280) << face;
    }
    for (int i = 0; i < 1000; ++i) EXPECT_LE(TiraDado(32767), 32767);
}

TEST(Dice, TheClockDoesNotRestartTheSequence) {
    DiceGenerator a(42), b(42);
    std::set<double> sameTick;
    for (int i = 0; i < 1000; ++i) {
        const double r = a.next(3600);
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
        EXPECT_EQ(r, float(r)); // single precision
        sameTick.insert(r);
    }
    EXPECT_GT(sameTick.size(), 990u); // rolls in one clock tick go on differing

    // The clock changes what follows, but re-seeding with one time twice is not a fresh start.
    DiceGenerator c(42), d(42);
    EXPECT_EQ(c.next(10), d.next(10));
    EXPECT_NE(c.next(10), d.next(11));
    DiceGenerator fresh1(1), fresh2(2);
    EXPECT_NE(fresh1.next(10), fresh2.next(10));
}

TEST(Dice, ChosenDiceReplaceTheGeneratorAndRecordTheFaces) {
    {
        ChosenDice dice({34, 1, 8});
        EXPECT_EQ(TiraDado(100), 34);
        EXPECT_EQ(TiraDado(100), 1);
        EXPECT_EQ(TiraDado(8), 8);
        EXPECT_EQ(dice.sides, (QList<int>{100, 100, 8}));
        EXPECT_EQ(dice.remaining(), 0);
        EXPECT_THROW(TiraDado(6), std::logic_error);
    }
    {
        ChosenDice dice({9});
        EXPECT_THROW(TiraDado(8), std::logic_error); // a 9 on a d8 is a fault in the test
    }
    for (int i = 0; i < 100; ++i) EXPECT_LE(TiraDado(6), 6); // the generator is back
}
