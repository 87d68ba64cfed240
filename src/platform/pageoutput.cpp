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

void ExtentTarget::Line(double x1, double y1, double x2, double y2, const Pen&, bool) {
  Add(x1, y1);
  Add(x2, y2);
}

void ExtentTarget::Circle(double x, double y, double radius, const Pen&) {
  Add(x - radius, y - radius);
  Add(x + radius, y + radius);
}

void ExtentTarget::PrintAt(const std::string& text, double x, double y, const Font& font, int) {
  Add(x, y);
  Add(x + TextWidth(text, font), y + TextHeight(text, font));
}

double ExtentTarget::TextWidth(const std::string& text, const Font& font) const {
  return metrics_.TextWidth(text, font);
}

double ExtentTarget::TextHeight(const std::string& text, const Font& font) const {
  return metrics_.TextHeight(text, font);
}

double ExtentTarget::TextAscent(const Font& font) const { return metrics_.TextAscent(font); }

double ExtentTarget::CapitalHeight(const Font& font) const { return metrics_.CapitalHeight(font); }

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
