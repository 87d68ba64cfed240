// The cut part of any rib a project file can describe: every set-up the project reader
// accepts, on a cambered airfoil, cut with a kerf and marks taken from the input's last
// byte. It never crashes, and every loop it gives is one a laser can cut: closed, finite,
// of three corners or more, outer loops counter-clockwise and openings clockwise, no
// corner twice in a row, no edge crossing another of the same loop.
// Then the kit: the byte before the last asks for copies (1 to 4) and a second panel's rib
// (the same set-up at a chord of its own); all their pieces nest on a sheet with every part
// placed once, inside the sheet, apart by the gap.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/airfoilprep.h"
#include "core/cutpart.h"
#include "core/nesting.h"
#include "core/newrib.h"
#include "files/projectfile.h"
#include "platform/messages.h"

namespace {

class SilentMessages : public platform::Messages {
 public:
  platform::BoxAnswer Show(const platform::BoxRequest&) override { return platform::BoxAnswer::Ok; }
};

// NACA 4412 from its formula, 61 points in file order: trailing edge, upper surface, nose,
// lower surface, trailing edge.
void InstallAirfoil(core::RibDocument& s) {
  constexpr double m = 0.04, p = 0.4, t = 0.12;
  constexpr int half = 30;
  std::vector<std::pair<double, double>> upper, lower;
  for (int i = 0; i <= half; ++i) {
    const double x = 0.5 * (1 - std::cos(core::kPi * i / half));
    const double yt = 5 * t * (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x + 0.2843 * x * x * x - 0.1036 * x * x * x * x);
    const double yc = x < p ? m / (p * p) * (2 * p * x - x * x) : m / ((1 - p) * (1 - p)) * (1 - 2 * p + 2 * p * x - x * x);
    upper.emplace_back(x, yc + yt);
    lower.emplace_back(x, yc - yt);
  }
  s.airfoil.points.clear();
  for (int i = half; i >= 0; --i)
    s.airfoil.points.push_back({upper[static_cast<std::size_t>(i)].first, upper[static_cast<std::size_t>(i)].second});
  for (int i = 1; i <= half; ++i)
    s.airfoil.points.push_back({lower[static_cast<std::size_t>(i)].first, lower[static_cast<std::size_t>(i)].second});
  s.airfoil.loaded = true;
  core::InstallPreparedAirfoil(s);
}

double Cross(core::PointMm o, core::PointMm a, core::PointMm b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool Crossing(core::PointMm a, core::PointMm b, core::PointMm c, core::PointMm d) {
  const double d1 = Cross(c, d, a), d2 = Cross(c, d, b), d3 = Cross(a, b, c), d4 = Cross(a, b, d);
  return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

void CheckLoop(const std::vector<core::PointMm>& loop, bool outer) {
  const std::size_t n = loop.size();
  if (n < 3) __builtin_trap();
  for (std::size_t i = 0; i < n; ++i) {
    const core::PointMm &a = loop[i], &b = loop[(i + 1) % n];
    if (!std::isfinite(a.x) || !std::isfinite(a.y)) __builtin_trap();
    if (a.x == b.x && a.y == b.y) __builtin_trap();
  }
  if (outer != (core::LoopArea(loop) > 0)) __builtin_trap();
  // Every pair of edges that do not share a corner (long loops: a sample, to keep pace).
  const std::size_t step = n > 400 ? n / 200 : 1;
  for (std::size_t i = 0; i < n; i += step)
    for (std::size_t j = i + 2; j < n; ++j) {
      if (i == 0 && j == n - 1) continue;
      if (Crossing(loop[i], loop[(i + 1) % n], loop[j], loop[(j + 1) % n])) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static SilentMessages silent;
  static platform::ScopedMessages installed(&silent);
  if (size < 2) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size - 2);
  const unsigned kit = data[size - 2], last = data[size - 1];
  core::RibDocument s;
  core::ClearRib(s);
  if (!files::ReadProjectText(bytes, s).ok) return 0;
  InstallAirfoil(s);
  core::CutOptions options;
  options.kerfMm = (last & 0x7F) / 50.0;  // up to 2.5 mm
  options.marks = (last & 0x80) != 0;
  const unsigned copies = 1 + kit % 4;
  std::vector<std::vector<core::PointMm>> parts;
  for (int panel = 0; panel < ((kit & 0x80) ? 2 : 1); ++panel) {
    if (panel == 1) s.rib.chord.mm = static_cast<float>(s.rib.chord.mm * (0.3 + ((kit >> 2) & 0x1F) / 20.0));
    const core::CutLayout cut = core::BuildCutLayout(core::BuildCutConstruction(s), options);
    for (const auto* pieces : {&cut.rib, &cut.jig}) {
      for (const core::CutPiece& p : *pieces) {
        CheckLoop(p.outer, true);
        for (const auto& hole : p.holes) CheckLoop(hole, false);
        for (const core::CutCircle& c : p.circles)
          if (!(c.radiusMm > 0) || !std::isfinite(c.centre.x) || !std::isfinite(c.centre.y)) __builtin_trap();
        for (unsigned copy = 0; copy < copies; ++copy) parts.push_back(p.outer);
      }
    }
  }
  // A sheet long enough for any rib the reader lets through, at a kit's usual gap.
  constexpr double kGapMm = 2, kSlackMm = 0.001;
  const core::SheetSize sheet{4000, 600};
  const core::NestLayout layout = core::NestParts(parts, sheet, kGapMm);
  if (layout.problem != core::NestProblem::None) return 0;  // a part larger than the sheet
  if (layout.placements.size() != parts.size()) __builtin_trap();
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const core::NestPlacement& at = layout.placements[i];
    if (at.sheet < 0 || at.sheet >= layout.sheets) __builtin_trap();
    for (const core::PointMm& q : parts[i]) {
      const core::PointMm r = core::Placed(at, q);
      if (!(r.x >= kGapMm - kSlackMm && r.y >= kGapMm - kSlackMm && r.x <= sheet.lengthMm - kGapMm + kSlackMm &&
            r.y <= sheet.widthMm - kGapMm + kSlackMm))
        __builtin_trap();
    }
  }
  return 0;
}
