#pragma once
// A shown main window on the Qt desktop with its seams answered by the fakes.

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QString>
#include <QTest>
#include <memory>

#include "desktop/form1_window.h"
#include "desktop/picture_box.h"
#include "tests/support/fakes.h"

namespace velantra::testing {

struct Rig {
    FakeBox box;
    FakeTone tone;
    FakeLauncher launcher;
    std::unique_ptr<Form1Window> form;

    Rig() : form(std::make_unique<Form1Window>(box, tone, launcher)) {
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    ~Rig() {
        // Closing asks first; the destructor must not.
        box.answer = Answer::Yes;
    }
    Form1& logic() const { return form->form(); }
    template <class T>
    T* find(const char* name) const {
        return form->findChild<T*>(QString::fromLatin1(name));
    }
    QString text(const char* name) const { return find<QLineEdit>(name)->text(); }
    // The box focused with the caret after its text, as a click at its end leaves it.
    QLineEdit* caret_at_end(const char* name) const {
        QLineEdit* edit = find<QLineEdit>(name);
        edit->setFocus();
        edit->end(false);
        return edit;
    }
    // Resizes the client area below the menu to w × h pixels.
    void client(int w, int h) const {
        form->resize(w, h + form->menuBar()->height());
        QTRY_COMPARE(form->centralWidget()->size(), QSize(w, h));
    }
};

inline QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace velantra::testing
