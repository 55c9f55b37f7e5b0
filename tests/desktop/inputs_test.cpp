// What the desktop's inputs show and hand in: the logic's texts and values mirrored into
// the widgets, keystrokes with the caret where Qt leaves it or where a write-back puts it,
// the index message reached by typing, scroll keys and wheel, the read-only boxes, and the
// run's pixels in the back buffer.

#include <QAccessible>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

#include "model/scene.h"
#include "tests/desktop/window_rig.h"

using namespace velantra;
using namespace velantra::testing;

class InputsTest : public QObject {
    Q_OBJECT
  private slots:
    void widgets_show_the_start_up_state();
    void keystrokes_and_the_caret();
    void typing_an_index_violation();
    void wheel_and_home_end_follow_the_hand();
    void read_only_boxes_take_no_keys();
    void run_draws_over_the_frame_without_clearing();
};

void InputsTest::widgets_show_the_start_up_state() {
    Rig rig;
    QCOMPARE(rig.text("Text1"), QStringLiteral(" 1.000292"));
    QCOMPARE(rig.text("Text5"), QStringLiteral(" .6"));
    // What a screen reader reads out of the box.
    QCOMPARE(QAccessible::queryAccessibleInterface(rig.find<QLineEdit>("Text6"))
                 ->text(QAccessible::Value),
             QStringLiteral(" 45"));
    QCOMPARE(rig.find<QLabel>("Label7")->text(), QStringLiteral("n_otn(-1)=19.9895 "));
    QVERIFY(rig.find<QLabel>("Label9")->isVisible());
    QVERIFY(!rig.find<QLabel>("Label13")->isVisible());
    // Thumbs at the value's distance from the top (left) end.
    QCOMPARE(rig.find<QScrollBar>("HScroll1")->value(), 250);
    QCOMPARE(rig.find<QScrollBar>("VScroll1")->value(), 60 + 100);
    QCOMPARE(rig.find<QScrollBar>("VScroll2")->value(), 181 - 45);
    QCOMPARE(rig.logic().resize_passes(), 7);
}

void InputsTest::keystrokes_and_the_caret() {
    Rig rig;
    QLineEdit* text6 = rig.caret_at_end("Text6");
    const int before = rig.logic().resize_passes();
    QTest::keyClick(text6, Qt::Key_7);
    QCOMPARE(text6->text(), QStringLiteral(" 457"));
    QCOMPARE(rig.logic().resize_passes() - before, 1);
    QCOMPARE(text6->cursorPosition(), 4);
    QCOMPARE(QAccessible::queryAccessibleInterface(text6)->text(QAccessible::Value),
             QStringLiteral(" 457"));
    QCOMPARE(rig.logic().simulation().scene.a0.value(), 457.0);
    // A trailing zero: the write-back puts the caret at the start, so '1', '.', '5' typed over
    // the whole text end as 5.1, above nmin.
    QLineEdit* text1 = rig.caret_at_end("Text1");
    QTest::keyClick(text1, Qt::Key_0);
    QCOMPARE(text1->text(), QStringLiteral(" 1.000292"));
    QCOMPARE(text1->cursorPosition(), 0);
    text1->selectAll();
    QTest::keyClick(text1, Qt::Key_1);
    QCOMPARE(text1->text(), QStringLiteral(" 1"));
    QCOMPARE(text1->cursorPosition(), 0);
    QTest::keyClick(text1, Qt::Key_Period);
    QCOMPARE(text1->text(), QStringLiteral(" .1"));
    QVERIFY(rig.box.shown.empty());
    QTest::keyClick(text1, Qt::Key_5);
    QCOMPARE(rig.box.shown.size(), std::size_t{1});
    QCOMPARE(text1->text(), QStringLiteral(" 1.001"));
}

void InputsTest::typing_an_index_violation() {
    Rig rig;
    QLineEdit* text2 = rig.find<QLineEdit>("Text2");
    text2->setFocus();
    text2->selectAll();
    QTest::keyClick(text2, Qt::Key_Backspace);
    QCOMPARE(rig.box.shown.size(), std::size_t{1});
    QCOMPARE(q(rig.box.shown[0].title), QStringLiteral("Ошибка"));
    QCOMPARE(rig.tone.played.size(), std::size_t{1});
    QCOMPARE(text2->text(), QStringLiteral(" 1.333"));
    QCOMPARE(text2->cursorPosition(), 0);
}

void InputsTest::wheel_and_home_end_follow_the_hand() {
    Rig rig;
    auto wheel = [](QScrollBar* bar, QPoint turn) {
        QWheelEvent up(QPointF(2, 2), bar->mapToGlobal(QPointF(2, 2)), QPoint(), turn, Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &up);
    };
    auto wheel_up = [&](QScrollBar* bar) { wheel(bar, QPoint(0, 120)); };
    const int lines = QApplication::wheelScrollLines();
    Form1& f = rig.logic();
    auto* h = rig.find<QScrollBar>("HScroll1");
    auto* v1 = rig.find<QScrollBar>("VScroll1");
    auto* v2 = rig.find<QScrollBar>("VScroll2");
    // Wheel up: every thumb toward its top (left) end; on VScroll2 that raises the angle.
    wheel_up(h);
    QCOMPARE(f.HScroll1.value(), 250 - lines);
    wheel_up(v1);
    QCOMPARE(f.VScroll1.value(), 60 - lines);
    wheel_up(v2);
    QCOMPARE(f.VScroll2.value(), 45 + lines);
    // Home: the top (left) end, where VScroll2's 181 wraps to −179; End: the bottom end.
    QTest::keyClick(v2, Qt::Key_Home);
    QCOMPARE(f.VScroll2.value(), -179);
    QCOMPARE(v2->value(), 181 + 179);
    QTest::keyClick(v2, Qt::Key_End);
    QCOMPARE(f.VScroll2.value(), 179);
    QTest::keyClick(v2, Qt::Key_Up);
    QCOMPARE(f.VScroll2.value(), 180);
    // Qt takes no step of its own: the notch's lines go one by one through the wrap.
    wheel_up(v2);
    QCOMPARE(f.VScroll2.value(), 180 + lines - 360);
    QCOMPARE(v2->value(), 181 - f.VScroll2.value());
    QTest::keyClick(v1, Qt::Key_Left);
    QCOMPARE(f.VScroll1.value(), 60 - lines - 1);
    QTest::keyClick(v1, Qt::Key_Home);
    QCOMPARE(f.VScroll1.value(), -100);
    QTest::keyClick(h, Qt::Key_End);
    QCOMPARE(f.HScroll1.value(), 600);
    // The arrow keys go the way they point; with Ctrl or Alt held they are not the bar's.
    QTest::keyClick(h, Qt::Key_Left);
    QCOMPARE(f.HScroll1.value(), 599);
    QCOMPARE(rig.text("Text4"), QStringLiteral(" 5.99"));
    QTest::keyClick(h, Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(v1, Qt::Key_Home, Qt::AltModifier);
    QCOMPARE(f.HScroll1.value(), 599);
    QCOMPARE(f.VScroll1.value(), -100);
    // A tilt to the left moves the horizontal bar; a stroke that drifts across goes by the stroke.
    wheel(h, QPoint(120, 2));
    QCOMPARE(f.HScroll1.value(), 599 - lines);
    wheel(h, QPoint(2, -120));
    QCOMPARE(f.HScroll1.value(), 599);
    // A dragged thumb moves the value only when it is released.
    v1->setSliderDown(true);
    v1->setSliderPosition(150);
    QCOMPARE(f.VScroll1.value(), -100);
    v1->setSliderDown(false);
    QCOMPARE(f.VScroll1.value(), 50);
    QCOMPARE(v1->value(), 150);
}

void InputsTest::read_only_boxes_take_no_keys() {
    Rig rig;
    QLineEdit* text4 = rig.find<QLineEdit>("Text4");
    text4->setFocus();
    QTest::keyClicks(text4, "9");
    QCOMPARE(text4->text(), QStringLiteral(" 2.5"));
    QVERIFY(text4->isReadOnly());
}

void InputsTest::run_draws_over_the_frame_without_clearing() {
    Rig rig;
    auto red = [&] {
        int n = 0;
        const QImage& img = rig.form->picture().image();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (QColor(img.pixel(x, y)) == QColor(255, 0, 0)) ++n;
        return n;
    };
    QCOMPARE(red(), 0);
    QTest::mouseClick(rig.find<QWidget>("CmdOK"), Qt::LeftButton);
    QVERIFY(red() > 20);
    // Any change clears the run away.
    rig.find<QScrollBar>("VScroll2")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(red(), 0);
}

QTEST_MAIN(InputsTest)
#include "inputs_test.moc"
