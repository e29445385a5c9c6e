// Each side's standing in the campaign: its four objectives against their targets, its loss and
// usage scores, and the ships it has lost.
#pragma once

#include "common/RecordFiles.h"

#include <QString>
#include <array>
#include <vector>

namespace objectives {

struct Objective {
    QString caption;
    QString target;  // the setting, as stored
    QString present; // as stored, or the points or sum in decimal
};

// The scores in the order the window shows them: acquisition points used, air points lost,
// warship tonnage lost, merchant tonnage lost, the loss value, the negative index.
enum Score { Used, AirLost, WarshipsLost, MerchantLost, LossValue, NegativeIndex, kScores };

struct Standing {
    std::array<Objective, 4> objectives;
    std::array<QString, kScores> scores;
};
Standing sideStanding(int side);

// The objectives that force an enemy base down are met below the target, the others from it up;
// the two values are read as numbers from the texts shown.
bool objectiveMet(int side, int index, const QString& target, const QString& present);

// A lost ship's line: type, "_" and 15 characters of name in 19, then the cause of the loss; empty
// for a ship not lost or lost by no cause the list knows.
QString lostShipLine(const ShipRecord& ship);
// The lines of the side's lost ships, in file order.
std::vector<QString> lostShipLines(int side);

} // namespace objectives
