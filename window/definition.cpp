#include "window/definition.h"

#include <algorithm>

#include "model/catalogue.h"

namespace velantra {

namespace {

constexpr FontDef kStandard{"Times New Roman", 11.25, 400};
constexpr FontDef kStandardBold{"Times New Roman", 11.25, 700};
constexpr FontDef kSans = kSystemFont;
constexpr FontDef kSansBold{kSystemFont.face, kSystemFont.points, 700};
constexpr Colour kInputBack = RGB(255, 255, 192);
constexpr Colour kCaptionBack = RGB(224, 224, 224);
constexpr Colour kResultBack = RGB(192, 255, 255);

constexpr ControlDef text_box(const char* name, const char* tooltip, bool read_only = false) {
    return {.name = name,
            .text = name,
            .tooltip = tooltip,
            .font = kStandard,
            .kind = ControlKind::TextBox,
            .back = kInputBack,
            .has_back = true,
            .read_only = read_only};
}

constexpr ControlDef label(const char* name, const char* text, const char* tooltip, Colour back,
                           const FontDef& font = kStandard) {
    return {.name = name,
            .text = text,
            .tooltip = tooltip,
            .font = font,
            .kind = ControlKind::Label,
            .back = back,
            .has_back = true};
}

// Result and readout lines carry a single-line border.
constexpr ControlDef result(const char* name, const char* text, const char* tooltip) {
    ControlDef d = label(name, text, tooltip, kResultBack);
    d.border = true;
    return d;
}

// The bottom row's captions stand right-justified against their boxes.
constexpr ControlDef bottom_caption(const char* name, const char* text, const char* tooltip) {
    ControlDef d = label(name, text, tooltip, kCaptionBack);
    d.align = Align::Right;
    return d;
}

constexpr ControlDef scroll_bar(const char* name, ControlKind kind, const ScrollDef& scroll) {
    return {.name = name, .kind = kind, .scroll = scroll};
}

constexpr const char* kTipN1 = N_("Показатель преломления верхней среды");
constexpr const char* kTipNmin = N_("Показатель преломления нижней среды сверху");
constexpr const char* kTipNmax = N_("Показатель преломления нижней среды снизу");
constexpr const char* kTipX0 = N_("Начальная координата Х0 (Используйте горизонтальный скроллинг)");
constexpr const char* kTipYo = N_("Начальная координата Yo (Используйте вертикальный скроллинг)");

constexpr ControlDef kControls[] = {
    {.name = "Picture1",
     .tooltip = N_("Здесь траектория луча"),
     .font = kSans,
     .kind = ControlKind::Picture,
     .back = RGB(255, 255, 255),
     .fore = ForeKind::Own,
     .fore_colour = RGB(0, 0, 0),
     .has_back = true},
    {.name = "Shape1",
     .kind = ControlKind::Shape,
     .width = 12,
     .height = 12,
     .shape = {RGB(128, 128, 128), RGB(0, 0, 0), 3}},
    text_box("Text1", kTipN1),
    text_box("Text2", kTipNmin),
    text_box("Text3", kTipNmax),
    text_box("Text4", kTipX0, true),
    text_box("Text5", kTipYo, true),
    text_box("Text6", N_("Начальный угол входа луча (Используйте скроллинг справа. Можно "
                         "уточнить вручную)")),
    scroll_bar("HScroll1", ControlKind::HScrollBar, {0, 600, 1, 50, 50}),
    scroll_bar("VScroll1", ControlKind::VScrollBar, {-100, 100, 1, 50, 40}),
    // 181 at the top: the upper arrow raises the angle.
    scroll_bar("VScroll2", ControlKind::VScrollBar, {181, -181, 1, 10, 45}),
    {.name = "CmdOK",
     .text = N_("ПУСК"),
     .tooltip = N_("Запуск (остановка) установки"),
     .font = kSansBold,
     .kind = ControlKind::Button},
    label("Label1", "n1=", kTipN1, kCaptionBack),
    [] {
        ControlDef d = label("Label2", "nmin=", kTipNmin, kCaptionBack);
        d.fore = ForeKind::Own;
        d.fore_colour = RGB(0, 0, 0);
        return d;
    }(),
    [] {
        ControlDef d = label("Label3", "nmax=", kTipNmax, kCaptionBack);
        d.fore = ForeKind::Window;
        return d;
    }(),
    bottom_caption("Label4", N_("Xо="), kTipX0),
    bottom_caption("Label5", " Yo=", kTipYo),
    // The alpha is written as itself: a symbol-encoded face is not to be relied on.
    bottom_caption("Label6", "α0=", N_("Начальный угол входа луча (Используйте скроллинг справа)")),
    label("Label10", N_("Параметры среды"), N_("Параметры среды"), kCaptionBack, kStandardBold),
    label("Label11", N_("Характеристики"), N_("Характеристики"), kCaptionBack, kStandardBold),
    result("Label7", "label7", N_("параметр nmin/(nmax-nmin)")),
    result("Label8", "Label8", N_("Угол преломления на границе")),
    result("Label9", "Label9", N_("Предельный угол полного отражения для однородных сред")),
    result("Label13", "Label13", N_("Координаты вершины траектории")),
    result("Label14", "Label14", N_("Координаты пересечения с границей сред")),
    result("Label12", "Label12", N_("Координата Х (м)")),
    result("Label15", "Label15", N_("Координата Y (м)")),
};

constexpr const char* kOrder[] = {"CmdOK", "Picture1", "Text2", "Text1",    "Text4",   "Text5",
                                  "Text6", "HScroll1", "Text3", "VScroll1", "VScroll2"};

constexpr MenuEntryDef kFile[] = {
    {"mnuFilespravka", N_("&Теория")},
    {"mnuFilespravka2", N_("&Показатель преломления соль и сахар")},
    {"mnuFilespravka3", N_("&Показатели преломления разных веществ")},
    {"mnuHelpSep2", "-"},
    {"mnuFilesHistory1", N_("Снеллиус")},
};
constexpr MenuEntryDef kHelp[] = {
    {"mnuHelpInstruction", N_("Инструкция")},
    {"mnuHelpUprav", N_("Управление")},
    {"mnuHelpSep1", "-"},
    {"mnuHelpAvtors", N_("Авторы")},
    {"mnuHelpAbout", N_("О программе")},
};
constexpr MenuDef kMenuTree[] = {{"mnuFile", N_("&Файл"), kFile},
                                 {"mnuHelp", N_("&Помощь"), kHelp}};

}  // namespace

const WindowDef kForm1{"Velantra", 860, 306, kCaptionBack};
const std::span<const ControlDef> kForm1Controls(kControls);
const std::span<const char* const> kFocusOrder(kOrder);
const std::span<const MenuDef> kMenus(kMenuTree);

std::vector<const ControlDef*> stacking_order() {
    std::vector<const ControlDef*> order;
    for (const ControlDef& d : kForm1Controls)
        if (d.kind == ControlKind::Label) order.push_back(&d);
    std::reverse(order.begin(), order.end());
    for (const ControlDef& d : kForm1Controls)
        if (d.kind != ControlKind::Label) order.push_back(&d);
    return order;
}

}  // namespace velantra
