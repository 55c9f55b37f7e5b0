#include "desktop/form1_window.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <optional>

#include "desktop/accessibility.h"
#include "desktop/frame_of.h"
#include "desktop/picture_box.h"
#include "resources/resources.h"

namespace velantra {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
QColor colour_of(Colour c) { return {red_of(c), green_of(c), blue_of(c)}; }

void set_colour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

std::optional<ScrollKey> scroll_key_of(int key) {
    switch (key) {
        case Qt::Key_Up:
            return ScrollKey::Up;
        case Qt::Key_Down:
            return ScrollKey::Down;
        case Qt::Key_Left:
            return ScrollKey::Left;
        case Qt::Key_Right:
            return ScrollKey::Right;
        case Qt::Key_PageUp:
            return ScrollKey::PageUp;
        case Qt::Key_PageDown:
            return ScrollKey::PageDown;
        case Qt::Key_Home:
            return ScrollKey::Home;
        case Qt::Key_End:
            return ScrollKey::End;
        default:
            return std::nullopt;
    }
}

// Every user action on a scroll bar reaches the logic as what it is, and Qt applies no step
// of its own: the logic moves the bar, and the window shows its value as a position.
class ScrollInput : public QObject {
  public:
    ScrollInput(QScrollBar* scroll, ScrollBar& bar, Form1& form)
        : QObject(scroll), scroll_(scroll), bar_(bar), form_(form) {
        scroll->installEventFilter(this);
        connect(scroll, &QAbstractSlider::actionTriggered, this,
                [this](int action) { triggered(action); });
        // The thumb's drag steps; with tracking off, its release comes as an action.
        connect(scroll, &QAbstractSlider::sliderMoved, this,
                [this](int position) { form_.thumb_moved(bar_, position, false); });
        // Set by Qt without an action: its context menu's "Scroll here".
        connect(scroll, &QAbstractSlider::valueChanged, this,
                [this](int position) { form_.scrolled_to(bar_, bar_.value_at(position)); });
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Wheel) {
            const QPoint turn = static_cast<QWheelEvent*>(event)->angleDelta();
            form_.wheeled(bar_, WheelTurn{turn.x(), turn.y()}, QApplication::wheelScrollLines());
            return true;
        }
        if (event->type() != QEvent::KeyPress) return false;
        const auto* press = static_cast<QKeyEvent*>(event);
        const std::optional<ScrollKey> key = scroll_key_of(press->key());
        if (!key) return false;
        const Qt::KeyboardModifiers held = press->modifiers();
        if (form_.scroll_key(
                bar_, *key,
                KeyModifiers{held.testFlag(Qt::AltModifier), held.testFlag(Qt::ControlModifier),
                             held.testFlag(Qt::MetaModifier)}))
            return true;
        // A key the bar leaves goes on to the window, past Qt's own step on the bar.
        event->ignore();
        return true;
    }

  private:
    // Called once Qt has moved the thumb for an arrow, the trough or a released drag; it goes
    // back, so that only the logic moves it.
    void triggered(int action) {
        const int released = scroll_->sliderPosition();
        scroll_->setSliderPosition(scroll_->value());
        switch (action) {
            case QAbstractSlider::SliderSingleStepSub:
                form_.scrolled(bar_, ScrollAction::LineUp);
                break;
            case QAbstractSlider::SliderSingleStepAdd:
                form_.scrolled(bar_, ScrollAction::LineDown);
                break;
            case QAbstractSlider::SliderPageStepSub:
                form_.scrolled(bar_, ScrollAction::PageUp);
                break;
            case QAbstractSlider::SliderPageStepAdd:
                form_.scrolled(bar_, ScrollAction::PageDown);
                break;
            case QAbstractSlider::SliderToMinimum:
                form_.scrolled(bar_, ScrollAction::ToTop);
                break;
            case QAbstractSlider::SliderToMaximum:
                form_.scrolled(bar_, ScrollAction::ToBottom);
                break;
            case QAbstractSlider::SliderMove:
                form_.thumb_moved(bar_, released, true);
                break;
            default:
                break;
        }
    }

    QScrollBar* scroll_;
    ScrollBar& bar_;
    Form1& form_;
};

}  // namespace

Form1Window::Form1Window(MessageBox& box, Tone& tone, Launcher& launcher, QWidget* parent)
    : QMainWindow(parent) {
    authors_.set_owner(this);
    form_ = std::make_unique<Form1>(
        surface_, *this,
        Platform{box, tone, launcher, authors_, QLocale().decimalPoint().toStdString()});
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kForm1.caption));
    // Sizable, with system menu and close box but neither minimize nor maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(velantra_icon());
    // The screen the window will open on; a later one is told as it comes.
    form_->resolution_changed(devicePixelRatioF());
    define_controls();
    define_menu();
    define_focus_order();
    // The client area below the menu has the defined size at creation.
    resize(kForm1.client_width, kForm1.client_height + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    widget_of(form_->CmdOK)->setFocus();
}

Form1Window::~Form1Window() = default;

PictureBox* Form1Window::picture_box() const {
    return static_cast<PictureBox*>(widget_of(form_->Picture1));
}

QWidget* Form1Window::widget_of(const Control& control) const {
    const auto& all = form_->controls();
    for (std::size_t i = 0; i < all.size() && i < widgets_.size(); ++i)
        if (all[i] == &control) return widgets_[i];
    return nullptr;
}

void Form1Window::define_controls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    set_colour(client_, QPalette::Window, colour_of(kForm1.back));
    setCentralWidget(client_);
    client_->installEventFilter(this);
    Form1& f = *form_;

    for (Control* c : f.controls()) {
        const ControlDef& d = c->def();
        QWidget* w = nullptr;
        switch (d.kind) {
            case ControlKind::Picture: {
                auto* picture = new PictureBox(surface_, client_);
                picture->setFocusPolicy(Qt::StrongFocus);
                picture->on_mouse_move = [this](double px, double py) {
                    form_->pointer_moved(px, py);
                };
                w = picture;
                break;
            }
            case ControlKind::Shape:
                w = new ShapeCircle(d, widget_of(f.Picture1));
                break;
            case ControlKind::TextBox: {
                auto& box = static_cast<TextBox&>(*c);
                auto* edit = new QLineEdit(q(box.text()), client_);
                edit->setReadOnly(box.read_only());
                set_colour(edit, QPalette::Base, colour_of(d.back));
                connect(edit, &QLineEdit::textChanged, this, [this, &box, edit](const QString& t) {
                    form_->typed(box, t.toStdString(), edit->cursorPosition());
                });
                w = edit;
                break;
            }
            case ControlKind::HScrollBar:
            case ControlKind::VScrollBar: {
                auto& bar = static_cast<ScrollBar&>(*c);
                auto* scroll = new QScrollBar(
                    d.kind == ControlKind::HScrollBar ? Qt::Horizontal : Qt::Vertical, client_);
                scroll->setRange(0, bar.span());
                scroll->setSingleStep(bar.small());
                scroll->setPageStep(bar.large());
                scroll->setValue(bar.position());
                // Qt's value stays until the logic has taken a released thumb.
                scroll->setTracking(false);
                scroll->setFocusPolicy(Qt::StrongFocus);
                new ScrollInput(scroll, bar, *form_);
                w = scroll;
                break;
            }
            case ControlKind::Button: {
                auto* button = new QPushButton(q(velantra::tr(d.text)), client_);
                // Enter on the focused button starts a run, as Space does.
                button->setAutoDefault(true);
                connect(button, &QPushButton::clicked, this, [this] { form_->CmdOK_Click(); });
                w = button;
                break;
            }
            case ControlKind::Label: {
                auto* label = new QLabel(client_);
                label->setAutoFillBackground(true);
                label->setAlignment((d.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft) |
                                    Qt::AlignVCenter);
                set_colour(label, QPalette::Window, colour_of(d.back));
                const QPalette& system = QApplication::palette();
                set_colour(label, QPalette::WindowText,
                           d.fore == ForeKind::Own ? colour_of(d.fore_colour)
                           : d.fore == ForeKind::Window
                               ? system.color(QPalette::Text)
                               : label->palette().color(QPalette::ButtonText));
                if (d.border) label->setFrameStyle(QFrame::Box | QFrame::Plain);
                label->setText(q(static_cast<Label&>(*c).caption()));
                w = label;
                break;
            }
        }
        w->setObjectName(QString::fromUtf8(d.name));
        if (*d.tooltip != '\0') w->setToolTip(q(velantra::tr(d.tooltip)));
        expose(w, *c, f);
        if (d.font.face != nullptr) w->setFont(font_of(d.font));
        widgets_.push_back(w);
    }
    describe_picture(widget_of(f.Picture1), f.description(), false);
    // Where the layout lets controls overlap (CmdOK over Label15 in a narrow window, the picture
    // over the bottom row in a low one), the upper one takes the clicks.
    for (const ControlDef* d : stacking_order())
        if (auto* w = client_->findChild<QWidget*>(d->name, Qt::FindDirectChildrenOnly)) w->raise();
}

void Form1Window::define_menu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    for (const MenuDef& menu : kMenus) {
        QMenu* m = bar->addMenu(q(velantra::tr(menu.caption)));
        m->setObjectName(QString::fromUtf8(menu.name));
        m->menuAction()->setObjectName(QString::fromUtf8(menu.name));
        m->setAccessibleName(q(velantra::tr(menu.caption)));
        for (const MenuEntryDef& entry : menu.entries) {
            const QString name = QString::fromUtf8(entry.name);
            if (entry.separator()) {
                m->addSeparator()->setObjectName(name);
                continue;
            }
            QAction* a = m->addAction(q(velantra::tr(entry.caption)));
            a->setObjectName(name);
            connect(a, &QAction::triggered, this,
                    [this, entry] { form_->menu_chosen(entry.name); });
        }
    }
}

void Form1Window::define_focus_order() {
    for (std::size_t i = 0; i + 1 < kFocusOrder.size(); ++i)
        setTabOrder(widget_of(*form_->find(kFocusOrder[i])),
                    widget_of(*form_->find(kFocusOrder[i + 1])));
}

void Form1Window::changed(const Control& control, Aspect what) {
    QWidget* w = widget_of(control);
    // While the widgets are made, the logic's first state is read from it directly.
    if (w == nullptr) return;
    const QSignalBlocker quiet(w);
    switch (what) {
        case Aspect::Text:
        case Aspect::Caret: {
            auto* edit = static_cast<QLineEdit*>(w);
            const auto& box = static_cast<const TextBox&>(control);
            const QString text = q(box.text());
            if (edit->text() != text) edit->setText(text);
            if (edit->cursorPosition() != box.caret()) edit->setCursorPosition(box.caret());
            break;
        }
        case Aspect::Value: {
            static_cast<QScrollBar*>(w)->setValue(
                static_cast<const ScrollBar&>(control).position());
            break;
        }
        case Aspect::Caption: {
            static_cast<QLabel*>(w)->setText(q(static_cast<const Label&>(control).caption()));
            describe(w, control);
            break;
        }
        case Aspect::Visible:
            w->setVisible(control.visible());
            break;
        case Aspect::Geometry: {
            const PixelRect& p = control.pixels();
            if (control.def().kind == ControlKind::Shape) {
                w->move(p.left, p.top);
                break;
            }
            w->setGeometry(p.left, p.top, p.width, p.height);
            break;
        }
    }
}

Frame Form1Window::frame() const { return frame_of(*this); }

void Form1Window::end_program() { QCoreApplication::exit(0); }

void Form1Window::description_changed(const std::string& text, bool announce) {
    // While the widgets are made, the picture takes the logic's description as it is made.
    if (QWidget* picture = widget_of(form_->Picture1)) describe_picture(picture, text, announce);
}

bool Form1Window::event(QEvent* event) {
    // Another screen, or a new scale of this one: the picture at its new resolution.
    if (event->type() == QEvent::ScreenChangeInternal
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        || event->type() == QEvent::DevicePixelRatioChange
#endif
    )
        form_->resolution_changed(devicePixelRatioF());
    return QMainWindow::event(event);
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
    // The client area's resize, the first showing included, is the window's resize.
    if (watched == client_ && event->type() == QEvent::Resize)
        form_->client_resized(client_->width(), client_->height());
    return QMainWindow::eventFilter(watched, event);
}

void Form1Window::closeEvent(QCloseEvent* event) {
    if (form_->close_requested()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace velantra
