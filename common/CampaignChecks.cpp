#include "CampaignChecks.h"

#include "BaseTable.h"
#include "CampaignRanges.h"
#include "DataFolder.h"
#include "GroupTables.h"
#include "NavalGroupValues.h"
#include "RecordFiles.h"

#include <array>
#include <climits>
#include <cstring>
#include <functional>
#include <map>

using platform::FileError;

namespace {
namespace S = recordformat::ship;
namespace A = recordformat::aircraft;

const QString kUnchanged = QStringLiteral(" Il gioco non viene modificato.");

[[noreturn]] void refuseRecord(const QString& path, int record, const recordformat::TextRecord& r,
                               const FieldRefusal& why) {
    throw FileError(QStringLiteral("File danneggiato: %1, record %2, %3.")
                            .arg(path)
                            .arg(record)
                            .arg(recordformat::refusalText(r, why)) +
                        kUnchanged,
                    path);
}

// Visits every record of a record file, read whole at once; the file's length has been checked.
// The bytes of each ship file, by path, as tallyShipFile last found every record of it whole.
std::map<QString, QByteArray>& shipFilesFoundWhole() {
    static std::map<QString, QByteArray> files;
    return files;
}

template <class Record, class Visit> void eachRecord(const QString& path, const Visit& visit) {
    const QByteArray bytes = platform::readWholeFile(path);
    Record r;
    const int length = Record::kLength;
    for (int n = 1; n * length <= bytes.size(); ++n) {
        r.setBytes(bytes.mid((n - 1) * length, length));
        visit(n, r);
    }
}

// A path built with the game's "\\" inside a folder of this system's "/", as a message shows it when
// it is not the file the message is about.
QString shownPath(const QString& path) {
    return path.contains(u'/') ? QString(path).replace(u'\\', u'/') : path;
}

// The aircraft of the lines of a file: ready, and in flight.
struct AircraftHeld {
    long long ready = 0, inFlight = 0;
};

// The aircraft lines of a file that is there, each checked; the aircraft of all its lines.
AircraftHeld scanAircraftFile(const QString& path, qint64 length) {
    checkRecordFileLength(path, AircraftRecord::kLength, length);
    AircraftHeld held;
    eachRecord<AircraftRecord>(path, [&](int n, const AircraftRecord& a) {
        const FieldRefusal why = aircraftRecordRefusal(a);
        if (why.field != 0) refuseRecord(path, n, a, why);
        held.ready += a.whole(A::Pronti);
        held.inFlight += a.whole(A::InVolo);
    });
    return held;
}

// How a table or a record counts the aircraft of an aircraft file.
struct AircraftCount {
    long long counted = 0;
    bool withInFlight = false; // those in flight are counted too
    bool atMost = false;       // the file may hold fewer than counted
    QString counter;           // who counts them ("la tabella delle basi")
    QString where;             // where they are ("presenti a MALTA HQ")
};

// Why an aircraft file disagrees with its count, as a clause of a message (empty when it agrees):
// missing or empty while aircraft are counted, or holding other aircraft than counted. Its lines
// are checked on the way.
QString aircraftFileDisagreement(const QString& path, const AircraftCount& c) {
    const qint64 length = platform::fileLength(path);
    if (length <= 0) {
        if (c.counted <= 0) return {};
        return QStringLiteral("%1 è mancante o vuoto, mentre %2 conta %3 aerei %4")
            .arg(path, c.counter, QString::number(c.counted), c.where);
    }
    const AircraftHeld held = scanAircraftFile(path, length);
    const long long aircraft = held.ready + (c.withInFlight ? held.inFlight : 0);
    if (aircraft == c.counted || (c.atMost && aircraft < c.counted)) return {};
    return QStringLiteral("%1 contiene %2 aerei %3, mentre %4 ne conta %5 %6")
        .arg(path, QString::number(aircraft),
             c.withInFlight ? QStringLiteral("pronti o in volo") : QStringLiteral("pronti"), c.counter,
             QString::number(c.counted), c.where);
}

// A base's aircraft file holds as many ready aircraft as its base counts present.
void checkBaseAircraftFile(int base) {
    const QString path = baseAircraftFilePath(base);
    const AircraftCount count{G().BaseTable[base][BaseCol::AircraftPresent], false, false,
                              QStringLiteral("la tabella delle basi"),
                              QStringLiteral("presenti a %1").arg(G().BaseNames[base])};
    if (const QString why = aircraftFileDisagreement(path, count); !why.isEmpty())
        throw FileError(QStringLiteral("File degli aerei non coerente con la tabella delle basi: ") + why +
                            u'.' + kUnchanged,
                        path);
}

[[noreturn]] void refuseCell(const QString& path, const QString& where, long long value, ValueRange range) {
    throw FileError(QStringLiteral("File danneggiato: %1, %2 (%3): %4.")
                            .arg(path, where)
                            .arg(value)
                            .arg(rangeText(range)) +
                        kUnchanged,
                    path);
}

// A value that a saver was about to write and that the next opening would refuse: the campaign
// has reached the end of a range. Nothing is written; the step's transaction undoes what it did.
[[noreturn]] void refuseWriting(const QString& path, const QString& where, const QString& value,
                                const QString& reason) {
    throw FileError(
        QStringLiteral("Limite della campagna raggiunto: %1, %2 (%3): %4").arg(path, where, value, reason),
        path);
}

[[noreturn]] void refuseRecordWriting(const QString& path, int record, const recordformat::TextRecord& r,
                                      const FieldRefusal& why) {
    throw FileError(QStringLiteral("Limite della campagna raggiunto: %1, record %2, %3")
                        .arg(path, QString::number(record), recordformat::refusalText(r, why)),
                    path);
}

// A game-state item as the opening reads it: a minus, then 1 to 11 digits.
bool wholeItem(const QString& text, long long& value) {
    const qsizetype digits = text.size() - (text.startsWith(u'-') ? 1 : 0);
    if (digits < 1 || digits > 11) return false;
    for (qsizetype i = text.size() - digits; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9') return false;
    bool ok = false;
    value = text.toLongLong(&ok);
    return ok;
}

// The ranges of the group columns of a group in use, looked up once: the savers check every cell.
const ValueRange& groupColumnRange(bool naval, int column) {
    static const auto ranges = [] {
        std::array<std::array<ValueRange, kGroupColumns + 1>, 2> r{};
        for (int c = 1; c <= kGroupColumns; ++c) {
            r[0][c] = campaignRange(CampaignTable::AirGroup, c);
            r[1][c] = campaignRange(CampaignTable::NavalGroup, c);
        }
        return r;
    }();
    return ranges[naval ? 1 : 0][column];
}

// The ranges of the base fields, looked up once.
const ValueRange& baseFieldRange(int field) {
    static const auto ranges = [] {
        std::array<ValueRange, kBaseFields + 1> r{};
        for (int f = 1; f <= kBaseFields; ++f) r[f] = campaignRange(CampaignTable::Base, f);
        return r;
    }();
    return ranges[field];
}

// How a check refuses a cell: the place ("riga ..."), the value and the range it is not in.
using CellRefusal = std::function<void(const QString& where, long long value, const ValueRange& range)>;

// Every column of a group in use in its range, and every other cell in 16 bits.
template <class Cell>
void checkGroupCells(const Cell (&table)[kGroups + 1][kGroupColumns + 1], bool naval,
                     const CellRefusal& refuse) {
    for (int n = 1; n <= kGroups; ++n) {
        const bool inUse = table[n][GnCol::InUse] > 0;
        for (int c = 1; c <= kGroupColumns; ++c) {
            const ValueRange range = inUse ? groupColumnRange(naval, c) : ValueRange{INT16_MIN, INT16_MAX};
            if (!range.holds(table[n][c]))
                refuse(QStringLiteral("riga %1, gruppo %2, colonna %3")
                           .arg((n - 1) * kGroupColumns + c)
                           .arg(n)
                           .arg(c),
                       table[n][c], range);
        }
    }
}

template <class Cell>
void checkBaseCells(const Cell (&bases)[kBases + 1][kBaseFields + 1], const CellRefusal& refuse) {
    for (int b = 1; b <= kBases; ++b)
        for (int f = 1; f <= kBaseFields; ++f) {
            const ValueRange& range = baseFieldRange(f);
            if (!range.holds(bases[b][f]))
                refuse(
                    QStringLiteral("riga %1, base %2, campo %3").arg((b - 1) * kBaseFields + f).arg(b).arg(f),
                    bases[b][f], range);
        }
}

QString stateItemPlace(int item) {
    return QStringLiteral("riga %1, voce %1").arg(item);
}

} // namespace

void checkRecordFileLength(const QString& path, int recordLength) {
    checkRecordFileLength(path, recordLength, platform::fileLength(path));
}

void checkRecordFileLength(const QString& path, int recordLength, qint64 length) {
    if (length > 0 && length % recordLength != 0)
        throw FileError(QStringLiteral("File danneggiato: %1 è lungo %2 byte, non un numero intero di record "
                                       "da %3.")
                                .arg(path)
                                .arg(length)
                                .arg(recordLength) +
                            kUnchanged,
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

bool sidePort(int side, int base) {
    const bool port = hasPort(base);
    if (side == kAllies) return base >= 12 && base <= kBases && port;
    if (side == kAxis) return base >= 1 && base <= 11 && port;
    return false;
}

bool formingInPort(int side, int group) {
    if (group < 1 || group > kGroups) return false;
    const Int16* row = G().gnTable(side)[group];
    return row[GnCol::InUse] <= 0 && row[GnCol::Ships] == 0 && sidePort(side, row[GnCol::Port]);
}

ShipFileTally tallyShipFile(int side, int record, const ShipRecord* replacement) {
    ShipFileTally t;
    const QString path = shipFilePath(side);
    const qint64 length = platform::fileLength(path);
    if (length <= 0) {
        if (sideNamesShips(side))
            throw FileError(
                QStringLiteral("File delle navi mancante o vuoto: %1, mentre gruppi navali o porti "
                               "contano navi.")
                        .arg(path) +
                    kUnchanged,
                path);
        return t;
    }
    checkRecordFileLength(path, ShipRecord::kLength, length);
    const GroupTable& groups = G().gnTable(side);
    // A record of the same bytes as when the file was last found whole needs no check again: the
    // hour checks the file at its start, and most ships are as the last hour left them.
    QByteArray& checked = shipFilesFoundWhole()[path];
    const QByteArray bytes = platform::readWholeFile(path);
    const int recordLength = ShipRecord::kLength;
    ShipRecord read;
    for (int n = 1; n * recordLength <= bytes.size(); ++n) {
        const qsizetype at = qsizetype(n - 1) * recordLength;
        read.setBytes(bytes.mid(at, recordLength));
        const ShipRecord& s = n == record && replacement ? *replacement : read;
        const bool unchanged =
            &s == &read && at + recordLength <= checked.size() &&
            std::memcmp(checked.constData() + at, bytes.constData() + at, recordLength) == 0;
        if (!unchanged) {
            const FieldRefusal why = shipRecordRefusal(s);
            if (why.field != 0) refuseRecord(path, n, s, why);
        }
        // A carrier's code names its aircraft file; only carriers are given one.
        if (side == kAllies && !s.isDeleted() && !s.stored(S::CodicePortaerei).trimmed().isEmpty() &&
            isCarrierType(s.text(S::TIPO)))
            t.carriers.push_back({n, s.trimmed(S::CodicePortaerei), s.trimmed(S::NOME), s.whole(S::AEREIM)});
        const int group = int(s.whole(S::NUMERO_GN));
        if (group >= 1 || s.whole(S::PORTO) >= 1) ++t.placed;
        const long long status = s.whole(S::STATUS);
        if (group < 1 || s.isDeleted() || (status != 1 && status != 2) || groups[group][GnCol::InUse] > 0)
            continue;
        if (formingInPort(side, group)) {
            ++t.forming;
        } else if (t.strayRecord == 0) {
            t.strayRecord = n;
            t.strayGroup = group;
        }
    }
    if (!replacement) checked = bytes;
    return t;
}

long long shipsCounted(int side) {
    Globals& g = G();
    const GroupTable& groups = g.gnTable(side);
    long long counted = 0;
    for (int n = 1; n <= kGroups; ++n)
        if (groups[n][GnCol::InUse] > 0) counted += groups[n][GnCol::Ships];
    for (int b = 1; b <= kBases; ++b)
        if ((b >= 12) == (side == kAllies)) counted += g.BaseTable[b][BaseCol::ShipsPresent];
    return counted;
}

namespace {
// Why the side's ship file and its group and base tables disagree (empty when they agree).
QString shipTablesDisagreement(int side, const ShipFileTally& tally) {
    const QString path = shipFilePath(side);
    if (tally.strayRecord != 0)
        return QStringLiteral(
                   "il record %1 di %2 mette una nave in servizio nel gruppo navale %3, che non è in "
                   "uso né in formazione in un porto")
            .arg(tally.strayRecord)
            .arg(path)
            .arg(tally.strayGroup);
    const long long counted = shipsCounted(side);
    if (tally.placed < counted)
        return QStringLiteral("%1 contiene %2 navi in gruppi navali o in porto, mentre le tabelle dei gruppi "
                              "navali e delle basi ne contano %3")
            .arg(path)
            .arg(tally.placed)
            .arg(counted);
    return {};
}
} // namespace

QString shipFileDisagreement(int side, const ShipFileTally& tally) {
    if (QString why = shipTablesDisagreement(side, tally); !why.isEmpty()) return why;
    for (const CarrierOnBoard& carrier : tally.carriers)
        if (QString why = carrierAircraftDisagreement(carrier); !why.isEmpty()) return why;
    return {};
}

QString carrierAircraftDisagreement(const CarrierOnBoard& carrier) {
    const AircraftCount count{
        carrier.onBoard, true, true,
        QStringLiteral("il record %1 di %2").arg(carrier.record).arg(shownPath(shipFilePath(kAllies))),
        QStringLiteral("a bordo della portaerei %1").arg(carrier.name)};
    return aircraftFileDisagreement(carrierAircraftFilePath(carrier.code), count);
}

void checkShipFile(int side) {
    tallyShipFile(side);
}

void checkAircraftFile(const QString& path) {
    const qint64 length = platform::fileLength(path);
    if (length > 0) scanAircraftFile(path, length);
}

void checkCampaignRecordFiles() {
    checkShipFile(kAllies);
    checkShipFile(kAxis);
    for (int b = 1; b <= kBases; ++b)
        if (!G().BaseNames[b].isEmpty()) checkAircraftFile(baseAircraftFilePath(b));
    for (int n = 1; n <= 12; ++n) checkAircraftFile(carrierAircraftFilePath(carrierCode(n)));
}

bool checkCampaignAtOpening() {
    bool forming = false;
    for (int side : {kAllies, kAxis}) {
        const ShipFileTally tally = tallyShipFile(side);
        // A carrier's aircraft file that disagrees with it is named as a base's is.
        for (const CarrierOnBoard& carrier : tally.carriers)
            if (const QString why = carrierAircraftDisagreement(carrier); !why.isEmpty())
                throw FileError(QStringLiteral("File degli aerei non coerente con il file delle navi: ") +
                                    why + u'.' + kUnchanged,
                                carrierAircraftFilePath(carrier.code));
        const QString problem = shipTablesDisagreement(side, tally);
        if (!problem.isEmpty())
            throw FileError(QStringLiteral("File delle navi non coerente con le tabelle: ") + problem + "." +
                                kUnchanged,
                            shipFilePath(side));
        forming = forming || tally.forming > 0;
    }
    for (int b = 1; b <= kBases; ++b)
        if (!G().BaseNames[b].isEmpty()) checkBaseAircraftFile(b);
    for (int n = 1; n <= 12; ++n) checkAircraftFile(carrierAircraftFilePath(carrierCode(n)));
    return forming;
}

void checkGameStateItems(const QString (&items)[kStateItems + 1], const QString& path) {
    for (int i = 1; i <= kStateItems; ++i) {
        const ValueRange range = campaignRange(CampaignTable::GameState, i);
        long long v = 0;
        if (!wholeItem(items[i].trimmed(), v) || !range.holds(v))
            throw FileError(
                QStringLiteral("File danneggiato: %1, riga %2, voce %2 (\"%3\"): deve essere un numero "
                               "intero tra %4 e %5.")
                        .arg(path)
                        .arg(i)
                        .arg(recordformat::readableValue(items[i]))
                        .arg(range.low)
                        .arg(range.high) +
                    kUnchanged,
                path);
    }
}

void checkGroupColumns(const WideGroupTable& table, bool naval, const QString& path) {
    checkGroupCells(table, naval, [&](const QString& where, long long v, const ValueRange& r) {
        refuseCell(path, where, v, r);
    });
}

void checkBaseFields(const long long (&bases)[kBases + 1][kBaseFields + 1], const QString& path) {
    checkBaseCells(bases, [&](const QString& where, long long v, const ValueRange& r) {
        refuseCell(path, where, v, r);
    });
}

void checkGameStateBeforeSaving(const QString (&items)[kStateItems + 1], const QString& path) {
    for (int i = 1; i <= kStateItems; ++i) {
        long long v = 0;
        if (!wholeItem(items[i].trimmed(), v))
            refuseWriting(path, stateItemPlace(i),
                          QStringLiteral("\"%1\"").arg(recordformat::readableValue(items[i])),
                          QStringLiteral("deve essere un numero intero"));
        const ValueRange range = campaignRange(CampaignTable::GameState, i);
        if (!range.holds(v)) refuseWriting(path, stateItemPlace(i), QString::number(v), rangeText(range));
    }
}

void checkGroupTableBeforeSaving(const GroupTable& table, bool naval, const QString& path) {
    checkGroupCells(table, naval, [&](const QString& where, long long v, const ValueRange& r) {
        refuseWriting(path, where, QString::number(v), rangeText(r));
    });
}

void checkBaseTableBeforeSaving(const Int32 (&bases)[kBases + 1][kBaseFields + 1], const QString& path) {
    checkBaseCells(bases, [&](const QString& where, long long v, const ValueRange& r) {
        refuseWriting(path, where, QString::number(v), rangeText(r));
    });
}

void checkShipBeforeWriting(const ShipRecord& ship, const QString& path, int record) {
    if (const FieldRefusal why = shipRecordRefusal(ship); why.field != 0)
        refuseRecordWriting(path, record, ship, why);
}

void checkAircraftBeforeWriting(const AircraftRecord& line, const QString& path, int record) {
    if (const FieldRefusal why = aircraftRecordRefusal(line); why.field != 0)
        refuseRecordWriting(path, record, line, why);
}

QString campaignLimitReached() {
    try {
        checkDatiBasiBeforeSaving();
        checkGroupTablesBeforeSaving();
    } catch (const FileError& e) {
        return e.cause();
    }
    return {};
}
