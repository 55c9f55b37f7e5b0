#include "desktop/command_line.h"

#include <cctype>
#include <charconv>
#include <optional>
#include <string_view>

#include "model/catalogue.h"

namespace velantra {

namespace {

// The reading of one option's value into the command line; false with a problem when it fails.
using Take = bool (*)(CommandLine& line, const std::string& value);

// The program's own options, beside the scene's keys; `section` is their part of --help.
struct OptionDef {
    std::string_view name, other_name;
    std::string_view argument;  // the value in --help; empty for an option without one
    std::string_view help;
    int section;
    Take take;
};

bool picture_file(CommandLine& line, const std::string& file) {
    auto& problems = line.scene.problems;
    if (file.empty()) {
        problems.push_back(tr("Параметру «--picture» нужно имя файла."));
        return false;
    }
    // The ending of the file's own name, in any case.
    const std::string_view name = std::string_view(file).substr(file.find_last_of('/') + 1);
    const auto dot = name.rfind('.');
    std::string ending(dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1));
    for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ending != "svg" && ending != "png") {
        problems.push_back(
            fill(tr("{file}: рисунок пишется в файл .svg или .png"), {{"file", file}}));
        return false;
    }
    line.picture = file;
    line.format = ending == "png" ? PictureFormat::Png : PictureFormat::Svg;
    return true;
}

bool picture_size(CommandLine& line, const std::string& value) {
    const auto x = value.find_first_of("xX");
    const auto read = [](std::string_view s, int& out) {
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
        return ec == std::errc() && end == s.data() + s.size() && out >= 1 && out <= 8192;
    };
    if (x != std::string::npos && read(std::string_view(value).substr(0, x), line.width) &&
        read(std::string_view(value).substr(x + 1), line.height))
        return true;
    line.scene.problems.push_back(fill(
        tr("Размер {size} не понят: нужно ШИРИНАxВЫСОТА в пикселях, до 8192, например 698x247."),
        {{"size", quoted(value)}}));
    return false;
}

// The sections of --help: the scene's keys come first, then these by their section.
struct Section {
    std::string_view title;  // empty: no title line
    std::size_t column;      // where the explanations start, after two blanks
};
constexpr Section kScene{N_("Сцена (числа с точкой, как в полях окна):"), 14};
constexpr Section kSections[] = {{N_("Рисунок для урока, без окна:"), 17}, {"", 14}};

constexpr OptionDef kOptions[] = {
    {"--picture", "", N_("ФАЙЛ"), N_("записать рисунок в ФАЙЛ (.svg или .png) и выйти"), 0,
     picture_file},
    {"--size", "", N_("ШxВ"), N_("размер рисунка в пикселях (по умолчанию как в окне)"), 0,
     picture_size},
    {"--describe", "", "", N_("описать рисунок словами на стандартном выводе и выйти"), 0,
     [](CommandLine& line, const std::string&) { return line.describe = true; }},
    {"--help", "-h", "", N_("эта справка"), 1,
     [](CommandLine& line, const std::string&) { return line.help = true; }},
    {"--version", "", "", N_("версия программы"), 1,
     [](CommandLine& line, const std::string&) { return line.version = true; }},
};

const OptionDef* option_named(std::string_view name) {
    for (const OptionDef& o : kOptions)
        if (name == o.name || (!o.other_name.empty() && name == o.other_name)) return &o;
    return nullptr;
}

// Characters, not bytes, for the columns of --help.
std::size_t width(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

void add_line(std::string& out, const Section& section, std::string_view name,
              std::string_view argument, std::string_view help) {
    std::string left(name);
    if (!argument.empty()) left += " " + tr(argument);
    out += "  " + left;
    out.append(section.column > width(left) ? section.column - width(left) : 1, ' ');
    std::string languages;
    for (const std::string& code : velantra::languages())
        languages += (languages.empty() ? "" : ", ") + code;
    out += fill(tr(help), {{"languages", languages}}) + "\n";
}

void add_title(std::string& out, const Section& section) {
    out += "\n";
    if (!section.title.empty()) out += tr(section.title) + "\n";
}

}  // namespace

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
            if (!value)
                problems.push_back(fill(tr("Параметру {option} не хватает значения."),
                                        {{"option", quoted(option)}}));
            return value.has_value();
        };
        const SceneKeyDef* key =
            option.starts_with("--") ? scene_key(std::string_view(option).substr(2)) : nullptr;
        if (const OptionDef* own = option_named(option)) {
            if (own->argument.empty() || needs_value()) own->take(line, value.value_or(""));
        } else if (key != nullptr) {
            if (key->argument.empty() || needs_value())
                take_value(line.scene, *key, option, value.value_or(""));
        } else {
            problems.push_back(
                fill(tr("Неизвестный параметр: {option} (velantra --help их перечисляет)."),
                     {{"option", quoted(args[i])}}));
        }
    }
    return line;
}

std::string command_line_help() {
    std::string out =
        tr("Использование: velantra [ПАРАМЕТРЫ]\n"
           "Луч света на границе двух сред и в среде с линейно растущим показателем "
           "преломления.\n");
    // The language is no number of the scene: it stands with the program's own options.
    const auto keys = [&out](const Section& section, bool language) {
        for (const SceneKeyDef& key : kSceneKeys)
            if ((key.through == Through::Language) == language)
                add_line(out, section, "--" + std::string(key.name), key.argument, key.help);
    };
    add_title(out, kScene);
    keys(kScene, false);
    for (std::size_t s = 0; s < std::size(kSections); ++s) {
        add_title(out, kSections[s]);
        if (s + 1 == std::size(kSections)) keys(kSections[s], true);
        for (const OptionDef& o : kOptions)
            if (o.section == static_cast<int>(s))
                add_line(out, kSections[s], o.name, o.argument, o.help);
    }
    out += "\n" +
           tr("Пример: velantra --n1 1.2 --nmin 1.5 --nmax 1.6 --x0 2 --yo 0.5 --a0 -30 --run\n");
    return out;
}

}  // namespace velantra
