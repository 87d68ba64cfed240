#include "core/cutpart.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <clipper.hpp>

namespace core {
namespace {

using ClipperLib::cInt;
using ClipperLib::IntPoint;
using ClipperLib::Path;
using ClipperLib::Paths;

// The polygon work runs on whole micrometres: exact, and far finer than any cut.
constexpr double kUnitsPerMm = 1000.0;
// Curves made of straight pieces stay this close to the true curve (half the 0.01 mm
// the outline may differ by, leaving room for rounding to whole micrometres).
constexpr double kCurveToleranceMm = 0.005;
// A sharp corner grown by the kerf is squared off beyond this many half-kerfs.
constexpr double kMiterLimit = 4.0;
// Areas below this count as nothing (square micrometres): rounding leftovers.
constexpr double kNegligibleArea = 100.0;
// A piece this much smaller than the main one is a sliver where lines cross, not a part.
constexpr double kSliverShare = 0.01;
// A circle metres across, far beyond any rib, is not made of more corners than this.
constexpr int kMostCircleCorners = 4096;
// A tab's top follows the rib at no more points than this (ten chords' worth of stations).
constexpr int kMostTabSteps = 4000;
// How far beyond its end a sheeting line is carried so that a cut can trim it exactly.
constexpr int kExtensionStations = 3;

// Far beyond any rib, and well within what Clipper takes: a spar or hole typed at an absurd
// position lies out there and cuts nothing.
constexpr double kFarthestMm = 1e12;

cInt ToUnits(double mm) {
  if (!std::isfinite(mm)) mm = mm > 0 ? kFarthestMm : mm < 0 ? -kFarthestMm : 0;
  return static_cast<cInt>(std::llround(std::clamp(mm, -kFarthestMm, kFarthestMm) * kUnitsPerMm));
}

IntPoint ToInt(PointMm p) { return {ToUnits(p.x), ToUnits(p.y)}; }
PointMm ToMm(const IntPoint& p) { return {static_cast<double>(p.X) / kUnitsPerMm, static_cast<double>(p.Y) / kUnitsPerMm}; }

Path ToPath(const std::vector<PointMm>& points) {
  Path path;
  path.reserve(points.size());
  for (const PointMm& p : points) {
    IntPoint q = ToInt(p);
    if (path.empty() || path.back() != q) path.push_back(q);
  }
  if (path.size() > 1 && path.front() == path.back()) path.pop_back();
  return path;
}

std::vector<PointMm> ToLoop(const Path& path) {
  std::vector<PointMm> loop;
  loop.reserve(path.size());
  for (const IntPoint& p : path) loop.push_back(ToMm(p));
  return loop;
}

// Counter-clockwise, so that overlapping pieces add up whatever order they were drawn in.
Path Positive(Path path) {
  if (!ClipperLib::Orientation(path)) std::reverse(path.begin(), path.end());
  return path;
}

double AreaOf(const Paths& paths) {
  double area = 0;
  for (const Path& p : paths) area += ClipperLib::Area(p);
  return area;
}

Paths Combine(ClipperLib::ClipType type, const Paths& subject, const Paths& clip,
              ClipperLib::PolyFillType subjectFill = ClipperLib::pftNonZero,
              ClipperLib::PolyFillType clipFill = ClipperLib::pftNonZero) {
  ClipperLib::Clipper clipper;
  clipper.StrictlySimple(true);
  clipper.AddPaths(subject, ClipperLib::ptSubject, true);
  clipper.AddPaths(clip, ClipperLib::ptClip, true);
  Paths result;
  clipper.Execute(type, result, subjectFill, clipFill);
  return result;
}

// Whether `inner` lies wholly within `region`.
bool Inside(const Path& inner, const Paths& region) {
  return AreaOf(Combine(ClipperLib::ctDifference, {inner}, region)) < kNegligibleArea;
}

Path CirclePath(const CutCircle& c) {
  double r = c.radiusMm;
  int n = 16;
  if (r > kCurveToleranceMm)
    n = static_cast<int>(std::clamp(std::ceil(kPi / std::acos(1 - kCurveToleranceMm / r)), 16.0, double{kMostCircleCorners}));
  std::vector<PointMm> points;
  points.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    double a = 2 * kPi * i / n;
    points.push_back({c.centre.x + r * std::cos(a), c.centre.y + r * std::sin(a)});
  }
  return ToPath(points);
}

PointMm Along(PointMm from, PointMm to, double length) {
  double dx = to.x - from.x, dy = to.y - from.y;
  double d = std::hypot(dx, dy);
  if (d == 0) return to;
  return {to.x + dx / d * length, to.y + dy / d * length};
}

// The lowest and highest crossing of the region's loops with the vertical line at x.
bool VerticalSpan(const Paths& region, double xMm, double& low, double& high) {
  const double x = xMm * kUnitsPerMm;
  bool found = false;
  for (const Path& path : region) {
    for (std::size_t i = 0; i < path.size(); ++i) {
      const IntPoint& a = path[i];
      const IntPoint& b = path[(i + 1) % path.size()];
      double ax = static_cast<double>(a.X), bx = static_cast<double>(b.X);
      if ((ax - x) * (bx - x) > 0 || ax == bx) continue;
      double y = (static_cast<double>(a.Y) + (x - ax) / (bx - ax) * static_cast<double>(b.Y - a.Y)) / kUnitsPerMm;
      if (!found) low = high = y;
      low = std::min(low, y);
      high = std::max(high, y);
      found = true;
    }
  }
  return found;
}

class CutBuilder {
 public:
  CutBuilder(const RibConstruction& c, const CutOptions& o, CutLayout& out) : c_(c), o_(o), out_(out) {}

  void Build() {
    const RibElement* outline = First(RibPart::Outline);
    const RibElement* chord = First(RibPart::ChordLine);
    if (!outline || !chord || outline->points.size() < 3) return;
    chord_ = chord->points.back().x;
    BoundsMm b = BoundsOf(c_);
    reach_ = 2 * std::max(b.right - b.left, b.top - b.bottom) + 10;
    stationMm_ = chord_ / 400;

    Paths rib = Body(*outline);
    if (AreaOf(rib) < kNegligibleArea) return;
    if (const RibElement* square = First(RibPart::SquareLeadingEdge))
      rib = Combine(ClipperLib::ctDifference, rib, {Positive(ToPath(square->points))});
    rib = JoinTabs(rib);
    rib = CutOpenings(rib);
    Paths grown = Kerf(rib);
    KerfCircles();
    out_.rib = Pieces(grown, circles_);
    Jig();
    if (o_.marks || o_.caption.value_or(false)) Marks();
    out_.ok = !out_.rib.empty();
  }

 private:
  const RibConstruction& c_;
  const CutOptions& o_;
  CutLayout& out_;
  double chord_ = 0;
  double reach_ = 0;      // longer than anything in the drawing
  double stationMm_ = 0;  // the distance between two stations
  std::vector<CutCircle> circles_;  // round openings kept whole

  const RibElement* First(RibPart part) const {
    for (const RibElement& e : c_.elements)
      if (e.part == part) return &e;
    return nullptr;
  }

  // The rib's own edge: the airfoil contour, inside the sheeting lines, between the cuts
  // of the edge pieces.
  Paths Body(const RibElement& outline) {
    Paths contour = Combine(ClipperLib::ctUnion, {Positive(ToPath(outline.points))}, {});
    Paths body = contour;
    const bool sheeted = std::isfinite(c_.sheetingPerChord) && c_.sheetingPerChord != 0;
    if (sheeted) {
      // Near a sharp nose or tail the two inner lines cross; the loop they make there turns
      // the other way and is dropped by keeping positive windings only. Where they cross
      // everywhere, nothing is left.
      Path sheeting = SheetingLoop();
      Paths inside;
      if (!sheeting.empty()) inside = Combine(ClipperLib::ctUnion, {sheeting}, {}, ClipperLib::pftPositive);
      body = Combine(ClipperLib::ctIntersection, contour, inside);
    }
    // A piece of no depth cuts nothing: its zero-length line must not trim a nose that
    // reaches a hair ahead of the leading edge.
    double front = -reach_, back = chord_ + reach_;
    if (const RibElement* cut = First(RibPart::LeadingEdgeCut); cut && cut->points.front().x > 0)
      front = cut->points.front().x;
    if (const RibElement* cut = First(RibPart::TrailingEdgeCut); cut && cut->points.front().x < chord_)
      back = cut->points.front().x;
    const Paths strip{Positive(ToPath({{front, -reach_}, {back, -reach_}, {back, reach_}, {front, reach_}}))};
    Paths kept = WithoutSlivers(Combine(ClipperLib::ctIntersection, body, strip));
    // Sheeting thicker than half the rib leaves nothing of a rib that was there without it.
    if (sheeted && AreaOf(kept) < kNegligibleArea)
      out_.noRibLeft = AreaOf(Combine(ClipperLib::ctIntersection, contour, strip)) >= kNegligibleArea;
    return kept;
  }

  // Where the inner lines cross again near a sharp nose or tail, or a file's surfaces cross
  // at the tail, specks apart from the rib are left: nothing to cut.
  static Paths WithoutSlivers(const Paths& region) {
    ClipperLib::Clipper clipper;
    clipper.AddPaths(region, ClipperLib::ptSubject, true);
    ClipperLib::PolyTree tree;
    clipper.Execute(ClipperLib::ctUnion, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    double largest = 0;
    for (const ClipperLib::PolyNode* outer : tree.Childs) largest = std::max(largest, std::fabs(ClipperLib::Area(outer->Contour)));
    Paths kept;
    // An outer loop kept keeps whatever lies inside it.
    auto keep = [&kept](const ClipperLib::PolyNode* node, auto& self) -> void {
      kept.push_back(node->Contour);
      for (const ClipperLib::PolyNode* child : node->Childs) self(child, self);
    };
    for (const ClipperLib::PolyNode* outer : tree.Childs)
      if (std::fabs(ClipperLib::Area(outer->Contour)) >= largest * kSliverShare) keep(outer, keep);
    return kept;
  }

  // The region inside the inner sheeting lines: the upper line from the trailing edge
  // forward, the lower one back, both carried a little beyond their ends so that the cuts
  // trim them, or closed at the trailing edge's mid point when there is no piece there.
  // None where every station's lines cross.
  Path SheetingLoop() const {
    std::vector<PointMm> upper, lower;
    for (const RibElement& e : c_.elements) {
      if (e.part == RibPart::SheetingUpper) upper.insert(upper.end(), e.points.begin(), e.points.end());
      if (e.part == RibPart::SheetingLower) lower.insert(lower.end(), e.points.begin(), e.points.end());
    }
    if (upper.size() < 2 || lower.size() < 2) return {};
    const double extension = kExtensionStations * stationMm_;
    upper.push_back(Along(upper[upper.size() - 2], upper.back(), extension));
    lower.push_back(Along(lower[lower.size() - 2], lower.back(), extension));
    std::vector<PointMm> loop;
    if (const RibElement* closing = First(RibPart::SheetingClosing)) {
      loop.push_back(closing->points.back());
    } else {
      upper.insert(upper.begin(), Along(upper[1], upper[0], extension));
      lower.insert(lower.begin(), Along(lower[1], lower[0], extension));
    }
    loop.insert(loop.end(), upper.begin(), upper.end());
    loop.insert(loop.end(), lower.rbegin(), lower.rend());
    // Upper line leftwards, lower line rightwards: counter-clockwise where they do not cross.
    return ToPath(loop);
  }

  // A tab reaches from the board up into the rib, so that they join along the rib's edge
  // whatever its curve: its top follows the rib's mid line between the tab's two edges.
  Paths JoinTabs(const Paths& rib) const {
    const RibElement* rear = First(RibPart::TabRearEdge);
    const RibElement* front = First(RibPart::TabFrontEdge);
    if (!rear || !front) return rib;
    PointMm rearInner = rear->points.back(), frontInner = front->points.back();
    std::vector<PointMm> tab{front->points.front(), rear->points.front(), rearInner};
    const double x0 = rearInner.x, x1 = frontInner.x;
    // A station apart; a tab typed longer than many chords is sampled more coarsely.
    const int steps = static_cast<int>(
        std::clamp(std::ceil(std::fabs(x0 - x1) / std::max(stationMm_, 0.01)), 1.0, double{kMostTabSteps}));
    for (int i = 0; i <= steps; ++i) {
      double x = x0 + (x1 - x0) * i / steps;
      double low = 0, high = 0;
      if (VerticalSpan(rib, x, low, high)) tab.push_back({x, (low + high) / 2});
    }
    tab.push_back(frontInner);
    return Combine(ClipperLib::ctUnion, rib, {Positive(ToPath(tab))});
  }

  // An opening that reaches the rib's edge is carried out past it, so that it opens the
  // boundary cleanly instead of leaving a sliver along the curve.
  static Path OpenedOutwards(const std::vector<PointMm>& corners, double reach) {
    // Corners 0 and 1 are the side towards the surface, 3 and 2 the far side.
    std::vector<PointMm> p = corners;
    p[0] = Along(corners[3], corners[0], reach);
    p[1] = Along(corners[2], corners[1], reach);
    return Positive(ToPath(p));
  }

  Paths CutOpenings(const Paths& rib) {
    Paths openings;
    std::vector<CutCircle> round;
    for (const RibElement& e : c_.elements) {
      switch (e.part) {
        case RibPart::SparNotch:
          if (e.points.size() == 4) openings.push_back(OpenedOutwards(e.points, reach_));
          break;
        case RibPart::SparRectangle:
          if (e.points.size() == 4) {
            Path rectangle = Positive(ToPath(e.points));
            openings.push_back(Inside(rectangle, rib) ? rectangle : OpenedOutwards(e.points, reach_));
          }
          break;
        case RibPart::HoleRectangle:
          openings.push_back(Positive(ToPath(e.points)));
          break;
        case RibPart::SparRound:
        case RibPart::HoleCircle:
          if (e.radiusMm > 0) round.push_back({e.points.front(), e.radiusMm});
          break;
        default: break;
      }
    }
    // Paths of fewer than three corners (a zero width or height) open nothing.
    openings.erase(std::remove_if(openings.begin(), openings.end(),
                                  [](const Path& p) { return p.size() < 3 || std::fabs(ClipperLib::Area(p)) < 1; }),
                   openings.end());
    Paths cut = Combine(ClipperLib::ctDifference, rib, openings);
    // A circle alone inside the rib stays a circle; one that meets the edge or another
    // circle is cut as the polygon it makes.
    Paths crossing;
    for (std::size_t i = 0; i < round.size(); ++i) {
      bool alone = Inside(CirclePath({round[i].centre, round[i].radiusMm + 0.001}), cut);
      for (std::size_t j = 0; j < round.size() && alone; ++j) {
        if (j == i) continue;
        double d = std::hypot(round[i].centre.x - round[j].centre.x, round[i].centre.y - round[j].centre.y);
        if (d < round[i].radiusMm + round[j].radiusMm + 0.001) alone = false;
      }
      if (alone) circles_.push_back(round[i]);
      else crossing.push_back(Positive(CirclePath(round[i])));
    }
    if (!crossing.empty()) cut = Combine(ClipperLib::ctDifference, cut, crossing);
    return cut;
  }

  // Outer loops move out by half the kerf and inner loops in, with sharp corners.
  Paths Kerf(const Paths& region) const {
    const double half = o_.kerfMm / 2;
    if (half <= 0) return region;
    ClipperLib::ClipperOffset offset(kMiterLimit, kCurveToleranceMm * kUnitsPerMm);
    offset.AddPaths(region, ClipperLib::jtMiter, ClipperLib::etClosedPolygon);
    Paths grown;
    offset.Execute(grown, half * kUnitsPerMm);
    return grown;
  }

  void KerfCircles() {
    const double half = o_.kerfMm / 2;
    std::vector<CutCircle> kept;
    for (CutCircle c : circles_) {
      c.radiusMm -= half;
      if (c.radiusMm > 0) kept.push_back(c);
      else ++out_.holesTooSmallForKerf;
    }
    circles_ = kept;
  }

  // Loops sorted into pieces: each outer loop with the holes straight inside it, and the
  // circles whose centres it holds.
  static std::vector<CutPiece> Pieces(const Paths& region, const std::vector<CutCircle>& circles) {
    ClipperLib::Clipper clipper;
    clipper.StrictlySimple(true);
    clipper.AddPaths(region, ClipperLib::ptSubject, true);
    ClipperLib::PolyTree tree;
    clipper.Execute(ClipperLib::ctUnion, tree, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
    std::vector<CutPiece> pieces;
    std::vector<const ClipperLib::PolyNode*> outers;
    for (const ClipperLib::PolyNode* node = tree.GetFirst(); node; node = node->GetNext()) {
      if (node->IsHole() || std::fabs(ClipperLib::Area(node->Contour)) < kNegligibleArea) continue;
      CutPiece piece;
      piece.outer = ToLoop(Positive(node->Contour));
      for (const ClipperLib::PolyNode* hole : node->Childs) {
        if (std::fabs(ClipperLib::Area(hole->Contour)) < kNegligibleArea) continue;
        Path h = Positive(hole->Contour);
        std::reverse(h.begin(), h.end());
        piece.holes.push_back(ToLoop(h));
      }
      pieces.push_back(std::move(piece));
      outers.push_back(node);
    }
    for (const CutCircle& c : circles) {
      IntPoint centre = ToInt(c.centre);
      for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (ClipperLib::PointInPolygon(centre, outers[i]->Contour) == 0) continue;
        bool inHole = std::any_of(outers[i]->Childs.begin(), outers[i]->Childs.end(),
                                  [&](const ClipperLib::PolyNode* h) { return ClipperLib::PointInPolygon(centre, h->Contour) != 0; });
        if (inHole) continue;
        pieces[i].circles.push_back(c);
        break;
      }
    }
    return pieces;
  }

  // The block's front edge, top line, tail and board line make a loop when the lower
  // outline passes through both ends of the upper one; the rest leads to the rib.
  void Jig() {
    const RibElement* lower = First(RibPart::BlockLower);
    const RibElement* upper = First(RibPart::BlockUpper);
    if (!lower || !upper) return;
    std::vector<PointMm> leftover;
    auto same = [](PointMm a, PointMm b) { return ToInt(a) == ToInt(b); };
    const auto& lp = lower->points;
    const auto& up = upper->points;
    std::size_t from = lp.size(), to = lp.size();
    for (std::size_t i = 0; i < lp.size(); ++i) {
      if (from == lp.size() && same(lp[i], up.front())) from = i;
      else if (from != lp.size() && same(lp[i], up.back())) to = i;
    }
    if (up.size() >= 2 && from < to && to < lp.size()) {
      std::vector<PointMm> loop(lp.begin() + static_cast<std::ptrdiff_t>(from), lp.begin() + static_cast<std::ptrdiff_t>(to) + 1);
      loop.insert(loop.end(), up.rbegin() + 1, up.rend() - 1);
      // What the closed lines enclose; where they cross (a sloping board ends short of the
      // tail) the slivers beyond the crossing are left out.
      Paths enclosed;
      ClipperLib::SimplifyPolygon(ToPath(loop), enclosed, ClipperLib::pftNonZero);
      double largest = 0;
      for (const Path& p : enclosed) largest = std::max(largest, std::fabs(ClipperLib::Area(p)));
      Paths kept;
      for (const Path& p : enclosed)
        if (std::fabs(ClipperLib::Area(p)) >= std::max(kNegligibleArea, largest * kSliverShare)) kept.push_back(Positive(p));
      if (!kept.empty()) {
        out_.jig = Pieces(Kerf(kept), {});
        return;
      }
    }
    if (!o_.marks) return;
    out_.marks.push_back({lp, "", {}, 0});
    out_.marks.push_back({up, "", {}, 0});
  }

  void Text(const RibElement& e) {
    if (e.text.empty() || e.points.empty()) return;
    constexpr double kMmPerPoint = 25.4 / 72;
    // A font's cell: its ascent from the top corner to the base line, capitals a bit lower.
    constexpr double kAscent = 0.905, kCapital = 0.716;
    double em = e.fontSizePt * kMmPerPoint;
    PointMm top{e.points.front().x + e.nudgeMm.x, e.points.front().y - e.nudgeMm.y};
    out_.marks.push_back({{}, e.text, {top.x, top.y - kAscent * em}, kCapital * em, 0, e.part == RibPart::InsertedText,
                          e.part == RibPart::ReferenceNumber});
  }

  void Marks() {
    for (const RibElement& e : c_.elements) {
      switch (e.part) {
        case RibPart::ChordLine:
        case RibPart::ReferenceLine:
        case RibPart::TabBoardLine:
          if (o_.marks) out_.marks.push_back({e.points, "", {}, 0});
          break;
        case RibPart::ReferenceNumber:
          if (o_.marks) Text(e);
          break;
        case RibPart::InsertedText:
          if (o_.caption.value_or(o_.marks)) Text(e);
          break;
        default: break;
      }
    }
  }
};

}  // namespace

RibConstruction BuildCutConstruction(const RibDocument& document) {
  if (!document.airfoil.loaded) return {};
  RibDocument upright = document;
  upright.rib.upsideDown = false;
  upright.view.outlineShown = true;
  upright.view.showThickness = false;
  upright.view.showLeadingEdgeHeight = false;
  upright.view.showTrailingEdgeHeight = false;
  return BuildRib(upright);
}

CutLayout BuildCutLayout(const RibConstruction& c, const CutOptions& options) {
  CutLayout layout;
  CutOptions o = options;
  if (!std::isfinite(o.kerfMm) || o.kerfMm < 0) o.kerfMm = 0;
  CutBuilder(c, o, layout).Build();
  return layout;
}

double LoopArea(const std::vector<PointMm>& loop) {
  double twice = 0;
  for (std::size_t i = 0; i < loop.size(); ++i) {
    const PointMm& a = loop[i];
    const PointMm& b = loop[(i + 1) % loop.size()];
    twice += a.x * b.y - b.x * a.y;
  }
  return twice / 2;
}

BoundsMm BoundsOf(const CutLayout& layout) {
  BoundsMm b;
  auto take = [&b](double x, double y) { b.Take(x, y); };
  auto pieces = [&](const std::vector<CutPiece>& list) {
    for (const CutPiece& p : list) {
      for (const PointMm& q : p.outer) take(q.x, q.y);
      for (const CutCircle& c : p.circles) {
        take(c.centre.x - c.radiusMm, c.centre.y - c.radiusMm);
        take(c.centre.x + c.radiusMm, c.centre.y + c.radiusMm);
      }
    }
  };
  pieces(layout.rib);
  pieces(layout.jig);
  for (const CutMark& m : layout.marks) {
    for (const PointMm& q : m.points) take(q.x, q.y);
    if (!m.text.empty()) {
      take(m.baseline.x, m.baseline.y);
      take(m.baseline.x, m.baseline.y + m.heightMm);
    }
  }
  return b;
}

}  // namespace core
