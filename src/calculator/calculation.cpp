#include "calculator/calculation.h"

#include "calculator/decimalrounding.h"
#include "calculator/numbertext.h"

#include <cmath>
#include <optional>

namespace {

constexpr double kInchesPerFoot = 12;
constexpr double kCaloriesPerPound = 3500;

struct Equation
{
    double constant;
    double perPound;
    double perInch;
    double perYear;
};

constexpr Equation kMale {66, 6.3, 12.9, 6.8};
constexpr Equation kFemale {655, 4.3, 4.7, 4.7};

// Arithmetic that fails on an invalid operation, a division by zero or an overflow,
// as the calculation requires after every operation.
std::optional<double> checked(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> mul(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b)
        return std::nullopt;
    return checked(*a * *b);
}

std::optional<double> add(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b)
        return std::nullopt;
    return checked(*a + *b);
}

std::optional<double> sub(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b)
        return std::nullopt;
    return checked(*a - *b);
}

std::optional<double> div(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b || *b == 0)
        return std::nullopt;
    return checked(*a / *b);
}

std::optional<double> rounded(std::optional<double> value, int decimals)
{
    if (!value)
        return std::nullopt;
    return roundHalfEven(*value, decimals);
}

void store(double& field, std::optional<double> value)
{
    if (value)
        field = *value;
}

} // namespace

QStringList activityLevelTexts()
{
    return {
        QStringLiteral("Sedentary (Resting, sleeping, reclining)"),
        QStringLiteral("Lightly Active (Seated and standing activities, e.g. computer use)"),
        QStringLiteral("Moderately Active (Some walking, garage work, house cleaning, child care)"),
        QStringLiteral("Very Active (Fast walking, heavy gardening, manual labor, cycling, skiing, tennis)"),
        QStringLiteral("Extremely Active (Walking with load uphill, basketball, climbing, football, soccer)"),
    };
}

std::optional<double> activityFactor(int activityIndex)
{
    switch (activityIndex) {
    case 0:
        return 0.2;
    case 1:
        return 0.375;
    case 2:
        return 0.55;
    case 3:
        return 0.725;
    case 4:
        return 0.9;
    default:
        return std::nullopt;
    }
}

CalorieResult CalculateCalories(const PersonalDetails& details, const CalorieResult& previous, const QLocale& locale)
{
    CalorieResult r = previous;
    auto number = [&locale](const QString& text) { return readNumber(text, locale); };

    store(r.ActivityFactor, activityFactor(details.ActivityIndex));

    store(r.TotalHeightInches, add(mul(number(details.HeightFeet), kInchesPerFoot), number(details.HeightInches)));

    const Equation& eq = details.Gender == QLatin1String("Male") ? kMale : kFemale;
    store(r.BasalCalories,
        sub(add(add(mul(number(details.WeightPounds), eq.perPound), eq.constant), mul(r.TotalHeightInches, eq.perInch)),
            mul(number(details.Age), eq.perYear)));

    store(r.ActivityCalories, mul(r.BasalCalories, r.ActivityFactor));

    store(r.MaintenanceCalories, rounded(add(r.BasalCalories, r.ActivityCalories), 0));

    // The daily loss is rounded before it is multiplied, so the deficit is always a
    // whole multiple of 35 kcal.
    store(r.LossPerDayPounds, rounded(div(number(details.LossPounds), number(details.TimeFrameDays)), 2));

    store(r.DailyDeficit, rounded(mul(kCaloriesPerPound, r.LossPerDayPounds), 0));

    store(r.GoalCalories, sub(r.MaintenanceCalories, r.DailyDeficit));

    r.GoalAchievable = !(r.GoalCalories < 0);
    return r;
}
