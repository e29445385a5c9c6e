// The values a campaign can hold in each number field of the ship and aircraft records, in one
// table shared by the three programs: the game's opening refuses a record file holding a value
// outside its field's range, Torvcard does not save a card that would give one, Torvsetup does not
// put one into a side archive and the new-campaign wizard does not copy one from an archive made
// before. The ranges are wide: a value is refused only when it cannot mean anything to the game.
#pragma once

#include "common/records/RecordFormat.h"

#include <QString>
#include <span>

namespace recordformat {

struct ValueRange {
    long long low;
    long long high;
    bool holds(long long v) const { return v >= low && v <= high; }
};

// One number field of a record: its number, its name as the record layout names it and the
// values a campaign can hold in it.
struct FieldRule {
    int field;
    const char* name;
    ValueRange range;
};

// Every number field of the record, in field order; the text fields (names, codes, marks) have
// none.
std::span<const FieldRule> shipFieldRules();
std::span<const FieldRule> aircraftFieldRules();
// The rule of a field of the layout; null for a text field.
const FieldRule* fieldRule(const RecordLayout& layout, int field);
// The name of a field ("STAZZA"), or its number for a field without a name ("campo 41").
QString fieldName(const RecordLayout& layout, int field);

// "deve essere tra 0 e 50"
QString rangeText(ValueRange range);

// What is wrong with a record's field, for a message: the field (0 when nothing is) and why, in
// the game's words ("deve essere tra 0 e 50").
struct FieldRefusal {
    int field = 0;
    QString reason;
};
// A ship record no ship can be: an unknown type code, a number field that is not a number or lies
// outside its range, a carrier code that is not "P" and a number.
FieldRefusal shipRecordRefusal(const ShipRecord& ship);
// An aircraft line no line can be: a number field that is not a number or lies outside its range.
FieldRefusal aircraftRecordRefusal(const AircraftRecord& line);
// The refusal's words: `campo 5 STAZZA ("70000"): deve essere tra 0 e 65000`, the value as the
// field holds it, trimmed.
QString refusalText(const TextRecord& record, const FieldRefusal& why);
// The same words for a value bound for a field of the layout.
QString refusalText(const RecordLayout& layout, int field, const QString& value, const QString& reason);
// Why a text bound for a number field could not stand there: not a number, or a number outside
// the field's range (a blank reads 0); empty when it could, or when the field holds no number.
QString valueRefusal(const RecordLayout& layout, int field, const QString& text);

// A text cut to a readable length for a message: at most `most` characters, the cut marked with
// "...", control characters shown as "?".
QString readableValue(const QString& text, int most = 24);

} // namespace recordformat
