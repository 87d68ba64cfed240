#include "output/kitwriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/plaintext.h"

namespace output {
namespace {

// Our own list, read on the builder's machine: plain line feeds.
constexpr const char* kLineEnd = "\n";
// Palette colours of the printed check: the cut red, marks blue, jigs green, sheet grey.
constexpr int kPrintedCutColour = 12;
constexpr int kPrintedMarkColour = 9;
constexpr int kPrintedJigColour = 10;
constexpr int kPrintedSheetColour = 8;

std::string Fixed(double v, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::isfinite(v) ? v : 0.0);
  return buffer;
}

// Millimetres as the list shows them: "1000", "2.5", "0.15".
std::string Millimetres(double v) {
  std::string text = Fixed(v, 3);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

class SheetDrawing {
 public:
  SheetDrawing(core::SheetSize sheet, platform::DrawTarget& page, core::PointMm corner)
      : sheet_(sheet), page_(page), corner_(corner) {}

  double X(double mm) const { return corner_.x + mm; }
  double Y(double mm) const { return corner_.y + sheet_.widthMm - mm; }

  void Loop(const std::vector<core::PointMm>& loop, int colour, bool closed = true) {
    for (std::size_t i = 0; i + 1 < loop.size() + (closed ? 1 : 0); ++i) {
      const core::PointMm& a = loop[i];
      const core::PointMm& b = loop[(i + 1) % loop.size()];
      page_.Line(X(a.x), Y(a.y), X(b.x), Y(b.y), {colour});
    }
  }

  void Pieces(const std::vector<core::CutPiece>& pieces, int colour) {
    for (const core::CutPiece& p : pieces) {
      Loop(p.outer, colour);
      for (const auto& hole : p.holes) Loop(hole, colour);
      for (const core::CutCircle& c : p.circles) page_.Circle(X(c.centre.x), Y(c.centre.y), c.radiusMm, {colour});
    }
  }

  // A text upright where it lies; one turned half a turn reads from the other end of its box.
  // The capitals stand as high as the DXF's text and on its base line, in whatever font
  // stands in for Arial: its own capital height and ascent, not Arial's.
  void Text(const core::CutMark& m) {
    constexpr double kCapitalsPerEm = 0.716, kPointsPerMm = 72 / 25.4;
    platform::Font font{"Arial", m.heightMm / kCapitalsPerEm * kPointsPerMm};
    const double capitals = page_.CapitalHeight(font);
    if (capitals > 0 && std::isfinite(capitals)) font.sizePt *= m.heightMm / capitals;
    const bool turned = std::fabs(std::remainder(m.angleDegrees, 360.0)) > 90;
    const double width = page_.TextWidth(m.text, font);
    const double left = turned ? m.baseline.x - width : m.baseline.x;
    const double base = turned ? m.baseline.y - m.heightMm : m.baseline.y;
    // The target places a text by its top-left corner, the ascent above the base line.
    page_.Print(m.text, X(left), Y(base) - page_.TextAscent(font), font, kPrintedMarkColour);
  }

  void Draw(const core::CutLayout& placed) {
    Loop({{0, 0}, {sheet_.lengthMm, 0}, {sheet_.lengthMm, sheet_.widthMm}, {0, sheet_.widthMm}}, kPrintedSheetColour);
    Pieces(placed.rib, kPrintedCutColour);
    Pieces(placed.jig, kPrintedJigColour);
    for (const core::CutMark& m : placed.marks) {
      if (m.text.empty()) Loop(m.points, kPrintedMarkColour, false);
      else Text(m);
    }
  }

 private:
  core::SheetSize sheet_;
  platform::DrawTarget& page_;
  core::PointMm corner_;
};

}  // namespace

std::string KitSheetFileName(int sheetIndex, CutFormat format) {
  char number[16];
  std::snprintf(number, sizeof number, "%02d", sheetIndex + 1);
  return std::string("sheet-") + number + (format == CutFormat::Svg ? ".svg" : ".dxf");
}

std::string KitSheetText(const core::CutLayout& placed, core::SheetSize sheet, CutFormat format) {
  const SheetFrame frame{sheet.lengthMm, sheet.widthMm};
  return CutFileText(placed, format, &frame);
}

std::string KitListText(const std::vector<KitListPart>& parts, const KitSummary& summary) {
  std::string text;
  auto line = [&text](const std::string& s) { text += s + kLineEnd; };
  const std::string size = Millimetres(summary.sheet.lengthMm) + " x " + Millimetres(summary.sheet.widthMm) +
                           (summary.thicknessMm > 0 ? " x " + Millimetres(summary.thicknessMm) : "") + " mm";
  line("Parts: " + std::to_string(parts.size()) + " (" + core::CountOf(summary.ribs, "rib", "ribs") + ")");
  line("Copies: " + std::to_string(summary.copies) + " of each rib");
  line("Sheets: " + std::to_string(summary.sheets) + " of " + size + ", gap " + Millimetres(summary.gapMm) +
       " mm, kerf " + Millimetres(summary.kerfMm) + " mm");
  line("Used: " + Fixed(summary.usedPercent, 1) + " %");
  for (const std::string& warning : summary.warnings) line("Warning: " + warning);

  line("");
  line("Materials");
  for (int sheet = 0; sheet < summary.sheets; ++sheet) {
    const auto count = std::count_if(parts.begin(), parts.end(), [sheet](const KitListPart& p) { return p.sheet == sheet; });
    line("  " + KitSheetFileName(sheet, summary.format) + "  " + size + "  " +
         core::CountOf(count, "part", "parts"));
  }
  // A rib's line: its pieces are the names of one copy (R10a, R10b), its jig a part beside them.
  std::vector<std::string> ribs;
  for (const KitListPart& p : parts)
    if (std::find(ribs.begin(), ribs.end(), p.rib) == ribs.end()) ribs.push_back(p.rib);
  line("Ribs");
  for (const std::string& rib : ribs) {
    std::vector<std::string> pieces;
    const KitListPart* first = nullptr;
    bool jig = false;
    for (const KitListPart& p : parts) {
      if (p.rib != rib) continue;
      if (!first) first = &p;
      jig = jig || p.jig;
      if (!p.jig && std::find(pieces.begin(), pieces.end(), p.name) == pieces.end()) pieces.push_back(p.name);
    }
    std::string about = "  " + rib + "  " + first->source + "  chord " + Fixed(first->chordMm, 2) + " mm  " +
                        core::CountOf(summary.copies, "copy", "copies") + "  " +
                        core::CountOf(static_cast<long long>(pieces.size()), "piece", "pieces");
    if (pieces.size() > 1) {
      about += " (";
      for (std::size_t i = 0; i < pieces.size(); ++i) about += (i ? ", " : "") + pieces[i];
      about += ")";
    }
    line(about + (jig ? "  with its jig" : ""));
  }
  for (int sheet = 0; sheet < summary.sheets; ++sheet) {
    line("");
    line(KitSheetFileName(sheet, summary.format));
    for (const KitListPart& p : parts) {
      if (p.sheet != sheet) continue;
      line("  " + p.name + "  " + p.source + "  chord " + Fixed(p.chordMm, 2) + " mm" + (p.turned ? "  turned" : ""));
    }
  }
  return text;
}

void DrawKitSheet(const core::CutLayout& placed, core::SheetSize sheet, platform::DrawTarget& page,
                  core::PointMm cornerMm) {
  SheetDrawing(sheet, page, cornerMm).Draw(placed);
}

}  // namespace output
