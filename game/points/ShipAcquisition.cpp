#include "ShipAcquisition.h"

#include "PointTransfers.h"
#include "common/BaseTable.h"
#include "common/DataFolder.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/NavalGroupValues.h"
#include "common/RecordFiles.h"

namespace acquisition {

namespace F = recordformat::ship;

const std::array<QString, kShipTypes> ShipTypeCodes = {"PA", "PL", "NB", "IB", "IP", "IL", "CT", "NM",
                                                       "SA", "SC", "NX", "AX", "PT", "MR", "NL"};

const NavalBase& navalBase(int side, int option) {
    static const NavalBase kBases[2][2] = {
        {{14, "Gibilterra", " (14)Gi"}, {15, "Alessandria(6nv)", " (15)Al"}},
        {{1, "Taranto", " (1)Ta"}, {2, "Napoli", " (2)Na"}},
    };
    return kBases[side == kAxis ? 1 : 0][option == 1 ? 1 : 0];
}

QString portOccupancy(int base) {
    return QString::number(G().BaseTable[base][BaseCol::ShipsPresent]) + "/" +
           QString::number(G().BaseShipCapacity[base]);
}

ShipTypeCounts countShipTypes(int side) {
    ShipTypeCounts counts;
    const auto countWhere = [side](auto test, std::array<int, kShipTypes>& into) {
        AzzeraContaTipi();
        forEachShip(side, [&](int) {
            if (test(G().ShipRecordBuffer.whole(F::STATUS))) NomeClasseNave();
            return true;
        });
        for (int t = 0; t < kShipTypes; ++t) into[t] = G().ShipTypeCounts[t + 1];
    };
    countWhere([](long long status) { return status == 1; }, counts.inUse);
    countWhere([](long long status) { return status < 1; }, counts.free);
    return counts;
}

RandomShipList drawRandomShipList(int side) {
    Globals& g = G();
    g.setState(StateItem::sideItem(side, StateItem::RandomListAlle), 1);
    SalvaDatiBasi();
    const int percent = g.GameSettings[side == kAxis ? 11 : 10];
    const int year = g.GameSettings[3];
    RandomShipList out;
    forEachShip(side, [&](int record) {
        g.DiceSides = 100;
        const int roll = TiraDado(g.DiceSides);
        const ShipRecord& s = g.ShipRecordBuffer;
        const bool free = s.whole(F::STATUS) < 1;
        if (free) ++out.freeShips;
        if (free && !s.isDeleted() && roll <= percent && s.whole(F::ANNODATI) <= year &&
            s.whole(F::NON_OP) == 0)
            out.ships.push_back({record, (s.text(F::TIPO) + "-" + s.text(F::NOME)).left(22)});
        return true;
    });
    SalvaDatiBasi();
    return out;
}

std::array<QString, 16> shipCard(int side, int record) {
    Globals& g = G();
    openShipFile(kChannelShips, side);
    readShip(kChannelShips, record);
    g.Files.close(kChannelShips);
    AzzeraContaTipi();
    // A code outside the list leaves the name as it was: no name then, not the last ship's.
    g.ShipTypeName.clear();
    NomeClasseNave();
    const ShipRecord& s = g.ShipRecordBuffer;
    std::array<QString, 16> card;
    const int fields[16] = {F::CLASSE,      0,           F::NAZIONE, F::STAZZA,     F::ANNODATI,    F::NODI,
                            F::OPERATIVITA, F::DIR_TIRO, F::CARGO,   F::RESISTENZA, F::C_A_INCENDI, F::AEREI,
                            F::RADAR,       F::COSTO,    F::AAC,     F::AAM};
    for (int i = 0; i < 16; ++i) card[i] = fields[i] ? s.trimmed(fields[i]) : g.ShipTypeName.trimmed();
    return card;
}

std::vector<QString> portShips(int side, int base) {
    std::vector<QString> ships;
    forEachShip(side, [&](int) {
        const ShipRecord& s = G().ShipRecordBuffer;
        if (s.whole(F::PORTO) == base) ships.push_back(s.text(F::TIPO) + "-" + s.text(F::NOME).left(16));
        return true;
    });
    return ships;
}

ShipPurchase buyShip(int side, const NavalBase& base, int record) {
    Globals& g = G();
    openShipFile(kChannelShips, side);
    readShip(kChannelShips, record);
    ShipRecord& s = g.ShipRecordBuffer;
    const long long cost = s.whole(F::COSTO);
    const long long left = points::acquisitionPointsLeft(side);
    QString refusal;
    if (left < cost)
        refusal = QStringLiteral("Punti insufficienti: la nave costa %1, ne restano %2").arg(cost).arg(left);
    else if (s.whole(F::STATUS) >= 1)
        refusal = QStringLiteral("La nave è già in servizio");
    else if (g.BaseTable[base.base][BaseCol::ShipsPresent] + 1 > g.BaseShipCapacity[base.base])
        refusal =
            QStringLiteral("%1 è al completo: %2 navi").arg(g.BaseNames[base.base], portOccupancy(base.base));
    if (!refusal.isEmpty()) {
        g.Files.close(kChannelShips);
        return {refusal, {}};
    }
    const QString line = (s.text(F::TIPO) + "-" + s.text(F::NOME)).left(12) + " " + base.shortLabel;
    s.setNumber(F::STATUS, 1);
    s.setNumber(F::MISSIONE, 1);
    s.setNumber(F::PORTO, base.base);
    s.setNumber(F::OPERATIVITAM, s.whole(F::OPERATIVITA));
    s.setNumber(F::CARGOM, s.whole(F::CARGO));
    writeShip(kChannelShips, record);
    g.Files.close(kChannelShips);
    const int used = StateItem::sideItem(side, StateItem::AcquisitionUsedAlle);
    g.setState(used, g.state(used) + cost);
    g.BaseTable[base.base][BaseCol::ShipsPresent] += 1;
    SalvaDatiBasi();
    return {{}, line};
}

} // namespace acquisition
