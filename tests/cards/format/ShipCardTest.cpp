#include "cards/format/ShipCard.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ShipCardFormat, LayoutWritesTextsQuotedAndFiveNumbersBare) {
    ShipValues v;
    v[1] = "Zara";
    v[20] = "";     // a number field never written holds 0
    v[49] = "12.5"; // decimals with a point
    v[41] = "4";
    const QStringList lines = QString::fromLatin1(shipCardBytes(v)).split("\r\n");
    ASSERT_EQ(lines.size(), 81) << "80 lines, each ended by CR LF";
    EXPECT_EQ(lines[80], "");
    EXPECT_EQ(lines[0], "\"Zara\"");
    EXPECT_EQ(lines[19], "0");
    EXPECT_EQ(lines[40], "4");
    EXPECT_EQ(lines[43], "0");
    EXPECT_EQ(lines[46], "0");
    EXPECT_EQ(lines[48], "12.5");
    for (int i : {9, 17, 30, 36, 54, 80}) EXPECT_EQ(lines[i - 1], "\"\"") << i;
}

TEST(ShipCardFormat, ReadBackGivesTheSameValues) {
    QTemporaryDir dir;
    ShipValues v;
    for (int i = 1; i <= 53; ++i) v[i] = QStringLiteral("v%1, città").arg(i);
    for (int i : {20, 41, 44, 47}) v[i] = QString::number(i);
    v[49] = "1.5";
    v[9] = v[17] = "";
    writeShipCard(dir.path() + "/c.sns", v);
    EXPECT_EQ(readShipCard(dir.path() + "/C.SNS"), v) << "names matched without regard to case";
}

TEST(ShipCardFormat, MissingOrShortCardsNameTheFile) {
    QTemporaryDir dir;
    try {
        readShipCard(dir.path() + "/RomaNB1940.sns");
        FAIL();
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("RomaNB1940.sns"));
    }
    testsupport::writeBytes(dir.path() + "/short.sns", "\"Roma\"\r\n\"NB\"\r\n");
    try {
        readShipCard(dir.path() + "/short.sns");
        FAIL();
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("short.sns"));
    }
}

TEST(ShipCardFormat, FileNamesAndNameLists) {
    EXPECT_EQ(shipCardFileName("Roma", "NB Nave da battaglia", "1940"), "RomaNB1940.sns");
    EXPECT_EQ(shipCardFileName("Zara ", "IP Incrociatore pesante", "1939"), "ZaraIP1939.sns");
    EXPECT_EQ(shipNameListFileName(" Roma ", "1942"), "cp_Roma1942.SNN");
    QTemporaryDir dir;
    const QString list = dir.path() + "/cp_Roma1940.SNN";
    appendShipName(list, "Roma");
    appendShipName(list, "Impero, mai completata");
    EXPECT_EQ(testsupport::readBytes(list), "\"Roma\"\r\n\"Impero, mai completata\"\r\n");
    EXPECT_EQ(readShipNameList(list), (QStringList{"Roma", "Impero, mai completata"}));
    startShipNameList(list, "Roma");
    EXPECT_EQ(readShipNameList(list), QStringList{"Roma"});
}
