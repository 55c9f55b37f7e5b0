#pragma once
// The picture box's state and screening, once for every device: the user map, pen width,
// current position and colours are kept here, and each call is screened before a device
// draws it. Coordinates that are not finite, or so far out that a device would overflow,
// draw nothing; segments are clipped in double precision. A device realises a handful of
// primitives in its own units over its drawing area.

#include <string>

#include "surface/surface.h"
#include "surface/user_map.h"

namespace velantra {

class ScreenedSurface : public virtual Surface {
  public:
    void Scale(float x1, float y1, float x2, float y2) final;
    void Cls() final;
    void Line(float x1, float y1, float x2, float y2, Colour colour) final;
    void Box(float x1, float y1, float x2, float y2, Colour colour) final;
    void PSet(float x, float y) final;
    void Circle(float x, float y, float radius, Colour colour) final;
    int DrawWidth() const final { return width_; }
    void setDrawWidth(int pixels) final;
    void setCurrentX(float x) final { current_x_ = x; }
    void setCurrentY(float y) final { current_y_ = y; }
    void Print(const std::string& text) final;

    // User units to device units.
    DevicePoint device_point(double x, double y) const { return map_.to_device(x, y); }

  protected:
    // The drawing area in device units; one picture pixel is `pixel` device units.
    ScreenedSurface(double left, double top, double width, double height, double pixel);
    void set_area(double left, double top, double width, double height);
    void set_colours(Colour back, Colour fore);
    const UserMap& area() const { return map_; }
    double pixel() const { return pixel_; }
    // The pen width in device units.
    double pen() const { return width_ * pixel_; }
    Colour back_colour() const { return back_; }

    // The primitives, in device units, each given only what it can draw.
    // The whole area; filled as a box unless the device clears it its own way.
    virtual void clear(Colour colour);
    // A box clamped to a pixel beyond the area; the device covers it with whole pixels.
    virtual void fill(double left, double top, double right, double bottom, Colour colour) = 0;
    // A segment clipped to the pen's reach beyond the area, at the pen width, round caps.
    virtual void line(DevicePoint a, DevicePoint b, Colour colour) = 0;
    // A dot at the pen width in the foreground colour, within a pen of the area.
    virtual void dot(DevicePoint centre, Colour colour) = 0;
    // An outline at the pen width that may touch the area, its radius below any picture's.
    virtual void circle(DevicePoint centre, double radius, Colour colour) = 0;
    // Text in the foreground colour with its top-left corner here, a bounded way out.
    virtual void text(DevicePoint corner, const std::string& utf8, Colour colour) = 0;

  private:
    UserMap map_;
    double pixel_ = 1;
    Colour back_ = RGB(255, 255, 255);
    Colour fore_ = RGB(0, 0, 0);
    int width_ = 1;
    float current_x_ = 0, current_y_ = 0;
};

}  // namespace velantra
