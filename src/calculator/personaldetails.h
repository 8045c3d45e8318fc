#pragma once

#include <QString>

// The calculator's inputs, exactly as the main window's controls hold them when
// Calculate runs. Numbers stay text here; they are read where they are used.
struct PersonalDetails
{
    QString name;
    QString gender;
    QString age;
    QString heightFeet;
    QString heightInches;
    QString weightPounds;
    QString weightKg;
    QString lossPounds;
    QString lossKg;
    QString timeFrameDays;
    int activityIndex = -1;
    QString activityText;
    // The height given in centimetres instead: then the feet and inches are not read.
    bool heightInCentimetres = false;
    QString heightCentimetres;
};

// The calculator's outputs. One record lives for the whole run; every calculation
// overwrites it field by field, and a field whose step fails keeps its old value.
struct CalorieResult
{
    double activityFactor = 0;
    double totalHeightInches = 0;
    double basalCalories = 0;
    double activityCalories = 0;
    double maintenanceCalories = 0;
    double lossPerDayPounds = 0;
    double dailyDeficit = 0;
    double goalCalories = 0;
    bool goalAchievable = false;
};
