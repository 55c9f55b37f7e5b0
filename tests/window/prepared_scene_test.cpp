// A scene prepared in the address or on the command line: what is read, what is named as not
// understood, and the window it gives through the paths a user's input takes.

#include "window/prepared_scene.h"

#include <gtest/gtest.h>

#include "desktop/command_line.h"
#include "tests/support/form_rig.h"

using namespace velantra;
using namespace velantra::testing;

namespace {

const std::optional<std::string>& value(const PreparedScene& s, std::string_view key) {
    return s.value(key);
}

TEST(PreparedScene, AddressIsReadInAnyCaseAndOrderAndNamesWhatItCannotRead) {
    const auto s =
        scene_from_address("#A0=-30&RUN&n1=1.2&Yo=.5&x0=%32&nMax=1.6&nmin=1.5&nmin=1.55");
    EXPECT_EQ(value(s, "a0"), "-30");
    EXPECT_EQ(value(s, "x0"), "2");       // %32 is "2"
    EXPECT_EQ(value(s, "nmin"), "1.55");  // the last one given
    EXPECT_TRUE(value(s, "run"));
    EXPECT_TRUE(s.problems.empty());

    const auto bad = scene_from_address(
        "colour=red&n1&a0=45deg&x0=%zz&&yo=1e&n1=" + std::string(100, '1') + "&<b>=\x01&lang=de");
    ASSERT_EQ(bad.problems.size(), 8u);
    EXPECT_EQ(
        bad.problems[0],
        "Неизвестный параметр адреса: «colour=red». Известны n1, nmin, nmax, x0, yo, a0 и run.");
    EXPECT_EQ(bad.problems[1], "У параметра «n1» нет значения.");
    EXPECT_EQ(bad.problems[2], "Значение «a0» не число: «45deg».");
    EXPECT_EQ(bad.problems[3], "Часть адреса не прочитана: «x0=%zz».");
    EXPECT_EQ(bad.problems[4], "Значение «yo» не число: «1e».");
    EXPECT_EQ(bad.problems[5], "Значение «n1» не число: «" + std::string(40, '1') + "…».");
    EXPECT_EQ(bad.problems[6].rfind("Неизвестный параметр адреса: «<b>=?»", 0), 0u);
    EXPECT_EQ(bad.problems[7], "Неизвестный язык: «de». Известны ru и en.");
    EXPECT_FALSE(value(bad, "a0"));
    EXPECT_TRUE(scene_from_address("").empty());
}

TEST(PreparedScene, CommandLineTakesTheSameKeysAndItsOwnOptions) {
    const auto line = command_line({"--n1", "1.2", "--nmin=1.5", "--a0", "-30", "--run",
                                    "--LANG=EN", "--picture", "ray.svg", "--size", "800x300"});
    EXPECT_EQ(value(line.scene, "n1"), "1.2");
    EXPECT_EQ(value(line.scene, "nmin"), "1.5");
    EXPECT_EQ(value(line.scene, "a0"), "-30");
    EXPECT_TRUE(value(line.scene, "run"));
    EXPECT_EQ(value(line.scene, "lang"), "en");
    EXPECT_EQ(line.picture, "ray.svg");
    EXPECT_EQ(command_line({"--picture", "RAY.PNG"}).format, PictureFormat::Png);
    EXPECT_EQ(line.width, 800);
    EXPECT_EQ(line.height, 300);
    EXPECT_TRUE(line.scene.problems.empty());
    EXPECT_TRUE(command_line({"--version"}).version);
    EXPECT_TRUE(command_line({"--help"}).help);

    const std::pair<std::vector<std::string>, std::string> bad[] = {
        {{"--colour", "red"}, "Неизвестный параметр: «--colour» (velantra --help их перечисляет)."},
        {{"--n1"}, "Параметру «--n1» не хватает значения."},
        {{"--x0", "two"}, "Значение «--x0» не число: «two»."},
        {{"--size", "0x10"},
         "Размер «0x10» не понят: нужно ШИРИНАxВЫСОТА в пикселях, до 8192, например 698x247."},
        {{"--picture", "ray.gif"}, "ray.gif: рисунок пишется в файл .svg или .png"},
        {{"--picture=svg.d/ray"}, "svg.d/ray: рисунок пишется в файл .svg или .png"},
        {{"--picture="}, "Параметру «--picture» нужно имя файла."},
        {{"--lang", "en_US"}, "Неизвестный язык: «en_US». Известны ru и en."},
    };
    for (const auto& [args, problem] : bad) {
        const auto l = command_line(args);
        ASSERT_EQ(l.scene.problems.size(), 1u) << args[0];
        EXPECT_EQ(l.scene.problems[0], problem);
    }
}

TEST(PreparedScene, GoesInAsTypedInAnOrderTheIndexRuleLetsThrough) {
    FormRig rig;
    // nmin below today's n1 but above the new one: n1 has to come down first.
    prepare_scene(rig.form, rig.box,
                  scene_from_address("nmin=1.0001&n1=1&nmax=1.6&x0=2.345&yo=-.5&a0=-30"));
    EXPECT_TRUE(rig.box.shown.empty());
    EXPECT_EQ(rig.text("Text1"), " 1");
    EXPECT_EQ(rig.text("Text2"), " 1.0001");
    EXPECT_EQ(rig.text("Text3"), " 1.6");
    EXPECT_EQ(rig.form.HScroll1.value(), 235);  // on the bar's step
    EXPECT_EQ(rig.text("Text4"), " 2.35");
    EXPECT_EQ(rig.form.VScroll1.value(), -50);
    EXPECT_EQ(rig.text("Text6"), "-30");
    EXPECT_EQ(scene_address(rig.form), "n1=1&nmin=1.0001&nmax=1.6&x0=2.35&yo=-.5&a0=-30");
    EXPECT_EQ(inconsistency(rig.form), "");

    // A run shows in the address until the next change; a start beyond the bar stops at its end.
    prepare_scene(rig.form, rig.box, scene_from_address("x0=99&run"));
    EXPECT_EQ(rig.text("Text4"), " 6");
    EXPECT_EQ(scene_address(rig.form), "n1=1&nmin=1.0001&nmax=1.6&x0=6&yo=-.5&a0=-30&run");
    rig.type_over("Text6", "10");
    EXPECT_EQ(scene_address(rig.form), "n1=1&nmin=1.0001&nmax=1.6&x0=6&yo=-.5&a0=10");
}

TEST(PreparedScene, ARejectedValueBringsTheTypingMessageAfterTheProblems) {
    FormRig rig;
    prepare_scene(rig.form, rig.box, scene_from_address("n1=1.5&bogus=1"));
    ASSERT_EQ(rig.box.shown.size(), 2u);
    EXPECT_EQ(rig.box.shown[0].title, "Ошибка");
    EXPECT_EQ(rig.box.shown[0].text.rfind("Неизвестный параметр адреса: «bogus=1»", 0), 0u);
    EXPECT_EQ(rig.box.shown[1].title, "Ошибка");  // the index rule's own message
    EXPECT_EQ(rig.tone.played.size(), 1u);
    EXPECT_EQ(rig.text("Text1"), " 1.001");
}

}  // namespace

TEST(PreparedScene, TheAddressFollowsTheSceneOnScreenNeverARedrawAlone) {
    const std::string start = "n1=1.000292&nmin=1.3333&nmax=1.4&x0=2.5&yo=.6&a0=45";
    FormRig rig;
    AddressFollower address(rig.form);
    rig.form.resolution_changed(2);  // a phone turned, a zoom
    rig.form.client_resized(500, 300);
    rig.form.pointer_moved(50, 50);
    EXPECT_EQ(address.next(rig.form), "");
    rig.form.CmdOK_Click();
    EXPECT_EQ(address.next(rig.form), start + "&run");
    EXPECT_EQ(address.next(rig.form), "");
    rig.form.client_resized(600, 300);  // the redraw erases the run
    EXPECT_EQ(address.next(rig.form), start);
    // An address applied is written back in its canonical form, though it names the same scene.
    prepare_scene(rig.form, rig.box, scene_from_address("A0=45.0"));
    address.prepared();
    EXPECT_EQ(address.next(rig.form), start);
    EXPECT_EQ(address.next(rig.form), "");
    // A language the link named stays in the address, past the student's changes.
    address.prepared(true);
    EXPECT_EQ(address.next(rig.form), "lang=ru&" + start);
    rig.form.CmdOK_Click();
    EXPECT_EQ(address.next(rig.form), "lang=ru&" + start + "&run");

    // Made before the window's first layout, it takes the scene the layout shows as the opening.
    Form1 form(rig.surface, rig.view, Platform{rig.box, rig.tone, rig.launcher, rig.authors});
    AddressFollower early(form);
    EXPECT_EQ(early.next(form), "");
    form.client_resized(kForm1.client_width, kForm1.client_height);
    EXPECT_EQ(early.next(form), "");
    form.typed(form.Text6, "30", 2);
    EXPECT_EQ(early.next(form), "n1=1.000292&nmin=1.3333&nmax=1.4&x0=2.5&yo=.6&a0=30");
}
