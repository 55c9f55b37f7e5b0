#pragma once
// What assistive technology is told of each of Form1's controls, in the window's own words,
// for every front-end alike: its role, a name that says what it is for, its tooltip as the
// description and, for a scroll bar, the range of its own values.

#include <string>

#include "window/controls.h"

namespace velantra {

enum class AccessibleRole { Graphic, Text, ScrollBar, Button, StaticText, Hidden };

struct Accessible {
    AccessibleRole role = AccessibleRole::Hidden;
    std::string name;
    std::string description;
    int minimum = 0, maximum = 0;  // a scroll bar's lowest and highest value
};

// A label's name is its caption as it stands, so it follows every change of the caption.
Accessible accessible(const Control& control);

}  // namespace velantra
