// The redraw chain, the run, the tone and what the model shows through the Display.

#include "window/form1.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include "window/picture_box.h"

namespace velantra {

void Form1::Form_Load() { ::velantra::Form_Load(sim_.scene); }

void Form1::Form_Resize() {
    ++resize_passes_;
    layout();
    sim_.draw_frame();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // The client area's resize, the first showing included, is the window's resize.
    if (watched == client_ && event->type() == QEvent::Resize) Form_Resize();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::CmdOK_Click() { sim_.raschet(); }

void Form1::beep(double d) { tone_.play(880, beep_duration_ms(d)); }

QLabel* Form1::result_label(ResultLabel label) const {
    switch (label) {
        case ResultLabel::Label7:
            return Label7;
        case ResultLabel::Label8:
            return Label8;
        case ResultLabel::Label9:
            return Label9;
        case ResultLabel::Label13:
            return Label13;
        case ResultLabel::Label14:
            return Label14;
    }
    return Label7;
}

void Form1::set_label(QLabel* label, const QString& caption) {
    label->setText(caption);
    label->setAccessibleName(caption);
}

void Form1::set_caption(ResultLabel label, const std::string& utf8) {
    set_label(result_label(label), QString::fromStdString(utf8));
}

void Form1::set_visible(ResultLabel label, bool visible) {
    result_label(label)->setVisible(visible);
}

double Form1::shape1_width() const {
    return surface_.to_user(Shape1->width(), 0).x() - surface_.to_user(0, 0).x();
}

double Form1::shape1_height() const {
    return surface_.to_user(0, Shape1->height()).y() - surface_.to_user(0, 0).y();
}

void Form1::move_shape1(double left, double top) {
    const QPointF p = surface_.to_pixel(left, top);
    Shape1->move(qRound(p.x()), qRound(p.y()));
}

void Form1::message(const std::string& text, const std::string& title) {
    box_.show(QString::fromStdString(text), QString::fromStdString(title), Buttons::Ok);
}

UnitRect Form1::units_of(const QString& name) const {
    const auto it = units_.find(name);
    return it == units_.end() ? UnitRect{} : it->second;
}

}  // namespace velantra
