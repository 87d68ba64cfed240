// A name engraved on a cut part: inside it, clear of its edges and openings, as large as
// fits. Sizes worked out from the boxes by hand.
#include <gtest/gtest.h>

#include "core/cutlabel.h"

namespace {

core::CutPiece Box(double length, double height) {
  core::CutPiece p;
  p.outer = {{0, 0}, {length, 0}, {length, height}, {0, height}};
  return p;
}

TEST(CutLabel, AsLargeAsFitsClearOfTheEdge) {
  // "R07" at 4 mm is 12 x 4, 13 x 5 with the clearance: a 100 x 10 strip takes it, centred
  // across.
  std::optional<core::CutLabel> label = core::LabelInside(Box(100, 10), "R07", 4);
  ASSERT_TRUE(label);
  EXPECT_DOUBLE_EQ(label->mark.heightMm, 4);
  EXPECT_DOUBLE_EQ(label->widthMm, 12);
  EXPECT_DOUBLE_EQ(label->centre.y, 5);
  EXPECT_DOUBLE_EQ(label->mark.baseline.y, 3);
  EXPECT_DOUBLE_EQ(label->mark.baseline.x, label->centre.x - 6);
  EXPECT_EQ(label->mark.text, "R07");
  // 3 mm high: the heights tried are 4, 3 1/3, 2 2/3, 2 and 1 1/3; with half a millimetre
  // kept above and below, 2 only touches the edges, so 1 1/3 it is.
  label = core::LabelInside(Box(100, 3), "R07", 4);
  ASSERT_TRUE(label);
  EXPECT_NEAR(label->mark.heightMm, 4.0 / 3, 1e-12);
  // Too short for even the smallest: none.
  EXPECT_FALSE(core::LabelInside(Box(4, 10), "R07", 4));
  EXPECT_FALSE(core::LabelInside(Box(100, 10), "", 4));
}

TEST(CutLabel, KeepsOffOpeningsAndCircles) {
  // A 60 x 12 part whose thickest place does not matter (a box): the middle taken by a hole
  // and a circle, the label goes beside them, clear by the half millimetre.
  core::CutPiece p = Box(60, 12);
  p.holes.push_back({{20, 2}, {20, 10}, {30, 10}, {30, 2}});
  p.circles.push_back({{40, 6}, 4});
  std::optional<core::CutLabel> label = core::LabelInside(p, "R1", 4);
  ASSERT_TRUE(label);
  const double half = label->widthMm / 2 + 0.5;
  const double left = label->centre.x - half, right = label->centre.x + half;
  EXPECT_TRUE(right <= 20 || (left >= 30 && right <= 36) || left >= 44) << left << " " << right;
  EXPECT_GE(left, 0);
  EXPECT_LE(right, 60);
}

}  // namespace
