#include "platform/recordingtarget.h"

namespace platform {

namespace {
constexpr double kTwipsPerPoint = 20;
}

void RecordingTarget::Line(double x1, double y1, double x2, double y2, int colour, bool box) {
  lines.push_back({x1, y1, x2, y2, colour, box, DrawStyle, DrawWidth, next_++});
}

void RecordingTarget::Circle(double x, double y, double radius, int colour) {
  circles.push_back({x, y, radius, colour, DrawStyle, DrawWidth, next_++});
}

void RecordingTarget::Print(const std::string& text, bool continueLine) {
  texts.push_back({CurrentX, CurrentY, text, FontName, FontSize, ForeColor, next_++});
  if (continueLine) {
    CurrentX += TextWidth(text);
  } else {
    CurrentX = 0;
    CurrentY += TextHeight(text);
  }
}

double RecordingTarget::TextWidth(const std::string& text) const {
  return static_cast<double>(text.size()) * FontSize * kTwipsPerPoint / 2;
}

double RecordingTarget::TextHeight(const std::string&) const { return FontSize * kTwipsPerPoint; }

void RecordingTarget::Clear() {
  lines.clear();
  circles.clear();
  texts.clear();
  next_ = 0;
  ++clears;
}

}  // namespace platform
