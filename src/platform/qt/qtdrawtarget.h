#pragma once
// The drawing target on anything a QPainter paints: the main view's widget, images, SVG and
// PDF files, the printer. Millimetres map to the device at its true resolution, so a
// millimetre on paper or in a PDF is a real millimetre.
#include <QColor>
#include <QFont>

#include "platform/drawtarget.h"

class QPainter;
class QPaintDevice;

namespace platform {

// The resolution of every PDF the program writes, printed pages and exported pictures alike.
inline constexpr int kPdfDpi = 1200;

class QtDrawTarget : public DrawTarget {
 public:
  // `dpiX`/`dpiY` are the device units per inch of the painter's device; a line width of one
  // pixel is `pixelSize` device units.
  QtDrawTarget(QPainter& painter, double dpiX, double dpiY, double pixelSize);
  // The device's own logical resolution; a pixel is 1/96 inch, at least one device unit.
  static QtDrawTarget ForDevice(QPainter& painter, const QPaintDevice& device);

  // What Clear paints (the main view's cream by default); an invalid colour clears nothing.
  void SetBackground(const QColor& colour) { background_ = colour; }

  void Line(double x1, double y1, double x2, double y2, const Pen& pen, bool box = false) override;
  void Circle(double x, double y, double radius, const Pen& pen) override;
  double TextWidth(const std::string& text, const Font& font) const override;
  double TextHeight(const std::string& text, const Font& font) const override;
  double TextAscent(const Font& font) const override;
  double CapitalHeight(const Font& font) const override;
  void Clear() override;

  double XDevice(double xMm) const { return xMm * dpiX_ / kMmPerInch; }
  double YDevice(double yMm) const { return yMm * dpiY_ / kMmPerInch; }

 protected:
  void PrintAt(const std::string& text, double x, double y, const Font& font, int colour) override;

 private:
  void UsePen(const Pen& pen);
  static QFont QtFont(const Font& font);

  QPainter& painter_;
  double dpiX_;
  double dpiY_;
  double pixelSize_;
  QColor background_;
};

// The main view's background, &HEFFFFF as the system stores colours (blue in the high byte).
QColor ViewBackground();
QColor PaletteQColor(int index);
// Qt's pen style for a line style 0..4 (solid, dash, dot, dash-dot, dash-dot-dot); other
// values draw solid.
Qt::PenStyle PenStyleFor(int drawStyle);

}  // namespace platform
