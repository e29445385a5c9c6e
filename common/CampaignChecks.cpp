#include "CampaignChecks.h"

#include "BaseTable.h"
#include "CampaignRanges.h"
#include "DataFolder.h"
#include "NavalGroupValues.h"
#include "RecordFiles.h"

#include <QRegularExpression>
#include <climits>
#include <cstring>
#include <map>

using platform::FileError;

namespace {
namespace S = recordformat::ship;
namespace A = recordformat::aircraft;

const QString kUnchanged = QStringLiteral(" Il gioco non viene modificato.");

// A number field as the game writes it: blanks, a minus, digits (a decimal part from old cards),
// blanks. Read from the record's bytes: every field of every record is looked at.
bool isNumberField(const recordformat::TextRecord& r, int field) {
    const recordformat::FieldSpec& f = r.layout().field(field);
    const char* p = r.bytes().constData() + f.offset;
    const char* const end = p + f.width;
    while (p < end && *p == ' ') ++p;
    if (p < end && *p == '-') ++p;
    while (p < end && *p >= '0' && *p <= '9') ++p;
    if (p < end && *p == '.')
        for (++p; p < end && *p >= '0' && *p <= '9';) ++p;
    while (p < end && *p == ' ') ++p;
    return p == end;
}

// The rules of the record's fields, looked up once: nothing where a field may hold any number.
template <int Fields> struct FieldRules {
    std::optional<ValueRange> rule[Fields + 1];
    explicit FieldRules(CampaignTable table) {
        for (int f = 1; f <= Fields; ++f) rule[f] = ownRange(table, f);
    }
};

// A number field that is a number within the range of its field.
template <int Fields>
QString numberFieldRefusal(const recordformat::TextRecord& r, int field, CampaignTable table,
                           const FieldRules<Fields>& rules) {
    const std::optional<ValueRange>& own = rules.rule[field];
    if (isNumberField(r, field) && (!own || own->holds(r.whole(field)))) return {};
    return rangeText(campaignRange(table, field));
}

[[noreturn]] void refuseRecord(const QString& path, int record, const recordformat::TextRecord& r,
                               const FieldRefusal& why) {
    throw FileError(QStringLiteral("File danneggiato: %1, record %2, campo %3 (\"%4\"): %5.")
                            .arg(path)
                            .arg(record)
                            .arg(why.field)
                            .arg(r.text(why.field).trimmed(), why.reason) +
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

// The aircraft lines of a file that is there, each checked; the ready aircraft of all its lines.
long long scanAircraftFile(const QString& path, qint64 length) {
    checkRecordFileLength(path, AircraftRecord::kLength, length);
    long long ready = 0;
    eachRecord<AircraftRecord>(path, [&](int n, const AircraftRecord& a) {
        const FieldRefusal why = aircraftRecordRefusal(a);
        if (why.field != 0) refuseRecord(path, n, a, why);
        ready += a.whole(A::Pronti);
    });
    return ready;
}

// A base's aircraft file holds at least the aircraft its base counts present.
void checkBaseAircraftFile(int base) {
    const QString path = baseAircraftFilePath(base);
    const long long present = G().BaseTable[base][BaseCol::AircraftPresent];
    const qint64 length = platform::fileLength(path);
    if (length <= 0) {
        if (present > 0)
            throw FileError(
                QStringLiteral("File degli aerei mancante o vuoto: %1, mentre la tabella delle basi "
                               "conta %2 aerei presenti a %3.")
                        .arg(path)
                        .arg(present)
                        .arg(G().BaseNames[base]) +
                    kUnchanged,
                path);
        return;
    }
    const long long ready = scanAircraftFile(path, length);
    if (ready < present)
        throw FileError(QStringLiteral("File degli aerei incompleto: %1 contiene %2 aerei pronti, mentre la "
                                       "tabella delle basi ne conta %3 presenti a %4.")
                                .arg(path)
                                .arg(ready)
                                .arg(present)
                                .arg(G().BaseNames[base]) +
                            kUnchanged,
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

FieldRefusal shipRecordRefusal(const ShipRecord& ship) {
    if (classGroupOf(ship.text(S::TIPO)) == 0)
        return {S::TIPO,
                QStringLiteral("deve essere uno dei codici PA, PL, NB, IB, IP, IL, CT, NM, NL, SA, SC, "
                               "NX, AX, PT, MR")};
    static const FieldRules<ShipRecord::kFields> rules(CampaignTable::Ship);
    for (int f = S::STAZZA; f <= S::NON_OP; ++f) {
        if (f == S::Cancellato || f == S::CodicePortaerei) continue;
        const QString why = numberFieldRefusal(ship, f, CampaignTable::Ship, rules);
        if (!why.isEmpty()) return {f, why};
    }
    static const QRegularExpression carrier(QStringLiteral("^(P[0-9]{1,2})?$"));
    const QString code = ship.trimmed(S::CodicePortaerei);
    if (!code.isEmpty() && !carrier.match(code).hasMatch())
        return {S::CodicePortaerei,
                QStringLiteral("deve essere vuoto, o P seguito dal numero della portaerei")};
    return {};
}

FieldRefusal aircraftRecordRefusal(const AircraftRecord& line) {
    static const FieldRules<AircraftRecord::kFields> rules(CampaignTable::Aircraft);
    for (int f : {int(A::Autonomia), int(A::Giudizio), int(A::FattoreAttacco), int(A::FattoreDifesa),
                  int(A::FattoreMitragliamento), int(A::Velocita), int(A::Costo), int(A::Pronti),
                  int(A::InVolo), int(A::Persi)}) {
        const QString why = numberFieldRefusal(line, f, CampaignTable::Aircraft, rules);
        if (!why.isEmpty()) return {f, why};
    }
    return {};
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

QString shipFileDisagreement(int side, const ShipFileTally& tally) {
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
        const QString problem = shipFileDisagreement(side, tally);
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
    static const QRegularExpression whole(QStringLiteral("^-?[0-9]{1,11}$"));
    for (int i = 1; i <= kStateItems; ++i) {
        const QString text = items[i].trimmed();
        const ValueRange range = campaignRange(CampaignTable::GameState, i);
        bool ok = whole.match(text).hasMatch();
        const long long v = ok ? text.toLongLong(&ok) : 0;
        if (!ok || !range.holds(v))
            throw FileError(
                QStringLiteral("File danneggiato: %1, voce %2: \"%3\" non è un numero intero da %4 a "
                               "%5.")
                        .arg(path)
                        .arg(i)
                        .arg(items[i])
                        .arg(range.low)
                        .arg(range.high) +
                    kUnchanged,
                path);
    }
}

void checkGroupColumns(const GroupTable& table, bool naval, const QString& path) {
    const CampaignTable kind = naval ? CampaignTable::NavalGroup : CampaignTable::AirGroup;
    for (int n = 1; n <= kGroups; ++n) {
        if (table[n][GnCol::InUse] <= 0) continue;
        for (int c = 1; c <= kGroupColumns; ++c) {
            const ValueRange range = campaignRange(kind, c);
            if (!range.holds(table[n][c]))
                refuseCell(path, QStringLiteral("gruppo %1, colonna %2").arg(n).arg(c), table[n][c], range);
        }
    }
}

void checkBaseFields(const Int32 (&bases)[kBases + 1][kBaseFields + 1], const QString& path) {
    for (int b = 1; b <= kBases; ++b)
        for (int f = 1; f <= kBaseFields; ++f) {
            const ValueRange range = campaignRange(CampaignTable::Base, f);
            if (!range.holds(bases[b][f]))
                refuseCell(path, QStringLiteral("base %1, campo %2").arg(b).arg(f), bases[b][f], range);
        }
}
