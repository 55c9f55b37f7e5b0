#pragma once
// Picture1 as the model draws into it: every call goes on to the front-end's surface, and
// the user units that Scale sets are kept here too, on Picture1's size in pixels, so the
// start marker and the pointer readout map with the same mapping the drawing uses.

#include <algorithm>

#include "surface/surface.h"
#include "surface/user_map.h"

namespace velantra {

class Picture : public Surface {
  public:
    explicit Picture(Surface& out) : out_(out) {}

    const UserMap& map() const { return map_; }
    // The picture's size in pixels; a back buffer is at least 1 × 1.
    void resize(int width_px, int height_px) {
        map_.set_area(0, 0, std::max(1, width_px), std::max(1, height_px));
    }

    void Scale(float x1, float y1, float x2, float y2) override {
        map_.scale(x1, y1, x2, y2);
        out_.Scale(x1, y1, x2, y2);
    }
    void Cls() override { out_.Cls(); }
    void Line(float x1, float y1, float x2, float y2, Colour colour) override {
        out_.Line(x1, y1, x2, y2, colour);
    }
    void Box(float x1, float y1, float x2, float y2, Colour colour) override {
        out_.Box(x1, y1, x2, y2, colour);
    }
    void PSet(float x, float y) override { out_.PSet(x, y); }
    void Circle(float x, float y, float radius, Colour colour) override {
        out_.Circle(x, y, radius, colour);
    }
    int DrawWidth() const override { return out_.DrawWidth(); }
    void setDrawWidth(int pixels) override { out_.setDrawWidth(pixels); }
    void setCurrentX(float x) override { out_.setCurrentX(x); }
    void setCurrentY(float y) override { out_.setCurrentY(y); }
    void Print(const std::string& text) override { out_.Print(text); }

  private:
    Surface& out_;
    UserMap map_;
};

}  // namespace velantra
