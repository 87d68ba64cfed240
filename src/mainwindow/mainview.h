#pragma once
// The main view's rules apart from the window: the zoom list, the status bar texts, the
// scroll bars. Plain functions so they are tested without a screen.
#include <array>
#include <string>

#include "core/ribdocument.h"

namespace mainwindow {

// The zoom list's entries, index 0 to 6; index 3 ("Zoom 100 %") is selected at start.
inline constexpr int kZoomDefaultIndex = 3;
const std::array<std::string, 7>& ZoomEntries();
// The zoom an entry gives: the first three of its last five characters, over 100.
float ZoomFromEntry(const std::string& entry);

// Status bar panels.
std::string VersionPanelText(const core::RibDocument& document);
std::string UnitPanelText(const core::RibDocument& document);

struct ScrollRange {
  int minimum = 0;
  int maximum = 0;
  int pageStep = 1;
};
// Thumb positions. The horizontal bar's value is its position; the vertical bar counts
// down as its thumb goes down (its value is minus the position), so that with the offset
// rule (offset = minus the value) moving the thumb down brings the lower parts into view.
struct ScrollRanges {
  ScrollRange horizontal;
  ScrollRange vertical;
};
// Ranges that let every part of the rib, its base and its labels be brought into a view
// of the given size (millimetres) at the current zoom, also what an upside-down rib's base puts
// above the view at rest.
ScrollRanges ScrollRangesFor(const core::RibDocument& document, double viewWidthMm, double viewHeightMm);

// The zoom list's text for a zoom ("Zoom  37 %"), as the entries are written.
std::string ZoomEntryText(double zoom);

// View > Fit: the largest whole-percent zoom (5 % to 999 %) at which the whole rib fits in
// a view of the given size (millimetres) with a margin, and the scroll values that put it there.
struct FitView {
  double zoom = 1;
  int hScroll = 0;
  int vScroll = 0;
};
FitView FitRibInView(const core::RibDocument& document, double viewWidthMm, double viewHeightMm);

// The scroll values that keep the point under (xMm, yMm) of the view where it is when
// the zoom changes from the document's zoom to `newZoom`.
struct ScrollValues {
  int hScroll = 0;
  int vScroll = 0;
};
ScrollValues ScrollKeepingPoint(const core::RibDocument& document, double newZoom, double xMm, double yMm);

}  // namespace mainwindow
