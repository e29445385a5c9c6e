// The acquisition menus of the main window open the side's ship, aircraft and points windows; the
// points window keeps its transfers when closed by its close box.
#include "PointsCampaign.h"
#include "game/main/FrmMain.h"
#include "game/points/FrmMezziAerei.h"
#include "game/points/FrmMezziNavi.h"
#include "game/points/FrmPunti.h"

using namespace platform;

using AcquisitionMenus = PointsCampaign;

TEST_F(AcquisitionMenus, OpenTheSidesWindowsAndThePointsWindowSavesOnItsCloseBox) {
    G().setState(StateItem::RandomListAlle, 1);
    SalvaDatiBasi();
    testcampaign::choose();
    ASSERT_TRUE(apriGioco()) << errors.messages.join("\n").toStdString();
    FrmMain& f = form<FrmMain>();
    f.Command17_Click();
    f.Command5_Click();
    G().GameSettings[4] = 300;
    f.MnAcqGibilterra.setEnabled(true);
    f.Frame7.setVisible(true);

    QStringList seen;
    platform::testing::setModalHandler([&](Form& w) {
        seen << w.caption();
        if (auto* ships = dynamic_cast<FrmMezziNavi*>(&w))
            seen << (ships->Command2.enabled() ? "random list on" : "random list off");
        if (auto* transfers = dynamic_cast<FrmPunti*>(&w)) {
            seen << (transfers->Frame1.visible() && !transfers->Frame2.visible() ? "Allied frame"
                                                                                 : "wrong frame");
            transfers->Label1.doClick();
        }
        unloadForm(w, vbFormControlMenu);
    });
    f.MnAcqGibilterraNavi.doClick();
    f.MnAcqGibilterraAerei.doClick();
    f.MnAcqTrPuntiAlle.doClick();
    EXPECT_EQ(seen, (QStringList{"ACQUISIZIONE NAVI ALLEATI", "random list off", "ACQUISIZIONE AEREI ALLEATI",
                                 "Gestione Punti Alleati", "Allied frame"}));
    EXPECT_FALSE(f.Frame7.visible());
    EXPECT_EQ(savedState(StateItem::AcquisitionUsedAlle), "90");
    EXPECT_EQ(savedState(StateItem::CommandGainedAlle), "60");
    EXPECT_FALSE(f.MnAcqGibilterra.enabled()) << "the side's command menu comes back from the menu bar";
}
