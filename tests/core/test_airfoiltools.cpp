// The airfoil tools' arithmetic: thickness and camber change, inclined and oblique ribs, the
// dihedral calculator and the rib sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/airfoiltools.h"
#include "support/dxfsummary.h"
#include "support/testsupport.h"

namespace {

using core::ThicknessCamberCheck;

// Station k at x = 1 - k/400: thickness 0.12 x 4x(1-x) and camber 0.04 x 4x(1-x), both
// greatest (0.12, 0.04) at mid-chord, station 200.
core::PreparedAirfoil Parabolic(double thickness = 0.12, double camber = 0.04) {
  core::PreparedAirfoil p;
  for (std::size_t k = 0; k < core::kStations; ++k) {
    const double x = 1 - static_cast<double>(k) / 400, shape = 4 * x * (1 - x);
    p.upperAt[k] = camber * shape + thickness * shape / 2;
    p.lowerAt[k] = camber * shape - thickness * shape / 2;
  }
  p.maxThickness = thickness;
  p.maxCamber = camber;
  return p;
}

core::PreparedAirfoil Prepared(const std::string& file) { return dxftest::Rib(testsupport::AirfoilPath(file)).prepared; }

double MostOf(const core::StationTable& up, const core::StationTable& low, bool thickness) {
  double most = -1;
  for (std::size_t k = 0; k < core::kStations; ++k)
    most = std::max(most, thickness ? up[k] - low[k] : (up[k] + low[k]) / 2);
  return most;
}

// The parabolic section of any thickness and camber is the same shape scaled: the tool must
// give that section station for station, the asked values themselves giving the airfoil back.
TEST(ThicknessCamber, ScalesThicknessAndMeanLineApart) {
  const core::PreparedAirfoil p = Parabolic();
  for (const auto& [thickness, camber] : {std::pair{12.0, 4.0}, {6.0, 2.0}, {10.0, 0.0}, {3.0, 7.0}}) {
    SCOPED_TRACE(thickness);
    const core::ThicknessCamberResult r = core::ChangeThicknessCamber(p, thickness, camber);
    ASSERT_EQ(r.check, ThicknessCamberCheck::Ok);
    EXPECT_FALSE(r.camberKeptAtZero);
    EXPECT_DOUBLE_EQ(r.newThickness, thickness / 100);
    EXPECT_DOUBLE_EQ(r.newCamber, camber / 100);
    const core::PreparedAirfoil want = Parabolic(thickness / 100, camber / 100);
    for (std::size_t k = 0; k < core::kStations; ++k) {
      EXPECT_NEAR(r.upperAt[k], want.upperAt[k], 1e-15) << k;
      EXPECT_NEAR(r.lowerAt[k], want.lowerAt[k], 1e-15) << k;
    }
  }
}

// Clarky, whose thickness and camber peak at different stations, reaches both extremes asked;
// with no camber it becomes symmetrical. Both surfaces meet at the nose, listed once in the file.
TEST(ThicknessCamber, RealAirfoilReachesTheRequestedExtremes) {
  const core::PreparedAirfoil clarky = Prepared("clarky.dat");
  for (const auto& [thickness, camber] : {std::pair{14.0, 2.0}, {10.0, 0.0}}) {
    const core::ThicknessCamberResult r = core::ChangeThicknessCamber(clarky, thickness, camber);
    ASSERT_EQ(r.check, ThicknessCamberCheck::Ok);
    EXPECT_NEAR(MostOf(r.upperAt, r.lowerAt, true), thickness / 100, 1e-12);
    EXPECT_NEAR(MostOf(r.upperAt, r.lowerAt, false), camber / 100, 1e-12);
    EXPECT_EQ(r.upperAt[400], r.lowerAt[400]);
    for (std::size_t k = 0; camber == 0 && k < core::kStations; ++k) EXPECT_NEAR(r.upperAt[k], -r.lowerAt[k], 1e-15) << k;
  }
}

// The shipped naca0012: no camber to scale, so none is added, not even at the nose.
TEST(ThicknessCamber, SymmetricalAirfoilKeepsAZeroMeanLine) {
  const core::PreparedAirfoil symmetrical = Prepared("naca0012.dat");
  const core::ThicknessCamberResult r = core::ChangeThicknessCamber(symmetrical, 9, 2);
  ASSERT_EQ(r.check, ThicknessCamberCheck::Ok);
  EXPECT_TRUE(r.camberKeptAtZero);
  EXPECT_EQ(r.newCamber, 0);
  for (std::size_t k = 0; k < core::kStations; ++k) EXPECT_EQ(r.upperAt[k], -r.lowerAt[k]) << k;
  EXPECT_EQ(r.upperAt[400], 0);
  EXPECT_NEAR(MostOf(r.upperAt, r.lowerAt, true), 0.09, 1e-15);
  // Asking for no camber is no request to refuse.
  EXPECT_FALSE(core::ChangeThicknessCamber(symmetrical, 9, 0).camberKeptAtZero);
}

TEST(ThicknessCamber, RefusalsInTheirOrder) {
  const core::PreparedAirfoil p = Parabolic();
  // The camber is looked at first, whatever the thickness.
  EXPECT_EQ(core::ChangeThicknessCamber(p, 0, 99.5).check, ThicknessCamberCheck::CamberTooLarge);
  EXPECT_EQ(core::ChangeThicknessCamber(p, 0, 99).check, ThicknessCamberCheck::ThicknessZero);
  EXPECT_EQ(core::ChangeThicknessCamber(p, 100.01, 2).check, ThicknessCamberCheck::ThicknessTooLarge);
  EXPECT_EQ(core::ChangeThicknessCamber(p, 100, 2).check, ThicknessCamberCheck::Ok);
  EXPECT_EQ(core::ChangeThicknessCamber(Parabolic(0, 0), 10, 0).check, ThicknessCamberCheck::FlatAirfoil);
}

TEST(SlantedRibs, SixtyDegreesDoubleEveryOrdinate) {
  EXPECT_NEAR(core::InclinationFactor(60), 2, 1e-15);
  const std::vector<core::Point> points{{1, 0.00126}, {0.5, 0.06}, {1, -0.03}};
  const std::vector<core::Point> scaled = core::ScaledOrdinates(points, core::InclinationFactor(60));
  ASSERT_EQ(scaled.size(), 3u);
  EXPECT_NEAR(scaled[0].y, 0.00252, 1e-17);
  EXPECT_EQ(scaled[1].x, 0.5);
  EXPECT_NEAR(scaled[2].y, -0.06, 1e-16);
  EXPECT_EQ(core::CheckInclination(0), core::AngleCheck::Missing);
  EXPECT_EQ(core::CheckInclination(89.99), core::AngleCheck::Ok);
  EXPECT_EQ(core::CheckInclination(90), core::AngleCheck::TooLarge);
}

TEST(SlantedRibs, ObliqueLengthsAtThirtyDegrees) {
  // sin 30 = 1/2: the square length is half the oblique one.
  core::ObliqueRib given = core::ComputeObliqueRib(0, 200, 30);
  ASSERT_EQ(given.check, core::ObliqueCheck::Ok);
  EXPECT_NEAR(given.squareMm, 100, 1e-12);
  EXPECT_NEAR(given.ordinateFactor, 2, 1e-12);
  given = core::ComputeObliqueRib(1, 100, 30);
  EXPECT_NEAR(given.obliqueMm, 200, 1e-12);
  EXPECT_NEAR(given.ordinateFactor, 0.5, 1e-15);
  EXPECT_EQ(core::ComputeObliqueRib(0, 0, 30).check, core::ObliqueCheck::LengthMissing);
  EXPECT_EQ(core::ComputeObliqueRib(1, 50, 0).check, core::ObliqueCheck::AngleMissing);
  EXPECT_EQ(core::ComputeObliqueRib(1, 50, 90).check, core::ObliqueCheck::AngleTooLarge);
}

TEST(Dihedral, RiseThenAngleGivesTheAngleBack) {
  // 500 tan 5° = 43.744331762962
  const double rise = core::DihedralRise(500, 5);
  EXPECT_NEAR(rise, 43.744331762962, 1e-9);
  EXPECT_NEAR(core::DihedralAngle(rise, 500), 5, 1e-12);
  EXPECT_NEAR(core::DihedralSpan(rise, 5), 500, 1e-9);
  // A 45° panel rises as far as it reaches.
  EXPECT_NEAR(core::DihedralAngle(120, 120), 45, 1e-12);
}

TEST(RibSheet, TwoHundredToOneHundredInFourIntermediateRibs) {
  core::RibSheetInput in;
  in.rootChord = 200;
  in.tipChord = 100;
  in.ribCountText = "4";
  in.span = 500;
  in.material = 2;
  const core::RibSheet s = core::ComputeRibSheet(in);
  ASSERT_EQ(s.check, core::RibSheetCheck::Ok);
  ASSERT_EQ(s.rows.size(), 6u);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(s.rows[static_cast<std::size_t>(i)].number, i + 1);
    EXPECT_NEAR(s.rows[static_cast<std::size_t>(i)].chord, 200 - 20 * i, 1e-12);
  }
  // (500 - 6 x 2) / 5
  EXPECT_NEAR(s.freeSpacing, 97.6, 1e-12);
  EXPECT_FALSE(s.hasSecondValue);
  EXPECT_EQ(core::RibSheetRowTexts(s.rows[1], false, " mm"), (std::vector<std::string>{"2", "180"}));
  EXPECT_EQ(core::RibSheetRowTexts(s.rows[0], false, " in"), (std::vector<std::string>{"1", "7.87"}));
}

TEST(RibSheet, SecondValueSpacingAndChecks) {
  core::RibSheetInput in;
  in.rootChord = 150;
  in.tipChord = 150;
  in.ribCountText = "2.9";  // whole ribs only
  in.secondAtRoot = 12;
  in.secondAtTip = 6;
  in.material = 3;  // no span: no spacing to give
  core::RibSheet s = core::ComputeRibSheet(in);
  ASSERT_EQ(s.check, core::RibSheetCheck::Ok);
  EXPECT_EQ(s.intermediateRibs, 2);
  EXPECT_TRUE(s.hasSecondValue);
  EXPECT_NEAR(s.rows[1].second, 10, 1e-12);
  EXPECT_NEAR(s.rows[3].second, 6, 1e-12);
  EXPECT_EQ(s.freeSpacing, 0);

  EXPECT_FALSE(s.countLimited);
  in.ribCountText = "40000";  // rib numbers stay 16-bit
  EXPECT_EQ(core::ComputeRibSheet(in).intermediateRibs, 32765);
  EXPECT_TRUE(core::ComputeRibSheet(in).countLimited);
  in.ribCountText = " ";
  EXPECT_EQ(core::ComputeRibSheet(in).check, core::RibSheetCheck::CountMissing);
  in.tipChord = 151;
  EXPECT_EQ(core::ComputeRibSheet(in).check, core::RibSheetCheck::TipLarger);
  in.tipChord = 0;
  EXPECT_EQ(core::ComputeRibSheet(in).check, core::RibSheetCheck::TipZero);
  in.rootChord = 0;
  EXPECT_EQ(core::ComputeRibSheet(in).check, core::RibSheetCheck::RootZero);
}

// Ribs of 2 mm over a 500 mm span: 250 of them (248 between root and tip) fill it exactly;
// one more leaves (500 - 251 x 2) / 250 = -0.008 mm between them; 99999 asked become 32765
// at (500 - 32767 x 2) / 32766 = -1.98480 mm. Below 4 mm of span not even the root and tip
// ribs fit. Three ribs of 0.1 fill 0.3, although 3 x 0.1 exceeds 0.3 in binary.
TEST(RibSheet, RibsThatDoNotFitTheSpanAreCounted) {
  core::RibSheetInput in;
  in.rootChord = 200;
  in.tipChord = 100;
  struct Case {
    const char* count;
    double span, material;
    double freeSpacing;
    int ribsThatFit;
  };
  const Case cases[] = {{"248", 500, 2, 0, 248},  {"249", 500, 2, -0.008, 248}, {"99999", 500, 2, -1.98480131844, 248},
                        {"0", 3, 2, -1, -1},      {"1", 0.3, 0.1, 0, 1},       {"5", 500, 0, 500.0 / 6, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    in.ribCountText = c.count;
    in.span = c.span;
    in.material = c.material;
    const core::RibSheet s = core::ComputeRibSheet(in);
    ASSERT_EQ(s.check, core::RibSheetCheck::Ok);
    EXPECT_NEAR(s.freeSpacing, c.freeSpacing, 1e-10);
    EXPECT_EQ(s.freeSpacing < 0, c.freeSpacing < 0);  // an exact fit is no overlap
    EXPECT_EQ(s.ribsThatFit, c.ribsThatFit);
  }
}

}  // namespace
