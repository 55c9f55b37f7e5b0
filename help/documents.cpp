#include "help/documents.h"

#include <QDir>

namespace velantra {

namespace {

// The files live in the working directory, not beside the executable.
QString in_working_dir(const char* name) {
    return QDir::current().absoluteFilePath(QString::fromLatin1(name));
}

}  // namespace

void mnuFilespravka_Click(Launcher& launcher) {
    launcher.open_document(in_working_dir("spravka.pdf"));
}
void mnuFilespravka2_Click(Launcher& launcher) {
    launcher.open_document(in_working_dir("spravka2.pdf"));
}
void mnuFilespravka3_Click(Launcher& launcher) {
    launcher.open_document(in_working_dir("spravka3.pdf"));
}
void mnuFilesHistory1_Click(Launcher& launcher) {
    launcher.open_document(in_working_dir("Snell.pdf"));
}
void mnuHelpUprav_Click(Launcher& launcher) { launcher.open_document(in_working_dir("uprav.pdf")); }

void mnuHelpInstruction_Click(Launcher& launcher) {
    const QString editor = QStringLiteral("notepad.exe");
    // The editor gets the bare name: it starts in our working directory, where the file is.
    if (launcher.program_exists(editor)) {
        launcher.start_detached(editor, {QStringLiteral("instruction.txt")});
    } else {
        launcher.open_document(in_working_dir("instruction.txt"));
    }
}

}  // namespace velantra
