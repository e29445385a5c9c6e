#include "platform/Numbers.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Numbers, IntPartGoesTowardMinusInfinity) {
    EXPECT_EQ(intPart(2.9), 2);
    EXPECT_EQ(intPart(-2.1), -3);
    EXPECT_EQ(intPart(-0.5), -1);
    EXPECT_EQ(intPart(7.0), 7);
}

TEST(Numbers, StoringRoundsHalvesToEven) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(1234.5), 1234);
    EXPECT_EQ(roundHalfEven(1235.5), 1236);
    EXPECT_EQ(roundHalfEven(2.51), 3);
}

TEST(Numbers, LeadingNumberOfAText) {
    EXPECT_EQ(leadingNumber("12 "), 12);
    EXPECT_EQ(leadingNumber("  -3"), -3);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("   "), 0);
    EXPECT_EQ(leadingNumber("XXX"), 0);
    EXPECT_EQ(leadingNumber("45kn"), 45);
    EXPECT_DOUBLE_EQ(leadingNumber("1.5e2x"), 150);
    EXPECT_DOUBLE_EQ(leadingNumber(".5"), 0.5);
    EXPECT_EQ(leadingNumber("-"), 0);
    EXPECT_EQ(textToWhole("2.5"), 2);
}

TEST(Numbers, TheTwoTextForms) {
    EXPECT_EQ(numberTextWithSign(100), " 100");
    EXPECT_EQ(numberTextWithSign(-4), "-4");
    EXPECT_EQ(numberTextWithSign(0), " 0");
    EXPECT_EQ(numberText(100), "100");
    EXPECT_EQ(numberText(0.5), ".5");
    EXPECT_EQ(numberTextWithSign(-0.25), "-.25");
}

TEST(Numbers, SixteenBitCellsRefuseWhatDoesNotFit) {
    Int16 cell = 32767;
    EXPECT_THROW(cell += 1, RangeError);
    EXPECT_EQ(cell, 32767) << "a refused value leaves the cell as it was";
    Int16 low = -32768;
    EXPECT_THROW(--low, RangeError);
    EXPECT_THROW(Int16(40000), RangeError);
    try {
        checked16(70000);
        FAIL();
    } catch (const RangeError& e) {
        EXPECT_TRUE(e.message().contains("70000"));
    }
    Int16 x = 100;
    x -= 150;
    EXPECT_EQ(x, -50);
    EXPECT_EQ(x++, -50);
    EXPECT_EQ(x, -49);
}
