#include "app/commandline.h"
#include "app/importcommand.h"
#include "app/journalcommand.h"
#include "app/shell.h"
#include "buildconfig.h"
#include "journal/journal.h"
#include "ui/look.h"

#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QString g_programName;

// False when the bytes could not be written whole (a full disk, a closed stream).
bool write(FILE* stream, const QByteArray& bytes)
{
    const bool written = std::fwrite(bytes.constData(), 1, bytes.size(), stream) == std::size_t(bytes.size());
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

bool print(FILE* stream, const QString& text)
{
    return write(stream, text.toLocal8Bit());
}

// As GNU programs do: an answer that could not be written is an error.
int writeToStandardOutput(const QByteArray& bytes)
{
    errno = 0;
    if (write(stdout, bytes))
        return 0;
    const int error = errno;
    print(stderr,
        QStringLiteral("%1: write error%2\n")
            .arg(g_programName,
                error ? QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error)) : QString()));
    return 1;
}

// The name the program's files are kept under ($XDG_DATA_HOME/<name>/...), the same
// with or without windows.
void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral(VELTRO_EXECUTABLE_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
}

// The journal's commands say what failed in their own words, on one line; the
// toolkit's warnings would only add lines to it.
void journalMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        print(stderr, qFormatLogMessage(type, context, message) + QLatin1Char('\n'));
}

// Adds a weigh-in, exports them or imports a file of them without a display, while the program may be
// running: no window, and no part in the lock that keeps a second instance out.
int runWithoutWindows(const CommandLine& command, int& argc, char** argv)
{
    qInstallMessageHandler(journalMessages);
    QCoreApplication app(argc, argv);
    nameApplication();
    Journal journal;
    const JournalCommandResult result = command.action == CommandLine::Action::ImportCsv
        ? importWeighIns(command.csvPath, journal, QDate::currentDate())
        : runJournalCommand(command, journal, QDate::currentDate());
    for (const QString& line : result.errors)
        print(stderr, QStringLiteral("%1: %2\n").arg(g_programName, line));
    if (!result.output.isEmpty() && writeToStandardOutput(result.output) != 0)
        return 1;
    return result.status;
}

// Nothing names a display or a platform, neither the command line nor the
// environment: there is no graphical session to show the windows in. Where something
// does, the toolkit tries it and tells what fails.
bool graphicalSessionMissing(const CommandLine& command)
{
    return !command.namesDisplayOrPlatform && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
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
    if (command.action == CommandLine::Action::Run && graphicalSessionMissing(command)) {
        print(stderr, noDisplayText(g_programName));
        return 1;
    }
    if (command.action == CommandLine::Action::Fail) {
        print(stderr, command.text);
        return 1;
    }
    if (command.action == CommandLine::Action::AddWeight || command.action == CommandLine::Action::ExportCsv
        || command.action == CommandLine::Action::ImportCsv)
        return runWithoutWindows(command, argc, argv);
    if (command.action != CommandLine::Action::Run)
        return writeToStandardOutput(command.text.toLocal8Bit());

    qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    // The toolkit has taken its own options; what is left is not ours either.
    const CommandLine leftover = readLeftoverArguments(QCoreApplication::arguments());
    if (leftover.action == CommandLine::Action::Fail) {
        print(stderr, leftover.text);
        return 1;
    }

    // How the desktop knows the program: its desktop entry groups the windows under
    // its icon. No display name is set, as Qt would add it to every window caption.
    nameApplication();
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
        shell.setProgressAtStart(command.openProgress);
        shell.startApplication();
        if (!shell.hasEnded())
            app.exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return exitCode;
}
