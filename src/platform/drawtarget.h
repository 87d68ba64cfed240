#pragma once
// The surface the rib is drawn on: the main view, the printer, image/PDF/SVG files and
// the recording target of the tests. Coordinates are twips (56.7 per millimetre) from the
// target's top-left corner, y downward. Colours are indexes of the 16-colour palette.
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

// The rib is laid out at 56.7 twips to the millimetre; devices are mapped with the same
// ratio (1440.18 to the inch) so that a printed millimetre is a true millimetre.
inline constexpr double kTwipsPerMm = 56.7;
inline constexpr double kTwipsPerInch = kTwipsPerMm * 25.4;

class DrawTarget {
 public:
  virtual ~DrawTarget() = default;

  // A segment, or with `box` the rectangle with these corners.
  virtual void Line(double x1, double y1, double x2, double y2, int colour, bool box = false) = 0;
  virtual void Circle(double x, double y, double radius, int colour) = 0;
  // Prints at (CurrentX, CurrentY), the text's top-left corner, in the current font and
  // ForeColor. With `continueLine` the position moves to the text's end on the same line
  // (for texts of several colours); otherwise to the start of the next line.
  virtual void Print(const std::string& text, bool continueLine = false) = 0;
  virtual double TextWidth(const std::string& text) const = 0;
  virtual double TextHeight(const std::string& text) const = 0;
  // The current font's ascent (from the text's top-left corner down to its base line) and
  // the height of its capitals, twips: a text set on a base line by the font in use, which
  // may stand in for the one asked. Without a font of its own a target takes Arial's.
  virtual double TextAscent() const { return FontSize * 20 * 0.905; }
  virtual double CapitalHeight() const { return FontSize * 20 * 0.716; }
  virtual void Clear() = 0;

  double CurrentX = 0;
  double CurrentY = 0;
  std::string FontName = "Arial";
  double FontSize = 9;  // points
  int ForeColor = 0;
  int DrawStyle = kSolid;
  int DrawWidth = 1;  // pixels
};

}  // namespace platform
