#pragma once
// The surface the rib is drawn on: the main view, the printer, image/PDF/SVG files and
// the recording target of the tests. Coordinates are millimetres from the target's top-left
// corner, y downward. Colours are indexes of the 16-colour palette.
#include <array>
#include <cstdint>
#include <string>

namespace platform {

struct Rgb {
  std::uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};

// The standard 16-colour palette (index 0 black ... 15 bright white).
const std::array<Rgb, 16>& Palette();
Rgb PaletteColour(int index);  // out-of-range indexes give black

// Line styles: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot.
inline constexpr int kSolid = 0;
inline constexpr int kDashDot = 3;

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kMmPerPoint = kMmPerInch / 72;

// How a line or circle is drawn: a palette colour, a line style and a width in pixels.
struct Pen {
  int colour = 0;
  int style = kSolid;
  int widthPx = 1;
  bool operator==(const Pen&) const = default;
};

struct Font {
  std::string name = "Arial";
  double sizePt = 9;
  bool operator==(const Font&) const = default;
};

// Where a printed text ended: the right end of its line, and the top of the next line.
struct TextEnd {
  double x;
  double nextLineY;
};

// Every call says where and how it draws: nothing carries over from one call to the next.
class DrawTarget {
 public:
  virtual ~DrawTarget() = default;

  // A segment, or with `box` the rectangle with these corners.
  virtual void Line(double x1, double y1, double x2, double y2, const Pen& pen, bool box = false) = 0;
  virtual void Circle(double x, double y, double radius, const Pen& pen) = 0;
  // Prints with the text's top-left corner at (x, y). A text of several colours is printed
  // in pieces, each at the `x` where the one before ended.
  TextEnd Print(const std::string& text, double x, double y, const Font& font, int colour) {
    PrintAt(text, x, y, font, colour);
    return {x + TextWidth(text, font), y + TextHeight(text, font)};
  }
  virtual double TextWidth(const std::string& text, const Font& font) const = 0;
  virtual double TextHeight(const std::string& text, const Font& font) const = 0;
  // The font's ascent (from the text's top-left corner down to its base line) and the height
  // of its capitals, millimetres: a text set on a base line by the font in use, which may stand
  // in for the one asked. Without a font of its own a target takes Arial's.
  virtual double TextAscent(const Font& font) const { return font.sizePt * kMmPerPoint * 0.905; }
  virtual double CapitalHeight(const Font& font) const { return font.sizePt * kMmPerPoint * 0.716; }
  virtual void Clear() = 0;

 protected:
  virtual void PrintAt(const std::string& text, double x, double y, const Font& font, int colour) = 0;
};

}  // namespace platform
