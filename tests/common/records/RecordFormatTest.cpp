#include "common/records/RecordFormat.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace recordformat;

namespace {

// A battleship and a bomber as the files hold them, written by hand: the fields split by '|'.
const QList<QByteArray> kShip =
    QByteArray("LITTORIO                      |VITTORIO VENETO               |NB|IT|41377|"
               "1940|30|100|12|0  |250 |850 |8 |3  |1|32 | 12|   |1|1|28|95 |12|0  |-3  |"
               "8 |3  |1|30 | 12|0  |0  |2  |P3 |0 |12 |1 |0 |0 |0|  |  |  |   |   |    |"
               "     ")
        .split('|');
const QList<QByteArray> kAircraft =
    QByteArray("IT Italia           |SM.79 SPARVIERO                 |SAVOIA-MARCHETTI              |"
               "BMR|1937|12 |3 |6 |4 |2 |1250|1|430|15 |40 |S|1| |0|  |  |18 |6  |2   |"
               "    |    |      |0|1| ")
        .split('|');

QByteArray joined(const QList<QByteArray>& fields) {
    QByteArray b;
    for (const QByteArray& f : fields) b += f;
    return b;
}

} // namespace

TEST(RecordFormat, HandWrittenRecordsReadFieldByField) {
    ASSERT_EQ(kShip.size(), 47);
    ASSERT_EQ(joined(kShip).size(), 179);
    ShipRecord s;
    s.setBytes(joined(kShip));
    for (int f = 1; f <= ShipRecord::kFields; ++f) EXPECT_EQ(s.text(f), kShip[f - 1]) << "ship field " << f;
    EXPECT_EQ(s.trimmed(ship::NOME), "VITTORIO VENETO");
    EXPECT_EQ(s.number(ship::AAC), 12);         // leading blank form
    EXPECT_EQ(s.number(ship::RESISTENZAM), -3); // sunk
    EXPECT_EQ(s.number(ship::NUMERO_GN), 12);   // "12 " with its trailing blank
    EXPECT_EQ(s.number(ship::Cancellato), 0);   // blank
    EXPECT_FALSE(s.isDeleted());

    ASSERT_EQ(kAircraft.size(), 30);
    ASSERT_EQ(joined(kAircraft).size(), 149);
    AircraftRecord a;
    a.setBytes(joined(kAircraft));
    for (int f = 1; f <= AircraftRecord::kFields; ++f)
        EXPECT_EQ(a.text(f), kAircraft[f - 1]) << "aircraft field " << f;
    EXPECT_EQ(a.whole(aircraft::Pronti) + a.whole(aircraft::InVolo), 24);
    a.markDeleted();
    EXPECT_TRUE(a.isDeleted());
    EXPECT_EQ(a.bytes().at(116), 'X');
}

TEST(RecordFormat, WrittenShipRecordHasTheExpectedBytes) {
    ShipRecord s;
    s.setText(ship::CLASSE, "SOLDATI");
    s.setText(ship::NOME, "ARTIGLIERE DELLA REGIA MARINA ITALIANA"); // cut to 30
    s.setText(ship::TIPO, "CT");
    s.setNumber(ship::STAZZA, 2460);
    s.setNumber(ship::RESISTENZAM, -3);
    s.setNumber(ship::INCENDI_ATTIVI, 1000); // wider than its 3 places: held at 999
    s.setNumber(ship::NUMERO_GN, 12);
    s.setNumber(ship::NON_OP, 9);
    const QByteArray expected = QByteArray("SOLDATI") + QByteArray(23, ' ') +
                                "ARTIGLIERE DELLA REGIA MARINA " + "CT  2460 " + QByteArray(118 - 69, ' ') +
                                "-3  " + QByteArray(140 - 122, ' ') + "999" + QByteArray(148 - 143, ' ') +
                                "12 " + QByteArray(157 - 151, ' ') + "9" + QByteArray(179 - 158, ' ');
    EXPECT_EQ(s.bytes(), expected);

    s.setNumber(ship::RESISTENZAM, -12345);
    EXPECT_EQ(s.text(ship::RESISTENZAM), "-999");
    s.setNumber(ship::NON_OP, -1); // one place holds no sign
    EXPECT_EQ(s.text(ship::NON_OP), "0");
    s.setText(ship::NOME, QString::fromUtf8("CITTÀ DI TRIESTE")); // one byte a character
    EXPECT_EQ(s.bytes().mid(30, 6), QByteArray("CITT\xC0 ", 6));
    s.markDeleted();
    EXPECT_EQ(s.bytes().mid(103, 3), "XXX");
    EXPECT_THROW(s.text(48), std::out_of_range);
}

TEST(RecordFormat, RecordsAreWrittenInPlaceAndAppendedAtCountPlusOne) {
    testsupport::ProgramFolder folder(false);
    const QString path = folder.path() + "/NaviAlleProva.dat";
    testsupport::writeBytes(path, QByteArray(179, 'a') + QByteArray(179, 'b') + QByteArray(179, 'c'));
    platform::RecordFile file(path, 179);
    ShipRecord s;
    s.setBytes(joined(kShip));
    EXPECT_EQ(appendRecord(file, s), 4); // 537 bytes hold 3 records
    writeRecord(file, 2, s);
    EXPECT_EQ(testsupport::readBytes(path),
              QByteArray(179, 'a') + joined(kShip) + QByteArray(179, 'c') + joined(kShip));
    AircraftRecord wrongLength;
    EXPECT_THROW(readRecord(file, 1, wrongLength), platform::FileError);

    // 2.34 records count as 2: the next record replaces the broken tail, not a whole record.
    testsupport::writeBytes(path, QByteArray(358, 'a') + QByteArray(60, 'c'));
    platform::RecordFile shortTail(path, 179);
    EXPECT_EQ(appendRecord(shortTail, s), 3);
    EXPECT_EQ(testsupport::readBytes(path), QByteArray(358, 'a') + joined(kShip));

    // 2.67 records count as 3; the third reads blank where the file ends.
    testsupport::writeBytes(path, QByteArray(358, 'a') + QByteArray(120, '7'));
    platform::RecordFile longTail(path, 179);
    readRecord(longTail, longTail.count(), s);
    EXPECT_EQ(s.bytes(), QByteArray(120, '7') + QByteArray(59, ' '));
}

TEST(RecordFormat, LeadingBlankFormKeepsEveryDigit) {
    AircraftRecord a;
    const std::pair<long long, const char*> cases[] = {{5, " 5 "},    {99, " 99"}, {100, "100"}, {999, "999"},
                                                       {1000, "999"}, {-5, "-5 "}, {-99, "-99"}};
    for (const auto& [value, text] : cases) {
        a.setNumberWithSign(aircraft::Pronti, value);
        EXPECT_EQ(a.text(aircraft::Pronti), text) << value;
    }
}
