#pragma once
// The page's modal box: the exact title and text, an OK button, no icon. The handler that opened it
// is suspended (Asyncify) until the user closes it, then goes on where it stood.

#include "platform/message_box.h"

namespace velantra {

class WebMessageBox : public MessageBox {
  public:
    Answer show(const std::string& text, const std::string& title, Buttons buttons) override;
};

}  // namespace velantra
