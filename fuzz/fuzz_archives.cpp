// The side archives of ships and aircraft, listed and printed as the set-up program lists them.
// The fields of records are read as the game reads them by fuzz_campaign_records (same layouts);
// here only the first records' are, so that a run stays short. The first byte picks the kind,
// the rest is the archive.
#include "FuzzSupport.h"

#include "setup/SideArchive.h"

namespace {
int fieldsRead = 0;
template <class Record> void readFields(const Record& r) {
    if (++fieldsRead > 4) return;
    for (int f = 1; f <= Record::kFields; ++f) {
        r.text(f);
        r.whole(f);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzsupport::makeProgramFolder();
    if (size < 1) return 0;
    const bool ships = data[0] % 2 == 0;
    const QString path = G().DataPath + (ships ? "\\ASSENavi.Dat" : "\\ASSEAerei.Dat");
    fuzzsupport::put(path, fuzzsupport::bytesOf(data + 1, size - 1));
    fieldsRead = 0;
    fuzzsupport::refusalsAllowed([&] {
        if (ships) {
            sidearchive::listShipArchive(path, [](const recordformat::ShipRecord& r) {
                readFields(r);
                sidearchive::PrintShipLine(r);
            });
        } else {
            sidearchive::listAircraftArchive(path, [](const recordformat::AircraftRecord& r) {
                readFields(r);
                sidearchive::PrintAircraftLine(r);
            });
        }
    });
    return 0;
}
