#pragma once
// A display that shows nothing, so a benchmark times only the model and its drawing.

#include "model/display.h"

namespace velantra {

class NullDisplay : public Display {
  public:
    void set_caption(ResultLabel, const std::string&) override {}
    void set_visible(ResultLabel, bool) override {}
    double shape1_width() const override { return 0.1; }
    double shape1_height() const override { return 0.04; }
    void move_shape1(double, double) override {}
    void message(const std::string&, const std::string&) override {}
};

}  // namespace velantra
