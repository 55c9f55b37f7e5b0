#pragma once
// Form1's widgets as assistive technology hears them: names and descriptions from the window's
// definition, the picture as a graphic, and each scroll bar with its own range and value
// rather than the thumb positions Qt's scroll bar holds.

#include <QAccessible>
#include <string>

#include "window/accessible.h"

class QWidget;

namespace velantra {

class Form1;

QAccessible::Role role_of(AccessibleRole role);

// Names and describes `widget` as `control` is; a label again whenever its caption changes.
void describe(QWidget* widget, const Control& control);

// Describes it, and gives the picture and each scroll bar an interface of their own; a value
// that assistive technology sets on a scroll bar goes to the logic as a thumb released there.
void expose(QWidget* widget, Control& control, Form1& form);

// The picture in words as the picture's description; `announce`, after ПУСК, has assistive
// technology say it at once where Qt can announce, and else tells it the description changed.
void describe_picture(QWidget* picture, const std::string& text, bool announce);

}  // namespace velantra
