// The rating of a ship class: its historical data (type, displacement, speed, armour, guns,
// anti-aircraft weapons, aircraft, launch year) turned into the game's values with the rating
// tables of its type and year bracket.
#pragma once

#include "cards/SaveLine.h"
#include "cards/ShipTables.h"

#include <QString>

using platform::Int16;
using platform::Int32;

// The ratings of one ship class (shown in the ship editor's value labels).
struct ShipRatingValues {
    Int16 VR, OR, PL, CT, FU, CG, TP, TS, DT, MA, OP;
};

// What the ship editor holds when it rates a class. The texts are the captions of its labels,
// read for the number they begin with.
struct ShipRatingInput {
    float typeNumber = 0;   // 1..15, 0 when no type is chosen
    float displacement = 0; // standard displacement, tons
    int knots = 0;
    int verticalArmour = 0, horizontalArmour = 0, bridgeArmour = 0; // mm
    int specialProtections[4] = {};                                 // PV, OD, VD, AS
    int mainTurretArmour[5] = {};      // frontal, lateral, roof, barbette, closed flag
    int secondaryTurretArmour[5] = {}; // the same
    int depthChargeLaunchers = 0;
    QString launchYear;
    QString mainCalibre, secondaryCalibre, thirdCalibre;
    QString aaMainValue, aaSecondaryValue, aaOtherValue; // anti-aircraft game values
    QString machineGunValue;
    QString aircraft, elevators;
};

struct ShipRatingResult {
    float yearFactor = 0;
    Int32 resistance;
    Int16 fireFighting;
    ShipRatingValues ratings;
    Int16 cargo;
    long long unitCost = 0;
    Int32 shipCost;
    Int16 aircraftCount;
    Int16 chargesPerLauncher;
    QString aaTotalText; // the sum of the three anti-aircraft values, signed-number form
};

// Rates a class. A result that does not fit its 16- or 32-bit cell raises platform::RangeError.
ShipRatingResult rateShip(const ShipRatingInput& in, const ShipRatingTables& tables);

// The anti-aircraft factor of a calibre item: 4 from 100 mm, 3 from 51, 2 from 30, else 0.
float aaCalibreFactor(const QString& calibreItem);
// The machine-gun game value of a number of anti-aircraft machine guns, as the label shows it.
QString machineGunValueText(float machineGuns);

// An entry without which a class is not rated, as its label shows it: a displacement of none or of
// 0 t, no speed, no launch or refit year.
enum class MissingEntry { None, Displacement, Speed, LaunchYear };
MissingEntry missingRatingEntry(const QString& displacement, const QString& knots, const QString& launchYear);
// The message that refuses the rating for a missing entry.
QString missingEntryMessage(MissingEntry missing);

// A rating refused for a reason its entries do not show: a value out of the game's scale, a
// rating table that cannot be read.
enum class RatingRefusal { None, OutOfScale, MissingTable };

// What holds the ship editor's "Salva" back. Its reasons are given once the data year has been
// clicked for the record; a refusal stands until the next rating.
struct ShipSaveHold {
    bool asked = false;  // the data year clicked since the record was started or saved
    bool rated = false;  // rated since the last change of its data (the data year green)
    bool stored = false; // saved, or opened from the archive
    MissingEntry missing = MissingEntry::None;
    RatingRefusal refused = RatingRefusal::None;
    int nameLength = 0;
    bool nation = false;
};
SaveState shipSaveState(const ShipSaveHold& hold);
