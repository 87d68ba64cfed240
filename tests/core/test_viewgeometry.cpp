// Where the main view puts the rib at rest and after scrolling.
#include <gtest/gtest.h>

#include "core/viewgeometry.h"

namespace {

core::SharedState View(float zoom) {
  core::SharedState s;
  s.chord = 200;
  s.yMax = 0.1;
  s.zoom = zoom;
  return s;
}

TEST(ViewOrigin, AtRestTheNoseIsFiveMillimetresInAndTheTopFifteenDown) {
  core::SharedState s = View(1);
  core::PlaceViewOrigin(s);
  EXPECT_FLOAT_EQ(s.chordTwips, 200 * 56.7f);
  EXPECT_FLOAT_EQ(s.originX, 283.5f);
  EXPECT_FLOAT_EQ(s.originY, 20 * 56.7f + 850.5f);  // the highest point, 20 mm up, sits at 850.5
  s = View(2);
  core::PlaceViewOrigin(s);
  EXPECT_FLOAT_EQ(s.chordTwips, 2 * 200 * 56.7f);
  EXPECT_FLOAT_EQ(s.originX, 283.5f);  // the margins do not zoom
  EXPECT_FLOAT_EQ(s.originY, 2 * 20 * 56.7f + 850.5f);
}

TEST(ViewOrigin, AScrollStepMovesHalfAZoomedChordInTwips) {
  core::SharedState s = View(1.5f);
  s.hScroll = -2;
  s.vScroll = 3;
  core::PlaceViewOrigin(s);
  EXPECT_FLOAT_EQ(s.originX, 283.5f - 2 * 200 * 1.5f / 2);
  EXPECT_FLOAT_EQ(s.originY, -3 * 200 * 1.5f / 2 + 1.5f * 20 * 56.7f + 850.5f);
}

// The shift uses the zoom of this redraw, not the scale the previous trace left behind.
TEST(ViewOrigin, BlocksMoveTheRibDownByHalfTheirHeightAtTheCurrentZoom) {
  core::SharedState s = View(2);
  s.baseMode = 1;
  s.blockHeight4 = -40;
  s.scale = 56.7f;
  core::PlaceViewOrigin(s);
  EXPECT_FLOAT_EQ(s.originY, 2 * 20 * 56.7f + 850.5f + 40 * 2 * 56.7f / 2);
  s.baseMode = 11;
  core::PlaceViewOrigin(s);
  EXPECT_FLOAT_EQ(s.originY, 2 * 20 * 56.7f + 850.5f);
}

}  // namespace
