#include "calculator/bodymodel.h"
#include "calculator/progress.h"
#include "calculator/progresstext.h"
#include "details.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>
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

// Weigh-ins on a straight line from `pounds` on `firstDay`, losing perDay, one every
// `every` days to lastDay, each off the line by a fixed pseudo-noise of up to `noise`
// (the sine of the golden angle's multiples: spread evenly, the same on every run).
Series onLine(double pounds, double perDay, int firstDay, int lastDay, double noise = 0.7, int every = 1)
{
    Series series;
    for (int day = firstDay; day <= lastDay; day += every)
        series.append({day, pounds - perDay * (day - firstDay) + noise * std::sin(2.39996 * day)});
    return series;
}

// The weigh-ins the body model gives at these intakes, each for its days, from the plan's start.
Series madeByModel(const WeightPlan& plan, const QList<QPair<double, int>>& intakes)
{
    const auto model = bodyModelFor(plan.details, plan.result, plan.steps, kUs);
    Series series {{0, plan.startPounds}};
    if (!model)
        return series;
    BodyState state = model->initialState();
    int day = 0;
    for (const auto& [intake, days] : intakes) {
        for (int k = 0; k < days; ++k) {
            state = model->stateAfter(state, intake, 1).value_or(BodyState {});
            series.append({++day, state.weightKg() / kModelKilogramsPerPound});
        }
    }
    return series;
}

// The plan of the woman who follows a plan for ten weeks: 200 to 170 lb in 120 days,
// 0.25 lb a day, Lightly Active.
PersonalDetails woman(int age = 42)
{
    return details("Female", age, 5, 5, "200", "30", 120, 1);
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
    void whereYouStand_data();
    void whereYouStand();
    void oneHeavyMorningHardlyMovesTheForecast();
    void eatenByTheModel_data();
    void eatenByTheModel();
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
    // The smoothed line stays on the chart, and nothing compares it with the plan.
    const WeightPlan plan = planFor(details("Male", 30, 5, 10, "180", "10", 30, 2));
    const QList<DatedWeight> series
        = weighIns({{17, 175.6}, {0, 180}, {2, 179.2}, {3, 181}, {5, 178.6}, {6, 178.4}, {14, 176.2}, {20, 175}});
    const Progress p = makeProgress(plan, series, kStart.addDays(20), kUs);

    QCOMPARE(p.trend.size(), 21);
    QCOMPARE(p.weighInCount, 8);
    QVERIFY(qAbs(p.trend.at(3).trendPounds - 179.9956) < 1e-9);
    QVERIFY(qAbs(p.trend.at(10).pounds - 177.3) < 1e-9); // on the line through the gap
    QVERIFY(qAbs(p.trend.last().trendPounds - 176.8886833) < 1e-7);
    QCOMPARE(p.day, 20);

    // The line: of the 28 slopes between the 8 weigh-ins, sorted, the 14th and 15th
    // are -0.25 (days 0 and 20: -5 / 20; days 2 and 14: -3 / 12; days 5 and 17: -3 / 12),
    // so -0.25 lb a day, 1.75 lb a week. Read at day 20, each weigh-in puts the line
    // at its weight - 0.25 x (20 - day): 175, 174.7, 176.75, 174.85, 174.9, 174.7,
    // 174.85, 175, whose median is (174.85 + 174.9) / 2 = 174.875 lb on 12/29/26. The
    // plan expects 180 - 0.33 x 20 = 173.4: 1.475, 1.47 lb (0.67 kg) behind (half to even). Lost 180 -
    // 174.875 = 5.125, 5.12 lb, 51% of 10 lb; 174.875 x 0.45359237 / (70 x 0.0254)^2 =
    // 25.09.
    QVERIFY(p.line);
    QVERIFY(qAbs(p.lossPerDayPounds - 0.25) < 1e-9);
    QVERIFY(qAbs(p.weightPounds - 174.875) < 1e-9);
    QVERIFY(qAbs(p.aheadPounds() - -1.475) < 1e-9);

    const ProgressTexts t = progressTexts(p, kUs);
    QCOMPARE(t.title, QStringLiteral("Your progress, ANNA"));
    const QString copied = progressPlainText(t, QDateTime(kStart.addDays(20), QTime(7, 0)), kUs);
    for (const char* fragment : {
             "At a glance: 5.12 lb (2.32 kg) lost since the start, 51% of the 10 lb your plan sets out to lose; body "
             "mass index now 25.1.",
             "Today, 12/29/26, is day 20 of 30 of your plan, which ends on 1/8/27.",
             "weigh 173.4 lb (78.65 kg) today",
             "Your weight today is 174.88 lb (79.32 kg), read off a straight line",
             "1.47 lb (0.67 kg) behind the plan, which expects 173.4 lb.",
             "From 12/9/26 to 12/29/26 you lost 1.75 lb (0.79 kg) a week",
             "Date\tWeight (lb)\tWeight (kg)\tTrend (lb)\n12/29/26\t175.00\t79.38\t176.89\n12/26/26\t175.60",
             "12/9/26\t180.00\t81.65\t180.00\n",
         })
        QVERIFY2(copied.contains(QString::fromUtf8(fragment)), qPrintable(copied));
    QCOMPARE(t.weighInRows.size(), 8);
    QCOMPARE(t.weighInRows.at(3), (QStringList {"12/15/26", "178.40", "80.92", "179.69"}));
    QCOMPARE(t.chartDescription,
        QStringLiteral("Chart of your plan and your weigh-ins: the plan's line from 180 lb on 12/9/26 to 170.1 lb on "
                       "1/8/27; the goal at 170 lb; 8 weigh-ins from 12/9/26 to 12/29/26, and their smoothed line, "
                       "176.89 lb on 12/29/26."));

    // Two days without weighing: the weight stays that of 12/29/26, and says so.
    const Progress later = makeProgress(plan, series, kStart.addDays(22), kUs);
    QCOMPARE(later.weightPounds, p.weightPounds);
    const QString asOf = progressTexts(later, kUs).standing.at(2);
    QVERIFY2(asOf.startsWith(QStringLiteral("Your weight on 12/29/26, the day of your last weigh-in, was 174.88 lb"))
            && asOf.contains(QStringLiteral("behind the plan, which expects 173.4 lb that day")),
        qPrintable(asOf));
}

void TestProgress::whereYouStand_data()
{
    // Series whose truth is known, against the figures and the words each must give.
    // Figures not checked are NaN, days -1; words are patterns.
    QTest::addColumn<PersonalDetails>("in");
    QTest::addColumn<Series>("series");
    QTest::addColumn<int>("today"); // day of the plan
    QTest::addColumn<bool>("kilograms");
    QTest::addColumn<double>("weight"); // within 1 lb
    QTest::addColumn<double>("perWeek"); // within 0.3 lb
    QTest::addColumn<Forecast>("forecast");
    QTest::addColumn<int>("goalDay"); // the likeliest day of the plan, within 10 days
    QTest::addColumn<ReplanKind>("replan");
    QTest::addColumn<double>("expectedToday");
    QTest::addColumn<int>("weighInCount");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("absent");
    const double any = std::numeric_limits<double>::quiet_NaN();

    // Day 70 on the line, 182.5 lb: on plan, 1.75 lb a week, the goal about day 120;
    // from there 12.5 lb in 50 days is the plan's own 0.25 lb a day, at an intake above
    // 1200 since the weight is lower than at the start (the plan's 1357 less some 100).
    const Series onPlan = onLine(200, 0.25, 0, 70);
    QTest::newRow("on plan, scale noise")
        << woman() << onPlan << 70 << false << 182.5 << 1.75 << Forecast::OnDate << 120 << ReplanKind::InTime << 182.5
        << 71
        << QStringList {"^At a glance: 17\\.\\d+ lb \\(7\\.\\d+ kg\\) lost since the start, 5\\d% of the 30 lb",
               "Your weight today is 18[23]\\.\\d+ lb \\(8\\d\\.\\d+ kg\\), read off a straight line",
               "on plan, within 1 lb of the 182.5 lb it expects", "you lost 1\\.[5-9]\\d* lb \\(0\\.\\d+ kg\\) a week",
               "between \\d+/\\d+/27 and \\d+/\\d+/27, most likely about", ": eat 12[4-9]\\d calories",
               "within the cautions", "have eaten about \\d+ calories \\(\\d+ kJ\\) a day over the four weeks to",
               "your plan says 1357 calories", "keeps to your plan all the same: the plan counts 3500 calories",
               "keeps your weight as it is"}
        << QStringList {"behind", "below 1200", "trend"};
    // Day 20 on the same line: the model reads more eaten than the plan's figure, since
    // much of the first weeks' loss is water and glycogen, and says so.
    QTest::newRow("on plan, first weeks") << woman() << onLine(200, 0.25, 0, 20) << 20 << false << 195.0 << 1.75
                                          << Forecast::OnDate << 120 << ReplanKind::InTime << 195.0 << 21
                                          << QStringList {"on plan, within 1 lb", "have eaten about \\d+ calories",
                                                 "the first weeks is water and glycogen, which hold less"}
                                          << QStringList {"behind", "mostly fat"};
    QTest::newRow("on plan, kilograms first")
        << woman() << onPlan << 70 << true << 182.5 << 1.75 << Forecast::OnDate << 120 << ReplanKind::InTime << 182.5
        << 71
        << QStringList {"^At a glance: 7\\.\\d+ kg \\(17\\.\\d+ lb\\) lost", "of the 13\\.61 kg your plan",
               "Your weight today is 8\\d\\.\\d+ kg \\(18\\d\\.\\d+ lb\\)", "within 0\\.45 kg of the 82\\.78 kg",
               "lost 0\\.\\d+ kg \\(1\\.\\d+ lb\\) a week", "your goal of 77\\.11 kg \\(170 lb\\)",
               "the plan's line from 90\\.72 kg on", "to lose in 50 days, 0\\.11 kg \\(0\\.25 lb\\) a day: eat"}
        << QStringList {"\\d lb \\(\\d"};
    // The last morning 5 lb heavier: the line hardly moves, and nothing reads behind.
    Series heavy = onPlan;
    heavy.last().second += 5;
    QTest::newRow("one heavy morning") << woman() << heavy << 70 << false << 182.5 << 1.75 << Forecast::OnDate << 120
                                       << ReplanKind::InTime << 182.5 << 71
                                       << QStringList {"on plan, within 1 lb", "between \\d+/\\d+/27 and"}
                                       << QStringList {"behind", "gained"};
    // The same weigh-ins, but at 16 the body model does not hold.
    QTest::newRow("under 18: no model")
        << woman(16) << onPlan << 70 << false << 182.5 << 1.75 << Forecast::OnDate << 120 << ReplanKind::InTime << any
        << 71 << QStringList {"no figure for what you have eaten: the model is made for adults"}
        << QStringList {"have eaten about"};
    // A plateau at 0.18 lb a week, 14.3 lb above the goal on day 70: 556 days at its
    // pace, and the scatter allows a gain as well: no date.
    QTest::newRow("plateau") << woman() << onLine(185, 0.18 / 7, 42, 70) << 70 << false << 185.0 << 0.18
                             << Forecast::Unclear << -1 << ReplanKind::InTime << any << 29
                             << QStringList {"no date for your goal"}
                             << QStringList {"/2[89]\\b", "goal of .* between"};
    QTest::newRow("a gain") << woman() << onLine(182, -0.07, 42, 70) << 70 << false << 184.0 << -0.49 << Forecast::Never
                            << -1 << ReplanKind::InTime << any << 29
                            << QStringList {"you gained 0\\.\\d+ lb", "A weight that gains never reaches",
                                   "^From today, the shortest time frame", "that would take \\d+ calories"}
                            << QStringList {"goal of .* between"};
    QTest::newRow("a gain, kilograms first")
        << woman() << onLine(182, -0.07, 42, 70) << 70 << true << 184.0 << -0.49 << Forecast::Never << -1
        << ReplanKind::InTime << any << 29
        << QStringList {"you gained 0\\.\\d+ kg \\(0\\.\\d+ lb\\) a week",
               "A weight that gains never reaches your goal of 77\\.11 kg \\(170 lb\\)",
               "^From today, the shortest time frame .* a day, 0\\.\\d+ kg \\(\\d\\.\\d+ lb\\) a week\\.$",
               "to lose in 50 days, 0\\.\\d+ kg \\(0\\.\\d+ lb\\) a day: that would take \\d+ calories"}
        << QStringList {"\\d lb \\(\\d"};
    QTest::newRow("stale") << woman() << onLine(200, 0.25, 0, 50) << 70 << false << 187.5 << any << Forecast::Stale
                           << -1 << ReplanKind::Stale << any << 51
                           << QStringList {"Your last weigh-in was on 1/28/27, 20 days ago, at 187\\.\\d+ lb",
                                  "please weigh in again", "shows once you weigh in again",
                                  "too long ago to tell what you have eaten"}
                           << QStringList {"a week", "reach your goal of .* (between|about)", "eat \\d"};
    QTest::newRow("below the goal")
        << woman() << onLine(168, 0, 60, 90, 0.3) << 90 << false << 168.0 << 0.0 << Forecast::Reached << -1
        << ReplanKind::GoalReached << any << 31
        << QStringList {"at your goal of 170 lb \\(77.11 kg\\) or below it",
               "Your weight, 168\\.\\d* lb, is at or below your goal of 170 lb\\. To keep it: about \\d+ calories",
               "The program's own equations give \\d+ calories \\(\\d+ kJ\\) a day at the goal weight"}
        << QStringList {"To keep your goal"};
    // The goal reached exactly: reached, and no plan from it.
    QTest::newRow("at the goal exactly") << woman() << onLine(170, 0, 60, 80, 0) << 80 << false << 170.0 << 0.0
                                         << Forecast::Reached << -1 << ReplanKind::GoalReached << any << 21
                                         << QStringList {"Your weight, 170 lb, is at or below"} << QStringList {};
    // Ended 30 days ago still 1 lb a week above: the plan expects its end weight, 170 lb.
    QTest::newRow("ended plan") << woman() << onLine(178, 1.0 / 7, 120, 150) << 150 << false << 173.71 << 1.0
                                << Forecast::OnDate << 176 << ReplanKind::EndDateReached << 170.0 << 31
                                << QStringList {"Your plan ended on 4/8/27, 30 days ago, at 170 lb",
                                       "^From today, the shortest time frame", "end date, 4/8/27, has passed"}
                                << QStringList {"eat \\d"};
    QTest::newRow("few weigh-ins")
        << woman() << Series {{0, 200}, {3, 199}, {6, 198.5}} << 6 << false << 198.5 << any << Forecast::NotYet << -1
        << ReplanKind::InTime << any << 3
        << QStringList {"Your last weigh-in, on 12/15/26, is 198.5 lb \\(90.04 kg\\), a single morning",
               "show once you have 5 weigh-ins over at least 14 days within four weeks \\(you have 3 over 6 days\\)",
               "What you have eaten shows once you have 5 weigh-ins"}
        << QStringList {"a week,"};
    // A weigh-in dated after today counts for nothing.
    QTest::newRow("a weigh-in after today")
        << woman() << onLine(200, 0.25, 0, 30, 0) + Series {{33, 150}} << 30 << false << 192.5 << 1.75
        << Forecast::OnDate << 120 << ReplanKind::InTime << 192.5 << 31 << QStringList {"on plan"} << QStringList {};
}

void TestProgress::whereYouStand()
{
    QFETCH(PersonalDetails, in);
    QFETCH(Series, series);
    QFETCH(int, today);
    QFETCH(bool, kilograms);
    QFETCH(double, weight);
    QFETCH(double, perWeek);
    QFETCH(Forecast, forecast);
    QFETCH(int, goalDay);
    QFETCH(ReplanKind, replan);
    QFETCH(double, expectedToday);
    QFETCH(int, weighInCount);
    QFETCH(QStringList, words);
    QFETCH(QStringList, absent);

    const WeightPlan plan = planFor(in);
    const Progress p = makeProgress(plan, weighIns(series), kStart.addDays(today), kUs);
    const QString figures = QStringLiteral("weight %1, %2 a week, goal on %3")
                                .arg(p.weightPounds)
                                .arg(p.poundsPerWeek())
                                .arg(p.goalDate.toString(Qt::ISODate));
    QVERIFY2(!(std::fabs(p.weightPounds - weight) > 1), qPrintable(figures));
    QVERIFY2(!(std::fabs(p.poundsPerWeek() - perWeek) > 0.3), qPrintable(figures));
    QCOMPARE(p.forecast, forecast);
    if (goalDay >= 0)
        QVERIFY2(std::abs(kStart.addDays(goalDay).daysTo(p.goalDate)) <= 10, qPrintable(figures));
    QVERIFY(!p.goalDate.isValid() || p.goalDate >= p.today);
    QCOMPARE(p.replan.kind, replan);
    if (!std::isnan(expectedToday))
        QCOMPARE(p.expectedTodayPounds, expectedToday);
    QCOMPARE(p.weighInCount, weighInCount);

    const ProgressTexts t = progressTexts(p, kUs, kilograms);
    QStringList lines = t.standing + t.replan;
    lines << t.estimate << t.chartDescription;
    const QString all = lines.join(QLatin1Char('\n'));
    for (const QString& pattern : words) {
        const QRegularExpression re(pattern, QRegularExpression::MultilineOption);
        QVERIFY2(re.isValid(), qPrintable(pattern));
        QVERIFY2(all.contains(re), qPrintable(pattern + QStringLiteral(" not in:\n") + all));
    }
    for (const QString& pattern : absent)
        QVERIFY2(!all.contains(QRegularExpression(pattern)), qPrintable(pattern + QStringLiteral(" in:\n") + all));
}

void TestProgress::oneHeavyMorningHardlyMovesTheForecast()
{
    const WeightPlan plan = planFor(woman());
    Series series = onLine(200, 0.25, 0, 70);
    const Progress before = makeProgress(plan, weighIns(series), kStart.addDays(70), kUs);
    series.last().second += 5;
    const Progress after = makeProgress(plan, weighIns(series), kStart.addDays(70), kUs);
    QCOMPARE(before.forecast, Forecast::OnDate);
    QCOMPARE(after.forecast, Forecast::OnDate);
    QVERIFY2(std::abs(before.goalDate.daysTo(after.goalDate)) <= 7,
        qPrintable(before.goalDate.toString() + QStringLiteral(" / ") + after.goalDate.toString()));
    QVERIFY(std::fabs(after.weightPounds - before.weightPounds) < 0.5);
}

void TestProgress::eatenByTheModel_data()
{
    // Weigh-ins made by the body model at known intakes give those intakes back: the last
    // four weeks' within 25 calories, with the range around it.
    QTest::addColumn<QList<QPair<double, int>>>("intakes");
    QTest::addColumn<double>("lastIntake");
    QTest::newRow("1500 for ten weeks") << QList<QPair<double, int>> {{1500, 70}} << 1500.0;
    QTest::newRow("1400, then 1800") << QList<QPair<double, int>> {{1400, 42}, {1800, 28}} << 1800.0;
    QTest::newRow("the plan's 1357 for 100 days") << QList<QPair<double, int>> {{1357, 100}} << 1357.0;
    QTest::newRow("a gain at 2600 after a diet") << QList<QPair<double, int>> {{1300, 56}, {2600, 28}} << 2600.0;
}

void TestProgress::eatenByTheModel()
{
    using Intakes = QList<QPair<double, int>>;
    QFETCH(Intakes, intakes);
    QFETCH(double, lastIntake);
    const WeightPlan plan = planFor(woman());
    const Series series = madeByModel(plan, intakes);
    const int today = series.last().first;
    const Progress p = makeProgress(plan, weighIns(series), kStart.addDays(today), kUs);
    QVERIFY2(p.eaten.known(), qPrintable(p.eaten.refusal));
    QVERIFY2(std::fabs(p.eaten.calories - lastIntake) <= 25, qPrintable(QString::number(p.eaten.calories)));
    QVERIFY(p.eaten.lowCalories <= p.eaten.calories && p.eaten.calories <= p.eaten.highCalories);
    QCOMPARE(p.eaten.to, kStart.addDays(today));
    QCOMPARE(p.eaten.from.daysTo(p.eaten.to), qint64(kIntakeDays));
    QVERIFY(p.eaten.keepCalories);
    const QString text = progressTexts(p, kUs).estimate;
    QVERIFY2(text.contains(QStringLiteral("your plan says 1357 calories")), qPrintable(text));
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
                                  << "own equations give 2846 calories (11908 kJ) a day at the goal weight";
    QTest::newRow("end date passed") << typical << Series {{0, 180}, {10, 178}, {20, 176}, {30, 174}, {35, 173}} << 40
                                     << Forecast::NotYet << ReplanKind::EndDateReached
                                     << "Your plan ended on 1/8/27, 10 days ago";
    QTest::newRow("end date today") << typical << Series {{0, 180}, {10, 178}, {20, 176}, {25, 175}, {30, 174}} << 30
                                    << Forecast::NotYet << ReplanKind::EndDateReached
                                    << "end date, 1/8/27, is today, so there are no days left";
    QTest::newRow("gaining") << typical << Series {{0, 180}, {5, 181}, {10, 182}, {15, 183}, {20, 184}} << 20
                             << Forecast::Never << ReplanKind::InTime << "A weight that gains never reaches your goal";
    QTest::newRow("standing still")
        << typical << Series {{0, 175}, {5, 175}, {10, 175}, {15, 175}, {20, 175}} << 20 << Forecast::Never
        << ReplanKind::InTime << "your weight held steady, by the slope of that line. A weight that stands still never";
    // Most slopes between these weigh-ins are nought: one light morning is no loss.
    QTest::newRow("one light morning") << typical << Series {{0, 180}, {4, 180}, {8, 180}, {12, 180}, {16, 179.9}} << 16
                                       << Forecast::Never << ReplanKind::InTime
                                       << "A weight that stands still never reaches your goal of 170 lb (77.11 kg).";
    QTest::newRow("goal leaves no body weight")
        << details("Male", 30, 5, 10, "180", "200", 30, 2) << Series {{0, 180}} << 3 << Forecast::NotYet
        << ReplanKind::NoBodyWeight << "leaves no body weight, so there is no plan from today";
    QTest::newRow("not started, 1000 days")
        << details("Male", 30, 5, 10, "300", "100", 1000, 2) << Series {{-20, 301}, {-12, 300}} << -10
        << Forecast::NotYet << ReplanKind::TooFarAway << "more than the 1000 days a time frame can take";
    QTest::newRow("absurd weigh-ins") << typical
                                      << Series {{0, huge}, {1, 1e-300}, {2, nan}, {3, inf}, {4, -5}, {5, 0}, {9, huge},
                                             {14, 1e300}, {15, 1e-300}, {60, 170}}
                                      << 15 << Forecast::NotYet << ReplanKind::GoalReached
                                      << "is at or below your goal";
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
    QCOMPARE(t.estimate.isEmpty(), p.trend.isEmpty());
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
