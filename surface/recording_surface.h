#pragma once
// A surface that draws nothing and records every call, with the pen width and the
// current position in force at that moment, so tests can assert on what was drawn.

#include <vector>

#include "surface/surface.h"

namespace velantra {

struct DrawCall {
    enum class Kind { Scale, Cls, Line, Box, PSet, Circle, SetWidth, CurrentX, CurrentY, Print };
    Kind kind = Kind::Cls;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // points; Circle: centre in x1, y1
    float radius = 0;
    Colour colour = 0;
    int width = 0;                       // pen width in force (SetWidth: the new width)
    float current_x = 0, current_y = 0;  // current position in force (for Print)
    std::string text;
};

class RecordingSurface : public Surface {
  public:
    std::vector<DrawCall> calls;

    void Scale(float x1, float y1, float x2, float y2) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Colour colour) override;
    void Box(float x1, float y1, float x2, float y2, Colour colour) override;
    void PSet(float x, float y) override;
    void Circle(float x, float y, float radius, Colour colour) override;
    int DrawWidth() const override { return width_; }
    void setDrawWidth(int pixels) override;
    void setCurrentX(float x) override;
    void setCurrentY(float y) override;
    void Print(const std::string& text) override;

    // The recorded calls of one kind, in order.
    std::vector<DrawCall> of(DrawCall::Kind kind) const;

  private:
    // Lines and filled boxes record the same two corners and colour.
    void record_segment(DrawCall::Kind kind, float x1, float y1, float x2, float y2, Colour colour);

    int width_ = 1;
    float current_x_ = 0, current_y_ = 0;
};

}  // namespace velantra
