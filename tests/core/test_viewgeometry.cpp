// Where the main view puts the rib at rest and after scrolling.
#include <gtest/gtest.h>

#include "core/viewgeometry.h"

namespace {

core::SharedState Placed(float zoom, int hScroll = 0, int vScroll = 0) {
  core::SharedState s;
  s.chord = 200;
  s.yMax = 0.1;
  s.zoom = zoom;
  s.hScroll = hScroll;
  s.vScroll = vScroll;
  core::PlaceViewOrigin(s);
  return s;
}

// At rest the nose is 5 mm in and the highest point (20 mm up) 15 mm down; the margins do not zoom,
// and a scroll step moves half a zoomed chord in twips.
TEST(ViewOrigin, MarginsAndScrollSteps) {
  for (float zoom : {1.0f, 2.0f}) {
    core::SharedState s = Placed(zoom);
    EXPECT_FLOAT_EQ(s.chordTwips, zoom * 200 * 56.7f);
    EXPECT_FLOAT_EQ(s.originX, 283.5f);
    EXPECT_FLOAT_EQ(s.originY, zoom * 20 * 56.7f + 850.5f);
  }
  core::SharedState s = Placed(1.5f, -2, 3);
  EXPECT_FLOAT_EQ(s.originX, 283.5f - 2 * 200 * 1.5f / 2);
  EXPECT_FLOAT_EQ(s.originY, -3 * 200 * 1.5f / 2 + 1.5f * 20 * 56.7f + 850.5f);
}

// The shift uses the zoom of this redraw, not the scale the previous trace left behind; tabs do not shift.
TEST(ViewOrigin, BlocksMoveTheRibDownByHalfTheirHeightAtTheCurrentZoom) {
  core::SharedState s = Placed(2);
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
