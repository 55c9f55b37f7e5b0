#pragma once
// The keys of a prepared scene, one row each. The rows drive the reading of the page's address
// and of the command line, the order the values go in, the address written back, the message
// naming a key not known and the command line's help: a new key is a new row.

#include <iterator>
#include <string_view>

#include "model/catalogue.h"

namespace velantra {

// How a key's value reaches the window.
enum class Through {
    Box,    // typed into its box, as a student types it
    Bar,    // its box's scroll bar set to it, on the bar's steps of 0.01
    Click,  // no value: its button is clicked; the address names it while the click's run shows
    // A language's code, "ru" or one with a catalogue: chosen before the window is built, whose
    // captions are taken as it is made; the address keeps it where the link gave it.
    Language,
};

struct SceneKeyDef {
    std::string_view name;     // in the address, and after "--" on the command line, in any case
    std::string_view control;  // what it sets: a box, which the address reads back, or a button
    std::string_view bar;      // the scroll bar that sets the same box, or empty
    Through through;
    // Keys go in by pass, lowest first, and within a pass in the table's order; a key that must
    // stay above another (`above`) goes before it where its new value is above that one's now.
    int pass;
    std::string_view above;
    std::string_view argument;  // the value in --help ("N"); empty for a key without one
    std::string_view help;      // what --help says it sets
};

inline constexpr SceneKeyDef kSceneKeys[] = {
    {"lang", "", "", Through::Language, 0, "", N_("ЯЗЫК"),
     N_("язык окна и документов: {languages}")},
    {"n1", "Text1", "", Through::Box, 1, "", N_("N"), N_("показатель преломления верхней среды")},
    {"nmin", "Text2", "", Through::Box, 1, "n1", N_("N"), N_("показатель нижней среды у границы")},
    {"nmax", "Text3", "", Through::Box, 0, "", N_("N"), N_("показатель нижней среды внизу")},
    {"x0", "Text4", "HScroll1", Through::Bar, 2, "", N_("X"),
     N_("абсцисса начала луча, м (0 … 6)")},
    {"yo", "Text5", "VScroll1", Through::Bar, 3, "", N_("Y"), N_("высота начала луча, м (-1 … 1)")},
    {"a0", "Text6", "VScroll2", Through::Box, 4, "", N_("A"), N_("начальный угол луча, градусы")},
    {"run", "CmdOK", "", Through::Click, 5, "", "", N_("сразу провести луч (ПУСК)")},
};
inline constexpr int kSceneKeyCount = static_cast<int>(std::size(kSceneKeys));

// The box a scroll bar sets, named as defined; empty for a name that is no such bar.
constexpr std::string_view box_set_by(std::string_view bar) {
    for (const SceneKeyDef& key : kSceneKeys)
        if (!bar.empty() && key.bar == bar) return key.control;
    return {};
}

}  // namespace velantra
