#include <QApplication>

#include "platform/launcher.h"
#include "platform/message_box.h"
#include "platform/tone.h"
#include "window/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velantra::QtMessageBox box;
    velantra::AlsaTone tone;
    velantra::DesktopLauncher launcher;
    velantra::Form1 form1(box, tone, launcher);
    form1.show();
    return app.exec();
}
