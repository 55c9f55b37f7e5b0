#include "platform/desktop/launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace velantra {

// openUrl runs xdg-open detached; a missing opener makes it return false at once, which the
// commands ignore as a missing viewer is not reported.
void DesktopLauncher::open_document(const std::string& absolute_path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(absolute_path)));
}

bool DesktopLauncher::program_exists(const std::string& program) const {
    return !QStandardPaths::findExecutable(QString::fromStdString(program)).isEmpty();
}

void DesktopLauncher::start_detached(const std::string& program,
                                     const std::vector<std::string>& arguments) {
    QStringList args;
    for (const std::string& a : arguments) args << QString::fromStdString(a);
    QProcess::startDetached(QString::fromStdString(program), args);
}

}  // namespace velantra
