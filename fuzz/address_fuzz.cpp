// The reader of prepared scenes, the page's address or (an input starting with "-") the
// command line's arguments one a line, and the scene it gives the window's logic: every value
// read is a number as a box holds it, every value applied reaches the scene (the start on its
// bar's steps and within the bar's range) or is refused with a message, the window stays
// consistent, and the address written back reads without a problem and names the same scene.

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "desktop/command_line.h"
#include "fuzz/fuzz_support.h"
#include "model/format.h"
#include "surface/null_surface.h"
#include "tests/support/form_rig.h"
#include "window/prepared_scene.h"
#include "window/scroll_value.h"

using namespace velantra;

namespace {

using Rig = testing::FormRigOf<NullSurface>;

// What the box of a key typed in shows once its handlers have ended, the value taken.
std::string canonical(const SceneKeyDef& key, double value) {
    if (key.name == "nmax") return numstr(static_cast<float>(value));
    return numstr(value);
}

void check_applied(const PreparedScene& scene, Rig& rig, const std::string& input) {
    const Form1& f = rig.form;
    // A refusal's message, not a run's information.
    const bool told = std::any_of(rig.box.shown.begin(), rig.box.shown.end(),
                                  [](const auto& m) { return m.title == "Ошибка"; });
    FUZZ_CHECK(testing::inconsistency(f).empty(), input + ": " + testing::inconsistency(f));
    const Scene& s = f.simulation().scene;
    FUZZ_CHECK(s.X0 >= 0 && s.X0 <= 6 && s.Yo >= -1 && s.Yo <= 1,
               input + ": start " + fuzz::show(s.X0) + ", " + fuzz::show(s.Yo));
    FUZZ_CHECK(s.n1 < s.nmin || told, input + ": n1 not below nmin and nothing said");
    for (const SceneKeyDef& key : kSceneKeys) {
        const auto& given = scene.value(key.name);
        if (!given || key.through == Through::Click) continue;
        const auto number = numval(*given);
        FUZZ_CHECK(number && given->size() <= 64, input + ": kept " + *given);
        const auto& box = static_cast<const TextBox&>(*f.find(key.control));
        if (key.through == Through::Bar) {
            const auto& bar = static_cast<const ScrollBar&>(*f.find(key.bar));
            const int low = std::min(bar.top(), bar.bottom()),
                      high = std::max(bar.top(), bar.bottom());
            FUZZ_CHECK(bar.value() == std::clamp(scroll_value(*number * 100), low, high),
                       input + ": " + std::string(key.bar) + " at " + std::to_string(bar.value()));
        } else if (key.name == "nmax" && !(std::fabs(*number) <= static_cast<double>(FLT_MAX))) {
            // A single cannot hold it: the box keeps its value, as when typed.
        } else {
            FUZZ_CHECK(box.text() == canonical(key, *number) || told,
                       input + ": " + std::string(key.name) + " shows " + box.text());
        }
    }
    FUZZ_CHECK(!scene.value("run") || f.shows_run(), input + ": no run");
}

// The address written back reads without a problem and gives a new window the same scene.
void check_written_back(const Rig& rig, const std::string& input) {
    if (!(rig.form.simulation().scene.n1 < rig.form.simulation().scene.nmin)) return;
    const std::string address = scene_address(rig.form);
    PreparedScene again = scene_from_address(address);
    FUZZ_CHECK(again.problems.empty(), input + ": " + address + ": " + again.problems.front());
    // A run may bring its own message; the scene before it may not.
    const bool run = again.value("run").has_value();
    again.forget("run");
    Rig fresh;
    AddressFollower follower(fresh.form);
    prepare_scene(fresh.form, fresh.box, again);
    FUZZ_CHECK(fresh.box.shown.empty(), input + ": " + address + " brings a message");
    if (run) fresh.form.CmdOK_Click();
    follower.prepared();
    FUZZ_CHECK(follower.next(fresh.form) == address, input + ": " + scene_address(fresh.form));
    FUZZ_CHECK(follower.next(fresh.form).empty(), input + ": written twice");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    PreparedScene scene;
    if (!input.empty() && input.front() == '-') {
        std::vector<std::string> args;
        for (std::size_t from = 0; from <= input.size();) {
            const std::size_t end = std::min(input.find('\n', from), input.size());
            args.push_back(input.substr(from, end - from));
            from = end + 1;
        }
        const CommandLine line = command_line(args);
        FUZZ_CHECK(line.scene.problems.size() <= 1, input + ": more than the first problem");
        if (!line.picture.empty()) {
            const std::string ending = line.picture.substr(line.picture.size() - 4);
            FUZZ_CHECK(line.format == (ending[1] == 'p' || ending[1] == 'P' ? PictureFormat::Png
                                                                            : PictureFormat::Svg),
                       input + ": picture " + line.picture);
        }
        scene = line.scene;
    } else {
        scene = scene_from_address(input);
    }
    for (const std::string& problem : scene.problems)
        FUZZ_CHECK(!problem.empty() && problem.size() < 400, input + ": problem " + problem);
    Rig rig;
    prepare_scene(rig.form, rig.box, scene);
    FUZZ_CHECK(scene.problems.empty() || !rig.box.shown.empty(), input + ": problems unsaid");
    check_applied(scene, rig, input);
    check_written_back(rig, input);
    return 0;
}
