#pragma once
// A shown main window with its seams answered by the fakes.

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QString>
#include <QTest>
#include <memory>
#include <vector>

#include "tests/support/fakes.h"
#include "window/form1.h"

namespace velantra::testing {

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

}  // namespace velantra::testing
