#include "platform/desktop/message_box.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>

namespace velantra {

Answer QtMessageBox::show(const std::string& text, const std::string& title, Buttons buttons) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::NoButton, parent_);
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        // Escape and the close box answer No: Qt takes a box's one No button as its escape.
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    // Desktop styles may put a glyph on the standard buttons; these boxes show no icon at all.
    for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
    const int result = box.exec();
    if (buttons == Buttons::YesNo) return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

}  // namespace velantra
