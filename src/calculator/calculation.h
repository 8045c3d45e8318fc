#pragma once

#include "calculator/personaldetails.h"

#include <QLocale>
#include <QStringList>
#include <optional>

// Daily calorie intakes from the personal details: Harris-Benedict basal energy in
// its pound-and-inch form, raised by the activity factor, less 3500 kcal for every
// pound to lose spread over the days.
//
// The steps run in a fixed order, each on its own: a step whose text does not read
// as a number, or whose arithmetic overflows or is invalid, leaves its field as it
// stood in `previous` and the following steps carry on with that value.
CalorieResult calculateCalories(
    const PersonalDetails& details, const CalorieResult& previous, const QLocale& locale = QLocale());

// The fraction of the basal energy added for activity level 0 to 4; nothing for
// any other index.
std::optional<double> activityFactor(int activityIndex);

// The levels of daily activity, in the order of their index.
QStringList activityLevelTexts();
