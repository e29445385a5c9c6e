// The port passes of the hour: unloading, loading, refuelling and repair of the ships given a port
// task, paid for in the points of their port.
#include "HourPhases.h"

#include "common/BaseTable.h"
#include "common/DataFolder.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/PortWork.h"
#include "common/RecordFiles.h"

#include <algorithm>
#include <functional>

namespace F = recordformat::ship;

namespace {

constexpr int kRepair = 5;
constexpr int kLoading = 6;
constexpr int kUnloading = 7;
constexpr int kRefuelling = 8;

bool sideInPlay() {
    return G().CurrentSide == kAllies || G().CurrentSide == kAxis;
}

// The ship's port, 0 when at sea or when the field names no base.
int portOf(const ShipRecord& s) {
    const long long p = s.whole(F::PORTO);
    return p >= 1 && p <= kBases ? int(p) : 0;
}

void taskDone(ShipRecord& s) {
    s.setText(F::MISSIONE, QStringLiteral("1"));
}

// Unloading, loading and refuelling: the side's ships in order until `visit` ends the pass
// (false); the base table is saved after a pass that ran to its end. Opening the ships' channel
// closes what the base panel's lists left open on it.
void portPass(const std::function<bool(int record, ShipRecord& ship)>& visit) {
    if (!sideInPlay()) return;
    bool whole = true;
    forEachShip(G().CurrentSide, [&](int r) { return whole = visit(r, G().ShipRecordBuffer); });
    if (whole) SalvaDatiBasi();
}

// Loading and refuelling: fill the current field up to the nominal one from the port's points.
// A ship already full, or a port that yields no work, ends its task and the side's pass.
void fillPass(int mission, int nominalField, int currentField, int rateFactor) {
    Globals& g = G();
    portPass([&](int r, ShipRecord& s) {
        const int port = portOf(s);
        const long long available = availablePoints(port);
        if (s.whole(F::MISSIONE) != mission || available <= 0 || port <= 0) return true;
        const long long need = s.whole(nominalField) - s.whole(currentField);
        const long long rate = need < 1 ? 0 : rateFactor * portWorkRate(port);
        if (rate <= 0) {
            taskDone(s);
            writeShip(kChannelShips, r);
            // A full ship ends the pass with nothing saved; a port without work saves.
            if (need >= 1) SalvaDatiBasi();
            return false;
        }
        const long long moved = std::min({rate, need, available});
        s.setNumber(currentField, s.whole(currentField) + moved);
        g.BaseTable[port][BaseCol::PointsUsed] += moved;
        if (s.whole(currentField) >= s.whole(nominalField)) {
            s.setText(currentField, s.text(nominalField));
            taskDone(s);
        }
        writeShip(kChannelShips, r);
        return true;
    });
}

} // namespace

void FaseSCA() {
    Globals& g = G();
    portPass([&](int r, ShipRecord& s) {
        const int port = portOf(s);
        if (port <= 0 || s.whole(F::MISSIONE) != kUnloading) return true;
        long long cargo = s.whole(F::CARGOM);
        const bool tanker = s.stored(F::TIPO) == "PT";
        const long long operativity = s.whole(F::OPERATIVITAM);
        // A tanker unloads fuel only from an operativity of 40 up.
        long long fuel = tanker && operativity - 20 >= 20 ? operativity - 20 : 0;
        long long rate = portWorkRate(port);
        // A port without work stops the pass; the ship keeps its task and waits.
        if (rate <= 0) return false;
        if (fuel > 0) rate *= 2;
        const long long cargoMoved = std::clamp(cargo, 0LL, rate), fuelMoved = std::clamp(fuel, 0LL, rate);
        cargo -= cargoMoved;
        fuel -= fuelMoved;
        g.BaseTable[port][BaseCol::PointsArrived] += cargoMoved + fuelMoved;
        if (cargo + fuel <= 0) taskDone(s);
        s.setNumber(F::CARGOM, cargo);
        if (tanker && operativity > 20) s.setNumber(F::OPERATIVITAM, fuel + 20);
        writeShip(kChannelShips, r);
        return true;
    });
}

void FaseCAR() {
    fillPass(kLoading, F::CARGO, F::CARGOM, 1);
}

void FaseRIF() {
    fillPass(kRefuelling, F::OPERATIVITA, F::OPERATIVITAM, 2);
}

void FaseRIP() {
    Globals& g = G();
    if (!sideInPlay()) return;
    ShipRecord& s = g.ShipRecordBuffer;
    // Current value, its nominal, and the die before the port's level is taken off.
    struct Repaired {
        int current, nominal, sides;
    };
    constexpr Repaired kRepaired[] = {
        {F::RESISTENZAM, F::RESISTENZA, 20},
        {F::NODIM, F::NODI, 12},
        {F::AAMM, F::AAM, 12},
        {F::MAM, F::MA, 8},
        {F::D_TIROM, F::DIR_TIRO, 8},
        {F::C_A_INCENDIM, F::C_A_INCENDI, 8},
    };
    forEachShip(g.CurrentSide, [&](int r) {
        const int port = portOf(s);
        const long long available = availablePoints(port);
        const int level = g.BasePortLevel[port];
        // Rolled for every ship, in repair or not.
        const int test = rollDie(100) + 3 * level;
        if (available <= 50 || test >= 30 || s.whole(F::MISSIONE) != kRepair) return true;
        long long value[6];
        for (int k = 0; k < 6; ++k)
            value[k] = s.whole(kRepaired[k].current) + rollDie(std::max(1, kRepaired[k].sides - level));
        int atNominal = 0;
        for (int k = 0; k < 6; ++k) {
            const long long nominal = s.whole(kRepaired[k].nominal);
            // Only a value that went past its nominal counts as done this hour.
            if (value[k] > nominal) {
                value[k] = nominal;
                ++atNominal;
            }
            s.setNumber(kRepaired[k].current, value[k]);
        }
        if (atNominal == 6) taskDone(s);
        writeShip(kChannelShips, r);
        const int paid = rollDie(20);
        g.BaseTable[port][BaseCol::PointsUsed] += paid;
        g.BaseTable[port][BaseCol::RepairPoints] += paid;
        SalvaDatiBasi();
        return true;
    });
}
