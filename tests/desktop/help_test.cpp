// The Authors window on the desktop: its definition, its text shown whole, its place over the
// main window and its life; the desktop launcher without an opener.

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "desktop/authors_window.h"
#include "desktop/frame_of.h"
#include "help/about.h"
#include "platform/desktop/launcher.h"
#include "resources/resources.h"

using namespace velantra;

namespace {

const QString kAuthors = QString::fromStdString(authors_text());

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

  private slots:

    void form2_is_defined_as_its_table_says() {
        QWidget form1;
        form1.setGeometry(100, 100, 860, 330);
        form1.show();
        QtAuthorsWindow authors;
        authors.set_owner(&form1);
        mnuHelpAvtors_Click(authors, frame_of(form1));
        QWidget* form2 = authors.form2();
        QVERIFY(form2 != nullptr);
        QVERIFY(form2->isVisible() && form2->isWindow());
        QCOMPARE(form2->parentWidget(), nullptr);
        QVERIFY(form1.windowHandle() &&
                form2->windowHandle()->transientParent() == form1.windowHandle());
        QCOMPARE(form2->windowTitle(), QStringLiteral("Авторы"));
        QCOMPARE(form2->size(), QSize(222, 297));
        QCOMPARE(form2->minimumSize(), form2->maximumSize());
        auto* image = form2->findChild<QLabel*>(QStringLiteral("Image1"));
        auto* label = form2->findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(image && label);
        QCOMPARE(image->geometry(), QRect(32, 8, 150, 180));
        QCOMPARE(image->pixmap().size(), QSize(150, 180));
        QCOMPARE(label->geometry(), QRect(8, 200, 209, 81));
        QCOMPARE(label->text(), kAuthors);
        QVERIFY(!form2->windowIcon().isNull());
        QCOMPARE(velantra_icon().pixmap(32, 32).size(), QSize(32, 32));
        QVERIFY(!QApplication::activeModalWidget());   // modeless
        QVERIFY(form1.close() && form2->isVisible());  // not closed with Form1
    }

    void label_shows_six_lines() {
        // Each CR LF must break the line once: six lines of text, not one and not twelve.
        QLabel probe;
        probe.setTextFormat(Qt::PlainText);
        probe.setText(QStringLiteral("x"));
        const int one = probe.sizeHint().height();
        probe.setText(kAuthors);
        const int six = probe.sizeHint().height();
        QVERIFY2(six > 5 * one && six < 7 * one,
                 qPrintable(QStringLiteral("%1 vs %2").arg(six).arg(one)));
    }

    void authors_text_fits_inside_label1() {
        // The label keeps its defined box, so its font must let all six lines show whole
        // (the padding blanks may run past the edge: they draw nothing).
        QWidget form1;
        form1.show();
        QtAuthorsWindow authors;
        mnuHelpAvtors_Click(authors, frame_of(form1));
        auto* label = authors.form2()->findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(label);
        const QFontMetrics metrics = label->fontMetrics();
        const QStringList lines = label->text().split(QStringLiteral("\r\n"));
        for (const QString& line : lines) {
            QString ink = line;
            while (ink.endsWith(QLatin1Char(' '))) ink.chop(1);
            QVERIFY2(metrics.horizontalAdvance(ink) <= label->width(), qPrintable(line));
        }
        QVERIFY(static_cast<int>(lines.size()) * metrics.lineSpacing() <= label->height());
        QVERIFY(label->geometry().bottom() < authors.form2()->height());
    }

    void form2_is_centred_over_form1_again_after_a_move() {
        QWidget form1;
        form1.setGeometry(50, 60, 860, 330);
        form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QtAuthorsWindow authors;
        mnuHelpAvtors_Click(authors, frame_of(form1));
        auto centred = [&] {
            const QRect a = form1.frameGeometry();
            const QRect b = authors.form2()->frameGeometry();
            return QPoint((a.width() - b.width()) / 2 + a.left(),
                          (a.height() - b.height()) / 2 + a.top());
        };
        QCOMPARE(authors.form2()->frameGeometry().topLeft(), centred());
        QWidget* first = authors.form2();
        form1.move(-300, 500);  // may reach off the screen
        mnuHelpAvtors_Click(authors, frame_of(form1));
        QCOMPARE(authors.form2(), first);
        QCOMPARE(authors.form2()->frameGeometry().topLeft(), centred());
    }

    void only_one_form2_and_a_new_one_after_closing() {
        QWidget form1;
        form1.setGeometry(0, 0, 860, 330);
        QtAuthorsWindow authors;
        mnuHelpAvtors_Click(authors, frame_of(form1));
        mnuHelpAvtors_Click(authors, frame_of(form1));
        auto count = [] {
            int n = 0;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("Form2")) ++n;
            return n;
        };
        QCOMPARE(count(), 1);
        QPointer<QWidget> first = authors.form2();
        first->close();  // the user's close box
        QTRY_VERIFY(first.isNull());
        QCOMPARE(authors.form2(), nullptr);
        mnuHelpAvtors_Click(authors, frame_of(form1));
        QVERIFY(authors.form2() && authors.form2()->isVisible());
        QCOMPARE(authors.form2()->findChild<QLabel*>(QStringLiteral("Label1"))->text(), kAuthors);
        QCOMPARE(count(), 1);
        QPointer<QWidget> second = authors.form2();
        authors.close();  // the program ends
        QTRY_VERIFY(second.isNull());
        authors.close();  // closing twice is harmless
    }

    void desktop_launcher_returns_at_once_without_an_opener() {
        const QByteArray path = qgetenv("PATH");
        QTemporaryDir empty;
        qputenv("PATH", QFile::encodeName(empty.path()));
        DesktopLauncher launcher;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!launcher.program_exists("notepad.exe"));
        launcher.open_document(QDir(empty.path()).absoluteFilePath("spravka.pdf").toStdString());
        launcher.start_detached("notepad.exe", {"instruction.txt"});
        const qint64 elapsed = timer.elapsed();
        qputenv("PATH", path);
        QVERIFY2(elapsed < 2000, qPrintable(QString::number(elapsed)));
        QVERIFY(launcher.program_exists("sh"));
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
