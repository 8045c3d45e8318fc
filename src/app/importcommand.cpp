#include "app/importcommand.h"

#include "app/journalcommand.h"
#include "journal/journal.h"
#include "journal/weighincsv.h"

#include <QFile>
#include <cstdio>

namespace {

// Times the import is compared again with a journal that others keep changing.
constexpr int kImportTries = 10;

QString count(qsizetype n, const char* one, const char* many)
{
    return n == 1 ? QString::fromLatin1(one) : QString::fromLatin1(many).arg(n);
}

} // namespace

JournalCommandResult importWeighIns(const QString& path, Journal& journal, const QDate& today)
{
    QFile file;
    const bool standardInput = path == QLatin1String("-");
    const bool open = standardInput ? file.open(stdin, QIODevice::ReadOnly)
                                    : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    const QString name = standardInput ? QStringLiteral("standard input") : path;
    if (!open)
        return refusedCommand(QStringLiteral("cannot read %1: %2").arg(name, file.errorString()));
    // One byte past the limit tells a file that is too large, even from a pipe.
    const QByteArray data = file.read(kLargestWeighInFile + 1);
    if (file.error() != QFileDevice::NoError)
        return refusedCommand(QStringLiteral("cannot read %1: %2").arg(name, file.errorString()));
    if (data.size() > kLargestWeighInFile)
        return refusedCommand(QStringLiteral("%1 is too large to be a file of weigh-ins.").arg(name));
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
            JournalCommandResult result = refusedCommand(QStringLiteral(
                "%1 cannot be imported: %2 Import it once from the progress window (Import Weigh-ins), which asks "
                "which column is the date, which the weight and how the dates are written, and remembers it for "
                "files with these columns; or name the columns date and weight and write the dates as YYYY-MM-DD.")
                                                             .arg(name, parsed.error));
            noteMovedAside(journal, result);
            return result;
        }
    }
    if (!parsed.error.isEmpty())
        return refusedCommand(QStringLiteral("%1 cannot be imported: %2").arg(name, parsed.error));

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
        result.errors << QStringLiteral("%1 has no line that reads as a weigh-in: nothing was stored.").arg(name);
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
    result.output = QStringLiteral("%1: %2 added, %3 replaced, %4 unchanged%5.\n")
                        .arg(name, count(preview.added, "1 weigh-in", "%1 weigh-ins"),
                            QString::number(preview.replaced), QString::number(preview.unchanged),
                            leftOut.isEmpty() ? QString()
                                              : QStringLiteral(", ") + count(leftOut.size(), "1 line", "%1 lines")
                                    + QStringLiteral(" left out"))
                        .toUtf8();
    return result;
}
