#include "model/catalogue.h"

#include <map>

namespace velantra {

namespace {

std::string current = "ru";

// Until the catalogues are compiled in, every text is its own source.
const std::string& interned(std::string_view text) {
    static std::map<std::string, std::string, std::less<>> texts;
    auto it = texts.find(text);
    if (it == texts.end()) it = texts.emplace(std::string(text), std::string(text)).first;
    return it->second;
}

}  // namespace

const std::string& tr(std::string_view source) { return interned(source); }
const std::string& tr(std::string_view, std::string_view source) { return interned(source); }

std::string fill(std::string_view text,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
    std::string out;
    while (!text.empty()) {
        const auto open = text.find('{');
        const auto close = open == std::string_view::npos ? open : text.find('}', open);
        if (close == std::string_view::npos) break;
        out += text.substr(0, open);
        const std::string_view name = text.substr(open + 1, close - open - 1);
        bool given = false;
        for (const auto& [key, value] : values)
            if (key == name) {
                out += value;
                given = true;
                break;
            }
        if (!given) out += text.substr(open, close - open + 1);
        text.remove_prefix(close + 1);
    }
    out += text;
    return out;
}

std::vector<std::string> languages() { return {"ru"}; }

bool set_language(std::string_view code) { return code == "ru"; }

std::string_view language() { return current; }

}  // namespace velantra
