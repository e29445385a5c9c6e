#include "NavalBombardment.h"

#include "common/BaseTable.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/RecordFiles.h"

#include <algorithm>
#include <functional>

using contactboard::ListItem;
using platform::intPart;
using platform::roundHalfEven;
namespace F = recordformat::ship;

namespace bombardment {

namespace {

constexpr int kLeastPercent = 2;
constexpr int kLeastKnots = 4;
constexpr int kLeastOperability = 1;

ShipRecord& ship() {
    return G().ShipRecordBuffer;
}

// "type_name" of the ship in the buffer: the trimmed type and the first 10 characters of the name.
QString shipHead() {
    return ship().trimmed(F::TIPO) + QStringLiteral("_") + ship().text(F::NOME).left(10);
}

// The side's ship file on the bombardment's channel, every other channel closed first.
int openShips(int side) {
    G().Files.closeAll();
    return openShipFile(kChannel, side);
}

// The records of the side's ship file that `wanted` picks, read in order; the file stays open.
std::vector<int> recordsWhere(int side, const std::function<bool()>& wanted) {
    std::vector<int> records;
    const int count = openShips(side);
    for (int r = 1; r <= count; ++r) {
        readShip(kChannel, r);
        if (wanted()) records.push_back(r);
    }
    return records;
}

// Spreads `hits` over the records, pass after pass: each record is read afresh and hit on a d100
// under 10; `hit` applies one hit and writes the record. Ends when every hit is placed, or at once
// when there is no record to hit.
QString distribute(const std::vector<int>& records, long long hits,
                   const std::function<void(int record)>& hit) {
    QString names;
    while (hits > 0 && !records.empty()) {
        for (int r : records) {
            readShip(kChannel, r);
            if (rollDie(100) >= 10) continue;
            names += ship().text(F::NOME).left(12) + QStringLiteral(" ");
            hit(r);
            if (--hits == 0) break;
        }
    }
    G().Files.closeAll();
    return names;
}

bool differ(int a, int b) {
    return ship().number(a) != ship().number(b);
}

} // namespace

QString shipStatusText() {
    const ShipRecord& s = ship();
    const long long mission = s.whole(F::MISSIONE);
    QString letters;
    if (mission >= 5 && mission <= 8) letters += u'#';
    if (differ(F::AAM, F::AAMM) || differ(F::AAC, F::AACM)) letters += u'a';
    if (differ(F::C_A_INCENDI, F::C_A_INCENDIM)) letters += u'i';
    if (s.number(F::INCENDI_ATTIVI) > 0) letters += u'I';
    if (differ(F::DIR_TIRO, F::D_TIROM)) letters += u'd';
    if (differ(F::NODI, F::NODIM)) letters += u'k';
    if (differ(F::RESISTENZA, F::RESISTENZAM)) letters += u'r';
    if (s.number(F::CARGO) - s.number(F::CARGOM) > 5) letters += u'c';
    if (differ(F::OPERATIVITA, F::OPERATIVITAM)) letters += u'o';
    if (differ(F::MA, F::MAM)) letters += u'm';
    if (s.whole(F::Assistenza) == 1) letters += u's';
    return letters.isEmpty() ? QString() : QStringLiteral(" [") + letters + QStringLiteral("]");
}

BaseFire baseFire(int damage, int baseLevel, int airfieldLevel, bool night, int weather) {
    BaseFire f;
    const int levels = airfieldLevel + baseLevel;
    f.antiAircraft = levels != 0 ? intPart(double(200 - 3 * damage) / levels) : kLeastPercent;
    f.antiShip = intPart(f.antiAircraft / 1.5);
    f.weight = intPart(f.antiAircraft * 3.5);
    if (night) {
        f.antiAircraft = intPart(f.antiAircraft / 1.8);
        f.antiShip = intPart(f.antiShip / 1.8);
    }
    f.antiAircraft = std::max<long long>(f.antiAircraft - 5LL * weather, kLeastPercent);
    f.antiShip = std::max<long long>(f.antiShip - 5LL * weather, kLeastPercent);
    return f;
}

void loadTarget(int base) {
    Globals& g = G();
    Int32* t = g.AttackTarget;
    t[1] = g.BaseTable[base][BaseCol::DamagePercent];
    t[2] = g.BaseLevel[base];
    t[3] = g.BasePortLevel[base];
    t[4] = g.BaseAirfieldLevel[base];
    const BaseFire f = baseFire(t[1], t[2], t[4], g.DayFlag == 0, g.WeatherSeverity);
    t[5] = f.antiAircraft;
    t[6] = f.antiShip;
    t[7] = f.weight;
}

std::vector<ListItem> portShips(int side, int base) {
    std::vector<ListItem> items;
    for (int r : recordsWhere(side, [base] { return ship().whole(F::PORTO) == base; })) {
        readShip(kChannel, r);
        items.push_back({shipHead() + shipStatusText(), r});
    }
    G().Files.closeAll();
    return items;
}

GroupShips groupShips(int side, int group) {
    GroupShips out;
    for (int r : recordsWhere(side, [group] { return ship().whole(F::NUMERO_GN) == group; })) {
        readShip(kChannel, r);
        const ShipRecord& s = ship();
        const long long direction = s.whole(F::D_TIROM);
        out.weight = roundHalfEven(double(out.weight + direction) + s.number(F::RESISTENZAM) / 100.0);
        out.fireDirection += direction;
        out.items.push_back({shipHead() + QStringLiteral(" DT:") + s.text(F::DIR_TIRO) + QStringLiteral("|") +
                                 s.text(F::D_TIROM) + shipStatusText(),
                             r});
    }
    G().Files.closeAll();
    return out;
}

FireValues fireValues(int distance, long long groupWeight, long long groupFireDirection,
                      long long baseAntiShip, long long baseWeight, int weather, bool night) {
    FireValues v;
    const double d = distance;
    v.groupPercent = intPart((groupFireDirection + 20) / 2.0);
    v.groupWeightMod = intPart((d + groupWeight) / 1.5);
    v.groupPercentMod = intPart((d + v.groupPercent) / 4.0);
    v.baseWeightMod = intPart((d + baseWeight) / 1.5);
    v.basePercentMod = intPart((baseAntiShip + d) / 6.0);
    for (long long* m : {&v.groupWeightMod, &v.groupPercentMod, &v.baseWeightMod, &v.basePercentMod}) {
        if (weather >= 2) *m = intPart(double(*m) / (weather - 1));
        if (night) *m = intPart(*m / 1.8);
        *m = std::max(0LL, *m);
    }
    return v;
}

Salvo fireSalvo(int duration, const FireValues& v, bool shipsInPort) {
    Salvo s;
    for (int i = 0; i < duration; ++i) {
        if (rollDie(100) <= v.basePercentMod && v.baseWeightMod > 0) {
            ++s.baseOnGroup;
            if (v.basePercentMod / 2.0 >= rollDie(100)) ++s.groupShips;
        }
        if (rollDie(125) <= v.groupPercentMod && v.groupWeightMod > 0) {
            ++s.groupOnBase;
            if (v.groupPercentMod / 2.0 >= rollDie(125)) ++s.criticals;
            if (v.groupPercentMod / 2.5 >= rollDie(125) && shipsInPort) ++s.portShips;
        }
    }
    return s;
}

HitDamage hitDamage(int kind, long long w) {
    switch (kind) {
    case 1:
        return {intPart(w / 2.0), 0, 0, 0, 0, 1};
    case 2:
        return {w, 1, 0, 0, 0, 2};
    case 3:
        return {w, 2, 0, 2, 0, 3};
    default:
        return {intPart(w * 1.5), 3, 1, 2, 5, 4};
    }
}

void applyHit(const HitDamage& d) {
    ShipRecord& s = ship();
    s.setNumber(F::RESISTENZAM, std::max(0LL, s.whole(F::RESISTENZAM) - d.hull));
    s.setNumber(F::INCENDI_ATTIVI, s.whole(F::INCENDI_ATTIVI) + d.fires);
    s.setNumber(F::D_TIROM, std::max(0LL, s.whole(F::D_TIROM) - d.fireDirection));
    s.setNumber(F::AAMM, std::max(0LL, s.whole(F::AAMM) - d.antiAircraft));
    s.setNumber(F::NODIM, std::max<long long>(kLeastKnots, s.whole(F::NODIM) - d.knots));
    s.setNumber(F::OPERATIVITAM,
                std::max<long long>(kLeastOperability, s.whole(F::OPERATIVITAM) - d.operability));
}

QString distributePortHits(int side, int base, long long hits, long long weight) {
    const std::vector<int> ships = recordsWhere(side, [base] { return ship().whole(F::PORTO) == base; });
    return distribute(ships, hits, [weight](int r) {
        applyHit(hitDamage(rollDie(4), weight));
        writeShip(kChannel, r);
    });
}

QString distributeGroupHits(int side, int group, long long hits, long long weight) {
    Int16* row = G().gnTable(side)[group];
    row[GnCol::Order] = kNavalTransit;
    const std::vector<int> ships =
        recordsWhere(side, [group] { return ship().whole(F::NUMERO_GN) == group; });
    return distribute(ships, hits, [row, weight](int r) {
        const HitDamage d = hitDamage(rollDie(4), weight);
        applyHit(d);
        const long long knots = ship().whole(F::NODIM), operability = ship().whole(F::OPERATIVITAM);
        row[GnCol::Fires] += d.fires;
        if (knots < row[GnCol::MaxKnots]) row[GnCol::MaxKnots] = knots;
        if (knots < row[GnCol::Knots]) {
            row[GnCol::Knots] = knots;
            row[GnCol::Step] = knots * 10;
        }
        if (operability < row[GnCol::MinOperativity]) row[GnCol::MinOperativity] = operability;
        writeShip(kChannel, r);
    });
}

void damageBase(int base, const FireValues& v, const Salvo& s) {
    Int32* b = G().BaseTable[base];
    const long long weight = v.groupWeightMod * s.groupOnBase;
    b[BaseCol::DamagePercent] = std::min<long long>(b[BaseCol::DamagePercent] + intPart(weight / 200.0), 100);
    b[BaseCol::BombardmentHits] += weight;
    b[BaseCol::PointsUsed] += intPart(v.groupWeightMod / 10.0 * double(s.criticals));
}

void wearGroup(int side, int group) {
    Int16* row = G().gnTable(side)[group];
    for (int r : recordsWhere(side, [group] { return ship().whole(F::NUMERO_GN) == group; })) {
        readShip(kChannel, r);
        const long long operability =
            std::max<long long>(kLeastOperability, ship().whole(F::OPERATIVITAM) - 1);
        ship().setNumber(F::OPERATIVITAM, operability);
        if (operability < row[GnCol::MinOperativity]) row[GnCol::MinOperativity] = operability;
        writeShip(kChannel, r);
    }
    G().Files.closeAll();
}

namespace {
// A contact's record number as the group's 16-bit column keeps it (1..32767).
int foldedContact(int contact) {
    return (contact - 1) % 32767 + 1;
}
} // namespace

bool contactFought(int side, int group, int contact) {
    return contact >= 1 && G().gnTable(side)[group][kFoughtContactColumn] == foldedContact(contact);
}

void markContactFought(int side, int group, int contact) {
    if (contact >= 1) G().gnTable(side)[group][kFoughtContactColumn] = foldedContact(contact);
}

} // namespace bombardment
