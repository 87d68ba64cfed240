#include "core/nesting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>
#include <set>
#include <tuple>

#include "core/nestshapes.h"

// Placing works on no-fit polygons: the no-fit polygon of a moving part around a placed
// one is every offset at which the two would overlap, the Minkowski sum Q ⊕ (−P). Clipper's
// own sum adds every edge to every edge, far too slow for outlines of fifty corners and
// more, so the parts are cut into convex pieces, whose sums take one pass each, and the
// sums joined. Every point of the inner-fit rectangle (the offsets that keep the part on the
// sheet) outside all no-fit polygons is a place; the first in order of x, then y, lies on a
// corner of that arrangement, so the corners are the only candidates tried.
//
// Debian's libnest2d was tried first. Its no-fit-polygon placer throws unless the program
// is compiled with LIBNEST2D_THREADING_std defined; with it, Debian's build places the
// parts' convex hulls only: on real ribs it left parts closer than the gap, and on hulls it
// ran 4 to 19 times slower than this, never on fewer sheets.
namespace core {
namespace {

using nest::Box;
using nest::cInt;
using nest::IntPoint;
using nest::Path;
using nest::Paths;

// Whole micrometres, as the cut parts are made.
constexpr double kNestUnitsPerMm = 1000.0;
// Outlines are thinned to within this before their no-fit polygons are made; whatever is
// dropped is added to the part's margin, so nothing comes closer than the gap.
constexpr double kThinningMm = 0.05;
// Shapes within this of one another may share a room grown by this much more.
constexpr double kSimilarMm = 0.25;
// A sharp corner's margin is squared off beyond this many times its width.
constexpr double kNestMiterLimit = 2.0;

// Far beyond any sheet, yet safe from overflow in the products below.
constexpr double kNestFarthestMm = 1e9;

cInt ToNestUnits(double mm) {
  return static_cast<cInt>(std::llround(std::clamp(mm, -kNestFarthestMm, kNestFarthestMm) * kNestUnitsPerMm));
}

// Thinning is coarsened until no more than this many corners are left, which bounds the
// time the convex pieces take.
constexpr std::size_t kMostCorners = 160;

Path Turned(const Path& path) {
  Path turned;
  turned.reserve(path.size());
  for (const IntPoint& p : path) turned.push_back({-p.X, -p.Y});
  return turned;
}

// A part in one of its two orientations.
struct Shape {
  Box box;                  // of the outline as given
  std::vector<Path> room;   // the outline grown by half the gap, in convex pieces: no two
                            // parts' rooms may overlap
  double area = 0;
};

// Clipper joins the edges of a corner whose sine times the offset is under a unit or so as
// if the outline ran straight on or turned in, and the margin beyond such a sharp tip goes
// missing. Each convex tip that sharp (twice over, to be safe) of the simple loop is
// squared off first, a margin beyond it and a margin to each side: square corners Clipper
// grows as it should, and the part lies inside.
Path SquaredTips(const Path& loop, double grow) {
  if (loop.size() < 3) return loop;
  Path tipped;
  for (std::size_t i = 0; i < loop.size(); ++i) {
    const IntPoint& a = loop[(i + loop.size() - 1) % loop.size()];
    const IntPoint& b = loop[i];
    const IntPoint& c = loop[(i + 1) % loop.size()];
    const double ax = static_cast<double>(a.X - b.X), ay = static_cast<double>(a.Y - b.Y);
    const double cx = static_cast<double>(c.X - b.X), cy = static_cast<double>(c.Y - b.Y);
    const double la = std::hypot(ax, ay), lc = std::hypot(cx, cy);
    const double sine = std::fabs(ax * cy - ay * cx) / (la * lc);
    if (nest::Turn(a, b, c) <= 0 || ax * cx + ay * cy <= 0 || sine * grow >= 2) {
      tipped.push_back(b);
      continue;
    }
    // Away from the tip's two edges, and across towards the one that comes in.
    const double lt = std::hypot(ax / la + cx / lc, ay / la + cy / lc);
    const double tx = -(ax / la + cx / lc) / lt, ty = -(ay / la + cy / lc) / lt;
    const double side = ax * -ty + ay * tx > 0 ? 1 : -1;
    const double out = std::ceil(grow) + 1;
    auto at = [&](double across) {
      return IntPoint{b.X + static_cast<cInt>(std::llround(out * tx - side * across * ty)),
                      b.Y + static_cast<cInt>(std::llround(out * ty + side * across * tx))};
    };
    tipped.push_back(at(out));
    tipped.push_back(at(-out));
  }
  return tipped;
}

// The thinned loop grown by `grow`. Thinning can make the loop cross itself (a thin
// trailing edge whose two sides come to cross): grown as it stands, the part wound the other
// way would be taken for a hole and its tip for a concave corner. So what the loop winds
// round is first made simple pieces, each then squared off at its tips and grown.
Path Grown(const Path& thinned, double grow) {
  Paths pieces;
  if (thinned.size() >= 3) ClipperLib::SimplifyPolygon(thinned, pieces, ClipperLib::pftNonZero);
  ClipperLib::ClipperOffset offset(kNestMiterLimit);
  bool any = false;
  for (const Path& piece : pieces) {
    // A hole in the part is no place for another: the margin fills it.
    if (ClipperLib::Area(piece) <= 0) continue;
    offset.AddPath(SquaredTips(piece, grow), ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
    any = true;
  }
  // A sliver thinned to its two ends, or of no area, is grown as the line along it.
  if (!any) offset.AddPath(thinned, ClipperLib::jtMiter, ClipperLib::etOpenSquare);
  Paths grown;
  offset.Execute(grown, grow);
  Path all;
  for (const Path& p : grown) all.insert(all.end(), p.begin(), p.end());
  return all.empty() ? thinned : nest::OneLoop(all);
}

// Whether the room holds the loop with the margin, but for the grown corners' rounding to
// whole units.
bool KeepsMargin(const Path& loop, const Path& room, double marginUnits) {
  const double clearance = nest::Clearance(loop, room);
  return clearance >= 0 && clearance >= marginUnits - 1;
}

// The simple loop grown by the margin, thinned: no other part's room may overlap it.
Path RoomOf(const Path& loop, double halfGapUnits) {
  double deviation = 0;
  Path thinned;
  for (double tolerance = kThinningMm * kNestUnitsPerMm;; tolerance *= 2) {
    thinned = nest::Thinned(loop, tolerance, deviation);
    if (thinned.size() <= kMostCorners) break;
  }
  const double grow = halfGapUnits + std::ceil(deviation);
  Path room = grow > 0 ? Grown(thinned, grow) : thinned;
  // Whatever the outline, the room keeps the margin: where the grown loop falls short, the
  // box of the loop grown by it does.
  if (!KeepsMargin(loop, room, halfGapUnits)) {
    const Box b = nest::BoxOf(loop);
    const cInt m = static_cast<cInt>(std::ceil(halfGapUnits)) + 1;
    room = {{b.left - m, b.bottom - m}, {b.right + m, b.bottom - m}, {b.right + m, b.top + m}, {b.left - m, b.top + m}};
  }
  return room;
}

Shape MakeShape(const Path& outline, const Path& loop, double halfGapUnits) {
  Shape s;
  s.box = nest::BoxOf(outline);
  s.area = ClipperLib::Area(loop);
  s.room = nest::ConvexPieces(RoomOf(loop, halfGapUnits));
  return s;
}

Shape TurnedShape(const Shape& s) {
  Shape t;
  t.box = {-s.box.right, -s.box.top, -s.box.left, -s.box.bottom};
  for (const Path& piece : s.room) t.room.push_back(Turned(piece));
  t.area = s.area;
  return t;
}

struct Edge {
  IntPoint a, b;
  Box box;
};

struct Obstacle {
  Path loop;
  Box box;
};

// Where two edges cross, with the whole-unit points around it (one of them may lie just
// outside both no-fit polygons where the exact point cannot be written).
void Crossings(const Edge& e, const Edge& f, std::vector<IntPoint>& out) {
  if (!e.box.Meets(f.box)) return;
  __int128 d1 = nest::Turn(f.a, f.b, e.a), d2 = nest::Turn(f.a, f.b, e.b);
  __int128 d3 = nest::Turn(e.a, e.b, f.a), d4 = nest::Turn(e.a, e.b, f.b);
  if ((d1 > 0 && d2 > 0) || (d1 < 0 && d2 < 0) || (d3 > 0 && d4 > 0) || (d3 < 0 && d4 < 0)) return;
  if (d1 == d2) return;  // parallel: their ends are candidates already
  double t = static_cast<double>(d1) / static_cast<double>(d1 - d2);
  double x = static_cast<double>(e.a.X) + t * static_cast<double>(e.b.X - e.a.X);
  double y = static_cast<double>(e.a.Y) + t * static_cast<double>(e.b.Y - e.a.Y);
  for (double cx : {std::floor(x), std::ceil(x)})
    for (double cy : {std::floor(y), std::ceil(y)}) out.push_back({static_cast<cInt>(cx), static_cast<cInt>(cy)});
}

class Nester {
 public:
  Nester(const std::vector<std::vector<PointMm>>& outlines, SheetSize sheet, double gapMm) {
    const double half = gapMm / 2 * kNestUnitsPerMm;
    auto lower = [](const Path& a, const Path& b) {
      return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](const IntPoint& u, const IntPoint& v) {
        return std::tie(u.X, u.Y) < std::tie(v.X, v.Y);
      });
    };
    std::map<Path, int, decltype(lower)> shapeOf(lower);
    std::vector<Path> loops;  // of each shape
    for (const auto& outline : outlines) {
      Path path;
      for (const PointMm& p : outline)
        if (std::isfinite(p.x) && std::isfinite(p.y)) path.push_back({ToNestUnits(p.x), ToNestUnits(p.y)});
      if (path.empty()) path.push_back({0, 0});
      // Copies of a part (both wing halves, a kit maker's batch) share one shape, and so
      // its no-fit polygons and the sheets it found full.
      auto [known, added] = shapeOf.try_emplace(path, static_cast<int>(shapes_.size()));
      if (added) {
        loops.push_back(nest::OneLoop(path));
        Shape upright = MakeShape(path, loops.back(), half);
        shapes_.push_back({upright, TurnedShape(upright)});
      }
      shapeOfPart_.push_back(known->second);
    }
    ShareRooms(loops, half);
    gapLow_ = static_cast<cInt>(std::ceil(gapMm * kNestUnitsPerMm - 1e-6));
    lengthHigh_ = static_cast<cInt>(std::floor((sheet.lengthMm - gapMm) * kNestUnitsPerMm + 1e-6));
    widthHigh_ = static_cast<cInt>(std::floor((sheet.widthMm - gapMm) * kNestUnitsPerMm + 1e-6));
  }

  // The offsets that keep the part's outline on the sheet, the gap from its edges.
  Box InnerFit(int part, int way) const {
    const Box& b = ShapeOf(part, way).box;
    return {gapLow_ - b.left, gapLow_ - b.bottom, lengthHigh_ - b.right, widthHigh_ - b.top};
  }
  bool Fits(int part) const {
    Box f = InnerFit(part, 0);
    return f.left <= f.right && f.bottom <= f.top;
  }
  double Area(int part) const { return ShapeOf(part, 0).area; }

  NestLayout Run(const std::vector<int>& order) {
    NestLayout layout;
    layout.placements.resize(shapeOfPart_.size());
    for (int part : order) {
      NestPlacement& placement = layout.placements[static_cast<std::size_t>(part)];
      for (std::size_t s = 0; s <= sheets_.size(); ++s) {
        if (s == sheets_.size()) sheets_.emplace_back();
        Sheet& sheet = sheets_[s];
        if (!sheet.placed.empty() && sheet.area + Area(part) > Usable()) continue;
        // A sheet only fills: a copy of a part that found no place on it finds none either.
        if (sheet.fullFor.count(Shaped(part))) continue;
        IntPoint best;
        int bestWay = -1;
        for (int way = 0; way < 2; ++way) {
          IntPoint at;
          if (!Place(sheet, part, way, at)) continue;
          if (bestWay < 0 || Better(part, way, at, bestWay, best)) {
            best = at;
            bestWay = way;
          }
        }
        if (bestWay < 0) {
          sheet.fullFor.insert(Shaped(part));
          continue;
        }
        sheet.placed.push_back({part, bestWay, best});
        sheet.area += Area(part);
        placement = {static_cast<int>(s), bestWay == 1,
                     {static_cast<double>(best.X) / kNestUnitsPerMm, static_cast<double>(best.Y) / kNestUnitsPerMm}};
        break;
      }
    }
    layout.sheets = static_cast<int>(sheets_.size());
    return layout;
  }

 private:
  struct Placed {
    int part, way;
    IntPoint at;
  };
  struct Sheet {
    std::vector<Placed> placed;
    double area = 0;
    std::set<int> fullFor;  // the shapes that found no place
  };

  std::vector<std::array<Shape, 2>> shapes_;
  std::vector<int> shapeOfPart_;
  std::vector<int> roomOf_;  // of each shape: the shape whose room it takes
  std::vector<Sheet> sheets_;
  std::map<std::tuple<int, int, int, int>, std::vector<Path>> noFit_;
  cInt gapLow_ = 0, lengthHigh_ = 0, widthHigh_ = 0;

  int Shaped(int part) const { return shapeOfPart_[static_cast<std::size_t>(part)]; }
  int Roomed(int part) const { return roomOf_[static_cast<std::size_t>(Shaped(part))]; }

  // Shapes that differ by less than kSimilarMm (neighbouring ribs of a long series) share
  // one room, the largest one's grown by that much more, if it holds each of them with its
  // margin: their no-fit polygons are made once. The largest first, each tried in the room
  // of the last one that started a group. Lest a small part take a large one's room, their
  // boxes may differ by twice that on each side, their areas by that along the outline.
  void ShareRooms(const std::vector<Path>& loops, double half) {
    std::vector<int> byArea(shapes_.size());
    std::iota(byArea.begin(), byArea.end(), 0);
    std::stable_sort(byArea.begin(), byArea.end(), [this](int a, int b) { return shapes_[a][0].area > shapes_[b][0].area; });
    roomOf_.assign(shapes_.size(), -1);
    int first = -1, members = 0;
    Path room;
    auto share = [&]() {
      if (members < 2) return;
      const std::size_t f = static_cast<std::size_t>(first);
      shapes_[f][0].room = nest::ConvexPieces(room);
      shapes_[f][1] = TurnedShape(shapes_[f][0]);
    };
    for (int k : byArea) {
      const Path& loop = loops[static_cast<std::size_t>(k)];
      if (first >= 0 && Alike(first, k, loops[static_cast<std::size_t>(first)]) && KeepsMargin(loop, room, half)) {
        roomOf_[static_cast<std::size_t>(k)] = first;
        ++members;
        continue;
      }
      share();
      first = k;
      members = 1;
      roomOf_[static_cast<std::size_t>(k)] = k;
      room = RoomOf(loop, half + kSimilarMm * kNestUnitsPerMm);
    }
    share();
  }

  bool Alike(int large, int small, const Path& largeLoop) const {
    const Shape& a = shapes_[static_cast<std::size_t>(large)][0];
    const Shape& b = shapes_[static_cast<std::size_t>(small)][0];
    const double most = 2 * kSimilarMm * kNestUnitsPerMm;
    auto near = [most](cInt u, cInt v) { return std::fabs(static_cast<double>(u - v)) <= most; };
    if (!near(a.box.left, b.box.left) || !near(a.box.right, b.box.right) || !near(a.box.bottom, b.box.bottom) ||
        !near(a.box.top, b.box.top))
      return false;
    double perimeter = 0;
    for (std::size_t i = 0; i < largeLoop.size(); ++i) {
      const IntPoint &p = largeLoop[i], &q = largeLoop[(i + 1) % largeLoop.size()];
      perimeter += std::hypot(static_cast<double>(q.X - p.X), static_cast<double>(q.Y - p.Y));
    }
    return a.area - b.area <= perimeter * kSimilarMm * kNestUnitsPerMm;
  }
  const Shape& ShapeOf(int part, int way) const { return shapes_[static_cast<std::size_t>(Shaped(part))][way]; }

  double Usable() const {
    return static_cast<double>(lengthHigh_ - gapLow_) * static_cast<double>(widthHigh_ - gapLow_);
  }

  // Further along the sheet first, then higher: the part's far end, then its top.
  bool Better(int part, int way, const IntPoint& at, int otherWay, const IntPoint& other) const {
    const Box& a = ShapeOf(part, way).box;
    const Box& b = ShapeOf(part, otherWay).box;
    return std::make_pair(at.X + a.right, at.Y + a.top) < std::make_pair(other.X + b.right, other.Y + b.top);
  }

  // The offsets of the moving part, way round, at which it overlaps the fixed one: the
  // union of the sums of each convex piece of the one with each of the other turned.
  const std::vector<Path>& NoFit(int fixed, int fixedWay, int moving, int movingWay) {
    auto key = std::make_tuple(Roomed(fixed), fixedWay, Roomed(moving), movingWay);
    auto found = noFit_.find(key);
    if (found != noFit_.end()) return found->second;
    const Shape& q = shapes_[static_cast<std::size_t>(Roomed(fixed))][fixedWay];
    // The moving part turned is its other way round.
    const Shape& p = shapes_[static_cast<std::size_t>(Roomed(moving))][1 - movingWay];
    ClipperLib::Clipper clipper;
    for (const Path& a : q.room)
      for (const Path& b : p.room) clipper.AddPath(nest::ConvexSum(a, b), ClipperLib::ptSubject, true);
    Paths sum;
    clipper.Execute(ClipperLib::ctUnion, sum, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    // A pocket left inside is no place for a part that reached it only by overlapping.
    std::vector<Path> outer;
    for (Path& loop : sum)
      if (ClipperLib::Area(loop) > 0) outer.push_back(std::move(loop));
    return noFit_.emplace(key, std::move(outer)).first->second;
  }

  bool Place(const Sheet& sheet, int part, int way, IntPoint& at) {
    const Box fit = InnerFit(part, way);
    if (fit.left > fit.right || fit.bottom > fit.top) return false;
    std::vector<Obstacle> obstacles;
    for (const Placed& p : sheet.placed) {
      for (const Path& loop : NoFit(p.part, p.way, part, way)) {
        Obstacle o;
        o.loop.reserve(loop.size());
        for (const IntPoint& v : loop) o.loop.push_back({v.X + p.at.X, v.Y + p.at.Y});
        o.box = nest::BoxOf(o.loop);
        if (o.box.Meets(fit)) obstacles.push_back(std::move(o));
      }
    }
    std::vector<IntPoint> candidates{{fit.left, fit.bottom}, {fit.left, fit.top}, {fit.right, fit.bottom}, {fit.right, fit.top}};
    std::vector<std::vector<Edge>> edges(obstacles.size());
    const Edge sides[4] = {{{fit.left, fit.bottom}, {fit.right, fit.bottom}, {fit.left, fit.bottom, fit.right, fit.bottom}},
                           {{fit.right, fit.bottom}, {fit.right, fit.top}, {fit.right, fit.bottom, fit.right, fit.top}},
                           {{fit.left, fit.top}, {fit.right, fit.top}, {fit.left, fit.top, fit.right, fit.top}},
                           {{fit.left, fit.bottom}, {fit.left, fit.top}, {fit.left, fit.bottom, fit.left, fit.top}}};
    for (std::size_t i = 0; i < obstacles.size(); ++i) {
      const Path& loop = obstacles[i].loop;
      for (std::size_t k = 0; k < loop.size(); ++k) {
        const IntPoint& a = loop[k];
        const IntPoint& b = loop[(k + 1) % loop.size()];
        Edge e{a, b, {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)}};
        if (!e.box.Meets(fit)) continue;
        if (fit.Holds(a)) candidates.push_back(a);
        for (const Edge& side : sides) Crossings(e, side, candidates);
        edges[i].push_back(e);
      }
    }
    for (std::size_t i = 0; i < edges.size(); ++i)
      for (std::size_t j = i + 1; j < edges.size(); ++j) {
        if (!obstacles[i].box.Meets(obstacles[j].box)) continue;
        for (const Edge& e : edges[i])
          for (const Edge& f : edges[j]) Crossings(e, f, candidates);
      }
    std::sort(candidates.begin(), candidates.end(), [](const IntPoint& a, const IntPoint& b) { return std::tie(a.X, a.Y) < std::tie(b.X, b.Y); });
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    for (const IntPoint& c : candidates) {
      if (!fit.Holds(c)) continue;
      bool free = true;
      for (const Obstacle& o : obstacles) {
        if (o.box.Holds(c) && ClipperLib::PointInPolygon(c, o.loop) == 1) {
          free = false;
          break;
        }
      }
      if (free) {
        at = c;
        return true;
      }
    }
    return false;
  }
};

}  // namespace

PointMm Placed(const NestPlacement& placement, PointMm p) {
  if (placement.turned) p = {-p.x, -p.y};
  return {p.x + placement.offset.x, p.y + placement.offset.y};
}

NestLayout NestParts(const std::vector<std::vector<PointMm>>& outlines, SheetSize sheet, double gapMm) {
  NestLayout layout;
  if (!std::isfinite(sheet.lengthMm) || !std::isfinite(sheet.widthMm) || !std::isfinite(gapMm) || gapMm < 0 ||
      sheet.lengthMm <= 2 * gapMm || sheet.widthMm <= 2 * gapMm || sheet.lengthMm > 1e6 || sheet.widthMm > 1e6) {
    layout.problem = NestProblem::Sheet;
    return layout;
  }
  Nester nester(outlines, sheet, gapMm);
  const int count = static_cast<int>(outlines.size());
  for (int i = 0; i < count; ++i) {
    if (!nester.Fits(i)) {
      layout.problem = NestProblem::TooLargePart;
      layout.tooLargePart = i;
      return layout;
    }
  }
  std::vector<int> order(static_cast<std::size_t>(count));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&nester](int a, int b) { return nester.Area(a) > nester.Area(b); });
  return nester.Run(order);
}

}  // namespace core
