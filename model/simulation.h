#pragma once
// The procedures of the simulation on one scene: the derived medium quantities, the
// plot frame, the landmarks of the curved path and the ray run. They draw only through
// the Surface and show results only through the Display.

#include <string>
#include <utility>
#include <vector>

#include "model/display.h"
#include "model/run_events.h"
#include "model/scene.h"
#include "surface/surface.h"

namespace velantra {

class Simulation {
  public:
    Simulation(Surface& picture, Display& display) : picture_(picture), display_(display) {}

    Scene scene;
    // The user's regional decimal separator for the result lines (UTF-8).
    std::string decimal_separator = ".";
    // Who hears the run's events as they happen.
    void listen(RunEvents& events) { events_ = &events; }

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

    // The run's working values that the curved path shares: the first boundary point, the
    // refracted angle there, and the refracted leg (reused at the exit point). The
    // documents' figures mark their angles at that point.
    struct Run {
        double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
        double beta = 0;
        float beta_rad = 0;
    };
    const Run& run() const { return run_; }

  private:
    // One walk along the path through (xs, ys) at angle theta, in chords kStep apart.
    struct Walk {
        double xs, Yc, sin_theta, theta, dx;
        double xp;
        float yp;  // the previous y is held in single precision
        double x, y;
        double chord_dx = 0, chord_dy = 0;  // the last chord, from the single-precision yp
    };
    // After a normal the ray goes on at width 2, unless the run ends there at width 1.
    enum class After { GoesOn, Ends };

    // A horizontal start runs straight to the side edge; true when a0 is ±90.
    bool horizontal_start(double a);
    // The curved path: entered through the boundary from above, or started inside, and
    // where a started path leaves through the boundary, its exit event.
    void curve_entry();
    void curve_start();
    void curve_exit(const Walk& up);
    Walk walk_from(double xs, double ys, double sin_theta, double theta, double dx) const;
    // True when the walk came back up through the boundary; its end is told either way.
    bool walk(Walk& w);
    bool chords(Walk& w);
    // A segment handed to the surface in single precision, or nothing when an end has no
    // finite single-precision value.
    bool segment(double x1, double y1, double x2, double y2, Colour colour);
    void normal(double x, After after);
    // A landmark's red circle, where it has a finite place.
    void mark(double x, double y);
    // Label8: the magnitude of the refracted ray's angle; returns its figure as printed.
    std::string show_beta(double degrees);
    // The text of the k-th grid label of the frame: the same on every redraw, so kept.
    const std::string& grid_label(std::size_t k, double value);

    Surface& picture_;
    Display& display_;
    RunEvents* events_ = &no_listener();
    Run run_;
    std::vector<std::pair<double, std::string>> grid_labels_;
    std::string grid_separator_;
};

}  // namespace velantra
