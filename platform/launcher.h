#pragma once
// Handing files to the desktop and starting programs, detached: nothing here waits for
// the started process or reports whether it could be started.

#include <string>
#include <vector>

namespace velantra {

class Launcher {
  public:
    virtual ~Launcher() = default;
    // Opens a local file (absolute path) with the desktop's associated application.
    virtual void open_document(const std::string& absolute_path) = 0;
    // Whether a program of this name can be found on PATH.
    virtual bool program_exists(const std::string& program) const = 0;
    // Starts a program with arguments without waiting for it.
    virtual void start_detached(const std::string& program,
                                const std::vector<std::string>& arguments) = 0;
};

}  // namespace velantra
