#pragma once
// What the model shows outside the picture: the result lines, the start-point marker
// Shape1 and the information messages. The window realises it; tests record it.

#include <string>

namespace velantra {

enum class ResultLabel { Label7, Label8, Label9, Label13, Label14 };

class Display {
  public:
    virtual ~Display() = default;
    virtual void set_caption(ResultLabel label, const std::string& utf8) = 0;
    virtual void set_visible(ResultLabel label, bool visible) = 0;
    // Shape1's size and its move, in the picture's user units.
    virtual double shape1_width() const = 0;
    virtual double shape1_height() const = 0;
    virtual void move_shape1(double left, double top) = 0;
    // A modal box with OK only and no icon; returns when the user has closed it.
    virtual void message(const std::string& text, const std::string& title) = 0;
};

}  // namespace velantra
