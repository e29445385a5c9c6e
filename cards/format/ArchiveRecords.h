// The archive record of a ship or aircraft card: the values every ship or aircraft of the card
// shares, in the record the side archives and the campaign files hold. Torvsetup builds the
// records it inserts from it; Torvcard checks with it that a card it saves can go into a campaign.
#pragma once

#include "cards/format/AircraftCard.h"
#include "cards/format/ShipCard.h"
#include "common/records/RecordFormat.h"

#include <QString>

// The archive record of a card. A number that cannot be stored so that its field reads the same
// number is refused with platform::RangeError naming the card value and the field.
recordformat::ShipRecord BuildShipArchiveRecord(const ShipValues& card);
recordformat::AircraftRecord BuildAircraftArchiveRecord(const aircraftcard::AircraftData& card);

// Why a card's record could not be held by a campaign, for a message: the card value, the
// record's field and its range (`stazza standard (valore 7 della scheda), campo 5 STAZZA
// ("70000"): deve essere tra 0 e 65000`); empty when it could.
QString shipCardRefusal(const ShipValues& card);
QString aircraftCardRefusal(const aircraftcard::AircraftData& card);

// The card value a number field of the archive record is taken from (0: none, or made from
// several, as AAC is from the anti-aircraft values 42, 45 and 48).
int cardValueOfShipField(int field);
int cardValueOfAircraftField(int field);

// The archive record of a card that a campaign can hold; otherwise platform::RangeError with the
// refusal: "La scheda non può entrare in un gioco: <refusal>."
recordformat::ShipRecord checkedShipArchiveRecord(const ShipValues& card);
recordformat::AircraftRecord checkedAircraftArchiveRecord(const aircraftcard::AircraftData& card);
