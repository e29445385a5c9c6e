// The side archives of ships and aircraft from which the game's new-campaign wizard draws: their
// file names, inserting the archive record built from a ship or aircraft card, marking deleted,
// listing and the printed list. The records are the game's own ShipRecord and AircraftRecord.
#pragma once

#include "cards/format/AircraftCard.h"
#include "cards/format/ArchiveRecords.h"
#include "cards/format/ShipCard.h"
#include "common/records/RecordFormat.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace sidearchive {

constexpr int kShips = 1;
constexpr int kAircraft = 2;
constexpr int kAlliesSide = 1;
constexpr int kAxisSide = 2;
// Record numbers are 16-bit.
constexpr int kMaxRecords = 32767;

// "ALLEATI" for the Allies, "ASSE" for the Axis, empty for no side.
QString sideWord(int side);
// Ships of a nation code go into one side's archive only: GB and US into the Allies', IT and DE
// into the Axis'. The refusal says why a card's ships cannot go into this side's archive; it is
// empty when they can, or when no card is open (no nation).
bool shipNationAccepted(const QString& nation, int side);
QString shipNationRefusal(const QString& nation, int side);
// The side word & "Navi.Dat" or "Aerei.Dat".
QString archiveFileName(const QString& sideWord, int kind);
// The archive's full path in the archive folder. A missing folder is reported by a FileError
// naming it, and an archive without a side word is refused: the game could never find it.
QString archivePath(const QString& archiveFolder, const QString& sideWord, int kind);

// The record of one ship of the class, ready to be appended: the name and its current values.
recordformat::ShipRecord shipToInsert(const recordformat::ShipRecord& cardRecord, const QString& name);
recordformat::AircraftRecord aircraftToInsert(const recordformat::AircraftRecord& cardRecord,
                                              const QString& name);

// An archive whose length is not a whole number of records: a record cut short at its end (a
// copy or a disk that stopped in the middle), after `wholeRecords` whole ones.
struct ArchiveCut {
    int wholeRecords = 0;
    qint64 extraBytes = 0; // the bytes of the cut record; 0 when the archive is whole
    bool cut() const { return extraBytes > 0; }
};
// How the archive ends (a missing archive is whole and empty).
ArchiveCut archiveCut(const QString& path, int recordLength);
// The notice under the archive list, and the question before a record is appended.
QString archiveCutNotice(const ArchiveCut& cut);
QString archiveCutQuestion(const QString& path, const ArchiveCut& cut);

// Appends a record after the archive's last whole record and returns its number; the archive is
// created when missing. A record cut short at the end is written over: ask first
// (archiveCutQuestion). A full archive is refused with a FileError.
int appendToArchive(const QString& path, const recordformat::TextRecord& record);

struct ArchiveEntry {
    QString line; // type (or role) & "_" & name, the name with its trailing blanks
    int record;
};

struct ArchiveListing {
    QList<ArchiveEntry> entries; // the live records, in record order
    int count = 0;               // whole records in the file
    int marked = 0;              // records marked deleted
    qint64 cutBytes = 0;         // the bytes of a record cut short after them, not listed
    int live() const { return count - marked; }
};

// Lists the whole records of an archive (created empty when missing); each live record is also
// passed to `each`.
ArchiveListing listShipArchive(const QString& path,
                               const std::function<void(const recordformat::ShipRecord&)>& each = {});
ArchiveListing listAircraftArchive(const QString& path,
                                   const std::function<void(const recordformat::AircraftRecord&)>& each = {});

// The live records of an archive identical to the given one, byte for byte: a card inserted
// again appends one more of them.
int identicalAircraftRecords(const QString& path, const recordformat::AircraftRecord& record);
int identicalShipRecords(const QString& path, const recordformat::ShipRecord& record);

// Marks one record deleted and writes it back in place. A record number outside the whole
// records of the file is refused with a FileError.
void markShipDeleted(const QString& path, int record);
void markAircraftDeleted(const QString& path, int record);

// Removes an archive file; a missing one is reported with a FileError naming it.
void destroyArchive(const QString& path);

// The printed list: the header and the items of one line.
QStringList shipPrintHeader();
QStringList PrintShipLine(const recordformat::ShipRecord& r);
QStringList aircraftPrintHeader();
QStringList PrintAircraftLine(const recordformat::AircraftRecord& r);

} // namespace sidearchive
