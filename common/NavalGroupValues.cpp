#include "NavalGroupValues.h"

#include "DataFolder.h"
#include "Dice.h"
#include "Globals.h"
#include "GroupTables.h"
#include "RecordFiles.h"

#include <algorithm>

namespace {
namespace F = recordformat::ship;
using namespace Qt::Literals::StringLiterals;

// The type codes by type number 1..15, with their long names.
struct ShipType {
    QLatin1StringView code;
    const char* name;
    int classGroup;
};
constexpr ShipType kTypes[16] = {{""_L1, "", 0},
                                 {"PA"_L1, "PORTAEREI D'ATTACO", 1},
                                 {"PL"_L1, "PORTAEREI LEGGERA", 1},
                                 {"NB"_L1, "NAVE DA BATTAGLIA", 2},
                                 {"IB"_L1, "INCROCIATORE DA BATTAGLIA", 2},
                                 {"IP"_L1, "INCROCIATORE PESANTE", 2},
                                 {"IL"_L1, "INCROCIATORE LEGGERO/SUPERCACCIA", 2},
                                 {"CT"_L1, "CACCIATORPEDINIERE", 3},
                                 {"NM"_L1, "NAVE MILITARE MINORE", 4},
                                 {"SA"_L1, "SOMMERGIBILE D'ATTACCO", 5},
                                 {"SC"_L1, "SOMMERGIBILE COSTIERO", 5},
                                 {"NX"_L1, "NAVE APPOGGIO AUSILIARIA", 6},
                                 {"AX"_L1, "INCROCIATORE AUSILIARIO", 6},
                                 {"PT"_L1, "PETROLIERA", 6},
                                 {"MR"_L1, "MERCANTILE", 6},
                                 {"NL"_L1, "NAVIGLIO LEGGERO", 4}};

// The type number of a code (compared as the stored characters), 0 when none. Every code is of
// two letters.
char16_t unit(QChar c) {
    return c.unicode();
}
char16_t unit(char16_t c) {
    return c;
}
template <typename Code> int typeNumberOf(const Code& code) {
    if (code.size() != 2) return 0;
    const char16_t a = unit(code[0]), b = unit(code[1]);
    for (int n = 1; n <= 15; ++n)
        if (a == char16_t(kTypes[n].code[0].unicode()) && b == char16_t(kTypes[n].code[1].unicode()))
            return n;
    return 0;
}

int typeNumber(QStringView code) {
    return typeNumberOf(code);
}

bool sideInPlay() {
    return G().CurrentSide == kAllies || G().CurrentSide == kAxis;
}
bool validGroup(int n) {
    return n >= 1 && n <= kGroups;
}

void sumCategories() {
    Int16* c = G().ShipCategoryCounts;
    c[7] = c[1] + c[2] + c[3] + c[4] + c[5] + c[6];
}

void countShip(int delta) {
    const int group = classGroupOf(G().ShipRecordBuffer.text(F::TIPO));
    if (group > 0) G().ShipCategoryCounts[group] += delta;
    sumCategories();
}
} // namespace

bool isCarrierType(const QString& typeCode) {
    return typeCode == QLatin1String("PA") || typeCode == QLatin1String("PL");
}

int classGroupOf(const QString& typeCode) {
    return kTypes[typeNumber(typeCode)].classGroup;
}

int classGroupOfStored(QByteArrayView typeCode) {
    // The code page's letters are those of the codes; any other byte is no letter of a code.
    struct Bytes {
        QByteArrayView v;
        qsizetype size() const { return v.size(); }
        char16_t operator[](qsizetype i) const { return char16_t(static_cast<unsigned char>(v[i])); }
    };
    return kTypes[typeNumberOf(Bytes{typeCode})].classGroup;
}

void RicalcolaGN() {
    Globals& g = G();
    if (!sideInPlay()) return;
    const int gn = g.DepartingGn;
    const int count = openShipFile(kChannelShips, g.CurrentSide);
    int slowest = 50, lowestOperativity = 900;
    long long fires = 0, busy = 0, notOperational = 0, aircraft = 0;
    for (int r = 1; r <= count; ++r) {
        readShip(kChannelShips, r);
        const ShipRecord& s = g.ShipRecordBuffer;
        if (s.whole(F::NUMERO_GN) != gn) continue;
        fires += s.whole(F::INCENDI_ATTIVI);
        busy += s.whole(F::Assistenza);
        notOperational += s.whole(F::NON_OP);
        aircraft += s.whole(F::AEREIM);
        lowestOperativity = std::min<long long>(lowestOperativity, s.whole(F::OPERATIVITAM));
        slowest = std::min<long long>(slowest, s.whole(F::NODIM));
    }
    g.Files.close(kChannelShips);
    if (notOperational > 0) notOperational = 1;
    // A group number outside the table names no row: nothing to write.
    if (!validGroup(gn)) return;
    Int16* row = g.gnTable(g.CurrentSide)[gn];
    row[GnCol::MaxKnots] = slowest;
    if (g.SelectedGn <= 0) {
        row[GnCol::Ships] = g.NewGnShipCount;
        row[GnCol::Order] = kNavalTransit;
    } else if (slowest < row[GnCol::Knots]) {
        row[GnCol::Knots] = slowest;
        row[GnCol::Step] = 10 * slowest;
    }
    row[GnCol::Fires] = fires;
    row[GnCol::BusyShips] = busy;
    row[GnCol::NotOperational] = notOperational;
    row[GnCol::MinOperativity] = lowestOperativity;
    row[GnCol::CapAircraft] = aircraft;
    SalvaTabelleGruppi();
}

void RiduciOperativitaGN() {
    Globals& g = G();
    if (!sideInPlay()) return;
    const int count = openShipFile(kChannelShips, g.CurrentSide);
    if (g.WorkingGnIndex > 0) {
        for (int r = 1; r <= count; ++r) {
            readShip(kChannelShips, r);
            ShipRecord& s = g.ShipRecordBuffer;
            if (s.whole(F::NUMERO_GN) != g.WorkingGnIndex) continue;
            s.setNumber(F::OPERATIVITAM, std::max<long long>(1, s.whole(F::OPERATIVITAM) - 1));
            writeShip(kChannelShips, r);
        }
    }
    g.Files.close(kChannelShips);
}

void AzzeraContaClassi() {
    for (Int16& c : G().ShipCategoryCounts) c = 0;
    G().CountedGn = 0;
}

void ContaNaviPerClasse() {
    countShip(+1);
}

void TogliNaveDaClasse() {
    countShip(-1);
}

void ScriviClassiGN() {
    Globals& g = G();
    if (!sideInPlay()) return;
    if (validGroup(g.CountedGn)) {
        Int16* row = g.gnTable(g.CurrentSide)[g.CountedGn];
        for (int k = 1; k <= 6; ++k) row[GnCol::Carriers - 1 + k] = g.ShipCategoryCounts[k];
    }
    AzzeraContaClassi();
}

void LeggiClassiGN() {
    Globals& g = G();
    if (!sideInPlay() || !validGroup(g.CountedGn)) return;
    const Int16* row = g.gnTable(g.CurrentSide)[g.CountedGn];
    for (int k = 1; k <= 6; ++k) g.ShipCategoryCounts[k] = row[GnCol::Carriers - 1 + k];
    sumCategories();
}

void TogliNaveDaGN() {
    Globals& g = G();
    if (!sideInPlay() || !validGroup(g.SelectedGn)) return;
    Int16* row = g.gnTable(g.CurrentSide)[g.SelectedGn];
    for (int k = 1; k <= 6; ++k) row[GnCol::Carriers - 1 + k] -= g.ShipCategoryCounts[k];
    row[GnCol::Ships] -= 1;
    row[GnCol::CapAircraft] -= g.NewGroupAircraft;
    if (row[GnCol::Ships] != 0) return;
    const int item = StateItem::sideItem(g.CurrentSide, StateItem::NavalMovesAlle);
    g.setState(item, g.state(item) + row[GnCol::HoursUnderWay]);
    for (int c = 1; c <= kGroupColumns; ++c) row[c] = 0;
    g.SelectedGn = 0;
}

void TipoGN() {
    Globals& g = G();
    const Int16* c = g.ShipCategoryCounts;
    const int t = c[7];
    if (c[6] > 0 && t >= 2)
        g.GroupType = 8;
    else if (c[4] + c[5] + c[6] == 0 && c[1] > 0 && t > 0)
        g.GroupType = 11;
    else if (t == c[5] && c[5] > 0 && t <= 3)
        g.GroupType = 10;
    else if (t == c[3] && c[3] > 0 && t <= 2)
        g.GroupType = 10;
    else
        g.GroupType = 9;
}

void NomeClasseNave() {
    Globals& g = G();
    const int n = typeNumber(g.ShipRecordBuffer.trimmed(F::TIPO));
    if (n == 0) return;
    g.ShipTypeName = QString::fromLatin1(kTypes[n].name);
    g.ShipTypeCounts[n] += 1;
}

void AzzeraContaTipi() {
    for (int n = 1; n <= 15; ++n) G().ShipTypeCounts[n] = 0;
}

int ProvaDado(int dayFlag, int side, int knots, int nation) {
    if (dayFlag == 0 || knots > 8) return 0;
    G().DiceSides = 100;
    const int roll = TiraDado(G().DiceSides);
    if (side == kAxis && dayFlag == 1 && nation == 2 && roll < 5) return 0;
    return 1;
}
