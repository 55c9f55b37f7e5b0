#pragma once
// The picture box on the page's canvas: user units mapped over the whole picture in picture
// pixels (CSS pixels) by the desktop's formula, drawn at the device pixel ratio so the
// picture is sharp at any zoom. The canvas keeps everything drawn until Cls or a resize.

#include <string>

#include "surface/surface.h"
#include "surface/user_map.h"

namespace velantra {

class CanvasSurface : public Surface {
  public:
    // A new blank picture in the back colour of this size in picture pixels (at least 1 x 1)
    // at `ratio` device pixels per picture pixel; the scale stays. The same size and ratio
    // keep what is drawn.
    void resize(int width_px, int height_px, double ratio);
    void setBackColor(Colour colour) { back_ = colour; }
    void setForeColor(Colour colour) { fore_ = colour; }
    // The CSS font the picture's text is printed in ("11px 'MS Sans Serif'").
    void setFont(const std::string& css_font);

    void Scale(float x1, float y1, float x2, float y2) override;
    // Fills the picture with the back colour.
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Colour colour) override;
    void Box(float x1, float y1, float x2, float y2, Colour colour) override;
    void PSet(float x, float y) override;
    void Circle(float x, float y, float radius, Colour colour) override;
    int DrawWidth() const override { return width_; }
    void setDrawWidth(int pixels) override;
    void setCurrentX(float x) override { current_x_ = x; }
    void setCurrentY(float y) override { current_y_ = y; }
    void Print(const std::string& text) override;

  private:
    UserMap map_;
    double w_ = 1, h_ = 1;  // picture pixels
    double ratio_ = 0;
    Colour back_ = RGB(255, 255, 255);
    Colour fore_ = RGB(0, 0, 0);
    int width_ = 1;
    float current_x_ = 0, current_y_ = 0;
};

}  // namespace velantra
