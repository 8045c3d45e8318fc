#include "calculator/progress.h"
#include "calculator/progresstext.h"
#include "details.h"

#include <QRegularExpression>
#include <QTest>
#include <limits>

namespace {

const QDate kStart(2026, 12, 9);
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

using Series = QList<QPair<int, double>>; // day of the plan, pounds

WeightPlan planFor(const PersonalDetails& d)
{
    CalculationSteps steps;
    const CalorieResult result = calculateCalories(d, {}, kUs, &steps);
    return makeWeightPlan(d, result, steps, kStart, kUs);
}

QList<DatedWeight> weighIns(const Series& series)
{
    QList<DatedWeight> list;
    for (const auto& [day, pounds] : series)
        list.append({kStart.addDays(day), pounds});
    return list;
}

QStringList allTexts(const ProgressTexts& t)
{
    QStringList list {t.title, t.estimate, t.chartDescription};
    list << t.standing << t.replan;
    for (const QStringList& row : t.weighInRows)
        list << row;
    return list;
}

} // namespace

Q_DECLARE_METATYPE(Series)
Q_DECLARE_METATYPE(Forecast)
Q_DECLARE_METATYPE(ReplanKind)

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void typicalRunFollowedForTwentyDays();
    void edgeCases_data();
    void edgeCases();
    void readWeighIn_data();
    void readWeighIn();
    void readWeightArgument_data();
    void readWeightArgument();
};

void TestProgress::typicalRunFollowedForTwentyDays()
{
    // The typical run: 2943 calories keep 180 lb, 10 lb in 30 days is 0.33 lb a day and
    // 1788 calories; from 12/9/26 to 1/8/27, goal 170 lb. Eight weigh-ins over 20 days,
    // with a heavy morning on day 3 and nothing from day 7 to day 13.
    //
    // day  weight (lb)                     trend = before + 0.1 x (weight - before)
    //  0   180     weighed                 180
    //  1   179.6   between 180 and 179.2   179.96
    //  2   179.2   weighed                 179.884
    //  3   181     weighed, heavy          179.9956        (the heavy morning: +0.11)
    //  4   179.8   between 181 and 178.6   179.97604
    //  5   178.6   weighed                 179.838436
    //  6   178.4   weighed                 179.6945924
    //  7   178.125 ... 13 176.475, 0.275 a day towards 176.2:
    //              179.5376332, 179.3688698, 179.1894828, 179.0005346, 178.8029811,
    //              178.5976830, 178.3854147
    // 14   176.2   weighed                 178.1668732
    // 15   176     16 175.8 between        177.9501859, 177.7351673
    // 17   175.6   weighed                 177.5216506
    // 18   175.4   19 175.2 between        177.3094855, 177.0985370
    // 20   175     weighed                 176.8886833
    //
    // Today (12/29/26) is day 20; the plan expects 180 - 0.33 x 20 = 173.4 lb, so the
    // trend is 3.49 lb (x 0.45359237 = 1.58 kg) behind. The trend's pace over the two
    // weeks from day 6: (179.6945924 - 176.8886833) / 14 = 0.2004221 lb a day, 1.40 lb
    // (0.64 kg) a week; the goal is 176.89 - 170 = 6.89 lb away, 6.89 / 0.2004221 =
    // 34.38, so day 35 after 12/29/26: 2/2/27.
    // What the weigh-ins say: 1788 + 0.2004221 x 3500 = 2489.48, 2489 calories
    // (x 4.184 = 10414 kJ).
    // Re-plan from 176.89 lb: 6.89 lb in the 10 days to 1/8/27 is 0.689, 0.69 lb a day,
    // 2415 calories; basal 66 + 6.3 x 176.89 + 12.9 x 70 - 6.8 x 30 = 1879.407, x 1.55
    // = 2913.08, 2913; 2913 - 2415 = 498 calories (2084 kJ), below the men's 1500 and
    // 4.83 lb a week. Within both limits: 6.89 / 25 = 0.2756, 0.28 lb a day, 1.96 lb a
    // week and 2913 - 980 = 1933 calories (8088 kJ), where 24 days give 0.29 (2.03 lb
    // a week): 25 days, until 1/23/27.
    const WeightPlan plan = planFor(details("Male", 30, 5, 10, "180", "10", 30, 2));
    const QList<DatedWeight> series
        = weighIns({{17, 175.6}, {0, 180}, {2, 179.2}, {3, 181}, {5, 178.6}, {6, 178.4}, {14, 176.2}, {20, 175}});
    const Progress p = makeProgress(plan, series, kStart.addDays(20), kUs);

    QCOMPARE(p.trend.size(), 21);
    QCOMPARE(p.weighInCount, 8);
    QVERIFY(qAbs(p.trend.at(3).trendPounds - 179.9956) < 1e-9);
    QVERIFY(qAbs(p.trend.at(10).pounds - 177.3) < 1e-9); // on the line through the gap
    QVERIFY(qAbs(p.trendPounds - 176.8886833) < 1e-7);
    QCOMPARE(p.day, 20);
    QVERIFY(qAbs(p.aheadPounds() - -3.4886833) < 1e-7);
    QVERIFY(p.paceKnown());
    QVERIFY(qAbs(p.lossPerDayPounds - 0.2004221) < 1e-7);
    QCOMPARE(p.forecast, Forecast::OnDate);
    QCOMPARE(p.goalDate, QDate(2027, 2, 2));
    QCOMPARE(p.estimatedMaintenanceCalories.value_or(0), 2489.0);
    QCOMPARE(p.replan.kind, ReplanKind::InTime);
    QCOMPARE(p.replan.details.weightPounds, QStringLiteral("176.89"));
    QCOMPARE(p.replan.details.lossPounds, QStringLiteral("6.89"));
    QCOMPARE(p.replan.details.timeFrameDays, QStringLiteral("10"));
    QCOMPARE(p.replan.plan.result.maintenanceCalories, 2913.0);
    QCOMPARE(p.replan.plan.result.goalCalories, 498.0);
    QCOMPARE(p.replan.plan.withinLimits.days, 25);
    QCOMPARE(p.replan.plan.withinLimits.result.goalCalories, 1933.0);

    const ProgressTexts t = progressTexts(p, kUs);
    QCOMPARE(t.title, QStringLiteral("Your progress, ANNA"));
    const QString copied = progressPlainText(t, QDateTime(kStart.addDays(20), QTime(7, 0)), kUs);
    for (const char* fragment : {
             "Today, 12/29/26, is day 20 of 30 of your plan, which ends on 1/8/27.",
             "weigh 173.4 lb (78.65 kg) today",
             "is 176.89 lb (80.24 kg): 3.49 lb (1.58 kg) behind the plan.",
             "trend lost 1.4 lb (0.64 kg) a week. At that pace it reaches your goal of 170 lb (77.11 kg) on 2/2/27.",
             "6.89 lb to lose in 10 days, 0.69 lb a day: eat 498 calories (2084 kJ) a day.",
             "below 1500, the least that health services advise men",
             "That is 4.83 lb a week",
             "is 25 days, until 1/23/27: 1933 calories (8088 kJ) a day, 1.96 lb a week.",
             "about 2489 calories (10414 kJ) a day keeps your weight (1788 + 0.2 lb a day",
             "holds only if you ate what the plan said",
             "Date\tWeight (lb)\tWeight (kg)\tTrend (lb)\n12/29/26\t175.00\t79.38\t176.89\n12/26/26\t175.60",
             "12/9/26\t180.00\t81.65\t180.00\n",
         })
        QVERIFY2(copied.contains(QString::fromUtf8(fragment)), fragment);
    QCOMPARE(t.weighInRows.size(), 8);
    QCOMPARE(t.weighInRows.at(3), (QStringList {"12/15/26", "178.40", "80.92", "179.69"}));
    QCOMPARE(t.chartDescription,
        QStringLiteral("Chart of your plan and your weigh-ins: the plan's line from 180 lb on 12/9/26 to 170.1 lb on "
                       "1/8/27; the goal at 170 lb; 8 weigh-ins from 12/9/26 to 12/29/26, and their trend, 176.89 lb "
                       "on 12/29/26."));

    // Two days without weighing: the trend stays that of 12/29/26, and says so.
    const Progress later = makeProgress(plan, series, kStart.addDays(22), kUs);
    QCOMPARE(later.trendPounds, p.trendPounds);
    const QString asOf = progressTexts(later, kUs).standing.at(1);
    QVERIFY2(asOf.startsWith(QStringLiteral("As of 12/29/26, the day of your last weigh-in"))
            && asOf.contains(QStringLiteral("behind the plan, which expected 173.4 lb that day")),
        qPrintable(asOf));
}

void TestProgress::edgeCases_data()
{
    QTest::addColumn<PersonalDetails>("in");
    QTest::addColumn<Series>("series");
    QTest::addColumn<int>("today"); // day of the plan
    QTest::addColumn<Forecast>("forecast");
    QTest::addColumn<ReplanKind>("replan");
    QTest::addColumn<QString>("words");

    const PersonalDetails typical = details("Male", 30, 5, 10, "180", "10", 30, 2);
    const double huge = std::numeric_limits<double>::max();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("no weigh-ins") << typical << Series {} << 5 << Forecast::NotYet << ReplanKind::None
                                  << "enter your first weigh-in";
    QTest::newRow("one") << typical << Series {{0, 180}} << 3 << Forecast::NotYet << ReplanKind::InTime
                         << "you have 1 over 0 days): weigh in 4 more times, the last of them on 12/23/26 or later.";
    QTest::newRow("four over 16 days") << typical << Series {{0, 180}, {5, 179}, {10, 178}, {16, 177}} << 16
                                       << Forecast::NotYet << ReplanKind::InTime
                                       << "you have 4 over 16 days): weigh in once more.";
    QTest::newRow("five over 8 days") << typical << Series {{0, 180}, {2, 179}, {4, 179}, {6, 178}, {8, 178}} << 9
                                      << Forecast::NotYet << ReplanKind::InTime
                                      << "you have 5 over 8 days): weigh in again on 12/23/26 or later.";
    QTest::newRow("goal reached") << typical << Series {{0, 169}, {7, 168}, {10, 168}, {12, 167}, {14, 168}} << 14
                                  << Forecast::Reached << ReplanKind::GoalReached
                                  << "To keep your goal: 2846 calories (11908 kJ) a day";
    QTest::newRow("end date passed") << typical << Series {{0, 180}, {10, 178}, {20, 176}, {30, 174}, {35, 173}} << 40
                                     << Forecast::OnDate << ReplanKind::EndDateReached
                                     << "Your plan ended on 1/8/27, 10 days ago";
    QTest::newRow("end date today") << typical << Series {{0, 180}, {10, 178}, {20, 176}, {25, 175}, {30, 174}} << 30
                                    << Forecast::OnDate << ReplanKind::EndDateReached
                                    << "end date, 1/8/27, is today, so there are no days left";
    QTest::newRow("gaining") << typical << Series {{0, 180}, {5, 181}, {10, 182}, {15, 183}, {20, 184}} << 20
                             << Forecast::Never << ReplanKind::InTime << "A trend that gains never reaches your goal";
    QTest::newRow("standing still") << typical << Series {{0, 175}, {5, 175}, {10, 175}, {15, 175}, {20, 175}} << 20
                                    << Forecast::Never << ReplanKind::InTime
                                    << "your trend held steady. A trend that stands still never";
    QTest::newRow("too slow: goal past ten years")
        << typical << Series {{0, 180}, {4, 180}, {8, 180}, {12, 180}, {16, 179.9}} << 16 << Forecast::TooFar
        << ReplanKind::InTime << "At that pace your goal of 170 lb (77.11 kg) is more than ten years away.";
    QTest::newRow("goal leaves no body weight")
        << details("Male", 30, 5, 10, "180", "200", 30, 2) << Series {{0, 180}} << 3 << Forecast::NotYet
        << ReplanKind::NoBodyWeight << "leaves no body weight, so there is no plan from today";
    QTest::newRow("not started, 1000 days")
        << details("Male", 30, 5, 10, "300", "100", 1000, 2) << Series {{-20, 301}, {-12, 300}} << -10
        << Forecast::NotYet << ReplanKind::TooFarAway << "more than the 1000 days a time frame can take";
    QTest::newRow("absurd weigh-ins") << typical
                                      << Series {{0, huge}, {1, 1e-300}, {2, nan}, {3, inf}, {4, -5}, {5, 0}, {9, huge},
                                             {14, 1e300}, {15, 1e-300}, {60, 170}}
                                      << 15 << Forecast::OnDate << ReplanKind::OutOfRange
                                      << "beyond what the calculation";
    QTest::newRow("absurd plan") << details("Female", 30, 5, 4, QStringLiteral("1") + QString(300, u'0'), "1", 30, 0)
                                 << Series {{0, 1e300}, {4, 2e300}, {8, 3e300}, {12, 4e300}, {16, 5e300}} << 16
                                 << Forecast::Never << ReplanKind::InTime << "e+300 lb";
}

void TestProgress::edgeCases()
{
    QFETCH(PersonalDetails, in);
    QFETCH(Series, series);
    QFETCH(int, today);
    QFETCH(Forecast, forecast);
    QFETCH(ReplanKind, replan);
    QFETCH(QString, words);

    const Progress p = makeProgress(planFor(in), weighIns(series), kStart.addDays(today), kUs);
    QCOMPARE(p.forecast, forecast);
    QCOMPARE(p.replan.kind, replan);
    const ProgressTexts t = progressTexts(p, kUs);
    const QString copied = progressPlainText(t, QDateTime(kStart, QTime(7, 0)), kUs);
    QVERIFY2(copied.contains(words), qPrintable(copied));
    // Whatever the weights: no figure the person cannot read.
    static const QRegularExpression unreadable(QStringLiteral("nan|inf\\b|\\d{16}|\u2014"));
    for (const QString& text : allTexts(t))
        QVERIFY2(!text.contains(unreadable), qPrintable(text));
    QCOMPARE(t.replan.isEmpty(), replan == ReplanKind::None);
    QCOMPARE(t.estimate.isEmpty(), !p.paceKnown());
}

void TestProgress::readWeighIn_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("kilograms");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("pounds"); // 0: refused
    QTest::addColumn<QString>("message");

    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("pounds") << "172.4" << false << kUs << 172.4 << "";
    QTest::newRow("kilograms, German") << " 78,2 " << true << german << 172.40148902857428 << "";
    QTest::newRow("heaviest") << "1500" << false << kUs << 1500.0 << "";
    // The limits are 20 lb and 1500 lb to the hundredth, in kilograms as in pounds.
    QTest::newRow("lightest in kg") << "9.07" << true << kUs << 19.995927180168398 << "";
    QTest::newRow("below the lightest in kg") << "9,06" << true << german << 0.0
                                              << "9,06 kg is less than a person weighs: please check it. The least a "
                                                 "weigh-in may be is 9,07 kg.";
    QTest::newRow("heaviest in kg") << "680.39" << true << kUs << 1500.0031856796884 << "";
    QTest::newRow("exponent") << "1e2" << false << kUs << 0.0 << "\u201c1e2\u201d is not a number";
    QTest::newRow("empty") << "  " << true << kUs << 0.0 << "Please enter your weight in kilograms.";
    QTest::newRow("words") << "heavy" << false << kUs << 0.0
                           << "\u201cheavy\u201d is not a number: please enter your weight in pounds, such as 172.4.";
    QTest::newRow("US figure in German") << "78.2.1" << true << german << 0.0 << "such as 78,2.";
    QTest::newRow("zero") << "0" << false << kUs << 0.0 << "A weight must be more than zero";
    QTest::newRow("below zero") << "-70" << true << kUs << 0.0 << "A weight must be more than zero";
    QTest::newRow("too heavy") << "1500.5" << false << kUs << 0.0
                               << "1500.5 lb is more than anyone weighs: please check it. The most a weigh-in may be "
                                  "is 1500 lb.";
    QTest::newRow("too heavy in kg") << "680.4" << true << kUs << 0.0 << "The most a weigh-in may be is 680.39 kg.";
    QTest::newRow("too light") << "19,9" << false << german << 0.0 << "The least a weigh-in may be is 20 lb.";
    QTest::newRow("1e300") << QString(301, u'9') << false << kUs << 0.0 << "1e+301 lb is more than anyone weighs";
}

void TestProgress::readWeighIn()
{
    QFETCH(QString, text);
    QFETCH(bool, kilograms);
    QFETCH(QLocale, locale);
    QFETCH(double, pounds);
    QFETCH(QString, message);

    const WeighInReading reading = ::readWeighIn(text, kilograms, locale);
    QCOMPARE(reading.ok(), pounds > 0);
    if (reading.ok())
        QVERIFY(qAbs(reading.pounds - pounds) < 1e-7);
    else
        QVERIFY2(reading.message.contains(message), qPrintable(reading.message));
}

void TestProgress::readWeightArgument_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<double>("value"); // 0: refused
    QTest::addColumn<bool>("kilograms");
    QTest::addColumn<QString>("message");

    QTest::newRow("172.4lb") << "172.4lb" << 172.4 << false << "";
    QTest::newRow("172.4 lb") << "172.4 lb" << 172.4 << false << "";
    QTest::newRow("180lbs") << "180lbs" << 180.0 << false << "";
    QTest::newRow("78kg") << "78kg" << 78.0 << true << "";
    QTest::newRow("78.2 KG") << "78.2 KG" << 78.2 << true << "";
    QTest::newRow("78,2kg") << "78,2kg" << 78.2 << true << "";
    QTest::newRow("empty") << "" << 0.0 << false << "No weight given: write it with its unit, such as 172.4lb or 78kg.";
    QTest::newRow("no unit") << "172.4" << 0.0 << false << "\u201c172.4\u201d has no unit: write lb or kg after";
    QTest::newRow("no number") << "lb" << 0.0 << false << "\u201clb\u201d does not start with a number";
    QTest::newRow("stones") << "12 st" << 0.0 << false << "\u201cst\u201d is not a unit of weight";
    QTest::newRow("grouping") << "1,500.5lb" << 0.0 << false << "\u201c1,500.5\u201d is not a number";
    QTest::newRow("two signs") << "78..2kg" << 0.0 << false << "is not a number";
    QTest::newRow("zero") << "0kg" << 0.0 << false << "more than zero";
    QTest::newRow("below zero") << "-80kg" << 0.0 << false << "more than zero";
    QTest::newRow("too heavy") << "2000 lb" << 0.0 << false << "The most a weigh-in may be is 1500 lb.";
    QTest::newRow("9kg, below 20 lb") << "9kg" << 0.0 << false << "The least a weigh-in may be is 9.07 kg.";
    QTest::newRow("19.99lb") << "19.99lb" << 0.0 << false << "The least a weigh-in may be is 20 lb.";
    QTest::newRow("680.39kg, 1500 lb") << "680.39kg" << 680.39 << true << "";
}

void TestProgress::readWeightArgument()
{
    QFETCH(QString, argument);
    QFETCH(double, value);
    QFETCH(bool, kilograms);
    QFETCH(QString, message);

    const WeightArgument weight = ::readWeightArgument(argument);
    QCOMPARE(weight.ok(), value > 0);
    if (weight.ok()) {
        QCOMPARE(weight.value, value);
        QCOMPARE(weight.kilograms, kilograms);
    } else {
        QVERIFY2(weight.message.contains(message), qPrintable(weight.message));
    }
}

QTEST_GUILESS_MAIN(TestProgress)
#include "tst_progress.moc"
