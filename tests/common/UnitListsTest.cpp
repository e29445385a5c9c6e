#include "common/UnitLists.h"

#include "CampaignFixture.h"
#include "common/RecordFiles.h"

#include <QFile>
#include <gtest/gtest.h>

namespace ship = recordformat::ship;
namespace aircraft = recordformat::aircraft;

namespace {

// A ship at full values: every current field equal to its nominal one.
ShipRecord fullShip(const QString& type, const QString& name, int group, int port) {
    ShipRecord s;
    s.setText(ship::CLASSE, QStringLiteral("Soldati"));
    s.setText(ship::NOME, name);
    s.setText(ship::TIPO, type);
    const int pairs[][2] = {{ship::NODI, ship::NODIM},
                            {ship::OPERATIVITA, ship::OPERATIVITAM},
                            {ship::DIR_TIRO, ship::D_TIROM},
                            {ship::CARGO, ship::CARGOM},
                            {ship::RESISTENZA, ship::RESISTENZAM},
                            {ship::C_A_INCENDI, ship::C_A_INCENDIM},
                            {ship::AAM, ship::AAMM},
                            {ship::AAC, ship::AACM},
                            {ship::MA, ship::MAM}};
    for (const auto& p : pairs) {
        s.setNumber(p[0], 30);
        s.setNumber(p[1], 30);
    }
    s.setNumber(ship::NUMERO_GN, group);
    s.setNumber(ship::PORTO, port);
    return s;
}

void writeShips(int side, const QList<ShipRecord>& ships) {
    openShipFile(kChannelShips, side);
    for (const ShipRecord& s : ships) {
        G().ShipRecordBuffer = s;
        appendShip(kChannelShips);
    }
    G().Files.close(kChannelShips);
}

AircraftRecord aircraftLine(const QString& role, const QString& name, int ready, int flying) {
    AircraftRecord a;
    a.setText(aircraft::Nazione, QStringLiteral("ITALIA"));
    a.setText(aircraft::Nome, name);
    a.setText(aircraft::Ruolo, role);
    a.setNumber(aircraft::Pronti, ready);
    a.setNumber(aircraft::InVolo, flying);
    return a;
}

void writeAircraft(const QString& path, const QList<AircraftRecord>& lines) {
    openAircraftFile(20, path, kAxis);
    for (const AircraftRecord& a : lines) appendAircraft(20, a);
    G().Files.close(20);
}

QStringList texts(const ListItems& items) {
    QStringList t;
    for (const ListItem& i : items) t << i.text;
    return t;
}

QList<int> data(const ListItems& items) {
    QList<int> d;
    for (const ListItem& i : items) d << i.data;
    return d;
}

} // namespace

TEST(ShipStatus, LettersInTheirOrder) {
    ShipRecord s = fullShip("CT", "Nave", 0, 1);
    EXPECT_EQ(shipStatusText(s), "") << "a ship at full values and without a task";
    s.setNumber(ship::MISSIONE, 5);
    s.setNumber(ship::NODIM, 20);
    s.setNumber(ship::RESISTENZAM, 10);
    s.setNumber(ship::OPERATIVITAM, 5);
    EXPECT_EQ(shipStatusText(s), " [#kro]");

    s = fullShip("CT", "Nave", 0, 1);
    s.setNumber(ship::AACM, 1);
    s.setNumber(ship::C_A_INCENDIM, 1);
    s.setNumber(ship::INCENDI_ATTIVI, 2);
    s.setNumber(ship::D_TIROM, 1);
    s.setNumber(ship::CARGOM, 24); // short by 6
    s.setNumber(ship::MAM, 0);
    s.setNumber(ship::Assistenza, 1);
    EXPECT_EQ(shipStatusText(s), " [aiIdcms]");
    s.setNumber(ship::CARGOM, 25); // short by 5 only
    EXPECT_EQ(shipStatusText(s), " [aiIdms]");

    s = fullShip("CT", "Nave", 0, 1);
    s.setNumber(ship::OPERATIVITAM, 29);
    EXPECT_EQ(shipStatusText(s), " [o]");
    EXPECT_EQ(groupListStatusText(s), "") << "the group lists leave out an operability mark alone";
}

TEST(UnitLists, ShipsInPortOfTheGroupBeingFormedAndOfAGroup) {
    CampaignFolder c;
    ShipRecord damaged = fullShip("CT", "Aviere", 0, 4);
    damaged.setNumber(ship::OPERATIVITAM, 10);
    writeShips(kAxis, {damaged, fullShip("IL", "Giovanni delle Bande Nere", 3, 4),
                       fullShip("NB", "Littorio", 0, 2), fullShip("CT", "Ascari", 3, 0)});

    const PortShipItems port = portShipItems(kAxis, 4, 3);
    EXPECT_EQ(texts(port.inPort), QStringList{"CT_Aviere     [o]"});
    EXPECT_EQ(data(port.inPort), QList<int>{1});
    EXPECT_EQ(texts(port.forming),
              (QStringList{"(GN:3) k:30-IL Giovanni delle Bande Nere", "(GN:3) k:30-CT Ascari"}));
    EXPECT_EQ(data(port.forming), (QList<int>{2, 4}));
    EXPECT_TRUE(G().Files.isOpen(kChannelShips)) << "left open for the panels";
    EXPECT_EQ(G().SelectedItem, 4) << "the record count";
    EXPECT_TRUE(portShipItems(kAxis, 4, 0).forming.empty());

    const ListItems group = groupShipItems(kAxis, 3);
    EXPECT_EQ(texts(group), (QStringList{"3.IL.Giovanni d", "3.CT.Ascari    "}));
    EXPECT_FALSE(G().Files.isOpen(kChannelGroupShips));
    EXPECT_TRUE(groupShipItems(kAxis, 0).empty());

    damaged = fullShip("CT", "Aviere", 5, 4);
    damaged.setNumber(ship::INCENDI_ATTIVI, 1);
    writeShips(kAxis, {damaged});
    EXPECT_EQ(texts(popupShipItems(kAxis, 5)), QStringList{"GN:5 CT Aviere [I]"});
    EXPECT_EQ(data(popupShipItems(kAxis, 5)), QList<int>{5});
    EXPECT_TRUE(portShipItems(0, 4, 3).inPort.empty()) << "no side in play";
}

TEST(UnitLists, AircraftAtABaseAndOnACarrier) {
    CampaignFolder c;
    G().BaseNames[1] = QStringLiteral("TARANTO");
    G().BaseNames[2] = QStringLiteral("NAPOLI");
    const QString taranto = G().GamesPath + "TARANTOAereiAsseProva.dat";
    writeAircraft(taranto, {aircraftLine("BLR", "SM 79 Sparviero", 6, 3), aircraftLine("CPT", "MC 200", 0, 0),
                            aircraftLine("RIC", "Cant Z 506", 0, 2)});
    G().SelectedItem = 0;
    const ListItems base = baseAircraftItems(kAxis, 1);
    ASSERT_EQ(base.size(), 2u) << "a line with no aircraft ready or in flight is not listed";
    EXPECT_EQ(base[0].text, "BLR_SM 79 Sparviero" + QString(17, u' '));
    EXPECT_EQ(base[1].data, 3);
    EXPECT_EQ(G().SelectedItem, 3);
    EXPECT_TRUE(G().Files.isOpen(kChannelBaseAircraft));
    EXPECT_EQ(G().PathAereiAsse, taranto);

    // A base without its file yet: an empty list and an empty file left behind.
    EXPECT_TRUE(baseAircraftItems(kAxis, 2).empty());
    EXPECT_TRUE(QFile::exists(c.game("NAPOLIAereiAsseProva.dat")));

    writeAircraft(G().GamesPath + "P2Prova.dat", {aircraftLine("CPT", "Sea Gladiator", 4, 0)});
    const ListItems carrier = carrierAircraftItems(QStringLiteral("P2 "));
    ASSERT_EQ(carrier.size(), 1u);
    EXPECT_EQ(carrier[0].text, "CPT Sea Gladiator" + QString(19, u' '));
    EXPECT_FALSE(G().Files.isOpen(kChannelCarrierAircraft));
}
