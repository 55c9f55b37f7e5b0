#pragma once
// Seams answered without a person: the message box records what it was asked and gives a
// set answer, the tone records instead of sounding, the launcher records file names.

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QString>
#include <QTest>
#include <memory>
#include <vector>

#include "platform/launcher.h"
#include "platform/message_box.h"
#include "platform/tone.h"
#include "window/form1.h"

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
    QStringList opened;
    void open_document(const QString& path) override { opened << path; }
    bool program_exists(const QString&) const override { return false; }
    void start_detached(const QString& program, const QStringList&) override { opened << program; }
};

// A shown main window with its fakes.
struct Rig {
    FakeBox box;
    FakeTone tone;
    FakeLauncher launcher;
    std::unique_ptr<Form1> form;

    Rig() : form(std::make_unique<Form1>(box, tone, launcher)) {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    ~Rig() {
        // Closing asks first; the destructor must not.
        box.answer = Answer::Yes;
    }
    template <class T>
    T* find(const char* name) const {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QString text(const char* name) const { return find<QLineEdit>(name)->text(); }
    // Resizes the client area below the menu to w × h pixels.
    void client(int w, int h) const {
        form->resize(w, h + form->menuBar()->height());
        QTRY_COMPARE(form->centralWidget()->size(), QSize(w, h));
    }
};

}  // namespace velantra::testing
