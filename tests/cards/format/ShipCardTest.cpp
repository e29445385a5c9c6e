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
    // Texts where the card holds texts, numbers where it holds numbers.
    for (int i = 1; i <= 53; ++i)
        v[i] = kShipCardLayout[i].holdsNumber ? QString::number(i * 7) : QStringLiteral("v%1, città").arg(i);
    v[8] = "36.5";
    v[48] = " 12";
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

namespace {
// The Littorio card with line n (from 1) replaced, written to dir; the path.
QString garbledLittorio(const QTemporaryDir& dir, int n, const QByteArray& line) {
    QList<QByteArray> lines =
        testsupport::readBytes(TEST_SOURCE_DIR "/cards/data/LittorioNB1939.sns").split('\n');
    lines[n - 1] = line + '\r';
    const QString path = dir.path() + "/LittorioNB1939.sns";
    testsupport::writeBytes(path, lines.join('\n'));
    return path;
}

// The refusal of a card, or "" when it was read.
QString refusalOf(const QString& path) {
    try {
        readShipCard(path);
    } catch (const platform::FileError& e) {
        return e.message();
    }
    return {};
}
} // namespace

TEST(ShipCardFormat, ACardNotAsWrittenIsRefusedNamingTheFileAndTheLine) {
    QTemporaryDir dir;
    const QString file = platform::diskPath(dir.path() + "/LittorioNB1939.sns");
    const struct {
        int line;
        QByteArray text;
        QString said;
    } cases[] = {
        {7, "\"ABCDE\"", "riga 7 (stazza standard): \"ABCDE\" non è un numero"},
        {49, "12,34", "riga 49 (mitragliere AA): più di un valore sulla stessa riga (12,34)"},
        {7, "\"12,34\"", "riga 7 (stazza standard): \"12,34\" non è un numero"},
        {1, "\"Littorio", "riga 1 (classe): virgolette aperte e mai chiuse (\"Littorio)"},
        {3, "\"IT\" Italia", "riga 3 (nazione): altro testo dopo le virgolette chiuse (\"IT\" Italia)"},
        {20, "0\"", "riga 20 (lanciabombe BTG): virgolette fuori posto (0\")"},
        {15, "\"-9999999x\"", "riga 15 (cargo): \"-9999999x\" non è un numero"},
    };
    for (const auto& c : cases) {
        const QString said = refusalOf(garbledLittorio(dir, c.line, c.text));
        EXPECT_EQ(said, "Scheda nave non leggibile: " + file + ", " + c.said + ".") << c.text.toStdString();
    }

    // Values as the programs write them are read as they stand.
    EXPECT_EQ(refusalOf(garbledLittorio(dir, 8, "\" 36.5\"")), "");
    EXPECT_EQ(readShipCard(file)[8], " 36.5");
    EXPECT_EQ(refusalOf(garbledLittorio(dir, 49, ".5")), "") << "a half written as the programs write it";
    EXPECT_EQ(refusalOf(garbledLittorio(dir, 7, "\"\"")), "") << "nothing stands for 0, as before";
    EXPECT_EQ(refusalOf(garbledLittorio(dir, 1, "\"Duca d'Aosta, 1935\"")), "") << "a comma inside quotes";

    // A line taken out or put in moves every value after it: the card is refused at its end.
    QByteArray whole = testsupport::readBytes(TEST_SOURCE_DIR "/cards/data/LittorioNB1939.sns");
    testsupport::writeBytes(file, whole.left(whole.indexOf("\"30\"\r\n")) +
                                      whole.mid(whole.indexOf("\"30\"\r\n") + 6));
    EXPECT_EQ(refusalOf(file),
              "Scheda nave non leggibile: " + file + ": finisce alla riga 79, una scheda nave ha 80 righe.");
    testsupport::writeBytes(file, whole + "\"\"\r\n");
    EXPECT_EQ(refusalOf(file), "Scheda nave non leggibile: " + file +
                                   ", riga 81: una scheda nave ha 80 righe, questa ne ha di più.");
    testsupport::writeBytes(file, whole + "\r\n  \r\n");
    EXPECT_EQ(refusalOf(file), "") << "blank lines after the last value";
    testsupport::writeBytes(file, "");
    EXPECT_EQ(refusalOf(file),
              "Scheda nave non leggibile: " + file + ": il file è vuoto, una scheda nave ha 80 righe.");
    whole.replace("\r\n", "\n");
    testsupport::writeBytes(file, whole);
    EXPECT_EQ(refusalOf(file), "") << "line ends without CR";
}
