// The pointer readout: the position under the mouse in the picture's metres.

#include <QLabel>

#include "model/format.h"
#include "window/form1.h"

namespace velantra {

void Form1::Picture1_MouseMove(int /*button*/, int /*shift*/, float x, float y) {
    const std::string& sep = sim_.decimal_separator;
    set_label(Label12, QString::fromStdString("X=" + format_fixed(x, 3, sep) + " м"));
    set_label(Label15, QString::fromStdString("Y=" + format_fixed(y, 3, sep) + " м"));
}

}  // namespace velantra
