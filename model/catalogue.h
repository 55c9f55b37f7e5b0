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

}  // namespace velantra
