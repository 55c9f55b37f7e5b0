#include "window/controls.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace velantra {

namespace {

// Halves away from zero, in the precision of the length, as the window system rounds a length
// to whole pixels.
int whole(float v) { return static_cast<int>(v + std::copysign(0.5f, v)); }

}  // namespace

Control::Control(const ControlDef& def, View& view)
    : def_(def), view_(view), pixels_{0, 0, def.width, def.height} {}

void Control::place(const UnitRect& r) {
    units_ = r;
    const PixelRect p{whole(r.left), static_cast<int>(std::lround(r.top * kUnitDown)),
                      whole(r.width), static_cast<int>(std::lround(r.height * kUnitDown))};
    if (p == pixels_) return;
    pixels_ = p;
    tell(Aspect::Geometry);
}

void Control::move_to(int left, int top) {
    if (left == pixels_.left && top == pixels_.top) return;
    pixels_.left = left;
    pixels_.top = top;
    tell(Aspect::Geometry);
}

void Control::set_visible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    tell(Aspect::Visible);
}

void TextBox::set_text(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    caret_ = 0;
    tell(Aspect::Text);
    if (Change) Change();
}

void TextBox::edit(const std::string& text, int caret) {
    // A read-only box keeps its text; the view shows it again.
    if (read_only()) {
        tell(Aspect::Text);
        return;
    }
    caret_ = std::max(0, caret);
    if (text == text_) {
        tell(Aspect::Caret);
        return;
    }
    text_ = text;
    tell(Aspect::Text);
    if (Change) Change();
}

void ScrollBar::set_value(int value) {
    value = std::clamp(value, std::min(top(), bottom()), std::max(top(), bottom()));
    if (value == value_) return;
    value_ = value;
    tell(Aspect::Value);
    if (Change) Change();
}

int ScrollBar::span() const { return std::abs(bottom() - top()); }

int ScrollBar::position() const { return std::abs(value_ - top()); }

int ScrollBar::value_at(int position) const {
    return bottom() > top() ? top() + position : top() - position;
}

void ScrollBar::act(ScrollAction action) {
    // Which way the values run from the top (left) end to the bottom (right) end.
    const int down = bottom() > top() ? 1 : -1;
    switch (action) {
        case ScrollAction::LineUp:
            set_value(value_ - down * small());
            break;
        case ScrollAction::LineDown:
            set_value(value_ + down * small());
            break;
        case ScrollAction::PageUp:
            set_value(value_ - down * large());
            break;
        case ScrollAction::PageDown:
            set_value(value_ + down * large());
            break;
        case ScrollAction::ToTop:
            set_value(top());
            break;
        case ScrollAction::ToBottom:
            set_value(bottom());
            break;
    }
}

void ScrollBar::key(ScrollKey key) {
    switch (key) {
        case ScrollKey::Up:
        case ScrollKey::Left:
            act(ScrollAction::LineUp);
            break;
        case ScrollKey::Down:
        case ScrollKey::Right:
            act(ScrollAction::LineDown);
            break;
        case ScrollKey::PageUp:
            act(ScrollAction::PageUp);
            break;
        case ScrollKey::PageDown:
            act(ScrollAction::PageDown);
            break;
        case ScrollKey::Home:
            act(ScrollAction::ToTop);
            break;
        case ScrollKey::End:
            act(ScrollAction::ToBottom);
            break;
    }
}

void ScrollBar::wheel(int delta, int lines) {
    if (delta == 0) return;
    // A turn the other way starts afresh.
    if ((delta > 0) != (wheel_rest_ > 0)) wheel_rest_ = 0;
    const long long turned = wheel_rest_ + static_cast<long long>(delta) * std::max(lines, 0);
    wheel_rest_ = static_cast<int>(turned % kWheelNotch);
    // However far one event turns, one sweep over the whole range is the most it steps.
    const long long sweep = span();
    for (long long steps = std::clamp(turned / kWheelNotch, -sweep, sweep); steps != 0;) {
        act(steps > 0 ? ScrollAction::LineUp : ScrollAction::LineDown);
        steps += steps > 0 ? -1 : 1;
    }
}

void Label::set_caption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    tell(Aspect::Caption);
}

}  // namespace velantra
