#include "window/prepared_scene.h"

#include <cctype>
#include <charconv>

#include "model/format.h"
#include "platform/message_box.h"
#include "window/form1.h"
#include "window/scroll_value.h"

namespace velantra {

namespace {

constexpr std::array<std::string_view, kSceneKeys> kKeyNames{"n1", "nmin", "nmax",
                                                             "x0", "yo",   "a0"};
// Longer values than any number a box shows are cut, and names in a message shortened.
constexpr std::size_t kMaxValue = 64;
constexpr std::size_t kMaxShown = 40;

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<SceneKey> key_named(std::string_view name) {
    const std::string key = lower(name);
    for (int i = 0; i < kSceneKeys; ++i)
        if (key == kKeyNames[static_cast<std::size_t>(i)]) return static_cast<SceneKey>(i);
    return std::nullopt;
}

// A part of the address or an argument as a message shows it: control characters as "?",
// cut at a whole UTF-8 character.
std::string shown(std::string_view s) {
    std::string out;
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        out += (u < 0x20 || u == 0x7F) ? '?' : c;
    }
    if (out.size() > kMaxShown) {
        std::size_t cut = kMaxShown;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
        out.resize(cut);
        out += "…";
    }
    return "«" + out + "»";
}

// A sign, digits with at most one point, an optional exponent: a number as a box holds it.
bool is_number(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    int digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(s[i])) != 0) {
            ++digits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        const std::size_t first = i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) != 0) ++i;
        if (i == first) return false;
    }
    return i == s.size() && numval(s).has_value();
}

// Stores one value, or says why it cannot be; `name` is the key as the user wrote it.
void take(PreparedScene& scene, SceneKey key, std::string_view name, std::string_view value) {
    if (value.size() > kMaxValue || !is_number(value)) {
        scene.problems.push_back("Значение " + shown(name) + " не число: " + shown(value) + ".");
        return;
    }
    scene.values[static_cast<std::size_t>(key)] = std::string(value);
}

int hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// %XX decoded; a broken escape leaves the part unread.
std::optional<std::string> unescaped(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            out += s[i];
            continue;
        }
        if (i + 2 >= s.size()) return std::nullopt;
        const int high = hex(s[i + 1]), low = hex(s[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

bool PreparedScene::empty() const {
    for (const auto& v : values)
        if (v) return false;
    return !run && problems.empty();
}

PreparedScene scene_from_address(std::string_view fragment) {
    PreparedScene scene;
    if (!fragment.empty() && fragment.front() == '#') fragment.remove_prefix(1);
    while (!fragment.empty()) {
        const auto amp = fragment.find('&');
        const std::string_view raw = fragment.substr(0, amp);
        fragment = amp == std::string_view::npos ? std::string_view() : fragment.substr(amp + 1);
        if (raw.empty()) continue;
        const auto part = unescaped(raw);
        if (!part) {
            scene.problems.push_back("Часть адреса не прочитана: " + shown(raw) + ".");
            continue;
        }
        const auto eq = part->find('=');
        const std::string name = part->substr(0, eq);
        if (lower(name) == "run" && (eq == std::string::npos || eq + 1 == part->size())) {
            scene.run = true;
            continue;
        }
        const auto key = key_named(name);
        if (!key) {
            scene.problems.push_back("Неизвестный параметр адреса: " + shown(*part) +
                                     ". Известны n1, nmin, nmax, x0, yo, a0 и run.");
            continue;
        }
        if (eq == std::string::npos) {
            scene.problems.push_back("У параметра " + shown(name) + " нет значения.");
            continue;
        }
        take(scene, *key, name, std::string_view(*part).substr(eq + 1));
    }
    return scene;
}

CommandLine command_line(const std::vector<std::string>& args) {
    CommandLine line;
    auto& problems = line.scene.problems;
    for (std::size_t i = 0; i < args.size() && problems.empty(); ++i) {
        std::string option = args[i];
        std::optional<std::string> value;
        if (const auto eq = option.find('='); option.starts_with("--") && eq != std::string::npos) {
            value = option.substr(eq + 1);
            option.resize(eq);
        }
        const auto needs_value = [&]() -> bool {
            if (!value && i + 1 < args.size()) value = args[++i];
            if (!value) problems.push_back("Параметру " + shown(option) + " не хватает значения.");
            return value.has_value();
        };
        if (option == "--help" || option == "-h") {
            line.help = true;
        } else if (option == "--version") {
            line.version = true;
        } else if (option == "--run") {
            line.scene.run = true;
        } else if (option == "--picture") {
            if (needs_value()) line.picture = *value;
            if (line.picture.empty() && problems.empty())
                problems.emplace_back("Параметру «--picture» нужно имя файла.");
        } else if (option == "--size") {
            if (!needs_value()) break;
            const auto x = value->find_first_of("xX");
            const auto read = [](std::string_view s, int& out) {
                const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
                return ec == std::errc() && end == s.data() + s.size() && out >= 1 && out <= 8192;
            };
            if (x == std::string::npos ||
                !read(std::string_view(*value).substr(0, x), line.width) ||
                !read(std::string_view(*value).substr(x + 1), line.height)) {
                problems.emplace_back("Размер " + shown(*value) +
                                      " не понят: нужно ШИРИНАxВЫСОТА в пикселях, до 8192, "
                                      "например 698x247.");
            }
        } else if (const auto key = option.starts_with("--")
                                        ? key_named(std::string_view(option).substr(2))
                                        : std::nullopt) {
            if (needs_value()) take(line.scene, *key, option, *value);
        } else {
            problems.push_back("Неизвестный параметр: " + shown(args[i]) +
                               " (velantra --help их перечисляет).");
        }
    }
    return line;
}

std::string command_line_help() {
    return "Использование: velantra [ПАРАМЕТРЫ]\n"
           "Луч света на границе двух сред и в среде с линейно растущим показателем "
           "преломления.\n"
           "\n"
           "Сцена (числа с точкой, как в полях окна):\n"
           "  --n1 N        показатель преломления верхней среды\n"
           "  --nmin N      показатель нижней среды у границы\n"
           "  --nmax N      показатель нижней среды внизу\n"
           "  --x0 X        абсцисса начала луча, м (0 … 6)\n"
           "  --yo Y        высота начала луча, м (-1 … 1)\n"
           "  --a0 A        начальный угол луча, градусы\n"
           "  --run         сразу провести луч (ПУСК)\n"
           "\n"
           "Рисунок для урока, без окна:\n"
           "  --picture ФАЙЛ   записать рисунок в ФАЙЛ (.svg или .png) и выйти\n"
           "  --size ШxВ       размер рисунка в пикселях (по умолчанию как в окне)\n"
           "\n"
           "  --help        эта справка\n"
           "  --version     версия программы\n"
           "\n"
           "Пример: velantra --n1 1.2 --nmin 1.5 --nmax 1.6 --x0 2 --yo 0.5 --a0 -30 --run\n";
}

void prepare_scene(Form1& form, MessageBox& box, const PreparedScene& scene) {
    if (!scene.problems.empty()) {
        std::string text;
        for (const auto& p : scene.problems) text += (text.empty() ? "" : "\n") + p;
        box.show(text, "Ошибка", Buttons::Ok);
    }
    const auto given = [&](SceneKey key) -> const std::optional<std::string>& {
        return scene.values[static_cast<std::size_t>(key)];
    };
    const auto type = [&](TextBox& box_of, SceneKey key) {
        if (const auto& v = given(key)) form.typed(box_of, *v, static_cast<int>(v->size()));
    };
    const auto slide = [&](ScrollBar& bar, SceneKey key) {
        const auto& v = given(key);
        if (const auto number = v ? numval(*v) : std::nullopt)
            form.scrolled_to(bar, scroll_value(*number * 100));
    };
    type(form.Text3, SceneKey::nmax);
    // The upper index must stay below the lower one after each step, not only at the end: a
    // lower nmin than today's n1 waits for n1 to come down first.
    const auto& nmin = given(SceneKey::nmin);
    const auto nmin_number = nmin ? numval(*nmin) : std::nullopt;
    if (nmin_number && *nmin_number > form.simulation().scene.n1) {
        type(form.Text2, SceneKey::nmin);
        type(form.Text1, SceneKey::n1);
    } else {
        type(form.Text1, SceneKey::n1);
        type(form.Text2, SceneKey::nmin);
    }
    slide(form.HScroll1, SceneKey::x0);
    slide(form.VScroll1, SceneKey::yo);
    type(form.Text6, SceneKey::a0);
    if (scene.run) form.CmdOK_Click();
}

std::string scene_address(const Form1& form) {
    const TextBox* boxes[kSceneKeys] = {&form.Text1, &form.Text2, &form.Text3,
                                        &form.Text4, &form.Text5, &form.Text6};
    std::string address;
    for (int i = 0; i < kSceneKeys; ++i) {
        if (i > 0) address += '&';
        address += kKeyNames[static_cast<std::size_t>(i)];
        address += '=';
        address += trimmed(boxes[i]->text());
    }
    if (form.shows_run()) address += "&run";
    return address;
}

}  // namespace velantra
