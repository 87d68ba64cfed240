// The rib as parts to cut. Expected areas come from the airfoil file's own points (shoelace
// and strip sums worked out apart from the program) and from plane geometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/airfoilprep.h"
#include "core/cutpart.h"
#include "core/piecewidth.h"
#include "files/airfoilfile.h"
#include "support/ribsetup.h"
#include "support/planegeometry.h"
#include "support/testsupport.h"

namespace {

using core::CutLayout;
using core::CutPiece;
using core::PointMm;
using testsupport::Cross;

constexpr double kPi = 3.14159265358979323846;
// Clark Y from its 121 points: area 0.080937102 chord², perimeter 2.04522 chord.
constexpr double kClarkYArea = 0.080937102 * 200 * 200;
constexpr double kClarkYPerimeter = 409.044;

double PieceArea(const CutPiece& p) {
  double area = core::LoopArea(p.outer);
  for (const auto& hole : p.holes) area += core::LoopArea(hole);  // clockwise: negative
  for (const auto& c : p.circles) area -= kPi * c.radiusMm * c.radiusMm;
  return area;
}

bool SegmentsCross(PointMm a, PointMm b, PointMm c, PointMm d) {
  double d1 = Cross(c, d, a), d2 = Cross(c, d, b), d3 = Cross(a, b, c), d4 = Cross(a, b, d);
  return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

// Closed (at least three corners, the last not repeating the first) and without any two
// edges crossing or any corner visited twice.
void ExpectSimpleLoop(const std::vector<PointMm>& loop) {
  ASSERT_GE(loop.size(), 3u);
  EXPECT_FALSE(loop.front().x == loop.back().x && loop.front().y == loop.back().y);
  const std::size_t n = loop.size();
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      ASSERT_FALSE(loop[i].x == loop[j].x && loop[i].y == loop[j].y) << "corner " << i << " again at " << j;
      if (j == i + 1 || (i == 0 && j == n - 1)) continue;
      ASSERT_FALSE(SegmentsCross(loop[i], loop[(i + 1) % n], loop[j], loop[(j + 1) % n])) << i << " crosses " << j;
    }
  }
}

const PointMm* CornerNear(const std::vector<PointMm>& loop, PointMm at, double tolerance = 0.0015) {
  for (const PointMm& p : loop)
    if (std::fabs(p.x - at.x) <= tolerance && std::fabs(p.y - at.y) <= tolerance) return &p;
  return nullptr;
}
bool HasCorner(const std::vector<PointMm>& loop, PointMm at, double tolerance = 0.0015) {
  return CornerNear(loop, at, tolerance) != nullptr;
}

class CutPart : public ::testing::Test {
 protected:
  core::RibDocument s;

  void SetUp() override {
    s.airfoil.path = testsupport::AirfoilPath("clarky.dat");
    ASSERT_TRUE(files::ReadAirfoilInto(s.airfoil).ok());
    core::InstallPreparedAirfoil(s);
    s.airfoil.loaded = true;
    s.rib.sheeting.mm = 0;
  }

  CutLayout Cut(double kerf = 0, bool marks = false) const {
    return core::BuildCutLayout(core::BuildCutConstruction(s), {kerf, marks});
  }
  // The rib's one piece; any other count fails and gives an empty piece to check on.
  CutPiece Rib(double kerf = 0) const {
    CutLayout cut = Cut(kerf);
    EXPECT_EQ(cut.rib.size(), 1u) << "the rib is one piece";
    return cut.rib.size() == 1 ? cut.rib[0] : CutPiece{};
  }

  void AddHole(int i, const std::string& position, float size, float height, core::HoleShape shape) {
    core::HoleRow& row = s.rib.holes[static_cast<std::size_t>(i)];
    row.positionText = position;
    row.size.mm = size;
    row.height.mm = height;
    row.centred = 1;
    row.shape = shape;
    s.rib.holes.last = static_cast<std::uint8_t>(i);
  }

  void SetTabs(float boardDepth, const std::string& length, const std::string& rear) {
    s.rib.baseMode = core::BaseMode::Tabs;
    s.rib.tabs.board = core::TabBoard::UnderLowerSurface;
    s.rib.tabs.lowerDistance.mm = boardDepth;
    s.rib.tabs.lengthText = length;
    s.rib.tabs.rearText = rear;
  }
};

TEST_F(CutPart, PlainRibEnclosesTheAirfoilsArea) {
  CutLayout cut = Cut();
  ASSERT_TRUE(cut.ok);
  ASSERT_EQ(cut.rib.size(), 1u);
  const CutPiece& rib = cut.rib[0];
  EXPECT_TRUE(rib.holes.empty() && rib.circles.empty());
  EXPECT_NEAR(PieceArea(rib), kClarkYArea, kClarkYArea * 0.003);
  EXPECT_GT(core::LoopArea(rib.outer), 0) << "the outer loop runs counter-clockwise";
  // Every corner is a point of the outline the screen draws, to the micrometre.
  const core::RibConstruction drawn = core::BuildCutConstruction(s);
  const auto outline = core::ElementsOf(drawn, core::RibPart::Outline);
  ASSERT_EQ(outline.size(), 1u);
  for (const PointMm& corner : rib.outer)
    ASSERT_TRUE(HasCorner(outline[0]->points, corner, 0.0005 + 1e-9)) << corner.x << " " << corner.y;
  // From the nose as drawn (a hair ahead of the leading edge) to the trailing edge.
  core::BoundsMm b = core::BoundsOf(cut);
  double nose = 0;
  for (const PointMm& p : outline[0]->points) nose = std::min(nose, p.x);
  EXPECT_NEAR(b.left, nose, 0.0005);
  EXPECT_GT(nose, -0.05);
  EXPECT_NEAR(b.right, 200, 0.0005);
  EXPECT_TRUE(cut.jig.empty() && cut.marks.empty());
  // No airfoil, or no chord: no part.
  s.airfoil.loaded = false;
  EXPECT_FALSE(Cut().ok);
  s.airfoil.loaded = true;
  s.rib.chord.mm = 0;
  EXPECT_FALSE(Cut().ok);
}

TEST_F(CutPart, SheetingShrinksTheRibByItsThicknessOnBothSurfaces) {
  s.rib.sheeting.mm = 1.5;
  CutLayout cut = Cut();
  ASSERT_EQ(cut.rib.size(), 1u);
  const double sheetedArea = PieceArea(cut.rib[0]);
  // The strip sum of max(0, thickness - 2 t) over the chord from the file's points.
  EXPECT_NEAR(sheetedArea, 2651.97, 2651.97 * 0.01);
  // The nose, thinner than the two sheets together, is gone; without a trailing-edge piece
  // the sheeting lines close at the trailing edge's mid point.
  core::BoundsMm b = core::BoundsOf(cut);
  EXPECT_GT(b.left, 0.1);
  EXPECT_NEAR(b.right, 200, 1e-3);
  EXPECT_FALSE(cut.noRibLeft);
  // Edge pieces end the rib at their cuts.
  s.rib.leadingEdge.mm = 8;
  s.rib.trailingEdge.mm = 20;
  const core::BoundsMm edged = core::BoundsOf(Cut());
  EXPECT_NEAR(edged.left, 8, 0.002);
  EXPECT_NEAR(edged.right, 180, 0.002);
  ExpectSimpleLoop(Rib().outer);
  s.rib.leadingEdge.mm = 0;
  s.rib.trailingEdge.mm = 0;

  // Clark Y is 0.1172 chord thick near 28 %: 23.44 mm. Sheets of 11.5 leave a sliver there;
  // sheets of 12, with or without a trailing-edge piece, leave nothing, which is said rather
  // than cut as the unsheeted outline.
  s.rib.sheeting.mm = 11.5;
  EXPECT_LT(PieceArea(Rib()), sheetedArea / 4);
  EXPECT_FALSE(Cut().noRibLeft);
  s.rib.sheeting.mm = 12;
  for (float trailingEdge : {0.0f, 15.0f}) {
    s.rib.trailingEdge.mm = trailingEdge;
    cut = Cut();
    EXPECT_FALSE(cut.ok) << trailingEdge;
    EXPECT_TRUE(cut.noRibLeft) << trailingEdge;
    EXPECT_TRUE(cut.rib.empty()) << trailingEdge;
  }
}

TEST_F(CutPart, SpecksWhereLinesCrossAreNoParts) {
  // Thick sheeting running to the nose: the inner lines cross there, and cross back.
  s.rib.sheeting.mm = 3;
  s.rib.trailingEdge.mm = 15;
  ExpectSimpleLoop(Rib().outer);
  Rib(0.3);
  // S1223's surfaces cross just ahead of its trailing edge.
  s.airfoil.path = testsupport::AirfoilPath("s1223.dat");
  ASSERT_TRUE(files::ReadAirfoilInto(s.airfoil).ok());
  core::InstallPreparedAirfoil(s);
  s.rib.sheeting.mm = 0;
  s.rib.trailingEdge.mm = 0;
  Rib();
  // E49's sparse lower surface once swung into a spike that crossed the upper one, which
  // parted the rib in two.
  s.airfoil.path = testsupport::DataPath("airfoils/e49.dat");
  ASSERT_TRUE(files::ReadAirfoilInto(s.airfoil).ok());
  core::InstallPreparedAirfoil(s);
  ExpectSimpleLoop(Rib().outer);
}

TEST_F(CutPart, FeaturesTypedAbsurdlyLargeOrFarAwayAreCutAtOnce) {
  const double plain = PieceArea(Rib());
  // A hole at 4.5e19 % of the chord and a spar at -1e300 mm, far beyond what the polygon
  // work can hold, cut nothing.
  AddHole(0, "45555555555555555555%", 6, 0, core::HoleShape::Rectangle);
  testsupport::SetSpar(s, 0, "-1e300", 5, 5, 0, 1, 0, 0);
  s.rib.spars.last = 0;
  EXPECT_NEAR(PieceArea(Rib()), plain, 1e-6);
  EXPECT_TRUE(Rib(0.2).holes.empty());
  // A tab typed a thousand kilometres long still joins the rib, at once.
  SetTabs(12, "1000000000", "10");
  const double seconds = testsupport::SecondsTaken([&] { Rib(); });
  EXPECT_LT(seconds, 5);
  // A round hole typed kilometres wide takes the whole rib, in a circle of bounded corners.
  s.rib.baseMode = core::BaseMode::None;
  AddHole(1, "40%", 1e9f, 0, core::HoleShape::Round);
  EXPECT_FALSE(Cut().ok);
}

TEST_F(CutPart, AHoleCrossingTheEdgeOpensItInsteadOfStayingACircle) {
  const double plain = PieceArea(Rib());
  // 30 mm across at 40 %: the rib is 22.8 mm thick there, so the circle sticks out on both
  // sides; what it takes is the strip of rib it covers.
  AddHole(0, "40%", 30, 0, core::HoleShape::Round);
  CutLayout cut = Cut();
  ASSERT_FALSE(cut.rib.empty());
  for (const CutPiece& p : cut.rib) EXPECT_TRUE(p.circles.empty());
  double left = 0;
  for (const CutPiece& p : cut.rib) {
    left += PieceArea(p);
    ExpectSimpleLoop(p.outer);
  }
  EXPECT_EQ(cut.rib.size(), 2u) << "the hole parts the rib in two";
  // Less than the whole circle (707 mm²), more than the rib's thickness times a chord
  // of the circle at its edges (22.8 x 2 x sqrt(15² - 11.4²) = 444 mm²).
  EXPECT_LT(plain - left, 707);
  EXPECT_GT(plain - left, 444);
}

TEST_F(CutPart, ANotchOpensTheBoundaryWithSquareCorners) {
  // A hanging rectangle from the upper contour, 6 wide and 4 deep at 30 %, reaches the edge.
  const double plain = PieceArea(Rib());
  testsupport::SetSpar(s, 0, "30%", 6, 4, 0, 2, 0, 1);
  const CutPiece rib = Rib();
  EXPECT_TRUE(rib.holes.empty()) << "the notch is part of the outer loop";
  ExpectSimpleLoop(rib.outer);
  // The contour is 18.136 mm high at 30 %: the notch's floor is 4 below it.
  const double floor = 18.13608 - 4;
  const PointMm* left = CornerNear(rib.outer, {57, floor}, 0.05);
  const PointMm* right = CornerNear(rib.outer, {63, floor}, 0.05);
  ASSERT_TRUE(left && right);
  // Its area (6 x 4) and the sliver of contour above its top are gone.
  const double taken = plain - PieceArea(rib);
  EXPECT_GT(taken, 24 - 0.1);
  EXPECT_LT(taken, 24 + 0.5);

  // With a kerf the floor's corners move in and up by half of it, still square.
  const CutPiece kerfed = Rib(0.4);
  EXPECT_TRUE(HasCorner(kerfed.outer, {left->x + 0.2, left->y + 0.2}));
  EXPECT_TRUE(HasCorner(kerfed.outer, {right->x - 0.2, right->y + 0.2}));
}

TEST_F(CutPart, ARectangleInsideTheRibIsAnInnerLoop) {
  // Inset 3 below the contour: a closed window, not a notch.
  testsupport::SetSpar(s, 0, "30%", 6, 4, 3, 2, 0, 3);
  const CutPiece rib = Rib();
  ASSERT_EQ(rib.holes.size(), 1u);
  EXPECT_NEAR(core::LoopArea(rib.holes[0]), -24, 1e-3) << "clockwise, 6 x 4";
  EXPECT_NEAR(PieceArea(rib), kClarkYArea - 24, kClarkYArea * 0.003);
}

TEST_F(CutPart, TabsJoinTheRibDownToTheBoard) {
  const double plain = PieceArea(Rib());
  // A tab must overlap the rib, not meet it along its edge: a seam left between the two
  // is a row of slits the laser would cut. Far back the lower contour is nearly straight;
  // under a sheeted rib 30 to 50 mm from the nose it still curves.
  struct Case {
    float sheeting;
    const char* rear;
    double front, back;  // where the tab meets the board, 20 long
  };
  for (const Case& c : {Case{0, "10", 170, 190}, Case{1.5, "75%", 30, 50}}) {
    SCOPED_TRACE(c.rear);
    s.rib.sheeting.mm = c.sheeting;
    SetTabs(12, "20", c.rear);
    const CutPiece rib = Rib();  // rib and tab are one piece
    EXPECT_TRUE(rib.holes.empty());
    ExpectSimpleLoop(rib.outer);
    EXPECT_NEAR(core::BoundsOf(Cut()).bottom, -12, 1e-3);
    EXPECT_TRUE(HasCorner(rib.outer, {c.front, -12}));
    EXPECT_TRUE(HasCorner(rib.outer, {c.back, -12}));
  }

  // The tab adds the area between the board and the lower contour: at least 20 x (12 -
  // the contour's depth, under 2 mm that far back).
  s.rib.sheeting.mm = 0;
  SetTabs(12, "20", "10");
  EXPECT_GT(PieceArea(Rib()) - plain, 20 * 10);
  EXPECT_LT(PieceArea(Rib()) - plain, 20 * 12);

  // A kerf keeps the tab's board corners square: out and down by half of it.
  const CutPiece kerfed = Rib(0.5);
  EXPECT_TRUE(HasCorner(kerfed.outer, {169.75, -12.25}));
  EXPECT_TRUE(HasCorner(kerfed.outer, {190.25, -12.25}));
}

// A round hole stays a circle and takes its area away; a kerf grows the outline by half of
// it all round and shrinks the hole by as much.
TEST_F(CutPart, RoundHolesStayCirclesAndKerfGrowsTheOutlineByHalfOfIt) {
  const double plain = PieceArea(Rib()), plainLeft = core::BoundsOf(Cut()).left;
  AddHole(0, "40%", 10, 0, core::HoleShape::Round);
  const CutPiece holed = Rib();
  ASSERT_EQ(holed.circles.size(), 1u);
  EXPECT_TRUE(holed.holes.empty());
  const core::CutCircle& c = holed.circles[0];
  // Centred between the contours at 40 %: (18.234 - 4.527) / 2 from the file's points.
  EXPECT_NEAR(c.centre.x, 80, 1e-9);
  EXPECT_NEAR(c.centre.y, (18.23424 - 4.52682) / 2, 0.05);
  EXPECT_DOUBLE_EQ(c.radiusMm, 5);
  EXPECT_NEAR(plain - PieceArea(holed), kPi * 10 * 10 / 4, 1e-6);

  const CutPiece rib = Rib(0.4);
  // Perimeter x k / 2 more outside; the hole's radius shrinks by k / 2.
  EXPECT_NEAR(core::LoopArea(rib.outer) - plain, kClarkYPerimeter * 0.2, kClarkYPerimeter * 0.2 * 0.05);
  ASSERT_EQ(rib.circles.size(), 1u);
  EXPECT_NEAR(rib.circles[0].radiusMm, 4.8, 1e-12);
  EXPECT_NEAR(core::BoundsOf(Cut(0.4)).left, plainLeft - 0.2, 0.002);

  // A hole narrower than the kerf cannot be cut; it is counted, not written.
  s.rib.holes[0].size.mm = 0.3;
  EXPECT_TRUE(Rib(0.4).circles.empty());
  EXPECT_EQ(Cut(0.4).holesTooSmallForKerf, 1);
}

TEST_F(CutPart, FullFeaturedRibIsOnePieceOfSimpleClosedLoops) {
  testsupport::AddEveryFeature(s);
  for (double kerf : {0.0, 0.3}) {
    SCOPED_TRACE(kerf);
    CutLayout cut = Cut(kerf, true);
    ASSERT_TRUE(cut.ok);
    ASSERT_EQ(cut.rib.size(), 1u);
    const CutPiece& rib = cut.rib[0];
    ExpectSimpleLoop(rib.outer);
    EXPECT_GT(core::LoopArea(rib.outer), 0);
    // The inset rectangle and the rectangular hole are windows; the round spar and the
    // round hole circles.
    EXPECT_EQ(rib.holes.size(), 2u);
    for (const auto& hole : rib.holes) {
      ExpectSimpleLoop(hole);
      EXPECT_LT(core::LoopArea(hole), 0);
    }
    EXPECT_EQ(rib.circles.size(), 2u);
    // The square leading edge's notch: its aft corner at x + side / 1.414 is cut into the nose.
    EXPECT_TRUE(HasCorner(rib.outer, {2 + 6 / 1.414 - kerf / 2 * std::sqrt(2.0), 1}, 0.002));
  }
}

// The reference lines' count is pinned with the written file; here what lies where.
TEST_F(CutPart, MarksAreLinesAndTextsApartFromTheCut) {
  testsupport::AddEveryFeature(s);
  s.rib.caption.text = "CLARK Y";
  s.rib.caption.x.mm = 60;
  s.rib.caption.y.mm = 5;
  EXPECT_TRUE(Cut(0, false).marks.empty());
  bool caption = false, chord = false, board = false;
  for (const core::CutMark& m : Cut(0, true).marks) {
    if (m.text.empty()) {
      if (m.points.size() == 2 && m.points[0].y == 0 && m.points[1].y == 0 && m.points[1].x == 200) chord = true;
      if (m.points.size() == 2 && std::fabs(m.points[0].y + 12) < 1e-9) board = true;
    } else if (m.text == "CLARK Y") {
      caption = true;
      // Its top 3 mm above the point it was put at; 9 pt capitals are 2.3 mm high.
      EXPECT_NEAR(m.baseline.x, 60, 1e-9);
      EXPECT_NEAR(m.heightMm, 9 * 25.4 / 72 * 0.716, 1e-9);
      EXPECT_LT(m.baseline.y, 8);
      EXPECT_GT(m.baseline.y + m.heightMm, 5);
    }
  }
  EXPECT_TRUE(caption);
  EXPECT_TRUE(chord);
  EXPECT_TRUE(board);

  // On blocks a reference line's number stands just past the line (about 0.35 mm), as drawn.
  s.rib.baseMode = core::BaseMode::Blocks;
  s.rib.blocks.baseHeight.mm = 30;
  s.rib.blocks.topHeight.mm = 40;
  const CutLayout onBlocks = Cut(0, true);
  auto two = std::find_if(onBlocks.marks.begin(), onBlocks.marks.end(), [](const core::CutMark& m) { return m.text == "2"; });
  ASSERT_NE(two, onBlocks.marks.end());
  EXPECT_NEAR(two->baseline.x, 200 * 2 / 5.0 + 0.3527, 1e-4);
}

// A closed block is one jig piece, on a level board or on a sloping one.
TEST_F(CutPart, AClosedBlockIsAJigPieceLevelOrSloping) {
  s.rib.baseMode = core::BaseMode::Blocks;
  auto block = [this](float base, float top, float front, float back, float angle) {
    s.rib.blocks.baseHeight.mm = base;
    s.rib.blocks.topHeight.mm = top;
    s.rib.blocks.leadingExtension.mm = front;
    s.rib.blocks.trailingExtension.mm = back;
    s.rib.boardAngle = angle;
    CutLayout cut = Cut();
    EXPECT_EQ(cut.rib.size(), 1u);
    EXPECT_EQ(cut.jig.size(), 1u);
    if (!cut.jig.empty()) ExpectSimpleLoop(cut.jig[0].outer);
    return cut.jig.empty() ? std::vector<PointMm>{} : cut.jig[0].outer;
  };
  // Front edge from the board (20 below) to the top (25 above) at x = -10, out to the
  // tail at x = 210: the loop holds the board line's full 220 mm.
  std::vector<PointMm> jig = block(20, 45, 10, 10, 0);
  EXPECT_TRUE(HasCorner(jig, {-10, -20}));
  EXPECT_TRUE(HasCorner(jig, {-10, 25}));
  EXPECT_TRUE(HasCorner(jig, {210, -20}));
  // The board, 3 degrees up towards the tail, ends left of and above the tail point, so the
  // lines cross there; the jig is what they enclose, without the sliver past the crossing.
  // Square to the board at the front: 8 below and 27 above the front point (-20, 0).
  jig = block(8, 35, 20, 10, 3);
  EXPECT_TRUE(HasCorner(jig, {-20 + 8 * 0.0523360, -8 * 0.9986295}));
  EXPECT_TRUE(HasCorner(jig, {-20 - 27 * 0.0523360, 27 * 0.9986295}));
}

}  // namespace

// A piece's width is its widest inscribed disc. A 10 mm square around a round hole of radius
// r, centred: a disc of radius t in a corner touches both sides and the hole when
// (5 - t)√2 = r + t, so t = (5√2 - r) / (1 + √2): 1.562 for r = 3.3, 1.437 for r = 3.6.
TEST(PieceWidth, TheWidestDiscInsideThePieceClearOfItsHoles) {
  auto rectangle = [](double w, double h) {
    core::CutPiece p;
    p.outer = {{0, 0}, {w, 0}, {w, h}, {0, h}};
    return p;
  };
  EXPECT_FALSE(core::PieceHoldsDisc(rectangle(2.9, 50), 3));
  EXPECT_TRUE(core::PieceHoldsDisc(rectangle(3.1, 50), 3));
  core::CutPiece ring = rectangle(10, 10);
  ring.circles.push_back({{5, 5}, 3.3});
  EXPECT_TRUE(core::PieceHoldsDisc(ring, 3));
  ring.circles[0].radiusMm = 3.6;
  EXPECT_FALSE(core::PieceHoldsDisc(ring, 3));
  // The same as an opening (clockwise), a square of 9 mm: walls of 0.5 mm, corners no wider.
  core::CutPiece frame = rectangle(10, 10);
  frame.holes.push_back({{0.5, 0.5}, {0.5, 9.5}, {9.5, 9.5}, {9.5, 0.5}});
  EXPECT_FALSE(core::PieceHoldsDisc(frame, 3));
  EXPECT_TRUE(core::PieceHoldsDisc(frame, 0.45));
  EXPECT_FALSE(core::PieceHoldsDisc(core::CutPiece{}, 3));
  // An L of arms w wide: in its bend a disc touches both outer sides and the inner corner,
  // (w - t)√2 = t, so it is 2√2 w / (1 + √2) = 1.172 w across: 3.16 for w = 2.7, 2.93 for 2.5.
  auto ell = [](double w) {
    core::CutPiece p;
    p.outer = {{0, 0}, {40, 0}, {40, w}, {w, w}, {w, 40}, {0, 40}};
    return p;
  };
  EXPECT_TRUE(core::PieceHoldsDisc(ell(2.7), 3));
  EXPECT_FALSE(core::PieceHoldsDisc(ell(2.5), 3));
}
