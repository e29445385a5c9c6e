#include "MineLaying.h"

#include "common/Globals.h"
#include "game/points/PointTransfers.h"

#include <algorithm>

namespace mines {

namespace {
bool sideInPlay(int side) {
    return side == kAllies || side == kAxis;
}
} // namespace

long long pointsAvailable(int side) {
    return sideInPlay(side) ? points::acquisitionPointsLeft(side) : 0;
}

int minesInField(int field, int side) {
    return G().MineFields[field][side];
}

QString fieldLine(int field, int side) {
    return QStringLiteral("MF: %1  Unità: %2").arg(field).arg(minesInField(field, side));
}

int smallPurchase(int held) {
    return std::clamp(kFieldCapacity - held, 0, kSmallPurchase);
}

int fillPurchase(int held) {
    return std::clamp(kFieldCapacity - held, 0, kFieldCapacity);
}

void layMines(int side, int field, int amount) {
    Globals& g = G();
    const int used = StateItem::sideItem(side, StateItem::AcquisitionUsedAlle);
    g.setState(used, g.state(used) + amount);
    g.MineFields[field][side] = Int16(g.MineFields[field][side] + amount);
}

} // namespace mines
