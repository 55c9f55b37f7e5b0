#include "help/about.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>

#include "platform/fonts.h"
#include "resources/resources.h"

namespace velantra {

QString about_text() {
    const QStringList lines = {
        QStringLiteral("Программа моделирует прохождение луча света"),
        QStringLiteral("через границу двух сред"),
        QStringLiteral("и в плавно неоднородной среде."),
        QStringLiteral(" "),
        QStringLiteral("История версий:"),
        QStringLiteral(
            "1.0 (декабрь 2026), Linux, учебная программа, проект Velantra, C++20 и Qt 6"),
        QStringLiteral(" "),
        QStringLiteral("Свидетельство о государственной регистрации: не выдавалось"),
        QStringLiteral("Дата регистрации: нет (программа не регистрировалась)"),
        QStringLiteral("Официальный бюллетень: публикации не было"),
        QStringLiteral("Год, номер выпуска и страница: нет"),
        QStringLiteral("Адрес бюллетеня в сети: нет"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString authors_text() {
    QStringList lines = {
        QStringLiteral("© Проект Velantra, 2026"),
        QStringLiteral("Учёная степень: не указывается"),
        QStringLiteral("Учёное звание: не указывается"),
        QStringLiteral("Открытый учебный проект"),
        QStringLiteral("Город и страна: не указываются"),
    };
    for (QString& line : lines) line = line.leftJustified(36, QLatin1Char(' '), true);
    lines << QStringLiteral(" velantra@example.org (образец)");
    return lines.join(QStringLiteral("\r\n"));
}

void mnuHelpAbout_Click(MessageBox& box) {
    box.show(about_text(), QStringLiteral("О ПРОГРАММЕ"), Buttons::Ok);
}

namespace {

QWidget* make_form2() {
    auto* form = new QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint |
                                          Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                          Qt::WindowCloseButtonHint);
    form->setObjectName(QStringLiteral("Form2"));
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowTitle(QStringLiteral("Авторы"));
    form->setWindowIcon(velantra_icon());
    form->setFixedSize(222, 297);

    auto* image = new QLabel(form);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(32, 8, 150, 180);
    image->setPixmap(authors_picture());

    auto* label = new QLabel(QStringLiteral("Label1"), form);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(8, 200, 209, 81);
    // Qt's own default font is larger and would cut the six lines off at the label's edges.
    label->setFont(sans_font());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Plain text so that the padding blanks and the CR LF breaks show as written.
    label->setTextFormat(Qt::PlainText);
    return form;
}

}  // namespace

Authors::~Authors() { close(); }

void Authors::mnuHelpAvtors_Click(const QWidget& form1) {
    if (form2_.isNull()) form2_ = make_form2();
    // A label shows "\r\n" as one break, not two: Qt turns CR LF into a single line separator.
    form2_->findChild<QLabel*>(QStringLiteral("Label1"))->setText(authors_text());
    // Outer frames of both windows; a window never shown yet has a frame equal to its client area,
    // so it is shown first and then placed.
    if (!form2_->isVisible()) form2_->show();
    const QRect outer1 = form1.frameGeometry();
    const QRect outer2 = form2_->frameGeometry();
    form2_->move((outer1.width() - outer2.width()) / 2 + outer1.left(),
                 (outer1.height() - outer2.height()) / 2 + outer1.top());
    form2_->raise();
    form2_->activateWindow();
}

void Authors::close() {
    if (!form2_.isNull()) form2_->close();
}

QWidget* Authors::form2() const { return form2_.data(); }

}  // namespace velantra
