#include "MenuRules.h"

#include "common/BaseTable.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/RecordFiles.h"

int returnFormingGroupToPort(int side, int group, int base) {
    namespace f = recordformat::ship;
    Globals& g = G();
    if (base < 1 || base > kBases) return 0;
    int returned = 0;
    g.Files.close(kChannelShips);
    forEachShip(side, [&](int record) {
        ShipRecord& s = g.ShipRecordBuffer;
        if (s.whole(f::NUMERO_GN) == group && s.whole(f::PORTO) == 0) {
            s.setText(f::NUMERO_GN, QString());
            s.setNumber(f::PORTO, base);
            writeShip(kChannelShips, record);
            ++returned;
        }
        return true;
    });
    if (returned > 0) {
        g.BaseTable[base][BaseCol::ShipsPresent] += returned;
        SalvaDatiBasi();
    }
    return returned;
}
