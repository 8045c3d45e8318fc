#include "calculator/resulttexts.h"

#include "calculator/numbertext.h"

#include <QCoreApplication>

namespace {

// The results window is of a fixed size made for English: every text here has one
// line of its own and little room to grow.
struct ResultsWindowText
{
    Q_DECLARE_TR_FUNCTIONS(ResultsWindow)
};

} // namespace

ResultTexts resultTexts(const PersonalDetails& details, const CalorieResult& result)
{
    ResultTexts t;
    t.name = details.name;
    //: Results window, beside "Age:"; %1 is the age as typed. One line of about 480 px; keep it short
    t.age = ResultsWindowText::tr("%1 years").arg(details.age);
    if (details.heightInCentimetres) {
        //: Results window, beside "Your Height:"; %1 is the height in centimetres as typed. One line of about 480
        //: px; keep it short
        t.height = ResultsWindowText::tr("%1 Centimetres").arg(details.heightCentimetres.trimmed());
    } else {
        //: Results window, beside "Your Height:"; %1 is the feet, %2 the inches, as typed. One line of about 480
        //: px; keep it short
        t.height = ResultsWindowText::tr("%1 Feet %2 Inch").arg(details.heightFeet, details.heightInches);
    }
    //: Results window, beside "Your Weight:" and "Weight You Wish To Lose:"; %1 is a weight in pounds as typed.
    //: One line of about 480 px; keep it short
    t.weight = ResultsWindowText::tr("%1 Pounds").arg(details.weightPounds);
    t.activityLevel = details.activityText;
    t.lossWeight = ResultsWindowText::tr("%1 Pounds").arg(details.lossPounds);
    //: Results window, beside "Time Frame To Lose Weight:"; %1 is the number of days as typed, which may be 1 or
    //: more. One line of about 480 px; keep it short
    t.timeFrame = ResultsWindowText::tr("%1 day/days").arg(details.timeFrameDays);
    //: Results window, first result, in bold on one line of about 650 px: the window does not grow. %1 is a whole
    //: number of calories, as 2381
    t.result1
        = ResultsWindowText::tr("To maintain your current weight your daily intake of calories should be %1 calories")
              .arg(writeWholeNumber(result.maintenanceCalories));
    if (!result.goalAchievable) {
        //: Results window, second result, in bold on one line of about 650 px: the window does not grow
        t.result2 = ResultsWindowText::tr("This daily intake of calories cannot be achieved.");
    } else {
        //: Results window, second result, in bold on one line of about 650 px: the window does not grow. %1 is a
        //: whole number of calories, as 1881
        t.result2 = ResultsWindowText::tr("To reach your goal, your daily intake of calories should be %1 calories")
                        .arg(writeWholeNumber(result.goalCalories));
    }
    return t;
}
