#pragma once

#include "calculator/personaldetails.h"

#include <QString>

// The texts the results window shows for one calculation.
struct ResultTexts
{
    QString name;
    QString age;
    QString height;
    QString weight;
    QString activityLevel;
    QString lossWeight;
    QString timeFrame;
    QString result1;
    QString result2;
};

ResultTexts resultTexts(const PersonalDetails& details, const CalorieResult& result);
