#include "Objectives.h"

#include "PointTransfers.h"
#include "common/Globals.h"

namespace objectives {

namespace F = recordformat::ship;

namespace {

constexpr int kTripoli = 7;
constexpr int kBengasi = 8;
constexpr int kTobruck = 9;

// The objective each side wins by forcing an enemy base below its target.
int forcingObjective(int side) {
    return side == kAxis ? 2 : 3;
}

QString basePoints(int base) {
    return QString::number(points::baseCommandPoints(base));
}

double stateNumber(int item) {
    return platform::leadingNumber(G().GameState[item]);
}

} // namespace

Standing sideStanding(int side) {
    using namespace StateItem;
    const Globals& g = G();
    const auto setting = [&](int item) { return QString::number(g.GameSettings[item]); };
    const auto item = [&](int alliedItem) { return g.GameState[sideItem(side, alliedItem)]; };
    Standing s;
    if (side == kAxis) {
        const long long sunk =
            platform::roundHalfEven(stateNumber(MerchantTonsAlle) + stateNumber(WarshipTonsAlle));
        s.objectives = {
            {{"Tenere Tobruck e Bengasi a PC", setting(25),
              QString::number(points::baseCommandPoints(kTobruck) + points::baseCommandPoints(kBengasi))},
             {"Tenere    Tripoli a PC", setting(26), basePoints(kTripoli)},
             {"Costringere  MaltaHQ a PC", setting(27), basePoints(points::kMaltaHq)},
             {"Ton. di Naviglio Nem. Affondato", setting(28), QString::number(sunk)}}};
    } else {
        s.objectives = {{{"Ton. navi mercantili nemiche aff.", setting(21), g.GameState[MerchantTonsAsse]},
                         {"Ton. navi militari nemiche affondate.", setting(22), g.GameState[WarshipTonsAsse]},
                         {"Tenere MaltaHQ a PC", setting(23), basePoints(points::kMaltaHq)},
                         {"Costringere Tobruck a PC", setting(24), basePoints(kTobruck)}}};
    }
    const double used = stateNumber(sideItem(side, AcquisitionUsedAlle));
    const double airLost = stateNumber(sideItem(side, AirPointsLostAlle));
    s.scores = {item(AcquisitionUsedAlle), item(AirPointsLostAlle),
                item(WarshipTonsAlle),     item(MerchantTonsAlle),
                item(LossTotalAlle),       QString::number(platform::intPart(used * airLost / 1000))};
    return s;
}

bool objectiveMet(int side, int index, const QString& target, const QString& present) {
    const double t = platform::leadingNumber(target), p = platform::leadingNumber(present);
    return index == forcingObjective(side) ? t > p : t <= p;
}

QString lostShipLine(const ShipRecord& ship) {
    static const char* const kCauses[7] = {"", "", "AUTOAFF", "AFF/AZI", "AFF/MIN", "AFF/ATM", ""};
    const long long cause = ship.whole(F::NON_OP);
    if (ship.whole(F::STATUS) != 3 || cause <= 1 || cause >= 7) return {};
    return (ship.text(F::TIPO) + "_" + ship.text(F::NOME).left(15)).leftJustified(19) + kCauses[cause];
}

std::vector<QString> lostShipLines(int side) {
    std::vector<QString> lines;
    forEachShip(side, [&](int) {
        const QString line = lostShipLine(G().ShipRecordBuffer);
        if (!line.isEmpty()) lines.push_back(line);
        return true;
    });
    return lines;
}

} // namespace objectives
