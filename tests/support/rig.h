#pragma once
// A simulation on a recording surface and display, set up as after a redraw chain.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/constants.h"
#include "model/simulation.h"
#include "tests/support/recording_display.h"
#include "tests/support/recording_surface.h"

namespace velantra::testing {

struct Rig {
    RecordingSurface surface;
    RecordingDisplay display;
    Simulation sim{surface, display};

    // The angle box sets a0rad when it first reads the start angle back.
    Rig() {
        Form_Load(sim.scene);
        sim.set_angle(sim.scene.a0);
    }

    void angle(double degrees) { sim.set_angle(Number::real(degrees)); }
    // The redraw chain's model half, then the run alone on a fresh log.
    void run() {
        sim.draw_frame();
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

// Names a parameterised row after its own name field, so a failing row is named.
struct RowName {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

}  // namespace velantra::testing
