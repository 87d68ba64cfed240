// The main view's scroll ranges without the window.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/ribtrace.h"
#include "support/dxfsummary.h"
#include "mainwindow/mainview.h"
#include "platform/recordingtarget.h"
#include "support/testsupport.h"

namespace {

TEST(MainView, ScrollBarsReachTheWholeRibAtEveryZoom) {
  core::RibDocument s;
  s.rib.chord.mm = 1200;
  s.prepared.yMax = 0.09;
  s.prepared.yMin = -0.03;
  const double viewW = 265, viewH = 160;  // millimetres
  for (float zoom : {3.0f, 1.0f, 0.25f}) {
    s.view.zoom = zoom;
    const mainwindow::ScrollRanges r = mainwindow::ScrollRangesFor(s, viewW, viewH);
    // With the thumbs at their ends the far end and the lowest point come into the view.
    const double step = s.rib.chord.mm * zoom / 113.4;
    EXPECT_LE(5 - r.horizontal.maximum * step + s.rib.chord.mm * zoom, viewW) << zoom;
    const double lowest = -r.vertical.maximum * step + s.rib.chord.mm * s.prepared.yMax * zoom + 15 -
                          s.rib.chord.mm * s.prepared.yMin * zoom;
    EXPECT_LE(lowest, viewH) << zoom;
    EXPECT_EQ(r.vertical.minimum, 0);
  }
  s.view.zoom = 0.25f;
  s.rib.chord.mm = 100;
  EXPECT_EQ(mainwindow::ScrollRangesFor(s, viewW, viewH).horizontal.maximum, 0);  // fits: nothing to scroll
  s.rib.chord.mm = 0;
  const mainwindow::ScrollRanges none = mainwindow::ScrollRangesFor(s, 20, 20);
  EXPECT_EQ(none.horizontal.maximum, 0);
  EXPECT_EQ(none.vertical.maximum, 0);
}

// A real rib on blocks, long enough to need a small zoom.
core::RibDocument LongRibOnBlocks() {
  core::RibDocument s = dxftest::Rib(testsupport::AirfoilPath("clarky.dat"));
  s.rib.chord = {1200, "1200"};
  s.rib.baseMode = core::BaseMode::Blocks;
  s.rib.blocks.leadingExtension.mm = 40;
  s.rib.blocks.baseHeight.mm = 60;
  s.rib.blocks.topHeight.mm = 90;
  return s;
}

// Where every line of the rib lands in a view placed as the main view places it.
struct Extent {
  double left = 1e300, right = -1e300, top = 1e300, bottom = -1e300;
};
Extent DrawnExtent(const core::RibDocument& s) {
  platform::RecordingTarget t;
  core::DrawRib(s, core::PlaceView(s), {}, t);
  Extent e;
  for (const platform::RecordedLine& l : t.lines) {
    e.left = std::min({e.left, l.x1, l.x2});
    e.right = std::max({e.right, l.x1, l.x2});
    e.top = std::min({e.top, l.y1, l.y2});
    e.bottom = std::max({e.bottom, l.y1, l.y2});
  }
  return e;
}

TEST(MainView, ZoomEntriesOfTheUsersOwnReadBackAsTheListsDo) {
  EXPECT_EQ(mainwindow::ZoomEntryText(3), "Zoom 300 %");
  EXPECT_EQ(mainwindow::ZoomEntryText(0.75), "Zoom  75 %");
  EXPECT_EQ(mainwindow::ZoomEntryText(0.05), "Zoom   5 %");
  for (double zoom : {0.37, 1.0, 2.84}) EXPECT_FLOAT_EQ(mainwindow::ZoomFromEntry(mainwindow::ZoomEntryText(zoom)), zoom);
}

// Fit: everything drawn lies in the view, and one percent more would not fit.
TEST(MainView, FitShowsTheWholeRibAtTheLargestZoomThatHoldsIt) {
  core::RibDocument s = LongRibOnBlocks();
  const double viewW = 265, viewH = 160;
  for (bool upsideDown : {false, true}) {
    s.rib.upsideDown = upsideDown;
    const mainwindow::FitView fit = mainwindow::FitRibInView(s, viewW, viewH);
    s.view.zoom = static_cast<float>(fit.zoom);
    s.view.hScroll = static_cast<std::int16_t>(fit.hScroll);
    s.view.vScroll = static_cast<std::int16_t>(fit.vScroll);
    const Extent e = DrawnExtent(s);
    EXPECT_GE(e.left, 0) << upsideDown;
    EXPECT_LE(e.right, viewW) << upsideDown;
    EXPECT_GE(e.top, 0) << upsideDown;
    EXPECT_LE(e.bottom, viewH) << upsideDown;
    // Its left and top edges sit at the 5 mm margin, to the nearest scroll step.
    const double step = 1200 * fit.zoom / 113.4;
    EXPECT_NEAR(e.left, 5, step / 2 + 1e-6) << upsideDown;
    EXPECT_NEAR(e.top, 5, step / 2 + 1e-6) << upsideDown;
    // At rest the block and the rib at 1 % more would need more room than the view less
    // its two 5 mm margins, in one direction at least.
    const double more = (fit.zoom + 0.01) / fit.zoom;
    const bool tooWide = (e.right - e.left) * more > viewW - 2 * 5;
    const bool tooHigh = (e.bottom - e.top) * more > viewH - 2 * 5;
    EXPECT_TRUE(tooWide || tooHigh) << upsideDown;
  }
}

// Ctrl+wheel: the point under the pointer stays put (within one scroll step) across zooms.
TEST(MainView, ZoomingKeepsThePointUnderThePointer) {
  core::RibDocument s = LongRibOnBlocks();
  s.rib.chord = {200, "200"};
  s.view.zoom = 1;
  const double x = 106, y = 44;  // millimetres in the view
  const core::ViewPlacement before = core::PlaceView(s);
  const double ribX = x - before.originX, ribY = before.originY - y;
  for (double zoom : {3.0, 1.5, 0.5}) {
    const mainwindow::ScrollValues v = mainwindow::ScrollKeepingPoint(s, zoom, x, y);
    core::RibDocument after = s;
    after.view.zoom = static_cast<float>(zoom);
    after.view.hScroll = static_cast<std::int16_t>(v.hScroll);
    after.view.vScroll = static_cast<std::int16_t>(v.vScroll);
    const core::ViewPlacement at = core::PlaceView(after);
    const double step = 200 * zoom / 113.4;
    EXPECT_NEAR(at.originX + ribX * zoom, x, step / 2 + 1e-6) << zoom;
    EXPECT_NEAR(at.originY - ribY * zoom, y, step / 2 + 1e-6) << zoom;
  }
}

// Tabs over an upside-down rib stand above the view at rest: the bar reaches up to them.
TEST(MainView, TheVerticalBarReachesWhatStandsAboveTheViewAtRest) {
  core::RibDocument s = LongRibOnBlocks();
  s.rib.chord = {200, "200"};
  s.rib.baseMode = core::BaseMode::Tabs;
  s.rib.tabs.board = core::TabBoard::UnderLowerSurface;
  s.rib.tabs.lowerDistance.mm = 80;
  s.rib.tabs.lengthText = "30";
  s.rib.tabs.rearText = "20";
  s.view.zoom = 1;
  EXPECT_EQ(mainwindow::ScrollRangesFor(s, 265, 160).vertical.minimum, 0);
  s.rib.upsideDown = true;  // the board, 80 mm under the chord line, now stands 80 mm above it
  const mainwindow::ScrollRanges r = mainwindow::ScrollRangesFor(s, 265, 160);
  ASSERT_LT(r.vertical.minimum, 0);
  s.view.vScroll = static_cast<std::int16_t>(r.vertical.minimum);
  EXPECT_GE(DrawnExtent(s).top, 0);
}

}  // namespace
