#pragma once
// Handing files to the desktop and starting programs, detached: nothing here waits for
// the started process or reports whether it could be started.

#include <QString>
#include <QStringList>

namespace velantra {

class Launcher {
  public:
    virtual ~Launcher() = default;
    // Opens a local file (absolute path) with the desktop's associated application.
    virtual void open_document(const QString& absolute_path) = 0;
    // Whether a program of this name can be found on PATH.
    virtual bool program_exists(const QString& program) const = 0;
    // Starts a program with arguments without waiting for it.
    virtual void start_detached(const QString& program, const QStringList& arguments) = 0;
};

// QDesktopServices::openUrl (xdg-open) and QProcess::startDetached.
class DesktopLauncher : public Launcher {
  public:
    void open_document(const QString& absolute_path) override;
    bool program_exists(const QString& program) const override;
    void start_detached(const QString& program, const QStringList& arguments) override;
};

}  // namespace velantra
