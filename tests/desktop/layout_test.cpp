// The window's widgets as defined, and where the layout pass puts them on the screen.

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <utility>

#include "desktop/accessibility.h"
#include "tests/desktop/window_rig.h"

using namespace velantra;
using namespace velantra::testing;

class LayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void definition_of_controls();
    void fonts_and_colours();
    void scroll_ranges();
    void what_assistive_technology_hears();
    void menu_tree();
    void pixel_placement_at_creation();
    void labels_lie_beneath_overlapping_controls();
};

void LayoutTest::definition_of_controls() {
    Rig rig;
    QCOMPARE(rig.form->windowTitle(), QStringLiteral("Velantra"));
    const Qt::WindowFlags flags = rig.form->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(rig.form->centralWidget()->size(), QSize(860, 306));

    struct Row {
        const char* name;
        QString tooltip;
    };
    const Row rows[] = {
        {"Picture1", QStringLiteral("Здесь траектория луча")},
        {"Text1", QStringLiteral("Показатель преломления верхней среды")},
        {"Text4", QStringLiteral("Начальная координата Х0 (Используйте горизонтальный скроллинг)")},
        {"Text6", QStringLiteral("Начальный угол входа луча (Используйте скроллинг справа. Можно "
                                 "уточнить вручную)")},
        {"CmdOK", QStringLiteral("Запуск (остановка) установки")},
        {"Label6", QStringLiteral("Начальный угол входа луча (Используйте скроллинг справа)")},
        {"Label12", QStringLiteral("Координата Х (м)")},
        {"Label15", QStringLiteral("Координата Y (м)")},
    };
    for (const Row& row : rows) {
        QWidget* w = rig.find<QWidget>(row.name);
        QVERIFY2(w, row.name);
        QCOMPARE(w->toolTip(), row.tooltip);
        // The picture is described in words of its own: the scene it shows.
        QCOMPARE(w->accessibleDescription(), std::string_view(row.name) == "Picture1"
                                                 ? q(rig.logic().description())
                                                 : row.tooltip);
    }
    QCOMPARE(rig.find<QPushButton>("CmdOK")->text(), QStringLiteral("ПУСК"));
    QCOMPARE(rig.find<QLabel>("Label4")->text(), QStringLiteral("Xо="));
    QCOMPARE(rig.find<QLabel>("Label5")->text(), QStringLiteral(" Yo="));
    QCOMPARE(rig.find<QLabel>("Label6")->text(), QStringLiteral("α0="));
    QCOMPARE(rig.find<QLabel>("Label6")->accessibleName(), QStringLiteral("α0="));
    QCOMPARE(rig.find<QLabel>("Label10")->text(), QStringLiteral("Параметры среды"));
    QVERIFY(rig.find<QLineEdit>("Text4")->isReadOnly());
    QVERIFY(rig.find<QLineEdit>("Text5")->isReadOnly());
    QVERIFY(!rig.find<QLineEdit>("Text6")->isReadOnly());
    QVERIFY(rig.find<QWidget>("Shape1")->parentWidget() == rig.form->picture_box());
    QCOMPARE(rig.find<QWidget>("Shape1")->size(), QSize(12, 12));
    // The two label groups keep one display attribute each.
    for (const char* name :
         {"Label7", "Label8", "Label9", "Label12", "Label13", "Label14", "Label15"})
        QCOMPARE(rig.find<QLabel>(name)->frameShape(), QFrame::Box);
    for (const char* name : {"Label4", "Label5", "Label6"})
        QVERIFY(rig.find<QLabel>(name)->alignment() & Qt::AlignRight);
}

void LayoutTest::fonts_and_colours() {
    Rig rig;
    const QFontInfo serif(rig.find<QLineEdit>("Text1")->font());
    QCOMPARE(serif.family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(rig.find<QLineEdit>("Text1")->font().pointSizeF(), 11.25);
    QCOMPARE(QFontInfo(rig.find<QLabel>("Label6")->font()).family(),
             QStringLiteral("Liberation Serif"));
    QVERIFY(rig.find<QLabel>("Label10")->font().bold());
    QVERIFY(rig.find<QPushButton>("CmdOK")->font().bold());
    QCOMPARE(rig.find<QPushButton>("CmdOK")->font().pointSizeF(), 8.25);
    QCOMPARE(rig.find<QLineEdit>("Text6")->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(rig.find<QLabel>("Label7")->palette().color(QPalette::Window), QColor(192, 255, 255));
    QCOMPARE(rig.find<QLabel>("Label1")->palette().color(QPalette::Window), QColor(224, 224, 224));
    QCOMPARE(rig.form->centralWidget()->palette().color(QPalette::Window), QColor(224, 224, 224));
    // What the window shows on the screen, menu bar excluded.
    const QImage shot = rig.form->centralWidget()->grab().toImage();
    QCOMPARE(QColor(shot.pixel(710, 300)), QColor(224, 224, 224));
}

void LayoutTest::scroll_ranges() {
    Rig rig;
    struct Row {
        const char* name;
        int low, high, page;
    };
    for (const Row& r : {Row{"HScroll1", 0, 600, 50}, Row{"VScroll1", -100, 100, 50},
                         Row{"VScroll2", -181, 181, 10}}) {
        QScrollBar* bar = rig.find<QScrollBar>(r.name);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), r.high - r.low);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), r.page);
        QVERIFY(!bar->hasTracking());
    }
    // VScroll2 shows 181 at its top end.
    QScrollBar* angle = rig.find<QScrollBar>("VScroll2");
    const ScrollBar& a0 = rig.logic().VScroll2;
    angle->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the upper arrow
    QCOMPARE(a0.value(), 46);
    angle->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the lower arrow
    angle->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(a0.value(), 44);
    angle->triggerAction(QAbstractSlider::SliderPageStepSub);  // the trough above the thumb
    QCOMPARE(a0.value(), 54);
    QScrollBar* yo = rig.find<QScrollBar>("VScroll1");
    yo->triggerAction(QAbstractSlider::SliderSingleStepSub);  // its upper arrow lowers Yo
    QCOMPARE(rig.logic().simulation().scene.Yo, 0.59);
    // The thumb stands where the value lies between the two ends.
    QCOMPARE(yo->value(), 59 + 100);
    QCOMPARE(angle->value(), 181 - 54);
}

void LayoutTest::what_assistive_technology_hears() {
    Rig rig;
    const auto hears = [&rig](const char* name) {
        return QAccessible::queryAccessibleInterface(rig.find<QWidget>(name));
    };
    for (const Control* c : rig.logic().controls()) {
        const Accessible a = accessible(*c);
        if (a.role == AccessibleRole::Hidden) continue;
        QAccessibleInterface* heard = hears(c->name());
        QCOMPARE(heard->role(), role_of(a.role));
        QCOMPARE(heard->text(QAccessible::Name), q(a.name));
        QCOMPARE(heard->text(QAccessible::Description),
                 c == &rig.logic().Picture1 ? q(rig.logic().description()) : q(a.description));
    }
    // Names in the window's own words: a scroll bar's says what it sets.
    const std::pair<const char*, QString> names[] = {
        {"Picture1", QStringLiteral("Здесь траектория луча")},
        {"Text1", QStringLiteral("Показатель преломления верхней среды")},
        {"Text4", QStringLiteral("Начальная координата Х0")},
        {"HScroll1", QStringLiteral("Начальная координата Х0")},
        {"VScroll1", QStringLiteral("Начальная координата Yo")},
        {"VScroll2", QStringLiteral("Начальный угол входа луча")},
        {"CmdOK", QStringLiteral("ПУСК")},
        {"Label7", QStringLiteral("n_otn(-1)=19.9895 ")}};
    for (const auto& [name, heard] : names) QCOMPARE(hears(name)->text(QAccessible::Name), heard);
    QCOMPARE(hears("Picture1")->role(), QAccessible::Graphic);
    // The bars' own ranges and values, not the thumb's positions.
    struct Row {
        const char* name;
        int low, high, value;
    };
    for (const Row& r : {Row{"HScroll1", 0, 600, 250}, Row{"VScroll1", -100, 100, 60},
                         Row{"VScroll2", -181, 181, 45}}) {
        QAccessibleValueInterface* bar = hears(r.name)->valueInterface();
        QVERIFY2(bar, r.name);
        QCOMPARE(bar->minimumValue().toInt(), r.low);
        QCOMPARE(bar->maximumValue().toInt(), r.high);
        QCOMPARE(bar->currentValue().toInt(), r.value);
    }
    rig.find<QScrollBar>("VScroll2")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(hears("VScroll2")->text(QAccessible::Value), QStringLiteral("46"));
    // A value set by a screen reader moves the angle itself.
    hears("VScroll2")->valueInterface()->setCurrentValue(-30);
    QCOMPARE(rig.logic().simulation().scene.a0.value(), -30.0);
    // The picture's words follow the scene, and after ПУСК tell the run.
    const QString scene = hears("Picture1")->text(QAccessible::Description);
    QVERIFY(scene.contains(QStringLiteral("α0 = -30°")));
    rig.find<QPushButton>("CmdOK")->click();
    QCOMPARE(hears("Picture1")->text(QAccessible::Description), q(rig.logic().description()));
    QVERIFY(hears("Picture1")->text(QAccessible::Description) != scene);
}

void LayoutTest::menu_tree() {
    Rig rig;
    const QList<QAction*> top = rig.form->menuBar()->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top[0]->text(), QStringLiteral("&Файл"));
    QCOMPARE(top[1]->text(), QStringLiteral("&Помощь"));
    QStringList file, help;
    for (QAction* a : top[0]->menu()->actions()) file << (a->isSeparator() ? "-" : a->text());
    for (QAction* a : top[1]->menu()->actions()) help << (a->isSeparator() ? "-" : a->text());
    QCOMPARE(file, QStringList({"&Теория", "&Показатель преломления соль и сахар",
                                "&Показатели преломления разных веществ", "-", "Снеллиус"}));
    QCOMPARE(help, QStringList({"Инструкция", "Управление", "-", "Авторы", "О программе"}));
    // Each entry opens its own document: a crossed wire would open the wrong one.
    const std::pair<const char*, const char*> documents[] = {
        {"mnuFilespravka", "/spravka.pdf"},         {"mnuFilespravka2", "/spravka2.pdf"},
        {"mnuFilespravka3", "/spravka3.pdf"},       {"mnuFilesHistory1", "/Snell.pdf"},
        {"mnuHelpInstruction", "/instruction.txt"}, {"mnuHelpUprav", "/uprav.pdf"}};
    for (const auto& [action, document] : documents) {
        QAction* entry = rig.form->findChild<QAction*>(QString::fromLatin1(action));
        QVERIFY2(entry, action);
        rig.launcher.opened.clear();
        entry->trigger();
        QCOMPARE(rig.launcher.opened.size(), std::size_t{1});
        QVERIFY2(rig.launcher.opened[0].ends_with(document), action);
    }
    QVERIFY(rig.box.shown.empty());
    rig.form->findChild<QAction*>("mnuHelpAbout")->trigger();
    QCOMPARE(rig.box.shown.size(), std::size_t{1});
    QCOMPARE(q(rig.box.shown[0].title), QStringLiteral("О ПРОГРАММЕ"));
}

void LayoutTest::pixel_placement_at_creation() {
    Rig rig;
    QCOMPARE(rig.find<QWidget>("Picture1")->geometry(), QRect(5, 5, 698, 247));
    QCOMPARE(rig.form->picture().image().size(), QSize(698, 247));
    QCOMPARE(rig.find<QWidget>("HScroll1")->geometry(), QRect(5, 257, 698, 13));
    QCOMPARE(rig.find<QWidget>("CmdOK")->geometry().topLeft(), QPoint(643, 275));
    QCOMPARE(rig.find<QWidget>("Label14")->geometry(), QRect(720, 283, 140, 26));
    // Wider: the back buffer follows the picture.
    rig.client(960, 306);
    QCOMPARE(rig.find<QWidget>("Picture1")->size(), QSize(798, 283));
    QCOMPARE(rig.form->picture().image().size(), QSize(798, 283));
}

void LayoutTest::labels_lie_beneath_overlapping_controls() {
    Rig rig;
    const QWidget* client = rig.form->centralWidget();
    auto* button = rig.find<QWidget>("CmdOK");
    rig.client(800, 500);
    QVERIFY(button->geometry().intersects(rig.find<QWidget>("Label15")->geometry()));
    // The whole face of ПУСК answers clicks, the strip over Label15 too.
    const QRect face = button->geometry();
    for (int x = face.left(); x <= face.right(); ++x)
        QCOMPARE(client->childAt(x, face.center().y()), button);
    // Wide and low: the picture reaches into the bottom row and covers its captions.
    rig.client(1400, 300);
    const QPoint caption = rig.find<QWidget>("Label4")->geometry().center();
    QCOMPARE(client->childAt(caption), rig.find<QWidget>("Picture1"));
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
