// The pointer readout: the position under the mouse in the picture's metres.

#include "model/catalogue.h"
#include "model/format.h"
#include "window/form1.h"

namespace velantra {

void Form1::pointer_moved(double px, double py) {
    const DevicePoint p = picture_.map().to_user(px, py);
    Picture1_MouseMove(static_cast<float>(p.x), static_cast<float>(p.y));
}

void Form1::Picture1_MouseMove(float x, float y) {
    const std::string& sep = sim_.decimal_separator;
    const std::string& metres = tr("unit", "м");
    Label12.set_caption("X=" + format_fixed(x, 3, sep) + " " + metres);
    Label15.set_caption("Y=" + format_fixed(y, 3, sep) + " " + metres);
}

}  // namespace velantra
