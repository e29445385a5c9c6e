#include "common/records/RecordFormat.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace recordformat;

namespace {

// A battleship as the game's files hold it, written by hand field by field.
const QByteArray kShipBytes = QByteArray("LITTORIO                      ")             // 1 class
                              + "VITTORIO VENETO               "                       // 2 name
                              + "NB" + "IT" + "41377" + "1940"                         // 3-6
                              + "30" + "100" + "12" + "0  " + "250 "                   // 7-11
                              + "850 " + "8 " + "3  " + "1" + "32 "                    // 12-16
                              + " 12" + "   " + "1" + "1"                              // 17-20
                              + "28" + "95 " + "12" + "0  " + "-3  "                   // 21-25
                              + "8 " + "3  " + "1" + "30 " + " 12"                     // 26-30
                              + "0  " + "0  " + "2  " + "P3 " + "0 "                   // 31-35
                              + "12 " + "1 " + "0 " + "0 " + "0"                       // 36-40
                              + "  " + "  " + "  " + "   " + "   " + "    " + "     "; // 41-47

const char* const kShipFieldTexts[47] = {"LITTORIO                      ",
                                         "VITTORIO VENETO               ",
                                         "NB",
                                         "IT",
                                         "41377",
                                         "1940",
                                         "30",
                                         "100",
                                         "12",
                                         "0  ",
                                         "250 ",
                                         "850 ",
                                         "8 ",
                                         "3  ",
                                         "1",
                                         "32 ",
                                         " 12",
                                         "   ",
                                         "1",
                                         "1",
                                         "28",
                                         "95 ",
                                         "12",
                                         "0  ",
                                         "-3  ",
                                         "8 ",
                                         "3  ",
                                         "1",
                                         "30 ",
                                         " 12",
                                         "0  ",
                                         "0  ",
                                         "2  ",
                                         "P3 ",
                                         "0 ",
                                         "12 ",
                                         "1 ",
                                         "0 ",
                                         "0 ",
                                         "0",
                                         "  ",
                                         "  ",
                                         "  ",
                                         "   ",
                                         "   ",
                                         "    ",
                                         "     "};

const QByteArray kAircraftBytes = QByteArray("IT Italia           ")              // 1 nation
                                  + "SM.79 SPARVIERO                 "            // 2 name
                                  + "SAVOIA-MARCHETTI              "              // 3
                                  + "BMR" + "1937" + "12 " + "3 " + "6 "          // 4-8
                                  + "4 " + "2 " + "1250" + "1" + "430"            // 9-13
                                  + "15 " + "40 " + "S" + "1" + " " + "0"         // 14-19
                                  + "  " + "  " + "18 " + "6  " + "2   "          // 20-24
                                  + "    " + "    " + "      " + "0" + "1" + " "; // 25-30

const char* const kAircraftFieldTexts[30] = {"IT Italia           ",
                                             "SM.79 SPARVIERO                 ",
                                             "SAVOIA-MARCHETTI              ",
                                             "BMR",
                                             "1937",
                                             "12 ",
                                             "3 ",
                                             "6 ",
                                             "4 ",
                                             "2 ",
                                             "1250",
                                             "1",
                                             "430",
                                             "15 ",
                                             "40 ",
                                             "S",
                                             "1",
                                             " ",
                                             "0",
                                             "  ",
                                             "  ",
                                             "18 ",
                                             "6  ",
                                             "2   ",
                                             "    ",
                                             "    ",
                                             "      ",
                                             "0",
                                             "1",
                                             " "};

} // namespace

TEST(RecordFormat, HandWrittenShipRecordReadsFieldByField) {
    ASSERT_EQ(kShipBytes.size(), 179);
    ShipRecord s;
    s.setBytes(kShipBytes);
    for (int f = 1; f <= ShipRecord::kFields; ++f)
        EXPECT_EQ(s.text(f), kShipFieldTexts[f - 1]) << "field " << f;
    EXPECT_EQ(s.trimmed(ship::Nome), "VITTORIO VENETO");
    EXPECT_EQ(s.number(ship::Stazza), 41377);
    EXPECT_EQ(s.number(ship::AAC), 12);         // leading blank form
    EXPECT_EQ(s.number(ship::ResistenzaM), -3); // sunk
    EXPECT_EQ(s.number(ship::NumeroGN), 12);    // "12 " with its trailing blank
    EXPECT_EQ(s.number(ship::Cancellato), 0);   // blank
    EXPECT_EQ(s.number(ship::CodicePortaerei), 0);
    EXPECT_FALSE(s.isDeleted());
    EXPECT_EQ(s.bytes(), kShipBytes);
}

TEST(RecordFormat, HandWrittenAircraftRecordReadsFieldByField) {
    ASSERT_EQ(kAircraftBytes.size(), 149);
    AircraftRecord a;
    a.setBytes(kAircraftBytes);
    for (int f = 1; f <= AircraftRecord::kFields; ++f)
        EXPECT_EQ(a.text(f), kAircraftFieldTexts[f - 1]) << "field " << f;
    EXPECT_EQ(a.text(aircraft::Nazione).left(2), "IT");
    EXPECT_EQ(a.whole(aircraft::Velocita), 430);
    EXPECT_EQ(a.whole(aircraft::Pronti) + a.whole(aircraft::InVolo), 24);
    EXPECT_FALSE(a.isDeleted());
    a.markDeleted();
    EXPECT_TRUE(a.isDeleted());
    EXPECT_EQ(a.bytes().at(116), 'X');
}

TEST(RecordFormat, WrittenShipRecordHasTheExpectedBytes) {
    ShipRecord s;
    s.setText(ship::Classe, "SOLDATI");
    s.setText(ship::Nome, QString::fromUtf8("ARTIGLIERE DELLA REGIA MARINA ITALIANA")); // cut to 30
    s.setText(ship::Tipo, "CT");
    s.setText(ship::Nazione, "IT");
    s.setNumber(ship::Stazza, 2460);
    s.setNumber(ship::Nodi, 39);
    s.setNumber(ship::ResistenzaM, -3);
    s.setNumber(ship::IncendiAttivi, 1000); // wider than its 3 places: held at 999
    s.setNumber(ship::NumeroGN, 12);
    s.setNumber(ship::Porto, 4);
    s.setNumber(ship::NonOperativa, 9);
    const QByteArray expected = QByteArray("SOLDATI                       ") +
                                "ARTIGLIERE DELLA REGIA MARINA " + "CT" + "IT" + "2460 " + "    " + "39" +
                                QByteArray(118 - 75, ' ') + "-3  " + QByteArray(140 - 122, ' ') + "999" +
                                QByteArray(148 - 143, ' ') + "12 " + "4 " + QByteArray(157 - 153, ' ') + "9" +
                                QByteArray(179 - 158, ' ');
    ASSERT_EQ(expected.size(), 179);
    EXPECT_EQ(s.bytes(), expected);

    s.setNumber(ship::ResistenzaM, -12345); // below the field's range: -999
    EXPECT_EQ(s.text(ship::ResistenzaM), "-999");
    s.setNumber(ship::NonOperativa, -1); // one place holds no sign
    EXPECT_EQ(s.text(ship::NonOperativa), "0");
    s.markDeleted();
    EXPECT_TRUE(s.isDeleted());
    EXPECT_EQ(s.bytes().mid(103, 3), "XXX");
}

TEST(RecordFormat, TextFieldsUseOneByteACharacter) {
    ShipRecord s;
    s.setText(ship::Nome, QString::fromUtf8("CITTÀ DI TRIESTE"));
    EXPECT_EQ(s.bytes().mid(30, 5), QByteArray("CITT\xC0", 5));
    EXPECT_EQ(s.text(ship::Nome), QString::fromUtf8("CITTÀ DI TRIESTE") + QString(14, u' '));
    EXPECT_EQ(s.bytes().size(), 179);
    EXPECT_THROW(s.text(48), std::out_of_range);
    EXPECT_THROW(s.setText(0, "x"), std::out_of_range);
}

TEST(RecordFormat, FileAccessByRecordNumber) {
    testsupport::ProgramFolder folder(false);
    const QString path = folder.path() + "/NaviAlleProva.dat";
    QByteArray three;
    for (char c : {'a', 'b', 'c'}) three += QByteArray(179, c);
    testsupport::writeBytes(path, three.left(537));

    platform::RecordFile file(path, 179);
    EXPECT_EQ(file.count(), 3);
    ShipRecord s;
    s.setBytes(kShipBytes);
    EXPECT_EQ(appendRecord(file, s), 4);
    writeRecord(file, 2, s);
    const QByteArray all = testsupport::readBytes(path);
    EXPECT_EQ(all, QByteArray(179, 'a') + kShipBytes + QByteArray(179, 'c') + kShipBytes);

    ShipRecord back;
    readRecord(file, 4, back);
    EXPECT_EQ(back.bytes(), kShipBytes);

    AircraftRecord wrongLength;
    EXPECT_THROW(readRecord(file, 1, wrongLength), platform::FileError);
}

TEST(RecordFormat, RaggedFileRoundsItsCountAndKeepsWholeRecords) {
    testsupport::ProgramFolder folder(false);
    const QString path = folder.path() + "/ragged.dat";
    // Two whole records and 60 bytes of a third: 2.34 records count as 2, the next goes at 3.
    testsupport::writeBytes(path, QByteArray(179, 'a') + QByteArray(179, 'b') + QByteArray(60, 'c'));
    platform::RecordFile file(path, 179);
    EXPECT_EQ(file.count(), 2);
    ShipRecord s;
    s.setBytes(kShipBytes);
    EXPECT_EQ(appendRecord(file, s), 3);
    EXPECT_EQ(testsupport::readBytes(path), QByteArray(179, 'a') + QByteArray(179, 'b') + kShipBytes);

    // 2.66 records count as 3; the partial third record reads blank where it is missing.
    testsupport::writeBytes(path, QByteArray(179, 'a') + QByteArray(179, 'b') + QByteArray(120, '7'));
    platform::RecordFile ragged(path, 179);
    EXPECT_EQ(ragged.count(), 3);
    ShipRecord partial;
    readRecord(ragged, 3, partial);
    EXPECT_EQ(partial.bytes(), QByteArray(120, '7') + QByteArray(59, ' '));
}
