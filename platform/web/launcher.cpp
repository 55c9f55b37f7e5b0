#include "platform/web/launcher.h"

#include <emscripten.h>

#include <filesystem>

EM_JS(void, velantra_open_document, (const char* name),
      { Module.page.openDocument(UTF8ToString(name)); });

namespace velantra {

// The documents lie in the page under their names in the working directory ("en/spravka.pdf"),
// as beside the desktop program.
void WebLauncher::open_document(const std::string& absolute_path) {
    std::error_code failed;
    const std::filesystem::path dir = std::filesystem::current_path(failed);
    velantra_open_document(
        std::filesystem::path(absolute_path).lexically_relative(dir).generic_string().c_str());
}

}  // namespace velantra
