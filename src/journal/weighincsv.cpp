#include "journal/weighincsv.h"

#include <QHash>
#include <QLocale>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

namespace {

struct Record
{
    int line = 0; // where it starts
    QStringList fields;

    bool blank() const
    {
        return std::all_of(fields.cbegin(), fields.cend(), [](const QString& f) { return f.trimmed().isEmpty(); });
    }
};

// Splits the text into records and fields. A quoted field may hold the separator,
// line breaks and doubled quotes; a line may end in \n, \r\n or \r.
QList<Record> readRecords(const QString& text, QChar separator)
{
    QList<Record> records;
    Record record {1, {}};
    QString field;
    bool quoted = false;
    int line = 1;
    const auto lineBreak = [&](int& i) {
        if (text.at(i) == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        ++line;
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                field += QLatin1Char('\n');
                lineBreak(i);
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else if (c == separator) {
            record.fields << field;
            field.clear();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            record.fields << field;
            field.clear();
            records << record;
            lineBreak(i);
            record = {line, {}};
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !record.fields.isEmpty()) {
        record.fields << field;
        records << record;
    }
    return records;
}

// The separator is the one the first line uses more of, outside quotes.
QChar separatorOf(const QString& text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')) && commas + semicolons > 0)
            break;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
    }
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

int columnOf(const QStringList& header, const QString& name)
{
    for (int i = 0; i < header.size(); ++i) {
        if (header.at(i).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// yyyy-MM-dd, alone or followed by a time ("2026-12-09 15:30", "...T15:30:00Z").
QDate readDate(const QString& text)
{
    if (text.size() > 10 && text.at(10) != QLatin1Char(' ') && text.at(10) != QLatin1Char('T'))
        return {};
    return QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
}

struct WeightColumn
{
    int index = -1;
    WeightUnit unit = WeightUnit::Kilograms;
};

} // namespace

QByteArray weighInsCsv(const QList<WeighIn>& weighIns)
{
    QList<WeighIn> sorted = weighIns;
    std::stable_sort(sorted.begin(), sorted.end(), [](const WeighIn& a, const WeighIn& b) { return a.date < b.date; });
    QByteArray csv("date,weight_kg,weight_lb\n");
    for (const WeighIn& w : std::as_const(sorted)) {
        // QString::number writes a full stop whatever the locale.
        csv += w.date.toString(Qt::ISODate).toUtf8() + ',' + QByteArray::number(w.kilograms(), 'f', 2) + ','
            + QByteArray::number(w.pounds(), 'f', 2) + '\n';
    }
    return csv;
}

QString writeWeighInsCsv(const QString& path, const QList<WeighIn>& weighIns)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    const QByteArray csv = weighInsCsv(weighIns);
    if (file.write(csv) != csv.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        return QStringLiteral("%1: %2").arg(path, reason);
    }
    if (!file.commit())
        return QStringLiteral("%1: %2").arg(path, file.errorString());
    return {};
}

QString suggestedCsvFileName(const QDate& today)
{
    return QStringLiteral("weigh-ins %1.csv").arg(today.toString(Qt::ISODate));
}

ParsedWeighIns parseWeighInsCsv(const QByteArray& data, const QDate& today)
{
    ParsedWeighIns parsed;
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    const QChar separator = separatorOf(text);
    const QList<Record> records = readRecords(text, separator);
    const auto header = std::find_if(records.cbegin(), records.cend(), [](const Record& r) { return !r.blank(); });
    if (header == records.cend()) {
        parsed.error = QStringLiteral("The file is empty: it has no first line naming its columns.");
        return parsed;
    }

    int dateColumn = columnOf(header->fields, QStringLiteral("date"));
    if (dateColumn < 0)
        dateColumn = columnOf(header->fields, QStringLiteral("dateTime"));
    // In the order they are taken: kilograms before pounds.
    QList<WeightColumn> weightColumns;
    for (const auto& [name, unit] : {std::pair {QStringLiteral("weight_kg"), WeightUnit::Kilograms},
             std::pair {QStringLiteral("weight"), WeightUnit::Kilograms},
             std::pair {QStringLiteral("weight_lb"), WeightUnit::Pounds}}) {
        const int index = columnOf(header->fields, name);
        if (index >= 0)
            weightColumns.append({index, unit});
    }
    if (dateColumn < 0) {
        parsed.error = QStringLiteral("No column of dates: the first line names none of date, dateTime or DATE.");
        return parsed;
    }
    if (weightColumns.isEmpty()) {
        parsed.error
            = QStringLiteral("No column of weights: the first line names none of weight, weight_kg or weight_lb.");
        return parsed;
    }

    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::RejectGroupSeparator);
    QHash<QDate, int> lineOfDay;
    QHash<QDate, WeighIn> byDay;
    for (auto record = header + 1; record != records.cend(); ++record) {
        if (record->blank())
            continue;
        const auto reject = [&](const QString& reason) { parsed.rejected.append({record->line, reason}); };
        const QString dateText = record->fields.value(dateColumn).trimmed();
        if (dateText.isEmpty()) {
            reject(QStringLiteral("No date."));
            continue;
        }
        const QDate date = readDate(dateText);
        if (!date.isValid()) {
            reject(
                QStringLiteral("The date \"%1\" does not read as year-month-day, such as 2026-12-09.").arg(dateText));
            continue;
        }
        const auto read = [&](const QString& text, bool* ok) {
            QString figure = text;
            if (separator == QLatin1Char(';'))
                figure.replace(QLatin1Char(','), QLatin1Char('.'));
            return numbers.toDouble(figure, ok);
        };
        WeightColumn column;
        QString weightText;
        for (const WeightColumn& candidate : std::as_const(weightColumns)) {
            weightText = record->fields.value(candidate.index).trimmed();
            column = candidate;
            if (!weightText.isEmpty())
                break;
        }
        if (weightText.isEmpty()) {
            reject(QStringLiteral("No weight."));
            continue;
        }
        // Our own files give both units, two decimals each: the one that reads as a
        // scale shows it, to a tenth, is the one the weigh-in was entered in, and comes
        // back as it was (179.00 lb, not 81.19 kg, which is 178.99 lb).
        for (const WeightColumn& other : std::as_const(weightColumns)) {
            const QString otherText = record->fields.value(other.index).trimmed();
            bool ok = false, otherOk = false;
            const double first = read(weightText, &ok);
            const double second = read(otherText, &otherOk);
            if (other.unit == column.unit || !ok || !otherOk)
                continue;
            const auto tenths = [](double value) { return std::fabs(value * 10 - std::round(value * 10)) < 1e-6; };
            if (tenths(second) && !tenths(first)) {
                column = other;
                weightText = otherText;
            }
            break;
        }
        bool ok = false;
        const double weight = read(weightText, &ok);
        if (!ok) {
            reject(QStringLiteral("The weight \"%1\" is not a number.").arg(weightText));
            continue;
        }
        const WeighIn weighIn {date, weight, column.unit};
        const QString problem = weighInProblem(weighIn, today);
        if (!problem.isEmpty()) {
            reject(problem);
            continue;
        }
        const auto earlier = lineOfDay.constFind(date);
        if (earlier != lineOfDay.constEnd()) {
            parsed.replacedInFile.append({*earlier,
                QStringLiteral("Line %1 gives the same day, %2, and is taken instead: one weigh-in a day.")
                    .arg(record->line)
                    .arg(date.toString(Qt::ISODate))});
        }
        lineOfDay.insert(date, record->line);
        byDay.insert(date, weighIn);
    }
    parsed.weighIns = byDay.values();
    std::sort(parsed.weighIns.begin(), parsed.weighIns.end(),
        [](const WeighIn& a, const WeighIn& b) { return a.date < b.date; });
    return parsed;
}

ImportPreview previewImport(const ParsedWeighIns& parsed, const QList<WeighIn>& existing)
{
    ImportPreview preview;
    preview.rejected = parsed.rejected;
    preview.replacedInFile = parsed.replacedInFile;
    preview.error = parsed.error;
    QHash<QDate, WeighIn> have;
    for (const WeighIn& w : existing)
        have.insert(w.date, w);
    // The same weight as the file would write it: a file exported from the journal
    // and read back changes nothing.
    const auto asWritten = [](const WeighIn& w) { return QByteArray::number(w.kilograms(), 'f', 2); };
    for (const WeighIn& w : parsed.weighIns) {
        const auto found = have.constFind(w.date);
        if (found == have.constEnd()) {
            ++preview.added;
        } else if (asWritten(*found) == asWritten(w)) {
            ++preview.unchanged;
            continue;
        } else {
            ++preview.replaced;
        }
        preview.change.put.append(w);
    }
    return preview;
}
