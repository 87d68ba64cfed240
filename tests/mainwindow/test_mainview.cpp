// The main view's scroll ranges without the window.
#include <gtest/gtest.h>

#include "mainwindow/mainview.h"

namespace {

TEST(MainView, ScrollBarsReachTheWholeRibAtEveryZoom) {
  core::RibDocument s;
  s.rib.chord.mm = 1200;
  s.prepared.yMax = 0.09;
  s.prepared.yMin = -0.03;
  const double viewW = 15000, viewH = 9000;
  for (float zoom : {3.0f, 1.0f, 0.25f}) {
    s.view.zoom = zoom;
    const mainwindow::ScrollRanges r = mainwindow::ScrollRangesFor(s, viewW, viewH);
    // With the thumbs at their ends the far end and the lowest point come into the view.
    const double step = mainwindow::ScrollStepTwips(s);
    EXPECT_LE(283.5 - r.horizontal.maximum * step + s.rib.chord.mm * 56.7 * zoom, viewW) << zoom;
    const double lowest = -r.vertical.maximum * step + s.rib.chord.mm * s.prepared.yMax * 56.7 * zoom +
                          850.5 - s.rib.chord.mm * s.prepared.yMin * 56.7 * zoom;
    EXPECT_LE(lowest, viewH) << zoom;
    EXPECT_EQ(r.vertical.minimum, 0);
  }
  s.view.zoom = 0.25f;
  s.rib.chord.mm = 100;
  EXPECT_EQ(mainwindow::ScrollRangesFor(s, viewW, viewH).horizontal.maximum, 0);  // fits: nothing to scroll
  s.rib.chord.mm = 0;
  const mainwindow::ScrollRanges none = mainwindow::ScrollRangesFor(s, 1000, 1000);
  EXPECT_EQ(none.horizontal.maximum, 0);
  EXPECT_EQ(none.vertical.maximum, 0);
}

}  // namespace
