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

// The options the toolkit takes itself, each with one dash or two: whether a value
// follows as the next argument, and whether it may follow an "=" instead.
struct ToolkitOption
{
    const char* name;
    bool takesValue;
    bool takesEquals;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"platform", true, false},
    {"platformpluginpath", true, false},
    {"platformtheme", true, false},
    {"plugin", true, false},
    {"display", true, false},
    {"name", true, false},
    {"visual", true, false},
    {"cmap", false, false},
    {"sync", false, false},
    {"qwindowgeometry", true, false},
    {"geometry", true, false},
    {"qwindowtitle", true, false},
    {"title", true, false},
    {"qwindowicon", true, false},
    {"icon", true, false},
    {"session", true, false},
    {"reverse", false, false},
    {"nograb", false, false},
    {"dograb", false, false},
    {"style", true, true},
    {"stylesheet", true, true},
    {"widgetcount", false, false},
    {"qmljsdebugger", false, true},
    {"testability", false, false},
};

const ToolkitOption* toolkitOption(QStringView name)
{
    for (const ToolkitOption& option : kToolkitOptions) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    const QString program = CommandLine::programName(arguments);
    bool namesDisplayOrPlatform = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h") || argument == QLatin1String("-?")) {
            return {CommandLine::Action::ShowHelp,
                QStringLiteral("Usage: %1 [options]\n\n"
                               "Veltro Weight Loss Calculator 1.00 estimates the daily calorie intake that\n"
                               "keeps the current weight and the intake that reaches a weight-loss goal in\n"
                               "a chosen number of days.\n\n"
                               "Options:\n"
                               "  -h, --help     Show this help and exit.\n"
                               "  -v, --version  Show the version and exit.\n\n"
                               "The toolkit's own options, such as -platform wayland, -display :1 or\n"
                               "-style fusion, are taken too, with one dash or two.\n")
                    .arg(program)};
        }
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return {CommandLine::Action::ShowVersion, QStringLiteral("%1 1.00\n").arg(program)};
        if (argument == QLatin1String("--"))
            break;
        if (!argument.startsWith(QLatin1Char('-')))
            continue;
        // -platform xcb and --platform xcb are both the toolkit's, as are -style=fusion
        // and --style=fusion.
        QStringView name = QStringView(argument).mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0)
            name = name.left(equals);
        const ToolkitOption* option = toolkitOption(name);
        if (option && (equals < 0 || option->takesEquals)) {
            if (name == QLatin1String("display") || name == QLatin1String("platform"))
                namesDisplayOrPlatform = true;
            if (option->takesValue && equals < 0)
                ++i;
            continue;
        }
        // Single-dash words the toolkit may know better are judged once it has started.
        if (argument.startsWith(QLatin1String("--")))
            return failure(program, QStringLiteral("unknown option '%1'").arg(argument));
    }
    CommandLine run;
    run.namesDisplayOrPlatform = namesDisplayOrPlatform;
    return run;
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
