#include "core/nestshapes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numeric>
#include <tuple>
#include <utility>

namespace core::nest {
namespace {

bool Lower(const IntPoint& a, const IntPoint& b) { return std::tie(a.X, a.Y) < std::tie(b.X, b.Y); }

// Without corners where the loop runs straight on or doubles back.
Path WithoutStraightCorners(Path loop) {
  bool changed = true;
  while (changed && loop.size() >= 3) {
    changed = false;
    for (std::size_t i = 0; i < loop.size() && loop.size() >= 3; ++i) {
      const std::size_t n = loop.size();
      if (Turn(loop[(i + n - 1) % n], loop[i], loop[(i + 1) % n]) == 0) {
        loop.erase(loop.begin() + static_cast<std::ptrdiff_t>(i));
        changed = true;
      }
    }
  }
  return loop;
}

double DistanceToSegment(const IntPoint& p, const IntPoint& a, const IntPoint& b) {
  double dx = static_cast<double>(b.X - a.X), dy = static_cast<double>(b.Y - a.Y);
  double px = static_cast<double>(p.X - a.X), py = static_cast<double>(p.Y - a.Y);
  double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0) : 0.0;
  return std::hypot(px - t * dx, py - t * dy);
}

// Whether two edges of the outline run over the same stretch in opposite directions: a
// fold, such as a spike of no width. The loop the outline winds round leaves such a stretch
// out when it sticks outside, even where its corners lie on the loop.
bool Folds(const Path& points) {
  struct Line {
    cInt dx, dy;
    __int128 offset;
    bool operator<(const Line& o) const { return std::tie(dx, dy, offset) < std::tie(o.dx, o.dy, o.offset); }
  };
  struct Stretch {
    __int128 from, to;  // along the line's direction
  };
  // Each edge under its line, as the stretch it covers one way or the other.
  std::map<Line, std::pair<std::vector<Stretch>, std::vector<Stretch>>> byLine;
  const std::size_t n = points.size();
  for (std::size_t i = 0; i < n; ++i) {
    const IntPoint &a = points[i], &b = points[(i + 1) % n];
    cInt dx = b.X - a.X, dy = b.Y - a.Y;
    if (dx == 0 && dy == 0) continue;
    const cInt divisor = std::gcd(std::llabs(dx), std::llabs(dy));
    dx /= divisor;
    dy /= divisor;
    const bool forward = dx > 0 || (dx == 0 && dy > 0);
    if (!forward) {
      dx = -dx;
      dy = -dy;
    }
    const Line line{dx, dy, static_cast<__int128>(dy) * a.X - static_cast<__int128>(dx) * a.Y};
    const __int128 ta = static_cast<__int128>(dx) * a.X + static_cast<__int128>(dy) * a.Y;
    const __int128 tb = static_cast<__int128>(dx) * b.X + static_cast<__int128>(dy) * b.Y;
    auto& [ways, backs] = byLine[line];
    (forward ? ways : backs).push_back({std::min(ta, tb), std::max(ta, tb)});
  }
  const auto byStart = [](const Stretch& u, const Stretch& v) { return u.from < v.from; };
  for (auto& [line, stretches] : byLine) {
    auto& [ways, backs] = stretches;
    if (ways.empty() || backs.empty()) continue;
    std::sort(ways.begin(), ways.end(), byStart);
    std::sort(backs.begin(), backs.end(), byStart);
    // Walk both sorted lists together, passing the stretch that ends first: a stretch of each
    // way sharing some length is a fold.
    std::size_t i = 0, j = 0;
    while (i < ways.size() && j < backs.size()) {
      const Stretch &w = ways[i], &b = backs[j];
      if (std::min(w.to, b.to) > std::max(w.from, b.from)) return true;
      if (w.to < b.to) {
        ++i;
      } else {
        ++j;
      }
    }
  }
  return false;
}

bool InTriangle(const IntPoint& p, const IntPoint& a, const IntPoint& b, const IntPoint& c) {
  return Turn(a, b, p) >= 0 && Turn(b, c, p) >= 0 && Turn(c, a, p) >= 0;
}

// Ear clipping: triangles of corner indices.
bool Triangulate(const Path& loop, std::vector<std::vector<int>>& triangles) {
  std::vector<int> left(loop.size());
  for (std::size_t i = 0; i < loop.size(); ++i) left[i] = static_cast<int>(i);
  while (left.size() > 3) {
    const std::size_t n = left.size();
    bool clipped = false;
    for (std::size_t i = 0; i < n && !clipped; ++i) {
      int a = left[(i + n - 1) % n], b = left[i], c = left[(i + 1) % n];
      const IntPoint &pa = loop[static_cast<std::size_t>(a)], &pb = loop[static_cast<std::size_t>(b)],
                     &pc = loop[static_cast<std::size_t>(c)];
      if (Turn(pa, pb, pc) <= 0) continue;
      bool empty = true;
      for (int k : left) {
        if (k == a || k == b || k == c) continue;
        const IntPoint& pk = loop[static_cast<std::size_t>(k)];
        if (pk == pa || pk == pb || pk == pc || InTriangle(pk, pa, pb, pc)) {
          empty = false;
          break;
        }
      }
      if (!empty) continue;
      triangles.push_back({a, b, c});
      left.erase(left.begin() + static_cast<std::ptrdiff_t>(i));
      clipped = true;
    }
    if (!clipped) return false;
  }
  if (Turn(loop[static_cast<std::size_t>(left[0])], loop[static_cast<std::size_t>(left[1])], loop[static_cast<std::size_t>(left[2])]) <= 0)
    return false;
  triangles.push_back(left);
  return true;
}

bool Convex(const Path& loop, const std::vector<int>& piece) {
  const std::size_t n = piece.size();
  for (std::size_t i = 0; i < n; ++i)
    if (Turn(loop[static_cast<std::size_t>(piece[(i + n - 1) % n])], loop[static_cast<std::size_t>(piece[i])],
             loop[static_cast<std::size_t>(piece[(i + 1) % n])]) < 0)
      return false;
  return true;
}

// The two pieces joined along an edge they share (u to v in `a`, v to u in `b`), if any.
bool Joined(const std::vector<int>& a, const std::vector<int>& b, std::vector<int>& joined) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    int u = a[i], v = a[(i + 1) % a.size()];
    for (std::size_t j = 0; j < b.size(); ++j) {
      if (b[j] != v || b[(j + 1) % b.size()] != u) continue;
      joined.clear();
      for (std::size_t k = 0; k < a.size(); ++k) joined.push_back(a[(i + 1 + k) % a.size()]);  // v ... u
      for (std::size_t k = 2; k < b.size(); ++k) joined.push_back(b[(j + k) % b.size()]);    // after u ... before v
      return true;
    }
  }
  return false;
}

}  // namespace

Box BoxOf(const Path& path) {
  Box b{path.front().X, path.front().Y, path.front().X, path.front().Y};
  for (const IntPoint& p : path) {
    b.left = std::min(b.left, p.X);
    b.right = std::max(b.right, p.X);
    b.bottom = std::min(b.bottom, p.Y);
    b.top = std::max(b.top, p.Y);
  }
  return b;
}

__int128 Turn(const IntPoint& o, const IntPoint& a, const IntPoint& b) {
  return static_cast<__int128>(a.X - o.X) * (b.Y - o.Y) - static_cast<__int128>(a.Y - o.Y) * (b.X - o.X);
}

Path ConvexHull(Path points) {
  std::sort(points.begin(), points.end(), Lower);
  points.erase(std::unique(points.begin(), points.end()), points.end());
  if (points.size() < 3) return points;
  Path hull(2 * points.size());
  std::size_t k = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    while (k >= 2 && Turn(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  for (std::size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
    while (k >= lower && Turn(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
    hull[k++] = points[i];
  }
  hull.resize(k - 1);
  return hull;
}

// What the loop encloses when that is one piece holding every corner, its convex hull
// otherwise, and a box at least a unit across when it has no area at all.
Path OneLoop(const Path& points) {
  Paths pieces;
  if (points.size() >= 3) ClipperLib::SimplifyPolygon(points, pieces, ClipperLib::pftNonZero);
  Path loop;
  int outers = 0;
  for (const Path& p : pieces) {
    if (ClipperLib::Area(p) > 0) {
      loop = p;
      ++outers;
    }
  }
  // A spike of no width sticking out is no area, yet a laser cuts along it: what the loop
  // leaves out of the outline (a corner, or the stretch of a fold) is taken in by the hull.
  if (outers == 1 && (Folds(points) || std::any_of(points.begin(), points.end(), [&loop](const IntPoint& p) {
                        return ClipperLib::PointInPolygon(p, loop) == 0;
                      })))
    outers = 0;
  if (outers != 1) loop = ConvexHull(points);
  loop = WithoutStraightCorners(loop);
  if (loop.size() >= 3 && ClipperLib::Area(loop) > 0) return loop;
  Box b = BoxOf(points);
  b.right = std::max(b.right, b.left + 1);
  b.top = std::max(b.top, b.bottom + 1);
  return {{b.left, b.bottom}, {b.right, b.bottom}, {b.right, b.top}, {b.left, b.top}};
}

// Douglas and Peucker, from the lowest corner to the highest and back.
Path Thinned(const Path& loop, double tolerance, double& deviation) {
  const std::size_t n = loop.size();
  deviation = 0;
  if (n <= 4) return loop;
  std::size_t first = 0, last = 0;
  for (std::size_t i = 1; i < n; ++i) {
    if (Lower(loop[i], loop[first])) first = i;
    if (Lower(loop[last], loop[i])) last = i;
  }
  std::vector<bool> keep(n, false);
  keep[first] = keep[last] = true;
  std::vector<std::pair<std::size_t, std::size_t>> runs{{first, last}, {last, first}};
  while (!runs.empty()) {
    auto [from, to] = runs.back();
    runs.pop_back();
    double farthest = -1;
    std::size_t at = from;
    for (std::size_t i = (from + 1) % n; i != to; i = (i + 1) % n) {
      double d = DistanceToSegment(loop[i], loop[from], loop[to]);
      if (d > farthest) {
        farthest = d;
        at = i;
      }
    }
    if (at == from) continue;
    if (farthest > tolerance) {
      keep[at] = true;
      runs.push_back({from, at});
      runs.push_back({at, to});
    } else {
      deviation = std::max(deviation, farthest);
    }
  }
  Path thinned;
  for (std::size_t i = 0; i < n; ++i)
    if (keep[i]) thinned.push_back(loop[i]);
  return thinned;
}

double Clearance(const Path& inner, const Path& outer) {
  if (inner.empty() || outer.size() < 3 || ClipperLib::PointInPolygon(inner[0], outer) == 0) return -1;
  double least = INFINITY;
  const std::size_t n = inner.size(), m = outer.size();
  for (std::size_t i = 0; i < n; ++i) {
    const IntPoint &a = inner[i], &b = inner[(i + 1) % n];
    for (std::size_t j = 0; j < m; ++j) {
      const IntPoint &c = outer[j], &d = outer[(j + 1) % m];
      // Edges whose boxes lie farther apart than the least distance so far cannot lower it.
      if (static_cast<double>(std::min(c.X, d.X) - std::max(a.X, b.X)) > least ||
          static_cast<double>(std::min(a.X, b.X) - std::max(c.X, d.X)) > least ||
          static_cast<double>(std::min(c.Y, d.Y) - std::max(a.Y, b.Y)) > least ||
          static_cast<double>(std::min(a.Y, b.Y) - std::max(c.Y, d.Y)) > least)
        continue;
      const __int128 d1 = Turn(c, d, a), d2 = Turn(c, d, b), d3 = Turn(a, b, c), d4 = Turn(a, b, d);
      if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return -1;
      least = std::min({least, DistanceToSegment(a, c, d), DistanceToSegment(b, c, d), DistanceToSegment(c, a, b),
                        DistanceToSegment(d, a, b)});
    }
  }
  return least;
}

// Triangles joined again wherever the join stays convex (Hertel and Mehlhorn).
std::vector<Path> ConvexPieces(const Path& loop) {
  const Path clean = WithoutStraightCorners(loop);
  std::vector<std::vector<int>> pieces;
  if (clean.size() < 3 || !Triangulate(clean, pieces)) return {ConvexHull(loop)};
  std::vector<int> joined;
  for (bool changed = true; changed;) {
    changed = false;
    for (std::size_t i = 0; i < pieces.size() && !changed; ++i)
      for (std::size_t j = i + 1; j < pieces.size() && !changed; ++j)
        if (Joined(pieces[i], pieces[j], joined) && Convex(clean, joined)) {
          pieces[i] = joined;
          pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(j));
          changed = true;
        }
  }
  std::vector<Path> out;
  for (const std::vector<int>& piece : pieces) {
    Path p;
    for (int k : piece) p.push_back(clean[static_cast<std::size_t>(k)]);
    out.push_back(WithoutStraightCorners(p));
  }
  return out;
}

// Both polygons' edges merged in the order of their direction, from their lowest corners.
Path ConvexSum(const Path& a, const Path& b) {
  auto lowest = [](const Path& p) {
    return static_cast<std::size_t>(std::min_element(p.begin(), p.end(), [](const IntPoint& u, const IntPoint& v) {
                                      return std::tie(u.Y, u.X) < std::tie(v.Y, v.X);
                                    }) - p.begin());
  };
  const std::size_t n = a.size(), m = b.size();
  const std::size_t i0 = lowest(a), j0 = lowest(b);
  Path sum;
  sum.reserve(n + m);
  std::size_t i = 0, j = 0;
  while (i < n || j < m) {
    const IntPoint& p = a[(i0 + i) % n];
    const IntPoint& q = b[(j0 + j) % m];
    sum.push_back({p.X + q.X, p.Y + q.Y});
    const IntPoint& p1 = a[(i0 + i + 1) % n];
    const IntPoint& q1 = b[(j0 + j + 1) % m];
    __int128 turn = static_cast<__int128>(p1.X - p.X) * (q1.Y - q.Y) - static_cast<__int128>(p1.Y - p.Y) * (q1.X - q.X);
    if (j == m || (i < n && turn > 0)) ++i;
    else if (i == n || turn < 0) ++j;
    else {
      ++i;
      ++j;
    }
  }
  return sum;
}

}  // namespace core::nest
