#include "core/cutmarks.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <clipper.hpp>

#include "core/cutlabel.h"

namespace core {
namespace {

// Whole micrometres, as the cut parts are made in.
constexpr double kMarkUnitsPerMm = 1000.0;
// A circle opening is taken as a polygon this close to it, on its outer side.
constexpr double kMarkCircleToleranceMm = 0.005;
// Leftover areas below this (square micrometres) are rounding.
constexpr double kMarkNegligibleArea = 100.0;

ClipperLib::IntPoint MarkUnits(PointMm p) {
  return {static_cast<ClipperLib::cInt>(std::llround(p.x * kMarkUnitsPerMm)),
          static_cast<ClipperLib::cInt>(std::llround(p.y * kMarkUnitsPerMm))};
}

ClipperLib::Path MarkPath(const std::vector<PointMm>& points) {
  ClipperLib::Path path;
  for (const PointMm& p : points)
    if (std::isfinite(p.x) && std::isfinite(p.y) && std::fabs(p.x) < 1e9 && std::fabs(p.y) < 1e9)
      path.push_back(MarkUnits(p));
  return path;
}

// The circle's polygon with its edges outside the true circle, so that the region left
// never reaches into the opening.
ClipperLib::Path CircleOutside(const CutCircle& c) {
  const double r = std::max(c.radiusMm, 0.0);
  int n = 16;
  if (r > kMarkCircleToleranceMm)
    n = static_cast<int>(std::clamp(std::ceil(kPi / std::acos(1 - kMarkCircleToleranceMm / r)), 16.0, 4096.0));
  const double outside = r / std::cos(kPi / n);
  std::vector<PointMm> points;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * kPi * i / n;
    points.push_back({c.centre.x + outside * std::cos(a), c.centre.y + outside * std::sin(a)});
  }
  return MarkPath(points);
}

// Where marks may go: the pieces less their openings, shrunk by the clearance.
ClipperLib::Paths MarkRegion(const std::vector<CutPiece>& pieces, double clearanceMm) {
  ClipperLib::Paths outer, openings;
  for (const CutPiece& p : pieces) {
    ClipperLib::Path o = MarkPath(p.outer);
    if (o.size() < 3) continue;
    if (!ClipperLib::Orientation(o)) std::reverse(o.begin(), o.end());
    outer.push_back(o);
    for (const auto& hole : p.holes) {
      ClipperLib::Path h = MarkPath(hole);
      if (h.size() < 3) continue;
      if (!ClipperLib::Orientation(h)) std::reverse(h.begin(), h.end());
      openings.push_back(h);
    }
    for (const CutCircle& c : p.circles) openings.push_back(CircleOutside(c));
  }
  ClipperLib::Clipper clipper;
  clipper.AddPaths(outer, ClipperLib::ptSubject, true);
  clipper.AddPaths(openings, ClipperLib::ptClip, true);
  ClipperLib::Paths part;
  clipper.Execute(ClipperLib::ctDifference, part, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
  if (!(clearanceMm > 0)) return part;
  ClipperLib::ClipperOffset offset;
  offset.AddPaths(part, ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
  ClipperLib::Paths shrunk;
  offset.Execute(shrunk, -clearanceMm * kMarkUnitsPerMm);
  return shrunk;
}

ClipperLib::Path TextBox(const CutMark& text) {
  const double w = LabelWidth(text.text, text.heightMm), h = text.heightMm;
  const double a = text.angleDegrees * kPi / 180, c = std::cos(a), s = std::sin(a);
  std::vector<PointMm> box;
  for (PointMm q : {PointMm{0, 0}, PointMm{w, 0}, PointMm{w, h}, PointMm{0, h}})
    box.push_back({text.baseline.x + q.x * c - q.y * s, text.baseline.y + q.x * s + q.y * c});
  ClipperLib::Path path = MarkPath(box);
  if (!ClipperLib::Orientation(path)) std::reverse(path.begin(), path.end());
  return path;
}

bool BoxInside(const ClipperLib::Path& box, const ClipperLib::Paths& region) {
  if (box.size() < 3 || region.empty()) return false;
  ClipperLib::Clipper clipper;
  clipper.AddPath(box, ClipperLib::ptSubject, true);
  clipper.AddPaths(region, ClipperLib::ptClip, true);
  ClipperLib::Paths outside;
  clipper.Execute(ClipperLib::ctDifference, outside, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
  double area = 0;
  for (const ClipperLib::Path& p : outside) area += std::fabs(ClipperLib::Area(p));
  return area < kMarkNegligibleArea;
}

// The stretches of an open line inside the closed region.
ClipperLib::Paths LineInside(const ClipperLib::Path& line, const ClipperLib::Paths& region) {
  ClipperLib::Clipper clipper;
  clipper.AddPath(line, ClipperLib::ptSubject, false);
  clipper.AddPaths(region, ClipperLib::ptClip, true);
  ClipperLib::PolyTree tree;
  clipper.Execute(ClipperLib::ctIntersection, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
  ClipperLib::Paths inside;
  ClipperLib::OpenPathsFromPolyTree(tree, inside);
  return inside;
}

// Whether an open line runs through the box.
bool LineThrough(const ClipperLib::Path& box, const ClipperLib::Path& line) { return !LineInside(line, {box}).empty(); }

// A number that does not fit where the rib puts it (below the rib, at the foot of its line):
// beside the line, right or left of it, at the nearest height where it lies whole on the
// part and clear of the lines. None when no height takes it.
std::optional<CutMark> NumberMoved(const CutMark& number, const ClipperLib::Paths& region,
                                   const std::vector<CutMark>& lines) {
  constexpr int kSizes = 3;
  constexpr double kStepMm = 0.25, kBesideMm = 0.5;
  if (region.empty()) return std::nullopt;
  std::vector<ClipperLib::Path> paths;
  for (const CutMark& m : lines)
    if (m.text.empty() && m.points.size() >= 2) paths.push_back(MarkPath(m.points));
  ClipperLib::cInt low = region[0][0].Y, high = low;
  for (const ClipperLib::Path& p : region)
    for (const ClipperLib::IntPoint& q : p) low = std::min(low, q.Y), high = std::max(high, q.Y);
  const double bottom = static_cast<double>(low) / kMarkUnitsPerMm, top = static_cast<double>(high) / kMarkUnitsPerMm;
  // A corner outside the region rules the box out at once, before the polygon work.
  auto cornersIn = [&region](const ClipperLib::Path& box) {
    return std::all_of(box.begin(), box.end(), [&region](const ClipperLib::IntPoint& q) {
      int in = 0;
      for (const ClipperLib::Path& p : region) in += ClipperLib::PointInPolygon(q, p) != 0;
      return in % 2 == 1;
    });
  };
  for (int k = 0; k < kSizes; ++k) {
    CutMark moved = number;
    moved.heightMm = number.heightMm * (1 - (2.0 / 3.0) * k / (kSizes - 1));
    const double w = LabelWidth(number.text, moved.heightMm);
    // Up first, for the number stood below the rib, then down: ever further away, while
    // the box can still meet the part.
    for (int step = 0;; ++step) {
      const double up = number.baseline.y + step * kStepMm, down = number.baseline.y - step * kStepMm;
      if (up > top && down + moved.heightMm < bottom) break;
      for (double y : {up, down}) {
        if (y > top || y + moved.heightMm < bottom) continue;
        for (double x : {number.baseline.x + kBesideMm, number.baseline.x - kBesideMm - w}) {
          moved.baseline = {x, y};
          const ClipperLib::Path box = TextBox(moved);
          if (!cornersIn(box) || !BoxInside(box, region)) continue;
          if (std::any_of(paths.begin(), paths.end(), [&](const ClipperLib::Path& p) { return LineThrough(box, p); }))
            continue;
          return moved;
        }
      }
    }
  }
  return std::nullopt;
}

}  // namespace

bool TextOnPart(const CutMark& text, const std::vector<CutPiece>& pieces, double clearanceMm) {
  return BoxInside(TextBox(text), MarkRegion(pieces, clearanceMm));
}

std::vector<CutMark> MarksOnPart(const std::vector<CutMark>& marks, const std::vector<CutPiece>& pieces,
                                 std::vector<CutMark>* displaced, double clearanceMm) {
  const ClipperLib::Paths region = MarkRegion(pieces, clearanceMm);
  std::vector<CutMark> kept, numbers;
  for (const CutMark& m : marks) {
    if (!m.text.empty()) {
      if (BoxInside(TextBox(m), region)) kept.push_back(m);
      else if (m.number) numbers.push_back(m);
      else if (m.caption && displaced) displaced->push_back(m);
      continue;
    }
    const ClipperLib::Path line = MarkPath(m.points);
    if (line.size() < 2 || region.empty()) continue;
    for (const ClipperLib::Path& piece : LineInside(line, region)) {
      if (piece.size() < 2) continue;
      CutMark part = m;
      part.points.clear();
      for (const ClipperLib::IntPoint& q : piece)
        part.points.push_back({static_cast<double>(q.X) / kMarkUnitsPerMm, static_cast<double>(q.Y) / kMarkUnitsPerMm});
      kept.push_back(std::move(part));
    }
  }
  // Once every line is cut back, so that a number keeps off all of them.
  for (const CutMark& n : numbers)
    if (std::optional<CutMark> moved = NumberMoved(n, region, kept)) kept.push_back(*moved);
  return kept;
}

}  // namespace core
