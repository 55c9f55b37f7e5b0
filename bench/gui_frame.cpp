// One frame of the picture as every redraw pass makes it: clear, plot edges and the axes
// with their grid, labels and the shaded lower medium, into the raster surface at the
// picture's size in the 860 × 306 window.

#include <benchmark/benchmark.h>

#include "bench/qt_app.h"
#include "bench/quiet_display.h"
#include "model/simulation.h"
#include "platform/fonts.h"
#include "surface/raster_surface.h"

namespace {

using namespace velantra;

void BM_Frame(benchmark::State& state) {
    bench_app();  // text on the image needs the font machinery
    RasterSurface surface;
    surface.resize(698, 247);
    surface.setFont(sans_font());
    NullDisplay display;
    Simulation sim(surface, display);
    Form_Load(sim.scene);
    sim.parametr();
    for (auto _ : state) {
        surface.Cls();
        sim.minmax();
        sim.axes();
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(BM_Frame)->Unit(benchmark::kMicrosecond);

}  // namespace
