#include "app/commandline.h"

#include <QFileInfo>

QString CommandLine::programName(const QStringList& arguments)
{
    return arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
}

namespace {

CommandLine failure(const QString& program, const QString& complaint)
{
    return {CommandLine::Action::Fail,
        QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, complaint)};
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    const QString program = CommandLine::programName(arguments);
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h") || argument == QLatin1String("-?")) {
            return {CommandLine::Action::ShowHelp,
                QStringLiteral("Usage: %1 [options]\n\n"
                               "Veltro Weight Loss Calculator 1.00 estimates the daily calorie intake that\n"
                               "keeps the current weight and the intake that reaches a weight-loss goal in\n"
                               "a chosen number of days.\n\n"
                               "Options:\n"
                               "  -h, --help     Show this help and exit.\n"
                               "  -v, --version  Show the version and exit.\n\n"
                               "The toolkit's own options, such as -platform wayland or -style fusion, are\n"
                               "taken too.\n")
                    .arg(program)};
        }
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return {CommandLine::Action::ShowVersion, QStringLiteral("%1 1.00\n").arg(program)};
        if (argument == QLatin1String("--"))
            break;
        if (argument.startsWith(QLatin1String("--")))
            return failure(program, QStringLiteral("unknown option '%1'").arg(argument));
    }
    return {};
}

CommandLine readLeftoverArguments(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            continue;
        return failure(CommandLine::programName(arguments),
            argument.startsWith(QLatin1Char('-')) ? QStringLiteral("unknown option '%1'").arg(argument)
                                                  : QStringLiteral("unexpected argument '%1'").arg(argument));
    }
    return {};
}

QString noDisplayText(const QString& programName)
{
    return QStringLiteral("%1: needs a graphical session to show its windows, but neither DISPLAY nor "
                          "WAYLAND_DISPLAY is set.\n")
        .arg(programName);
}
