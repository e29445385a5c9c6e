// Program-wide values of Torvcard: folders, the data year, the chosen nation and ship type, the
// armour windows' results and the aircraft judgement, plus the ship editor's entry values, ratings
// and card marks, and the aircraft editor's products, ratings, card and printed list. Windows and routines
// reach them through CG(); tests make a fresh set with resetCardGlobals(). The path of the help text to show
// (HelpFilePath) lives with the help viewer, cards/help/Form1_info1.h, because Torvsetup shares it.
#pragma once

#include "cards/AircraftRating.h"
#include "cards/ShipRating.h"
#include "cards/format/AircraftCard.h"
#include "cards/format/ShipCard.h"
#include "cards/help/Form1_info1.h"
#include "platform/Numbers.h"

#include <QString>

struct CardGlobals {
    // ---------------------------------------------------------------- folders (start window)
    QString AppFolder;          // the program folder, no trailing separator
    QString DataFolder;         // AppFolder & "\Data\"
    QString ShipCardFolder;     // AppFolder & "\Navi\"
    QString AircraftCardFolder; // AppFolder & "\Aerei\"
    QString DataYear = QStringLiteral("1939");

    // ---------------------------------------------------------------- shared by both editors
    QString NationCode;             // first two letters of the chosen nation
    float ShipTypeNumber = 0;       // 1..15 in the order of the ship type list, 0 when none
    Int16 MainTurretArmour[5];      // frontal, lateral, roof, barbette, closed flag
    Int16 SecondaryTurretArmour[5]; // the same for the secondary turrets
    Int16 SpecialProtections[4];    // PV, OD, VD, AS
    Int16 JudgementAverage;
    Int16 AircraftAvailability;

    // ---------------------------------------------------------------- ship editor: entries
    float StandardDisplacement = 0;
    Int16 ShipKnots;
    Int16 DepthChargeLaunchers;
    QString AaCalibre[3] = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    float AaCalibreFactor[3] = {0, 0, 0};
    Int16 AaBarrels[3];
    float AaMachineGuns = 0;
    Int16 VerticalArmour, HorizontalArmour, BridgeArmour;

    // ---------------------------------------------------------------- ship editor: ratings
    ShipRatingTables RatingTables;
    float YearFactor = 0;
    Int32 GlobalResistance;
    Int16 FireFighting;
    ShipRatingValues ShipRatings;
    Int16 CargoValue;
    Int32 ShipCost;
    Int16 AircraftCount;
    Int16 ChargesPerLauncher;

    // ---------------------------------------------------------------- ship record and cards
    ShipValues ShipData;
    Int16 CardStored; // 1 once the record shown was saved or opened from a card
    Int16 CardOpened; // 1 when the record shown was opened from a card file
    QString NationFolder;
    QString ShipCardPath;
    QString ShipNameListPath;
    QString OpenedCardPath;

    // ---------------------------------------------------------------- aircraft editor
    aircraftcard::AircraftData AircraftData;
    QString AircraftCardPath;
    QString AircraftNationFolder;
    Int16 TorpedoFlag;
    Int16 BomberFlag;
    aircraftrating::WeaponProducts WeaponProducts{};
    double WeaponTotal = 0;
    Int16 CannonTotal;
    Int16 AircraftTypeIndex; // position + 1 of the type chosen, 0 before any choice
    aircraftrating::RoleTables RoleTables;
    Int16 AttackFactor, DefenceFactor, StrafingWeight, AircraftCost;
    Int16 AutonomyTurns;
    // Judgement questionnaire: this showing's answers and the last confirmed ones.
    aircraftrating::JudgementAnswers JudgementScores{};
    aircraftrating::JudgementAnswers LastJudgementScores{};
    // Opened cards and the printed list.
    QString OpenedAircraftCardPath; // the card shown, which "Elimina File" deletes
    Int16 PrintLineCounter;         // 0 while no printed list is under way
};

CardGlobals& CG();
void resetCardGlobals();

// Makes a folder when it is missing (one level); true when it was already there.
bool EnsureFolder(const QString& path);
// Removes, while search occurs in text, the first character of its first occurrence.
QString ReplaceAll(const QString& text, const QString& search);
// Key filter of the number boxes: control keys and digits pass, any other key is dropped.
void digitsOnlyKey(int& keyAscii);
// What an editor says once a card is written: the card's file within the program folder, as the
// file manager shows it.
QString cardSavedMessage(const QString& cardPath);
