#pragma once
// Segments clipped before they reach a device, so that far or non-finite ends draw nothing
// instead of overflowing the device's coordinates.

#include <algorithm>
#include <cmath>
#include <optional>

namespace velantra {

// The part of a segment inside a rectangle, as parameters along it (0 at its first end, 1 at its
// second), and the side it leaves through: 0 left, 1 right, 2 top (ymin), 3 bottom; -1 where its
// second end lies inside.
struct ClipSpan {
    double t0 = 0, t1 = 1;
    int exit = -1;
};

// Liang–Barsky; nothing when no part of the segment is inside. The ends must be finite.
inline std::optional<ClipSpan> clip_span(double x1, double y1, double x2, double y2, double xmin,
                                         double ymin, double xmax, double ymax) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
    ClipSpan span;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            span.t0 = std::max(span.t0, t);
        } else if (t <= span.t1) {
            span.t1 = t;
            span.exit = i;
        }
        if (span.t0 > span.t1) return std::nullopt;
    }
    return span;
}

// Clips the segment to the rectangle in double precision; false when nothing of it is inside or
// a coordinate is not finite.
inline bool clip(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin,
                 double xmax, double ymax) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    const auto span = clip_span(x1, y1, x2, y2, xmin, ymin, xmax, ymax);
    if (!span) return false;
    const double dx = x2 - x1, dy = y2 - y1, t0 = span->t0, t1 = span->t1;
    const double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = nx1;
    y1 = ny1;
    return true;
}

}  // namespace velantra
