#pragma once

#include "platform/launcher.h"

namespace velantra {

// QDesktopServices::openUrl (xdg-open) and QProcess::startDetached.
class DesktopLauncher : public Launcher {
  public:
    void open_document(const std::string& absolute_path) override;
    bool program_exists(const std::string& program) const override;
    void start_detached(const std::string& program,
                        const std::vector<std::string>& arguments) override;
};

}  // namespace velantra
