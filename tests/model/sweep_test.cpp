// Every reachable state, and those a reset entry can leave, must run to its end with
// finite coordinates, bounded walks and captions without "nan" or "inf".

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "tests/model/rig.h"

namespace velantra::testing {
namespace {

bool has_word(std::string text, const char* word) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find(word) != std::string::npos;
}

TEST(Sweep, EveryStateRunsFinitely) {
    const float fmax = std::numeric_limits<float>::max();
    const double n1s[] = {-2, -0.5, 0, 1.000292, 1.3333, 2};
    const double nmins[] = {0, 1, 1.3333, 1.5};
    const float nmaxs[] = {-fmax, -1, 0, 1.2f, 1.3333f, 1.4f, 1.5f, fmax};
    const double a0s[] = {0,   1e-30,       45,   89.9999999, 90,   90.0000001, 100,
                          135, 179.9999999, 180,  -180,       -90,  -45,        360,
                          540, -540,        1e20, 1e41,       -1e41};
    const double X0s[] = {0, 2.5, 6};
    const double Yos[] = {-1, -0.3, 0, 0.3, 0.6, 1};
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
                            rig.redraw();
                            rig.sim.raschet();
                            ++runs;
                            const auto where = [&] {
                                return "n1=" + std::to_string(n1) +
                                       " nmin=" + std::to_string(nmin) +
                                       " nmax=" + std::to_string(nmax) +
                                       " a0=" + std::to_string(a0) + " X0=" + std::to_string(X0) +
                                       " Yo=" + std::to_string(Yo);
                            };
                            int red = 0;
                            for (const DrawCall& c : rig.surface.calls) {
                                const bool finite = std::isfinite(c.x1) && std::isfinite(c.y1) &&
                                                    std::isfinite(c.x2) && std::isfinite(c.y2) &&
                                                    std::isfinite(c.radius);
                                if (!finite) {
                                    ADD_FAILURE() << where();
                                    return;
                                }
                                red += c.kind == DrawCall::Kind::Line && c.colour == kRed;
                                if (has_word(c.text, "nan") || has_word(c.text, "inf")) {
                                    ADD_FAILURE() << where() << " " << c.text;
                                    return;
                                }
                            }
                            ASSERT_LE(rig.sim.run().chords, 1200) << where();
                            ASSERT_LE(red, 1200 + 4) << where();
                            for (const auto& [label, text] : rig.display.captions) {
                                if (has_word(text, "nan") || has_word(text, "inf")) {
                                    ADD_FAILURE() << where() << " " << text;
                                    return;
                                }
                            }
                            ASSERT_LE(rig.display.messages.size(), 1u);
                        }
    EXPECT_EQ(runs, 6L * 4 * 8 * 19 * 3 * 6);
}

}  // namespace
}  // namespace velantra::testing
