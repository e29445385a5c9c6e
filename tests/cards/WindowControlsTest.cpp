// Torvcard's windows laid out by a table, against the records kept in fixtures/<window>.txt (see
// tests/game/WindowControlsTest.cpp).
#include "cards/Form1_Main.h"
#include "cards/Form_Aerei.h"
#include "cards/Form_BP.h"

#include "tests/support/ControlRecord.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

TEST(WindowControls, EveryTabledWindowBuildsItsControlsAsRecorded) {
    const QString fixtures = QStringLiteral("cards/fixtures");
    EXPECT_EQ(testsupport::differenceOfWindow<Form1_Main>(fixtures), "");
    EXPECT_EQ(testsupport::differenceOfWindow<Form_Aerei>(fixtures), "");
    EXPECT_EQ(testsupport::differenceOfWindow<Form_BP>(fixtures), "");
}
