// The About and Authors texts, the Authors window's life and place, and the file each command hands
// over.

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "help/about.h"
#include "help/documents.h"
#include "resources/resources.h"
#include "tests/support/fakes.h"

using namespace velantra;

using testing::FakeBox;
using testing::FakeLauncher;

class HelpTest : public QObject {
    Q_OBJECT

  private slots:
    void about_text_has_twelve_lines_with_the_fixed_ones_exact() {
        const QString text = about_text();
        QVERIFY(!text.endsWith(QLatin1Char('\n')) && !text.endsWith(QLatin1Char('\r')));
        QCOMPARE(text.count(QStringLiteral("\r\n")), 11);
        QCOMPARE(text.count(QLatin1Char('\n')), 11);  // no lone LF either
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines[0], QStringLiteral("Программа моделирует прохождение луча света"));
        QCOMPARE(lines[1], QStringLiteral("через границу двух сред"));
        QCOMPARE(lines[2], QStringLiteral("и в плавно неоднородной среде."));
        QCOMPARE(lines[3], QStringLiteral(" "));
        QCOMPARE(lines[4], QStringLiteral("История версий:"));
        QVERIFY(lines[5].startsWith(QStringLiteral("1.0")));
        QVERIFY(lines[5].contains(QStringLiteral("Linux")) &&
                lines[5].contains(QStringLiteral("Velantra")));
        QCOMPARE(lines[6], QStringLiteral(" "));
        for (int i = 7; i < 12; ++i) QVERIFY2(lines[i].trimmed().size() > 3, qPrintable(lines[i]));
    }

    void about_box_is_titled_and_has_ok_only() {
        FakeBox box;
        mnuHelpAbout_Click(box);
        QCOMPARE(box.shown.size(), std::size_t{1});
        QCOMPARE(box.shown[0].title, QStringLiteral("О ПРОГРАММЕ"));
        QCOMPARE(box.shown[0].text, about_text());
        QVERIFY(box.shown[0].buttons == Buttons::Ok);
    }

    void authors_lines_are_padded_to_36_and_the_address_leads_with_a_blank() {
        const QString text = authors_text();
        QVERIFY(!text.endsWith(QLatin1Char('\n')));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 6);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(lines[i].size(), 36);
            QVERIFY2(lines[i].trimmed().size() > 0, "a line of blanks only");
            QVERIFY(!lines[i].contains(QLatin1Char('\r')) && !lines[i].contains(QLatin1Char('\n')));
        }
        QVERIFY(lines[0].startsWith(QStringLiteral("©")));
        QVERIFY(lines[5].startsWith(QLatin1Char(' ')) &&
                !lines[5].startsWith(QStringLiteral("  ")));
        QVERIFY(lines[5].contains(QLatin1Char('@')));
    }

    void form2_is_defined_as_its_table_says() {
        QWidget form1;
        form1.setGeometry(100, 100, 860, 330);
        form1.show();
        Authors authors;
        authors.mnuHelpAvtors_Click(form1);
        QWidget* form2 = authors.form2();
        QVERIFY(form2 != nullptr);
        QVERIFY(form2->isVisible() && form2->isWindow());
        QCOMPARE(form2->parentWidget(), nullptr);
        QCOMPARE(form2->windowTitle(), QStringLiteral("Авторы"));
        QCOMPARE(form2->size(), QSize(222, 297));
        QCOMPARE(form2->minimumSize(), form2->maximumSize());
        auto* image = form2->findChild<QLabel*>(QStringLiteral("Image1"));
        auto* label = form2->findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(image && label);
        QCOMPARE(image->geometry(), QRect(32, 8, 150, 180));
        QCOMPARE(image->pixmap().size(), QSize(150, 180));
        QCOMPARE(label->geometry(), QRect(8, 200, 209, 81));
        QCOMPARE(label->text(), authors_text());
        QVERIFY(!form2->windowIcon().isNull());
        QCOMPARE(velantra_icon().pixmap(32, 32).size(), QSize(32, 32));
        QVERIFY(!QApplication::activeModalWidget());  // modeless
    }

    void label_shows_six_lines() {
        // Each CR LF must break the line once: six lines of text, not one and not twelve.
        QLabel probe;
        probe.setTextFormat(Qt::PlainText);
        probe.setText(QStringLiteral("x"));
        const int one = probe.sizeHint().height();
        probe.setText(authors_text());
        const int six = probe.sizeHint().height();
        QVERIFY2(six > 5 * one && six < 7 * one,
                 qPrintable(QStringLiteral("%1 vs %2").arg(six).arg(one)));
    }

    void authors_text_fits_inside_label1() {
        // The label keeps its defined box, so its font must let all six lines show whole
        // (the padding blanks may run past the edge: they draw nothing).
        QWidget form1;
        form1.show();
        Authors authors;
        authors.mnuHelpAvtors_Click(form1);
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
        Authors authors;
        authors.mnuHelpAvtors_Click(form1);
        auto centred = [&] {
            const QRect a = form1.frameGeometry();
            const QRect b = authors.form2()->frameGeometry();
            return QPoint((a.width() - b.width()) / 2 + a.left(),
                          (a.height() - b.height()) / 2 + a.top());
        };
        QCOMPARE(authors.form2()->frameGeometry().topLeft(), centred());
        QWidget* first = authors.form2();
        form1.move(-300, 500);  // may reach off the screen
        authors.mnuHelpAvtors_Click(form1);
        QCOMPARE(authors.form2(), first);
        QCOMPARE(authors.form2()->frameGeometry().topLeft(), centred());
    }

    void only_one_form2_and_a_new_one_after_closing() {
        QWidget form1;
        form1.setGeometry(0, 0, 860, 330);
        Authors authors;
        authors.mnuHelpAvtors_Click(form1);
        authors.mnuHelpAvtors_Click(form1);
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
        authors.mnuHelpAvtors_Click(form1);
        QVERIFY(authors.form2() && authors.form2()->isVisible());
        QCOMPARE(authors.form2()->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 authors_text());
        QCOMPARE(count(), 1);
        QPointer<QWidget> second = authors.form2();
        authors.close();  // the program ends
        QTRY_VERIFY(second.isNull());
        authors.close();  // closing twice is harmless
    }

    void commands_hand_over_files_in_the_working_directory_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("file");
        QTest::newRow("Теория") << 0 << "spravka.pdf";
        QTest::newRow("соль и сахар") << 1 << "spravka2.pdf";
        QTest::newRow("разные вещества") << 2 << "spravka3.pdf";
        QTest::newRow("Снеллиус") << 3 << "Snell.pdf";
        QTest::newRow("Управление") << 4 << "uprav.pdf";
        QTest::newRow("Инструкция без notepad.exe") << 5 << "instruction.txt";
    }
    void commands_hand_over_files_in_the_working_directory() {
        QFETCH(int, command);
        QFETCH(QString, file);
        void (*const commands[])(Launcher&) = {mnuFilespravka_Click,  mnuFilespravka2_Click,
                                               mnuFilespravka3_Click, mnuFilesHistory1_Click,
                                               mnuHelpUprav_Click,    mnuHelpInstruction_Click};
        QTemporaryDir dir;
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());  // not the program's folder
        FakeLauncher launcher;
        commands[command](launcher);
        commands[command](launcher);  // twice hands it over twice
        QDir::setCurrent(old);
        const QString expected = QDir(dir.path()).absoluteFilePath(file);
        QCOMPARE(launcher.opened, QStringList({expected, expected}));
        QVERIFY(launcher.started.isEmpty());
    }

    void instruction_starts_notepad_where_it_exists() {
        FakeLauncher launcher;
        launcher.has_notepad = true;
        mnuHelpInstruction_Click(launcher);
        QCOMPARE(launcher.started, QStringList{QStringLiteral("notepad.exe|instruction.txt")});
        QVERIFY(launcher.opened.isEmpty());
    }

    void desktop_launcher_returns_at_once_without_an_opener() {
        const QByteArray path = qgetenv("PATH");
        QTemporaryDir empty;
        qputenv("PATH", QFile::encodeName(empty.path()));
        DesktopLauncher launcher;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!launcher.program_exists(QStringLiteral("notepad.exe")));
        launcher.open_document(QDir(empty.path()).absoluteFilePath(QStringLiteral("spravka.pdf")));
        launcher.start_detached(QStringLiteral("notepad.exe"), {QStringLiteral("instruction.txt")});
        const qint64 elapsed = timer.elapsed();
        qputenv("PATH", path);
        QVERIFY2(elapsed < 2000, qPrintable(QString::number(elapsed)));
        QVERIFY(launcher.program_exists(QStringLiteral("sh")));
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
