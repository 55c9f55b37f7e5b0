#pragma once
// What happens along a ray run, told as it happens, for whatever tells the run in words. The
// figures a result line prints come as the Display gets them; places in metres as computed.

#include <string>

namespace velantra {

class RunEvents {
  public:
    virtual ~RunEvents() = default;
    // A run begins; nothing of the one before holds.
    virtual void run_started() {}
    // The start lies on the boundary, and nothing is drawn.
    virtual void no_run() {}
    // The ray reaches the boundary at x from the upper medium (or from the lower one) and is
    // reflected back; `beta` is Label8's figure of the refracted ray, empty for total reflection.
    virtual void boundary_met(double /*x*/, bool /*from_above*/, const std::string& /*beta*/) {}
    // Label13's landmark and Label14's two, each with its figures as printed.
    virtual void vertex_found(double /*x*/, double /*y*/, const std::string& /*x_text*/,
                              const std::string& /*y_text*/) {}
    virtual void crossings_found(double /*x1*/, double /*x2*/, const std::string& /*x1_text*/,
                                 const std::string& /*x2_text*/) {}
    // The run's last leg, from (x1, y1) to (x2, y2): where it crosses the picture's edge the ray
    // leaves the picture; an end without a finite value is where the path stops being drawn.
    virtual void ray_ended(double /*x1*/, double /*y1*/, double /*x2*/, double /*y2*/) {}
    // The curved path came back up to the boundary at x, where the run stops.
    virtual void boundary_returned(double /*x*/) {}
};

// Told to no one: a simulation without a listener.
inline RunEvents& no_listener() {
    static RunEvents none;
    return none;
}

}  // namespace velantra
