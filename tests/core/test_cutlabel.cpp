// Engraving on a cut part: a name inside it, clear of its edges, openings and engraved
// lines, as large as fits; the part's own marks cut back to it. Sizes worked out from the
// boxes by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/cutlabel.h"
#include "core/cutmarks.h"
#include "core/strokefont.h"

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

TEST(CutLabel, AboveAnOpeningAndOffTheEngravedLines) {
  // A 30 x 20 part with a window across its middle (y 7 to 13): "R1" at 4 mm (8 x 4, 9 x 5
  // with the clearance) goes above or below it, at full height.
  core::CutPiece p = Box(30, 20);
  p.holes.push_back({{5, 7}, {5, 13}, {25, 13}, {25, 7}});
  std::optional<core::CutLabel> label = core::LabelInside(p, "R1", 4);
  ASSERT_TRUE(label);
  EXPECT_DOUBLE_EQ(label->mark.heightMm, 4);
  EXPECT_TRUE(label->centre.y - 2.5 >= 13 || label->centre.y + 2.5 <= 7) << label->centre.y;
  // A 100 x 10 strip with a line along its middle: the name keeps to one side of it, which
  // leaves 5 mm, so at most 4 mm less the clearances: 3 1/3.
  const std::vector<core::CutMark> chord{{{{0, 5}, {100, 5}}, "", {}, 0}};
  label = core::LabelInside(Box(100, 10), "R07", 4, chord);
  ASSERT_TRUE(label);
  EXPECT_NEAR(label->mark.heightMm, 10.0 / 3, 1e-12);
  EXPECT_TRUE(label->centre.y - label->mark.heightMm / 2 - 0.5 > 5 || label->centre.y + label->mark.heightMm / 2 + 0.5 < 5);
  // Lines 2 mm apart leave no room even for the smallest (1 1/3 and the clearances): over
  // them, as large as the part takes, rather than none.
  std::vector<core::CutMark> lines;
  for (double y : {2, 4, 6, 8}) lines.push_back({{{0, y}, {100, y}}, "", {}, 0});
  label = core::LabelInside(Box(100, 10), "R07", 4, lines);
  ASSERT_TRUE(label);
  EXPECT_DOUBLE_EQ(label->mark.heightMm, 4);
  EXPECT_FALSE(core::LabelInside(Box(100, 10), "R07", 4, lines, true)) << "only clear of them: none";
}

TEST(CutMarks, LinesAreCutBackToThePartAndTextsKeptOnlyWhole) {
  // A 100 x 10 part, a window from x 40 to 50, a round hole of radius 2 at x 70, and a line
  // along its middle from beyond one end to beyond the other: three pieces, each ending
  // half a millimetre from the cuts (40 - 0.5, 50 + 0.5, 70 -/+ 2.5).
  core::CutPiece p = Box(100, 10);
  p.holes.push_back({{40, 2}, {40, 8}, {50, 8}, {50, 2}});
  p.circles.push_back({{70, 5}, 2});
  std::vector<core::CutMark> marks{{{{-10, 5}, {110, 5}}, "", {}, 0},
                                   {{}, "12", {2, 3}, 3, 0},       // 6 x 3 from (2, 3): whole
                                   {{}, "12", {36, 3}, 3, 0},      // to x 42: over the window
                                   {{}, "12", {20, 6}, 3, 180},    // turned: from (14, 3) to (20, 6)
                                   {{}, "12", {95, 3}, 3, 0}};     // past the end
  const std::vector<core::CutMark> kept = core::MarksOnPart(marks, {p});
  std::vector<std::pair<double, double>> spans;
  int texts = 0;
  for (const core::CutMark& m : kept) {
    if (!m.text.empty()) {
      ++texts;
      EXPECT_TRUE(m.baseline.x == 2 || m.baseline.x == 20) << m.baseline.x;
      continue;
    }
    ASSERT_EQ(m.points.size(), 2u);
    spans.emplace_back(std::min(m.points[0].x, m.points[1].x), std::max(m.points[0].x, m.points[1].x));
    EXPECT_NEAR(m.points[0].y, 5, 1e-9);
  }
  EXPECT_EQ(texts, 2);
  std::sort(spans.begin(), spans.end());
  ASSERT_EQ(spans.size(), 3u);
  const double ends[3][2] = {{0.5, 39.5}, {50.5, 67.5}, {72.5, 99.5}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NEAR(spans[i].first, ends[i][0], 0.01) << i;
    EXPECT_NEAR(spans[i].second, ends[i][1], 0.01) << i;
  }
  // A reference number below the part, at the foot of its line (x 50): up beside where it
  // was, at its own height, to the first quarter-millimetre step from -4 that lies whole
  // within the clearance: 0.5; half a millimetre to the right of its box (49.5 to 51.5)
  // would cross the line, so to the left: 46.5 to 48.5.
  core::CutMark number{{}, "3", {49, -4}, 2, 0};
  number.number = true;
  const std::vector<core::CutMark> moved = core::MarksOnPart({{{{50, 10}, {50, -5}}, "", {}, 0}, number}, {Box(100, 10)});
  ASSERT_EQ(moved.size(), 2u);
  EXPECT_DOUBLE_EQ(moved[1].heightMm, 2);
  EXPECT_DOUBLE_EQ(moved[1].baseline.x, 46.5);
  EXPECT_DOUBLE_EQ(moved[1].baseline.y, 0.5);
  // A part cut in two: a line crossing the gap between its pieces keeps both ends.
  core::CutPiece right = Box(40, 10);
  for (core::PointMm& q : right.outer) q.x += 60;
  EXPECT_EQ(core::MarksOnPart({marks[0]}, {Box(40, 10), right}).size(), 2u);
  EXPECT_TRUE(core::MarksOnPart(marks, {}).empty());
}

TEST(StrokedText, CellsAsWideAsHighTurnedWithTheText) {
  // "R1" 6 mm high from (10, 20): a millimetre to a grid unit, R's upright from (11, 20) to
  // (11, 26), its leg from (13, 23) to (15, 20); the 1's foot from (18, 20) to (20, 20) in
  // the second cell, which starts at 16.
  std::vector<core::CutMark> lines = core::StrokedText({{}, "R1", {10, 20}, 6, 0});
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_DOUBLE_EQ(lines[0].points.front().x, 11);
  EXPECT_DOUBLE_EQ(lines[0].points[1].y, 26);
  EXPECT_DOUBLE_EQ(lines[1].points.back().x, 15);
  EXPECT_DOUBLE_EQ(lines[3].points.front().x, 18);
  EXPECT_DOUBLE_EQ(lines[3].points.back().x, 20);
  for (const core::CutMark& m : lines) {
    EXPECT_TRUE(m.text.empty());
    for (const core::PointMm& p : m.points) {
      EXPECT_TRUE(p.x >= 10 && p.x <= 10 + core::LabelWidth("R1", 6)) << p.x;
      EXPECT_TRUE(p.y >= 20 && p.y <= 26) << p.y;
    }
  }
  // A small letter as its capital; a character of no glyph leaves its cell empty (the 1's
  // foot starts 2 + 12 from the left); turned half a turn, the strokes turn about the base
  // line's left end.
  EXPECT_EQ(core::StrokedText({{}, "r?1", {0, 0}, 6, 0}).size(), 4u);
  EXPECT_EQ(core::StrokedText({{}, "r?1", {0, 0}, 6, 0})[3].points.front().x, 14);
  const std::vector<core::CutMark> turned = core::StrokedText({{}, "R1", {10, 20}, 6, 180});
  EXPECT_NEAR(turned[0].points.front().x, 9, 1e-9);
  EXPECT_NEAR(turned[0].points[1].y, 14, 1e-9);
}

}  // namespace
