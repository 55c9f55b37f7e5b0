#pragma once
// The picture box on the page's canvas: the screened surface's primitives in picture pixels
// (CSS pixels), drawn at the device pixel ratio so the picture is sharp at any zoom. The
// canvas keeps everything drawn until Cls or a resize.

#include <string>

#include "platform/font.h"
#include "surface/screened_surface.h"

namespace velantra {

// The CSS font of a definition ("700 11.25pt \"Times New Roman\""); "" for the page's own.
std::string css_font(const FontDef& font);

class CanvasSurface : public ScreenedSurface, public PictureSurface {
  public:
    CanvasSurface();

    void resize(int width_px, int height_px, double ratio) override;
    void set_look(Colour back, Colour fore, const FontDef& font) override;

  private:
    // Each a call of the page's picture, which rasterises it; whole picture pixels covering
    // a box.
    void fill(double left, double top, double right, double bottom, Colour colour) override;
    void line(DevicePoint a, DevicePoint b, Colour colour) override;
    void dot(DevicePoint centre, Colour colour) override;
    void circle(DevicePoint centre, double radius, Colour colour) override;
    void text(DevicePoint corner, const std::string& utf8, Colour colour) override;
};

}  // namespace velantra
