// How far a drawing reaches, texts measured by the target they are meant for.
#include <gtest/gtest.h>

#include "platform/pageoutput.h"
#include "platform/recordingtarget.h"

namespace {

TEST(ExtentTarget, ReachesTheFarCornerOfTextsAndCircles) {
  platform::RecordingTarget sheet;  // 10 points: 200 twips a line, 100 a character
  platform::ExtentTarget extent(sheet);
  extent.Line(500, 500, 600, 700, {});
  extent.Print("ABC", 1000, 900, {"Arial", 10}, 0);
  extent.Circle(300, 600, 50, {});
  EXPECT_FALSE(extent.empty);
  EXPECT_EQ(extent.left, 250);
  EXPECT_EQ(extent.top, 500);
  EXPECT_EQ(extent.right, 1000 + 3 * 100);
  EXPECT_EQ(extent.bottom, 900 + 200);
}

}  // namespace
