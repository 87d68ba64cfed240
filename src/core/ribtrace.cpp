#include "core/ribtrace.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace core {
namespace {

double FiniteOrZero(double v) { return std::isfinite(v) ? v : 0.0; }

// What the state keeps in floats: finite, and within the float range.
float StateFloat(double v) {
  constexpr double kMax = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(FiniteOrZero(v), -kMax, kMax));
}

class Mapper {
 public:
  Mapper(const RibConstruction& c, const SharedState& s, platform::DrawTarget& target)
      : target_(target),
        zoom_(s.zoom),
        scale_(static_cast<double>(s.zoom) * platform::kTwipsPerMm),
        x0_(static_cast<double>(s.originX) + c.viewShiftMm * scale_),
        y0_(s.originY) {}

  bool Usable() const { return std::isfinite(scale_) && std::isfinite(x0_) && std::isfinite(y0_); }

  void Draw(const RibElement& e) {
    switch (e.shape) {
      case RibShape::Polyline: Polyline(e); break;
      case RibShape::Circle: Circle(e); break;
      case RibShape::Text: Text(e); break;
    }
  }

  void Finish() {
    target_.DrawStyle = platform::kSolid;
    target_.DrawWidth = 1;
    target_.ForeColor = 0;
  }

 private:
  platform::DrawTarget& target_;
  double zoom_;
  double scale_;
  double x0_;
  double y0_;

  double X(double xMm) const { return x0_ + xMm * scale_; }
  double Y(double yMm) const { return y0_ - yMm * scale_; }

  void Pen(const RibElement& e) {
    target_.DrawStyle = e.lineStyle;
    target_.DrawWidth = e.lineWidth;
  }

  void Segment(double x1, double y1, double x2, double y2, int colour) {
    if (std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2)) {
      target_.Line(x1, y1, x2, y2, colour);
    }
  }

  void Polyline(const RibElement& e) {
    Pen(e);
    const auto& p = e.points;
    if (e.part == RibPart::ChordLine && p.size() == 2) {
      // One twip of overhang at each end keeps the chord visible past the outline's ends.
      Segment(X(p[0].x) - 1, Y(p[0].y), X(p[1].x) + 1, Y(p[1].y), e.colour);
      return;
    }
    for (std::size_t i = 1; i < p.size(); ++i) {
      Segment(X(p[i - 1].x), Y(p[i - 1].y), X(p[i].x), Y(p[i].y), e.colour);
    }
    if (e.closed && p.size() > 2) Segment(X(p.back().x), Y(p.back().y), X(p.front().x), Y(p.front().y), e.colour);
  }

  void Circle(const RibElement& e) {
    Pen(e);
    double x = X(e.points[0].x), y = Y(e.points[0].y), r = e.radiusMm * scale_;
    if (std::isfinite(x) && std::isfinite(y) && std::isfinite(r)) target_.Circle(x, y, r, e.colour);
  }

  void Text(const RibElement& e) {
    double x = X(e.points[0].x) + e.nudgeTwips.x, y = Y(e.points[0].y) + e.nudgeTwips.y;
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    target_.FontName = "Arial";
    target_.FontSize = zoom_ * e.fontSizePt;
    target_.ForeColor = e.colour;
    target_.CurrentX = x;
    target_.CurrentY = y;
    target_.Print(e.text);
  }
};

}  // namespace

void DrawConstruction(const RibConstruction& c, const SharedState& s, platform::DrawTarget& target) {
  Mapper mapper(c, s, target);
  if (!mapper.Usable()) return;
  target.FontName = "Arial";
  target.FontSize = static_cast<double>(s.zoom) * static_cast<double>(s.textFontSize);
  target.ForeColor = 0;
  target.DrawWidth = 1;
  for (const RibElement& e : c.elements) mapper.Draw(e);
  mapper.Finish();
}

void DrawRib(SharedState& s, platform::DrawTarget& target) {
  RibConstruction c = BuildRib(s);

  s.scale = StateFloat(static_cast<double>(s.zoom) * platform::kTwipsPerMm);
  s.scaleY = s.inverted ? -s.scale : s.scale;
  s.chordTwipsY = s.inverted ? -s.chordTwips : s.chordTwips;
  s.relSheeting = StateFloat(c.relSheeting);
  s.trailingEdgeMid = FiniteOrZero(c.trailingEdgeMid);
  s.sheetStartStation = StateFloat(c.sheetStartStation);
  s.sheetEndStation = StateFloat(c.sheetEndStation);
  s.sheetOverlap = static_cast<std::int16_t>(c.sheetOverlap);
  s.blockOffset = StateFloat(c.viewShiftMm);
  auto copy = [](const StationTable& from, StationTable& to) {
    for (std::size_t j = 0; j < from.size(); ++j) to[j] = FiniteOrZero(from[j]);
  };
  copy(c.offsets.upperAngle, s.upperAngle);
  copy(c.offsets.upperDx, s.upperDx);
  copy(c.offsets.upperDy, s.upperDy);
  copy(c.offsets.lowerAngle, s.lowerAngle);
  copy(c.offsets.lowerDx, s.lowerDx);
  copy(c.offsets.lowerDy, s.lowerDy);
  s.spars.sparPos = c.sparPos;
  s.holes.holePos = c.holePos;
  if (s.baseMode == 11) {
    s.tabLength = c.tabLength;
    s.tabRear = c.tabRear;
    s.tabReach = c.tabLength + c.tabRear;
  }

  DrawConstruction(c, s, target);
}

}  // namespace core
