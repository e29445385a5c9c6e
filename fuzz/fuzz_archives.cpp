// The side archives of ships and aircraft, listed as the set-up program lists them and as the
// new-campaign wizard draws from them (every live record's fields read). The first byte picks
// the kind, the rest is the archive.
#include "FuzzSupport.h"

#include "setup/SideArchive.h"

namespace {
template <class Record> void readFields(const Record& r) {
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
