#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What the command line asks for. Besides the usual --help and --version, the
// program opens its progress window at start (--progress), or adds a weigh-in to the
// journal, exports the weigh-ins or imports a file of them without any window
// (--add-weight, --export-csv, --import-csv).
// It leaves the toolkit's own options (-platform, -style, -display..., with one dash
// or two) to the toolkit.
struct CommandLine
{
    // The context of the texts of the command line, --help and the no-display line.
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Action { Run, ShowHelp, ShowVersion, AddWeight, ExportCsv, ImportCsv, Fail };
    Action action = Action::Run;
    QString text; // what to print: the help, the version or the error
    // A toolkit option names the display or the platform to show the windows on.
    bool namesDisplayOrPlatform = false;
    // Run: open the progress window once the main window is up.
    bool openProgress = false;
    // AddWeight: the weight and the day as given, read when the weigh-in is stored;
    // no day given is today.
    QString weight;
    QString date;
    // ExportCsv: the file to write, "-" for standard output; ImportCsv: the file to
    // read, "-" for standard input.
    QString csvPath;

    // The name the program was started by, for its messages.
    static QString programName(const QStringList& arguments);
};

// Reads the arguments (the program's own name first) before the toolkit starts, so
// that --help and --version need no display. Its texts are in the language of the
// translation installed, if any: main reads the arguments again once it is.
CommandLine readCommandLine(const QStringList& arguments);

// Reads what the toolkit left of the arguments once it has taken its own options:
// anything left over but the program's own --progress is an error.
CommandLine readLeftoverArguments(const QStringList& arguments);

// The one line printed when there is no graphical session to show the windows in.
QString noDisplayText(const QString& programName);
