// Ships written field by field into a side's ship file of the campaign in the state object, and
// read back; the tests of the hourly ship passes build their fleets with them.
#pragma once

#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/RecordFiles.h"

#include <QList>
#include <utility>

namespace shipfiles {

namespace F = recordformat::ship;

// A field's value: a number or a text.
struct Value {
    Value(long long n) : text(QString::number(n)) {}
    Value(const char* t) : text(QString::fromUtf8(t)) {}
    QString text;
};
using Fields = QList<std::pair<int, Value>>;

// Appends a ship in service (status 1) with the given fields; returns its record number.
inline int addShip(int side, Fields fields) {
    Globals& g = G();
    // Opened straight: the tables may already count the ships being written.
    g.Files.openRandom(kChannelShips, shipFilePath(side), ShipRecord::kLength);
    ShipRecord& r = g.ShipRecordBuffer;
    r = ShipRecord();
    r.setText(F::CLASSE, QStringLiteral("Classe"));
    r.setText(F::NOME, QStringLiteral("Nave"));
    r.setText(F::TIPO, QStringLiteral("CT"));
    r.setNumber(F::STATUS, 1);
    for (const auto& [field, value] : fields) r.setText(field, value.text);
    const int n = appendShip(kChannelShips);
    g.Files.close(kChannelShips);
    return n;
}

inline ShipRecord shipAt(int side, int record) {
    Globals& g = G();
    openShipFile(kChannelShips, side);
    readShip(kChannelShips, record);
    g.Files.close(kChannelShips);
    return g.ShipRecordBuffer;
}

inline long long field(int side, int record, int f) {
    return shipAt(side, record).whole(f);
}

} // namespace shipfiles
