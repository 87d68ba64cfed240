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
}

}  // namespace
