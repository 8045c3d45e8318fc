#include "journal/journal.h"
#include "journal/weighincsv.h"

#include <QTemporaryDir>
#include <QtTest>

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
    void exportImportAndPreview();
};

void TestWeighInCsv::parse_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("weighIns");
    QTest::addColumn<QString>("rejected"); // "line: part of the reason | ..."
    QTest::addColumn<QString>("replaced"); // the same, for lines a later line of their day replaced
    QTest::addColumn<QString>("error");

    QTest::newRow("own file") << QByteArray(
        "date,weight_kg,weight_lb\n2026-11-01,80.00,176.37\n2026-11-02,79.50,175.27\n")
                              << "2026-11-01 80 kg, 2026-11-02 79.5 kg"
                              << ""
                              << ""
                              << "";
    QTest::newRow("own columns, pounds alone, in another order")
        << QByteArray("weight_lb,date\n176.4,2026-11-01\n") << "2026-11-01 176.4 lb"
        << ""
        << ""
        << "";
    // openScale 2.x writes every field of a measurement, the header quoted, its
    // dateTime as yyyy-MM-dd HH:mm and the weight in kilograms; a comment may run
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
                                 << "";
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
        << "";
    // wger writes Date,Weight: a day, or since its entries have a time, the date and
    // time with the time zone; the weight in kilograms.
    QTest::newRow("wger") << QByteArray("Date,Weight\r\n2024-01-15,80.50\r\n2025-02-22 04:14:00+00:00,80.25\r\n")
                          << "2024-01-15 80.5 kg, 2025-02-22 80.25 kg"
                          << ""
                          << ""
                          << "";
    QTest::newRow("semicolons and decimal commas")
        << QByteArray("date;weight_kg\n2026-11-01;80,5\n2026-11-02;\"79,25\"\n2026-11-03;79.9\n")
        << "2026-11-01 80.5 kg, 2026-11-02 79.25 kg, 2026-11-03 79.9 kg"
        << ""
        << ""
        << "";
    QTest::newRow("a decimal comma where commas separate") << QByteArray("date,weight\n2026-11-01,\"80,5\"\n") << ""
                                                           << "2: not a number"
                                                           << ""
                                                           << "";
    QTest::newRow("quoted fields, quotes inside")
        << QByteArray("date,weight,note\n2026-11-01,80.5,\"said \"\"fine\"\", then ran\"\n\"2026-11-02\",\"80.1\",\n")
        << "2026-11-01 80.5 kg, 2026-11-02 80.1 kg"
        << ""
        << ""
        << "";
    QTest::newRow("byte order mark, CRLF, header case, blank lines") << QByteArray(
        "\xEF\xBB\xBF\r\nDate,Weight_KG\r\n2026-11-01,80.5\r\n\r\n , \r\n2026-11-02,80.1\r\n2026-11-0x,80\r\n")
                                                                     << "2026-11-01 80.5 kg, 2026-11-02 80.1 kg"
                                                                     << "7: does not read"
                                                                     << ""
                                                                     << "";
    QTest::newRow("carriage returns alone")
        << QByteArray("date,weight\r2026-11-01,80\r2026-11-02,x\r") << "2026-11-01 80 kg"
        << "3: not a number"
        << ""
        << "";
    QTest::newRow("kilograms taken before pounds, unless the pounds read to a tenth")
        << QByteArray("date,weight_lb,weight_kg\n2026-11-01,176.37,80.00\n2026-11-02,175.5,\n"
                      "2026-11-03,179.00,81.19\n2026-11-04,179.20,81.30\n")
        << "2026-11-01 80 kg, 2026-11-02 175.5 lb, 2026-11-03 179 lb, 2026-11-04 81.3 kg"
        << ""
        << ""
        << "";
    QTest::newRow("one weigh-in a day: the later line wins")
        << QByteArray("date,weight\n2026-11-01,80\n2026-11-02,81\n2026-11-01,79.5\n")
        << "2026-11-01 79.5 kg, 2026-11-02 81 kg"
        << ""
        << "2: Line 4 gives the same day, 2026-11-01"
        << "";
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
                               << "";
    QTest::newRow("no column of dates") << QByteArray("day,weight\n2026-11-01,80\n") << ""
                                        << ""
                                        << ""
                                        << "No column of dates";
    QTest::newRow("a time without a date") << QByteArray("TIME,WEIGHT\n08:00,80\n") << ""
                                           << ""
                                           << ""
                                           << "No column of dates";
    QTest::newRow("no column of weights") << QByteArray("date,kilos\n2026-11-01,80\n") << ""
                                          << ""
                                          << ""
                                          << "No column of weights";
    QTest::newRow("an empty file") << QByteArray("\xEF\xBB\xBF\n\n") << ""
                                   << ""
                                   << ""
                                   << "empty";
}

void TestWeighInCsv::parse()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, weighIns);
    QFETCH(QString, rejected);
    QFETCH(QString, replaced);
    QFETCH(QString, error);

    const ParsedWeighIns parsed = parseWeighInsCsv(file, kToday);
    QCOMPARE(describe(parsed.weighIns), weighIns);
    QVERIFY2(matches(parsed.rejected, rejected), qPrintable(describe(parsed.rejected)));
    QVERIFY2(matches(parsed.replacedInFile, replaced), qPrintable(describe(parsed.replacedInFile)));
    QVERIFY2(error.isEmpty() ? parsed.error.isEmpty() : parsed.error.contains(error), qPrintable(parsed.error));
}

void TestWeighInCsv::exportImportAndPreview()
{
    const QDate today = QDate::currentDate();
    const QList<WeighIn> original {{today.addDays(-40), 180, WeightUnit::Pounds},
        {today.addDays(-30), 81.3, WeightUnit::Kilograms}, {today.addDays(-20), 200.555, WeightUnit::Pounds},
        {today.addDays(-10), 0.004, WeightUnit::Kilograms}, {today, 1500, WeightUnit::Pounds}};

    // Full stops and ISO dates whatever the locale, oldest first.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray csv = weighInsCsv({original.at(1), original.at(0)});
    QLocale::setDefault(QLocale::c());
    QCOMPARE(csv,
        "date,weight_kg,weight_lb\n" + original.at(0).date.toString(Qt::ISODate).toUtf8() + ",81.65,180.00\n"
            + original.at(1).date.toString(Qt::ISODate).toUtf8() + ",81.30,179.24\n");
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

    // Read back into an empty journal: the same weigh-ins to the hundredth of a
    // kilogram, all but the one too light to keep, which the file writes as 0.00.
    Journal journal(dir.filePath(QStringLiteral("journal.sqlite")));
    const ParsedWeighIns parsed = parseWeighInsCsv(file, today);
    QCOMPARE(describe(parsed.rejected), QStringLiteral("5: The weight must be above zero."));
    ImportPreview preview = previewImport(parsed, journal.weighIns());
    QCOMPARE(preview.added, 4);
    QCOMPARE(preview.replaced + preview.unchanged, 0);
    QVERIFY(journal.apply(preview.change));
    const QList<WeighIn> imported = journal.weighIns();
    QCOMPARE(imported.size(), 4);
    for (int i = 0, j = 0; i < original.size(); ++i) {
        if (original.at(i).weight < 0.01)
            continue;
        QCOMPARE(imported.at(j).date, original.at(i).date);
        QVERIFY2(
            qAbs(imported.at(j).kilograms() - original.at(i).kilograms()) <= 0.005, qPrintable(describe(imported)));
        ++j;
    }

    // The same file again changes nothing, even over the figures as entered.
    preview = previewImport(parsed, original);
    QCOMPARE(preview.unchanged, 4);
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

QTEST_GUILESS_MAIN(TestWeighInCsv)
#include "tst_weighincsv.moc"
