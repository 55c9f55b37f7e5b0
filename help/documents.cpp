#include "help/documents.h"

#include <filesystem>
#include <system_error>

#include "model/catalogue.h"

namespace velantra {

namespace {

// The files live in the working directory, not beside the executable.
std::string in_working_dir(const std::string& name) {
    std::error_code failed;
    const std::filesystem::path dir = std::filesystem::current_path(failed);
    return (dir / name).string();
}

}  // namespace

void mnuFilespravka_Click(Launcher& launcher) {
    launcher.open_document(in_working_dir(tr("file name", "spravka.pdf")));
}
void mnuFilespravka2_Click(Launcher& launcher) {
    launcher.open_document(in_working_dir(tr("file name", "spravka2.pdf")));
}
void mnuFilespravka3_Click(Launcher& launcher) {
    launcher.open_document(in_working_dir(tr("file name", "spravka3.pdf")));
}
void mnuFilesHistory1_Click(Launcher& launcher) {
    launcher.open_document(in_working_dir(tr("file name", "Snell.pdf")));
}
void mnuHelpUprav_Click(Launcher& launcher) {
    launcher.open_document(in_working_dir(tr("file name", "uprav.pdf")));
}

void mnuHelpInstruction_Click(Launcher& launcher) {
    const std::string editor = "notepad.exe";
    const std::string& file = tr("file name", "instruction.txt");
    // The editor gets the bare name: it starts in our working directory, where the file is.
    if (launcher.program_exists(editor)) {
        launcher.start_detached(editor, {file});
    } else {
        launcher.open_document(in_working_dir(file));
    }
}

}  // namespace velantra
