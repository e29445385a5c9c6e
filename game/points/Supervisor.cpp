#include "Supervisor.h"

#include "common/CampaignChecks.h"
#include "common/CampaignRanges.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/NavalGroupValues.h"
#include "common/RangeRules.h"
#include "common/RecordFiles.h"

#include <QRegularExpression>

using platform::numberTextWithSign;

namespace supervisor {

namespace F = recordformat::ship;

// Labels 0..29 show fields 1..30 in order; the last ten do not.
// clang-format off
const std::array<int, kShipLabels> kShipViewField = {
    F::CLASSE,         F::NOME,           F::TIPO,        F::NAZIONE,      F::STAZZA,
    F::ANNODATI,       F::NODI,           F::OPERATIVITA, F::DIR_TIRO,     F::CARGO,
    F::COSTO,          F::RESISTENZA,     F::C_A_INCENDI, F::AEREI,        F::RADAR,
    F::AAM,            F::AAC,            F::Cancellato,  F::MISSIONE,     F::STATUS,
    F::NODIM,          F::OPERATIVITAM,   F::D_TIROM,     F::CARGOM,       F::RESISTENZAM,
    F::C_A_INCENDIM,   F::AEREIM,         F::RADARM,      F::AAMM,         F::AACM,
    F::INCENDI_ATTIVI, F::CodicePortaerei, F::AFF,        F::NUMERO_GN,    F::PORTO,
    F::OperativitaPersaAerei,             F::Assistenza,  F::NON_OP,       F::MA,
    F::MAM};
// clang-format on

const std::array<int, 21> kEditableLabels = {1,  2,  17, 18, 19, 20, 21, 22, 23, 24, 25,
                                             26, 27, 28, 29, 30, 32, 34, 36, 37, 39};

namespace {
constexpr int kLabelNodim = 20;
constexpr int kLabelOperativitam = 21;
constexpr int kLabelResistenzam = 24;

// The first 16 characters of the name, trailing blanks included.
QString typeAndName(const ShipRecord& ship) {
    return ship.text(F::TIPO) + "_" + ship.text(F::NOME).left(16);
}

// A group's row, or a row of zeros for a number outside the table (a contact record may name
// anything).
const Int16* row(GroupTable& table, int n) {
    static const Int16 zeros[kGroupColumns + 1] = {};
    return n >= 0 && n <= kGroups ? table[n] : zeros;
}

QString point(const Int16* r, int xColumn, int yColumn) {
    return QString::number(r[xColumn]) + "/" + QString::number(r[yColumn]);
}

// The naval groups of a side within 200 map units of a point, and the air groups flying combat air
// patrol over each of them.
void groupsNear(int side, int x, int y, int except, QStringList& groups, QStringList& cap) {
    Globals& g = G();
    for (int i = 1; i <= kGroups; ++i) {
        const Int16* gn = g.gnTable(side)[i];
        if (gn[GnCol::X] <= 0 || gn[GnCol::Y] <= 0) continue;
        const int d = DistanzaPunti(x, y, gn[GnCol::X], gn[GnCol::Y]);
        if (d >= 201) continue;
        if (i != except) groups << QStringLiteral("%1 GN:%2 N:%3").arg(d).arg(i).arg(int(gn[GnCol::Ships]));
        if (gn[GnCol::PatrolGroups] <= 0) continue;
        for (int m = 1; m <= kGroups; ++m) {
            const Int16* ga = g.gaTable(side)[m];
            if (ga[GaCol::CoveredGn] == i)
                cap << QStringLiteral("%1 [GN:%2] GA:%3 N:%4")
                           .arg(d)
                           .arg(i)
                           .arg(m)
                           .arg(int(ga[GaCol::InAction]));
        }
    }
}
} // namespace

std::array<QString, 2> sideFlags(int side) {
    if (side == kAllies) return {"\\Ico\\gb.ico", "\\Ico\\us.ico"};
    return {"\\Ico\\it.ico", "\\Ico\\de.ico"};
}

QString groupLine(int gn, int ships) {
    return "GN" + numberTextWithSign(gn) + " -Nv" + numberTextWithSign(ships);
}

QString shipLineOfGroup(int gn, const ShipRecord& ship) {
    return "(GN:" + numberTextWithSign(gn) + ") * " + typeAndName(ship);
}

QString shipLineOfPort(const QString& baseName, const ShipRecord& ship) {
    return "(" + baseName + ") * " + typeAndName(ship);
}

QString shipLine(const ShipRecord& ship) {
    return typeAndName(ship);
}

bool portOfSide(int side, int base) {
    if (side == kAllies) return base >= 12;
    if (side == kAxis) return base <= 11;
    return false;
}

std::array<QString, kStatusPlaces> statusIcons(const ShipRecord& ship) {
    const long long s = ship.whole(F::STATUS), gn = ship.whole(F::NUMERO_GN), m = ship.whole(F::MISSIONE);
    const long long fires = ship.whole(F::INCENDI_ATTIVI), notOp = ship.whole(F::NON_OP);
    const bool active = s == 1, inPort = active && gn == 0;
    std::array<QString, kStatusPlaces> icon;
    if (inPort)
        icon[0] = "\\Ico\\ancora.ico";
    else if (active && gn > 0)
        icon[0] = "\\Ico\\patrol.ico";
    else if (s < 1)
        icon[0] = "\\Ico\\combat.ico";

    if (active && m == 1) icon[1] = "\\Ico\\go.ico";
    if (inPort && m == 8)
        icon[1] = "\\Ico\\refuel.ico";
    else if (inPort && m == 7)
        icon[1] = "\\Ico\\cargoout.ico";
    else if (inPort && m == 6)
        icon[1] = "\\Ico\\cargoin.ico";

    if (active && fires > 0) icon[2] = "\\Ico\\inc1.ico";
    if (active && notOp == 1) icon[2] = "\\Ico\\inc2.ico";

    if (active && m == 9)
        icon[3] = "\\Ico\\assisti.ico";
    else if (active && m == 5)
        icon[3] = "\\Ico\\ripara.ico";
    else if (s == 2)
        icon[3] = "\\Ico\\ripara1.ico";

    if (s == 3) icon[4] = "\\Ico\\affonda.ico";
    return icon;
}

void digitKey(int& keyAscii) {
    if (!(keyAscii <= 9 || (keyAscii >= '0' && keyAscii <= '9'))) keyAscii = 0;
}

QString digitsOf(const QString& text) {
    QString t = text;
    t.removeIf([](QChar c) { return c < u'0' || c > u'9'; });
    return t;
}

QString boxText(const QString& typed, int field, bool digits) {
    return (digits ? digitsOf(typed) : typed).left(recordformat::shipLayout().field(field).width);
}

void applyShipFloors(ShipLabels& labels) {
    using platform::leadingNumber;
    if (leadingNumber(labels[kLabelOperativitam]) < 1) labels[kLabelOperativitam] = "1";
    if (leadingNumber(labels[kLabelNodim]) < 4) labels[kLabelNodim] = "4";
    if (leadingNumber(labels[kLabelResistenzam]) < 0) labels[kLabelResistenzam] = "0";
}

ShipRecord shipFromLabels(const ShipRecord& shown, const ShipLabels& labels) {
    ShipRecord ship = shown;
    for (int k : kEditableLabels) ship.setText(kShipViewField[k], labels[k].trimmed());
    return ship;
}

void writeShipBack(int side, int record, const ShipRecord& ship) {
    Globals& g = G();
    g.RecordNave = ship;
    openShipFile(kChannelSupervisorShips, side);
    writeShip(kChannelSupervisorShips, record);
    g.DepartingGn = ship.whole(F::NUMERO_GN);
    RicalcolaGN();
    SalvaTabelleGruppi();
}

std::optional<int> groupValue(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^-?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    const QString t = text.trimmed();
    if (!number.match(t).hasMatch()) return std::nullopt;
    const long long v = platform::roundHalfEven(t.toDouble());
    if (v < -32768 || v > 32767) return std::nullopt;
    return int(v);
}

QString groupValueRefusal(int side, int group, int column, std::optional<int> value, const QString& name) {
    const ValueRange range = campaignRange(CampaignTable::NavalGroup, column);
    if (!value || !range.holds(*value)) return refusedValueText(name, range);
    Int16& cell = G().gnTable(side)[group][column];
    // Of the columns of a group in use, only these two bear on the ship file; the tables are weighed
    // against it before and with the value, and only a value that makes them disagree is refused.
    if (*value == cell || (column != GnCol::InUse && column != GnCol::Ships)) return {};
    const bool agreed = shipFileDisagreement(side, tallyShipFile(side)).isEmpty();
    struct PutBack {
        Int16& cell;
        const Int16 old;
        ~PutBack() { cell = old; }
    } putBack{cell, cell};
    cell = *value;
    const ShipFileTally with = tallyShipFile(side);
    const QString problem = shipFileDisagreement(side, with);
    const long long shortfall = shipsCounted(side) - with.placed;
    if (!agreed || problem.isEmpty()) return {};
    if (column == GnCol::Ships && with.strayRecord == 0)
        return refusedValueText(name, {range.low, *value - shortfall}) +
               QStringLiteral(" Il file delle navi non ne contiene di più.");
    if (column == GnCol::InUse && with.strayGroup == group)
        return refusedValueText(name, {1, range.high}) +
               QStringLiteral(" Il gruppo ha navi in servizio nel file delle navi (record %1).")
                   .arg(with.strayRecord);
    return QStringLiteral("Valore non valido per %1: %2.").arg(name.trimmed(), problem);
}

QString shipWriteRefusal(int side, int record, const ShipRecord& ship,
                         const std::function<QString(int field)>& nameOf) {
    const FieldRefusal why = shipRecordRefusal(ship);
    if (why.field != 0)
        return QStringLiteral("Valore non valido per %1: %2.").arg(nameOf(why.field), why.reason);
    const bool agreed = shipFileDisagreement(side, tallyShipFile(side)).isEmpty();
    const QString problem = shipFileDisagreement(side, tallyShipFile(side, record, &ship));
    if (!agreed || problem.isEmpty()) return {};
    return QStringLiteral("La nave non viene salvata: %1.").arg(problem);
}

QString airGroupLine(int ga, int aircraft, const QString& role, const QString& typeName) {
    return "GAn" + numberTextWithSign(ga) + "_" + QString::number(aircraft) + " " + role + "_" + typeName;
}

std::optional<int> airGroupValue(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^\\d{1,5}$"));
    if (!digits.match(text).hasMatch()) return std::nullopt;
    const int v = text.toInt();
    if (v > 32767) return std::nullopt;
    return v;
}

QString airGroupValueRefusal(int column, std::optional<int> value, const QString& name) {
    ValueRange range = campaignRange(CampaignTable::AirGroup, column);
    // Only digits are typed: nothing below 0 can be.
    range.low = std::max(range.low, 0LL);
    if (value && range.holds(*value)) return {};
    return refusedValueText(name, range);
}

QString contactLine(const ContactRecord& c) {
    int gn, ships, knots;
    bool attacked;
    if (c.STVEDELATO1 == 1) {
        gn = c.STNSTACKLATO2, ships = c.STNUMNAVILATO2, knots = c.STNODILATO2;
        attacked = c.STATTACCOLATO1 == 1;
    } else if (c.STVEDELATO2 == 1) {
        gn = c.STNSTACKLATO1, ships = c.STNUMNAVILATO1, knots = c.STNODILATO1;
        attacked = c.STATTACCOLATO2 == 1;
    } else {
        return {};
    }
    if (ships == 0) return {};
    return QStringLiteral("GN:%1 N:%2 K:%3 (%4)").arg(gn).arg(ships).arg(knots).arg(int(c.STDISTANZA)) +
           (attacked ? " S/AT" : "");
}

ContactSurroundings contactSurroundings(const ContactRecord& c) {
    Globals& g = G();
    ContactSurroundings s;
    int sideA, sideB, a, b;
    if (c.STVEDELATO1 == 1) {
        sideA = kAxis, sideB = kAllies, a = c.STNSTACKLATO2, b = c.STNSTACKLATO1;
        s.sideA = "ASSE", s.sideB = "ALLE";
    } else if (c.STVEDELATO2 == 1) {
        sideA = kAllies, sideB = kAxis, a = c.STNSTACKLATO1, b = c.STNSTACKLATO2;
        s.sideA = "ALLE", s.sideB = "ASSE";
    } else {
        return s;
    }
    const Int16* groupA = row(g.gnTable(sideA), a);
    const Int16* groupB = row(g.gnTable(sideB), b);
    s.pointA = point(groupA, GnCol::X, GnCol::Y);
    s.pointB = point(groupB, GnCol::X, GnCol::Y);
    const int ax = groupA[GnCol::X], ay = groupA[GnCol::Y];
    groupsNear(sideA, ax, ay, a, s.friendlyGroups, s.friendlyCap);
    if (c.STB2 == kActNavalMeeting) {
        s.attackingGroup
            << QStringLiteral("TRN:%1 GN:%2 Nv:%3").arg(int(c.STB1)).arg(b).arg(int(groupB[GnCol::Ships]));
        groupsNear(sideB, ax, ay, b, s.attackerGroups, s.attackerCap);
    } else if (c.STB2 > kActNavalMeeting) {
        const Int16* air = row(g.gaTable(sideB), b);
        s.attackingAir
            << QStringLiteral("TRN:%1 GA:%2 N:%3").arg(int(c.STB1)).arg(b).arg(int(air[GaCol::InAction]));
        s.pointB = point(air, GaCol::X, GaCol::Y);
    }
    return s;
}

} // namespace supervisor
