#include "common/GroupTables.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "platform/Colors.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using testsupport::readBytes;
using testsupport::readLines;
using testsupport::writeBytes;

namespace {
class GroupTables : public ::testing::Test {
  protected:
    void SetUp() override {
        resetGlobals();
        buildPathGlobals();
        G().CampaignName = "Abc";
    }
    QString file(const char* word) const {
        return folder.file(QStringLiteral("Data/giochi/StackAbc") + word);
    }
    testsupport::ProgramFolder folder;
};
} // namespace

TEST_F(GroupTables, NewCampaignFilesByteForByte) {
    SalvaTabelleGruppi();
    for (const char* w : {"NaviAlle.dat", "NaviAsse.dat", "AereiAlle.dat", "AereiAsse.dat"})
        EXPECT_EQ(readBytes(file(w)), QByteArray("0\r\n").repeated(2500)) << w;
    for (const char* w : {"NomeAereiAlle.dat", "NomeAereiAsse.dat"})
        EXPECT_EQ(readBytes(file(w)), QByteArray("\"\"\r\n").repeated(150)) << w;
}

TEST_F(GroupTables, LayoutOrderAndRoundTrip) {
    G().GnTableAlle[1][GnCol::PatrolGroups] = 7;
    G().GnTableAlle[2][GnCol::InUse] = -3;
    G().GaTableAsse[50][GaCol::EvasionValue] = -32768;
    G().GaNamesAlle[1][1] = "Ju 87 Stuka      ";
    G().GaNamesAlle[1][3] = "BOM";
    SalvaTabelleGruppi();
    const QStringList gn = readLines(file("NaviAlle.dat"));
    EXPECT_EQ(gn[49], "7") << "group 1 column 50";
    EXPECT_EQ(gn[50], "-3") << "group 2 column 1";
    EXPECT_EQ(readLines(file("NomeAereiAlle.dat")).mid(0, 3),
              QStringList({"\"Ju 87 Stuka      \"", "\"\"", "\"BOM\""}))
        << "trailing blanks inside the quotes";

    resetGlobals();
    buildPathGlobals();
    G().CampaignName = "Abc";
    CaricaTabelleGruppi();
    EXPECT_EQ(G().GnTableAlle[2][GnCol::InUse], -3);
    EXPECT_EQ(G().GaTableAsse[50][GaCol::EvasionValue], -32768);
    EXPECT_EQ(G().GaNamesAlle[1][1], "Ju 87 Stuka      ");
}

TEST_F(GroupTables, ShortOrOutOfRangeFileLoadsNothing) {
    G().GnTableAlle[4][GnCol::Ships] = 9;
    SalvaTabelleGruppi();
    G().GnTableAlle[4][GnCol::Ships] = 1;
    // The last of the six files is short: not even the first five reach the tables.
    writeBytes(file("NomeAereiAsse.dat"), QByteArray("\"\"\r\n").repeated(149));
    try {
        CaricaTabelleGruppi();
        FAIL();
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("StackAbcNomeAereiAsse.dat"));
    }
    EXPECT_EQ(G().GnTableAlle[4][GnCol::Ships], 1);
    EXPECT_FALSE(G().Files.isOpen(kChannelGroups));

    SalvaTabelleGruppi();
    QByteArray bytes = readBytes(file("AereiAlle.dat"));
    bytes.replace(0, 1, "40000");
    writeBytes(file("AereiAlle.dat"), bytes);
    EXPECT_THROW(CaricaTabelleGruppi(), platform::FileError);
}

TEST_F(GroupTables, SavingClosesEveryChannelSoTheShipFileMustBeReopened) {
    G().Files.openRandom(kChannelShips, folder.path() + "/ships.dat", 179);
    SalvaTabelleGruppi();
    EXPECT_THROW(G().Files.random(kChannelShips), platform::ChannelError);
}

TEST_F(GroupTables, FreeGroupSearches) {
    Globals& g = G();
    for (int n = 1; n <= 4; ++n) {
        g.GnTableAsse[n][GnCol::InUse] = g.GaTableAsse[n][GaCol::InUse] = 1;
        g.GnTableAsse[n][GnCol::X] = g.GaTableAsse[n][GaCol::X] = 100 * n;
    }
    g.GnTableAsse[2][GnCol::InUse] = g.GaTableAsse[2][GaCol::InUse] = 0;
    g.CurrentSide = kAxis;
    PrimoGNLibero();
    EXPECT_EQ(g.NewGroupNumber, 2);
    EXPECT_EQ(g.GnTableAsse[2][GnCol::X], 0);
    PrimoGALibero();
    EXPECT_EQ(g.NewGroupNumber, 2);
    EXPECT_EQ(g.GaTableAsse[2][GaCol::X], 200) << "the air group's old values stay until overwritten";

    for (int n = 1; n <= kGroups; ++n) g.GnTableAlle[n][GnCol::InUse] = g.GaTableAlle[n][GaCol::InUse] = 1;
    for (int side : {kAllies, 0}) {
        g.CurrentSide = side;
        PrimoGNLibero();
        EXPECT_EQ(g.NewGroupNumber, 99) << side;
        PrimoGALibero();
        EXPECT_EQ(g.NewGroupNumber, 99) << side;
    }
}
