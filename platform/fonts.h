#pragma once

#include <QFont>

namespace velantra {

// The window system's default font of controls and labels ("MS Sans Serif" 8.25 pt, which
// fontconfig maps to a Cyrillic sans face).
QFont sans_font(QFont::Weight weight = QFont::Normal);

}  // namespace velantra
