// The unit card over the map: one ship or one aircraft type on two rows of values, each under a
// header line, with the unit's picture at the top.
#pragma once

#include "common/records/RecordFormat.h"

#include <QString>
#include <array>

constexpr int kCardCells = 17;
// A cell whose colour the card leaves as it is.
constexpr long kKeepColour = -1;

struct CardCell {
    QString text;
    long colour = kKeepColour;
};

// What a card shows before its unit is read: the two header lines and the placeholder picture of
// its picture folder.
struct CardFrame {
    QString header1;
    QString header2;
    QString placeholder;
};
CardFrame shipCardFrame();
CardFrame aircraftCardFrame();

struct UnitCard {
    QString caption;
    std::array<CardCell, kCardCells> cells;
    // The unit's own picture (a path in the data folder).
    QString picture;
};

UnitCard shipCard(const recordformat::ShipRecord& ship);
UnitCard aircraftCard(const recordformat::AircraftRecord& aircraft);
