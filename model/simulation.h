#pragma once
// The procedures of the simulation on one scene: the derived medium quantities, the
// plot frame, the landmarks of the curved path and the ray run. They draw only through
// the Surface and show results only through the Display.

#include <string>

#include "model/display.h"
#include "model/scene.h"
#include "surface/surface.h"

namespace velantra {

class Simulation {
  public:
    Simulation(Surface& picture, Display& display) : picture_(picture), display_(display) {}

    Scene scene;
    // The user's regional decimal separator for the result lines (UTF-8).
    std::string decimal_separator = ".";

    // The start angle: a0 as given and a0rad derived from it; the only place a0rad is set.
    void set_angle(Number a0);
    // The model's part of the redraw chain, in its order: parametr, clearing, minmax, axes.
    void draw_frame();

    void parametr();
    void minmax();
    void axes();
    void vertex(double x, double y, float& angle);
    void crossings(double x, double y, float& angle);
    void raschet();

    // The run's working values (shared between the run and the curved path).
    struct Run {
        double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0, X3 = 0;
        float Y3 = 0;
        double sin_beta = 0, tg_beta = 0, beta = 0;
        float beta_rad = 0;
        int chords = 0;  // chords drawn by the last curved walk, reflected walk included
    };
    const Run& run() const { return run_; }

  private:
    // The curved path: entered through the boundary from above, or started inside.
    void curve_entry();
    void curve_start();
    // A segment handed to the surface in single precision, or nothing when an end has no
    // finite single-precision value.
    bool segment(double x1, double y1, double x2, double y2, Colour colour);
    void normal(double x);

    Surface& picture_;
    Display& display_;
    Run run_;
};

}  // namespace velantra
