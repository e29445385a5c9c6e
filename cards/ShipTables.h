// The reference tables of the ship editor, read from the data folder: the pick lists of its combo
// boxes and the rating tables by ship type (1..15) and by year bracket (1..6).
#pragma once

#include "platform/Numbers.h"

#include <QString>
#include <QStringList>

constexpr int kShipTypes = 15;
constexpr int kYearBrackets = 6;

struct ShipRatingTables {
    float Indicenavi[kShipTypes + 1] = {};      // ship index of the type
    float ResBaseX[kShipTypes + 1] = {};        // base resistance
    float CostoBase[kShipTypes + 1] = {};       // base cost
    platform::Int16 CorGenBase[kShipTypes + 1]; // least VR and OR
    float OperativitaBase[kShipTypes + 1] = {}; // base operativity
    platform::Int16 IndiceDT[kShipTypes + 1];   // fire-direction index
    float BracketFactor[kYearBrackets + 1] = {};
    float BracketYear[kYearBrackets + 1] = {};
};

// The number a text begins with, blanks ignored wherever they stand; 0 when it begins with none.
double textValue(const QString& text);

// Reads the seven rating files ("Indicenavi.txt" ... "annivarocheck.txt") from the data folder.
// A missing file or one with too few rows raises platform::FileError naming it; the tables are
// returned only when every file was read.
ShipRatingTables loadShipRatingTables(const QString& dataFolder);

// The items of a pick list, in file order (FileError naming a missing file).
QStringList readPickList(const QString& path);

// The anti-aircraft calibres of a nation's calibre list: the items ending in "ds" (dual purpose).
bool isDualPurpose(const QString& calibreItem);
