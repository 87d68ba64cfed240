// The main view's rules without the window: zoom list, status texts, scroll ranges.
#include <gtest/gtest.h>

#include "mainwindow/mainview.h"

namespace {

TEST(MainView, zoomEntriesGiveTheirFactors) {
  const float expected[] = {3, 2, 1.5f, 1, 0.75f, 0.5f, 0.25f};
  const auto& entries = mainwindow::ZoomEntries();
  for (std::size_t i = 0; i < entries.size(); ++i) EXPECT_FLOAT_EQ(mainwindow::ZoomFromEntry(entries[i]), expected[i]);
  EXPECT_EQ(entries[6], "Zoom  25 %");  // two blanks
  EXPECT_EQ(entries[mainwindow::kZoomDefaultIndex], "Zoom 100 %");
}

TEST(MainView, statusTextsNameAirfoilChordAndTitle) {
  core::SharedState s;
  s.versionText = "1.0.0-E";
  s.airfoilName = "clarky";
  s.airfoilTitle = "CLARK Y AIRFOIL";
  s.chordText = "200";
  EXPECT_EQ(mainwindow::VersionPanelText(s), " V. 1.0.0-E");
  EXPECT_EQ(mainwindow::UnitPanelText(s), "unit : mm");
  EXPECT_EQ(mainwindow::AirfoilPanelText(s, "Airfoil", "Chord"),
            "Airfoil : clarky  Chord : 200 mm <> Information : CLARK Y AIRFOIL");
  // A file without a title line has its first point as title: no information part.
  s.airfoilTitle = "1 0.00119";
  EXPECT_EQ(mainwindow::AirfoilPanelText(s, "Airfoil", "Chord"), "Airfoil : clarky  Chord : 200 mm");
}

// Brings the far end of the rib into a view of the given width with the bar at its end.
double RightEdgeInViewTwips(const core::SharedState& s, const mainwindow::ScrollRanges& r) {
  const double originX = 283.5 - r.horizontal.maximum * mainwindow::ScrollStepTwips(s);
  return originX + s.chord * 56.7 * s.zoom;
}

TEST(MainView, scrollBarsReachTheWholeRibAtEveryZoom) {
  core::SharedState s;
  s.chord = 1200;
  s.yMax = 0.09;
  s.yMin = -0.03;
  const double viewW = 15000, viewH = 9000;
  for (float zoom : {3.0f, 1.0f, 0.25f}) {
    s.zoom = zoom;
    const mainwindow::ScrollRanges r = mainwindow::ScrollRangesFor(s, viewW, viewH);
    EXPECT_LE(RightEdgeInViewTwips(s, r), viewW) << zoom;
    EXPECT_GE(r.horizontal.maximum, 0);
    // The lowest point comes up into the view with the thumb at the bottom.
    const double lowest = -r.vertical.maximum * mainwindow::ScrollStepTwips(s) + s.chord * s.yMax * 56.7 * zoom +
                          850.5 - s.chord * s.yMin * 56.7 * zoom;
    EXPECT_LE(lowest, viewH) << zoom;
    EXPECT_EQ(r.vertical.minimum, 0);
  }
  s.zoom = 0.25f;
  s.chord = 100;
  EXPECT_EQ(mainwindow::ScrollRangesFor(s, viewW, viewH).horizontal.maximum, 0);  // fits: nothing to scroll
}

TEST(MainView, aRibWithoutChordHasNothingToScroll) {
  core::SharedState s;
  s.chord = 0;
  const mainwindow::ScrollRanges r = mainwindow::ScrollRangesFor(s, 1000, 1000);
  EXPECT_EQ(r.horizontal.maximum, 0);
  EXPECT_EQ(r.vertical.maximum, 0);
}

}  // namespace
