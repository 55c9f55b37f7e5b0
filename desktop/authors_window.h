#pragma once
// Form2, the Authors window, as a Qt window built from its definition.

#include <QPointer>
#include <QWidget>

#include "help/about.h"

namespace velantra {

class QtAuthorsWindow : public AuthorsWindow {
  public:
    ~QtAuthorsWindow() override;
    bool exists() const override { return !form2_.isNull(); }
    void create() override;
    void set_label1(const std::string& utf8) override;
    bool visible() const override { return exists() && form2_->isVisible(); }
    void show() override { form2_->show(); }
    Frame frame() const override;
    void move(int left, int top) override { form2_->move(left, top); }
    void raise() override;
    void close() override;
    QWidget* form2() const { return form2_.data(); }

  private:
    QPointer<QWidget> form2_;
};

}  // namespace velantra
