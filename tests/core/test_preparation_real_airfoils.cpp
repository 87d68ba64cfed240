// The preparation on real and hand-made sections: station heights worked out apart from the
// code (by hand from the generating parabola, or by a separate model of the densification),
// the leading-edge search, and sections whose six-point windows are not single-valued.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/airfoilprep.h"
#include "files/airfoilfile.h"
#include "support/dxfsummary.h"
#include "support/ribsetup.h"
#include "support/testsupport.h"

namespace {

using testsupport::Points;

// 23 points: y = 0.2 x (1 - x) over the upper surface and -0.1 x (1 - x) under it from
// x = 0.3 aft, every tenth of the chord, with a rounded nose of seven points between.
Points HandMadeSection() {
  Points p;
  for (int k = 0; k <= 7; ++k) {
    double x = 1 - k / 10.0;
    p.push_back({x, 0.2 * x * (1 - x)});
  }
  for (auto nose : Points{{0.15, 0.031}, {0.06, 0.022}, {0.015, 0.011}, {0.0, 0.0},
                          {0.015, -0.007}, {0.06, -0.012}, {0.15, -0.016}})
    p.push_back(nose);
  for (int k = 3; k <= 10; ++k) {
    double x = k / 10.0;
    p.push_back({x, -0.1 * x * (1 - x)});
  }
  return p;
}

// A coarse 24-point undercambered section: the lower surface dips to -0.019 and turns back
// up above the chord line, so the y values of its nose windows repeat.
Points CoarseUndercamberedSection() {
  return {{1.0, 0.0},      {0.85, 0.03},     {0.7, 0.055},    {0.55, 0.072},   {0.4, 0.08},     {0.3, 0.078},
          {0.2, 0.07},     {0.12, 0.057},    {0.06, 0.042},   {0.025, 0.027},  {0.008, 0.014},  {0.0, 0.0},
          {0.008, -0.010}, {0.025, -0.016},  {0.06, -0.019},  {0.12, -0.017},  {0.2, -0.010},   {0.3, -0.002},
          {0.4, 0.004},    {0.55, 0.008},    {0.7, 0.008},    {0.85, 0.005},   {0.95, 0.002},   {1.0, 0.0}};
}

// The document an airfoil of these points prepares into.
core::RibDocument PreparedFrom(const Points& points) {
  core::RibDocument s;
  testsupport::LoadPoints(s.airfoil, points);
  core::InstallPreparedAirfoil(s);
  return s;
}

struct Station {
  int j;
  double upper, lower;
};

void ExpectStations(const core::RibDocument& s, const std::vector<Station>& expected, double tol) {
  for (const Station& e : expected) {
    EXPECT_NEAR(s.prepared.upperAt[static_cast<std::size_t>(e.j)], e.upper, tol) << "station " << e.j;
    EXPECT_NEAR(s.prepared.lowerAt[static_cast<std::size_t>(e.j)], e.lower, tol) << "station " << e.j;
  }
}

// Distance from (x, y) to the nearest of the straight lines between consecutive file points.
double DistanceToFilePolyline(const core::AirfoilAsRead& a, double x, double y) {
  double nearest = 1e300;
  for (std::size_t k = 1; k < a.points.size(); ++k) {
    const double ax = a.points[k - 1].x, ay = a.points[k - 1].y, dx = a.points[k].x - ax, dy = a.points[k].y - ay;
    const double lengthSquared = dx * dx + dy * dy;
    const double along = lengthSquared > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / lengthSquared, 0.0, 1.0) : 0.0;
    nearest = std::min(nearest, std::hypot(ax + along * dx - x, ay + along * dy - y));
  }
  return nearest;
}

// The prepared outline, and the stations along the span each surface covers, within 1.5 % of
// the chord of the straight lines between the file's points.
void ExpectNearItsOwnPoints(const core::RibDocument& s) {
  const core::AirfoilAsRead& a = s.airfoil;
  const core::PreparedAirfoil& p = s.prepared;
  double xMin = 1e300, xMax = -1e300;
  for (const core::Point& q : a.points) xMin = std::min(xMin, q.x), xMax = std::max(xMax, q.x);
  const double allowed = 0.015 * (xMax - xMin);
  for (std::size_t i = 0; i < p.outline.size(); ++i)
    ASSERT_LE(DistanceToFilePolyline(a, p.outline[i].x, p.outline[i].y), allowed) << "outline point " << i;
  const double nose = p.outline[p.noseIndex].x;
  for (std::size_t j = 1; j < 400; ++j) {
    if (1 - static_cast<double>(j) / 400 < nose) continue;
    ASSERT_LE(DistanceToFilePolyline(a, 1 - static_cast<double>(j) / 400, p.upperAt[j]), allowed) << "upper station " << j;
    ASSERT_LE(DistanceToFilePolyline(a, 1 - static_cast<double>(j) / 400, p.lowerAt[j]), allowed) << "lower station " << j;
  }
}

}  // namespace

// A smooth curve through a file's points strays from the straight lines between them by well
// under 1 % of the chord; the prepared rib by 1.5 % at most: four sparse real files whose
// curves once swung far from their points (e49 by 30 % in a spike on the lower surface,
// b707b's tail into a loop, raf89 and goe300 ahead of the nose), and every starter airfoil
// (prisenaca's curve once bulged 1.9 % ahead of its straight front).
TEST(Preparation, EveryPreparedSurfaceStaysNearItsFilesPoints) {
  std::vector<std::string> paths;
  for (const char* name : {"e49.dat", "b707b.dat", "raf89.dat", "goe300.dat"})
    paths.push_back(testsupport::DataPath(std::string("airfoils/") + name));
  for (const auto& entry : std::filesystem::directory_iterator(std::string(VANDRELL_SOURCE_DIR) + "/airfoils"))
    paths.push_back(entry.path().string());
  int measured = 0;
  for (const std::string& path : paths) {
    SCOPED_TRACE(path);
    core::RibDocument s;
    s.airfoil.path = path;
    if (!files::ReadAirfoilInto(s.airfoil).ok()) continue;
    core::InstallPreparedAirfoil(s);
    ++measured;
    ExpectNearItsOwnPoints(s);
    // Both surfaces end at the trailing edge's station 0; the greatest thickness lies within
    // the file's own height.
    const core::PreparedAirfoil& p = s.prepared;
    EXPECT_EQ(p.upperAt[0], 0.0);
    EXPECT_EQ(p.lowerAt[0], 0.0);
    EXPECT_LE(p.maxThickness, p.yMax - p.yMin + 1e-3);
    EXPECT_GE(p.maxThickness, 0.8 * (p.yMax - p.yMin) - 0.02);
    if (path.ends_with("/e387.dat")) {  // 61 points densify into about 600
      EXPECT_GT(p.outline.size(), 560u);
      EXPECT_LT(p.outline.size(), 660u);
    }
  }
  EXPECT_EQ(measured, 19);
}

// Near the trailing edge the six-point windows lie on one surface's parabola, so the
// densified points lie on it too: station 4 (x = 0.99) is 0.2 * 0.99 * 0.01 = 0.00198, and
// station 2 halfway to the trailing edge is the chord of the parabola, 0.00099. The nose
// stations come from a separate model of the densification.
TEST(Preparation, HandMadeSectionStationsFollowItsParabolasAndItsNose) {
  const core::RibDocument s = PreparedFrom(HandMadeSection());
  EXPECT_EQ(s.prepared.outline.size(), 236u);
  ExpectStations(s,
                 {{2, 0.00099, -0.000495},
                  {4, 0.00198, -0.00099},
                  {40, 0.018, -0.009},
                  {100, 0.0375, -0.01875},
                  {200, 0.05, -0.025},
                  {280, 0.042, -0.021}},
                 3e-8);
  ExpectStations(s,
                 {{340, 0.0309999995, -0.0160000008},
                  {380, 0.0204195765, -0.0113281271},
                  {392, 0.0130681493, -0.0081318659},
                  {396, 0.0086730284, -0.0057721175},
                  {399, 0.0038757679, -0.0026075477},
                  {400, 0.0, 0.0}},
                 1e-9);
  // x falls from 0.000237 to 0 over the last two points of the upper surface without a
  // new strict minimum between them: the split is still the file's nose point.
  ASSERT_EQ(s.prepared.noseIndex, 118u);
  EXPECT_EQ(s.prepared.outline[118], (core::Point{0.0, 0.0}));
}

// Stations of files of the starter set near both ends of the outline and at the nose, from
// a separate model of the densification. The nose station is the leading-edge point on both
// surfaces: clarky's, naca2412's and goe100's noses bulge ahead of x = 0 (to -0.000069,
// -0.000012 and -0.000206), below, above and above the chord line. s1223's nose window
// reaches round onto the lower surface, goe100's lower surface is flat into the nose, and
// prisenaca's nose lies at x = 0.166 past the middle of its list.
TEST(Preparation, RealAirfoilStations) {
  const std::pair<const char*, std::vector<Station>> files[] = {
      {"clarky.dat",
       {{1, 0.001191872, -0.000691106},
        {3, 0.002376817, -0.000874764},
        {150, 0.072539559, -0.014371513},
        {397, 0.013166918, -0.013867624},
        {400, -0.001401000, -0.001401000}}},
      {"s1223.dat",
       {{2, 0.004184489, 0.003232897},
        {10, 0.020278921, 0.014508015},
        {200, 0.121957548, 0.051423876},
        {398, 0.019798313, -0.012580038},
        {399, 0.013452680, -0.004703486},
        {400, 0.001780000, 0.001780000}}},
      {"naca2412.dat",  // 35 points: the last windows reach 0.7 of the chord
       {{85, 0.039413162, -0.015820730},
        {300, 0.076700004, -0.042200001},
        {399, 0.010117781, -0.006916338},
        {400, 0.002150000, 0.002150000}}},
      {"goe100.dat", {{390, 0.021301489, -0.008600049}, {395, 0.011552680, -0.005041673}, {400, 0.001149001, 0.001149001}}},
      {"prisenaca.dat", {{300, 0.030449999, -0.030449999}, {360, 0.0, 0.0}}},
  };
  for (const auto& [name, stations] : files) {
    SCOPED_TRACE(name);
    ExpectStations(dxftest::Rib(testsupport::AirfoilPath(name)), stations, 2e-9);
  }
}

// A symmetric file prepares with both surfaces at opposite heights at every station and the
// nose on the chord line, so it has no camber at all, although the densification steps its two
// surfaces differently. The shipped naca0012: thickness 2 x 0.6 (0.2969 sqrt x - 0.126 x -
// 0.3516 x^2 + 0.2843 x^3 - 0.1015 x^4) = 0.120034 at x = 0.3. A hand-made biconvex section
// of 23 unevenly spaced points, y = +-0.2 x (1 - x): 0.048 at x = 0.6, 0.042 at x = 0.3. A
// section one point of which is 0.1 mm off (on a metre chord) is cambered; 0.005 mm off is not.
TEST(Preparation, SymmetricSectionsHaveNoCamber) {
  Points biconvex;
  for (double x : {1.0, 0.9, 0.75, 0.6, 0.45, 0.3, 0.2, 0.12, 0.06, 0.025, 0.008}) biconvex.push_back({x, 0.2 * x * (1 - x)});
  biconvex.push_back({0, 0});
  for (std::size_t i = biconvex.size() - 1; i-- > 0;) biconvex.push_back({biconvex[i].first, -biconvex[i].second});
  ASSERT_EQ(biconvex.size(), 23u);
  ASSERT_EQ(biconvex[18].first, 0.45);
  Points nudged = biconvex, cambered = biconvex;
  nudged[18].second += 5e-6;
  cambered[18].second += 1e-4;

  struct Case {
    const char* what;
    Points points;
    std::vector<Station> stations;
  };
  const Case symmetric[] = {{"naca0012", {}, {{280, 0.060017, -0.060017}}},
                            {"biconvex", biconvex, {{160, 0.048, -0.048}, {280, 0.042, -0.042}}},
                            {"biconvex 0.005 mm off", nudged, {{160, 0.048, -0.048}}}};
  for (const Case& c : symmetric) {
    SCOPED_TRACE(c.what);
    const core::RibDocument s =
        c.points.empty() ? dxftest::Rib(testsupport::AirfoilPath("naca0012.dat")) : PreparedFrom(c.points);
    for (std::size_t j = 0; j <= 400; ++j) ASSERT_EQ(s.prepared.upperAt[j], -s.prepared.lowerAt[j]) << j;
    EXPECT_EQ(s.prepared.upperAt[400], 0.0);
    EXPECT_EQ(s.prepared.maxCamber, 0.0);
    EXPECT_EQ(s.prepared.maxCamberStation, -1);
    ExpectStations(s, c.stations, 1e-5);
  }

  core::RibDocument s = PreparedFrom(cambered);
  // The lower surface raised by 0.0001 at x = 0.45 (station 220): a mean line 0.00005 high.
  EXPECT_NEAR(s.prepared.maxCamber, 5e-5, 1e-6);
  EXPECT_NEAR(s.prepared.maxCamberStation, 220, 2);
  // Mirrored heights at another x: 0.0495 below the chord at x = 0.46, where the upper
  // surface is 0.04968 above it.
  Points shifted = biconvex;
  shifted[18].first = 0.46;
  EXPECT_GT(PreparedFrom(shifted).prepared.maxCamber, 5e-5);
}

TEST(Preparation, NoPointAheadOfTheNose) {
  const core::RibDocument s = PreparedFrom(CoarseUndercamberedSection());
  ExpectNearItsOwnPoints(s);
  double smallest = 1;
  for (const core::Point& q : s.prepared.outline) smallest = std::min(smallest, q.x);
  // The file's nose (0, 0), up to the single-precision stepping.
  EXPECT_GE(smallest, 0.0);
  EXPECT_NEAR(smallest, 0.0, 1e-8);
  EXPECT_EQ(s.prepared.outline[s.prepared.noseIndex].x, smallest);
  EXPECT_NEAR(s.prepared.outline[s.prepared.noseIndex].y, 0.0, 1e-8);
  EXPECT_NEAR(s.prepared.upperAt[400], 0.0, 1e-8);
  EXPECT_NEAR(s.prepared.lowerAt[400], 0.0, 1e-8);

  // One x typed wrong (0.8001 for 0.7): two points a ten-thousandth apart with 0.01 between
  // their heights make the polynomials of the windows around them swing by whole chords.
  Points mistyped = HandMadeSection();
  mistyped[3].first = 0.8001;
  ExpectNearItsOwnPoints(PreparedFrom(mistyped));
}

// The leading edge is the first point of smallest x over the whole outline, whatever x does
// on the way there.
TEST(Preparation, LeadingEdgeIsTheFirstSmallestXAnywhere) {
  Points longUpper;  // 100 points down to the nose, 10 back: the nose lies past the middle
  for (int i = 0; i < 100; ++i) longUpper.push_back({1 - i / 99.0, 0});
  for (int i = 1; i <= 10; ++i) longUpper.push_back({i / 10.0, 0});
  struct Case {
    const char* what;
    std::vector<double> x;
    std::size_t nose;  // counted from 0
  };
  std::vector<Case> cases = {
      {"an x repeated before the nose", {1, 0.6, 0.3, 0.3, 0.1, 0, 0.2, 1}, 5},
      {"a bulge before the nose", {1, 0.5, 0.2, 0.25, 0.1, 0, 0.5, 1}, 5},
      {"two points at the smallest x", {1, 0.5, 0, 0, 0.5, 1}, 2},
      {"a point ahead of the nose on the lower surface", {1, 0.5, 0, 0.1, -0.01, 0.5, 1}, 4},
      {"the nose past the middle of the list", {}, 99},
  };
  for (const auto& [x, y] : longUpper) cases.back().x.push_back(x);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    core::RibDocument s;
    for (double x : c.x) s.prepared.outline.push_back({x, 0});
    core::FindLeadingEdge(s.airfoil, s.prepared);
    EXPECT_EQ(s.prepared.noseIndex, c.nose);
  }
}
