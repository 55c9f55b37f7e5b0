#include "platform/web/message_box.h"

#include <emscripten.h>

#include <cstdlib>

EM_ASYNC_JS(void, velantra_message_box, (const char* text, const char* title),
            { await Module.page.messageBox(UTF8ToString(text), UTF8ToString(title)); });

namespace velantra {

// Only the closing question asks Yes or No, and the page never asks it (the browser asks in
// its own words before the page goes): a Yes/No box here is a fault, not an answer.
Answer WebMessageBox::show(const std::string& text, const std::string& title, Buttons buttons) {
    if (buttons != Buttons::Ok) std::abort();
    velantra_message_box(text.c_str(), title.c_str());
    return Answer::Ok;
}

}  // namespace velantra
