// The card files the programs read: a ship card, a ship-name list and an aircraft card. The first
// byte picks the reader, the rest is the file.
#include "FuzzSupport.h"

#include "cards/format/AircraftCard.h"
#include "cards/format/ShipCard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzsupport::makeProgramFolder();
    if (size < 1) return 0;
    const QString path = G().DataPath + "\\fuzzcard";
    fuzzsupport::put(path, fuzzsupport::bytesOf(data + 1, size - 1));
    fuzzsupport::refusalsAllowed([&] {
        switch (data[0] % 3) {
        case 0: {
            const ShipValues v = readShipCard(path);
            shipCardFileName(v[kCardClass], v[kCardType], v[kCardDataYear]);
            break;
        }
        case 1:
            readShipNameList(path);
            break;
        default: {
            const aircraftcard::AircraftData a = aircraftcard::readCard(path);
            a.nationCode();
            break;
        }
        }
    });
    return 0;
}
