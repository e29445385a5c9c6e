// A side's points: acquisition points turned into command points (3 to 2), command points handed
// from the side's pool to its main bases, and the Allies' move from MALTA HQ to MALTA BS. Every
// change is made in memory; the window saves when it closes. In a campaign whose folder cannot be
// written a move is refused before it changes anything (aboutToChangeCampaign), since the window
// could never save it.
#pragma once

#include <QString>
#include <array>

namespace points {

// One step of the window's increment: the points moved and, for a conversion, what it costs.
struct PointStep {
    int increment;
    int penalty;
};
// Option buttons 0..4: 30, 90, 150, 300 and 3 points; the window opens on 90.
constexpr std::array<PointStep, 5> kPointSteps{{{30, 10}, {90, 30}, {150, 50}, {300, 100}, {3, 1}}};
constexpr int kDefaultStep = 1;

constexpr int kMaltaHq = 12;
constexpr int kMaltaBs = 13;

// The side's acquisition points (settings 4 / 5) less those used (state item 28 / 38).
long long acquisitionPointsLeft(int side);
// The side's pool of command points: settings 6 / 7 less item 29 / 39 plus item 30 / 40.
long long sideCommandPoints(int side);
// A base's command points: its set-up points less those used (field 22) plus those arrived (21).
long long baseCommandPoints(int base);
// What the base may spend on aircraft: arrived less used.
long long spendablePoints(int base);

// One row of the base list: name, command points, points for aircraft, damage, aircraft and
// ships against capacity, in columns; a part that fills its column keeps one blank before the
// next, and a longer one pushes the next on.
QString basePointsRow(int base);

// Each move returns why it was refused (the points to move are more than those there), or empty
// when done.
// Acquisition points into the side's command points: increment used, increment - penalty gained.
QString convertToCommandPoints(int side, const PointStep& step);
// Command points from the side's pool to one of its bases.
QString transferToBase(int side, int base, int increment);
// Points arrived at MALTA HQ moved to MALTA BS.
QString moveMaltaPoints(int increment);

} // namespace points
