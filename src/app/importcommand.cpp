#include "app/importcommand.h"

#include "app/journalcommand.h"
#include "journal/journal.h"
#include "journal/weighincsv.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

namespace {

// Times the import is compared again with a journal that others keep changing.
constexpr int kImportTries = 10;

// What --import-csv says on the terminal.
struct JournalCommands
{
    Q_DECLARE_TR_FUNCTIONS(JournalCommands)
};

} // namespace

JournalCommandResult importWeighIns(const QString& path, Journal& journal, const QDate& today)
{
    QFile file;
    const bool standardInput = path == QLatin1String("-");
    const bool open = standardInput ? file.open(stdin, QIODevice::ReadOnly)
                                    : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    //: Stands for the file name in the messages of --import-csv - when the file is read from standard input.
    const QString name = standardInput ? JournalCommands::tr("standard input") : path;
    if (!open)
        //: %1 is the file given to --import-csv, %2 the system's reason.
        return refusedCommand(JournalCommands::tr("cannot read %1: %2").arg(name, file.errorString()));
    // One byte past the limit tells a file that is too large, even from a pipe.
    const QByteArray data = file.read(kLargestWeighInFile + 1);
    if (file.error() != QFileDevice::NoError)
        return refusedCommand(JournalCommands::tr("cannot read %1: %2").arg(name, file.errorString()));
    if (data.size() > kLargestWeighInFile)
        //: %1 is the file given to --import-csv.
        return refusedCommand(JournalCommands::tr("%1 is too large to be a file of weigh-ins.").arg(name));
    return importWeighIns(name, data, journal, today);
}

JournalCommandResult importWeighIns(const QString& name, const QByteArray& data, Journal& journal, const QDate& today)
{
    const CsvTable table = readCsvTable(data);
    ParsedWeighIns parsed = parseWeighInsCsv(table, today);
    if (parsed.needsChoice) {
        const std::optional<CsvColumnChoice> remembered
            = readColumnChoice(journal.preference(columnChoiceKey(table)), table);
        if (remembered) {
            parsed = parseWeighInsCsv(table, today, *remembered);
        } else {
            //: %1 is the file given to --import-csv, %2 why its columns are not understood (a sentence).
            //: "Import Weigh-ins" is the button of the progress window: use its translation. Keep the
            //: column names date and weight and YYYY-MM-DD: the program reads them so.
            JournalCommandResult result = refusedCommand(JournalCommands::tr(
                "%1 cannot be imported: %2 Import it once from the progress window (Import Weigh-ins), which asks "
                "which column is the date, which the weight and how the dates are written, and remembers it for "
                "files with these columns; or name the columns date and weight and write the dates as YYYY-MM-DD.")
                                                             .arg(name, parsed.error));
            noteMovedAside(journal, result);
            return result;
        }
    }
    if (!parsed.error.isEmpty())
        //: %1 is the file given to --import-csv, %2 the reason.
        return refusedCommand(JournalCommands::tr("%1 cannot be imported: %2").arg(name, parsed.error));

    JournalCommandResult result;
    // Compared with the journal again inside the transaction: a weigh-in stored since
    // the comparison (another command, the window) is never written over unseen; the
    // comparison is then made anew.
    QList<WeighIn> existing = journal.weighIns();
    ImportPreview preview = previewImport(parsed, existing);
    noteMovedAside(journal, result);
    if (!journal.error().isEmpty()) {
        result.status = 1;
        result.errors << journal.error();
        return result;
    }
    QList<CsvLineNote> leftOut = preview.rejected + preview.replacedInFile;
    std::sort(
        leftOut.begin(), leftOut.end(), [](const CsvLineNote& a, const CsvLineNote& b) { return a.line < b.line; });
    for (const CsvLineNote& note : std::as_const(leftOut))
        result.errors << QStringLiteral("%1:%2: %3").arg(name).arg(note.line).arg(note.reason);
    if (parsed.weighIns.isEmpty()) {
        result.status = 1;
        //: %1 is the file given to --import-csv.
        result.errors << JournalCommands::tr("%1 has no line that reads as a weigh-in: nothing was stored.").arg(name);
        return result;
    }
    for (int tries = 0; !preview.change.isEmpty(); ++tries) {
        if (journal.apply(preview.change, Journal::statesOf(preview.change, existing), Journal::IfChanged::RefuseAll))
            break;
        if (journal.changedDays().isEmpty() || tries == kImportTries) {
            result.status = 1;
            result.errors << QString(journal.error()).replace(QLatin1Char('\n'), QLatin1Char(' '));
            return result;
        }
        existing = journal.weighIns();
        preview = previewImport(parsed, existing);
    }
    const int added = int(preview.added);
    const int lines = int(leftOut.size());
    //: Part of the answer of --import-csv: how many weigh-ins were added.
    const QString addedText = added == 1 ? JournalCommands::tr("%n weigh-in", "", added)
                                         //: Part of the answer of --import-csv: how many weigh-ins were added.
                                         : JournalCommands::tr("%n weigh-ins", "", added);
    QString summary;
    if (leftOut.isEmpty()) {
        //: The answer of --import-csv: %1 is the file, %2 the weigh-ins added (as "3 weigh-ins"), %3 and
        //: %4 the numbers replaced and unchanged.
        summary = JournalCommands::tr("%1: %2 added, %3 replaced, %4 unchanged.\n")
                      .arg(name, addedText, QString::number(preview.replaced), QString::number(preview.unchanged));
    } else {
        //: Part of the answer of --import-csv: how many lines of the file were left out.
        const QString linesText = lines == 1 ? JournalCommands::tr("%n line", "", lines)
                                             //: Part of the answer of --import-csv: how many lines were left out.
                                             : JournalCommands::tr("%n lines", "", lines);
        //: The answer of --import-csv: %1 is the file, %2 the weigh-ins added (as "3 weigh-ins"), %3 and
        //: %4 the numbers replaced and unchanged, %5 the lines left out (as "2 lines").
        summary = JournalCommands::tr("%1: %2 added, %3 replaced, %4 unchanged, %5 left out.\n")
                      .arg(name, addedText, QString::number(preview.replaced), QString::number(preview.unchanged),
                          linesText);
    }
    result.output = summary.toUtf8();
    return result;
}
