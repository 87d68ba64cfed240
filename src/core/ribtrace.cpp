#include "core/ribtrace.h"

#include <cmath>

namespace core {
namespace {

class Mapper {
 public:
  Mapper(const RibConstruction& c, const ViewPlacement& at, platform::DrawTarget& target)
      : target_(target),
        zoom_(at.zoom),
        scale_(static_cast<double>(at.zoom)),
        x0_(at.originX + c.viewShiftMm * scale_),
        y0_(at.originY) {}

  bool Usable() const { return std::isfinite(scale_) && std::isfinite(x0_) && std::isfinite(y0_); }

  void Draw(const RibElement& e) {
    switch (e.shape) {
      case RibShape::Polyline: Polyline(e); break;
      case RibShape::Circle: Circle(e); break;
      case RibShape::Text: Text(e); break;
    }
  }

 private:
  platform::DrawTarget& target_;
  double zoom_;
  double scale_;
  double x0_;
  double y0_;

  double X(double xMm) const { return x0_ + xMm * scale_; }
  double Y(double yMm) const { return y0_ - yMm * scale_; }

  static platform::Pen PenOf(const RibElement& e) { return {e.colour, e.lineStyle, e.lineWidth}; }

  void Segment(double x1, double y1, double x2, double y2, const platform::Pen& pen) {
    if (std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2)) {
      target_.Line(x1, y1, x2, y2, pen);
    }
  }

  void Polyline(const RibElement& e) {
    const platform::Pen pen = PenOf(e);
    const auto& p = e.points;
    if (e.part == RibPart::ChordLine && p.size() == 2) {
      Segment(X(p[0].x) - kChordOverhangMm, Y(p[0].y), X(p[1].x) + kChordOverhangMm, Y(p[1].y), pen);
      return;
    }
    for (std::size_t i = 1; i < p.size(); ++i) {
      Segment(X(p[i - 1].x), Y(p[i - 1].y), X(p[i].x), Y(p[i].y), pen);
    }
    if (e.closed && p.size() > 2) Segment(X(p.back().x), Y(p.back().y), X(p.front().x), Y(p.front().y), pen);
  }

  void Circle(const RibElement& e) {
    double x = X(e.points[0].x), y = Y(e.points[0].y), r = e.radiusMm * scale_;
    if (std::isfinite(x) && std::isfinite(y) && std::isfinite(r)) target_.Circle(x, y, r, PenOf(e));
  }

  void Text(const RibElement& e) {
    double x = X(e.points[0].x) + e.nudgeMm.x, y = Y(e.points[0].y) + e.nudgeMm.y;
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    target_.Print(e.text, x, y, {"Arial", zoom_ * e.fontSizePt}, e.colour);
  }
};

}  // namespace

void DrawConstruction(const RibConstruction& c, const ViewPlacement& at, platform::DrawTarget& target) {
  Mapper mapper(c, at, target);
  if (!mapper.Usable()) return;
  for (const RibElement& e : c.elements) mapper.Draw(e);
}

void DrawRib(const RibDocument& document, const ViewPlacement& at, const RibLabels& labels,
             platform::DrawTarget& target) {
  DrawConstruction(BuildRib(document, labels), at, target);
}

}  // namespace core
