#include "CarrierLaunch.h"

#include "common/BaseTable.h"
#include "common/DataFolder.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/RecordFiles.h"

namespace A = recordformat::aircraft;
namespace S = recordformat::ship;

namespace carrierlaunch {

namespace {
// Aircraft launched that cost the carrier a point of operativity.
constexpr int kLaunchesPerWear = 20;
// A ferried aircraft is lost on a d100 below this much a weather level.
constexpr int kFerryLossPerWeather = 20;
// The detection value of a new air group.
constexpr int kAirEvasionValue = 11;

Int32* context() {
    return G().OperationContext;
}

Int16 cell(long long v) {
    return Int16(v);
}

// Runs `work` on the air file at `path` open on a free channel, closed again afterwards.
template <class Work> auto withAircraftFile(const QString& path, Work work) {
    Globals& g = G();
    const int channel = g.Files.freeChannel();
    const int count = openAircraftFile(channel, path, kAllies);
    struct Closer {
        int channel;
        ~Closer() { G().Files.close(channel); }
    } closer{channel};
    return work(channel, count);
}

QString carrierFile() {
    return carrierAircraftFilePath(G().OperationTexts[2]);
}

// Adds `ready` to the line's ready aircraft and `flying` to those in flight.
void moveAircraft(const QString& path, int line, int ready, int flying) {
    withAircraftFile(path, [&](int channel, int) {
        AircraftRecord a = readAircraft(channel, line);
        if (ready != 0) a.setNumberWithSign(A::Pronti, a.whole(A::Pronti) + ready);
        if (flying != 0) a.setNumberWithSign(A::InVolo, a.whole(A::InVolo) + flying);
        writeAircraft(channel, line, a);
        G().AircraftRecordBuffer = a;
    });
}

// The group's names: the line's name (14 characters) with the carrier's file code, the code, the
// role.
void nameGroup(int group, bool fromCarrier) {
    Globals& g = G();
    QString* names = g.GaNamesAlle[group];
    names[1] = g.OperationTexts[3].left(14) + u'/' + g.OperationTexts[2];
    names[2] = fromCarrier ? g.OperationTexts[2].trimmed() : QString();
    names[3] = g.OperationTexts[4].trimmed();
}

void forgetLine() {
    for (int i = 3; i <= 5; ++i) G().OperationTexts[i].clear();
}
} // namespace

int inFlightLimit(int handling) {
    return 5 * handling;
}

Aloft aircraftAloft(const QString& fileCode) {
    return withAircraftFile(carrierAircraftFilePath(fileCode), [](int channel, int count) {
        Aloft aloft{0, count};
        for (int r = 1; r <= count; ++r) aloft.aircraft += int(readAircraft(channel, r).whole(A::InVolo));
        return aloft;
    });
}

int takeLine(const QString& fileCode, int record) {
    Globals& g = G();
    const AircraftRecord a = withAircraftFile(
        carrierAircraftFilePath(fileCode), [&](int channel, int) { return readAircraft(channel, record); });
    g.AircraftRecordBuffer = a;
    g.OperationTexts[3] = a.text(A::Nome);
    g.OperationTexts[4] = a.text(A::Ruolo);
    g.OperationTexts[5] = a.text(A::Anno);
    Int32* c = context();
    c[9] = Int32(a.whole(A::Autonomia));
    c[10] = 0;
    for (int i = 0; i < 4; ++i) c[11 + i] = Int32(a.whole(A::Giudizio + i));
    c[15] = Int32(a.whole(A::Carico));
    c[17] = Int32(a.whole(A::Velocita));
    c[18] = a.trimmed(A::Silurante) == QLatin1String("S") ? 1 : 0;
    c[19] = 0;
    c[20] = 0;
    return int(a.whole(A::Costo));
}

bool torpedoLine() {
    return context()[18] == 1;
}

long long warLoad() {
    return (long long)context()[19] * context()[20];
}

LaunchCheck checkLaunch(int group, int aloft, bool toMalta) {
    const Globals& g = G();
    const Int32* c = context();
    if (c[10] == 0 || group == 0) return {Refusal::NothingChosen, 0};
    if (group < 1 || group > kGroups || g.GaTableAlle[group][GaCol::InUse] != 0)
        return {Refusal::NoFreeGroup, 0};
    const long long limit = inFlightLimit(c[5]);
    if (limit < c[10] + aloft) return {Refusal::TooManyAloft, limit - aloft};
    if (toMalta) {
        const Int32* malta = g.BaseTable[kMaltaBs];
        const long long room = g.BaseAircraftCapacity[kMaltaBs] - malta[BaseCol::AircraftInFlight] -
                               malta[BaseCol::AircraftPresent];
        if (room < c[10]) return {Refusal::NoRoomAtMalta, room};
    }
    if (c[15] < warLoad()) return {Refusal::LoadTooHeavy, 0};
    return {};
}

bool flyEmpty() {
    Int32* c = context();
    const bool empty = torpedoLine() ? c[19] == 0 : warLoad() == 0;
    if (empty) c[19] = c[20] = 0;
    return empty;
}

void launchFromCarrier(int group, int line, int cost) {
    Globals& g = G();
    const Int32* c = context();
    const int n = c[10];
    const int gn = c[2];
    const Int16 x = gn >= 1 && gn <= kGroups ? g.GnTableAlle[gn][GnCol::X] : Int16(0);
    const Int16 y = gn >= 1 && gn <= kGroups ? g.GnTableAlle[gn][GnCol::Y] : Int16(0);
    Int16* r = g.GaTableAlle[group];
    const Int16 keptSize = r[GaCol::BombSize];
    for (int col = 1; col <= kGroupColumns; ++col) r[col] = 0;
    r[GaCol::InUse] = 1;
    r[GaCol::SpeedKmh] = cell(c[17]);
    r[GaCol::AircraftCost] = cell(cost);
    r[GaCol::Aircraft] = cell(n);
    r[GaCol::Order] = kOrderTakeOff;
    for (int i = 0; i < 4; ++i) r[GaCol::Judgement + i] = cell(c[11 + i]);
    if (torpedoLine() && c[19] == 1) {
        r[GaCol::Torpedoes] = 1;
        r[GaCol::BombSize] = keptSize;
    } else if (c[20] >= 1 && c[19] >= 1) {
        r[GaCol::Bombs] = cell(c[19]);
        r[GaCol::BombSize] = cell(c[20]);
    }
    r[GaCol::CarrierNumber] = cell(c[1]);
    r[GaCol::DefaultEndurance] = cell(c[9]);
    // The carrier's point is the group's origin and, until an order names another, its target: the
    // hour puts a group that has flown its turns on its target.
    r[GaCol::X] = r[GaCol::OriginX] = r[GaCol::TargetX] = x;
    r[GaCol::Y] = r[GaCol::OriginY] = r[GaCol::TargetY] = y;
    r[GaCol::AircraftRecord] = cell(line);
    r[GaCol::CarrierGroup] = 1;
    r[GaCol::CarrierGn] = cell(gn);
    r[GaCol::EvasionValue] = kAirEvasionValue;
    nameGroup(group, true);

    moveAircraft(carrierFile(), line, -n, n);
    if (n >= 1) wearCarrier(c[1], n, false);
    forgetLine();
    SalvaTabelleGruppi();
}

int ferryLosses(int aircraft, int weather) {
    if (weather <= 0) return 0;
    Globals& g = G();
    g.DiceSides = 100;
    int lost = 0;
    for (int i = 0; i < aircraft; ++i)
        if (TiraDado(g.DiceSides) < kFerryLossPerWeather * weather) ++lost;
    return lost;
}

int maltaLineFor(int channel, const AircraftRecord& line) {
    const QString name = line.trimmed(A::Nome);
    const int count = G().Files.random(channel).count();
    for (int r = 1; r <= count; ++r) {
        const AircraftRecord a = readAircraft(channel, r);
        if (!a.isDeleted() && a.trimmed(A::Nome) == name) return r;
    }
    AircraftRecord added = line;
    for (int f : {A::Pronti, A::InVolo, A::Persi}) added.setNumberWithSign(f, 0);
    return appendAircraft(channel, added);
}

int ferryToMalta(int group, int line, int cost, int weather) {
    Globals& g = G();
    const Int32* c = context();
    const int n = c[10];
    const int lost = ferryLosses(n, weather);

    const AircraftRecord carried = withAircraftFile(carrierFile(), [&](int channel, int) {
        AircraftRecord a = readAircraft(channel, line);
        a.setNumberWithSign(A::Pronti, a.whole(A::Pronti) - n);
        writeAircraft(channel, line, a);
        return a;
    });
    const int maltaLine = withAircraftFile(baseAircraftFilePath(kMaltaBs), [&](int channel, int) {
        const int at = maltaLineFor(channel, carried);
        AircraftRecord a = readAircraft(channel, at);
        a.setNumberWithSign(A::InVolo, a.whole(A::InVolo) + n);
        writeAircraft(channel, at, a);
        g.AircraftRecordBuffer = a;
        return at;
    });

    // The combat values (columns 12 to 19) are not the ferry's: they stay as the row has them.
    Int16* r = g.GaTableAlle[group];
    for (int col = 1; col <= kGroupColumns; ++col)
        if (col < GaCol::Judgement || col > GaCol::CarrierNumber) r[col] = 0;
    r[GaCol::InUse] = 1;
    r[GaCol::SpeedKmh] = cell(c[17]);
    r[GaCol::AircraftCost] = cell(cost);
    r[GaCol::Aircraft] = cell(n);
    r[GaCol::Damaged] = cell(lost);
    r[GaCol::Order] = kOrderReturn;
    r[GaCol::OriginBase] = kMaltaBs;
    r[GaCol::X] = kFerryStartX;
    r[GaCol::Y] = kFerryStartY;
    r[GaCol::TargetX] = r[GaCol::OriginX] = kMaltaX;
    r[GaCol::TargetY] = r[GaCol::OriginY] = kMaltaY;
    r[GaCol::AircraftRecord] = cell(maltaLine);
    r[GaCol::EvasionValue] = kAirEvasionValue;
    nameGroup(group, false);

    g.BaseTable[kMaltaBs][BaseCol::AircraftInFlight] += n;
    SalvaDatiBasi();
    if (n >= 1) wearCarrier(c[1], n, true);
    forgetLine();
    SalvaTabelleGruppi();
    return maltaLine;
}

void wearCarrier(int record, int launched, bool leaveCarrier) {
    Globals& g = G();
    const int count = openShipFile(kChannelShips, kAllies);
    if (record < 1 || record > count) {
        g.Files.close(kChannelShips);
        return;
    }
    readShip(kChannelShips, record);
    ShipRecord& s = g.ShipRecordBuffer;
    long long launches = s.whole(S::OperativitaPersaAerei) + launched;
    if (launches > kLaunchesPerWear) {
        launches -= kLaunchesPerWear;
        const long long operativity = s.whole(S::OPERATIVITAM) - 1;
        if (operativity <= 1)
            s.setText(S::OPERATIVITAM, QStringLiteral("1"));
        else
            s.setNumberWithSign(S::OPERATIVITAM, operativity);
    }
    s.setNumberWithSign(S::OperativitaPersaAerei, launches);
    if (leaveCarrier) s.setNumberWithSign(S::AEREIM, s.whole(S::AEREIM) - launched);
    writeShip(kChannelShips, record);
    g.Files.close(kChannelShips);
}

} // namespace carrierlaunch
