// Parts laid out on sheets. Exact layouts are worked out by hand from the sizes; for real
// rib outlines the gaps are measured on the placed outlines, edge against edge.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "core/cutpart.h"
#include "core/nesting.h"
#include "core/nestshapes.h"
#include "support/dxfsummary.h"
#include "support/planegeometry.h"
#include "support/testsupport.h"

namespace {

using core::NestLayout;
using core::PointMm;
using testsupport::Cross;
using Outline = std::vector<PointMm>;

Outline Rectangle(double length, double width) { return {{0, 0}, {length, 0}, {length, width}, {0, width}}; }

Outline PlacedOutline(const Outline& outline, const core::NestPlacement& placement) {
  Outline placed;
  for (const PointMm& p : outline) placed.push_back(core::Placed(placement, p));
  return placed;
}

double SegmentPointDistance(PointMm p, PointMm a, PointMm b) {
  double dx = b.x - a.x, dy = b.y - a.y;
  double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Crossing-number test: whether p lies inside the loop.
bool Inside(PointMm p, const Outline& loop) {
  bool in = false;
  for (std::size_t i = 0, j = loop.size() - 1; i < loop.size(); j = i++) {
    const PointMm& a = loop[i];
    const PointMm& b = loop[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

bool EdgesCross(PointMm a, PointMm b, PointMm c, PointMm d) {
  return Cross(c, d, a) * Cross(c, d, b) <= 0 && Cross(a, b, c) * Cross(a, b, d) <= 0 &&
         std::max(a.x, b.x) >= std::min(c.x, d.x) && std::max(c.x, d.x) >= std::min(a.x, b.x) &&
         std::max(a.y, b.y) >= std::min(c.y, d.y) && std::max(c.y, d.y) >= std::min(a.y, b.y);
}

// The least distance between two outlines, 0 where they cross or one holds the other;
// between two edges that do not cross it lies at one of their four ends.
double Distance(const Outline& a, const Outline& b) {
  if (Inside(a[0], b) || Inside(b[0], a)) return 0;
  for (std::size_t i = 0; i < a.size(); ++i)
    for (std::size_t j = 0; j < b.size(); ++j)
      if (EdgesCross(a[i], a[(i + 1) % a.size()], b[j], b[(j + 1) % b.size()])) return 0;
  double least = INFINITY;
  for (int pass = 0; pass < 2; ++pass) {
    const Outline& from = pass ? b : a;
    const Outline& to = pass ? a : b;
    for (const PointMm& p : from)
      for (std::size_t i = 0; i < to.size(); ++i) least = std::min(least, SegmentPointDistance(p, to[i], to[(i + 1) % to.size()]));
  }
  return least;
}

using Corners = std::vector<std::pair<double, double>>;
void ExpectCorners(const Corners& got, const Corners& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_NEAR(got[i].first, want[i].first, 1e-9) << i;
    EXPECT_NEAR(got[i].second, want[i].second, 1e-9) << i;
  }
}

core::BoundsMm BoundsOf(const Outline& loop) {
  core::BoundsMm b;
  for (const PointMm& p : loop) b.Take(p.x, p.y);
  return b;
}

// Every part on exactly one sheet that exists, inside it with the gap to every edge, and
// no two on the same sheet closer than the gap. Placed corners are whole micrometres.
void ExpectValidLayout(const std::vector<Outline>& parts, const NestLayout& layout, core::SheetSize sheet, double gap) {
  constexpr double kMicrometre = 0.001;
  ASSERT_EQ(layout.problem, core::NestProblem::None);
  ASSERT_EQ(layout.placements.size(), parts.size());
  std::vector<Outline> placed;
  std::vector<int> perSheet(static_cast<std::size_t>(layout.sheets), 0);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const core::NestPlacement& p = layout.placements[i];
    ASSERT_GE(p.sheet, 0);
    ASSERT_LT(p.sheet, layout.sheets);
    ++perSheet[static_cast<std::size_t>(p.sheet)];
    placed.push_back(PlacedOutline(parts[i], p));
    core::BoundsMm b = BoundsOf(placed.back());
    EXPECT_GE(b.left, gap - kMicrometre) << i;
    EXPECT_GE(b.bottom, gap - kMicrometre) << i;
    EXPECT_LE(b.right, sheet.lengthMm - gap + kMicrometre) << i;
    EXPECT_LE(b.top, sheet.widthMm - gap + kMicrometre) << i;
  }
  for (int n : perSheet) EXPECT_GT(n, 0) << "no sheet is left empty";
  for (std::size_t i = 0; i < parts.size(); ++i) {
    for (std::size_t j = i + 1; j < parts.size(); ++j) {
      if (layout.placements[i].sheet != layout.placements[j].sheet) continue;
      core::BoundsMm a = BoundsOf(placed[i]), b = BoundsOf(placed[j]);
      if (a.left > b.right + gap || b.left > a.right + gap || a.bottom > b.top + gap || b.bottom > a.top + gap) continue;
      EXPECT_GE(Distance(placed[i], placed[j]), gap - 2 * kMicrometre) << i << " and " << j;
    }
  }
}

TEST(Nesting, RectanglesThatFillASheetExactly) {
  // 4 x 247.5 + 5 gaps of 2 = 1000 along; 2 x 47 + 3 gaps = 100 across: eight fill a sheet,
  // the ninth starts another.
  const core::SheetSize sheet{1000, 100};
  std::vector<Outline> parts(9, Rectangle(247.5, 47));
  NestLayout layout = core::NestParts(parts, sheet, 2);
  ExpectValidLayout(parts, layout, sheet, 2);
  EXPECT_EQ(layout.sheets, 2);
  Corners corners;
  for (const core::NestPlacement& p : layout.placements) {
    PointMm c = core::Placed(p, p.turned ? PointMm{247.5, 47} : PointMm{0, 0});
    if (p.sheet == 0) corners.emplace_back(c.x, c.y);
  }
  std::sort(corners.begin(), corners.end());
  ExpectCorners(corners, {{2, 2}, {2, 51}, {251.5, 2}, {251.5, 51}, {501, 2}, {501, 51}, {750.5, 2}, {750.5, 51}});
  // A hair longer, and only three fit along: six to a sheet.
  std::vector<Outline> longer(9, Rectangle(247.6, 47));
  EXPECT_EQ(core::NestParts(longer, sheet, 2).sheets, 2);
  EXPECT_EQ(core::NestParts(std::vector<Outline>(6, longer[0]), sheet, 2).sheets, 1);
  EXPECT_EQ(core::NestParts(std::vector<Outline>(7, longer[0]), sheet, 2).sheets, 2);
}

TEST(Nesting, LargestFirstFromTheSheetsCorner) {
  // Three 247.5 x 40 on 1000 x 100, gap 2: the first in the corner, the second above it
  // (2 + 40 + 2), which ends no further along, the third beside the first (2 + 247.5 + 2).
  const core::SheetSize sheet{1000, 100};
  // Each part's lower left corner as laid out.
  auto lowerLefts = [&](const std::vector<Outline>& parts) {
    NestLayout layout = core::NestParts(parts, sheet, 2);
    ExpectValidLayout(parts, layout, sheet, 2);
    Corners found;
    for (std::size_t i = 0; i < parts.size() && i < layout.placements.size(); ++i) {
      core::BoundsMm b = BoundsOf(PlacedOutline(parts[i], layout.placements[i]));
      found.emplace_back(b.left, b.bottom);
    }
    return found;
  };
  ExpectCorners(lowerLefts(std::vector<Outline>(3, Rectangle(247.5, 40))), {{2, 2}, {2, 44}, {251.5, 2}});
  // The larger part goes first, into the corner, though it comes second.
  // The smaller then beside it, 2 + 500 + 2 along: there is no room above (2 + 96 + 2 = 100).
  ExpectCorners(lowerLefts({Rectangle(100, 46), Rectangle(500, 96)}), {{504, 2}, {2, 2}});
  // Only equal outlines are copies: 100 x 30 fits above 100 x 60 (2 + 60 + 2 + 30 <= 98),
  // where a second 100 x 60 would not.
  ExpectCorners(lowerLefts({Rectangle(100, 60), Rectangle(100, 30)}), {{2, 2}, {2, 64}});
}

TEST(Nesting, SimilarPartsShareARoomButKeepTheGap) {
  // 100 x 20, and 99.8 x 20 reaching 0.2 further left: alike enough to share a room, which
  // must then hold the second's overhang too, as the two lie in a row on a strip too narrow
  // to stack them (2 + 20 + 2 + 20 + 2 > 25).
  const std::vector<Outline> alike{Rectangle(100, 20), {{-0.2, 0}, {99.6, 0}, {99.6, 20}, {-0.2, 20}}};
  ExpectValidLayout(alike, core::NestParts(alike, {1000, 25}, 2), {1000, 25}, 2);
  // A part half as long, though it lies within the first's outline, is not alike, and takes
  // no more room than its own: 2 + 100 + 2 + 50 + 2 = 156.
  const std::vector<Outline> unlike{Rectangle(100, 20), {{50, 0}, {100, 0}, {100, 20}, {50, 20}}};
  NestLayout layout = core::NestParts(unlike, {156, 25}, 2);
  ExpectValidLayout(unlike, layout, {156, 25}, 2);
  EXPECT_EQ(layout.sheets, 1);
}

TEST(Nesting, TurningHalfATurnLetsTrianglesShareASheet) {
  // Right triangles 900 x 90: one turned against the other, their long sides 2 apart, the
  // pair is 900 + 2 x sqrt(900² + 90²) / 90 = 920.1 long and 90 high, within 996 x 96.
  // Unturned, the second would have to start beyond the first's far end.
  const core::SheetSize sheet{1000, 100};
  std::vector<Outline> parts(2, Outline{{0, 0}, {900, 0}, {0, 90}});
  NestLayout layout = core::NestParts(parts, sheet, 2);
  ExpectValidLayout(parts, layout, sheet, 2);
  EXPECT_EQ(layout.sheets, 1);
  EXPECT_NE(layout.placements[0].turned, layout.placements[1].turned);
  // Mirrored triangles (right angle at the lower right) would interlock too, but a part is
  // never mirrored: the longest side keeps its slope.
  for (const core::NestPlacement& p : layout.placements) {
    PointMm a = core::Placed(p, {900, 0}), b = core::Placed(p, {0, 90});
    EXPECT_NEAR((b.y - a.y) / (b.x - a.x), -0.1, 1e-12);
  }
}

TEST(Nesting, SpikesAndSharpTipsKeepTheirMargin) {
  // Outlines whose margin is easily lost: a 10 x 10 square whose outline runs out 50 mm
  // along its base and back (no area, yet a laser cuts it), on a sheet too narrow to stack
  // the next square, which goes along beside the spike; and a sliver 206 long with tips
  // of a fraction of a degree next to a four-sided part, with a gap too small for the
  // polygon library to give such a tip its margin.
  struct Case {
    std::vector<Outline> parts;
    core::SheetSize sheet;
    double gap;
  };
  const Case cases[] = {
      {{{{0, 0}, {60, 0}, {10, 0}, {10, 10}, {0, 10}}, Rectangle(10, 10)}, {100, 16}, 2},
      {{{{-25.6, -0.1}, {-0.1, 0.7}, {0.4, 0}, {-4.1, -25.6}}, {{0.1, 204.7}, {-22.1, 25.5}, {-25.6, 0}}}, {849, 511}, 0.05},
      // A needle 0.1 wide with a spike 102 long (the hull's tip is 0.06 degrees), a speck,
      // and a sliver whose blunt end comes to lie under the needle's tip.
      {{{{0, 0}, {0, -25.6}, {-0.1, -0.1}, {-0.1, -25.3}, {-0.1, -0.1}, {-0.1, 102.3}, {-0.1, -0.1}},
        {{-0.1, -0.1}, {-0.1, -0.1}, {-0.1, 0.1}},
        {{-0.1, -128}, {3.5, 0}, {0, 0}}},
       {2001, 511},
       0.55},
  };
  for (const Case& c : cases) ExpectValidLayout(c.parts, core::NestParts(c.parts, c.sheet, c.gap), c.sheet, c.gap);
  // The sliver's tips keep a margin of their own, not one of its 25.7 x 204.7 box: three
  // lie side by side within 60, where three boxes would need 77.
  const std::vector<Outline> slivers(3, cases[1].parts[1]);
  NestLayout layout = core::NestParts(slivers, {60, 210}, 0.05);
  ExpectValidLayout(slivers, layout, {60, 210}, 0.05);
  EXPECT_EQ(layout.sheets, 1);

  // An outline that also runs across the mouth of its notch and back: its corners lie on
  // the part, the stretch between them outside it. The part is 100 x 100 with a notch 40
  // wide and 20 deep, on a sheet that leaves room for a 20 x 20 square only in the notch,
  // poking up to 2 out of its mouth: across that line the square takes a second sheet;
  // without it, one sheet holds both.
  const Outline notched{{0, 0}, {100, 0}, {100, 100}, {70, 100}, {70, 80}, {30, 80}, {30, 100}, {0, 100}};
  Outline folded = notched;
  folded.insert(folded.begin() + 7, {{70, 100}, {30, 100}});
  for (const auto& [part, sheets] : {std::pair{notched, 1}, std::pair{folded, 2}}) {
    const std::vector<Outline> parts{part, Rectangle(20, 20)};
    layout = core::NestParts(parts, {104, 108}, 2);
    ExpectValidLayout(parts, layout, {104, 108}, 2);
    EXPECT_EQ(layout.sheets, sheets);
  }
}

TEST(Nesting, ThinTrailingEdgesKeepTheGap) {
  // Thinned, the thin trailing edges of these two real ribs cross themselves; they once
  // came 7.3 mm apart with a 12 mm gap (e59rev twice: 9.8 mm).
  std::vector<Outline> ribs;
  for (const char* name : {"e59rev.dat", "e71rev.dat"}) {
    core::RibDocument s = dxftest::Rib(testsupport::DataPath(std::string("airfoils/") + name));
    core::CutLayout cut = core::BuildCutLayout(core::BuildCutConstruction(s), {});
    ASSERT_EQ(cut.rib.size(), 1u) << name;
    ribs.push_back(cut.rib[0].outer);
  }
  const core::SheetSize strip{1000, 40};
  ExpectValidLayout(ribs, core::NestParts(ribs, strip, 12), strip, 12);
  // e59rev is 189.5 x 13.8: boxes round two would need 2 x 189.5 + 3 x 12 = 415 along or
  // 2 x 13.8 + 36 = 63.7 across, but turned against each other the two share 400 x 50.
  const std::vector<Outline> twice{ribs[0], ribs[0]};
  NestLayout layout = core::NestParts(twice, {400, 50}, 12);
  ExpectValidLayout(twice, layout, {400, 50}, 12);
  EXPECT_EQ(layout.sheets, 1);
  // A triangle and a thin spike of a part on 1601 x 401 with a 12.7 mm gap, once 12.5 apart
  // (found by fuzzing).
  const std::vector<Outline> found{{{17.8, 300}, {0.2, 128}, {72.8, 102.4}},
                                   {{0, 26.1}, {0.5, 300}, {0.2, 128}, {21.6, 0}, {0, 0}}};
  ExpectValidLayout(found, core::NestParts(found, {1601, 401}, 12.7), {1601, 401}, 12.7);
}

TEST(Nesting, ClearanceOfALoopInsideAnother) {
  // What each part's room is checked with: a 10 x 10 square in a 30 x 30 one keeps 10 from
  // it centred, 2 moved 8 to the right, touches at 10; it crosses moved 11, and one moved
  // 25 lies outside.
  const core::nest::Path outer{{0, 0}, {30, 0}, {30, 30}, {0, 30}};
  auto square = [](core::nest::cInt x) { return core::nest::Path{{x, 10}, {x + 10, 10}, {x + 10, 20}, {x, 20}}; };
  EXPECT_DOUBLE_EQ(core::nest::Clearance(square(10), outer), 10);
  EXPECT_DOUBLE_EQ(core::nest::Clearance(square(18), outer), 2);
  EXPECT_DOUBLE_EQ(core::nest::Clearance(square(20), outer), 0);
  EXPECT_EQ(core::nest::Clearance(square(21), outer), -1);
  EXPECT_EQ(core::nest::Clearance(square(35), outer), -1);
  // A corner of the outer loop reaching in between two of the inner one's: 3 from its edge.
  const core::nest::Path notched{{0, 0}, {30, 0}, {30, 30}, {15, 23}, {0, 30}};
  EXPECT_DOUBLE_EQ(core::nest::Clearance(square(10), notched), 3);
}

TEST(Nesting, RibOutlinesKeepTheGapAndComeOutTheSameEveryTime) {
  core::RibDocument s = dxftest::Rib(testsupport::AirfoilPath("clarky.dat"));
  std::vector<Outline> parts;
  for (int i = 0; i < 14; ++i) {
    s.rib.chord.mm = static_cast<float>(240 - 7 * i);
    // Every other rib stands on a building tab, which makes it less convex.
    s.rib.baseMode = i % 2 ? core::BaseMode::Tabs : core::BaseMode::None;
    s.rib.tabs.board = core::TabBoard::UnderLowerSurface;
    s.rib.tabs.lowerDistance.mm = 10;
    s.rib.tabs.lengthText = "20";
    s.rib.tabs.rearText = "30%";
    core::CutLayout cut = core::BuildCutLayout(core::BuildCutConstruction(s), {0.2, false});
    ASSERT_EQ(cut.rib.size(), 1u);
    parts.push_back(cut.rib[0].outer);
  }
  const core::SheetSize sheet{1000, 100};
  NestLayout layout = core::NestParts(parts, sheet, 2);
  ExpectValidLayout(parts, layout, sheet, 2);
  NestLayout again = core::NestParts(parts, sheet, 2);
  ASSERT_EQ(again.sheets, layout.sheets);
  auto placement = [](const core::NestPlacement& p) { return std::tuple(p.sheet, p.turned, p.offset.x, p.offset.y); };
  for (std::size_t i = 0; i < parts.size(); ++i) EXPECT_EQ(placement(again.placements[i]), placement(layout.placements[i])) << i;
  // Gap 0: parts may touch but never overlap.
  ExpectValidLayout(parts, core::NestParts(parts, sheet, 0), sheet, 0);
}

TEST(Nesting, RefusesWhatCannotBeLaidOut) {
  const std::vector<Outline> parts{Rectangle(100, 20), Rectangle(997, 20), Rectangle(996, 96)};
  // 997 + 2 gaps of 2 is longer than the sheet; 996 x 96 just fits.
  NestLayout tooLarge = core::NestParts(parts, {1000, 100}, 2);
  EXPECT_EQ(tooLarge.problem, core::NestProblem::TooLargePart);
  EXPECT_EQ(tooLarge.tooLargePart, 1);
  EXPECT_EQ(core::NestParts({parts[0], parts[2]}, {1000, 100}, 2).sheets, 2);
  // Gaps that meet in the middle, or a sheet of no size, leave no room at all.
  for (auto [length, width, gap] : {std::tuple{1000.0, 100.0, 50.0}, std::tuple{0.0, 100.0, 2.0},
                                    std::tuple{1000.0, std::nan(""), 2.0}, std::tuple{1000.0, 100.0, -1.0}}) {
    EXPECT_EQ(core::NestParts(parts, {length, width}, gap).problem, core::NestProblem::Sheet) << length << " " << width << " " << gap;
  }
  NestLayout none = core::NestParts({}, {1000, 100}, 2);
  EXPECT_EQ(none.problem, core::NestProblem::None);
  EXPECT_EQ(none.sheets, 0);
}

}  // namespace
