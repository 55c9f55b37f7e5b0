#pragma once

namespace velantra {

// A font as the windows' definitions name it; the front-end finds the face on its system.
struct FontDef {
    const char* face = nullptr;  // nullptr: the control has no font of its own
    double points = 0;
    int weight = 400;  // 400 normal, 700 bold
};

// The window system's default font of controls and labels.
inline constexpr FontDef kSystemFont{"MS Sans Serif", 8.25, 400};

}  // namespace velantra
