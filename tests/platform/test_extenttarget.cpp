// How far a drawing reaches, texts measured by the target they are meant for.
#include <gtest/gtest.h>

#include "platform/pageoutput.h"
#include "platform/recordingtarget.h"

namespace {

TEST(ExtentTarget, ReachesTheFarCornerOfTextsAndCircles) {
  platform::RecordingTarget sheet;  // 10 points: a line 3.5278 mm high, a character 1.7639 mm wide
  platform::ExtentTarget extent(sheet);
  extent.Line(10, 10, 12, 14, {});
  extent.Print("ABC", 20, 18, {"Arial", 10}, 0);
  extent.Circle(6, 12, 1, {});
  EXPECT_FALSE(extent.empty);
  EXPECT_EQ(extent.left, 5);
  EXPECT_EQ(extent.top, 10);
  EXPECT_NEAR(extent.right, 20 + 3 * 1.7639, 1e-4);
  EXPECT_NEAR(extent.bottom, 18 + 3.5278, 1e-4);
  // Arial's ascent and capitals, 0.905 and 0.716 of the 3.5278 mm em, from a target without a font.
  EXPECT_NEAR(extent.TextAscent({"Arial", 10}), 3.1927, 1e-4);
  EXPECT_NEAR(extent.CapitalHeight({"Arial", 10}), 2.5259, 1e-4);
}

}  // namespace
