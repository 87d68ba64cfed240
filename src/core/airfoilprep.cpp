#include "core/airfoilprep.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <utility>

#include "core/numformat.h"

namespace core {

namespace {
void AddPoint(PreparedAirfoil& p, double x, double y) { p.outline.push_back({x, y}); }
}  // namespace

bool SixPointInterpolation(std::span<const double> abscissa, std::span<const double> ordinate, int first, double t,
                           double& result) {
  if (first < 0 || static_cast<std::size_t>(first) + 6 > std::min(abscissa.size(), ordinate.size())) return false;
  double P[6];
  double D[6];
  for (std::size_t k = 0; k < 6; ++k) {
    P[k] = ordinate[static_cast<std::size_t>(first) + k];
    D[k] = t - abscissa[static_cast<std::size_t>(first) + k];
  }
  for (std::size_t m = 1; m < 6; ++m) {
    for (std::size_t k = m; k < 6; ++k) {
      double denominator = D[m - 1] - D[k];
      if (denominator == 0.0) return false;
      P[k] = (D[m - 1] * P[k] - D[k] * P[m - 1]) / denominator;
    }
  }
  if (!std::isfinite(P[5])) return false;
  result = P[5];
  return true;
}

namespace {

// Distance of (px, py) from the line through a and b (from a itself when they coincide).
double DistanceFromLine(double px, double py, double ax, double ay, double bx, double by) {
  const double length = std::hypot(bx - ax, by - ay);
  if (length == 0) return std::hypot(px - ax, py - ay);
  return std::fabs((bx - ax) * (py - ay) - (by - ay) * (px - ax)) / length;
}

// How far the file's own outline bends within the window of points first..last: the greatest
// distance of one of its inner points from the line through its two neighbours.
double WindowBend(std::span<const Point> points, int first, int last) {
  double bend = 0;
  const int count = static_cast<int>(points.size());
  for (int k = std::max(first, 0) + 1; k < std::min(last, count - 1); ++k) {
    const auto b = static_cast<std::size_t>(k);
    bend = std::max(bend, DistanceFromLine(points[b].x, points[b].y, points[b - 1].x, points[b - 1].y,
                                           points[b + 1].x, points[b + 1].y));
  }
  return bend;
}

// A curve through six points may bend away from its interval's straight line by about a
// quarter of what the points themselves bend; one that bends further than half of that plus
// half a percent of the chord swings where the file has no point (a sparse tail, a spike ahead
// of a coarse nose), and the interval is drawn straight.
constexpr double kBendShare = 0.5;
constexpr double kStrayAllowance = 0.005;

// The stepped coordinates from a0 to a1 in single precision, a0 left out. True when the step
// stopped moving the counter short of a1, so that the interval's own end point closes it.
bool StepAcross(double a0, double a1, float step, std::vector<std::pair<double, double>>& stepped) {
  stepped.clear();
  const float end = static_cast<float>(a1);
  const bool rising = step > 0.0f;
  float t = static_cast<float>(a0);
  while (rising ? t <= end : t >= end) {
    if (static_cast<double>(t) != a0) stepped.emplace_back(static_cast<double>(t), 0.0);
    const float next = t + step;
    if (next == t) return true;
    t = next;
  }
  return false;
}

// The outline with `divisions` steps per interval; false when it would pass kMaxPoints.
bool DensifyWith(const AirfoilAsRead& airfoil, PreparedAirfoil& p, int divisions) {
  const std::vector<Point>& points = airfoil.points;
  const int n = static_cast<int>(points.size());
  const int m = n / 2;
  p.outline.clear();
  if (n < 1) return true;
  std::vector<double> xs, ys;
  xs.reserve(points.size());
  ys.reserve(points.size());
  for (const Point& q : points) xs.push_back(q.x), ys.push_back(q.y);
  AddPoint(p, points[0].x, points[0].y);
  auto full = [&] { return p.outline.size() >= static_cast<std::size_t>(kMaxPoints); };
  std::vector<std::pair<double, double>> stepped;  // the interval's points: stepped coordinate, other one

  // Interval i runs from point i to point i + 1.
  for (int i = 0; i + 1 < n; ++i) {
    // The leading-edge region is cut in y, elsewhere in x.
    const bool inY = i >= m - 4 && i <= m + 3;
    const std::vector<double>& a = inY ? ys : xs;
    const std::vector<double>& o = inY ? xs : ys;
    // The six points the curve passes through: two before the interval and two after it,
    // held inside the list near its ends.
    int first = i - 2;
    if (!inY) {
      if (i <= 1) first = 0;
      else if (i >= n - 4) first = n - 6;
    }
    const auto here = static_cast<std::size_t>(i);
    const double a0 = a[here];
    const double a1 = a[here + 1];
    const double o0 = o[here];
    const double o1 = o[here + 1];
    auto straight = [&](double t) { return o0 + (o1 - o0) * (t - a0) / (a1 - a0); };
    if (full()) return false;

    const float step = static_cast<float>((a1 - a0) / divisions);
    if (step == 0.0f || !std::isfinite(step)) {
      // Both points share the stepped coordinate: the interval adds its end point once.
      AddPoint(p, points[here + 1].x, points[here + 1].y);
      continue;
    }
    const bool endPoint = StepAcross(a0, a1, step, stepped);

    bool curved = true;
    const double bend = WindowBend(points, first, first + 5);
    for (auto& [at, other] : stepped) {
      if (!SixPointInterpolation(a, o, first, at, other)) {
        other = straight(at);
        continue;
      }
      // Where the six points are not single-valued in the stepped coordinate (a coarse
      // nose, a mistyped x) the polynomial overshoots without bound; a value further from
      // the interval than the interval is long is not believed.
      const double d = std::max(std::fabs(a1 - a0), std::fabs(o1 - o0));
      if (other < std::min(o0, o1) - d || other > std::max(o0, o1) + d) {
        other = straight(at);
        continue;
      }
      if (DistanceFromLine(at, other, a0, o0, a1, o1) > kBendShare * bend + kStrayAllowance) curved = false;
    }
    for (auto& [at, other] : stepped) {
      if (full()) return false;
      if (!curved) other = straight(at);
      if (inY) AddPoint(p, other, at);
      else AddPoint(p, at, other);
    }
    if (endPoint) {
      if (full()) return false;
      AddPoint(p, points[here + 1].x, points[here + 1].y);
    }
  }
  return true;
}

}  // namespace

void DensifyOutline(const AirfoilAsRead& airfoil, PreparedAirfoil& p) {
  // A file too dense for the point limit at ten steps per interval is stepped more coarsely;
  // one too dense even for a single step keeps just its own points. An interval gives about
  // as many points as steps, so the first try is the most that could fit.
  const int intervals = std::max(static_cast<int>(airfoil.points.size()) - 1, 1);
  for (int divisions = std::min(10, (kMaxPoints - 1) / intervals + 1); divisions >= 1; --divisions)
    if (DensifyWith(airfoil, p, divisions)) return;
  p.outline = airfoil.points;
}

void FindLeadingEdge(const AirfoilAsRead& airfoil, PreparedAirfoil& p) {
  // The nose is the first point of smallest x anywhere on the outline: real files bulge
  // or repeat an x before it, and some put it past the middle of the list.
  double smallest = std::numeric_limits<double>::infinity();
  p.noseIndex = 0;
  for (std::size_t i = 0; i < p.outline.size(); ++i) {
    if (p.outline[i].x < smallest) {
      smallest = p.outline[i].x;
      p.noseIndex = i;
    }
  }
  // The highest among the file's first half of points, the lowest from the last of that
  // half on (half the count rounded half to even).
  const std::vector<Point>& points = airfoil.points;
  const auto half = static_cast<std::size_t>(RoundHalfEven(static_cast<double>(points.size()) / 2.0));
  p.yMax = 0;
  for (std::size_t i = 0; i < half && i < points.size(); ++i) p.yMax = std::max(p.yMax, points[i].y);
  p.yMin = 0;
  for (std::size_t i = half < 1 ? 0 : half - 1; i < points.size(); ++i) p.yMin = std::min(p.yMin, points[i].y);
}

void SplitLowerSurface(PreparedAirfoil& p) {
  p.lower.clear();
  for (std::size_t i = p.outline.size(); i > p.noseIndex; --i) p.lower.push_back(p.outline[i - 1]);
}

namespace {
// The scan may start at `from`: the first point at or below u never moves back as u falls,
// so the resampling resumes where the previous station stopped.
double HeightFrom(std::span<const Point> points, double x, std::size_t& from) {
  if (points.empty()) return 0.0;
  const double u = 1.0 - x;
  std::size_t i = from;
  while (i < points.size() && points[i].x > u) ++i;
  from = i;
  if (i == points.size()) return points.back().y;  // nothing at or below u
  if (i == 0) return points.front().y;             // the list starts below u
  const double xa = points[i - 1].x, ya = points[i - 1].y;
  const double xb = points[i].x, yb = points[i].y;
  if (std::fabs(u - xa) < 1e-6) return ya;
  if (std::fabs(u - xb) < 1e-6) return yb;
  return ya + (yb - ya) / std::fabs(xb - xa) * std::fabs(u - xa);
}
}  // namespace

double HeightAtChordFraction(std::span<const Point> points, double x) {
  std::size_t from = 0;
  return HeightFrom(points, x, from);
}

void ResampleSurfaces(PreparedAirfoil& p) {
  p.upperAt[0] = 0;
  p.lowerAt[0] = 0;
  // The upper surface: the outline from the trailing edge to the nose, the nose included.
  const std::span<const Point> upper =
      std::span<const Point>(p.outline).first(std::min(p.noseIndex + 1, p.outline.size()));
  std::size_t upperFrom = 0, lowerFrom = 0;
  for (int j = 1; j < 400; ++j) {
    const double x = j / 400.0;
    p.upperAt[static_cast<std::size_t>(j)] = HeightFrom(upper, x, upperFrom);
    p.lowerAt[static_cast<std::size_t>(j)] = HeightFrom(p.lower, x, lowerFrom);
  }
  // The nose station is the leading-edge point both surfaces share. Read at x = 0 instead, a
  // nose that bulges ahead of x = 0 gives each surface the height where it crosses x = 0,
  // two heights a few tenths of a millimetre apart.
  const double nose = p.noseIndex < p.outline.size() ? p.outline[p.noseIndex].y : 0.0;
  p.upperAt[400] = nose;
  p.lowerAt[400] = nose;
}

bool IsSymmetricFile(const AirfoilAsRead& a) {
  const std::vector<Point>& points = a.points;
  const std::size_t n = points.size();
  if (n < 3) return false;
  for (std::size_t i = 0; i < n; ++i) {
    const Point& mirror = points[n - 1 - i];
    const Point& point = points[i];
    if (std::fabs(point.x - mirror.x) > kSymmetryTolerance || std::fabs(point.y + mirror.y) > kSymmetryTolerance)
      return false;
  }
  return true;
}

void MirrorStations(PreparedAirfoil& p) {
  for (std::size_t j = 0; j < p.upperAt.size(); ++j) {
    const double half = (p.upperAt[j] - p.lowerAt[j]) / 2;
    p.upperAt[j] = half;
    p.lowerAt[j] = -half;
  }
}

void ThicknessAndCamberExtrema(PreparedAirfoil& p) {
  p.maxThickness = 0;
  p.maxThicknessStation = -1;
  p.maxCamber = 0;
  p.maxCamberStation = -1;
  for (int j = 0; j <= 400; ++j) {
    const double t = p.upperAt[static_cast<std::size_t>(j)] - p.lowerAt[static_cast<std::size_t>(j)];
    if (t > p.maxThickness) {
      p.maxThickness = t;
      p.maxThicknessStation = j;
    }
  }
  for (int j = 0; j <= 400; ++j) {
    const double c = (p.upperAt[static_cast<std::size_t>(j)] + p.lowerAt[static_cast<std::size_t>(j)]) * 0.5;
    if (c > p.maxCamber) {
      p.maxCamber = c;
      p.maxCamberStation = j;
    }
  }
}

PreparedAirfoil PrepareAirfoil(const AirfoilAsRead& a) {
  PreparedAirfoil p;
  DensifyOutline(a, p);
  FindLeadingEdge(a, p);
  SplitLowerSurface(p);
  ResampleSurfaces(p);
  // The densification steps the two surfaces in opposite directions through windows that
  // are not mirror images, which leaves a symmetric section a camber of rounding noise.
  if (IsSymmetricFile(a)) MirrorStations(p);
  ThicknessAndCamberExtrema(p);
  return p;
}

void InstallPreparedAirfoil(RibDocument& document) {
  document.prepared = PrepareAirfoil(document.airfoil);
  document.rib.reshape.newThickness = 0;
  document.rib.reshape.newCamber = 0;
  document.view.hScroll = 0;
  document.view.vScroll = 0;
  document.view.thicknessCamberShown = false;
  document.view.compareShown = false;
}

}  // namespace core
