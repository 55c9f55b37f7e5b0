// Scenes the inputs can set, through the redraw chain and the run on the recording
// surface: every coordinate drawn is finite, a walk stays within 1,200 chords and no
// caption or printed figure shows "nan" or "inf".

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "model/format.h"
#include "model/simulation.h"
#include "tests/support/checks.h"
#include "tests/support/recording_display.h"

using namespace velantra;
using fuzz::show;

namespace {

// A number as a box would take it: typed text read by numval, or any finite double.
double typed(fuzz::Reader& in, double previous) {
    if (in.byte() & 1) {
        const double v = in.raw<double>();
        return std::isfinite(v) ? v : previous;
    }
    return numval(in.text(24)).value_or(previous);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Reader in(data, size);
    testing::RecordingSurface surface;
    testing::RecordingDisplay display;
    Simulation sim(surface, display);
    Scene& s = sim.scene;
    Form_Load(s);

    // The indices: n1 below nmin, or a rejected entry's replacement that leaves n1 >= nmin.
    s.n1 = typed(in, s.n1);
    s.nmin = typed(in, s.nmin);
    if (!(s.n1 < s.nmin)) {
        if (in.byte() & 1) {
            s.n1 = 1.001;
        } else {
            s.nmin = 1.333;
        }
    }
    const double nmax = typed(in, s.nmax);
    if (std::fabs(nmax) <= static_cast<double>(FLT_MAX)) s.nmax = static_cast<float>(nmax);
    // X0 and Yo come only from their scroll bars.
    s.X0 = (in.raw<std::uint16_t>() % 601) * 0.01;
    s.Yo = (static_cast<int>(in.raw<std::uint16_t>() % 201) - 100) * 0.01;
    // The angle: the scroll bar's integer, or a typed number.
    if (in.byte() & 1) {
        sim.set_angle(
            Number::integer(static_cast<std::int16_t>(in.raw<std::uint16_t>() % 361 - 180)));
    } else {
        sim.set_angle(Number::real(typed(in, s.a0.value())));
    }
    sim.decimal_separator = (in.byte() & 1) ? "," : ".";

    const std::string scene = "n1=" + show(s.n1) + " nmin=" + show(s.nmin) +
                              " nmax=" + show(static_cast<double>(s.nmax)) + " X0=" + show(s.X0) +
                              " Yo=" + show(s.Yo) + " a0=" + show(s.a0.value());
    sim.draw_frame();
    sim.raschet();

    const int chords = testing::chords(surface.calls);
    FUZZ_CHECK(chords <= 1200, scene + ": " + std::to_string(chords) + " chords");
    for (const testing::DrawCall& c : surface.calls) {
        FUZZ_CHECK(testing::finite(c),
                   scene + ": a call of kind " + std::to_string(static_cast<int>(c.kind)) + " at " +
                       show(c.x1) + "," + show(c.y1) + " " + show(c.x2) + "," + show(c.y2));
        FUZZ_CHECK(testing::free_of_nan_inf(c.text), scene + ": printed \"" + c.text + "\"");
    }
    for (const auto& [label, caption] : display.captions)
        FUZZ_CHECK(testing::free_of_nan_inf(caption), scene + ": caption \"" + caption + "\"");
    for (const auto& [left, top] : display.shape1_moves)
        FUZZ_CHECK(std::isfinite(left) && std::isfinite(top), scene + ": Shape1 moved off");
    return 0;
}
