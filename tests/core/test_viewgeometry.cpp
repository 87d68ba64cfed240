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
TEST(ViewOrigin, BlocksMoveTheRibDownByHalfTheirHeightAtTheCurrentZoom) {
  core::RibDocument s = Document(2);
  s.rib.baseMode = core::BaseMode::Blocks;
  s.rib.blocks.topHeight.mm = -40;
  EXPECT_FLOAT_EQ(core::PlaceView(s).originY, 2 * 20 * 56.7f + 850.5f + 40 * 2 * 56.7f / 2);
  s.rib.baseMode = core::BaseMode::Tabs;
  EXPECT_FLOAT_EQ(core::PlaceView(s).originY, 2 * 20 * 56.7f + 850.5f);
}

}  // namespace
