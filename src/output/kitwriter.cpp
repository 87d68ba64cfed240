#include "output/kitwriter.h"

#include <cmath>
#include <cstdio>


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
  SheetDrawing(core::SheetSize sheet, platform::DrawTarget& page) : sheet_(sheet), page_(page) {}

  double X(double mm) const { return mm * platform::kTwipsPerMm; }
  double Y(double mm) const { return (sheet_.widthMm - mm) * platform::kTwipsPerMm; }

  void Loop(const std::vector<core::PointMm>& loop, int colour, bool closed = true) {
    for (std::size_t i = 0; i + 1 < loop.size() + (closed ? 1 : 0); ++i) {
      const core::PointMm& a = loop[i];
      const core::PointMm& b = loop[(i + 1) % loop.size()];
      page_.Line(X(a.x), Y(a.y), X(b.x), Y(b.y), colour);
    }
  }

  void Pieces(const std::vector<core::CutPiece>& pieces, int colour) {
    for (const core::CutPiece& p : pieces) {
      Loop(p.outer, colour);
      for (const auto& hole : p.holes) Loop(hole, colour);
      for (const core::CutCircle& c : p.circles) page_.Circle(X(c.centre.x), Y(c.centre.y), c.radiusMm * platform::kTwipsPerMm, colour);
    }
  }

  // A text upright where it lies; one turned half a turn reads from the other end of its box.
  void Text(const core::CutMark& m) {
    constexpr double kCapitalsPerEm = 0.716, kPointsPerMm = 72 / 25.4;
    page_.FontName = "Arial";
    page_.FontSize = m.heightMm / kCapitalsPerEm * kPointsPerMm;
    page_.ForeColor = kPrintedMarkColour;
    const bool turned = std::fabs(std::remainder(m.angleDegrees, 360.0)) > 90;
    const double width = page_.TextWidth(m.text) / platform::kTwipsPerMm;
    const double left = turned ? m.baseline.x - width : m.baseline.x;
    const double base = turned ? m.baseline.y - m.heightMm : m.baseline.y;
    // The target places a text by its top-left corner: an em above the base line, less
    // the descent.
    constexpr double kAscentPerEm = 0.905;
    page_.CurrentX = X(left);
    page_.CurrentY = Y(base + m.heightMm / kCapitalsPerEm * kAscentPerEm);
    page_.Print(m.text);
  }

  void Draw(const core::CutLayout& placed) {
    page_.DrawStyle = platform::kSolid;
    page_.DrawWidth = 1;
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
  line("Parts: " + std::to_string(parts.size()) + " (" + std::to_string(summary.ribs) + " ribs)");
  line("Copies: " + std::to_string(summary.copies) + " of each rib");
  line("Sheets: " + std::to_string(summary.sheets) + " of " + Millimetres(summary.sheet.lengthMm) + " x " +
       Millimetres(summary.sheet.widthMm) + " mm, gap " + Millimetres(summary.gapMm) + " mm, kerf " +
       Millimetres(summary.kerfMm) + " mm");
  line("Used: " + Fixed(summary.usedPercent, 1) + " %");
  for (const std::string& warning : summary.warnings) line("Warning: " + warning);
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

void DrawKitSheet(const core::CutLayout& placed, core::SheetSize sheet, platform::DrawTarget& page) {
  SheetDrawing(sheet, page).Draw(placed);
}

}  // namespace output
