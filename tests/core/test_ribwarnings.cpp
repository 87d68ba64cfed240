// Values stored without a range that leave no sensible rib. The rib is a wedge chosen so
// that every thickness is worked out by hand: at x mm from the leading edge of the 200 mm
// chord, the upper contour lies 0.05 x (200 - x) above the chord line and the lower one as
// far below, so the rib is 0.1 x (200 - x) thick: 20 mm at the nose, 10 mm at 100 mm.
#include <gtest/gtest.h>

#include "core/ribwarnings.h"

using core::RibWarning;
using core::RibWarningAt;

namespace {

core::RibDocument Wedge() {
  core::RibDocument d;
  d.airfoil.loaded = true;
  d.rib.chord = {200, "200"};
  d.rib.sheeting = {1.5f, "1.5"};
  for (int j = 0; j < core::kStations; ++j) {
    // Station j lies at x = 200 (1 - j/400): 0.05 (200 - x) / 200 = 0.05 j / 400.
    d.prepared.upperAt[static_cast<std::size_t>(j)] = 0.05 * j / 400.0;
    d.prepared.lowerAt[static_cast<std::size_t>(j)] = -0.05 * j / 400.0;
  }
  d.prepared.maxThickness = 0.1;
  return d;
}

// The thickness is worked out from the station tables: compared to a hundredth of a micron.
void ExpectWarning(const RibWarningAt& got, RibWarning what, int row, double thicknessMm) {
  EXPECT_EQ(got.what, what);
  EXPECT_EQ(got.row, row);
  EXPECT_NEAR(got.thicknessMm, thicknessMm, 1e-8);
}

core::SparRow Spar(const std::string& position, float width, float height, float inset, core::SparShape shape,
                   core::SparCut upper, core::SparCut lower = core::SparCut::None) {
  core::SparRow row;
  row.positionText = position;
  row.width = {width, ""};
  row.height = {height, ""};
  row.inset = {inset, ""};
  row.shape = shape;
  row.upper = upper;
  row.lower = lower;
  return row;
}

// Edge pieces that together reach exactly the chord still leave a rib; half a millimetre
// more leaves none.
TEST(RibWarnings, EdgePiecesWarnOnlyWhenTogetherLongerThanTheChord) {
  core::RibDocument d = Wedge();
  d.rib.leadingEdge = {120, "120"};
  d.rib.trailingEdge = {80, "80"};
  EXPECT_EQ(core::EdgeWarning(d).what, RibWarning::None);
  d.rib.trailingEdge = {80.5f, "80.5"};
  EXPECT_EQ(core::EdgeWarning(d).what, RibWarning::EdgesLongerThanChord);
}

TEST(RibWarnings, SheetingWarnsFromHalfTheGreatestThickness) {
  const core::RibDocument d = Wedge();  // greatest thickness 20 mm
  EXPECT_EQ(core::SheetingWarning(d, 9.9f).what, RibWarning::None);
  EXPECT_EQ(core::SheetingWarning(d, 10).what, RibWarning::SheetingFillsRib);  // the inner lines meet
  ExpectWarning(core::SheetingWarning(d, 50), RibWarning::SheetingFillsRib, -1, 20);
  EXPECT_EQ(core::SheetingWarning(d, 0).what, RibWarning::None);
  core::RibDocument none = Wedge();
  none.airfoil.loaded = false;  // no rib yet: nothing to tell
  EXPECT_EQ(core::SheetingWarning(none, 50).what, RibWarning::None);
}

// The depth a cut reaches, by shape, against the thickness where the spar passes: 10 mm at
// 100 mm (also given as 50 % and as 100 mm from the trailing edge), 15 mm at 50 mm.
TEST(RibWarnings, ASparWarnsWhenItsCutsReachAcrossTheRibWhereItPasses) {
  core::RibDocument d = Wedge();
  using core::SparCut;
  using core::SparShape;
  const auto what = [&](const core::SparRow& row) { return core::SparWarning(d, row, 3).what; };
  // A notch from the outside 10 mm deep just reaches the lower contour; from the sheeting
  // 1.5 mm more.
  EXPECT_EQ(what(Spar("100", 5, 10, 0, SparShape::Notch, SparCut::FromContour)), RibWarning::None);
  EXPECT_EQ(what(Spar("100", 5, 10.1f, 0, SparShape::Notch, SparCut::FromContour)), RibWarning::SparThroughRib);
  EXPECT_EQ(what(Spar("50%", 5, 8.6f, 0, SparShape::Notch, SparCut::FromSheeting)), RibWarning::SparThroughRib);
  EXPECT_EQ(what(Spar("50%", 5, 8.4f, 0, SparShape::Notch, SparCut::FromSheeting)), RibWarning::None);
  // A section hangs inset + height; a round spar reaches inset + height + the radius.
  EXPECT_EQ(what(Spar("50", 5, 10, 4, SparShape::Inset, SparCut::FromContour)), RibWarning::None);   // 14 of 15
  EXPECT_EQ(what(Spar("50", 5, 10, 6, SparShape::Hanging, SparCut::FromContour)), RibWarning::SparThroughRib);
  EXPECT_EQ(what(Spar("50", 8, 0, 10, SparShape::Round, SparCut::FromContour)), RibWarning::None);   // 14 of 15
  EXPECT_EQ(what(Spar("50", 12, 0, 10, SparShape::Round, SparCut::FromContour)), RibWarning::SparThroughRib);
  // Two notches 6 mm deep from either surface meet inside a 10 mm rib.
  EXPECT_EQ(what(Spar("100", 5, 6, 0, SparShape::Notch, SparCut::FromContour, SparCut::FromContour)),
            RibWarning::SparThroughRib);
  core::SparRow fromTail = Spar("100", 5, 12, 0, SparShape::Notch, SparCut::FromContour);
  fromTail.fromTrailingEdge = 1;
  ExpectWarning(core::SparWarning(d, fromTail, 3), RibWarning::SparThroughRib, 3, 10);
  // The window's example: no width and 100 mm high.
  EXPECT_EQ(what(Spar("100", 0, 100, 0, SparShape::Notch, SparCut::FromContour)), RibWarning::SparWithoutWidth);
  // Without a cut only the axis is drawn; without a position there is no spar.
  EXPECT_EQ(what(Spar("100", 0, 100, 0, SparShape::Notch, SparCut::None)), RibWarning::None);
  EXPECT_EQ(what(Spar("", 5, 100, 0, SparShape::Notch, SparCut::FromContour)), RibWarning::None);
  // Past the chord the spar is not on the rib: a cut deeper than any thickness warns of nothing.
  EXPECT_EQ(what(Spar("300", 5, 12, 0, SparShape::Notch, SparCut::FromContour)), RibWarning::None);
}

// A hole reaches past the contour at its centre: the upper contour lies 5 mm above the chord
// line at 100 mm, and the mid-thickness line is the chord line itself on this wedge.
TEST(RibWarnings, AHoleWarnsWhenItLeavesTheOutlineAtItsCentre) {
  core::RibDocument d = Wedge();
  core::HoleRow hole;
  hole.positionText = "100";
  hole.size = {10, "10"};
  EXPECT_EQ(core::HoleWarning(d, hole, 0).what, RibWarning::None);  // touches both contours
  hole.offset = {0.5f, "0.5"};
  ExpectWarning(core::HoleWarning(d, hole, 0), RibWarning::HoleOutsideRib, 0, 10);
  // Nearer the trailing edge the wedge is 5 mm thick at 150 mm; past the chord there is no
  // rib for the hole to leave.
  hole.positionText = "150";
  ExpectWarning(core::HoleWarning(d, hole, 0), RibWarning::HoleOutsideRib, 0, 5);
  hole.positionText = "300";
  EXPECT_EQ(core::HoleWarning(d, hole, 0).what, RibWarning::None);
  hole.positionText = "100";
  // A rectangle is judged by its height, not its width.
  hole.shape = core::HoleShape::Rectangle;
  hole.size = {40, "40"};
  hole.height = {8, "8"};
  EXPECT_EQ(core::HoleWarning(d, hole, 0).what, RibWarning::None);  // 4.5 above, 3.5 below
  hole.offset = {-1.5f, "-1.5"};
  EXPECT_EQ(core::HoleWarning(d, hole, 0).what, RibWarning::HoleOutsideRib);  // 5.5 below

  // The wedge lifted 3 mm: at 100 mm it spans -2 to 8. A 10 mm hole on the chord line
  // pokes out below; centred on the mid-thickness line (3 mm up) it just fits.
  for (int j = 0; j < core::kStations; ++j) {
    d.prepared.upperAt[static_cast<std::size_t>(j)] += 0.015;
    d.prepared.lowerAt[static_cast<std::size_t>(j)] += 0.015;
  }
  core::HoleRow round;
  round.positionText = "100";
  round.size = {10, "10"};
  EXPECT_EQ(core::HoleWarning(d, round, 0).what, RibWarning::HoleOutsideRib);
  round.centred = 1;
  EXPECT_EQ(core::HoleWarning(d, round, 0).what, RibWarning::None);
}

// The rib as stored: the sheeting first, then the spars and holes up to the first row
// without a position, as they are drawn.
TEST(RibWarnings, TheWholeRibListsItsWarningsInOrder) {
  core::RibDocument d = Wedge();
  EXPECT_TRUE(core::FindRibWarnings(d).empty());
  d.rib.sheeting = {12, "12"};
  d.rib.spars[0] = Spar("100", 5, 3, 0, core::SparShape::Notch, core::SparCut::FromContour);
  d.rib.spars[1] = Spar("150", 5, 6, 0, core::SparShape::Notch, core::SparCut::FromContour);  // 5 mm thick there
  d.rib.spars[3] = Spar("20", 5, 90, 0, core::SparShape::Notch, core::SparCut::FromContour);  // after the end
  d.rib.spars.last = 3;
  d.rib.holes[0].positionText = "60";
  d.rib.holes[0].size = {15, "15"};  // 14 mm thick there
  const std::vector<RibWarningAt> found = core::FindRibWarnings(d);
  ASSERT_EQ(found.size(), 3u);
  ExpectWarning(found[0], RibWarning::SheetingFillsRib, -1, 20);
  ExpectWarning(found[1], RibWarning::SparThroughRib, 1, 5);
  ExpectWarning(found[2], RibWarning::HoleOutsideRib, 0, 14);
  d.rib.chord = {0, "0"};
  EXPECT_TRUE(core::FindRibWarnings(d).empty());
}

}  // namespace
