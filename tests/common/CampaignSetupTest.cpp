#include "common/CampaignSetup.h"
#include "CampaignFixture.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// Settings 1..28 := 1000 + item with a 45-day campaign; set-up column c of base b := 100 c + b;
// the shipped mine rectangles.
void writeCampaignFiles(const CampaignFolder& c) {
    std::array<long long, kSettings + 1> items{};
    for (int i = 1; i <= kSettings; ++i) items[i] = 1000 + i;
    items[1] = 45, items[8] = items[9] = 0;
    writeSettingsFile(items);
    for (int col = 0; col < kSetUpColumns; ++col) {
        std::array<long long, kBases + 1> bases{};
        for (int b = 1; b <= kBases; ++b) bases[b] = 100 * col + b;
        writeSetUpFile(col, bases);
    }
    for (const char* name : {"Minex1.txt", "Minex2.txt", "Miney1.txt", "Miney2.txt"})
        QFile::copy(QStringLiteral(SHIPPED_DATA_DIR "/Data/") + name, c.data(name));
}

} // namespace

TEST(CampaignSetup, LoadsWhatTheWritersWrote) {
    CampaignFolder campaign;
    writeCampaignFiles(campaign);
    EXPECT_EQ(testsupport::readLines(campaign.game("Prova.Stp")).size(), 28);
    const QStringList ports = testsupport::readLines(campaign.game("PortoSetUpProva.txt"));
    EXPECT_EQ(ports,
              (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15"}));
    testsupport::writeBytes(setUpFilePath(0), ports.join("\r\n").toLatin1() + "\r\n9999\r\n"); // a 16th line
    Globals& g = G();
    g.Files.openRandom(2, campaign.game("NaviAlleProva.dat"), 179);

    CaricaSetUpGioco();
    EXPECT_EQ(g.BasePortLevel[15], 15);
    EXPECT_EQ(g.BaseAirfieldLevel[1], 101);
    EXPECT_EQ(g.BaseLevel[3], 203);
    EXPECT_EQ(g.BasePoints[15], 315);
    EXPECT_EQ(g.BaseShipCapacity[1], 401);
    EXPECT_EQ(g.BaseAircraftCapacity[15], 515);
    EXPECT_EQ(g.BasePortLevel[0], 0);
    EXPECT_EQ(g.GameSettings[1], 45);
    EXPECT_EQ(g.GameSettings[14], 1014);
    EXPECT_EQ(g.GameSettings[28], 1028);
    EXPECT_EQ(g.MineFieldRects[1].x1 + g.MineFieldRects[1].x2 + g.MineFieldRects[1].y1, 3766 + 4077 + 3049);
    EXPECT_EQ(g.MineFieldRects[24].y2, 2945);
    EXPECT_FALSE(g.Files.isOpen(2)); // loading closes every channel
}

TEST(CampaignSetup, ShortOrBadFileChangesNothingAndNamesTheFile) {
    CampaignFolder campaign;
    writeCampaignFiles(campaign);
    Globals& g = G();
    CaricaSetUpGioco();
    const auto failsNaming = [](const char* name) {
        try {
            CaricaSetUpGioco();
            ADD_FAILURE() << "no error for " << name;
        } catch (const platform::FileError& e) {
            EXPECT_TRUE(e.message().contains(name)) << e.message().toStdString();
        }
    };
    testsupport::writeBytes(settingsFilePath(), QByteArray("30\r\n").repeated(27));
    failsNaming("Prova.Stp");
    EXPECT_EQ(g.GameSettings[1], 45);

    writeCampaignFiles(campaign);
    testsupport::writeBytes(setUpFilePath(3), QByteArray("40000\r\n").repeated(15)); // beyond 16 bits
    failsNaming("PuntiSetUpProva.txt");
    EXPECT_EQ(g.BasePortLevel[15], 15);
    EXPECT_FALSE(g.Files.isOpen(1));

    writeCampaignFiles(campaign);
    QFile::remove(campaign.data("Miney2.txt"));
    failsNaming("Miney2.txt");
}

TEST(CampaignSetup, MineFileIsFieldMajor) {
    CampaignFolder campaign;
    Globals& g = G();
    SalvaMine();
    EXPECT_EQ(testsupport::readLines(mineFilePath()), QStringList(120, "0"));

    g.MineFields[3][1] = 100;
    g.MineFields[3][5] = 2;
    g.MineFields[24][2] = 600;
    g.Files.openRandom(2, campaign.game("NaviAlleProva.dat"), 179);
    SalvaMine();
    EXPECT_FALSE(g.Files.isOpen(2));
    const QStringList saved = testsupport::readLines(mineFilePath());
    EXPECT_EQ(saved.at(10), "100"); // line 11: field 3, row 1
    EXPECT_EQ(saved.at(14), "2");
    EXPECT_EQ(saved.at(116), "600"); // field 24, row 2

    g.MineFields[3][1] = 0;
    CaricaMine();
    EXPECT_EQ(g.MineFields[3][1], 100);
    testsupport::writeBytes(mineFilePath(), saved.mid(0, 119).join("\r\n").toLatin1());
    g.MineFields[24][2] = 7;
    EXPECT_THROW(CaricaMine(), platform::FileError);
    EXPECT_EQ(g.MineFields[24][2], 7);
}

// The shipped rectangles lie wholly at sea on the day map, do not overlap and leave room for the
// mine count drawn 200 below their top.
TEST(CampaignSetup, ShippedMineFieldsLieAtSea) {
    CampaignFolder campaign;
    writeCampaignFiles(campaign);
    CaricaSetUpGioco();
    const QImage map(QStringLiteral(SHIPPED_DATA_DIR "/ArchBmp/Med1colDay.Bmp"));
    ASSERT_EQ(map.size(), QSize(2034, 924));
    const MineFieldRect* r = G().MineFieldRects;
    for (int f = 1; f <= kMineFields; ++f) {
        EXPECT_LT(r[f].x1, r[f].x2);
        EXPECT_LT(r[f].y1 + 200, r[f].y2) << "field " << f;
        int land = 0;
        for (int y = r[f].y1 * 924 / 6930; y <= r[f].y2 * 924 / 6930; ++y)
            for (int x = r[f].x1 * 2034 / 15250; x <= r[f].x2 * 2034 / 15250; ++x)
                land += map.pixel(x, y) != qRgb(120, 170, 220);
        EXPECT_EQ(land, 0) << "field " << f;
        for (int o = 1; o < f; ++o)
            EXPECT_FALSE(r[f].x1 < r[o].x2 && r[o].x1 < r[f].x2 && r[f].y1 < r[o].y2 && r[o].y1 < r[f].y2)
                << "fields " << o << " and " << f << " overlap";
    }
}
