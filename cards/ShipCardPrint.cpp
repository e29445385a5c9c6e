#include "ShipCardPrint.h"

#include "cards/ShipTables.h"

#include "platform/Files.h"
#include "platform/Numbers.h"
#include "platform/Printing.h"

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

void printLines(platform::Printer& printer, const QList<PrintLine>& lines) {
    for (const PrintLine& line : lines) {
        for (const PrintItem& item : line) {
            printer.printText(item.text);
            if (item.nextZone) printer.nextZone();
        }
        printer.newLine();
    }
}
