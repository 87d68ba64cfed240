// Where the main view puts the rib at rest and after scrolling.
#include <gtest/gtest.h>

#include "core/viewgeometry.h"

namespace {

core::RibDocument Document(float zoom, int hScroll = 0, int vScroll = 0) {
  core::RibDocument s;
  s.rib.chord.mm = 200;
  s.prepared.yMax = 0.1;
  s.view.zoom = zoom;
  s.view.hScroll = static_cast<std::int16_t>(hScroll);
  s.view.vScroll = static_cast<std::int16_t>(vScroll);
  return s;
}

// The shift uses the zoom of this redraw; tabs do not shift.
TEST(ViewOrigin, BlocksAndAHigherChangedAirfoilMoveTheRibDownScrollStepsByAPartOfTheChord) {
  core::RibDocument s = Document(2);
  s.rib.baseMode = core::BaseMode::Blocks;
  s.rib.blocks.topHeight.mm = -40;
  // The highest point, 20 mm at zoom 2, 15 mm below the top, and half the 40 mm block at zoom 2.
  EXPECT_DOUBLE_EQ(core::PlaceView(s).originY, 2 * 20 + 15 + 40);
  s.rib.baseMode = core::BaseMode::Tabs;
  EXPECT_DOUBLE_EQ(core::PlaceView(s).originY, 2 * 20 + 15);

  // A scroll step moves the picture by the drawn chord over 113.4: 400 / 113.4 = 3.52734 mm
  // for 200 mm at zoom 2.
  EXPECT_DOUBLE_EQ(core::PlaceView(Document(2)).chordMm, 400);
  EXPECT_NEAR(core::PlaceView(Document(2, 3, 0)).originX, 5 + 3 * 3.52734, 1e-5);
  EXPECT_NEAR(core::PlaceView(Document(2, 0, 2)).originY, 2 * 20 + 15 - 2 * 3.52734, 1e-5);

  // The thickness and camber view makes room for a changed airfoil rising higher:
  // |0.1 - 0.13| of the 200 mm chord at zoom 2 is 12 mm lower.
  s = Document(2);
  s.rib.reshape.upperAt[300] = 0.13;
  s.view.thicknessCamberShown = true;
  EXPECT_NEAR(core::PlaceView(s).originY, 2 * 20 + 15 + 12, 1e-9);
}

}  // namespace
