#include "setup/SideArchive.h"
#include "tests/setup/SetupTestSupport.h"
#include "tests/support/TestSupport.h"

#include "platform/Numbers.h"

#include <gtest/gtest.h>

using namespace sidearchive;
using namespace recordformat;
using setuptest::destroyerCard;
using setuptest::fighterCard;

namespace {
QByteArray pad(const char* text, int width) {
    QByteArray b(text);
    return b + QByteArray(width - b.size(), ' ');
}

QString archiveIn(const testsupport::ProgramFolder& folder, const QString& side, int kind) {
    return archivePath(folder.path() + QStringLiteral("\\Archivio\\"), side, kind);
}
} // namespace

TEST(SideArchive, ShipRecordOfADestroyerByteForByte) {
    const ShipRecord r =
        shipToInsert(BuildShipArchiveRecord(destroyerCard()), QStringLiteral("Alfredo Oriani"));
    const QByteArray nominal = pad("38", 2) + pad("92", 3) + pad("6", 2) + pad("3", 3) + pad("118", 4) +
                               pad("185", 4) + pad("7", 2) + pad("0", 3) + "0" + pad("5", 3) + " 12";
    const QByteArray current = pad("38", 2) + pad("92", 3) + pad("6", 2) + pad("3", 3) + pad("185", 4) +
                               pad("7", 2) + pad("0", 3) + " " + pad("5", 3) + " 12";
    const QByteArray expected = pad("Oriani", 30) + pad("Alfredo Oriani", 30) + "CT" + "IT" + pad("1750", 5) +
                                "1940" + nominal + "   " + " " + "0" + current + pad("0", 3) + pad("0", 3) +
                                pad("0", 3) + QByteArray(36, ' ');
    ASSERT_EQ(expected.size(), ShipRecord::kLength);
    EXPECT_EQ(r.bytes(), expected);
}

TEST(SideArchive, CarrierKeepsItsAircraftOutOfTheCurrentValues) {
    ShipValues card = destroyerCard(QStringLiteral("Illustrious"), QStringLiteral("GB Gran Bretagna"));
    card[2] = QStringLiteral("PA Portaerei d'attacco");
    card[22] = QStringLiteral("36");
    card[13] = QStringLiteral("12");
    const ShipRecord built = BuildShipArchiveRecord(card);
    QList<QByteArray> ships;
    for (const char* name : {"Illustrious", "Formidable", "Victorious"}) {
        const ShipRecord r = shipToInsert(built, QString::fromLatin1(name));
        EXPECT_EQ(r.text(ship::AEREI), "36 ");
        EXPECT_EQ(r.text(ship::AEREIM), "   ");
        EXPECT_EQ(r.text(ship::MAM), "12 ");
        ships << r.bytes().left(30) + r.bytes().mid(60);
    }
    EXPECT_EQ(ships[0], ships[1]);
    EXPECT_EQ(ships[1], ships[2]) << "three carriers of one class differ only in their names";

    card[2] = QStringLiteral("CT Cacciatorpediniere");
    EXPECT_EQ(shipToInsert(BuildShipArchiveRecord(card), "x").text(ship::AEREIM), "36 ");
}

TEST(SideArchive, NumbersAreStoredSoThatTheyReadBackRight) {
    ShipValues card = destroyerCard();
    card[42] = QStringLiteral("40");
    card[45] = QStringLiteral("50");
    card[48] = QStringLiteral("30");
    card[16] = QStringLiteral(" 1000"); // a card value with a leading blank
    card[8] = QStringLiteral("28.5");
    ShipRecord r = shipToInsert(BuildShipArchiveRecord(card), "x");
    EXPECT_EQ(r.text(ship::AAC), "120") << "a sum of three digits loses its blank, not a digit";
    EXPECT_EQ(r.whole(ship::AACM), 120);
    EXPECT_EQ(r.text(ship::COSTO), "1000");
    EXPECT_EQ(r.text(ship::NODI), "28");

    card[42] = QStringLiteral("400");
    card[45] = QStringLiteral("600");
    EXPECT_THROW(BuildShipArchiveRecord(card), platform::RangeError) << "1030 fits no 3-character field";
    card = destroyerCard();
    card[10] = QStringLiteral("12345");
    try {
        BuildShipArchiveRecord(card);
        FAIL() << "a resistance of five digits cannot be stored";
    } catch (const platform::RangeError& e) {
        EXPECT_TRUE(e.message().contains("valore 10")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("12345"));
    }
}

TEST(SideArchive, AircraftRecordByteForByteAndItsMarks) {
    const AircraftRecord r = aircraftToInsert(BuildAircraftArchiveRecord(fighterCard()), "Fiat CR.42 Falco");
    const QByteArray expected = pad("IT Italia", 20) + pad("Fiat CR.42 Falco", 32) + pad("Fiat", 30) + "CPT" +
                                "1939" + pad("3", 3) + pad("8", 2) + "12" + pad("7", 2) + pad("3", 2) +
                                pad("25", 4) + "0" + "441" + pad("4", 3) + pad("20", 3) + "-" + "-" + " " +
                                "0" + QByteArray(28, ' ') + "0" + "0" + " ";
    ASSERT_EQ(expected.size(), AircraftRecord::kLength);
    EXPECT_EQ(r.bytes(), expected);

    aircraftcard::AircraftData card = fighterCard();
    const auto marks = [&](const char* carrier, const char* seaplane, const char* night) {
        card[aircraftcard::CarrierBorne] = QString::fromLatin1(carrier);
        card[aircraftcard::Seaplane] = QString::fromLatin1(seaplane);
        card[aircraftcard::Night] = QString::fromLatin1(night);
        const AircraftRecord a = BuildAircraftArchiveRecord(card);
        return a.text(aircraft::Imbarcato) + a.text(aircraft::Idro) + a.text(aircraft::Notturno);
    };
    EXPECT_EQ(marks("Imbarcato", "Idro", "S"), "111");
    EXPECT_EQ(marks("Non Imbarcato", "Non idro", "N"), "000");
    EXPECT_EQ(marks(" Imbarcata1 ", "Idro", "s"), "110") << "ten characters still mark a carrier aircraft";
}

TEST(SideArchive, InsertMarkAndList) {
    testsupport::ProgramFolder folder(false);
    platform::makeFolder(folder.path() + "/Archivio");
    const QString path = archiveIn(folder, "ASSE", kShips);
    EXPECT_TRUE(path.endsWith("/Archivio/ASSENavi.Dat"));

    const ShipRecord built = BuildShipArchiveRecord(destroyerCard());
    const QStringList names = {"Alfredo Oriani", "Vittorio Alfieri", "Giosuè Carducci", "Vincenzo Gioberti",
                               "Aviere"};
    for (int i = 0; i < names.size(); ++i)
        EXPECT_EQ(appendToArchive(path, shipToInsert(built, names[i])), i + 1);

    markShipDeleted(path, 2);
    ArchiveListing l = listShipArchive(path);
    EXPECT_EQ(l.count, 5);
    EXPECT_EQ(l.marked, 1);
    EXPECT_EQ(l.live(), 4);
    ASSERT_EQ(l.entries.size(), 4);
    EXPECT_EQ(l.entries[1].record, 3);
    EXPECT_EQ(l.entries[1].line, "CT_" + names[2].leftJustified(30));
    EXPECT_EQ(platform::fileLength(path), 5 * 179) << "a deleted ship stays in the file";
    EXPECT_EQ(testsupport::readBytes(path).mid(179 + 103, 3), "XXX");
    EXPECT_EQ(appendToArchive(path, shipToInsert(built, "Lampo")), 6);
    EXPECT_THROW(markShipDeleted(path, 7), platform::FileError);

    // The game opens the same file in lower case.
    EXPECT_EQ(archiveIn(folder, "asse", kShips).toLower(), path.toLower());
    EXPECT_EQ(platform::diskPath(folder.path() + "\\archivio\\assenavi.dat"), path);

    const QString planes = archiveIn(folder, "ALLEATI", kAircraft);
    EXPECT_TRUE(planes.endsWith("/Archivio/ALLEATIAerei.Dat"));
    const AircraftRecord fighter = aircraftToInsert(BuildAircraftArchiveRecord(fighterCard()), "Hurricane");
    for (int i = 0; i < 3; ++i) appendToArchive(planes, fighter);
    markAircraftDeleted(planes, 1);
    l = listAircraftArchive(planes);
    EXPECT_EQ(l.live(), 2);
    EXPECT_EQ(l.entries[0].line, "CPT_" + QString("Hurricane").leftJustified(32));
    EXPECT_EQ(l.entries[0].record, 2);
    EXPECT_EQ(testsupport::readBytes(planes).at(116), 'X');
}

// A record cut short at the end is neither listed nor marked; an append writes over it, never
// after it, whatever share of a record it holds.
TEST(SideArchive, ARecordCutShortIsNotListedAndAnAppendWritesOverIt) {
    testsupport::ProgramFolder folder(false);
    platform::makeFolder(folder.path() + "/Archivio");
    const QString path = archiveIn(folder, "ASSE", kShips);
    EXPECT_FALSE(archiveCut(path, ShipRecord::kLength).cut()) << "a missing archive is whole";
    const ShipRecord built = BuildShipArchiveRecord(destroyerCard());
    appendToArchive(path, shipToInsert(built, "Oriani"));
    appendToArchive(path, shipToInsert(built, "Alfieri"));
    const QByteArray whole = testsupport::readBytes(path);
    for (const int extra : {1, 100, 178}) {
        testsupport::writeBytes(path, whole + whole.left(extra));
        const ArchiveCut cut = archiveCut(path, ShipRecord::kLength);
        EXPECT_EQ(cut.wholeRecords, 2);
        EXPECT_EQ(cut.extraBytes, extra);
        const ArchiveListing l = listShipArchive(path);
        EXPECT_EQ(l.count, 2) << extra;
        EXPECT_EQ(l.cutBytes, extra);
        EXPECT_EQ(l.entries.size(), 2);
        EXPECT_THROW(markShipDeleted(path, 3), platform::FileError) << "the cut record is not there whole";
        EXPECT_EQ(testsupport::readBytes(path).size(), 2 * 179 + extra) << "nothing written";
        EXPECT_EQ(appendToArchive(path, shipToInsert(built, "Carducci")), 3);
        EXPECT_EQ(testsupport::readBytes(path).size(), 3 * 179);
        EXPECT_FALSE(archiveCut(path, ShipRecord::kLength).cut());
        EXPECT_EQ(listShipArchive(path).entries[2].line, "CT_" + QString("Carducci").leftJustified(30));
    }
    EXPECT_EQ(archiveCutNotice({}), "");
}

TEST(SideArchive, ArchivesWithoutAFolderOrASideAreRefused) {
    testsupport::ProgramFolder folder(false);
    try {
        archiveIn(folder, "ALLEATI", kShips);
        FAIL() << "no Archivio folder";
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("Archivio")) << e.message().toStdString();
    }
    platform::makeFolder(folder.path() + "/Archivio");
    EXPECT_THROW(archiveIn(folder, "", kShips), std::runtime_error)
        << "\"Navi.Dat\" is no archive of the game";
    EXPECT_THROW(destroyArchive(archiveIn(folder, "ASSE", kAircraft)), platform::FileError);
    const QString path = archiveIn(folder, "ASSE", kAircraft);
    appendToArchive(path, AircraftRecord{});
    destroyArchive(path);
    EXPECT_FALSE(platform::fileExists(path));
}

TEST(SideArchive, PrintedLines) {
    ShipRecord s =
        shipToInsert(BuildShipArchiveRecord(destroyerCard(QStringLiteral("CapitaniRomaniClasseLunga"))),
                     QStringLiteral("Attilio Regolo della Repubblica"));
    EXPECT_EQ(PrintShipLine(s),
              (QStringList{"Attilio Regolo della Rep", "CapitaniRomaniClasseLung", "IT", "CT", "118 "}));
    EXPECT_EQ(shipPrintHeader().size(), 5);
    const AircraftRecord a = BuildAircraftArchiveRecord(fighterCard());
    const QStringList line = PrintAircraftLine(a);
    ASSERT_EQ(line.size(), 6);
    EXPECT_EQ(line[2], "CPT");
    EXPECT_EQ(line[3] + line[4], "00");
    EXPECT_EQ(line[5], "4  ");
}
