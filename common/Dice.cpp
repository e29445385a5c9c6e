#include "Dice.h"

#include "Globals.h"
#include "platform/Numbers.h"

#include <QDateTime>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

std::uint64_t splitmix(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

DiceSource& source() {
    static DiceSource s;
    return s;
}

DiceSource& defaultSource() {
    static DiceSource s;
    return s;
}

DiceRefusalHook& refusalHook() {
    static DiceRefusalHook h;
    return h;
}

// Int(r × n) + 1: r has 24 bits and n 16, so r × n is exact in double and stays below n.
int faceOf(double r, int n) {
    return static_cast<int>(platform::intPart(r * n)) + 1;
}

DiceGenerator& generator() {
    static DiceGenerator g(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
    return g;
}

} // namespace

DiceGenerator::DiceGenerator(std::uint64_t seed) : state_(splitmix(seed)) {}

double DiceGenerator::next(int secondsSinceMidnight) {
    // Mixing the clock in is a bijection of the state, followed by a full-period step: the
    // sequence goes on from where it was instead of starting again from the clock.
    state_ ^= splitmix(static_cast<std::uint64_t>(secondsSinceMidnight));
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(splitmix(state_) >> 40) / 16777216.0;
}

int TiraDado(int n) {
    if (source()) return source()(n);
    if (defaultSource()) return defaultSource()(n);
    // The clock of the day without the time zone: reading the local time costs more than the
    // rest of a roll, and the hourly passes roll for every ship.
    const int seconds = int(QDateTime::currentMSecsSinceEpoch() / 1000 % 86400);
    return faceOf(generator().next(seconds), n);
}

int rollDie(int n) {
    G().DiceSides = n;
    return TiraDado(G().DiceSides);
}

void setDiceSource(DiceSource s) {
    source() = std::move(s);
}

void setDefaultDiceSource(DiceSource s) {
    defaultSource() = std::move(s);
}

void refuseRoll(const std::string& message) {
    if (refusalHook()) refusalHook()(message);
    throw std::logic_error(message);
}

DiceRefusalHook setDiceRefusalHook(DiceRefusalHook hook) {
    return std::exchange(refusalHook(), std::move(hook));
}

ChosenDice::ChosenDice(QList<int> faces) : faces_(std::move(faces)), before_(source()) {
    setDiceSource([this](int n) {
        sides.append(n);
        if (next_ >= faces_.size())
            refuseRoll("ChosenDice: roll " + std::to_string(next_ + 1) + " (d" + std::to_string(n) +
                       ") was not chosen");
        const int face = faces_[next_++];
        if (n >= 1 && (face < 1 || face > n))
            refuseRoll("ChosenDice: face " + std::to_string(face) + " on a d" + std::to_string(n));
        return face;
    });
}

ChosenDice::~ChosenDice() {
    setDiceSource(std::move(before_));
}

SeededDice::SeededDice(std::uint64_t seed) : generator_(seed), before_(source()) {
    setDiceSource([this](int n) {
        ++rolls;
        return faceOf(generator_.next(0), n);
    });
}

SeededDice::~SeededDice() {
    setDiceSource(std::move(before_));
}
