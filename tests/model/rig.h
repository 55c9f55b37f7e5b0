#pragma once
// A simulation on a recording surface and display, set up as after a redraw chain.

#include <string>
#include <vector>

#include "model/simulation.h"
#include "surface/recording_surface.h"
#include "tests/support/recording_display.h"

namespace velantra::testing {

constexpr Colour kRed = RGB(255, 0, 0);
constexpr Colour kBlack = RGB(0, 0, 0);

struct Rig {
    RecordingSurface surface;
    RecordingDisplay display;
    Simulation sim{surface, display};

    // The angle box sets a0rad when it first reads the start angle back.
    Rig() {
        Form_Load(sim.scene);
        sim.scene.a0rad = angle_rad(sim.scene.a0);
    }

    void angle(double degrees) {
        sim.scene.a0 = Number::real(degrees);
        sim.scene.a0rad = angle_rad(degrees);
    }
    // The redraw chain's model half, then the run alone on a fresh log.
    void redraw() {
        sim.parametr();
        sim.minmax();
        sim.axes();
    }
    void run() {
        redraw();
        surface.calls.clear();
        sim.raschet();
    }
    std::vector<DrawCall> lines(Colour colour) const {
        std::vector<DrawCall> out;
        for (const DrawCall& c : surface.calls)
            if (c.kind == DrawCall::Kind::Line && c.colour == colour) out.push_back(c);
        return out;
    }
    std::string caption(ResultLabel l) const { return display.caption(l); }
};

}  // namespace velantra::testing
