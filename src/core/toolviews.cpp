#include "core/toolviews.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace core {
namespace {

bool Finite(double a, double b, double c, double d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

void Segment(platform::DrawTarget& t, double x1, double y1, double x2, double y2, int colour) {
  if (Finite(x1, y1, x2, y2)) t.Line(x1, y1, x2, y2, colour);
}

// The chord line, one twip past each end so that it shows beyond the outline's ends.
void ChordLine(const Style& style, const ViewPlacement& at, platform::DrawTarget& t) {
  t.DrawStyle = style.LineStyleOf(Element::ChordAxis);
  Segment(t, at.originX - 1.0, at.originY, static_cast<double>(at.originX) + at.chordTwips + 1, at.originY,
          style.ColourOf(Element::ChordAxis));
  t.DrawStyle = platform::kSolid;
}

// A 1-based point list in chord fractions, segment by segment.
void Outline(const std::vector<double>& xs, const std::vector<double>& ys, int count, double yScale,
             const ViewPlacement& at, int colour, platform::DrawTarget& t) {
  const int n = std::min<int>(count, static_cast<int>(std::min(xs.size(), ys.size())) - 1);
  for (int i = 2; i <= n; ++i) {
    const auto a = static_cast<std::size_t>(i - 1), b = static_cast<std::size_t>(i);
    Segment(t, at.originX + at.chordTwips * xs[a], at.originY - yScale * ys[a], at.originX + at.chordTwips * xs[b],
            at.originY - yScale * ys[b], colour);
  }
}

void Finish(platform::DrawTarget& t) {
  t.DrawStyle = platform::kSolid;
  t.DrawWidth = 1;
  t.ForeColor = 0;
}

}  // namespace

void DrawComparison(const AirfoilComparison& c, const Style& style, const std::string& airfoilLabel,
                    const ViewPlacement& at, platform::DrawTarget& t) {
  const double mm = static_cast<double>(at.zoom) * platform::kTwipsPerMm;
  t.FontName = "Arial";
  t.FontSize = static_cast<double>(at.zoom) * 7.2;
  t.DrawWidth = 1;
  t.CurrentX = at.originX + mm * 5;
  t.CurrentY = at.originY - mm * 4;
  t.ForeColor = style.ColourOf(Element::CompareFirst);
  t.Print(airfoilLabel + " #1 : " + c.firstName + "     ", true);
  t.ForeColor = style.ColourOf(Element::CompareSecond);
  t.Print(airfoilLabel + " #2 : " + c.secondName);

  ChordLine(style, at, t);
  // The second airfoil is drawn last, so where the two coincide its colour shows.
  t.DrawStyle = style.LineStyleOf(Element::CompareFirst);
  Outline(c.first.outlineX, c.first.outlineY, c.first.outlineCount, at.chordTwips, at,
          style.ColourOf(Element::CompareFirst), t);
  t.DrawStyle = style.LineStyleOf(Element::CompareSecond);
  Outline(c.second.outlineX, c.second.outlineY, c.second.outlineCount, at.chordTwips, at,
          style.ColourOf(Element::CompareSecond), t);
  Finish(t);
}

std::string PercentText(double fraction) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f%%", fraction * 100);
  return text;
}

void DrawThicknessCamber(const RibDocument& d, const ThicknessCamberLabels& labels, const ViewPlacement& at,
                         platform::DrawTarget& t) {
  const Style& style = d.style;
  const double mm = static_cast<double>(at.zoom) * platform::kTwipsPerMm;
  t.FontName = "Arial";
  t.FontSize = static_cast<double>(at.zoom) * 7.2;
  t.DrawWidth = 1;
  t.CurrentX = at.originX + mm * 10;
  t.CurrentY = at.originY - mm * 4;
  t.ForeColor = style.ColourOf(Element::CompareFirst);
  t.Print(d.airfoil.name + "   ", true);
  t.ForeColor = style.ColourOf(Element::CompareSecond);
  t.Print(labels.thickness + " : " + PercentText(d.rib.reshape.newThickness) + "   " + labels.camber + " : " +
          PercentText(d.rib.reshape.newCamber));

  ChordLine(style, at, t);
  const PreparedAirfoil& p = d.prepared;
  t.DrawStyle = style.LineStyleOf(Element::Airfoil);
  Outline(p.outlineX, p.outlineY, p.outlineCount, at.chordTwips, at, style.ColourOf(Element::CompareFirst), t);

  t.DrawStyle = style.LineStyleOf(Element::Sheeting);
  const int colour = style.ColourOf(Element::CompareSecond);
  const StationTable& up = d.rib.reshape.upperAt;
  const StationTable& low = d.rib.reshape.lowerAt;
  auto x = [&](int j) { return at.originX + static_cast<double>(at.chordTwips) * (400 - j) / 400.0; };
  for (int j = 0; j < kStations - 1; ++j) {
    const auto a = static_cast<std::size_t>(j), b = a + 1;
    Segment(t, x(j), at.originY - at.chordTwips * up[a], x(j + 1), at.originY - at.chordTwips * up[b], colour);
    Segment(t, x(j), at.originY - at.chordTwips * low[a], x(j + 1), at.originY - at.chordTwips * low[b], colour);
  }
  Finish(t);
}

void DrawFormer(const RibDocument& d, const ViewPlacement& at, platform::DrawTarget& t) {
  const Style& style = d.style;
  const double scale = static_cast<double>(at.zoom) * platform::kTwipsPerMm;
  const double chordTwipsY = d.rib.upsideDown ? -static_cast<double>(at.chordTwips) : at.chordTwips;
  t.FontName = "Arial";
  t.FontSize = static_cast<double>(at.zoom) * d.rib.caption.fontSize;
  t.DrawWidth = 1;
  ChordLine(style, at, t);
  t.DrawStyle = style.LineStyleOf(Element::Airfoil);
  t.DrawWidth = style.WidthOf(WidthElement::Airfoil);
  Outline(d.airfoil.x, d.airfoil.y, d.airfoil.pointCount, chordTwipsY, at, style.ColourOf(Element::Airfoil), t);
  t.DrawStyle = platform::kSolid;
  t.DrawWidth = 1;
  const InsertedText& text = d.rib.caption;
  if (!(text.x.mm == 0 && text.y.mm == 0) && !text.text.empty()) {
    // The text's top-left corner stands 3 mm above its point, and is not mirrored.
    const double x = at.originX + text.x.mm * scale, y = at.originY - text.y.mm * scale - 3 * scale;
    if (std::isfinite(x) && std::isfinite(y)) {
      t.ForeColor = 0;
      t.CurrentX = x;
      t.CurrentY = y;
      t.Print(text.text);
    }
  }
  Finish(t);
}

double ChordLineOnSheetMm(double aboveMm, double belowMm, double wantedMm, double sheetHeightMm, double marginMm) {
  double chordLine = std::min(wantedMm, sheetHeightMm - marginMm - belowMm);
  return std::max(chordLine, marginMm + aboveMm);
}

void DrawTextRows(const std::vector<std::vector<std::string>>& rows, double leftTwips, double topTwips,
                  double lineTwips, double columnTwips, double fontSize, platform::DrawTarget& t) {
  t.FontName = "Arial";
  t.FontSize = fontSize;
  t.ForeColor = 0;
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (std::size_t j = 0; j < rows[i].size(); ++j) {
      t.CurrentX = leftTwips + static_cast<double>(j) * columnTwips;
      t.CurrentY = topTwips + static_cast<double>(i) * lineTwips;
      t.Print(rows[i][j]);
    }
}

}  // namespace core
