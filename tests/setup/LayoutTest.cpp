// The set-up window reads whole at the default font with every shipped card opened on each side.
#include "setup/FrmSetUpTorv.h"
#include "setup/SetupGlobals.h"
#include "tests/support/LayoutCheck.h"
#include "tests/support/TestSupport.h"

#include "platform/Dialogs.h"

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
    EXPECT_EQ(testsupport::layoutFaults(w), "");
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
                EXPECT_EQ(testsupport::layoutFaults(w), "") << chosen.toStdString();
            }
        }
    }
    FileDialog::setTestHandler(nullptr);
    platform::testing::resetForms();
}
