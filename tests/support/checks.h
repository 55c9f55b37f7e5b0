#pragma once
// The properties every run must keep, for the tests and the fuzz targets alike.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "model/constants.h"
#include "tests/support/recording_surface.h"

namespace velantra::testing {

// No coordinate, radius or text position of the call is NaN or infinite.
inline bool finite(const DrawCall& c) {
    return std::isfinite(c.x1) && std::isfinite(c.y1) && std::isfinite(c.x2) &&
           std::isfinite(c.y2) && std::isfinite(c.radius) && std::isfinite(c.current_x) &&
           std::isfinite(c.current_y);
}

// The text shows no "nan" or "inf", in any case.
inline bool free_of_nan_inf(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.find("nan") == std::string::npos && text.find("inf") == std::string::npos;
}

// The chords of the curved walks: red lines one step apart in x.
inline int chords(const std::vector<DrawCall>& calls) {
    int n = 0;
    for (const DrawCall& c : calls)
        n += c.kind == DrawCall::Kind::Line && c.colour == kRay &&
             std::fabs(std::fabs(static_cast<double>(c.x2 - c.x1)) - kStep) < 1e-4;
    return n;
}

}  // namespace velantra::testing
