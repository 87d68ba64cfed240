#include <gtest/gtest.h>

#include "core/lengths.h"
#include "core/typednumber.h"

using core::LengthFromText;
using core::LengthToText;

// What the program writes into project and settings files reads back as it was.
TEST(Lengths, InchTextsAndFractionsRoundTrip) {
  EXPECT_EQ(LengthToText(34.925f, " mm"), "34.925");
  EXPECT_FLOAT_EQ(LengthFromText("1.1/2", " in"), 38.1f);
  EXPECT_FLOAT_EQ(LengthFromText("0.3/8", " in"), 9.525f);
  EXPECT_FLOAT_EQ(LengthFromText("1/16", " in"), 1.5875f);
  EXPECT_EQ(LengthToText(38.1f, " in"), "1.1/2");
  EXPECT_EQ(LengthToText(-38.1f, " in"), "-1.1/2");
  EXPECT_FLOAT_EQ(LengthFromText("-1.1/2", " in"), -38.1f);
  EXPECT_EQ(LengthToText(LengthFromText("1.3/8", " in"), " in"), "1.3/8");
  EXPECT_EQ(LengthToText(LengthFromText("0.1/64", " in"), " in"), "0.1/64");
  EXPECT_EQ(LengthToText(203.2f, " in"), "8");
  EXPECT_EQ(LengthToText(0.0f, " in"), "0");
  // Not a power-of-two fraction: the decimal pattern, up to three places.
  EXPECT_EQ(LengthToText(10.0f, " in"), "0.394");
  EXPECT_EQ(LengthToText(25400.0f, " in"), "1 000");
  EXPECT_FLOAT_EQ(LengthFromText("1 000", " in"), 25400.0f);
}

// One reader for every box and batch option; each value worked out by hand. A malformed
// text reads as 0 and is flagged (the core tells no one: the caller shows it).
TEST(Lengths, TypedTextsReadAsMeant) {
  constexpr float kMalformed = -999;
  struct Case {
    const char* text;
    const char* unit;
    float mm;
  };
  const Case cases[] = {
      {"1,5", " mm", 1.5f},       {"1.5", " mm", 1.5f},          {"1,5", " in", 38.1f},
      {"7 1/2", " in", 190.5f},   {"7.1/2", " in", 190.5f},      {"7-1/2", " in", 190.5f},
      {"7,1/2", " in", 190.5f},   {"7   1/2", " in", 190.5f},    {"3/32", " in", 2.38125f},
      {"1,", " mm", 1},           {"8.", " in", 203.2f},         {",5", " mm", 0.5f},
      {".3/8", " in", 9.525f},    {"-1/2", " in", -12.7f},       {"1.3/8", " in", 34.925f},
      {" 2 ", " mm", 2},          {" 2 ", " in", 50.8f},         {"1 234,5", " mm", 1234.5f},
      {"1E-03", " mm", 0.001f},   {"", " mm", 0},                {"0", " in", 0},
      // Malformed: never some other number.
      {"1,2,3", " mm", kMalformed}, {"7 1/0", " in", kMalformed}, {"7 1/2", " mm", kMalformed},
      {"1 2", " mm", kMalformed},   {"7 1", " in", kMalformed},   {"1/", " in", kMalformed},
      {"/2", " in", kMalformed},    {"1./2", " in", kMalformed},  {"1.5.1/2", " in", kMalformed},
      {"1/2/3", " in", kMalformed}, {"7--1/2", " in", kMalformed}, {"- 1", " mm", kMalformed},
      {"--1", " mm", kMalformed},   {"1e", " mm", kMalformed},    {"abc", " mm", kMalformed},
      {",", " mm", kMalformed},     {"1a", " mm", kMalformed},
  };
  for (const Case& c : cases) {
    const core::LengthReading r = core::ReadLength(c.text, c.unit);
    EXPECT_EQ(r.malformed, c.mm == kMalformed) << "\"" << c.text << "\"" << c.unit;
    EXPECT_NEAR(r.mm, c.mm == kMalformed ? 0 : c.mm, 1e-4) << "\"" << c.text << "\"" << c.unit;
  }
  // Beyond a float's range (about 3.4e38) a typed length reads as 0, never as infinity.
  EXPECT_FLOAT_EQ(core::ReadLength("1e39", " mm").mm, 0.0f);
  EXPECT_FLOAT_EQ(core::ReadLength("2e37", " in").mm, 0.0f);  // a float, but 5.08e38 mm is not
  // Angles and percentages: the same decimals, no fractions.
  EXPECT_DOUBLE_EQ(core::NumberFromText("-2,5"), -2.5);
  EXPECT_TRUE(core::ReadNumber("1/2").malformed);
}

TEST(Lengths, PercentagesAndStations) {
  EXPECT_FLOAT_EQ(core::PercentLength("25%", 200, " mm"), 50.0f);
  EXPECT_FLOAT_EQ(core::PercentLengthFromTE("25%", 200, " mm"), 150.0f);
  EXPECT_FLOAT_EQ(core::PercentLength("30", 200, " mm"), 30.0f);
  EXPECT_FLOAT_EQ(core::PercentLength("1.1/2", 200, " in"), 38.1f);
  EXPECT_FLOAT_EQ(core::PercentLength("2,5%", 200, " mm"), 5.0f);
  EXPECT_FLOAT_EQ(core::PercentLength("25 %", 200, " in"), 50.0f);  // as French sets it
  for (const char* text : {"%", "2,5,1%", "1/2%"}) EXPECT_TRUE(core::ReadPosition(text, 200, " in").malformed) << text;
  EXPECT_DOUBLE_EQ(core::StationFromLE(0, 200), 400.0);
  EXPECT_DOUBLE_EQ(core::StationFromTE(50, 200), 100.0);
  EXPECT_EQ(core::NearestStation(100.5), 100);
  EXPECT_EQ(core::NearestStation(101.5), 102);
  EXPECT_EQ(core::NearestStation(-3), 0);
  EXPECT_EQ(core::NearestStation(812), 400);
}
