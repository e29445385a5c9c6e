#include "PortOrders.h"

#include "common/DataFolder.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/RecordFiles.h"

#include <algorithm>

using platform::roundHalfEven;
namespace F = recordformat::ship;

bool readShipInPort(int side, int base, int record) {
    Globals& g = G();
    g.Files.close(kChannelShips);
    const int count = openShipFile(kChannelShips, side);
    if (record >= 1 && record <= count) {
        readShip(kChannelShips, record);
        const ShipRecord& s = g.ShipRecordBuffer;
        if (s.whole(F::PORTO) == base && s.whole(F::NUMERO_GN) == 0) return true;
    }
    g.Files.close(kChannelShips);
    return false;
}

void writeShipAndClose(int record) {
    writeShip(kChannelShips, record);
    G().Files.close(kChannelShips);
}

int portOrderHours(int work, int rate) {
    const int h = int(roundHalfEven(double(work) / std::max(1, rate)));
    if (work < h) return work;
    return std::max(1, h);
}

namespace {
bool isTanker(const ShipRecord& s) {
    return s.trimmed(F::TIPO) == QLatin1String("PT");
}

void setMission(ShipRecord& s, char code) {
    s.setText(F::MISSIONE, QString(QLatin1Char(code)));
}
} // namespace

PortOrderDecision decidePortOrder(PortOrder order, ShipRecord& s, int rate) {
    PortOrderDecision d;
    const double hold = s.number(F::CARGO), cargo = s.number(F::CARGOM);
    const double operativity = s.number(F::OPERATIVITA), current = s.number(F::OPERATIVITAM);
    switch (order) {
    case PortOrder::Load: {
        if (cargo == hold) return d;
        setMission(s, kPortLoad);
        const long long c = roundHalfEven(hold - cargo), o = roundHalfEven(operativity - current);
        const long long work = isTanker(s) ? roundHalfEven(double(o) / 100 * 95 / 3 + double(c)) : c;
        d.hours = portOrderHours(int(work), rate);
        break;
    }
    case PortOrder::Unload: {
        if (isTanker(s) ? cargo <= 0 && current <= 20 : cargo <= 0) return d;
        setMission(s, kPortUnload);
        const long long c = roundHalfEven(cargo), o = roundHalfEven(current);
        const long long work = isTanker(s) ? roundHalfEven(double(o) / 100 * 95 / 2 + double(c)) : c;
        d.hours = portOrderHours(int(work), rate);
        break;
    }
    case PortOrder::Refuel:
        if (operativity == current) return d;
        setMission(s, kPortRefuel);
        // The port refuels twice as fast as it loads.
        d.hours = portOrderHours(int(roundHalfEven(operativity - current)), 2 * rate);
        break;
    case PortOrder::Repair:
        if (s.number(F::RESISTENZA) / 2 > s.number(F::RESISTENZAM)) {
            d.tooDamaged = true;
            return d;
        }
        setMission(s, kPortRepair);
        break;
    case PortOrder::Cancel:
        setMission(s, kPortNoOrder);
        break;
    }
    d.given = true;
    return d;
}

DockyardRefusal dockyardRefusal(const ShipRecord& s, int base) {
    if (s.number(F::RESISTENZAM) == s.number(F::RESISTENZA)) return DockyardRefusal::NotDamaged;
    // Only TARANTO, NAPOLI, GIBILTERRA and ALESSANDRIA have a dockyard.
    if (base != 1 && base != 2 && base != 14 && base != 15) return DockyardRefusal::NotMainBase;
    return DockyardRefusal::None;
}

QString dockyardRefusalText(DockyardRefusal refusal) {
    switch (refusal) {
    case DockyardRefusal::NotDamaged:
        return QStringLiteral("Non ammesso, la nave non è danneggiata!");
    case DockyardRefusal::NotMainBase:
        return QStringLiteral("ATT: e' possibile solo nelle basi principali (TA/NA/AL/GI)");
    case DockyardRefusal::None:
        break;
    }
    return QString();
}

int sendToDockyard(ShipRecord& s) {
    for (int f : {F::STATUS, F::PORTO, F::NUMERO_GN, F::MISSIONE}) s.setText(f, QStringLiteral("0"));
    s.setText(F::NON_OP, QStringLiteral("9"));
    G().DiceSides = 50;
    const int days = TiraDado(G().DiceSides) + 22;
    s.setNumber(F::INCENDI_ATTIVI, days);
    return days;
}
