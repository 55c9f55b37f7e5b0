#pragma once
// Modal message boxes: a text, a title, a button style and no icon.

#include <QString>

class QWidget;

namespace velantra {

enum class Buttons { Ok = 0, YesNo = 4 };
enum class Answer { Ok = 1, Yes = 6, No = 7 };

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    virtual Answer show(const QString& text, const QString& title, Buttons buttons) = 0;
};

// The real box: QMessageBox with no icon; Yes is the default of a Yes/No box.
class QtMessageBox : public MessageBox {
  public:
    explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
    Answer show(const QString& text, const QString& title, Buttons buttons) override;

  private:
    QWidget* parent_;
};

}  // namespace velantra
