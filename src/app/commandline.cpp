#include "app/commandline.h"

#include <QFileInfo>
#include <QRegularExpression>

QString CommandLine::programName(const QStringList& arguments)
{
    return arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
}

namespace {

CommandLine answer(CommandLine::Action action, const QString& text)
{
    CommandLine command;
    command.action = action;
    command.text = text;
    return command;
}

CommandLine failure(const QString& program, const QString& complaint)
{
    return answer(CommandLine::Action::Fail,
        //: An error of the command line, on the terminal. %1 is the program's name, %2 what is wrong
        //: (one of the texts below). Keep '%1 --help' as it is: it is a command to type.
        CommandLine::tr("%1: %2\nTry '%1 --help' for more information.\n").arg(program, complaint));
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

// The program's own options that take a value, as the next argument or after "=".
struct ValueOption
{
    const char* name;
    const char* needs; // what the value is, for the complaint when it is missing
};
//: What the value of a command-line option must be, after "option '--add-weight' needs a value: ".
//: Keep the units lb and kg and the example 172.4lb as they are: the program reads them.
constexpr ValueOption kAddWeight {
    "--add-weight", QT_TRANSLATE_NOOP("CommandLine", "a weight with its unit, such as 172.4lb")};
//: What the value of the command-line option --date must be. Keep YYYY-MM-DD: the day is written so.
constexpr ValueOption kDate {"--date", QT_TRANSLATE_NOOP("CommandLine", "a day as YYYY-MM-DD")};
//: What the value of the command-line option --export-csv must be; "-" stands for standard output.
constexpr ValueOption kExportCsv {"--export-csv", QT_TRANSLATE_NOOP("CommandLine", "a file, or - for standard output")};
//: What the value of the command-line option --import-csv must be; "-" stands for standard input.
constexpr ValueOption kImportCsv {"--import-csv", QT_TRANSLATE_NOOP("CommandLine", "a file, or - for standard input")};

QString helpText(const QString& program)
{
    //: The text of --help on the terminal; %1 is the program's name. Keep every line within 79 columns
    //: and the options (-h, --help, --add-weight...), the units lb and kg, the examples (172.4lb, 78,2kg)
    //: and the toolkit's options (-platform wayland, -display :1, -style fusion) as they are. The manual
    //: page is made from the English text.
    return CommandLine::tr("Usage: %1 [options]\n\n"
                           "Veltro Weight Loss Calculator 1.00 estimates the daily calorie intake that\n"
                           "keeps the current weight and the intake that reaches a weight-loss goal in\n"
                           "a chosen number of days.\n\n"
                           "Options:\n"
                           "  -h, --help               Show this help and exit.\n"
                           "  -v, --version            Show the version and exit.\n"
                           "      --progress           Open the progress window once the main window is\n"
                           "                           up; while the program runs, bring its progress\n"
                           "                           window to the front instead.\n"
                           "      --add-weight WEIGHT  Add a weigh-in to the journal and exit, without a\n"
                           "                           window, even while the program runs. WEIGHT is a\n"
                           "                           number and its unit, lb or kg: 172.4lb, 78,2kg.\n"
                           "      --date YYYY-MM-DD    With --add-weight: the day of the weigh-in, today\n"
                           "                           or earlier (by default today).\n"
                           "      --export-csv FILE    Write every weigh-in as CSV to FILE (- for\n"
                           "                           standard output) and exit, without a window.\n"
                           "      --import-csv FILE    Add the weigh-ins of a CSV file (- for standard\n"
                           "                           input) to the journal and exit, without a window,\n"
                           "                           even while the program runs; print how many were\n"
                           "                           added, replaced and unchanged, and each line left\n"
                           "                           out with its reason.\n\n"
                           "The toolkit's own options, such as -platform wayland, -display :1 or\n"
                           "-style fusion, are taken too, with one dash or two.\n")
        .arg(program);
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    const QString program = CommandLine::programName(arguments);
    CommandLine command;
    // The option that chose what the program does, to refuse a second one.
    QString chosenBy;
    bool dateGiven = false;
    // The first argument that neither the program nor the toolkit takes: the toolkit
    // judges it when it starts, but the journal's options start no toolkit.
    QString stray;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h") || argument == QLatin1String("-?"))
            return answer(CommandLine::Action::ShowHelp, helpText(program));
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return answer(CommandLine::Action::ShowVersion, QStringLiteral("%1 1.00\n").arg(program));
        if (argument == QLatin1String("--")) {
            if (stray.isEmpty() && i + 1 < arguments.size())
                stray = arguments.at(i + 1);
            break;
        }
        if (!argument.startsWith(QLatin1Char('-'))) {
            if (stray.isEmpty())
                stray = argument;
            continue;
        }

        // The value of --name VALUE or --name=VALUE, or a complaint. A value never
        // starts with "--", so that a forgotten one does not swallow the next option.
        QString value, complaint;
        const auto takes = [&](const ValueOption& option) {
            const QLatin1String name(option.name);
            if (argument == name) {
                if (i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1String("--")))
                    value = arguments.at(++i);
            } else if (argument.startsWith(name + QLatin1Char('='))) {
                value = argument.mid(name.size() + 1);
            } else {
                return false;
            }
            if (value.isEmpty())
                //: %1 is the command-line option (--date...), %2 what its value must be.
                complaint = CommandLine::tr("option '%1' needs a value: %2")
                                .arg(name, QCoreApplication::translate("CommandLine", option.needs));
            return true;
        };
        const auto choose = [&](CommandLine::Action action, const QString& option) {
            if (chosenBy == option && option == QLatin1String("--progress"))
                return;
            if (!chosenBy.isEmpty()) {
                complaint = chosenBy == option
                    //: %1 is a command-line option (--progress, --add-weight...).
                    ? CommandLine::tr("option '%1' given twice").arg(option)
                    //: %1 and %2 are command-line options (--add-weight, --export-csv...).
                    : CommandLine::tr("options '%1' and '%2' cannot be given together").arg(chosenBy, option);
            }
            chosenBy = option;
            command.action = action;
        };
        if (argument == QLatin1String("--progress")) {
            choose(CommandLine::Action::Run, argument);
            command.openProgress = true;
        } else if (takes(kAddWeight)) {
            choose(CommandLine::Action::AddWeight, QLatin1String(kAddWeight.name));
            // "--add-weight 172.4 lb" unquoted: the program takes no other argument, so
            // a unit on its own can only belong to the weight.
            static const QRegularExpression unit(
                QStringLiteral("^(lb|lbs|kg)$"), QRegularExpression::CaseInsensitiveOption);
            if (argument == QLatin1String(kAddWeight.name) && i + 1 < arguments.size()
                && unit.match(arguments.at(i + 1)).hasMatch())
                value += QLatin1Char(' ') + arguments.at(++i);
            command.weight = value;
        } else if (takes(kDate)) {
            if (dateGiven)
                complaint = CommandLine::tr("option '%1' given twice").arg(QLatin1String(kDate.name));
            dateGiven = true;
            command.date = value;
        } else if (takes(kExportCsv)) {
            choose(CommandLine::Action::ExportCsv, QLatin1String(kExportCsv.name));
            command.csvPath = value;
        } else if (takes(kImportCsv)) {
            choose(CommandLine::Action::ImportCsv, QLatin1String(kImportCsv.name));
            command.csvPath = value;
        } else {
            // -platform xcb and --platform xcb are both the toolkit's, as are
            // -style=fusion and --style=fusion.
            QStringView name = QStringView(argument).mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
            const qsizetype equals = name.indexOf(QLatin1Char('='));
            if (equals >= 0)
                name = name.left(equals);
            const ToolkitOption* option = toolkitOption(name);
            if (option && (equals < 0 || option->takesEquals)) {
                if (name == QLatin1String("display") || name == QLatin1String("platform"))
                    command.namesDisplayOrPlatform = true;
                if (option->takesValue && equals < 0)
                    ++i;
                continue;
            }
            if (argument.startsWith(QLatin1String("--")))
                //: %1 is what was typed on the command line.
                return failure(program, CommandLine::tr("unknown option '%1'").arg(argument));
            // Single-dash words the toolkit may know better are judged once it has started.
            if (stray.isEmpty())
                stray = argument;
        }
        if (!complaint.isEmpty())
            return failure(program, complaint);
    }

    if (dateGiven && command.action != CommandLine::Action::AddWeight)
        //: Keep the options '--date' and '--add-weight' as they are.
        return failure(program, CommandLine::tr("option '--date' goes with '--add-weight'"));
    if (command.action != CommandLine::Action::Run && !stray.isEmpty()) {
        return failure(program,
            stray.startsWith(QLatin1Char('-')) ? CommandLine::tr("unknown option '%1'").arg(stray)
                                               //: %1 is what was typed on the command line.
                                               : CommandLine::tr("unexpected argument '%1'").arg(stray));
    }
    return command;
}

CommandLine readLeftoverArguments(const QStringList& arguments)
{
    bool ownOptions = true;
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--")) {
            ownOptions = false;
            continue;
        }
        if (ownOptions && argument == QLatin1String("--progress"))
            continue;
        return failure(CommandLine::programName(arguments),
            argument.startsWith(QLatin1Char('-')) ? CommandLine::tr("unknown option '%1'").arg(argument)
                                                  : CommandLine::tr("unexpected argument '%1'").arg(argument));
    }
    return {};
}

QString noDisplayText(const QString& programName)
{
    //: On the terminal when no graphical session is found; %1 is the program's name. Keep DISPLAY and
    //: WAYLAND_DISPLAY: they are the names of variables.
    return CommandLine::tr("%1: needs a graphical session to show its windows, but neither DISPLAY nor "
                           "WAYLAND_DISPLAY is set.\n")
        .arg(programName);
}
