#include "../pseudotranslator.h"
#include "journal/journal.h"
#include "journal/weighincsv.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

const QDate kToday(2026, 12, 9);

QString describe(const QList<WeighIn>& weighIns)
{
    QStringList parts;
    for (const WeighIn& w : weighIns)
        parts << QStringLiteral("%1 %2 %3")
                     .arg(w.date.toString(Qt::ISODate), QString::number(w.weight), unitSymbol(w.unit));
    return parts.join(QStringLiteral(", "));
}

QString describe(const QList<CsvLineNote>& notes)
{
    QStringList parts;
    for (const CsvLineNote& note : notes)
        parts << QStringLiteral("%1: %2").arg(note.line).arg(note.reason);
    return parts.join(QStringLiteral(" | "));
}

// "line: part of the reason | ..." against the notes, in order.
bool matches(const QList<CsvLineNote>& notes, const QString& expected)
{
    const QStringList parts = expected.split(QStringLiteral(" | "), Qt::SkipEmptyParts);
    if (parts.size() != notes.size())
        return false;
    for (int i = 0; i < parts.size(); ++i) {
        const int colon = parts.at(i).indexOf(QLatin1Char(':'));
        if (parts.at(i).left(colon).toInt() != notes.at(i).line
            || !notes.at(i).reason.contains(parts.at(i).mid(colon + 2)))
            return false;
    }
    return true;
}

} // namespace

class TestWeighInCsv : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void columnChoice_data();
    void columnChoice();
    void exportImportAndPreview();
    void exportOntoAFullDisk();
    void translationLeavesTheFilesWords();
};

void TestWeighInCsv::parse_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("weighIns");
    QTest::addColumn<QString>("rejected"); // "line: part of the reason | ..."
    QTest::addColumn<QString>("replaced"); // the same, for lines a later line of their day replaced
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("choice"); // the columns and date form the person chose, as the journal keeps it

    QTest::newRow("own file") << QByteArray(
        "date,weight_kg,weight_lb\n2026-11-01,80.00,176.37\n2026-11-02,79.50,175.27\n")
                              << "2026-11-01 80 kg, 2026-11-02 79.5 kg"
                              << ""
                              << ""
                              << "" << QString();
    QTest::newRow("own columns, pounds alone, in another order")
        << QByteArray("weight_lb,date\n176.4,2026-11-01\n") << "2026-11-01 176.4 lb"
        << ""
        << ""
        << "" << QString();
    // openScale 2.x writes every field of a measurement, the header quoted, its
    // dateTime as dd.MM.yyyy HH:mm and the weight in kilograms; a comment may run
    // over two lines.
    QTest::newRow("openScale 2") << QByteArray(
        "\"biceps\",\"bone\",\"caliper1\",\"caliper2\",\"caliper3\",\"calories\",\"chest\",\"comment\","
        "\"dateTime\",\"fat\",\"hip\",\"lbm\",\"muscle\",\"neck\",\"thigh\",\"visceralFat\",\"waist\","
        "\"water\",\"weight\"\n"
        "0.0,11.65,0.0,0.0,0.0,0.0,0.0,\"\",\"2025-08-11 23:48\",15.5,0.0,0.0,43.3,0.0,0.0,0.0,0.0,59.4,74.95\n"
        "0.0,11.6,0.0,0.0,0.0,0.0,0.0,\"after a run, tired\nand late\",\"2025-08-10 19:30\",15.3,0.0,0.0,"
        "43.5,0.0,0.0,0.0,0.0,59.7,74.45\n"
        "0.0,11.6,0.0,0.0,0.0,0.0,0.0,\"\",\"2025-08-10 07:23\",15.1,0.0,0.0,43.5,0.0,0.0,0.0,0.0,59.7,0.0\n")
                                 << "2025-08-10 74.45 kg, 2025-08-11 74.95 kg"
                                 << "5: above zero"
                                 << ""
                                 << "" << QString();
    // openScale 3 writes DATE and TIME, then every measurement type by its key in
    // alphabetical order, empty where a measurement has none; CRLF line ends.
    QTest::newRow("openScale 3")
        << QByteArray("DATE,TIME,BICEPS,BMI,BMR,BODY_FAT,BONE,CALIPER,CALIPER_1,CALIPER_2,CALIPER_3,CALORIES,CHEST,"
                      "COMMENT,HIPS,LBM,MUSCLE,NECK,TDEE,THIGH,VISCERAL_FAT,WAIST,WATER,WEIGHT,WHR,WHTR\r\n"
                      "2025-04-07,08:30:00,,23.7,1689.5,18.2")
            + QByteArray(16, ',') + QByteArray(",55.1,72.5,,\r\n2025-04-08,07:10:00,,23.6,1687.0,18.1")
            + QByteArray(16, ',') + QByteArray(",55.2,72.1,,\r\n")
        << "2025-04-07 72.5 kg, 2025-04-08 72.1 kg"
        << ""
        << ""
        << "" << QString();
    // wger writes Date,Weight: a day, or since its entries have a time, the date and
    // time with the time zone; the weight in kilograms.
    QTest::newRow("wger") << QByteArray("Date,Weight\r\n2024-01-15,80.50\r\n2025-02-22 04:14:00+00:00,80.25\r\n")
                          << "2024-01-15 80.5 kg, 2025-02-22 80.25 kg"
                          << ""
                          << ""
                          << "" << QString();
    QTest::newRow("semicolons and decimal commas")
        << QByteArray("date;weight_kg\n2026-11-01;80,5\n2026-11-02;\"79,25\"\n2026-11-03;79.9\n")
        << "2026-11-01 80.5 kg, 2026-11-02 79.25 kg, 2026-11-03 79.9 kg"
        << ""
        << ""
        << "" << QString();
    QTest::newRow("a decimal comma where commas separate") << QByteArray("date,weight\n2026-11-01,\"80,5\"\n") << ""
                                                           << "2: not a number"
                                                           << ""
                                                           << "" << QString();
    QTest::newRow("quoted fields, quotes inside")
        << QByteArray("date,weight,note\n2026-11-01,80.5,\"said \"\"fine\"\", then ran\"\n\"2026-11-02\",\"80.1\",\n")
        << "2026-11-01 80.5 kg, 2026-11-02 80.1 kg"
        << ""
        << ""
        << "" << QString();
    QTest::newRow("byte order mark, CRLF, header case, blank lines") << QByteArray(
        "\xEF\xBB\xBF\r\nDate,Weight_KG\r\n2026-11-01,80.5\r\n\r\n , \r\n2026-11-02,80.1\r\n2026-11-0x,80\r\n")
                                                                     << "2026-11-01 80.5 kg, 2026-11-02 80.1 kg"
                                                                     << "7: does not read"
                                                                     << ""
                                                                     << "" << QString();
    QTest::newRow("carriage returns alone")
        << QByteArray("date,weight\r2026-11-01,80\r2026-11-02,x\r") << "2026-11-01 80 kg"
        << "3: not a number"
        << ""
        << "" << QString();
    QTest::newRow("kilograms taken before pounds, unless the pounds read to a tenth")
        << QByteArray("date,weight_lb,weight_kg\n2026-11-01,176.37,80.00\n2026-11-02,175.5,\n"
                      "2026-11-03,179.00,81.19\n2026-11-04,179.20,81.30\n")
        << "2026-11-01 80 kg, 2026-11-02 175.5 lb, 2026-11-03 179 lb, 2026-11-04 81.3 kg"
        << ""
        << ""
        << "" << QString();
    QTest::newRow("one weigh-in a day: the later line wins")
        << QByteArray("date,weight\n2026-11-01,80\n2026-11-02,81\n2026-11-01,79.5\n")
        << "2026-11-01 79.5 kg, 2026-11-02 81 kg"
        << ""
        << "2: Line 4 gives the same day, 2026-11-01"
        << "" << QString();
    QTest::newRow("bad lines") << QByteArray("date,weight_lb\n"
                                             ",170\n"
                                             "2026-02-30,170\n"
                                             "12/01/2026,170\n"
                                             "2026-12-10,170\n"
                                             "2026-11-01,abc\n"
                                             "2026-11-02,0\n"
                                             "2026-11-03,-5\n"
                                             "2026-11-04,1500.5\n"
                                             "2026-11-05,\n"
                                             "2026-11-06,nan\n"
                                             "2026-11-07x,170\n"
                                             "2026-12-09,1500\n")
                               << "2026-12-09 1500 lb"
                               << "2: No date | 3: \"2026-02-30\" does not read | 4: \"12/01/2026\" does not read | "
                                  "5: 2026-12-10 is in the future | 6: \"abc\" is not a number | 7: above zero | "
                                  "8: above zero | 9: above the heaviest | 10: No weight | 11: not a number | "
                                  "12: does not read"
                               << ""
                               << "" << QString();
    // Weigh-ins as other trackers write them.
    QTest::newRow("openScale 2, days of March and April") << QByteArray(
        "\"dateTime\",\"weight\",\"fat\"\n\"15.03.2025 07:30\",\"80.2\",\"0.0\"\n\"03.04.2025 "
        "07:10\",\"79.9\",\"0.0\"\n") << "2025-03-15 80.2 kg, 2025-04-03 79.9 kg"
                                                          << ""
                                                          << ""
                                                          << ""
                                                          << "";
    QTest::newRow("a unit on each line") << QByteArray(
        "date,weight,unit\n2025-03-01,180.4,lb\n2025-03-02,81.5,KGS\n2025-03-03,80,stone\n2025-03-04,80,\n"
        "2025-03-05,176,Lbs\n") << "2025-03-01 180.4 lb, 2025-03-02 81.5 kg, 2025-03-05 176 lb"
                                         << "4: The unit \"stone\" is neither kg nor lb | 5: No unit"
                                         << ""
                                         << ""
                                         << "";
    QTest::newRow("Garmin: the unit beside the figure") << QByteArray(
        "Time,Weight,Change\n\"2025-03-01 07:12\",\"180.4 lbs\",\"0.2 lbs\"\n2025-03-02,75.2kg,\n2025-03-03,75 st,\n")
                                                        << "2025-03-01 180.4 lb, 2025-03-02 75.2 kg"
                                                        << "4: The weight \"75 st\" is not a number"
                                                        << ""
                                                        << ""
                                                        << "date=0;weight=1;unit=kg;order=ymd";
    QTest::newRow("Withings: weight (kg), a time after the day")
        << QByteArray("Date,\"Weight (kg)\",\"Fat mass (kg)\"\n\"2025-03-01 07:12:00\",80.2,15\n")
        << "2025-03-01 80.2 kg"
        << ""
        << ""
        << ""
        << "";
    QTest::newRow("days beyond 12 tell the order")
        << QByteArray("date,weight\n25/03/2025,80\n03/04/2025,81\n") << "2025-03-25 80 kg, 2025-04-03 81 kg"
        << ""
        << ""
        << ""
        << "";
    QTest::newRow("dates in two ways, not guessed") << QByteArray("date,weight\n03/04/2025,80\n05/04/2025,81\n") << ""
                                                    << ""
                                                    << ""
                                                    << "\"03/04/2025\" on line 2 is 2025-04-03 or 2025-03-04"
                                                    << "";
    QTest::newRow("...settled by the person")
        << QByteArray("date,weight\n03/04/2025,80\n05/04/2025,81\n") << "2025-03-04 80 kg, 2025-05-04 81 kg"
        << ""
        << ""
        << ""
        << "date=0;weight=1;unit=kg;order=mdy";
    QTest::newRow("wger in German") << QByteArray("Datum,Gewicht\n2025-02-01,80.5\n") << ""
                                    << ""
                                    << ""
                                    << "No column of dates"
                                    << "";
    QTest::newRow("...its columns chosen, in pounds")
        << QByteArray("Datum,Gewicht\n2025-02-01,180.5\n2025-02-02,x\n") << "2025-02-01 180.5 lb"
        << "3: \"x\" is not a number"
        << ""
        << ""
        << "date=0;weight=1;unit=lb;order=ymd";
    QTest::newRow("...the unit column chosen")
        << QByteArray("Gewicht;Einheit;unit;Datum\n80,5;;kg;01.02.2025\n") << "2025-02-01 80.5 kg"
        << ""
        << ""
        << ""
        << "date=3;weight=0;unit=column;order=dmy";
    QTest::newRow("...lines another form does not read")
        << QByteArray("Datum,Gewicht\n2025-02-01,80\n01.02.2025,81\n") << "2025-02-01 81 kg"
        << "2: \"2025-02-01\" does not read as day.month.year"
        << ""
        << ""
        << "date=0;weight=1;unit=kg;order=dmy";
    // One rule for every way in: 20 to 1500 lb, to the hundredth in either unit;
    // figures as people write them; days from 1900.
    QTest::newRow("the limits from each side")
        << QByteArray(
               "date,weight_lb,weight_kg\n2026-11-01,20,\n2026-11-02,19.99,\n2026-11-03,1500,\n2026-11-04,1500.01,\n"
               "2026-11-05,,9.07\n2026-11-06,,9.06\n2026-11-07,,680.39\n2026-11-08,,680.40\n2026-11-09,,0.5\n"
               "2026-11-10,3,\n2026-11-11,,1e2\n2026-11-12,,inf\n2026-11-13,,0x50\n")
        << "2026-11-01 20 lb, 2026-11-03 1500 lb, 2026-11-05 9.07 kg, 2026-11-07 680.39 kg"
        << "3: below the lightest the journal keeps, 20 lb | 5: above the heaviest the journal keeps, 1500 lb | "
           "7: below the lightest the journal keeps, 9.07 kg | 9: above the heaviest the journal keeps, 680.39 kg | "
           "10: 0.5 kg is below | 11: 3 lb is below | 12: \"1e2\" is not a number | 13: \"inf\" is not a number | "
           "14: \"0x50\" is not a number"
        << ""
        << ""
        << "";
    QTest::newRow("days before 1900") << QByteArray(
        "date,weight\n1899-12-31,80\n1900-01-01,80\n0001-01-01,80\n1000-06-15,80\n")
                                      << "1900-01-01 80 kg"
                                      << "2: before 1900-01-01 | 4: The date 0001-01-01 is before | 5: before"
                                      << ""
                                      << ""
                                      << "";
    QTest::newRow("a field of ten million characters")
        << QByteArray("date,weight\n2025-09-01,") + QByteArray(10'000'000, 'x')
            + QByteArray("\n" + QByteArray(10'000'000, '2') + ",80\n")
        << ""
        << "2: \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\u2026\" (10000000 characters) is not a number | 3: does not read"
        << ""
        << ""
        << "";
    QTest::newRow("more lines than a lifetime of weigh-ins")
        << QByteArray("date,weight\n") + QByteArray("2025-09-01,80\n").repeated(100'000) << ""
        << ""
        << ""
        << "It has 100001 lines, more than any file of weigh-ins"
        << "";
    QTest::newRow("more columns than any tracker writes")
        << QByteArray("date,weight") + QByteArray(",x").repeated(63) + "\n2025-09-01,80\n"
        << ""
        << ""
        << ""
        << "more than 64 columns"
        << "";
    QTest::newRow("lines wider than the first")
        << QByteArray("date,weight\n2025-09-01,80") + QByteArray(",x").repeated(100'000) + "\n"
        << "2025-09-01 80 kg"
        << ""
        << ""
        << ""
        << "";
    // The program's own files: the unit says which figure was entered.
    QTest::newRow("own file with its unit")
        << QByteArray("date,weight_kg,weight_lb,unit\n2026-11-01,80.04,176.45,lb\n2026-11-02,80.04,176.46,kg\n")
        << "2026-11-01 176.45 lb, 2026-11-02 80.04 kg"
        << ""
        << ""
        << ""
        << "";
    QTest::newRow("no column of dates") << QByteArray("day,weight\n2026-11-01,80\n") << ""
                                        << ""
                                        << ""
                                        << "No column of dates" << QString();
    QTest::newRow("a time without a date") << QByteArray("TIME,WEIGHT\n08:00,80\n") << ""
                                           << ""
                                           << ""
                                           << "No column of dates" << QString();
    QTest::newRow("no column of weights") << QByteArray("date,kilos\n2026-11-01,80\n") << ""
                                          << ""
                                          << ""
                                          << "No column of weights" << QString();
    QTest::newRow("an empty file") << QByteArray("\xEF\xBB\xBF\n\n") << ""
                                   << ""
                                   << ""
                                   << "empty" << QString();
}

void TestWeighInCsv::parse()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, weighIns);
    QFETCH(QString, rejected);
    QFETCH(QString, replaced);
    QFETCH(QString, error);
    QFETCH(QString, choice);

    QElapsedTimer timer;
    timer.start();
    const CsvTable table = readCsvTable(file);
    const std::optional<CsvColumnChoice> chosen = readColumnChoice(choice, table);
    QCOMPARE(chosen.has_value(), !choice.isEmpty());
    const ParsedWeighIns parsed = chosen ? parseWeighInsCsv(table, kToday, *chosen) : parseWeighInsCsv(table, kToday);
    const ImportPreview preview = previewImport(parsed, {});
    // Any file up to the size limit is read and shown at once, quoting short pieces.
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    for (const CsvLineNote& note : preview.rejected + preview.replacedInFile)
        QVERIFY2(note.reason.size() < 200, qPrintable(note.reason.left(200)));
    // A file that could be read with the columns or the dates named must ask for them.
    QCOMPARE(parsed.needsChoice,
        !error.isEmpty() && !error.contains(QLatin1String("empty")) && !error.contains(QLatin1String("more than")));
    QCOMPARE(describe(parsed.weighIns), weighIns);
    QVERIFY2(matches(parsed.rejected, rejected), qPrintable(describe(parsed.rejected)));
    QVERIFY2(matches(parsed.replacedInFile, replaced), qPrintable(describe(parsed.replacedInFile)));
    QVERIFY2(error.isEmpty() ? parsed.error.isEmpty() : parsed.error.contains(error), qPrintable(parsed.error));
}

// What the column choice offers for a file the program cannot read alone.
void TestWeighInCsv::columnChoice_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("suggested"); // the choice the boxes start at
    QTest::addColumn<QString>("forms"); // the date forms offered for the suggested date column
    QTest::addColumn<bool>("everyLine");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("remembered"); // a kept choice, and whether it still fits: "" when not
    QTest::addColumn<QString>("fits");

    QTest::newRow("wger in German") << QByteArray("Datum,Gewicht\n2025-02-01,80.5\n")
                                    << "date=0;weight=1;unit=kg;order=ymd"
                                    << "ymd" << true << ""
                                    << "date=0;weight=1;unit=lb;order=ymd"
                                    << "date=0;weight=1;unit=lb;order=ymd";
    QTest::newRow("two ways") << QByteArray("Gewicht;Datum;unit\n80;03/04/2025;kg\n81;05/04/2025;kg\n")
                              << "date=1;weight=0;unit=column;order=dmy"
                              << "dmy mdy" << true << "\"03/04/2025\" on line 2 is 2025-04-03 or 2025-03-04"
                              << "date=1;weight=0;unit=column;order=mdy"
                              << "date=1;weight=0;unit=column;order=mdy";
    QTest::newRow("dots are day first") << QByteArray("when,kg\n03.04.2025 07:30,80\n")
                                        << "date=0;weight=1;unit=kg;order=dmy"
                                        << "dmy" << true << ""
                                        << "date=0;weight=1;unit=column;order=dmy"
                                        << "";
    QTest::newRow("some dates read in no form")
        << QByteArray("when,kg\n2025-02-01,80\nyesterday,81\n") << "date=0;weight=1;unit=kg;order=ymd"
        << "ymd" << false << "No form reads every date"
        << "date=7;weight=1;unit=kg;order=ymd"
        << "";
}

void TestWeighInCsv::columnChoice()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, suggested);
    QFETCH(QString, forms);
    QFETCH(bool, everyLine);
    QFETCH(QString, note);
    QFETCH(QString, remembered);
    QFETCH(QString, fits);

    const CsvTable table = readCsvTable(file);
    const CsvColumnChoice start = suggestedColumnChoice(table);
    QCOMPARE(columnChoiceText(start), suggested);
    const DateForms offered = dateFormsOf(table, start.dateColumn);
    QStringList names;
    for (const DateOrder order : offered.orders)
        names << QStringList {"ymd", "dmy", "mdy"}.at(static_cast<int>(order));
    QCOMPARE(names.join(QLatin1Char(' ')), forms);
    QCOMPARE(offered.everyLine, everyLine);
    QVERIFY2(note.isEmpty() ? offered.note.isEmpty() : offered.note.contains(note), qPrintable(offered.note));
    const std::optional<CsvColumnChoice> kept = readColumnChoice(remembered, table);
    QCOMPARE(kept ? columnChoiceText(*kept) : QString(), fits);
    // Kept under the columns' names, whatever their case or spaces.
    QByteArray otherCase = file;
    otherCase.replace(0, file.indexOf('\n'), file.left(file.indexOf('\n')).toUpper());
    QCOMPARE(columnChoiceKey(readCsvTable(otherCase)), columnChoiceKey(table));
    QVERIFY(columnChoiceKey(readCsvTable("date,weight,x\n")) != columnChoiceKey(readCsvTable("date,weight\n")));
}

void TestWeighInCsv::exportImportAndPreview()
{
    const QDate today = QDate::currentDate();
    // Among them the limits, and figures whose conversion rounds across a hundredth.
    const QList<WeighIn> original {{today.addDays(-40), 180, WeightUnit::Pounds},
        {today.addDays(-30), 81.3, WeightUnit::Kilograms}, {today.addDays(-20), 200.555, WeightUnit::Pounds},
        {today.addDays(-15), 176.45, WeightUnit::Pounds}, {today.addDays(-14), 80.04, WeightUnit::Kilograms},
        {today.addDays(-13), 20, WeightUnit::Pounds}, {today.addDays(-12), 9.07, WeightUnit::Kilograms},
        {today.addDays(-11), 680.39, WeightUnit::Kilograms}, {today.addDays(-10), 19.996, WeightUnit::Pounds},
        {today, 1500, WeightUnit::Pounds}};

    // Full stops and ISO dates whatever the locale, oldest first, the unit entered last.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray csv = weighInsCsv({original.at(1), original.at(0)});
    QLocale::setDefault(QLocale::c());
    QCOMPARE(csv,
        "date,weight_kg,weight_lb,unit\n" + original.at(0).date.toString(Qt::ISODate).toUtf8() + ",81.65,180.00,lb\n"
            + original.at(1).date.toString(Qt::ISODate).toUtf8() + ",81.30,179.24,kg\n");
    QCOMPARE(suggestedCsvFileName(QDate(2026, 12, 9)), QStringLiteral("weigh-ins 2026-12-09.csv"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("weigh-ins.csv"));
    QCOMPARE(writeWeighInsCsv(path, original), QString());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray file = written.readAll();
    QCOMPARE(file, weighInsCsv(original));
    const QString missing = dir.filePath(QStringLiteral("no such folder/weigh-ins.csv"));
    QVERIFY(writeWeighInsCsv(missing, original).startsWith(missing + QStringLiteral(": ")));

    // Read back into an empty journal, each in the unit it was entered in, and
    // exported again: the same file, byte for byte.
    Journal journal(dir.filePath(QStringLiteral("journal.sqlite")));
    const ParsedWeighIns parsed = parseWeighInsCsv(file, today);
    QCOMPARE(describe(parsed.rejected), QString());
    ImportPreview preview = previewImport(parsed, journal.weighIns());
    QCOMPARE(preview.added, original.size());
    QCOMPARE(preview.replaced + preview.unchanged, 0);
    QVERIFY(journal.apply(preview.change));
    const QList<WeighIn> imported = journal.weighIns();
    QCOMPARE(weighInsCsv(imported), file);
    QCOMPARE(imported.size(), original.size());
    for (int i = 0; i < original.size(); ++i) {
        QCOMPARE(imported.at(i).unit, original.at(i).unit);
        QVERIFY2(qAbs(imported.at(i).weight - original.at(i).weight) <= 0.005, qPrintable(describe(imported)));
    }

    // The same file again changes nothing, even over the figures as entered.
    preview = previewImport(parsed, original);
    QCOMPARE(preview.unchanged, original.size());
    QVERIFY(preview.change.isEmpty());
    // A file that adds a day, replaces one and repeats one.
    const QByteArray other = "date,weight_kg\n" + original.at(0).date.toString(Qt::ISODate).toUtf8() + ",81.65\n"
        + original.at(1).date.toString(Qt::ISODate).toUtf8() + ",80.9\n"
        + today.addDays(-1).toString(Qt::ISODate).toUtf8() + ",79\n";
    preview = previewImport(parseWeighInsCsv(other, today), imported);
    QCOMPARE(preview.added, 1);
    QCOMPARE(preview.replaced, 1);
    QCOMPARE(preview.unchanged, 1);
    QCOMPARE(describe(preview.change.put),
        QStringLiteral("%1 80.9 kg, %2 79 kg")
            .arg(original.at(1).date.toString(Qt::ISODate), today.addDays(-1).toString(Qt::ISODate)));
}

// An export that runs out of room says the disk is full, and leaves the file it would
// have replaced as it was.
void TestWeighInCsv::exportOntoAFullDisk()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("weigh-ins.csv"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("date,weight_kg\n") > 0);
    old.close();
    QList<WeighIn> many;
    for (int day = 0; day < 20000; ++day)
        many.append({QDate(1990, 1, 1).addDays(day), 80, WeightUnit::Kilograms});

    struct rlimit was;
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &was) == 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = was;
    small.rlim_cur = 64 * 1024;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    const QString failure = writeWeighInsCsv(path, many);
    ::setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, handler);

    QVERIFY2(failure.contains(QStringLiteral("the disk holding %1 is full").arg(dir.path())), qPrintable(failure));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("date,weight_kg\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("weigh-ins.csv")});
}

QTEST_GUILESS_MAIN(TestWeighInCsv)
// In another language the files and the remembered column choices are written and
// read as in English; only what a person reads is translated, each reason whole.
void TestWeighInCsv::translationLeavesTheFilesWords()
{
    const QList<WeighIn> weighIns {
        {QDate(2026, 12, 1), 80.5, WeightUnit::Kilograms}, {QDate(2026, 12, 2), 178, WeightUnit::Pounds}};
    const QByteArray file = weighInsCsv(weighIns);
    const CsvTable table = readCsvTable("day;kilos;unit\n2026-12-01;80,5;kg\n");
    CsvColumnChoice choice = suggestedColumnChoice(table);
    choice.unit = WeightUnit::Pounds;
    const QString remembered = columnChoiceText(choice);

    const PseudoTranslation translation;
    QCOMPARE(weighInsCsv(weighIns), file);
    QCOMPARE(describe(parseWeighInsCsv(file, kToday).weighIns), describe(weighIns));
    QCOMPARE(columnChoiceText(choice), remembered);
    QVERIFY(readColumnChoice(remembered, table) == choice);
    QCOMPARE(unitSymbol(WeightUnit::Kilograms), QStringLiteral("kg"));
    QCOMPARE(unitSymbolText(WeightUnit::Kilograms), QStringLiteral("<kg>"));

    const ParsedWeighIns parsed
        = parseWeighInsCsv(QByteArrayLiteral("date,weight,unit\n"
                                             ",80,kg\n"
                                             "2026-12-01,80,st\n"
                                             "2026-12-02,900,kg\n"
                                             "2026-12-03,80,kg\n"
                                             "2026-12-03-and-a-good-deal-more-than-a-date,80,kg\n"),
            kToday);
    QCOMPARE(describe(parsed.weighIns), QStringLiteral("2026-12-03 80 kg"));
    QCOMPARE(describe(parsed.rejected),
        QStringLiteral("2: <No date.>"
                       " | 3: <The unit <\"st\"> is neither kg nor lb.>"
                       " | 4: <The weight 900 <kg> is above the heaviest the journal keeps, 680.39 <kg>.>"
                       " | 6: <The date <\"2026-12-03-and-a-good-deal-more-…\" (43 characters)> does not read as "
                       "<year-month-day, such as 2026-12-09>.>"));
    QCOMPARE(parseWeighInsCsv(QByteArrayLiteral("x,y\n1,2\n"), kToday).error,
        QStringLiteral("<No column of dates: the first line names none of date, dateTime or DATE.>"));
}

#include "tst_weighincsv.moc"
