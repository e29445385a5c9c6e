// Program-wide values of Torvcard. Windows and routines reach them through CG(); tests make a
// fresh set with resetCardGlobals().
#pragma once

#include "cards/AircraftRating.h"
#include "cards/format/AircraftCard.h"
#include "platform/Numbers.h"

#include <QString>

using platform::Int16;
using platform::Int32;

struct CardGlobals {
    // ---------------------------------------------------------------- folders (start window)
    QString AppFolder;          // the program folder, no trailing separator
    QString DataFolder;         // AppFolder & "\Data\"
    QString AircraftCardFolder; // AppFolder & "\Aerei\"

    // ---------------------------------------------------------------- shared by both editors
    QString NationCode; // first two letters of the chosen nation
    Int16 JudgementAverage;
    Int16 AircraftAvailability;

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
    QString OpenedAircraftCardPath;
    Int16 PrintLineCounter; // 0 while no printed list is under way
};

CardGlobals& CG();
void resetCardGlobals();

// Makes a folder when it is missing (one level); true when it was already there.
bool EnsureFolder(const QString& path);
// Removes, while search occurs in text, the first character of its first occurrence.
QString ReplaceAll(const QString& text, const QString& search);
