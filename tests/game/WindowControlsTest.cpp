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

namespace {

template <class F> std::string differenceOf() {
    testsupport::ProgramFolder folder;
    resetGlobals();
    auto f = std::make_shared<F>();
    return testsupport::differenceFromRecord(*f, QStringLiteral("game/fixtures/%1.txt").arg(f->name()));
}

} // namespace

TEST(WindowControls, EveryTabledWindowBuildsItsControlsAsRecorded) {
    EXPECT_EQ(differenceOf<FrmMain>(), "");
    EXPECT_EQ(differenceOf<FrmMezziGratis>(), "");
    EXPECT_EQ(differenceOf<FrmSetUpGen>(), "");
    EXPECT_EQ(differenceOf<FrmAuto>(), "");
    EXPECT_EQ(differenceOf<FrmBombNav>(), "");
    EXPECT_EQ(differenceOf<FrmMezziAerei>(), "");
}
