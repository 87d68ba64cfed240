#pragma once
// Polygon work behind the nesting, on Clipper's whole-unit paths: tidying a part's outline
// into one simple loop, thinning it, cutting it into convex pieces and adding convex
// polygons. Only the core's own sources and its tests include this.
#include <vector>

#include <clipper.hpp>

namespace core::nest {

using ClipperLib::cInt;
using ClipperLib::IntPoint;
using ClipperLib::Path;
using ClipperLib::Paths;

struct Box {
  cInt left = 0, bottom = 0, right = 0, top = 0;
  bool Meets(const Box& o) const { return left <= o.right && o.left <= right && bottom <= o.top && o.bottom <= top; }
  bool Holds(const IntPoint& p) const { return p.X >= left && p.X <= right && p.Y >= bottom && p.Y <= top; }
};

Box BoxOf(const Path& path);  // path not empty

// Twice the signed area of the triangle o, a, b: positive when it turns left.
__int128 Turn(const IntPoint& o, const IntPoint& a, const IntPoint& b);

Path ConvexHull(Path points);  // counter-clockwise

// One simple counter-clockwise loop holding the whole of `points`.
Path OneLoop(const Path& points);

// The loop with the corners dropped that lie within `tolerance` of the line that replaces
// them; `deviation` tells how far the farthest dropped corner was.
Path Thinned(const Path& loop, double tolerance, double& deviation);

// How far the simple loop `inner` keeps from the edges of the loop `outer` around it: the
// least distance between their edges (0 where they touch), -1 where they cross or `inner`
// lies outside.
double Clearance(const Path& inner, const Path& outer);

// Convex counter-clockwise pieces whose union is the simple counter-clockwise loop; its
// convex hull alone when it cannot be cut up.
std::vector<Path> ConvexPieces(const Path& loop);

// The sum of two convex counter-clockwise polygons.
Path ConvexSum(const Path& a, const Path& b);

}  // namespace core::nest
