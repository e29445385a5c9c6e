#include "game/start/FrmGame.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "platform/Dialogs.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace platform;
using testsupport::readBytes;
using testsupport::writeBytes;

namespace {
const QByteArray kFreeRow("\"nn\"\r\n0\r\n0\r\n0\r\n");

QByteArray slotRow(const char* name, int days, int season, int year) {
    return QByteArray("\"") + name + "\"\r\n" + QByteArray::number(days) + "\r\n" +
           QByteArray::number(season) + "\r\n" + QByteArray::number(year) + "\r\n";
}

class StartWindow : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { platform::testing::resetForms(); }
    QString slotFile() const { return folder.file("Data/giochi/NomeGiochi.txt"); }
    void writeSlots(const QByteArray& bytes) { writeBytes(slotFile(), bytes); }
    // Opens the slot frame from the menu, as the player does.
    FrmGame& openSlots() {
        FrmGame& f = form<FrmGame>();
        f.MnFileApri.doClick();
        return f;
    }
    testsupport::ProgramFolder folder;
};
} // namespace

TEST_F(StartWindow, LoadsPathsListsAndFourFreeSlots) {
    FrmGame& f = form<FrmGame>();
    EXPECT_EQ(f.caption(), "Torv Tutorial");
    EXPECT_FALSE(f.Frame1.visible());
    EXPECT_EQ(f.MnFile.caption(), "File              ");
    EXPECT_EQ(f.MnSetup.caption(), "Crea Nuovo Gioco    ");
    EXPECT_TRUE(f.MnSetup.enabled());
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(f.slotName(n).caption(), "nn");
        EXPECT_EQ(f.slotDays(n).caption(), "0");
    }
    EXPECT_EQ(f.Label21.caption(), "1");
    EXPECT_EQ(f.Label18.caption(), QString::fromUtf8("Prossimo Slot Libero N° 1"));
    EXPECT_FALSE(f.Label22.caption().isEmpty());
    EXPECT_EQ(diskPath(G().SlotFilePath), slotFile());
    EXPECT_EQ(G().BaseNames[12], "MALTA HQ");
    EXPECT_TRUE(folderExists(G().DataPath + "\\gntext"));
    EXPECT_TRUE(f.Image1.hasPicture());
}

TEST_F(StartWindow, MissingSlotFileIsCreatedWithFourFreeSlots) {
    QFile::remove(slotFile());
    FrmGame& f = form<FrmGame>();
    EXPECT_EQ(readBytes(slotFile()), kFreeRow.repeated(4));
    EXPECT_EQ(f.Label21.caption(), "1");
}

TEST_F(StartWindow, FreeSlotLineFollowsTheSlots) {
    writeSlots(slotRow("Abc", 30, 2, 1941) + slotRow("", 15, 1, 1940) + kFreeRow +
               slotRow("Xyz", 60, 4, 1942));
    FrmGame& f = openSlots();
    EXPECT_EQ(f.slotName(1).caption(), "Abc");
    EXPECT_EQ(f.slotName(2).caption(), "(vuoto)");
    EXPECT_EQ(f.slotDays(4).caption(), "60");
    EXPECT_EQ(f.slotSeason(4).caption(), "4");
    EXPECT_EQ(f.slotYear(4).caption(), "1942");
    EXPECT_EQ(f.Label21.caption(), "3") << "an empty name is not free";
    EXPECT_EQ(f.Label18.caption(), QString::fromUtf8("Prossimo Slot Libero N° 3"));

    writeSlots(slotRow("Abc", 30, 2, 1941).repeated(4));
    f.MnFileApri.doClick();
    EXPECT_EQ(f.Label21.caption(), "5");
    EXPECT_EQ(f.Label18.caption(), "SLOT PIENI \\ NUOVO GIOCO NON PERMESSO");
    EXPECT_FALSE(f.MnSetup.enabled());
}

TEST_F(StartWindow, ChoosingASlot) {
    writeSlots(slotRow("  Abc ", 30, 2, 1941) + kFreeRow.repeated(3));
    FrmGame& f = openSlots();
    EXPECT_TRUE(f.Frame1.visible());
    EXPECT_FALSE(f.Label19.enabled());

    f.Label1.doMouseMove(0, 0, 10, 10);
    EXPECT_EQ(f.Label1.mousePointer(), 15);
    f.Label2.doMouseMove(0, 0, 10, 10);
    EXPECT_EQ(f.Label2.mousePointer(), 0) << "\"nn\" is shorter than 3";

    f.Label1.doClick();
    EXPECT_EQ(f.Label1.backStyle(), 1);
    EXPECT_EQ(f.Label1.backColor(), vbGreen);
    EXPECT_EQ(f.Label2.backStyle(), 0);
    EXPECT_TRUE(f.Label19.enabled());
    EXPECT_TRUE(f.Label20.enabled());
    EXPECT_EQ(f.Label20.borderStyle(), 1);
    EXPECT_EQ(G().CampaignName, "Abc");
    EXPECT_EQ(G().SelectedSlot, 1);

    f.Label3.doClick();
    EXPECT_FALSE(f.Label19.enabled());
    EXPECT_FALSE(f.Label20.enabled());
    EXPECT_EQ(f.Label20.borderStyle(), 0);
    EXPECT_EQ(f.Label1.backStyle(), 0);
    EXPECT_EQ(G().CampaignName, "");
    EXPECT_EQ(G().SelectedSlot, 0);

    f.Label1.doClick();
    f.Command1.doClick();
    EXPECT_FALSE(f.Frame1.visible());
    f.MnFileApri.doClick();
    EXPECT_FALSE(f.Label19.enabled()) << "reopening the frame clears the choice";
    EXPECT_EQ(G().CampaignName, "");
}

TEST_F(StartWindow, DeletingAsksFirstAndNoDeletesNothing) {
    writeSlots(slotRow("Abc", 30, 2, 1941) + kFreeRow.repeated(3));
    writeBytes(folder.file("Data/giochi/Abc.Stp"), "x");
    FrmGame& f = openSlots();
    f.Label1.doClick();
    testsupport::MessageBoxes boxes({vbNo});
    f.Label20.doClick();
    ASSERT_EQ(boxes.prompts.size(), 1);
    EXPECT_EQ(boxes.prompts[0], "VUOI DAVVERO CANCELLARE QUESTO GIOCO?");
    EXPECT_EQ(boxes.titles[0], "ATTENZIONE SCELTA IRREVERSIBILE");
    EXPECT_EQ(boxes.styles[0], vbYesNo + vbQuestion);
    EXPECT_TRUE(QFile::exists(folder.file("Data/giochi/Abc.Stp")));
    EXPECT_EQ(f.slotName(1).caption(), "Abc");
    EXPECT_FALSE(f.Frame1.visible());
}

TEST_F(StartWindow, DeletingWithYesFreesTheSlotAndDeletesTheCampaignFiles) {
    writeSlots(slotRow("Abc", 30, 2, 1941).repeated(2) + slotRow("Abcd", 15, 1, 1940) + kFreeRow);
    FrmGame& f = form<FrmGame>();
    QDir games(folder.file("Data/giochi"));
    const QStringList own = campaignFileNames("Abc");
    for (const QString& file : own) writeBytes(games.filePath(file), "x");
    writeBytes(games.filePath("StackAbcdNaviAlle.dat"), "x");

    f.MnFileApri.doClick();
    f.Label2.doClick();
    testsupport::MessageBoxes boxes({vbYes});
    f.Label20.doClick();
    EXPECT_EQ(readBytes(slotFile()),
              slotRow("Abc", 30, 2, 1941) + kFreeRow + slotRow("Abcd", 15, 1, 1940) + kFreeRow);
    EXPECT_EQ(games.entryList(QDir::Files), QStringList({"NomeGiochi.txt", "StackAbcdNaviAlle.dat"}));
    EXPECT_EQ(f.slotName(2).caption(), "nn");
    EXPECT_EQ(f.Label21.caption(), "2");
    EXPECT_TRUE(f.MnSetup.enabled());
    EXPECT_FALSE(f.Frame1.visible());
    EXPECT_EQ(G().CampaignName, "Abc") << "the choice stays until the frame is opened again";
    EXPECT_EQ(G().SelectedSlot, 2);
}

TEST_F(StartWindow, ANameThatIsNotLettersDeletesNoFile) {
    writeSlots(slotRow("..\\..\\Data", 30, 2, 1941) + kFreeRow.repeated(3));
    writeBytes(folder.file("Data.Stp"), "x");
    FrmGame& f = openSlots();
    f.Label1.doClick();
    testsupport::MessageBoxes boxes({vbYes});
    f.Label20.doClick();
    ASSERT_EQ(boxes.prompts.size(), 2);
    EXPECT_TRUE(boxes.prompts[1].contains("nessun file"));
    EXPECT_TRUE(QFile::exists(folder.file("Data.Stp")));
    EXPECT_EQ(readBytes(slotFile()), kFreeRow.repeated(4));
}

TEST_F(StartWindow, ShortSlotFileIsReportedAndNeverWrittenOver) {
    const QByteArray broken = slotRow("Abc", 30, 2, 1941) + "\"nn\"\r\n";
    writeSlots(broken);
    testsupport::Errors errors;
    FrmGame& f = form<FrmGame>();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("NomeGiochi.txt"));
    f.MnFileApri.doClick();
    EXPECT_FALSE(f.Label1.enabled());
    EXPECT_FALSE(f.MnSetup.enabled());
    f.Label1.doClick();
    EXPECT_FALSE(f.Label20.enabled());
    EXPECT_EQ(readBytes(slotFile()), broken);
}

TEST_F(StartWindow, OpeningSaysTheMainWindowIsStillToCome) {
    writeSlots(slotRow("Abc", 30, 2, 1941) + kFreeRow.repeated(3));
    FrmGame& f = openSlots();
    f.Label1.doClick();
    testsupport::MessageBoxes boxes;
    f.Label19.doClick();
    EXPECT_EQ(boxes.prompts.size(), 1);
    EXPECT_TRUE(isLoaded<FrmGame>());
}

TEST_F(StartWindow, ChiudiEndsTheProgram) {
    FrmGame& f = form<FrmGame>();
    f.MnFileChiudi.doClick();
    EXPECT_FALSE(isLoaded<FrmGame>());
    EXPECT_TRUE(programEnded());
}
