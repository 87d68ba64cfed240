// The rib as the trace draws it: every element checked on the recorded primitives, in twips.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/airfoilprep.h"
#include "core/lengths.h"
#include "core/numformat.h"
#include "core/ribconstruction.h"
#include "core/ribtrace.h"
#include "files/airfoilfile.h"
#include "platform/recordingtarget.h"
#include "platform/texts.h"
#include "support/testsupport.h"

using core::RibPart;
using platform::RecordedLine;
using platform::RecordingTarget;

namespace {

constexpr double kOx = 1000;
constexpr double kOy = 5000;
constexpr double kTol = 1e-6;

class RibTrace : public ::testing::Test {
 protected:
  core::SharedState s;

  void SetUp() override {
    platform::SetTextLookup([](std::string_view section, std::string_view key) {
      return "[" + std::string(section) + "/" + std::string(key) + "]";
    });
    // Every element in a colour of its own, so the recorded lines tell which is which.
    for (std::size_t i = 0; i < s.colour.size(); ++i) s.colour[i] = static_cast<std::int16_t>(i + 1);
    Load("naca0012.dat");
  }
  void TearDown() override { platform::SetTextLookup(nullptr); }

  void Load(const std::string& name) {
    s.airfoilPath = testsupport::AirfoilPath(name);
    ASSERT_TRUE(files::FichierLecture(s).ok());
    core::PrepareAirfoil(s);
    s.airfoilLoaded = true;
    s.sheetingThickness = 0;
    SetView(1);
  }
  void SetView(float zoom) {
    s.zoom = zoom;
    s.originX = kOx;
    s.originY = kOy;
    s.chordTwips = s.chord * 56.7f * zoom;
  }
  void SetBlock(float le, float te, float h0, float h4) {
    s.baseMode = 1;
    s.blockLe = le;
    s.blockTe = te;
    s.blockHeight0 = h0;
    s.blockHeight4 = h4;
  }

  RecordingTarget Draw() {
    RecordingTarget t;
    core::DrawRib(s, t);
    return t;
  }

  double X(double mm, double shiftMm = 0) const { return kOx + (shiftMm + mm) * s.zoom * 56.7; }
  double Y(double mm) const { return kOy - mm * s.zoom * 56.7; }
  double Upper(int k) const { return s.chord * s.upperAt[static_cast<std::size_t>(k)]; }
  double Lower(int k) const { return s.chord * s.lowerAt[static_cast<std::size_t>(k)]; }
  static int Colour(core::Element e) { return e + 1; }

  static std::vector<RecordedLine> LinesIn(const RecordingTarget& t, core::Element e) {
    std::vector<RecordedLine> found;
    for (const RecordedLine& l : t.lines)
      if (l.colour == Colour(e)) found.push_back(l);
    return found;
  }

  void SetSpar(int i, const std::string& pos, float width, float height, float inset, int upper, int lower, int type) {
    auto k = static_cast<std::size_t>(i);
    auto& sp = s.spars;
    sp.sparPosText[k] = pos;
    sp.sparWidth[k] = width;
    sp.sparHeight[k] = height;
    sp.sparInset[k] = inset;
    sp.sparUpper[k] = static_cast<std::uint8_t>(upper);
    sp.sparLower[k] = static_cast<std::uint8_t>(lower);
    sp.sparType[k] = static_cast<std::uint8_t>(type);
  }
  void SetHole(int i, const std::string& pos, float size, float height, float offset, bool centred, bool rect) {
    auto k = static_cast<std::size_t>(i);
    auto& h = s.holes;
    h.holePosText[k] = pos;
    h.holeSize[k] = size;
    h.holeHeight[k] = height;
    h.holeOffset[k] = offset;
    h.holeCentred[k] = centred ? 1.0f : 0.0f;
    h.holeRect[k] = rect ? 1 : 0;
  }
};

void ExpectLine(const RecordedLine& l, double x1, double y1, double x2, double y2) {
  EXPECT_NEAR(l.x1, x1, kTol);
  EXPECT_NEAR(l.y1, y1, kTol);
  EXPECT_NEAR(l.x2, x2, kTol);
  EXPECT_NEAR(l.y2, y2, kTol);
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

TEST_F(RibTrace, chordLineOvershootsByOneTwipAtEveryZoomAndWithReferenceLinesFollowsTheBlock) {
  auto axis = LinesIn(Draw(), core::kElemAxe);
  ASSERT_EQ(axis.size(), 1u);
  ExpectLine(axis[0], kOx - 1, kOy, kOx + 200 * 56.7 + 1, kOy);
  SetView(2);
  ExpectLine(LinesIn(Draw(), core::kElemAxe)[0], kOx - 1, kOy, kOx + 400 * 56.7 + 1, kOy);

  // On blocks the reference lines reach the base line, their numbers just above it.
  SetView(1);
  SetBlock(20, 10, 30, 40);
  s.markCount = 1;
  auto t = Draw();
  ExpectLine(LinesIn(t, core::kElemAxe).back(), X(0, 20) - 1, kOy, X(200, 20) + 1, kOy);
  auto marks = LinesIn(t, core::kElemRep);
  ASSERT_EQ(marks.size(), 3u);
  ASSERT_EQ(t.texts.size(), 3u);
  ExpectLine(marks[1], X(100, 20), Y(Upper(200)), X(100, 20), kOy + 30 * 56.7);
  EXPECT_NEAR(t.texts[1].x, X(100, 20) + 20, kTol);
  EXPECT_NEAR(t.texts[1].y, kOy + (30 - 3.5) * 56.7, kTol);
  s.inverted = true;
  t = Draw();
  ExpectLine(LinesIn(t, core::kElemRep)[1], X(100, 20), kOy + Upper(200) * 56.7, X(100, 20), kOy - 30 * 56.7);
  EXPECT_NEAR(t.texts[1].y, kOy - (30 - 1) * 56.7, kTol);
}

TEST_F(RibTrace, edgeCutsStandAtTheirDepthsBetweenTheContours) {
  s.leadingEdgeDepth = 10;   // station 380
  s.trailingEdgeDepth = 15;  // station 30
  auto t = Draw();
  auto le = LinesIn(t, core::kElemBa), te = LinesIn(t, core::kElemBf);
  ASSERT_EQ(le.size(), 1u);
  ASSERT_EQ(te.size(), 1u);
  ExpectLine(le[0], X(10), Y(Upper(380)), X(10), Y(Lower(380)));
  ExpectLine(te[0], X(185), Y(Upper(30)), X(185), Y(Lower(30)));
  EXPECT_FLOAT_EQ(s.sheetEndStation, 380);
  EXPECT_FLOAT_EQ(s.sheetStartStation, 30);
  // Sheeting runs between the cuts, with no crossing to skip.
  s.sheetingThickness = 1.5f;
  auto sheet = LinesIn(Draw(), core::kElemCoffrage);
  ASSERT_EQ(sheet.size(), 2u * 350);
  EXPECT_EQ(s.sheetOverlap, 0);
  EXPECT_NEAR(sheet.front().x1, X(185 + 200 * s.upperDx[30]), kTol);
  EXPECT_NEAR(sheet.back().x2, X(10 + 200 * s.lowerDx[380]), kTol);

  // Without depths the leading-edge cut shrinks to the nose and the trailing one closes the outline.
  s.leadingEdgeDepth = s.trailingEdgeDepth = 0;
  t = Draw();
  ExpectLine(LinesIn(t, core::kElemBa)[0], X(0), Y(Upper(400)), X(0), Y(Lower(400)));
  ExpectLine(LinesIn(t, core::kElemBf)[0], X(200), Y(Upper(0)), X(200), Y(Lower(0)));
}

TEST_F(RibTrace, heightLabelsAndThicknessLineSitAtFixedTwipDistances) {
  s.leadingEdgeDepth = 10;
  s.trailingEdgeDepth = 15;
  s.showLeHeight = s.showTeHeight = s.showThickness = true;
  SetView(2);
  auto t = Draw();
  ASSERT_EQ(t.texts.size(), 3u);
  const auto &thickness = t.texts[0], &le = t.texts[1], &te = t.texts[2];
  double top = Y(200 * s.yMax);
  EXPECT_NEAR(thickness.x, X(200.0 / 3), kTol);
  EXPECT_NEAR(thickness.y, top - 453.6, kTol);
  EXPECT_NEAR(le.x, X(0), kTol);
  EXPECT_NEAR(le.y, top - 283.5, kTol);
  EXPECT_NEAR(te.x, X(200) - 850.5, kTol);
  EXPECT_NEAR(te.y, top - 283.5, kTol);
  EXPECT_EQ(le.text, "[MainTolbar/15] = " + core::FormatNumber(Upper(380) - Lower(380), "# ###.00"));
  EXPECT_EQ(te.text.rfind("[MainTolbar/21] = ", 0), 0u);
  EXPECT_DOUBLE_EQ(le.fontSize, 2 * 9.0);

  // The thickness line names the greatest thickness and where it lies, here at 30 % (station 280).
  ASSERT_EQ(s.maxThicknessStation, 280);
  EXPECT_EQ(thickness.text, "[FrmMainMessage/15] : " + core::FormatNumber(200 * s.maxThickness, "# ###.00") +
                                " mm [FrmMainMessage/16] 60.00 mm (30 %) [FrmMainMessage/17]");
  s.unitText = " in";
  t = Draw();
  EXPECT_EQ(t.texts[0].text.rfind("Chord thickness :", 0), 0u);
  EXPECT_NE(t.texts[0].text.find(" in at 2.362 in (30 %) from L.E. "), std::string::npos);
}

TEST_F(RibTrace, sheetingWithoutTrailingEdgePieceSkipsCrossingStationsAndClosesAtTheMidPoint) {
  s.sheetingThickness = 1.5f;
  auto sheet = LinesIn(Draw(), core::kElemCoffrage);
  int ov = s.sheetOverlap;
  // A thin trailing edge: the inner lines cross over its first stations.
  ASSERT_GT(ov, 0);
  ASSERT_LT(ov, 60);
  // Both lines from the first station where they part, up to the nose, and one closing segment.
  ASSERT_EQ(sheet.size(), 2u * static_cast<std::size_t>(400 - ov) + 1);
  auto innerUpper = [&](int k) { return Upper(k) - s.chord * s.upperDy[static_cast<std::size_t>(k)]; };
  auto innerLower = [&](int k) { return Lower(k) + s.chord * s.lowerDy[static_cast<std::size_t>(k)]; };
  EXPECT_LE(innerUpper(ov - 1), innerLower(ov - 1));
  EXPECT_GT(innerUpper(ov), innerLower(ov));
  for (int k = ov + 1; k < 390; ++k) {  // inside the contour by about the sheeting
    EXPECT_NEAR(Upper(k) - innerUpper(k), 1.5, 0.01) << k;
    EXPECT_NEAR(innerLower(k) - Lower(k), 1.5, 0.01) << k;
  }
  ExpectLine(sheet.back(), X(200.0 * (400 - ov) / 400 + 200 * s.upperDx[static_cast<std::size_t>(ov)]),
             Y(Upper(ov) - 200 * s.relSheeting), X(200), Y(200 * s.trailingEdgeMid));

  s.sheetingThickness = 0;  // no line and no closing segment
  EXPECT_TRUE(LinesIn(Draw(), core::kElemCoffrage).empty());
}

TEST_F(RibTrace, referenceLinesDivideTheChordAndEndBelowTheLowerContour) {
  s.markCount = 3;
  auto t = Draw();
  auto marks = LinesIn(t, core::kElemRep);
  ASSERT_EQ(marks.size(), 5u);
  ASSERT_EQ(t.texts.size(), 5u);
  for (std::size_t j = 0; j < 5; ++j) {
    int k = 400 - 100 * static_cast<int>(j);
    double x = X(50.0 * static_cast<double>(j)), bottom = Y(Lower(k) - 0.015 * 200);
    ExpectLine(marks[j], x, Y(Upper(k)), x, bottom);
    EXPECT_EQ(t.texts[j].text, std::to_string(j));
    EXPECT_NEAR(t.texts[j].x, x, kTol);
    EXPECT_NEAR(t.texts[j].y, bottom, kTol);
    EXPECT_DOUBLE_EQ(t.texts[j].fontSize, 7.2);
  }

  // Inverted: mirrored, and the lower end reaches a further 0.01 chord.
  s.inverted = true;
  t = Draw();
  marks = LinesIn(t, core::kElemRep);
  ExpectLine(marks[1], X(50), kOy + Upper(300) * 56.7, X(50), kOy + (Lower(300) - 0.025 * 200) * 56.7);
  EXPECT_NEAR(t.texts[1].y, marks[1].y2, kTol);
}

TEST_F(RibTrace, sparNotchFollowsTheSurfaceWithSidesSquareToItsTop) {
  s.sheetingThickness = 1.5f;
  // 25 % of 200 mm: centre 50 mm (station 300), edges at 48 and 52 mm (stations 304, 296).
  SetSpar(0, "25%", 4, 5, 0, 2, 1, 0);
  auto t = Draw();
  EXPECT_FLOAT_EQ(s.spars.sparPos[0], 50);
  auto spar = LinesIn(t, core::kElemLong);
  ASSERT_EQ(spar.size(), 8u);  // two closed notches
  ExpectLine(LinesIn(t, core::kElemAxe)[0], X(50), Y(Upper(300)), X(50), Y(Lower(300)));

  // Upper notch from the outer contour: top on the contour, sides down 5 mm square to the top.
  double yl = Upper(304), yr = Upper(296), d = (yr - yl) / 4 * 5;
  ExpectChain(spar, 0, {{X(48), Y(yl)}, {X(52), Y(yr)}, {X(52 + d), Y(yr - 5)}, {X(48 + d), Y(yl - 5)}, {X(48), Y(yl)}});

  // Lower notch from the sheeting line: 1.5 mm inside the contour, cut upwards.
  double ll = Lower(304) + 1.5, lr = Lower(296) + 1.5;
  ExpectChain(spar, 4, {{X(48), Y(ll)}, {X(52), Y(lr)}, {X(52 - (lr - ll) / 4 * 5), Y(lr + 5)}});
}

TEST_F(RibTrace, roundSparAndHangingRectangle) {
  SetSpar(0, "60", 6, 0, 2, 2, 0, 2);   // round, 2 mm under the contour
  SetSpar(1, "120", 4, 8, 3, 0, 2, 1);  // hanging from 3 mm above the lower contour
  s.spars.sparLast = 2;
  auto t = Draw();
  ASSERT_EQ(t.circles.size(), 1u);
  const auto& c = t.circles[0];
  EXPECT_NEAR(c.x, X(60), kTol);
  EXPECT_NEAR(c.y, Y(Upper(280) - 2), kTol);
  EXPECT_NEAR(c.radius, 3 * 56.7, kTol);
  EXPECT_EQ(c.colour, Colour(core::kElemLong));
  auto axis = LinesIn(t, core::kElemAxe);
  ASSERT_EQ(axis.size(), 4u);  // two spar axes, the round spar's centre line, the chord line
  ExpectLine(axis[1], X(57), c.y, X(63), c.y);

  auto rect = LinesIn(t, core::kElemLong);
  ASSERT_EQ(rect.size(), 4u);
  double top = Lower(160) + 3;
  ExpectChain(rect, 0, {{X(118), Y(top)}, {X(122), Y(top)}, {X(122), Y(top + 8)}, {X(118), Y(top + 8)}});
}

TEST_F(RibTrace, centredHolesSitOnTheMidThicknessLineOfACamberedAirfoil) {
  Load("clarky.dat");
  SetHole(0, "30%", 10, 0, 0, true, false);
  SetHole(1, "40", 8, 5, 0, false, true);  // from the trailing edge: 160 mm
  s.holes.holeFromTE[1] = 1;
  SetHole(2, "100", 12, 6, -1, true, true);
  s.holes.holeLast = 3;
  auto t = Draw();
  EXPECT_FLOAT_EQ(s.holes.holePos[1], 160);
  ASSERT_EQ(t.circles.size(), 1u);
  double mid = (Upper(280) + Lower(280)) / 2;
  EXPECT_GT(mid, 1.0);  // the camber lifts it well off the chord line
  EXPECT_NEAR(t.circles[0].x, X(60), kTol);
  EXPECT_NEAR(t.circles[0].y, Y(mid), kTol);
  EXPECT_NEAR(t.circles[0].radius, 5 * 56.7, kTol);
  EXPECT_EQ(t.circles[0].colour, Colour(core::kElemTrou));

  auto holes = LinesIn(t, core::kElemTrou);
  ASSERT_EQ(holes.size(), 8u);
  ExpectLine(holes[0], X(156), Y(-2.5), X(164), Y(-2.5));  // not centred: on the chord line
  ExpectLine(holes[2], X(164), Y(2.5), X(156), Y(2.5));
  double cy = (Upper(200) + Lower(200)) / 2 - 1;  // centred, offset -1 mm
  ExpectLine(holes[4], X(94), Y(cy - 3), X(106), Y(cy - 3));
  ExpectLine(holes[6], X(106), Y(cy + 3), X(94), Y(cy + 3));

  auto axes = LinesIn(t, core::kElemAxe);
  ASSERT_EQ(axes.size(), 6u);  // one centre line, two, two, and the chord line
  ExpectLine(axes[0], X(55), Y(mid), X(65), Y(mid));
  ExpectLine(axes[3], X(94), Y(cy), X(106), Y(cy));
  ExpectLine(axes[4], X(100), Y(cy - 3), X(100), Y(cy + 3));
}

TEST_F(RibTrace, squareLeadingEdgeStandsOnItsCorner) {
  s.leadingEdgeStyle = 0;
  s.squareLeSize = 10;
  s.squareLeX = 6;
  s.squareLeY = 0.5f;
  auto sq = LinesIn(Draw(), core::kElemBa);
  ASSERT_EQ(sq.size(), 4u);
  double h = 10 / 1.414;  // not the exact root of two
  ExpectChain(sq, 0, {{X(6), Y(0.5 + h)}, {X(6 + h), Y(0.5)}, {X(6), Y(0.5 - h)}, {X(6 - h), Y(0.5)}, {X(6), Y(0.5 + h)}});
  EXPECT_FLOAT_EQ(s.sheetEndStation, 400);
}

TEST_F(RibTrace, blockIsTurnedByTheBoardAngleCarriesTheRibAndSeatsIt) {
  SetBlock(20, 10, 30, 45);
  s.boardAngle = 5;
  s.blockTotal = 1;  // stale: the block follows the chord regardless
  auto t = Draw();
  auto block = LinesIn(t, core::kElemBloc);
  ASSERT_EQ(block.size(), 9u);
  double a = 5 * s.pi / 180, sn = std::sin(a), cs = std::cos(a), T = 230;
  double fx = kOx;  // the front point, blockLe before the leading edge: a positive angle starts the picture there
  EXPECT_FLOAT_EQ(s.blockOffset, 20);
  // Along the board, square to the front edge, to the tail at the block's end, back to the rib's trailing edge.
  double tailY = kOy + s.chord * s.upperAt[20] * 56.7;
  ExpectChain(block, 0,
              {{X(0, 20), kOy}, {fx, kOy}, {fx + 30 * sn * 56.7, kOy + 30 * cs * 56.7},
               {fx + (30 * sn + T * cs * cs) * 56.7, kOy + (30 * cs - T * cs * sn) * 56.7}, {fx + T * 56.7, tailY},
               {X(200, 20), Y(200 * s.trailingEdgeMid)}});
  // Upper side: front edge up by blockHeight4 - blockHeight0, the top line parallel to the board.
  ExpectLine(block[6], fx, kOy, fx - 15 * sn * 56.7, kOy - 15 * cs * 56.7);
  double bx = block[2].x2 - block[2].x1, by = block[2].y2 - block[2].y1;
  EXPECT_NEAR((block[7].x2 - block[7].x1) * by - (block[7].y2 - block[7].y1) * bx, 0, 1e-3);
  ExpectLine(block[8], block[7].x2, block[7].y2, fx + T * 56.7, tailY);
  EXPECT_NEAR(LinesIn(t, core::kElemBf)[0].x1, X(200, 20), kTol);  // the rib moves with the block
  const core::RibConstruction built = core::BuildRib(s);
  auto lower = core::ElementsOf(built, RibPart::BlockLower);
  ASSERT_EQ(lower.size(), 1u);
  EXPECT_DOUBLE_EQ(lower[0]->points[1].x, -20);  // the front point, at the DXF origin

  // A seat lowers the rib's support; a negative angle makes room for the lower corner.
  s.blockDepth = 4;
  s.sheetingThickness = 1.5f;
  s.boardAngle = -5;
  block = LinesIn(Draw(), core::kElemBloc);
  double room = 30 * std::sin(5 * s.pi / 180);
  EXPECT_NEAR(s.blockOffset, 20 + room, 1e-4);
  EXPECT_NEAR(block[1].x1, kOx + room * 56.7, 1e-3);
  EXPECT_NEAR(block[1].x2, kOx, 1e-3);
  // Seat 4 - 1.5 = 2.5 mm below the trailing edge, then up to it.
  double te = 200 * s.trailingEdgeMid;
  ExpectLine(block[5], X(200, 20 + room), Y(te - 2.5), X(200, 20 + room), Y(te));
}

TEST_F(RibTrace, tabsStandOnTheBoardLine) {
  s.baseMode = 11;
  s.sheetingThickness = 1.5f;
  s.tabLowerDist = 20;
  s.tabLengthText = "30";
  s.tabRearText = "10%";  // 20 mm
  s.boardAngle = -4;       // typed 4
  auto t = Draw();
  EXPECT_DOUBLE_EQ(s.tabReach, 50);
  auto tab = LinesIn(t, core::kElemBloc);
  ASSERT_EQ(tab.size(), 4u);
  auto axes = LinesIn(t, core::kElemAxe);
  ASSERT_EQ(axes.size(), 2u);
  double a = -4 * s.pi / 180, sn = std::sin(a), cs = std::cos(a);
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
  s.tabSide = 1;
  s.tabUpperDist = -25;
  tab = LinesIn(Draw(), core::kElemBloc);
  EXPECT_NEAR(tab[0].y2, Y(Upper(40) - 1.5), kTol);
  EXPECT_LT(tab[0].y1, Y(Upper(40)));
}

TEST_F(RibTrace, invertedViewMirrorsTheRibAboutTheChordLine) {
  s.sheetingThickness = 1.5f;
  s.leadingEdgeDepth = 8;
  s.trailingEdgeDepth = 12;
  s.textX = 40;
  s.textY = 10;
  s.annotationText = "clarky";
  SetSpar(0, "30%", 3, 3, 0, 1, 1, 0);
  SetHole(0, "100", 10, 0, 0, true, false);
  auto upright = Draw();
  s.inverted = true;
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
  EXPECT_NEAR(inverted.texts[0].x, X(40), kTol);
  EXPECT_NEAR(inverted.texts[0].y, Y(13), kTol);
  EXPECT_EQ(inverted.texts[0].text, "clarky");
}

TEST_F(RibTrace, eachElementIsDrawnInItsOwnStyleAndWidthAndOnlyTheOutlineHides) {
  for (std::size_t i = 0; i < s.lineWidth.size(); ++i) s.lineWidth[i] = static_cast<std::int16_t>(i + 2);
  for (std::size_t i = 0; i < s.lineStyle.size(); ++i) s.lineStyle[i] = static_cast<std::int16_t>(i % 5);
  s.sheetingThickness = 1.5f;
  s.leadingEdgeDepth = s.trailingEdgeDepth = 10;
  s.markCount = 1;
  SetSpar(0, "50", 3, 3, 0, 2, 0, 0);
  SetHole(0, "100", 8, 0, 0, true, false);
  auto t = Draw();
  const std::pair<core::Element, int> pens[] = {{core::kElemProfil, 2}, {core::kElemCoffrage, 3}, {core::kElemLong, 4},
                                                {core::kElemBa, 5},     {core::kElemBf, 6},       {core::kElemRep, 8},
                                                {core::kElemAxe, 1}};
  for (const auto& [element, width] : pens) {
    auto lines = LinesIn(t, element);
    ASSERT_FALSE(lines.empty()) << element;
    for (const auto& l : lines) {
      EXPECT_EQ(l.width, width) << element;
      EXPECT_EQ(l.style, element % 5) << element;
    }
  }
  EXPECT_EQ(t.circles[0].width, 7);  // the hole
  EXPECT_EQ(t.circles[0].style, core::kElemTrou % 5);
  EXPECT_EQ(t.DrawStyle, 0);
  EXPECT_EQ(t.DrawWidth, 1);
  EXPECT_EQ(t.ForeColor, 0);

  // Hiding the outline leaves everything else.
  auto outline = LinesIn(t, core::kElemProfil).size();
  EXPECT_EQ(outline, static_cast<std::size_t>(s.ptsCount - 1));
  s.traceShown = false;
  EXPECT_EQ(Draw().lines.size(), t.lines.size() - outline);
}

// Hand-edited project files and broken airfoils: what can be drawn is drawn, and never a non-finite value.
TEST_F(RibTrace, hostileInputsStayInBoundsAndFinite) {
  s.leadingEdgeDepth = 500;
  s.trailingEdgeDepth = -40;
  s.markCount = 255;
  for (int i = 0; i < core::kTableSlots; ++i) {
    SetSpar(i, std::to_string(100 * i + 30), 4, 3, 1, 2, 2, i % 4);
    SetHole(i, std::to_string(-50 * i - 10), 5, 5, 0, true, i % 2 == 1);
  }
  s.spars.sparLast = 255;
  s.holes.holeLast = 200;
  s.sheetingThickness = 1.5f;
  EXPECT_TRUE(AllFinite(Draw()));
  auto c = core::BuildRib(s);
  EXPECT_EQ(core::ElementsOf(c, RibPart::SparAxis).size(), 13u);
  EXPECT_EQ(core::ElementsOf(c, RibPart::ReferenceLine).size(), 257u);

  Load("naca0012.dat");
  s.chord = 0;
  s.chordTwips = 0;
  s.sheetingThickness = 1.5f;
  s.markCount = 4;
  s.showThickness = s.showLeHeight = s.showTeHeight = true;
  s.leadingEdgeDepth = 5;
  auto t = Draw();
  EXPECT_TRUE(AllFinite(t));
  EXPECT_FALSE(t.lines.empty());
  EXPECT_GT(core::BuildRib(s).droppedNonFinite, 0);
  EXPECT_TRUE(std::isfinite(s.relSheeting));

  // An outline with a hole in it: the finite parts are still drawn.
  s.chord = 200;
  s.chordTwips = 200 * 56.7f;
  s.ptsY[5] = std::nan("");
  s.upperAt[100] = std::numeric_limits<double>::infinity();
  t = Draw();
  EXPECT_TRUE(AllFinite(t));
  EXPECT_EQ(LinesIn(t, core::kElemProfil).size(), static_cast<std::size_t>(s.ptsCount - 1 - 2));
  c = core::BuildRib(s);
  EXPECT_EQ(core::ElementsOf(c, RibPart::Outline).size(), 2u);
  EXPECT_GT(c.droppedNonFinite, 0);
}

}  // namespace
