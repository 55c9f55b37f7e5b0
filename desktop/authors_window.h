#pragma once
// Form2, the Authors window, as a Qt window built from its definition. It stays a top-level
// window of its own (modeless, not closed with Form1), but names Form1 as its transient parent:
// a Wayland compositor places only windows that name their parent over it.

#include <QPointer>
#include <QWidget>

#include "help/about.h"

namespace velantra {

class QtAuthorsWindow : public AuthorsWindow {
  public:
    ~QtAuthorsWindow() override;
    // The window Form2 is shown over: its QWindow becomes Form2's transient parent.
    void set_owner(QWidget* owner) { owner_ = owner; }
    bool exists() const override { return !form2_.isNull(); }
    void create() override;
    void set_label1(const std::string& utf8) override;
    bool visible() const override { return exists() && form2_->isVisible(); }
    void show() override;
    Frame frame() const override;
    void move(int left, int top) override { form2_->move(left, top); }
    void raise() override;
    void close() override;
    QWidget* form2() const { return form2_.data(); }

  private:
    QPointer<QWidget> form2_;
    QPointer<QWidget> owner_;
};

}  // namespace velantra
