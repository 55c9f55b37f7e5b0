// The menu entries hand over to the help commands.

#include "help/about.h"
#include "help/documents.h"
#include "window/form1.h"

namespace velantra {

void Form1::mnuFilespravka_Click() { ::velantra::mnuFilespravka_Click(launcher_); }
void Form1::mnuFilespravka2_Click() { ::velantra::mnuFilespravka2_Click(launcher_); }
void Form1::mnuFilespravka3_Click() { ::velantra::mnuFilespravka3_Click(launcher_); }
void Form1::mnuFilesHistory1_Click() { ::velantra::mnuFilesHistory1_Click(launcher_); }
void Form1::mnuHelpInstruction_Click() { ::velantra::mnuHelpInstruction_Click(launcher_); }
void Form1::mnuHelpUprav_Click() { ::velantra::mnuHelpUprav_Click(launcher_); }
void Form1::mnuHelpAvtors_Click() { authors_.mnuHelpAvtors_Click(*this); }
void Form1::mnuHelpAbout_Click() { ::velantra::mnuHelpAbout_Click(box_); }

}  // namespace velantra
