// Which weigh-ins the program asks about before it stores them: one that reads as the
// other unit, and one far from the line through the week before it.

#include "app/weighindoubt.h"

#include <QTest>

Q_DECLARE_METATYPE(WeighIn)

class TestWeighInDoubt : public QObject
{
    Q_OBJECT

private slots:
    void doubtfulWeighIns_data();
    void doubtfulWeighIns();
};

namespace {

const QDate kDay(2026, 6, 15);

// Daily weigh-ins for the days before kDay, from `from` losing `perDay` a day.
QList<WeighIn> week(double from, double perDay, WeightUnit unit, int days = 7)
{
    QList<WeighIn> list;
    for (int i = days; i >= 1; --i)
        list.append({kDay.addDays(-i), from - perDay * (days - i), unit});
    return list;
}

} // namespace

void TestWeighInDoubt::doubtfulWeighIns_data()
{
    QTest::addColumn<QList<WeighIn>>("earlier");
    QTest::addColumn<double>("weight");
    QTest::addColumn<bool>("kilograms");
    QTest::addColumn<QString>("question"); // empty: stored without a question

    const QList<WeighIn> steady = week(183, 0, WeightUnit::Pounds);
    QTest::newRow("on the line") << steady << 182.6 << false << "";
    QTest::newRow("pounds typed as kilograms' figure")
        << steady << 83.0 << false
        << "83 lb is 100 lb under your last weigh-in: did you mean 83 kg? Keep 83 lb as typed?";
    QTest::newRow("kilograms typed by a person in pounds")
        << steady << 183.0 << true
        << "183 kg is 100 kg over your last weigh-in: did you mean 183 lb? Keep 183 kg as typed?";
    QTest::newRow("3 % above the line")
        << steady << 189.0 << false
        << "189 lb is 6 lb over the line through your last week's weigh-ins (183 lb). Keep 189 lb as typed?";
    QTest::newRow("just within 3 %") << steady << 188.4 << false << "";
    // The line falls a pound a day: 176 is where it stands, 183 is far above it.
    const QList<WeighIn> falling = week(183, 1, WeightUnit::Pounds);
    QTest::newRow("on a falling line") << falling << 176.0 << false << "";
    QTest::newRow("at last week's weight, above a falling line")
        << falling << 183.0 << false
        << "183 lb is 7 lb over the line through your last week's weigh-ins (176 lb). Keep 183 lb as typed?";
    QTest::newRow("a kilogram journal, on the line") << week(83, 0, WeightUnit::Kilograms) << 82.8 << true << "";
    QTest::newRow("a kilogram journal, one in pounds") << week(83, 0, WeightUnit::Kilograms) << 183.0 << false << "";
    QTest::newRow("no weigh-in before") << QList<WeighIn>() << 83.0 << false << "";
    // A month without weigh-ins: the weight may have moved, but not into the other unit.
    const QList<WeighIn> monthAgo {{kDay.addDays(-30), 183, WeightUnit::Pounds}};
    QTest::newRow("a month later, lighter") << monthAgo << 175.0 << false << "";
    QTest::newRow("a month later, the other unit")
        << monthAgo << 83.0 << false
        << "83 lb is 100 lb under your last weigh-in: did you mean 83 kg? Keep 83 lb as typed?";
    // The weigh-in of the same day is the one replaced, not one to compare with.
    QList<WeighIn> sameDay = steady;
    sameDay.append({kDay, 150, WeightUnit::Pounds});
    QTest::newRow("replacing one of the same day") << sameDay << 183.0 << false << "";
}

void TestWeighInDoubt::doubtfulWeighIns()
{
    QFETCH(QList<WeighIn>, earlier);
    QFETCH(double, weight);
    QFETCH(bool, kilograms);
    QFETCH(QString, question);
    const WeighIn w {kDay, weight, kilograms ? WeightUnit::Kilograms : WeightUnit::Pounds};
    QCOMPARE(weighInDoubt(w, earlier, QLocale::c()), question);
}

QTEST_GUILESS_MAIN(TestWeighInDoubt)
#include "tst_weighindoubt.moc"
