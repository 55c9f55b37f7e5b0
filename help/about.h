#pragma once
// The About box and the Authors window.

#include <string>

#include "platform/font.h"
#include "platform/frame.h"
#include "platform/message_box.h"

namespace velantra {

// The twelve About lines joined by CR LF.
std::string about_text();
// The six Authors lines joined by CR LF, lines 1 to 5 padded to 36 characters.
std::string authors_text();

void mnuHelpAbout_Click(MessageBox& box);

// Form2 as defined: a fixed client area in pixels with the picture and the text label, the
// label in the system's font.
struct Form2Def {
    const char* caption;
    int client_width, client_height;
    struct Place {
        const char* name;
        int left, top, width, height;
    } image, label;
    FontDef label_font;
};
extern const Form2Def kForm2;

// Form2 as the window system shows it.
class AuthorsWindow {
  public:
    virtual ~AuthorsWindow() = default;
    // Created from kForm2 and not yet closed by the user.
    virtual bool exists() const = 0;
    virtual void create() = 0;
    virtual void set_label1(const std::string& utf8) = 0;
    virtual bool visible() const = 0;
    // Modeless, with no owner window.
    virtual void show() = 0;
    virtual Frame frame() const = 0;
    virtual void move(int left, int top) = 0;
    // Brings it to the front.
    virtual void raise() = 0;
    virtual void close() = 0;
};

// Fills Form2, creating it on first use or after the user closed it, centres it over
// form1's frame by the outer sizes and shows it modeless.
void mnuHelpAvtors_Click(AuthorsWindow& form2, const Frame& form1);

}  // namespace velantra
