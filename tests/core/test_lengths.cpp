#include <gtest/gtest.h>

#include "core/lengths.h"

using core::LengthFromText;
using core::LengthToText;

TEST(Lengths, InchTextsAndFractionsRoundTrip) {
  EXPECT_FLOAT_EQ(LengthFromText("1.5", " mm"), 1.5f);
  EXPECT_EQ(LengthToText(34.925f, " mm"), "34.925");
  EXPECT_FLOAT_EQ(LengthFromText("2", " in"), 50.8f);
  EXPECT_FLOAT_EQ(LengthFromText("1.1/2", " in"), 38.1f);
  EXPECT_FLOAT_EQ(LengthFromText("1.3/8", " in"), 34.925f);
  EXPECT_FLOAT_EQ(LengthFromText("0.3/8", " in"), 9.525f);
  EXPECT_FLOAT_EQ(LengthFromText("1/16", " in"), 1.5875f);
  EXPECT_FLOAT_EQ(LengthFromText("8.", " in"), 203.2f);
  EXPECT_FLOAT_EQ(LengthFromText(".5", " in"), 12.7f);
  EXPECT_EQ(LengthToText(38.1f, " in"), "1.1/2");
  EXPECT_EQ(LengthToText(LengthFromText("1.3/8", " in"), " in"), "1.3/8");
  EXPECT_EQ(LengthToText(LengthFromText("0.1/64", " in"), " in"), "0.1/64");
  EXPECT_EQ(LengthToText(203.2f, " in"), "8");
  EXPECT_EQ(LengthToText(0.0f, " in"), "0");
  // Not a power-of-two fraction: the decimal pattern, up to three places.
  EXPECT_EQ(LengthToText(10.0f, " in"), "0.394");
  EXPECT_EQ(LengthToText(25400.0f, " in"), "1 000");
}

// The core tells no one: the reading says the text was malformed, the caller shows it.
TEST(Lengths, MalformedInchTextIsFlaggedAndReadsAsZero) {
  for (const char* text : {"1./2", "/2", "1/0"}) {
    const core::LengthReading r = core::ReadLength(text, " in");
    EXPECT_FLOAT_EQ(r.mm, 0.0f) << text;
    EXPECT_TRUE(r.malformed) << text;
  }
  EXPECT_FALSE(core::ReadLength("1.1/2", " in").malformed);
  // In millimetres the same texts are just numbers.
  EXPECT_FLOAT_EQ(LengthFromText("1./2", " mm"), 1.0f);
  EXPECT_FALSE(core::ReadLength("1./2", " mm").malformed);
  // Beyond a float's range (about 3.4e38) a typed length reads as 0, never as infinity.
  EXPECT_FLOAT_EQ(core::ReadLength("1e39", " mm").mm, 0.0f);
  EXPECT_FLOAT_EQ(core::ReadLength("2e37", " in").mm, 0.0f);  // a float, but 5.08e38 mm is not
}

TEST(Lengths, PercentagesAndStations) {
  EXPECT_FLOAT_EQ(core::PercentLength("25%", 200, " mm"), 50.0f);
  EXPECT_FLOAT_EQ(core::PercentLengthFromTE("25%", 200, " mm"), 150.0f);
  EXPECT_FLOAT_EQ(core::PercentLength("30", 200, " mm"), 30.0f);
  EXPECT_FLOAT_EQ(core::PercentLength("1.1/2", 200, " in"), 38.1f);
  EXPECT_DOUBLE_EQ(core::StationFromLE(0, 200), 400.0);
  EXPECT_DOUBLE_EQ(core::StationFromTE(50, 200), 100.0);
  EXPECT_EQ(core::NearestStation(100.5), 100);
  EXPECT_EQ(core::NearestStation(101.5), 102);
  EXPECT_EQ(core::NearestStation(-3), 0);
  EXPECT_EQ(core::NearestStation(812), 400);
}
