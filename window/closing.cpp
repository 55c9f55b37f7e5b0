// Form_Unload: every close request asks first; Yes ends the program, No changes nothing.

#include <QCloseEvent>
#include <QCoreApplication>

#include "window/form1.h"

namespace velantra {

void Form1::closeEvent(QCloseEvent* event) {
    const Answer answer = box_.show(QStringLiteral("Вы абсолютно уверены?"),
                                    QStringLiteral("На Выход"), Buttons::YesNo);
    if (answer != Answer::Yes) {
        event->ignore();
        return;
    }
    event->accept();
    authors_.close();
    QCoreApplication::exit(0);
}

}  // namespace velantra
