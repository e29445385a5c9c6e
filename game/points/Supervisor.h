// Rules of the supervisor's editors and views: the lines of their lists, the fields of the ship
// view and what its boxes may hold, the status icons of a ship, a ship or group value written
// back, and the groups around a contact of the hour. The windows read their controls and call
// these; tests reach them without a window.
#pragma once

#include "common/ContactRecord.h"
#include "common/records/RecordFormat.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace supervisor {

using recordformat::ShipRecord;

// The channels of the supervisor's files: the side ship file, the contact file.
constexpr int kChannelSupervisorShips = 9;
constexpr int kChannelSupervisorContacts = 13;

// The two flags ("\Ico\...") the side buttons show: Britain and America for the Allies, Italy
// and Germany for the Axis.
std::array<QString, 2> sideFlags(int side);

// ---------------------------------------------------------------- naval groups and ships

constexpr int kShipLabels = 40;
constexpr int kStatusPlaces = 5;
// The ship record field that value label k of the ship view shows; the last ten labels do not
// follow the record's order.
extern const std::array<int, kShipLabels> kShipViewField;

// The line of a naval group in the group list: "GN 7 -Nv 12".
QString groupLine(int gn, int ships);
// The lines of a ship in the ship list after a group choice, a port choice and "all ships".
QString shipLineOfGroup(int gn, const ShipRecord& ship);
QString shipLineOfPort(const QString& baseName, const ShipRecord& ship);
QString shipLine(const ShipRecord& ship);
// The Allies look only into their ports (12..15), the Axis only into theirs (1..11).
bool portOfSide(int side, int base);
// The icon files ("\Ico\...") of the five status places of a ship: location, activity, fires
// and damage, repairs, lost; empty where a place shows none.
std::array<QString, kStatusPlaces> statusIcons(const ShipRecord& ship);

// The key filter of the numeric boxes: a key that is neither a digit nor a control key (backspace,
// tab) is dropped (set to 0).
void digitKey(int& keyAscii);
// The digits of a text, the other characters dropped.
QString digitsOf(const QString& text);

// What an entry box of the ship view may hold: its text as the box takes it (digits only for a
// numeric field, never longer than the field), so that a pasted text is held to the same rule as
// typed keys.
QString boxText(const QString& typed, int field, bool digits);
// The floors of a ship written back, applied to the value labels' texts: current operativity at
// least 1, current knots at least 4, current hull points at least 0.
using ShipLabels = std::array<QString, kShipLabels>;
void applyShipFloors(ShipLabels& labels);
// The ship as written back: the labels of the editable fields (trimmed) stored into their fields
// of the ship shown; every other field stays as it was read.
ShipRecord shipFromLabels(const ShipRecord& shown, const ShipLabels& labels);
// The value labels an entry box feeds.
extern const std::array<int, 21> kEditableLabels;
// Writes the ship as record `record` of the side's ship file (on the supervisor's channel), then
// recomputes the naval group it belongs to and saves the group tables.
void writeShipBack(int side, int record, const ShipRecord& ship);

// A naval-group value typed by the supervisor: a whole number (a decimal one goes to the nearest,
// halves to the even one) from -32768 to 32767; nothing for any other text.
std::optional<int> groupValue(const QString& text);
// Why a value typed for column `column` (named `name` in the window) of naval group `group` of
// `side` cannot be stored: the opening would refuse the campaign with it, for the column's range
// or for a ship file that would no longer agree with the tables (a group no longer in use with
// ships in it, more ships counted than the file holds). Empty when it can; the table is left as
// it was either way. `value` is the number typed (nothing when the text is not a whole number).
QString groupValueRefusal(int side, int group, int column, std::optional<int> value, const QString& name);
// Why the ship cannot be written back as record `record` of the side's ship file: a field the
// opening would refuse (named by `nameOf`), or a ship file that would no longer agree with the
// tables. Empty when it can.
QString shipWriteRefusal(int side, int record, const ShipRecord& ship,
                         const std::function<QString(int field)>& nameOf);

// ---------------------------------------------------------------- air groups

// The line of an air group in its side's list: "GAn 3_9 CPT_AEREO 3".
QString airGroupLine(int ga, int aircraft, const QString& role, const QString& typeName);
// An air-group value typed (digits only): a whole number up to 32767; nothing for an empty text
// or a larger number.
std::optional<int> airGroupValue(const QString& text);
// Why a value typed for air-group column `column` (named `name`) cannot be stored: outside the
// column's range. Empty when it can.
QString airGroupValueRefusal(int column, std::optional<int> value, const QString& name);

// ---------------------------------------------------------------- contacts of the hour

// The line of a contact in the hour's list, from the side that saw the other; empty for a record
// in which neither side saw the other or whose seen group has no ship.
QString contactLine(const ContactRecord& c);

// The groups around a contact: the attacked group A (the group seen) and the attacker B.
struct ContactSurroundings {
    QString sideA, sideB;       // "ALLE" / "ASSE"
    QString pointA, pointB;     // "x/y"
    QStringList friendlyCap;    // air groups of A's side over A's neighbours
    QStringList friendlyGroups; // A's side's groups within 200 map units of A
    QStringList attackingGroup; // B, when the contact is one of naval groups
    QStringList attackerCap;    // air groups of B's side over B's neighbours
    QStringList attackerGroups; // B's side's groups within 200 map units of A
    QStringList attackingAir;   // B as an air group, for a contact of aircraft or bases
};
// From the contact record and the group tables; nothing when neither side saw the other.
ContactSurroundings contactSurroundings(const ContactRecord& c);

} // namespace supervisor
