// The picture as shown on screen: what a run has drawn is there before its message box opens;
// at any device pixel ratio (QT_SCALE_FACTOR) lines stay sharp while the marker and pointer
// readout keep their user units; on a second screen (two_screens.json) it is drawn anew.

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "tests/desktop/window_rig.h"

using namespace velantra;
using namespace velantra::testing;

namespace {

QPoint picture_origin(Form1Window& form) {
    return form.picture_box()->mapTo(&form, QPoint(0, 0)) * form.devicePixelRatioF();
}

// The picture as the screen holds it (the window's backing store), in device pixels. Above
// ratio 1, Qt 6.4's offscreen grab gives only the window's logical size in device pixels:
// the top-left part of the picture, which callers compare.
QImage on_screen(Form1Window& form) {
    const QImage window = form.screen()->grabWindow(form.winId()).toImage();
    const QSize size = form.picture_box()->size() * form.devicePixelRatioF();
    return window.copy(QRect(picture_origin(form), size) & window.rect());
}

int red_pixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFFu) == 0xFF0000u;
    return n;
}

// Like a real modal box, runs the event loop while open; counts the red then on screen and
// in the same part of the back buffer.
class LookingBox : public FakeBox {
  public:
    Form1Window* form = nullptr;
    int seen = 0, drawn = 0;
    Answer show(const std::string& text, const std::string& title, Buttons buttons) override {
        QTest::qWait(50);
        const QImage part = on_screen(*form);
        seen = red_pixels(part);
        drawn = red_pixels(form->picture().image().copy(part.rect()));
        return FakeBox::show(text, title, buttons);
    }
};

}  // namespace

class PictureTest : public QObject {
    Q_OBJECT
  private slots:
    void the_ray_is_on_screen_before_the_message();
    void a_grid_line_is_sharp_at_the_screen_ratio();
    void marker_and_readout_keep_user_units();
    void another_screen_redraws_at_its_ratio();
};

void PictureTest::the_ray_is_on_screen_before_the_message() {
    LookingBox box;
    FakeTone tone;
    FakeLauncher launcher;
    Form1Window form(box, tone, launcher);
    box.form = &form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral(".5"));
    form.form().HScroll1.set_value(50);
    form.form().VScroll1.set_value(-50);
    form.findChild<QLineEdit*>(QStringLiteral("Text6"))->setText(QStringLiteral("60"));
    QTest::qWait(50);
    QCOMPARE(red_pixels(on_screen(form)), 0);
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CmdOK")), Qt::LeftButton);
    QCOMPARE(box.shown.size(), size_t{1});
    QCOMPARE(q(box.shown[0].title), QStringLiteral("Информация"));
    // All of it, but for what the start marker (12 × 12) covers.
    const double ratio = form.devicePixelRatioF();
    QVERIFY(box.drawn > 50);
    QVERIFY2(
        box.seen >= box.drawn - 144 * ratio * ratio,
        qPrintable(QStringLiteral("%1 of %2 red pixels on screen").arg(box.seen).arg(box.drawn)));
}

void PictureTest::a_grid_line_is_sharp_at_the_screen_ratio() {
    Rig rig;
    QTest::qWait(50);
    const QImage shown = on_screen(*rig.form);
    const QImage& buffer = rig.form->picture().image();
    const double ratio = rig.form->devicePixelRatioF();
    // The screen shows the back buffer as it is, not resampled (but for the start marker).
    const QRect marker(rig.find<QWidget>("Shape1")->pos() * ratio, QSize(14, 14) * ratio);
    int moved = 0, finer = 0;
    // Detail finer than a picture pixel (text, slanted lines): neighbouring device columns
    // that a magnified picture would fill from one picture pixel differ somewhere.
    const int origin = picture_origin(*rig.form).x();
    auto source = [&](int x) { return qFloor((origin + x) / ratio); };
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            moved += !marker.contains(x, y) && shown.pixel(x, y) != buffer.pixel(x, y);
            finer += x + 1 < shown.width() && source(x) == source(x + 1) &&
                     shown.pixel(x, y) != shown.pixel(x + 1, y);
        }
    // Each vertical grid line on a white row: the same whole device columns, of its colour.
    QSet<int> widths;
    int off_colour = 0;
    for (double gx = 0.5; gx < 6; gx += 0.5) {
        const QPointF at = rig.form->picture().to_pixel(gx, -0.7) * ratio;
        int covered = 0;
        for (int x = static_cast<int>(at.x() - 4 * ratio); x <= at.x() + 4 * ratio; ++x) {
            const QRgb c = buffer.pixel(x, static_cast<int>(at.y())) & 0xFFFFFFu;
            covered += c != 0xFFFFFFu;
            off_colour += c != 0xFFFFFFu && c != 0x80FF80u;
        }
        widths.insert(covered);
    }
    // Down the lower medium each row has a strip's colour, at most one step on (or grid).
    const QPointF top = rig.form->picture().to_pixel(0.75, 0) * ratio;
    int strips_amiss = 0, last = -1;
    for (int y = static_cast<int>(top.y()) + qCeil(ratio) + 1; y < buffer.height() - 2; ++y) {
        const QRgb c = buffer.pixel(static_cast<int>(top.x()), y) & 0xFFFFFFu;
        const int red = c == 0x80FF80u ? -1 : qRed(c);
        strips_amiss += red >= 0 && ((c & 0xFFFFu) != 0xFFFFu || red > 200 || red < 100 ||
                                     (last >= 0 && red != last && red != last - 1));
        last = red;
    }
    qInfo("ratio %.2f: lines %d wide, %d off colour, %d strip rows amiss, %d finer, %d moved",
          ratio, *widths.begin(), off_colour, strips_amiss, finer, moved);
    QCOMPARE(widths.size(), 1);
    QVERIFY(*widths.begin() >= qFloor(ratio) && *widths.begin() <= qCeil(ratio));
    QCOMPARE(off_colour, 0);
    QCOMPARE(strips_amiss, 0);
    QCOMPARE(moved, 0);
    if (ratio > 1) QVERIFY(finer > 100);
}

void PictureTest::marker_and_readout_keep_user_units() {
    Rig rig;
    const QPointF start = rig.form->picture().to_pixel(2.5, 0.6);
    const QPointF shape = QRectF(rig.find<QWidget>("Shape1")->geometry()).center();
    QVERIFY((shape - start).manhattanLength() <= 2.0);
    PictureBox* picture = rig.form->picture_box();
    const QPointF at = rig.form->picture().to_pixel(1.5, -0.7);
    QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(picture, &move);
    QCOMPARE(rig.find<QLabel>("Label12")->text(), QStringLiteral("X=1.500 м"));
    QCOMPARE(rig.find<QLabel>("Label15")->text(), QStringLiteral("Y=-0.700 м"));
}

void PictureTest::another_screen_redraws_at_its_ratio() {
    if (QGuiApplication::screens().size() < 2) QSKIP("one screen");
    Rig rig;
    rig.form->windowHandle()->setScreen(QGuiApplication::screens().at(1));
    QCOMPARE(rig.form->picture().ratio(), 1.5);
    const QPointF axis = rig.form->picture().to_pixel(3, 0) * 1.5;
    QCOMPARE(rig.form->picture().image().pixel(axis.toPoint()) & 0xFFFFFFu, 0u);
}

QTEST_MAIN(PictureTest)
#include "picture_test.moc"
