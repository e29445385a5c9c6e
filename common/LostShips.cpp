#include "LostShips.h"

#include "DataFolder.h"
#include "Globals.h"

#include <QtEndian>

using platform::RecordFile;

namespace {

enum class Kind { Whole16, Whole32, Text, Reserved };

struct LostField {
    int offset;
    int width;
    Kind kind;
    int LostShipRecord::*whole;
    QString LostShipRecord::*text;
};

using R = LostShipRecord;
constexpr LostField kFields[] = {
    {0, 2, Kind::Whole16, &R::Day, nullptr},
    {2, 2, Kind::Whole16, &R::Hour, nullptr},
    {4, 2, Kind::Reserved, nullptr, nullptr},
    {6, 2, Kind::Whole16, &R::Side, nullptr},
    {8, 2, Kind::Whole16, &R::Record, nullptr},
    {10, 2, Kind::Text, nullptr, &R::Type},
    {12, R::kNameLength, Kind::Text, nullptr, &R::Name},
    {22, 4, Kind::Whole32, &R::Tonnage, nullptr},
    {26, 2, Kind::Whole16, &R::Operativity, nullptr},
    {28, 2, Kind::Reserved, nullptr, nullptr},
    {30, 2, Kind::Whole16, &R::Group, nullptr},
    {32, 2, Kind::Whole16, &R::Place, nullptr},
    {34, 2, Kind::Whole16, &R::Port, nullptr},
    {36, 2, Kind::Whole16, &R::X, nullptr},
    {38, 2, Kind::Whole16, &R::Y, nullptr},
    {40, 6, Kind::Reserved, nullptr, nullptr},
};

constexpr bool tiles() {
    int at = 0;
    for (const LostField& f : kFields) {
        if (f.offset != at) return false;
        at += f.width;
    }
    return at == LostShipRecord::kLength;
}
static_assert(tiles());

const char* const kFileWord = "lostship.dat";

} // namespace

QByteArray encodeLostShip(const LostShipRecord& r) {
    QByteArray b(LostShipRecord::kLength, '\0');
    for (const LostField& f : kFields) {
        char* at = b.data() + f.offset;
        switch (f.kind) {
        case Kind::Whole16:
            qToLittleEndian<qint16>(platform::checked16(r.*f.whole), at);
            break;
        case Kind::Whole32:
            qToLittleEndian<qint32>(platform::checked32(r.*f.whole), at);
            break;
        case Kind::Text: {
            QByteArray t = platform::toCp1252(r.*f.text).left(f.width);
            t.append(QByteArray(f.width - t.size(), ' '));
            b.replace(f.offset, f.width, t);
            break;
        }
        case Kind::Reserved:
            break;
        }
    }
    return b;
}

LostShipRecord decodeLostShip(const QByteArray& bytes) {
    QByteArray b = bytes.left(LostShipRecord::kLength);
    b.append(QByteArray(LostShipRecord::kLength - b.size(), '\0'));
    LostShipRecord r;
    for (const LostField& f : kFields) {
        const char* at = b.constData() + f.offset;
        switch (f.kind) {
        case Kind::Whole16:
            r.*f.whole = qFromLittleEndian<qint16>(at);
            break;
        case Kind::Whole32:
            r.*f.whole = qFromLittleEndian<qint32>(at);
            break;
        case Kind::Text:
            r.*f.text = platform::fromCp1252(b.mid(f.offset, f.width));
            break;
        case Kind::Reserved:
            break;
        }
    }
    return r;
}

QString lostShipFilePath() {
    return campaignPath(G().CampaignName + kFileWord);
}

int lostShipCount() {
    const qint64 length = platform::fileLength(lostShipFilePath());
    return length <= 0 ? 0 : int(platform::roundHalfEven(double(length) / LostShipRecord::kLength));
}

LostShipRecord readLostShip(int record) {
    RecordFile f(lostShipFilePath(), LostShipRecord::kLength);
    return decodeLostShip(f.get(record));
}

void ScriviNavePersa(const SunkShip& ship) {
    Globals& g = G();
    const bool axis = g.CurrentSide == kAxis;
    // Ships lost, the loss total, merchant and warship tonnage: items of the side's block.
    using namespace StateItem;
    const int side = axis ? kAxis : kAllies;
    const int lost = sideItem(side, ShipsLostAlle), total = sideItem(side, LossTotalAlle),
              merchant = sideItem(side, MerchantTonsAlle), warship = sideItem(side, WarshipTonsAlle);
    g.setState(lost, g.state(lost) + 1);
    g.setState(total, g.state(total) + ship.operativity + ship.cargo);
    const int tonnage = ship.shipClass == 1 ? warship : merchant;
    g.setState(tonnage, g.state(tonnage) + ship.tonnage);

    LostShipRecord r;
    r.Day = int(g.state(StateItem::Day));
    r.Hour = int(g.state(StateItem::Hour));
    r.Side = g.CurrentSide;
    r.Record = ship.record;
    r.Type = ship.type;
    r.Name = ship.name.left(LostShipRecord::kNameLength);
    r.Tonnage = ship.tonnage;
    r.Operativity = ship.operativity;
    r.Group = ship.group;
    r.Port = ship.port;
    if (ship.group >= 1 && ship.group <= kGroups) {
        const Int16* row = g.gnTable(g.CurrentSide)[ship.group];
        r.Place = row[GnCol::OffMap];
        r.X = row[GnCol::X];
        r.Y = row[GnCol::Y];
    }
    const QByteArray bytes = encodeLostShip(r);
    const int channel = g.Files.freeChannel();
    g.Files.openRandom(channel, lostShipFilePath(), LostShipRecord::kLength);
    RecordFile& f = g.Files.random(channel);
    f.put(f.count() + 1, bytes);
    g.Files.close(channel);
}
