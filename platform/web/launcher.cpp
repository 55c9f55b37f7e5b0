#include "platform/web/launcher.h"

#include <emscripten.h>

#include <filesystem>

EM_JS(void, velantra_open_document, (const char* name),
      { Module.page.openDocument(UTF8ToString(name)); });

namespace velantra {

// The documents lie in the page under their file names, as beside the desktop program.
void WebLauncher::open_document(const std::string& absolute_path) {
    velantra_open_document(std::filesystem::path(absolute_path).filename().string().c_str());
}

}  // namespace velantra
