#pragma once
// A surface that draws nothing and records every call, with the pen width and the
// current position in force at that moment, and its back buffer's making, for assertions.

#include <vector>

#include "surface/surface.h"

namespace velantra::testing {

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

class RecordingSurface : public PictureSurface {
  public:
    using Kind = DrawCall::Kind;
    std::vector<DrawCall> calls;
    struct Buffer {
        int made = 0, width = 0, height = 0;
        double ratio = 0;
    } buffer;

    void resize(int w, int h, double r) override { buffer = {buffer.made + 1, w, h, r}; }
    void set_look(Colour, Colour, const FontDef&) override {}

    void Scale(float x1, float y1, float x2, float y2) override {
        record(Kind::Scale, x1, y1, x2, y2);
    }
    void Cls() override { record(Kind::Cls); }
    void Line(float x1, float y1, float x2, float y2, Colour colour) override {
        record(Kind::Line, x1, y1, x2, y2).colour = colour;
    }
    void Box(float x1, float y1, float x2, float y2, Colour colour) override {
        record(Kind::Box, x1, y1, x2, y2).colour = colour;
    }
    void PSet(float x, float y) override {
        current_x_ = x;
        current_y_ = y;
        record(Kind::PSet, x, y);
    }
    void Circle(float x, float y, float radius, Colour colour) override {
        DrawCall& c = record(Kind::Circle, x, y);
        c.radius = radius;
        c.colour = colour;
    }
    int DrawWidth() const override { return width_; }
    void setDrawWidth(int pixels) override {
        width_ = pixels;
        record(Kind::SetWidth);
    }
    void setCurrentX(float x) override {
        current_x_ = x;
        record(Kind::CurrentX);
    }
    void setCurrentY(float y) override {
        current_y_ = y;
        record(Kind::CurrentY);
    }
    void Print(const std::string& text) override { record(Kind::Print).text = text; }

    // The recorded calls of one kind, in order.
    std::vector<DrawCall> of(Kind kind) const;

  private:
    // Appends a call with the pen width and current position in force.
    DrawCall& record(Kind kind, float x1 = 0, float y1 = 0, float x2 = 0, float y2 = 0);

    int width_ = 1;
    float current_x_ = 0, current_y_ = 0;
};

}  // namespace velantra::testing
