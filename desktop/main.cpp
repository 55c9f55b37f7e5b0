#include <QApplication>

#include "desktop/form1_window.h"
#include "platform/desktop/launcher.h"
#include "platform/desktop/message_box.h"
#include "platform/desktop/tone.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velantra::QtMessageBox box;
    velantra::AlsaTone tone;
    velantra::DesktopLauncher launcher;
    velantra::Form1Window form1(box, tone, launcher);
    // Every box names Form1 as its parent, so the window system keeps it over Form1.
    box.set_parent(&form1);
    form1.show();
    return app.exec();
}
