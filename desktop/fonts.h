#pragma once

#include <QFont>

#include "platform/font.h"

namespace velantra {

// A font of the definitions; fontconfig maps "Times New Roman" to Liberation Serif and
// "MS Sans Serif" to a Cyrillic sans face.
QFont font_of(const FontDef& def);

}  // namespace velantra
