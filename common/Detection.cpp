#include "Detection.h"

#include "ContactFiles.h"
#include "Dice.h"
#include "Globals.h"
#include "GroupTables.h"
#include "RangeRules.h"

#include <cstdlib>

namespace {

// One side's naval group of a detection and the values it fills.
struct Party {
    int side;
    Int16 Globals::*group;
    Int16 Globals::*other; // the opposite side's group
    Int16 Globals::*sight;
    Int16 Globals::*evasion;
    Int16 Globals::*die;
};
constexpr Party kAxisParty{kAxis,
                           &Globals::EncounterGnAsse,
                           &Globals::EncounterGnAlle,
                           &Globals::SightValueAsse,
                           &Globals::EvasionValueAsse,
                           &Globals::SightDieAsse};
constexpr Party kAlliedParty{kAllies,
                             &Globals::EncounterGnAlle,
                             &Globals::EncounterGnAsse,
                             &Globals::SightValueAlle,
                             &Globals::EvasionValueAlle,
                             &Globals::SightDieAlle};

Int16* groupRow(int side, int group) {
    if (group < 0 || group > kGroups)
        throw platform::RangeError(
            QStringLiteral("Gruppo navale %1 fuori dalla tabella (1..%2)").arg(group).arg(kGroups));
    return G().gnTable(side)[group];
}

int baseLookout(int base) {
    if (base < 0 || base > kBases)
        throw platform::RangeError(
            QStringLiteral("Base %1 fuori dalla tabella (1..%2)").arg(base).arg(kBases));
    return G().BaseTable[base][BaseCol::SightingValue];
}

void modifiersOf(const Party& p) {
    Globals& g = G();
    const Int16* r = groupRow(p.side, g.*p.group);
    auto& m = g.DetectionModifiers;
    if (r[GnCol::Periscope] == 1) {
        m.periscope = 3;
        m.periscopeSight = -1;
    }
    if (r[GnCol::Ships] == 1)
        m.singleShip = 1;
    else if (r[GnCol::Ships] > 9)
        m.largeGroup = -1;
    if (r[GnCol::Fires] > 1) m.fires = -1;
    if (r[GnCol::Seen] > 0) m.alreadySeen = -1;
    if (r[GnCol::BusyShips] > 0) m.busy = -1;
    m.weather = g.WeatherSeverity;
    if (r[GnCol::Order] == kNavalAmbush)
        m.ambush = r[GnCol::Destroyers] >= 1 && g.ContactDistance <= 80 ? 4 : 1;
    int band = aircraftBand(r[GnCol::CapAircraft]);
    if (g.DayFlag == 0) {
        band -= 2;
        m.night = -2;
    }
    if (g.WeatherSeverity == 2) band -= 2;
    if (g.WeatherSeverity == 3) band -= 4;
    m.aircraftBand = band < 0 ? 0 : band;
    if (r[GnCol::TargetGn] == g.*p.other) m.target = 2;
    if (r[GnCol::RadarShips] > 0) m.radar = 1;
    m.distance = distanceModifier(g.ContactDistance);

    const int evasion =
        m.periscope + m.singleShip + m.largeGroup + m.fires + m.busy + m.alreadySeen + m.weather + m.distance;
    const int sight =
        m.aircraftBand + m.periscopeSight + m.target + m.night + m.radar + m.ambush + g.EncounterCapLevel;
    g.*p.die = rollDie(8);
    g.*p.evasion = evasion + g.*p.die + r[GnCol::Type];
    g.*p.sight = sight + g.*p.die + r[GnCol::Type];
}

// A base of the looking side against the other side's group p, ActivityKind `kind` when it sees.
void baseSighting(const Party& looking, const Party& seen, Int16 Globals::*base, int kind) {
    Globals& g = G();
    g.ActivityKind = 0;
    g.*looking.die = rollDie(7);
    g.*looking.sight = baseLookout(g.*base) + g.*looking.die;
    AzzeraModificatori();
    modifiersOf(seen);
    const int margin = g.*looking.sight - g.*seen.evasion;
    if (std::abs(margin) <= 1) {
        g.ActivityKind = kind;
        ScriviAttivita();
    } else if (margin >= 2) {
        g.ActivityKind = kind;
        ScriviAttivita();
        ScriviContattoGN();
    }
    SalvaTabelleGruppi();
}

// A reconnaissance air group of the side `looking` over the group of `seen`.
bool reconSighting(const Party& looking, const Party& seen, int kind) {
    Globals& g = G();
    const int r = rollDie(8);
    modifiersOf(seen);
    g.*looking.sight = r + g.ReconSightValue;
    g.*looking.evasion = r + g.ReconSightValue;
    if (g.AirOrder == kOrderPatrol || g.AirOrder == kOrderRecon) g.*looking.sight += 1;
    if (!(g.*seen.evasion < g.*looking.sight)) return false;
    g.ActivityKind = kind;
    groupRow(seen.side, g.*seen.group)[GnCol::Seen] = 3;
    ScriviAttivita();
    ScriviContattoRicognizione();
    return true;
}

} // namespace

int aircraftBand(int aircraft) {
    if (aircraft >= 1 && aircraft <= 3) return 1;
    if (aircraft >= 4 && aircraft <= 12) return 2;
    if (aircraft >= 13 && aircraft <= 32) return 3;
    if (aircraft >= 33 && aircraft <= 62) return 4;
    if (aircraft >= 63 && aircraft <= 1000) return 6;
    return 0;
}

int distanceModifier(int distance) {
    if (distance >= 0 && distance <= 60) return -2;
    if (distance >= 61 && distance <= 120) return 1;
    if (distance >= 121 && distance <= 220) return 2;
    if (distance >= 221 && distance <= 360) return 4;
    return 8;
}

void AzzeraModificatori() {
    G().DetectionModifiers = {};
}

void ModificatoriAvvistamento() {
    modifiersOf(kAxisParty);
}

void ModificatoriAvvistamentoAlle() {
    modifiersOf(kAlliedParty);
}

void IncontroGN() {
    Globals& g = G();
    g.SightDieAlle = 0;
    g.SightDieAsse = 0;
    g.ActivityKind = 0;
    AzzeraModificatori();
    ModificatoriAvvistamentoAlle();
    AzzeraModificatori();
    ModificatoriAvvistamento();
    const int allied = g.SightValueAlle - g.EvasionValueAsse; // the Allies see the Axis group
    const int axis = g.SightValueAsse - g.EvasionValueAlle;
    if (std::abs(axis) <= 1 || std::abs(allied) <= 1 || allied > 0 || axis > 0) {
        g.ActivityKind = kActNavalMeeting;
        ScriviAttivita();
    }
    if (allied > 0) {
        groupRow(kAxis, g.EncounterGnAsse)[GnCol::Seen] = 2;
        ScriviContattoGN();
    } else if (axis > 0) {
        groupRow(kAllies, g.EncounterGnAlle)[GnCol::Seen] = 2;
        ScriviContattoGN();
    }
    SalvaTabelleGruppi();
}

void AvvistamentoBaseAlle() {
    baseSighting(kAlliedParty, kAxisParty, &Globals::SightingBaseAlle, kActAlliedBaseSights);
}

void AvvistamentoBaseAsse() {
    baseSighting(kAxisParty, kAlliedParty, &Globals::SightingBaseAsse, kActAxisBaseSights);
}

void AvvistamentoRicognitore() {
    Globals& g = G();
    AzzeraModificatori();
    g.SightValueAlle = 0;
    g.SightValueAsse = 0;
    g.EvasionValueAlle = 0;
    g.EvasionValueAsse = 0;
    bool seen = false;
    if (g.CurrentSide == kAllies)
        seen = reconSighting(kAlliedParty, kAxisParty, kActAlliedAirOnShips);
    else if (g.CurrentSide == kAxis)
        seen = reconSighting(kAxisParty, kAlliedParty, kActAxisAirOnShips);
    if (!seen) {
        g.ActivityKind = kActNothingFound;
        ScriviAttivita();
    }
    SalvaTabelleGruppi();
    g.ActivityKind = 0;
}

QList<NearbyGroupLine> nearbyGroupLines() {
    Globals& g = G();
    QList<NearbyGroupLine> lines;
    const int side = g.CurrentSide;
    if (side != kAllies && side != kAxis) return lines;
    const Int16* open = groupRow(side, g.SelectedGn);
    if (side == kAllies && open[GnCol::OffMap] != 0) return lines;
    const GroupTable& t = g.gnTable(side);
    for (int n = 1; n <= kGroups; ++n) {
        int d = DistanzaPunti(open[GnCol::X], open[GnCol::Y], t[n][GnCol::X], t[n][GnCol::Y]);
        if (n == g.SelectedGn) d = 1000;
        g.ContactDistance = d;
        if (d >= 101) continue;
        using platform::numberTextWithSign;
        lines.append({QStringLiteral("(GN%1) * Nv%2   OpM:%3   IncAtt:%4")
                          .arg(numberTextWithSign(n), numberTextWithSign(t[n][GnCol::Ships]),
                               numberTextWithSign(t[n][GnCol::MinOperativity]),
                               numberTextWithSign(t[n][GnCol::Fires])),
                      n});
    }
    return lines;
}
