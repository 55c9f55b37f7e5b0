#include "desktop/fonts.h"

namespace velantra {

QFont font_of(const FontDef& def) {
    QFont font(QString::fromUtf8(def.face));
    font.setPointSizeF(def.points);
    font.setWeight(static_cast<QFont::Weight>(def.weight));
    return font;
}

QFont sans_font(QFont::Weight weight) { return font_of({"MS Sans Serif", 8.25, weight}); }

}  // namespace velantra
