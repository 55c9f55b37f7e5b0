#pragma once
// What the window's logic asks of a front-end: mirror each change of a control into the
// element that shows it, tell where the main window stands on the screen, and end the
// program. The front-end decides nothing: it renders and hands the user's actions in.

#include <string>

#include "platform/frame.h"

namespace velantra {

class Control;

enum class Aspect { Text, Caret, Value, Caption, Visible, Geometry };

class View {
  public:
    virtual ~View() = default;
    // Picture1's geometry comes right after the layout pass placed it, before anything is
    // drawn into it: its back buffer follows it there.
    virtual void changed(const Control& control, Aspect what) = 0;
    // Form1's outer frame.
    virtual Frame frame() const = 0;
    // After Yes to the closing question: no further event of either window runs.
    virtual void end_program() = 0;
    // The picture in words, whenever that changes; `announce` once per ПУСК, for the run's
    // result to be said at once.
    virtual void description_changed(const std::string& /*text*/, bool /*announce*/) {}
};

}  // namespace velantra
