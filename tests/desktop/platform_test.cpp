// The real message box and tone behind the seams.

#include <QElapsedTimer>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "platform/desktop/message_box.h"
#include "platform/desktop/tone.h"
#include "tests/desktop/window_rig.h"

using namespace velantra;

namespace {

struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::Information;
    int buttons = 0;
    bool yes_default = false;
    bool escape = true;
    bool glyphs = true;
    QWindow* transient_parent = nullptr;
};

// Answers the next message box that opens, recording what it showed.
void answer_next(Seen& seen, QMessageBox::StandardButton press) {
    QTimer::singleShot(50, [&seen, press] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible()) continue;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttons = static_cast<int>(box->buttons().size());
            seen.yes_default = box->defaultButton() == box->button(QMessageBox::Yes);
            seen.escape = box->escapeButton() != nullptr;
            seen.transient_parent = box->windowHandle()->transientParent();
            const auto buttons = box->buttons();
            seen.glyphs = std::any_of(buttons.begin(), buttons.end(),
                                      [](const QAbstractButton* b) { return !b->icon().isNull(); });
            box->button(press)->click();
            return;
        }
    });
}

// A desktop style that puts glyphs on dialog buttons, as Qt's generic X11 theme does.
class GlyphButtonsStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 1;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QApplication::setStyle(new GlyphButtonsStyle); }
    void yes_no_box_without_icon();
    void ok_box();
    void tone_without_device_returns_soon();
};

void PlatformTest::yes_no_box_without_icon() {
    QtMessageBox box;
    Seen seen;
    answer_next(seen, QMessageBox::No);
    QCOMPARE(box.show("Вы абсолютно уверены?", "На Выход", Buttons::YesNo), Answer::No);
    QCOMPARE(seen.title, QStringLiteral("На Выход"));
    QCOMPARE(seen.text, QStringLiteral("Вы абсолютно уверены?"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, 2);
    QVERIFY(!seen.glyphs);
    QVERIFY(seen.yes_default);
    QVERIFY(!seen.escape);
    answer_next(seen, QMessageBox::Yes);
    QCOMPARE(box.show("?", "На Выход", Buttons::YesNo), Answer::Yes);
}

void PlatformTest::ok_box() {
    QWidget form1;
    form1.show();
    QtMessageBox box(&form1);
    Seen seen;
    answer_next(seen, QMessageBox::Ok);
    QCOMPARE(box.show("текст", "Ошибка", Buttons::Ok), Answer::Ok);
    QCOMPARE(seen.title, QStringLiteral("Ошибка"));
    QVERIFY(form1.windowHandle() && seen.transient_parent == form1.windowHandle());
    QCOMPARE(seen.buttons, 1);
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QVERIFY(!seen.glyphs);
}

void PlatformTest::tone_without_device_returns_soon() {
    AlsaTone tone;
    QElapsedTimer timer;
    timer.start();
    tone.play(880, 300);
    tone.play(880, 0);
    // With a device the tone blocks for its 300 ms; without one it returns at once.
    QVERIFY(timer.elapsed() < 2000);
}

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
