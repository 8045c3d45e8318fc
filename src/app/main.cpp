#include "app/commandline.h"
#include "app/importcommand.h"
#include "app/journalcommand.h"
#include "app/shell.h"
#include "buildconfig.h"
#include "journal/journal.h"
#include "platform/language.h"
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
    if (error) {
        //: On the terminal when the program's answer could not be written out; %1 is the program's
        //: name, %2 the system's reason (such as "No space left on device").
        print(stderr,
            CommandLine::tr("%1: write error: %2\n").arg(g_programName, QString::fromLocal8Bit(std::strerror(error))));
    } else {
        //: On the terminal when the program's answer could not be written out; %1 is the program's name.
        print(stderr, CommandLine::tr("%1: write error\n").arg(g_programName));
    }
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

// Everything that shows no window: the help, the version, an error of the command line
// or of a missing graphical session, and adding a weigh-in, exporting them or
// importing a file of them while the program may be running: no window, and no part
// in the lock that keeps a second instance out. The command line is read again once
// the translation is in, so that what it prints speaks the session's language.
int runWithoutWindows(const QStringList& arguments, int& argc, char** argv)
{
    CommandLine command = readCommandLine(arguments);
    const bool journalCommand = command.action == CommandLine::Action::AddWeight
        || command.action == CommandLine::Action::ExportCsv || command.action == CommandLine::Action::ImportCsv;
    if (journalCommand)
        qInstallMessageHandler(journalMessages);
    QCoreApplication app(argc, argv);
    nameApplication();
    if (installTranslation())
        command = readCommandLine(arguments);

    if (command.action == CommandLine::Action::Run) {
        print(stderr, noDisplayText(g_programName));
        return 1;
    }
    if (command.action == CommandLine::Action::Fail) {
        print(stderr, command.text);
        return 1;
    }
    if (!journalCommand)
        return writeToStandardOutput(command.text.toLocal8Bit());

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

//: On the terminal when the toolkit cannot start in the graphical session; %1 is the program's name.
const char* const kToolkitFailed
    = QT_TRANSLATE_NOOP("CommandLine", "%1: cannot show its windows in this graphical session.\n");

// While the toolkit starts, a session it cannot reach ends the program with a
// message and status 1 instead of an abort and its core dump.
void startupMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    print(stderr, qFormatLogMessage(type, context, message) + QLatin1Char('\n'));
    if (type == QtFatalMsg) {
        // The toolkit has not started: no translation is installed yet.
        print(stderr, QCoreApplication::translate("CommandLine", kToolkitFailed).arg(g_programName));
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
    const CommandLine command = readCommandLine(arguments);
    if (command.action != CommandLine::Action::Run || graphicalSessionMissing(command))
        return runWithoutWindows(arguments, argc, argv);

    qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    installTranslation();
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
