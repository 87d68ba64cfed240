#include "core/piecewidth.h"

#include <cmath>

#include <clipper.hpp>

namespace core {
namespace {

// Whole micrometres, as the cut parts are made.
constexpr double kWidthUnitsPerMm = 1000.0;

ClipperLib::Path WidthPath(const std::vector<PointMm>& loop) {
  ClipperLib::Path path;
  for (const PointMm& p : loop)
    path.push_back({static_cast<ClipperLib::cInt>(std::llround(p.x * kWidthUnitsPerMm)),
                    static_cast<ClipperLib::cInt>(std::llround(p.y * kWidthUnitsPerMm))});
  return path;
}

}  // namespace

bool PieceHoldsDisc(const CutPiece& piece, double acrossMm) {
  if (piece.outer.size() < 3) return false;
  // The centres a disc of this size may take: the piece shrunk by its radius, with round
  // corners so that an inner corner keeps the disc as far away as a side does.
  ClipperLib::Paths region{WidthPath(piece.outer)};
  for (const auto& hole : piece.holes) region.push_back(WidthPath(hole));
  for (const CutCircle& c : piece.circles) {
    ClipperLib::Path circle;
    constexpr int kCorners = 64;
    for (int i = 0; i < kCorners; ++i) {
      const double a = 2 * 3.14159265358979323846 * i / kCorners;
      circle.push_back({static_cast<ClipperLib::cInt>(std::llround((c.centre.x + c.radiusMm * std::cos(a)) * kWidthUnitsPerMm)),
                        static_cast<ClipperLib::cInt>(std::llround((c.centre.y - c.radiusMm * std::sin(a)) * kWidthUnitsPerMm))});
    }
    region.push_back(circle);  // clockwise: a hole
  }
  ClipperLib::Clipper even;
  even.AddPaths(region, ClipperLib::ptSubject, true);
  ClipperLib::Paths solid;
  even.Execute(ClipperLib::ctUnion, solid, ClipperLib::pftEvenOdd, ClipperLib::pftEvenOdd);
  ClipperLib::ClipperOffset shrink;
  shrink.ArcTolerance = 0.005 * kWidthUnitsPerMm;
  shrink.AddPaths(solid, ClipperLib::jtRound, ClipperLib::etClosedPolygon);
  ClipperLib::Paths centres;
  shrink.Execute(centres, -acrossMm / 2 * kWidthUnitsPerMm);
  double area = 0;
  for (const ClipperLib::Path& p : centres) area += ClipperLib::Area(p);
  return area > 0;
}

}  // namespace core
