// Torvsetup's window laid out by a table, against the record kept in fixtures/FrmSetUpTorv.txt
// (see tests/game/WindowControlsTest.cpp).
#include "setup/FrmSetUpTorv.h"

#include "tests/support/ControlRecord.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

TEST(WindowControls, TheWindowBuildsItsControlsAsRecorded) {
    testsupport::ProgramFolder folder;
    auto f = std::make_shared<FrmSetUpTorv>();
    EXPECT_EQ(testsupport::differenceFromRecord(*f, QStringLiteral("setup/fixtures/FrmSetUpTorv.txt")), "");
}
