#pragma once
// Segments clipped before they reach a device, so that far or non-finite ends draw nothing
// instead of overflowing the device's coordinates.

#include <algorithm>
#include <cmath>

namespace velantra {

// Liang–Barsky: clips the segment to the rectangle in double precision; false when
// nothing of it is inside or a coordinate is not finite.
inline bool clip(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin,
                 double xmax, double ymax) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    const double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = nx1;
    y1 = ny1;
    return true;
}

}  // namespace velantra
