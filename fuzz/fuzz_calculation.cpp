// The calculation reads its inputs from the boxes' texts. Whatever those texts and
// whatever (finite) figures the previous calculation left, it must produce finite
// figures, a verdict that agrees with the goal, and result lines without a
// non-finite figure; on inputs the lists can offer every step must succeed.

#include "calculator/calculation.h"
#include "calculator/decimalrounding.h"
#include "calculator/numbertext.h"
#include "calculator/resulttexts.h"
#include "calculator/validation.h"
#include "fuzzcheck.h"

#include <cmath>

namespace {

// A numeric box or list text: a list entry, a run of digits, or any text.
QString consumeFigureText(FuzzedDataProvider& data, int first, int last)
{
    switch (data.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
        return QString::number(data.ConsumeIntegralInRange<int>(first, last));
    case 1: {
        QString digits;
        const int count = data.ConsumeIntegralInRange<int>(0, 420);
        for (int i = 0; i < count && data.remaining_bytes() > 0; ++i)
            digits.append(QChar(u'0' + data.ConsumeIntegralInRange<int>(0, 9)));
        return digits;
    }
    default:
        return consumeText(data, 64);
    }
}

double consumeFinite(FuzzedDataProvider& data)
{
    // Mostly calorie-sized figures, sometimes anything finite.
    return data.ConsumeBool() ? data.ConsumeFloatingPointInRange<double>(-1e5, 1e5)
                              : data.ConsumeFloatingPoint<double>();
}

bool isWhole(double value)
{
    return value == std::trunc(value);
}

QString describe(const PersonalDetails& d, const CalorieResult& r)
{
    return QStringLiteral("gender %1 age %2 feet %3 inches %4 pounds %5 loss %6 days %7 index %8 -> "
                          "factor %9 height %10 basal %11 activity %12 maintenance %13 loss/day %14 "
                          "deficit %15 goal %16")
        .arg(quoted(d.Gender), quoted(d.Age), quoted(d.HeightFeet), quoted(d.HeightInches),
            quoted(d.WeightPounds.left(40)), quoted(d.LossPounds.left(40)), quoted(d.TimeFrameDays))
        .arg(d.ActivityIndex)
        .arg(r.ActivityFactor, 0, 'g', 17)
        .arg(r.TotalHeightInches, 0, 'g', 17)
        .arg(r.BasalCalories, 0, 'g', 17)
        .arg(r.ActivityCalories, 0, 'g', 17)
        .arg(r.MaintenanceCalories, 0, 'g', 17)
        .arg(r.LossPerDayPounds, 0, 'g', 17)
        .arg(r.DailyDeficit, 0, 'g', 17)
        .arg(r.GoalCalories, 0, 'g', 17);
}

// A result line: the figure in it is plain digits, perhaps with a minus sign.
void checkResultLine(const QString& line, const QString& ctx)
{
    const QString lower = line.toLower();
    FUZZ_REQUIRE(!lower.contains(QLatin1String("inf")) && !lower.contains(QLatin1String("nan")), ctx + line);
    if (!line.endsWith(QLatin1String(" calories")))
        return;
    const QString figure = line.section(QLatin1Char(' '), -2, -2);
    FUZZ_REQUIRE(!figure.isEmpty(), ctx + line);
    for (qsizetype i = 0; i < figure.size(); ++i)
        FUZZ_REQUIRE(figure.at(i).isDigit() || (i == 0 && figure.at(i) == u'-'), ctx + line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QLocale locale = consumeLocale(data);

    PersonalDetails d;
    switch (data.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        d.Gender = QStringLiteral("Male");
        break;
    case 1:
        d.Gender = QStringLiteral("Female");
        break;
    default:
        d.Gender = consumeText(data, 16);
    }
    d.Age = consumeFigureText(data, 6, 125);
    d.HeightFeet = consumeFigureText(data, 0, 12);
    d.HeightInches = consumeFigureText(data, 0, 11);
    d.TimeFrameDays = consumeFigureText(data, 1, 1000);
    d.ActivityIndex = data.ConsumeBool() ? data.ConsumeIntegralInRange<int>(0, 4) : data.ConsumeIntegral<int>();
    d.Name = consumeText(data, 32);
    d.WeightKg = consumeText(data, 16);
    d.LossKg = consumeText(data, 16);
    d.WeightPounds = consumeFigureText(data, 0, 1000);
    d.LossPounds = consumeFigureText(data, 0, 1000);

    CalorieResult previous;
    previous.ActivityFactor = consumeFinite(data);
    previous.TotalHeightInches = consumeFinite(data);
    previous.BasalCalories = consumeFinite(data);
    previous.ActivityCalories = consumeFinite(data);
    previous.MaintenanceCalories = consumeFinite(data);
    previous.LossPerDayPounds = consumeFinite(data);
    previous.DailyDeficit = consumeFinite(data);
    previous.GoalCalories = consumeFinite(data);
    previous.GoalAchievable = data.ConsumeBool();

    const CalorieResult r = CalculateCalories(d, previous, locale);
    const QString ctx = describe(d, r) + QStringLiteral(" locale ") + locale.name() + QLatin1Char(' ');

    for (const double field : {r.ActivityFactor, r.TotalHeightInches, r.BasalCalories, r.ActivityCalories,
             r.MaintenanceCalories, r.LossPerDayPounds, r.DailyDeficit, r.GoalCalories})
        FUZZ_REQUIRE(std::isfinite(field), ctx);
    FUZZ_REQUIRE(r.GoalAchievable == !(r.GoalCalories < 0), ctx);
    if (d.ActivityIndex < 0 || d.ActivityIndex > 4)
        FUZZ_REQUIRE(r.ActivityFactor == previous.ActivityFactor, ctx);
    else
        FUZZ_REQUIRE(r.ActivityFactor == *activityFactor(d.ActivityIndex), ctx);

    // Details the lists can hold and weights the boxes can hold: every step succeeds.
    const auto age = readNumber(d.Age, locale);
    const auto feet = readNumber(d.HeightFeet, locale);
    const auto inches = readNumber(d.HeightInches, locale);
    const auto days = readNumber(d.TimeFrameDays, locale);
    const auto pounds = readNumber(d.WeightPounds, locale);
    const auto loss = readNumber(d.LossPounds, locale);
    const bool listed = age && feet && inches && days && *age >= 6 && *age <= 125 && *feet >= 0 && *feet <= 12
        && *inches >= 0 && *inches <= 11 && *days >= 1 && *days <= 1000 && d.ActivityIndex >= 0 && d.ActivityIndex <= 4;
    if (listed && pounds && loss && std::fabs(*pounds) < 1e12 && std::fabs(*loss) < 1e12) {
        FUZZ_REQUIRE(r.TotalHeightInches == *feet * 12 + *inches, ctx);
        FUZZ_REQUIRE(isWhole(r.MaintenanceCalories), ctx);
        FUZZ_REQUIRE(isWhole(r.DailyDeficit), ctx);
        FUZZ_REQUIRE(roundHalfEven(r.LossPerDayPounds, 2) == r.LossPerDayPounds, ctx);
        FUZZ_REQUIRE(std::fabs(r.LossPerDayPounds - *loss / *days) <= 0.005 + 1e-9 * std::fabs(*loss), ctx);
        FUZZ_REQUIRE(r.DailyDeficit == roundHalfEven(3500 * r.LossPerDayPounds, 0), ctx);
        FUZZ_REQUIRE(r.GoalCalories == r.MaintenanceCalories - r.DailyDeficit, ctx);
        // A deficit is a whole multiple of 35 kcal while the daily loss is exact to the cent.
        if (std::fabs(r.LossPerDayPounds) < 1e9)
            FUZZ_REQUIRE(std::fmod(r.DailyDeficit, 35) == 0, ctx);
    }

    const ResultTexts texts = resultTexts(d, r);
    checkResultLine(texts.result1, ctx);
    checkResultLine(texts.result2, ctx);

    // Calculate runs only when the name and kilogram boxes are filled and the pound
    // boxes hold figures of zero or more.
    if (!validateDetails(d, locale)) {
        FUZZ_REQUIRE(!d.Name.isEmpty() && !d.WeightKg.isEmpty() && !d.LossKg.isEmpty(), ctx);
        FUZZ_REQUIRE(pounds && *pounds >= 0 && loss && *loss >= 0, ctx);
    }
    return 0;
}
