// The baseline of the start-up benchmark: a bare Qt Widgets program with one empty main window
// of the program's size (an 860 × 306 client area under a one-menu bar), shown at once. Its
// client area is white, so the benchmark sees its first frame the way it sees the program's.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Qt baseline"));
    window.menuBar()->addMenu(QStringLiteral("&Файл"));
    auto* client = new QWidget(&window);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::white);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    window.setCentralWidget(client);
    window.resize(860, 306 + window.menuBar()->sizeHint().height());
    window.show();
    return app.exec();
}
