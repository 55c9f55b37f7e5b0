// Every reachable state, and those a reset entry can leave, must run to its end with
// finite coordinates, bounded walks and captions without "nan" or "inf".

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/checks.h"
#include "tests/support/rig.h"

namespace velantra::testing {
namespace {

TEST(Sweep, EveryStateRunsFinitely) {
    const float fmax = std::numeric_limits<float>::max();
    const double n1s[] = {-2, -0.5, 0, 1.000292, 1.3333, 1.5, 2};
    const double nmins[] = {0, 1, 1.333, 1.3333, 1.5};
    const float nmaxs[] = {-fmax, -1, 0, 1e-30f, 1.2f, 1.3333f, 1.4f, 1.5f, 3e38f, fmax};
    const double a0s[] = {0,   1e-30, 1e-7,        45,   89.9999, 89.9999999, 90,  90.0000001,
                          100, 135,   179.9999999, 180,  -180,    -90,        -45, 200,
                          360, 540,   -540,        1e20, 1e41,    -1e41};
    const double X0s[] = {0, 2.5, 6};
    const double Yos[] = {-1, -0.3, 0, 0.01, 0.3, 0.6, 1};
    long runs = 0;
    for (double n1 : n1s)
        for (double nmin : nmins)
            for (float nmax : nmaxs)
                for (double a0 : a0s)
                    for (double X0 : X0s)
                        for (double Yo : Yos) {
                            Rig rig;
                            Scene& s = rig.sim.scene;
                            s.n1 = n1;
                            s.nmin = nmin;
                            s.nmax = nmax;
                            s.X0 = X0;
                            s.Yo = Yo;
                            rig.angle(a0);
                            rig.sim.draw_frame();
                            rig.sim.raschet();
                            ++runs;
                            const auto where = [&] {
                                return "n1=" + std::to_string(n1) +
                                       " nmin=" + std::to_string(nmin) +
                                       " nmax=" + std::to_string(nmax) +
                                       " a0=" + std::to_string(a0) + " X0=" + std::to_string(X0) +
                                       " Yo=" + std::to_string(Yo);
                            };
                            for (const DrawCall& c : rig.surface.calls) {
                                if (!finite(c) || !free_of_nan_inf(c.text)) {
                                    ADD_FAILURE() << where() << " " << c.text;
                                    return;
                                }
                            }
                            ASSERT_LE(chords(rig.surface.calls), 1200) << where();
                            ASSERT_LE(rig.lines(kRay).size(), 1200u + 4) << where();
                            for (const auto& [label, text] : rig.display.captions) {
                                if (!free_of_nan_inf(text)) {
                                    ADD_FAILURE() << where() << " " << text;
                                    return;
                                }
                            }
                            ASSERT_LE(rig.display.messages.size(), 1u);
                        }
    EXPECT_EQ(runs, 7L * 5 * 10 * 22 * 3 * 7);
}

}  // namespace
}  // namespace velantra::testing
