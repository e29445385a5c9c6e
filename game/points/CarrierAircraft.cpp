#include "CarrierAircraft.h"
#include "common/NavalGroupValues.h"

#include "PointTransfers.h"
#include "common/BaseTable.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/RecordFiles.h"

namespace carriers {

namespace F = recordformat::ship;
namespace A = recordformat::aircraft;

namespace {

constexpr int kChannelAircraft = 1;

bool isCarrier(const ShipRecord& s) {
    return isCarrierType(s.text(F::TIPO));
}

// Bought and not lost: a free ship, one in repair or a lost one has no flight line to show, and a
// deleted record is no ship at all.
bool inService(const ShipRecord& s) {
    return s.whole(F::STATUS) == 1 && !s.isDeleted();
}

QString portLetters(long long port) {
    return port >= 1 && port <= kBases ? G().BaseNames[port].left(2) : QString();
}

QString carrierLine(const ShipRecord& s, const QString& place) {
    return s.text(F::CodicePortaerei) + s.text(F::TIPO) + " " + s.text(F::NOME).left(12) + " " +
           QString::number(s.whole(F::AEREI)) + "/" + QString::number(s.whole(F::AEREIM)) + " " + place;
}

std::vector<ListedItem> listCarriers(bool (*listed)(const ShipRecord&), QString (*place)(const ShipRecord&)) {
    std::vector<ListedItem> items;
    forEachShip(kAllies, [&](int record) {
        const ShipRecord& s = G().ShipRecordBuffer;
        if (isCarrier(s) && inService(s) && listed(s)) items.push_back({record, carrierLine(s, place(s))});
        return true;
    });
    return items;
}

// A missing file is not made: a carrier without aircraft, or with a code that names no file, shows
// none.
QString existingAirFile(const QString& code) {
    if (code.trimmed().isEmpty()) return {};
    const QString path = carrierAircraftFilePath(code);
    return platform::fileExists(path) ? path : QString();
}

// Opens the air file, runs `use` with its record count, and closes it (an error leaves the channel to
// be closed by its next opening).
template <class Use> void withAirFile(const QString& path, Use use) {
    use(openAircraftFile(kChannelAircraft, path, kAllies));
    G().Files.close(kChannelAircraft);
}

} // namespace

std::vector<ListedItem> anchoredCarriers() {
    return listCarriers(
        [](const ShipRecord& s) {
            const long long port = s.whole(F::PORTO);
            return port == kGibilterra || port == kAlessandria;
        },
        [](const ShipRecord& s) { return portLetters(s.whole(F::PORTO)); });
}

std::vector<ListedItem> carriersInService() {
    return listCarriers([](const ShipRecord&) { return true; },
                        [](const ShipRecord& s) {
                            if (s.whole(F::PORTO) > 0) return portLetters(s.whole(F::PORTO));
                            if (s.whole(F::NUMERO_GN) > 0)
                                return "GN: " + QString::number(s.whole(F::NUMERO_GN));
                            return QString();
                        });
}

Carrier readCarrier(int record) {
    Globals& g = G();
    openShipFile(kChannelShips, kAllies);
    readShip(kChannelShips, record);
    g.Files.close(kChannelShips);
    const ShipRecord& s = g.ShipRecordBuffer;
    return {record,
            s.text(F::NOME),
            s.trimmed(F::CodicePortaerei),
            int(s.whole(F::AEREI)),
            int(s.whole(F::AEREIM)),
            int(s.whole(F::PORTO))};
}

std::vector<ListedItem> carrierAircraftItems(const QString& code, int campaignYear, bool counts,
                                             int* recordCount) {
    std::vector<ListedItem> items;
    if (recordCount) *recordCount = 0;
    const QString path = existingAirFile(code);
    if (path.isEmpty()) return items;
    withAirFile(path, [&](int count) {
        if (recordCount) *recordCount = count;
        for (int r = 1; r <= count; ++r) {
            const AircraftRecord a = readAircraft(kChannelAircraft, r);
            if (a.isDeleted() || a.whole(A::Anno) > campaignYear) continue;
            QString text = a.text(A::Ruolo) + " " + a.text(A::Nome).left(14) + " " + a.text(A::Bombardiere) +
                           "/" + a.text(A::Silurante) + " [" + a.trimmed(A::Anno) + "]";
            if (counts)
                text += "   p:" + QString::number(a.whole(A::Pronti)) +
                        "  v:" + QString::number(a.whole(A::InVolo)) +
                        "  a:" + QString::number(a.whole(A::Persi));
            items.push_back({r, text});
        }
    });
    return items;
}

AircraftRecord readCarrierAircraft(const QString& code, int record, int* count) {
    AircraftRecord a;
    if (count) *count = 0;
    const QString path = existingAirFile(code);
    if (path.isEmpty()) return a;
    withAirFile(path, [&](int n) {
        if (count) *count = n;
        if (record >= 1 && record <= n) a = readAircraft(kChannelAircraft, record);
    });
    return a;
}

void CaricaValoriLinea(LineValues& v, const Carrier& carrier, int typeEmbarked, int unitCost) {
    v[PointsLeft] = points::acquisitionPointsLeft(kAllies);
    v[Space] = carrier.space;
    v[SpaceUsed] = carrier.embarked;
    v[TypeEmbarked] = typeEmbarked;
    v[UnitCost] = unitCost;
    v[TypeValue] = v[UnitCost] * v[TypeEmbarked];
}

bool canEmbark(const LineValues& v) {
    return v[PointsLeft] >= kEmbarkPointsMinimum && v[PointsLeft] >= v[UnitCost];
}

bool canDisembark(const LineValues& v) {
    return v[TypeEmbarked] >= 1;
}

bool embarkOne(LineValues& v) {
    if (!canEmbark(v) || v[SpaceUsed] >= v[Space]) return false;
    v[TypeEmbarked] += 1;
    v[SpaceUsed] += 1;
    v[PointsSpent] += v[UnitCost];
    v[PointsLeft] -= v[UnitCost];
    v[TypeValue] = v[UnitCost] * v[TypeEmbarked];
    return true;
}

bool disembarkOne(LineValues& v) {
    if (!canDisembark(v)) return false;
    v[TypeEmbarked] -= 1;
    v[SpaceUsed] -= 1;
    v[PointsSpent] -= v[UnitCost];
    v[PointsLeft] += v[UnitCost];
    v[TypeValue] = v[UnitCost] * v[TypeEmbarked];
    return true;
}

void saveFlightLine(const LineValues& v, const Carrier& carrier, int aircraftRecord) {
    Globals& g = G();
    const QString path = existingAirFile(carrier.code);
    if (path.isEmpty() || aircraftRecord < 1 || carrier.record < 1) return;
    g.setState(StateItem::AcquisitionUsedAlle, g.state(StateItem::AcquisitionUsedAlle) + v[PointsSpent]);
    withAirFile(path, [&](int) {
        AircraftRecord a = readAircraft(kChannelAircraft, aircraftRecord);
        a.setNumberWithSign(A::Pronti, v[TypeEmbarked]);
        writeAircraft(kChannelAircraft, aircraftRecord, a);
    });
    openShipFile(kChannelShips, kAllies);
    readShip(kChannelShips, carrier.record);
    g.ShipRecordBuffer.setNumberWithSign(F::AEREIM, v[SpaceUsed]);
    writeShip(kChannelShips, carrier.record);
    g.Files.close(kChannelShips);
    SalvaDatiBasi();
}

} // namespace carriers
