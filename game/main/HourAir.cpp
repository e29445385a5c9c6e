// The air passes of the hourly step: landing of the groups ordered home ("GAx"), weather, night and
// fatigue returns ("GA1"), movement in flight, combat air patrol and reconnaissance ("CAP"),
// bombers over their targets ("BBA") and the naval bombardment contacts ("BBN").
#include "HourPhases.h"
#include "common/AirGroups.h"
#include "common/BaseTable.h"
#include "common/ContactFiles.h"
#include "common/DataFolder.h"
#include "common/Detection.h"
#include "common/Dice.h"
#include "common/GroupTables.h"
#include "common/MapRoutines.h"
#include "common/Messages.h"
#include "common/RangeRules.h"
#include "common/RecordFiles.h"

#include <QSet>

using platform::intPart;
using recordformat::aircraft::InVolo;
using recordformat::aircraft::Persi;
using recordformat::aircraft::Pronti;

namespace {

// The aircraft file of a landing group is read and rewritten on the channel the air panel keeps
// its base's aircraft file on; the step closes every channel when it saves the tables anyway.
constexpr int kChannelAircraft = 1;

bool sideInPlay(int side) {
    return side == kAllies || side == kAxis;
}

// The aircraft file a group flew from: its carrier's for an Allied carrier group, else its base's
// (SelectedBase := that base).
QString landingFile(int side, int group) {
    Globals& g = G();
    const Int16* r = g.gaTable(side)[group];
    if (side == kAllies && r[GaCol::CarrierGroup] == 1)
        return carrierAircraftFilePath(g.gaNames(side)[group][2]);
    g.SelectedBase = r[GaCol::OriginBase];
    return baseAircraftFilePath(r[GaCol::OriginBase]);
}

// Opens a record file for a record that must be there; nothing is created or changed otherwise.
void openForRecord(int channel, const QString& path, int record, int side, bool ships) {
    const QString what = ships ? QStringLiteral("la nave") : QStringLiteral("la riga di aerei");
    if (!platform::fileExists(path))
        throw platform::FileError(
            QStringLiteral("Manca il file %1, che deve contenere %2 %3").arg(path, what).arg(record), path);
    const int count = ships ? openShipFile(channel, side) : openAircraftFile(channel, path, side);
    if (record < 1 || record > count) {
        G().Files.close(channel);
        throw platform::FileError(QStringLiteral("Il file %1 non contiene %2 %3").arg(path, what).arg(record),
                                  path);
    }
}

// Lands group `group` of `side`: the losses among its damaged aircraft, the survivors back into
// its aircraft line, the losses in points and in the base table (or the carrier's record), the
// row dissolved. Adds the base it landed at to `bases`.
void landAirGroup(int side, int group, QSet<int>& bases) {
    Globals& g = G();
    Int16* r = g.gaTable(side)[group];
    const QString path = landingFile(side, group);
    const bool carrier = side == kAllies && r[GaCol::CarrierGroup] == 1;
    openForRecord(kChannelAircraft, path, r[GaCol::AircraftRecord], side, false);
    if (carrier) {
        try {
            openForRecord(kChannelShips, shipFilePath(kAllies), r[GaCol::CarrierNumber], kAllies, true);
        } catch (...) {
            g.Files.close(kChannelAircraft);
            throw;
        }
    }
    const long long total = r[GaCol::Aircraft], cost = r[GaCol::AircraftCost];
    long long lost = r[GaCol::ShotDown];
    for (int i = 0; i < r[GaCol::Damaged]; ++i)
        if (rollDie(100) < 50) ++lost;

    AircraftRecord a = readAircraft(kChannelAircraft, r[GaCol::AircraftRecord]);
    a.setNumberWithSign(Pronti, total - lost + a.whole(Pronti));
    a.setNumberWithSign(InVolo, a.whole(InVolo) - total);
    a.setNumber(Persi, a.whole(Persi) + lost);
    writeAircraft(kChannelAircraft, r[GaCol::AircraftRecord], a);
    g.Files.close(kChannelAircraft);

    const int pointsItem = StateItem::sideItem(side, StateItem::AirPointsLostAlle);
    g.setState(pointsItem, g.state(pointsItem) + cost * lost);
    if (carrier) {
        readShip(kChannelShips, r[GaCol::CarrierNumber]);
        ShipRecord& s = g.ShipRecordBuffer;
        s.setNumberWithSign(recordformat::ship::AEREIM, s.whole(recordformat::ship::AEREIM) - lost);
        writeShip(kChannelShips, r[GaCol::CarrierNumber]);
        g.Files.close(kChannelShips);
    } else if (g.SelectedBase >= 1 && g.SelectedBase <= kBases) {
        Int32* b = g.BaseTable[g.SelectedBase];
        b[BaseCol::AircraftInFlight] -= total;
        b[BaseCol::AircraftPresent] += total - lost;
        b[BaseCol::AircraftLostValue] += cost * lost;
        bases.insert(g.SelectedBase);
    }
    for (int c = 1; c <= kGroupColumns; ++c) r[c] = 0;
    for (int i = 1; i <= 3; ++i) g.gaNames(side)[group][i].clear();
}

// Weather damage: a d100 per aircraft still flying against a threshold that grows with the
// distance from home and by night; the damaged never outnumber those still flying.
void weatherDamage(Int16* r) {
    const Globals& g = G();
    long long p =
        intPart(DistanzaPunti(r[GaCol::X], r[GaCol::Y], r[GaCol::OriginX], r[GaCol::OriginY]) / 100.0);
    if (p < 5) p = 5;
    if (g.DayFlag == 0) p += 10;
    const int flying = r[GaCol::Aircraft] - r[GaCol::ShotDown];
    for (int i = 0; i < flying; ++i) {
        if (rollDie(100) <= p) r[GaCol::Damaged] += 1;
        if (r[GaCol::ShotDown] + r[GaCol::Damaged] > r[GaCol::Aircraft])
            r[GaCol::Damaged] = r[GaCol::Aircraft] - r[GaCol::ShotDown];
    }
}

// Sent home by the weather, 200 units east of where it was.
void weatherReturn(Int16* r) {
    sendAirGroupHome(r);
    r[GaCol::X] = saturate16(r[GaCol::X] + 200LL);
}

} // namespace

void FaseGAx() {
    Globals& g = G();
    QSet<int> bases;
    for (int side : {kAllies, kAxis}) {
        g.CurrentSide = side;
        for (int n = 1; n <= kGroups; ++n) {
            const Int16* r = g.gaTable(side)[n];
            if (r[GaCol::InUse] > 0 && r[GaCol::Order] == kOrderReturn) landAirGroup(side, n, bases);
        }
    }
    for (int b : bases)
        if (g.BaseTable[b][BaseCol::AircraftInFlight] < 0) g.BaseTable[b][BaseCol::AircraftInFlight] = 0;
    SalvaTabelleGruppi();
    SalvaDatiBasi();
}

void FaseGA1() {
    Globals& g = G();
    g.WeatherSeverity = saturate16(g.state(StateItem::Weather));
    if (g.WeatherSeverity == 3) {
        for (int side : {kAllies, kAxis}) {
            g.CurrentSide = side;
            for (int n = 1; n <= kGroups; ++n) {
                Int16* r = g.gaTable(side)[n];
                if (r[GaCol::InUse] <= 0 || r[GaCol::Order] <= kOrderTakeOff) continue;
                weatherDamage(r);
                weatherReturn(r);
            }
        }
    }
    if (g.DayFlag == 0) {
        for (int n = 1; n <= kGroups; ++n) {
            Int16* r = g.GaTableAsse[n];
            if (r[GaCol::InUse] <= 0 || r[GaCol::Order] <= kOrderTakeOff || r[GaCol::Nation] != 1) continue;
            if (rollDie(100) <= 20 * g.WeatherSeverity + 60 && r[GaCol::FlightHours] > 3) weatherReturn(r);
        }
    }
    for (int side : {kAllies, kAxis}) {
        for (int n = 1; n <= kGroups; ++n) {
            Int16* r = g.gaTable(side)[n];
            if (r[GaCol::InUse] <= 0) continue;
            if (r[GaCol::Damaged] + r[GaCol::ShotDown] <= r[GaCol::Aircraft] && r[GaCol::FlightHours] <= 13)
                continue;
            const long long t = r[GaCol::FlightHours] + r[GaCol::Damaged] + r[GaCol::ShotDown];
            if (rollDie(side == kAllies ? 100 : 90) - 10 * g.WeatherSeverity <= t) sendAirGroupHome(r);
        }
    }
}

void MuoviGAInVolo() {
    Globals& g = G();
    if (sideInPlay(g.CurrentSide)) {
        for (int n = 1; n <= kGroups; ++n) {
            Int16* r = g.gaTable(g.CurrentSide)[n];
            if (r[GaCol::InUse] <= 0 || r[GaCol::Order] < kOrderTakeOff || r[GaCol::Order] > kOrderBombing)
                continue;
            // A group with no target point flies to its origin, as an order confirmed without a
            // point does, and is never put on the map's corner.
            if (r[GaCol::TargetX] < 1) {
                r[GaCol::TargetX] = r[GaCol::OriginX];
                r[GaCol::TargetY] = r[GaCol::OriginY];
            }
            g.CurrentGaIndex = n;
            CaricaDatiGA();
            MuoviGA();
            if (r[GaCol::Order] < kOrderBombing) r[GaCol::InAction] = 0;
            r[GaCol::TurnsFlown] = saturate16(r[GaCol::TurnsFlown] + kTurnsPerHour);
            r[GaCol::FlightHours] =
                saturate16(r[GaCol::FlightHours] + (r[GaCol::Order] == kOrderIntercept ? 4 : 1));
            if (r[GaCol::TurnsFlown] < r[GaCol::TurnsToTarget]) {
                r[GaCol::X] = g.InterceptPoint[0];
                r[GaCol::Y] = g.InterceptPoint[1];
            } else {
                r[GaCol::TurnsFlown] = r[GaCol::TurnsToTarget];
                r[GaCol::OverTarget] = 1;
                r[GaCol::X] = r[GaCol::TargetX];
                r[GaCol::Y] = r[GaCol::TargetY];
            }
        }
    }
    SalvaTabelleGruppi();
}

void PattugliaCAP() {
    Globals& g = G();
    if (!sideInPlay(g.CurrentSide)) return;
    GroupTable& own = g.gnTable(g.CurrentSide);
    for (int n = 1; n <= kGroups; ++n) {
        Int16* r = g.gaTable(g.CurrentSide)[n];
        if (r[GaCol::InUse] <= 0 || r[GaCol::Order] != kOrderCap) continue;
        const int covered = r[GaCol::CoveredGn];
        // A patrol whose group is gone goes home and takes no further part in the hour.
        if (covered < 1 || covered > kGroups || own[covered][GnCol::HoursSinceFormed] == 0 ||
            own[covered][GnCol::InUse] == 0) {
            sendAirGroupHome(r);
            continue;
        }
        Int16* gn = own[covered];
        g.ContactDistance = DistanzaPunti(r[GaCol::OriginX], r[GaCol::OriginY], gn[GnCol::X], gn[GnCol::Y]);
        g.MissionSpeed = r[GaCol::SpeedKmh];
        if (g.ContactDistance > RaggioMissione(r[GaCol::DefaultEndurance])) {
            sendAirGroupHome(r);
            continue;
        }
        gn[GnCol::PatrolGroups] += 1;
        g.CurrentGaIndex = n;
        CaricaDatiGA();
        const int operational = operationalAircraft(r);
        const int threshold = searchThreshold();
        for (int i = 0; i < operational; ++i) searchRoll(r, threshold, operational);
        if (r[GaCol::TurnsFlown] == r[GaCol::TurnsToTarget]) {
            r[GaCol::X] = gn[GnCol::X];
            r[GaCol::Y] = gn[GnCol::Y];
        }
    }
}

void RicognizioneOra() {
    Globals& g = G();
    const int side = g.CurrentSide;
    if (!sideInPlay(side)) return;
    const int enemy = side == kAllies ? kAxis : kAllies;
    for (int n = 1; n <= kGroups; ++n) {
        Int16* r = g.gaTable(side)[n];
        if (r[GaCol::InUse] <= 0 || r[GaCol::OverTarget] != 1 || r[GaCol::Order] < kOrderPatrol ||
            r[GaCol::Order] > kOrderIntercept)
            continue;
        g.CurrentGaIndex = n;
        CaricaDatiGA();
        const int operational = operationalAircraft(r);
        for (int e = 1; e <= kGroups; ++e) {
            Int16* gn = g.gnTable(enemy)[e];
            if (gn[GnCol::InUse] <= 0) continue;
            g.ContactDistance = DistanzaPunti(r[GaCol::X], r[GaCol::Y], gn[GnCol::X], gn[GnCol::Y]);
            if (g.ContactDistance >= r[GaCol::EvasionRadius]) continue;
            const int threshold = searchThreshold();
            bool sighted = false;
            for (int i = 0; i < operational; ++i) {
                if (!searchRoll(r, threshold, operational)) continue;
                g.EncounterGnAlle = g.EncounterGnAsse = g.ContactUnitAlle = g.ContactUnitAsse = 0;
                if (sighted) continue;
                sighted = true;
                (side == kAllies ? g.ContactUnitAlle : g.ContactUnitAsse) = n;
                (side == kAllies ? g.EncounterGnAsse : g.EncounterGnAlle) = e;
                AvvistamentoRicognitore();
                if (r[GaCol::Order] == kOrderRecon && gn[GnCol::PatrolGroups] > 0 && rollDie(100) <= 10) {
                    // An interception leaves at least one aircraft damaged; a higher count stands.
                    if (r[GaCol::Damaged] < 1) r[GaCol::Damaged] = 1;
                    sendAirGroupHome(r);
                    appendToMessageLine(QStringLiteral("RICOGNITORE INTERCETTATO *** "));
                }
            }
        }
    }
}

void ArrivoGA() {
    Globals& g = G();
    const int side = g.CurrentSide;
    if (!sideInPlay(side)) return;
    for (int n = 1; n <= kGroups; ++n) {
        const Int16* r = g.gaTable(side)[n];
        if (r[GaCol::Order] != kOrderBombing || r[GaCol::InUse] < 1 ||
            r[GaCol::TurnsFlown] != r[GaCol::TurnsToTarget])
            continue;
        (side == kAllies ? g.ContactUnitAlle : g.ContactUnitAsse) = n;
        ScriviAttivita();
        ScriviContattoGA();
    }
}

void ContattiGNOra() {
    Globals& g = G();
    g.ActivityKind = 0;
    const int side = g.CurrentSide;
    if (!sideInPlay(side)) return;
    // The Allies may bombard the Axis bases 1 to 11, the Axis only base 12.
    const int first = side == kAllies ? 1 : 12, last = side == kAllies ? 11 : 12;
    for (int n = 1; n <= kGroups; ++n) {
        Int16* r = g.gnTable(side)[n];
        if (r[GnCol::InUse] <= 0 || r[GnCol::Order] != kNavalBombardment) continue;
        for (int b = first; b <= last; ++b) {
            if (!onBaseSquare(r[GnCol::X], r[GnCol::Y], b)) continue;
            const int bx = g.BaseMapXY[b][1], by = g.BaseMapXY[b][2];
            r[GnCol::BombardedBase] = b;
            if (side == kAllies) {
                g.ContactUnitAlle = n;
                g.ActivityKind = kActAlliedBombardment;
                g.ContactDistance = DistanzaPunti(r[GnCol::X], r[GnCol::Y], bx + 100, by + 100);
            } else {
                g.ContactUnitAsse = n;
                g.ActivityKind = kActAxisBombardment;
                g.ContactDistance = DistanzaPunti(r[GnCol::X], r[GnCol::Y], bx, by);
            }
            ScriviAttivita();
            ScriviContattoGN2();
        }
    }
}
