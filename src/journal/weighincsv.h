#pragma once

#include "journal/journalrecords.h"

#include <QByteArray>

// Weigh-ins as CSV: the program's own files out, and in both those and what other
// trackers export. Import is parse, then preview, then one change to the journal.

// A line of a file, numbered as an editor counts them (the header is line 1), and
// what became of it.
struct CsvLineNote
{
    int line = 0;
    QString reason;

    friend bool operator==(const CsvLineNote& a, const CsvLineNote& b)
    {
        return a.line == b.line && a.reason == b.reason;
    }
};

struct ParsedWeighIns
{
    QList<WeighIn> weighIns; // oldest first, one a day
    QList<CsvLineNote> rejected; // lines that could not be read, and why
    // Lines read well whose day a later line of the file gives again: the later one
    // is kept, as the journal keeps one weigh-in a day. The reason names that line.
    QList<CsvLineNote> replacedInFile;
    QString error; // when the file as a whole cannot be read (no column of dates...)
};

// UTF-8, header date,weight_kg,weight_lb, ISO dates, two decimals after a full stop,
// oldest first, "\n" line ends.
QByteArray weighInsCsv(const QList<WeighIn>& weighIns);
// Writes the file whole or leaves what was there; the empty text when it went well,
// else the path and the reason.
QString writeWeighInsCsv(const QString& path, const QList<WeighIn>& weighIns);
// "weigh-ins 2026-12-09.csv"
QString suggestedCsvFileName(const QDate& today);

// Reads a file whose first line names a date column (date; dateTime, as
// yyyy-MM-dd HH:mm; DATE beside TIME) and a weight column (weight or weight_kg in
// kilograms, weight_lb in pounds; kilograms where both are there), in any order and
// any case, other columns ignored; separated by commas or by semicolons (then a
// decimal comma reads too); quoted fields; a UTF-8 byte order mark; any line ends.
// A date must read as year-month-day and not be after `today`.
ParsedWeighIns parseWeighInsCsv(const QByteArray& data, const QDate& today);

// What storing a parsed file would do to the journal, shown before anything is stored.
struct ImportPreview
{
    int added = 0; // days the journal has no weigh-in for
    int replaced = 0; // days it has one of another weight
    int unchanged = 0; // days it has the same weight (to the hundredth of a kilogram)
    QList<CsvLineNote> rejected;
    QList<CsvLineNote> replacedInFile;
    QString error;
    JournalChange change; // the added and replaced weigh-ins, for one Journal::apply()
};

ImportPreview previewImport(const ParsedWeighIns& parsed, const QList<WeighIn>& existing);
