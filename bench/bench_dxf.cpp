// The DXF export and the painted trace of a rib carrying the most the program allows: 12
// spars, 12 holes, blocks, sheeting and 255 reference lines.
#include <benchmark/benchmark.h>

#include <clocale>

#include "core/airfoilprep.h"
#include "core/ribtrace.h"
#include "core/viewgeometry.h"
#include "files/airfoilfile.h"
#include "output/dxfwriter.h"

#ifdef VANDRELL_WITH_QT
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "platform/qt/qtdrawtarget.h"
#endif

namespace {

bool FullRib(core::RibDocument& s) {
  s.airfoil.path = std::string(VANDRELL_SOURCE_DIR) + "/airfoils/clarky.dat";
  if (!files::ReadAirfoilInto(s.airfoil).ok()) return false;
  core::InstallPreparedAirfoil(s);
  s.airfoil.loaded = true;
  s.rib.leadingEdge.mm = 8;
  s.rib.trailingEdge.mm = 12;
  s.rib.markCount = 255;
  s.rib.baseMode = core::BaseMode::Blocks;
  s.rib.blocks.leadingExtension.mm = 20;
  s.rib.blocks.trailingExtension.mm = 10;
  s.rib.blocks.baseHeight.mm = 15;
  s.rib.blocks.topHeight.mm = 40;
  s.rib.boardAngle = -2;
  for (int i = 0; i < 12; ++i) {
    auto k = static_cast<std::size_t>(i);
    s.rib.spars[k].positionText = std::to_string(10 + 7 * i) + "%";
    s.rib.spars[k].width.mm = 4;
    s.rib.spars[k].height.mm = 3;
    s.rib.spars[k].inset.mm = 1;
    s.rib.spars[k].shape = static_cast<core::SparShape>(i % 4);
    s.rib.spars[k].upper = static_cast<core::SparCut>(1 + i % 2);
    s.rib.spars[k].lower = static_cast<core::SparCut>(2 - i % 2);
    s.rib.holes[k].positionText = std::to_string(12 + 6 * i) + "%";
    s.rib.holes[k].size.mm = 5;
    s.rib.holes[k].height.mm = 3;
    s.rib.holes[k].shape = static_cast<core::HoleShape>(i % 2);
    s.rib.holes[k].centred = 1;
  }
  s.rib.spars.last = 11;
  s.rib.holes.last = 11;
  return true;
}

void BM_DxfExport(benchmark::State& state) {
  core::RibDocument s;
  if (!FullRib(s)) {
    state.SkipWithError("cannot read the airfoil");
    return;
  }
  std::size_t bytes = 0;
  for (auto _ : state) {
    output::DxfBuild build = output::BuildDxf(s);
    bytes = build.text.size();
    benchmark::DoNotOptimize(build.text.data());
  }
  state.counters["file_kB"] = static_cast<double>(bytes) / 1024;
}

#ifdef VANDRELL_WITH_QT
void BM_DrawRibOnImage(benchmark::State& state) {
  core::RibDocument s;
  if (!FullRib(s)) {
    state.SkipWithError("cannot read the airfoil");
    return;
  }
  s.view.zoom = 1;
  const core::ViewPlacement at = core::PlaceView(s);
  QImage image(1000, 400, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    platform::QtDrawTarget target = platform::QtDrawTarget::ForDevice(painter, image);
    target.Clear();
    core::DrawRib(s, at, {}, target);
  }
}
BENCHMARK(BM_DrawRibOnImage)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK(BM_DxfExport)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
#ifdef VANDRELL_WITH_QT
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
#endif
  std::setlocale(LC_NUMERIC, "C");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
