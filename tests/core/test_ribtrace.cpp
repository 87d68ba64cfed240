// The rib as the trace draws it: every element checked on the recorded primitives, in millimetres.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/airfoilprep.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/ribconstruction.h"
#include "core/ribtrace.h"
#include "files/airfoilfile.h"
#include "files/captions.h"
#include "platform/recordingtarget.h"
#include "platform/texts.h"
#include "support/ribsetup.h"
#include "support/testsupport.h"

using core::RibPart;
using platform::RecordedLine;
using platform::RecordingTarget;

namespace {

constexpr double kOx = 20;
constexpr double kOy = 90;
constexpr double kTol = 1e-6;
// How far the chord line runs past the outline's ends and a number past its reference line,
// whatever the zoom: about 0.018 mm and 0.35 mm.
constexpr double kOverhang = 0.0176367, kNumberGap = 0.352734, kFixedTol = 1e-6;

class RibTrace : public ::testing::Test {
 protected:
  core::RibDocument s;
  core::ViewPlacement at;
  core::RibConstruction built;  // of the last Draw()

  void SetUp() override {
    platform::SetTextLookup([](std::string_view section, std::string_view key) {
      return "[" + std::string(section) + "/" + std::string(key) + "]";
    });
    // Every element in a colour of its own, so the recorded lines tell which is which.
    for (std::size_t i = 0; i < s.style.colour.size(); ++i) s.style.colour[i] = static_cast<std::int16_t>(i + 1);
    Load("naca0012.dat");
  }
  void TearDown() override { platform::SetTextLookup(nullptr); }

  void Load(const std::string& name) {
    s.airfoil.path = testsupport::AirfoilPath(name);
    ASSERT_TRUE(files::ReadAirfoilInto(s.airfoil).ok());
    core::InstallPreparedAirfoil(s);
    s.airfoil.loaded = true;
    s.rib.sheeting.mm = 0;
    SetView(1);
  }
  void SetView(float zoom) {
    s.view.zoom = zoom;
    at = {zoom, kOx, kOy, s.rib.chord.mm * zoom};
  }
  void SetBlock(float le, float te, float h0, float h4) {
    s.rib.baseMode = core::BaseMode::Blocks;
    s.rib.blocks.leadingExtension.mm = le;
    s.rib.blocks.trailingExtension.mm = te;
    s.rib.blocks.baseHeight.mm = h0;
    s.rib.blocks.topHeight.mm = h4;
  }

  RecordingTarget Draw() {
    RecordingTarget t;
    built = core::BuildRib(s, files::RibLabelsInLanguage());
    core::DrawConstruction(built, at, t);
    return t;
  }

  double X(double mm, double shiftMm = 0) const { return kOx + (shiftMm + mm) * s.view.zoom; }
  double Y(double mm) const { return kOy - mm * s.view.zoom; }
  double Upper(int k) const { return s.rib.chord.mm * s.prepared.upperAt[static_cast<std::size_t>(k)]; }
  double Lower(int k) const { return s.rib.chord.mm * s.prepared.lowerAt[static_cast<std::size_t>(k)]; }
  static int Colour(core::Element e) { return static_cast<int>(e) + 1; }

  static std::vector<RecordedLine> LinesIn(const RecordingTarget& t, core::Element e) {
    std::vector<RecordedLine> found;
    for (const RecordedLine& l : t.lines)
      if (l.colour == Colour(e)) found.push_back(l);
    return found;
  }

  void SetSpar(int i, const std::string& pos, float width, float height, float inset, int upper, int lower, int type) {
    testsupport::SetSpar(s, i, pos, width, height, inset, upper, lower, type);
  }

  void SetHole(int i, const std::string& pos, float size, float height, float offset, bool centred, bool rect) {
    auto k = static_cast<std::size_t>(i);
    auto& h = s.rib.holes;
    h[k].positionText = pos;
    h[k].size.mm = size;
    h[k].height.mm = height;
    h[k].offset.mm = offset;
    h[k].centred = centred ? 1.0f : 0.0f;
    h[k].shape = rect ? core::HoleShape::Rectangle : core::HoleShape::Round;
  }
};

void ExpectLine(const RecordedLine& l, double x1, double y1, double x2, double y2, double tol = kTol) {
  EXPECT_NEAR(l.x1, x1, tol);
  EXPECT_NEAR(l.y1, y1, tol);
  EXPECT_NEAR(l.x2, x2, tol);
  EXPECT_NEAR(l.y2, y2, tol);
}

// A text's or circle's anchor.
template <typename Item>
void ExpectAt(const Item& item, double x, double y, double tol = kTol) {
  EXPECT_NEAR(item.x, x, tol);
  EXPECT_NEAR(item.y, y, tol);
}

// Consecutive lines from `first` joining the points in turn (repeat the first point to close a figure).
void ExpectChain(const std::vector<RecordedLine>& l, std::size_t first, const std::vector<std::pair<double, double>>& p) {
  ASSERT_GE(l.size(), first + p.size() - 1);
  for (std::size_t i = 0; i + 1 < p.size(); ++i)
    ExpectLine(l[first + i], p[i].first, p[i].second, p[i + 1].first, p[i + 1].second);
}

bool AllFinite(const RecordingTarget& t) {
  auto f = [](double v) { return std::isfinite(v); };
  for (const auto& l : t.lines)
    if (!f(l.x1) || !f(l.y1) || !f(l.x2) || !f(l.y2)) return false;
  for (const auto& c : t.circles)
    if (!f(c.x) || !f(c.y) || !f(c.radius)) return false;
  for (const auto& x : t.texts)
    if (!f(x.x) || !f(x.y)) return false;
  return true;
}

TEST_F(RibTrace, ChordLineOvershootsAlikeAtEveryZoomAndWithReferenceLinesFollowsTheBlock) {
  auto axis = LinesIn(Draw(), core::Element::ChordAxis);
  ASSERT_EQ(axis.size(), 1u);
  ExpectLine(axis[0], kOx - kOverhang, kOy, kOx + 200 + kOverhang, kOy, kFixedTol);
  SetView(2);
  ExpectLine(LinesIn(Draw(), core::Element::ChordAxis)[0], kOx - kOverhang, kOy, kOx + 400 + kOverhang, kOy, kFixedTol);

  // On blocks the reference lines reach the base line, their numbers just above it.
  SetView(1);
  SetBlock(20, 10, 30, 40);
  s.rib.markCount = 1;
  auto t = Draw();
  ExpectLine(LinesIn(t, core::Element::ChordAxis).back(), X(0, 20) - kOverhang, kOy, X(200, 20) + kOverhang, kOy,
             kFixedTol);
  auto marks = LinesIn(t, core::Element::ReferenceLine);
  ASSERT_EQ(marks.size(), 3u);
  ASSERT_EQ(t.texts.size(), 3u);
  ExpectLine(marks[1], X(100, 20), Y(Upper(200)), X(100, 20), kOy + 30);
  EXPECT_NEAR(t.texts[1].x, X(100, 20) + kNumberGap, kFixedTol);
  EXPECT_NEAR(t.texts[1].y, kOy + (30 - 3.5), kTol);
  s.rib.upsideDown = true;
  t = Draw();
  ExpectLine(LinesIn(t, core::Element::ReferenceLine)[1], X(100, 20), kOy + Upper(200), X(100, 20), kOy - 30);
  EXPECT_NEAR(t.texts[1].y, kOy - (30 - 1), kTol);
}

TEST_F(RibTrace, EdgeCutsStandAtTheirDepthsBetweenTheContours) {
  s.rib.leadingEdge.mm = 10;   // station 380
  s.rib.trailingEdge.mm = 15;  // station 30
  auto t = Draw();
  auto le = LinesIn(t, core::Element::LeadingEdge), te = LinesIn(t, core::Element::TrailingEdge);
  ASSERT_EQ(le.size(), 1u);
  ASSERT_EQ(te.size(), 1u);
  ExpectLine(le[0], X(10), Y(Upper(380)), X(10), Y(Lower(380)));
  ExpectLine(te[0], X(185), Y(Upper(30)), X(185), Y(Lower(30)));
  // The sheeting runs between the cuts (the geometry pins check its stations).
  EXPECT_FLOAT_EQ(built.sheetEndStation, 380);
  EXPECT_FLOAT_EQ(built.sheetStartStation, 30);

  // Without depths the leading-edge cut shrinks to the nose and the trailing one closes the outline.
  s.rib.leadingEdge.mm = s.rib.trailingEdge.mm = 0;
  t = Draw();
  ExpectLine(LinesIn(t, core::Element::LeadingEdge)[0], X(0), Y(Upper(400)), X(0), Y(Lower(400)));
  ExpectLine(LinesIn(t, core::Element::TrailingEdge)[0], X(200), Y(Upper(0)), X(200), Y(Lower(0)));
}

TEST_F(RibTrace, HeightLabelsAndThicknessLineSitAtFixedDistances) {
  s.rib.leadingEdge.mm = 10;
  s.rib.trailingEdge.mm = 15;
  s.view.showLeadingEdgeHeight = s.view.showTrailingEdgeHeight = s.view.showThickness = true;
  SetView(2);
  auto t = Draw();
  ASSERT_EQ(t.texts.size(), 3u);
  const auto &thickness = t.texts[0], &le = t.texts[1], &te = t.texts[2];
  double top = Y(200 * s.prepared.yMax);
  ExpectAt(thickness, X(200.0 / 3), top - 8);
  ExpectAt(le, X(0), top - 5);
  ExpectAt(te, X(200) - 15, top - 5);
  EXPECT_EQ(le.text, "[MainTolbar/15] = " + core::FormatNumber(Upper(380) - Lower(380), "# ###.00"));
  EXPECT_EQ(te.text.rfind("[MainTolbar/21] = ", 0), 0u);
  EXPECT_DOUBLE_EQ(le.fontSize, 2 * 9.0);

  // The thickness line names the greatest thickness and where it lies, here at 30 % (station 280).
  ASSERT_EQ(s.prepared.maxThicknessStation, 280);
  EXPECT_EQ(thickness.text, "[FrmMainMessage/15] : " + core::FormatNumber(200 * s.prepared.maxThickness, "# ###.00") +
                                " mm [FrmMainMessage/16] 60.00 mm (30 %) [FrmMainMessage/17]");
  s.settings.unitText = " in";
  t = Draw();
  EXPECT_EQ(t.texts[0].text.rfind("[FrmMainMessage/15] :", 0), 0u);
  EXPECT_NE(t.texts[0].text.find(" in [FrmMainMessage/16] 2.362 in (30 %) [FrmMainMessage/17] "), std::string::npos);
}

TEST_F(RibTrace, SheetingWithoutTrailingEdgePieceSkipsCrossingStationsAndClosesAtTheMidPoint) {
  s.rib.sheeting.mm = 1.5f;
  auto sheet = LinesIn(Draw(), core::Element::Sheeting);
  int ov = built.sheetOverlap;
  // A thin trailing edge: the inner lines cross over its first stations.
  ASSERT_GT(ov, 0);
  ASSERT_LT(ov, 60);
  // Both lines from the first station where they part, up to the nose, and one closing segment.
  ASSERT_EQ(sheet.size(), 2u * static_cast<std::size_t>(400 - ov) + 1);
  auto innerUpper = [&](int k) { return Upper(k) - s.rib.chord.mm * built.offsets.upperDy[static_cast<std::size_t>(k)]; };
  auto innerLower = [&](int k) { return Lower(k) + s.rib.chord.mm * built.offsets.lowerDy[static_cast<std::size_t>(k)]; };
  EXPECT_LE(innerUpper(ov - 1), innerLower(ov - 1));
  EXPECT_GT(innerUpper(ov), innerLower(ov));
  for (int k = ov + 1; k < 390; ++k) {  // inside the contour by about the sheeting
    EXPECT_NEAR(Upper(k) - innerUpper(k), 1.5, 0.01) << k;
    EXPECT_NEAR(innerLower(k) - Lower(k), 1.5, 0.01) << k;
  }
  ExpectLine(sheet.back(), X(200.0 * (400 - ov) / 400 + 200 * built.offsets.upperDx[static_cast<std::size_t>(ov)]),
             Y(Upper(ov) - 200 * built.sheetingPerChord), X(200), Y(200 * built.trailingEdgeMid));

  s.rib.sheeting.mm = 0;  // no line and no closing segment
  EXPECT_TRUE(LinesIn(Draw(), core::Element::Sheeting).empty());
}

TEST_F(RibTrace, ReferenceLinesDivideTheChordAndEndBelowTheLowerContour) {
  s.rib.markCount = 3;
  auto t = Draw();
  auto marks = LinesIn(t, core::Element::ReferenceLine);
  ASSERT_EQ(marks.size(), 5u);
  ASSERT_EQ(t.texts.size(), 5u);
  for (std::size_t j = 0; j < 5; ++j) {
    int k = 400 - 100 * static_cast<int>(j);
    double x = X(50.0 * static_cast<double>(j)), bottom = Y(Lower(k) - 0.015 * 200);
    ExpectLine(marks[j], x, Y(Upper(k)), x, bottom);
    EXPECT_EQ(t.texts[j].text, std::to_string(j));
    ExpectAt(t.texts[j], x, bottom);
    EXPECT_DOUBLE_EQ(t.texts[j].fontSize, 7.2);
  }

  // Inverted: mirrored, and the lower end reaches a further 0.01 chord.
  s.rib.upsideDown = true;
  t = Draw();
  marks = LinesIn(t, core::Element::ReferenceLine);
  ExpectLine(marks[1], X(50), kOy + Upper(300), X(50), kOy + (Lower(300) - 0.025 * 200));
  EXPECT_NEAR(t.texts[1].y, marks[1].y2, kTol);
}

// A rectangle hanging 3 mm above the lower contour (the round spar is in the geometry pins).
TEST_F(RibTrace, HangingRectangleStandsOnItsInset) {
  SetSpar(0, "120", 4, 8, 3, 0, 2, 1);
  auto rect = LinesIn(Draw(), core::Element::Spar);
  ASSERT_EQ(rect.size(), 4u);
  double top = Lower(160) + 3;
  ExpectChain(rect, 0, {{X(118), Y(top)}, {X(122), Y(top)}, {X(122), Y(top + 8)}, {X(118), Y(top + 8)}});
}

TEST_F(RibTrace, CentredHolesSitOnTheMidThicknessLineOfACamberedAirfoil) {
  Load("clarky.dat");
  SetHole(0, "30%", 10, 0, 0, true, false);
  SetHole(1, "40", 8, 5, 0, false, true);  // from the trailing edge: 160 mm
  s.rib.holes[1].fromTrailingEdge = 1;
  SetHole(2, "100", 12, 6, -1, true, true);
  s.rib.holes.last = 3;
  auto t = Draw();
  EXPECT_FLOAT_EQ(built.holePos[1], 160);
  ASSERT_EQ(t.circles.size(), 1u);
  double mid = (Upper(280) + Lower(280)) / 2;
  EXPECT_GT(mid, 1.0);  // the camber lifts it well off the chord line
  ExpectAt(t.circles[0], X(60), Y(mid));
  EXPECT_NEAR(t.circles[0].radius, 5, kTol);
  EXPECT_EQ(t.circles[0].colour, Colour(core::Element::Hole));

  auto holes = LinesIn(t, core::Element::Hole);
  ASSERT_EQ(holes.size(), 8u);
  ExpectLine(holes[0], X(156), Y(-2.5), X(164), Y(-2.5));  // not centred: on the chord line
  ExpectLine(holes[2], X(164), Y(2.5), X(156), Y(2.5));
  double cy = (Upper(200) + Lower(200)) / 2 - 1;  // centred, offset -1 mm
  ExpectLine(holes[4], X(94), Y(cy - 3), X(106), Y(cy - 3));
  ExpectLine(holes[6], X(106), Y(cy + 3), X(94), Y(cy + 3));

  auto axes = LinesIn(t, core::Element::ChordAxis);
  ASSERT_EQ(axes.size(), 6u);  // one centre line, two, two, and the chord line
  ExpectLine(axes[0], X(55), Y(mid), X(65), Y(mid));
  ExpectLine(axes[3], X(94), Y(cy), X(106), Y(cy));
  ExpectLine(axes[4], X(100), Y(cy - 3), X(100), Y(cy + 3));
}

TEST_F(RibTrace, SquareLeadingEdgeStandsOnItsCorner) {
  s.rib.leadingEdgeStyle = core::LeadingEdgeStyle::Square;
  s.rib.squareLeadingEdge.size.mm = 10;
  s.rib.squareLeadingEdge.x.mm = 6;
  s.rib.squareLeadingEdge.y.mm = 0.5f;
  auto sq = LinesIn(Draw(), core::Element::LeadingEdge);
  ASSERT_EQ(sq.size(), 4u);
  double h = 10 / 1.414;  // not the exact root of two
  ExpectChain(sq, 0, {{X(6), Y(0.5 + h)}, {X(6 + h), Y(0.5)}, {X(6), Y(0.5 - h)}, {X(6 - h), Y(0.5)}, {X(6), Y(0.5 + h)}});
  EXPECT_FLOAT_EQ(built.sheetEndStation, 400);
}

TEST_F(RibTrace, BlockIsTurnedByTheBoardAngleCarriesTheRibAndSeatsIt) {
  SetBlock(20, 10, 30, 45);
  s.rib.boardAngle = 5;
  auto t = Draw();
  auto block = LinesIn(t, core::Element::Block);
  ASSERT_EQ(block.size(), 9u);
  double a = 5 * core::kPi / 180, sn = std::sin(a), cs = std::cos(a), T = 230;
  double fx = kOx;  // the front point, blockLe before the leading edge: a positive angle starts the picture there
  EXPECT_FLOAT_EQ(built.viewShiftMm, 20);
  // Along the board, square to the front edge, to the tail at the block's end, back to the rib's trailing edge.
  double tailY = kOy + s.rib.chord.mm * s.prepared.upperAt[20];
  ExpectChain(block, 0,
              {{X(0, 20), kOy}, {fx, kOy}, {fx + 30 * sn, kOy + 30 * cs},
               {fx + (30 * sn + T * cs * cs), kOy + (30 * cs - T * cs * sn)}, {fx + T, tailY},
               {X(200, 20), Y(200 * built.trailingEdgeMid)}});
  // Upper side: front edge up by blockHeight4 - blockHeight0, the top line parallel to the board.
  ExpectLine(block[6], fx, kOy, fx - 15 * sn, kOy - 15 * cs);
  double bx = block[2].x2 - block[2].x1, by = block[2].y2 - block[2].y1;
  EXPECT_NEAR((block[7].x2 - block[7].x1) * by - (block[7].y2 - block[7].y1) * bx, 0, 1e-3);
  ExpectLine(block[8], block[7].x2, block[7].y2, fx + T, tailY);
  EXPECT_NEAR(LinesIn(t, core::Element::TrailingEdge)[0].x1, X(200, 20), kTol);  // the rib moves with the block
  const core::RibConstruction fromScratch = core::BuildRib(s);
  auto lower = core::ElementsOf(fromScratch, RibPart::BlockLower);
  ASSERT_EQ(lower.size(), 1u);
  EXPECT_DOUBLE_EQ(lower[0]->points[1].x, -20);  // the front point, at the DXF origin

  // A seat lowers the rib's support; a negative angle makes room for the lower corner.
  s.rib.blocks.seatDepth.mm = 4;
  s.rib.sheeting.mm = 1.5f;
  s.rib.boardAngle = -5;
  block = LinesIn(Draw(), core::Element::Block);
  double room = 30 * std::sin(5 * core::kPi / 180);
  EXPECT_NEAR(built.viewShiftMm, 20 + room, 1e-4);
  EXPECT_NEAR(block[1].x1, kOx + room, 1e-3);
  EXPECT_NEAR(block[1].x2, kOx, 1e-3);
  // Seat 4 - 1.5 = 2.5 mm below the trailing edge, then up to it.
  double te = 200 * built.trailingEdgeMid;
  ExpectLine(block[5], X(200, 20 + room), Y(te - 2.5), X(200, 20 + room), Y(te));
}

TEST_F(RibTrace, TabsStandOnTheBoardLine) {
  s.rib.baseMode = core::BaseMode::Tabs;
  s.rib.sheeting.mm = 1.5f;
  s.rib.tabs.lowerDistance.mm = 20;
  s.rib.tabs.lengthText = "30";
  s.rib.tabs.rearText = "10%";  // 20 mm
  s.rib.boardAngle = -4;       // typed 4
  auto t = Draw();
  EXPECT_DOUBLE_EQ(built.tabLength + built.tabRear, 50);
  auto tab = LinesIn(t, core::Element::Block);
  ASSERT_EQ(tab.size(), 4u);
  auto axes = LinesIn(t, core::Element::ChordAxis);
  ASSERT_EQ(axes.size(), 2u);
  double a = -4 * core::kPi / 180, sn = std::sin(a), cs = std::cos(a);
  auto board = [&](double x) { return std::pair{20 * sn + x * cs * cs, -20 * cs + x * cs * sn}; };
  auto [b0x, b0y] = board(0);
  auto [bex, bey] = board(200);
  ExpectLine(axes[0], X(b0x), Y(b0y), X(bex), Y(bey));
  auto [rx, ry] = board(180);
  auto [fx, fy] = board(150);
  double rearBase = Y(Lower(40) + 1.5), frontBase = Y(Lower(100) + 1.5);
  ExpectLine(tab[0], X(rx), Y(ry), X(180), rearBase);
  ExpectLine(tab[1], X(fx), Y(fy), X(150), frontBase);
  ExpectLine(tab[2], X(fx), Y(fy), X(rx), Y(ry));
  ExpectLine(tab[3], X(150), frontBase, X(180), rearBase);

  // Board over the upper surface: the stored (negated) distance puts it above the rib.
  s.rib.tabs.board = core::TabBoard::OverUpperSurface;
  s.rib.tabs.upperDistance.mm = -25;
  tab = LinesIn(Draw(), core::Element::Block);
  EXPECT_NEAR(tab[0].y2, Y(Upper(40) - 1.5), kTol);
  EXPECT_LT(tab[0].y1, Y(Upper(40)));
}

TEST_F(RibTrace, InvertedViewMirrorsTheRibAboutTheChordLine) {
  s.rib.sheeting.mm = 1.5f;
  s.rib.leadingEdge.mm = 8;
  s.rib.trailingEdge.mm = 12;
  s.rib.caption.x.mm = 40;
  s.rib.caption.y.mm = 10;
  s.rib.caption.text = "clarky";
  SetSpar(0, "30%", 3, 3, 0, 1, 1, 0);
  SetHole(0, "100", 10, 0, 0, true, false);
  auto upright = Draw();
  s.rib.upsideDown = true;
  auto inverted = Draw();
  ASSERT_EQ(upright.lines.size(), inverted.lines.size());
  for (std::size_t i = 0; i < upright.lines.size(); ++i) {
    const auto &u = upright.lines[i], &v = inverted.lines[i];
    EXPECT_DOUBLE_EQ(v.x1, u.x1);
    EXPECT_NEAR(v.y1 - kOy, kOy - u.y1, 1e-6) << i;
    EXPECT_NEAR(v.y2 - kOy, kOy - u.y2, 1e-6) << i;
  }
  EXPECT_NEAR(inverted.circles[0].y - kOy, kOy - upright.circles[0].y, 1e-6);
  // The inserted text is not mirrored: it stays readable 3 mm above its point.
  ASSERT_EQ(inverted.texts.size(), 1u);
  ExpectAt(inverted.texts[0], X(40), Y(13));
  EXPECT_EQ(inverted.texts[0].text, "clarky");
}

TEST_F(RibTrace, EachElementIsDrawnInItsOwnStyleAndWidthAndOnlyTheOutlineHides) {
  for (std::size_t i = 0; i < s.style.lineWidth.size(); ++i) s.style.lineWidth[i] = static_cast<std::int16_t>(i + 2);
  for (std::size_t i = 0; i < s.style.lineStyle.size(); ++i) s.style.lineStyle[i] = static_cast<std::int16_t>(i % 5);
  s.rib.sheeting.mm = 1.5f;
  s.rib.leadingEdge.mm = s.rib.trailingEdge.mm = 10;
  s.rib.markCount = 1;
  SetSpar(0, "50", 3, 3, 0, 2, 0, 0);
  SetHole(0, "100", 8, 0, 0, true, false);
  auto t = Draw();
  const std::pair<core::Element, int> pens[] = {{core::Element::Airfoil, 2}, {core::Element::Sheeting, 3}, {core::Element::Spar, 4},
                                                {core::Element::LeadingEdge, 5},     {core::Element::TrailingEdge, 6},       {core::Element::ReferenceLine, 8},
                                                {core::Element::ChordAxis, 1}};
  for (const auto& [element, width] : pens) {
    auto lines = LinesIn(t, element);
    ASSERT_FALSE(lines.empty()) << static_cast<int>(element);
    for (const auto& l : lines) {
      EXPECT_EQ(l.width, width) << static_cast<int>(element);
      EXPECT_EQ(l.style, static_cast<int>(element) % 5) << static_cast<int>(element);
    }
  }
  EXPECT_EQ(t.circles[0].width, 7);  // the hole
  EXPECT_EQ(t.circles[0].style, static_cast<int>(core::Element::Hole) % 5);

  // Hiding the outline leaves everything else.
  auto outline = LinesIn(t, core::Element::Airfoil).size();
  EXPECT_EQ(outline, s.prepared.outline.size() - 1);
  s.view.outlineShown = false;
  EXPECT_EQ(Draw().lines.size(), t.lines.size() - outline);
}

// Hand-edited project files and broken airfoils: what can be drawn is drawn, and never a non-finite value.
TEST_F(RibTrace, HostileInputsStayInBoundsAndFinite) {
  s.rib.leadingEdge.mm = 500;
  s.rib.trailingEdge.mm = -40;
  s.rib.markCount = 255;
  for (int i = 0; i < core::kTableSlots; ++i) {
    SetSpar(i, std::to_string(100 * i + 30), 4, 3, 1, 2, 2, i % 4);
    SetHole(i, std::to_string(-50 * i - 10), 5, 5, 0, true, i % 2 == 1);
  }
  s.rib.spars.last = 255;
  s.rib.holes.last = 200;
  s.rib.sheeting.mm = 1.5f;
  EXPECT_TRUE(AllFinite(Draw()));
  auto c = core::BuildRib(s);
  EXPECT_EQ(core::ElementsOf(c, RibPart::SparAxis).size(), 13u);
  EXPECT_EQ(core::ElementsOf(c, RibPart::ReferenceLine).size(), 257u);

  Load("naca0012.dat");
  s.rib.chord.mm = 0;
  s.rib.sheeting.mm = 1.5f;
  s.rib.markCount = 4;
  s.view.showThickness = s.view.showLeadingEdgeHeight = s.view.showTrailingEdgeHeight = true;
  s.rib.leadingEdge.mm = 5;
  auto t = Draw();
  EXPECT_TRUE(AllFinite(t));
  EXPECT_FALSE(t.lines.empty());
  EXPECT_GT(core::BuildRib(s).droppedNonFinite, 0);
  // 5 mm of stock on no chord is an infinitely distant station, kept as such, not as 0.
  EXPECT_EQ(core::BuildRib(s).sheetEndStation, std::numeric_limits<float>::infinity());

  // An outline with a hole in it: the finite parts are still drawn.
  s.rib.chord.mm = 200;
  s.prepared.outline[4].y = std::nan("");
  s.prepared.upperAt[100] = std::numeric_limits<double>::infinity();
  t = Draw();
  EXPECT_TRUE(AllFinite(t));
  EXPECT_EQ(LinesIn(t, core::Element::Airfoil).size(), s.prepared.outline.size() - 1 - 2);
  c = core::BuildRib(s);
  EXPECT_EQ(core::ElementsOf(c, RibPart::Outline).size(), 2u);
  EXPECT_GT(c.droppedNonFinite, 0);
}

// The sheeting closes at the middle of a blunt trailing edge, between the file's end points.
TEST(RibTrailingEdge, ItsMiddleLiesBetweenTheOutlinesEnds) {
  core::RibDocument s;
  testsupport::LoadPoints(s.airfoil, {{1, 0.004}, {0.8, 0.03}, {0.6, 0.05}, {0.4, 0.06}, {0.2, 0.045}, {0, 0},
                                      {0.2, -0.02}, {0.4, -0.025}, {0.6, -0.02}, {0.8, -0.01}, {1, -0.002}});
  core::InstallPreparedAirfoil(s);
  EXPECT_NEAR(core::BuildRib(s).trailingEdgeMid, 0.001, 1e-8);  // the last point stepped in floats
}

// The box Fit works from holds every line and the whole of every circle, and leaves texts
// out (their size depends on the target).
TEST(RibBounds, HoldLinesAndWholeCirclesButNoTexts) {
  core::RibConstruction c;
  core::RibElement line;
  line.points = {{0, 0}, {10, 5}};
  core::RibElement circle;
  circle.shape = core::RibShape::Circle;
  circle.points = {{20, 0}};
  circle.radiusMm = 3;
  core::RibElement text;
  text.shape = core::RibShape::Text;
  text.points = {{100, 100}};
  c.elements = {line, circle, text};
  const core::BoundsMm b = core::BoundsOf(c);
  ASSERT_FALSE(b.empty);
  EXPECT_EQ(std::tuple(b.left, b.right, b.bottom, b.top), std::tuple(0.0, 23.0, -3.0, 5.0));
  EXPECT_TRUE(core::BoundsOf(core::RibConstruction{}).empty);
}

}  // namespace
