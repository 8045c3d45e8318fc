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
        .arg(quoted(d.gender), quoted(d.age), quoted(d.heightFeet), quoted(d.heightInches),
            quoted(d.weightPounds.left(40)), quoted(d.lossPounds.left(40)), quoted(d.timeFrameDays))
        .arg(d.activityIndex)
        .arg(r.activityFactor, 0, 'g', 17)
        .arg(r.totalHeightInches, 0, 'g', 17)
        .arg(r.basalCalories, 0, 'g', 17)
        .arg(r.activityCalories, 0, 'g', 17)
        .arg(r.maintenanceCalories, 0, 'g', 17)
        .arg(r.lossPerDayPounds, 0, 'g', 17)
        .arg(r.dailyDeficit, 0, 'g', 17)
        .arg(r.goalCalories, 0, 'g', 17);
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
        d.gender = QStringLiteral("Male");
        break;
    case 1:
        d.gender = QStringLiteral("Female");
        break;
    default:
        d.gender = consumeText(data, 16);
    }
    d.age = consumeFigureText(data, 6, 125);
    d.heightFeet = consumeFigureText(data, 0, 12);
    d.heightInches = consumeFigureText(data, 0, 11);
    d.timeFrameDays = consumeFigureText(data, 1, 1000);
    d.activityIndex = data.ConsumeBool() ? data.ConsumeIntegralInRange<int>(0, 4) : data.ConsumeIntegral<int>();
    d.name = consumeText(data, 32);
    d.weightKg = consumeText(data, 16);
    d.lossKg = consumeText(data, 16);
    d.weightPounds = consumeFigureText(data, 0, 1000);
    d.lossPounds = consumeFigureText(data, 0, 1000);

    CalorieResult previous;
    previous.activityFactor = consumeFinite(data);
    previous.totalHeightInches = consumeFinite(data);
    previous.basalCalories = consumeFinite(data);
    previous.activityCalories = consumeFinite(data);
    previous.maintenanceCalories = consumeFinite(data);
    previous.lossPerDayPounds = consumeFinite(data);
    previous.dailyDeficit = consumeFinite(data);
    previous.goalCalories = consumeFinite(data);
    previous.goalAchievable = data.ConsumeBool();

    const CalorieResult r = calculateCalories(d, previous, locale);
    const QString ctx = describe(d, r) + QStringLiteral(" locale ") + locale.name() + QLatin1Char(' ');

    for (const double field : {r.activityFactor, r.totalHeightInches, r.basalCalories, r.activityCalories,
             r.maintenanceCalories, r.lossPerDayPounds, r.dailyDeficit, r.goalCalories})
        FUZZ_REQUIRE(std::isfinite(field), ctx);
    FUZZ_REQUIRE(r.goalAchievable == !(r.goalCalories < 0), ctx);
    if (d.activityIndex < 0 || d.activityIndex > 4)
        FUZZ_REQUIRE(r.activityFactor == previous.activityFactor, ctx);
    else
        FUZZ_REQUIRE(r.activityFactor == *activityFactor(d.activityIndex), ctx);

    // Details the lists can hold and weights the boxes can hold: every step succeeds.
    const auto age = readNumber(d.age, locale);
    const auto feet = readNumber(d.heightFeet, locale);
    const auto inches = readNumber(d.heightInches, locale);
    const auto days = readNumber(d.timeFrameDays, locale);
    const auto pounds = readNumber(d.weightPounds, locale);
    const auto loss = readNumber(d.lossPounds, locale);
    const bool listed = age && feet && inches && days && *age >= 6 && *age <= 125 && *feet >= 0 && *feet <= 12
        && *inches >= 0 && *inches <= 11 && *days >= 1 && *days <= 1000 && d.activityIndex >= 0 && d.activityIndex <= 4;
    if (listed && pounds && loss && std::fabs(*pounds) < 1e12 && std::fabs(*loss) < 1e12) {
        FUZZ_REQUIRE(r.totalHeightInches == *feet * 12 + *inches, ctx);
        FUZZ_REQUIRE(isWhole(r.maintenanceCalories), ctx);
        FUZZ_REQUIRE(isWhole(r.dailyDeficit), ctx);
        FUZZ_REQUIRE(roundHalfEven(r.lossPerDayPounds, 2) == r.lossPerDayPounds, ctx);
        FUZZ_REQUIRE(std::fabs(r.lossPerDayPounds - *loss / *days) <= 0.005 + 1e-9 * std::fabs(*loss), ctx);
        FUZZ_REQUIRE(r.dailyDeficit == roundHalfEven(3500 * r.lossPerDayPounds, 0), ctx);
        FUZZ_REQUIRE(r.goalCalories == r.maintenanceCalories - r.dailyDeficit, ctx);
        // A deficit is a whole multiple of 35 kcal while the daily loss is exact to the cent.
        if (std::fabs(r.lossPerDayPounds) < 1e9)
            FUZZ_REQUIRE(std::fmod(r.dailyDeficit, 35) == 0, ctx);
    }

    const ResultTexts texts = resultTexts(d, r);
    checkResultLine(texts.result1, ctx);
    checkResultLine(texts.result2, ctx);

    // Calculate runs only when the name and kilogram boxes are filled and the pound
    // boxes hold figures of zero or more.
    if (!validateDetails(d, locale)) {
        FUZZ_REQUIRE(!d.name.isEmpty() && !d.weightKg.isEmpty() && !d.lossKg.isEmpty(), ctx);
        FUZZ_REQUIRE(pounds && *pounds >= 0 && loss && *loss >= 0, ctx);
    }
    return 0;
}
