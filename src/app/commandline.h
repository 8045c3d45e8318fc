#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. The program itself takes no arguments; it knows
// the usual --help and --version and leaves the toolkit's own options (-platform,
// -style, -display..., with one dash or two) to the toolkit.
struct CommandLine
{
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Action::Run;
    QString text; // what to print: the help, the version or the error
    // A toolkit option names the display or the platform to show the windows on.
    bool namesDisplayOrPlatform = false;

    // The name the program was started by, for its messages.
    static QString programName(const QStringList& arguments);
};

// Reads the arguments (the program's own name first) before the toolkit starts, so
// that --help and --version need no display.
CommandLine readCommandLine(const QStringList& arguments);

// Reads what the toolkit left of the arguments once it has taken its own options:
// anything left over is an error.
CommandLine readLeftoverArguments(const QStringList& arguments);

// The one line printed when there is no graphical session to show the windows in.
QString noDisplayText(const QString& programName);
