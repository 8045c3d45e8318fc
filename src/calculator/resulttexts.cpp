#include "calculator/resulttexts.h"

#include "calculator/numbertext.h"

ResultTexts resultTexts(const PersonalDetails& details, const CalorieResult& result)
{
    ResultTexts t;
    t.name = details.name;
    t.age = details.age + QStringLiteral(" years");
    t.height = details.heightInCentimetres
        ? details.heightCentimetres.trimmed() + QStringLiteral(" Centimetres")
        : details.heightFeet + QStringLiteral(" Feet ") + details.heightInches + QStringLiteral(" Inch");
    t.weight = details.weightPounds + QStringLiteral(" Pounds");
    t.activityLevel = details.activityText;
    t.lossWeight = details.lossPounds + QStringLiteral(" Pounds");
    t.timeFrame = details.timeFrameDays + QStringLiteral(" day/days");
    t.result1 = QStringLiteral("To maintain your current weight your daily intake of calories should be ")
        + writeWholeNumber(result.maintenanceCalories) + QStringLiteral(" calories");
    if (!result.goalAchievable)
        t.result2 = QStringLiteral("This daily intake of calories cannot be achieved.");
    else
        t.result2 = QStringLiteral("To reach your goal, your daily intake of calories should be ")
            + writeWholeNumber(result.goalCalories) + QStringLiteral(" calories");
    return t;
}
