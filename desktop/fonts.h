#pragma once

#include <QFont>

#include "window/definition.h"

namespace velantra {

// A font of the definitions; fontconfig maps "Times New Roman" to Liberation Serif and
// "MS Sans Serif" to a Cyrillic sans face.
QFont font_of(const FontDef& def);

// The window system's default font of controls and labels ("MS Sans Serif" 8.25 pt).
QFont sans_font(QFont::Weight weight = QFont::Normal);

}  // namespace velantra
