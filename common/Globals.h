// The game's global values in one state object: paths, reference lists, the group tables, the base
// table and game state, the working group, panel flags, counters and the open file channels.
// Windows and routines reach them through G() by the names the game uses; tests make a fresh one
// with resetGlobals().
#pragma once

#include "platform/Files.h"
#include "platform/Numbers.h"

#include <QSet>
#include <QString>

namespace platform {
class PictureBox;
}

using platform::Int16;
using platform::Int32;

// Sides of the game.
constexpr int kAllies = 1;
constexpr int kAxis = 2;
constexpr int kBases = 15;
constexpr int kGroups = 50;
constexpr int kGroupColumns = 50;
constexpr int kSlots = 4;

using GroupTable = Int16[kGroups + 1][kGroupColumns + 1];
using GroupNames = QString[kGroups + 1][4];

struct Globals {
    // ---------------------------------------------------------------- paths and names
    QString AppPath;
    QString DataPath;
    QString PathNaviAlle;
    QString PathNaviAsse;
    QString GamesPath;
    QString SlotFilePath;
    QString CoordXPath;
    QString CoordYPath;
    QString StackPrefix;
    QString PathAereiAlle;
    QString PathAereiAsse;
    QString ProbePath;
    QString CampaignName;

    // Reference lists (element 0 not used).
    QString BaseNames[kBases + 1];
    QString CompassNames[9];
    QString CompassShortNames[9];
    QString NationNames[9];
    QString NavalOrderNames[6];
    QString AirOrderNames[8];
    QString NearValues[10];
    Int16 BaseMapXY[kBases + 1][3];

    // ---------------------------------------------------------------- group tables
    GroupTable GnTableAlle;
    GroupTable GnTableAsse;
    GroupTable GaTableAlle;
    GroupTable GaTableAsse;
    GroupNames GaNamesAlle;
    GroupNames GaNamesAsse;
    Int16 NewGroupNumber;
    long SideColour = 0x8000000AL;

    // ---------------------------------------------------------------- base table and game state
    Int32 BaseTable[kBases + 1][31];
    QString GameState[41];

    // ---------------------------------------------------------------- campaign slots
    // Slot rows 1..4 of the slot file (row 0 not used); "nn" names a free slot.
    struct GameSlot {
        QString name;
        Int16 days;
        Int16 season;
        Int16 year;
    };
    GameSlot GameSlots[kSlots + 1];
    Int16 NextFreeSlot;
    Int16 SelectedSlot;

    // ---------------------------------------------------------------- side and panels
    Int16 CurrentSide;
    Int16 SelectedBase;
    Int16 SelectedItem;
    Int16 AirMode;
    Int16 BasesMode;
    Int16 NavalMode;
    Int16 MapClickMode;
    Int16 AirOrder;

    // ---------------------------------------------------------------- main window, clock and weather
    QString WeatherEffectNames[4];
    QString WeatherStateNames[4];
    Int16 WeatherSeverity;
    Int16 DayFlag;
    Int16 HourStepActive;
    QString MapPicturePath;
    QString SeaBedPicturePath;
    QString DayNightIconName;
    // The main window's map picture, for the drawing routines and the land test (null while no
    // campaign is open).
    platform::PictureBox* MapPicture = nullptr;
    // Picture files already reported missing in this run.
    QSet<QString> MissingPictures;

    // ---------------------------------------------------------------- the working naval group
    Int16 GnPosX;
    Int16 GnPosY;
    Int16 GnCourse;
    Int16 GnSpeed;
    Int16 GnKnots;
    Int16 GnRouteHours;
    Int16 GnRegularUse;
    Int16 GnExtraUse;
    Int16 GnOffMap;
    Int16 GnOffMapDistance;
    Int16 GnEntryY;
    Int16 GnNation;
    Int16 WorkingGnIndex;
    Int16 GnOldPos[2];
    Int16 LastSeaPos[2];
    Int16 BaseUnderGn;
    Int16 GnFriendlyPort;
    Int16 GnStoppedFlag;
    long SeaReferenceColour = 0;
    Int16 MarkWhiteFlag;
    // Mission circles.
    Int16 MissionEndurance;
    Int16 MissionRadius;
    Int16 MissionMiles;
    Int16 MissionOrigin[2];
    Int16 PlotRangeFlag;
    Int16 MissionSpeed;
    Int16 DiceSides;

    // ---------------------------------------------------------------- naval group values
    Int16 ShipCategoryCounts[8];
    Int16 CountedGn;
    QString ShipTypeName;
    Int16 ShipTypeCounts[16];
    Int16 GroupType;
    Int16 NewGnShipCount;
    Int16 DepartingGn;
    Int16 SelectedGn;

    // ---------------------------------------------------------------- files
    platform::Channels Files;

    // Side tables by side number (1 Allies, 2 Axis).
    GroupTable& gnTable(int side) { return side == kAxis ? GnTableAsse : GnTableAlle; }
    GroupTable& gaTable(int side) { return side == kAxis ? GaTableAsse : GaTableAlle; }
    GroupNames& gaNames(int side) { return side == kAxis ? GaNamesAsse : GaNamesAlle; }
    // A game-state item read as a whole number.
    long long state(int item) const { return platform::textToWhole(GameState[item]); }
    void setState(int item, long long value) { GameState[item] = QString::number(value); }
};

Globals& G();
// Replaces the state object with a fresh one (all values as at program start).
void resetGlobals();
