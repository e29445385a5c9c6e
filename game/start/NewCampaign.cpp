#include "NewCampaign.h"

#include "common/BaseTable.h"
#include "common/CampaignSetup.h"
#include "common/DataFolder.h"
#include "common/Dice.h"
#include "common/GameSlots.h"
#include "common/Globals.h"
#include "common/GroupTables.h"
#include "common/RecordFiles.h"
#include "common/records/RecordRanges.h"
#include "platform/Files.h"
#include "platform/Numbers.h"

#include <functional>

using platform::intPart;
using recordformat::AircraftRecord;
using recordformat::ShipRecord;
namespace shipf = recordformat::ship;
namespace airf = recordformat::aircraft;

namespace newcampaign {

// ---------------------------------------------------------------- general settings

bool isValidCampaignName(const QString& name) {
    const QString n = name.trimmed();
    if (n.size() < kNameMinLength || n.size() > kNameMaxLength) return false;
    for (QChar c : n)
        if (!((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))) return false;
    return true;
}

std::optional<std::array<long long, kMissionItems>> missionTargets(const MissionInputs& in) {
    const double d = in.days;
    if (!(d > 0)) return std::nullopt;
    const auto& b = in.base;
    // Rows 21, 22 and 28 add their base value after the integer part is taken.
    auto plus = [](long long whole, double base) { return platform::roundHalfEven(double(whole) + base); };
    return std::array<long long, kMissionItems>{
        plus(intPart(d * in.pointsAlle / 30), b[0]),
        plus(intPart(d * in.pointsAlle / 38), b[1]),
        intPart((d / 15 * in.commandAlle + b[2]) / 28),
        intPart(in.commandAsse / d + b[3]),
        intPart((d / 15 * in.commandAsse + b[4]) / 12),
        intPart((d / 12 * in.commandAsse + b[5]) / 24),
        intPart(in.commandAlle / d + b[6]),
        plus(intPart(d * in.pointsAsse / 22), b[7]),
    };
}

namespace {
// A text that is a number as a whole (blanks around it allowed), rounded half to even.
std::optional<long long> wholeNumber(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok) return std::nullopt;
    return platform::roundHalfEven(v);
}
} // namespace

QString collectGeneralSettings(const SettingTexts& texts, SettingValues& items) {
    SettingValues got{};
    const char* names[kDefaultItems + 1] = {
        "",
        "Durata Camp. in giorni",
        "Stagione",
        "Anno",
        "MEZZI Alleati",
        "MEZZI Asse",
        "COMANDO Alleati",
        "COMANDO Asse",
        "",
        "",
        "Percentuale Arrivi Alleati",
        "Percentuale Arrivi Asse",
        "Coefficente Riparazione Alleati",
        "Coefficente Riparazione Asse",
        "Coefficente movimento Porti Alleati",
        "Coefficente movimento Porti Asse",
        "Coefficente tentativi attivaz. Alleati",
        "Coefficente tentativi attivaz. Asse",
        "Percentuale Media di attivazione Alleati",
        "Percentuale Media di attivazione Asse",
    };
    for (int item = 1; item <= kDefaultItems; ++item) {
        if (item == 8 || item == 9) continue;
        const QString name = QString::fromUtf8(names[item]);
        std::optional<long long> v;
        if (item == 2) {
            // The season's list shows "2-Primavera": its leading number counts.
            const QString t = texts[item].trimmed();
            if (!t.isEmpty() && t[0].isDigit()) v = platform::textToWhole(t);
        } else {
            v = wholeNumber(texts[item]);
        }
        if (!v) return QStringLiteral("Valore mancante o non numerico: %1").arg(name);
        if (*v < INT32_MIN || *v > INT32_MAX) return QStringLiteral("Valore troppo grande: %1").arg(name);
        got[item] = *v;
    }
    if (got[1] < 1 || got[1] > 32767)
        return QStringLiteral("La durata della campagna deve essere di almeno un giorno");
    if (got[2] < 1 || got[2] > 4) return QStringLiteral("La stagione va da 1 (Inverno) a 4 (Autunno)");
    if (got[3] < 0 || got[3] > 32767) return QStringLiteral("Anno non valido");
    for (int item = 1; item <= kDefaultItems; ++item) items[item] = got[item];
    return {};
}

bool isCampaignNameTaken(const QString& name) {
    const QString n = name.trimmed();
    readGameSlots();
    for (int slot = 1; slot <= kSlots; ++slot)
        if (G().GameSlots[slot].name.trimmed().compare(n, Qt::CaseInsensitive) == 0) return true;
    // Any file of the new campaign already there belongs to another one: besides a campaign of the
    // same name, "Abc" and "AbcNome" would share "StackAbcNomeAereiAlle.dat".
    for (const QString& file : campaignFileNames(n)) {
        G().ProbePath = G().GamesPath + file;
        ApriFileProva();
        if (G().ProbePath.isEmpty()) return true;
    }
    G().ProbePath.clear();
    return false;
}

void CreaNuovaCampagna() {
    Globals& g = G();
    // The slot file is read afresh, so a slot taken meanwhile is never overwritten; with no slot
    // free nothing is written.
    readGameSlots();
    const int slot = computeNextFreeSlot();
    if (slot < 1 || slot > kSlots) throw std::runtime_error("SLOT PIENI \\ NUOVO GIOCO NON PERMESSO");

    std::array<long long, kSettings + 1> settings{};
    for (int item = 1; item <= kSettings; ++item) settings[item] = g.GameSettings[item];
    writeSettingsFile(settings);

    for (GroupTable* t : {&g.GnTableAlle, &g.GnTableAsse, &g.GaTableAlle, &g.GaTableAsse})
        for (int group = 1; group <= kGroups; ++group)
            for (int col = 1; col <= kGroupColumns; ++col) (*t)[group][col] = 0;
    for (GroupNames* names : {&g.GaNamesAlle, &g.GaNamesAsse})
        for (int group = 1; group <= kGroups; ++group)
            for (int item = 1; item <= 3; ++item) (*names)[group][item].clear();

    for (int field = 1; field <= kMineFields; ++field)
        for (int row = 1; row <= kMineRows; ++row) g.MineFields[field][row] = 0;
    SalvaMine();

    for (int item = 1; item <= kStateItems; ++item) g.GameState[item] = QStringLiteral("0");
    SalvaTabelleGruppi();

    for (int base = 1; base <= kBases; ++base)
        for (int field = 1; field <= kBaseFields; ++field) g.BaseTable[base][field] = 0;
    SalvaDatiBasi();

    g.GameSlots[slot].name = g.CampaignName;
    g.GameSlots[slot].days = g.GameSettings[1];
    g.GameSlots[slot].season = g.GameSettings[2];
    g.GameSlots[slot].year = g.GameSettings[3];
    SalvaNomiGiochi();
    g.WizardSlot = slot;
}

// ---------------------------------------------------------------- bases and ports

const BaseGridColumn kBaseColumn[kBaseColumns] = {
    {"PORTO", 6, 3, "PortoDef.txt"}, {"AEROPOR", 6, 3, "AeroPortoDef.txt"},
    {"BASE", 6, 3, "BaseDef.txt"},   {"PUNTI", 900, 3, "PuntiDef.txt"},
    {"NAVI", 90, 2, "NaviDef.txt"},  {"AEREI", 300, 3, "AereiDef.txt"},
};
static_assert(kBaseColumns == kSetUpColumns);

int baseBoxValue(const QString& text) {
    long long v = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') break;
        v = v * 10 + (c.unicode() - u'0');
        if (v > 1000000) break;
    }
    return static_cast<int>(v);
}

QString cappedBoxText(const QString& text, int cap) {
    return baseBoxValue(text) > cap ? QString::number(cap) : text;
}

bool hasNoPort(int base) {
    return !hasPort(base);
}

int baseSightingValue(int level) {
    if (level == 1 || level == 2) return 11;
    if (level == 3 || level == 4) return 10;
    return 9;
}

BaseGrid readBaseDefaults() {
    BaseGrid grid{};
    for (int column = 0; column < kBaseColumns; ++column) {
        platform::TextReader in(G().DataPath + "\\" + kBaseColumn[column].defaultFile);
        for (int base = 1; base <= kBases; ++base)
            grid[column][base] = std::min(baseBoxValue(in.readText()), kBaseColumn[column].cap);
    }
    return grid;
}

void saveBaseSetUp(const BaseGrid& grid) {
    Globals& g = G();
    auto write = [&](int column) {
        std::array<long long, kBases + 1> values{};
        for (int base = 1; base <= kBases; ++base) {
            const bool closed = hasNoPort(base) && (column == kPortColumn || column == kShipColumn);
            values[base] = closed ? 0 : grid[column][base];
        }
        writeSetUpFile(column, values);
        return values;
    };
    write(0);
    write(1);
    const auto levels = write(2);
    for (int base = 1; base <= kBases; ++base)
        g.BaseTable[base][BaseCol::SightingValue] = baseSightingValue(int(levels[base]));
    // Points already arrived at the bases; the two bases off the map keep none.
    g.DiceSides = 140;
    for (int base = 1; base <= 11; ++base)
        g.BaseTable[base][BaseCol::PointsArrived] = TiraDado(g.DiceSides) + 70;
    g.DiceSides = 260;
    for (int base = 12; base <= 13; ++base)
        g.BaseTable[base][BaseCol::PointsArrived] = TiraDado(g.DiceSides) + 120;
    SalvaDatiBasi();
    write(3);
    write(4);
    write(5);
}

// ---------------------------------------------------------------- free starting ships

const std::array<QString, kFreeShipTypeCount> FreeShipTypes = {"IP", "IL", "CT", "SA", "PT", "MR", "NX"};

std::array<int, kFreeShipTypeCount> freeShipQuota(int days) {
    return {days / 28 + 1, days / 26 + 1, days / 12 + 1, days / 12 + 1, days / 22 + 1, days / 18 + 1, 2};
}

int freeShipTypeIndex(const QString& type) {
    const QString t = type.trimmed();
    for (int k = 0; k < kFreeShipTypeCount; ++k)
        if (FreeShipTypes[k] == t) return k + 1;
    return 0;
}

std::vector<int> freeShipPorts(int side) {
    if (side == 1) return {12, 14, 15};
    if (side == 2) return {1, 2, 3, 4, 5, 6};
    return {};
}

bool portTakesShipType(int base, const QString& type) {
    return base != 12 || type.trimmed() == "SA";
}

namespace {
constexpr int kChannelFrom = 1;

const char* const kShipsAlle = "alleatinavi.dat";
const char* const kShipsAsse = "assenavi.dat";
const char* const kAircraftAlle = "alleatiaerei.dat";
const char* const kAircraftAsse = "asseaerei.dat";

// What no campaign can hold in a record (an archive made before the ranges were checked): the
// record's field and why, nothing when it can hold it.
recordformat::FieldRefusal refusal(const ShipRecord& r) {
    return recordformat::shipRecordRefusal(r);
}
recordformat::FieldRefusal refusal(const AircraftRecord& r) {
    return recordformat::aircraftRecordRefusal(r);
}

// A live record that a campaign can hold.
constexpr auto live = [](const auto& r) { return !r.isDeleted() && refusal(r).field == 0; };

template <class Record> QString archiveRefusals(const QString& archive) {
    if (!platform::fileExists(archive)) return {};
    platform::RecordFile file(archive, Record::kLength);
    Record r;
    int refused = 0;
    QString first;
    for (int i = 1; i <= file.count(); ++i) {
        recordformat::readRecord(file, i, r);
        if (r.isDeleted()) continue;
        const recordformat::FieldRefusal why = refusal(r);
        if (why.field == 0) continue;
        if (++refused == 1)
            first = QStringLiteral("record %1 (%2), %3")
                        .arg(i)
                        .arg(r.text(2).trimmed(), recordformat::refusalText(r, why));
    }
    if (refused == 0) return {};
    return QStringLiteral("%1: %2 record non copiati; il primo è il %3")
        .arg(platform::diskPath(archive))
        .arg(refused)
        .arg(first);
}
} // namespace

QStringList missingArchives(const QString& archivePath) {
    QStringList out;
    for (const char* file : {kShipsAlle, kShipsAsse, kAircraftAlle, kAircraftAsse})
        if (!platform::fileExists(archivePath + file)) out << platform::diskPath(archivePath + file);
    return out;
}

QStringList refusedArchiveRecords(const QString& archivePath) {
    QStringList out;
    for (const QString& line : {archiveRefusals<ShipRecord>(archivePath + kShipsAlle),
                                archiveRefusals<ShipRecord>(archivePath + kShipsAsse),
                                archiveRefusals<AircraftRecord>(archivePath + kAircraftAlle),
                                archiveRefusals<AircraftRecord>(archivePath + kAircraftAsse)})
        if (!line.isEmpty()) out << line;
    return out;
}

int CopiaArchivioNavi(const QString& archivePath) {
    Globals& g = G();
    g.Files.closeAll();
    g.PathNaviAlle = shipFilePath(kAllies);
    g.PathNaviAsse = shipFilePath(kAxis);
    int carrierCount = 0;
    // A carrier takes its number before the deletion test, so a deleted carrier keeps one too.
    auto numberCarrier = [&](ShipRecord& r) {
        const QString type = r.text(shipf::TIPO);
        if (type == "PL" || type == "PA") r.setText(shipf::CodicePortaerei, carrierCode(++carrierCount));
    };
    copyShipRecords(archivePath + kShipsAlle, g.PathNaviAlle, live, numberCarrier);
    copyShipRecords(archivePath + kShipsAsse, g.PathNaviAsse, live);
    return carrierCount;
}

void CopiaArchivioAerei(const QString& archivePath) {
    Globals& g = G();
    g.Files.closeAll();
    for (int side : {kAllies, kAxis})
        for (int base : airBases(side)) {
            QString& path = side == kAllies ? g.PathAereiAlle : g.PathAereiAsse;
            path = baseAircraftFilePath(base);
            copyAircraftRecords(archivePath + (side == kAllies ? kAircraftAlle : kAircraftAsse), path, live);
        }
}

void CreaFileAereiPortaerei(const QString& archivePath, int carrierCount) {
    Globals& g = G();
    g.Files.closeAll();
    for (int n = 1; n <= carrierCount; ++n) {
        g.PathAereiAlle = carrierAircraftFilePath(carrierCode(n));
        copyAircraftRecords(archivePath + kAircraftAlle, g.PathAereiAlle, [](const AircraftRecord& r) {
            return r.text(airf::Imbarcato) == "1" && live(r);
        });
    }
}

std::vector<ListedUnit> freeShipList(int side, int campaignYear) {
    std::vector<ListedUnit> out;
    auto& files = G().Files;
    const int count = openShipFile(kChannelFrom, side);
    const ShipRecord& rec = G().ShipRecordBuffer;
    for (int i = 1; i <= count; ++i) {
        readShip(kChannelFrom, i);
        if (rec.number(shipf::ANNODATI) > campaignYear) continue;
        if (rec.number(shipf::PORTO) >= 1) continue;
        if (freeShipTypeIndex(rec.text(shipf::TIPO)) == 0) continue;
        out.push_back({i, rec.text(shipf::TIPO) + " " + rec.text(shipf::NOME)});
    }
    files.close(kChannelFrom);
    return out;
}

QString shipDetails(int side, int record) {
    openShipFile(kChannelFrom, side);
    readShip(kChannelFrom, record);
    G().Files.close(kChannelFrom);
    const ShipRecord& r = G().ShipRecordBuffer;
    return "Kn:" + r.text(shipf::NODI) + " |Aerei:" + r.text(shipf::AEREI) + " |Crg:" + r.text(shipf::CARGO) +
           " |Op:" + r.text(shipf::OPERATIVITA) + " |Cst:" + r.text(shipf::COSTO);
}

namespace {
bool portFull(int base) {
    return G().BaseTable[base][BaseCol::ShipsPresent] >= G().BaseShipCapacity[base];
}
} // namespace

bool VerificaQuota(int base, const QString& type, std::array<int, kFreeShipTypeCount>& quotaLeft) {
    const int k = freeShipTypeIndex(type);
    if (k == 0 || quotaLeft[k - 1] == 0 || portFull(base)) return false;
    --quotaLeft[k - 1];
    G().BaseTable[base][BaseCol::ShipsPresent] += 1;
    return true;
}

QString placeFreeShip(int side, int base, int record, std::array<int, kFreeShipTypeCount>& quotaLeft) {
    Globals& g = G();
    auto& files = g.Files;
    openShipFile(kChannelFrom, side);
    readShip(kChannelFrom, record);
    ShipRecord& r = g.ShipRecordBuffer;
    const QString type = r.text(shipf::TIPO);
    if (!portTakesShipType(base, type) || r.number(shipf::PORTO) >= 1 ||
        !VerificaQuota(base, type, quotaLeft)) {
        files.close(kChannelFrom);
        return {};
    }
    r.setNumber(shipf::PORTO, base);
    r.setText(shipf::MISSIONE, "1");
    r.setText(shipf::STATUS, "1");
    writeShip(kChannelFrom, record);
    files.close(kChannelFrom);
    return r.text(shipf::TIPO) + " " + r.text(shipf::NOME).left(18) + " Base N:" + r.text(shipf::PORTO);
}

// ---------------------------------------------------------------- free starting aircraft

std::vector<int> airBases(int side) {
    if (side == 1) return {12, 13, 14, 15};
    if (side == 2) return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    return {};
}

namespace {
const QStringList kFreeAircraftRoles = {"BLR", "RLR", "CPT", "RIC", "RID", "BMR", "ASI", "RIM"};

// The role first, as the types' list and the placed ships show the class: one name may stand
// for a bomber line and a torpedo line.
QString placedLine(const AircraftRecord& r) {
    return r.text(airf::Ruolo) + " " + r.text(airf::Nome).left(26) + " N:" + r.text(airf::Pronti);
}
} // namespace

AircraftLists freeAircraftLists(int side, int base) {
    AircraftLists out;
    auto& files = G().Files;
    const int count = openAircraftFile(kChannelFrom, baseAircraftFilePath(base), side);
    for (int i = 1; i <= count; ++i) {
        const AircraftRecord r = readAircraft(kChannelFrom, i);
        if (!kFreeAircraftRoles.contains(r.text(airf::Ruolo))) continue;
        if (side == kAxis && !r.text(airf::Nazione).startsWith("IT")) continue;
        out.types.push_back({i, r.text(airf::Ruolo) + " " + r.text(airf::Nome)});
        if (r.number(airf::Pronti) >= 1) out.placed << placedLine(r);
    }
    files.close(kChannelFrom);
    return out;
}

QString aircraftDetails(int side, int base, int record) {
    openAircraftFile(kChannelFrom, baseAircraftFilePath(base), side);
    const AircraftRecord r = readAircraft(kChannelFrom, record);
    G().Files.close(kChannelFrom);
    return "Kh:" + r.text(13) + " | Aut:" + r.text(6) + " | GI:" + r.text(7) + " | FA:" + r.text(8) +
           " | FD:" + r.text(9) + " | CD:" + r.text(11) + " | " + r.text(16) + "/" + r.text(17);
}

QString confirmFreeAircraft(int side, int base, int record, int count) {
    openAircraftFile(kChannelFrom, baseAircraftFilePath(base), side);
    AircraftRecord r = readAircraft(kChannelFrom, record);
    r.setNumber(airf::Pronti, r.whole(airf::Pronti) + count);
    writeAircraft(kChannelFrom, record, r);
    G().Files.close(kChannelFrom);
    return placedLine(r);
}

bool canPlaceMoreAircraft(int side) {
    for (int base : airBases(side))
        if (G().BaseTable[base][BaseCol::AircraftPresent] < G().BaseAircraftCapacity[base] &&
            !freeAircraftLists(side, base).types.empty())
            return true;
    return false;
}

} // namespace newcampaign
