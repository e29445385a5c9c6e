#include "CampaignChecks.h"

#include "DataFolder.h"
#include "NavalGroupValues.h"
#include "RecordFiles.h"

#include <QRegularExpression>
#include <climits>
#include <span>

using platform::FileError;

namespace {
namespace S = recordformat::ship;
namespace A = recordformat::aircraft;

// A number field as the game writes it: blanks, a minus, digits (a decimal part from old cards).
bool isNumberField(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^ *-?[0-9]*(\\.[0-9]*)? *$"));
    return number.match(text).hasMatch();
}

[[noreturn]] void refuseRecord(const QString& path, int record, int field, const QString& text) {
    throw FileError(QStringLiteral("File danneggiato: %1, record %2, campo %3 (\"%4\"). Il gioco non "
                                   "viene modificato.")
                        .arg(path)
                        .arg(record)
                        .arg(field)
                        .arg(text.trimmed()),
                    path);
}

void checkShipRecord(const QString& path, int record, const ShipRecord& ship) {
    if (classGroupOf(ship.text(S::TIPO)) == 0) refuseRecord(path, record, S::TIPO, ship.text(S::TIPO));
    for (int f = S::STAZZA; f <= S::NON_OP; ++f) {
        if (f == S::Cancellato || f == S::CodicePortaerei) continue;
        if (!isNumberField(ship.text(f))) refuseRecord(path, record, f, ship.text(f));
    }
    static const QRegularExpression carrier(QStringLiteral("^(P[0-9]{1,2})?$"));
    if (!carrier.match(ship.trimmed(S::CodicePortaerei)).hasMatch())
        refuseRecord(path, record, S::CodicePortaerei, ship.text(S::CodicePortaerei));
}

void checkAircraftRecord(const QString& path, int record, const AircraftRecord& a) {
    for (int f : {int(A::Autonomia), int(A::Giudizio), int(A::FattoreAttacco), int(A::FattoreDifesa),
                  int(A::FattoreMitragliamento), int(A::Velocita), int(A::Costo), int(A::Pronti),
                  int(A::InVolo), int(A::Persi)})
        if (!isNumberField(a.text(f))) refuseRecord(path, record, f, a.text(f));
}

template <class Record, class Check> void checkRecords(const QString& path, const Check& check) {
    const QByteArray bytes = platform::readWholeFile(path);
    Record r;
    const int length = Record::kLength;
    for (int n = 1; n * length <= bytes.size(); ++n) {
        r.setBytes(bytes.mid((n - 1) * length, length));
        check(path, n, r);
    }
}

struct ItemRange {
    long long low, high;
};

ItemRange stateItemRange(int item) {
    switch (item) {
    case 2:
        return {0, 23};
    case 3:
        return {0, 3};
    case 13:
    case 14:
        return {0, 1};
    case 1:
    case 10:
    case 11:
    case 12:
    case 17:
    case 18:
    case 19:
    case 20:
    case 22:
    case 23:
    case 24:
    case 25:
    case 32:
    case 33:
    case 34:
    case 35:
        return {0, INT32_MAX};
    default:
        return {INT32_MIN, INT32_MAX};
    }
}

[[noreturn]] void refuseNegative(const QString& path, const QString& where, long long value) {
    throw FileError(
        QStringLiteral("File danneggiato: %1, %2: numero negativo (%3).").arg(path, where).arg(value), path);
}
} // namespace

void checkRecordFileLength(const QString& path, int recordLength) {
    checkRecordFileLength(path, recordLength, platform::fileLength(path));
}

void checkRecordFileLength(const QString& path, int recordLength, qint64 length) {
    if (length > 0 && length % recordLength != 0)
        throw FileError(QStringLiteral("File danneggiato: %1 è lungo %2 byte, non un numero intero di record "
                                       "da %3. Il gioco non viene modificato.")
                            .arg(path)
                            .arg(length)
                            .arg(recordLength),
                        path);
}

bool sideNamesShips(int side) {
    const Globals& g = G();
    const GroupTable& groups = side == kAxis ? g.GnTableAsse : g.GnTableAlle;
    for (int n = 1; n <= kGroups; ++n)
        if (groups[n][1] > 0 && groups[n][4] > 0) return true;
    const int first = side == kAxis ? 1 : 12, last = side == kAxis ? 11 : kBases;
    for (int b = first; b <= last; ++b)
        if (g.BaseTable[b][10] > 0) return true;
    return false;
}

void checkShipFile(int side) {
    const QString path = shipFilePath(side);
    if (platform::fileLength(path) <= 0) {
        if (sideNamesShips(side))
            throw FileError(
                QStringLiteral("File delle navi mancante o vuoto: %1, mentre gruppi navali o porti "
                               "contano navi. Il gioco non viene modificato.")
                    .arg(path),
                path);
        return;
    }
    checkRecordFileLength(path, ShipRecord::kLength);
    checkRecords<ShipRecord>(path, checkShipRecord);
}

void checkAircraftFile(const QString& path) {
    if (!platform::fileExists(path)) return;
    checkRecordFileLength(path, AircraftRecord::kLength);
    checkRecords<AircraftRecord>(path, checkAircraftRecord);
}

void checkCampaignRecordFiles() {
    checkShipFile(kAllies);
    checkShipFile(kAxis);
    for (int b = 1; b <= kBases; ++b)
        if (!G().BaseNames[b].isEmpty()) checkAircraftFile(baseAircraftFilePath(b));
    for (int n = 1; n <= 12; ++n) checkAircraftFile(carrierAircraftFilePath(carrierCode(n)));
}

void checkGameStateItems(const QString (&items)[kStateItems + 1], const QString& path) {
    static const QRegularExpression whole(QStringLiteral("^-?[0-9]{1,11}$"));
    for (int i = 1; i <= kStateItems; ++i) {
        const QString text = items[i].trimmed();
        const ItemRange range = stateItemRange(i);
        bool ok = whole.match(text).hasMatch();
        const long long v = ok ? text.toLongLong(&ok) : 0;
        if (!ok || v < range.low || v > range.high)
            throw FileError(
                QStringLiteral("File danneggiato: %1, voce %2: \"%3\" non è un numero intero da %4 a "
                               "%5. Il gioco non viene modificato.")
                    .arg(path)
                    .arg(i)
                    .arg(items[i])
                    .arg(range.low)
                    .arg(range.high),
                path);
    }
}

void checkGroupCounts(const GroupTable& table, bool naval, const QString& path) {
    static const int navalCounts[] = {4, 35, 36, 37, 38, 39, 40};
    static const int airCounts[] = {4, 5, 6, 41};
    for (int n = 1; n <= kGroups; ++n) {
        if (table[n][1] <= 0) continue;
        for (int c : naval ? std::span<const int>(navalCounts) : std::span<const int>(airCounts))
            if (table[n][c] < 0)
                refuseNegative(path, QStringLiteral("gruppo %1, colonna %2").arg(n).arg(c), int(table[n][c]));
    }
}

void checkBaseCounts(const Int32 (&bases)[kBases + 1][kBaseFields + 1], const QString& path) {
    for (int b = 1; b <= kBases; ++b)
        for (int f : {4, 6, 10})
            if (bases[b][f] < 0)
                refuseNegative(path, QStringLiteral("base %1, campo %2").arg(b).arg(f), int(bases[b][f]));
}
