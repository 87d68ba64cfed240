#include "platform/pageoutput.h"

#include <algorithm>
#include <cmath>

namespace platform {

bool RecordingPageOutput::Begin(const SheetPaper& paper, std::string& error) {
  if (refuseBegin) {
    error = "no printer";
    return false;
  }
  begun.push_back(paper);
  sheets.clear();
  sheets.emplace_back();
  ended = false;
  return true;
}

bool RecordingPageOutput::NewSheet(std::string&) {
  sheets.emplace_back();
  return true;
}

bool RecordingPageOutput::End(std::string& error) {
  if (failEnd) {
    error = failure;
    return false;
  }
  ended = true;
  return true;
}

void ExtentTarget::Add(double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  if (empty) {
    left = right = x;
    top = bottom = y;
    empty = false;
    return;
  }
  left = std::min(left, x);
  right = std::max(right, x);
  top = std::min(top, y);
  bottom = std::max(bottom, y);
}

void ExtentTarget::Line(double x1, double y1, double x2, double y2, int, bool) {
  Add(x1, y1);
  Add(x2, y2);
}

void ExtentTarget::Circle(double x, double y, double radius, int) {
  Add(x - radius, y - radius);
  Add(x + radius, y + radius);
}

void ExtentTarget::Print(const std::string& text, bool continueLine) {
  const double w = TextWidth(text);
  const double h = TextHeight(text);
  Add(CurrentX, CurrentY);
  Add(CurrentX + w, CurrentY + h);
  if (continueLine) {
    CurrentX += w;
  } else {
    CurrentY += h;
  }
}

// The metrics follow this target's font, not the one `metrics_` was left with.
template <class Measure>
double ExtentTarget::InOwnFont(Measure measure) const {
  const std::string name = metrics_.FontName;
  const double size = metrics_.FontSize;
  metrics_.FontName = FontName;
  metrics_.FontSize = FontSize;
  const double value = measure(metrics_);
  metrics_.FontName = name;
  metrics_.FontSize = size;
  return value;
}

double ExtentTarget::TextWidth(const std::string& text) const {
  return InOwnFont([&](DrawTarget& m) { return m.TextWidth(text); });
}

double ExtentTarget::TextHeight(const std::string& text) const {
  return InOwnFont([&](DrawTarget& m) { return m.TextHeight(text); });
}

double ExtentTarget::TextAscent() const {
  return InOwnFont([](DrawTarget& m) { return m.TextAscent(); });
}

double ExtentTarget::CapitalHeight() const {
  return InOwnFont([](DrawTarget& m) { return m.CapitalHeight(); });
}

}  // namespace platform

namespace platform {

namespace {

class NoPrinter : public RecordingPageOutput {
 public:
  NoPrinter() { refuseBegin = true; }
};

PageOutput* installedPrinter = nullptr;

}  // namespace

PageOutput& CurrentPrinter() {
  static NoPrinter none;
  return installedPrinter ? *installedPrinter : none;
}

ScopedPrinter::ScopedPrinter(PageOutput* printer) : previous_(installedPrinter) { installedPrinter = printer; }
ScopedPrinter::~ScopedPrinter() { installedPrinter = previous_; }

}  // namespace platform
