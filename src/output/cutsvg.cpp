// The cut parts as SVG: one path per loop or circle, hairline strokes coloured by layer, no fill.
#include <string>
#include <vector>

#include "output/cutformats.h"

namespace output {

namespace {

using core::CutCircle;
using core::CutLayout;
using core::CutMark;
using core::CutPiece;
using core::PointMm;

std::string Xml(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out.push_back(static_cast<unsigned char>(c) < 0x20 ? ' ' : c);
    }
  }
  return out;
}

// SVG's y axis points down: the rib's heights are negated.
std::string SvgPoint(PointMm p) { return CutNumber(p.x) + " " + CutNumber(-p.y); }

void SvgLoop(std::string& d, const std::vector<PointMm>& loop) {
  if (loop.size() < 2) return;
  d += "M " + SvgPoint(loop.front());
  for (std::size_t i = 1; i < loop.size(); ++i) d += " L " + SvgPoint(loop[i]);
  d += " Z ";
}

void SvgCircle(std::string& d, const CutCircle& c) {
  // Two half arcs make the whole circle, exactly.
  const std::string r = CutNumber(c.radiusMm);
  d += "M " + SvgPoint({c.centre.x + c.radiusMm, c.centre.y});
  d += " A " + r + " " + r + " 0 1 0 " + SvgPoint({c.centre.x - c.radiusMm, c.centre.y});
  d += " A " + r + " " + r + " 0 1 0 " + SvgPoint({c.centre.x + c.radiusMm, c.centre.y}) + " Z ";
}

}  // namespace

std::string CutSvgText(const CutLayout& layout, const SheetFrame* sheet) {
  core::BoundsMm b = CutFileBounds(layout, sheet);
  // A sheet is the page itself; loose parts get a margin.
  const double margin = sheet ? 0 : kCutMarginMm;
  const double left = b.left - margin, top = -(b.top + margin);
  const double width = b.right - b.left + 2 * margin, height = b.top - b.bottom + 2 * margin;
  std::string s;
  s += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  s += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + CutNumber(width) + "mm\" height=\"" +
       CutNumber(height) + "mm\" viewBox=\"" + CutNumber(left) + " " + CutNumber(top) + " " + CutNumber(width) + " " +
       CutNumber(height) + "\">\n";
  // Hairlines: the thinnest stroke laser software takes for a cut or a score line.
  auto path = [&s](const std::string& d, const char* colour) {
    s += "    <path fill=\"none\" stroke=\"" + std::string(colour) + "\" stroke-width=\"0.01\" d=\"" + d + "\"/>\n";
  };
  auto loop = [](const std::vector<PointMm>& points) {
    std::string d;
    SvgLoop(d, points);
    if (!d.empty()) d.pop_back();
    return d;
  };
  if (sheet) {
    const double l = sheet->lengthMm, w = sheet->widthMm;
    s += std::string("  <g id=\"") + kSheetLayer + "\">\n";
    path(loop({{0, 0}, {l, 0}, {l, w}, {0, w}}), "#808080");
    s += "  </g>\n";
  }
  // A laser's order, as in the DXF: the marks, then on each cut layer every opening before
  // any outline.
  if (!layout.marks.empty()) {
    s += std::string("  <g id=\"") + kMarkLayer + "\">\n";
    for (const CutMark& m : layout.marks) {
      if (m.text.empty()) {
        if (m.points.size() < 2) continue;
        std::string d = "M " + SvgPoint(m.points.front());
        for (std::size_t i = 1; i < m.points.size(); ++i) d += " L " + SvgPoint(m.points[i]);
        path(d, "#0000ff");
      } else {
        // The font's size is its em; the mark holds the capitals' height.
        constexpr double kCapitalsPerEm = 0.716;
        const std::string x = CutNumber(m.baseline.x), y = CutNumber(-m.baseline.y);
        // SVG turns clockwise, y being down.
        const std::string turn =
            m.angleDegrees != 0 ? "\" transform=\"rotate(" + CutNumber(-m.angleDegrees) + " " + x + " " + y + ")" : "";
        s += "    <text x=\"" + x + "\" y=\"" + y + "\" font-family=\"Arial, sans-serif\" font-size=\"" +
             CutNumber(m.heightMm / kCapitalsPerEm) + turn + "\" fill=\"#0000ff\">" + Xml(m.text) + "</text>\n";
      }
    }
    s += "  </g>\n";
  }
  auto pieces = [&](const std::vector<CutPiece>& list, const char* layer, const char* colour) {
    if (list.empty()) return;
    s += std::string("  <g id=\"") + layer + "\">\n";
    for (const CutPiece& p : list) {
      for (const auto& hole : p.holes)
        if (hole.size() >= 2) path(loop(hole), colour);
      for (const CutCircle& c : p.circles) {
        std::string d;
        SvgCircle(d, c);
        d.pop_back();
        path(d, colour);
      }
    }
    for (const CutPiece& p : list)
      if (p.outer.size() >= 2) path(loop(p.outer), colour);
    s += "  </g>\n";
  };
  pieces(layout.rib, kCutLayer, "#ff0000");
  pieces(layout.jig, kJigLayer, "#00a000");
  s += "</svg>\n";
  return s;
}


}  // namespace output
