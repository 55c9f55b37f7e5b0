// Every catalogue's texts in the controls' fonts at the window's defined size: a translation may
// not be cut off where the Russian is whole, and each menu's access keys stay distinct.

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QtTest>
#include <map>
#include <set>

#include "help/about.h"
#include "model/catalogue.h"
#include "surface/painter_surface.h"
#include "tests/desktop/window_rig.h"

using namespace velantra;
using namespace velantra::testing;

namespace {

// What a control needs against what it has, in pixels.
struct Fit {
    QString text;
    int needed_width = 0, width = 0, needed_height = 0, height = 0;
    bool fits() const { return needed_width <= width && needed_height <= height; }
};

// Each text of the window and of the Authors window as shown in the chosen language, the
// pointer readout with a value of as many digits as it shows.
std::map<QString, Fit> fits_in(const std::string& code) {
    set_language(code);
    std::map<QString, Fit> fits;
    {
        Rig rig;
        rig.logic().Picture1_MouseMove(-12.345f, -10.5f);
        for (const ControlDef& d : kForm1Controls) {
            QWidget* w = rig.find<QWidget>(d.name);
            const QFontMetrics metrics(w->font());
            if (auto* label = qobject_cast<QLabel*>(w)) {
                // A framed label keeps half an "x" of indent on its aligned side.
                const int indent = label->frameWidth() > 0 ? metrics.horizontalAdvance('x') / 2 : 0;
                fits[d.name] = {label->text(), metrics.horizontalAdvance(label->text()),
                                label->contentsRect().width() - indent, metrics.height(),
                                label->contentsRect().height()};
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                const int margin =
                    button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
                fits[d.name] = {button->text(),
                                metrics.horizontalAdvance(button->text()) + 2 * margin,
                                button->width(), metrics.height(), button->height()};
            }
        }
    }
    const QString authors = QString::fromStdString(authors_text());
    const QFontMetrics metrics(font_of(kForm2.label_font));
    const QStringList lines = authors.split(QStringLiteral("\r\n"));
    Fit& fit = fits[QStringLiteral("Form2.Label1")];
    fit = {authors, 0, kForm2.label.width, static_cast<int>(lines.size()) * metrics.lineSpacing(),
           kForm2.label.height};
    // The blanks that pad a line to its width may run past the edge unseen.
    for (const QString& line : lines) {
        qsizetype end = line.size();
        while (end > 0 && line.at(end - 1) == QLatin1Char(' ')) --end;
        fit.needed_width = std::max(fit.needed_width, metrics.horizontalAdvance(line.left(end)));
    }
    set_language("ru");
    return fits;
}

}  // namespace

class CataloguesTest : public QObject {
    Q_OBJECT
  private slots:
    void every_translation_fits_where_the_russian_does();
};

void CataloguesTest::every_translation_fits_where_the_russian_does() {
    const std::map<QString, Fit> russian = fits_in("ru");
    QVERIFY(russian.size() > 10);
    const std::vector<std::string> codes = languages();
    QVERIFY(codes.size() >= 2);
    for (const std::string& code : codes) {
        if (code == "ru") continue;
        for (const auto& [name, fit] : fits_in(code)) {
            const Fit& original = russian.at(name);
            QVERIFY2(fit.fits() || !original.fits(),
                     qPrintable(QStringLiteral("%1: %2 \"%3\" needs %4×%5 px of %6×%7")
                                    .arg(QString::fromStdString(code), name, fit.text)
                                    .arg(fit.needed_width)
                                    .arg(fit.needed_height)
                                    .arg(fit.width)
                                    .arg(fit.height)));
        }
        set_language(code);
        for (const MenuDef& menu : kMenus) {
            std::set<QChar> keys;
            for (const MenuEntryDef& entry : menu.entries) {
                const QString caption = q(velantra::tr(entry.caption));
                const qsizetype at = caption.indexOf(QLatin1Char('&'));
                if (at < 0 || at + 1 >= caption.size()) continue;
                QVERIFY2(keys.insert(caption.at(at + 1).toLower()).second,
                         qPrintable(QStringLiteral("%1: the access key of \"%2\" is taken")
                                        .arg(QString::fromStdString(code), caption)));
            }
        }
        set_language("ru");
    }
}

QTEST_MAIN(CataloguesTest)
#include "catalogues_test.moc"
