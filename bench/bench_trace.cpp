// The rib trace onto the recording target: a heavy rib with every feature.
#include <benchmark/benchmark.h>

#include <string>

#include "core/airfoilprep.h"
#include "core/ribconstruction.h"
#include "core/ribtrace.h"
#include "files/airfoilfile.h"
#include "platform/recordingtarget.h"

namespace {

core::RibDocument HeavyRib() {
  core::RibDocument s;
  s.airfoil.path = std::string(VANDRELL_SOURCE_DIR) + "/airfoils/clarky.dat";
  files::ReadAirfoilInto(s.airfoil);
  core::InstallPreparedAirfoil(s);
  s.airfoil.loaded = true;
  s.view.zoom = 1;
  s.rib.sheeting.mm = 1.5f;
  s.rib.leadingEdge.mm = 6;
  s.rib.markCount = 255;
  s.rib.baseMode = core::BaseMode::Blocks;
  s.rib.blocks.leadingExtension.mm = 20;
  s.rib.blocks.trailingExtension.mm = 15;
  s.rib.blocks.baseHeight.mm = 25;
  s.rib.blocks.topHeight.mm = 40;
  s.rib.boardAngle = 3;
  s.rib.caption.x.mm = 60;
  s.rib.caption.y.mm = -8;
  s.rib.caption.text = "clarky Chord : 200";
  s.rib.spars.last = 11;
  s.rib.holes.last = 11;
  for (std::size_t i = 0; i < 12; ++i) {
    s.rib.spars[i].positionText = std::to_string(8 + 6 * i) + "%";
    s.rib.spars[i].width.mm = 3;
    s.rib.spars[i].height.mm = 4;
    s.rib.spars[i].inset.mm = 1;
    s.rib.spars[i].upper = core::SparCut::FromSheeting;
    s.rib.spars[i].lower = core::SparCut::FromContour;
    s.rib.spars[i].shape = static_cast<core::SparShape>(i % 4);
    s.rib.holes[i].positionText = std::to_string(10 + 6 * i) + "%";
    s.rib.holes[i].size.mm = 5;
    s.rib.holes[i].height.mm = 3;
    s.rib.holes[i].centred = 1;
    s.rib.holes[i].shape = static_cast<core::HoleShape>(i % 2);
  }
  return s;
}

void BM_DrawRibRecording(benchmark::State& state) {
  core::RibDocument s = HeavyRib();
  const core::ViewPlacement at{1, 600, 4000, s.rib.chord.mm * 56.7f};
  std::size_t primitives = 0;
  for (auto _ : state) {
    platform::RecordingTarget target;
    core::DrawRib(s, at, {}, target);
    benchmark::DoNotOptimize(target.lines.data());
    primitives = target.lines.size() + target.circles.size() + target.texts.size();
  }
  state.counters["primitives"] = static_cast<double>(primitives);
}
BENCHMARK(BM_DrawRibRecording);

void BM_BuildRib(benchmark::State& state) {
  core::RibDocument s = HeavyRib();
  for (auto _ : state) {
    core::RibConstruction c = core::BuildRib(s);
    benchmark::DoNotOptimize(c.elements.data());
  }
}
BENCHMARK(BM_BuildRib);

}  // namespace

BENCHMARK_MAIN();
