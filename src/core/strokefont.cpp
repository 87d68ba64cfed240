#include "core/strokefont.h"

#include <cctype>
#include <cmath>
#include <string>

namespace core {
namespace {

// Each glyph on a grid 4 wide and 6 high (the capital height), strokes apart by "|", a
// stroke's points "x,y" (single digits) apart by blanks. The cell is 6 wide: a unit of space either side.
constexpr int kGlyphHeight = 6;
constexpr int kCellWidth = 6;

const char* Glyph(char c) {
  switch (std::toupper(static_cast<unsigned char>(c))) {
    case '0': return "1,0 0,1 0,5 1,6 3,6 4,5 4,1 3,0 1,0|0,1 4,5";
    case '1': return "1,5 2,6 2,0|1,0 3,0";
    case '2': return "0,5 1,6 3,6 4,5 4,4 0,0 4,0";
    case '3': return "0,5 1,6 3,6 4,5 4,4 3,3 4,2 4,1 3,0 1,0 0,1|1,3 3,3";
    case '4': return "3,0 3,6 0,2 4,2";
    case '5': return "4,6 0,6 0,3 3,3 4,2 4,1 3,0 0,0";
    case '6': return "4,5 3,6 1,6 0,5 0,1 1,0 3,0 4,1 4,2 3,3 0,3";
    case '7': return "0,6 4,6 1,0";
    case '8': return "1,3 0,4 0,5 1,6 3,6 4,5 4,4 3,3 1,3 0,2 0,1 1,0 3,0 4,1 4,2 3,3";
    case '9': return "0,1 1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,4 1,3 4,3";
    case 'A': return "0,0 0,4 2,6 4,4 4,0|0,3 4,3";
    case 'B': return "0,0 0,6 3,6 4,5 4,4 3,3 0,3|3,3 4,2 4,1 3,0 0,0";
    case 'C': return "4,5 3,6 1,6 0,5 0,1 1,0 3,0 4,1";
    case 'D': return "0,0 0,6 2,6 4,4 4,2 2,0 0,0";
    case 'E': return "4,6 0,6 0,0 4,0|0,3 3,3";
    case 'F': return "4,6 0,6 0,0|0,3 3,3";
    case 'G': return "4,5 3,6 1,6 0,5 0,1 1,0 3,0 4,1 4,3 2,3";
    case 'H': return "0,0 0,6|4,0 4,6|0,3 4,3";
    case 'I': return "1,6 3,6|2,6 2,0|1,0 3,0";
    case 'J': return "3,6 3,1 2,0 1,0 0,1";
    case 'K': return "0,0 0,6|4,6 0,2|1,3 4,0";
    case 'L': return "0,6 0,0 4,0";
    case 'M': return "0,0 0,6 2,3 4,6 4,0";
    case 'N': return "0,0 0,6 4,0 4,6";
    case 'O': return "1,0 0,1 0,5 1,6 3,6 4,5 4,1 3,0 1,0";
    case 'P': return "0,0 0,6 3,6 4,5 4,4 3,3 0,3";
    case 'Q': return "1,0 0,1 0,5 1,6 3,6 4,5 4,1 3,0 1,0|2,2 4,0";
    case 'R': return "0,0 0,6 3,6 4,5 4,4 3,3 0,3|2,3 4,0";
    case 'S': return "4,5 3,6 1,6 0,5 0,4 1,3 3,3 4,2 4,1 3,0 1,0 0,1";
    case 'T': return "0,6 4,6|2,6 2,0";
    case 'U': return "0,6 0,1 1,0 3,0 4,1 4,6";
    case 'V': return "0,6 2,0 4,6";
    case 'W': return "0,6 1,0 2,3 3,0 4,6";
    case 'X': return "0,0 4,6|0,6 4,0";
    case 'Y': return "0,6 2,3 4,6|2,3 2,0";
    case 'Z': return "0,6 4,6 0,0 4,0";
    case '-': return "1,3 3,3";
    case '_': return "0,0 4,0";
    case '.': return "2,0 2,1";
    default: return "";
  }
}

}  // namespace

std::vector<CutMark> StrokedText(const CutMark& text) {
  std::vector<CutMark> lines;
  if (text.text.empty() || !(text.heightMm > 0)) return lines;
  const double unit = text.heightMm / kGlyphHeight;
  const double a = text.angleDegrees * kPi / 180, c = std::cos(a), s = std::sin(a);
  for (std::size_t i = 0; i < text.text.size(); ++i) {
    const double left = static_cast<double>(i) * kCellWidth + 1;
    CutMark stroke;
    for (const char* p = Glyph(text.text[i]); *p;) {
      if (*p == '|' || *p == ' ') {
        if (*p == '|') {
          lines.push_back(stroke);
          stroke.points.clear();
        }
        ++p;
        continue;
      }
      // "x,y", one digit each: read by hand, whatever the locale's decimal mark.
      const double x = p[0] - '0', y = p[2] - '0';
      p += 3;
      const double gx = (left + x) * unit, gy = y * unit;
      stroke.points.push_back({text.baseline.x + gx * c - gy * s, text.baseline.y + gx * s + gy * c});
    }
    if (!stroke.points.empty()) lines.push_back(stroke);
  }
  return lines;
}

}  // namespace core
