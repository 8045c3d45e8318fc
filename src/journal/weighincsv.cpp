#include "journal/weighincsv.h"

#include "platform/diskspace.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

// The reasons an imported file, or a line of it, is not read; the import's preview
// and the command line show them.
struct CsvImport
{
    Q_DECLARE_TR_FUNCTIONS(CsvImport)
};

// Beyond these a file is no file of weigh-ins, and reading it whole would keep the
// window waiting: a weigh-in a day for a lifetime is some 40,000 lines, and the
// trackers write at most a few dozen columns (openScale 3, 26).
constexpr qsizetype kMostLines = 100'000;
constexpr qsizetype kMostColumns = 64;

bool blank(const QStringList& fields)
{
    return std::all_of(fields.cbegin(), fields.cend(), [](const QString& f) { return f.trimmed().isEmpty(); });
}

// Splits the text into records and fields. A quoted field may hold the separator,
// line breaks and doubled quotes; a line may end in \n, \r\n or \r. Runs of plain
// characters are taken whole; blank lines are left out. A line keeps no more fields
// than the first names columns, and the first no more than kMostColumns (one more
// tells that it has too many).
QList<CsvTable::Row> readRecords(const QString& text, QChar separator)
{
    QList<CsvTable::Row> records;
    CsvTable::Row record {1, {}};
    qsizetype mostFields = kMostColumns + 1;
    const auto keep = [&](QString&& field) {
        if (record.fields.size() < mostFields)
            record.fields << std::move(field);
        field = QString();
    };
    const auto endRecord = [&] {
        if (blank(record.fields))
            return;
        if (records.isEmpty())
            mostFields = record.fields.size();
        records << std::move(record);
    };
    QString field;
    bool quoted = false;
    int line = 1;
    const QChar* chars = text.constData();
    const qsizetype size = text.size();
    const auto lineBreak = [&](qsizetype& i) {
        if (chars[i] == QLatin1Char('\r') && i + 1 < size && chars[i + 1] == QLatin1Char('\n'))
            ++i;
        ++line;
    };
    const auto endsRun = [&](QChar c) {
        return c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n') || (!quoted && c == separator);
    };
    for (qsizetype i = 0; i < size; ++i) {
        // Beyond the columns kept, fields are passed over up to a quote or the line's end.
        const bool full = record.fields.size() >= mostFields;
        qsizetype end = i;
        while (end < size && !endsRun(chars[end]) && !(full && chars[end] == separator))
            ++end;
        if (full && !quoted) {
            while (end < size && chars[end] != QLatin1Char('"') && chars[end] != QLatin1Char('\r')
                && chars[end] != QLatin1Char('\n'))
                ++end;
        }
        if (end > i) {
            if (!full)
                field.append(chars + i, end - i);
            i = end;
            if (i == size)
                break;
        }
        const QChar c = chars[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < size && chars[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += QLatin1Char('\n');
                lineBreak(i);
            }
        } else if (c == QLatin1Char('"')) {
            if (field.trimmed().isEmpty()) {
                field.clear();
                quoted = true;
            } else {
                field += c;
            }
        } else if (c == separator) {
            keep(std::move(field));
        } else {
            keep(std::move(field));
            endRecord();
            lineBreak(i);
            record = {line, {}};
            record.fields.reserve(mostFields);
        }
    }
    keep(std::move(field));
    endRecord();
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

int columnOf(const QStringList& header, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        for (int i = 0; i < header.size(); ++i) {
            if (header.at(i).trimmed().compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return i;
        }
    }
    return -1;
}

// The three groups of digits of a day as a file writes it, before any time.
struct DayParts
{
    int value[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    QChar separator;
    bool ok = false;
};

// Digits, a separator (- . or /), digits, the same separator, digits; then the end,
// or a space or a T and a time, which is not read.
DayParts dayParts(QStringView text)
{
    DayParts parts;
    qsizetype i = 0;
    QChar separator;
    for (int group = 0; group < 3; ++group) {
        if (group > 0) {
            if (i >= text.size())
                return parts;
            const QChar c = text.at(i);
            if (group == 1 && c != QLatin1Char('-') && c != QLatin1Char('.') && c != QLatin1Char('/'))
                return parts;
            if (group == 2 && c != separator)
                return parts;
            separator = c;
            ++i;
        }
        while (i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128 && parts.digits[group] < 5) {
            parts.value[group] = parts.value[group] * 10 + (text.at(i).unicode() - '0');
            ++parts.digits[group];
            ++i;
        }
        if (parts.digits[group] == 0 || parts.digits[group] > 4)
            return parts;
    }
    parts.separator = separator;
    parts.ok = i == text.size() || text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('T');
    return parts;
}

QDate dayIn(const DayParts& parts, DateOrder order)
{
    if (!parts.ok)
        return {};
    // Where the year stands, and the month and the day of the two other groups.
    const int year = order == DateOrder::YearMonthDay ? 0 : 2;
    const int month = order == DateOrder::DayMonthYear ? 1 : (order == DateOrder::YearMonthDay ? 1 : 0);
    const int day = order == DateOrder::YearMonthDay ? 2 : (order == DateOrder::DayMonthYear ? 0 : 1);
    if (parts.digits[year] != 4 || parts.digits[month] > 2 || parts.digits[day] > 2)
        return {};
    // Day.month.year is the only order written with full stops: 03.04.2025 is 3 April.
    if (order == DateOrder::MonthDayYear && parts.separator == QLatin1Char('.'))
        return {};
    return QDate(parts.value[year], parts.value[month], parts.value[day]);
}

constexpr DateOrder kDateOrders[] = {DateOrder::YearMonthDay, DateOrder::DayMonthYear, DateOrder::MonthDayYear};

// A figure as someone writes it: digits, perhaps a sign and a decimal part; not "1e2",
// "inf" or "0x10", which the toolkit would read.
std::optional<double> readFigure(QString text, bool decimalComma)
{
    if (decimalComma)
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    int digits = 0;
    int points = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else if (c == QLatin1Char('.') && points == 0)
            ++points;
        else if (!(i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'))))
            return std::nullopt;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (digits == 0 || !ok)
        return std::nullopt;
    return value;
}

std::optional<WeightUnit> readUnit(const QString& text)
{
    const QString unit = text.trimmed().toLower();
    if (unit == QLatin1String("kg") || unit == QLatin1String("kgs"))
        return WeightUnit::Kilograms;
    if (unit == QLatin1String("lb") || unit == QLatin1String("lbs"))
        return WeightUnit::Pounds;
    return std::nullopt;
}

struct WeightColumn
{
    int index = -1;
    std::optional<WeightUnit> unit; // none: the unit column's, else kilograms
};

// How the lines of a file are read: from its column names, or as the person chose.
struct Layout
{
    int date = -1;
    QList<WeightColumn> weights; // in the order they are taken
    int unit = -1; // the unit column
    DateOrder order = DateOrder::YearMonthDay;
};

ParsedWeighIns readLines(const CsvTable& table, const Layout& layout, const QDate& today)
{
    ParsedWeighIns parsed;
    QHash<QDate, int> lineOfDay;
    QHash<QDate, WeighIn> byDay;
    const auto figure = [&](const QString& text) { return readFigure(text, table.semicolons); };
    for (const CsvTable::Row& row : table.rows) {
        const auto reject = [&](const QString& reason) { parsed.rejected.append({row.line, reason}); };
        const auto field = [&](int index) { return row.fields.value(index).trimmed(); };
        const QString dateText = field(layout.date);
        if (dateText.isEmpty()) {
            //: Why a line of an imported file is left out: it has no date
            reject(CsvImport::tr("No date."));
            continue;
        }
        const QDate date = dayIn(dayParts(dateText), layout.order);
        if (!date.isValid()) {
            //: Why a line of an imported file is left out. %1 is the date as the file gives it, in quotes; %2 the
            //: form of dates expected, as "year-month-day, such as 2026-12-09"
            reject(CsvImport::tr("The date %1 does not read as %2.")
                       .arg(shortQuote(dateText), dateOrderName(layout.order)));
            continue;
        }

        // The columns this line may take its weight from, and in which unit.
        QList<WeightColumn> columns = layout.weights;
        if (layout.unit >= 0) {
            const QString unitText = field(layout.unit);
            const std::optional<WeightUnit> unit = readUnit(unitText);
            if (!unit) {
                if (unitText.isEmpty()) {
                    //: Why a line of an imported file is left out: its unit column is empty
                    reject(CsvImport::tr("No unit."));
                } else {
                    //: Why a line of an imported file is left out. %1 is the unit as the file gives it, in quotes;
                    //: kg and lb are the words the file must write: keep them as they are
                    reject(CsvImport::tr("The unit %1 is neither kg nor lb.").arg(shortQuote(unitText)));
                }
                continue;
            }
            // The column named in that unit, else one that names none.
            const auto named
                = std::find_if(columns.cbegin(), columns.cend(), [&](const WeightColumn& c) { return c.unit == unit; });
            const auto unnamed
                = std::find_if(columns.cbegin(), columns.cend(), [](const WeightColumn& c) { return !c.unit; });
            if (named == columns.cend() && unnamed == columns.cend()) {
                //: Why a line of an imported file is left out. %1 is the symbol of the line's unit (kg or lb)
                reject(CsvImport::tr("The unit is %1, but no column of weights is in %1.").arg(unitSymbolText(*unit)));
                continue;
            }
            columns = {{(named != columns.cend() ? named : unnamed)->index, unit}};
        }
        WeightColumn column;
        QString weightText;
        for (const WeightColumn& candidate : std::as_const(columns)) {
            weightText = field(candidate.index);
            column = candidate;
            if (!weightText.isEmpty())
                break;
        }
        if (weightText.isEmpty()) {
            //: Why a line of an imported file is left out: it has no weight
            reject(CsvImport::tr("No weight."));
            continue;
        }
        // Files of this program's first version give both units, two decimals each and
        // no unit column: the one that reads as a scale shows it, to a tenth, is the one
        // the weigh-in was entered in, and comes back as it was (179.00 lb, not 81.19
        // kg, which is 178.99 lb).
        for (const WeightColumn& other : std::as_const(columns)) {
            const auto first = figure(weightText);
            const auto second = figure(field(other.index));
            if (other.unit == column.unit || !first || !second)
                continue;
            const auto tenths = [](double value) { return std::fabs(value * 10 - std::round(value * 10)) < 1e-6; };
            if (tenths(*second) && !tenths(*first)) {
                column = other;
                weightText = field(other.index);
            }
            break;
        }
        // "75.2 kg", "180.4 lbs": a unit beside the figure is the weigh-in's own.
        const qsizetype letter = std::find_if(weightText.cbegin(), weightText.cend(), [](QChar c) {
            return c.isLetter();
        }) - weightText.cbegin();
        const std::optional<WeightUnit> ownUnit = readUnit(weightText.mid(letter));
        const std::optional<double> weight = figure(ownUnit ? weightText.left(letter).trimmed() : weightText);
        if (!weight) {
            //: Why a line of an imported file is left out. %1 is the weight as the file gives it, in quotes
            reject(CsvImport::tr("The weight %1 is not a number.").arg(shortQuote(weightText)));
            continue;
        }
        const WeighIn weighIn {date, *weight, ownUnit.value_or(column.unit.value_or(WeightUnit::Kilograms))};
        const QString problem = weighInProblem(weighIn, today);
        if (!problem.isEmpty()) {
            reject(problem);
            continue;
        }
        const auto earlier = lineOfDay.constFind(date);
        if (earlier != lineOfDay.constEnd()) {
            //: Why a line of an imported file is passed over. %1 is the number of a later line of the file, %2
            //: the day both give, as 2026-12-09
            parsed.replacedInFile.append({*earlier,
                CsvImport::tr("Line %1 gives the same day, %2, and is taken instead: one weigh-in a day.")
                    .arg(row.line)
                    .arg(date.toString(Qt::ISODate))});
        }
        lineOfDay.insert(date, row.line);
        byDay.insert(date, weighIn);
    }
    parsed.weighIns = byDay.values();
    std::sort(parsed.weighIns.begin(), parsed.weighIns.end(),
        [](const WeighIn& a, const WeighIn& b) { return a.date < b.date; });
    return parsed;
}

// Names a date of the column that the forms read as different days.
QString ambiguousDates(const CsvTable& table, int column, const QList<DateOrder>& orders)
{
    for (const CsvTable::Row& row : table.rows) {
        const QString text = row.fields.value(column).trimmed();
        const DayParts parts = dayParts(text);
        const QDate first = dayIn(parts, orders.at(0));
        const QDate second = dayIn(parts, orders.at(1));
        if (first.isValid() && second.isValid() && first != second) {
            //: Why an imported file needs the person to choose the form of its dates. %1 is a date of the file,
            //: in quotes; %2 the number of its line; %3 and %4 the two days it may be, as 2026-12-09
            return CsvImport::tr("The dates read in more than one way: %1 on line %2 is %3 or %4, and the file does "
                                 "not tell which.")
                .arg(shortQuote(text))
                .arg(row.line)
                .arg(first.toString(Qt::ISODate), second.toString(Qt::ISODate));
        }
    }
    //: Why an imported file needs the person to choose the form of its dates
    return CsvImport::tr("The dates read in more than one way. The file does not tell which.");
}

// Two decimals after a full stop, whatever the locale.
QByteArray twoDecimals(double value)
{
    return QByteArray::number(value, 'f', 2);
}

} // namespace

QByteArray weighInsCsv(const QList<WeighIn>& weighIns)
{
    QList<WeighIn> sorted = weighIns;
    std::stable_sort(sorted.begin(), sorted.end(), [](const WeighIn& a, const WeighIn& b) { return a.date < b.date; });
    QByteArray csv("date,weight_kg,weight_lb,unit\n");
    for (const WeighIn& w : std::as_const(sorted)) {
        const QByteArray entered = twoDecimals(w.weight);
        const WeighIn written {w.date, entered.toDouble(), w.unit};
        const bool kilograms = w.unit == WeightUnit::Kilograms;
        const QByteArray other = twoDecimals(kilograms ? written.pounds() : written.kilograms());
        csv += w.date.toString(Qt::ISODate).toUtf8() + ',' + (kilograms ? entered : other) + ','
            + (kilograms ? other : entered) + ',' + unitSymbol(w.unit).toUtf8() + '\n';
    }
    return csv;
}

QString writeWeighInsCsv(const QString& path, const QList<WeighIn>& weighIns)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        //: Why weigh-ins could not be saved to a file. %1 is the file's path, %2 the reason
        return CsvImport::tr("%1: %2").arg(path, file.errorString());
    }
    const QByteArray csv = weighInsCsv(weighIns);
    // A write that fails for want of room says so, whatever the system's words for it.
    const auto failure = [&path](const QString& reason) {
        const QString full = fullDiskReason(QFileInfo(QFileInfo(path).absoluteFilePath()).path());
        //: Why weigh-ins could not be saved to a file. %1 is the file's path, %2 the reason
        return CsvImport::tr("%1: %2").arg(path, full.isEmpty() ? reason : full);
    };
    if (file.write(csv) != csv.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        return failure(reason);
    }
    if (!file.commit())
        return failure(file.errorString());
    return {};
}

QString suggestedCsvFileName(const QDate& today)
{
    //: Name the save dialog suggests for a file of weigh-ins; %1 is today, as 2026-12-09. Keep ".csv" at the end
    return CsvImport::tr("weigh-ins %1.csv").arg(today.toString(Qt::ISODate));
}

QString dateOrderName(DateOrder order)
{
    switch (order) {
    case DateOrder::YearMonthDay:
        //: A form of dates in an imported file, in the list of forms to choose from and in the reasons a line
        //: is left out. Keep the example date as it is
        return CsvImport::tr("year-month-day, such as 2026-12-09");
    case DateOrder::DayMonthYear:
        //: A form of dates in an imported file, in the list of forms to choose from and in the reasons a line
        //: is left out. Keep the example date as it is
        return CsvImport::tr("day.month.year, such as 09.12.2026");
    case DateOrder::MonthDayYear:
        //: A form of dates in an imported file, in the list of forms to choose from and in the reasons a line
        //: is left out. Keep the example date as it is
        return CsvImport::tr("month/day/year, such as 12/09/2026");
    }
    return {};
}

QString shortQuote(const QString& text)
{
    // Enough for any date, weight or column name; a field of megabytes is not shown.
    constexpr int kLongest = 32;
    if (text.size() <= kLongest) {
        //: A date, weight, unit or column name of a file, quoted in a message or a list; %1 is the text
        return CsvImport::tr("\"%1\"").arg(text);
    }
    //: A long field of a file, quoted in a message: %1 is its first 32 characters, %n how many it has (always
    //: more than 32)
    return CsvImport::tr("\"%1…\" (%n characters)", "", int(text.size())).arg(text.left(kLongest));
}

CsvTable readCsvTable(const QByteArray& data)
{
    CsvTable table;
    // Counted before anything is split, so that a file of millions of lines is refused
    // at once.
    const qsizetype lines = std::max(data.count('\n'), data.count('\r'));
    if (lines > kMostLines) {
        //: Why a file cannot be imported. %1 is the number of its lines, %2 the most a file may have (100000)
        table.error = CsvImport::tr("It has %1 lines, more than any file of weigh-ins (at most %2).")
                          .arg(lines)
                          .arg(kMostLines);
        return table;
    }
    QString text = QString::fromUtf8(data);
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    const QChar separator = separatorOf(text);
    table.semicolons = separator == QLatin1Char(';');
    table.rows = readRecords(text, separator);
    text.clear();
    if (table.rows.isEmpty()) {
        //: Why a file cannot be imported
        table.error = CsvImport::tr("The file is empty: it has no first line naming its columns.");
        return table;
    }
    table.header = table.rows.takeFirst().fields;
    if (table.header.size() > kMostColumns) {
        //: Why a file cannot be imported. %1 is the most columns a file may have (64)
        table.error = CsvImport::tr("Its first line names more than %1 columns, more than any file of weigh-ins.")
                          .arg(kMostColumns);
        table.header.clear();
        table.rows.clear();
    }
    return table;
}

DateForms dateFormsOf(const CsvTable& table, int column)
{
    DateForms forms;
    int read[std::size(kDateOrders)] = {};
    int dates = 0;
    for (const CsvTable::Row& row : table.rows) {
        const QString text = row.fields.value(column).trimmed();
        if (text.isEmpty())
            continue;
        ++dates;
        const DayParts parts = dayParts(text);
        for (std::size_t i = 0; i < std::size(kDateOrders); ++i)
            read[i] += dayIn(parts, kDateOrders[i]).isValid() ? 1 : 0;
    }
    const int most = *std::max_element(std::begin(read), std::end(read));
    for (std::size_t i = 0; i < std::size(kDateOrders); ++i) {
        if (read[i] == most && most > 0)
            forms.orders.append(kDateOrders[i]);
    }
    forms.everyLine = most == dates;
    if (forms.orders.size() > 1)
        forms.note = ambiguousDates(table, column, forms.orders);
    else if (!forms.everyLine)
        //: Note beside the chosen column of dates of an imported file
        forms.note = CsvImport::tr("No form reads every date of this column: the lines it does not read are left out.");
    return forms;
}

CsvColumnChoice suggestedColumnChoice(const CsvTable& table)
{
    CsvColumnChoice choice;
    const int columns = static_cast<int>(table.header.size());
    // The first column of dates, then the first of figures beside it.
    int mostDates = 0;
    for (int i = 0; i < columns; ++i) {
        const DateForms forms = dateFormsOf(table, i);
        if (forms.orders.isEmpty())
            continue;
        int dates = 0;
        for (const CsvTable::Row& row : table.rows)
            dates += dayIn(dayParts(row.fields.value(i).trimmed()), forms.orders.first()).isValid() ? 1 : 0;
        if (dates > mostDates) {
            mostDates = dates;
            choice.dateColumn = i;
            choice.dateOrder = forms.orders.first();
        }
    }
    for (int i = 0; i < columns && choice.weightColumn < 0; ++i) {
        if (i == choice.dateColumn)
            continue;
        for (const CsvTable::Row& row : table.rows) {
            if (const auto figure = readFigure(row.fields.value(i).trimmed(), table.semicolons);
                figure && *figure > 0) {
                choice.weightColumn = i;
                break;
            }
        }
    }
    if (choice.dateColumn < 0)
        choice.dateColumn = 0;
    if (choice.weightColumn < 0)
        choice.weightColumn = choice.dateColumn == 0 && columns > 1 ? 1 : 0;
    if (unitColumnOf(table) < 0)
        choice.unit = WeightUnit::Kilograms;
    return choice;
}

int unitColumnOf(const CsvTable& table)
{
    return columnOf(table.header, {"unit"});
}

QString columnChoiceKey(const CsvTable& table)
{
    QStringList names;
    for (const QString& name : table.header)
        names << name.trimmed().toLower();
    const QByteArray digest
        = QCryptographicHash::hash(names.join(QChar(0x1f)).toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return QStringLiteral("csvColumns/") + QString::fromLatin1(digest);
}

QString columnChoiceText(const CsvColumnChoice& choice)
{
    const char* order = choice.dateOrder == DateOrder::DayMonthYear
        ? "dmy"
        : (choice.dateOrder == DateOrder::MonthDayYear ? "mdy" : "ymd");
    return QStringLiteral("date=%1;weight=%2;unit=%3;order=%4")
        .arg(choice.dateColumn)
        .arg(choice.weightColumn)
        .arg(choice.unit ? unitSymbol(*choice.unit) : QStringLiteral("column"), QLatin1String(order));
}

std::optional<CsvColumnChoice> readColumnChoice(const QString& text, const CsvTable& table)
{
    static const QRegularExpression form(
        QStringLiteral("^date=([0-9]+);weight=([0-9]+);unit=(kg|lb|column);order=(ymd|dmy|mdy)$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    CsvColumnChoice choice;
    choice.dateColumn = match.captured(1).toInt();
    choice.weightColumn = match.captured(2).toInt();
    const QString unit = match.captured(3);
    if (unit != QLatin1String("column"))
        choice.unit = unit == QLatin1String("kg") ? WeightUnit::Kilograms : WeightUnit::Pounds;
    const QString order = match.captured(4);
    choice.dateOrder = order == QLatin1String("dmy")
        ? DateOrder::DayMonthYear
        : (order == QLatin1String("mdy") ? DateOrder::MonthDayYear : DateOrder::YearMonthDay);
    const int columns = static_cast<int>(table.header.size());
    if (choice.dateColumn >= columns || choice.weightColumn >= columns || choice.dateColumn == choice.weightColumn
        || (!choice.unit && unitColumnOf(table) < 0))
        return std::nullopt;
    return choice;
}

ParsedWeighIns parseWeighInsCsv(const QByteArray& data, const QDate& today)
{
    return parseWeighInsCsv(readCsvTable(data), today);
}

ParsedWeighIns parseWeighInsCsv(const CsvTable& table, const QDate& today)
{
    ParsedWeighIns parsed;
    if (!table.error.isEmpty()) {
        parsed.error = table.error;
        return parsed;
    }
    Layout layout;
    layout.date = columnOf(table.header, {"date", "dateTime"});
    layout.unit = unitColumnOf(table);
    // In the order they are taken: kilograms before pounds.
    const int kilograms = columnOf(table.header, {"weight_kg", "weight (kg)"});
    const int unnamed = columnOf(table.header, {"weight"});
    const int pounds = columnOf(table.header, {"weight_lb", "weight (lb)", "weight (lbs)"});
    if (kilograms >= 0)
        layout.weights.append({kilograms, WeightUnit::Kilograms});
    if (unnamed >= 0)
        layout.weights.append({unnamed, std::nullopt});
    if (pounds >= 0)
        layout.weights.append({pounds, WeightUnit::Pounds});
    if (layout.date < 0) {
        parsed.needsChoice = true;
        //: Why an imported file needs the person to choose its columns. date, dateTime and DATE are the names
        //: a file gives its column of dates: keep them as they are
        parsed.error = CsvImport::tr("No column of dates: the first line names none of date, dateTime or DATE.");
        return parsed;
    }
    if (layout.weights.isEmpty()) {
        parsed.needsChoice = true;
        //: Why an imported file needs the person to choose its columns. weight, weight_kg and weight_lb are the
        //: names a file gives its column of weights: keep them as they are
        parsed.error
            = CsvImport::tr("No column of weights: the first line names none of weight, weight_kg or weight_lb.");
        return parsed;
    }
    const DateForms forms = dateFormsOf(table, layout.date);
    if (forms.orders.size() > 1) {
        parsed.needsChoice = true;
        parsed.error = forms.note;
        return parsed;
    }
    layout.order = forms.orders.value(0, DateOrder::YearMonthDay);
    return readLines(table, layout, today);
}

ParsedWeighIns parseWeighInsCsv(const CsvTable& table, const QDate& today, const CsvColumnChoice& choice)
{
    Layout layout;
    layout.date = choice.dateColumn;
    layout.weights.append({choice.weightColumn, choice.unit});
    layout.unit = choice.unit ? -1 : unitColumnOf(table);
    layout.order = choice.dateOrder;
    return readLines(table, layout, today);
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
