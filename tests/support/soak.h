#pragma once
// A long lesson in the window's logic without a toolkit: a million mixed actions (runs,
// keystrokes, pastes, scroll bars, window sizes, the pointer, the menu, a refused close),
// checking after every one that the texts are canonical and no caption shows nan or inf. The
// benchmark times it and the window tests run it as a check.

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

#include "surface/null_surface.h"
#include "tests/support/editor.h"
#include "tests/support/form_rig.h"

namespace velantra::testing {

struct SoakResult {
    std::string fault;  // the first action found wrong and what was wrong; empty for none
    long actions = 0;   // actions done, the faulty one included
    std::size_t messages = 0;
};

inline SoakResult soak(long actions = 1000000, unsigned seed = 12) {
    FormRigOf<NullSurface> rig;
    Form1& f = rig.form;
    Editor editors[] = {{f, f.Text1}, {f, f.Text2}, {f, f.Text3},
                        {f, f.Text4}, {f, f.Text5}, {f, f.Text6}};
    ScrollBar* bars[] = {&f.HScroll1, &f.VScroll1, &f.VScroll2};
    const char* menu[] = {"mnuFilespravka", "mnuFilesHistory1", "mnuHelpInstruction",
                          "mnuHelpAvtors", "mnuHelpAbout"};
    const char typed[] = "0123456789.-+eE ,x";
    std::mt19937 random(seed);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    SoakResult result;
    for (long action = 1; action <= actions; ++action) {
        const int kind = pick(100);
        if (kind < 10) {
            f.CmdOK_Click();
        } else if (kind < 40) {
            editors[pick(6)].type(std::string(1, typed[pick(18)]));
        } else if (kind < 52) {
            editors[pick(6)].key(static_cast<EditKey>(pick(13)));
        } else if (kind < 55) {
            const std::string pasted[] = {"1.5", "", "1e999", "-0", "2 5", "1,5", ".5e-2"};
            editors[pick(6)].type(pasted[pick(7)]);
        } else if (kind < 75) {
            f.scrolled(*bars[pick(3)], static_cast<ScrollAction>(pick(6)));
        } else if (kind < 78) {
            ScrollBar& bar = *bars[pick(3)];
            const int low = std::min(bar.top(), bar.bottom());
            f.scrolled_to(bar, low - 3 + pick(std::abs(bar.bottom() - bar.top()) + 7));
        } else if (kind < 80) {
            f.client_resized(100 + pick(1800), 40 + pick(1000));
        } else if (kind < 98) {
            f.pointer_moved(pick(900) - 100, pick(400) - 100);
        } else if (kind < 99) {
            f.menu_chosen(menu[pick(5)]);
        } else {
            rig.box.answer = Answer::No;
            f.close_requested();
        }
        result.actions = action;
        if (std::string wrong = inconsistency(f); !wrong.empty()) {
            result.fault = "action " + std::to_string(action) + ": " + wrong;
            break;
        }
    }
    result.messages = rig.box.shown.size();
    return result;
}

}  // namespace velantra::testing
