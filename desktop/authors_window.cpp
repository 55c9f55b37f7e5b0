#include "desktop/authors_window.h"

#include <QLabel>
#include <QWindow>

#include "desktop/frame_of.h"
#include "model/catalogue.h"
#include "resources/resources.h"
#include "surface/painter_surface.h"

namespace velantra {

namespace {

QRect place_of(const Form2Def::Place& p) { return {p.left, p.top, p.width, p.height}; }

}  // namespace

QtAuthorsWindow::~QtAuthorsWindow() {
    if (!form2_.isNull()) form2_->close();
}

void QtAuthorsWindow::create() {
    auto* form = new QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint |
                                          Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                          Qt::WindowCloseButtonHint);
    form->setObjectName(QStringLiteral("Form2"));
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowTitle(QString::fromStdString(velantra::tr(kForm2.caption)));
    form->setWindowIcon(velantra_icon());
    form->setFixedSize(kForm2.client_width, kForm2.client_height);

    auto* image = new QLabel(form);
    image->setObjectName(QString::fromUtf8(kForm2.image.name));
    image->setGeometry(place_of(kForm2.image));
    image->setPixmap(authors_picture());

    auto* label = new QLabel(QString::fromUtf8(kForm2.label.name), form);
    label->setObjectName(QString::fromUtf8(kForm2.label.name));
    label->setGeometry(place_of(kForm2.label));
    // Qt's own default font is larger and would cut the six lines off at the label's edges.
    label->setFont(font_of(kForm2.label_font));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Plain text so that the padding blanks and the CR LF breaks show as written.
    label->setTextFormat(Qt::PlainText);
    form2_ = form;
}

void QtAuthorsWindow::set_label1(const std::string& utf8) {
    // A label shows "\r\n" as one break, not two: Qt turns CR LF into a single line separator.
    form2_->findChild<QLabel*>(QString::fromUtf8(kForm2.label.name))
        ->setText(QString::fromStdString(utf8));
}

void QtAuthorsWindow::show() {
    // A QWidget parent would make Form2 Qt's child window; the QWindow's transient parent only
    // tells the window system whose window it is.
    if (!owner_.isNull() && owner_->window()->windowHandle() != nullptr) {
        form2_->winId();
        form2_->windowHandle()->setTransientParent(owner_->window()->windowHandle());
    }
    form2_->show();
}

Frame QtAuthorsWindow::frame() const { return frame_of(*form2_); }

void QtAuthorsWindow::raise() {
    form2_->raise();
    form2_->activateWindow();
}

void QtAuthorsWindow::close() {
    if (!form2_.isNull()) form2_->close();
}

}  // namespace velantra
