#include "desktop/fonts.h"

namespace velantra {

QFont font_of(const FontDef& def) {
    QFont font(QString::fromUtf8(def.face));
    font.setPointSizeF(def.points);
    font.setWeight(static_cast<QFont::Weight>(def.weight));
    return font;
}

}  // namespace velantra
