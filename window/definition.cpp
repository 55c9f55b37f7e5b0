// Form1 built from its definition: controls with names, texts, tooltips, fonts and
// colours, the scroll ranges, the keyboard order and the menu tree.

#include <QAbstractSlider>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include "platform/fonts.h"
#include "window/form1.h"
#include "window/picture_box.h"

namespace velantra {

namespace {

QFont standard_font(int weight = QFont::Normal) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(11.25);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

void set_background(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

void describe(QWidget* w, const QString& name, const QString& tooltip) {
    w->setObjectName(name);
    if (!tooltip.isEmpty()) {
        w->setToolTip(tooltip);
        w->setAccessibleDescription(tooltip);
    }
}

// Makes a scroll bar follow the hand where Qt's wiring does not: the Right key moves a
// horizontal thumb right (Qt 6.4 steps scroll bars the other way), and a bar whose top end
// holds its maximum gets the wheel turned round, so wheel up moves the thumb up there too.
class HandFilter : public QObject {
  public:
    explicit HandFilter(QScrollBar* bar) : QObject(bar), bar_(bar) {
        bar->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && bar_->orientation() == Qt::Horizontal) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
            const bool right = (key == Qt::Key_Right) != bar_->isRightToLeft();
            bar_->triggerAction(right ? QAbstractSlider::SliderSingleStepAdd
                                      : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
        if (event->type() != QEvent::Wheel || !bar_->invertedAppearance() || turning_) {
            return false;
        }
        const auto* wheel = static_cast<QWheelEvent*>(event);
        QWheelEvent turned(wheel->position(), wheel->globalPosition(), -wheel->pixelDelta(),
                           -wheel->angleDelta(), wheel->buttons(), wheel->modifiers(),
                           wheel->phase(), wheel->inverted(), wheel->source(),
                           wheel->pointingDevice());
        turning_ = true;
        QCoreApplication::sendEvent(watched, &turned);
        turning_ = false;
        event->setAccepted(turned.isAccepted());
        return true;
    }

  private:
    QScrollBar* bar_;
    bool turning_ = false;
};

}  // namespace

Form1::Form1(MessageBox& box, Tone& tone, Launcher& launcher, QWidget* parent)
    : QMainWindow(parent), box_(box), tone_(tone), launcher_(launcher), sim_(surface_, *this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velantra"));
    // Sizable, with system menu and close box but neither minimize nor maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    for (const char* icon : {":/velantra/icon.png", ":/icon.png", ":/resources/icon.png"}) {
        if (QFile::exists(QString::fromLatin1(icon))) {
            setWindowIcon(QIcon(QString::fromLatin1(icon)));
            break;
        }
    }
    sim_.decimal_separator = QLocale().decimalPoint().toStdString();
    define_controls();
    define_menu();
    define_focus_order();
    Form_Load();
    connect_handlers();
    // The client area below the menu is 860 × 306 px at creation.
    resize(860, 306 + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    CmdOK->setFocus();
}

Form1::~Form1() = default;

void Form1::define_controls() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setAutoFillBackground(true);
    set_background(client_, QPalette::Window, QColor(224, 224, 224));
    setCentralWidget(client_);
    client_->installEventFilter(this);

    Picture1 = new PictureBox(surface_, client_);
    describe(Picture1, QStringLiteral("Picture1"), QStringLiteral("Здесь траектория луча"));
    Picture1->setAccessibleName(QStringLiteral("Picture1"));
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setFont(sans_font());
    surface_.setFont(sans_font());
    surface_.setBackColor(RGB(255, 255, 255));
    surface_.setForeColor(RGB(0, 0, 0));
    Shape1 = new ShapeCircle(Picture1);
    Shape1->setObjectName(QStringLiteral("Shape1"));

    const QColor input_back(255, 255, 192);
    auto text_box = [&](QLineEdit*& box, const char* name, const QString& tooltip, bool ro) {
        box = new QLineEdit(QString::fromLatin1(name), client_);
        describe(box, QString::fromLatin1(name), tooltip);
        box->setAccessibleName(box->text());
        box->setFont(standard_font());
        box->setReadOnly(ro);
        set_background(box, QPalette::Base, input_back);
    };
    text_box(Text1, "Text1", QStringLiteral("Показатель преломления верхней среды"), false);
    text_box(Text2, "Text2", QStringLiteral("Показатель преломления нижней среды сверху"), false);
    text_box(Text3, "Text3", QStringLiteral("Показатель преломления нижней среды снизу"), false);
    text_box(Text4, "Text4",
             QStringLiteral("Начальная координата Х0 (Используйте горизонтальный скроллинг)"),
             true);
    text_box(Text5, "Text5",
             QStringLiteral("Начальная координата Yo (Используйте вертикальный скроллинг)"), true);
    text_box(Text6, "Text6",
             QStringLiteral("Начальный угол входа луча (Используйте скроллинг справа. Можно "
                            "уточнить вручную)"),
             false);

    auto scroll = [&](QScrollBar*& bar, const char* name, Qt::Orientation o, int lo, int hi,
                      int page, int value) {
        bar = new QScrollBar(o, client_);
        describe(bar, QString::fromLatin1(name), QString());
        bar->setAccessibleName(QString::fromLatin1(name));
        bar->setRange(lo, hi);
        bar->setSingleStep(1);
        bar->setPageStep(page);
        bar->setValue(value);
        // Dragging the thumb reports only when it is released.
        bar->setTracking(false);
        bar->setFocusPolicy(Qt::StrongFocus);
        new HandFilter(bar);
    };
    scroll(HScroll1, "HScroll1", Qt::Horizontal, 0, 600, 50, 50);
    scroll(VScroll1, "VScroll1", Qt::Vertical, -100, 100, 50, 40);
    // 181 at the top, −181 at the bottom: the upper arrow raises the angle.
    scroll(VScroll2, "VScroll2", Qt::Vertical, -181, 181, 10, 45);
    VScroll2->setInvertedAppearance(true);
    VScroll2->setInvertedControls(true);
    connect(VScroll2, &QAbstractSlider::actionTriggered, this, [this](int action) {
        // The step actions are wired by geometry; flip their sign so up means more.
        switch (action) {
            case QAbstractSlider::SliderSingleStepAdd:
                VScroll2->setSliderPosition(VScroll2->value() - VScroll2->singleStep());
                break;
            case QAbstractSlider::SliderSingleStepSub:
                VScroll2->setSliderPosition(VScroll2->value() + VScroll2->singleStep());
                break;
            case QAbstractSlider::SliderPageStepAdd:
                VScroll2->setSliderPosition(VScroll2->value() - VScroll2->pageStep());
                break;
            case QAbstractSlider::SliderPageStepSub:
                VScroll2->setSliderPosition(VScroll2->value() + VScroll2->pageStep());
                break;
            // Home goes to the top end, End to the bottom one.
            case QAbstractSlider::SliderToMinimum:
                VScroll2->setSliderPosition(VScroll2->maximum());
                break;
            case QAbstractSlider::SliderToMaximum:
                VScroll2->setSliderPosition(VScroll2->minimum());
                break;
            default:
                break;
        }
    });

    CmdOK = new QPushButton(QStringLiteral("ПУСК"), client_);
    describe(CmdOK, QStringLiteral("CmdOK"), QStringLiteral("Запуск (остановка) установки"));
    CmdOK->setAccessibleName(CmdOK->text());
    CmdOK->setFont(sans_font(QFont::Bold));
    // Enter on the focused button starts a run, as Space does.
    CmdOK->setAutoDefault(true);

    const QColor caption_back(224, 224, 224);
    const QColor result_back(192, 255, 255);
    auto label = [&](QLabel*& l, const char* name, const QString& text, const QString& tooltip,
                     const QColor& back, const QFont& font) {
        l = new QLabel(client_);
        describe(l, QString::fromLatin1(name), tooltip);
        l->setFont(font);
        l->setAutoFillBackground(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        set_background(l, QPalette::Window, back);
        // Labels without a colour of their own draw in the button-text colour.
        set_background(l, QPalette::WindowText, l->palette().color(QPalette::ButtonText));
        set_label(l, text);
    };
    const QFont st = standard_font();
    label(Label1, "Label1", QStringLiteral("n1="),
          QStringLiteral("Показатель преломления верхней среды"), caption_back, st);
    label(Label2, "Label2", QStringLiteral("nmin="),
          QStringLiteral("Показатель преломления нижней среды сверху"), caption_back, st);
    set_background(Label2, QPalette::WindowText, QColor(0, 0, 0));
    label(Label3, "Label3", QStringLiteral("nmax="),
          QStringLiteral("Показатель преломления нижней среды снизу"), caption_back, st);
    set_background(Label3, QPalette::WindowText, QApplication::palette().color(QPalette::Text));
    label(Label4, "Label4", QStringLiteral("Xо="),
          QStringLiteral("Начальная координата Х0 (Используйте горизонтальный скроллинг)"),
          caption_back, st);
    label(Label5, "Label5", QStringLiteral(" Yo="),
          QStringLiteral("Начальная координата Yo (Используйте вертикальный скроллинг)"),
          caption_back, st);
    // The alpha is written as itself: a symbol-encoded face is not to be relied on.
    label(Label6, "Label6", QStringLiteral("α0="),
          QStringLiteral("Начальный угол входа луча (Используйте скроллинг справа)"), caption_back,
          st);
    label(Label10, "Label10", QStringLiteral("Параметры среды"), QStringLiteral("Параметры среды"),
          caption_back, standard_font(QFont::Bold));
    label(Label11, "Label11", QStringLiteral("Характеристики"), QStringLiteral("Характеристики"),
          caption_back, standard_font(QFont::Bold));
    label(Label7, "Label7", QStringLiteral("label7"), QStringLiteral("параметр nmin/(nmax-nmin)"),
          result_back, st);
    label(Label8, "Label8", QStringLiteral("Label8"), QStringLiteral("Угол преломления на границе"),
          result_back, st);
    label(Label9, "Label9", QStringLiteral("Label9"),
          QStringLiteral("Предельный угол полного отражения для однородных сред"), result_back, st);
    label(Label13, "Label13", QStringLiteral("Label13"),
          QStringLiteral("Координаты вершины траектории"), result_back, st);
    label(Label14, "Label14", QStringLiteral("Label14"),
          QStringLiteral("Координаты пересечения с границей сред"), result_back, st);
    label(Label12, "Label12", QStringLiteral("Label12"), QStringLiteral("Координата Х (м)"),
          result_back, st);
    label(Label15, "Label15", QStringLiteral("Label15"), QStringLiteral("Координата Y (м)"),
          result_back, st);
    // Result and readout lines carry a single-line border; the bottom captions are right-justified.
    for (QLabel* l : {Label7, Label8, Label9, Label12, Label13, Label14, Label15})
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
    for (QLabel* l : {Label4, Label5, Label6}) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Labels have no window of their own: where the layout lets a control overlap one (CmdOK
    // over Label15 in a narrow window, the picture over the bottom row in a low one), the
    // control lies on top and takes the clicks.
    for (QLabel* l : client_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) l->lower();
}

void Form1::define_menu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    auto menu = [&](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        m->setAccessibleName(caption);
        return m;
    };
    auto entry = [&](QMenu* m, const char* name, const QString& caption, void (Form1::*run)()) {
        QAction* a = m->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, [this, run] { (this->*run)(); });
    };
    auto separator = [&](QMenu* m, const char* name) {
        m->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    QMenu* file = menu("mnuFile", QStringLiteral("&Файл"));
    entry(file, "mnuFilespravka", QStringLiteral("&Теория"), &Form1::mnuFilespravka_Click);
    entry(file, "mnuFilespravka2", QStringLiteral("&Показатель преломления соль и сахар"),
          &Form1::mnuFilespravka2_Click);
    entry(file, "mnuFilespravka3", QStringLiteral("&Показатели преломления разных веществ"),
          &Form1::mnuFilespravka3_Click);
    separator(file, "mnuHelpSep2");
    entry(file, "mnuFilesHistory1", QStringLiteral("Снеллиус"), &Form1::mnuFilesHistory1_Click);
    QMenu* help = menu("mnuHelp", QStringLiteral("&Помощь"));
    entry(help, "mnuHelpInstruction", QStringLiteral("Инструкция"),
          &Form1::mnuHelpInstruction_Click);
    entry(help, "mnuHelpUprav", QStringLiteral("Управление"), &Form1::mnuHelpUprav_Click);
    separator(help, "mnuHelpSep1");
    entry(help, "mnuHelpAvtors", QStringLiteral("Авторы"), &Form1::mnuHelpAvtors_Click);
    entry(help, "mnuHelpAbout", QStringLiteral("О программе"), &Form1::mnuHelpAbout_Click);
}

void Form1::define_focus_order() {
    QWidget* order[] = {CmdOK, Picture1, Text2, Text1,    Text4,   Text5,
                        Text6, HScroll1, Text3, VScroll1, VScroll2};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void Form1::connect_handlers() {
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    connect(Text3, &QLineEdit::textChanged, this, [this] { Text3_Change(); });
    connect(Text4, &QLineEdit::textChanged, this, [this] { Text4_Change(); });
    connect(Text5, &QLineEdit::textChanged, this, [this] { Text5_Change(); });
    connect(Text6, &QLineEdit::textChanged, this, [this] { Text6_Change(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(VScroll2, &QScrollBar::valueChanged, this, [this] { VScroll2_Change(); });
    connect(CmdOK, &QPushButton::clicked, this, [this] { CmdOK_Click(); });
    Picture1->on_mouse_move = [this](double px, double py) {
        const QPointF p = surface_.to_user(px, py);
        const Qt::MouseButtons held = QApplication::mouseButtons();
        const Qt::KeyboardModifiers keys = QApplication::keyboardModifiers();
        Picture1_MouseMove(static_cast<int>(held.toInt()), static_cast<int>(keys.toInt()),
                           static_cast<float>(p.x()), static_cast<float>(p.y()));
    };
}

}  // namespace velantra
