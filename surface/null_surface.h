#pragma once
// A surface that draws nothing and only counts the lines: for a picture no one sees (the size of
// a picture file's window) and for runs timed or driven in bulk.

#include <string>

#include "surface/surface.h"

namespace velantra {

class NullSurface : public PictureSurface {
  public:
    long lines = 0;
    void resize(int, int, double) override {}
    void set_look(Colour, Colour, const FontDef&) override {}
    void Scale(float, float, float, float) override {}
    void Cls() override {}
    void Line(float, float, float, float, Colour) override { ++lines; }
    void Box(float, float, float, float, Colour) override {}
    void PSet(float, float) override {}
    void Circle(float, float, float, Colour) override {}
    int DrawWidth() const override { return width_; }
    void setDrawWidth(int pixels) override { width_ = pixels; }
    void setCurrentX(float) override {}
    void setCurrentY(float) override {}
    void Print(const std::string&) override {}

  private:
    int width_ = 1;
};

}  // namespace velantra
