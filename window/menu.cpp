// The menu entries hand over to the help commands.

#include "help/about.h"
#include "help/documents.h"
#include "window/form1.h"

namespace velantra {

void Form1::mnuFilespravka_Click() { ::velantra::mnuFilespravka_Click(platform_.launcher); }
void Form1::mnuFilespravka2_Click() { ::velantra::mnuFilespravka2_Click(platform_.launcher); }
void Form1::mnuFilespravka3_Click() { ::velantra::mnuFilespravka3_Click(platform_.launcher); }
void Form1::mnuFilesHistory1_Click() { ::velantra::mnuFilesHistory1_Click(platform_.launcher); }
void Form1::mnuHelpInstruction_Click() { ::velantra::mnuHelpInstruction_Click(platform_.launcher); }
void Form1::mnuHelpUprav_Click() { ::velantra::mnuHelpUprav_Click(platform_.launcher); }
void Form1::mnuHelpAvtors_Click() {
    ::velantra::mnuHelpAvtors_Click(platform_.authors, view_.frame());
}
void Form1::mnuHelpAbout_Click() { ::velantra::mnuHelpAbout_Click(platform_.box); }

void Form1::menu_chosen(std::string_view entry) {
    struct Entry {
        const char* name;
        void (Form1::*handler)();
    };
    static constexpr Entry kHandlers[] = {
        {"mnuFilespravka", &Form1::mnuFilespravka_Click},
        {"mnuFilespravka2", &Form1::mnuFilespravka2_Click},
        {"mnuFilespravka3", &Form1::mnuFilespravka3_Click},
        {"mnuFilesHistory1", &Form1::mnuFilesHistory1_Click},
        {"mnuHelpInstruction", &Form1::mnuHelpInstruction_Click},
        {"mnuHelpUprav", &Form1::mnuHelpUprav_Click},
        {"mnuHelpAvtors", &Form1::mnuHelpAvtors_Click},
        {"mnuHelpAbout", &Form1::mnuHelpAbout_Click},
    };
    for (const Entry& e : kHandlers)
        if (entry == e.name) (this->*e.handler)();
}

}  // namespace velantra
