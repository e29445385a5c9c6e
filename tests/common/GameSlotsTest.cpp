#include "common/GameSlots.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "tests/support/TestSupport.h"

#include <QDir>
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

const QByteArray kFourFree = QByteArray("\"nn\"\r\n0\r\n0\r\n0\r\n").repeated(4);
} // namespace

TEST_F(GameSlots, ShippedFileHasFourFreeSlots) {
    EXPECT_EQ(readBytes(slotFile()), kFourFree);
    readGameSlots();
    EXPECT_EQ(computeNextFreeSlot(), 1);
}

TEST_F(GameSlots, LayoutRoundTripAndFreeSlot) {
    Globals& g = G();
    readGameSlots();
    g.GameSlots[1] = {"Abc", 30, 2, 1941};
    g.GameSlots[2] = {"", 15, 1, 1940};
    SalvaNomiGiochi();
    EXPECT_EQ(readBytes(slotFile()), QByteArray("\"Abc\"\r\n30\r\n2\r\n1941\r\n\"\"\r\n15\r\n1\r\n1940\r\n") +
                                         QByteArray("\"nn\"\r\n0\r\n0\r\n0\r\n").repeated(2));
    g.GameSlots[1] = {};
    readGameSlots();
    EXPECT_EQ(g.GameSlots[1].name, "Abc");
    EXPECT_EQ(g.GameSlots[1].year, 1941);
    EXPECT_EQ(computeNextFreeSlot(), 3) << "an empty name is not a free slot";
    g.GameSlots[3].name = "NN";
    g.GameSlots[4].name = "Xyz";
    EXPECT_EQ(computeNextFreeSlot(), 5) << "only \"nn\" in lower case is free";
    EXPECT_EQ(g.NextFreeSlot, 5);
}

TEST_F(GameSlots, ShortFileLoadsNothingAndMissingFileIsCreated) {
    const QByteArray shortFile("\"Abc\"\r\n30\r\n2\r\n1941\r\n\"nn\"\r\n0\r\n");
    writeBytes(slotFile(), shortFile);
    G().GameSlots[1].name = "before";
    try {
        readGameSlots();
        FAIL();
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("NomeGiochi.txt"));
    }
    EXPECT_EQ(G().GameSlots[1].name, "before");
    createSlotFileIfMissing();
    EXPECT_EQ(readBytes(slotFile()), shortFile) << "an existing file is never written over";

    QFile::remove(slotFile());
    createSlotFileIfMissing();
    EXPECT_EQ(readBytes(slotFile()), kFourFree);
}

TEST_F(GameSlots, CampaignFileListIsExact) {
    G().BaseNames[1] = "TARANTO";
    G().BaseNames[11] = "PACHINO";
    G().BaseNames[12] = "MALTA HQ";
    G().BaseNames[15] = "ALESSANDRIA";
    const QStringList expected = {
        "Abc.Stp",
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
        "P12Abc.dat",
    };
    EXPECT_EQ(campaignFileNames("Abc"), expected);
}

TEST_F(GameSlots, DeletionTakesExactNamesAndRefusesUnsafeNames) {
    QDir games(folder.file("Data/giochi"));
    G().BaseNames[1] = "TARANTO";
    const QStringList own = campaignFileNames("Abc");
    for (const QString& f : own) writeBytes(games.filePath(f), "x");
    const QStringList others = {"Abcd.Stp", "StackAbcdNaviAlle.dat", "P1Abcd.dat",
                                "XAbc.Stp", "Abc.Stp.bak",           "NomeGiochi.txt"};
    for (const QString& f : others) writeBytes(games.filePath(f), "x");
    writeBytes(folder.file("Data/outside.Stp"), "x");

    EXPECT_FALSE(deleteCampaignFiles("..\\outside"));
    EXPECT_FALSE(deleteCampaignFiles(""));
    EXPECT_TRUE(QFile::exists(folder.file("Data/outside.Stp")));
    EXPECT_EQ(games.entryList(QDir::Files).size(), own.size() + others.size());

    EXPECT_TRUE(deleteCampaignFiles("ABC")) << "names match without regard to case";
    QStringList left = games.entryList(QDir::Files);
    QStringList expected = others;
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);
    EXPECT_TRUE(deleteCampaignFiles("Abc")) << "missing files are skipped";
}
