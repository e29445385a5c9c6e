// Torvcard's windows laid out by a table, against the records kept in fixtures/<window>.txt (see
// tests/game/WindowControlsTest.cpp).
#include "cards/Form1_Main.h"
#include "cards/Form_Aerei.h"
#include "cards/Form_BP.h"

#include "tests/support/ControlRecord.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

template <class F> std::string differenceOf() {
    testsupport::ProgramFolder folder;
    auto f = std::make_shared<F>();
    return testsupport::differenceFromRecord(*f, QStringLiteral("cards/fixtures/%1.txt").arg(f->name()));
}

} // namespace

TEST(WindowControls, EveryTabledWindowBuildsItsControlsAsRecorded) {
    EXPECT_EQ(differenceOf<Form1_Main>(), "");
    EXPECT_EQ(differenceOf<Form_Aerei>(), "");
    EXPECT_EQ(differenceOf<Form_BP>(), "");
}
