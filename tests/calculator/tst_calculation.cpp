#include "../pseudotranslator.h"
#include "calculator/calculation.h"
#include "calculator/decimalrounding.h"
#include "calculator/resulttexts.h"
#include "details.h"

#include <QTest>
#include <cmath>
#include <limits>

class TestCalculation : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void roundingHalfToEvenInDecimalTerms_data();
    void roundingHalfToEvenInDecimalTerms();
    void goalOfZeroIsAchievableMinusOneIsNot();
    void onlyExactMaleTakesTheMaleEquation();
    void failingStepKeepsThePreviousFigure();
    void overflowAbandonsOnlyItsStep();
    void resultTextsForTheTypicalRun();
    void resultTextsForAnUnreachableGoal();
    void translatedResultTextsKeepTheirFigures();
    void translatedGenderTakesItsEquation();
};

void TestCalculation::workedExamples_data()
{
    QTest::addColumn<PersonalDetails>("in");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("basal");
    QTest::addColumn<double>("activity");
    QTest::addColumn<double>("maintenance");
    QTest::addColumn<double>("lossPerDay");
    QTest::addColumn<double>("deficit");
    QTest::addColumn<double>("goal");
    QTest::addColumn<bool>("achievable");

    QTest::newRow("male 30, 5'10\", 180 lb, 10 lb in 30 days, moderate")
        << details("Male", 30, 5, 10, "180", "10", 30, 2) << 70.0 << 1899.0 << 1044.45 << 2943.0 << 0.33 << 1155.0
        << 1788.0 << true;
    QTest::newRow("female 40, 5'4\", 150 lb, 20 lb in 60 days, sedentary")
        << details("Female", 40, 5, 4, "150", "20", 60, 0) << 64.0 << 1412.8 << 282.56 << 1695.0 << 0.33 << 1155.0
        << 540.0 << true;
    QTest::newRow("female 60, 5'0\", 120 lb, 30 lb in 30 days: not achievable")
        << details("Female", 60, 5, 0, "120", "30", 30, 0) << 60.0 << 1171.0 << 234.2 << 1405.0 << 1.0 << 3500.0
        << -2095.0 << false;
    QTest::newRow("male 25, 6'0\", 200 lb, 1 lb in 8 days: 0.125 goes to 0.12") << details("Male", 25, 6, 0, "200", "1",
        8, 4) << 72.0 << 2084.8 << 1876.32 << 3961.0 << 0.12 << 420.0 << 3541.0 << true;
    // 80 kg is 176 lb in the pound box; 178 cm is 70.0787... in, not rounded to 70.
    QTest::newRow("male 30, 178 cm, 80 kg, 10 lb in 30 days, moderate")
        << detailsInCentimetres("Male", 30, 178, "176", "10", 30, 2) << 178 / 2.54 << 1874.815748031496
        << 1031.148661417323 << 2906.0 << 0.33 << 1155.0 << 1751.0 << true;
    QTest::newRow("male 50, 5'8\", 170 lb, nothing to lose")
        << details("Male", 50, 5, 8, "170", "0", 90, 1) << 68.0 << 1674.2 << 627.825 << 2302.0 << 0.0 << 0.0 << 2302.0
        << true;
}

void TestCalculation::workedExamples()
{
    QFETCH(PersonalDetails, in);
    QFETCH(double, height);
    QFETCH(double, basal);
    QFETCH(double, activity);
    QFETCH(double, maintenance);
    QFETCH(double, lossPerDay);
    QFETCH(double, deficit);
    QFETCH(double, goal);
    QFETCH(bool, achievable);

    const CalorieResult r = calculateCalories(in, CalorieResult(), QLocale::c());
    QCOMPARE(r.totalHeightInches, height);
    QVERIFY(qFuzzyCompare(r.basalCalories, basal));
    QVERIFY(qFuzzyCompare(r.activityCalories, activity));
    QCOMPARE(r.maintenanceCalories, maintenance);
    QCOMPARE(r.lossPerDayPounds, lossPerDay);
    QCOMPARE(r.dailyDeficit, deficit);
    QCOMPARE(r.goalCalories, goal);
    QCOMPARE(r.goalAchievable, achievable);
}

void TestCalculation::roundingHalfToEvenInDecimalTerms_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("expected");

    QTest::newRow("2943.45 to whole") << 2943.45 << 0 << 2943.0;
    QTest::newRow("1600.5 to even below") << 1600.5 << 0 << 1600.0;
    QTest::newRow("1601.5 to even above") << 1601.5 << 0 << 1602.0;
    QTest::newRow("-2.5 to even") << -2.5 << 0 << -2.0;
    QTest::newRow("0.5 to zero") << 0.5 << 0 << 0.0;
    QTest::newRow("1/8 to two places") << 1.0 / 8 << 2 << 0.12;
    QTest::newRow("3/8 to two places") << 3.0 / 8 << 2 << 0.38;
    // Stored a hair below the half: 0.14499999999999999.
    QTest::newRow("29/200 is halfway in decimals") << 29.0 / 200 << 2 << 0.14;
    // Stored a hair above the half: 0.0050000000000000001.
    QTest::newRow("1/200 is halfway in decimals") << 1.0 / 200 << 2 << 0.0;
    QTest::newRow("57/200") << 57.0 / 200 << 2 << 0.28;
    QTest::newRow("a sum one unit off the half") << 1044.45 + 1.05 << 0 << 1046.0;
    QTest::newRow("not halfway, just above") << 0.12500001 << 2 << 0.13;
    QTest::newRow("carry through nines") << 9.995 << 2 << 10.0;
    QTest::newRow("679.5 from 150 pounds") << 150 * 0.453 * 10 << 0 << 680.0;
    QTest::newRow("1132.5 from 250 pounds") << 250 * 0.453 * 10 << 0 << 1132.0;
    QTest::newRow("huge figure stays") << 1e300 << 0 << 1e300;
    QTest::newRow("fifteen whole digits and a fraction") << 121078279335334.98 << 0 << 121078279335335.0;
    QTest::newRow("sixteen digits to two places") << 1234567890123.4567 << 2 << 1234567890123.46;
    QTest::newRow("largest double stays")
        << std::numeric_limits<double>::max() << 0 << std::numeric_limits<double>::max();
}

void TestCalculation::roundingHalfToEvenInDecimalTerms()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(double, expected);
    const auto rounded = roundHalfEven(value, decimals);
    QVERIFY(rounded.has_value());
    QCOMPARE(*rounded, expected);
    QVERIFY(!roundHalfEven(std::numeric_limits<double>::infinity(), 0));
    QVERIFY(!roundHalfEven(std::numeric_limits<double>::quiet_NaN(), 2));
}

void TestCalculation::goalOfZeroIsAchievableMinusOneIsNot()
{
    // Maintenance 2450 less 7 lb over 10 days (0.70 lb a day, 2450 kcal).
    CalorieResult r = calculateCalories(details("Male", 30, 5, 10, "104", "7", 10, 3), {}, QLocale::c());
    QCOMPARE(r.maintenanceCalories, 2450.0);
    QCOMPARE(r.goalCalories, 0.0);
    QVERIFY(r.goalAchievable);

    // Maintenance 2309 less 66 lb over 100 days (0.66 lb a day, 2310 kcal).
    r = calculateCalories(details("Male", 30, 5, 10, "115", "66", 100, 2), {}, QLocale::c());
    QCOMPARE(r.maintenanceCalories, 2309.0);
    QCOMPARE(r.goalCalories, -1.0);
    QVERIFY(!r.goalAchievable);
}

void TestCalculation::onlyExactMaleTakesTheMaleEquation()
{
    const CalorieResult male = calculateCalories(details("Male", 30, 5, 10, "180", "10", 30, 2), {}, QLocale::c());
    for (const char* other : {"Female", "male", "MALE", " Male", ""}) {
        const CalorieResult r = calculateCalories(details(other, 30, 5, 10, "180", "10", 30, 2), {}, QLocale::c());
        QVERIFY2(r.basalCalories != male.basalCalories, other);
        QVERIFY(qFuzzyCompare(r.basalCalories, 180 * 4.3 + 655 + 70 * 4.7 - 30 * 4.7));
    }
}

void TestCalculation::failingStepKeepsThePreviousFigure()
{
    const CalorieResult first = calculateCalories(details("Male", 30, 5, 10, "180", "10", 30, 2), {}, QLocale::c());

    // A pound text that is no number abandons the basal step only; the later steps
    // compute with the previous basal energy and a fresh activity factor.
    PersonalDetails d = details("Male", 30, 5, 10, "   ", "20", 30, 0);
    const CalorieResult r = calculateCalories(d, first, QLocale::c());
    QCOMPARE(r.basalCalories, first.basalCalories);
    QCOMPARE(r.activityFactor, 0.2);
    QVERIFY(qFuzzyCompare(r.activityCalories, 1899 * 0.2));
    QCOMPARE(r.maintenanceCalories, 2279.0);
    QCOMPARE(r.lossPerDayPounds, 0.67);

    // An activity index outside the list leaves the factor as it was.
    d = details("Male", 30, 5, 10, "180", "10", 30, 2);
    d.activityIndex = 7;
    QCOMPARE(calculateCalories(d, r, QLocale::c()).activityFactor, 0.2);

    // Before any calculation everything counts as 0.
    d.weightPounds = QStringLiteral("x");
    d.activityIndex = -1;
    const CalorieResult fresh = calculateCalories(d, {}, QLocale::c());
    QCOMPARE(fresh.basalCalories, 0.0);
    QCOMPARE(fresh.maintenanceCalories, 0.0);
}

void TestCalculation::overflowAbandonsOnlyItsStep()
{
    const CalorieResult first = calculateCalories(details("Male", 30, 5, 10, "180", "10", 30, 2), {}, QLocale::c());
    // 1e305 pounds to lose: the daily loss is finite, but 3500 times it overflows.
    PersonalDetails d = details("Male", 30, 5, 10, "180", "", 1, 2);
    d.lossPounds = QStringLiteral("1") + QString(305, QLatin1Char('0'));
    const CalorieResult r = calculateCalories(d, first, QLocale::c());
    QVERIFY(std::isfinite(r.lossPerDayPounds));
    QCOMPARE(r.dailyDeficit, first.dailyDeficit);
    QCOMPARE(r.goalCalories, r.maintenanceCalories - first.dailyDeficit);
    for (double v : {r.activityFactor, r.totalHeightInches, r.basalCalories, r.activityCalories, r.maintenanceCalories,
             r.lossPerDayPounds, r.dailyDeficit, r.goalCalories})
        QVERIFY(std::isfinite(v));
}

void TestCalculation::resultTextsForTheTypicalRun()
{
    const PersonalDetails d = details("Male", 30, 5, 10, "180", "10", 30, 2);
    const ResultTexts t = resultTexts(d, calculateCalories(d, {}, QLocale::c()));
    QCOMPARE(t.name, QStringLiteral("ANNA"));
    QCOMPARE(t.age, QStringLiteral("30 years"));
    QCOMPARE(t.height, QStringLiteral("5 Feet 10 Inch"));
    QCOMPARE(t.weight, QStringLiteral("180 Pounds"));
    QCOMPARE(
        t.activityLevel, QStringLiteral("Moderately Active (Some walking, garage work, house cleaning, child care)"));
    QCOMPARE(t.lossWeight, QStringLiteral("10 Pounds"));
    QCOMPARE(t.timeFrame, QStringLiteral("30 day/days"));
    QCOMPARE(t.result1,
        QStringLiteral("To maintain your current weight your daily intake of calories should be 2943 calories"));
    QCOMPARE(t.result2, QStringLiteral("To reach your goal, your daily intake of calories should be 1788 calories"));
}

void TestCalculation::resultTextsForAnUnreachableGoal()
{
    CalorieResult r;
    r.maintenanceCalories = -12345;
    r.goalCalories = 0;
    r.goalAchievable = true;
    PersonalDetails d = details("Male", 6, 6, 0, "1", "1", 1, 0);
    ResultTexts t = resultTexts(d, r);
    QCOMPARE(t.height, QStringLiteral("6 Feet 0 Inch"));
    QCOMPARE(t.timeFrame, QStringLiteral("1 day/days"));
    QCOMPARE(t.result1,
        QStringLiteral("To maintain your current weight your daily intake of calories should be -12345 calories"));
    QCOMPARE(t.result2, QStringLiteral("To reach your goal, your daily intake of calories should be 0 calories"));

    r.goalCalories = -1;
    r.goalAchievable = false;
    t = resultTexts(d, r);
    QCOMPARE(t.result2, QStringLiteral("This daily intake of calories cannot be achieved."));

    // A figure of 16 digits or more is still written out in plain digits.
    r.maintenanceCalories = 1e20;
    QVERIFY(resultTexts(d, r).result1.contains(QStringLiteral(" 100000000000000000000 calories")));
}

QTEST_GUILESS_MAIN(TestCalculation)
// Each line of the results window is one text for the translator, its figures inside.
void TestCalculation::translatedResultTextsKeepTheirFigures()
{
    const PseudoTranslation translation;
    PersonalDetails d = details("Male", 30, 5, 10, "180", "10", 30, 2);
    ResultTexts t = resultTexts(d, calculateCalories(d, {}, QLocale::c()));
    QCOMPARE(t.age, QStringLiteral("<30 years>"));
    QCOMPARE(t.height, QStringLiteral("<5 Feet 10 Inch>"));
    QCOMPARE(t.weight, QStringLiteral("<180 Pounds>"));
    QCOMPARE(
        t.activityLevel, QStringLiteral("<Moderately Active (Some walking, garage work, house cleaning, child care)>"));
    QCOMPARE(t.timeFrame, QStringLiteral("<30 day/days>"));
    QCOMPARE(t.result1,
        QStringLiteral("<To maintain your current weight your daily intake of calories should be 2943 calories>"));
    QCOMPARE(t.result2, QStringLiteral("<To reach your goal, your daily intake of calories should be 1788 calories>"));
    d = detailsInCentimetres("Male", 30, 178, "180", "10", 30, 2);
    d.heightCentimetres = QStringLiteral(" 178 ");
    QCOMPARE(resultTexts(d, {}).height, QStringLiteral("<178 Centimetres>"));
    t = resultTexts(d, calculateCalories(details("Male", 30, 5, 10, "180", "200", 1, 0), {}, QLocale::c()));
    QCOMPARE(t.result2, QStringLiteral("<This daily intake of calories cannot be achieved.>"));
}

// The gender list in another language still tells the equations apart, and so does
// the English word of a plan kept from before.
void TestCalculation::translatedGenderTakesItsEquation()
{
    const auto basal = [](const QString& gender) {
        PersonalDetails d = details("", 30, 5, 10, "180", "10", 30, 2);
        d.gender = gender;
        return calculateCalories(d, {}, QLocale::c()).basalCalories;
    };
    const double male = basal(QStringLiteral("Male"));
    const double female = basal(QStringLiteral("Female"));
    const PseudoTranslation translation;
    QCOMPARE(genderTexts(), (QStringList {QStringLiteral("<Male>"), QStringLiteral("<Female>")}));
    QCOMPARE(basal(genderTexts().at(0)), male);
    QCOMPARE(basal(QStringLiteral("Male")), male);
    QCOMPARE(basal(genderTexts().at(1)), female);
    QCOMPARE(basal(QStringLiteral("Female")), female);
}

#include "tst_calculation.moc"
