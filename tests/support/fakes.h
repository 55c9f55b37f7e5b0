#pragma once
// Seams answered without a person: the message box records what it was asked and gives a
// set answer, the tone records instead of sounding, the launcher records what it was handed.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/launcher.h"
#include "platform/message_box.h"
#include "platform/tone.h"

namespace velantra::testing {

struct Shown {
    QString text, title;
    Buttons buttons;
};

class FakeBox : public MessageBox {
  public:
    Answer answer = Answer::Yes;
    std::vector<Shown> shown;
    Answer show(const QString& text, const QString& title, Buttons buttons) override {
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
    QStringList opened;   // documents handed over
    QStringList started;  // "program|argument|…"
    void open_document(const QString& path) override { opened << path; }
    bool program_exists(const QString& program) const override {
        return has_notepad && program == QLatin1String("notepad.exe");
    }
    void start_detached(const QString& program, const QStringList& args) override {
        started << program + QLatin1Char('|') + args.join(QLatin1Char('|'));
    }
};

}  // namespace velantra::testing
