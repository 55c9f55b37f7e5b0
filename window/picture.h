#pragma once
// Picture1 as the model draws into it: every call goes on to the front-end's surface, and
// the user units that Scale sets are kept here too, on Picture1's size in pixels, so the
// start marker and the pointer readout map with the same mapping the drawing uses.

#include <algorithm>

#include "surface/forwarding_surface.h"
#include "surface/user_map.h"

namespace velantra {

class Picture : public ForwardingSurface {
  public:
    using ForwardingSurface::ForwardingSurface;

    const UserMap& map() const { return map_; }
    // The picture's size in pixels; a back buffer is at least 1 × 1.
    void resize(int width_px, int height_px) {
        map_.set_area(0, 0, std::max(1, width_px), std::max(1, height_px));
    }

    void Scale(float x1, float y1, float x2, float y2) override {
        map_.scale(x1, y1, x2, y2);
        ForwardingSurface::Scale(x1, y1, x2, y2);
    }

  private:
    UserMap map_;
};

}  // namespace velantra
