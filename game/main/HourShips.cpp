// The ship passes of the hour: wear of long-serving groups, fires, damage and sinking, group values
// rebuilt from their ships, ships counted in port, the ports' anti-aircraft value, the return of
// ships from the dockyard, and the carrier air groups at the map edges.
#include "HourShips.h"
#include "HourPhases.h"

#include "common/BaseTable.h"
#include "common/DataFolder.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/LostShips.h"
#include "common/Messages.h"
#include "common/NavalGroupValues.h"
#include "common/RangeRules.h"
#include "common/RecordFiles.h"
#include "common/ShipDamage.h"

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace F = recordformat::ship;

namespace {

bool sideInPlay() {
    return G().CurrentSide == kAllies || G().CurrentSide == kAxis;
}

// The row of a naval group of the side, or a row of zeros for a number outside the table.
const Int16* groupRow(int side, int group) {
    static const Int16 kNone[kGroupColumns + 1] = {};
    return group >= 1 && group <= kGroups ? G().gnTable(side)[group] : kNone;
}

bool validBase(long long base) {
    return base >= 1 && base <= kBases;
}

ShipDamageState damageStateOf(const ShipRecord& s) {
    ShipDamageState d;
    d.hull = s.whole(F::RESISTENZAM);
    d.nominalHull = s.whole(F::RESISTENZA);
    d.fires = s.whole(F::INCENDI_ATTIVI);
    d.fireControl = s.whole(F::C_A_INCENDIM);
    d.knots = s.whole(F::NODIM);
    d.nominalKnots = s.whole(F::NODI);
    d.operativity = s.whole(F::OPERATIVITAM);
    d.cargo = s.whole(F::CARGOM);
    d.handling = s.whole(F::MAM);
    d.cargoFactor = s.stored(F::TIPO) == "PT" ? 3 : 1;
    return d;
}

// Fire spread from a ship to the ships of its group (`records`, in file order) standing by to assist.
void spreadToAssisting(const std::vector<int>& records, int spread) {
    ShipRecord& s = G().ShipRecordBuffer;
    for (int j : records) {
        readShip(kChannelShips, j);
        if (s.whole(F::OPERATIVITAM) <= 3 || s.whole(F::Assistenza) != 1) continue;
        long long hull = s.whole(F::RESISTENZAM), fires = s.whole(F::INCENDI_ATTIVI),
                  operativity = s.whole(F::OPERATIVITAM);
        spreadFire(spread, hull, fires, operativity);
        s.setNumber(F::RESISTENZAM, hull);
        s.setNumber(F::INCENDI_ATTIVI, fires);
        s.setNumber(F::OPERATIVITAM, operativity);
        writeShip(kChannelShips, j);
    }
}

// Every ship record of the side in turn, in the shared buffer, after every channel is closed.
void eachShipOfSide(const std::function<void(int record, ShipRecord& ship)>& visit) {
    G().Files.closeAll();
    forEachShip(G().CurrentSide, [&](int r) {
        visit(r, G().ShipRecordBuffer);
        return true;
    });
}

// The record numbers of the ships of each naval group 1..50, in file order, from one scan of the
// ship file open on the ships' channel.
using GroupRecords = std::array<std::vector<int>, kGroups + 1>;

GroupRecords scanGroups(int count) {
    GroupRecords records;
    const ShipRecord& s = G().ShipRecordBuffer;
    for (int r = 1; r <= count; ++r) {
        readShip(kChannelShips, r);
        const long long n = s.whole(F::NUMERO_GN);
        if (n >= 1 && n <= kGroups) records[n].push_back(r);
    }
    return records;
}

// The sequencer rebuilds the groups of a side one after another, and that rebuilding never moves a
// ship to another group, so one scan serves the whole turn; a call out of turn, another side or
// file, or a ship record written by anyone else in between, makes a new scan.
Globals::GroupShipIndex& groupShips() {
    return G().HourGroupShips;
}

const std::vector<int>& shipsOfGroup(int side, const QString& path, int group, int count) {
    Globals::GroupShipIndex& index = groupShips();
    if (index.side != side || index.path != path || index.count != count || group <= index.lastGroup ||
        index.writes != shipRecordWrites()) {
        index.records = scanGroups(count);
        index.side = side;
        index.path = path;
        index.count = count;
    }
    index.lastGroup = group;
    return index.records[group];
}

// Marks what the group pass itself wrote as known, so that the next group keeps the scan.
void keepGroupShips() {
    groupShips().writes = shipRecordWrites();
}

} // namespace

// ---------------------------------------------------------------- start of the hour

void InizioOraNavi() {
    Globals& g = G();
    if (!sideInPlay()) return;
    const int side = g.CurrentSide;
    GroupTable& table = g.gnTable(side);
    ShipRecord& s = g.ShipRecordBuffer;
    for (int n = 1; n <= kGroups; ++n) {
        if (table[n][GnCol::HoursSinceFormed] <= 255) continue;
        g.setState(StateItem::sideItem(side, StateItem::StressAlle), 1);
        const int wear = rollDie(12);
        if (wear >= 6) continue;
        forEachShip(side, [&](int r) {
            if (s.whole(F::NUMERO_GN) != n) return true;
            // No floor: a hull worn below 0 sinks in the damage phase of this hour.
            s.setNumber(F::OPERATIVITAM, s.whole(F::OPERATIVITAM) - 1);
            s.setNumber(F::RESISTENZAM, s.whole(F::RESISTENZAM) - wear);
            writeShip(kChannelShips, r);
            return true;
        });
    }
}

// ---------------------------------------------------------------- fires, damage and sinking

void DanniNaviOra() {
    Globals& g = G();
    if (!sideInPlay()) return;
    const int side = g.CurrentSide;
    const int count = openShipFile(kChannelShips, side);
    ShipRecord& s = g.ShipRecordBuffer;
    QString messages;
    std::optional<GroupRecords> groups;
    for (int i = 1; i <= count; ++i) {
        readShip(kChannelShips, i);
        const int group = int(s.whole(F::NUMERO_GN));
        if (group <= 0) continue;
        // A hull already below 0 is left to the sinking test; a ship without fires, a hull above
        // half and in service has nothing to suffer: neither reads its other fields.
        const long long hull = s.whole(F::RESISTENZAM);
        if (hull < 0) continue;
        if (s.whole(F::INCENDI_ATTIVI) <= 0 && hullState(hull, s.whole(F::RESISTENZA)) == 0 &&
            s.whole(F::NON_OP) <= 1)
            continue;
        ShipDamageState d = damageStateOf(s);
        const int u = hullState(d.hull, d.nominalHull);
        const int v = fireState(d.fires, d.fireControl);
        const int a = assistanceOf(groupRow(side, group)[GnCol::BusyShips]);

        const int result = damageResult(a, v, u, rollDie(12));
        messages += QStringLiteral(" %1 § ").arg(result);
        const int spread = applyDamageRow(result, a, d);
        limitDamage(d, a);

        s.setNumber(F::OPERATIVITAM, d.operativity < 3 && a > 0 ? 3 : d.operativity);
        s.setNumber(F::RESISTENZAM, d.hull);
        s.setNumber(F::INCENDI_ATTIVI, d.fires);
        s.setNumber(F::C_A_INCENDIM, d.fireControl);
        s.setNumber(F::NODIM, d.knots);
        s.setNumber(F::CARGOM, d.cargo);
        if (s.whole(F::MA) > 0) s.setNumber(F::MAM, d.handling);
        const int total = StateItem::sideItem(side, StateItem::LossTotalAlle);
        g.setState(total, g.state(total) + d.operativity + d.cargo);
        const bool outOfAction =
            d.operativity <= 1 || (d.fires > d.fireControl && d.hull < d.nominalHull / 2.0);
        s.setNumber(F::NON_OP, outOfAction ? 1 : 0);
        writeShip(kChannelShips, i);

        if (spread > 0 && group <= kGroups) {
            // The pass changes no ship's group: one scan finds every group's ships.
            if (!groups) groups = scanGroups(count);
            spreadToAssisting((*groups)[group], spread);
        }
    }
    g.Files.closeAll();
    appendToMessageLine(messages);
    AffondamentoNavi();
}

void AffondamentoNavi() {
    Globals& g = G();
    if (!sideInPlay()) return;
    ShipRecord& s = g.ShipRecordBuffer;
    forEachShip(g.CurrentSide, [&](int r) {
        const long long fires = s.whole(F::INCENDI_ATTIVI), hull = s.whole(F::RESISTENZAM);
        const int group = int(s.whole(F::NUMERO_GN)), port = int(s.whole(F::PORTO));
        if ((group <= 0 && port <= 0) || (fires <= 0 && hull >= 0)) return true;
        const int roll = rollDie(100);
        if (sinksByRule(s.whole(F::AFF) == 1, fires, s.whole(F::C_A_INCENDIM), hull, s.whole(F::RESISTENZA),
                        roll)) {
            // Only a ship the port counts (in port, in no group, in service) leaves its count.
            if (validBase(port) && group == 0 && s.whole(F::STATUS) == 1 &&
                g.BaseTable[port][BaseCol::ShipsPresent] > 0)
                g.BaseTable[port][BaseCol::ShipsPresent] -= 1;
            g.setState(StateItem::SunkLastHour, g.state(StateItem::SunkLastHour) + 1);
            SunkShip lost;
            lost.record = r;
            lost.group = group;
            lost.tonnage = int(s.whole(F::STAZZA));
            lost.operativity = int(s.whole(F::OPERATIVITAM));
            lost.cargo = int(s.whole(F::CARGOM));
            lost.port = port;
            lost.shipClass = shipClassOf(s.text(F::TIPO));
            lost.type = s.text(F::TIPO);
            lost.name = s.text(F::NOME);
            ScriviNavePersa(lost);
            s.setText(F::NON_OP, QStringLiteral("3"));
            s.setText(F::INCENDI_ATTIVI, QString());
            s.setText(F::NUMERO_GN, QString());
            s.setText(F::PORTO, QString());
            s.setText(F::STATUS, QStringLiteral("3"));
        } else if (port > 0) {
            s.setText(F::INCENDI_ATTIVI, QString()); // fires are put out in port
        }
        writeShip(kChannelShips, r);
        return true;
    });
    g.Files.closeAll();
    SalvaTabelleGruppi();
    SalvaDatiBasi();
}

// ---------------------------------------------------------------- group values from their ships

namespace {

// What the values of a group take from one of its ships' records. A record of the same bytes gives
// the same, so each side's records are kept with what was read of them: a ship unchanged since an
// earlier pass (that of the hour before, or the hour's first of two) is not read again.
struct ShipShare {
    long long group = 0, knots = 0, operativity = 0, fires = 0, hull = 0, aam = 0, aac = 0,
              notOperational = 0, aircraft = 0, radar = 0, mission = 0, assistance = 0;
    int classGroup = 0;
    bool italian = false, german = false;
};

const ShipShare& shareOf(int side, int record, const ShipRecord& s) {
    struct Kept {
        QByteArray bytes;
        ShipShare share;
    };
    static std::vector<Kept> kept[3];
    std::vector<Kept>& ofSide = kept[side == kAxis ? 2 : 1];
    if (std::size_t(record) >= ofSide.size()) ofSide.resize(std::size_t(record) + 1);
    Kept& k = ofSide[std::size_t(record)];
    if (!k.bytes.isNull() && k.bytes == s.bytes()) return k.share;
    ShipShare& h = k.share;
    h.group = s.whole(F::NUMERO_GN);
    const QByteArrayView nation = s.stored(F::NAZIONE);
    h.italian = nation == "IT";
    h.german = nation == "DE";
    h.knots = s.whole(F::NODIM);
    h.operativity = s.whole(F::OPERATIVITAM);
    h.fires = s.whole(F::INCENDI_ATTIVI);
    h.hull = s.whole(F::RESISTENZAM);
    h.aam = s.whole(F::AAMM);
    h.aac = s.whole(F::AACM);
    h.notOperational = s.whole(F::NON_OP);
    h.aircraft = s.whole(F::AEREIM);
    h.radar = s.whole(F::RADARM);
    h.mission = s.whole(F::MISSIONE);
    h.assistance = s.whole(F::Assistenza);
    h.classGroup = classGroupOfStored(s.stored(F::TIPO));
    // A copy of its own: the shared buffer is read into again at once.
    k.bytes = QByteArray(s.bytes().constData(), s.bytes().size());
    return h;
}

// The values of naval group gn of the side from its ships, on the side's ship file (`path`) of
// `count` records, open on the ships' channel; the tables are left for the caller to save (a save
// closes every channel).
void groupValuesFromOpenFile(int side, const QString& path, int gn, int count) {
    Globals& g = G();
    ShipRecord& s = g.ShipRecordBuffer;
    long long slowest = 70, lowestOperativity = 2000;
    long long fires = 0, aam = 0, aac = 0, aircraft = 0, radar = 0;
    int assisting = 0, counted = 0;
    int classes[7] = {};
    bool italian = false, german = false;
    for (int r : shipsOfGroup(side, path, gn, count)) {
        readShip(kChannelShips, r);
        const ShipShare& ship = shareOf(side, r, s);
        if (ship.group != gn) continue;
        const QByteArray before = s.bytes();
        bool touched = false; // a field set: written when its bytes changed
        italian = italian || ship.italian;
        german = german || ship.german;
        const long long knots = ship.knots;
        long long operativity = ship.operativity;
        slowest = std::min(slowest, knots);
        lowestOperativity = std::min(lowestOperativity, operativity);
        if (operativity <= 1) {
            operativity = 1;
            s.setText(F::OPERATIVITAM, QStringLiteral("1"));
            touched = true;
            lowestOperativity = 1;
        }
        const long long f = ship.fires;
        fires += f;
        long long assistance = ship.assistance;
        if (f > 0 || ship.hull <= 0 || operativity < 5) {
            s.setText(F::Assistenza, QStringLiteral("0"));
            touched = true;
            assistance = 0;
        }
        aam += ship.aam;
        aac += ship.aac;
        if (ship.notOperational == 0) aircraft += ship.aircraft;
        radar += ship.radar;
        if (ship.mission == 9 && (f > 0 || knots < 5)) {
            s.setText(F::MISSIONE, QStringLiteral("1"));
            touched = true;
        }
        if (assistance == 1) ++assisting;
        if (ship.classGroup > 0) {
            ++classes[ship.classGroup];
            ++counted;
        }
        if (touched && s.bytes() != before) writeShip(kChannelShips, r);
    }
    keepGroupShips();

    Int16* row = g.gnTable(side)[gn];
    if (counted > 0) {
        row[GnCol::MaxKnots] = slowest;
        if (row[GnCol::Knots] > row[GnCol::MaxKnots]) {
            row[GnCol::Knots] = row[GnCol::MaxKnots];
            row[GnCol::Step] = 10 * row[GnCol::MaxKnots];
        }
        row[GnCol::MinOperativity] = std::max(1LL, lowestOperativity);
        row[GnCol::Fires] = fires;
        row[GnCol::Aam] = aam;
        row[GnCol::Aac] = aac;
        row[GnCol::CapAircraft] = aircraft;
        row[GnCol::RadarShips] = radar;
        row[GnCol::BusyShips] = counted == 1 ? 0 : assisting;
        for (int k = 1; k <= 6; ++k) row[34 + k] = classes[k];
        row[GnCol::Ships] = counted;
        const int cap = row[GnCol::CapAircraft];
        row[GnCol::CapLevel] = cap <= 0 ? 0 : cap <= 16 ? 1 : cap <= 36 ? 2 : cap <= 67 ? 3 : 4;
        row[GnCol::Nation] = side == kAllies ? 0 : (german && !italian ? 2 : 1);
    } else {
        const int item = StateItem::sideItem(side, StateItem::NavalMovesAlle);
        g.setState(item, g.state(item) + row[GnCol::HoursUnderWay]);
        for (int c = 1; c <= kGroupColumns; ++c) row[c] = 0;
    }
}

} // namespace

void AggiornaGNDaNavi() {
    Globals& g = G();
    if (!sideInPlay()) return;
    const int gn = g.CurrentGnIndex;
    if (gn < 1 || gn > kGroups) return;
    const int count = openShipFile(kChannelShips, g.CurrentSide);
    groupValuesFromOpenFile(g.CurrentSide, shipFilePath(g.CurrentSide), gn, count);
    g.Files.close(kChannelShips);
    SalvaTabelleGruppi();
    SalvaDatiBasi();
}

void groupValuesOfSide(const std::function<void(int group)>& each) {
    Globals& g = G();
    if (!sideInPlay()) return;
    const int side = g.CurrentSide;
    const int count = openShipFile(kChannelShips, side);
    const QString path = shipFilePath(side);
    bool changed = false;
    for (int n = 1; n <= kGroups; ++n) {
        if (g.gnTable(side)[n][GnCol::InUse] <= 0) continue;
        g.CurrentGnIndex = n;
        if (each) each(n);
        groupValuesFromOpenFile(side, path, n, count);
        changed = true;
    }
    g.Files.close(kChannelShips);
    // What the groups' passes leave is saved as the last group's own saves would leave it.
    if (!changed) return;
    SalvaTabelleGruppi();
    SalvaDatiBasi();
}

// ---------------------------------------------------------------- ships in port and their guns

void ChiusuraNaviOra() {
    Globals& g = G();
    if (!sideInPlay()) return;
    int present[kBases + 1] = {};
    eachShipOfSide([&](int, const ShipRecord& s) {
        const long long port = s.whole(F::PORTO);
        if (s.whole(F::NUMERO_GN) == 0 && s.whole(F::STATUS) == 1 && validBase(port)) ++present[port];
    });
    const bool allies = g.CurrentSide == kAllies;
    for (int b = allies ? 12 : 1; b <= (allies ? 15 : 11); ++b)
        g.BaseTable[b][BaseCol::ShipsPresent] = present[b];
    SalvaDatiBasi();
}

void FaseCAA() {
    Globals& g = G();
    if (!sideInPlay()) return;
    // The last ship in service in a port, in record order, gives the port's value.
    long long value[kBases + 1] = {};
    eachShipOfSide([&](int, const ShipRecord& s) {
        const long long port = s.whole(F::PORTO);
        if (validBase(port) && s.whole(F::STATUS) == 1) value[port] = s.whole(F::AACM) + s.whole(F::AAMM);
    });
    g.Files.closeAll();
    if (g.CurrentSide == kAllies) {
        g.BaseTable[12][BaseCol::PortAntiAircraft] = value[12];
    } else {
        for (int b = 1; b <= 9; ++b) g.BaseTable[b][BaseCol::PortAntiAircraft] = value[b];
    }
    SalvaDatiBasi();
}

// ---------------------------------------------------------------- end of the day

void AggiornaNaviOra() {
    if (!sideInPlay()) return;
    eachShipOfSide([](int r, ShipRecord& s) {
        if (s.whole(F::NON_OP) != 9) return;
        const long long days = s.whole(F::INCENDI_ATTIVI);
        // A count already at 0 or below also brings the ship back: none stays in the dockyard.
        if (days <= 1) {
            for (int f :
                 {F::OperativitaPersaAerei, F::Assistenza, F::NON_OP, F::NUMERO_GN, F::PORTO, F::MISSIONE})
                s.setText(f, QStringLiteral("0"));
            s.setText(F::STATUS, QStringLiteral("1"));
            const std::pair<int, int> restored[] = {
                {F::AACM, F::AAC},     {F::AAMM, F::AAM},
                {F::AEREIM, F::AEREI}, {F::C_A_INCENDIM, F::C_A_INCENDI},
                {F::CARGOM, F::CARGO}, {F::D_TIROM, F::DIR_TIRO},
                {F::NODIM, F::NODI},   {F::OPERATIVITAM, F::OPERATIVITA},
                {F::RADARM, F::RADAR}, {F::RESISTENZAM, F::RESISTENZA},
            };
            for (const auto& [current, nominal] : restored) s.setNumber(current, s.whole(nominal));
        }
        s.setNumber(F::INCENDI_ATTIVI, std::max(0LL, days - 1));
        writeShip(kChannelShips, r);
    });
}

// ---------------------------------------------------------------- carrier air groups at the map edges

void BordiMappaGA() {
    Globals& g = G();
    GroupTable& air = g.GaTableAlle;
    GroupTable& naval = g.GnTableAlle;
    for (int a = 1; a <= kGroups; ++a) {
        if (air[a][GaCol::CarrierGroup] != 1) continue;
        const int gn = air[a][GaCol::CarrierGn];
        // A carrier whose group is gone leaves the origin where it was.
        if (gn < 1 || gn > kGroups || naval[gn][GnCol::InUse] <= 0) continue;
        if (naval[gn][GnCol::OffMap] == 1) {
            air[a][GaCol::OriginX] = 15;
            air[a][GaCol::OriginY] = 2535;
        } else if (naval[gn][GnCol::OffMap] == 2) {
            air[a][GaCol::OriginX] = 14565;
            air[a][GaCol::OriginY] = 5400;
        } else {
            air[a][GaCol::OriginX] = naval[gn][GnCol::X];
            air[a][GaCol::OriginY] = naval[gn][GnCol::Y];
        }
    }
    for (int n = 1; n <= kGroups; ++n) {
        if (naval[n][GnCol::OffMap] <= 0) continue;
        for (int a = 1; a <= kGroups; ++a)
            if (air[a][GaCol::CarrierGn] == n) air[a][GaCol::Order] = kOrderReturn;
    }
    const Int16 speed = g.MissionSpeed;
    for (int a = 1; a <= kGroups; ++a) {
        if (air[a][GaCol::CarrierGroup] != 1) continue;
        g.ContactDistance =
            DistanzaPunti(air[a][GaCol::X], air[a][GaCol::Y], air[a][GaCol::OriginX], air[a][GaCol::OriginY]);
        g.MissionSpeed = air[a][GaCol::SpeedKmh];
        if (g.ContactDistance > RaggioMissione(air[a][GaCol::DefaultEndurance]))
            air[a][GaCol::Order] = kOrderReturn;
    }
    g.MissionSpeed = speed;
    SalvaTabelleGruppi();
}
