// The game's windows laid out by a table: each control's place and size in twips, caption,
// tool-tip, state at load, wired events and look as the layout builds them at the design size,
// against the record kept in fixtures/<window>.txt. A change of a layout that is meant is
// recorded again (tests/support/ControlRecord.h); any other is caught here.
#include "game/combat/FrmAuto.h"
#include "game/combat/FrmBombNav.h"
#include "game/main/FrmMain.h"
#include "game/points/FrmMezziAerei.h"
#include "game/start/FrmMezziGratis.h"
#include "game/start/FrmSetUpGen.h"

#include "common/Globals.h"
#include "tests/support/ControlRecord.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

TEST(WindowControls, EveryTabledWindowBuildsItsControlsAsRecorded) {
    resetGlobals();
    const QString fixtures = QStringLiteral("game/fixtures");
    EXPECT_EQ(testsupport::differenceOfWindow<FrmMain>(fixtures), "");
    EXPECT_EQ(testsupport::differenceOfWindow<FrmMezziGratis>(fixtures), "");
    EXPECT_EQ(testsupport::differenceOfWindow<FrmSetUpGen>(fixtures), "");
    EXPECT_EQ(testsupport::differenceOfWindow<FrmAuto>(fixtures), "");
    EXPECT_EQ(testsupport::differenceOfWindow<FrmBombNav>(fixtures), "");
    EXPECT_EQ(testsupport::differenceOfWindow<FrmMezziAerei>(fixtures), "");
}
