#include "platform/qt/qtdrawtarget.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "platform/qt/qtfontconfig.h"

namespace platform {

namespace {

bool Finite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace

QColor ViewBackground() { return QColor(0xFF, 0xFF, 0xEF); }

QColor PaletteQColor(int index) {
  Rgb c = PaletteColour(index);
  return QColor(c.r, c.g, c.b);
}

Qt::PenStyle PenStyleFor(int drawStyle) {
  switch (drawStyle) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
  }
}

QtDrawTarget::QtDrawTarget(QPainter& painter, double dpiX, double dpiY, double pixelSize)
    : painter_(painter), dpiX_(dpiX), dpiY_(dpiY), pixelSize_(pixelSize), background_(ViewBackground()) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

QtDrawTarget QtDrawTarget::ForDevice(QPainter& painter, const QPaintDevice& device) {
  const double dpiX = device.logicalDpiX();
  const double dpiY = device.logicalDpiY();
  return QtDrawTarget(painter, dpiX, dpiY, std::max(1.0, dpiX / 96.0));
}

void QtDrawTarget::UsePen(const Pen& pen) {
  QPen qpen(PaletteQColor(pen.colour));
  qpen.setWidthF(std::max(1, pen.widthPx) * pixelSize_);
  qpen.setStyle(PenStyleFor(pen.style));
  qpen.setCapStyle(Qt::FlatCap);
  qpen.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(qpen);
  painter_.setBrush(Qt::NoBrush);
}

void QtDrawTarget::Line(double x1, double y1, double x2, double y2, const Pen& pen, bool box) {
  if (!Finite({x1, y1, x2, y2})) return;
  UsePen(pen);
  QPointF a(XDevice(x1), YDevice(y1));
  QPointF b(XDevice(x2), YDevice(y2));
  if (box) painter_.drawRect(QRectF(a, b).normalized());
  else painter_.drawLine(a, b);
}

void QtDrawTarget::Circle(double x, double y, double radius, const Pen& pen) {
  if (!Finite({x, y, radius})) return;
  UsePen(pen);
  painter_.drawEllipse(QPointF(XDevice(x), YDevice(y)), XDevice(std::fabs(radius)), YDevice(std::fabs(radius)));
}

QFont QtDrawTarget::QtFont(const Font& font) {
  // The first text: the font configuration read meanwhile must be complete (a printed rib
  // draws thousands of segments before it, while it is read).
  AwaitFontConfiguration();
  QFont qfont(QString::fromStdString(font.name));
  qfont.setPointSizeF(font.sizePt > 0 && std::isfinite(font.sizePt) ? font.sizePt : 1.0);
  return qfont;
}

void QtDrawTarget::PrintAt(const std::string& text, double x, double y, const Font& font, int colour) {
  if (!Finite({x, y})) return;
  const QFont qfont = QtFont(font);
  const QFontMetricsF metrics(qfont, painter_.device());
  painter_.setFont(qfont);
  painter_.setPen(PaletteQColor(colour));
  painter_.drawText(QPointF(XDevice(x), YDevice(y) + metrics.ascent()), QString::fromStdString(text));
}

double QtDrawTarget::TextWidth(const std::string& text, const Font& font) const {
  const QFontMetricsF metrics(QtFont(font), painter_.device());
  return metrics.horizontalAdvance(QString::fromStdString(text)) * kMmPerInch / dpiX_;
}

double QtDrawTarget::TextHeight(const std::string&, const Font& font) const {
  const QFontMetricsF metrics(QtFont(font), painter_.device());
  return metrics.height() * kMmPerInch / dpiY_;
}

double QtDrawTarget::TextAscent(const Font& font) const {
  const QFontMetricsF metrics(QtFont(font), painter_.device());
  return metrics.ascent() * kMmPerInch / dpiY_;
}

double QtDrawTarget::CapitalHeight(const Font& font) const {
  const QFontMetricsF metrics(QtFont(font), painter_.device());
  return metrics.capHeight() * kMmPerInch / dpiY_;
}

void QtDrawTarget::Clear() {
  if (!background_.isValid()) return;
  QPaintDevice* device = painter_.device();
  if (!device) return;
  painter_.save();
  painter_.resetTransform();
  painter_.fillRect(QRectF(0, 0, device->width(), device->height()), background_);
  painter_.restore();
}

}  // namespace platform
