// Prints where the model puts the red ray of a run, in pixels of a 698 × 247 picture
// (Picture1 at the window's creation size): one "x y" line per chord midpoint.
// Argument: the start angle typed into the angle box (degrees).

#include <cstdio>
#include <cstdlib>

#include "model/constants.h"
#include "model/simulation.h"
#include "tests/support/recording_display.h"
#include "tests/support/recording_surface.h"

using velantra::kXmax, velantra::kXmin, velantra::kYmax, velantra::kYmin;

int main(int argc, char** argv) {
    const double angle = argc > 1 ? std::atof(argv[1]) : 45.0;
    velantra::testing::RecordingSurface surface;
    velantra::testing::RecordingDisplay display;
    velantra::Simulation sim(surface, display);
    velantra::Form_Load(sim.scene);
    sim.set_angle(velantra::Number::real(angle));
    sim.draw_frame();
    surface.calls.clear();
    sim.raschet();
    for (const velantra::testing::DrawCall& c :
         surface.of(velantra::testing::DrawCall::Kind::Line)) {
        if (c.colour != velantra::kRay) continue;
        const double x = (c.x1 + c.x2) / 2.0, y = (c.y1 + c.y2) / 2.0;
        if (x < kXmin || x > kXmax || y < kYmin || y > kYmax) continue;
        std::printf("%.2f %.2f\n", (x - kXmin) / (kXmax - kXmin) * 698,
                    (y - kYmin) / (kYmax - kYmin) * 247);
    }
    // A run that would show a message box cannot be driven unattended.
    for (const auto& [text, title] : display.messages)
        std::fprintf(stderr, "message: %s\n", text.c_str());
    return display.messages.empty() ? 0 : 2;
}
