// The rules of the new-campaign wizard, without its windows.
#include "game/start/NewCampaign.h"
#include "WizardFixtures.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "common/RecordFiles.h"
#include "common/ReferenceLists.h"

#include <gtest/gtest.h>

using namespace newcampaign;
using namespace wizardtest;

TEST(NewCampaignRules, MissionTargets) {
    MissionInputs in;
    in.days = 30;
    in.pointsAlle = 28000;
    in.pointsAsse = 36000;
    in.commandAlle = 6000;
    in.commandAsse = 6000;
    auto t = missionTargets(in);
    ASSERT_TRUE(t);
    EXPECT_EQ((*t)[0], 28000); // Int(30 * 28000 / 30)
    EXPECT_EQ((*t)[1], 22105); // Int(30 * 28000 / 38)
    EXPECT_EQ((*t)[2], 428);   // Int((2 * 6000) / 28)
    EXPECT_EQ((*t)[3], 200);   // Int(6000 / 30)
    EXPECT_EQ((*t)[4], 1000);  // Int((2 * 6000) / 12)
    EXPECT_EQ((*t)[5], 625);   // Int((2.5 * 6000) / 24)
    EXPECT_EQ((*t)[6], 200);   // Int(6000 / 30)
    EXPECT_EQ((*t)[7], 49090); // Int(30 * 36000 / 22)

    // Rows 21, 22 and 28 add the base value after the integer part; the others inside it.
    in.days = 45;
    in.base = {0.6, 0.6, 14, 0.6, 6, 12, 0.6, 0.4};
    t = missionTargets(in);
    EXPECT_EQ((*t)[0], 42001); // 42000 + 0.6, rounded
    EXPECT_EQ((*t)[1], 33158); // Int(33157.89) + 0.6, rounded
    EXPECT_EQ((*t)[2], 643);   // Int((3 * 6000 + 14) / 28) = Int(643.36)
    EXPECT_EQ((*t)[3], 133);   // Int(133.33 + 0.6)
    EXPECT_EQ((*t)[7], 73636); // Int(73636.36) + 0.4, rounded

    in.days = 0;
    EXPECT_FALSE(missionTargets(in)) << "a length of 0 gives no targets instead of dividing by 0";
}

TEST(NewCampaignRules, NamesAndSettings) {
    EXPECT_TRUE(isValidCampaignName("Abc"));
    EXPECT_TRUE(isValidCampaignName("  Malta  "));
    EXPECT_FALSE(isValidCampaignName("Ab"));
    EXPECT_FALSE(isValidCampaignName("Nome Doppio"));
    EXPECT_FALSE(isValidCampaignName("Abc1"));
    EXPECT_FALSE(isValidCampaignName("..\\Abc"));
    EXPECT_FALSE(isValidCampaignName(QString::fromUtf8("Città")));
    EXPECT_FALSE(isValidCampaignName(QString(kNameMaxLength + 1, 'a')));

    SettingTexts texts;
    const QStringList good = {"",   "30", "3-Estate", "1941", "28000", "30000", "6000", "6500", "",   "",
                              "20", "16", "15",       "15",   "17",    "14",    "10",   "8",    "50", "45"};
    for (int i = 0; i < good.size(); ++i) texts[i] = good[i];
    SettingValues items{};
    items[20] = 77;
    EXPECT_EQ(collectGeneralSettings(texts, items), "");
    EXPECT_EQ(items[1], 30);
    EXPECT_EQ(items[2], 3);
    EXPECT_EQ(items[3], 1941);
    EXPECT_EQ(items[7], 6500);
    EXPECT_EQ(items[19], 45);
    EXPECT_EQ(items[20], 77) << "item 20 is not the general set-up's";

    auto refused = [&](int item, const QString& text) {
        SettingTexts t = texts;
        t[item] = text;
        SettingValues v{};
        return !collectGeneralSettings(t, v).isEmpty() && v[1] == 0;
    };
    EXPECT_TRUE(refused(1, "0"));
    EXPECT_TRUE(refused(1, ""));
    EXPECT_TRUE(refused(4, "molti"));
    EXPECT_TRUE(refused(12, "15x"));
    EXPECT_TRUE(refused(2, "Estate"));
    EXPECT_TRUE(refused(2, "5"));
    EXPECT_TRUE(refused(18, "99999999999"));
    EXPECT_FALSE(refused(2, "2"));
}

TEST(NewCampaignRules, BaseGridValues) {
    EXPECT_EQ(cappedBoxText("7", 6), "6");
    EXPECT_EQ(cappedBoxText("950", 900), "900");
    EXPECT_EQ(cappedBoxText("95", 90), "90");
    EXPECT_EQ(cappedBoxText("350", 300), "300");
    EXPECT_EQ(cappedBoxText("300", 300), "300");
    EXPECT_EQ(cappedBoxText("", 6), "");
    EXPECT_EQ(baseBoxValue("12x"), 12);
    EXPECT_EQ(baseBoxValue("x12"), 0);
    const int expected[] = {9, 11, 11, 10, 10, 9, 9};
    for (int level = 0; level <= 6; ++level) EXPECT_EQ(baseSightingValue(level), expected[level]) << level;
    for (int base = 1; base <= 15; ++base) EXPECT_EQ(hasNoPort(base), base == 10 || base == 11 || base == 13);
}

TEST(NewCampaignRules, FreeShipQuota) {
    auto sum = [](const std::array<int, 7>& q) { return q[0] + q[1] + q[2] + q[3] + q[4] + q[5] + q[6]; };
    EXPECT_EQ(freeShipQuota(15), (std::array<int, 7>{1, 1, 2, 2, 1, 1, 2}));
    EXPECT_EQ(freeShipQuota(30), (std::array<int, 7>{2, 2, 3, 3, 2, 2, 2}));
    EXPECT_EQ(freeShipQuota(45), (std::array<int, 7>{2, 2, 4, 4, 3, 3, 2}));
    EXPECT_EQ(freeShipQuota(60), (std::array<int, 7>{3, 3, 6, 6, 3, 4, 2}));
    EXPECT_EQ(sum(freeShipQuota(15)), 10);
    EXPECT_EQ(sum(freeShipQuota(60)), 27);
}

namespace {
struct ArchiveCopy {
    int carrierCount = 0;
    QStringList missingArchives;
};

// The copies the last wizard window makes when it opens.
ArchiveCopy copyArchives() {
    const QString archives = G().AppPath + "\\archivio\\";
    ArchiveCopy out;
    out.missingArchives = missingArchives(archives);
    out.carrierCount = CopiaArchivioNavi(archives);
    CopiaArchivioAerei(archives);
    CreaFileAereiPortaerei(archives, out.carrierCount);
    return out;
}

class ArchiveCopyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        removeShippedArchives(folder);
        resetGlobals();
        buildPathGlobals();
        CaricaTabelleNomi();
        G().CampaignName = "Prova";
    }
    testsupport::ProgramFolder folder;
    QString campaignFile(const QString& name) { return G().GamesPath + name; }
};
} // namespace

TEST_F(ArchiveCopyTest, CarriersNumberedAndDeletedRecordsDropped) {
    writeStandardArchives(folder);
    // An older file of the same name must leave no tail behind.
    testsupport::writeBytes(campaignFile("NaviAlleProva.dat"), QByteArray(179 * 20, 'Z'));
    const ArchiveCopy copied = copyArchives();
    EXPECT_TRUE(copied.missingArchives.isEmpty());
    EXPECT_EQ(copied.carrierCount, 3);

    platform::RecordFile ships(shipFilePath(1), 179);
    ASSERT_EQ(ships.length(), 179 * 8);
    recordformat::ShipRecord r;
    recordformat::readRecord(ships, 1, r);
    EXPECT_EQ(r.trimmed(2), "Illustrious");
    EXPECT_EQ(r.text(34), "P1 ");
    recordformat::readRecord(ships, 2, r);
    EXPECT_EQ(r.trimmed(2), "Argus");
    EXPECT_EQ(r.text(34), "P3 ") << "the deleted carrier took number 2";
    recordformat::readRecord(ships, 8, r);
    EXPECT_EQ(r.trimmed(2), "Laforey");
    EXPECT_EQ(platform::fileLength(shipFilePath(2)), 179 * 5);

    for (int base = 12; base <= 15; ++base)
        EXPECT_EQ(platform::fileLength(baseAircraftFilePath(base)), 149 * 3);
    for (int base = 1; base <= 11; ++base)
        EXPECT_EQ(platform::fileLength(baseAircraftFilePath(base)), 149 * 3);
    for (int n = 1; n <= 3; ++n) {
        platform::RecordFile air(carrierAircraftFilePath(carrierCode(n)), 149);
        ASSERT_EQ(air.count(), 1) << n;
        recordformat::AircraftRecord a;
        recordformat::readRecord(air, 1, a);
        EXPECT_EQ(a.trimmed(2), "Swordfish");
    }
    EXPECT_FALSE(platform::fileExists(carrierAircraftFilePath("P4")));
}

TEST_F(ArchiveCopyTest, MissingArchiveReportedAndNotCreated) {
    writeShipArchive(folder, "ASSE", {{"CT", "Alpino", 1939, false, "IT"}});
    testsupport::writeBytes(campaignFile("NaviAlleProva.dat"), QByteArray(179 * 2, 'Z'));
    const ArchiveCopy copied = copyArchives();
    ASSERT_EQ(copied.missingArchives.size(), 3);
    EXPECT_TRUE(copied.missingArchives[0].endsWith("alleatinavi.dat", Qt::CaseInsensitive));
    EXPECT_FALSE(platform::fileExists(G().AppPath + "\\archivio\\alleatinavi.dat"));
    EXPECT_EQ(platform::fileLength(shipFilePath(1)), 0) << "created empty, no old records left";
    EXPECT_EQ(platform::fileLength(shipFilePath(2)), 179);
    EXPECT_EQ(platform::fileLength(baseAircraftFilePath(1)), 0);
    EXPECT_EQ(copied.carrierCount, 0);
}

TEST_F(ArchiveCopyTest, FreeShipListFilters) {
    writeStandardArchives(folder);
    copyArchives();
    QStringList names;
    for (const ListedUnit& u : freeShipList(1, 1941))
        names << QString::number(u.record) + ":" + u.text.trimmed();
    EXPECT_EQ(names, (QStringList{"3:CT Jervis", "4:CT Kelly", "5:SA Upholder", "6:IL Orion"}));
    names.clear();
    for (const ListedUnit& u : freeShipList(1, 1942)) names << u.text.left(2);
    EXPECT_TRUE(names.contains("CT") && names.size() == 5) << "a ship of the campaign year is listed";
}

TEST_F(ArchiveCopyTest, FreeAircraftListsAndConfirmation) {
    writeStandardArchives(folder);
    copyArchives();
    AircraftLists axis = freeAircraftLists(2, 5);
    ASSERT_EQ(axis.types.size(), 2u) << "only Italian types at Axis bases";
    EXPECT_EQ(axis.types[0].text.trimmed(), "CPT Macchi C.200");
    EXPECT_EQ(axis.types[1].record, 2);
    EXPECT_TRUE(axis.placed.isEmpty());
    EXPECT_EQ(freeAircraftLists(1, 12).types.size(), 3u);

    const QString name = "ASI SM.79 Sparviero" + QString(11, ' ');
    EXPECT_EQ(confirmFreeAircraft(2, 5, 2, 2), name + " N:2  ");
    EXPECT_EQ(confirmFreeAircraft(2, 5, 2, 3), name + " N:5  ");
    axis = freeAircraftLists(2, 5);
    EXPECT_EQ(axis.placed, QStringList{name + " N:5  "});
    EXPECT_TRUE(freeAircraftLists(2, 6).placed.isEmpty()) << "each base has its own copy";
}

TEST_F(ArchiveCopyTest, NamesTakenBySlotsOrFiles) {
    testsupport::writeBytes(campaignFile("NomeGiochi.txt"),
                            "\"Kilo\"\r\n30\r\n1\r\n1940\r\n" +
                                QByteArray("\"nn\"\r\n0\r\n0\r\n0\r\n").repeated(3));
    for (const char* file : {"StackKiloNomeAereiAlle.dat", "limA.stp"})
        testsupport::writeBytes(campaignFile(file), "0\r\n");
    EXPECT_TRUE(isCampaignNameTaken("KILO"));
    EXPECT_TRUE(isCampaignNameTaken("KiloNome")) << "its air-group table is Kilo's air-group names";
    EXPECT_TRUE(isCampaignNameTaken("Lima"));
    EXPECT_FALSE(isCampaignNameTaken("Mike"));
    EXPECT_TRUE(G().ProbePath.isEmpty());
}
