#include "SideArchive.h"

#include "platform/Files.h"
#include "platform/Numbers.h"

using namespace recordformat;
using platform::FileError;

namespace sidearchive {

namespace {

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

// The records of a file of this length that are there whole, and the bytes of one cut short
// after them.
ArchiveCut cutOfLength(qint64 length, int recordLength) {
    if (length <= 0) return {};
    return {int(length / recordLength), length % recordLength};
}
ArchiveCut cutOf(const platform::RecordFile& file) {
    return cutOfLength(file.length(), file.recordLength());
}

template <class Record>
ArchiveListing listArchive(const QString& path, int typeField, int nameField,
                           const std::function<void(const Record&)>& each) {
    platform::RecordFile file(path, Record::kLength);
    ArchiveListing out;
    const ArchiveCut cut = cutOf(file);
    out.count = cut.wholeRecords;
    out.cutBytes = cut.extraBytes;
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
    if (number < 1 || number > cutOf(file).wholeRecords)
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

ArchiveCut archiveCut(const QString& path, int recordLength) {
    return cutOfLength(platform::fileLength(path), recordLength);
}

namespace {
QString cutPlace(const ArchiveCut& cut) {
    return cut.wholeRecords == 0 ? QStringLiteral("prima di ogni record intero")
                                 : QStringLiteral("dopo il record %1").arg(cut.wholeRecords);
}
} // namespace

QString archiveCutNotice(const ArchiveCut& cut) {
    if (!cut.cut()) return {};
    return QStringLiteral("ATTENZIONE: l'archivio finisce con un record tagliato a metà (%1 byte %2), "
                          "non elencato. Il prossimo inserimento lo scarta.")
        .arg(cut.extraBytes)
        .arg(cutPlace(cut));
}

QString archiveCutQuestion(const QString& path, const ArchiveCut& cut) {
    return QStringLiteral("L'archivio %1 finisce con un record tagliato a metà: %2 byte %3.\n\n"
                          "Sì: il record tagliato è scartato e il nuovo è scritto come record %4.\n"
                          "No: non si inserisce nulla e l'archivio resta com'è.")
        .arg(platform::diskPath(path))
        .arg(cut.extraBytes)
        .arg(cutPlace(cut))
        .arg(cut.wholeRecords + 1);
}

int appendToArchive(const QString& path, const TextRecord& record) {
    platform::RecordFile file(path, record.layout().length);
    const int whole = cutOf(file).wholeRecords;
    if (whole >= kMaxRecords)
        throw FileError(QStringLiteral("L'archivio %1 è pieno (%2 record)").arg(file.path()).arg(kMaxRecords),
                        file.path());
    writeRecord(file, whole + 1, record);
    return whole + 1;
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

int identicalShipRecords(const QString& path, const ShipRecord& record) {
    int same = 0;
    listShipArchive(path, [&](const ShipRecord& r) { same += r.bytes() == record.bytes(); });
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
