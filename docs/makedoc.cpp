// Typesets one HTML source as an A4 PDF, with images the source names by <img src="name">.
// Usage: velantra_makedoc <source.html> <output.pdf> [name=image.png ...]

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: velantra_makedoc <source.html> <output.pdf> [name=image ...]\n");
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument doc;
    // Liberation Serif carries Cyrillic and Greek, so every letter of the sources prints.
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(11.5);
    doc.setDefaultFont(font);
    for (int i = 3; i < argc; ++i) {
        const QString pair = QString::fromLocal8Bit(argv[i]);
        const qsizetype eq = pair.indexOf(u'=');
        const QImage image(eq > 0 ? pair.mid(eq + 1) : QString());
        // A document with a hole where its picture should be is a broken build, not a warning.
        if (eq <= 0 || image.isNull()) {
            std::fprintf(stderr, "cannot read image %s\n", argv[i]);
            return 1;
        }
        doc.addResource(QTextDocument::ImageResource, QUrl(pair.left(eq)), image);
    }
    doc.setHtml(QString::fromUtf8(source.readAll()));

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    pdf.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));
    pdf.setCreator(QStringLiteral("Velantra"));
    doc.print(&pdf);
    return 0;
}
