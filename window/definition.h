#pragma once
// Both windows as defined, as data that every front-end reads: Form1's controls in their
// order of creation with kinds, names, texts, tooltips, fonts, colours and scroll ranges,
// the keyboard order and the menu tree; Form2's size and its two controls.

#include <span>
#include <string_view>
#include <vector>

#include "platform/font.h"
#include "surface/surface.h"

namespace velantra {

enum class ControlKind { Picture, Shape, TextBox, HScrollBar, VScrollBar, Button, Label };
enum class Align { Left, Right };
// A text colour of the definition: its own, or one of the system's.
enum class ForeKind { Button, Window, Own };

struct ScrollDef {
    int top = 0, bottom = 0;  // the values at the top (left) and the bottom (right) end
    int small = 0, large = 0;
    int value = 0;
};

// A shape's look: a circle filled in one colour inside a border of another.
struct ShapeDef {
    Colour fill = 0, border = 0;
    int border_width = 0;  // pixels
};

struct ControlDef {
    const char* name;
    const char* text = "";     // UTF-8; "" for controls without a text
    const char* tooltip = "";  // "" for none
    FontDef font{};
    ControlKind kind = ControlKind::Label;
    Colour back = 0;
    ForeKind fore = ForeKind::Button;
    Colour fore_colour = 0;  // with ForeKind::Own
    Align align = Align::Left;
    int width = 0, height = 0;  // fixed size in pixels (Shape1); 0: the layout pass sizes it
    ScrollDef scroll{};
    ShapeDef shape{};
    bool has_back = false;
    bool read_only = false;
    bool border = false;
};

struct MenuEntryDef {
    const char* name;
    const char* caption;  // "-" is a separator line
    bool separator() const { return std::string_view(caption) == "-"; }
};

struct MenuDef {
    const char* name;
    const char* caption;
    std::span<const MenuEntryDef> entries;
};

struct WindowDef {
    const char* caption;
    int client_width, client_height;  // pixels
    Colour back;
};

extern const WindowDef kForm1;
extern const std::span<const ControlDef> kForm1Controls;
// The names of the controls that take the focus, first to last.
extern const std::span<const char* const> kFocusOrder;
extern const std::span<const MenuDef> kMenus;

// Form1's controls from bottom to top where they overlap: the labels, which have no window of
// their own, under every other control (the last defined lowest), then the others, each over
// those defined before it.
std::vector<const ControlDef*> stacking_order();

}  // namespace velantra
