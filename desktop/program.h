#pragma once
// The desktop program: Form1's window over the real seams of the window system, every box
// naming Form1 as its parent so the window system keeps it over Form1.

#include "desktop/form1_window.h"
#include "platform/desktop/launcher.h"
#include "platform/desktop/message_box.h"
#include "platform/desktop/tone.h"

namespace velantra {

struct DesktopProgram {
    DesktopProgram() { box.set_parent(&form1); }

    QtMessageBox box;
    AlsaTone tone;
    DesktopLauncher launcher;
    Form1Window form1{box, tone, launcher};
};

}  // namespace velantra
