#include "game/start/FrmGame.h"
#include "common/DataFolder.h"
#include "common/Globals.h"
#include "game/main/FrmMain.h"
#include "platform/Dialogs.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QMainWindow>
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

TEST_F(StartWindow, LoadsWithAMissingSlotFileAsFourFreeSlots) {
    QFile::remove(slotFile());
    FrmGame& f = form<FrmGame>();
    EXPECT_EQ(readBytes(slotFile()), kFreeRow.repeated(4));
    EXPECT_FALSE(f.Frame1.visible());
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(f.slotName(n).caption(), "nn");
    EXPECT_EQ(f.Label21.caption(), "1");
    EXPECT_EQ(f.Label18.caption(), QString::fromUtf8("Prossimo Slot Libero N° 1"));
    EXPECT_FALSE(f.Label22.caption().isEmpty());
    EXPECT_EQ(G().BaseNames[12], "MALTA HQ");
    EXPECT_TRUE(folderExists(G().DataPath + "\\gntext"));
}

TEST_F(StartWindow, FreeSlotLineFollowsTheSlots) {
    writeSlots(slotRow("Abc", 30, 2, 1941) + slotRow("", 15, 1, 1940) + kFreeRow +
               slotRow("Xyz", 60, 4, 1942));
    FrmGame& f = openSlots();
    EXPECT_EQ(f.slotName(1).caption(), "Abc");
    EXPECT_EQ(f.slotName(2).caption(), "(vuoto)");
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
    f.Label1.doMouseMove(0, 0, 10, 10);
    EXPECT_EQ(f.Label1.mousePointer(), 15);
    f.Label2.doMouseMove(0, 0, 10, 10);
    EXPECT_EQ(f.Label2.mousePointer(), 0) << "\"nn\" is shorter than 3";

    f.Label1.doClick();
    EXPECT_EQ(f.Label1.backColor(), vbGreen);
    EXPECT_EQ(f.Label1.backStyle(), 1);
    EXPECT_TRUE(f.Label19.enabled() && f.Label20.enabled());
    EXPECT_EQ(G().CampaignName, "Abc");
    EXPECT_EQ(G().SelectedSlot, 1);

    f.Label3.doClick();
    EXPECT_FALSE(f.Label19.enabled() || f.Label20.enabled());
    EXPECT_EQ(f.Label1.backStyle(), 0);
    EXPECT_EQ(G().CampaignName, "");
    EXPECT_EQ(G().SelectedSlot, 0);

    f.Label1.doClick();
    f.Command1.doClick();
    EXPECT_FALSE(f.Frame1.visible());
    f.MnFileApri.doClick();
    EXPECT_FALSE(f.Label19.enabled()) << "reopening the frame clears the choice";
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
    for (const char* other : {"StackAbcdNaviAlle.dat", "Abc.Stp.bak"}) writeBytes(games.filePath(other), "x");

    f.MnFileApri.doClick();
    f.Label2.doClick();
    testsupport::MessageBoxes boxes({vbYes});
    f.Label20.doClick();
    EXPECT_EQ(readBytes(slotFile()),
              slotRow("Abc", 30, 2, 1941) + kFreeRow + slotRow("Abcd", 15, 1, 1940) + kFreeRow);
    EXPECT_EQ(games.entryList(QDir::Files),
              QStringList({"Abc.Stp.bak", "NomeGiochi.txt", "StackAbcdNaviAlle.dat"}));
    EXPECT_EQ(f.slotName(2).caption(), "nn");
    EXPECT_EQ(f.Label21.caption(), "2");
    EXPECT_FALSE(f.Frame1.visible());
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

TEST_F(StartWindow, BrokenFilesAtLoadAreReportedAndTheSlotFileNeverWrittenOver) {
    const QByteArray broken = slotRow("Abc", 30, 2, 1941) + "\"nn\"\r\n";
    writeSlots(broken);
    QFile::remove(folder.file("Data/basename.txt"));
    testsupport::Errors errors;
    FrmGame& f = openSlots();
    ASSERT_EQ(errors.messages.size(), 3);
    EXPECT_TRUE(errors.messages[0].contains("basename.txt"));
    EXPECT_TRUE(errors.messages[1].contains("NomeGiochi.txt"));
    EXPECT_FALSE(f.Label1.enabled());
    EXPECT_FALSE(f.MnSetup.enabled());
    f.Label1.doClick();
    EXPECT_FALSE(f.Label20.enabled());
    EXPECT_EQ(readBytes(slotFile()), broken);
}

TEST_F(StartWindow, ANameReadFromTheSlotFileThatIsNoCampaignNameIsDamagedAndCannotBeOpened) {
    // With the folders a name leads to present, nothing but the check stands in the way.
    QDir().mkpath(folder.file("x"));
    QDir().mkpath(folder.file("Data/giochi/Stackx"));
    const QByteArray written = slotRow("../x", 30, 2, 1941) + slotRow("/tmp/abs", 30, 2, 1941) +
                               slotRow("Ab", 30, 2, 1941) + slotRow("Abc", 30, 2, 1941);
    writeSlots(written);
    testsupport::Errors errors;
    FrmGame& f = openSlots();
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(f.slotName(n).caption(), "(danneggiato)") << n;
        f.slotName(n).doClick();
        EXPECT_TRUE(f.Label20.enabled()) << "the slot can still be freed " << n;
        // "APRI GIOCO" tells why the campaign cannot be opened and how the slot is freed.
        testsupport::MessageBoxes boxes;
        f.Label19.doClick();
        ASSERT_EQ(boxes.prompts.size(), 1) << n;
        EXPECT_TRUE(boxes.prompts[0].contains(QString::fromUtf8("non può essere aperto"))) << n;
        EXPECT_TRUE(boxes.prompts[0].contains("CANCELLA GIOCO libera lo slot")) << n;
        EXPECT_TRUE(isLoaded<FrmGame>());
        EXPECT_FALSE(isLoaded<FrmMain>());
    }
    EXPECT_EQ(f.slotName(4).caption(), "Abc");
    EXPECT_EQ(readBytes(slotFile()), written);
    EXPECT_EQ(QDir(folder.file("x")).entryList(QDir::Files), QStringList());
    EXPECT_EQ(QDir(folder.file("Data/giochi/Stackx")).entryList(QDir::Files), QStringList());

    // Every campaign path refuses what would leave the campaign folder.
    G().CampaignName = "../x";
    EXPECT_THROW(campaignPath("Stack../xNaviAlle.dat"), FileError);
    G().CampaignName = "Abc";
    EXPECT_THROW(campaignPath("../AbcNaviAlle.dat"), FileError);
    EXPECT_THROW(campaignPath("a/b.dat"), FileError);
    EXPECT_EQ(campaignPath("NaviAlleAbc.dat"), G().GamesPath + "NaviAlleAbc.dat");
}

TEST_F(StartWindow, AMissingSlotFileIsRebuiltFromTheCampaignsOnDisk) {
    QFile::remove(slotFile());
    for (const char* name : {"Xyz", "Abc"})
        writeBytes(folder.file(QString("Data/giochi/BaseSetUp%1.txt").arg(name)), "");
    writeBytes(folder.file("Data/giochi/Abc.Stp"), "45\r\n2\r\n1941\r\n");
    testsupport::MessageBoxes boxes;
    FrmGame& f = openSlots();
    ASSERT_EQ(boxes.prompts.size(), 1);
    EXPECT_TRUE(boxes.prompts[0].contains("ricostruito")) << boxes.prompts[0].toStdString();
    EXPECT_TRUE(boxes.prompts[0].contains("Abc, Xyz"));
    EXPECT_TRUE(boxes.prompts[0].contains(QDir::toNativeSeparators(slotFile())))
        << "the file as the file manager shows it: " << boxes.prompts[0].toStdString();
    EXPECT_EQ(readBytes(slotFile()),
              slotRow("Abc", 45, 2, 1941) + slotRow("Xyz", 0, 0, 0) + kFreeRow.repeated(2));
    EXPECT_EQ(f.slotName(2).caption(), "Xyz");
    EXPECT_EQ(f.Label21.caption(), "3");

    // More than four campaigns: the player is told, and nothing is written.
    QFile::remove(slotFile());
    for (const char* name : {"Def", "Ghi", "Jkl"})
        writeBytes(folder.file(QString("Data/giochi/BaseSetUp%1.txt").arg(name)), "");
    testsupport::Errors errors;
    f.MnFileApri.doClick();
    ASSERT_EQ(errors.messages.size(), 1);
    EXPECT_TRUE(errors.messages[0].contains("5 giochi")) << errors.messages[0].toStdString();
    EXPECT_FALSE(QFile::exists(slotFile()));
    EXPECT_FALSE(f.MnSetup.enabled());
}

TEST_F(StartWindow, ASlotFileOfMoreThanFourNamesIsRefusedAndNeverRewritten) {
    const QByteArray six =
        slotRow("Abc", 30, 2, 1941).repeated(4) + slotRow("Def", 30, 2, 1941) + slotRow("Ghi", 30, 2, 1941);
    writeSlots(six);
    testsupport::Errors errors;
    FrmGame& f = openSlots();
    ASSERT_EQ(errors.messages.size(), 2) << "at loading and at the menu";
    EXPECT_TRUE(errors.messages[1].contains(QString::fromUtf8("più di quattro giochi")));
    f.Label1.doClick();
    EXPECT_FALSE(f.Label20.enabled()) << "no deletion can drop names 5 and 6";
    EXPECT_FALSE(f.MnSetup.enabled());
    EXPECT_EQ(readBytes(slotFile()), six);
}

TEST_F(StartWindow, ChiudiOrTheCloseBoxEndsTheProgram) {
    form<FrmGame>().MnFileChiudi.doClick();
    EXPECT_FALSE(isLoaded<FrmGame>());
    EXPECT_TRUE(programEnded());

    platform::testing::resetForms();
    FrmGame& f = form<FrmGame>();
    f.show();
    f.window()->close();
    EXPECT_FALSE(isLoaded<FrmGame>());
    EXPECT_TRUE(programEnded());
}
