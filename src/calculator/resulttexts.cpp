#include "calculator/resulttexts.h"

#include "calculator/numbertext.h"

ResultTexts resultTexts(const PersonalDetails& details, const CalorieResult& result)
{
    ResultTexts t;
    t.name = details.Name;
    t.age = details.Age + QStringLiteral(" years");
    t.height = details.HeightFeet + QStringLiteral(" Feet ") + details.HeightInches + QStringLiteral(" Inch");
    t.weight = details.WeightPounds + QStringLiteral(" Pounds");
    t.activityLevel = details.ActivityText;
    t.lossWeight = details.LossPounds + QStringLiteral(" Pounds");
    t.timeFrame = details.TimeFrameDays + QStringLiteral(" day/days");
    t.result1 = QStringLiteral("To maintain your current weight your daily intake of calories should be ")
        + writeWholeNumber(result.MaintenanceCalories) + QStringLiteral(" calories");
    if (!result.GoalAchievable)
        t.result2 = QStringLiteral("This daily intake of calories cannot be achieved.");
    else
        t.result2 = QStringLiteral("To reach your goal, your daily intake of calories should be ")
            + writeWholeNumber(result.GoalCalories) + QStringLiteral(" calories");
    return t;
}
