#include "mainwindow/mainview.h"

#include <algorithm>
#include <cmath>

#include "core/numformat.h"
#include "platform/texts.h"

namespace mainwindow {

const std::array<std::string, 7>& ZoomEntries() {
  static const std::array<std::string, 7> entries = {"Zoom 300 %", "Zoom 200 %", "Zoom 150 %", "Zoom 100 %",
                                                     "Zoom  75 %", "Zoom  50 %", "Zoom  25 %"};
  return entries;
}

float ZoomFromEntry(const std::string& entry) {
  std::string last5 = entry.size() >= 5 ? entry.substr(entry.size() - 5) : entry;
  return static_cast<float>(core::ValPrefix(last5.substr(0, 3)) / 100.0);
}

std::string VersionPanelText(const core::RibDocument& s) { return " V. " + s.settings.versionText; }

std::string UnitPanelText(const core::RibDocument& s) {
  return platform::Text("MainTolbar", "27") + " :" + s.settings.unitText;
}

std::string AirfoilPanelText(const core::RibDocument& s, const std::string& lblAirfoil,
                             const std::string& lblChord) {
  std::string text = lblAirfoil + " : " + s.airfoil.name + "  " + lblChord + " : " + s.rib.chord.text + s.settings.unitText;
  if (s.airfoil.title.empty() || s.airfoil.title.front() != '1') text += " <> Information : " + s.airfoil.title;
  return text;
}

double ScrollStepTwips(const core::RibDocument& s) {
  return static_cast<double>(s.rib.chord.mm) * static_cast<double>(s.view.zoom) / 2.0;
}

namespace {
int Steps(double twips, double step) {
  if (!(twips > 0) || !(step > 0)) return 0;
  return static_cast<int>(std::min(std::ceil(twips / step), 30000.0));
}
}  // namespace

ScrollRanges ScrollRangesFor(const core::RibDocument& s, double viewWidthTwips, double viewHeightTwips) {
  ScrollRanges r;
  const double step = ScrollStepTwips(s);
  if (!(step > 0)) return r;
  const double scale = static_cast<double>(s.view.zoom) * 56.7;
  const double chordTwips = static_cast<double>(s.rib.chord.mm) * scale;
  // The base pieces and the labels reach beyond the outline.
  const double baseMm = std::fabs(s.rib.blocks.leadingExtension.mm) + std::fabs(s.rib.blocks.trailingExtension.mm) + std::fabs(s.rib.blocks.baseHeight.mm) +
                        std::fabs(s.rib.blocks.topHeight.mm) + std::fabs(s.rib.tabs.lowerDistance.mm) + std::fabs(s.rib.tabs.upperDistance.mm);
  const double margin = 850.5 * 2;
  const double width = 283.5 + chordTwips + baseMm * scale + margin;
  // An inverted rib hangs its upper surface below the chord line.
  const double reach = std::max(std::max(s.prepared.yMax, 0.0), -std::min(s.prepared.yMin, 0.0));
  const double height = 850.5 + chordTwips * (2 * reach + 0.05) + baseMm * scale + margin;

  r.horizontal.maximum = Steps(width - viewWidthTwips, step);
  r.horizontal.pageStep = std::max(1, Steps(viewWidthTwips * 0.8, step));
  r.vertical.maximum = Steps(height - viewHeightTwips, step);
  r.vertical.pageStep = std::max(1, Steps(viewHeightTwips * 0.8, step));
  return r;
}

}  // namespace mainwindow
