// The aircraft card (".SNK"): the 30 values of one aircraft type, one value a line, texts quoted
// and numbers bare. Torvcard writes it and opens it again; Torvsetup reads it to build archive
// records.
#pragma once

#include <QString>
#include <array>

namespace aircraftcard {

constexpr int kValues = 30;

// What each value holds; the kind decides how a line is written: a number bare, a text (also one
// that holds a number) in quotes.
enum class Kind { Text, NumberText, Number };

struct ValueSlot {
    int n;
    Kind kind;
    const char* meaning; // as the editor names the value
    bool holdsNumber() const { return kind != Kind::Text; }
};

// The layout of the card, value by value (slot 0 is not used).
extern const std::array<ValueSlot, kValues + 1> kLayout;

// Value numbers the programs reach by name.
enum Value : int {
    Nation = 1,
    Name = 2,
    Maker = 3,
    Type = 4,
    Year = 5,
    Autonomy = 6,
    Judgement = 7,
    Attack = 8,
    Defence = 9,
    Strafing = 10,
    BombLoad = 11,
    Torpedoes = 12,
    Speed = 13,
    Cost = 14,
    Availability = 15,
    CarrierBorne = 16,
    Seaplane = 17,
    Night = 18,
    TorpedoMark = 29,
    BomberMark = 30,
};

// AircraftData: values 1 to 30 as texts (slot 0 unused). The numbers of values 19 to 28 are held
// as their digits.
struct AircraftData {
    std::array<QString, kValues + 1> v;
    QString& operator[](int n) { return v.at(n); }
    const QString& operator[](int n) const { return v.at(n); }
    // Every value set to the whole number 0.
    void zero();
    // The nation code: the first two characters of the nation line.
    QString nationCode() const { return v[Nation].left(2); }
};

// The bytes of a card: 30 lines, CRLF, Windows-1252. A double quote inside a text cannot be kept
// in the quoted form, so it is written as an apostrophe.
QByteArray cardBytes(const AircraftData& data);

// The file name of a card: the name without blanks, the first three characters of the type, the
// year and ".SNK".
QString cardFileName(const QString& nameWithoutBlanks, const QString& type, const QString& year);

// A character that no file name may hold, or the null character when there is none.
QChar forbiddenFileCharacter(const QString& text);

// Writes a card whole (through a temporary file); an existing card of that name is replaced.
// FileError when the path cannot hold a file of that name.
void writeCard(const QString& path, const AircraftData& data);

// Reads the 30 values of a card. A card missing or not as written (cardfile::readCardValues)
// raises FileError naming the file and the line; nothing is returned half-read.
AircraftData readCard(const QString& path);

} // namespace aircraftcard
