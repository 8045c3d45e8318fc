#include "../calculator/details.h"
#include "app/followedplan.h"

#include <QtTest>

// A followed plan kept in the journal and read back is the same plan, whichever unit
// its height was given in, and a plan in feet and inches is kept as before heights
// could be given in centimetres.
class TestFollowedPlan : public QObject
{
    Q_OBJECT

private slots:
    void keptAndReadBack_data()
    {
        QTest::addColumn<PersonalDetails>("in");
        QTest::addColumn<bool>("centimetresKept");
        QTest::newRow("5 ft 10 in") << details("Male", 30, 5, 10, "180", "10", 30, 2) << false;
        QTest::newRow("178 cm") << detailsInCentimetres("Male", 30, 178, "176", "10", 30, 2) << true;
    }

    void keptAndReadBack()
    {
        QFETCH(PersonalDetails, in);
        QFETCH(bool, centimetresKept);
        const QLocale c = QLocale::c();
        CalculationSteps steps;
        const CalorieResult result = calculateCalories(in, {}, c, &steps);
        const WeightPlan plan = makeWeightPlan(in, result, steps, QDate(2026, 12, 1), c);
        const StoredPlan stored = storedPlanOf(plan, c);
        QCOMPARE(stored.details.contains(QStringLiteral("heightCentimetres")), centimetresKept);

        const auto back = weightPlanOf(stored);
        QVERIFY(back);
        QCOMPARE(back->details.heightInCentimetres, in.heightInCentimetres);
        QCOMPARE(back->result.totalHeightInches, result.totalHeightInches);
        QCOMPARE(back->result.maintenanceCalories, result.maintenanceCalories);
        QVERIFY(samePlan(storedPlanOf(*back, c), stored));
    }
};

QTEST_GUILESS_MAIN(TestFollowedPlan)
#include "tst_followedplan.moc"
