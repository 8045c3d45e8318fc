#pragma once

#include "calculator/personaldetails.h"

#include <QLocale>
#include <QStringList>
#include <optional>

// Daily calorie intakes from the personal details: Harris-Benedict basal energy in
// its pound-and-inch form, raised by the activity factor, less 3500 kcal for every
// pound to lose spread over the days.
//
inline constexpr double kCaloriesPerPound = 3500;

// The Harris-Benedict basal energy in its pound-and-inch form: constant + perPound x
// weight + perInch x height - perYear x age.
struct Equation
{
    double constant;
    double perPound;
    double perInch;
    double perYear;
};
inline constexpr Equation kMaleEquation {66, 6.3, 12.9, 6.8};
inline constexpr Equation kFemaleEquation {655, 4.3, 4.7, 4.7};

// Exactly "Male", or the first of genderTexts() in the person's language, takes the
// men's equation; any other text the women's.
const Equation& equationFor(const QString& gender);

// Which steps of a calculation stored a fresh figure (true) and which failed and kept
// the one before.
struct CalculationSteps
{
    bool activityFactor = false;
    bool totalHeightInches = false;
    bool basalCalories = false;
    bool activityCalories = false;
    bool maintenanceCalories = false;
    bool lossPerDayPounds = false;
    bool dailyDeficit = false;
    bool goalCalories = false;
};

// The steps run in a fixed order, each on its own: a step whose text does not read
// as a number, or whose arithmetic overflows or is invalid, leaves its field as it
// stood in `previous` and the following steps carry on with that value. Where
// `steps` is given, it tells which steps did so.
CalorieResult calculateCalories(const PersonalDetails& details, const CalorieResult& previous,
    const QLocale& locale = QLocale(), CalculationSteps* steps = nullptr);

// The fraction of the basal energy added for activity level 0 to 4; nothing for
// any other index.
std::optional<double> activityFactor(int activityIndex);

// The levels of daily activity, in the order of their index, in the person's language.
QStringList activityLevelTexts();

// The choices of gender, men first, in the person's language.
QStringList genderTexts();
// The choice of genderTexts() that stands for this gender, given in any language.
QString genderText(const QString& gender);
