#pragma once
// The real box on the Qt desktop: QMessageBox with no icon; Yes is the default of a Yes/No box.

#include "platform/message_box.h"

class QWidget;

namespace velantra {

class QtMessageBox : public MessageBox {
  public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }
    Answer show(const std::string& text, const std::string& title, Buttons buttons) override;

  private:
    QWidget* parent_;
};

}  // namespace velantra
