#include "core/cutlabel.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace core {
namespace {

// Kept between the text's box and any cut line.
constexpr double kClearanceMm = 0.5;
// Positions tried along the part and across it, and heights tried from the largest down.
constexpr int kPositions = 48;
constexpr int kAcross = 16;
constexpr int kHeights = 5;

double Cross(PointMm o, PointMm a, PointMm b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

bool SegmentsMeet(PointMm a, PointMm b, PointMm c, PointMm d) {
  double d1 = Cross(c, d, a), d2 = Cross(c, d, b), d3 = Cross(a, b, c), d4 = Cross(a, b, d);
  return ((d1 >= 0) != (d2 >= 0) || d1 == 0 || d2 == 0) && ((d3 >= 0) != (d4 >= 0) || d3 == 0 || d4 == 0) &&
         std::max(a.x, b.x) >= std::min(c.x, d.x) && std::max(c.x, d.x) >= std::min(a.x, b.x) &&
         std::max(a.y, b.y) >= std::min(c.y, d.y) && std::max(c.y, d.y) >= std::min(a.y, b.y);
}

bool Inside(PointMm p, const std::vector<PointMm>& loop) {
  bool in = false;
  for (std::size_t i = 0, j = loop.size() - 1; i < loop.size(); j = i++) {
    const PointMm &a = loop[i], &b = loop[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

// Whether no loop's edge enters the box (grown by the clearance) and its centre lies in
// the part, outside its openings and circles; with `marks`, none of their lines or texts
// enters it either.
bool Clear(const CutPiece& piece, PointMm centre, double w, double h, const std::vector<CutMark>* marks) {
  const double hw = w / 2 + kClearanceMm, hh = h / 2 + kClearanceMm;
  const PointMm corners[4] = {{centre.x - hw, centre.y - hh}, {centre.x + hw, centre.y - hh},
                              {centre.x + hw, centre.y + hh}, {centre.x - hw, centre.y + hh}};
  auto crosses = [&](const std::vector<PointMm>& loop, bool closed = true) {
    for (std::size_t i = 0; i + (closed ? 0 : 1) < loop.size(); ++i) {
      PointMm a = loop[i], b = loop[(i + 1) % loop.size()];
      if (a.x >= corners[0].x && a.x <= corners[2].x && a.y >= corners[0].y && a.y <= corners[2].y) return true;
      for (int k = 0; k < 4; ++k)
        if (SegmentsMeet(a, b, corners[k], corners[(k + 1) % 4])) return true;
    }
    return false;
  };
  if (piece.outer.size() < 3 || !Inside(centre, piece.outer) || crosses(piece.outer)) return false;
  for (const auto& hole : piece.holes)
    if (hole.size() >= 3 && (Inside(centre, hole) || crosses(hole))) return false;
  for (const CutCircle& c : piece.circles) {
    double dx = std::max(std::fabs(c.centre.x - centre.x) - hw, 0.0);
    double dy = std::max(std::fabs(c.centre.y - centre.y) - hh, 0.0);
    if (std::hypot(dx, dy) < c.radiusMm) return false;
  }
  if (!marks) return true;
  for (const CutMark& m : *marks) {
    if (m.text.empty()) {
      if (m.points.size() == 1 ? crosses({m.points[0], m.points[0]}, false) : crosses(m.points, false)) return false;
      continue;
    }
    // A text's box, turned or not, by the box around it.
    const double tw = LabelWidth(m.text, m.heightMm), a = m.angleDegrees * kPi / 180;
    BoundsMm t;
    for (PointMm q : {PointMm{0, 0}, PointMm{tw, 0}, PointMm{tw, m.heightMm}, PointMm{0, m.heightMm}})
      t.Take(m.baseline.x + q.x * std::cos(a) - q.y * std::sin(a), m.baseline.y + q.x * std::sin(a) + q.y * std::cos(a));
    if (t.left <= corners[2].x && t.right >= corners[0].x && t.bottom <= corners[2].y && t.top >= corners[0].y)
      return false;
  }
  return true;
}

// The lowest and highest crossings of the outer loop with the vertical line at x.
bool Span(const std::vector<PointMm>& loop, double x, double& low, double& high) {
  bool found = false;
  for (std::size_t i = 0; i < loop.size(); ++i) {
    PointMm a = loop[i], b = loop[(i + 1) % loop.size()];
    if ((a.x - x) * (b.x - x) > 0 || a.x == b.x) continue;
    double y = a.y + (x - a.x) / (b.x - a.x) * (b.y - a.y);
    low = found ? std::min(low, y) : y;
    high = found ? std::max(high, y) : y;
    found = true;
  }
  return found;
}

}  // namespace

double LabelWidth(const std::string& text, double heightMm) { return static_cast<double>(text.size()) * heightMm; }

std::optional<CutLabel> LabelInside(const CutPiece& piece, const std::string& text, double largestMm,
                                    const std::vector<CutMark>& marks, bool onlyClear) {
  if (text.empty() || piece.outer.size() < 3 || !(largestMm > 0)) return std::nullopt;
  BoundsMm b;
  for (const PointMm& p : piece.outer) b.Take(p.x, p.y);
  // Where the part is thickest first, then ever further from there.
  std::vector<double> xs;
  double thickest = 0, at = (b.left + b.right) / 2;
  for (int i = 1; i < kPositions; ++i) {
    double x = b.left + (b.right - b.left) * i / kPositions, low = 0, high = 0;
    xs.push_back(x);
    if (Span(piece.outer, x, low, high) && high - low > thickest) {
      thickest = high - low;
      at = x;
    }
  }
  std::stable_sort(xs.begin(), xs.end(), [at](double a, double c) { return std::fabs(a - at) < std::fabs(c - at); });
  // Across the part, its middle first: above or below an opening when the middle is taken.
  std::vector<int> across;
  for (int j = -kAcross / 2; j <= kAcross / 2; ++j) across.push_back(j);
  std::stable_sort(across.begin(), across.end(), [](int a, int c) { return std::abs(a) < std::abs(c); });
  // Clear of the engraved lines first, for a name a line runs through is hard to read;
  // failing that anywhere, over them.
  for (const std::vector<CutMark>* avoiding : {&marks, static_cast<const std::vector<CutMark>*>(nullptr)}) {
    if (!avoiding && (marks.empty() || onlyClear)) break;
    for (int k = 0; k < kHeights; ++k) {
      const double h = largestMm * (1 - (2.0 / 3.0) * k / (kHeights - 1));
      const double w = LabelWidth(text, h);
      for (double x : xs) {
        double low = 0, high = 0;
        if (!Span(piece.outer, x, low, high)) continue;
        for (int j : across) {
          PointMm centre{x, (low + high) / 2 + (high - low) * j / kAcross};
          if (!Clear(piece, centre, w, h, avoiding)) continue;
          CutLabel label;
          label.centre = centre;
          label.widthMm = w;
          label.mark.text = text;
          label.mark.heightMm = h;
          label.mark.baseline = {centre.x - w / 2, centre.y - h / 2};
          return label;
        }
      }
    }
  }
  return std::nullopt;
}

}  // namespace core
