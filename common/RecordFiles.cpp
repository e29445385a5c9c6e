#include "RecordFiles.h"

#include "CampaignChecks.h"
#include "DataFolder.h"
#include "Globals.h"
#include "platform/Files.h"

QString shipFilePath(int side) {
    return campaignPath((side == kAxis ? "NaviAsse" : "NaviAlle") + G().CampaignName + ".dat");
}

QString baseAircraftFileName(int base, const QString& campaign) {
    const QString word = base >= 12 ? QStringLiteral("AereiAlle") : QStringLiteral("AereiAsse");
    return (base >= 1 && base <= kBases ? G().BaseNames[base] : QString()) + word + campaign + ".dat";
}

QString baseAircraftFilePath(int base) {
    return campaignPath(baseAircraftFileName(base, G().CampaignName));
}

QString carrierCode(int n) {
    return QStringLiteral("P") + QString::number(n);
}

QString carrierAircraftFilePath(const QString& code) {
    return campaignPath(code.trimmed() + G().CampaignName + ".dat");
}

int openShipFile(int channel, int side) {
    Globals& g = G();
    if (side != kAllies && side != kAxis) return 0;
    QString& path = side == kAllies ? g.PathNaviAlle : g.PathNaviAsse;
    path = shipFilePath(side);
    // A ship file is made when missing (or read empty) only while nothing counts ships in it; a cut
    // one is refused.
    const qint64 length = platform::fileLength(path);
    if (length <= 0 && sideNamesShips(side)) checkShipFile(side);
    checkRecordFileLength(path, ShipRecord::kLength, length);
    g.Files.openRandom(channel, path, ShipRecord::kLength);
    g.SelectedItem = g.Files.random(channel).count();
    return g.SelectedItem;
}

void forEachShip(int side, const std::function<bool(int record)>& visit) {
    const int count = openShipFile(kChannelShips, side);
    for (int r = 1; r <= count; ++r) {
        readShip(kChannelShips, r);
        if (!visit(r)) break;
    }
    G().Files.close(kChannelShips);
}

void readShip(int channel, int record) {
    recordformat::readRecord(G().Files.random(channel), record, G().ShipRecordBuffer);
}

void writeShip(int channel, int record) {
    platform::RecordFile& file = G().Files.random(channel);
    checkShipBeforeWriting(G().ShipRecordBuffer, file.path(), record);
    ++G().ShipRecordWrites;
    recordformat::writeRecord(file, record, G().ShipRecordBuffer);
}

int appendShip(int channel) {
    platform::RecordFile& file = G().Files.random(channel);
    checkShipBeforeWriting(G().ShipRecordBuffer, file.path(), file.count() + 1);
    ++G().ShipRecordWrites;
    return recordformat::appendRecord(file, G().ShipRecordBuffer);
}

long long shipRecordWrites() {
    return G().ShipRecordWrites;
}

int openAircraftFile(int channel, const QString& path, int side) {
    Globals& g = G();
    if (side == kAllies)
        g.PathAereiAlle = path;
    else if (side == kAxis)
        g.PathAereiAsse = path;
    checkRecordFileLength(path, AircraftRecord::kLength);
    g.Files.openRandom(channel, path, AircraftRecord::kLength);
    return g.Files.random(channel).count();
}

AircraftRecord readAircraft(int channel, int record) {
    AircraftRecord a;
    recordformat::readRecord(G().Files.random(channel), record, a);
    return a;
}

void writeAircraft(int channel, int record, const AircraftRecord& aircraft) {
    platform::RecordFile& file = G().Files.random(channel);
    checkAircraftBeforeWriting(aircraft, file.path(), record);
    recordformat::writeRecord(file, record, aircraft);
}

int appendAircraft(int channel, const AircraftRecord& aircraft) {
    platform::RecordFile& file = G().Files.random(channel);
    checkAircraftBeforeWriting(aircraft, file.path(), file.count() + 1);
    return recordformat::appendRecord(file, aircraft);
}

namespace {
constexpr int kChannelArchive = 1;
constexpr int kChannelCopy = 2;

// Opens the archive and the target emptied, then for each record of the archive: read (into the
// record the callers' routines fill), prepared, kept or dropped, written.
void copyRecords(const QString& archive, const QString& target, int recordLength,
                 const std::function<void(int record)>& read, const std::function<bool()>& keep,
                 const std::function<void(int record)>& write) {
    platform::writeWholeFile(target, {});
    if (!platform::fileExists(archive)) return;
    auto& files = G().Files;
    files.openRandom(kChannelArchive, archive, recordLength);
    files.openRandom(kChannelCopy, target, recordLength);
    const int count = files.random(kChannelArchive).count();
    int drops = 0;
    for (int i = 1; i <= count; ++i) {
        read(i);
        if (!keep()) {
            ++drops;
            continue;
        }
        write(i - drops);
    }
    files.closeAll();
}
} // namespace

void copyShipRecords(const QString& archive, const QString& target,
                     const std::function<bool(const ShipRecord&)>& keep,
                     const std::function<void(ShipRecord&)>& prepare) {
    ShipRecord& rec = G().ShipRecordBuffer;
    copyRecords(
        archive, target, ShipRecord::kLength,
        [&](int record) {
            readShip(kChannelArchive, record);
            if (prepare) prepare(rec);
        },
        [&] { return keep(rec); }, [](int record) { writeShip(kChannelCopy, record); });
}

void copyAircraftRecords(const QString& archive, const QString& target,
                         const std::function<bool(const AircraftRecord&)>& keep) {
    AircraftRecord rec;
    copyRecords(
        archive, target, AircraftRecord::kLength,
        [&](int record) { rec = readAircraft(kChannelArchive, record); }, [&] { return keep(rec); },
        [&](int record) { writeAircraft(kChannelCopy, record, rec); });
}
