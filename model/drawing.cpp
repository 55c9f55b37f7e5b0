// How the run hands its figures over: segments and circles to the surface in single
// precision, the refracted angle to its result line.

#include <cmath>

#include "model/constants.h"
#include "model/format.h"
#include "model/simulation.h"

namespace velantra {

namespace {

// The surface takes single precision: a value is drawable when it stays finite there.
bool drawable(double v) { return std::isfinite(static_cast<float>(v)); }

}  // namespace

bool Simulation::segment(double x1, double y1, double x2, double y2, Colour colour) {
    if (!drawable(x1) || !drawable(y1) || !drawable(x2) || !drawable(y2)) return false;
    picture_.Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                  static_cast<float>(y2), colour);
    return true;
}

// The perpendicular to the boundary at x, drawn thin.
void Simulation::normal(double x, After after) {
    picture_.setDrawWidth(1);
    segment(x, 0.5, x, -0.5, kBlack);
    if (after == After::GoesOn) picture_.setDrawWidth(2);
}

void Simulation::mark(double x, double y) {
    if (drawable(x) && drawable(y))
        picture_.Circle(static_cast<float>(x), static_cast<float>(y), 0.02f, kRay);
}

std::string Simulation::show_beta(double degrees) {
    std::string figure = format_fixed(std::fabs(degrees), 2, decimal_separator);
    display_.set_caption(ResultLabel::Label8, "|beta|=" + figure + " ");
    return figure;
}

}  // namespace velantra
