#include "help/about.h"

#include <cstddef>
#include <span>

#include "model/catalogue.h"

namespace velantra {

namespace {

std::string joined(std::span<const std::string> lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

// Padded with blanks (or cut) to `width` characters; UTF-8 continuation bytes are no characters.
std::string padded(const std::string& line, std::size_t width) {
    std::string out;
    std::size_t characters = 0;
    for (const char c : line) {
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u && ++characters > width) break;
        out += c;
    }
    if (characters < width) out.append(width - characters, ' ');
    return out;
}

}  // namespace

std::string about_text() {
    const std::string lines[] = {
        tr("Программа моделирует прохождение луча света"),
        tr("через границу двух сред"),
        tr("и в плавно неоднородной среде."),
        " ",
        tr("История версий:"),
        tr("1.0 (декабрь 2026), Linux, учебная программа, проект Velantra, C++20 и Qt 6"),
        " ",
        tr("Свидетельство о государственной регистрации: не выдавалось"),
        tr("Дата регистрации: нет (программа не регистрировалась)"),
        tr("Официальный бюллетень: публикации не было"),
        tr("Год, номер выпуска и страница: нет"),
        tr("Адрес бюллетеня в сети: нет"),
    };
    return joined(lines);
}

std::string authors_text() {
    const std::string lines[] = {
        padded(tr("© Проект Velantra, 2026"), 36),
        padded(tr("Учёная степень: не указывается"), 36),
        padded(tr("Учёное звание: не указывается"), 36),
        padded(tr("Открытый учебный проект"), 36),
        padded(tr("Город и страна: не указываются"), 36),
        tr(" velantra@example.org (образец)"),
    };
    return joined(lines);
}

void mnuHelpAbout_Click(MessageBox& box) { box.show(about_text(), tr("О ПРОГРАММЕ"), Buttons::Ok); }

const Form2Def kForm2{
    N_("Авторы"), 222, 297, {"Image1", 32, 8, 150, 180}, {"Label1", 8, 200, 209, 81}, kSystemFont};

void mnuHelpAvtors_Click(AuthorsWindow& form2, const Frame& form1) {
    if (!form2.exists()) form2.create();
    form2.set_label1(authors_text());
    // A window never shown yet has a frame equal to its client area, so it is shown first and
    // then placed by both outer frames.
    if (!form2.visible()) form2.show();
    const Frame outer2 = form2.frame();
    form2.move((form1.width - outer2.width) / 2 + form1.left,
               (form1.height - outer2.height) / 2 + form1.top);
    form2.raise();
}

}  // namespace velantra
