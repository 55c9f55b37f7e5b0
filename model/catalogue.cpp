#include "model/catalogue.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>

#include "model/catalogue_data.h"

namespace velantra {

namespace {

// One compiled catalogue (GNU .mo): its originals sorted bytewise, each paired with its
// translation; a context is joined to its original by "\x04".
class Catalogue {
  public:
    Catalogue(std::string code, const unsigned char* bytes, std::size_t size)
        : code_(std::move(code)), bytes_(bytes), size_(size) {
        if (size_ < 28) return;
        const std::uint32_t magic = word(0);
        if (magic == 0x950412deU) {
            swapped_ = false;
        } else if (magic == 0xde120495U) {
            swapped_ = true;
        } else {
            return;
        }
        count_ = word(8);
        originals_ = word(12);
        translations_ = word(16);
        // A table that runs past the end holds nothing we can read.
        const std::uint64_t table = static_cast<std::uint64_t>(count_) * 8;
        if (originals_ + table > size_ || translations_ + table > size_) count_ = 0;
    }

    const std::string& code() const { return code_; }

    // The translation of `key`, or nothing where the catalogue has none.
    std::optional<std::string_view> find(std::string_view key) const {
        std::uint32_t low = 0, high = count_;
        while (low < high) {
            const std::uint32_t mid = low + (high - low) / 2;
            const std::string_view original = entry(originals_, mid);
            const int order = original.compare(key);
            if (order == 0) {
                const std::string_view translation = entry(translations_, mid);
                if (translation.empty()) return std::nullopt;
                return translation;
            }
            if (order < 0) {
                low = mid + 1;
            } else {
                high = mid;
            }
        }
        return std::nullopt;
    }

  private:
    std::uint32_t word(std::uint64_t at) const {
        if (at + 4 > size_) return 0;
        std::uint32_t w = 0;
        std::memcpy(&w, bytes_ + at, 4);
        if (swapped_) w = (w >> 24) | ((w >> 8) & 0xff00U) | ((w << 8) & 0xff0000U) | (w << 24);
        return w;
    }
    std::string_view entry(std::uint32_t table, std::uint32_t i) const {
        const std::uint64_t at = table + static_cast<std::uint64_t>(i) * 8;
        const std::uint32_t length = word(at);
        const std::uint32_t offset = word(at + 4);
        if (static_cast<std::uint64_t>(offset) + length > size_) return {};
        return {reinterpret_cast<const char*>(bytes_ + offset), length};
    }

    std::string code_;
    const unsigned char* bytes_;
    std::size_t size_;
    bool swapped_ = false;
    std::uint32_t count_ = 0, originals_ = 0, translations_ = 0;
};

struct State {
    std::mutex lock;
    std::vector<Catalogue> catalogues;
    const Catalogue* chosen = nullptr;  // none: Russian
    std::string_view code = "ru";       // the literal or a catalogue's own, so it stays valid
    // Each text handed out, by language and key, so that its reference stays valid.
    std::map<std::string, std::string, std::less<>> texts;
};

State& state() {
    static State* s = [] {
        auto* made = new State;
        for (std::size_t i = 0; i < catalogue_data::kCount; ++i) {
            const catalogue_data::Embedded& e = catalogue_data::kCatalogues[i];
            // Russian is the source itself; a catalogue of it would only repeat it.
            if (std::string_view(e.code) != "ru")
                made->catalogues.emplace_back(e.code, e.bytes, e.size);
        }
        std::sort(made->catalogues.begin(), made->catalogues.end(),
                  [](const Catalogue& a, const Catalogue& b) { return a.code() < b.code(); });
        return made;
    }();
    return *s;
}

const std::string& lookup(std::string_view key, std::string_view source) {
    State& s = state();
    const std::lock_guard<std::mutex> hold(s.lock);
    std::string id(s.code);
    id += '\0';
    id += key;
    auto it = s.texts.find(id);
    if (it == s.texts.end()) {
        std::optional<std::string_view> found;
        // The header's key is the empty text: an empty source is itself.
        if (s.chosen != nullptr && !source.empty()) found = s.chosen->find(key);
        it = s.texts.emplace(std::move(id), std::string(found ? *found : source)).first;
    }
    return it->second;
}

bool available(std::string_view code) {
    if (code == "ru") return true;
    for (const Catalogue& c : state().catalogues)
        if (c.code() == code) return true;
    return false;
}

// A language of a locale name or a list entry ("en_GB.UTF-8@euro"): the catalogue for
// its language and territory, else for its language alone; empty for none.
std::string catalogue_for(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty()) return {};
    if (available(name)) return std::string(name);
    const std::string_view bare = name.substr(0, name.find('_'));
    if (bare != name && available(bare)) return std::string(bare);
    return {};
}

bool is_c_locale(std::string_view locale) {
    const std::string_view base = locale.substr(0, locale.find_first_of(".@"));
    return locale.empty() || base == "C" || base == "POSIX";
}

}  // namespace

const std::string& tr(std::string_view source) { return lookup(source, source); }

const std::string& tr(std::string_view context, std::string_view source) {
    std::string key(context);
    key += '\x04';
    key += source;
    return lookup(key, source);
}

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

std::vector<std::string> languages() {
    std::vector<std::string> codes{"ru"};
    for (const Catalogue& c : state().catalogues) codes.push_back(c.code());
    return codes;
}

bool set_language(std::string_view code) {
    State& s = state();
    const std::lock_guard<std::mutex> hold(s.lock);
    if (code == "ru") {
        s.chosen = nullptr;
        s.code = "ru";
        return true;
    }
    for (const Catalogue& c : s.catalogues)
        if (c.code() == code) {
            s.chosen = &c;
            s.code = c.code();
            return true;
        }
    return false;
}

std::string_view language() {
    State& s = state();
    const std::lock_guard<std::mutex> hold(s.lock);
    return s.code;
}

std::string language_from_environment(std::string_view language, std::string_view lc_all,
                                      std::string_view lc_messages, std::string_view lang) {
    const std::string_view locale = !lc_all.empty()        ? lc_all
                                    : !lc_messages.empty() ? lc_messages
                                                           : lang;
    if (is_c_locale(locale)) return "ru";
    while (!language.empty()) {
        const std::string_view entry = language.substr(0, language.find(':'));
        if (std::string found = catalogue_for(entry); !found.empty()) return found;
        language.remove_prefix(std::min(language.size(), entry.size() + 1));
    }
    if (std::string found = catalogue_for(locale); !found.empty()) return found;
    return "ru";
}

std::string language_from_preferences(const std::vector<std::string>& browser_languages) {
    for (const std::string& tag : browser_languages) {
        // "en-US" names the locale en_US; the language subtag is lower case.
        std::string name = tag;
        const std::size_t primary = std::min(name.find('-'), name.size());
        for (std::size_t i = 0; i < name.size(); ++i) {
            char& c = name[i];
            if (c == '-') c = '_';
            if (c >= 'A' && c <= 'Z' && i < primary) c = static_cast<char>(c - 'A' + 'a');
        }
        if (std::string found = catalogue_for(name); !found.empty()) return found;
    }
    return "ru";
}

}  // namespace velantra
