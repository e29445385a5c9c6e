// The start window and the new-campaign wizard read whole at the default font, and a keyboard
// player goes through each with Tab and Shift+Tab.
#include "WizardFixtures.h"
#include "common/Dice.h"
#include "common/Globals.h"
#include "game/start/FrmBasi.h"
#include "game/start/FrmGame.h"
#include "game/start/FrmMezziGratis.h"
#include "game/start/FrmSetUpGen.h"
#include "tests/support/LayoutCheck.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace wizardtest;

TEST(WizardLayout, EveryWindowShowsWhole) {
    testsupport::ProgramFolder folder;
    resetGlobals();
    FrmGame& start = form<FrmGame>();
    start.MnFileApri.doClick();
    EXPECT_EQ(testsupport::layoutFaults(start), "");
    EXPECT_EQ(testsupport::tabFaults(start), "");
    platform::testing::setModalHandler([&](Form& f) {
        auto& w = static_cast<FrmSetUpGen&>(f);
        EXPECT_EQ(testsupport::layoutFaults(w), "");
        w.Text1.doDblClick();
        w.Text1.doType("Provax\b");
        EXPECT_EQ(w.Text1.text(), "Prova") << "Backspace takes a letter back";
        EXPECT_EQ(testsupport::tabFaults(w), "");
        w.Text1.doDblClick();
        w.Text1.doType("Prova");
        w.Command3.doClick();
    });
    start.MnSetupGenerale.doClick();
    platform::testing::setModalHandler(nullptr);
    FrmBasi& b = form<FrmBasi>();
    EXPECT_EQ(testsupport::layoutFaults(b), "");
    EXPECT_EQ(testsupport::tabFaults(b), "");
    {
        ChosenDice dice({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 100, 260});
        b.Command2.doClick();
    }
    FrmMezziGratis& m = form<FrmMezziGratis>();
    for (CommandButton* phase : {&m.Command2, &m.Command3}) {
        phase->doClick();
        m.Command1.doClick();
        m.Combo1.doPick(0);
        m.List1.doPick(0);
        EXPECT_EQ(testsupport::layoutFaults(m), "") << phase->caption().toStdString();
        m.Label14.doClick();
    }
    m.Command4.doClick();
    m.Command1.doClick();
    m.Combo2.doPick(0);
    m.List3.doPick(0);
    EXPECT_EQ(testsupport::layoutFaults(m), "") << "aircraft";
    EXPECT_EQ(testsupport::tabFaults(m), "");
    platform::testing::resetForms();
}
