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

bool FullRib(core::SharedState& s) {
  s.airfoilPath = std::string(VANDRELL_SOURCE_DIR) + "/airfoils/clarky.dat";
  if (!files::FichierLecture(s).ok()) return false;
  core::PrepareAirfoil(s);
  s.airfoilLoaded = true;
  s.leadingEdgeDepth = 8;
  s.trailingEdgeDepth = 12;
  s.markCount = 255;
  s.baseMode = 1;
  s.blockLe = 20;
  s.blockTe = 10;
  s.blockHeight0 = 15;
  s.blockHeight4 = 40;
  s.boardAngle = -2;
  for (int i = 0; i < 12; ++i) {
    auto k = static_cast<std::size_t>(i);
    s.spars.sparPosText[k] = std::to_string(10 + 7 * i) + "%";
    s.spars.sparWidth[k] = 4;
    s.spars.sparHeight[k] = 3;
    s.spars.sparInset[k] = 1;
    s.spars.sparType[k] = static_cast<std::uint8_t>(i % 4);
    s.spars.sparUpper[k] = static_cast<std::uint8_t>(1 + i % 2);
    s.spars.sparLower[k] = static_cast<std::uint8_t>(2 - i % 2);
    s.holes.holePosText[k] = std::to_string(12 + 6 * i) + "%";
    s.holes.holeSize[k] = 5;
    s.holes.holeHeight[k] = 3;
    s.holes.holeRect[k] = static_cast<std::uint8_t>(i % 2);
    s.holes.holeCentred[k] = 1;
  }
  s.spars.sparLast = 11;
  s.holes.holeLast = 11;
  return true;
}

void BM_DxfExport(benchmark::State& state) {
  core::SharedState s;
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
  core::SharedState s;
  if (!FullRib(s)) {
    state.SkipWithError("cannot read the airfoil");
    return;
  }
  s.zoom = 1;
  core::PlaceViewOrigin(s);
  QImage image(1000, 400, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    platform::QtDrawTarget target = platform::QtDrawTarget::ForDevice(painter, image);
    target.Clear();
    core::DrawRib(s, target);
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
