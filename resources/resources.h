#pragma once
// The images the project draws for itself: the windows' icon and the Authors picture.
// Also reachable as ":/velantra/icon.png" and ":/velantra/authors.png" once this library is linked.

#include <QIcon>
#include <QPixmap>

namespace velantra {

QIcon velantra_icon();      // 32 × 32
QPixmap authors_picture();  // 150 × 180

}  // namespace velantra
