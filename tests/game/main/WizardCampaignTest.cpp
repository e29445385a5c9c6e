// A campaign made by the new-campaign wizard opens in the main window from "APRI GIOCO".
#include "common/Dice.h"
#include "common/Globals.h"
#include "game/main/FrmMain.h"
#include "game/start/FrmBasi.h"
#include "game/start/FrmGame.h"
#include "game/start/FrmMezziGratis.h"
#include "game/start/FrmSetUpGen.h"
#include "platform/Dialogs.h"
#include "tests/game/start/WizardFixtures.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {
class WizardCampaign : public ::testing::Test {
  protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override {
        platform::testing::setModalHandler(nullptr);
        platform::testing::resetForms();
        resetGlobals();
    }
};
} // namespace

TEST_F(WizardCampaign, OpensInTheMainWindow) {
    testsupport::ProgramFolder folder;
    wizardtest::removeShippedArchives(folder); // nothing to place: every phase can be ended
    testsupport::MessageBoxes boxes;           // no archives: the wizard says so and goes on
    testsupport::Errors errors;
    FrmGame& start = form<FrmGame>();
    platform::testing::setModalHandler([](Form& f) {
        auto& w = static_cast<FrmSetUpGen&>(f);
        w.Text1.doDblClick();
        w.Text1.doType("Malta");
        w.Combo1.doPick(0);
        w.Command3.doClick();
    });
    start.MnSetupGenerale.doClick();
    platform::testing::setModalHandler(nullptr);
    {
        ChosenDice dice(QList<int>(13, 1));
        form<FrmBasi>().Command2.doClick();
    }
    FrmMezziGratis& m = form<FrmMezziGratis>();
    for (QList<CommandButton*> phase : {QList<CommandButton*>{&m.Command2}, {&m.Command3}}) {
        phase[0]->doClick();
        m.Command1.doClick();
        m.Label14.doClick();
    }
    for (CommandButton* phase : {&m.Command4, &m.Command5}) {
        phase->doClick();
        m.Command1.doClick();
        m.Command9.doClick();
    }
    ASSERT_FALSE(isLoaded<FrmMezziGratis>());

    FrmGame& again = form<FrmGame>();
    again.MnFileApri.doClick();
    again.slotName(1).doClick();
    again.Label19.doClick();
    ASSERT_TRUE(isLoaded<FrmMain>()) << errors.messages.join("\n").toStdString();
    FrmMain& f = form<FrmMain>();
    EXPECT_TRUE(errors.messages.isEmpty()) << errors.messages.join("\n").toStdString();
    EXPECT_FALSE(isLoaded<FrmGame>());
    EXPECT_EQ(f.caption(), "Zeltwar WW2 Gioco :  Malta");
    EXPECT_EQ(f.PicBitMap.image().size(), QSize(2034, 924));
    for (int b = 1; b <= 13; ++b)
        EXPECT_EQ(f.PicBitMap.point(G().BaseMapXY[b][1], G().BaseMapXY[b][2] + 100),
                  b <= 11 ? vbRed : vbYellow)
            << "the square of base " << b;
    EXPECT_EQ(f.Label30.caption(), "0");
    EXPECT_EQ(f.Label31.caption(), "1/14") << "the first day of a 15-day campaign";
    EXPECT_TRUE(f.Image1.hasPicture() && f.Image25.hasPicture() && f.Image26.hasPicture());
}
