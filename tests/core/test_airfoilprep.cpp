#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "core/airfoilprep.h"
#include "support/ribsetup.h"
#include "support/testsupport.h"

namespace {

using testsupport::Points;

// A symmetric 12 % section, cosine-spaced as real files are, leading edge exactly at x = 0.
Points Symmetric(int perSurface) {
  Points pts;
  for (int i = 0; i <= perSurface; ++i) {
    double x = i == perSurface ? 0.0 : 0.5 * (1.0 + std::cos(3.141592653589793 * i / perSurface));
    pts.push_back({x, 0.6 * (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x + 0.2843 * x * x * x - 0.1036 * x * x * x * x)});
  }
  for (int i = perSurface - 1; i >= 0; --i) pts.push_back({pts[static_cast<std::size_t>(i)].first, -pts[static_cast<std::size_t>(i)].second});
  pts.front().second = pts.back().second = 0;
  return pts;
}

}  // namespace

TEST(AirfoilPrep, BothSurfacesShareTheLeadingEdgePoint) {
  core::RibDocument s;
  testsupport::LoadPoints(s.airfoil, Symmetric(30));
  core::InstallPreparedAirfoil(s);
  const std::size_t nose = s.prepared.noseIndex;
  ASSERT_GE(nose, 1u);
  // Single-precision stepping need not land on x = 0 itself, but the split point lies at
  // the nose and closes both surfaces.
  EXPECT_LT(s.prepared.outline[nose].x, 0.001);
  EXPECT_EQ(s.prepared.lower.back(), s.prepared.outline[nose]);
  EXPECT_EQ(s.prepared.lower.size(), s.prepared.outline.size() - nose);
  // A symmetric section: no camber, the greatest thickness near 30 % of the chord. The two
  // surfaces are stepped in opposite directions in single precision.
  EXPECT_NEAR(s.prepared.maxThickness, 0.12, 0.002);
  EXPECT_NEAR(s.prepared.upperAt[200], -s.prepared.lowerAt[200], 1e-7);
  EXPECT_NEAR(s.prepared.maxThicknessStation, 280, 8);
}

TEST(AirfoilPrep, HeightRuleInterpolatesAndHandlesTheEnds) {
  const std::vector<core::Point> wedge = {{1.0, 0.0}, {0.5, 0.1}, {0.0, 0.0}};
  EXPECT_DOUBLE_EQ(core::HeightAtChordFraction(wedge, 0.25), 0.05);  // u = 0.75
  EXPECT_DOUBLE_EQ(core::HeightAtChordFraction(wedge, 0.5), 0.1);    // on a point
  // Leading edge slightly off x = 0: nothing at or below u = 0 -> last point's y.
  const std::vector<core::Point> offNose = {{1.0, 0.0}, {0.5, 0.1}, {0.001, 0.02}};
  EXPECT_DOUBLE_EQ(core::HeightAtChordFraction(offNose, 1.0), 0.02);
  // The list starts below u: its first point's y.
  const std::vector<core::Point> shortTail = {{0.999, 0.01}, {0.5, 0.1}, {0.0, 0.02}};
  EXPECT_DOUBLE_EQ(core::HeightAtChordFraction(shortTail, 0.0), 0.01);
  EXPECT_DOUBLE_EQ(core::HeightAtChordFraction({}, 0.5), 0.0);
}

TEST(AirfoilPrep, SixPointInterpolationIsExactForAQuintic) {
  // Eight points of a quintic; the window of the last six reproduces it.
  std::vector<double> a, o;
  for (int k = 0; k < 8; ++k) {
    double x = 0.1 * k;
    a.push_back(x);
    o.push_back(1 + x - 2 * x * x * x + 0.5 * std::pow(x, 5));
  }
  double y = 0;
  ASSERT_TRUE(core::SixPointInterpolation(a, o, 2, 0.33, y));
  EXPECT_NEAR(y, 1 + 0.33 - 2 * std::pow(0.33, 3) + 0.5 * std::pow(0.33, 5), 1e-12);
  EXPECT_FALSE(core::SixPointInterpolation(a, o, -1, 0.33, y));  // window leaves the list
  EXPECT_FALSE(core::SixPointInterpolation(a, o, 3, 0.33, y));
  std::vector<double> flat = {0.1, 0.2, 0.2, 0.3, 0.4, 0.5};
  EXPECT_FALSE(core::SixPointInterpolation(flat, o, 0, 0.25, y));  // zero denominator
}

// A spike of 1 at x = 0.6 on an upper surface flat at 0.05 spacing. Two intervals further on
// either side the six-point curve through it rises by the spike times its Lagrange weight
// at the interval's middle, 1.40625 / 120, well within what the spike's own neighbour bends;
// with the bend of that neighbour left out of the window the interval would be drawn flat.
TEST(AirfoilPrep, ABendAnywhereInTheWindowKeepsTheCurve) {
  Points pts;
  for (int k = 0; k <= 20; ++k) pts.push_back({1 - 0.05 * k, k == 8 ? 1.0 : 0.0});
  for (int k = 1; k <= 20; ++k) pts.push_back({0.05 * k, 0.0});
  core::RibDocument s;
  testsupport::LoadPoints(s.airfoil, pts);
  core::InstallPreparedAirfoil(s);
  const double weight = 1.40625 / 120;
  EXPECT_NEAR(s.prepared.upperAt[110], weight, 1e-6);  // x = 0.725: the spike last in the window
  EXPECT_NEAR(s.prepared.upperAt[210], weight, 1e-6);  // x = 0.475: the spike first
}

// The file's highest point is sought in its first half of points (half of 5 rounded half to
// even: 2), the lowest from the last point of that half on.
TEST(AirfoilPrep, HighestAndLowestFilePointsComeFromTheirHalves) {
  const auto extremes = [](std::vector<core::Point> points) {
    core::AirfoilAsRead a;
    a.points = std::move(points);
    core::PreparedAirfoil p;
    core::FindLeadingEdge(a, p);
    return std::pair(p.yMax, p.yMin);
  };
  EXPECT_EQ(extremes({{1, 0}, {0.5, 0.05}, {0.2, 0.09}, {0.5, -0.04}, {1, 0}}), std::pair(0.05, -0.04));
  EXPECT_EQ(extremes({{1, -0.06}, {0.5, -0.03}, {0.2, -0.02}, {0.5, 0.01}, {1, 0}}), std::pair(0.0, -0.03));
}

// Five points fit no six-point window; the flat bottom makes the step in y zero near the nose.
// Two points a float's width apart stall the stepping.
TEST(AirfoilPrep, FewPointsAndFlatStretchesStayFiniteAndEnd) {
  core::RibDocument s;
  testsupport::LoadPoints(s.airfoil, {{1, 0}, {0.5, 0.06}, {0, 0}, {0.5, 0}, {1, 0}});
  core::InstallPreparedAirfoil(s);
  EXPECT_GT(s.prepared.outline.size(), 10u);
  for (const core::Point& q : s.prepared.outline) ASSERT_TRUE(std::isfinite(q.x) && std::isfinite(q.y));
  EXPECT_NEAR(s.prepared.upperAt[200], 0.06, 1e-7);
  EXPECT_NEAR(s.prepared.lowerAt[200], 0.0, 1e-7);

  // Two points closer than a single-precision step can tell apart: the stepping stalls, and
  // the interval still ends on the file's own second point.
  core::RibDocument stalled;
  Points pts = Symmetric(30);
  const std::pair<double, double> second{pts[5].first - 1e-7, pts[5].second};
  pts.insert(pts.begin() + 6, second);
  testsupport::LoadPoints(stalled.airfoil, pts);
  core::InstallPreparedAirfoil(stalled);
  const std::vector<core::Point>& outline = stalled.prepared.outline;
  EXPECT_NE(std::find(outline.begin(), outline.end(), core::Point{second.first, second.second}), outline.end());
}

// A file too dense for ten steps per interval within the 32,767-point limit is densified less
// and drawn whole: the outline still ends at the file's last point, so the lower surface
// reaches the trailing edge. Past 16,383 points even one step per interval is too many, and
// the outline is the file's own points.
TEST(AirfoilPrep, DenseFilesAreDrawnWholeAndZeroThicknessHasNoExtrema) {
  for (int n : {2000, 4000, 10000}) {
    SCOPED_TRACE(n);
    core::RibDocument s;
    Points pts;
    for (int i = 0; i < n; ++i) pts.push_back({1.0 - static_cast<double>(i) / n, 0.05 * std::sin(3.14159 * i / n)});
    pts.push_back({0.0, 0.0});
    for (int i = n - 1; i >= 0; --i) pts.push_back({1.0 - static_cast<double>(i) / n, -0.02 * std::sin(3.14159 * i / n)});
    testsupport::LoadPoints(s.airfoil, pts);
    core::InstallPreparedAirfoil(s);
    const auto& p = s.prepared;
    const int count = static_cast<int>(p.outline.size());
    ASSERT_LE(count, core::kMaxPoints);
    // As finely as the limit allows: one step more in each of the 2 n intervals would pass it.
    if (n < 10000) {
      EXPECT_GT(count + 2 * n, core::kMaxPoints);
    }
    // Single-precision stepping lands within a float's width of the trailing edge.
    EXPECT_NEAR(p.outline.back().x, 1.0, 1e-6);
    EXPECT_NEAR(p.lower.front().x, 1.0, 1e-6);
    EXPECT_NEAR(p.outline[p.noseIndex].x, 0.0, 2e-4);  // the wedge nose rounded
    // Half way along the chord: 0.05 above and 0.02 below it.
    EXPECT_NEAR(p.upperAt[200], 0.05, 1e-5);
    EXPECT_NEAR(p.lowerAt[200], -0.02, 1e-5);
    if (n == 10000) {
      EXPECT_EQ(p.outline, s.airfoil.points);
    }
  }

  core::RibDocument flat;
  core::ThicknessAndCamberExtrema(flat.prepared);
  EXPECT_EQ(flat.prepared.maxThicknessStation, -1);
  EXPECT_EQ(flat.prepared.maxCamberStation, -1);
}

// A new airfoil is seen from the start: the view returns to its origin and leaves the
// comparison and thickness-and-camber views, whose pending change belonged to the old one.
TEST(AirfoilPrep, ANewAirfoilLeavesTheSpecialViewsAndReturnsToTheOrigin) {
  core::RibDocument s;
  testsupport::LoadPoints(s.airfoil, Symmetric(30));
  s.view.hScroll = 4;
  s.view.vScroll = -2;
  s.view.compareShown = s.view.thicknessCamberShown = true;
  s.rib.reshape.newThickness = 0.15;
  s.rib.reshape.newCamber = 0.02;
  s.view.zoom = 2;
  core::InstallPreparedAirfoil(s);
  EXPECT_FALSE(s.view.hScroll || s.view.vScroll || s.view.compareShown || s.view.thicknessCamberShown);
  EXPECT_FALSE(s.rib.reshape.newThickness || s.rib.reshape.newCamber);
  EXPECT_EQ(s.view.zoom, 2);  // the zoom is the user's choice and stays
}
