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

QString carrierLaunchRefusal(int side, const recordformat::ShipRecord& ship, int baseUnderGroup,
                             int weather) {
    if (!isCarrierType(ship.trimmed(F::TIPO))) return QStringLiteral("la nave non è una portaerei");
    if (side != kAllies) return QStringLiteral("solo le portaerei alleate lanciano aerei");
    if (field(ship, F::NON_OP) != 0) return QStringLiteral("portaerei non operativa");
    if (baseUnderGroup != 0) return QStringLiteral("il GN è in una base");
    const int group = field(ship, F::NUMERO_GN);
    if (group < 1 || group > kGroups) return QStringLiteral("la portaerei non è in un GN");
    if (G().GnTableAlle[group][GnCol::OffMap] != 0) return QStringLiteral("il GN è fuori mappa");
    if (weather >= kLaunchWeather)
        return QStringLiteral("maltempo (meteo %1, si lancia solo con meteo 0 o 1)").arg(weather);
    if (field(ship, F::MAM) <= 0) return QStringLiteral("MA a zero");
    if (field(ship, F::AEREIM) <= kLaunchAircraft)
        return QStringLiteral("%1 aerei a bordo, ne servono almeno 2").arg(field(ship, F::AEREIM));
    if (field(ship, F::NODIM) <= kLaunchKnots)
        return QStringLiteral("%1 nodi, ne servono almeno 16").arg(field(ship, F::NODIM));
    if (ship.trimmed(F::CodicePortaerei).isEmpty()) return QStringLiteral("nessuna linea di volo imbarcata");
    return QString();
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
