#include "ShipTools.h"

#include "common/BaseTable.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/NavalGroupValues.h"
#include "common/RecordFiles.h"
#include "common/SaveBatch.h"
#include "common/ShipDamage.h"
#include "common/TableColumns.h"

#include <optional>

namespace shiptools {

namespace F = recordformat::ship;
using namespace StateItem;

namespace {
constexpr int kLostStatus = 3;
constexpr int kScuttledMark = 2;

void addToState(int alliedItem, long long amount) {
    Globals& g = G();
    const int item = sideItem(g.CurrentSide, alliedItem);
    g.setState(item, g.state(item) + amount);
}
} // namespace

Scuttled scuttleShip(int record, int gn) {
    Globals& g = G();
    Scuttled out;
    const int side = g.CurrentSide;
    if ((side != kAllies && side != kAxis) || gn < 1 || gn > kGroups || record < 1) return out;
    const int count = openShipFile(kChannelShips, side);
    if (record > count) {
        g.Files.close(kChannelShips);
        return out;
    }
    readShip(kChannelShips, record);
    ShipRecord& ship = g.ShipRecordBuffer;
    // A ship already lost, or one that left the group meanwhile, is not scuttled again.
    if (ship.whole(F::NUMERO_GN) != gn || ship.whole(F::STATUS) == kLostStatus) {
        g.Files.close(kChannelShips);
        return out;
    }
    out.lossValue = static_cast<long long>(ship.number(F::OPERATIVITAM) + ship.number(F::CARGOM));
    out.lostTonnage = ship.whole(F::STAZZA) * 2 / 3;
    const bool warship = shipClassOf(ship.text(F::TIPO)) == 1;
    ship.setText(F::NON_OP, QString::number(kScuttledMark));
    ship.setText(F::NUMERO_GN, QString());
    ship.setText(F::STATUS, QString::number(kLostStatus));
    writeShip(kChannelShips, record);
    out.done = true;

    // The group's recomputation saves the tables too: one save of each file for the whole scuttle.
    std::optional<SaveBatch> saves;
    if (!g.SaveBatchOpen) saves.emplace();
    Int16* row = g.gnTable(side)[gn];
    g.CountedGn = gn;
    LeggiClassiGN();
    TogliNaveDaClasse();
    ScriviClassiGN();
    row[GnCol::Ships] -= 1;
    if (row[GnCol::Ships] != 0) {
        g.SelectedGn = 1;
        g.DepartingGn = gn;
        RicalcolaGN();
    } else {
        addToState(NavalMovesAlle, row[GnCol::HoursUnderWay]);
        for (int c = 1; c <= kGroupColumns; ++c) row[c] = 0;
        out.groupFreed = true;
    }
    addToState(ShipsLostAlle, 1);
    addToState(LossTotalAlle, out.lossValue);
    addToState(warship ? WarshipTonsAlle : MerchantTonsAlle, out.lostTonnage);
    g.SelectedGn = 0;
    SalvaDatiBasi();
    SalvaTabelleGruppi();
    if (saves) saves->commit();
    g.Files.close(kChannelShips);
    return out;
}

bool mayAssist(const recordformat::ShipRecord& ship) {
    const auto half = [&](int current, int nominal) {
        return 2 * ship.number(current) >= ship.number(nominal);
    };
    return half(F::RESISTENZAM, F::RESISTENZA) && half(F::NODIM, F::NODI) &&
           half(F::OPERATIVITAM, F::OPERATIVITA) && ship.number(F::INCENDI_ATTIVI) <= 0;
}

Assistance toggleAssistance(int record) {
    Globals& g = G();
    const int count = openShipFile(kChannelShips, g.CurrentSide);
    if (record < 1 || record > count) {
        g.Files.close(kChannelShips);
        return Assistance::Refused;
    }
    readShip(kChannelShips, record);
    ShipRecord& ship = g.ShipRecordBuffer;
    Assistance result = Assistance::Refused;
    if (mayAssist(ship)) result = ship.number(F::Assistenza) == 0 ? Assistance::Started : Assistance::Stopped;
    ship.setText(F::Assistenza, result == Assistance::Started ? QStringLiteral("1") : QStringLiteral("0"));
    writeShip(kChannelShips, record);
    g.Files.close(kChannelShips);
    return result;
}

} // namespace shiptools
