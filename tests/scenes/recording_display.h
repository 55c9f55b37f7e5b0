#pragma once
// A Display that keeps the last caption and visibility of each result line and every message.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/display.h"

namespace velantra {

class RecordingDisplay : public Display {
  public:
    std::map<ResultLabel, std::string> captions;
    std::map<ResultLabel, bool> visible;
    std::vector<std::pair<std::string, std::string>> messages;  // text, title
    double shape_left = 0, shape_top = 0;

    void set_caption(ResultLabel label, const std::string& utf8) override {
        captions[label] = utf8;
    }
    void set_visible(ResultLabel label, bool v) override { visible[label] = v; }
    // 12 pixels of a 698 × 247 picture showing 6 m × 2 m.
    double shape1_width() const override { return 12.0 * 6 / 698; }
    double shape1_height() const override { return 12.0 * 2 / 247; }
    void move_shape1(double left, double top) override {
        shape_left = left;
        shape_top = top;
    }
    void message(const std::string& text, const std::string& title) override {
        messages.emplace_back(text, title);
    }
};

}  // namespace velantra
