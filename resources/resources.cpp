#include "resources/resources.h"

#include <QtGlobal>

// A static library's resources register only when asked; Q_INIT_RESOURCE cannot sit in a namespace.
static void init_velantra_resources() {
    static const bool once = [] {
        Q_INIT_RESOURCE(velantra);
        return true;
    }();
    (void)once;
}

namespace {
// Runs at start-up in every program that links this file, before any window looks up the icon.
const bool registered = (init_velantra_resources(), true);
}  // namespace

namespace velantra {

QIcon velantra_icon() {
    init_velantra_resources();
    return QIcon(QStringLiteral(":/velantra/icon.png"));
}

QPixmap authors_picture() {
    init_velantra_resources();
    return QPixmap(QStringLiteral(":/velantra/authors.png"));
}

}  // namespace velantra
