// The mine-laying window opened from the main window at one o'clock: mines bought for a field go
// to the side's row of the mine file and cost one acquisition point each; fewer than 1000 points
// buy nothing.
#include "game/orders/FrmMine.h"

#include "common/CampaignSetup.h"
#include "tests/game/main/MainWindowFixture.h"
#include "tests/support/LayoutCheck.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

class MineLaying : public MainWindowFixture {
  protected:
    void TearDown() override {
        platform::testing::setModalHandler(nullptr);
        MainWindowFixture::TearDown();
    }
    // The main window at one o'clock with `side` in play and `points` acquisition points unused.
    FrmMain& openAtOne(int side, int points) {
        FrmMain& f = open({.hour = 1});
        G().CurrentSide = Int16(side);
        G().GameSettings[side == kAllies ? 4 : 5] = points;
        return f;
    }
    // Double-clicks the message line and drives the window while it is shown.
    void layMines(FrmMain& f, const std::function<void(FrmMine&)>& drive) {
        bool shown = false;
        platform::testing::setModalHandler([&](Form& w) {
            shown = true;
            drive(static_cast<FrmMine&>(w));
            unloadForm(w);
        });
        f.Label17.doDblClick();
        EXPECT_TRUE(shown);
    }
};

} // namespace

TEST_F(MineLaying, MinesBoughtGoToTheMineFileAndCostAPointEach) {
    G().MineFields[3][kAllies] = 580;
    G().MineFields[3][kAxis] = 77;
    G().MineFields[3][5] = 4;
    FrmMain& f = openAtOne(kAllies, 5000);
    layMines(f, [](FrmMine& w) {
        ASSERT_EQ(w.List1.listCount(), 24);
        EXPECT_EQ(w.List1.list(2), "MF: 3  Unità: 580") << "the side's own row only";
        EXPECT_EQ(w.Label1[0].caption(), "5000");
        EXPECT_FALSE(w.Command1.enabled());
        EXPECT_FALSE(w.Command2.enabled());

        w.List1.doPick(2);
        EXPECT_EQ(w.Label1[1].caption(), "MF: 3");
        EXPECT_EQ(w.Label1[3].caption(), "580");
        EXPECT_EQ(w.Label1[4].caption(), "4");
        EXPECT_EQ(w.Command2.caption(), " 20");
        EXPECT_EQ(testsupport::layoutFaults(w), "");
        EXPECT_EQ(testsupport::tabFaults(w), "");
        w.Command1.doClick(); // "&50" tops the field up to 600
        EXPECT_EQ(w.Label1[2].caption(), "20");
        EXPECT_EQ(w.Label1[3].caption(), "600");
        EXPECT_EQ(w.Label1[0].caption(), "4980");
        EXPECT_EQ(w.List1.list(2), "MF: 3  Unità: 600");
        EXPECT_FALSE(w.Command1.enabled()) << "a full field";
        EXPECT_FALSE(w.Command2.enabled());

        w.List1.doPick(0);
        w.Command1.doClick();
        EXPECT_EQ(w.Label1[0].caption(), "4930") << "fifty mines, fifty points";
        EXPECT_EQ(w.Command2.caption(), " 550");
        w.Command2.doClick(); // "&600" fills it
        EXPECT_EQ(w.Label1[2].caption(), "600");
        EXPECT_EQ(w.Label1[0].caption(), "4380");
        EXPECT_FALSE(w.Command1.enabled());
        EXPECT_FALSE(w.Command2.enabled());
    });

    // What the files hold.
    G().MineFields[1][kAllies] = G().MineFields[3][kAllies] = 0;
    CaricaMine();
    EXPECT_EQ(G().MineFields[3][kAllies], 600);
    EXPECT_EQ(G().MineFields[1][kAllies], 600);
    EXPECT_EQ(G().MineFields[3][kAxis], 77);
    G().setState(StateItem::AcquisitionUsedAlle, 0);
    CaricaDatiBasi();
    EXPECT_EQ(G().state(StateItem::AcquisitionUsedAlle), 620);
    EXPECT_EQ(G().state(StateItem::AcquisitionUsedAsse), 0);
}

TEST_F(MineLaying, FewerThanAThousandPointsBuyNothing) {
    FrmMain& f = openAtOne(kAxis, 999);
    layMines(f, [](FrmMine& w) {
        w.List1.doPick(4);
        EXPECT_FALSE(w.Command1.enabled());
        EXPECT_FALSE(w.Command2.enabled());
        EXPECT_EQ(w.Command2.caption(), "600");
        w.Command2_Click();
        EXPECT_EQ(w.List1.list(4), "MF: 5  Unità: 0");
    });
    EXPECT_EQ(G().MineFields[5][kAxis], 0);

    G().GameSettings[5] = 1000;
    layMines(f, [](FrmMine& w) {
        w.List1.doPick(4);
        w.Command2.doClick();
        EXPECT_EQ(w.List1.list(4), "MF: 5  Unità: 600") << "exactly 1000 points buy";
        EXPECT_EQ(w.Label1[0].caption(), "400");
    });
    EXPECT_EQ(G().MineFields[5][kAxis], 600);
    EXPECT_EQ(G().MineFields[5][kAllies], 0);
}
