#pragma once

#include <QRect>
#include <QWidget>

#include "platform/frame.h"

namespace velantra {

// A window's outer frame, title bar and borders included, as the logic places windows.
inline Frame frame_of(const QWidget& window) {
    const QRect r = window.frameGeometry();
    return {r.left(), r.top(), r.width(), r.height()};
}

}  // namespace velantra
