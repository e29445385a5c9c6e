// The text ship card: the class's first 50 values with their print labels, four to a line in
// print zones, several cards to a sheet.
#pragma once

#include "cards/format/ShipCard.h"

#include <QList>
#include <QStringList>

namespace platform {
class Printer;
}

// One piece of a printed line: a text, then (or not) a move to the next print zone.
struct PrintItem {
    QString text;
    bool nextZone = true;
};
using PrintLine = QList<PrintItem>;

// The 50 print labels, element 0 unused ("NomeDataPrint.txt" in the data folder). A missing file,
// or one with fewer than 50 values, raises platform::FileError naming it.
QStringList readShipPrintLabels(const QString& dataFolder);

// The values as a card prints them: every empty value shows "00". The class's record is not
// touched: printing works on this copy.
ShipValues shipValuesForPrint(const ShipValues& values);

// The 16 lines of one printed card.
QList<PrintLine> shipCardPrintLines(const ShipValues& values, const QStringList& labels);

// Where the items of the lines start, in print columns of the printer's font (1 is the left
// edge): one column for the n-th items of all lines, as wide as the widest of them and two
// characters, in whole print zones of 14 characters while the widest line then fits the page.
QList<int> printColumns(platform::Printer& printer, const QList<PrintLine>& lines);
// Prints lines on the printer's current page in those columns (a full page goes on to the next).
void printLines(platform::Printer& printer, const QList<PrintLine>& lines);
