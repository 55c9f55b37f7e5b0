#pragma once
// The one mapping between the picture's user units and its device units, both ways: the
// user corners set by Scale spread linearly over the drawing area, x and y independently.

#include <cmath>

namespace velantra {

struct DevicePoint {
    double x, y;
};

class UserMap {
  public:
    // The drawing area in device units.
    void set_area(double left, double top, double width, double height) {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
    }
    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    double right() const { return left_ + width_; }
    double bottom() const { return top_ + height_; }
    // The user width of the area, for radii given in horizontal user units.
    double user_width() const { return sx2_ - sx1_; }

    // Upper-left and lower-right user corners; a degenerate or non-finite frame keeps the
    // previous mapping.
    void scale(float x1, float y1, float x2, float y2) {
        if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2) ||
            x1 == x2 || y1 == y2)
            return;
        sx1_ = x1;
        sy1_ = y1;
        sx2_ = x2;
        sy2_ = y2;
    }

    DevicePoint to_device(double x, double y) const {
        return {left_ + (x - sx1_) * width_ / (sx2_ - sx1_),
                top_ + (y - sy1_) * height_ / (sy2_ - sy1_)};
    }
    DevicePoint to_user(double dx, double dy) const {
        return {sx1_ + (dx - left_) * (sx2_ - sx1_) / width_,
                sy1_ + (dy - top_) * (sy2_ - sy1_) / height_};
    }

  private:
    double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
    double sx1_ = 0, sy1_ = 0, sx2_ = 1, sy2_ = 1;
};

}  // namespace velantra
