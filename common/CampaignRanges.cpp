#include "CampaignRanges.h"

#include "TableColumns.h"
#include "records/RecordFormat.h"

#include <cstdint>

namespace {

using T = CampaignTable;

constexpr long long kMax16 = INT16_MAX;
constexpr long long kMax32 = INT32_MAX;

struct RangeRow {
    T table;
    int first, last; // the columns, fields or items the range holds for
    ValueRange range;
};

// Counts of ships and aircraft are never below none, and never more than a 16-bit cell holds: a
// base holds no more than its capacity, itself a 16-bit set-up value. Everything else a rule of the
// game reads is as wide as its cell, negative values included (sentinels, map points off the map,
// sunk ships' hull points).
constexpr RangeRow kRanges[] = {
    {T::NavalGroup, GnCol::Ships, GnCol::Ships, {0, kMax16}},
    {T::NavalGroup, GnCol::Carriers, GnCol::OtherShips, {0, kMax16}},
    {T::AirGroup, GaCol::Aircraft, GaCol::ShotDown, {0, kMax16}},
    {T::AirGroup, GaCol::InAction, GaCol::InAction, {0, kMax16}},

    {T::Base, BaseCol::AircraftPresent, BaseCol::AircraftPresent, {0, kMax16}},
    {T::Base, BaseCol::AircraftInFlight, BaseCol::AircraftInFlight, {0, kMax16}},
    {T::Base, BaseCol::ShipsPresent, BaseCol::ShipsPresent, {0, kMax16}},

    // The day goes into the contact and activity records' 16-bit day, one more than it; the
    // counts of the hour into the 16-bit counters of the contact board.
    {T::GameState, StateItem::Day, StateItem::Day, {0, kMax16 - 1}},
    {T::GameState, StateItem::Hour, StateItem::Hour, {0, 23}},
    {T::GameState, StateItem::Weather, StateItem::Weather, {0, 3}},
    {T::GameState, StateItem::Activities, StateItem::SunkLastHour, {0, kMax16}},
    {T::GameState, StateItem::StressAlle, StateItem::StressAsse, {0, 1}},
    {T::GameState, StateItem::ShipsLostAlle, StateItem::AircraftLostAsse, {0, kMax32}},
    // The loss total adds the operativity and cargo that lost ships had left, which wear can take
    // below none: it may be anything its cell holds.
    {T::GameState, StateItem::MerchantTonsAlle, StateItem::AirPointsLostAlle, {0, kMax32}},
    {T::GameState, StateItem::MerchantTonsAsse, StateItem::AirPointsLostAsse, {0, kMax32}},
};

} // namespace

std::optional<ValueRange> ownRange(CampaignTable table, int index) {
    if (table == T::Ship || table == T::Aircraft) {
        const recordformat::RecordLayout& layout =
            table == T::Ship ? recordformat::shipLayout() : recordformat::aircraftLayout();
        if (const recordformat::FieldRule* r = recordformat::fieldRule(layout, index)) return r->range;
        return std::nullopt;
    }
    for (const RangeRow& r : kRanges)
        if (r.table == table && index >= r.first && index <= r.last) return r.range;
    return std::nullopt;
}

ValueRange campaignRange(CampaignTable table, int index) {
    if (const std::optional<ValueRange> own = ownRange(table, index)) return *own;
    switch (table) {
    case T::NavalGroup:
    case T::AirGroup:
        return {INT16_MIN, kMax16};
    case T::Base:
    case T::GameState:
        return {INT32_MIN, kMax32};
    case T::Ship:
    case T::Aircraft:
        break;
    }
    return {INT32_MIN, kMax32};
}

QString refusedValueText(const QString& name, ValueRange range) {
    return QStringLiteral("Valore non valido per %1: %2.").arg(name.trimmed(), rangeText(range));
}
