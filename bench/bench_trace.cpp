// The rib trace onto the recording target: a heavy rib with every feature.
#include <benchmark/benchmark.h>

#include <string>

#include "core/airfoilprep.h"
#include "core/ribconstruction.h"
#include "core/ribtrace.h"
#include "files/airfoilfile.h"
#include "platform/recordingtarget.h"

namespace {

core::SharedState HeavyRib() {
  core::SharedState s;
  s.airfoilPath = std::string(VANDRELL_SOURCE_DIR) + "/airfoils/clarky.dat";
  files::FichierLecture(s);
  core::PrepareAirfoil(s);
  s.airfoilLoaded = true;
  s.zoom = 1;
  s.originX = 600;
  s.originY = 4000;
  s.chordTwips = s.chord * 56.7f;
  s.sheetingThickness = 1.5f;
  s.leadingEdgeDepth = 6;
  s.markCount = 255;
  s.baseMode = 1;
  s.blockLe = 20;
  s.blockTe = 15;
  s.blockHeight0 = 25;
  s.blockHeight4 = 40;
  s.boardAngle = 3;
  s.textX = 60;
  s.textY = -8;
  s.annotationText = "clarky Chord : 200";
  s.spars.sparLast = 11;
  s.holes.holeLast = 11;
  for (std::size_t i = 0; i < 12; ++i) {
    s.spars.sparPosText[i] = std::to_string(8 + 6 * i) + "%";
    s.spars.sparWidth[i] = 3;
    s.spars.sparHeight[i] = 4;
    s.spars.sparInset[i] = 1;
    s.spars.sparUpper[i] = 1;
    s.spars.sparLower[i] = 2;
    s.spars.sparType[i] = static_cast<std::uint8_t>(i % 4);
    s.holes.holePosText[i] = std::to_string(10 + 6 * i) + "%";
    s.holes.holeSize[i] = 5;
    s.holes.holeHeight[i] = 3;
    s.holes.holeCentred[i] = 1;
    s.holes.holeRect[i] = static_cast<std::uint8_t>(i % 2);
  }
  return s;
}

void BM_DrawRibRecording(benchmark::State& state) {
  core::SharedState s = HeavyRib();
  std::size_t primitives = 0;
  for (auto _ : state) {
    platform::RecordingTarget target;
    core::DrawRib(s, target);
    benchmark::DoNotOptimize(target.lines.data());
    primitives = target.lines.size() + target.circles.size() + target.texts.size();
  }
  state.counters["primitives"] = static_cast<double>(primitives);
}
BENCHMARK(BM_DrawRibRecording);

void BM_BuildRib(benchmark::State& state) {
  core::SharedState s = HeavyRib();
  for (auto _ : state) {
    core::RibConstruction c = core::BuildRib(s);
    benchmark::DoNotOptimize(c.elements.data());
  }
}
BENCHMARK(BM_BuildRib);

}  // namespace

BENCHMARK_MAIN();
