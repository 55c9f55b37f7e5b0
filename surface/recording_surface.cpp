#include "surface/recording_surface.h"

#include <algorithm>

namespace velantra {

namespace {
DrawCall make(DrawCall::Kind kind, int width, float cx, float cy) {
    DrawCall call;
    call.kind = kind;
    call.width = width;
    call.current_x = cx;
    call.current_y = cy;
    return call;
}
}  // namespace

void RecordingSurface::Scale(float x1, float y1, float x2, float y2) {
    DrawCall call = make(DrawCall::Kind::Scale, width_, current_x_, current_y_);
    call.x1 = x1;
    call.y1 = y1;
    call.x2 = x2;
    call.y2 = y2;
    calls.push_back(call);
}

void RecordingSurface::Cls() {
    calls.push_back(make(DrawCall::Kind::Cls, width_, current_x_, current_y_));
}

void RecordingSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
    record_segment(DrawCall::Kind::Line, x1, y1, x2, y2, colour);
}

void RecordingSurface::Box(float x1, float y1, float x2, float y2, Colour colour) {
    record_segment(DrawCall::Kind::Box, x1, y1, x2, y2, colour);
}

void RecordingSurface::record_segment(DrawCall::Kind kind, float x1, float y1, float x2, float y2,
                                      Colour colour) {
    DrawCall call = make(kind, width_, current_x_, current_y_);
    call.x1 = x1;
    call.y1 = y1;
    call.x2 = x2;
    call.y2 = y2;
    call.colour = colour;
    calls.push_back(call);
}

void RecordingSurface::PSet(float x, float y) {
    current_x_ = x;
    current_y_ = y;
    DrawCall call = make(DrawCall::Kind::PSet, width_, current_x_, current_y_);
    call.x1 = x;
    call.y1 = y;
    calls.push_back(call);
}

void RecordingSurface::Circle(float x, float y, float radius, Colour colour) {
    DrawCall call = make(DrawCall::Kind::Circle, width_, current_x_, current_y_);
    call.x1 = x;
    call.y1 = y;
    call.radius = radius;
    call.colour = colour;
    calls.push_back(call);
}

void RecordingSurface::setDrawWidth(int pixels) {
    width_ = pixels;
    calls.push_back(make(DrawCall::Kind::SetWidth, width_, current_x_, current_y_));
}

void RecordingSurface::setCurrentX(float x) {
    current_x_ = x;
    calls.push_back(make(DrawCall::Kind::CurrentX, width_, current_x_, current_y_));
}

void RecordingSurface::setCurrentY(float y) {
    current_y_ = y;
    calls.push_back(make(DrawCall::Kind::CurrentY, width_, current_x_, current_y_));
}

void RecordingSurface::Print(const std::string& text) {
    DrawCall call = make(DrawCall::Kind::Print, width_, current_x_, current_y_);
    call.text = text;
    calls.push_back(call);
}

std::vector<DrawCall> RecordingSurface::of(DrawCall::Kind kind) const {
    std::vector<DrawCall> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                 [kind](const DrawCall& c) { return c.kind == kind; });
    return out;
}

}  // namespace velantra
