// Torvsetup's window laid out by a table, against the record kept in fixtures/FrmSetUpTorv.txt
// (see tests/game/WindowControlsTest.cpp).
#include "setup/FrmSetUpTorv.h"

#include "tests/support/ControlRecord.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

TEST(WindowControls, TheWindowBuildsItsControlsAsRecorded) {
    EXPECT_EQ(testsupport::differenceOfWindow<FrmSetUpTorv>(QStringLiteral("setup/fixtures")), "");
}
