// The picture in words, scene by scene and language by language: what it says before ПУСК
// and after, with the result lines' figures, and that only ПУСК has it announced.

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include "model/catalogue.h"
#include "tests/support/form_rig.h"
#include "window/prepared_scene.h"

using namespace velantra;
using namespace velantra::testing;

namespace {

struct Row {
    const char* scene;  // as a prepared lesson's address gives it
    const char* language;
    const char* before;
    const char* after;  // "{message}": the run's message box, as it was shown
};

// The separator is the user's: "," with Russian, "." with English.
const Row kRows[] = {
    // The start-up scene.
    {"", "ru",
     "Вверху среда с показателем преломления 1,000292, внизу среда, показатель которой меняется "
     "от 1,3333 у границы до 1,4 у нижнего края. Луч начинается в нижней среде в точке X0 = 2,5, "
     "Yo = 0,6 и направлен вниз и вправо, α0 = 45°.",
     "Вершина траектории — в точке X90 = -10,33, Y90 = -5,43 (вне рисунка). Траектория "
     "пересекает границу сред в точках X01 = 1,88 и X02 = -22,55 (вне рисунка). Луч уходит за "
     "нижний край рисунка в точке X = 2,89."},
    {"", "en",
     "Above, a medium of refractive index 1.000292; below, a medium whose index changes from "
     "1.3333 at the boundary to 1.4 at the bottom edge. The ray starts in the lower medium at "
     "X0 = 2.5, Yo = 0.6 and points down and to the right, α0 = 45°.",
     "The vertex of the path is at X90 = -10.33, Y90 = -5.43 (outside the picture). The path "
     "crosses the boundary at X01 = 1.88 and X02 = -22.55 (outside the picture). The ray leaves "
     "the picture through the bottom edge at X = 2.89."},
    // Refracted into a medium whose index falls, turned back up to the boundary.
    {"n1=1.4&nmin=1.5&nmax=1.2&x0=0.5&yo=-0.3&a0=70", "ru",
     "Вверху среда с показателем преломления 1,4, внизу среда, показатель которой меняется от "
     "1,5 у границы до 1,2 у нижнего края. Луч начинается в верхней среде в точке X0 = 0,5, "
     "Yo = -0,3 и направлен вниз и вправо, α0 = 70°.",
     "Луч доходит до границы сред в точке X = 1,32, отражается вверх и преломляется в нижнюю "
     "среду под углом 61,29° к нормали. Вершина траектории — в точке X90 = 3,62, Y90 = 0,61. "
     "Траектория пересекает границу сред в точках X01 = 1,32 и X02 = 5,92. Луч снова доходит до "
     "границы сред в точке X = 5,92. Во второй точке преломления отраженный в нижнюю среду луч и "
     "преломленный в верхнюю среду луч аналогичны первой точке!"},
    {"n1=1.4&nmin=1.5&nmax=1.2&x0=0.5&yo=-0.3&a0=70", "en",
     "Above, a medium of refractive index 1.4; below, a medium whose index changes from 1.5 at "
     "the boundary to 1.2 at the bottom edge. The ray starts in the upper medium at X0 = 0.5, "
     "Yo = -0.3 and points down and to the right, α0 = 70°.",
     "The ray reaches the boundary at X = 1.32, is reflected upward and refracted into the lower "
     "medium at 61.29° to the normal. The vertex of the path is at X90 = 3.62, Y90 = 0.61. The "
     "path crosses the boundary at X01 = 1.32 and X02 = 5.92. The ray reaches the boundary again "
     "at X = 5.92. {message}"},
    // Total internal reflection, the README's lesson.
    {"n1=1.333&nmin=1.5&nmax=1.6&x0=1&yo=0.5&a0=110", "ru",
     "Вверху среда с показателем преломления 1,333, внизу среда, показатель которой меняется от "
     "1,5 у границы до 1,6 у нижнего края. Луч начинается в нижней среде в точке X0 = 1, "
     "Yo = 0,5 и направлен вверх и вправо, α0 = 110°.",
     "Вершина траектории — в точке X90 = 6,19, Y90 = -0,43 (вне рисунка). Траектория пересекает "
     "границу сред в точках X01 = 9,74 (вне рисунка) и X02 = 2,64. Луч доходит до границы сред в "
     "точке X = 2,65 и испытывает полное внутреннее отражение. Луч уходит за нижний край рисунка "
     "в точке X = 5,52."},
    {"n1=1.333&nmin=1.5&nmax=1.6&x0=1&yo=0.5&a0=110", "en",
     "Above, a medium of refractive index 1.333; below, a medium whose index changes from 1.5 at "
     "the boundary to 1.6 at the bottom edge. The ray starts in the lower medium at X0 = 1, "
     "Yo = 0.5 and points up and to the right, α0 = 110°.",
     "The vertex of the path is at X90 = 6.19, Y90 = -0.43 (outside the picture). The path "
     "crosses the boundary at X01 = 9.74 (outside the picture) and X02 = 2.64. The ray reaches "
     "the boundary at X = 2.65 and is totally internally reflected. The ray leaves the picture "
     "through the bottom edge at X = 5.52."},
    // Climbing in the upper medium.
    {"yo=-0.5&a0=135", "ru",
     "Вверху среда с показателем преломления 1,000292, внизу среда, показатель которой меняется "
     "от 1,3333 у границы до 1,4 у нижнего края. Луч начинается в верхней среде в точке X0 = 2,5, "
     "Yo = -0,5 и направлен вверх и вправо, α0 = 135°.",
     "Луч уходит за верхний край рисунка в точке X = 3,00."},
    {"yo=-0.5&a0=135", "en",
     "Above, a medium of refractive index 1.000292; below, a medium whose index changes from "
     "1.3333 at the boundary to 1.4 at the bottom edge. The ray starts in the upper medium at "
     "X0 = 2.5, Yo = -0.5 and points up and to the right, α0 = 135°.",
     "The ray leaves the picture through the top edge at X = 3.00."},
    // Started in the graded medium, up through the boundary.
    {"x0=1&yo=0.8&a0=150", "ru",
     "Вверху среда с показателем преломления 1,000292, внизу среда, показатель которой меняется "
     "от 1,3333 у границы до 1,4 у нижнего края. Луч начинается в нижней среде в точке X0 = 1, "
     "Yo = 0,8 и направлен вверх и вправо, α0 = 150°.",
     "Вершина траектории — в точке X90 = 14,69, Y90 = -9,59 (вне рисунка). Траектория "
     "пересекает границу сред в точках X01 = 27,90 (вне рисунка) и X02 = 1,47. Луч доходит до "
     "границы сред в точке X = 1,48, отражается вниз и преломляется в верхнюю среду под углом "
     "43,88° к нормали. Луч уходит за нижний край рисунка в точке X = 2,07."},
    {"x0=1&yo=0.8&a0=150", "en",
     "Above, a medium of refractive index 1.000292; below, a medium whose index changes from "
     "1.3333 at the boundary to 1.4 at the bottom edge. The ray starts in the lower medium at "
     "X0 = 1, Yo = 0.8 and points up and to the right, α0 = 150°.",
     "The vertex of the path is at X90 = 14.69, Y90 = -9.59 (outside the picture). The path "
     "crosses the boundary at X01 = 27.90 (outside the picture) and X02 = 1.47. The ray reaches "
     "the boundary at X = 1.48, is reflected downward and refracted into the upper medium at "
     "43.88° to the normal. The ray leaves the picture through the bottom edge at X = 2.07."},
    // A horizontal start.
    {"yo=-0.5&a0=90", "ru",
     "Вверху среда с показателем преломления 1,000292, внизу среда, показатель которой меняется "
     "от 1,3333 у границы до 1,4 у нижнего края. Луч начинается в верхней среде в точке X0 = 2,5, "
     "Yo = -0,5 и направлен вправо, α0 = 90°.",
     "Луч уходит за правый край рисунка в точке Y = -0,50."},
    {"yo=-0.5&a0=90", "en",
     "Above, a medium of refractive index 1.000292; below, a medium whose index changes from "
     "1.3333 at the boundary to 1.4 at the bottom edge. The ray starts in the upper medium at "
     "X0 = 2.5, Yo = -0.5 and points to the right, α0 = 90°.",
     "The ray leaves the picture through the right edge at Y = -0.50."},
};

int announced(const RecordingView& view) {
    return static_cast<int>(std::count_if(view.descriptions.begin(), view.descriptions.end(),
                                          [](const auto& told) { return told.second; }));
}

TEST(Description, EachSceneBeforeAndAfterTheRunInEachLanguage) {
    const std::vector<std::string> languages = velantra::languages();
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.language) + " #" + row.scene);
        if (std::find(languages.begin(), languages.end(), row.language) == languages.end()) {
            std::cout << "skipped: no catalogue for \"" << row.language << "\" yet\n";
            continue;
        }
        ASSERT_TRUE(set_language(row.language));
        FormRig rig(std::string(row.language) == "ru" ? "," : ".");
        prepare_scene(rig.form, rig.box, scene_from_address(row.scene));
        EXPECT_EQ(rig.form.description(), row.before);
        // Typed and redrawn, never announced.
        EXPECT_EQ(announced(rig.view), 0);

        rig.form.CmdOK_Click();
        const std::string message = rig.box.shown.empty() ? "" : rig.box.shown.back().text;
        EXPECT_EQ(rig.form.description(), fill(row.after, {{"message", message}}));
        ASSERT_EQ(announced(rig.view), 1);
        EXPECT_EQ(rig.view.descriptions.back().first, rig.form.description());
        // A redraw erases the run, and the picture is the scene again.
        rig.form.Form_Resize();
        EXPECT_EQ(rig.view.descriptions.back(), std::make_pair(std::string(row.before), false));
    }
    set_language("ru");
}

}  // namespace
