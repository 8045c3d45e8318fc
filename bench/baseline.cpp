// The bare toolkit the program's start-up is measured against: a main window with a
// menu bar and one label, nothing else.
//
//   veltro-bench-baseline [WIDTHxHEIGHT]
//
// With a size the window takes it, so that it is compared with a program window of
// the same area: the memory behind a window grows with its pixels.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.setCentralWidget(new QLabel(QStringLiteral("Hello"), &window));
    if (argc > 1) {
        const QStringList size = QString::fromLocal8Bit(argv[1]).split(QLatin1Char('x'));
        if (size.size() == 2)
            window.setFixedSize(size.at(0).toInt(), size.at(1).toInt());
    }
    window.show();
    return app.exec();
}
