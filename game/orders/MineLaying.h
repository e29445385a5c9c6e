// Mines laid in the 24 mine fields by the side in play, bought with its acquisition points at one
// point a mine. Only the side's own row of a field is read or changed here.
#pragma once

#include <QString>

namespace mines {

// Mines a side may hold in one field.
constexpr int kFieldCapacity = 600;
// The fewest points available with which mines can be bought.
constexpr int kPointsToBuy = 1000;
// Mines the small purchase adds.
constexpr int kSmallPurchase = 50;
// The row of the mine hits in a field.
constexpr int kHitsRow = 5;

// The side's acquisition points less those used; 0 when no side is in play.
long long pointsAvailable(int side);
// The side's mines in a field.
int minesInField(int field, int side);
// "MF: " field "  Unità: " the side's mines.
QString fieldLine(int field, int side);

// Mines a purchase adds to a field holding `held`: the small one 50 at most, the large one what
// fills the field; never below 0.
int smallPurchase(int held);
int fillPurchase(int held);

// Adds `amount` mines to the side's row of the field and charges the side one acquisition point a
// mine (the points used, game-state item 28 or 38). Nothing is saved here.
void layMines(int side, int field, int amount);

} // namespace mines
