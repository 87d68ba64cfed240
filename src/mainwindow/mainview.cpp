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

double ScrollStepTwips(const core::RibDocument& document) {
  return static_cast<double>(document.rib.chord.mm) * static_cast<double>(document.view.zoom) / 2.0;
}

namespace {
constexpr double kViewTopMarginTwips = 283.5;
constexpr double kFitMarginTwips = 283.5;

// The document as the view shows it at rest at `zoom`.
core::RibDocument RestingAt(const core::RibDocument& document, double zoom) {
  core::RibDocument rest;
  rest.rib = document.rib;
  rest.prepared.yMax = document.prepared.yMax;
  rest.view.zoom = static_cast<float>(zoom);
  return rest;
}

int Steps(double twips, double step) {
  if (!(twips > 0) || !(step > 0)) return 0;
  return static_cast<int>(std::min(std::ceil(twips / step), 30000.0));
}
}  // namespace

ScrollRanges ScrollRangesFor(const core::RibDocument& document, double viewWidthTwips, double viewHeightTwips) {
  ScrollRanges r;
  const double step = ScrollStepTwips(document);
  if (!(step > 0)) return r;
  const double scale = static_cast<double>(document.view.zoom) * 56.7;
  const double chordTwips = static_cast<double>(document.rib.chord.mm) * scale;
  // The base pieces and the labels reach beyond the outline.
  const double baseMm = std::fabs(document.rib.blocks.leadingExtension.mm) +
                        std::fabs(document.rib.blocks.trailingExtension.mm) +
                        std::fabs(document.rib.blocks.baseHeight.mm) + std::fabs(document.rib.blocks.topHeight.mm) +
                        std::fabs(document.rib.tabs.lowerDistance.mm) + std::fabs(document.rib.tabs.upperDistance.mm);
  const double margin = 850.5 * 2;
  const double width = 283.5 + chordTwips + baseMm * scale + margin;
  // An inverted rib hangs its upper surface below the chord line.
  const double reach = std::max(std::max(document.prepared.yMax, 0.0), -std::min(document.prepared.yMin, 0.0));
  const double height = 850.5 + chordTwips * (2 * reach + 0.05) + baseMm * scale + margin;

  r.horizontal.maximum = Steps(width - viewWidthTwips, step);
  r.horizontal.pageStep = std::max(1, Steps(viewWidthTwips * 0.8, step));
  r.vertical.maximum = Steps(height - viewHeightTwips, step);
  // Whatever stands higher than the view's top margin at rest (an upside-down rib's tabs or
  // block) is reached by scrolling up.
  const core::BoundsMm box = core::BoundsOf(core::BuildRib(document));
  if (!box.empty) {
    const core::ViewPlacement rest = core::PlaceView(RestingAt(document, document.view.zoom));
    r.vertical.minimum = -Steps(kViewTopMarginTwips - (rest.originY - box.top * scale), step);
  }
  r.vertical.pageStep = std::max(1, Steps(viewHeightTwips * 0.8, step));
  return r;
}

std::string ZoomEntryText(double zoom) {
  std::string percent = std::to_string(std::lround(zoom * 100));
  while (percent.size() < 3) percent.insert(percent.begin(), ' ');
  return "Zoom " + percent + " %";
}

FitView FitRibInView(const core::RibDocument& document, double viewWidthTwips, double viewHeightTwips) {
  FitView fit;
  const core::RibConstruction c = core::BuildRib(document);
  const core::BoundsMm box = core::BoundsOf(c);
  const double chord = document.rib.chord.mm;
  if (box.empty || !(chord > 0)) return fit;
  const double widthMm = box.right - box.left, heightMm = box.top - box.bottom;
  const double zx = (viewWidthTwips - 2 * kFitMarginTwips) / (std::max(widthMm, 1e-3) * 56.7);
  const double zy = (viewHeightTwips - 2 * kFitMarginTwips) / (std::max(heightMm, 1e-3) * 56.7);
  fit.zoom = std::clamp(std::floor(std::min(zx, zy) * 100) / 100, 0.05, 9.99);
  // Scroll so that the box's left and top edges sit at the margin.
  const core::ViewPlacement rest = core::PlaceView(RestingAt(document, fit.zoom));
  const double scale = fit.zoom * 56.7;
  const double step = chord * fit.zoom / 2;
  const double left = rest.originX + (c.viewShiftMm + box.left) * scale;
  const double top = rest.originY - box.top * scale;
  fit.hScroll = static_cast<int>(std::lround((kFitMarginTwips - left) / step));
  fit.vScroll = static_cast<int>(std::lround((top - kFitMarginTwips) / step));
  return fit;
}

ScrollValues ScrollKeepingPoint(const core::RibDocument& document, double newZoom, double xTwips, double yTwips) {
  const double chord = document.rib.chord.mm;
  ScrollValues v{document.view.hScroll, document.view.vScroll};
  if (!(chord > 0) || !(newZoom > 0)) return v;
  const core::ViewPlacement before = core::PlaceView(document);
  const double oldScale = static_cast<double>(document.view.zoom) * 56.7, newScale = newZoom * 56.7;
  // The point in millimetres from the chord line's leading edge.
  const double xMm = (xTwips - before.originX) / oldScale, yMm = (before.originY - yTwips) / oldScale;
  const core::ViewPlacement rest = core::PlaceView(RestingAt(document, newZoom));
  const double step = chord * newZoom / 2;
  v.hScroll = static_cast<int>(std::lround((xTwips - xMm * newScale - rest.originX) / step));
  v.vScroll = static_cast<int>(std::lround((rest.originY - (yTwips + yMm * newScale)) / step));
  return v;
}

}  // namespace mainwindow
