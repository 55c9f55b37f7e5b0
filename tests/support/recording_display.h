#pragma once
// A Display that keeps every caption, visibility and Shape1 move, and answers each
// message at once, so a run can be checked without a window.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/display.h"

namespace velantra::testing {

class RecordingDisplay : public Display {
  public:
    std::map<ResultLabel, std::string> captions;
    std::map<ResultLabel, bool> visible;
    std::vector<std::pair<double, double>> shape1_moves;
    std::vector<std::pair<std::string, std::string>> messages;  // text, title
    double width = 0.1, height = 0.04;

    void set_caption(ResultLabel label, const std::string& utf8) override {
        captions[label] = utf8;
    }
    void set_visible(ResultLabel label, bool v) override { visible[label] = v; }
    double shape1_width() const override { return width; }
    double shape1_height() const override { return height; }
    void move_shape1(double left, double top) override { shape1_moves.emplace_back(left, top); }
    void message(const std::string& text, const std::string& title) override {
        messages.emplace_back(text, title);
    }

    std::string caption(ResultLabel label) const {
        const auto it = captions.find(label);
        return it == captions.end() ? std::string("<unset>") : it->second;
    }
    bool shown(ResultLabel label) const {
        const auto it = visible.find(label);
        return it != visible.end() && it->second;
    }
};

}  // namespace velantra::testing
