// The game's global values in one state object: paths, reference lists, the group tables, the base
// table and game state, the working group, panel flags, counters and the open file channels.
// Windows and routines reach them through G() by the names the game uses; tests make a fresh one
// with resetGlobals(). The values (GlobalValues) are copied whole when a player's action starts,
// so that an action that fails leaves them as it found them (CampaignJournal.h).
#pragma once

#include "common/ContactRecord.h"
#include "common/TableColumns.h"
#include "common/records/RecordFormat.h"
#include "platform/Files.h"
#include "platform/Numbers.h"

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

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
constexpr int kSettings = 28;
constexpr int kMineFields = 24;
constexpr int kMineRows = 5;
constexpr int kSlots = 4;

using GroupTable = Int16[kGroups + 1][kGroupColumns + 1];
using GroupNames = QString[kGroups + 1][4];
// One per-base set-up column; index 0 is read as 0 by rules that meet base 0.
using BaseColumn = Int16[kBases + 1];

// The map rectangle of a mine field: inside when x1 < x < x2 and y1 < y < y2.
struct MineFieldRect {
    Int16 x1, x2, y1, y2;
};

// Every value of the state object that the game's rules and windows work on: copied as a whole.
struct GlobalValues {
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

    // ---------------------------------------------------------------- settings, set-up, mine fields
    Int32 GameSettings[kSettings + 1];
    BaseColumn BasePortLevel;
    BaseColumn BaseAirfieldLevel;
    BaseColumn BaseLevel;
    BaseColumn BasePoints;
    BaseColumn BaseShipCapacity;
    BaseColumn BaseAircraftCapacity;
    Int16 MineFields[kMineFields + 1][kMineRows + 1];
    MineFieldRect MineFieldRects[kMineFields + 1];

    // ---------------------------------------------------------------- ship and aircraft records
    // The one ship record through which every ship file is read and written; the other windows
    // know it as RecordNave and ShipBuffer (Globals).
    recordformat::ShipRecord ShipRecordBuffer;

    // ---------------------------------------------------------------- activity and contact records
    Int16 ActivityKind;
    Int16 ActivityCount;
    Int16 ContattiGestiti;
    Int16 LastActivityRecord;
    Int16 EncounterGnAlle;
    Int16 EncounterGnAsse;
    Int16 ContactUnitAlle;
    Int16 ContactUnitAsse;
    Int16 SightValueAlle;
    Int16 SightValueAsse;
    Int16 EvasionValueAlle;
    Int16 EvasionValueAsse;
    Int16 SightDieAlle;
    Int16 SightDieAsse;
    Int16 ContactDistance;
    // Per naval group: column kMarkContact the contact it is committed to this hour, column
    // kMarkReconTarget the enemy group a reconnaissance marked.
    static constexpr int kMarkContact = 1;
    static constexpr int kMarkReconTarget = 2;
    Int16 GnAttackMarksAlle[kGroups + 1][3];
    Int16 GnAttackMarksAsse[kGroups + 1][3];
    ContactRecord CurrentContact;

    // ---------------------------------------------------------------- detection and encounters
    // The modifiers of one detection computation, cleared by AzzeraModificatori.
    struct DetectionModifierSet {
        // Evasion of the group looked at.
        Int16 periscope, singleShip, largeGroup, fires, busy, alreadySeen, weather, distance;
        // Sighting of the same group.
        Int16 aircraftBand, periscopeSight, target, night, radar, ambush;
    };
    DetectionModifierSet DetectionModifiers;
    // The looking base of a base sighting (0 none).
    Int16 SightingBaseAlle;
    Int16 SightingBaseAsse;
    // The greater CAP level of two meeting groups.
    Int16 EncounterCapLevel;
    // The sighting value of the reconnaissance air group (its column 50).
    Int16 ReconSightValue;

    // ---------------------------------------------------------------- dice and range rules
    Int16 DiceSides;
    Int16 MissionSpeed;
    Int16 UsableEndurance;
    Int32 PortCoefficient;
    Int16 PortLevel;
    Int16 PortDamageStep;

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
    // The main window's map picture, for the drawing routines (null while no window shows the map).
    platform::PictureBox* MapPicture = nullptr;
    // The clean map of the hour (MapPicturePath), whose colours the land test reads.
    QImage MapImage;
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

    // ---------------------------------------------------------------- naval group values
    Int16 ShipCategoryCounts[8];
    Int16 CountedGn;
    QString ShipTypeName;
    Int16 ShipTypeCounts[16];
    Int16 GroupType;
    Int16 NewGnShipCount;
    // Aircraft of the ship being taken out of a group.
    Int16 NewGroupAircraft;
    Int16 DepartingGn;
    Int16 SelectedGn;

    // ---------------------------------------------------------------- hourly step
    // Alarms of the hour, cleared by the hour button and shown at the end of the hour (with
    // GnStoppedFlag and ContattiGestiti).
    Int16 MineHitAlarm;
    Int16 AirReturnFlag;
    // The naval group a per-group pass of the hour works on.
    Int16 CurrentGnIndex;

    // ---------------------------------------------------------------- the working air group
    // The air group being processed (CurrentGaIndex, of CurrentSide's table); its order is kept in
    // AirOrder, its target naval group in TargetGn and its detection value in ReconSightValue.
    struct WorkingAirGroupValues {
        Int16 GaTargetBase;      // column 30, shown in the air panel
        Int16 TargetBaseCheck;   // column 30 again, for the target checks
        Int16 AircraftEndurance; // 21: default endurance
        Int16 UsableEndurance;   // 24
        Int16 GaPosX;            // 25, 26: current point
        Int16 GaPosY;
        Int16 TargetX; // 28, 29: target point
        Int16 TargetY;
        Int16 GaStep;           // 27: map units a turn; MuoviGA leaves the hourly distance here
        Int16 Radius;           // 10
        Int16 TurnTime;         // 11
        Int16 TurnsToTarget;    // 32
        Int16 SearchTurns;      // 33
        Int16 InterceptPercent; // 8
        Int16 GaTurnsDone;      // 22
        Int16 GaFlightHours;    // 37
        Int16 TakeOffDelay;     // 23: only the main window's loader fills it
    };
    WorkingAirGroupValues WorkingAirGroup;
    Int16 CurrentGaIndex;
    Int16 TargetGn;
    // The new point of an air step (x, y); the main window uses it for other points too.
    Int16 InterceptPoint[2];
    // The enemy naval group annotated at InterceptPoint (its number printed beside its mark).
    Int16 InterceptGn;
    // The target circle of the next map click (ColoreFascia): its radius is the working air
    // group's (TargetCircleRadius), its colour the decimal text of the colour number.
    QString TargetCircleColour;

    // ---------------------------------------------------------------- order panels
    // The naval group last picked in the list, kept for the scuttle command.
    Int16 LastPickedGn;
    // Working values of the picked naval group beside GnPosX .. GnOffMap (columns 4, 2, 7, 5, 6).
    Int16 GnShipCount;
    Int16 GnMaxKnots;
    Int16 GnOrder;
    Int16 GnFires;
    Int16 GnOperability;
    // The projected route point.
    Int16 RoutePointX;
    Int16 RoutePointY;
    // The ship last picked in a ship list: record number and tonnage.
    Int16 SelectedShip;
    Int32 ShipTonnage;
    // Filters of the naval-group list (0 orders other than ambush, 1 ambush only) and of the
    // air-group list (0 all .. 4 more than 12 flight hours).
    Int16 NavalListFilter;
    Int16 GaListFilter;
    // 1 lets the own-group marks be drawn (TracciaGNAmici); callers set it around the call.
    Int16 DrawFlag;
    // Groups being formed: ships moved into the group formed in port, the ship docked last, 1
    // while ships are moved into a group split off the open one, the near group picked to merge.
    Int16 NewGroupShips;
    Int16 LastDockedShip;
    Int16 SplitMode;
    Int16 JoiningGn;
    // The last distance worked out by a target or near-group check, and the map point of the last
    // map click in air mode.
    Int32 TargetDistance;
    Int16 TargetPoint[2];
    // 1 once the map's pop-up list shows the ships of a group instead of the groups under a press.
    Int16 ShipsListed;
    // The naval group picked for a combat air patrol.
    Int16 GnSceltoCap;
    // 1 when an Allied carrier group was picked within the carrier launch zone.
    Int16 CarrierLaunchZone;
    // Aircraft of the carrier open in the launch window that are in flight.
    Int16 CarrierAircraftAloft;
    // The aircraft line picked to form an air group: speed, endurance, cost; the take-off delay
    // is WorkingAirGroup.TakeOffDelay. RangeCentre is the point the range circles are drawn about.
    Int16 AircraftSpeed;
    Int16 AircraftCost;
    Int16 RangeCentreX;
    Int16 RangeCentreY;
    // The one aircraft record through which the order panels read and write the air files.
    recordformat::AircraftRecord AircraftRecordBuffer;

    // ---------------------------------------------------------------- combat
    // Automatic resolution of the hour's contacts (the main window's three boxes): air strikes
    // on bases, patrol attacks on naval groups, naval bombardments.
    Int16 AutoBombAir;
    Int16 AutoPatrol;
    Int16 AutoBombNaval;
    // The contact board's hand-over to the attack windows (elements 1..20), also a scratch record
    // of other windows; OperationTexts 1..6 beside it (the carrier's name and air-file code, the
    // aircraft line chosen in the carrier window).
    Int32 OperationContext[21];
    QString OperationTexts[7];
    // The attacking group and the target of the attack window in use (elements 1..12), and the
    // damage of one hit on one ship.
    Int16 AttackGroup[13];
    Int32 AttackTarget[13];
    Int16 ShipHitDamage[13];

    // ---------------------------------------------------------------- new-campaign wizard
    // The slot the campaign being created took (0 before it is created).
    Int16 WizardSlot;

    // ---------------------------------------------------------------- what the rules keep
    // Kept here so that they go with the campaign: resetGlobals() clears them.
    struct DecodedPicture {
        qint64 modifiedNs = 0; // the file's last change, in nanoseconds since 1970
        qint64 size = 0;
        QImage image;
    };
    // Pictures decoded from their files, by disk path.
    QHash<QString, DecodedPicture> PictureCache;
    // A campaign is open in the main window: its handlers run as transactions (CampaignJournal.h).
    bool CampaignOpen = false;
    // Ship records written since the program started, so that a scan of a ship file knows when it
    // is out of date.
    long long ShipRecordWrites = 0;
    // The record numbers of each naval group's ships in a side's ship file, as the hour last
    // scanned them.
    struct GroupShipIndex {
        int side = 0;
        QString path;
        int count = -1;
        int lastGroup = 0;
        long long writes = -1;
        std::array<std::vector<int>, kGroups + 1> records;
    };
    GroupShipIndex HourGroupShips;

    // Side tables by side number (1 Allies, 2 Axis).
    GroupTable& gnTable(int side) { return side == kAxis ? GnTableAsse : GnTableAlle; }
    GroupTable& gaTable(int side) { return side == kAxis ? GaTableAsse : GaTableAlle; }
    GroupNames& gaNames(int side) { return side == kAxis ? GaNamesAsse : GaNamesAlle; }
    // A game-state item read as a whole number.
    long long state(int item) const { return platform::textToWhole(GameState[item]); }
    void setState(int item, long long value) { GameState[item] = QString::number(value); }
};

// What belongs to the running program rather than to the campaign in memory: the open channels and
// the table saves held back (whose due list the transaction keeps beside the values). A failed step
// puts back none of it: a value of the campaign goes in GlobalValues. Its members are counted below.
struct ProgramParts {
    platform::Channels Files;

    // The table saves held back by an open SaveBatch.
    bool SaveBatchOpen = false;
    std::vector<void (*)()> SavesDue;
};

// The other names some values go by: references to GlobalValues only (their number is checked below).
struct GlobalNames {
    explicit GlobalNames(GlobalValues& v)
        : RecordNave(v.ShipRecordBuffer), ShipBuffer(v.ShipRecordBuffer),
          TargetCircleRadius(v.WorkingAirGroup.Radius), GnInFriendlyPort(v.GnFriendlyPort),
          AirListFilter(v.GaListFilter), GroupMarksFlag(v.DrawFlag), CapTargetGn(v.GnSceltoCap),
          AircraftEndurance(v.WorkingAirGroup.AircraftEndurance) {}
    GlobalNames(const GlobalNames&) = delete;
    GlobalNames& operator=(const GlobalNames&) = delete;

    recordformat::ShipRecord& RecordNave;
    recordformat::ShipRecord& ShipBuffer;
    Int16& TargetCircleRadius;
    // Column 20 of the picked group; the base test under a group (BaseSottoGN) sets the same value.
    Int16& GnInFriendlyPort;
    Int16& AirListFilter;
    Int16& GroupMarksFlag;
    Int16& CapTargetGn;
    Int16& AircraftEndurance;
};

// The state object: its values, the other names some of them go by, and the running program's parts.
// It holds nothing of its own: a member declared here would not be put back after a failed step,
// and the build refuses it.
struct Globals final : GlobalValues, ProgramParts, GlobalNames {
    Globals() : GlobalNames(static_cast<GlobalValues&>(*this)) {}
};

namespace globals_layout {
// Whether T can be brace-initialised from N values: the number of members of the aggregate T.
struct AnyValue {
    template <class T> operator T() const;
};
template <class T, std::size_t... I> constexpr bool bracedFrom(std::index_sequence<I...>) {
    return requires {
        T{(void(I), AnyValue{})...};
    };
}
template <class T, std::size_t N>
constexpr bool hasMembers = bracedFrom<T>(std::make_index_sequence<N>()) &&
                            !bracedFrom<T>(std::make_index_sequence<N + 1>());
} // namespace globals_layout

static_assert(
    sizeof(Globals) == sizeof(GlobalValues) + sizeof(ProgramParts) + sizeof(GlobalNames),
    "Globals holds nothing of its own: a value of the campaign goes in GlobalValues, which a failed "
    "step puts back");
static_assert(
    globals_layout::hasMembers<ProgramParts, 3>,
    "ProgramParts is not put back after a failed step: a value of the campaign goes in GlobalValues");
static_assert(sizeof(GlobalNames) == 8 * sizeof(void*),
              "GlobalNames holds only other names of the values of GlobalValues");

Globals& G();
// Replaces the state object with a fresh one (all values as at program start).
void resetGlobals();
