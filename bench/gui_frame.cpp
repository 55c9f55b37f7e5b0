// Drawing into the raster surface at the picture's size in the 860 × 306 window: one frame
// as every redraw pass makes it (the medium lines, clearing, plot edges and the axes with
// their grid, labels and shaded lower medium), and the longest walk drawn over a frame.

#include <benchmark/benchmark.h>

#include "bench/scene.h"
#include "surface/raster_surface.h"
#include "tests/support/first_app.h"
#include "tests/support/recording_display.h"

namespace {

using namespace velantra;

// Text on the image needs the font machinery.
struct Picture {
    Picture() {
        testing::first_app();
        surface.resize(698, 247, 1.0);
        surface.setFont(font_of(kSystemFont));
    }
    RasterSurface surface;
    testing::RecordingDisplay display;
    Simulation sim{surface, display};
};

void BM_Frame(benchmark::State& state) {
    Picture p;
    Form_Load(p.sim.scene);
    for (auto _ : state) {
        p.sim.draw_frame();
        benchmark::DoNotOptimize(p.surface.image().constBits());
    }
}
BENCHMARK(BM_Frame)->Unit(benchmark::kMicrosecond);

// The level start of the null-surface benchmark, its 600-odd chords rasterised.
void BM_RunLongestRaster(benchmark::State& state) {
    Picture p;
    set_scene(p.sim, 0.0, 0.5, 90, 1.3333f);
    for (auto _ : state) {
        p.sim.raschet();
        benchmark::DoNotOptimize(p.surface.image().constBits());
    }
}
BENCHMARK(BM_RunLongestRaster)->Unit(benchmark::kMicrosecond);

}  // namespace
