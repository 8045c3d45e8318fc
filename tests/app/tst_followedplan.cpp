#include "../calculator/details.h"
#include "../pseudotranslator.h"
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

    // A plan followed while the program spoke another language is the same plan when it
    // speaks English again, and the other way round: the journal keeps no shown word.
    void keptAcrossLanguages_data()
    {
        QTest::addColumn<int>("gender");
        QTest::addColumn<bool>("translatedWhenKept");
        QTest::newRow("man, kept translated") << 0 << true;
        QTest::newRow("woman, kept translated") << 1 << true;
        QTest::newRow("man, read translated") << 0 << false;
        QTest::newRow("woman, read translated") << 1 << false;
    }

    void keptAcrossLanguages()
    {
        QFETCH(int, gender);
        QFETCH(bool, translatedWhenKept);
        const QLocale c = QLocale::c();
        const auto keep = [&] {
            PersonalDetails in = details("", 30, 5, 10, "180", "10", 30, 2);
            in.gender = genderTexts().at(gender);
            CalculationSteps steps;
            const CalorieResult result = calculateCalories(in, {}, c, &steps);
            return std::make_pair(storedPlanOf(makeWeightPlan(in, result, steps, QDate(2026, 12, 1), c), c), result);
        };
        std::optional<std::pair<StoredPlan, CalorieResult>> kept;
        std::optional<WeightPlan> back;
        if (translatedWhenKept) {
            {
                PseudoTranslation language;
                kept = keep();
            }
            back = weightPlanOf(kept->first);
        } else {
            kept = keep();
            PseudoTranslation language;
            back = weightPlanOf(kept->first);
            QCOMPARE(back->details.gender, genderTexts().at(gender));
            QCOMPARE(back->details.activityText, activityLevelTexts().at(2));
        }
        QVERIFY(back);
        QCOMPARE(kept->first.details.value(QStringLiteral("gender")).toString(),
            QString::fromLatin1(gender == 0 ? "Male" : "Female"));
        QCOMPARE(back->result.maintenanceCalories, kept->second.maintenanceCalories);
        // The same plan kept in the other language is the same plan.
        std::optional<std::pair<StoredPlan, CalorieResult>> again;
        if (translatedWhenKept) {
            again = keep();
        } else {
            PseudoTranslation language;
            again = keep();
        }
        QVERIFY(samePlan(again->first, kept->first));
    }
};

QTEST_GUILESS_MAIN(TestFollowedPlan)
#include "tst_followedplan.moc"
