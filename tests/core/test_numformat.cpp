#include <gtest/gtest.h>

#include "core/numformat.h"

using core::FormatNumber;

// Every pattern the program writes, with the cases where the rules differ from printf.
TEST(NumberFormat, OptionalIntegerAndDecimalsFollowThePattern) {
  EXPECT_EQ(FormatNumber(202, "# ###.###"), "202.");
  EXPECT_EQ(FormatNumber(0.5, "# ###.###"), ".5");
  EXPECT_EQ(FormatNumber(1234567.125, "# ###.###"), "1 234 567.125");
  EXPECT_EQ(FormatNumber(0.0004, "# ###.###"), ".");
  EXPECT_EQ(FormatNumber(0.25, "# ###.00"), ".25");
  EXPECT_EQ(FormatNumber(0.25, "# ###0.00"), "0.25");
  EXPECT_EQ(FormatNumber(1200.256, "# ####.##"), "1 200.26");
  EXPECT_EQ(FormatNumber(1999.5, "# ###0"), "2 000");
  EXPECT_EQ(FormatNumber(1234567, "# ### ###"), "1 234 567");
  // Required integer digits are padded with zeros before the thousands are set apart.
  EXPECT_EQ(FormatNumber(5.5, "000.0"), "005.5");
  EXPECT_EQ(FormatNumber(7, "0 000"), "0 007");
  // DXF reals: at least one decimal, at most six.
  EXPECT_EQ(FormatNumber(0, "##0.0#####"), "0.0");
  EXPECT_EQ(FormatNumber(-10, "##0.0#####"), "-10.0");
  EXPECT_EQ(FormatNumber(0.0625, "##0.0#####"), "0.0625");
  EXPECT_EQ(FormatNumber(7.874015748, "##0.0#####"), "7.874016");
}

// 0.125 is exact: the tie goes to even; 2.675 is really 2.67499999...; a negative keeps its sign at zero.
TEST(NumberFormat, RoundsTheExactBinaryValueHalvesToEvenAndKeepsTheSign) {
  EXPECT_EQ(FormatNumber(0.125, "0.00"), "0.12");
  EXPECT_EQ(FormatNumber(0.375, "0.00"), "0.38");
  EXPECT_EQ(FormatNumber(2.675, "0.00"), "2.67");
  EXPECT_EQ(FormatNumber(-0.0126, "0.0000000"), "-0.0126000");
  EXPECT_EQ(FormatNumber(0.5, "0.00000000"), "0.50000000");
  EXPECT_EQ(FormatNumber(-0.0001, "0.000"), "-0.000");
  EXPECT_EQ(FormatNumber(-0.4, "# ###0"), "-0");
  EXPECT_EQ(core::RoundHalfEven(330.5), 330);
  EXPECT_EQ(core::RoundHalfEven(331.5), 332);
  EXPECT_EQ(core::RoundHalfEven(-2.5), -2);
}

TEST(NumberFormat, IntegerAndScreenTexts) {
  EXPECT_EQ(core::IntegerText(0), " 0");
  EXPECT_EQ(core::IntegerText(-3), "-3");
  EXPECT_EQ(core::ScreenNumberText(".5"), "0.5");
  EXPECT_EQ(core::ScreenNumberText("202."), "202");
  EXPECT_EQ(core::ScreenNumberText("-.5"), "-0.5");
}

TEST(NumberParse, ReadsTheLongestNumericPrefix) {
  EXPECT_DOUBLE_EQ(core::LeadingNumber("0,5"), 0.0);
  EXPECT_DOUBLE_EQ(core::LeadingNumber("  1.25xyz"), 1.25);
  EXPECT_DOUBLE_EQ(core::LeadingNumber("\t-0.0126\n"), -0.0126);
  EXPECT_DOUBLE_EQ(core::LeadingNumber("1 2"), 12.0);
  EXPECT_DOUBLE_EQ(core::LeadingNumber("1.5E-3"), 0.0015);
  EXPECT_DOUBLE_EQ(core::LeadingNumber("abc"), 0.0);
  EXPECT_DOUBLE_EQ(core::LeadingNumber(".5"), 0.5);
  EXPECT_DOUBLE_EQ(core::LeadingNumber("1e999"), 0.0);
}
