#include "core/airfoilprep.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "core/numformat.h"

namespace core {

namespace {
void AddPoint(PreparedAirfoil& p, double x, double y) {
  ++p.outlineCount;
  p.outlineX.push_back(x);
  p.outlineY.push_back(y);
}
}  // namespace

bool SixPointInterpolation(const std::vector<double>& abscissa, const std::vector<double>& ordinate, int n,
                           int c, double t, double& result) {
  if (c - 2 < 1 || c + 3 > n) return false;
  double P[7];
  double D[7];
  for (int k = 1; k <= 6; ++k) {
    P[k] = ordinate[static_cast<std::size_t>(c - 3 + k)];
    D[k] = t - abscissa[static_cast<std::size_t>(c - 3 + k)];
  }
  for (int m = 2; m <= 6; ++m) {
    for (int k = m; k <= 6; ++k) {
      double denominator = D[m - 1] - D[k];
      if (denominator == 0.0) return false;
      P[k] = (D[m - 1] * P[k] - D[k] * P[m - 1]) / denominator;
    }
  }
  if (!std::isfinite(P[6])) return false;
  result = P[6];
  return true;
}

namespace {

// Distance of (px, py) from the line through a and b (from a itself when they coincide).
double DistanceFromLine(double px, double py, double ax, double ay, double bx, double by) {
  const double length = std::hypot(bx - ax, by - ay);
  if (length == 0) return std::hypot(px - ax, py - ay);
  return std::fabs((bx - ax) * (py - ay) - (by - ay) * (px - ax)) / length;
}

// How far the file's own outline bends within the window of points from..to: the greatest
// distance of one of its inner points from the line through its two neighbours.
double WindowBend(const AirfoilAsRead& airfoil, int from, int to) {
  double bend = 0;
  for (int k = std::max(from, 1) + 1; k < std::min(to, airfoil.pointCount); ++k) {
    const auto b = static_cast<std::size_t>(k);
    bend = std::max(bend, DistanceFromLine(airfoil.x[b], airfoil.y[b], airfoil.x[b - 1], airfoil.y[b - 1],
                                           airfoil.x[b + 1], airfoil.y[b + 1]));
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
  const int n = airfoil.pointCount;
  const int m = n / 2;
  p.outlineX.assign(1, 0.0);
  p.outlineY.assign(1, 0.0);
  p.outlineCount = 0;
  if (n < 1) return true;
  AddPoint(p, airfoil.x[1], airfoil.y[1]);
  auto full = [&] { return p.outlineCount >= kMaxPoints; };
  std::vector<std::pair<double, double>> stepped;  // the interval's points: stepped coordinate, other one

  for (int i = 1; i <= n - 1; ++i) {
    // The leading-edge region is cut in y, elsewhere in x.
    const bool inY = i >= m - 3 && i <= m + 4;
    const std::vector<double>& a = inY ? airfoil.y : airfoil.x;
    const std::vector<double>& o = inY ? airfoil.x : airfoil.y;
    int c = i;
    if (!inY) {
      if (i <= 2) c = 3;
      else if (i >= n - 3) c = n - 3;
    }
    const double a0 = a[static_cast<std::size_t>(i)];
    const double a1 = a[static_cast<std::size_t>(i + 1)];
    const double o0 = o[static_cast<std::size_t>(i)];
    const double o1 = o[static_cast<std::size_t>(i + 1)];
    auto straight = [&](double t) { return o0 + (o1 - o0) * (t - a0) / (a1 - a0); };
    if (full()) return false;

    const float step = static_cast<float>((a1 - a0) / divisions);
    if (step == 0.0f || !std::isfinite(step)) {
      // Both points share the stepped coordinate: the interval adds its end point once.
      AddPoint(p, airfoil.x[static_cast<std::size_t>(i + 1)], airfoil.y[static_cast<std::size_t>(i + 1)]);
      continue;
    }
    const bool endPoint = StepAcross(a0, a1, step, stepped);

    bool curved = true;
    const double bend = WindowBend(airfoil, c - 2, c + 3);
    for (auto& [at, other] : stepped) {
      if (!SixPointInterpolation(a, o, n, c, at, other)) {
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
      AddPoint(p, airfoil.x[static_cast<std::size_t>(i + 1)], airfoil.y[static_cast<std::size_t>(i + 1)]);
    }
  }
  return true;
}

}  // namespace

void DensifyOutline(const AirfoilAsRead& airfoil, PreparedAirfoil& p) {
  // A file too dense for the point limit at ten steps per interval is stepped more coarsely;
  // one too dense even for a single step keeps just its own points. An interval gives about
  // as many points as steps, so the first try is the most that could fit.
  const int intervals = std::max(airfoil.pointCount - 1, 1);
  for (int divisions = std::min(10, (kMaxPoints - 1) / intervals + 1); divisions >= 1; --divisions)
    if (DensifyWith(airfoil, p, divisions)) return;
  p.outlineX.assign(airfoil.x.begin(), airfoil.x.begin() + airfoil.pointCount + 1);
  p.outlineY.assign(airfoil.y.begin(), airfoil.y.begin() + airfoil.pointCount + 1);
  p.outlineCount = airfoil.pointCount;
}

void FindLeadingEdge(const AirfoilAsRead& airfoil, PreparedAirfoil& p) {
  // The nose is the first point of smallest x anywhere on the outline: real files bulge
  // or repeat an x before it, and some put it past the middle of the list.
  double smallest = std::numeric_limits<double>::infinity();
  p.upperCount = 1;
  for (int i = 1; i <= p.outlineCount; ++i) {
    if (p.outlineX[static_cast<std::size_t>(i)] < smallest) {
      smallest = p.outlineX[static_cast<std::size_t>(i)];
      p.upperCount = i;
    }
  }
  const long half = RoundHalfEven(airfoil.pointCount / 2.0);
  p.yMax = 0;
  for (long i = 1; i <= half && i <= airfoil.pointCount; ++i)
    if (airfoil.y[static_cast<std::size_t>(i)] > p.yMax) p.yMax = airfoil.y[static_cast<std::size_t>(i)];
  p.yMin = 0;
  for (long i = half < 1 ? 1 : half; i <= airfoil.pointCount; ++i)
    if (airfoil.y[static_cast<std::size_t>(i)] < p.yMin) p.yMin = airfoil.y[static_cast<std::size_t>(i)];
}

void SplitLowerSurface(PreparedAirfoil& p) {
  p.lowerX.assign(1, 0.0);
  p.lowerY.assign(1, 0.0);
  int k = 1;
  for (int i = p.outlineCount; i >= p.upperCount && i >= 1; --i) {
    p.lowerX.push_back(p.outlineX[static_cast<std::size_t>(i)]);
    p.lowerY.push_back(p.outlineY[static_cast<std::size_t>(i)]);
    ++k;
  }
  p.lowerCount = k - 1;
}

namespace {
// The scan may start at `from`: the first point at or below u never moves back as u falls,
// so the resampling resumes where the previous station stopped.
double HeightFrom(const std::vector<double>& xs, const std::vector<double>& ys, int count, double x, int& from) {
  if (count < 1) return 0.0;
  const double u = 1.0 - x;
  int i = from;
  while (i <= count && xs[static_cast<std::size_t>(i)] > u) ++i;
  from = i;
  if (i > count) return ys[static_cast<std::size_t>(count)];  // nothing at or below u
  if (i == 1) return ys[1];                                      // the list starts below u
  const double xa = xs[static_cast<std::size_t>(i - 1)], ya = ys[static_cast<std::size_t>(i - 1)];
  const double xb = xs[static_cast<std::size_t>(i)], yb = ys[static_cast<std::size_t>(i)];
  if (std::fabs(u - xa) < 1e-6) return ya;
  if (std::fabs(u - xb) < 1e-6) return yb;
  return ya + (yb - ya) / std::fabs(xb - xa) * std::fabs(u - xa);
}
}  // namespace

double HeightAtChordFraction(const std::vector<double>& xs, const std::vector<double>& ys, int count, double x) {
  int from = 1;
  return HeightFrom(xs, ys, count, x, from);
}

void ResampleSurfaces(PreparedAirfoil& p) {
  p.upperAt[0] = 0;
  p.lowerAt[0] = 0;
  int upperFrom = 1, lowerFrom = 1;
  for (int j = 1; j < 400; ++j) {
    const double x = j / 400.0;
    p.upperAt[static_cast<std::size_t>(j)] = HeightFrom(p.outlineX, p.outlineY, p.upperCount, x, upperFrom);
    p.lowerAt[static_cast<std::size_t>(j)] = HeightFrom(p.lowerX, p.lowerY, p.lowerCount, x, lowerFrom);
  }
  // The nose station is the leading-edge point both surfaces share. Read at x = 0 instead, a
  // nose that bulges ahead of x = 0 gives each surface the height where it crosses x = 0,
  // two heights a few tenths of a millimetre apart.
  const double nose = p.upperCount >= 1 && static_cast<std::size_t>(p.upperCount) < p.outlineY.size()
                          ? p.outlineY[static_cast<std::size_t>(p.upperCount)]
                          : 0.0;
  p.upperAt[400] = nose;
  p.lowerAt[400] = nose;
}

bool IsSymmetricFile(const AirfoilAsRead& a) {
  const int n = a.pointCount;
  if (n < 3 || a.x.size() <= static_cast<std::size_t>(n) || a.y.size() <= static_cast<std::size_t>(n)) return false;
  for (int i = 1; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(i), mirror = static_cast<std::size_t>(n + 1 - i);
    if (std::fabs(a.x[k] - a.x[mirror]) > kSymmetryTolerance || std::fabs(a.y[k] + a.y[mirror]) > kSymmetryTolerance)
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
