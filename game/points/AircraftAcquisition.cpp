#include "AircraftAcquisition.h"

#include "PointTransfers.h"
#include "common/BaseTable.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "game/start/NewCampaign.h"

namespace acquisition {

namespace A = recordformat::aircraft;

namespace {

constexpr int kChannelAircraft = 1;
// The widest count the type's three-character field holds.
constexpr int kMostOfAType = 999;

// Opens the base's aircraft file, runs `use` with its record count, and closes it.
template <class Use> void withBaseFile(int side, int base, Use use) {
    const int count = openAircraftFile(kChannelAircraft, baseAircraftFilePath(base), side);
    try {
        use(count);
    } catch (...) {
        G().Files.close(kChannelAircraft);
        throw;
    }
    G().Files.close(kChannelAircraft);
}

bool listedAtDraw(int side, int base, int campaignYear, const AircraftRecord& a, int roll) {
    if (a.isDeleted()) return false;
    const bool available = campaignYear >= a.whole(A::Anno) && a.whole(A::Disponibilita) >= roll;
    if (side != kAxis) return available;
    const QString nation = a.text(A::Nazione).left(2);
    if (nation == QLatin1String("IT")) return available;
    if (nation == QLatin1String("DE") && base == kCastelvetrano) return true;
    return base == kSiracusa && available;
}

} // namespace

std::vector<ListedItem> airBaseItems(int side) {
    std::vector<ListedItem> items;
    for (int base : newcampaign::airBases(side)) {
        QString text =
            ("(" + QString::number(base) + ")").leftJustified(6) + G().BaseNames[base].leftJustified(20);
        if (base == kSiracusa || base == kCastelvetrano) text += "DE";
        items.push_back({base, text});
    }
    return items;
}

QString aircraftListRefusal(int base) {
    if (base < 1) return QStringLiteral("Selezionare prima una base dalla lista");
    const long long spendable = points::spendablePoints(base);
    if (spendable < kListPointsMinimum)
        return QStringLiteral("Punti spendibili insufficienti: %1, ne servono almeno %2")
            .arg(spendable)
            .arg(kListPointsMinimum);
    return {};
}

AircraftDraw drawAircraftList(int side, int base, int campaignYear) {
    Globals& g = G();
    AircraftDraw draw;
    g.DiceSides = 26;
    draw.cost = std::max(TiraDado(g.DiceSides), 4);
    g.BaseTable[base][BaseCol::PointsUsed] += draw.cost;
    draw.acquirable = static_cast<int>(platform::intPart(draw.cost / 1.5));
    SalvaDatiBasi();
    withBaseFile(side, base, [&](int count) {
        g.SelectedItem = count;
        for (int r = 1; r <= count; ++r) {
            g.DiceSides = side == kAxis ? 125 : 100;
            const int roll = TiraDado(g.DiceSides);
            const AircraftRecord a = readAircraft(kChannelAircraft, r);
            if (listedAtDraw(side, base, campaignYear, a, roll))
                draw.types.push_back({r, a.text(A::Ruolo).leftJustified(6) + a.text(A::Nome)});
        }
    });
    return draw;
}

AircraftRecord readBaseAircraft(int side, int base, int record) {
    AircraftRecord a;
    withBaseFile(side, base, [&](int) { a = readAircraft(kChannelAircraft, record); });
    return a;
}

std::vector<ListedItem> baseAircraftItems(int side, int base) {
    std::vector<ListedItem> items;
    withBaseFile(side, base, [&](int count) {
        G().SelectedItem = count;
        for (int r = 1; r <= count; ++r) {
            const AircraftRecord a = readAircraft(kChannelAircraft, r);
            if (a.whole(A::Pronti) <= 0 && a.whole(A::InVolo) <= 0) continue;
            QString text = (a.text(A::Ruolo) + " ").leftJustified(5) + a.text(A::Nome);
            text = (text.leftJustified(38) + " T:" + QString::number(a.whole(A::Pronti))).leftJustified(45);
            items.push_back({r, text + " V:" + QString::number(a.whole(A::InVolo))});
        }
    });
    return items;
}

AircraftCard aircraftCard(const AircraftRecord& a) {
    const QString night =
        a.text(A::Notturno) == QLatin1String("1") ? QStringLiteral("VN") : QStringLiteral("--");
    return {a.text(A::Nome).left(26).trimmed(),
            {a.trimmed(A::Costo), a.trimmed(A::Autonomia), a.trimmed(A::Velocita), a.trimmed(A::Siluri),
             a.text(A::Silurante) + "/" + a.text(A::Bombardiere) + "/" + night, a.trimmed(A::FattoreAttacco),
             a.trimmed(A::FattoreDifesa), a.trimmed(A::FattoreMitragliamento), a.trimmed(A::Carico),
             a.trimmed(A::Giudizio)}};
}

QString addAircraft(AircraftPurchase& purchase, int base, int unitCost, int typeCount) {
    Globals& g = G();
    auto* f = g.BaseTable[base];
    if (purchase.acquirable < 1) return QStringLiteral("Nessun altro aereo acquisibile con questa lista");
    const long long spendable = points::spendablePoints(base);
    if (spendable < unitCost)
        return QStringLiteral("Punti spendibili insufficienti: %1, l'aereo costa %2")
            .arg(spendable)
            .arg(unitCost);
    if (f[BaseCol::AircraftPresent] + f[BaseCol::AircraftInFlight] >= g.BaseAircraftCapacity[base])
        return QStringLiteral("Base al completo: %1 aerei allocati su %2")
            .arg(f[BaseCol::AircraftPresent] + f[BaseCol::AircraftInFlight])
            .arg(g.BaseAircraftCapacity[base]);
    if (typeCount + purchase.acquired >= kMostOfAType)
        return QStringLiteral("Questo tipo ha già %1 aerei alla base").arg(kMostOfAType);
    purchase.acquired += 1;
    purchase.acquirable -= 1;
    purchase.spent += unitCost;
    f[BaseCol::AircraftPresent] += 1;
    f[BaseCol::PointsUsed] += unitCost;
    return {};
}

bool removeAircraft(AircraftPurchase& purchase, int base, int unitCost) {
    if (purchase.acquired < 1) return false;
    auto* f = G().BaseTable[base];
    purchase.acquired -= 1;
    purchase.acquirable += 1;
    purchase.spent -= unitCost;
    f[BaseCol::AircraftPresent] -= 1;
    f[BaseCol::PointsUsed] -= unitCost;
    return true;
}

void confirmAircraft(AircraftPurchase& purchase, int side, int base, int record) {
    withBaseFile(side, base, [&](int) {
        AircraftRecord a = readAircraft(kChannelAircraft, record);
        a.setNumberWithSign(A::Pronti, a.whole(A::Pronti) + purchase.acquired);
        writeAircraft(kChannelAircraft, record, a);
    });
    purchase.acquired = 0;
}

} // namespace acquisition
