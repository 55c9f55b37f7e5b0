// Typesets one HTML source as an A4 PDF: text in one column inside fixed margins, page
// numbers under it, and figures in their places. A source names a figure by <img src="name">
// (the program's own ray figures and plots, or an image given on the command line) and
// puts its caption's parameters where it writes {{name}}; {{program}} names the program.
// The language (Russian by default) is the source's: it chooses the figures' texts and numbers.
// Usage: velantra_makedoc [--lang <code>] <source.html> <output.pdf> [name=image.png ...]

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextObjectInterface>
#include <QTextTable>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

#include "docs/figure.h"

namespace velantra::docs {
namespace {

constexpr int kFigureObject = QTextFormat::UserObject + 1;
constexpr int kFigureName = QTextFormat::UserProperty + 1;
constexpr int kFigureCaption = QTextFormat::UserProperty + 2;

// The page in millimetres: the text column and the footer with the page number lie inside
// the margins; nothing is drawn outside them.
constexpr double kPageWidth = 210, kPageHeight = 297;
constexpr double kSide = 20, kTop = 18, kBottom = 18, kFooter = 10;

// A figure with its caption under it, as one object, so a page break never parts them.
class FigureObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
  public:
    FigureObject(const std::map<QString, Figure>& figures, double column)
        : figures_(figures), column_(column) {}

    QSizeF intrinsicSize(QTextDocument* doc, int, const QTextFormat& format) override {
        const Figure& f = figure(format);
        const double height = column_ * f.width * f.aspect;
        const auto caption = caption_of(doc, format);
        return {column_, height + (caption ? gap(doc) + caption->size().height() : 0.0)};
    }
    // The page being drawn, in layout units: a figure on the next page is not drawn here,
    // not even the sliver at the page's edge.
    void setPage(const QRectF& page) { page_ = page; }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc, int,
                    const QTextFormat& format) override {
        if (rect.top() < page_.top() - 1 || rect.top() >= page_.bottom() - 1) return;
        const Figure& f = figure(format);
        const double width = column_ * f.width;
        const QRectF area(rect.left() + (rect.width() - width) / 2, rect.top(), width,
                          width * f.aspect);
        painter->save();
        f.draw(*painter, area);
        painter->restore();
        if (const auto caption = caption_of(doc, format)) {
            painter->save();
            painter->translate(rect.left(), area.bottom() + gap(doc));
            caption->drawContents(painter);
            painter->restore();
        }
    }

  private:
    const Figure& figure(const QTextFormat& format) const {
        return figures_.at(format.property(kFigureName).toString());
    }
    static double gap(QTextDocument* doc) {
        return doc->documentLayout()->paintDevice()->logicalDpiY() / 25.4 * 2;  // 2 mm
    }
    // The caption typeset alone in the column's width, in the document's fonts.
    std::unique_ptr<QTextDocument> caption_of(QTextDocument* doc, const QTextFormat& format) const {
        const QString html = format.property(kFigureCaption).toString();
        if (html.isEmpty()) return nullptr;
        auto caption = std::make_unique<QTextDocument>();
        caption->documentLayout()->setPaintDevice(doc->documentLayout()->paintDevice());
        caption->setDefaultFont(doc->defaultFont());
        caption->setDocumentMargin(0);
        caption->setHtml(html);
        caption->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
        caption->setTextWidth(column_);
        return caption;
    }

    const std::map<QString, Figure>& figures_;
    double column_;
    QRectF page_;
};

// A language a source may be written in: the word its figure captions start with and the
// decimal separator of its figures' numbers.
struct Language {
    const char* code;
    const char* figure;
    QChar decimal;
};
constexpr Language kLanguages[] = {{"ru", "Рис.", u','}, {"en", "Fig.", u'.'}};

// The number a cell's text starts with ("65 (почти насыщенный)" gives 65).
bool leading_number(const QString& text, double& value) {
    static const QRegularExpression number(QStringLiteral("^\\s*([0-9]+(?:[.,][0-9]+)?)"));
    const auto match = number.match(text);
    if (!match.hasMatch()) return false;
    value = match.captured(1).replace(u',', u'.').toDouble();
    return true;
}

// The document's tables with numbers in their first two columns, in their order.
std::vector<Table> numeric_tables(QTextDocument& doc) {
    std::vector<Table> tables;
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr || table->columns() < 2) continue;
        Table rows;
        for (int r = 0; r < table->rows(); ++r) {
            auto text = [&](int c) {
                const QTextTableCell cell = table->cellAt(r, c);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
                return cursor.selectedText();
            };
            double c = 0, n = 0;
            if (leading_number(text(0), c) && leading_number(text(1), n)) rows.emplace_back(c, n);
        }
        if (!rows.empty()) tables.push_back(rows);
    }
    return tables;
}

// Turns every <img> that names a figure into the figure object, with the paragraph after it
// as its caption when that starts with the language's word for a figure; false if a source
// names an image that is not there.
bool place_figures(QTextDocument& doc, const std::map<QString, Figure>& figures,
                   const QString& figure_word) {
    struct Place {
        int position;
        QString name;
    };
    std::vector<Place> places;
    bool whole = true;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) continue;
            const QString name = fragment.charFormat().toImageFormat().name();
            if (figures.count(name) == 0) {
                std::fprintf(stderr, "no figure or image named %s\n", qPrintable(name));
                whole = false;
                continue;
            }
            for (int i = 0; i < fragment.length(); ++i)
                places.push_back({fragment.position() + i, name});
        }
    }
    // From the end, so the positions still ahead stay valid while captions are taken out.
    for (std::size_t i = places.size(); i-- > 0;) {
        const Place& place = places[i];
        QTextCharFormat format;
        format.setObjectType(kFigureObject);
        format.setProperty(kFigureName, place.name);
        const QTextBlock next = doc.findBlock(place.position).next();
        if (next.isValid() && next.text().startsWith(figure_word)) {
            QTextCursor caption(next);
            caption.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            format.setProperty(kFigureCaption, caption.selection().toHtml());
            caption.movePosition(QTextCursor::StartOfBlock);
            caption.movePosition(QTextCursor::PreviousCharacter);
            caption.setPosition(next.position() + next.length() - 1, QTextCursor::KeepAnchor);
            caption.removeSelectedText();
        }
        QTextCursor cursor(&doc);
        cursor.setPosition(place.position);
        cursor.setPosition(place.position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
    return whole;
}

int run(int argc, char** argv) {
    const Language* language = &kLanguages[0];
    if (argc > 2 && std::strcmp(argv[1], "--lang") == 0) {
        language = nullptr;
        for (const Language& known : kLanguages)
            if (std::strcmp(argv[2], known.code) == 0) language = &known;
        if (language == nullptr) {
            std::fprintf(stderr, "no language %s\n", argv[2]);
            return 2;
        }
        argc -= 2;
        argv += 2;
    }
    // The style sheet a document's languages share ("--style" would be taken by Qt itself).
    QString style;
    if (argc > 2 && std::strcmp(argv[1], "--sheet") == 0) {
        QFile sheet(QString::fromLocal8Bit(argv[2]));
        if (!sheet.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", argv[2]);
            return 1;
        }
        style = QString::fromUtf8(sheet.readAll());
        argc -= 2;
        argv += 2;
    }
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: velantra_makedoc [--lang <code>] [--sheet <style.css>] <source.html> "
                     "<output.pdf> [name=image ...]\n");
        return 2;
    }
    if (!set_language(language->code)) {
        std::fprintf(stderr, "no catalogue for %s\n", language->code);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QString html = QString::fromUtf8(source.readAll());
    if (!style.isEmpty())
        html.replace(QStringLiteral("</head>"),
                     QStringLiteral("<style>\n") + style + QStringLiteral("</style></head>"));
    const QString program = QStringLiteral("Velantra " VELANTRA_VERSION);

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    pdf.setCreator(program);
    const double mm = pdf.resolution() / 25.4;
    const double column = (kPageWidth - 2 * kSide) * mm;
    const double body = (kPageHeight - kTop - kBottom - kFooter) * mm;

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&pdf);
    doc.setDocumentMargin(0);
    doc.setPageSize(QSizeF(column, body));
    // Liberation Serif carries Cyrillic and Greek, so every letter of the sources prints.
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(11.5);
    doc.setDefaultFont(font);
    doc.setHtml(html);  // first for the tables that plots draw from

    const Edition edition{program, language->decimal};
    std::map<QString, Figure> figures = ray_figures(edition);
    figures.merge(plot_figures(numeric_tables(doc), edition));
    for (int i = 3; i < argc; ++i) {
        const QString pair = QString::fromLocal8Bit(argv[i]);
        const qsizetype eq = pair.indexOf(u'=');
        const QImage image(eq > 0 ? pair.mid(eq + 1) : QString());
        // A document with a hole where its picture should be is a broken build, not a warning.
        if (eq <= 0 || image.isNull()) {
            std::fprintf(stderr, "cannot read image %s\n", argv[i]);
            return 1;
        }
        Figure shot;
        shot.aspect = static_cast<double>(image.height()) / image.width();
        shot.draw = [image](QPainter& painter, const QRectF& rect) {
            painter.drawImage(rect, image);
        };
        figures[pair.left(eq)] = shot;
    }
    QString text = html;
    text.replace(QStringLiteral("{{program}}"), program);
    for (const auto& [name, figure] : figures)
        text.replace(QStringLiteral("{{") + name + QStringLiteral("}}"), figure.caption);
    FigureObject handler(figures, column);
    doc.documentLayout()->registerHandler(kFigureObject, &handler);
    doc.setHtml(text);
    if (!place_figures(doc, figures, QString::fromUtf8(language->figure))) return 1;
    // Lay the whole document out afresh with the figures' sizes.
    doc.markContentsDirty(0, doc.characterCount());
    pdf.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));

    QPainter painter(&pdf);
    QFont number_font(QStringLiteral("Liberation Serif"));
    number_font.setPointSizeF(10);
    const int pages = doc.pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0) pdf.newPage();
        const QRectF shown(0, page * body, column, body);
        // Clipped at the page's edges only: whatever runs past the column shows in the margin,
        // where the check of the pages finds it, instead of being cut off unseen.
        const QRectF drawn(-kSide * mm, shown.top(), kPageWidth * mm, body);
        painter.save();
        painter.translate(kSide * mm, kTop * mm - page * body);
        painter.setClipRect(drawn);
        handler.setPage(shown);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = drawn;
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(number_font);
        painter.drawText(QRectF(kSide * mm, (kTop + 0.0) * mm + body, column, kFooter * mm),
                         Qt::AlignHCenter | Qt::AlignBottom, QString::number(page + 1));
    }
    return 0;
}

}  // namespace
}  // namespace velantra::docs

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    try {
        return velantra::docs::run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

#include "makedoc.moc"
