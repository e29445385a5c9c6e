#include "common/Globals.h"
#include "game/main/FrmMain.h"
#include "platform/Files.h"
#include "tests/support/TestSupport.h"
#include <gtest/gtest.h>
#include <QWidget>
#include <QCoreApplication>
#include <QMainWindow>

TEST(ShotTmp, Grab) {
    testsupport::ProgramFolder pf;
    testsupport::Errors errs;
    resetGlobals();
    G().AppPath = pf.path();
    G().CampaignName = "Prova";
    G().GameState[2] = qgetenv("HOUR").isEmpty() ? "10" : QString(qgetenv("HOUR"));
    G().GameState[3] = "2";
    auto& f = platform::form<FrmMain>();
    f.window()->resize(1600, 950);
    f.show();
    f.setWindowState(0);
    f.window()->resize(1600, 950);
    QCoreApplication::processEvents();
    f.Command17_Click();
    f.Command5_Click();
    QCoreApplication::processEvents();
    f.grabImage().save("/tmp/main.png");
    printf("pic %d %d img %d frame6 %d %d vis %d client %d\n", f.PicBitMap.width(), f.PicBitMap.height(), f.PicBitMap.image().width(), f.Frame6.left(), f.Frame6.top(), f.Frame6.visible(), f.clientWidth());
    for (auto& m : errs.messages) printf("ERR %s\n", qPrintable(m));
    platform::testing::resetForms();
}
