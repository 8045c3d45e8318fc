#include "calculator/calculation.h"

#include "calculator/decimalrounding.h"
#include "calculator/height.h"
#include "calculator/numbertext.h"

#include <QCoreApplication>
#include <cmath>
#include <optional>

namespace {

// The choices of the main window's lists that the calculation reads.
struct PersonalDetailsText
{
    Q_DECLARE_TR_FUNCTIONS(PersonalDetails)
};

QString maleText()
{
    //: First choice of the main window's gender list, 97 px wide; keep it as short as "Male"
    return PersonalDetailsText::tr("Male");
}

constexpr double kInchesPerFoot = 12;

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

bool store(double& field, std::optional<double> value)
{
    if (value)
        field = *value;
    return value.has_value();
}

} // namespace

QStringList activityLevelTexts()
{
    // The plan names a level by the words before " (": translations keep that form.
    return {
        //: A level of daily activity in the main window's list (521 px wide) and on the results window. Keep the
        //: form "Level (examples)": the plan names the level by the words before " ("
        PersonalDetailsText::tr("Sedentary (Resting, sleeping, reclining)"),
        //: A level of daily activity in the main window's list (521 px wide) and on the results window. Keep the
        //: form "Level (examples)": the plan names the level by the words before " ("
        PersonalDetailsText::tr("Lightly Active (Seated and standing activities, e.g. computer use)"),
        //: A level of daily activity in the main window's list (521 px wide) and on the results window. Keep the
        //: form "Level (examples)": the plan names the level by the words before " ("
        PersonalDetailsText::tr("Moderately Active (Some walking, garage work, house cleaning, child care)"),
        //: A level of daily activity in the main window's list (521 px wide) and on the results window. Keep the
        //: form "Level (examples)": the plan names the level by the words before " ("
        PersonalDetailsText::tr("Very Active (Fast walking, heavy gardening, manual labor, cycling, skiing, tennis)"),
        //: A level of daily activity in the main window's list (521 px wide) and on the results window. Keep the
        //: form "Level (examples)": the plan names the level by the words before " ("
        PersonalDetailsText::tr("Extremely Active (Walking with load uphill, basketball, climbing, football, soccer)"),
    };
}

QStringList genderTexts()
{
    //: Second choice of the main window's gender list, 97 px wide; keep it as short as "Female"
    return {maleText(), PersonalDetailsText::tr("Female")};
}

QString genderText(const QString& gender)
{
    return genderTexts().value(&equationFor(gender) == &kMaleEquation ? 0 : 1);
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

CalorieResult calculateCalories(
    const PersonalDetails& details, const CalorieResult& previous, const QLocale& locale, CalculationSteps* steps)
{
    CalorieResult r = previous;
    CalculationSteps s;
    auto number = [&locale](const QString& text) { return readNumber(text, locale); };

    s.activityFactor = store(r.activityFactor, activityFactor(details.activityIndex));

    s.totalHeightInches = store(r.totalHeightInches,
        details.heightInCentimetres
            ? div(number(details.heightCentimetres), kCentimetresPerInch)
            : add(mul(number(details.heightFeet), kInchesPerFoot), number(details.heightInches)));

    const Equation& eq = equationFor(details.gender);
    s.basalCalories = store(r.basalCalories,
        sub(add(add(mul(number(details.weightPounds), eq.perPound), eq.constant), mul(r.totalHeightInches, eq.perInch)),
            mul(number(details.age), eq.perYear)));

    s.activityCalories = store(r.activityCalories, mul(r.basalCalories, r.activityFactor));

    s.maintenanceCalories = store(r.maintenanceCalories, rounded(add(r.basalCalories, r.activityCalories), 0));

    // The daily loss is rounded before it is multiplied, so the deficit is always a
    // whole multiple of 35 kcal.
    s.lossPerDayPounds
        = store(r.lossPerDayPounds, rounded(div(number(details.lossPounds), number(details.timeFrameDays)), 2));

    s.dailyDeficit = store(r.dailyDeficit, rounded(mul(kCaloriesPerPound, r.lossPerDayPounds), 0));

    s.goalCalories = store(r.goalCalories, sub(r.maintenanceCalories, r.dailyDeficit));

    r.goalAchievable = !(r.goalCalories < 0);
    if (steps)
        *steps = s;
    return r;
}

const Equation& equationFor(const QString& gender)
{
    // The English word too: a plan kept in the journal holds the text chosen then.
    const bool male = gender == QLatin1String("Male") || gender == maleText();
    return male ? kMaleEquation : kFemaleEquation;
}
