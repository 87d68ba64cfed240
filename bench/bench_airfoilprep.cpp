#include <benchmark/benchmark.h>

#include "core/airfoilprep.h"
#include "files/airfoilfile.h"

namespace {

void Prepare(benchmark::State& state, const char* file) {
  core::RibDocument loaded;
  loaded.airfoil.path = std::string(VANDRELL_SOURCE_DIR) + "/airfoils/" + file;
  if (!files::ReadAirfoilInto(loaded.airfoil).ok()) {
    state.SkipWithError("cannot read the airfoil");
    return;
  }
  for (auto _ : state) {
    core::RibDocument s = loaded;
    core::InstallPreparedAirfoil(s);
    benchmark::DoNotOptimize(s.prepared.upperAt);
  }
}

void BM_PrepareHm1001(benchmark::State& state) { Prepare(state, "hm1001.dat"); }
void BM_PrepareE387(benchmark::State& state) { Prepare(state, "e387.dat"); }

}  // namespace

BENCHMARK(BM_PrepareHm1001)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PrepareE387)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
