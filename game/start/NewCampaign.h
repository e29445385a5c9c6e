// Rules of the new-campaign wizard: the general settings and their mission targets, the checks on a
// new campaign's name and values, the creation of its files, the base set-up grid, and the free
// starting ships and aircraft. The three wizard windows read their controls, call these and show
// the results; tests reach them without a window.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace newcampaign {

// ---------------------------------------------------------------- general settings

constexpr int kNameMinLength = 3;
constexpr int kNameMaxLength = 30;
constexpr int kSettingItems = 28;
constexpr int kDefaultItems = 19;
constexpr int kMissionItems = 8;

// A campaign name: letters A..Z and a..z only, 3 to 30 of them, once trimmed.
bool isValidCampaignName(const QString& name);

// True when a slot holds the name (letter case aside), or a file of the campaign it would make
// already exists.
bool isCampaignNameTaken(const QString& name);

// The values of the combos that the mission targets read, as the window shows them.
struct MissionInputs {
    double days = 0;
    double pointsAlle = 0;                    // MEZZI, Allies
    double pointsAsse = 0;                    // MEZZI, Axis
    double commandAlle = 0;                   // COMANDO, Allies
    double commandAsse = 0;                   // COMANDO, Axis
    std::array<double, kMissionItems> base{}; // the eight values of "missionidef.txt"
};

// Settings items 21..28 (element 0 is item 21); none when the length is not above 0.
std::optional<std::array<long long, kMissionItems>> missionTargets(const MissionInputs& in);

// The combo texts the general set-up collects, by settings item (1..19; 8 and 9 unused).
using SettingTexts = std::array<QString, kDefaultItems + 1>;
// Settings items 1..28 (element 0 unused).
using SettingValues = std::array<long long, kSettingItems + 1>;

// Checks the combo texts and turns them into settings items 1..19 (8 and 9 are 0): every text
// must be a number, the length above 0, the season 1..4. Returns the refusal, or empty.
QString collectGeneralSettings(const SettingTexts& texts, SettingValues& items);

// Creates the new campaign `CampaignName` with the settings in `GameSettings`: its settings
// file, empty group tables, mine fields, game state and base table, and the free slot's row.
// The slot it took is left in `WizardSlot`.
void CreaNuovaCampagna();

// ---------------------------------------------------------------- bases and ports

constexpr int kBaseColumns = 6;

// A column of the bases window; its set-up file is the set-up column of the same number.
struct BaseGridColumn {
    const char* heading;
    int cap;
    int maxLength;
    const char* defaultFile; // in the data folder
};

// PORTO, AEROPOR, BASE, PUNTI, NAVI, AEREI.
extern const BaseGridColumn kBaseColumn[kBaseColumns];
constexpr int kPortColumn = 0;
constexpr int kShipColumn = 4;

// The value of a box: its leading digits (none reads 0).
int baseBoxValue(const QString& text);
// The text a box keeps after a change: the cap written out when its value is above the cap.
QString cappedBoxText(const QString& text, int cap);
// CASTELVETRANO, PACHINO and MALTA BS have no harbour.
bool hasNoPort(int base);
// The base's sighting value (base-table field 15) from its base level.
int baseSightingValue(int level);

// The grid of the bases window: column 0..5, base 1..15.
using BaseGrid = std::array<std::array<int, 16>, kBaseColumns>;

// Reads the six default files into a grid, capping each value; nothing is returned half-read.
BaseGrid readBaseDefaults();

// Writes the six set-up files of `CampaignName` from the grid and the base-table fields that
// follow from them (sighting value, arrived points by dice), in the set-up order.
void saveBaseSetUp(const BaseGrid& grid);

// ---------------------------------------------------------------- free starting ships

constexpr int kFreeShipTypeCount = 7;
extern const std::array<QString, kFreeShipTypeCount> FreeShipTypes; // IP IL CT SA PT MR NX

// Free ships of each type (in the order of FreeShipTypes) for a campaign of d days.
std::array<int, kFreeShipTypeCount> freeShipQuota(int days);
// 1..7 for the free types, 0 for any other.
int freeShipTypeIndex(const QString& type);
// The ports that take free ships, in the order the window offers them.
std::vector<int> freeShipPorts(int side);
// MALTA HQ takes submarines "SA" only.
bool portTakesShipType(int base, const QString& type);

// The side archives (ships and aircraft of both sides) missing from the folder `archivePath`.
QStringList missingArchives(const QString& archivePath);

// The live records of the side archives in `archivePath` that no campaign can hold (archives made
// before their values were checked), one line an archive: the archive, how many, and the first
// one with its field and range. The copies below leave them out.
QStringList refusedArchiveRecords(const QString& archivePath);

// The campaign's files are built from the side archives in `archivePath`: every target file is
// created empty first, a missing archive leaves its targets empty, and a record no campaign can
// hold is not copied.

// Copies the live ship records of both archives into the two side ship files, numbering the
// Allied carriers; returns how many carrier records were numbered, deleted ones included.
int CopiaArchivioNavi(const QString& archivePath);
// Copies the live aircraft records of each side's archive into the aircraft file of every air
// base of the side.
void CopiaArchivioAerei(const QString& archivePath);
// Gives each Allied carrier number 1..carrierCount an air file with the live carrier types.
void CreaFileAereiPortaerei(const QString& archivePath, int carrierCount);

// A line of a list and the record it stands for.
struct ListedUnit {
    int record;
    QString text;
};
// Ships offered as free ships: free type, no port, not later than the campaign year.
std::vector<ListedUnit> freeShipList(int side, int campaignYear);
// Details of a ship of the side's file: knots, aircraft, cargo, operability and cost.
QString shipDetails(int side, int record);

// Takes a ship of the type into port `base` when the port has room and the type's quota (items
// 0..6 as FreeShipTypes) is not used up, and counts it: one less of the quota, one more ship
// present in the port (base-table field 10). False, with nothing counted, otherwise.
bool VerificaQuota(int base, const QString& type, std::array<int, kFreeShipTypeCount>& quotaLeft);

// Places ship `record` of the side's file in port `base` when the port takes its type and
// VerificaQuota accepts it: the record gets its port. Returns the line of the placed ships' list,
// or empty when the ship was refused.
QString placeFreeShip(int side, int base, int record, std::array<int, kFreeShipTypeCount>& quotaLeft);

// ---------------------------------------------------------------- free starting aircraft

constexpr int kAlliedAircraftPool = 40;
constexpr int kAxisAircraftPool = 50;

// The air bases of a side, in the order the window offers them.
std::vector<int> airBases(int side);
// Types of the base that take free aircraft (the Axis only Italian ones), and the lines of the
// types that already hold aircraft.
struct AircraftLists {
    std::vector<ListedUnit> types;
    QStringList placed;
};
AircraftLists freeAircraftLists(int side, int base);
// Details of an aircraft type of a base: speed, endurance, GI, FA, FD, CD and two card values.
QString aircraftDetails(int side, int base, int record);
// Adds `count` aircraft to type `record` of the base's file; returns the type's new line.
QString confirmFreeAircraft(int side, int base, int record, int count);
// Whether any base of the side could still take a free aircraft (a type offered, room left).
bool canPlaceMoreAircraft(int side);

} // namespace newcampaign
