// What the lost-ships window shows of the campaign's lost-ship file: the losses of the last hour
// or of the whole campaign, listed by side with their counts and tonnage, and where and when one
// of them went down.
#pragma once

#include "common/LostShips.h"

#include <QString>
#include <optional>
#include <vector>

namespace lostships {

// One loss as listed: type, name and tonnage, and its record number in the file.
struct LossLine {
    QString text;
    int record = 0;
};

// One side's losses in the order of sinking, their count and their tonnage.
struct SideLosses {
    std::vector<LossLine> lines;
    int ships = 0;
    long long tonnage = 0;
};
struct Losses {
    SideLosses allies;
    SideLosses axis;
};

// "CT Nave 1     1200": the type and the name as stored, then the tonnage.
QString lossLine(const LostShipRecord& r);

// The last `sunk` records of the file (the sinkings of the last hour, game-state item 12), oldest
// first; every record when the file holds fewer.
Losses lossesOfLastHour(long long sunk);
// Every record of the file.
Losses allLosses();

// Where the map marks a loss picked in one side's list, and what the message line says.
struct LossMark {
    std::optional<std::pair<int, int>> at; // none for a loss off the map
    QString text;                          // "X " and the name
    long colour = 0;                       // yellow for an Allied ship, else black
    QString message;
};
// A loss at sea is marked at its group's point. One in port has no point of its own and is
// marked at its port; the Allied list marks nothing for a loss on the Gibraltar or Alexandria
// route, and names the route instead.
LossMark lossMark(const LostShipRecord& r, bool alliedList);

} // namespace lostships
