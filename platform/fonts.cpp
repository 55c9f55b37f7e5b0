#include "platform/fonts.h"

namespace velantra {

QFont sans_font(QFont::Weight weight) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setWeight(weight);
    return font;
}

}  // namespace velantra
