// The window's logic without a toolkit: a keystroke in the angle box with all its nested
// passes and a resize pass, drawn onto a surface that only counts, and the time of the soak
// of tests/support/soak.h (the run fails with the first fault it finds).

#include <benchmark/benchmark.h>

#include "surface/null_surface.h"
#include "tests/support/form_rig.h"
#include "tests/support/soak.h"

namespace {

using namespace velantra;
using Rig = testing::FormRigOf<NullSurface>;

// Alternately types a digit at the end of ' 45' and erases it: one full redraw each.
void BM_LogicKeystrokeInText6(benchmark::State& state) {
    Rig rig;
    bool typed = false;
    for (auto _ : state) {
        rig.form.typed(rig.form.Text6, typed ? " 45" : " 457", typed ? 3 : 4);
        typed = !typed;
    }
    state.counters["passes"] =
        benchmark::Counter(rig.form.resize_passes(), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_LogicKeystrokeInText6);

void BM_LogicResizePass(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) rig.form.Form_Resize();
}
BENCHMARK(BM_LogicResizePass);

void BM_LogicSoakMillionActions(benchmark::State& state) {
    for (auto _ : state) {
        const testing::SoakResult soak = testing::soak();
        if (!soak.fault.empty()) {
            state.SkipWithError(soak.fault.c_str());
            return;
        }
        state.counters["actions_per_s"] =
            benchmark::Counter(static_cast<double>(soak.actions), benchmark::Counter::kIsRate);
        state.counters["messages"] = static_cast<double>(soak.messages);
    }
}
BENCHMARK(BM_LogicSoakMillionActions)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
