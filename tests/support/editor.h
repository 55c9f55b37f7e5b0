#pragma once
// A line edit's keys as the desktop's text box handles them, over the window's logic: the
// caret and the selection, typing and pasting over the selection, Backspace and Delete,
// the caret keys with and without Shift, select all, and undo of the user's own edits
// (a write-back by the program clears that history, as the desktop's box does).

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "window/form1.h"

namespace velantra::testing {

enum class EditKey {
    Backspace,
    Delete,
    Home,
    End,
    Left,
    Right,
    ShiftLeft,
    ShiftRight,
    SelectAll,
    Undo,
    Redo,
    ShiftHome,
    ShiftEnd
};

class Editor {
  public:
    Editor(Form1& form, TextBox& box) : form_(form), box_(box) {}

    // The caret and selection as the box left them; a write-back moved the caret.
    void sync() {
        if (box_.text() != seen_) {
            seen_ = box_.text();
            undo_.clear();
            redo_.clear();
            caret_ = anchor_ = box_.caret();
        }
        const int end = length();
        caret_ = std::clamp(caret_, 0, end);
        anchor_ = std::clamp(anchor_, 0, end);
    }

    void type(std::string_view text) {
        sync();
        std::string t = box_.text();
        const int from = std::min(caret_, anchor_), to = std::max(caret_, anchor_);
        t.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from), text);
        edit(t, from + static_cast<int>(text.size()));
    }

    void key(EditKey k) {
        sync();
        const int end = length();
        const bool selection = caret_ != anchor_;
        std::string t = box_.text();
        switch (k) {
            case EditKey::Backspace:
            case EditKey::Delete:
                if (selection) return type("");
                if (k == EditKey::Backspace && caret_ > 0) {
                    t.erase(static_cast<std::size_t>(caret_ - 1), 1);
                    return edit(t, caret_ - 1);
                }
                if (k == EditKey::Delete && caret_ < end) {
                    t.erase(static_cast<std::size_t>(caret_), 1);
                    return edit(t, caret_);
                }
                return;
            case EditKey::Home:
                caret_ = anchor_ = 0;
                return;
            case EditKey::End:
                caret_ = anchor_ = end;
                return;
            case EditKey::Left:
                caret_ = anchor_ = selection ? std::min(caret_, anchor_) : std::max(0, caret_ - 1);
                return;
            case EditKey::Right:
                caret_ = anchor_ =
                    selection ? std::max(caret_, anchor_) : std::min(end, caret_ + 1);
                return;
            case EditKey::ShiftLeft:
                caret_ = std::max(0, caret_ - 1);
                return;
            case EditKey::ShiftRight:
                caret_ = std::min(end, caret_ + 1);
                return;
            case EditKey::ShiftHome:
                caret_ = 0;
                return;
            case EditKey::ShiftEnd:
                caret_ = end;
                return;
            case EditKey::SelectAll:
                anchor_ = 0;
                caret_ = end;
                return;
            case EditKey::Undo:
            case EditKey::Redo: {
                auto& from = k == EditKey::Undo ? undo_ : redo_;
                auto& to = k == EditKey::Undo ? redo_ : undo_;
                if (from.empty()) return;
                const std::string back = from.back();
                from.pop_back();
                to.push_back(t);
                return apply(back, static_cast<int>(back.size()));
            }
        }
    }

  private:
    int length() const { return static_cast<int>(box_.text().size()); }
    void edit(const std::string& t, int caret) {
        if (t == box_.text()) return;
        undo_.push_back(box_.text());
        redo_.clear();
        apply(t, caret);
    }
    void apply(const std::string& t, int caret) {
        caret_ = anchor_ = caret;
        seen_ = t;
        form_.typed(box_, t, caret);
        // A write-back leaves the caret where the box put it and no history.
        if (box_.text() != t) sync();
    }

    Form1& form_;
    TextBox& box_;
    std::string seen_;
    int caret_ = 0, anchor_ = 0;
    std::vector<std::string> undo_, redo_;
};

}  // namespace velantra::testing
