#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <string>

#include "core/ribseries.h"

using core::SeriesRib;

namespace {

core::SeriesOutline ShapeOf(std::initializer_list<std::pair<double, double>> points) {
  core::SeriesOutline o;
  for (auto [x, y] : points) o.points.push_back({x, y});
  return o;
}

// Five points: a straight-sided root section.
core::SeriesOutline Root() { return ShapeOf({{1, 0}, {0.5, 0.05}, {0, 0}, {0.5, -0.03}, {1, 0}}); }
// Seven points: it gives the stations.
core::SeriesOutline Tip() {
  return ShapeOf({{1, 0.001}, {0.6, 0.04}, {0.3, 0.05}, {0, 0}, {0.3, -0.02}, {0.6, -0.02}, {1, -0.001}});
}

core::SlotFloats Slots(std::initializer_list<std::pair<int, float>> values) {
  core::SlotFloats s{};
  for (auto [i, v] : values) s[static_cast<std::size_t>(i)] = v;
  return s;
}

}  // namespace

TEST(RibSeries, EvenChordsAndFractionsFallInEqualSteps) {
  const std::vector<SeriesRib> ribs = core::EvenSeriesRibs(200, 100, 3);
  ASSERT_EQ(ribs.size(), 5u);
  for (int k = 0; k < 5; ++k) {
    const auto& rib = ribs[static_cast<std::size_t>(k)];
    EXPECT_EQ(std::tuple(rib.number, rib.chordMm, rib.fraction), std::tuple(k + 1, 200 - 25.0 * k, k / 4.0)) << k;
  }
  EXPECT_EQ(ribs.front().end, SeriesRib::End::Root);
  EXPECT_EQ(ribs[2].end, SeriesRib::End::Middle);
  EXPECT_EQ(ribs.back().end, SeriesRib::End::Tip);

  // No intermediate rib: the root and the tip only.
  const std::vector<SeriesRib> ends = core::EvenSeriesRibs(150, 150, 0);
  ASSERT_EQ(ends.size(), 2u);
  EXPECT_EQ(std::tuple(ends[1].number, ends[1].chordMm, ends[1].fraction), std::tuple(2, 150.0, 1.0));

  const std::vector<SeriesRib> many = core::EvenSeriesRibs(300, 210, 90);
  ASSERT_EQ(many.size(), 92u);
  EXPECT_EQ(many.back().number, 92);
  EXPECT_NEAR(many[45].chordMm, 300 - 45 * 90.0 / 91, 1e-9);
}

TEST(RibSeries, CommonStationsInterpolateTheOtherAirfoilOnTheSameSurface) {
  // The tip has more points: its stations, the root interpolated (worked out by hand
  // from the straight segments of the root).
  const core::CommonStations c = core::CommonStationsOf(Root(), Tip());
  ASSERT_EQ(c.x.size(), 7u);
  const double x[] = {1, 0.6, 0.3, 0, 0.3, 0.6, 1};
  const double root[] = {0, 0.04, 0.03, 0, -0.018, -0.024, 0};
  const double tip[] = {0.001, 0.04, 0.05, 0, -0.02, -0.02, -0.001};
  for (std::size_t j = 0; j < 7; ++j) {
    EXPECT_DOUBLE_EQ(c.x[j], x[j]) << j;
    EXPECT_NEAR(c.rootY[j], root[j], 1e-12) << j;
    EXPECT_DOUBLE_EQ(c.tipY[j], tip[j]) << j;
  }
  // Equal counts: the root leads. Its nose station reads the tip on the tip's upper surface,
  // whose nose lies ahead of x = 0: 0.04 * 0.02 / 0.52 there (the lower surface: -0.02 * 0.02 / 0.52).
  const core::CommonStations equal =
      core::CommonStationsOf(Root(), ShapeOf({{1, 0}, {0.5, 0.04}, {-0.02, 0}, {0.5, -0.02}, {1, 0}}));
  EXPECT_EQ(equal.x, (std::vector<double>{1, 0.5, 0, 0.5, 1}));
  EXPECT_NEAR(equal.tipY[2], 0.04 * 0.02 / 0.52, 1e-15);
}

TEST(RibSeries, StationsBeyondTheOtherAirfoilsNoseOrTailTakeTheHeightThere) {
  // This one's leading edge sits at 0.02, height 0.004; stations at 0 fall ahead of it.
  const core::SeriesOutline blunt = ShapeOf({{1, 0}, {0.5, 0.04}, {0.02, 0.004}, {0.5, -0.02}, {1, 0}});
  EXPECT_DOUBLE_EQ(core::UpperSurfaceAt(blunt, 0.0), 0.004);
  EXPECT_DOUBLE_EQ(core::LowerSurfaceAt(blunt, 0.01), 0.004);
  // Within 1e-6 of a point: that point's height, no interpolation.
  EXPECT_DOUBLE_EQ(core::UpperSurfaceAt(blunt, 0.5 + 5e-7), 0.04);
  // Behind a tail that stops short of x = 1: each surface's own end point.
  const core::SeriesOutline shortTail = ShapeOf({{0.99, 0.002}, {0.5, 0.04}, {0, 0}, {0.5, -0.02}, {0.99, -0.003}});
  EXPECT_DOUBLE_EQ(core::UpperSurfaceAt(shortTail, 1.0), 0.002);
  EXPECT_DOUBLE_EQ(core::LowerSurfaceAt(shortTail, 1.0), -0.003);
  // The leading edge is the first of equal smallest x.
  EXPECT_EQ(core::LeadingEdgeIndex(ShapeOf({{1, 0}, {0, 0.01}, {0, -0.01}, {1, 0}})), 1u);
}

TEST(RibSeries, BlendKeepsEqualOrdinatesAndEndsKeepTheirOwn) {
  core::CommonStations c;
  c.x = {1, 0.5, 0};
  c.rootY = {0.0123, 0.08, 0};
  c.tipY = {0.0123, 0.04, 0.002};
  for (double f : {0.1, 1.0 / 3, 0.7}) {
    SeriesRib rib;
    rib.fraction = f;
    const std::vector<double> y = core::RibOrdinates(c, rib);
    EXPECT_EQ(y[0], 0.0123) << f;  // same ordinate on both airfoils: unchanged on every rib
    EXPECT_NEAR(y[1], 0.08 - 0.04 * f, 1e-15);
  }
  SeriesRib tip;
  tip.end = SeriesRib::End::Tip;
  tip.fraction = 0.9999999;  // an end rib is its own airfoil whatever the fraction says
  EXPECT_EQ(core::RibOrdinates(c, tip), c.tipY);
}

TEST(RibSeries, SpacedLayoutOfTwoMillimetreRibsAndGapsOfNinetyEight) {
  const core::SlotFloats t = Slots({{0, 2}, {1, 2}, {13, 2}});
  const core::SlotFloats g = Slots({{1, 98}, {2, 98}});
  const core::SpacedLayout l = core::LayOutSpacedRibs(t, g, 1);
  EXPECT_EQ(std::tuple(l.distance[1], l.span, l.length), std::tuple(100.0f, 200.0f, 202.0f));
  const std::vector<SeriesRib> ribs = core::SpacedSeriesRibs(l, 200, 100, 1);
  ASSERT_EQ(ribs.size(), 3u);
  EXPECT_EQ(std::tuple(ribs[1].chordMm, ribs[1].fraction, ribs[2].number, ribs[2].chordMm), std::tuple(150.0, 0.5, 3, 100.0));

  // A thick rib between thin ones takes half its thickness into each side's distance.
  const core::SpacedLayout thick = core::LayOutSpacedRibs(Slots({{0, 2}, {1, 10}, {13, 2}}), Slots({{1, 50}, {2, 50}}), 1);
  EXPECT_EQ(std::tuple(thick.distance[1], thick.span, thick.length), std::tuple(1 + 50 + 5.0f, 56 + 5 + 50 + 1.0f, 114.0f));

  // No intermediate rib: the root and tip mid-planes one gap and two half ribs apart.
  EXPECT_EQ(core::LayOutSpacedRibs(Slots({{0, 3}, {13, 3}}), Slots({{1, 100}}), 0).length, 106.0f);
}

TEST(RibSeries, SpacedArithmeticRoundsEveryStepToSinglePrecision) {
  // Expected values from a step-by-step 32-bit computation in Python (struct 'f'); summing
  // in double and rounding once gives D = 234 and L = 235.10000610, which this catches.
  const float t1 = 1.1f;
  const core::SlotFloats t = Slots({{0, t1}, {1, t1}, {2, 3.0f}, {3, 1.7f}, {13, t1}});
  const core::SlotFloats g = Slots({{1, 84.4f}, {2, 52.4f}, {3, 66.9f}, {4, 23.4f}});
  const core::SpacedLayout l = core::LayOutSpacedRibs(t, g, 3);
  EXPECT_EQ(std::tuple(l.position[1], l.position[3], l.span, l.length),
            std::tuple(85.50000762939453f, 209.20001220703125f, 234.00001525878906f, 235.1000213623047f));
  const std::vector<SeriesRib> ribs = core::SpacedSeriesRibs(l, 250, 120, 3);
  EXPECT_EQ(std::tuple(ribs[1].chordMm, ribs[2].chordMm, ribs[3].chordMm),
            std::tuple(202.5, 172.25, static_cast<double>(133.7777862548828f)));
  EXPECT_DOUBLE_EQ(ribs[2].fraction, static_cast<double>(139.95001220703125f) / 234.00001525878906f);
}

TEST(RibSeries, EntriesAreCheckedInTheWindowsOrder) {
  core::SeriesEntries e;
  e.ribCount = e.rootChord = e.tipChord = "";
  // Types `value` into `field`, then expects the first refusal's key (and the box it points at).
  auto type = [&e](std::string& field, const char* value, const std::string& expected,
                   std::optional<core::SeriesBox> box = {}) {
    field = value;
    auto r = core::CheckSeriesEntries(e);
    EXPECT_EQ(r ? r->key + r->suffix : std::string("ok"), expected) << value;
    if (box && r) {
      EXPECT_EQ(r->box, *box) << value;
    }
  };
  type(e.ribCount, "", "16");
  type(e.ribCount, "91", "12 90 Ribs !");
  type(e.ribCount, "123456789012345678901", "12 90 Ribs !");  // more digits than any count holds
  type(e.ribsWord, "nervures", "12 90 nervures !");            // the user's language
  type(e.ribCount, "00000000000000000000009", "17");           // leading zeros say nothing
  type(e.ribCount, "90", "17");
  type(e.rootChord, "2000", "13 1999 mm !", core::SeriesBox::RootChord);
  type(e.rootChord, "1999", "18");  // the limit itself is accepted
  type(e.tipChord, "1999.5", "13 1999 mm !", core::SeriesBox::TipChord);
  e.rootChord = "100";
  type(e.tipChord, "200", "14", core::SeriesBox::TipChord);
  EXPECT_TRUE(core::CheckSeriesEntries(e)->warning);
  type(e.tipChord, "100", "15");  // equal chords are accepted
  e.airfoilsLoaded = true;
  type(e.tipChord, "100", "ok");

  e.unitText = " in";
  type(e.rootChord, "79", "13 78 1/3 inches !");  // 2006.6 mm
  type(e.inchesWord, "pouces", "13 78 1/3 pouces !");
  // Texts that give no length are asked for again; a pointed tip (0) is a tip chord.
  type(e.rootChord, "7/0", "17");
  type(e.rootChord, "0", "17");
  e.rootChord = "8";
  type(e.tipChord, "1./2", "18");
  type(e.tipChord, "0", "ok");

  e.unitText = " mm";
  e.rootChord = "200";
  e.maxRibs = core::kMaxSpacedRibs;
  type(e.ribCount, "13", "12 12 nervures !");
  type(e.ribCount, "12", "ok");
}

TEST(RibSeries, SpacingRefusesTheFirstZeroThicknessThenTheFirstZeroGap) {
  core::SlotFloats t = Slots({{0, 2}, {1, 2}, {2, 0}, {13, 2}});
  core::SlotFloats g = Slots({{1, 50}, {2, 50}, {3, 0}});
  auto r = core::CheckSpacing(t, g, 2);
  ASSERT_TRUE(r);
  EXPECT_EQ(std::tuple(r->key, r->box, r->slot), std::tuple("10", core::SeriesBox::Thickness, 2));
  t[2] = 1.5f;
  r = core::CheckSpacing(t, g, 2);
  ASSERT_TRUE(r);
  EXPECT_EQ(std::tuple(r->box, r->slot), std::tuple(core::SeriesBox::Gap, 3));  // the gap before the tip rib
  g[3] = 20;
  EXPECT_FALSE(core::CheckSpacing(t, g, 2));
  // Slots past the rib count do not matter.
  EXPECT_FALSE(core::CheckSpacing(Slots({{0, 2}, {1, 2}, {13, 2}}), Slots({{1, 50}, {2, 50}}), 1));
}
