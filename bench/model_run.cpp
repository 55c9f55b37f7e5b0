// The ray run alone on a surface that only counts, for the start-up scene, a climb that
// refracts and reflects, and the longest walk: a level start across the whole picture.

#include <benchmark/benchmark.h>

#include "bench/quiet_display.h"
#include "model/simulation.h"

namespace {

using namespace velantra;

class NullSurface : public Surface {
  public:
    long lines = 0;
    void Scale(float, float, float, float) override {}
    void Cls() override {}
    void Line(float, float, float, float, Colour) override { ++lines; }
    void Box(float, float, float, float, Colour) override {}
    void PSet(float, float) override {}
    void Circle(float, float, float, Colour) override {}
    int DrawWidth() const override { return width_; }
    void setDrawWidth(int pixels) override { width_ = pixels; }
    void setCurrentX(float) override {}
    void setCurrentY(float) override {}
    void Print(const std::string&) override {}

  private:
    int width_ = 1;
};

void run(benchmark::State& state, double X0, double Yo, double a0, float nmax) {
    NullSurface surface;
    NullDisplay display;
    Simulation sim(surface, display);
    Form_Load(sim.scene);
    sim.scene.X0 = X0;
    sim.scene.Yo = Yo;
    sim.scene.nmax = nmax;
    sim.scene.a0 = Number::real(a0);
    sim.scene.a0rad = angle_rad(a0);
    sim.parametr();
    sim.minmax();
    sim.axes();
    for (auto _ : state) {
        sim.raschet();
        benchmark::DoNotOptimize(surface.lines);
    }
    state.counters["chords"] = sim.run().chords;
}

void BM_RunStartUp(benchmark::State& s) { run(s, 2.5, 0.6, 45, 1.4f); }
void BM_RunClimb135(benchmark::State& s) { run(s, 2.5, 0.6, 135, 1.4f); }
// Nearly equal indices keep a level start level from x = 0 to the right edge.
void BM_RunLongest(benchmark::State& s) { run(s, 0.0, 0.5, 90, 1.3333f); }

BENCHMARK(BM_RunStartUp);
BENCHMARK(BM_RunClimb135);
BENCHMARK(BM_RunLongest);

}  // namespace
