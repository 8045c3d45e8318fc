#include "app/shell.h"
#include "buildconfig.h"
#include "ui/look.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // How the desktop knows the program: its desktop entry groups the windows under
    // its icon. No display name is set, as Qt would add it to every window caption.
    QApplication::setApplicationName(QStringLiteral(VELTRO_EXECUTABLE_NAME));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELTRO_APP_ID));
    // Windows come and go; only the exit screen ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    Look::applyApplicationLook();
    QApplication::setWindowIcon(Look::appIcon());

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
