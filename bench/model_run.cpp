// The ray run alone on a surface that only counts, for the start-up scene, a climb that
// refracts and reflects, and the longest walk: a level start across the whole picture.

#include <benchmark/benchmark.h>

#include "bench/scene.h"
#include "surface/null_surface.h"
#include "tests/support/recording_display.h"

namespace {

using namespace velantra;

void run(benchmark::State& state, double X0, double Yo, double a0, float nmax) {
    NullSurface surface;
    testing::RecordingDisplay display;
    Simulation sim(surface, display);
    set_scene(sim, X0, Yo, a0, nmax);
    surface.lines = 0;
    for (auto _ : state) {
        sim.raschet();
        benchmark::DoNotOptimize(surface.lines);
    }
    state.counters["lines"] =
        benchmark::Counter(static_cast<double>(surface.lines), benchmark::Counter::kAvgIterations);
}

void BM_RunStartUp(benchmark::State& s) { run(s, 2.5, 0.6, 45, 1.4f); }
void BM_RunClimb135(benchmark::State& s) { run(s, 2.5, 0.6, 135, 1.4f); }
// Nearly equal indices keep a level start level from x = 0 to the right edge.
void BM_RunLongest(benchmark::State& s) { run(s, 0.0, 0.5, 90, 1.3333f); }

BENCHMARK(BM_RunStartUp);
BENCHMARK(BM_RunClimb135);
BENCHMARK(BM_RunLongest);

}  // namespace
