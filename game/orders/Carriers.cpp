#include "Carriers.h"

#include "common/Globals.h"

namespace F = recordformat::ship;

namespace {
// Carriers launch only in weather below this, faster than this many knots, with more aircraft on
// board than this.
constexpr int kLaunchWeather = 2;
constexpr int kLaunchKnots = 15;
constexpr int kLaunchAircraft = 1;

int field(const recordformat::ShipRecord& ship, int f) {
    return int(ship.whole(f));
}
} // namespace

void writeCarrierData(int side, int record, const recordformat::ShipRecord& ship, int weather) {
    if (side != kAllies) return;
    Globals& g = G();
    Int32* c = g.OperationContext;
    g.OperationTexts[1] = ship.trimmed(F::NOME);
    g.OperationTexts[2] = ship.trimmed(F::CodicePortaerei);
    const int group = field(ship, F::NUMERO_GN);
    c[1] = record;
    c[2] = group;
    c[3] = field(ship, F::INCENDI_ATTIVI);
    c[4] = field(ship, F::AEREIM);
    c[5] = field(ship, F::MAM);
    c[6] = field(ship, F::OPERATIVITAM);
    c[7] = field(ship, F::NODIM);
    c[8] = field(ship, F::NON_OP);
    // A carrier that names no naval group is not at sea with one, and cannot launch.
    const bool inGroup = group >= 1 && group <= kGroups;
    c[16] = inGroup ? int(g.GnTableAlle[group][GnCol::OffMap]) : 0;
    const bool mayLaunch = inGroup && weather < kLaunchWeather && c[8] == 0 && c[5] > 0 &&
                           c[4] > kLaunchAircraft && c[7] > kLaunchKnots && c[16] == 0;
    if (mayLaunch) c[15] = 1;
}

int moveCarrierAirGroups(int side, int from, int to, int carrier) {
    if (side != kAllies || from < 1 || to < 1 || to > kGroups) return 0;
    int moved = 0;
    for (int n = 1; n <= kGroups; ++n) {
        Int16* r = G().GaTableAlle[n];
        if (r[GaCol::InUse] != 1 || r[GaCol::CarrierGn] != from) continue;
        // A group that holds two carriers keeps the air groups of the one that stays.
        if (carrier > 0 && r[GaCol::CarrierNumber] != carrier) continue;
        r[GaCol::CarrierGn] = to;
        ++moved;
    }
    return moved;
}

int recallCarrierAirGroups(int side, int carrier) {
    if (side != kAllies || carrier < 1) return 0;
    int recalled = 0;
    for (int n = 1; n <= kGroups; ++n) {
        Int16* r = G().GaTableAlle[n];
        if (r[GaCol::CarrierNumber] != carrier) continue;
        r[GaCol::Order] = kOrderReturn;
        ++recalled;
    }
    return recalled;
}
