// The rules of the ship damage entry, apart from its window: the eleven rows with their record
// fields, what an entry makes of a row's value, when a row shows damage and when the entries may
// be confirmed, and the values written into the ship record.
#pragma once

#include "common/records/RecordFormat.h"

#include <QString>
#include <array>

namespace damageentry {

constexpr int kRows = 11;
constexpr int kAircraftRow = 8;
constexpr int kFiresRow = 9;
constexpr int kSinkingRow = 10;

struct Row {
    const char* caption;
    int defaultField; // 0: the row shows no default
    int currentField; // read and written
    int entryLength;
};
extern const std::array<Row, kRows> kRowFields;

using Values = std::array<long long, kRows>;

// The number an entry stands for: its digits read as a whole number; an empty entry, or one that is
// not all digits (a negative number among them), counts as 0.
long long entryValue(const QString& text);
// A row's value after an entry against the loaded value: rows 0 to 8 lose the entry, down to 0 (a
// value already below 0 stays); the fires grow by it; the sinking flag becomes 1 with an entry of
// 1 and otherwise stays as loaded, so that no entry cancels a sinking.
long long enteredValue(int row, long long loaded, long long entry);
// A row shows damage: rows 0 to 8 when their default is above the value, fires and sinking when
// the value is above 0.
bool showsDamage(int row, long long defaultValue, long long value);
// The entries may be confirmed when they add up to 1 or more.
bool confirmable(const Values& entries);
// The aircraft of a carrier (PA, PL) belong to its flight line and are not entered here.
bool aircraftLocked(const QString& type);

// The ship's line in the list: "GN: " group " -" type "- " name.
QString shipLine(int group, const recordformat::ShipRecord& ship);
// The rows' current values in a ship record.
Values currentValues(const recordformat::ShipRecord& ship);
// The rows' values stored into the ship record: a changed value as its number, an unchanged one
// keeps its field's text.
void storeValues(recordformat::ShipRecord& ship, const Values& loaded, const Values& values);
// Why the values cannot be stored: a changed value outside the range of its field (the fires
// grown past what their field holds), named by its row. Empty when they can.
QString valuesRefusal(const Values& loaded, const Values& values);

} // namespace damageentry
