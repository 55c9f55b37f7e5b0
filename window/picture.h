#pragma once
// Picture1 as the model draws into it: every call goes on to the front-end's surface, and
// the user units that Scale sets are kept here too, on Picture1's size in pixels, so the
// start marker and the pointer readout map with the same mapping the drawing uses. Its back
// buffer is sized here, at the device pixel ratio the front-end reports.

#include <algorithm>

#include "surface/forwarding_surface.h"
#include "surface/user_map.h"

namespace velantra {

class Picture : public ForwardingSurface {
  public:
    explicit Picture(PictureSurface& buffer) : ForwardingSurface(buffer), buffer_(buffer) {}

    const UserMap& map() const { return map_; }
    void set_look(Colour back, Colour fore, const FontDef& font) {
        buffer_.set_look(back, fore, font);
    }
    // The picture's size in pixels; a back buffer is at least 1 × 1, and is made anew only
    // for a new size or ratio: else it keeps what is drawn.
    void resize(int width_px, int height_px) {
        width_px = std::max(1, width_px);
        height_px = std::max(1, height_px);
        map_.set_area(0, 0, width_px, height_px);
        if (width_px == width_ && height_px == height_ && ratio_ == buffer_ratio_) return;
        width_ = width_px;
        height_ = height_px;
        buffer_ratio_ = ratio_;
        buffer_.resize(width_, height_, ratio_);
    }
    // True when the ratio differs from the one the back buffer is held at.
    bool set_ratio(double ratio) {
        ratio_ = usable_ratio(ratio);
        return width_ > 0 && ratio_ != buffer_ratio_;
    }

    void Scale(float x1, float y1, float x2, float y2) override {
        map_.scale(x1, y1, x2, y2);
        ForwardingSurface::Scale(x1, y1, x2, y2);
    }

  private:
    PictureSurface& buffer_;
    UserMap map_;
    int width_ = 0, height_ = 0;  // of the back buffer; 0 before the first layout pass
    double ratio_ = 1, buffer_ratio_ = 1;
};

}  // namespace velantra
