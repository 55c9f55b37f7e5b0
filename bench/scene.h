#pragma once
// The scene a run benchmark times: the start-up values with its own start point, angle and
// nmax, and the frame drawn as the redraw chain draws it.

#include "model/simulation.h"

namespace velantra {

inline void set_scene(Simulation& sim, double X0, double Yo, double a0, float nmax) {
    Form_Load(sim.scene);
    sim.scene.X0 = X0;
    sim.scene.Yo = Yo;
    sim.scene.nmax = nmax;
    sim.set_angle(Number::real(a0));
    sim.draw_frame();
}

}  // namespace velantra
