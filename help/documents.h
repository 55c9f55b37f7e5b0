#pragma once
// The menu commands that hand reference files to the desktop. File names are relative
// and resolve against the process's current working directory.

#include "platform/launcher.h"

namespace velantra {

void mnuFilespravka_Click(Launcher& launcher);    // "spravka.pdf"
void mnuFilespravka2_Click(Launcher& launcher);   // "spravka2.pdf"
void mnuFilespravka3_Click(Launcher& launcher);   // "spravka3.pdf"
void mnuFilesHistory1_Click(Launcher& launcher);  // "Snell.pdf"
void mnuHelpUprav_Click(Launcher& launcher);      // "uprav.pdf"
// "notepad.exe instruction.txt" where that program exists, else the desktop's text handler.
void mnuHelpInstruction_Click(Launcher& launcher);

}  // namespace velantra
