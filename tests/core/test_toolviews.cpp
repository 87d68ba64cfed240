// The special views as they draw on a target: the comparison, the thickness and camber view
// and the former.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/toolviews.h"
#include "core/viewgeometry.h"
#include "platform/recordingtarget.h"
#include "support/dxfsummary.h"
#include "support/testsupport.h"

namespace {

using platform::RecordedLine;
using platform::RecordingTarget;

constexpr double kViewTol = 1e-6;

// A 200 mm chord at zoom 2.
core::ViewPlacement Placement() {
  core::ViewPlacement at;
  at.zoom = 2;
  at.originX = 20;
  at.originY = 70;
  at.chordMm = 400;
  return at;
}

template <typename Item>
void ExpectAnchor(const Item& item, double x, double y, double tol = kViewTol) {
  EXPECT_NEAR(item.x, x, tol);
  EXPECT_NEAR(item.y, y, tol);
}

std::vector<RecordedLine> InColour(const RecordingTarget& t, int colour) {
  std::vector<RecordedLine> out;
  for (const RecordedLine& l : t.lines)
    if (l.colour == colour) out.push_back(l);
  return out;
}

TEST(ComparisonView, AnAirfoilComparedWithItselfShowsTheSecondColourOnTop) {
  core::AirfoilComparison c;
  c.first = dxftest::Rib(testsupport::AirfoilPath("clarky.dat")).prepared;
  c.second = c.first;
  c.firstName = c.secondName = "clarky";
  const core::Style style;  // #1 colour 5, #2 colour 9, chord line 12 dash-dot
  RecordingTarget t;
  const core::ViewPlacement at = Placement();
  core::DrawComparison(c, style, "Airfoil", at, t);

  const std::vector<RecordedLine> first = InColour(t, 5), second = InColour(t, 9);
  ASSERT_EQ(first.size(), c.first.outline.size() - 1);
  ASSERT_EQ(second.size(), first.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_NEAR(first[i].x1, second[i].x1, kViewTol);
    EXPECT_NEAR(first[i].y2, second[i].y2, kViewTol);
  }
  EXPECT_GT(second.front().sequence, first.back().sequence);
  // The densified outline's first point is the trailing edge, on the chord's far end.
  EXPECT_NEAR(first.front().x1, at.originX + at.chordMm * c.first.outline[0].x, kViewTol);
  EXPECT_NEAR(first.front().y1, at.originY - at.chordMm * c.first.outline[0].y, kViewTol);

  const std::vector<RecordedLine> chord = InColour(t, 12);
  ASSERT_EQ(chord.size(), 1u);
  EXPECT_EQ(chord[0].style, 3);
  // A little past both ends: about 0.018 mm.
  EXPECT_NEAR(chord[0].x1, 20 - 0.0176, 1e-4);
  EXPECT_NEAR(chord[0].x2, 20 + 400 + 0.0176, 1e-4);
  // The legend names both, each in its airfoil's colour, 5 mm in and 4 mm above the chord,
  // at the zoom.
  ASSERT_EQ(t.texts.size(), 2u);
  EXPECT_EQ(t.texts[0].text, "Airfoil #1 : clarky     ");
  EXPECT_EQ(t.texts[0].colour, 5);
  EXPECT_EQ(t.texts[1].colour, 9);
  ExpectAnchor(t.texts[0], 20 + 10, 70 - 8);
  // The second goes on where the first's 24 characters end, half an em each on this target.
  EXPECT_NEAR(t.texts[1].x, t.texts[0].x + 24 * t.texts[0].fontSize * 25.4 / 72 / 2, kViewTol);
  EXPECT_EQ(t.texts[1].y, t.texts[0].y);
}

class FormerView : public ::testing::Test {
 protected:
  core::RibDocument d;
  void SetUp() override {
    d.airfoil.points = {{1, 0}, {0.5, 0.06}, {0, 0}, {0.5, -0.02}, {1, 0}};
    d.rib.caption.text = "F3";
    d.rib.caption.x = {10, "10"};
    d.rib.caption.y = {5, "5"};
  }
};

TEST_F(FormerView, DrawsTheFilePointsAndMirrorsThemWhenInverted) {
  const core::ViewPlacement at = Placement();
  d.style.WidthOf(core::WidthElement::Airfoil) = 4;
  for (bool inverted : {false, true}) {
    d.rib.upsideDown = inverted;
    RecordingTarget t;
    core::DrawFormer(d, at, t);
    const std::vector<RecordedLine> outline = InColour(t, d.style.ColourOf(core::Element::Airfoil));
    ASSERT_EQ(outline.size(), 4u);
    EXPECT_EQ(outline[0].width, 4);
    // Point 2 (0.5, 0.06): 12 mm above the chord line, or below it inverted, twice at zoom 2.
    EXPECT_NEAR(outline[0].x2, 20 + 200, 1e-5);
    EXPECT_NEAR(outline[0].y2, 70 + (inverted ? 24 : -24), 1e-5);
    // The text stays where it was put: its corner 3 mm above (10, 5) mm, at the zoom.
    ASSERT_EQ(t.texts.size(), 1u);
    ExpectAnchor(t.texts[0], 20 + 20, 70 - 16, 1e-5);
  }
}

TEST(ThicknessCamberView, DrawsTheAirfoilAndEveryStationOfTheChangedOne) {
  core::RibDocument d = dxftest::Rib(testsupport::AirfoilPath("clarky.dat"));
  for (std::size_t k = 0; k < core::kStations; ++k) {
    d.rib.reshape.upperAt[k] = 0.1;
    d.rib.reshape.lowerAt[k] = -0.05;
  }
  d.rib.reshape.newThickness = 0.14;
  d.rib.reshape.newCamber = 0.02;
  RecordingTarget t;
  const core::ViewPlacement at = Placement();
  core::DrawThicknessCamber(d, {"Thickness", "Camber"}, at, t);
  const std::vector<RecordedLine> changed = InColour(t, d.style.ColourOf(core::Element::CompareSecond));
  ASSERT_EQ(changed.size(), 800u);
  // Station 0 is the trailing edge; a tenth of the chord above it is 20 mm, 40 at zoom 2.
  EXPECT_NEAR(changed[0].x1, 20 + 400, 1e-5);
  EXPECT_NEAR(changed[0].x2, 20 + 400 * 399.0 / 400, 1e-5);
  EXPECT_NEAR(changed[0].y1, 70 - 40, 1e-5);
  EXPECT_NEAR(changed[1].y1, 70 + 20, 1e-5);
  EXPECT_EQ(changed[0].style, d.style.LineStyleOf(core::Element::Sheeting));
  EXPECT_EQ(InColour(t, d.style.ColourOf(core::Element::CompareFirst)).size(),
            d.prepared.outline.size() - 1);
  ASSERT_EQ(t.texts.size(), 2u);
  EXPECT_EQ(t.texts[1].text, "Thickness : 14.00%   Camber : 2.00%");
  // The airfoil's name 10 mm in and 4 mm above the chord line, at the zoom.
  ExpectAnchor(t.texts[0], 20 + 20, 70 - 8, 1e-9);
}

}  // namespace
