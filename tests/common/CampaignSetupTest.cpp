#include "common/CampaignSetup.h"
#include "CampaignFixture.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QByteArray lines(const QList<long long>& values) {
    QByteArray b;
    for (long long v : values) b += QByteArray::number(v) + "\r\n";
    return b;
}

QList<long long> counting(int n, int from) {
    QList<long long> v;
    for (int i = 0; i < n; ++i) v.append(from + i);
    return v;
}

// A campaign whose settings and set-up files hold counting values, with the shipped rectangles.
void writeCampaignFiles(const CampaignFolder& c) {
    for (int col = 0; col < kSetUpColumns; ++col) {
        QList<long long> v = counting(kBases, 100 * col);
        if (col == 0) v.append(9999); // a 16th line is ignored
        testsupport::writeBytes(setUpFilePath(col), lines(v));
    }
    QList<long long> settings = counting(kSettings, 1000);
    settings[0] = 45;
    settings[7] = settings[8] = 0;
    testsupport::writeBytes(settingsFilePath(), lines(settings));
    for (const char* name : {"Minex1.txt", "Minex2.txt", "Miney1.txt", "Miney2.txt"})
        QFile::copy(QStringLiteral(SHIPPED_DATA_DIR "/Data/") + name, c.data(name));
}

} // namespace

TEST(CampaignSetup, LoadsSetUpSettingsAndMineRectangles) {
    CampaignFolder campaign;
    writeCampaignFiles(campaign);
    Globals& g = G();
    g.Files.openRandom(2, campaign.game("NaviAlleProva.dat"), 179);

    CaricaSetUpGioco();
    EXPECT_EQ(g.BasePortLevel[1], 0);
    EXPECT_EQ(g.BasePortLevel[15], 14);
    EXPECT_EQ(g.BaseAirfieldLevel[1], 100);
    EXPECT_EQ(g.BaseLevel[3], 202);
    EXPECT_EQ(g.BasePoints[15], 314);
    EXPECT_EQ(g.BaseShipCapacity[1], 400);
    EXPECT_EQ(g.BaseAircraftCapacity[15], 514);
    EXPECT_EQ(g.BasePortLevel[0], 0);
    EXPECT_EQ(g.GameSettings[1], 45);
    EXPECT_EQ(g.GameSettings[8], 0);
    EXPECT_EQ(g.GameSettings[14], 1013);
    EXPECT_EQ(g.GameSettings[28], 1027);
    EXPECT_EQ(g.MineFieldRects[1].x1, 3766);
    EXPECT_EQ(g.MineFieldRects[1].x2, 4077);
    EXPECT_EQ(g.MineFieldRects[1].y1, 3049);
    EXPECT_EQ(g.MineFieldRects[24].y2, 2945);
    EXPECT_FALSE(g.Files.isOpen(2)); // loading closes every channel
}

TEST(CampaignSetup, ShortOrBadFileChangesNothingAndNamesTheFile) {
    CampaignFolder campaign;
    writeCampaignFiles(campaign);
    Globals& g = G();
    CaricaSetUpGioco();

    testsupport::writeBytes(settingsFilePath(), lines(counting(27, 5)));
    try {
        CaricaSetUpGioco();
        FAIL() << "a settings file of 27 lines is an error";
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("Prova.Stp")) << e.message().toStdString();
    }
    EXPECT_EQ(g.GameSettings[1], 45);

    writeCampaignFiles(campaign);
    QList<long long> big = counting(kBases, 7);
    big[4] = 40000; // does not fit a 16-bit table
    testsupport::writeBytes(setUpFilePath(3), lines(big));
    try {
        CaricaSetUpGioco();
        FAIL() << "a set-up value beyond 16 bits is an error";
    } catch (const platform::FileError& e) {
        EXPECT_TRUE(e.message().contains("PuntiSetUpProva.txt")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains("40000"));
    }
    EXPECT_EQ(g.BasePortLevel[15], 14);
    EXPECT_EQ(g.BasePoints[5], 304);
    EXPECT_FALSE(g.Files.isOpen(1));

    QFile::remove(campaign.data("Miney2.txt"));
    EXPECT_THROW(CaricaSetUpGioco(), platform::FileError);
}

TEST(CampaignSetup, MineFileIsFieldMajor) {
    CampaignFolder campaign;
    Globals& g = G();
    SalvaMine();
    const QStringList fresh = testsupport::readLines(mineFilePath());
    ASSERT_EQ(fresh.size(), 120);
    EXPECT_EQ(fresh.count("0"), 120);

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
}

TEST(CampaignSetup, MineFileReadsBackAllOrNothing) {
    CampaignFolder campaign;
    Globals& g = G();
    g.MineFields[3][1] = 100;
    g.MineFields[12][2] = 350;
    SalvaMine();
    g.MineFields[3][1] = 0;
    g.MineFields[12][2] = 0;
    CaricaMine();
    EXPECT_EQ(g.MineFields[3][1], 100);
    EXPECT_EQ(g.MineFields[12][2], 350);

    QStringList short_ = testsupport::readLines(mineFilePath()).mid(0, 119);
    testsupport::writeBytes(mineFilePath(), short_.join("\r\n").toLatin1() + "\r\n");
    g.MineFields[3][1] = 7;
    EXPECT_THROW(CaricaMine(), platform::FileError);
    EXPECT_EQ(g.MineFields[3][1], 7);
}

TEST(CampaignSetup, WritersWriteWhatTheLoaderReads) {
    CampaignFolder campaign;
    std::array<long long, kSettings + 1> items{};
    items[1] = 30;
    items[28] = -4;
    writeSettingsFile(items);
    const QStringList stp = testsupport::readLines(settingsFilePath());
    ASSERT_EQ(stp.size(), 28);
    EXPECT_EQ(stp.first(), "30");
    EXPECT_EQ(stp.last(), "-4");
    std::array<long long, kBases + 1> ports{};
    ports[1] = 1;
    ports[15] = 6;
    writeSetUpFile(0, ports);
    EXPECT_EQ(testsupport::readLines(campaign.game("PortoSetUpProva.txt")),
              (QStringList{"1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "6"}));
}

// The shipped rectangles lie wholly at sea on the day map and do not overlap.
TEST(CampaignSetup, ShippedMineFieldsLieAtSea) {
    CampaignFolder campaign;
    writeCampaignFiles(campaign);
    CaricaSetUpGioco();
    const QImage map(QStringLiteral(SHIPPED_DATA_DIR "/ArchBmp/Med1colDay.Bmp"));
    ASSERT_EQ(map.size(), QSize(2034, 924));
    const QRgb sea = qRgb(120, 170, 220);
    const MineFieldRect* r = G().MineFieldRects;
    for (int f = 1; f <= kMineFields; ++f) {
        EXPECT_LT(r[f].x1, r[f].x2);
        EXPECT_LT(r[f].y1 + 200, r[f].y2) << "field " << f << " too low for its mine count";
        int land = 0;
        for (int y = r[f].y1 * 924 / 6930; y <= r[f].y2 * 924 / 6930; ++y)
            for (int x = r[f].x1 * 2034 / 15250; x <= r[f].x2 * 2034 / 15250; ++x)
                if (map.pixel(x, y) != sea) ++land;
        EXPECT_EQ(land, 0) << "field " << f;
        for (int o = 1; o < f; ++o)
            EXPECT_FALSE(r[f].x1 < r[o].x2 && r[o].x1 < r[f].x2 && r[f].y1 < r[o].y2 && r[o].y1 < r[f].y2)
                << "fields " << o << " and " << f << " overlap";
    }
}
