#pragma once

namespace velantra {

// A window's outer frame on the screen, in pixels.
struct Frame {
    int left = 0, top = 0, width = 0, height = 0;
};

}  // namespace velantra
