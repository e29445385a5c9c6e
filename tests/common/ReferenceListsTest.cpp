#include "common/ReferenceLists.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using testsupport::readBytes;
using testsupport::writeBytes;

namespace {
class ReferenceLists : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        buildPathGlobals();
    }
    testsupport::ProgramFolder folder;
};
} // namespace

TEST_F(ReferenceLists, ShippedListsLoadInTheirOrder) {
    CaricaTabelleNomi();
    CaricaOrdini();
    CaricaCoordinateBasi();
    const Globals& g = G();
    EXPECT_EQ(g.BaseNames[12], "MALTA HQ");
    EXPECT_EQ(g.BaseNames[15], "ALESSANDRIA");
    EXPECT_EQ(g.CompassShortNames[8], "SE");
    const char* codes[] = {"IT", "DE", "GB", "RU", "US", "JP", "AU", "NL"};
    for (int n = 1; n <= 8; ++n) EXPECT_TRUE(g.NationNames[n].startsWith(codes[n - 1])) << n;
    EXPECT_EQ(g.NavalOrderNames[5], "Agguato");
    EXPECT_EQ(g.AirOrderNames[3], "PATROL(Click Mappa)");
    EXPECT_EQ(g.NearValues[5], "3.4") << "the plot's default scale";

    // Every base square lies inside the map, and the hit boxes of no two bases overlap.
    for (int b = 1; b <= kBases; ++b) {
        const int x = g.BaseMapXY[b][1], y = g.BaseMapXY[b][2];
        EXPECT_TRUE(x >= 0 && x + 200 <= 15250 && y >= 0 && y + 200 <= 6930) << b;
        for (int o = b + 1; o <= kBases; ++o) {
            const int ox = g.BaseMapXY[o][1], oy = g.BaseMapXY[o][2];
            EXPECT_FALSE(std::abs(x - ox) <= 180 && std::abs(y - oy) <= 180) << b << " and " << o;
        }
    }
    // Both Malta bases on Malta (about 14.2..14.6 E, 35.8..36.1 N).
    for (int b : {12, 13}) {
        const double cx = g.BaseMapXY[b][1] + 100, cy = g.BaseMapXY[b][2] + 100;
        EXPECT_NEAR(5.2 + cx / 622.449, 14.4, 0.35) << b;
        EXPECT_NEAR(41.7 - cy / 693, 35.95, 0.2) << b;
    }
}

TEST_F(ReferenceLists, ExtraLinesIgnoredBlanksKeptNumbersRounded) {
    writeBytes(folder.file("Data/basename.txt"),
               QByteArray("TWO WORDS \r\n").repeated(15) + "\"EXTRA\"\r\nmore,stuff\r\n");
    writeBytes(folder.file("Data/coobasiX.txt"), QByteArray("1234.5\r\n1235.5\r\n").repeated(8));
    CaricaTabelleNomi();
    CaricaCoordinateBasi();
    EXPECT_EQ(G().BaseNames[1], "TWO WORDS");
    EXPECT_EQ(G().BaseNames[15], "TWO WORDS");
    EXPECT_EQ(G().BaseMapXY[1][1], 1234);
    EXPECT_EQ(G().BaseMapXY[2][1], 1236);
}

TEST_F(ReferenceLists, ShortOrMissingListLoadsNothingAndNamesTheFile) {
    CaricaTabelleNomi();
    // rosaventi.txt is read after basename.txt: a short rosaventi leaves the base names too.
    writeBytes(folder.file("Data/basename.txt"), QByteArray("\"X\"\r\n").repeated(15));
    writeBytes(folder.file("Data/rosaventi.txt"), QByteArray("\"N\"\r\n").repeated(7));
    try {
        CaricaTabelleNomi();
        FAIL();
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("rosaventi.txt"));
    }
    EXPECT_EQ(G().BaseNames[1], "TARANTO");
    EXPECT_FALSE(G().Files.isOpen(kChannelLists));

    writeBytes(folder.file("Data/coobasiY.txt"), QByteArray("40000\r\n").repeated(15));
    try {
        CaricaCoordinateBasi();
        FAIL();
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("coobasiY.txt")) << "a value beyond 16 bits names the file";
    }
    EXPECT_EQ(G().BaseMapXY[1][1], 0);
}

TEST_F(ReferenceLists, ListReadersCloseEveryChannel) {
    G().Files.openRandom(kChannelShips, folder.path() + "/ships.dat", 179);
    CaricaOrdini();
    EXPECT_FALSE(G().Files.isOpen(kChannelShips));
}

TEST_F(ReferenceLists, ProbeEmptiesThePathOnlyWhenTheFileExists) {
    G().Files.openRandom(kChannelShips, folder.path() + "/ships.dat", 179);
    const QString missing = G().GamesPath + "AbcX.Stp";
    G().ProbePath = missing;
    ApriFileProva();
    EXPECT_EQ(G().ProbePath, missing);
    EXPECT_TRUE(G().Files.isOpen(kChannelShips));

    writeBytes(folder.file("Data/giochi/Abc.Stp"), "0\r\n");
    G().ProbePath = G().GamesPath + "ABC.stp";
    ApriFileProva();
    EXPECT_EQ(G().ProbePath, "") << "names match without regard to case";
    EXPECT_FALSE(G().Files.isOpen(kChannelShips)) << "a successful probe closes every channel";
}
