#include "app/shell.h"
#include "ui/look.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Windows come and go; only the exit screen ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    Look::applyApplicationLook();

    int exitCode = 0;
    {
        Shell shell;
        shell.setTerminator([&exitCode](int code) {
            exitCode = code;
            QCoreApplication::exit(code);
        });
        shell.StartApplication();
        if (!shell.hasEnded())
            app.exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return exitCode;
}
