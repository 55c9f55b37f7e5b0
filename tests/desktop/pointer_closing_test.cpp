// The pointer readout, the closing confirmation and the keyboard order.

#include <QLabel>
#include <QMouseEvent>
#include <utility>

#include "tests/desktop/window_rig.h"

using namespace velantra;
using namespace velantra::testing;

class PointerClosingTest : public QObject {
    Q_OBJECT
  private slots:
    void pointer_over_the_picture_reads_user_units();
    void closing_with_no_keeps_everything();
    void closing_with_yes_closes_authors_too();
    void focus_starts_at_the_button_where_enter_runs();
};

void PointerClosingTest::pointer_over_the_picture_reads_user_units() {
    Rig rig;
    PictureBox* picture = rig.form->picture_box();
    // Pixel (349, 0) is the middle of 698 pixels across, the top edge is y = −1.
    QMouseEvent move(QEvent::MouseMove, QPointF(349, 0), picture->mapToGlobal(QPointF(349, 0)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    QCOMPARE(rig.find<QLabel>("Label12")->text(), QStringLiteral("X=3.000 м"));
    QCOMPARE(rig.find<QLabel>("Label15")->text(), QStringLiteral("Y=-1.000 м"));
    QVERIFY(picture->hasMouseTracking());
    // Dragged beyond the left edge with a button held: a negative x.
    QMouseEvent drag(QEvent::MouseMove, QPointF(-70, 247), picture->mapToGlobal(QPointF(-70, 247)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &drag);
    QCOMPARE(rig.find<QLabel>("Label12")->text(), QStringLiteral("X=-0.602 м"));
    QCOMPARE(rig.find<QLabel>("Label15")->text(), QStringLiteral("Y=1.000 м"));
}

void PointerClosingTest::closing_with_no_keeps_everything() {
    Rig rig;
    QTest::mouseClick(rig.find<QWidget>("CmdOK"), Qt::LeftButton);
    const QImage before = rig.form->picture().image();
    const int passes = rig.logic().resize_passes();
    rig.box.answer = Answer::No;
    QVERIFY(!rig.form->close());
    QCOMPARE(rig.box.shown.size(), std::size_t{1});
    QCOMPARE(rig.box.shown[0].buttons, Buttons::YesNo);
    QVERIFY(rig.form->isVisible());
    QCOMPARE(rig.form->picture().image(), before);
    QCOMPARE(rig.logic().resize_passes(), passes);
    QCOMPARE(rig.text("Text1"), QStringLiteral(" 1.000292"));
    // Each request asks anew.
    QVERIFY(!rig.form->close());
    QCOMPARE(rig.box.shown.size(), std::size_t{2});
}

void PointerClosingTest::closing_with_yes_closes_authors_too() {
    Rig rig;
    rig.form->findChild<QAction*>("mnuHelpAvtors")->trigger();
    QWidget* authors = rig.form->authors().form2();
    QVERIFY(authors);
    QTRY_VERIFY(authors->isVisible());
    QCOMPARE(authors->windowHandle()->transientParent(), rig.form->windowHandle());
    rig.box.answer = Answer::Yes;
    QVERIFY(rig.form->close());
    QVERIFY(!rig.form->isVisible());
    QTRY_VERIFY(!rig.form->authors().form2() || !rig.form->authors().form2()->isVisible());
}

void PointerClosingTest::focus_starts_at_the_button_where_enter_runs() {
    Rig rig;
    rig.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(rig.form.get()));
    QTRY_COMPARE(QApplication::focusWidget(), rig.find<QWidget>("CmdOK"));
    // Enter, keypad Enter and Space on the focused ПУСК each draw the default ray.
    for (const auto& [key, modifier] :
         {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Enter, Qt::KeypadModifier},
          std::pair{Qt::Key_Space, Qt::NoModifier}}) {
        rig.logic().Form_Resize();
        const QImage frame = rig.form->picture().image();
        QTest::keyClick(QApplication::focusWidget(), key, modifier);
        QVERIFY2(rig.form->picture().image() != frame, qPrintable(QString::number(key)));
    }
    QStringList order;
    for (int i = 0; i < 11; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({"CmdOK", "Picture1", "Text2", "Text1", "Text4", "Text5", "Text6",
                                 "HScroll1", "Text3", "VScroll1", "VScroll2"}));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("CmdOK"));
}

QTEST_MAIN(PointerClosingTest)
#include "pointer_closing_test.moc"
