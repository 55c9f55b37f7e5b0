#pragma once
// The picture box as the model sees it: a user coordinate system, lines, filled boxes,
// dots, circles, a pen width and text at a position. Coordinates are single precision,
// as the picture box takes them; the model never sees a pixel.

#include <cmath>
#include <cstdint>
#include <string>

#include "platform/font.h"

namespace velantra {

// red + 256·green + 65536·blue, each component 0..255.
using Colour = std::uint32_t;

constexpr Colour RGB(int red, int green, int blue) {
    return static_cast<Colour>(red) + 256u * static_cast<Colour>(green) +
           65536u * static_cast<Colour>(blue);
}
constexpr int red_of(Colour c) { return static_cast<int>(c & 0xFFu); }
constexpr int green_of(Colour c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int blue_of(Colour c) { return static_cast<int>((c >> 16) & 0xFFu); }

class Surface {
  public:
    virtual ~Surface() = default;

    // Upper-left (x1, y1) and lower-right (x2, y2) corners in user units, mapped
    // linearly over the whole drawing area, x and y independently.
    virtual void Scale(float x1, float y1, float x2, float y2) = 0;
    // Erases everything drawn; coordinate system, pen width and position stay.
    virtual void Cls() = 0;
    // A segment in the colour at the current pen width.
    virtual void Line(float x1, float y1, float x2, float y2, Colour colour) = 0;
    // The axis-parallel rectangle with these opposite corners, filled with the colour.
    virtual void Box(float x1, float y1, float x2, float y2, Colour colour) = 0;
    // A dot in the foreground colour at the current pen width; moves the current position.
    virtual void PSet(float x, float y) = 0;
    // An outline circle; the radius is in horizontal user units.
    virtual void Circle(float x, float y, float radius, Colour colour) = 0;
    virtual int DrawWidth() const = 0;
    virtual void setDrawWidth(int pixels) = 0;
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;
    // UTF-8 text with its top-left corner at the current position, in the picture's font.
    virtual void Print(const std::string& text) = 0;
};

// Picture1's back buffer as its window sets it up; what is drawn into it goes through the
// Surface, a virtual base here and in the screened surface, which a back-end is as well.
class PictureSurface : public virtual Surface {
  public:
    // A new blank picture in the back colour, this size in picture pixels, held at `ratio`
    // device pixels per picture pixel; the scale, pen width and position stay.
    virtual void resize(int width_px, int height_px, double ratio) = 0;
    // The colours and font of its definition; the back colour fills from the next resize or Cls on.
    virtual void set_look(Colour back, Colour fore, const FontDef& font) = 0;
};

// A device pixel ratio fit to size a buffer by: anything but a positive finite one is 1.
inline double usable_ratio(double ratio) { return ratio > 0 && std::isfinite(ratio) ? ratio : 1.0; }

}  // namespace velantra
