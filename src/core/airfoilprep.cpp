#include "core/airfoilprep.h"

#include <cmath>

#include "core/numformat.h"

namespace core {

namespace {
ViewHooks* g_hooks = nullptr;

void AddPoint(SharedState& s, double x, double y) {
  ++s.ptsCount;
  s.ptsX.push_back(x);
  s.ptsY.push_back(y);
}
}  // namespace

void SetViewHooks(ViewHooks* hooks) { g_hooks = hooks; }
ViewHooks* CurrentViewHooks() { return g_hooks; }

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

void Alocate(SharedState& s) {
  const int n = s.pointCount;
  const int m = n / 2;
  s.ptsX.assign(1, 0.0);
  s.ptsY.assign(1, 0.0);
  s.ptsCount = 0;
  if (n < 1) return;
  AddPoint(s, s.airfoilX[1], s.airfoilY[1]);

  for (int i = 1; i <= n - 1; ++i) {
    // The leading-edge region is cut in y, elsewhere in x.
    const bool inY = i >= m - 3 && i <= m + 4;
    const std::vector<double>& a = inY ? s.airfoilY : s.airfoilX;
    const std::vector<double>& o = inY ? s.airfoilX : s.airfoilY;
    int c = i;
    if (!inY) {
      if (i <= 2) c = 3;
      else if (i >= n - 3) c = n - 3;
    }
    const double a0 = a[static_cast<std::size_t>(i)];
    const double a1 = a[static_cast<std::size_t>(i + 1)];
    auto add = [&](double t) {
      double other = 0;
      if (!SixPointInterpolation(a, o, n, c, t, other)) {
        const double o0 = o[static_cast<std::size_t>(i)];
        const double o1 = o[static_cast<std::size_t>(i + 1)];
        other = o0 + (o1 - o0) * (t - a0) / (a1 - a0);
      }
      if (inY) AddPoint(s, other, t);
      else AddPoint(s, t, other);
    };
    auto full = [&] { return s.ptsCount >= kMaxPoints; };
    if (full()) return;

    const float start = static_cast<float>(a0);
    const float end = static_cast<float>(a1);
    const float step = static_cast<float>((a1 - a0) / 10.0);
    if (step == 0.0f || !std::isfinite(step)) {
      // Both points share the stepped coordinate: the interval adds its end point once.
      AddPoint(s, s.airfoilX[static_cast<std::size_t>(i + 1)], s.airfoilY[static_cast<std::size_t>(i + 1)]);
      continue;
    }
    const bool rising = step > 0.0f;
    float t = start;
    while (rising ? t <= end : t >= end) {
      if (static_cast<double>(t) != a0) {
        if (full()) return;
        add(static_cast<double>(t));
      }
      const float next = t + step;
      if (next == t) {
        // The step no longer moves the single-precision counter.
        if (full()) return;
        AddPoint(s, s.airfoilX[static_cast<std::size_t>(i + 1)], s.airfoilY[static_cast<std::size_t>(i + 1)]);
        break;
      }
      t = next;
    }
  }
}

void MiniX(SharedState& s) {
  double smallest = 1.0;
  s.upperCount = 1;
  long last = RoundHalfEven((s.ptsCount + 60) / 2.0);
  if (last > s.ptsCount) last = s.ptsCount;
  for (long i = 1; i <= last; ++i) {
    if (s.ptsX[static_cast<std::size_t>(i)] < smallest) {
      smallest = s.ptsX[static_cast<std::size_t>(i)];
      ++s.upperCount;
    }
  }
  const long half = RoundHalfEven(s.pointCount / 2.0);
  s.yMax = 0;
  for (long i = 1; i <= half && i <= s.pointCount; ++i)
    if (s.airfoilY[static_cast<std::size_t>(i)] > s.yMax) s.yMax = s.airfoilY[static_cast<std::size_t>(i)];
  s.yMin = 0;
  for (long i = half < 1 ? 1 : half; i <= s.pointCount; ++i)
    if (s.airfoilY[static_cast<std::size_t>(i)] < s.yMin) s.yMin = s.airfoilY[static_cast<std::size_t>(i)];
}

void SplitLowerSurface(SharedState& s) {
  s.lowerX.assign(1, 0.0);
  s.lowerY.assign(1, 0.0);
  int k = 1;
  for (int i = s.ptsCount; i >= s.upperCount && i >= 1; --i) {
    s.lowerX.push_back(s.ptsX[static_cast<std::size_t>(i)]);
    s.lowerY.push_back(s.ptsY[static_cast<std::size_t>(i)]);
    ++k;
  }
  s.lowerCount = k - 1;
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

void ResampleSurfaces(SharedState& s) {
  s.upperAt[0] = 0;
  s.lowerAt[0] = 0;
  int upperFrom = 1, lowerFrom = 1;
  for (int j = 1; j <= 400; ++j) {
    const double x = j / 400.0;
    s.upperAt[static_cast<std::size_t>(j)] = HeightFrom(s.ptsX, s.ptsY, s.upperCount, x, upperFrom);
    s.lowerAt[static_cast<std::size_t>(j)] = HeightFrom(s.lowerX, s.lowerY, s.lowerCount, x, lowerFrom);
  }
}

void ThicknessAndCamberExtrema(SharedState& s) {
  s.maxThickness = 0;
  s.maxThicknessStation = -1;
  s.maxCamber = 0;
  s.maxCamberStation = -1;
  for (int j = 0; j <= 400; ++j) {
    const double t = s.upperAt[static_cast<std::size_t>(j)] - s.lowerAt[static_cast<std::size_t>(j)];
    if (t > s.maxThickness) {
      s.maxThickness = t;
      s.maxThicknessStation = j;
    }
  }
  for (int j = 0; j <= 400; ++j) {
    const double c = (s.upperAt[static_cast<std::size_t>(j)] + s.lowerAt[static_cast<std::size_t>(j)]) * 0.5;
    if (c > s.maxCamber) {
      s.maxCamber = c;
      s.maxCamberStation = j;
    }
  }
}

void PrepareAirfoil(SharedState& s) {
  Alocate(s);
  MiniX(s);
  SplitLowerSurface(s);
  ResampleSurfaces(s);
  ThicknessAndCamberExtrema(s);
  s.newThickness = 0;
  s.newCamber = 0;
  s.hScroll = 0;
  s.vScroll = 0;
  s.epCourbShown = false;
  s.compareShown = false;
  if (g_hooks) {
    g_hooks->ResetScrollBars();
    g_hooks->EnableAirfoilCommands();
    g_hooks->Redraw();
  }
}

}  // namespace core

