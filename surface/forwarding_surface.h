#pragma once
// A surface that hands every call on to another; a realisation overrides the calls it
// looks at or changes on the way.

#include <string>

#include "surface/surface.h"

namespace velantra {

class ForwardingSurface : public Surface {
  public:
    explicit ForwardingSurface(Surface& out) : out_(out) {}

    void Scale(float x1, float y1, float x2, float y2) override { out_.Scale(x1, y1, x2, y2); }
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
};

}  // namespace velantra
