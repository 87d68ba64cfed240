#include "platform/recordingtarget.h"

namespace platform {

void RecordingTarget::Line(double x1, double y1, double x2, double y2, const Pen& pen, bool box) {
  lines.push_back({x1, y1, x2, y2, pen.colour, box, pen.style, pen.widthPx, next_++});
}

void RecordingTarget::Circle(double x, double y, double radius, const Pen& pen) {
  circles.push_back({x, y, radius, pen.colour, pen.style, pen.widthPx, next_++});
}

void RecordingTarget::PrintAt(const std::string& text, double x, double y, const Font& font, int colour) {
  texts.push_back({x, y, text, font.name, font.sizePt, colour, next_++});
}

double RecordingTarget::TextWidth(const std::string& text, const Font& font) const {
  return static_cast<double>(text.size()) * font.sizePt * kMmPerPoint / 2;
}

double RecordingTarget::TextHeight(const std::string&, const Font& font) const { return font.sizePt * kMmPerPoint; }

void RecordingTarget::Clear() {
  lines.clear();
  circles.clear();
  texts.clear();
  next_ = 0;
  ++clears;
}

}  // namespace platform
