// Nesting the ribs of a tapered panel (Clark Y at the root, 240 mm, to SD7037 at the tip,
// 150 mm; 1.5 mm sheeting) on 100 x 1000 sheets with a 2 mm gap, against a simple shelf
// layout of the same parts: rows along the sheet, largest first, nothing turned.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "core/airfoilprep.h"
#include "core/cutpart.h"
#include "core/nesting.h"
#include "core/ribseries.h"
#include "files/airfoilfile.h"
#include "files/seriesfiles.h"

namespace {

using Outline = std::vector<core::PointMm>;

constexpr core::SheetSize kSheet{1000, 100};
constexpr double kGap = 2;

core::SeriesOutline Read(const char* name) {
  files::AirfoilData data;
  files::ReadAirfoilFile(std::string(VANDRELL_SOURCE_DIR) + "/airfoils/" + name, data);
  core::SeriesOutline o;
  o.x = data.x;
  o.y = data.y;
  o.count = data.pointCount;
  return o;
}

// Each rib as its series file gives it, cut as the cutting export cuts it.
std::vector<Outline> PanelRibs(int intermediate) {
  files::SeriesJob job;
  core::SeriesOutline root = Read("clarky.dat"), tip = Read("sd7037.dat");
  job.stations = core::CommonStationsOf(root, tip);
  job.ribs = core::EvenSeriesRibs(240, 150, intermediate);
  std::vector<Outline> parts;
  for (const core::SeriesRib& rib : job.ribs) {
    files::AirfoilData data;
    files::ParseAirfoilText(files::RibFileText(job, rib), data);
    core::RibDocument s;
    s.airfoil.x = data.x;
    s.airfoil.y = data.y;
    s.airfoil.pointCount = data.pointCount;
    core::InstallPreparedAirfoil(s);
    s.airfoil.loaded = true;
    s.rib.chord.mm = static_cast<float>(rib.chordMm);
    s.rib.sheeting.mm = 1.5;
    core::CutLayout cut = core::BuildCutLayout(core::BuildCutConstruction(s), {});
    for (const core::CutPiece& piece : cut.rib) parts.push_back(piece.outer);
  }
  return parts;
}

// Rows along the sheet, the largest part first, each part's box after the last; a part
// that does not fit the row starts the next one, one that does not fit the sheet the next
// sheet.
int ShelfSheets(const std::vector<Outline>& parts) {
  std::vector<core::BoundsMm> boxes;
  for (const Outline& p : parts) {
    core::BoundsMm b;
    for (const core::PointMm& q : p) b.Take(q.x, q.y);
    boxes.push_back(b);
  }
  std::vector<std::size_t> order(parts.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return std::fabs(core::LoopArea(parts[a])) > std::fabs(core::LoopArea(parts[b]));
  });
  int sheets = 0;
  double x = 0, y = 0, rowHeight = 0;
  for (std::size_t i : order) {
    double w = boxes[i].right - boxes[i].left, h = boxes[i].top - boxes[i].bottom;
    if (sheets == 0 || x + w + kGap > kSheet.lengthMm) {  // next row
      y += rowHeight + (sheets ? kGap : 0);
      x = kGap;
      rowHeight = 0;
    }
    if (sheets == 0 || y + h + kGap > kSheet.widthMm) {  // next sheet
      ++sheets;
      x = kGap;
      y = kGap;
      rowHeight = 0;
    }
    x += w + kGap;
    rowHeight = std::max(rowHeight, h);
  }
  return sheets;
}

// Arguments: the intermediate ribs, and the copies of each (2: both wing halves).
void BM_NestPanel(benchmark::State& state) {
  const std::vector<Outline> ribs = PanelRibs(static_cast<int>(state.range(0)));
  if (ribs.size() != static_cast<std::size_t>(state.range(0) + 2)) {
    state.SkipWithError("the ribs could not be made");
    return;
  }
  std::vector<Outline> parts;
  for (const Outline& rib : ribs)
    for (int copy = 0; copy < state.range(1); ++copy) parts.push_back(rib);
  core::NestLayout layout;
  for (auto _ : state) {
    layout = core::NestParts(parts, kSheet, kGap);
    benchmark::DoNotOptimize(layout.sheets);
  }
  double area = 0;
  for (const Outline& p : parts) area += core::LoopArea(p);
  int turned = 0;
  for (const core::NestPlacement& p : layout.placements) turned += p.turned;
  state.counters["parts"] = static_cast<double>(parts.size());
  state.counters["sheets"] = layout.sheets;
  state.counters["shelf_sheets"] = ShelfSheets(parts);
  state.counters["turned"] = turned;
  state.counters["used_%"] = 100 * area / (layout.sheets * kSheet.lengthMm * kSheet.widthMm);
  state.counters["least_sheets"] = std::ceil(area / (kSheet.lengthMm * kSheet.widthMm));
}

}  // namespace

// 24 and 90 ribs, 90 for both halves (180 parts), and 500 ribs; the long runs once.
BENCHMARK(BM_NestPanel)->Args({22, 1})->Args({88, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NestPanel)->Args({88, 2})->Args({498, 1})->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  std::setlocale(LC_NUMERIC, "C");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
