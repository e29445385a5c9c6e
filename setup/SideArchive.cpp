#include "SideArchive.h"

#include "platform/Files.h"
#include "platform/Numbers.h"

#include <QRegularExpression>

using namespace recordformat;
using platform::FileError;

namespace sidearchive {

namespace {

// One card value copied into one archive field.
struct CardValueField {
    int field;
    int value;
    bool number;
};

// Ship record fields taken from the ship card as they stand (TIPO, RADAR, AAC and STATUS are
// made below).
constexpr CardValueField kShipFromCard[] = {
    {ship::CLASSE, kCardClass, false},
    {ship::NAZIONE, kCardNationCode, false},
    {ship::STAZZA, 7, true},
    {ship::ANNODATI, kCardDataYear, true},
    {ship::NODI, 8, true},
    {ship::OPERATIVITA, 14, true},
    {ship::DIR_TIRO, 12, true},
    {ship::CARGO, 15, true},
    {ship::COSTO, 16, true},
    {ship::RESISTENZA, 10, true},
    {ship::C_A_INCENDI, 11, true},
    {ship::AEREI, 22, true},
    {ship::AAM, 50, true},
    {ship::MA, 13, true},
};

// Aircraft record fields taken from the aircraft card (fields 19, 28 and 29 are made below).
constexpr CardValueField kAircraftFromCard[] = {
    {aircraft::Nazione, aircraftcard::Nation, false},
    {aircraft::Nome, aircraftcard::Name, false},
    {aircraft::Costruttore, aircraftcard::Maker, false},
    {aircraft::Ruolo, aircraftcard::Type, false},
    {aircraft::Anno, aircraftcard::Year, true},
    {aircraft::Autonomia, aircraftcard::Autonomy, true},
    {aircraft::Giudizio, aircraftcard::Judgement, true},
    {aircraft::FattoreAttacco, aircraftcard::Attack, true},
    {aircraft::FattoreDifesa, aircraftcard::Defence, true},
    {aircraft::FattoreMitragliamento, aircraftcard::Strafing, true},
    {aircraft::Carico, aircraftcard::BombLoad, true},
    {aircraft::Siluri, aircraftcard::Torpedoes, true},
    {aircraft::Velocita, aircraftcard::Speed, true},
    {aircraft::Costo, aircraftcard::Cost, true},
    {aircraft::Disponibilita, aircraftcard::Availability, true},
    {aircraft::Silurante, aircraftcard::TorpedoMark, false},
    {aircraft::Bombardiere, aircraftcard::BomberMark, false},
};

// The current values a ship starts with: copies of its nominal values.
constexpr std::pair<int, int> kCurrentFromNominal[] = {
    {ship::NODIM, ship::NODI},
    {ship::OPERATIVITAM, ship::OPERATIVITA},
    {ship::D_TIROM, ship::DIR_TIRO},
    {ship::CARGOM, ship::CARGO},
    {ship::RESISTENZAM, ship::RESISTENZA},
    {ship::C_A_INCENDIM, ship::C_A_INCENDI},
    {ship::AEREIM, ship::AEREI},
    {ship::AAMM, ship::AAM},
    {ship::AACM, ship::AAC},
    {ship::MAM, ship::MA},
};

int byteWidth(const QString& s) {
    return platform::toCp1252(s).size();
}

// Numbers are stored as the card writes them. A text too wide for its field is not cut blindly
// (" 100" would become " 10"): the blanks go first, then any decimals; a number whose whole part
// still does not fit is refused, since no reader could read it back.
void storeNumber(TextRecord& r, int field, const QString& text, const QString& what) {
    const int width = r.layout().field(field).width;
    if (byteWidth(text) <= width) return r.setText(field, text);
    const QString t = text.trimmed();
    if (byteWidth(t) <= width) return r.setText(field, t);
    static const QRegularExpression wholePart(QStringLiteral("^[-+]?\\d+"));
    const QRegularExpressionMatch m = wholePart.match(t);
    if (m.hasMatch() && m.capturedLength() <= width) return r.setText(field, m.captured());
    throw platform::RangeError(
        QStringLiteral("%1 (%2) non entra nel campo %3 dell'archivio, largo %4 caratteri")
            .arg(what, t)
            .arg(field)
            .arg(width));
}

void copyFields(TextRecord& r, const CardValueField* begin, const CardValueField* end,
                const std::function<QString(int)>& value) {
    for (const CardValueField* f = begin; f != end; ++f) {
        if (f->number)
            storeNumber(r, f->field, value(f->value),
                        QStringLiteral("Il valore %1 della scheda").arg(f->value));
        else
            r.setText(f->field, value(f->value));
    }
}

template <class Record>
ArchiveListing listArchive(const QString& path, int typeField, int nameField,
                           const std::function<void(const Record&)>& each) {
    platform::RecordFile file(path, Record::kLength);
    ArchiveListing out;
    out.count = file.count();
    Record r;
    for (int i = 1; i <= out.count; ++i) {
        readRecord(file, i, r);
        if (r.isDeleted()) {
            ++out.marked;
            continue;
        }
        out.entries.append({r.text(typeField) + u'_' + r.text(nameField), i});
        if (each) each(r);
    }
    return out;
}

template <class Record> void markDeleted(const QString& path, int number) {
    platform::RecordFile file(path, Record::kLength);
    if (number < 1 || number > file.count())
        throw FileError(QStringLiteral("Il record %1 non esiste nel file %2").arg(number).arg(file.path()),
                        file.path());
    Record r;
    readRecord(file, number, r);
    r.markDeleted();
    writeRecord(file, number, r);
}

} // namespace

QString sideWord(int side) {
    if (side == kAlliesSide) return QStringLiteral("ALLEATI");
    if (side == kAxisSide) return QStringLiteral("ASSE");
    return QString();
}

namespace {
int sideOfShipNation(const QString& nation) {
    if (nation == QLatin1String("GB") || nation == QLatin1String("US")) return kAlliesSide;
    if (nation == QLatin1String("IT") || nation == QLatin1String("DE")) return kAxisSide;
    return 0;
}
} // namespace

bool shipNationAccepted(const QString& nation, int side) {
    const int own = sideOfShipNation(nation);
    return own != 0 && own == side;
}

QString shipNationRefusal(const QString& nation, int side) {
    if (nation.isEmpty() || shipNationAccepted(nation, side)) return QString();
    const int own = sideOfShipNation(nation);
    if (own == 0) return QStringLiteral("Le navi %1 non entrano in nessun archivio").arg(nation);
    return QStringLiteral("Le navi %1 entrano solo nell'archivio %2").arg(nation, sideWord(own));
}

QString archiveFileName(const QString& sideWord, int kind) {
    return sideWord + (kind == kShips ? QStringLiteral("Navi.Dat") : QStringLiteral("Aerei.Dat"));
}

QString archivePath(const QString& archiveFolder, const QString& sideWord, int kind) {
    if (sideWord.isEmpty())
        throw std::runtime_error(
            "Scegliere prima lo schieramento (Alleati o Asse): l'archivio non ha un nome");
    if (!platform::folderExists(archiveFolder))
        throw FileError(QStringLiteral("Manca la cartella degli archivi %1").arg(archiveFolder),
                        archiveFolder);
    QString folder = archiveFolder;
    if (!folder.endsWith(u'\\') && !folder.endsWith(u'/')) folder += u'\\';
    return platform::diskPath(folder + archiveFileName(sideWord, kind));
}

ShipRecord BuildShipArchiveRecord(const ShipValues& card) {
    ShipRecord r;
    copyFields(r, std::begin(kShipFromCard), std::end(kShipFromCard), [&](int n) { return card[n]; });
    r.setText(ship::TIPO, card[kCardType].left(2));
    r.setText(ship::RADAR, QStringLiteral("0"));
    const double aa = platform::leadingNumber(card[45]) + platform::leadingNumber(card[48]) +
                      platform::leadingNumber(card[42]);
    storeNumber(r, ship::AAC, platform::numberTextWithSign(aa), QStringLiteral("Il totale antiaereo"));
    r.setText(ship::STATUS, QStringLiteral("0"));
    return r;
}

AircraftRecord BuildAircraftArchiveRecord(const aircraftcard::AircraftData& card) {
    AircraftRecord r;
    copyFields(r, std::begin(kAircraftFromCard), std::end(kAircraftFromCard), [&](int n) { return card[n]; });
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    // "Imbarcato" against "Non Imbarcato", "Idro" against "Non idro".
    r.setText(aircraft::Imbarcato, flag(card[aircraftcard::CarrierBorne].trimmed().size() <= 10));
    r.setText(aircraft::Idro, flag(card[aircraftcard::Seaplane].trimmed().size() <= 4));
    r.setText(aircraft::Notturno, flag(card[aircraftcard::Night].trimmed() == QLatin1String("S")));
    return r;
}

ShipRecord shipToInsert(const ShipRecord& cardRecord, const QString& name) {
    ShipRecord r = cardRecord;
    r.setText(ship::NOME, name);
    r.setText(ship::Cancellato, QString());
    r.setText(ship::STATUS, QStringLiteral("0"));
    for (const auto& [current, nominal] : kCurrentFromNominal) r.setText(current, r.text(nominal));
    // A carrier's own aircraft live in its air file, not in the ship record.
    const QString type = r.text(ship::TIPO);
    if (type == QLatin1String("PA") || type == QLatin1String("PL")) r.setText(ship::AEREIM, QString());
    r.setText(ship::INCENDI_ATTIVI, QStringLiteral("0"));
    return r;
}

AircraftRecord aircraftToInsert(const AircraftRecord& cardRecord, const QString& name) {
    AircraftRecord r = cardRecord;
    r.setText(aircraft::Nome, name);
    r.setText(aircraft::Cancellato, QString());
    return r;
}

int appendToArchive(const QString& path, const TextRecord& record) {
    platform::RecordFile file(path, record.layout().length);
    if (file.count() >= kMaxRecords)
        throw FileError(QStringLiteral("L'archivio %1 è pieno (%2 record)").arg(file.path()).arg(kMaxRecords),
                        file.path());
    return appendRecord(file, record);
}

ArchiveListing listShipArchive(const QString& path, const std::function<void(const ShipRecord&)>& each) {
    return listArchive<ShipRecord>(path, ship::TIPO, ship::NOME, each);
}

ArchiveListing listAircraftArchive(const QString& path,
                                   const std::function<void(const AircraftRecord&)>& each) {
    return listArchive<AircraftRecord>(path, aircraft::Ruolo, aircraft::Nome, each);
}

int identicalAircraftRecords(const QString& path, const AircraftRecord& record) {
    int same = 0;
    listAircraftArchive(path, [&](const AircraftRecord& r) { same += r.bytes() == record.bytes(); });
    return same;
}

void markShipDeleted(const QString& path, int record) {
    markDeleted<ShipRecord>(path, record);
}

void markAircraftDeleted(const QString& path, int record) {
    markDeleted<AircraftRecord>(path, record);
}

void destroyArchive(const QString& path) {
    if (!platform::fileExists(path))
        throw FileError(QStringLiteral("L'archivio %1 non esiste: non c'è nulla da distruggere").arg(path),
                        path);
    if (!platform::deleteFile(path))
        throw FileError(QStringLiteral("Impossibile distruggere l'archivio %1").arg(path), path);
}

QStringList shipPrintHeader() {
    return {QStringLiteral("NOME"), QStringLiteral("CLASSE"), QStringLiteral("NAZ."),
            QStringLiteral("TIPOL."), QStringLiteral("COSTO")};
}

QStringList PrintShipLine(const ShipRecord& r) {
    return {r.text(ship::NOME).left(24), r.text(ship::CLASSE).left(24), r.text(ship::NAZIONE),
            r.text(ship::TIPO), r.text(ship::COSTO)};
}

QStringList aircraftPrintHeader() {
    return {QStringLiteral("NOME"), QStringLiteral("NAZIONE"), QStringLiteral("TIPOLOGIA"),
            QStringLiteral("IMB(1=SI)"), QStringLiteral("COSTO")};
}

QStringList PrintAircraftLine(const AircraftRecord& r) {
    return {r.text(aircraft::Nome),      r.text(aircraft::Nazione), r.text(aircraft::Ruolo),
            r.text(aircraft::Imbarcato), r.text(aircraft::Idro),    r.text(aircraft::Costo)};
}

} // namespace sidearchive
