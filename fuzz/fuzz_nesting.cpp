// Nesting parts of any shape: random outlines (crossing themselves or not, slivers, points
// repeated) on sheets of random size with a random gap, as a kit has them: in panels (each
// panel's outlines the same shapes at its own scale) and in copies (each outline several
// times over, as both wing halves want it). It never crashes; a layout places
// every part once on a sheet that exists, inside it with the gap to its edges, and no two
// parts on a sheet come closer than the gap.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/nesting.h"

namespace {

using Outline = std::vector<core::PointMm>;

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return at_ >= size_; }
  unsigned Byte() { return at_ < size_ ? data_[at_++] : 0; }
  int Short() { return static_cast<int>(static_cast<std::int16_t>(Byte() | (Byte() << 8))); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

double Cross(core::PointMm o, core::PointMm a, core::PointMm b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

double PointSegment(core::PointMm p, core::PointMm a, core::PointMm b) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  const double t = l2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

double SegmentDistance(core::PointMm a, core::PointMm b, core::PointMm c, core::PointMm d) {
  const double d1 = Cross(c, d, a), d2 = Cross(c, d, b), d3 = Cross(a, b, c), d4 = Cross(a, b, d);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return 0;
  return std::min({PointSegment(a, c, d), PointSegment(b, c, d), PointSegment(c, a, b), PointSegment(d, a, b)});
}

// Whether p lies inside the region the loop winds round (non-zero).
bool Inside(core::PointMm p, const Outline& loop) {
  int winding = 0;
  for (std::size_t i = 0; i < loop.size(); ++i) {
    const core::PointMm &a = loop[i], &b = loop[(i + 1) % loop.size()];
    if (a.y <= p.y) {
      if (b.y > p.y && Cross(a, b, p) > 0) ++winding;
    } else if (b.y <= p.y && Cross(a, b, p) < 0) {
      --winding;
    }
  }
  return winding != 0;
}

double Distance(const Outline& a, const Outline& b) {
  for (const core::PointMm& p : a)
    if (Inside(p, b)) return 0;
  for (const core::PointMm& p : b)
    if (Inside(p, a)) return 0;
  double least = INFINITY;
  for (std::size_t i = 0; i < a.size(); ++i)
    for (std::size_t j = 0; j < b.size(); ++j)
      least = std::min(least, SegmentDistance(a[i], a[(i + 1) % a.size()], b[j], b[(j + 1) % b.size()]));
  return least;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes in(data, size);
  // Sheets from a few millimetres to a few metres, gaps up to 12.7 mm.
  const core::SheetSize sheet{1 + in.Byte() * 8.0, 1 + in.Byte() * 2.0};
  const double gap = in.Byte() / 20.0;
  const unsigned kit = in.Byte();
  const unsigned copies = 1 + kit % 3, panels = 1 + (kit / 3) % 3;
  std::vector<Outline> shapes;
  while (!in.empty() && shapes.size() < 6) {
    const unsigned corners = in.Byte() % 12;
    Outline outline;
    // Tenths of a millimetre, anywhere: a part's position must not matter.
    for (unsigned k = 0; k < corners; ++k) outline.push_back({in.Short() / 10.0, in.Short() / 10.0});
    shapes.push_back(outline);
  }
  // A further panel is the first one smaller, as a tip panel is; identical copies side by side.
  std::vector<Outline> parts;
  for (unsigned panel = 0; panel < panels; ++panel)
    for (const Outline& shape : shapes) {
      Outline scaled;
      for (const core::PointMm& q : shape) scaled.push_back({q.x / (1 + panel * 0.5), q.y / (1 + panel * 0.5)});
      for (unsigned copy = 0; copy < copies; ++copy) parts.push_back(scaled);
    }
  const core::NestLayout layout = core::NestParts(parts, sheet, gap);
  if (layout.problem != core::NestProblem::None) {
    if (layout.problem == core::NestProblem::Sheet && sheet.lengthMm > 2 * gap && sheet.widthMm > 2 * gap)
      __builtin_trap();
    return 0;
  }
  if (layout.placements.size() != parts.size()) __builtin_trap();
  constexpr double kMicrometre = 0.001;
  std::vector<Outline> placed;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const core::NestPlacement& p = layout.placements[i];
    if (p.sheet < 0 || p.sheet >= layout.sheets) __builtin_trap();
    placed.emplace_back();
    for (const core::PointMm& q : parts[i]) {
      const core::PointMm r = core::Placed(p, q);
      if (r.x < gap - kMicrometre || r.y < gap - kMicrometre || r.x > sheet.lengthMm - gap + kMicrometre ||
          r.y > sheet.widthMm - gap + kMicrometre)
        __builtin_trap();
      placed.back().push_back(r);
    }
  }
  for (std::size_t i = 0; i < placed.size(); ++i)
    for (std::size_t j = i + 1; j < placed.size(); ++j)
      if (layout.placements[i].sheet == layout.placements[j].sheet && placed[i].size() >= 3 && placed[j].size() >= 3 &&
          Distance(placed[i], placed[j]) < gap - 2 * kMicrometre)
        __builtin_trap();
  return 0;
}
