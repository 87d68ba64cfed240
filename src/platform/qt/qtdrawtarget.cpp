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

void QtDrawTarget::UsePen(int colour) {
  QPen pen(PaletteQColor(colour));
  pen.setWidthF(std::max(1, DrawWidth) * pixelSize_);
  pen.setStyle(PenStyleFor(DrawStyle));
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  painter_.setPen(pen);
  painter_.setBrush(Qt::NoBrush);
}

void QtDrawTarget::Line(double x1, double y1, double x2, double y2, int colour, bool box) {
  if (!Finite({x1, y1, x2, y2})) return;
  UsePen(colour);
  QPointF a(XDevice(x1), YDevice(y1));
  QPointF b(XDevice(x2), YDevice(y2));
  if (box) painter_.drawRect(QRectF(a, b).normalized());
  else painter_.drawLine(a, b);
}

void QtDrawTarget::Circle(double x, double y, double radius, int colour) {
  if (!Finite({x, y, radius})) return;
  UsePen(colour);
  painter_.drawEllipse(QPointF(XDevice(x), YDevice(y)), XDevice(std::fabs(radius)), YDevice(std::fabs(radius)));
}

QFont QtDrawTarget::CurrentFont() const {
  // The first text: the font configuration read meanwhile must be complete (a printed rib
  // draws thousands of segments before it, while it is read).
  AwaitFontConfiguration();
  QFont font(QString::fromStdString(FontName));
  font.setPointSizeF(FontSize > 0 && std::isfinite(FontSize) ? FontSize : 1.0);
  return font;
}

void QtDrawTarget::Print(const std::string& text, bool continueLine) {
  const QFont font = CurrentFont();
  const QString s = QString::fromStdString(text);
  const QFontMetricsF metrics(font, painter_.device());
  if (Finite({CurrentX, CurrentY})) {
    painter_.setFont(font);
    painter_.setPen(PaletteQColor(ForeColor));
    painter_.drawText(QPointF(XDevice(CurrentX), YDevice(CurrentY) + metrics.ascent()), s);
  }
  if (continueLine) {
    CurrentX += metrics.horizontalAdvance(s) * kTwipsPerInch / dpiX_;
  } else {
    CurrentX = 0;
    CurrentY += metrics.height() * kTwipsPerInch / dpiY_;
  }
}

double QtDrawTarget::TextWidth(const std::string& text) const {
  const QFontMetricsF metrics(CurrentFont(), painter_.device());
  return metrics.horizontalAdvance(QString::fromStdString(text)) * kTwipsPerInch / dpiX_;
}

double QtDrawTarget::TextHeight(const std::string&) const {
  const QFontMetricsF metrics(CurrentFont(), painter_.device());
  return metrics.height() * kTwipsPerInch / dpiY_;
}

double QtDrawTarget::TextAscent() const {
  const QFontMetricsF metrics(CurrentFont(), painter_.device());
  return metrics.ascent() * kTwipsPerInch / dpiY_;
}

double QtDrawTarget::CapitalHeight() const {
  const QFontMetricsF metrics(CurrentFont(), painter_.device());
  return metrics.capHeight() * kTwipsPerInch / dpiY_;
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
