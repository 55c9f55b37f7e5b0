#include "tests/support/recording_surface.h"

#include <algorithm>

namespace velantra::testing {

DrawCall& RecordingSurface::record(Kind kind, float x1, float y1, float x2, float y2) {
    DrawCall call;
    call.kind = kind;
    call.x1 = x1;
    call.y1 = y1;
    call.x2 = x2;
    call.y2 = y2;
    call.width = width_;
    call.current_x = current_x_;
    call.current_y = current_y_;
    return calls.emplace_back(call);
}

std::vector<DrawCall> RecordingSurface::of(Kind kind) const {
    std::vector<DrawCall> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                 [kind](const DrawCall& c) { return c.kind == kind; });
    return out;
}

}  // namespace velantra::testing
