#include "PortGroups.h"

#include "PortOrders.h"
#include "common/BaseTable.h"
#include "common/CampaignChecks.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "common/NavalGroupValues.h"
#include "common/RecordFiles.h"
#include "game/main/BasePanel.h"
#include "game/main/MapRules.h"
#include "game/orders/NavalOrders.h"

#include <algorithm>

namespace F = recordformat::ship;

namespace {
bool validGroup(int group) {
    return group >= 1 && group <= kGroups;
}

bool groupRowInUse(int side, int group) {
    return validGroup(group) && G().gnTable(side)[group][GnCol::InUse] > 0;
}

void countShipsPresent(int base, int delta) {
    Int32& present = G().BaseTable[base][BaseCol::ShipsPresent];
    present = std::max<Int32>(0, present + delta);
}

bool isCarrier(const ShipRecord& s) {
    return isCarrierType(s.trimmed(F::TIPO));
}
} // namespace

bool dockableBase(int side, int base) {
    return sidePort(side, base);
}

void markFormingBase(int side, int group, int base) {
    if (!validGroup(group) || groupRowInUse(side, group)) return;
    G().gnTable(side)[group][GnCol::Port] = base;
    SalvaTabelleGruppi();
}

bool moveIntoFormingGroup(int side, int base, int record, int group) {
    Globals& g = G();
    if (!validGroup(group) || groupRowInUse(side, group) || !readShipInPort(side, base, record)) return false;
    ShipRecord& s = g.ShipRecordBuffer;
    // A ship busy in port (repair, cargo, fuel, assistance) stays there.
    if (s.whole(F::MISSIONE) > 1) {
        g.Files.close(kChannelShips);
        return false;
    }
    s.setNumber(F::NUMERO_GN, group);
    s.setText(F::PORTO, QString());
    g.NewGroupAircraft += s.whole(F::AEREIM);
    writeShipAndClose(record);
    ContaNaviPerClasse();
    countShipsPresent(base, -1);
    SalvaDatiBasi();
    return true;
}

bool returnFromFormingGroup(int side, int base, int record, int group) {
    Globals& g = G();
    if (!validGroup(group) || groupRowInUse(side, group)) return false;
    g.Files.close(kChannelShips);
    const int count = openShipFile(kChannelShips, side);
    ShipRecord& s = g.ShipRecordBuffer;
    if (record < 1 || record > count) {
        g.Files.close(kChannelShips);
        return false;
    }
    readShip(kChannelShips, record);
    if (s.whole(F::NUMERO_GN) != group || s.whole(F::PORTO) != 0) {
        g.Files.close(kChannelShips);
        return false;
    }
    s.setText(F::NUMERO_GN, QString());
    s.setNumber(F::PORTO, base);
    g.NewGroupAircraft -= s.whole(F::AEREIM);
    writeShipAndClose(record);
    TogliNaveDaClasse();
    countShipsPresent(base, +1);
    SalvaDatiBasi();
    return true;
}

int writeDepartingGroup(int side, int base, int group, int ships, int aircraft) {
    Globals& g = G();
    Int16* r = g.gnTable(side)[group];
    r[GnCol::InUse] = 1;
    r[GnCol::Ships] = ships;
    r[GnCol::Order] = kNavalTransit;
    r[GnCol::CapAircraft] = aircraft;
    r[GnCol::CapLevel] = 0;
    r[GnCol::Side] = side;
    r[GnCol::UnderWay] = 0;
    r[GnCol::InFriendlyPort] = 1;
    r[GnCol::Port] = base;
    const bool offMapBase = base > 13;
    r[GnCol::X] = offMapBase ? 0 : int(g.BaseMapXY[base][1]);
    r[GnCol::Y] = offMapBase ? 0 : int(g.BaseMapXY[base][2]);
    int offMap = 0;
    if (side == kAllies && base == kGibraltarBase) offMap = 1;
    if (side == kAllies && base == kAlexandriaBase) offMap = 2;
    if (offMap > 0) {
        r[GnCol::OffMapDistance] = offMap == 1 ? kGibraltarDistance : kAlexandriaDistance;
        r[GnCol::OffMap] = offMap;
    }
    return offMap;
}

DockOutcome dockShip(int side, int group, int record, int base) {
    Globals& g = G();
    DockOutcome out;
    if (!dockableBase(side, base) || g.BaseTable[base][BaseCol::ShipsPresent] >= g.BaseShipCapacity[base])
        return out;
    g.Files.close(kChannelShips);
    const int count = openShipFile(kChannelShips, side);
    ShipRecord& s = g.ShipRecordBuffer;
    out.result = DockResult::NotInGroup;
    if (record >= 1 && record <= count) readShip(kChannelShips, record);
    if (record < 1 || record > count || !validGroup(group) || s.whole(F::NUMERO_GN) != group) {
        g.Files.close(kChannelShips);
        return out;
    }
    out.result = DockResult::Docked;
    out.carrier = isCarrier(s);
    out.aircraft = int(s.whole(F::AEREIM));
    s.setText(F::MISSIONE, QString(QLatin1Char(kPortNoOrder)));
    const long long operativity = s.whole(F::OPERATIVITAM);
    if (operativity > 1) s.setNumber(F::OPERATIVITAM, operativity - 1);
    s.setNumber(F::PORTO, base);
    s.setNumber(F::NUMERO_GN, 0);
    s.setText(F::INCENDI_ATTIVI, QStringLiteral("0"));
    s.setNumber(F::Assistenza, 0);
    s.setNumber(F::NON_OP, 0);
    writeShipAndClose(record);
    countShipsPresent(base, +1);
    SalvaDatiBasi();
    return out;
}

std::vector<ReturnedShip> returnStrandedShips() {
    Globals& g = G();
    std::vector<ReturnedShip> returned;
    for (int side : {kAllies, kAxis}) {
        const GroupTable& table = g.gnTable(side);
        forEachShip(side, [&](int record) {
            ShipRecord& s = g.ShipRecordBuffer;
            const int group = int(s.whole(F::NUMERO_GN));
            const long long status = s.whole(F::STATUS);
            if (s.isDeleted() || (status != 1 && status != 2) || !formingInPort(side, group)) return true;
            const int port = table[group][GnCol::Port];
            s.setText(F::NUMERO_GN, QString());
            s.setNumber(F::PORTO, port);
            writeShip(kChannelShips, record);
            countShipsPresent(port, +1);
            returned.push_back({side, record, group, port, s.trimmed(F::NOME)});
            return true;
        });
    }
    if (!returned.empty()) SalvaDatiBasi();
    return returned;
}

QString returnedShipsText(std::vector<ReturnedShip> ships) {
    const Globals& g = G();
    std::stable_sort(ships.begin(), ships.end(), [](const ReturnedShip& a, const ReturnedShip& b) {
        return std::pair(a.side, a.group) < std::pair(b.side, b.group);
    });
    QString text;
    for (std::size_t i = 0; i < ships.size();) {
        const ReturnedShip& first = ships[i];
        QStringList names;
        for (; i < ships.size() && ships[i].side == first.side && ships[i].group == first.group; ++i)
            names << ships[i].name;
        const QString back = names.size() == 1
                                 ? QStringLiteral("la sua nave è tornata")
                                 : QStringLiteral("le sue %1 navi sono tornate").arg(names.size());
        text += QStringLiteral(
                    "Il gruppo navale %1 (%2), in formazione a %3, non era partito: %4 in porto (%5).\n")
                    .arg(first.group)
                    .arg(first.side == kAxis ? QStringLiteral("ASSE") : QStringLiteral("ALLEATI"))
                    .arg(g.BaseNames[first.port], back, names.join(QStringLiteral(", ")));
    }
    return text.trimmed();
}
