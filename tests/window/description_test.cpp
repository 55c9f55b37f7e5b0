// The picture in words, scene by scene: what it says before ПУСК and after, in each language.

#include "window/description.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/catalogue.h"
#include "tests/support/form_rig.h"
#include "window/prepared_scene.h"

using namespace velantra;
using namespace velantra::testing;

namespace {

struct Row {
    const char* scene;  // as a prepared lesson's address gives it
    const char* language;
    const char* separator;
    const char* before;
    const char* after;
};

const Row kRows[] = {
    {"", "ru", ",", "", ""},
    {"n1=1.4&nmin=1.5&nmax=1.2&x0=0.5&yo=-0.3&a0=70", "ru", ",", "", ""},
    {"n1=1.333&nmin=1.5&nmax=1.6&x0=1&yo=0.5&a0=110", "ru", ",", "", ""},
    {"x0=2.5&yo=-0.5&a0=135", "ru", ",", "", ""},
    {"x0=1&yo=0.8&a0=150", "ru", ",", "", ""},
    {"x0=2.5&yo=-0.5&a0=90", "ru", ",", "", ""},
};

TEST(Description, EachSceneBeforeAndAfterTheRun) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.scene);
        const auto known = languages();
        if (std::find(known.begin(), known.end(), row.language) == known.end()) {
            std::cout << "skipped: no catalogue for \"" << row.language << "\" yet\n";
            continue;
        }
        ASSERT_TRUE(set_language(row.language));
        FormRig rig(row.separator);
        prepare_scene(rig.form, rig.box, scene_from_address(row.scene));
        std::cout << "BEFORE " << rig.form.description() << "\n";
        rig.form.CmdOK_Click();
        std::cout << "AFTER " << rig.form.description() << "\n";
    }
}

}  // namespace
