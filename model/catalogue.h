#pragma once
// Every text a person reads goes through this lookup. The Russian texts in the code are the
// source; a catalogue (po/<language>.po, compiled into the program) gives each one in another
// language. Messages are whole sentences with named placeholders, "{name}", filled after the
// lookup, so a translator can put each value where the language needs it.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velantra {

// Marks a text kept as data for extraction into the catalogues; it is looked up where shown.
constexpr const char* N_(const char* source) { return source; }

// The text in the language chosen; the source itself where that is Russian or the catalogue
// has no entry. The reference stays valid for the life of the process.
const std::string& tr(std::string_view source);
// The same, for a short text that means different things in different places.
const std::string& tr(std::string_view context, std::string_view source);

// The text with each "{name}" replaced by its value; a name not given stays as written.
std::string fill(std::string_view text,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> values);

// "ru" (the original) and every language with a catalogue, "ru" first.
std::vector<std::string> languages();
// Chooses a language by its code; false, and the choice unchanged, for one without a catalogue.
bool set_language(std::string_view code);
std::string_view language();

// The language the environment asks for, as gettext reads it: the locale is LC_ALL, else
// LC_MESSAGES, else LANG; for none, "C" or "POSIX" it is Russian. Otherwise the first of
// LANGUAGE's colon-separated list, then the locale's own language, that has a catalogue
// (or is "ru"); "ru" where none has. Each argument is the variable's value, "" when unset.
std::string language_from_environment(std::string_view language, std::string_view lc_all,
                                      std::string_view lc_messages, std::string_view lang);
// The first of a browser's preferred languages ("en-US", "ru") that has a catalogue (or is
// "ru"), as its code; "ru" where none has.
std::string language_from_preferences(const std::vector<std::string>& browser_languages);

}  // namespace velantra
