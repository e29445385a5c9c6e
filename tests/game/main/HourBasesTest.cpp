// The main window's part of the end of the hour: base repair with points, and the circles of the
// hour's activities on the map.
#include "game/main/FrmMain.h"

#include "TestCampaign.h"
#include "common/ContactFiles.h"
#include "common/Dice.h"
#include "platform/Dialogs.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class HourBases : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        platform::testing::resetForms();
        resetGlobals();
    }
    FrmMain& open() {
        testcampaign::write();
        const auto slot = G().GameSlots[1];
        resetGlobals();
        buildPathGlobals();
        G().GameSlots[1] = slot;
        G().SelectedSlot = 1;
        G().CampaignName = QStringLiteral("Prova");
        EXPECT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
        return form<FrmMain>();
    }
    testsupport::ProgramFolder folder;
    testsupport::Errors errors;
};

} // namespace

TEST_F(HourBases, DamagedBasesRepairWithTheirPoints) {
    FrmMain& f = open();
    Globals& g = G();
    // TARANTO: level 1, 5% damage, 200 points. NAPOLI: level 0, damaged. PALERMO: level 2, 10%
    // damage, 103 points.
    g.BaseLevel[1] = 1;
    g.BaseTable[1][3] = 5;
    g.BaseTable[1][21] = 160;
    g.BaseLevel[2] = 0;
    g.BaseTable[2][3] = 3;
    g.BaseTable[2][21] = 500;
    g.BaseLevel[3] = 2;
    g.BaseTable[3][3] = 10;
    g.BaseTable[3][21] = 63;
    g.BaseTable[14][3] = 50; // an Allied base the Allies do not repair here
    g.BaseTable[14][21] = 500;

    g.CurrentSide = kAxis;
    QList<int> rolls{69, 1, 70, 1, 1, 1, 1};
    rolls << QList<int>(12, 1);
    rolls << 34 << QList<int>(18, 1);
    {
        ChosenDice dice(rolls);
        f.AggiornaBasiOra();
        EXPECT_EQ(dice.remaining(), 0) << "a base of level 0 does not roll";
    }
    EXPECT_EQ(g.BaseTable[1][3], 0);
    EXPECT_EQ(g.BaseTable[1][22], 5);
    EXPECT_EQ(g.BaseTable[1][11], 5);
    EXPECT_EQ(g.BaseTable[2][3], 3) << "level 0 repairs nothing";
    EXPECT_EQ(g.BaseTable[3][3], 9) << "never below 102 points";
    EXPECT_EQ(g.BaseTable[3][22], 1);
    const QStringList saved = testsupport::readLines(g.GamesPath + "StackProvaDatiBasi.dat");
    EXPECT_EQ(saved.at(2), "0") << "TARANTO's damage, saved";
    EXPECT_EQ(saved.at(30 + 2), "3");

    // A roll that fails the first test makes no tries; the Allies repair 12 and 13 only.
    g.BaseTable[1][3] = 5;
    g.BaseLevel[12] = 1;
    g.BaseTable[12][3] = 4;
    g.BaseTable[12][21] = 200;
    g.CurrentSide = kAllies;
    QList<int> allied{1};
    allied << QList<int>(25, 1);
    {
        ChosenDice dice(allied);
        f.AggiornaBasiOra();
    }
    EXPECT_EQ(g.BaseTable[12][3], 0);
    EXPECT_EQ(g.BaseTable[14][3], 50);
    g.CurrentSide = kAxis;
    ChosenDice dice({70});
    f.AggiornaBasiOra();
    EXPECT_EQ(dice.remaining(), 0) << "PALERMO is down to 102 points: no roll";
    EXPECT_EQ(g.BaseTable[1][3], 5);
    EXPECT_EQ(g.BaseTable[3][3], 9);
}

TEST_F(HourBases, TheHoursActivitiesAreCircledOnTheMap) {
    FrmMain& f = open();
    Globals& g = G();
    const auto write = [&](int x, int y, int kind) {
        ActivityRecord a;
        a.X = x;
        a.Y = y;
        a.Kind = kind;
        RecordFile file(activityFilePath(), ActivityRecord::kLength);
        file.put(file.count() + 1, encodeActivity(a));
    };
    write(3000, 3000, 6); // an older hour's
    write(6000, 3000, 1);
    write(9000, 3000, 4);
    write(12000, 3000, 7);
    g.setState(10, 3);
    f.PicBitMap.setPicture(QImage(2034, 924, QImage::Format_RGB32));
    f.PicBitMap.cls();
    f.CircleAttivita();
    const auto at = [&](int x, int y) { return f.PicBitMap.point(x, y); };
    for (int x : {6000, 9000, 12000}) {
        EXPECT_EQ(at(x, 3000 - 400), vbRed) << x;
        EXPECT_EQ(at(x + 420, 3000), vbWhite) << x;
    }
    EXPECT_NE(at(3000, 3000 - 400), vbRed) << "not this hour's";
    EXPECT_NE(at(6000, 3000 - 160), vbCyan) << "a naval activity";
    EXPECT_EQ(at(9000, 3000 - 160), vbCyan);
    EXPECT_NE(at(9000, 3000 - 100), vbMagenta);
    EXPECT_EQ(at(12000, 3000 - 160), vbCyan);
    EXPECT_EQ(at(12000, 3000 - 100), vbMagenta) << "a strike on a base";
    EXPECT_EQ(at(12000, 3000 - 60), vbMagenta);
    EXPECT_FALSE(g.Files.isOpen(1) || g.Files.isOpen(2));

    // An hour without activities draws nothing and needs no file.
    platform::deleteFile(activityFilePath());
    g.setState(10, 0);
    f.PicBitMap.cls();
    f.CircleAttivita();
    EXPECT_FALSE(platform::fileExists(activityFilePath()));
    EXPECT_NE(at(6000, 3000 - 400), vbRed);
}
