#pragma once
// Seams answered without a person: the message box records what it was asked and gives a
// set answer, the tone records instead of sounding, the launcher records what it was handed.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/launcher.h"
#include "platform/message_box.h"
#include "platform/tone.h"

namespace velantra::testing {

struct Shown {
    std::string text, title;
    Buttons buttons;
};

class FakeBox : public MessageBox {
  public:
    Answer answer = Answer::Yes;
    std::vector<Shown> shown;
    Answer show(const std::string& text, const std::string& title, Buttons buttons) override {
        shown.push_back({text, title, buttons});
        return buttons == Buttons::Ok ? Answer::Ok : answer;
    }
};

class FakeTone : public Tone {
  public:
    std::vector<std::pair<int, int>> played;  // frequency, duration
    void play(int frequency_hz, std::int32_t duration_ms) override {
        played.emplace_back(frequency_hz, duration_ms);
    }
};

class FakeLauncher : public Launcher {
  public:
    bool has_notepad = false;
    std::vector<std::string> opened;   // documents handed over
    std::vector<std::string> started;  // "program|argument|…"
    void open_document(const std::string& path) override { opened.push_back(path); }
    bool program_exists(const std::string& program) const override {
        return has_notepad && program == "notepad.exe";
    }
    void start_detached(const std::string& program, const std::vector<std::string>& args) override {
        std::string line = program;
        for (const std::string& a : args) line += "|" + a;
        started.push_back(line);
    }
};

}  // namespace velantra::testing
