#include "common/BaseTable.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using testsupport::readBytes;
using testsupport::writeBytes;

namespace {
class BaseTable : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        buildPathGlobals();
        G().CampaignName = "Abc";
        for (int i = 1; i <= kStateItems; ++i) G().GameState[i] = "0";
    }
    QString file(const char* word) const {
        return folder.file(QStringLiteral("Data/giochi/StackAbc") + word);
    }
    testsupport::ProgramFolder folder;
};
} // namespace

TEST_F(BaseTable, NewCampaignFilesByteForByte) {
    SalvaDatiBasi();
    EXPECT_EQ(readBytes(file("DatiBasi.dat")), QByteArray("0\r\n").repeated(450));
    EXPECT_EQ(readBytes(file("eventigioco.dat")), QByteArray("\"0\"\r\n").repeated(40));
}

TEST_F(BaseTable, SavingLeavesTheShipFileOpenAndReadsBack) {
    Globals& g = G();
    g.Files.openRandom(kChannelShips, folder.path() + "/ships.dat", 179);
    g.BaseTable[1][BaseCol::Unused1] = 100000;
    g.BaseTable[15][BaseCol::Unused30] = -5;
    g.setState(StateItem::Hour, 23);
    g.GameState[StateItem::CommandGainedAsse] = "7";
    SalvaDatiBasi();
    EXPECT_TRUE(g.Files.isOpen(kChannelShips));
    EXPECT_NO_THROW(g.Files.random(kChannelShips).put(1, "ship"));
    EXPECT_FALSE(g.Files.isOpen(kChannelBaseTable));

    const QStringList bases = testsupport::readLines(file("DatiBasi.dat"));
    EXPECT_EQ(bases[0], "100000");
    EXPECT_EQ(bases[449], "-5") << "base 15 field 30 is the last line";
    EXPECT_EQ(testsupport::readLines(file("eventigioco.dat"))[1], "\"23\"");

    g.BaseTable[1][BaseCol::Unused1] = 0;
    g.GameState[StateItem::Hour] = "0";
    CaricaDatiBasi();
    EXPECT_EQ(g.BaseTable[1][BaseCol::Unused1], 100000);
    EXPECT_EQ(g.BaseTable[15][BaseCol::Unused30], -5);
    EXPECT_EQ(g.state(StateItem::Hour), 23);
    EXPECT_TRUE(g.Files.isOpen(kChannelShips)) << "loading closes only its own channel too";
}

TEST_F(BaseTable, ShortStateFileLoadsNothing) {
    SalvaDatiBasi();
    writeBytes(file("eventigioco.dat"), QByteArray("\"0\"\r\n").repeated(39));
    G().BaseTable[3][BaseCol::DamagePercent] = 42;
    try {
        CaricaDatiBasi();
        FAIL();
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("StackAbceventigioco.dat"));
    }
    EXPECT_EQ(G().BaseTable[3][BaseCol::DamagePercent], 42) << "the base table read before it is not used";
}
