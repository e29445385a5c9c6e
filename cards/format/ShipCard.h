// The ship card (".sns"): the 80 values of one ship class at one data year, one value a line,
// CRLF, texts in double quotes and numbers bare; and the ship-name list ("cp_<class><year>.SNN"),
// one quoted name a line, the class leader first. Torvcard writes both; Torvsetup and the game
// read them through these routines.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

constexpr int kShipCardValues = 80;

// Values 1..80 of a ship class; element 0 is not used. Every value is held as text; the card
// layout says which ones the file writes as bare numbers.
using ShipValues = std::array<QString, kShipCardValues + 1>;

// One line of the ship card layout.
struct ShipCardField {
    bool number; // written bare (a number) rather than quoted
    const char* meaning;
    bool holdsNumber; // a number or nothing, bare or quoted: the programs read it as a number
};

// The card layout, values 1..80 (element 0 is not used).
extern const std::array<ShipCardField, kShipCardValues + 1> kShipCardLayout;

// Element numbers of the card that other programs name.
enum ShipCardItem {
    kCardClass = 1,
    kCardType = 2,
    kCardNation = 3,
    kCardNationCode = 4,
    kCardDataYear = 5,
};

// The bytes of a card file for these values.
QByteArray shipCardBytes(const ShipValues& values);
// Writes a card whole (through a temporary file).
void writeShipCard(const QString& path, const ShipValues& values);
// Reads the 80 values of a card, quotes removed. A card missing or not as written (cardfile::
// readCardValues) raises platform::FileError naming the file and the line; nothing is returned
// half-read.
ShipValues readShipCard(const QString& path);

// "<class><type><year>.sns": class trimmed, the first two letters of the type line, the year in
// digits.
QString shipCardFileName(const QString& className, const QString& typeLine, const QString& dataYear);
// "cp_<class><year>.SNN".
QString shipNameListFileName(const QString& className, const QString& dataYear);

// The names of a ship-name list in file order; FileError when the list is missing.
QStringList readShipNameList(const QString& path);
// Starts a list anew with the class leader's name as its only line.
void startShipNameList(const QString& path, const QString& leader);
// Adds one name at the end of a list (the list is made when missing).
void appendShipName(const QString& path, const QString& name);
