// The start-up cascade, nested change handling, validation of the two index inputs and
// the scroll bars, with the message box and the tone answered by fakes.

#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

#include "model/scene.h"
#include "tests/window/window_rig.h"
#include "window/picture_box.h"

using namespace velantra;
using namespace velantra::testing;

namespace {

const QString kIndexText = QStringLiteral(
    "Показатель преломления вверху должен быть меньше, чем внизу! Не вводите заново, а исправьте!");

// Replaces a box's whole text as one edit, as a paste over a selection would.
void type_over(QLineEdit* box, const QString& text) {
    box->selectAll();
    box->insert(text);
}

}  // namespace

class InputsTest : public QObject {
    Q_OBJECT
  private slots:
    void start_up_state();
    void start_up_cascade_count();
    void canonical_keystroke_is_one_pass();
    void non_canonical_keystroke_nests_and_moves_caret();
    void index_violation_data();
    void index_violation();
    void replacement_that_still_breaks_the_rule_asks_twice();
    void clearing_text1_is_accepted();
    void out_of_range_numbers_keep_the_value();
    void nmax_is_single_precision();
    void angle_typed_beyond_180_leaves_scroll_bar();
    void angle_scroll_bar_wraps();
    void wheel_and_home_end_follow_the_hand();
    void position_scroll_bars_go_through_their_texts();
    void run_draws_over_the_frame_without_clearing();
};

void InputsTest::start_up_state() {
    Rig rig;
    QCOMPARE(rig.text("Text1"), QStringLiteral(" 1.000292"));
    QCOMPARE(rig.text("Text2"), QStringLiteral(" 1.3333"));
    QCOMPARE(rig.text("Text3"), QStringLiteral(" 1.4"));
    QCOMPARE(rig.text("Text4"), QStringLiteral(" 2.5"));
    QCOMPARE(rig.text("Text5"), QStringLiteral(" .6"));
    QCOMPARE(rig.text("Text6"), QStringLiteral(" 45"));
    QCOMPARE(rig.find<QScrollBar>("HScroll1")->value(), 250);
    QCOMPARE(rig.find<QScrollBar>("VScroll1")->value(), 60);
    QCOMPARE(rig.find<QScrollBar>("VScroll2")->value(), 45);
    QCOMPARE(rig.find<QLabel>("Label7")->text(), QStringLiteral("n_otn(-1)=19.9895 "));
    QCOMPARE(rig.find<QLabel>("Label9")->text(), QStringLiteral("a_p=48.611(131.389)"));
    QVERIFY(rig.find<QLabel>("Label9")->isVisible());
    QCOMPARE(rig.find<QLabel>("Label8")->text(), QStringLiteral("    "));
    QVERIFY(!rig.find<QLabel>("Label13")->isVisible());
    QCOMPARE(rig.find<QLabel>("Label12")->text(), QStringLiteral("Label12"));
    QCOMPARE(rig.find<QLabel>("Label15")->text(), QStringLiteral("Label15"));
    QVERIFY(rig.box.shown.empty());
    QVERIFY(rig.tone.played.empty());
    const Scene& s = rig.form->simulation().scene;
    QVERIFY(!s.a0.is_integer());  // read back from the text
    QCOMPARE(s.a0rad, 0.7853982f);
    QCOMPARE(s.X0, 2.5);
    QCOMPARE(s.Yo, 0.6);
}

void InputsTest::start_up_cascade_count() {
    Rig rig;
    // One pass from the first showing, one per box whose defined text differs; the scroll
    // bars' handlers find their texts equal and add none.
    QCOMPARE(rig.form->resize_passes(), 7);
}

void InputsTest::canonical_keystroke_is_one_pass() {
    Rig rig;
    QLineEdit* text6 = rig.caret_at_end("Text6");
    const int before = rig.form->resize_passes();
    QTest::keyClick(text6, Qt::Key_7);
    QCOMPARE(text6->text(), QStringLiteral(" 457"));
    QCOMPARE(rig.form->resize_passes() - before, 1);
    QCOMPARE(text6->cursorPosition(), 4);
    QCOMPARE(rig.form->simulation().scene.a0.value(), 457.0);
    QCOMPARE(rig.form->simulation().scene.a0rad, angle_rad(457));
}

void InputsTest::non_canonical_keystroke_nests_and_moves_caret() {
    Rig rig;
    QLineEdit* text1 = rig.caret_at_end("Text1");
    const int before = rig.form->resize_passes();
    // A trailing zero: the handler rewrites the text, the rewrite runs the handler again.
    QTest::keyClick(text1, Qt::Key_0);
    QCOMPARE(text1->text(), QStringLiteral(" 1.000292"));
    QCOMPARE(rig.form->resize_passes() - before, 2);
    QCOMPARE(text1->cursorPosition(), 0);
    // Typing over the whole text loses the leading blank; the caret then goes to the start,
    // so the next keys land before the number: '1', '.', '5' end as 5.1, above nmin.
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

void InputsTest::index_violation_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("n1");
    QTest::addColumn<double>("nmin");
    QTest::newRow("n1 equal to nmin") << "Text1"
                                      << " 1.3333"
                                      << " 1.001" << 1.001 << 1.3333;
    QTest::newRow("n1 above nmin") << "Text1"
                                   << "2"
                                   << " 1.001" << 1.001 << 1.3333;
    QTest::newRow("nmin cleared") << "Text2"
                                  << ""
                                  << " 1.333" << 1.000292 << 1.333;
    QTest::newRow("nmin below n1") << "Text2"
                                   << "1"
                                   << " 1.333" << 1.000292 << 1.333;
}

void InputsTest::index_violation() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(double, n1);
    QFETCH(double, nmin);
    Rig rig;
    type_over(rig.find<QLineEdit>(box.toLatin1().constData()), typed);
    QCOMPARE(rig.box.shown.size(), std::size_t{1});
    QCOMPARE(rig.box.shown[0].text, kIndexText);
    QCOMPARE(rig.box.shown[0].title, QStringLiteral("Ошибка"));
    QCOMPARE(rig.box.shown[0].buttons, Buttons::Ok);
    QCOMPARE(rig.tone.played.size(), std::size_t{1});
    QCOMPARE(rig.tone.played[0], std::make_pair(880, 300));
    QCOMPARE(rig.text(box.toLatin1().constData()), shown);
    QCOMPARE(rig.find<QLineEdit>(box.toLatin1().constData())->cursorPosition(), 0);
    QCOMPARE(rig.form->simulation().scene.n1, n1);
    QCOMPARE(rig.form->simulation().scene.nmin, nmin);
}

void InputsTest::replacement_that_still_breaks_the_rule_asks_twice() {
    Rig rig;
    // n1 just below nmin; nmin's replacement 1.333 then lies below n1.
    type_over(rig.find<QLineEdit>("Text1"), "1.3332");
    QVERIFY(rig.box.shown.empty());
    type_over(rig.find<QLineEdit>("Text2"), "");
    QCOMPARE(rig.box.shown.size(), std::size_t{2});
    QCOMPARE(rig.tone.played.size(), std::size_t{2});
    QCOMPARE(rig.text("Text2"), QStringLiteral(" 1.333"));
    QCOMPARE(rig.form->simulation().scene.nmin, 1.333);
    QCOMPARE(rig.form->simulation().scene.n1, 1.3332);

    // The same for n1: its replacement 1.001 is not below an nmin of 1.
    Rig low;
    type_over(low.find<QLineEdit>("Text1"), ".5");
    type_over(low.find<QLineEdit>("Text2"), "1");
    QVERIFY(low.box.shown.empty());
    type_over(low.find<QLineEdit>("Text1"), "2");
    QCOMPARE(low.box.shown.size(), std::size_t{2});
    QCOMPARE(low.text("Text1"), QStringLiteral(" 1.001"));
}

void InputsTest::clearing_text1_is_accepted() {
    Rig rig;
    type_over(rig.find<QLineEdit>("Text1"), "");
    QCOMPARE(rig.text("Text1"), QStringLiteral(" 0"));
    QCOMPARE(rig.form->simulation().scene.n1, 0.0);
    QVERIFY(rig.box.shown.empty());
}

void InputsTest::out_of_range_numbers_keep_the_value() {
    Rig rig;
    type_over(rig.find<QLineEdit>("Text1"), "1e999");
    QCOMPARE(rig.text("Text1"), QStringLiteral(" 1.000292"));
    QCOMPARE(rig.form->simulation().scene.n1, 1.000292);
    type_over(rig.find<QLineEdit>("Text3"), "1e39");
    QCOMPARE(rig.text("Text3"), QStringLiteral(" 1.4"));
    QCOMPARE(rig.form->simulation().scene.nmax, 1.4f);
    type_over(rig.find<QLineEdit>("Text6"), "-1e999");
    QCOMPARE(rig.text("Text6"), QStringLiteral(" 45"));
    QVERIFY(rig.box.shown.empty());
}

void InputsTest::nmax_is_single_precision() {
    Rig rig;
    type_over(rig.find<QLineEdit>("Text3"), "1.40000001");
    QCOMPARE(rig.text("Text3"), QStringLiteral(" 1.4"));
    type_over(rig.find<QLineEdit>("Text3"), "1,5");
    QCOMPARE(rig.text("Text3"), QStringLiteral(" 1"));
    QCOMPARE(rig.form->simulation().scene.nmax, 1.0f);
    type_over(rig.find<QLineEdit>("Text3"), "  2 5");
    QCOMPARE(rig.text("Text3"), QStringLiteral(" 25"));
}

void InputsTest::angle_typed_beyond_180_leaves_scroll_bar() {
    Rig rig;
    type_over(rig.find<QLineEdit>("Text6"), " 200");
    QCOMPARE(rig.form->simulation().scene.a0.value(), 200.0);
    QCOMPARE(rig.form->simulation().scene.a0rad, angle_rad(200));
    QCOMPARE(rig.find<QScrollBar>("VScroll2")->value(), 45);
    rig.find<QScrollBar>("VScroll2")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(rig.text("Text6"), QStringLiteral(" 46"));
}

void InputsTest::angle_scroll_bar_wraps() {
    Rig rig;
    QScrollBar* bar = rig.find<QScrollBar>("VScroll2");
    bar->setValue(180);
    QCOMPARE(rig.text("Text6"), QStringLiteral(" 180"));
    int before = rig.form->resize_passes();
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);  // upper arrow: 181 → −179
    QCOMPARE(bar->value(), -179);
    QCOMPARE(rig.text("Text6"), QStringLiteral("-179"));
    QCOMPARE(rig.form->simulation().scene.a0.value(), -179.0);
    QCOMPARE(rig.form->resize_passes() - before, 1);
    bar->setValue(-180);
    QCOMPARE(rig.text("Text6"), QStringLiteral("-180"));
    before = rig.form->resize_passes();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // lower arrow: −181 → 179
    QCOMPARE(bar->value(), 179);
    QCOMPARE(rig.text("Text6"), QStringLiteral(" 179"));
    QCOMPARE(rig.form->resize_passes() - before, 1);
    // A page toward the top end raises the angle by ten, like the upper arrow.
    bar->setValue(45);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(bar->value(), 55);
    QCOMPARE(rig.text("Text6"), QStringLiteral(" 55"));
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(bar->value(), 35);
    QCOMPARE(rig.text("Text6"), QStringLiteral(" 35"));
}

void InputsTest::wheel_and_home_end_follow_the_hand() {
    Rig rig;
    auto wheel_up = [](QScrollBar* bar) {
        QWheelEvent up(QPointF(2, 2), bar->mapToGlobal(QPointF(2, 2)), QPoint(), QPoint(0, 120),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &up);
        return bar->value();
    };
    const int lines = QApplication::wheelScrollLines();
    auto* h = rig.find<QScrollBar>("HScroll1");
    auto* v1 = rig.find<QScrollBar>("VScroll1");
    auto* v2 = rig.find<QScrollBar>("VScroll2");
    // Wheel up: every thumb toward its top (left) end; on VScroll2 that raises the angle.
    QCOMPARE(wheel_up(h), 250 - lines);
    QCOMPARE(wheel_up(v1), 60 - lines);
    QCOMPARE(wheel_up(v2), 45 + lines);
    // Home: the top (left) end, where VScroll2's 181 wraps to −179; End: the bottom end.
    QTest::keyClick(v2, Qt::Key_Home);
    QCOMPARE(v2->value(), -179);
    QTest::keyClick(v2, Qt::Key_End);
    QCOMPARE(v2->value(), 179);
    QTest::keyClick(v1, Qt::Key_Home);
    QCOMPARE(v1->value(), -100);
    QTest::keyClick(h, Qt::Key_End);
    QCOMPARE(h->value(), 600);
    // The arrow keys go the way they point.
    QTest::keyClick(h, Qt::Key_Left);
    QCOMPARE(h->value(), 599);
}

void InputsTest::position_scroll_bars_go_through_their_texts() {
    Rig rig;
    QScrollBar* h = rig.find<QScrollBar>("HScroll1");
    const int before = rig.form->resize_passes();
    h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(rig.text("Text4"), QStringLiteral(" 2.51"));
    QCOMPARE(rig.form->simulation().scene.X0, 2.51);
    QCOMPARE(rig.form->resize_passes() - before, 1);
    h->setValue(56);
    h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(rig.text("Text4"), QStringLiteral(" .57"));
    QCOMPARE(rig.form->simulation().scene.X0, 0.57);  // the text's value, not 57 × 0.01
    QVERIFY(57 * 0.01 != 0.57);
    h->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(rig.form->simulation().scene.X0, 1.07);
    QScrollBar* v = rig.find<QScrollBar>("VScroll1");
    v->setValue(-25);
    QCOMPARE(rig.text("Text5"), QStringLiteral("-.25"));
    QCOMPARE(rig.form->simulation().scene.Yo, -0.25);
    // Typing is refused in the read-only position boxes.
    QLineEdit* text4 = rig.find<QLineEdit>("Text4");
    text4->setFocus();
    QTest::keyClicks(text4, "9");
    QCOMPARE(text4->text(), QStringLiteral(" 1.07"));
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
    const int passes = rig.form->resize_passes();
    QTest::mouseClick(rig.find<QWidget>("CmdOK"), Qt::LeftButton);
    const int once = red();
    QVERIFY(once > 20);
    QCOMPARE(rig.form->resize_passes(), passes);
    QCOMPARE(rig.text("Text6"), QStringLiteral(" 45"));
    // Any change clears the run away.
    rig.find<QScrollBar>("VScroll2")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(red(), 0);
}

QTEST_MAIN(InputsTest)
#include "inputs_test.moc"
