#include "cards/ShipTables.h"
#include "cards/CardGlobals.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

using testsupport::writeBytes;

namespace {
// A data folder of rating files, each holding the given rows.
QString ratingFolder(const QTemporaryDir& dir, const QByteArray& indicenavi, const QByteArray& corGen) {
    const QString d = dir.path() + "/";
    QByteArray fifteen;
    for (int i = 0; i < 15; ++i) fifteen += "1\r\n";
    writeBytes(d + "Indicenavi.txt", indicenavi);
    for (const char* f : {"ResBaseX.txt", "CostoBase.txt", "OperativitaBase.txt", "IndiceDT.txt"})
        writeBytes(d + f, fifteen);
    writeBytes(d + "CorGenBase.txt", corGen);
    writeBytes(d + "annivarocheck.txt",
               "0.7 1918\r\n0.8 1925\r\n0.9 1932\r\n1.0 1936\r\n1.1 1940\r\n1.2 1945\r\n");
    return d;
}
} // namespace

TEST(ShipTables, RowsAreReadAsTheTablesSay) {
    QTemporaryDir dir;
    QByteArray ind = "1.75\r\n2\r\n";
    for (int i = 0; i < 13; ++i) ind += "0.5\r\n";
    ind += "9.9\r\n"; // a sixteenth row is ignored
    QByteArray cg = "2.5\r\n3.5\r\nx\r\n";
    for (int i = 0; i < 12; ++i) cg += "1\r\n";
    const ShipRatingTables t = loadShipRatingTables(ratingFolder(dir, ind, cg));
    EXPECT_FLOAT_EQ(t.Indicenavi[1], 1.7f) << "only the first three characters";
    EXPECT_FLOAT_EQ(t.Indicenavi[2], 2.0f);
    EXPECT_EQ(int(t.CorGenBase[1]), 2);
    EXPECT_EQ(int(t.CorGenBase[2]), 4);
    EXPECT_EQ(int(t.CorGenBase[3]), 0) << "an item that is no number reads 0";
    EXPECT_FLOAT_EQ(t.BracketFactor[5], 1.1f);
    EXPECT_FLOAT_EQ(t.BracketYear[5], 1940.0f);
}

TEST(ShipTables, MissingOrShortFilesNameTheFile) {
    QTemporaryDir dir;
    QByteArray ind;
    for (int i = 0; i < 15; ++i) ind += "1\r\n";
    const QString d = ratingFolder(dir, ind, "1\r\n2\r\n");
    try {
        loadShipRatingTables(d);
        FAIL() << "a table of two rows must be refused";
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("CorGenBase.txt"));
    }
    QFile::remove(d + "Indicenavi.txt");
    try {
        loadShipRatingTables(d);
        FAIL();
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("Indicenavi.txt"));
    }
}

TEST(ShipTables, ShippedTablesAndListsAreComplete) {
    const QString d = QStringLiteral(SHIPPED_DATA_DIR "/Data/");
    const ShipRatingTables t = loadShipRatingTables(d);
    EXPECT_GT(t.ResBaseX[3], t.ResBaseX[7]) << "a battleship is tougher than a destroyer";
    EXPECT_GT(t.CostoBase[3], t.CostoBase[7]);
    EXPECT_GE(t.BracketYear[6], 1945.0f);
    const QStringList types = readPickList(d + "tipologianavi.txt");
    ASSERT_EQ(types.size(), 15);
    const char* codes[] = {"PA", "PL", "NB", "IB", "IP", "IL", "CT", "NM",
                           "SA", "SC", "NX", "AX", "PT", "MR", "NL"};
    for (int i = 0; i < 15; ++i) EXPECT_EQ(types[i].left(2), codes[i]);
    const QStringList nations = readPickList(d + "nazioni.txt");
    ASSERT_EQ(nations.size(), 8);
    for (const QString& n : nations) {
        const QStringList calibres = readPickList(d + n.left(2) + "Calibri.txt");
        EXPECT_GE(calibres.size(), 8) << n.toStdString();
        EXPECT_TRUE(std::any_of(calibres.begin(), calibres.end(), isDualPurpose)) << n.toStdString();
    }
}

TEST(CardRoutines, ReplaceAllAndEnsureFolder) {
    EXPECT_EQ(ReplaceAll("a b  c", " "), "abc");
    EXPECT_EQ(ReplaceAll("x..y", ".."), "x.y");
    QTemporaryDir dir;
    EXPECT_FALSE(EnsureFolder(dir.path() + "\\Navi\\"));
    EXPECT_TRUE(QDir(dir.path() + "/Navi").exists());
    EXPECT_TRUE(EnsureFolder(dir.path() + "\\NAVI\\"));
}
