#include "app/journalcommand.h"

#include "app/weightunit.h"
#include "calculator/progresstext.h"
#include "journal/journal.h"
#include "journal/weighincsv.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// What --add-weight and --export-csv say on the terminal.
struct JournalCommands
{
    Q_DECLARE_TR_FUNCTIONS(JournalCommands)
};

// Two decimals at most and none that are zero, the same in every locale: 172.4, 78.
QString figure(double value)
{
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// "172.4 lb (78.2 kg)": in the person's unit, then in the other; as entered while the
// person has chosen none.
QString weightText(const WeighIn& weighIn)
{
    const bool kilograms = WeightUnitSetting::kilogramsFirst().value_or(weighIn.unit == WeightUnit::Kilograms);
    const WeightUnit first = kilograms ? WeightUnit::Kilograms : WeightUnit::Pounds;
    const WeightUnit second = kilograms ? WeightUnit::Pounds : WeightUnit::Kilograms;
    const auto in = [&](WeightUnit unit) {
        if (unit == weighIn.unit)
            return figure(weighIn.weight);
        return figure(unit == WeightUnit::Kilograms ? weighIn.kilograms() : weighIn.pounds());
    };
    return QStringLiteral("%1 %2 (%3 %4)").arg(in(first), unitSymbol(first), in(second), unitSymbol(second));
}

// Error output is read line by line: a reason from SQLite or the system stays on one.
QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
}

JournalCommandResult addWeight(const CommandLine& command, Journal& journal, const QDate& today)
{
    const WeightArgument weight = readWeightArgument(command.weight);
    if (!weight.ok())
        return refusedCommand(weight.message);
    QDate date = today;
    if (!command.date.isEmpty()) {
        // ISO only: 03/04/2026 is a different day in different countries.
        static const QRegularExpression iso(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
        date = iso.match(command.date).hasMatch() ? QDate::fromString(command.date, Qt::ISODate) : QDate();
        if (!date.isValid()) {
            //: The value of --date is not a day; %1 is what was typed. Keep YYYY-MM-DD and 2026-12-01 as they are.
            return refusedCommand(
                JournalCommands::tr("%1 is not a date: write the day as YYYY-MM-DD, such as 2026-12-01.")
                    .arg(shortQuote(command.date)));
        }
        if (date > today) {
            return refusedCommand(
                //: %1 is the day given with --date, as YYYY-MM-DD.
                JournalCommands::tr("%1 is in the future: a weigh-in is kept for today or a day before.")
                    .arg(command.date));
        }
    }

    const WeighIn weighIn {date, weight.value, weight.kilograms ? WeightUnit::Kilograms : WeightUnit::Pounds};
    JournalChange change;
    change.put << weighIn;
    const std::optional<JournalChange> undo = journal.apply(change);
    JournalCommandResult result;
    noteMovedAside(journal, result);
    if (!undo) {
        result.status = 1;
        result.errors << oneLine(journal.error());
        return result;
    }
    // What undoing it would put back is the weigh-in it replaced; nothing to put back
    // and nothing to remove is a day that had this very weigh-in.
    const QString stored = weightText(weighIn);
    const QString day = date.toString(Qt::ISODate);
    QString line;
    if (!undo->put.isEmpty())
        //: The answer of --add-weight. %1 is the weight stored, as "172.4 lb (78.2 kg)"; %2 the day as
        //: YYYY-MM-DD; %3 the weight it replaced, written as %1.
        line = JournalCommands::tr("Stored %1 for %2, replacing %3.").arg(stored, day, weightText(undo->put.first()));
    else if (undo->remove.isEmpty())
        //: The answer of --add-weight. %1 is the weight stored, as "172.4 lb (78.2 kg)"; %2 the day.
        line = JournalCommands::tr("Stored %1 for %2, which the journal had already.").arg(stored, day);
    else
        //: The answer of --add-weight. %1 is the weight stored, as "172.4 lb (78.2 kg)"; %2 the day.
        line = JournalCommands::tr("Stored %1 for %2.").arg(stored, day);
    result.output = (line + QLatin1Char('\n')).toUtf8();
    return result;
}

JournalCommandResult exportCsv(const CommandLine& command, Journal& journal)
{
    QList<WeighIn> weighIns;
    JournalCommandResult result;
    // Written over, the journal would be lost with every plan followed.
    if (command.csvPath != QLatin1String("-") && journal.isOwnFile(command.csvPath)) {
        return refusedCommand(
            //: The file given to --export-csv is the journal itself: %1 as given, %2 the journal's full path.
            JournalCommands::tr("%1 is your journal of weigh-ins (%2): the weigh-ins are exported to another "
                                "file. Nothing was written.")
                .arg(command.csvPath, QFileInfo(journal.path()).absoluteFilePath()));
    }
    // An export makes no journal where there is none yet: it has no weigh-ins.
    if (QFileInfo::exists(journal.path())) {
        weighIns = journal.weighIns();
        noteMovedAside(journal, result);
        if (!journal.error().isEmpty()) {
            result.status = 1;
            result.errors << oneLine(journal.error());
            return result;
        }
    }
    if (command.csvPath == QLatin1String("-")) {
        result.output = weighInsCsv(weighIns);
        return result;
    }
    const QString error = writeWeighInsCsv(command.csvPath, weighIns);
    if (!error.isEmpty()) {
        result.status = 1;
        //: %1 is the file and the system's reason, as "out.csv: Permission denied".
        result.errors << oneLine(JournalCommands::tr("cannot write the weigh-ins to %1").arg(error));
        return result;
    }
    const int n = int(weighIns.size());
    //: The answer of --export-csv; %1 is the file written.
    result.output = (n == 1 ? JournalCommands::tr("Wrote %n weigh-in to %1.\n", "", n)
                            //: The answer of --export-csv; %1 is the file written.
                            : JournalCommands::tr("Wrote %n weigh-ins to %1.\n", "", n))
                        .arg(command.csvPath)
                        .toUtf8();
    return result;
}

} // namespace

JournalCommandResult refusedCommand(const QString& reason)
{
    JournalCommandResult result;
    result.status = 1;
    result.errors << oneLine(reason);
    return result;
}

void noteMovedAside(const Journal& journal, JournalCommandResult& result)
{
    if (journal.movedAside())
        result.errors << journal.movedAsideText();
}

JournalCommandResult runJournalCommand(const CommandLine& command, Journal& journal, const QDate& today)
{
    if (command.action == CommandLine::Action::ExportCsv)
        return exportCsv(command, journal);
    return addWeight(command, journal, today);
}
