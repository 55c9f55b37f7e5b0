// The picture of a prepared scene written without a window: the same drawing as the window's
// picture at that size, as SVG vectors with text and as PNG pixels.

#include "desktop/picture_file.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "tests/support/form_rig.h"
#include "tests/support/recording_surface.h"

using namespace velantra;
using namespace velantra::testing;

namespace {

const char* const kScene[] = {"--n1", "1.2", "--nmin", "1.5", "--x0", "3",
                              "--yo", "-.5", "--a0",   "135", "--run"};

CommandLine scene_line(std::vector<std::string> more = {}) {
    std::vector<std::string> args(std::begin(kScene), std::end(kScene));
    args.insert(args.end(), more.begin(), more.end());
    return command_line(args);
}

// The calls from the last clearing on: what the picture shows now.
std::vector<DrawCall> shown(const RecordingSurface& s) {
    std::size_t last = 0;
    for (std::size_t i = 0; i < s.calls.size(); ++i)
        if (s.calls[i].kind == DrawCall::Kind::Cls) last = i;
    return {s.calls.begin() + static_cast<std::ptrdiff_t>(last), s.calls.end()};
}

bool same(const DrawCall& a, const DrawCall& b) {
    return a.kind == b.kind && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 &&
           a.radius == b.radius && a.colour == b.colour && a.width == b.width &&
           a.current_x == b.current_x && a.current_y == b.current_y && a.text == b.text;
}

}  // namespace

class PictureFileTest : public QObject {
    Q_OBJECT
  private slots:
    void drawsWhatTheWindowShowsAtThatSize() {
        for (const int width : {698, 1000}) {
            FormRig rig;
            rig.form.client_resized(width + 162, kForm1.client_height);
            prepare_scene(rig.form, rig.box, scene_line().scene);
            RecordingSurface file;
            draw_picture(scene_line(), {width, width / 3}, file);
            const auto want = shown(rig.surface), got = shown(file);
            QCOMPARE(got.size(), want.size());
            QVERIFY(want.size() > 100);  // the frame and a run that refracts and reflects
            for (std::size_t i = 0; i < want.size(); ++i)
                QVERIFY2(same(got[i], want[i]), std::to_string(i).c_str());
        }
        const PictureSize defined = default_picture_size();
        QCOMPARE(defined.width, 698);
        QCOMPARE(defined.height, 247);
        // The start marker where the window puts Shape1, in the window's look.
        FormRig rig;
        prepare_scene(rig.form, rig.box, scene_line().scene);
        RecordingSurface file;
        const StartMarker marker = draw_picture(scene_line(), defined, file);
        QCOMPARE(marker.box, rig.form.Shape1.pixels());
        QVERIFY(marker.look == &rig.form.Shape1.def().shape);
    }

    void writesSvgAndPng() {
        QTemporaryDir dir;
        const std::string svg = dir.filePath("ray.svg").toStdString();
        const std::string png = dir.filePath("ray.png").toStdString();
        QVERIFY(write_picture(scene_line({"--picture", svg})));
        QFile file(QString::fromStdString(svg));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("viewBox=\"0 0 698 247\""));
        QVERIFY(text.contains("stroke=\"#ff0000\""));  // the ray, as vectors
        QVERIFY(text.contains(">0.50</text>") || text.contains(">0,50</text>"));
        // Named and described as the window's picture is after the same run, once, its words
        // as XML text.
        FormRig rig;
        prepare_scene(rig.form, rig.box, scene_line().scene);
        const std::string words = rig.form.description();
        QCOMPARE(words, "Луч уходит за верхний край рисунка в точке X = 3.50.");
        QCOMPARE(picture_words(scene_line(), false).description, words);
        QCOMPARE(text.count("<title>Здесь траектория луча</title>"), 1);
        QCOMPARE(text.count(QByteArray::fromStdString("<desc>" + words + "</desc>")), 1);

        QVERIFY(write_picture(scene_line({"--picture", png, "--size", "900x300"})));
        const QImage image(QString::fromStdString(png));
        QCOMPARE(image.size(), QSize(900, 300));
        QCOMPARE(image.text("Description").toStdString(), words);
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) red += image.pixel(x, y) == qRgb(255, 0, 0);
        QVERIFY(red > 200);
        int grey = 0;  // the start marker's fill
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                grey += image.pixel(x, y) == qRgb(128, 128, 128);
        QVERIFY(grey > 10);
        QVERIFY(!write_picture(
            scene_line({"--picture", dir.filePath("no/such/ray.png").toStdString()})));
    }
};

QTEST_MAIN(PictureFileTest)
#include "picture_file_test.moc"
