// The shipped starter set read back as the new-campaign wizard reads it: the four side archives
// through the game's record layouts, each record against the card it was made from.
#include "setup/SideArchive.h"
#include "tests/support/TestSupport.h"

#include "platform/Files.h"
#include "platform/Numbers.h"

#include <QDir>
#include <QSet>
#include <gtest/gtest.h>

using namespace recordformat;
using namespace sidearchive;

namespace {

const QString kData = QStringLiteral(SHIPPED_DATA_DIR);

// The card folder of a nation code ("IT" -> ".../Navi/IT Italia").
QString nationFolder(const QString& kindFolder, const QString& code) {
    const QStringList found =
        QDir(kData + u'/' + kindFolder).entryList({code + QStringLiteral(" *")}, QDir::Dirs);
    return found.size() == 1 ? kData + u'/' + kindFolder + u'/' + found[0] : QString();
}

template <class Record> QList<Record> liveRecords(const QString& side, int kind) {
    QList<Record> out;
    const QString path = archivePath(kData + QStringLiteral("/Archivio/"), side, kind);
    platform::RecordFile file(path, Record::kLength);
    EXPECT_EQ(file.length() % Record::kLength, 0) << path.toStdString();
    for (int i = 1; i <= file.count(); ++i) {
        Record r;
        readRecord(file, i, r);
        if (!r.isDeleted()) out << r;
    }
    return out;
}

bool alliedNation(const QString& code) {
    return code == QLatin1String("GB") || code == QLatin1String("US");
}

long long cardNumber(const QString& value) {
    return platform::intPart(platform::leadingNumber(value));
}

} // namespace

TEST(ShippedStarterSet, ShipsMatchTheirCardsAndNameLists) {
    for (const QString side : {"ALLEATI", "ASSE"}) {
        const QList<ShipRecord> ships = liveRecords<ShipRecord>(side, kShips);
        ASSERT_GT(ships.size(), 100) << side.toStdString();
        QSet<QString> names;
        for (const ShipRecord& r : ships) {
            const QString code = r.trimmed(ship::NAZIONE);
            const QString name = r.trimmed(ship::NOME);
            SCOPED_TRACE((side + ": " + name).toStdString());
            EXPECT_EQ(alliedNation(code), side == QLatin1String("ALLEATI")) << "the nation gate";
            EXPECT_FALSE(names.contains(name)) << "each ship once";
            names.insert(name);

            const QString folder = nationFolder("Navi", code);
            const QString cardFile =
                folder + u'/' +
                shipCardFileName(r.trimmed(ship::CLASSE), r.text(ship::TIPO), r.trimmed(ship::ANNODATI));
            ASSERT_TRUE(platform::fileExists(cardFile)) << cardFile.toStdString();
            const ShipValues card = readShipCard(cardFile);
            EXPECT_EQ(r.trimmed(ship::CLASSE), card[kCardClass]);
            EXPECT_EQ(r.text(ship::TIPO), card[kCardType].left(2));
            EXPECT_EQ(code, card[kCardNationCode]);
            const std::pair<int, int> fromCard[] = {
                {ship::STAZZA, 7},       {ship::ANNODATI, 5}, {ship::NODI, 8},   {ship::OPERATIVITA, 14},
                {ship::DIR_TIRO, 12},    {ship::CARGO, 15},   {ship::COSTO, 16}, {ship::RESISTENZA, 10},
                {ship::C_A_INCENDI, 11}, {ship::AEREI, 22},   {ship::AAM, 50},   {ship::MA, 13}};
            for (const auto& [field, value] : fromCard)
                EXPECT_EQ(r.whole(field), cardNumber(card[value]))
                    << "field " << field << ", card value " << value;
            EXPECT_EQ(r.whole(ship::AAC), cardNumber(card[42]) + cardNumber(card[45]) + cardNumber(card[48]));
            // A new ship: its current values are its nominal ones, in no group and no port.
            for (const auto& [current, nominal] : {std::pair{ship::NODIM, ship::NODI},
                                                   {ship::RESISTENZAM, ship::RESISTENZA},
                                                   {ship::AAMM, ship::AAM},
                                                   {ship::MAM, ship::MA}})
                EXPECT_EQ(r.text(current), r.text(nominal));
            const bool carrier =
                r.text(ship::TIPO) == QLatin1String("PA") || r.text(ship::TIPO) == QLatin1String("PL");
            EXPECT_EQ(r.text(ship::AEREIM).trimmed().isEmpty(), carrier);
            EXPECT_EQ(r.whole(ship::STATUS), 0);
            EXPECT_EQ(r.whole(ship::NUMERO_GN), 0);
            EXPECT_EQ(r.whole(ship::PORTO), 0);

            const QStringList list =
                readShipNameList(folder + u'/' + shipNameListFileName(card[kCardClass], card[kCardDataYear]));
            EXPECT_TRUE(list.contains(name));
        }
    }
}

TEST(ShippedStarterSet, AircraftMatchTheirCardsAndFillEveryFreeRole) {
    const QStringList freeRoles = {"BLR", "RLR", "CPT", "RIC", "RID", "BMR", "ASI", "RIM"};
    for (const QString side : {"ALLEATI", "ASSE"}) {
        const QList<AircraftRecord> planes = liveRecords<AircraftRecord>(side, kAircraft);
        QSet<QString> offered;
        int carrierTypes = 0;
        for (const AircraftRecord& r : planes) {
            const QString code = r.text(aircraft::Nazione).left(2);
            const QString name = r.trimmed(aircraft::Nome);
            SCOPED_TRACE((side + ": " + name).toStdString());
            EXPECT_EQ(alliedNation(code), side == QLatin1String("ALLEATI"));
            const QString cardFile =
                nationFolder("Aerei", code) + u'/' +
                aircraftcard::cardFileName(QString(name).remove(u' '), r.text(aircraft::Ruolo),
                                           r.trimmed(aircraft::Anno));
            ASSERT_TRUE(platform::fileExists(cardFile)) << cardFile.toStdString();
            const aircraftcard::AircraftData card = aircraftcard::readCard(cardFile);
            EXPECT_EQ(r.trimmed(aircraft::Nazione), card[aircraftcard::Nation]);
            EXPECT_EQ(name, card[aircraftcard::Name]);
            EXPECT_EQ(r.text(aircraft::Ruolo), card[aircraftcard::Type].left(3));
            for (int field = aircraft::Anno; field <= aircraft::Disponibilita; ++field)
                EXPECT_EQ(r.whole(field), cardNumber(card[field])) << "field " << field;
            EXPECT_EQ(r.text(aircraft::Imbarcato) == QLatin1String("1"),
                      card[aircraftcard::CarrierBorne] == QLatin1String("Imbarcato"));
            EXPECT_EQ(r.whole(aircraft::Pronti), 0) << "the archive holds types, not aircraft";
            if (side == QLatin1String("ALLEATI") || code == QLatin1String("IT"))
                offered.insert(r.text(aircraft::Ruolo));
            carrierTypes += r.text(aircraft::Imbarcato) == QLatin1String("1");
        }
        for (const QString& role : freeRoles)
            EXPECT_TRUE(offered.contains(role))
                << side.toStdString() << " offers no free " << role.toStdString();
        if (side == QLatin1String("ALLEATI")) {
            EXPECT_GE(carrierTypes, 3) << "the carriers' air files need types";
        }
    }
}
