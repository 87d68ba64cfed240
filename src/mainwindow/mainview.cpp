#include "mainwindow/mainview.h"

#include <algorithm>
#include <cmath>

#include "core/numformat.h"
#include "core/ribconstruction.h"
#include "core/viewgeometry.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace mainwindow {

const std::array<std::string, 7>& ZoomEntries() {
  static const std::array<std::string, 7> entries = {"Zoom 300 %", "Zoom 200 %", "Zoom 150 %", "Zoom 100 %",
                                                     "Zoom  75 %", "Zoom  50 %", "Zoom  25 %"};
  return entries;
}

float ZoomFromEntry(const std::string& entry) {
  std::string last5 = entry.size() >= 5 ? entry.substr(entry.size() - 5) : entry;
  return static_cast<float>(core::LeadingNumber(last5.substr(0, 3)) / 100.0);
}

std::string VersionPanelText(const core::RibDocument& document) { return " V. " + document.settings.versionText; }

std::string UnitPanelText(const core::RibDocument& document) {
  return platform::Text(keys::UnitLabel) + " :" + document.settings.unitText;
}

namespace {
constexpr double kScrolledTopMarginMm = 5;  // what scrolls up to stand above the view at rest
constexpr double kFitMarginMm = 5;

// The document as the view shows it at rest at `zoom`.
core::RibDocument RestingAt(const core::RibDocument& document, double zoom) {
  core::RibDocument rest;
  rest.rib = document.rib;
  rest.prepared.yMax = document.prepared.yMax;
  rest.view.zoom = static_cast<float>(zoom);
  return rest;
}

int Steps(double mm, double step) {
  if (!(mm > 0) || !(step > 0)) return 0;
  return static_cast<int>(std::min(std::ceil(mm / step), 30000.0));
}
}  // namespace

ScrollRanges ScrollRangesFor(const core::RibDocument& document, double viewWidthMm, double viewHeightMm) {
  ScrollRanges r;
  const double step = core::ScrollStepMm(document);
  if (!(step > 0)) return r;
  const double scale = document.view.zoom;
  const double chordMm = static_cast<double>(document.rib.chord.mm) * scale;
  // The base pieces and the labels reach beyond the outline.
  const double baseMm = std::fabs(document.rib.blocks.leadingExtension.mm) +
                        std::fabs(document.rib.blocks.trailingExtension.mm) +
                        std::fabs(document.rib.blocks.baseHeight.mm) + std::fabs(document.rib.blocks.topHeight.mm) +
                        std::fabs(document.rib.tabs.lowerDistance.mm) + std::fabs(document.rib.tabs.upperDistance.mm);
  const double margin = 2 * core::kViewTopMarginMm;
  const double width = core::kViewLeftMarginMm + chordMm + baseMm * scale + margin;
  // An inverted rib hangs its upper surface below the chord line.
  const double reach = std::max(std::max(document.prepared.yMax, 0.0), -std::min(document.prepared.yMin, 0.0));
  const double height = core::kViewTopMarginMm + chordMm * (2 * reach + 0.05) + baseMm * scale + margin;

  r.horizontal.maximum = Steps(width - viewWidthMm, step);
  r.horizontal.pageStep = std::max(1, Steps(viewWidthMm * 0.8, step));
  r.vertical.maximum = Steps(height - viewHeightMm, step);
  // Whatever stands higher than the view's top margin at rest (an upside-down rib's tabs or
  // block) is reached by scrolling up.
  const core::BoundsMm box = core::BoundsOf(core::BuildRib(document));
  if (!box.empty) {
    const core::ViewPlacement rest = core::PlaceView(RestingAt(document, document.view.zoom));
    r.vertical.minimum = -Steps(kScrolledTopMarginMm - (rest.originY - box.top * scale), step);
  }
  r.vertical.pageStep = std::max(1, Steps(viewHeightMm * 0.8, step));
  return r;
}

std::string ZoomEntryText(double zoom) {
  std::string percent = std::to_string(std::lround(zoom * 100));
  while (percent.size() < 3) percent.insert(percent.begin(), ' ');
  return "Zoom " + percent + " %";
}

FitView FitRibInView(const core::RibDocument& document, double viewWidthMm, double viewHeightMm) {
  FitView fit;
  const core::RibConstruction c = core::BuildRib(document);
  const core::BoundsMm box = core::BoundsOf(c);
  const double chord = document.rib.chord.mm;
  if (box.empty || !(chord > 0)) return fit;
  const double widthMm = box.right - box.left, heightMm = box.top - box.bottom;
  const double zx = (viewWidthMm - 2 * kFitMarginMm) / std::max(widthMm, 1e-3);
  const double zy = (viewHeightMm - 2 * kFitMarginMm) / std::max(heightMm, 1e-3);
  fit.zoom = std::clamp(std::floor(std::min(zx, zy) * 100) / 100, 0.05, 9.99);
  // Scroll so that the box's left and top edges sit at the margin.
  const core::ViewPlacement rest = core::PlaceView(RestingAt(document, fit.zoom));
  const double scale = fit.zoom;
  const double step = core::ScrollStepMm(chord, fit.zoom);
  const double left = rest.originX + (c.viewShiftMm + box.left) * scale;
  const double top = rest.originY - box.top * scale;
  fit.hScroll = static_cast<int>(std::lround((kFitMarginMm - left) / step));
  fit.vScroll = static_cast<int>(std::lround((top - kFitMarginMm) / step));
  return fit;
}

ScrollValues ScrollKeepingPoint(const core::RibDocument& document, double newZoom, double xMm, double yMm) {
  const double chord = document.rib.chord.mm;
  ScrollValues v{document.view.hScroll, document.view.vScroll};
  if (!(chord > 0) || !(newZoom > 0)) return v;
  const core::ViewPlacement before = core::PlaceView(document);
  const double oldZoom = document.view.zoom;
  // The point on the rib, millimetres from the chord line's leading edge.
  const double ribX = (xMm - before.originX) / oldZoom, ribY = (before.originY - yMm) / oldZoom;
  const core::ViewPlacement rest = core::PlaceView(RestingAt(document, newZoom));
  const double step = core::ScrollStepMm(chord, newZoom);
  v.hScroll = static_cast<int>(std::lround((xMm - ribX * newZoom - rest.originX) / step));
  v.vScroll = static_cast<int>(std::lround((rest.originY - (yMm + ribY * newZoom)) / step));
  return v;
}

}  // namespace mainwindow
