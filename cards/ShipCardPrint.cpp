#include "ShipCardPrint.h"

#include "cards/ShipTables.h"

#include "platform/Files.h"
#include "platform/Numbers.h"
#include "platform/Printing.h"

#include <cmath>

QStringList readShipPrintLabels(const QString& dataFolder) {
    platform::TextReader r(dataFolder + QStringLiteral("NomeDataPrint.txt"));
    QStringList labels{QString()};
    for (int k = 1; k <= 50; ++k) labels << r.readText();
    return labels;
}

ShipValues shipValuesForPrint(const ShipValues& values) {
    ShipValues v = values;
    for (int i = 1; i <= kShipCardValues; ++i)
        if (v[i].isEmpty()) v[i] = QStringLiteral("00");
    return v;
}

QList<PrintLine> shipCardPrintLines(const ShipValues& values, const QStringList& labels) {
    auto group = [&](int k) { return PrintItem{labels.value(k) + QStringLiteral("  ") + values[k], true}; };
    QList<PrintLine> lines;
    lines << PrintLine{};
    for (int k = 1; k <= 45; k += 4) lines << PrintLine{group(k), group(k + 1), group(k + 2), group(k + 3)};
    const double aa = textValue(values[42]) + textValue(values[45]) + textValue(values[48]);
    lines << PrintLine{
        group(49), group(50), {QStringLiteral("VAL CAA: ") + platform::numberTextWithSign(aa), false}};
    lines << PrintLine{{QString(46, u'_'), false}};
    lines << PrintLine{};
    return lines;
}

QList<int> printColumns(platform::Printer& printer, const QList<PrintLine>& lines) {
    constexpr int kZoneChars = 14;
    const double digit = printer.textWidth(QStringLiteral("0"));
    // The room each column needs, in characters: its widest item and two characters of air, more
    // than the two blanks between a label and its value, so that columns read apart.
    const double air = 2 * digit;
    QList<int> need;
    for (const PrintLine& line : lines)
        for (int i = 0; i < line.size(); ++i) {
            if (!line[i].nextZone) continue;
            if (need.size() <= i) need.resize(i + 1, 0);
            need[i] = std::max(need[i], int(std::ceil((printer.textWidth(line[i].text) + air) / digit)));
        }
    auto starts = [&](bool zones) {
        QList<int> out{1};
        for (int chars : need)
            out << out.last() + (zones ? (chars + kZoneChars - 1) / kZoneChars * kZoneChars : chars);
        return out;
    };
    // Whole print zones while the widest line fits the page; else each column just as wide as it
    // needs.
    const QList<int> zoned = starts(true);
    double widest = 0;
    for (const PrintLine& line : lines)
        for (int i = 0; i < line.size(); ++i)
            widest = std::max(widest,
                              (zoned.value(i, zoned.last()) - 1) * digit + printer.textWidth(line[i].text));
    return widest <= printer.pageWidth() ? zoned : starts(false);
}

void printLines(platform::Printer& printer, const QList<PrintLine>& lines) {
    const QList<int> columns = printColumns(printer, lines);
    for (const PrintLine& line : lines) {
        for (int i = 0; i < line.size(); ++i) {
            printer.printText(line[i].text);
            if (line[i].nextZone) printer.tab(columns.value(i + 1));
        }
        printer.newLine();
    }
}
