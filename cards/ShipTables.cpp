#include "ShipTables.h"

#include "platform/Files.h"

using platform::TextReader;

double textValue(const QString& text) {
    QString t = text;
    t.remove(u' ');
    t.remove(u'\t');
    return platform::leadingNumber(t);
}

namespace {
template <class Cell, class Read>
void readRows(const QString& path, Cell (&table)[kShipTypes + 1], Read read) {
    TextReader r(path);
    for (int i = 1; i <= kShipTypes; ++i) table[i] = read(r.readText());
}

float single(const QString& item) {
    return static_cast<float>(textValue(item));
}
platform::Int16 whole(const QString& item) {
    return platform::roundHalfEven(textValue(item));
}
} // namespace

ShipRatingTables loadShipRatingTables(const QString& dataFolder) {
    ShipRatingTables t;
    readRows(dataFolder + "Indicenavi.txt", t.Indicenavi, [](const QString& s) { return single(s.left(3)); });
    readRows(dataFolder + "ResBaseX.txt", t.ResBaseX, single);
    readRows(dataFolder + "CostoBase.txt", t.CostoBase, single);
    readRows(dataFolder + "CorGenBase.txt", t.CorGenBase, whole);
    readRows(dataFolder + "OperativitaBase.txt", t.OperativitaBase, single);
    readRows(dataFolder + "IndiceDT.txt", t.IndiceDT, whole);
    TextReader r(dataFolder + "annivarocheck.txt");
    for (int k = 1; k <= kYearBrackets; ++k) {
        const QString row = r.readText();
        t.BracketFactor[k] = single(row.left(3));
        t.BracketYear[k] = single(row.right(4));
    }
    return t;
}

QStringList readPickList(const QString& path) {
    TextReader r(path);
    QStringList items;
    while (!r.atEnd()) items << r.readText();
    return items;
}

bool isDualPurpose(const QString& calibreItem) {
    return calibreItem.endsWith(QStringLiteral("ds"));
}
