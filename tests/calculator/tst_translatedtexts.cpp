#include "calculator/plantext.h"
#include "calculator/progress.h"
#include "calculator/progresstext.h"
#include "calculator/resulttexts.h"
#include "details.h"

#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

// The plan and the progress report in German, French and Spanish: the figures of the
// English ones, in the language's number forms, with no English sentence left over.
class TestTranslatedTexts : public QObject
{
    Q_OBJECT

    // Every line the person reads, in the order the report shows them.
    static QStringList linesOf(const PlanTexts& t)
    {
        QStringList lines {t.title, t.maintenance, t.goal, t.outlook, t.chartDescription, t.withinLimits,
            t.milestoneTitle, t.afterGoal, t.modelTitle, t.note};
        for (const auto& [caption, value] : t.inputs)
            lines << caption << value;
        lines << t.cautions << t.milestoneHeader << t.explanation << t.paceHeader << t.paceLines << t.model;
        return lines;
    }
    static QStringList linesOf(const ProgressTexts& t)
    {
        QStringList lines {t.title, t.estimate, t.chartDescription, t.note};
        lines << t.standing << t.replan << t.weighInHeader;
        return lines;
    }

    // The lines that read the same as in English although they hold words (four
    // letters or more in a row; names and units are shorter or capitals), but for the
    // words the languages share with English.
    static QStringList leftInEnglish(const QStringList& english, const QStringList& translated)
    {
        static const QRegularExpression word(QStringLiteral("[a-z]{4,}"));
        static const QRegularExpression sharedWord(QStringLiteral("\\bTrend\\b"));
        QStringList same;
        for (int i = 0; i < english.size() && i < translated.size(); ++i)
            if (english.at(i) == translated.at(i) && QString(english.at(i)).remove(sharedWord).contains(word))
                same << english.at(i);
        return same;
    }

private slots:
    void sameFiguresInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("heightStep");
        QTest::newRow("German") << QStringLiteral("de_DE") << QStringLiteral("178 cm \u00f7 2,54 = 70,08");
        QTest::newRow("French") << QStringLiteral("fr_FR") << QStringLiteral("178 cm \u00f7 2,54 = 70,08");
        QTest::newRow("Spanish") << QStringLiteral("es_ES") << QStringLiteral("178 cm \u00f7 2,54 = 70,08");
    }

    // A man of 30, 178 cm, 80 kg (176 lb in the pound box), moderately active.
    void sameFiguresInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, heightStep);
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale locale(language);
        PersonalDetails details = detailsInCentimetres("Male", 30, 178, QStringLiteral("176"), "10", 60, 2);
        details.weightKg = QStringLiteral("80");
        const QDate start(2026, 12, 10);
        const auto texts = [&](const QLocale& l) {
            details.activityText = activityLevelTexts().at(2); // as the list shows it
            CalculationSteps steps;
            const CalorieResult result = calculateCalories(details, {}, l, &steps);
            const WeightPlan plan = makeWeightPlan(details, result, steps, start, l);
            QList<DatedWeight> weighIns;
            for (int day = 0; day <= 35; day += 2)
                weighIns.append({start.addDays(day), 176.0 - 0.16 * day + 0.4 * ((day / 2) % 3 - 1)});
            const Progress progress = makeProgress(plan, weighIns, start.addDays(35), l);
            return std::make_tuple(result, linesOf(planTexts(plan, l, true)), linesOf(progressTexts(progress, l, true)),
                resultTexts(details, result).result1);
        };
        const auto [englishResult, englishPlan, englishProgress, englishLine] = texts(us);
        QCOMPARE(qRound(englishResult.maintenanceCalories), 2906);

        QTranslator translation;
        QVERIFY(translation.load(QStringLiteral(":/i18n/veltro_") + language.left(2)));
        QCoreApplication::installTranslator(&translation);
        const auto [result, plan, progress, line] = texts(locale);
        QCoreApplication::removeTranslator(&translation);

        QCOMPARE(result.maintenanceCalories, englishResult.maintenanceCalories);
        QCOMPARE(result.totalHeightInches, englishResult.totalHeightInches);
        QVERIFY2(line.contains(QStringLiteral("2906")) && line != englishLine, qPrintable(line));
        QVERIFY2(plan.join(QLatin1Char('\n')).contains(heightStep), qPrintable(plan.join(QLatin1Char('\n'))));
        QVERIFY2(!plan.contains(QStringLiteral("Male")), "the gender is shown in English");
        QCOMPARE(plan.size(), englishPlan.size());
        QCOMPARE(progress.size(), englishProgress.size());
        const QStringList english = leftInEnglish(englishPlan + englishProgress, plan + progress);
        QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestTranslatedTexts)
#include "tst_translatedtexts.moc"
