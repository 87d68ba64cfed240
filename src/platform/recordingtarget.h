#pragma once
// A drawing target that keeps every primitive instead of drawing it (tests, benchmarks).
#include <string>
#include <vector>

#include "platform/drawtarget.h"

namespace platform {

struct RecordedLine {
  double x1, y1, x2, y2;
  int colour;
  bool box;
  int style;
  int width;
  int sequence;  // position among all primitives
  bool operator==(const RecordedLine&) const = default;
};

struct RecordedCircle {
  double x, y, radius;
  int colour;
  int style;
  int width;
  int sequence;
  bool operator==(const RecordedCircle&) const = default;
};

struct RecordedText {
  double x, y;  // top-left corner
  std::string text;
  std::string fontName;
  double fontSize;
  int colour;
  int sequence;
  bool operator==(const RecordedText&) const = default;
};

class RecordingTarget : public DrawTarget {
 public:
  void Line(double x1, double y1, double x2, double y2, const Pen& pen, bool box = false) override;
  void Circle(double x, double y, double radius, const Pen& pen) override;
  // A fixed metric: half the font size in points per character, the size for a line.
  double TextWidth(const std::string& text, const Font& font) const override;
  double TextHeight(const std::string& text, const Font& font) const override;
  void Clear() override;

  std::vector<RecordedLine> lines;
  std::vector<RecordedCircle> circles;
  std::vector<RecordedText> texts;
  int clears = 0;

 protected:
  void PrintAt(const std::string& text, double x, double y, const Font& font, int colour) override;

 private:
  int next_ = 0;
};

}  // namespace platform
