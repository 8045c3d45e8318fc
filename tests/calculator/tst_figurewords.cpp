#include "calculator/figurewords.h"

#include <QTest>

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

} // namespace

class TestFigureWords : public QObject
{
    Q_OBJECT

private slots:
    void weightsInThePersonsUnit_data();
    void weightsInThePersonsUnit();
    void countsAndIntakes();
};

void TestFigureWords::weightsInThePersonsUnit_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("kilograms");
    QTest::addColumn<double>("pounds");
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("planWeight");
    QTest::addColumn<QString>("perWeek");

    QTest::newRow("pounds") << kUs << false << 176.369809 << "176.37 lb (80 kg)"
                            << "176.37 lb"
                            << "176.369809 lb a week";
    QTest::newRow("kilograms") << kUs << true << 176.369809 << "80 kg (176.37 lb)"
                               << "80 kg (176.37 lb)"
                               << "80 kg (176.369809 lb) a week";
    QTest::newRow("German kilograms") << kGerman << true << 1.5 << "0,68 kg (1,5 lb)"
                                      << "0,68 kg (1,5 lb)"
                                      << "0,68 kg (1,5 lb) a week";
    QTest::newRow("half a hundredth rounds to even") << kUs << false << 0.125 << "0.12 lb (0.06 kg)"
                                                     << "0.12 lb"
                                                     << "0.125 lb a week";
}

void TestFigureWords::weightsInThePersonsUnit()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, kilograms);
    QFETCH(double, pounds);
    QFETCH(QString, weight);
    QFETCH(QString, planWeight);
    QFETCH(QString, perWeek);

    const Figures f {locale, kilograms};
    QCOMPARE(f.weight(pounds), weight);
    QCOMPARE(f.planWeight(pounds), planWeight);
    QCOMPARE(f.perWeek(pounds), perWeek);
    QCOMPARE(f.weightAlone(pounds), weight.section(QStringLiteral(" ("), 0, 0));
}

void TestFigureWords::countsAndIntakes()
{
    QCOMPARE(FigureWords::dayCount(1), QStringLiteral("1 day"));
    QCOMPARE(FigureWords::dayCount(0), QStringLiteral("0 days"));
    QCOMPARE(FigureWords::dayCount(30), QStringLiteral("30 days"));
    QCOMPARE(FigureWords::weekCount(1), QStringLiteral("1 week"));
    QCOMPARE(FigureWords::weekCount(12), QStringLiteral("12 weeks"));
    QCOMPARE(intakeText(1788), QStringLiteral("1788 calories (7481 kJ)"));
    QCOMPARE(FigureWords::tableFigure(-0.001, 2, kGerman), QStringLiteral("0,00"));
    QCOMPARE(FigureWords::shortDate(QDate(2026, 12, 9), kUs), QStringLiteral("12/9/26"));
    // A date in Arabic script is set apart from the sentence around it.
    const QString arabic = FigureWords::longDate(QDate(2026, 12, 9), QLocale(QLocale::Arabic, QLocale::Egypt));
    QVERIFY(arabic.startsWith(QChar(0x2068)) && arabic.endsWith(QChar(0x2069)));
}

QTEST_GUILESS_MAIN(TestFigureWords)
#include "tst_figurewords.moc"
