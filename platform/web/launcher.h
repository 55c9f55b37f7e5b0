#pragma once
// Documents in the browser: each is data in the page, opened in a new tab (a PDF in the
// browser's viewer, a text as text). The page starts no programs.

#include "platform/launcher.h"

namespace velantra {

class WebLauncher : public Launcher {
  public:
    void open_document(const std::string& absolute_path) override;
    bool program_exists(const std::string& /*program*/) const override { return false; }
    void start_detached(const std::string& /*program*/,
                        const std::vector<std::string>& /*arguments*/) override {}
};

}  // namespace velantra
