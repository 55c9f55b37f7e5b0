#include "platform/web/message_box.h"

#include <emscripten.h>

EM_ASYNC_JS(int, velantra_message_box, (const char* text, const char* title, int yes_no), {
    return await Velantra.messageBox(UTF8ToString(text), UTF8ToString(title), Boolean(yes_no));
});

namespace velantra {

Answer WebMessageBox::show(const std::string& text, const std::string& title, Buttons buttons) {
    const bool yes_no = buttons == Buttons::YesNo;
    const int answer = velantra_message_box(text.c_str(), title.c_str(), yes_no ? 1 : 0);
    if (yes_no) return answer == static_cast<int>(Answer::Yes) ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

}  // namespace velantra
