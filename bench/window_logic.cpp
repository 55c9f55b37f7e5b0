// The window's logic without a toolkit: a keystroke in the angle box with all its nested
// passes and a resize pass, drawn onto a surface that only counts, and a soak of 1,000,000
// mixed actions of a long lesson that checks after every action that the texts are
// canonical and no caption shows nan or inf (the run fails with the first fault it finds).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "surface/null_surface.h"
#include "tests/support/editor.h"
#include "tests/support/form_rig.h"

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
        Rig rig;
        Form1& f = rig.form;
        testing::Editor editors[] = {{f, f.Text1}, {f, f.Text2}, {f, f.Text3},
                                     {f, f.Text4}, {f, f.Text5}, {f, f.Text6}};
        ScrollBar* bars[] = {&f.HScroll1, &f.VScroll1, &f.VScroll2};
        const char* menu[] = {"mnuFilespravka", "mnuFilesHistory1", "mnuHelpInstruction",
                              "mnuHelpAvtors", "mnuHelpAbout"};
        const char typed[] = "0123456789.-+eE ,x";
        std::mt19937 random(12);
        auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        for (long action = 1; action <= 1000000; ++action) {
            const int kind = pick(100);
            if (kind < 10) {
                f.CmdOK_Click();
            } else if (kind < 40) {
                editors[pick(6)].type(std::string(1, typed[pick(18)]));
            } else if (kind < 52) {
                editors[pick(6)].key(static_cast<testing::EditKey>(pick(13)));
            } else if (kind < 55) {
                const std::string pasted[] = {"1.5", "", "1e999", "-0", "2 5", "1,5", ".5e-2"};
                editors[pick(6)].type(pasted[pick(7)]);
            } else if (kind < 75) {
                f.scrolled(*bars[pick(3)], static_cast<ScrollAction>(pick(6)));
            } else if (kind < 78) {
                ScrollBar& bar = *bars[pick(3)];
                const int low = std::min(bar.top(), bar.bottom());
                f.scrolled_to(bar, low - 3 + pick(std::abs(bar.bottom() - bar.top()) + 7));
            } else if (kind < 80) {
                f.client_resized(100 + pick(1800), 40 + pick(1000));
            } else if (kind < 98) {
                f.pointer_moved(pick(900) - 100, pick(400) - 100);
            } else if (kind < 99) {
                f.menu_chosen(menu[pick(5)]);
            } else {
                rig.box.answer = Answer::No;
                f.close_requested();
            }
            if (const std::string wrong = testing::inconsistency(f); !wrong.empty()) {
                state.SkipWithError(("action " + std::to_string(action) + ": " + wrong).c_str());
                return;
            }
        }
        state.counters["actions_per_s"] = benchmark::Counter(1e6, benchmark::Counter::kIsRate);
        state.counters["messages"] = static_cast<double>(rig.box.shown.size());
    }
}
BENCHMARK(BM_LogicSoakMillionActions)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
