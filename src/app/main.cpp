#include "app/commandline.h"
#include "app/shell.h"
#include "buildconfig.h"
#include "ui/look.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

QString g_programName;

void print(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The platform the toolkit is asked for, on the command line or in its variable.
QString requestedPlatform(const QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("-platform"));
    if (at > 0 && at + 1 < arguments.size())
        return arguments.at(at + 1);
    return qEnvironmentVariable("QT_QPA_PLATFORM");
}

bool graphicalSessionMissing(const QStringList& arguments)
{
    const QString platform = requestedPlatform(arguments);
    const bool needsSession = platform.isEmpty() || platform.startsWith(QLatin1String("xcb"))
        || platform.startsWith(QLatin1String("wayland"));
    return needsSession && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_SOCKET");
}

// While the toolkit starts, a session it cannot reach ends the program with a
// message and status 1 instead of an abort and its core dump.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    print(stderr, qFormatLogMessage(type, context, message) + QLatin1Char('\n'));
    if (type == QtFatalMsg) {
        print(stderr, g_programName + QStringLiteral(": cannot show its windows in this graphical session.\n"));
        std::_Exit(1);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    g_programName = CommandLine::programName(arguments);

    // What needs no window is answered before the toolkit looks for a display.
    CommandLine command = readCommandLine(arguments);
    if (command.action == CommandLine::Action::Run && graphicalSessionMissing(arguments)) {
        print(stderr, noDisplayText(g_programName));
        return 1;
    }
    if (command.action != CommandLine::Action::Run) {
        print(command.action == CommandLine::Action::Fail ? stderr : stdout, command.text);
        return command.action == CommandLine::Action::Fail ? 1 : 0;
    }

    qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    // The toolkit has taken its own options; what is left is not ours either.
    command = readLeftoverArguments(QCoreApplication::arguments());
    if (command.action == CommandLine::Action::Fail) {
        print(stderr, command.text);
        return 1;
    }

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
        shell.startApplication();
        if (!shell.hasEnded())
            app.exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return exitCode;
}
