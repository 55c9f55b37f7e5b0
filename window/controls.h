#pragma once
// The controls of a window as the platform's standard controls behave: writing a text or
// a value that differs from what a control holds raises its change handler before the
// write returns, writing the same content raises nothing, a scroll bar holds its value
// within its range and a read-only box takes no typing. Every change is told to the view.

#include <functional>
#include <string>

#include "model/catalogue.h"
#include "window/definition.h"
#include "window/view.h"
#include "window/wheel.h"

namespace velantra {

// One unit down is 15.9375 twips, i.e. 1.0625 px at 96 dpi; one unit across is 1 px.
inline constexpr double kUnitDown = 1.0625;

// A place in the window's units.
struct UnitRect {
    float left = 0, top = 0, width = 0, height = 0;
};

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PixelRect&) const = default;
};

class Control {
  public:
    Control(const ControlDef& def, View& view);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const ControlDef& def() const { return def_; }
    const char* name() const { return def_.name; }
    // The last place the layout pass gave it, and the pixels that stand for it.
    const UnitRect& units() const { return units_; }
    const PixelRect& pixels() const { return pixels_; }
    bool visible() const { return visible_; }

    void place(const UnitRect& r);
    void move_to(int left, int top);  // pixels
    void set_visible(bool visible);

  protected:
    void tell(Aspect what) const { view_.changed(*this, what); }

  private:
    const ControlDef& def_;
    View& view_;
    UnitRect units_;
    PixelRect pixels_;
    bool visible_ = true;
};

class TextBox : public Control {
  public:
    TextBox(const ControlDef& def, View& view) : Control(def, view), text_(def.text) {}
    const std::string& text() const { return text_; }
    // Characters before the caret.
    int caret() const { return caret_; }
    bool read_only() const { return def().read_only; }

    // The program's write: a different text moves the caret to the start and raises Change.
    void set_text(const std::string& text);
    // What a keystroke or paste left in the box, with the caret where the user has it.
    void edit(const std::string& text, int caret);

    std::function<void()> Change;

  private:
    std::string text_;
    int caret_ = 0;
};

// An arrow or a trough click on a scroll bar; Up goes toward the top (left) end.
enum class ScrollAction { LineUp, LineDown, PageUp, PageDown, ToTop, ToBottom };
// The keys a focused scroll bar takes, and the modifiers held with one.
enum class ScrollKey { Up, Down, Left, Right, PageUp, PageDown, Home, End };
struct KeyModifiers {
    bool alt = false, ctrl = false, meta = false;
};

class ScrollBar : public Control {
  public:
    ScrollBar(const ControlDef& def, View& view) : Control(def, view), value_(def.scroll.value) {}
    int value() const { return value_; }
    int top() const { return def().scroll.top; }
    int bottom() const { return def().scroll.bottom; }
    int small() const { return def().scroll.small; }
    int large() const { return def().scroll.large; }

    // Positions count from the top (left) end: 0 there, span() at the other end. The
    // front-ends place the thumb by position and read a released thumb's position.
    int span() const;
    int position() const;
    int value_at(int position) const;

    // Clamped to the range; a different value raises Change.
    void set_value(int value);
    void act(ScrollAction action);
    // Up and Left go toward the top (left) end on either kind of bar.
    void key(ScrollKey key);
    // A wheel's turn in 1/kWheelNotch notches, positive away from the user (toward the top
    // end), of `lines` line steps a notch: each step is an arrow's, so they wrap one by one.
    // No turn leaves the part of a notch turned so far as it is.
    void wheel(int delta, int lines);

    std::function<void()> Change;

  private:
    int value_;
    int wheel_rest_ = 0;  // the part of a notch turned so far
};

class Label : public Control {
  public:
    Label(const ControlDef& def, View& view) : Control(def, view), caption_(tr(def.text)) {}
    const std::string& caption() const { return caption_; }
    void set_caption(const std::string& caption);

  private:
    std::string caption_;
};

// The picture box, the shape and the command button keep their defined looks.
using Plain = Control;

}  // namespace velantra
