// The program-wide values of the set-up program: its folders, the side and kind in work, the
// values of the card opened and the archive records built from it. Tests start from a fresh set
// with resetSetupGlobals().
#pragma once

#include "cards/format/AircraftCard.h"
#include "cards/format/ShipCard.h"
#include "common/records/RecordFormat.h"
#include "platform/Numbers.h"

#include <QString>

using platform::Int16;

struct SetupGlobals {
    QString AppFolder;
    QString DataFolder;    // AppFolder & "\Data\"
    QString ArchiveFolder; // AppFolder & "\Archivio\"
    Int16 ArchiveSide;     // 1 Allies, 2 Axis
    QString SideWord;      // "ALLEATI" or "ASSE"; empty until a side is chosen
    Int16 UnitKind;        // 0 none, 1 ships, 2 aircraft
    Int16 PrintFlag;       // 1 while an archive list is being printed
    Int16 SelectedRecord;  // the archive record picked in the archive list
    ShipValues ShipCardValues;
    aircraftcard::AircraftData AircraftCardValues;
    QString CardPath; // the opened ship card, then its name list

    // The records built from the opened card, copied for every insert from it.
    recordformat::ShipRecord CardShipRecord;
    recordformat::AircraftRecord CardAircraftRecord;
};

SetupGlobals& SG();
void resetSetupGlobals();
