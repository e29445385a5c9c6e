#include "UnitLists.h"

#include "DataFolder.h"
#include "Globals.h"
#include "RecordFiles.h"
#include "platform/Controls.h"

namespace ship = recordformat::ship;
namespace aircraft = recordformat::aircraft;

namespace {
bool differs(const ShipRecord& s, int a, int b) {
    return s.number(a) != s.number(b);
}

// Ready plus in flight: a line with none of its aircraft left is not listed.
bool hasAircraft(const AircraftRecord& a) {
    return a.number(aircraft::Pronti) + a.number(aircraft::InVolo) > 0;
}

// Reads the aircraft lines of a file open on a channel; `text` makes the item of one line.
template <class Text> ListItems aircraftItems(int channel, int count, Text text) {
    ListItems items;
    for (int r = 1; r <= count; ++r) {
        const AircraftRecord a = readAircraft(channel, r);
        if (hasAircraft(a)) items.push_back({text(a), r});
    }
    return items;
}
} // namespace

void fillList(platform::ListBox& list, const ListItems& items) {
    for (const ListItem& item : items) {
        list.addItem(item.text);
        // A sorted list puts the item at its place in text order.
        list.setItemData(list.newIndex(), item.data);
    }
}

QString shipStatusText(const ShipRecord& s) {
    const int mission = int(s.whole(ship::MISSIONE));
    QString letters;
    if (mission >= 5 && mission <= 8) letters += u'#';
    if (differs(s, ship::AAM, ship::AAMM) || differs(s, ship::AAC, ship::AACM)) letters += u'a';
    if (differs(s, ship::C_A_INCENDI, ship::C_A_INCENDIM)) letters += u'i';
    if (s.number(ship::INCENDI_ATTIVI) > 0) letters += u'I';
    if (differs(s, ship::DIR_TIRO, ship::D_TIROM)) letters += u'd';
    if (differs(s, ship::NODI, ship::NODIM)) letters += u'k';
    if (differs(s, ship::RESISTENZA, ship::RESISTENZAM)) letters += u'r';
    if (s.number(ship::CARGO) - s.number(ship::CARGOM) > 5) letters += u'c';
    if (differs(s, ship::OPERATIVITA, ship::OPERATIVITAM)) letters += u'o';
    if (differs(s, ship::MA, ship::MAM)) letters += u'm';
    if (s.number(ship::Assistenza) == 1) letters += u's';
    return letters.isEmpty() ? QString() : QStringLiteral(" [") + letters + u']';
}

QString StatoNaveTesto() {
    return shipStatusText(G().ShipRecordBuffer);
}

QString groupListStatusText(const ShipRecord& s) {
    const QString status = shipStatusText(s);
    return status == QStringLiteral(" [o]") ? QString() : status;
}

ListItems baseAircraftItems(int side, int base) {
    Globals& g = G();
    g.Files.close(kChannelBaseAircraft);
    if (side != kAllies && side != kAxis) return {};
    const int count = openAircraftFile(kChannelBaseAircraft, baseAircraftFilePath(base), side);
    g.SelectedItem = count;
    return aircraftItems(kChannelBaseAircraft, count, [](const AircraftRecord& a) {
        return a.text(aircraft::Ruolo) + u'_' + a.text(aircraft::Nome);
    });
}

PortShipItems portShipItems(int side, int base, int newGroup) {
    Globals& g = G();
    g.Files.close(kChannelShips);
    PortShipItems items;
    const int count = openShipFile(kChannelShips, side);
    if (side != kAllies && side != kAxis) return items;
    ShipRecord& s = g.ShipRecordBuffer;
    for (int r = 1; r <= count; ++r) {
        readShip(kChannelShips, r);
        if (s.whole(ship::PORTO) == base && s.whole(ship::NUMERO_GN) == 0)
            items.inPort.push_back(
                {s.trimmed(ship::TIPO) + u'_' + s.text(ship::NOME).left(10) + StatoNaveTesto(), r});
    }
    if (newGroup == 0) return items;
    const QString mark = QStringLiteral("(GN:") + QString::number(newGroup) + QStringLiteral(") k:");
    for (int r = 1; r <= count; ++r) {
        readShip(kChannelShips, r);
        if (s.whole(ship::NUMERO_GN) == newGroup)
            items.forming.push_back(
                {mark + s.text(ship::NODIM) + u'-' + s.text(ship::TIPO) + u' ' + s.trimmed(ship::NOME), r});
    }
    return items;
}

namespace {
// The ships of a group, read on a channel of their own that is closed again.
template <class Text> ListItems shipsOfGroup(int side, int group, int channel, Text text) {
    Globals& g = G();
    g.Files.close(channel);
    ListItems items;
    const int count = openShipFile(channel, side);
    const ShipRecord& s = g.ShipRecordBuffer;
    for (int r = 1; r <= count; ++r) {
        readShip(channel, r);
        if (group > 0 && s.whole(ship::NUMERO_GN) == group) items.push_back({text(s), r});
    }
    g.Files.close(channel);
    return items;
}
} // namespace

ListItems groupShipItems(int side, int group) {
    return shipsOfGroup(side, group, kChannelGroupShips, [group](const ShipRecord& s) {
        return QString::number(group) + u'.' + s.text(ship::TIPO) + u'.' + s.text(ship::NOME).left(10) +
               groupListStatusText(s);
    });
}

ListItems popupShipItems(int side, int group) {
    const int channel = G().Files.freeChannel();
    return shipsOfGroup(side, group, channel, [group](const ShipRecord& s) {
        return QStringLiteral("GN:") + QString::number(group) + u' ' + s.text(ship::TIPO) + u' ' +
               s.trimmed(ship::NOME) + groupListStatusText(s);
    });
}

ListItems carrierAircraftItems(const QString& carrierCode) {
    Globals& g = G();
    g.Files.close(kChannelCarrierAircraft);
    const int count =
        openAircraftFile(kChannelCarrierAircraft, carrierAircraftFilePath(carrierCode), kAllies);
    ListItems items = aircraftItems(kChannelCarrierAircraft, count, [](const AircraftRecord& a) {
        return a.text(aircraft::Ruolo) + u' ' + a.text(aircraft::Nome);
    });
    g.Files.close(kChannelCarrierAircraft);
    return items;
}
