#include "calculator/plan.h"
#include "calculator/plantext.h"
#include "details.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const QDate kToday(2026, 12, 9);
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

WeightPlan planFor(const PersonalDetails& d, const CalorieResult& previous = {})
{
    CalculationSteps steps;
    const CalorieResult result = calculateCalories(d, previous, kUs, &steps);
    return makeWeightPlan(d, result, steps, kToday, kUs);
}

} // namespace

class TestPlan : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void typicalRunInWordsAndFigures();
    void heightInCentimetresInTheExplanation();
    void dailyLossRoundingToNothingKeepsTheWeight();
    void noTimeFrameKeepsTheFloor();
    void stepThatFailedKeepsItsFigureInTheExplanation();
    void adviceHoldsTogether_data();
    void adviceHoldsTogether();
    void fragmentsOfAnotherScriptKeepTheSentenceInOrder();
    void whatTheBodyIsLikelyToDo_data();
    void whatTheBodyIsLikelyToDo();
    void milestonesWeeklyThenMonthly();
    void personsUnitFirst_data();
    void personsUnitFirst();
    void fileNameSafeForAnyFileSystem_data();
    void fileNameSafeForAnyFileSystem();
};

void TestPlan::workedExamples_data()
{
    QTest::addColumn<PersonalDetails>("in");
    QTest::addColumn<int>("safeDays"); // within both limits
    QTest::addColumn<double>("safeCalories");
    QTest::addColumn<double>("safePace");
    QTest::addColumn<int>("oneLbDays"); // 1 lb a week
    QTest::addColumn<double>("oneLbCalories");
    QTest::addColumn<double>("keepGoal");
    QTest::addColumn<int>("cautions");

    QTest::newRow("typical run: 2.31 lb a week")
        << details("Male", 30, 5, 10, "180", "10", 30, 2) << 36 << 1963.0 << 1.96 << 69 << 2453.0 << 2846.0 << 1;
    QTest::newRow("female 40: 540 calories and 2.31 lb a week")
        << details("Female", 40, 5, 4, "150", "20", 60, 0) << 138 << 1205.0 << 0.98 << 138 << 1205.0 << 1592.0 << 2;
    QTest::newRow("female 60: cannot be achieved")
        << details("Female", 60, 5, 0, "120", "30", 30, 0) << 546 << 1230.0 << 0.35 << 207 << 915.0 << 1250.0 << 2;
    QTest::newRow("nothing to lose: no caution")
        << details("Male", 50, 5, 8, "170", "0", 90, 1) << 1 << 2302.0 << 0.0 << 1 << 2302.0 << 2302.0 << 0;
}

void TestPlan::workedExamples()
{
    QFETCH(PersonalDetails, in);
    QFETCH(int, safeDays);
    QFETCH(double, safeCalories);
    QFETCH(double, safePace);
    QFETCH(int, oneLbDays);
    QFETCH(double, oneLbCalories);
    QFETCH(double, keepGoal);
    QFETCH(int, cautions);

    const WeightPlan plan = planFor(in);
    QCOMPARE(plan.withinLimits.days, safeDays);
    QCOMPARE(plan.withinLimits.result.goalCalories, safeCalories);
    QCOMPARE(plan.withinLimits.poundsPerWeek(), safePace);
    QCOMPARE(plan.paces[1].days, oneLbDays);
    QCOMPARE(plan.paces[1].result.goalCalories, oneLbCalories);
    QVERIFY(plan.goalMaintenanceCalories);
    QCOMPARE(*plan.goalMaintenanceCalories, keepGoal);
    // Each found time frame is the shortest: a day less breaks its limit.
    if (safeDays > 1) {
        PersonalDetails shorter = in;
        shorter.timeFrameDays = QString::number(safeDays - 1);
        const CalorieResult r = calculateCalories(shorter, {}, kUs);
        QVERIFY(r.lossPerDayPounds * 7 > 2 || r.goalCalories < plan.floorCalories);
    }

    const PlanTexts texts = planTexts(plan, kUs);
    QCOMPARE(texts.cautions.size(), cautions);
    if (cautions > 0)
        QVERIFY2(
            texts.withinLimits.contains(QStringLiteral("is %1 days").arg(safeDays)), qPrintable(texts.withinLimits));
    QCOMPARE(texts.paceRows.isEmpty(), in.lossPounds == QLatin1String("0"));
}

void TestPlan::typicalRunInWordsAndFigures()
{
    const WeightPlan plan = planFor(details("Male", 30, 5, 10, "180", "10", 30, 2));
    QCOMPARE(qRound(plan.weightOnDay(30) * 100), 17010); // 0.33 lb a day, not a third
    const PlanTexts t = planTexts(plan, kUs);

    QCOMPARE(t.maintenance,
        QStringLiteral("To maintain your current weight your daily intake of calories should be 2943 calories"));
    QCOMPARE(t.goal, QStringLiteral("To reach your goal, your daily intake of calories should be 1788 calories"));
    const QStringList expected {
        "5 ft \u00d7 12 + 10 in = 70 in.",
        "66 + 6.3 \u00d7 180 + 12.9 \u00d7 70 \u2212 6.8 \u00d7 30 = 1899 calories a day.",
        "1899 \u00d7 1.55 (Moderately Active) = 2943.45, rounded to 2943 calories a day (12314 kJ).",
        "10 lb \u00f7 30 days = 0.33 lb a day (0.333333 rounded to two decimals).",
        "0.33 \u00d7 3500 = 1155 calories a day",
        "2943 \u2212 1155 = 1788 calories a day (7481 kJ).",
    };
    QCOMPARE(t.explanation.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(t.explanation.at(i).contains(expected.at(i)), qPrintable(t.explanation.at(i)));
    QVERIFY2(t.outlook.contains(QStringLiteral("170.1 lb on 1/8/27 (day 30), 0.1 lb above your goal of 170 lb")),
        qPrintable(t.outlook));
    QVERIFY2(t.cautions.at(0).contains(QStringLiteral("2.31 lb a week")), qPrintable(t.cautions.at(0)));
    QCOMPARE(t.paceRows.at(1), (QStringList {"1 lb a week", "69 days", "2/16/27", "2453 calories (10263 kJ)"}));
    QVERIFY2(t.afterGoal.contains(QStringLiteral("170 lb once you have reached it: 2846 calories")),
        qPrintable(t.afterGoal));
    QCOMPARE(t.milestoneRows.first(), (QStringList {"12/9/26", "Today", "180.00", "81.5", "0.00"}));
    QCOMPARE(t.milestoneRows.at(1), (QStringList {"12/16/26", "7", "177.69", "80.5", "2.31"}));
    QCOMPARE(t.milestoneRows.last(), (QStringList {"1/8/27", "30", "170.10", "77.1", "9.90"}));

    const QString copied = planPlainText(t, QDateTime(kToday, QTime(9, 30)), kUs);
    for (const char* figure : {"ANNA", "2943", "1788", "1899", "36 days", "2846", "P.S: This software"})
        QVERIFY2(copied.contains(QLatin1String(figure)), figure);
}

void TestPlan::heightInCentimetresInTheExplanation()
{
    const PlanTexts t = planTexts(planFor(detailsInCentimetres("Male", 30, 178, "176", "10", 30, 2)), kUs);
    QVERIFY2(t.explanation.at(0).contains(QStringLiteral("Height: 178 cm \u00f7 2.54 = 70.08 in.")),
        qPrintable(t.explanation.at(0)));
    QVERIFY2(t.explanation.at(1).contains(QStringLiteral("12.9 \u00d7 70.08 \u2212 6.8 \u00d7 30 = 1874.81574803")),
        qPrintable(t.explanation.at(1)));
    QVERIFY2(t.explanation.at(2).contains(QStringLiteral("rounded to 2906 calories a day")),
        qPrintable(t.explanation.at(2)));
}

void TestPlan::dailyLossRoundingToNothingKeepsTheWeight()
{
    const WeightPlan plan = planFor(details("Male", 30, 5, 10, "180", "1", 1000, 2));
    QVERIFY(plan.flat());
    QCOMPARE(plan.weightOnDay(1000), 180.0);
    QVERIFY(!plan.needsCaution());
    const PlanTexts t = planTexts(plan, kUs);
    QVERIFY2(t.outlook.contains(QStringLiteral("rounds to 0.00 lb a day"))
            && t.outlook.contains(QStringLiteral("not reached")),
        qPrintable(t.outlook));
    QCOMPARE(t.milestoneRows.last().at(2), QStringLiteral("180.00"));
}

void TestPlan::noTimeFrameKeepsTheFloor()
{
    // The intake that keeps the weight is already below the floor.
    const WeightPlan plan = planFor(details("Female", 125, 3, 0, "60", "5", 10, 0));
    QVERIFY(plan.result.maintenanceCalories < 1200);
    QCOMPARE(plan.withinLimits.days, 0);
    const PlanTexts t = planTexts(plan, kUs);
    QVERIFY2(t.withinLimits.startsWith(QStringLiteral("Even the intake that keeps your current weight")),
        qPrintable(t.withinLimits));
}

void TestPlan::stepThatFailedKeepsItsFigureInTheExplanation()
{
    // A weight whose product overflows: the basal energy keeps the typical run's 1899,
    // and what follows is computed from it.
    const WeightPlan typical = planFor(details("Male", 30, 5, 10, "180", "10", 30, 2));
    const WeightPlan plan
        = planFor(details("Male", 30, 5, 10, QStringLiteral("1") + QString(308, u'0'), "20", 30, 2), typical.result);
    QVERIFY(!plan.steps.basalCalories);
    QCOMPARE(plan.result.basalCalories, 1899.0);
    const PlanTexts t = planTexts(plan, kUs);
    QVERIFY2(t.explanation.at(1).contains(QStringLiteral("kept the figure it had before, 1899")),
        qPrintable(t.explanation.at(1)));
    QVERIFY2(t.explanation.at(2).contains(QStringLiteral("1899 \u00d7 1.55")), qPrintable(t.explanation.at(2)));
    QCOMPARE(t.milestoneRows.last().at(2), QStringLiteral("1e+308")); // still one short figure
}

// What the plan says agrees with itself and with the body: no loss described or drawn
// that the intake cannot give, no weight below nothing, no intake no one can eat.
void TestPlan::adviceHoldsTogether_data()
{
    QTest::addColumn<PersonalDetails>("in");
    QTest::addColumn<QString>("outlook");
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QString>("afterGoal");
    QTest::addColumn<QString>("limits"); // the time frame within the limits; empty where none is offered
    QTest::addColumn<QString>("follow"); // why the plan cannot be followed; empty where it can
    const QString huge = QStringLiteral("1") + QString(308, u'0');

    QTest::newRow("no intake reaches the goal")
        << details("Female", 60, 5, 0, "120", "30", 30, 0) << "No daily intake reaches your goal of 90 lb in 30 days"
        << "No line is drawn"
        << "To keep 90 lb once you have reached it: 1250 calories"
        << "is 546 days"
        << "No daily intake reaches this plan's goal in its time";
    QTest::newRow("more to lose than the body has, in no time")
        << details("Male", 30, 5, 10, "180", "200", 30, 2)
        << "Losing 200 lb from 180 lb would leave no body weight, and no daily intake gives 6.67 lb a day"
        << "No line is drawn" << QString() << QString() << "leaves no body weight at all";
    QTest::newRow("more to lose than the body has")
        << details("Male", 30, 5, 10, "180", "200", 1000, 2)
        << "At 0.2 lb a day the weight would reach nothing before day 900 of 1000"
        << "down to nothing on day 900, where the line stops" << QString() << QString() << "leaves no body weight";
    QTest::newRow("all the body weight") << details("Male", 30, 5, 10, "180", "180", 1000, 2)
                                         << "you would weigh 0 lb on 9/4/29 (day 1000), and the goal lies below"
                                         << "down to nothing on day 1000" << QString() << QString()
                                         << "leaves no body weight";
    // 50 lb in 365 days is 0.136986 lb a day: 0.14 loses more than asked.
    QTest::newRow("daily loss rounded up")
        << details("Female", 70, 4, 11, "200", "50", 365, 1)
        << "148.9 lb on 12/9/27 (day 365), 1.1 lb below your goal of 150 lb: 51.1 lb are lost, 1.1 lb more than "
           "the 50 lb asked, because 0.14 lb a day is rounded up from 0.137."
        << "to 148.9 lb on 12/9/27"
        << "To keep 150 lb" << QString() << QString();
    QTest::newRow("daily loss rounded down")
        << details("Male", 30, 5, 10, "180", "10", 30, 2)
        << "9.9 lb are lost, 0.1 lb less than the 10 lb asked, because 0.33 lb a day is rounded down from 0.333."
        << "to 170.1 lb on 1/8/27"
        << "2846 calories (11908 kJ)"
        << "is 36 days" << QString();
    QTest::newRow("no intake keeps the goal") << details("Male", 125, 0, 0, "10", "5", 30, 0) << "5 lb"
                                              << "the goal, 5 lb"
                                              << "the same equations give no intake"
                                              << "Even the intake that keeps your current weight"
                                              << "No daily intake reaches";
    QTest::newRow("a goal past the figures") << details("Male", 30, 5, 10, huge, "10", 30, 2) << "1e+308"
                                             << "1e+308"
                                             << "the same equations give no intake"
                                             << "Even the intake that keeps your current weight"
                                             << "too large to compute";
    QTest::newRow("nothing to lose") << details("Male", 30, 5, 10, "180", "0", 30, 2)
                                     << "You chose to lose nothing: the plan keeps your weight at 180 lb."
                                     << "to 180 lb on 1/8/27, 0 lb a day"
                                     << "2943 calories (12314 kJ)" << QString() << "has no weight to lose";
}

void TestPlan::adviceHoldsTogether()
{
    QFETCH(PersonalDetails, in);
    QFETCH(QString, outlook);
    QFETCH(QString, chart);
    QFETCH(QString, afterGoal);
    QFETCH(QString, limits);
    QFETCH(QString, follow);
    const WeightPlan plan = planFor(in);
    QVERIFY2(follow.isEmpty() ? followProblem(plan).isEmpty() : followProblem(plan).contains(follow),
        qPrintable(followProblem(plan)));
    const PlanTexts t = planTexts(plan, kUs);
    QVERIFY2(t.outlook.contains(outlook), qPrintable(t.outlook));
    QVERIFY2(t.chartDescription.contains(chart), qPrintable(t.chartDescription));
    QVERIFY2(afterGoal.isEmpty() ? t.afterGoal.isEmpty() : t.afterGoal.contains(afterGoal), qPrintable(t.afterGoal));

    QVERIFY2(limits.isEmpty() ? t.withinLimits.isEmpty() : t.withinLimits.contains(limits), qPrintable(t.withinLimits));
    if (!plan.showsLoss()) {
        QVERIFY(t.milestoneRows.isEmpty());
        QVERIFY(!t.outlook.contains(QStringLiteral("reach your goal of")));
    }
    for (const PlanMilestone& m : plan.milestones)
        QVERIFY2(m.weightPounds >= 0, qPrintable(QString::number(m.day)));
    if (plan.noBodyWeightLeft()) {
        QVERIFY(t.withinLimits.isEmpty());
        QVERIFY(t.paceRows.isEmpty());
        QVERIFY(plan.lastDay() <= plan.days && plan.weightOnDay(plan.lastDay()) > -1e-9);
    }
    // An intake after the goal is one a person can eat.
    QVERIFY2(!t.afterGoal.contains(QRegularExpression(QStringLiteral(": ((\u2212|-)\\d+|0) calories"))),
        qPrintable(t.afterGoal));
}

// An Arabic date or Arabic-Indic figure sits apart from the English sentence around
// it, which keeps its order: the intake after the date, not before it.
void TestPlan::fragmentsOfAnotherScriptKeepTheSentenceInOrder()
{
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    const WeightPlan plan = planFor(details("Male", 30, 5, 10, "180", "10", 30, 2));
    const QString date = arabic.toString(kToday.addDays(36), QLocale::ShortFormat);
    const PlanTexts t = planTexts(plan, arabic);
    QVERIFY2(t.withinLimits.contains(QStringLiteral("until \u2068%1\u2069: ").arg(date)), qPrintable(t.withinLimits));
    // Left-to-right figures stay as they are.
    QVERIFY(!planTexts(plan, kUs).withinLimits.contains(QChar(0x2068)));
}

// Beside the straight line, the model's: its figures where it holds, and where it does
// not, why, with no line.
void TestPlan::whatTheBodyIsLikelyToDo_data()
{
    QTest::addColumn<PersonalDetails>("in");
    QTest::addColumn<QStringList>("said");
    const QString huge = QStringLiteral("1") + QString(400, u'0');
    // The model's figures for the typical run: 168.10 lb on day 30 at 1788 calories,
    // 1968.9 to reach 170 lb on day 30, 2856.5 to keep it.
    QTest::newRow("typical run") << details("Male", 30, 5, 10, "180", "10", 30, 2)
                                 << QStringList {"At 1788 calories (7481 kJ) a day the model expects about 168.1 lb on "
                                                 "day 30, not the 170.1 lb of the straight line",
                                        "By the model, 1969 calories (8238 kJ) a day reach 170 lb on day 30 (1/8/27).",
                                        "2856 calories (11951 kJ) a day keep 170 lb afterwards", "Hall",
                                        "not a promise"};
    // 220 lb, 40 lb in 300 days: 194.9 lb on day 300 at the program's 2398 calories.
    QTest::newRow("a long time frame")
        << details("Male", 45, 6, 0, "220", "40", 300, 1)
        << QStringList {"At 2398 calories (10033 kJ) a day the model expects about 194.9 lb on day 300",
               "2137 calories (8940 kJ) a day reach 180 lb", "2531 calories (10591 kJ) a day keep 180 lb"};
    QTest::newRow("below the floor by the model too")
        << details("Female", 40, 5, 4, "150", "20", 60, 0) << QStringList {"is below 1200, the least"};
    QTest::newRow("under 18") << details("Male", 17, 5, 10, "180", "10", 30, 2)
                              << QStringList {"does not hold here", "adults"};
    QTest::newRow("body mass index past 60")
        << details("Male", 30, 5, 0, "450", "10", 30, 2) << QStringList {"does not hold here", "body mass index"};
    QTest::newRow("no intake reaches the goal") << details("Female", 60, 5, 0, "120", "30", 30, 0)
                                                << QStringList {"does not hold here", "intake above nothing"};
    QTest::newRow("400-digit weight") << details("Male", 30, 5, 10, huge, "10", 30, 2)
                                      << QStringList {"does not hold here"};
}

void TestPlan::whatTheBodyIsLikelyToDo()
{
    QFETCH(PersonalDetails, in);
    QFETCH(QStringList, said);
    // A calculation that failed keeps the typical run's figures: the model must not
    // take them for this person's.
    const WeightPlan typical = planFor(details("Male", 30, 5, 10, "180", "10", 30, 2));
    const WeightPlan plan = planFor(in, typical.result);
    const PlanTexts t = planTexts(plan, kUs);
    const QString text = t.model.join(QLatin1Char(' '));
    for (const QString& words : said)
        QVERIFY2(text.contains(words), qPrintable(text));
    const bool holds = !text.contains(QStringLiteral("does not hold"));
    QCOMPARE(plan.model.holds(), holds);
    QCOMPARE(t.chartDescription.contains(QStringLiteral("dotted line")), holds);
    QVERIFY(planPlainText(t, QDateTime(kToday, QTime(9, 0)), kUs).contains(t.model.first()));
    for (const double pounds : plan.model.pounds)
        QVERIFY(std::isfinite(pounds) && pounds > 0);
    if (holds)
        QCOMPARE(plan.model.pounds.size(), plan.days + 1);
}

void TestPlan::milestonesWeeklyThenMonthly()
{
    QCOMPARE(milestoneDays(30, kToday), (QList<int> {7, 14, 21, 28, 30}));
    QCOMPARE(milestoneDays(1, kToday), (QList<int> {1}));
    QCOMPARE(milestoneDays(14, kToday), (QList<int> {7, 14}));
    const QList<int> long_ = milestoneDays(1000, kToday);
    QCOMPARE(long_.at(25), 182); // 26 weeks
    QCOMPARE(long_.at(26), int(kToday.daysTo(kToday.addMonths(7))));
    QCOMPARE(long_.last(), 1000);
    QVERIFY(std::is_sorted(long_.cbegin(), long_.cend()));
    QCOMPARE(long_.size(), 26 + 26 + 1); // months 7 to 32 fall before day 1000
}

void TestPlan::personsUnitFirst_data()
{
    QTest::addColumn<bool>("kilograms");
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<QStringList>("today");
    QTest::addColumn<QStringList>("words"); // in the outlook, the chart's words, the cautions and the paces

    // 80 kg typed in the kilogram box reaches the plan as 176.37 lb.
    QTest::newRow("pounds first")
        << false << QStringList {"Date", "Day", "Weight (lb)", "Weight (kg)", "Lost so far (lb)"}
        << QStringList {"12/9/26", "Today", "176.37", "79.9", "0.00"}
        << QStringList {"Chart of your weight day by day, pounds on the left and kilograms on the right: from "
                        "176.37 lb today",
               "0.33 lb a day", "2.31 lb a week", "1 lb a week"};
    QTest::newRow("kilograms first")
        << true << QStringList {"Date", "Day", "Weight (kg)", "Weight (lb)", "Lost so far (kg)"}
        << QStringList {"12/9/26", "Today", "80.0", "176.37", "0.0"}
        << QStringList {"Chart of your weight day by day, kilograms on the left and pounds on the right: from "
                        "80 kg (176.37 lb) today",
               "0.15 kg (0.33 lb) a day", "1.05 kg (2.31 lb) a week", "0.45 kg (1 lb) a week"};
}

void TestPlan::personsUnitFirst()
{
    QFETCH(bool, kilograms);
    QFETCH(QStringList, header);
    QFETCH(QStringList, today);
    QFETCH(QStringList, words);

    const PlanTexts t = planTexts(planFor(details("Male", 30, 5, 10, "176.37", "10", 30, 2)), kUs, kilograms);
    QCOMPARE(t.milestoneHeader, header);
    QCOMPARE(t.milestoneRows.first(), today);
    const QString all = QStringList {t.outlook, t.chartDescription, t.cautions.join(QLatin1Char(' ')),
        t.paceLines.join(QLatin1Char(' '))}
                            .join(QLatin1Char('\n'));
    for (const QString& fragment : words)
        QVERIFY2(all.contains(fragment), qPrintable(fragment + QStringLiteral(" not in:\n") + all));
    // The explanation is the pound calculation whatever the unit.
    QVERIFY(t.explanation.at(3).startsWith(QStringLiteral("Daily loss: 10 lb \u00f7 30 days")));
}

void TestPlan::fileNameSafeForAnyFileSystem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("capitals") << "JOHN"
                              << "JOHN weight loss plan 2026-12-09.pdf";
    QTest::newRow("a path") << "../../etc/passwd"
                            << "etc passwd weight loss plan 2026-12-09.pdf";
    QTest::newRow("signs Windows refuses") << "A<B>:C\"|?*\\"
                                           << "A B C weight loss plan 2026-12-09.pdf";
    QTest::newRow("emoji and control characters only") << "\U0001F600\t\r\n"
                                                       << "Weight loss plan 2026-12-09.pdf";
    QTest::newRow("blanks") << "   "
                            << "Weight loss plan 2026-12-09.pdf";
    QTest::newRow("other scripts") << "J\u00d6RG \u0411\u041e\u0420\u0418\u0421"
                                   << "J\u00d6RG \u0411\u041e\u0420\u0418\u0421 weight loss plan 2026-12-09.pdf";
    QTest::newRow("10000 letters") << QString(10000, u'A') << QString(40, u'A') + " weight loss plan 2026-12-09.pdf";
}

void TestPlan::fileNameSafeForAnyFileSystem()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    const QString made = suggestedPlanFileName(name, kToday);
    QCOMPARE(made, file);
    QVERIFY(made.toUtf8().size() <= 255);
}

QTEST_APPLESS_MAIN(TestPlan)
#include "tst_plan.moc"
