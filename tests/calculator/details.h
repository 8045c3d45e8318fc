#pragma once

#include "calculator/calculation.h"
#include "calculator/personaldetails.h"

#include <QMetaType>

// The details as the main window's controls would hold them, named ANNA.
inline PersonalDetails details(
    const char* gender, int age, int feet, int inches, const QString& pounds, const char* loss, int days, int activity)
{
    PersonalDetails d;
    d.name = QStringLiteral("ANNA");
    d.gender = QString::fromLatin1(gender);
    d.age = QString::number(age);
    d.heightFeet = QString::number(feet);
    d.heightInches = QString::number(inches);
    d.weightPounds = pounds;
    d.lossPounds = QString::fromLatin1(loss);
    d.timeFrameDays = QString::number(days);
    d.activityIndex = activity;
    d.activityText = activityLevelTexts().value(activity);
    return d;
}
// The same with the height given in centimetres.
inline PersonalDetails detailsInCentimetres(
    const char* gender, int age, int centimetres, const QString& pounds, const char* loss, int days, int activity)
{
    PersonalDetails d = details(gender, age, 0, 0, pounds, loss, days, activity);
    d.heightInCentimetres = true;
    d.heightCentimetres = QString::number(centimetres);
    return d;
}
Q_DECLARE_METATYPE(PersonalDetails)
