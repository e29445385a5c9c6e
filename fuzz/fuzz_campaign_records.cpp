// The record files of a campaign: a side's ship file, a base's and a carrier's aircraft file
// through the checks of the campaign's opening and then every field read as the game reads it,
// and the activity, contact and lost-ship files through their readers. The first byte picks the
// file (and whether ships are counted in the tables), the rest is its content.
#include "FuzzSupport.h"

#include "common/CampaignChecks.h"
#include "common/ContactFiles.h"
#include "common/LostShips.h"
#include "common/RecordFiles.h"

namespace {
template <class Record> void readFields(const Record& r) {
    for (int f = 1; f <= Record::kFields; ++f) {
        r.text(f);
        r.number(f);
        r.whole(f);
    }
    r.isDeleted();
}

void readShips(int side) {
    // The opening's checks: the records, then the file against the tables.
    shipFileDisagreement(side, tallyShipFile(side));
    forEachShip(side, [](int) {
        readFields(G().ShipRecordBuffer);
        return true;
    });
}

void readAircraftFile(const QString& path) {
    checkAircraftFile(path);
    const int count = openAircraftFile(kChannelLists, path, kAxis);
    for (int r = 1; r <= count; ++r) readFields(readAircraft(kChannelLists, r));
    G().Files.close(kChannelLists);
}

void readHourRecords(int kind) {
    if (kind == 0) {
        const int count = openActivityFile(12);
        for (int r = firstRecordOfHour(count, 5); r <= count; ++r) readActivity(12, r);
        G().Files.close(12);
    } else if (kind == 1) {
        const int count = openContactFile(13);
        for (int r = firstRecordOfHour(count, 5); r <= count; ++r) readContact(13, r);
        G().Files.close(13);
    } else {
        for (int r = 1, n = lostShipCount(); r <= n; ++r) readLostShip(r);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzsupport::makeProgramFolder();
    if (size < 1) return 0;
    const int file = data[0] % 7;
    Globals& g = G();
    // Ships counted by a group and a port, or by nothing.
    const bool counted = data[0] & 0x80;
    g.GnTableAlle[1][1] = g.GnTableAlle[1][4] = counted ? 2 : 0;
    g.BaseTable[3][10] = counted ? 1 : 0;
    const QString paths[7] = {shipFilePath(kAllies),   shipFilePath(kAxis),
                              baseAircraftFilePath(1), carrierAircraftFilePath(carrierCode(1)),
                              activityFilePath(),      contactFilePath(),
                              lostShipFilePath()};
    // An empty input stands for a missing file.
    if (size == 1)
        platform::deleteFile(paths[file]);
    else
        fuzzsupport::put(paths[file], fuzzsupport::bytesOf(data + 1, size - 1));
    fuzzsupport::refusalsAllowed([&] {
        if (file < 2)
            readShips(file == 0 ? kAllies : kAxis);
        else if (file < 4)
            readAircraftFile(paths[file]);
        else
            readHourRecords(file - 4);
    });
    platform::deleteFile(paths[file]);
    return 0;
}
