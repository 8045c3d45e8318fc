#pragma once

#include <QString>

// The calculator's inputs, exactly as the main window's controls hold them when
// Calculate runs. Numbers stay text here; they are read where they are used.
struct PersonalDetails
{
    QString Name;
    QString Gender;
    QString Age;
    QString HeightFeet;
    QString HeightInches;
    QString WeightPounds;
    QString WeightKg;
    QString LossPounds;
    QString LossKg;
    QString TimeFrameDays;
    int ActivityIndex = -1;
    QString ActivityText;
};

// The calculator's outputs. One record lives for the whole run; every calculation
// overwrites it field by field, and a field whose step fails keeps its old value.
struct CalorieResult
{
    double ActivityFactor = 0;
    double TotalHeightInches = 0;
    double BasalCalories = 0;
    double ActivityCalories = 0;
    double MaintenanceCalories = 0;
    double LossPerDayPounds = 0;
    double DailyDeficit = 0;
    double GoalCalories = 0;
    bool GoalAchievable = false;
};
