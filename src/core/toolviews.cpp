#include "core/toolviews.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>

namespace core {
namespace {

bool Finite(double a, double b, double c, double d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

void Segment(platform::DrawTarget& t, double x1, double y1, double x2, double y2, const platform::Pen& pen) {
  if (Finite(x1, y1, x2, y2)) t.Line(x1, y1, x2, y2, pen);
}

// The chord line, a little past each end so that it shows beyond the outline's ends.
void ChordLine(const Style& style, const ViewPlacement& at, platform::DrawTarget& t) {
  Segment(t, at.originX - kChordOverhangMm, at.originY, at.originX + at.chordMm + kChordOverhangMm, at.originY,
          {style.ColourOf(Element::ChordAxis), style.LineStyleOf(Element::ChordAxis), 1});
}

platform::Font ViewFont(double sizePt) { return {"Arial", sizePt}; }

// A point list in chord fractions, segment by segment.
void Outline(std::span<const Point> points, double yScale, const ViewPlacement& at, const platform::Pen& pen,
             platform::DrawTarget& t) {
  for (std::size_t i = 1; i < points.size(); ++i) {
    const Point &a = points[i - 1], &b = points[i];
    Segment(t, at.originX + at.chordMm * a.x, at.originY - yScale * a.y, at.originX + at.chordMm * b.x,
            at.originY - yScale * b.y, pen);
  }
}

}  // namespace

void DrawComparison(const AirfoilComparison& c, const Style& style, const std::string& airfoilLabel,
                    const ViewPlacement& at, platform::DrawTarget& t) {
  const double zoom = at.zoom;
  const platform::Font font = ViewFont(static_cast<double>(at.zoom) * 7.2);
  const double top = at.originY - zoom * 4;
  const platform::TextEnd first = t.Print(airfoilLabel + " #1 : " + c.firstName + "     ", at.originX + zoom * 5, top,
                                          font, style.ColourOf(Element::CompareFirst));
  t.Print(airfoilLabel + " #2 : " + c.secondName, first.x, top, font, style.ColourOf(Element::CompareSecond));

  ChordLine(style, at, t);
  // The second airfoil is drawn last, so where the two coincide its colour shows.
  Outline(c.first.outline, at.chordMm, at,
          {style.ColourOf(Element::CompareFirst), style.LineStyleOf(Element::CompareFirst), 1}, t);
  Outline(c.second.outline, at.chordMm, at,
          {style.ColourOf(Element::CompareSecond), style.LineStyleOf(Element::CompareSecond), 1}, t);
}

std::string PercentText(double fraction) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f%%", fraction * 100);
  return text;
}

void DrawThicknessCamber(const RibDocument& document, const ThicknessCamberLabels& labels, const ViewPlacement& at,
                         platform::DrawTarget& t) {
  const Style& style = document.style;
  const double zoom = at.zoom;
  const platform::Font font = ViewFont(static_cast<double>(at.zoom) * 7.2);
  const double top = at.originY - zoom * 4;
  const platform::TextEnd name =
      t.Print(document.airfoil.name + "   ", at.originX + zoom * 10, top, font, style.ColourOf(Element::CompareFirst));
  t.Print(labels.thickness + " : " + PercentText(document.rib.reshape.newThickness) + "   " + labels.camber + " : " +
              PercentText(document.rib.reshape.newCamber),
          name.x, top, font, style.ColourOf(Element::CompareSecond));

  ChordLine(style, at, t);
  const PreparedAirfoil& p = document.prepared;
  Outline(p.outline, at.chordMm, at,
          {style.ColourOf(Element::CompareFirst), style.LineStyleOf(Element::Airfoil), 1}, t);

  const platform::Pen pen{style.ColourOf(Element::CompareSecond), style.LineStyleOf(Element::Sheeting), 1};
  const StationTable& up = document.rib.reshape.upperAt;
  const StationTable& low = document.rib.reshape.lowerAt;
  auto x = [&](int j) { return at.originX + at.chordMm * (400 - j) / 400.0; };
  for (int j = 0; j < kStations - 1; ++j) {
    const auto a = static_cast<std::size_t>(j), b = a + 1;
    Segment(t, x(j), at.originY - at.chordMm * up[a], x(j + 1), at.originY - at.chordMm * up[b], pen);
    Segment(t, x(j), at.originY - at.chordMm * low[a], x(j + 1), at.originY - at.chordMm * low[b], pen);
  }
}

void DrawFormer(const RibDocument& document, const ViewPlacement& at, platform::DrawTarget& t) {
  const Style& style = document.style;
  const double zoom = at.zoom;
  const double chordY = document.rib.upsideDown ? -at.chordMm : at.chordMm;
  ChordLine(style, at, t);
  Outline(document.airfoil.points, chordY, at,
          {style.ColourOf(Element::Airfoil), style.LineStyleOf(Element::Airfoil), style.WidthOf(WidthElement::Airfoil)},
          t);
  const InsertedText& text = document.rib.caption;
  if (!(text.x.mm == 0 && text.y.mm == 0) && !text.text.empty()) {
    // The text's top-left corner stands 3 mm above its point, and is not mirrored.
    const double x = at.originX + text.x.mm * zoom, y = at.originY - text.y.mm * zoom - 3 * zoom;
    if (std::isfinite(x) && std::isfinite(y)) {
      t.Print(text.text, x, y, ViewFont(static_cast<double>(at.zoom) * document.rib.caption.fontSize), 0);
    }
  }
}

double ChordLineOnSheetMm(double aboveMm, double belowMm, double wantedMm, double sheetHeightMm, double marginMm) {
  double chordLine = std::min(wantedMm, sheetHeightMm - marginMm - belowMm);
  return std::max(chordLine, marginMm + aboveMm);
}

void DrawTextRows(const std::vector<std::vector<std::string>>& rows, double leftMm, double topMm, double lineMm,
                  double columnMm, double fontSize, platform::DrawTarget& t) {
  const platform::Font font = ViewFont(fontSize);
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (std::size_t j = 0; j < rows[i].size(); ++j) {
      t.Print(rows[i][j], leftMm + static_cast<double>(j) * columnMm, topMm + static_cast<double>(i) * lineMm, font,
              0);
    }
}

}  // namespace core
