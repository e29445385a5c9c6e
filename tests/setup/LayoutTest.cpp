// The set-up window reads whole at the default font with every shipped card opened on each side,
// and its printed lists of the shipped archives read whole on their pages.
#include "setup/FrmSetUpTorv.h"
#include "setup/SetupGlobals.h"
#include "setup/SideArchive.h"
#include "tests/support/LayoutCheck.h"
#include "tests/support/PageCheck.h"
#include "tests/support/TestSupport.h"

#include "platform/Dialogs.h"
#include "platform/Printing.h"

#include <QDirIterator>
#include <gtest/gtest.h>

using namespace platform;

TEST(SetUpWindowLayout, EveryShippedCardShowsWhole) {
    resetSetupGlobals();
    testsupport::ProgramFolder folder;
    testsupport::MessageBoxes boxes;
    QString chosen;
    FileDialog::setTestHandler([&](const FileDialog&, bool) { return chosen; });
    FrmSetUpTorv& w = form<FrmSetUpTorv>();
    EXPECT_EQ(testsupport::layoutAndTitleFaults(w), "");
    EXPECT_EQ(testsupport::tabFaults(w), "");
    for (OptionButton* side : {&w.Option1, &w.Option2}) {
        side->doClick();
        for (auto [kind, pattern] : {std::pair{&w.Option3, "*.sns"}, std::pair{&w.Option4, "*.SNK"}}) {
            w.Command3.doClick();
            kind->doClick();
            QDirIterator it(folder.path(), {pattern}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                chosen = it.next();
                (kind == &w.Option3 ? w.Command1 : w.Command2).doClick();
                w.List3.doPick(0);
                EXPECT_EQ(testsupport::layoutAndTitleFaults(w), "") << chosen.toStdString();
            }
        }
    }
    FileDialog::setTestHandler(nullptr);
    platform::testing::resetForms();
}

// The notice of an archive cut short, at its longest (a full archive, a record short of one byte).
TEST(SetUpWindowLayout, TheNoticeOfAnArchiveCutShortShowsWhole) {
    resetSetupGlobals();
    FrmSetUpTorv& w = form<FrmSetUpTorv>();
    w.Label23.setCaption(sidearchive::archiveCutNotice({sidearchive::kMaxRecords, 178}));
    EXPECT_EQ(testsupport::layoutAndTitleFaults(w), "");
    platform::testing::resetForms();
}

TEST(SetUpPrintedLists, EveryShippedArchiveListReadsWhole) {
    resetSetupGlobals();
    testsupport::ProgramFolder folder;
    testsupport::MessageBoxes boxes;
    testsupport::PrintedPages pages;
    Printer::forcePdf(true);
    Printer::setPdfFolder(folder.path() + "/Stampe");
    // A cancelled card dialog still lists the side's archive, which the list then prints.
    FileDialog::setTestHandler([](const FileDialog&, bool) { return QString(); });
    FrmSetUpTorv& w = form<FrmSetUpTorv>();
    for (OptionButton* side : {&w.Option1, &w.Option2})
        for (auto [kind, open] : {std::pair{&w.Option3, &w.Command1}, std::pair{&w.Option4, &w.Command2}}) {
            side->doClick();
            w.Command3.doClick();
            kind->doClick();
            open->doClick();
            w.Command7.doClick();
        }
    EXPECT_EQ(pages.jobs, 4);
    EXPECT_EQ(pages.faults(), "");
    FileDialog::setTestHandler(nullptr);
    Printer::forcePdf(false);
    Printer::setPdfFolder(QString());
    platform::testing::resetForms();
}
