// The window as defined and as the layout pass arranges it at several client sizes.

#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <utility>

#include "tests/window/window_rig.h"
#include "window/picture_box.h"

using namespace velantra;
using namespace velantra::testing;

class LayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void definition_of_controls();
    void fonts_and_colours();
    void scroll_ranges();
    void menu_tree();
    void worked_example_data();
    void worked_example();
    void pixel_placement_at_creation();
    void widening_moves_the_right_column();
    void height_only_moves_the_bottom_row();
    void narrow_clamps_sizes_at_zero();
    void shape1_sits_on_the_start_point();
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
        QCOMPARE(w->accessibleDescription(), row.tooltip);
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
        QCOMPARE(bar->minimum(), r.low);
        QCOMPARE(bar->maximum(), r.high);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), r.page);
        QVERIFY(!bar->hasTracking());
    }
    // VScroll2 shows 181 at its top end.
    QScrollBar* angle = rig.find<QScrollBar>("VScroll2");
    QVERIFY(angle->invertedAppearance());
    angle->triggerAction(QAbstractSlider::SliderSingleStepSub);  // the upper arrow
    QCOMPARE(angle->value(), 46);
    angle->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the lower arrow
    angle->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(angle->value(), 44);
    angle->triggerAction(QAbstractSlider::SliderPageStepSub);  // the trough above the thumb
    QCOMPARE(angle->value(), 54);
    QScrollBar* yo = rig.find<QScrollBar>("VScroll1");
    yo->triggerAction(QAbstractSlider::SliderSingleStepSub);  // its upper arrow lowers Yo
    QCOMPARE(rig.form->simulation().scene.Yo, 0.59);
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
        QCOMPARE(rig.launcher.opened.size(), 1);
        QVERIFY2(rig.launcher.opened[0].endsWith(QString::fromLatin1(document)), action);
    }
    QVERIFY(rig.box.shown.empty());
    rig.form->findChild<QAction*>("mnuHelpAbout")->trigger();
    QCOMPARE(rig.box.shown.size(), std::size_t{1});
    QCOMPARE(rig.box.shown[0].title, QStringLiteral("О ПРОГРАММЕ"));
}

void LayoutTest::worked_example_data() {
    QTest::addColumn<QString>("name");
    for (const char* column : {"left", "top", "width", "height"}) QTest::addColumn<double>(column);
    auto row = [](const char* n, double l, double t, double w, double h) {
        QTest::newRow(n) << QString::fromLatin1(n) << l << t << w << h;
    };
    row("Label10", 725, 5, 130, 24);
    row("Label1", 725, 34, 60, 24);
    row("Text1", 785, 34, 60, 24);
    row("Label2", 725, 63, 60, 24);
    row("Text2", 785, 63, 60, 24);
    row("Label3", 725, 92, 60, 24);
    row("Text3", 785, 92, 60, 24);
    row("Label11", 725, 121, 120, 24);
    row("Label7", 725, 150, 120, 24);
    row("Label8", 725, 179, 120, 24);
    row("Label9", 725, 208, 120, 24);
    row("Label13", 720, 237, 140, 24);
    row("Label14", 720, 266, 140, 24);
    row("Picture1", 5, 5, 698, 698.0f / 3);
    row("VScroll1", 708, 5, 12, 698.0f / 3);
    row("HScroll1", 5, 242, 698, 12);
    row("Label4", 5, 259, 60, 24);
    row("Text4", 65, 259, 60, 24);
    row("Label5", 130, 259, 60, 24);
    row("Text5", 190, 259, 60, 24);
    row("Label6", 255, 259, 60, 24);
    row("Text6", 315, 259, 60, 24);
    row("VScroll2", 375, 259, 12, 24);
    row("Label12", 412, 259, 90, 24);
    row("Label15", 512, 259, 90, 24);
    row("CmdOK", 643, 259, 60, 24);
}

void LayoutTest::worked_example() {
    QFETCH(QString, name);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(double, width);
    QFETCH(double, height);
    Rig rig;
    QCOMPARE(rig.form->ScaleWidth(), 860.0f);
    QCOMPARE(rig.form->ScaleHeight(), 288.0f);
    const UnitRect r = rig.form->units_of(name);
    QCOMPARE(r.left, static_cast<float>(left));
    QCOMPARE(r.top, static_cast<float>(top));
    QCOMPARE(r.width, static_cast<float>(width));
    QCOMPARE(r.height, static_cast<float>(height));
}

void LayoutTest::pixel_placement_at_creation() {
    Rig rig;
    QCOMPARE(rig.find<QWidget>("Picture1")->geometry(), QRect(5, 5, 698, 247));
    QCOMPARE(rig.form->picture().image().size(), QSize(698, 247));
    QCOMPARE(rig.find<QWidget>("HScroll1")->geometry(), QRect(5, 257, 698, 13));
    QCOMPARE(rig.find<QWidget>("CmdOK")->geometry().topLeft(), QPoint(643, 275));
    QCOMPARE(rig.find<QWidget>("Label14")->geometry(), QRect(720, 283, 140, 26));
}

void LayoutTest::widening_moves_the_right_column() {
    Rig rig;
    const int before = rig.form->resize_passes();
    rig.client(960, 306);
    QVERIFY(rig.form->resize_passes() > before);
    QCOMPARE(rig.form->units_of("Label10").left, 825.0f);
    QCOMPARE(rig.form->units_of("Label13").left, 820.0f);
    QCOMPARE(rig.form->units_of("VScroll1").left, 808.0f);
    QCOMPARE(rig.form->units_of("CmdOK").left, 743.0f);
    QCOMPARE(rig.form->units_of("Picture1").width, 798.0f);
    QCOMPARE(rig.form->units_of("Picture1").height, 266.0f);
    QCOMPARE(rig.form->units_of("HScroll1").width, 798.0f);
    QCOMPARE(rig.form->units_of("Label12").left, 412.0f);
    QCOMPARE(rig.form->units_of("Text6").left, 315.0f);
    QCOMPARE(rig.form->picture().image().size(), rig.find<QWidget>("Picture1")->size());
}

void LayoutTest::height_only_moves_the_bottom_row() {
    Rig rig;
    rig.client(860, 500);
    const float sh = 500 / 1.0625f;
    QCOMPARE(rig.form->ScaleHeight(), sh);
    QCOMPARE(rig.form->units_of("Label4").top, sh - 29);
    QCOMPARE(rig.form->units_of("CmdOK").top, sh - 29);
    QCOMPARE(rig.form->units_of("HScroll1").top, sh - 46);
    QCOMPARE(rig.form->units_of("Picture1").height, 698.0f / 3);
    QCOMPARE(rig.form->units_of("Label10").top, 5.0f);
    QCOMPARE(rig.form->units_of("Label14").top, 266.0f);
    QCOMPARE(rig.form->units_of("CmdOK").left, 643.0f);
}

void LayoutTest::narrow_clamps_sizes_at_zero() {
    Rig rig;
    rig.form->setMinimumSize(0, 0);
    rig.client(162, 306);
    QCOMPARE(rig.form->units_of("Picture1").width, 0.0f);
    QCOMPARE(rig.form->units_of("Picture1").height, 0.0f);
    QCOMPARE(rig.form->units_of("VScroll1").height, 0.0f);
    QCOMPARE(rig.form->units_of("HScroll1").width, 0.0f);
    QCOMPARE(rig.form->units_of("Label10").left, 27.0f);
    rig.client(100, 306);
    QCOMPARE(rig.form->units_of("Picture1").width, 0.0f);
    QCOMPARE(rig.form->units_of("HScroll1").width, 0.0f);
    QCOMPARE(rig.form->units_of("CmdOK").left, 5.0f - 60.0f);
    QCOMPARE(rig.find<QWidget>("Picture1")->size(), QSize(0, 0));
    // Texts still canonical, nothing failed.
    QCOMPARE(rig.text("Text1"), QStringLiteral(" 1.000292"));
    rig.client(860, 306);
    QCOMPARE(rig.form->picture().image().size(), QSize(698, 247));
}

void LayoutTest::shape1_sits_on_the_start_point() {
    Rig rig;
    const QPointF centre = rig.form->picture().to_pixel(2.5, 0.6);
    const QRect shape = rig.find<QWidget>("Shape1")->geometry();
    QVERIFY(std::abs(shape.center().x() + 0.5 - centre.x()) <= 1.0);
    QVERIFY(std::abs(shape.center().y() + 0.5 - centre.y()) <= 1.0);
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
