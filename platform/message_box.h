#pragma once
// Modal message boxes: a text, a title, a button style and no icon. show() returns only
// once the user has closed the box; the handler that asked goes on from there.

#include <string>

namespace velantra {

enum class Buttons { Ok = 0, YesNo = 4 };
enum class Answer { Ok = 1, Yes = 6, No = 7 };

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // UTF-8 text and title.
    virtual Answer show(const std::string& text, const std::string& title, Buttons buttons) = 0;
};

}  // namespace velantra
