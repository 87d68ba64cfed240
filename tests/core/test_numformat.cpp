#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

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

// Fixed decimals against the standard library's printf-exact conversion: values of every
// magnitude the files meet and beyond, exact ties (odd multiples of 2^-(d+1) sit exactly
// halfway at d decimals), tiny negatives and subnormals.
TEST(NumberFormat, FixedDecimalsMatchThePrintfRounding) {
  const auto expected = [](double v, int decimals) {
    char buf[400];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals).ptr);
  };
  const auto pattern = [](int decimals) { return decimals == 0 ? std::string("0") : "0." + std::string(decimals, '0'); };
  std::mt19937_64 random(20261207);
  std::uniform_real_distribution<double> unit(1.0, 2.0);
  std::uniform_int_distribution<int> power(-40, 60);
  for (int i = 0; i < 200000; ++i) {
    const int decimals = i % 11;
    double v = std::ldexp(unit(random), power(random));
    if (i % 3 == 0) v = -v;
    ASSERT_EQ(FormatNumber(v, pattern(decimals)), expected(v, decimals)) << v;
  }
  for (int decimals = 0; decimals <= 8; ++decimals)
    for (long odd = 1; odd < 4000; odd += 2) {
      const double tie = std::ldexp(static_cast<double>(odd), -(decimals + 1));
      ASSERT_EQ(FormatNumber(tie, pattern(decimals)), expected(tie, decimals)) << tie;
      ASSERT_EQ(FormatNumber(-tie, pattern(decimals)), expected(-tie, decimals)) << -tie;
    }
  for (double v : {5e-324, 2.2250738585072014e-308, 1e-7, -4e-7, 5e-7, 0.0000005, 9.9999995, 1e15, 9007199254740993.0,
                   1.8446744073709552e19, 1e300})
    for (int decimals : {0, 6, 10, 15})
      EXPECT_EQ(FormatNumber(v, pattern(decimals)), expected(v, decimals)) << v << " at " << decimals;
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
