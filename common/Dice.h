// The dice: one generator for the program, giving numbers in [0, 1); the time of day is mixed into
// its state at every roll, so the sequence never restarts and two rolls in one clock tick differ.
//
// Tests choose the rolls through one seam, setDiceSource(): while a source is set, TiraDado
// returns what it gives for the number of faces asked. ChosenDice does that for a scope:
//     ChosenDice dice({34, 1, 1});   // the next three rolls, whatever their faces
//     ... run a rule ...
//     EXPECT_EQ(dice.sides, (QList<int>{100, 100, 100})); // the dice the rule rolled
// SeededDice gives a scope the generator's rolls from a fixed seed, without the clock.
//
// The tests' main sets a default source that refuses every roll (an unseeded roll fails the test)
// and a refusal hook that fails the test even when a window's handler catches the throw.
#pragma once

#include <QList>
#include <cstdint>
#include <functional>
#include <string>

// Int(r × n) + 1 for the generator's next r: a whole number from 1 to n (callers set DiceSides
// and pass it).
int TiraDado(int n);
// DiceSides := n, then one roll of it: the way the hourly rules roll.
int rollDie(int n);

// The seam: a source of faces for n-sided rolls; an empty function restores the default source.
using DiceSource = std::function<int(int sides)>;
void setDiceSource(DiceSource source);
// The source used while none is set: the generator when empty (the programs never set one).
void setDefaultDiceSource(DiceSource source);

// A roll a source will not give: the refusal hook is called with the message, then
// std::logic_error is raised with it (the rule rolling stops there).
[[noreturn]] void refuseRoll(const std::string& message);
// Sets the hook called by refuseRoll() (none when empty) and returns the one it replaces.
using DiceRefusalHook = std::function<void(const std::string& message)>;
DiceRefusalHook setDiceRefusalHook(DiceRefusalHook hook);

// Chosen rolls for the life of the object, then the source set before it again; records the faces
// of each roll asked for. A roll beyond the list, or a chosen face outside 1..n, is refused
// (refuseRoll()).
class ChosenDice {
  public:
    explicit ChosenDice(QList<int> faces);
    ~ChosenDice();
    ChosenDice(const ChosenDice&) = delete;
    ChosenDice& operator=(const ChosenDice&) = delete;
    QList<int> sides; // the faces of each roll made
    int remaining() const { return static_cast<int>(faces_.size()) - next_; }

  private:
    QList<int> faces_;
    int next_ = 0;
    DiceSource before_;
};

// The generator itself: a 64-bit state stepped once a roll, with the clock mixed in first.
class DiceGenerator {
  public:
    explicit DiceGenerator(std::uint64_t seed);
    // The next number in [0, 1) with single precision (24 bits), the clock (seconds since
    // midnight) mixed into the state first.
    double next(int secondsSinceMidnight);

  private:
    std::uint64_t state_;
};

// The generator's rolls from a fixed seed, with a clock that stands still, for the life of the
// object; then the source set before it again.
class SeededDice {
  public:
    explicit SeededDice(std::uint64_t seed);
    ~SeededDice();
    SeededDice(const SeededDice&) = delete;
    SeededDice& operator=(const SeededDice&) = delete;
    int rolls = 0; // the rolls made

  private:
    DiceGenerator generator_;
    DiceSource before_;
};
