#pragma once

#include "journal/journalrecords.h"

#include <QByteArray>
#include <optional>

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
    // The file does not tell which column is the date or the weight, or which form its
    // dates are in: the person must say (CsvColumnChoice) before it can be read.
    bool needsChoice = false;
};

// UTF-8, header date,weight_kg,weight_lb,unit, ISO dates, two decimals after a full
// stop, oldest first, "\n" line ends. The unit (kg or lb) names the column the
// weigh-in was entered in; the other is converted from that figure as written, so
// that the file read back into a journal and written again is the same file.
QByteArray weighInsCsv(const QList<WeighIn>& weighIns);
// Writes the file whole or leaves what was there; the empty text when it went well,
// else the path and the reason.
QString writeWeighInsCsv(const QString& path, const QList<WeighIn>& weighIns);
// "weigh-ins 2026-12-09.csv"
QString suggestedCsvFileName(const QDate& today);

// A file of weigh-ins larger than this is not one: ten years of daily weigh-ins with
// every column of another tracker come to well under a megabyte.
inline constexpr qint64 kLargestWeighInFile = 64 * 1024 * 1024;

// The ways a file writes a day, whatever it puts between the parts (- . /) and
// whatever time follows after a space or a T; the year has four digits.
enum class DateOrder { YearMonthDay, DayMonthYear, MonthDayYear };

// "year-month-day, such as 2026-12-09", for the reasons and the column choice.
QString dateOrderName(DateOrder order);

// A file split into its fields, its first line the names of the columns.
struct CsvTable
{
    struct Row
    {
        int line = 0; // where it starts, as an editor counts lines
        QStringList fields;
    };
    QStringList header;
    QList<Row> rows; // without blank lines
    bool semicolons = false; // then a decimal comma reads too
    QString error; // the file is empty
};

CsvTable readCsvTable(const QByteArray& data);

// What the person says of a file whose columns or dates the program cannot tell.
struct CsvColumnChoice
{
    int dateColumn = -1;
    int weightColumn = -1;
    std::optional<WeightUnit> unit; // none: each line's unit column says
    DateOrder dateOrder = DateOrder::YearMonthDay;

    friend bool operator==(const CsvColumnChoice& a, const CsvColumnChoice& b)
    {
        return a.dateColumn == b.dateColumn && a.weightColumn == b.weightColumn && a.unit == b.unit
            && a.dateOrder == b.dateOrder;
    }
};

// The forms that read every date of a column (its empty fields aside); where none
// does, those that read the most. More than one is a file whose dates read in two
// ways (03/04/2025), which the person must settle; the note then names such a date.
struct DateForms
{
    QList<DateOrder> orders;
    bool everyLine = false; // the orders read every date
    QString note; // when there is more than one order, or none reads every date
};
DateForms dateFormsOf(const CsvTable& table, int column);

// Where the column choice starts: the column with the most dates, the first column of
// figures beside it, kilograms or the unit column.
CsvColumnChoice suggestedColumnChoice(const CsvTable& table);

// The column named unit (kg, kgs, lb or lbs on each line, in any case), or -1.
int unitColumnOf(const CsvTable& table);

// A name or a field as a message or a list shows it: at most a few dozen characters.
QString shortQuote(const QString& text);

// The choice, remembered for the next file with the same first line: the name the
// journal keeps it under, and the text it keeps. A text that does not fit the table
// reads as nothing.
QString columnChoiceKey(const CsvTable& table);
QString columnChoiceText(const CsvColumnChoice& choice);
std::optional<CsvColumnChoice> readColumnChoice(const QString& text, const CsvTable& table);

// Reads a file whose first line names a date column (date, dateTime; DATE beside
// TIME) and a weight column (weight or weight_kg in kilograms, weight_lb in pounds,
// "weight (kg)", "weight (lb)"; kilograms where both are there, unless a unit column
// says which), in any order and any case, other columns ignored; separated by
// commas or by semicolons (then a decimal comma reads too); quoted fields; a UTF-8
// byte order mark; any line ends. The dates are in the one DateOrder that reads them.
// Each weigh-in must pass weighInProblem(). Where the columns or the form of the
// dates cannot be told, the error says so and needsChoice is set.
ParsedWeighIns parseWeighInsCsv(const QByteArray& data, const QDate& today);
ParsedWeighIns parseWeighInsCsv(const CsvTable& table, const QDate& today);
// The same, with the columns and the date form the person chose.
ParsedWeighIns parseWeighInsCsv(const CsvTable& table, const QDate& today, const CsvColumnChoice& choice);

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
