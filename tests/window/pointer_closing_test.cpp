// The pointer readout, the closing confirmation and the keyboard order.

#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <utility>

#include "tests/window/window_rig.h"
#include "window/picture_box.h"

using namespace velantra;
using namespace velantra::testing;

class PointerClosingTest : public QObject {
    Q_OBJECT
  private slots:
    void readout_formats_metres_data();
    void readout_formats_metres();
    void readout_uses_the_regional_separator();
    void pointer_over_the_picture_reads_user_units();
    void readout_survives_a_redraw();
    void closing_with_no_keeps_everything();
    void closing_with_yes_closes_authors_too();
    void focus_starts_at_the_button_where_enter_runs();
};

void PointerClosingTest::readout_formats_metres_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("label12");
    QTest::addColumn<QString>("label15");
    QTest::newRow("in the lower medium") << 2.5f << 0.6f << "X=2.500 м"
                                         << "Y=0.600 м";
    QTest::newRow("above the boundary") << 1.0f << -0.25f << "X=1.000 м"
                                        << "Y=-0.250 м";
    QTest::newRow("left of the picture") << -0.0104f << 0.0f << "X=-0.010 м"
                                         << "Y=0.000 м";
    QTest::newRow("just above the boundary") << 0.0004f << -0.0004f << "X=0.000 м"
                                             << "Y=-0.000 м";
}

void PointerClosingTest::readout_formats_metres() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, label12);
    QFETCH(QString, label15);
    Rig rig;
    rig.form->Picture1_MouseMove(0, 0, x, y);
    QCOMPARE(rig.find<QLabel>("Label12")->text(), label12);
    QCOMPARE(rig.find<QLabel>("Label15")->text(), label15);
    QCOMPARE(rig.find<QLabel>("Label12")->accessibleName(), label12);
}

void PointerClosingTest::readout_uses_the_regional_separator() {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        Rig rig;
        rig.form->Picture1_MouseMove(0, 0, 2.5f, 0.6f);
        QCOMPARE(rig.find<QLabel>("Label12")->text(), QStringLiteral("X=2,500 м"));
        // The input boxes keep "." whatever the region.
        QCOMPARE(rig.text("Text5"), QStringLiteral(" .6"));
    }
    QLocale::setDefault(saved);
}

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

void PointerClosingTest::readout_survives_a_redraw() {
    Rig rig;
    rig.form->Picture1_MouseMove(0, 0, 2.5f, 0.6f);
    rig.form->Form_Resize();
    rig.client(900, 320);
    QCOMPARE(rig.find<QLabel>("Label12")->text(), QStringLiteral("X=2.500 м"));
}

void PointerClosingTest::closing_with_no_keeps_everything() {
    Rig rig;
    QTest::mouseClick(rig.find<QWidget>("CmdOK"), Qt::LeftButton);
    const QImage before = rig.form->picture().image();
    const int passes = rig.form->resize_passes();
    rig.box.answer = Answer::No;
    QVERIFY(!rig.form->close());
    QCOMPARE(rig.box.shown.size(), std::size_t{1});
    QCOMPARE(rig.box.shown[0].text, QStringLiteral("Вы абсолютно уверены?"));
    QCOMPARE(rig.box.shown[0].title, QStringLiteral("На Выход"));
    QCOMPARE(rig.box.shown[0].buttons, Buttons::YesNo);
    QVERIFY(rig.form->isVisible());
    QCOMPARE(rig.form->picture().image(), before);
    QCOMPARE(rig.form->resize_passes(), passes);
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
        rig.form->Form_Resize();
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
