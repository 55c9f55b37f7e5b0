#include "window/prepared_scene.h"

#include <algorithm>
#include <cctype>

#include "model/catalogue.h"
#include "model/format.h"
#include "platform/message_box.h"
#include "window/form1.h"
#include "window/scroll_value.h"

namespace velantra {

namespace {

// Longer values than any number a box shows are cut, and names in a message shortened.
constexpr std::size_t kMaxValue = 64;
constexpr std::size_t kMaxShown = 40;

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::size_t row_of(const SceneKeyDef& key) { return static_cast<std::size_t>(&key - kSceneKeys); }

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

// "a, b … и z".
template <class Names>
std::string listed(const Names& names) {
    std::string keys;
    for (std::size_t i = 0; i + 1 < std::size(names); ++i)
        keys += (i == 0 ? "" : ", ") + std::string(names[i]);
    return fill(tr("{keys} и {last}"), {{"keys", keys}, {"last", names[std::size(names) - 1]}});
}

// The keys that set the scene, "n1, nmin, … и run"; the language is the page's, not the scene's.
std::string known_keys() {
    std::vector<std::string_view> keys;
    for (const SceneKeyDef& key : kSceneKeys)
        if (key.through != Through::Language) keys.push_back(key.name);
    return listed(keys);
}

const TextBox& box_of(const Form1& form, const SceneKeyDef& key) {
    return static_cast<const TextBox&>(*form.find(key.control));
}

// One key's value into the window, the way its row says.
void apply(Form1& form, const SceneKeyDef& key, const std::string& value) {
    switch (key.through) {
        case Through::Box:
            form.typed(static_cast<TextBox&>(*form.find(key.control)), value,
                       static_cast<int>(value.size()));
            break;
        case Through::Bar:
            if (const auto number = numval(value))
                form.scrolled_to(static_cast<ScrollBar&>(*form.find(key.bar)),
                                 scroll_value(*number * 100));
            break;
        case Through::Click:
            form.CmdOK_Click();
            break;
        case Through::Language:
            break;
    }
}

}  // namespace

std::string quoted(std::string_view s) {
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

bool PreparedScene::empty() const {
    return std::none_of(values.begin(), values.end(),
                        [](const auto& v) { return v.has_value(); }) &&
           problems.empty();
}

const std::optional<std::string>& PreparedScene::value(std::string_view key) const {
    static const std::optional<std::string> none;
    const SceneKeyDef* row = scene_key(key);
    return row != nullptr ? values[row_of(*row)] : none;
}

void PreparedScene::forget(std::string_view key) {
    if (const SceneKeyDef* row = scene_key(key)) values[row_of(*row)].reset();
}

const SceneKeyDef* scene_key(std::string_view name) {
    const std::string key = lower(name);
    for (const SceneKeyDef& row : kSceneKeys)
        if (key == row.name) return &row;
    return nullptr;
}

void take_value(PreparedScene& scene, const SceneKeyDef& key, std::string_view written,
                std::string_view value) {
    if (key.through == Through::Click) {
        scene.values[row_of(key)] = std::string();
    } else if (key.through == Through::Language) {
        const std::vector<std::string> known = languages();
        const std::string code = lower(value);
        if (std::find(known.begin(), known.end(), code) != known.end()) {
            scene.values[row_of(key)] = code;
        } else {
            scene.problems.push_back(
                fill(tr("Неизвестный язык: {value}. Известны {languages}."),
                     {{"value", quoted(value)}, {"languages", listed(known)}}));
        }
    } else if (value.size() > kMaxValue || !is_number(value)) {
        scene.problems.push_back(fill(tr("Значение {key} не число: {value}."),
                                      {{"key", quoted(written)}, {"value", quoted(value)}}));
    } else {
        scene.values[row_of(key)] = std::string(value);
    }
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
            scene.problems.push_back(
                fill(tr("Часть адреса не прочитана: {part}."), {{"part", quoted(raw)}}));
            continue;
        }
        const auto eq = part->find('=');
        const std::string name = part->substr(0, eq);
        const SceneKeyDef* key = scene_key(name);
        // A key without a value is named bare ("run" or "run="), and with one it is no key.
        const bool bare = eq == std::string::npos || eq + 1 == part->size();
        if (key != nullptr && key->through == Through::Click && !bare) key = nullptr;
        if (key == nullptr) {
            scene.problems.push_back(
                fill(tr("Неизвестный параметр адреса: {part}. Известны {keys}."),
                     {{"part", quoted(*part)}, {"keys", known_keys()}}));
        } else if (eq == std::string::npos && key->through != Through::Click) {
            scene.problems.push_back(
                fill(tr("У параметра {key} нет значения."), {{"key", quoted(name)}}));
        } else {
            take_value(scene, *key, name,
                       eq == std::string::npos ? std::string_view()
                                               : std::string_view(*part).substr(eq + 1));
        }
    }
    return scene;
}

void choose_language(const PreparedScene& scene, const std::string& otherwise) {
    const std::optional<std::string>& named = scene.value(kLanguageKey);
    set_language(named ? *named : otherwise);
}

void prepare_scene(Form1& form, MessageBox& box, const PreparedScene& scene) {
    if (!scene.problems.empty()) {
        std::string text;
        for (const auto& p : scene.problems) text += (text.empty() ? "" : "\n") + p;
        box.show(text, tr("Ошибка"), Buttons::Ok);
    }
    const int last_pass =
        std::max_element(std::begin(kSceneKeys), std::end(kSceneKeys),
                         [](const auto& a, const auto& b) { return a.pass < b.pass; })
            ->pass;
    for (int pass = 0; pass <= last_pass; ++pass) {
        std::vector<const SceneKeyDef*> keys;
        for (const SceneKeyDef& key : kSceneKeys)
            if (key.pass == pass && scene.values[row_of(key)]) keys.push_back(&key);
        // A rule between two inputs holds after each step, not only at the end: an nmin above
        // today's n1 goes in before n1, a lower one waits for n1 to come down first.
        for (auto it = keys.begin(); it != keys.end(); ++it) {
            if ((*it)->above.empty()) continue;
            const auto below = std::find_if(
                keys.begin(), it, [&](const SceneKeyDef* k) { return k->name == (*it)->above; });
            if (below == it) continue;
            const auto wanted = numval(scene.values[row_of(**it)].value_or(std::string()));
            const auto now = numval(box_of(form, **below).text());
            if (wanted && now && *wanted > *now) std::rotate(below, it, it + 1);
        }
        for (const SceneKeyDef* key : keys)
            apply(form, *key, scene.values[row_of(*key)].value_or(std::string()));
    }
}

std::string scene_address(const Form1& form, bool with_language) {
    std::string address;
    for (const SceneKeyDef& key : kSceneKeys) {
        if (key.through == Through::Click) {
            if (form.shows_run()) address += "&" + std::string(key.name);
            continue;
        }
        if (key.through == Through::Language) {
            if (with_language)
                address += (address.empty() ? "" : "&") + std::string(key.name) + "=" +
                           std::string(language());
            continue;
        }
        if (!address.empty()) address += '&';
        address += key.name;
        address += '=';
        address += trimmed(box_of(form, key).text());
    }
    return address;
}

AddressFollower::AddressFollower(const Form1& form) {
    if (form.resize_passes() > 0) named_ = scene_address(form);
}

void AddressFollower::prepared(bool with_language) {
    prepared_ = true;
    language_ = with_language;
}

std::string AddressFollower::next(const Form1& form) {
    // The boxes are empty until the first layout pass fills them.
    if (form.resize_passes() == 0) return {};
    std::string now = scene_address(form, language_);
    if (named_.empty() && !prepared_) {
        named_ = std::move(now);
        return {};
    }
    if (!prepared_ && now == named_) return {};
    prepared_ = false;
    named_ = now;
    return now;
}

}  // namespace velantra
