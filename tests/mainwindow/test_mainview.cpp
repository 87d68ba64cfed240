// The main view's scroll ranges without the window.
#include <gtest/gtest.h>

#include "mainwindow/mainview.h"

namespace {

TEST(MainView, scrollBarsReachTheWholeRibAtEveryZoom) {
  core::SharedState s;
  s.chord = 1200;
  s.yMax = 0.09;
  s.yMin = -0.03;
  const double viewW = 15000, viewH = 9000;
  for (float zoom : {3.0f, 1.0f, 0.25f}) {
    s.zoom = zoom;
    const mainwindow::ScrollRanges r = mainwindow::ScrollRangesFor(s, viewW, viewH);
    // With the thumbs at their ends the far end and the lowest point come into the view.
    const double step = mainwindow::ScrollStepTwips(s);
    EXPECT_LE(283.5 - r.horizontal.maximum * step + s.chord * 56.7 * zoom, viewW) << zoom;
    const double lowest = -r.vertical.maximum * step + s.chord * s.yMax * 56.7 * zoom +
                          850.5 - s.chord * s.yMin * 56.7 * zoom;
    EXPECT_LE(lowest, viewH) << zoom;
    EXPECT_EQ(r.vertical.minimum, 0);
  }
  s.zoom = 0.25f;
  s.chord = 100;
  EXPECT_EQ(mainwindow::ScrollRangesFor(s, viewW, viewH).horizontal.maximum, 0);  // fits: nothing to scroll
  s.chord = 0;
  const mainwindow::ScrollRanges none = mainwindow::ScrollRangesFor(s, 1000, 1000);
  EXPECT_EQ(none.horizontal.maximum, 0);
  EXPECT_EQ(none.vertical.maximum, 0);
}

}  // namespace
