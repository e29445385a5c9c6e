#include "common/Dice.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

// The refusals recorded instead of failing the test, for the life of the object.
struct Refusals {
    Refusals() : before(setDiceRefusalHook([this](const std::string& m) { messages.push_back(m); })) {}
    ~Refusals() { setDiceRefusalHook(std::move(before)); }
    std::vector<std::string> messages;
    DiceRefusalHook before;
};

} // namespace

TEST(Dice, RollsAreUniformOverTheFaces) {
    SeededDice dice(7);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(TiraDado(1), 1);
    int seen[101] = {};
    for (int i = 0; i < 20000; ++i) {
        const int r = TiraDado(100);
        ASSERT_TRUE(r >= 1 && r <= 100) << r;
        ++seen[r];
    }
    for (int face = 1; face <= 100; ++face) EXPECT_TRUE(seen[face] > 120 && seen[face] < 280) << face;
    EXPECT_EQ(dice.rolls, 20100);
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
    Refusals refusals;
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
    // Each refusal reaches the hook before the throw, which a window's handler may catch.
    EXPECT_EQ(refusals.messages, (std::vector<std::string>{"ChosenDice: roll 3 (d6) was not chosen",
                                                           "ChosenDice: face 9 on a d8"}));
    // An inner set gives the outer one back when it ends.
    setDiceSource([](int) { return 2; });
    {
        ChosenDice inner({5});
        EXPECT_EQ(TiraDado(6), 5);
    }
    EXPECT_EQ(TiraDado(6), 2);
    setDiceSource({});
}

TEST(Dice, SeededDiceRollTheSameEveryRunAndTheTestsRefuseTheRest) {
    // The same seed, the same rolls; another seed, others.
    auto rolls = [](std::uint64_t seed) {
        SeededDice dice(seed);
        QList<int> faces;
        for (int i = 0; i < 20; ++i) faces.append(TiraDado(6));
        return faces;
    };
    EXPECT_EQ(rolls(1), rolls(1));
    EXPECT_NE(rolls(1), rolls(2));
    {
        SeededDice outer(3);
        {
            ChosenDice inner({4});
            EXPECT_EQ(TiraDado(6), 4);
        }
        EXPECT_LE(TiraDado(6), 6);
        EXPECT_EQ(outer.rolls, 1);
    }
    // Outside them, and once the source set is taken back, the tests' default source refuses.
    Refusals refusals;
    EXPECT_THROW(TiraDado(6), std::logic_error);
    setDiceSource([](int) { return 1; });
    setDiceSource({});
    EXPECT_THROW(rollDie(100), std::logic_error);
    ASSERT_EQ(refusals.messages.size(), 2u);
    EXPECT_NE(refusals.messages[1].find("a roll of a d100 from the program's clock-seeded dice"),
              std::string::npos);
}
