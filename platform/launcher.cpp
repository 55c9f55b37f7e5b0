#include "platform/launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace velantra {

// openUrl runs xdg-open detached; a missing opener makes it return false at once, which the
// commands ignore as a missing viewer is not reported.
void DesktopLauncher::open_document(const QString& absolute_path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(absolute_path));
}

bool DesktopLauncher::program_exists(const QString& program) const {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

void DesktopLauncher::start_detached(const QString& program, const QStringList& arguments) {
    QProcess::startDetached(program, arguments);
}

}  // namespace velantra
