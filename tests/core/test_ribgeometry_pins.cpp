// The rib's geometry in millimetres against values worked out apart from the code: spar cuts
// on a known airfoil, and the sheeting's inner lines over station tables chosen by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/ribconstruction.h"
#include "support/dxfsummary.h"
#include "support/ribsetup.h"
#include "support/testsupport.h"

using core::PointMm;
using core::RibPart;

namespace {

constexpr double kPinTol = 1e-6;  // mm

// NACA 0012 at 200 mm, heights of the upper contour from a separate model of the
// preparation (the section's formula gives 11.8262 mm at 24 %, the file's points 11.8261).
constexpr double kUpper280 = 12.003241388;  // 60 mm from the leading edge
constexpr double kUpper296 = 11.927188523;  // 52 mm
constexpr double kUpper304 = 11.826076533;  // 48 mm
constexpr double kLower280 = -12.003241387;

// At the defaults: 200 mm chord, 1.5 mm sheeting.
core::RibDocument Naca0012() { return dxftest::Rib(testsupport::AirfoilPath("naca0012.dat")); }

void ExpectPoints(const std::vector<PointMm>& got, const std::vector<PointMm>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_NEAR(got[i].x, want[i].x, kPinTol) << "vertex " << i;
    EXPECT_NEAR(got[i].y, want[i].y, kPinTol) << "vertex " << i;
  }
}

}  // namespace

// The commonest spar: a 4 x 5 mm notch at 25 % cut from under 1.5 mm of sheeting. Its top
// joins the sheeting line at 48 and 52 mm; the sides go 5 mm in, square to the top. The
// section is symmetric: the lower notch is the upper one mirrored, cut upwards.
TEST(RibGeometry, NotchesUnderTheSheetingOnBothSurfaces) {
  core::RibDocument s = Naca0012();
  testsupport::SetSpar(s, 0, "25%", 4, 5, 0, 1, 1, 0);
  const core::RibConstruction c = core::BuildRib(s);
  auto notch = core::ElementsOf(c, RibPart::SparNotch);
  ASSERT_EQ(notch.size(), 2u);
  if (notch[0]->lowerSide) std::swap(notch[0], notch[1]);
  EXPECT_FALSE(notch[0]->lowerSide);
  EXPECT_TRUE(notch[1]->lowerSide);
  EXPECT_TRUE(notch[0]->closed);
  const double yl = kUpper304 - 1.5, yr = kUpper296 - 1.5;
  const double along = (yr - yl) / 4 * 5;  // 0.126390 mm
  ExpectPoints(notch[0]->points, {{48, yl}, {52, yr}, {52 + along, yr - 5}, {48 + along, yl - 5}});
  ExpectPoints(notch[1]->points, {{48, -yl}, {52, -yr}, {52 + along, 5 - yr}, {48 + along, 5 - yl}});
}

// A round spar sits its inset plus its height inside the reference line, on either surface.
TEST(RibGeometry, RoundSparWithAHeight) {
  core::RibDocument s = Naca0012();
  testsupport::SetSpar(s, 0, "60", 6, 3, 2, 2, 1, 2);  // upper from the contour, lower from the sheeting
  const core::RibConstruction c = core::BuildRib(s);
  auto circles = core::ElementsOf(c, RibPart::SparRound);
  ASSERT_EQ(circles.size(), 2u);
  ExpectPoints(circles[0]->points, {{60, kUpper280 - 2 - 3}});
  EXPECT_NEAR(circles[0]->radiusMm, 3, kPinTol);
  EXPECT_TRUE(circles[1]->lowerSide);
  ExpectPoints(circles[1]->points, {{60, kLower280 + 1.5 + 2 + 3}});
  auto centres = core::ElementsOf(c, RibPart::SparCentreLine);
  ASSERT_EQ(centres.size(), 2u);
  ExpectPoints(centres[0]->points, {{57, kUpper280 - 5}, {63, kUpper280 - 5}});
}

// An empty slot, whatever its position text, ends the table even with spars after it.
TEST(RibGeometry, SparTableEndsAtTheFirstSlotOfPositionZero) {
  for (const char* empty : {"", "0", "0%"}) {
    SCOPED_TRACE(std::string("slot 1: \"") + empty + "\"");
    core::RibDocument s = Naca0012();
    testsupport::SetSpar(s, 0, "50", 4, 4, 0, 2, 0, 0);
    testsupport::SetSpar(s, 1, empty, 4, 4, 0, 2, 0, 0);
    testsupport::SetSpar(s, 2, "100", 4, 4, 0, 2, 2, 0);
    s.rib.spars.last = 2;
    const core::RibConstruction c = core::BuildRib(s);
    ASSERT_EQ(core::ElementsOf(c, RibPart::SparAxis).size(), 1u);
    auto notches = core::ElementsOf(c, RibPart::SparNotch);
    ASSERT_EQ(notches.size(), 1u);
    EXPECT_EQ(notches[0]->index, 0);
  }
}

// Station tables chosen by hand: the upper surface rises 0.0005 chord per station to a ridge
// at station 200 and falls again, the lower one mirrors it at half the slope. Every station
// then has the same offsets; with 1.5 mm on 200 mm and the angle's degrees taken as radians:
//   upper: a = atan(0.0005) * 180 / pi = 0.0286479 -> dx = 1.5 sin a = 0.0429660, dy = 1.5 cos a = 1.4993845
//   lower: a = 0.0143239 -> dx = 0.0214852, dy = 1.4998461
// dx is aft on both slopes: where the surface rises the angle is negative and its sine is turned.
TEST(RibGeometry, SheetingInnerLinesOverHandMadeStations) {
  core::RibDocument s;
  s.rib.chord.mm = 200;
  s.rib.sheeting.mm = 1.5f;
  for (int j = 0; j <= 400; ++j) {
    s.prepared.upperAt[static_cast<std::size_t>(j)] = 0.0005 * std::min(j, 400 - j);
    s.prepared.lowerAt[static_cast<std::size_t>(j)] = -0.00025 * std::min(j, 400 - j);
  }
  s.rib.leadingEdge.mm = 20;  // station 360
  s.rib.trailingEdge.mm = 10;  // station 20
  struct Inner {
    int station;
    PointMm upper, lower;
  };
  const std::vector<Inner> expected = {
      {20, {190.042965953, 0.500615484}, {190.021485182, 0.499846121}},
      {50, {175.042965953, 3.500615484}, {175.021485182, -1.000153879}},
      {200, {100.042965953, 18.500615484}, {100.021485182, -8.500153879}},
      {201, {99.542965953, 18.400615484}, {99.521485182, -8.450153879}},
      {360, {20.042965953, 2.500615484}, {20.021485182, -0.500153879}},
  };
  auto check = [&](double lowered) {
    const core::RibConstruction c = core::BuildRib(s);
    auto upper = core::ElementsOf(c, RibPart::SheetingUpper);
    auto lower = core::ElementsOf(c, RibPart::SheetingLower);
    ASSERT_EQ(upper.size(), 1u);
    ASSERT_EQ(lower.size(), 1u);
    ASSERT_EQ(upper[0]->points.size(), 341u);  // stations 20 to 360
    ASSERT_EQ(lower[0]->points.size(), 341u);
    for (const Inner& e : expected) {
      SCOPED_TRACE(e.station);
      auto i = static_cast<std::size_t>(e.station - 20);
      ExpectPoints({upper[0]->points[i]}, {e.upper});
      ExpectPoints({lower[0]->points[i]}, {{e.lower.x, e.lower.y - lowered}});
    }
  };
  check(0);

  // On blocks the lower line drops by the block's seat depth; the upper one stays.
  s.rib.baseMode = core::BaseMode::Blocks;
  s.rib.blocks.leadingExtension.mm = 20;
  s.rib.blocks.trailingExtension.mm = 10;
  s.rib.blocks.baseHeight.mm = 30;
  s.rib.blocks.topHeight.mm = 40;
  s.rib.blocks.seatDepth.mm = 4;
  check(4);
}

// No trailing-edge stock and a trailing edge 20 mm thick (a slab 0.05 chord either side of
// the chord line): the sheeting starts at the trailing edge itself, 1.5 mm inside each
// surface (level surfaces: no sideways offset), and runs to the leading-edge stock's station.
TEST(RibGeometry, SheetingFromAnOpenTrailingEdge) {
  core::RibDocument s;
  s.rib.chord.mm = 200;
  s.rib.sheeting.mm = 1.5f;
  for (std::size_t j = 0; j <= 400; ++j) {
    s.prepared.upperAt[j] = 0.05;
    s.prepared.lowerAt[j] = -0.05;
  }
  s.rib.leadingEdge.mm = 20;  // station 360
  s.rib.trailingEdge.mm = 0;
  const core::RibConstruction c = core::BuildRib(s);
  auto upper = core::ElementsOf(c, RibPart::SheetingUpper);
  auto lower = core::ElementsOf(c, RibPart::SheetingLower);
  ASSERT_EQ(upper.size(), 1u);
  ASSERT_EQ(lower.size(), 1u);
  ASSERT_EQ(upper[0]->points.size(), 361u);  // stations 0 to 360
  ExpectPoints({upper[0]->points.front(), upper[0]->points.back()}, {{200, 8.5}, {20, 8.5}});
  ExpectPoints({lower[0]->points.front(), lower[0]->points.back()}, {{200, -8.5}, {20, -8.5}});
}
