// The values a campaign can hold, in one table: the columns of the group tables, the fields of the
// base table, the items of the game state and, from the table the three programs share
// (common/records/RecordRanges.h), the numeric fields of the ship and aircraft records.
// The opening refuses a file holding a value outside its range, and every window that writes one
// of these values refuses it where it is typed, so that nothing typed can stop the next opening.
// The ranges are wide: a value is refused only when it cannot mean anything to the game.
#pragma once

#include "common/records/RecordRanges.h"

#include <QString>
#include <optional>

using recordformat::rangeText;
using recordformat::ValueRange;

enum class CampaignTable {
    NavalGroup, // GnTableAlle, GnTableAsse: column 1..50
    AirGroup,   // GaTableAlle, GaTableAsse: column 1..50
    Base,       // BaseTable: field 1..30
    GameState,  // GameState: item 1..40
    Ship,       // ShipRecord: field 1..47 (its numeric fields)
    Aircraft,   // AircraftRecord: field 1..30 (its numeric fields)
};

// The range of a column, field or item, numbered as the game numbers them. A value with no rule
// of its own may be anything its cell holds: 16 bits for a group column, 32 for a base field or
// a game-state item, the digits of its width for a record field.
ValueRange campaignRange(CampaignTable table, int index);
// The rule of the table alone: nothing for a value that may be anything its cell holds.
std::optional<ValueRange> ownRange(CampaignTable table, int index);

// The message of a window refusing a typed value: "Valore non valido per NUM.NAVI: deve essere
// tra 0 e 32767."
QString refusedValueText(const QString& name, ValueRange range);
