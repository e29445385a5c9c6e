// The one reading of the card files, ship and aircraft alike: one value a line, a text in double
// quotes or a bare number, as Torvcard writes them. A card that is not as written (a quote left
// open, two values on one line, letters where a number stands, a line missing or one too many) is
// refused whole, naming the file and the line: a value is never read from another value's line.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace cardfile {

// What one line of a card must hold.
struct LineRule {
    bool number;     // a number, or nothing: the programs read the value as a number
    QString meaning; // what the line holds, as the refusal names it
};

// The values of the card's `lines` lines in order, quotes removed. platform::FileError
// "Scheda <kind> non leggibile: <file>, riga <n> (<meaning>): <why>." when the card is missing or
// not as written.
QStringList readCardValues(const QString& path, const QString& kind, int lines,
                           const std::function<LineRule(int)>& rule);

} // namespace cardfile
