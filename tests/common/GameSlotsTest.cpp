#include "common/GameSlots.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using testsupport::readBytes;
using testsupport::writeBytes;

namespace {
class GameSlots : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        buildPathGlobals();
    }
    QString slotFile() const { return folder.file("Data/giochi/NomeGiochi.txt"); }
    testsupport::ProgramFolder folder;
};

const QByteArray kFreeRow("\"nn\"\r\n0\r\n0\r\n0\r\n");
} // namespace

TEST_F(GameSlots, LayoutRoundTripAndFreeSlot) {
    EXPECT_EQ(readBytes(slotFile()), kFreeRow.repeated(4)) << "the shipped file";
    Globals& g = G();
    readGameSlots();
    g.GameSlots[1] = {"Abc", 30, 2, 1941};
    g.GameSlots[2] = {"", 15, 1, 1940};
    SalvaNomiGiochi();
    EXPECT_EQ(readBytes(slotFile()),
              QByteArray("\"Abc\"\r\n30\r\n2\r\n1941\r\n\"\"\r\n15\r\n1\r\n1940\r\n") + kFreeRow.repeated(2));
    g.GameSlots[1] = {};
    readGameSlots();
    EXPECT_EQ(g.GameSlots[1].name, "Abc");
    EXPECT_EQ(g.GameSlots[1].year, 1941);
    g.GameSlots[3].name = "NN";
    EXPECT_EQ(computeNextFreeSlot(), 4) << "only \"nn\" in lower case is free";
}

TEST_F(GameSlots, ShortFileLoadsNothingAndMissingFileIsCreated) {
    const QByteArray shortFile = QByteArray("\"Abc\"\r\n30\r\n2\r\n1941\r\n\"nn\"\r\n0\r\n");
    writeBytes(slotFile(), shortFile);
    G().GameSlots[1].name = "before";
    try {
        readGameSlots();
        FAIL();
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("NomeGiochi.txt"));
    }
    EXPECT_EQ(G().GameSlots[1].name, "before");
    EXPECT_EQ(rebuildSlotFileIfMissing(), QString());
    EXPECT_EQ(readBytes(slotFile()), shortFile) << "an existing file is never written over";

    QFile::remove(slotFile());
    EXPECT_EQ(rebuildSlotFileIfMissing(), QString());
    EXPECT_EQ(readBytes(slotFile()), kFreeRow.repeated(4));
}

TEST_F(GameSlots, CampaignFilesAreNamedExactly) {
    G().BaseNames[1] = "TARANTO";
    G().BaseNames[11] = "PACHINO";
    G().BaseNames[12] = "MALTA HQ";
    G().BaseNames[15] = "ALESSANDRIA";
    const QStringList expected = {"Abc.Stp",
                                  "AereiSetUpAbc.txt",
                                  "AeroPortoSetUpAbc.txt",
                                  "BaseSetUpAbc.txt",
                                  "NaviSetUpAbc.txt",
                                  "PortoSetUpAbc.txt",
                                  "PuntiSetUpAbc.txt",
                                  "StackAbcNaviAlle.dat",
                                  "StackAbcNaviAsse.dat",
                                  "StackAbcAereiAlle.dat",
                                  "StackAbcAereiAsse.dat",
                                  "StackAbcNomeAereiAlle.dat",
                                  "StackAbcNomeAereiAsse.dat",
                                  "StackAbcDatiBasi.dat",
                                  "StackAbceventigioco.dat",
                                  "NaviAlleAbc.dat",
                                  "NaviAsseAbc.dat",
                                  "AbcContatto.dat",
                                  "AbcAttivita.dat",
                                  "Abcmine.dat",
                                  "Abclostship.dat",
                                  "TARANTOAereiAsseAbc.dat",
                                  "PACHINOAereiAsseAbc.dat",
                                  "MALTA HQAereiAlleAbc.dat",
                                  "ALESSANDRIAAereiAlleAbc.dat",
                                  "P1Abc.dat",
                                  "P2Abc.dat",
                                  "P3Abc.dat",
                                  "P4Abc.dat",
                                  "P5Abc.dat",
                                  "P6Abc.dat",
                                  "P7Abc.dat",
                                  "P8Abc.dat",
                                  "P9Abc.dat",
                                  "P10Abc.dat",
                                  "P11Abc.dat",
                                  "P12Abc.dat"};
    EXPECT_EQ(campaignFileNames("Abc"), expected);

    EXPECT_TRUE(isSafeCampaignName("Abc"));
    for (const char* bad : {"", "a b", "..", "a/b", "a\\b", "Ab1", "(vuoto)", "Città"})
        EXPECT_FALSE(isSafeCampaignName(QString::fromUtf8(bad))) << bad;
    EXPECT_FALSE(deleteCampaignFiles("..\\Data"));
}
