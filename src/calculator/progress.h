#pragma once

#include "calculator/personaldetails.h"
#include "calculator/plan.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <optional>

// Where a person who follows a plan stands, from the weights they log: the trend of
// their weight, how it compares with the plan, its pace, a plan from today that still
// reaches the goal on the plan's end date, and what the weigh-ins say about the intake
// that keeps the weight. Figures only; progresstext.h puts them in words.

// A weigh-in as the journal hands it over.
struct DatedWeight
{
    QDate date;
    double pounds = 0;
};

// Weigh-ins are measured, not converted from a box: the exact factor, not the boxes'
// 0.453, so that a kilogram figure the person reads off a scale comes back the same.
inline constexpr double kExactKilogramsPerPound = 0.45359237;
// Each day the trend moves this share of the way towards that day's weight, so that
// one heavy or light morning hardly moves it.
inline constexpr double kTrendSmoothing = 0.1;
// The pace of the trend is taken over the last two weeks, and only once there are
// enough weigh-ins over enough days for it to mean something.
inline constexpr int kPaceDays = 14;
inline constexpr int kFewestWeighInsForPace = 5;
// A goal further away than this at the trend's pace gets no date.
inline constexpr int kFurthestForecastDays = 3652; // ten years

// One day of the trend, from the first weigh-in to the last.
struct TrendDay
{
    QDate date;
    double pounds = 0; // weighed, or on the straight line between the weigh-ins around it
    double trendPounds = 0;
    bool weighed = false;
};

// The trend of the weigh-ins, day by day from the first to the last: the first day's
// trend is its weight, each later day's moves kTrendSmoothing of the way from the day
// before's towards that day's weight. Weigh-ins dated after today, or that are not a
// positive finite weight, are left out; of two on one day the later in the list counts.
// The trend is known up to the last weigh-in and no further: it is not carried on to
// today, since a guess there would look like a measurement.
QList<TrendDay> trendDays(const QList<DatedWeight>& weighIns, const QDate& today);

enum class PlanStage { NotStarted, Running, Ended };

enum class Forecast {
    NotYet, // too few weigh-ins or days for a pace
    Reached, // the trend is at or below the goal
    OnDate, // the pace reaches the goal on goalDate
    TooFar, // losing, but more than kFurthestForecastDays away
    Never, // the trend gains or stands still
};

enum class ReplanKind {
    None, // no weigh-ins
    NoBodyWeight, // the plan's goal is no weight at all
    GoalReached, // the trend is at or below the goal: the intake that keeps it
    InTime, // a plan from today to the end date
    EndDateReached, // no days left: the shortest time frame within the limits from today
    TooFarAway, // more days left than the time-frame list holds
    OutOfRange, // the calculation could not work with the trend weight
};

// A plan from today's trend weight to the old plan's goal, made by the calculation
// itself, as if the person had typed these details and pressed Calculate.
struct Replan
{
    ReplanKind kind = ReplanKind::None;
    int daysLeft = 0; // from today to the plan's end date
    double fromPounds = 0; // the trend weight as the calculation read it: two decimals
    PersonalDetails details;
    WeightPlan plan; // InTime: for the days left; EndDateReached: its withinLimits
};

struct Progress
{
    WeightPlan plan; // the plan followed, made on its start date
    QDate today;
    QDate start;
    QDate end;
    qint64 day = 0; // days since the start, the start being day 0
    PlanStage stage = PlanStage::Running;
    double expectedTodayPounds = 0; // held at the start weight before it, the end weight after it

    QList<TrendDay> trend; // empty without weigh-ins
    int weighInCount = 0;

    // Only with weigh-ins: the trend on the day of the last one.
    QDate trendDate;
    double trendPounds = 0;
    double expectedOnTrendDatePounds = 0;
    // Positive when lighter than the plan expects.
    double aheadPounds() const { return expectedOnTrendDatePounds - trendPounds; }

    int spanDays = 0; // from the first weigh-in to the last
    int weighInsNeeded = kFewestWeighInsForPace; // for a pace
    int daysNeeded = kPaceDays;
    bool paceKnown() const { return weighInCount > 0 && weighInsNeeded == 0 && daysNeeded == 0; }
    double lossPerDayPounds = 0; // the trend's, over the last kPaceDays; a gain is negative
    double poundsPerWeek() const { return lossPerDayPounds * 7; }
    Forecast forecast = Forecast::NotYet;
    QDate goalDate;

    // The plan's goal intake plus the trend's daily loss at 3500 kcal a pound: what
    // keeps the weight, if the person ate what the plan said. Only with a pace, and
    // nothing where that comes to no intake at all.
    std::optional<double> estimatedMaintenanceCalories;

    Replan replan;
};

// Where the person stands today on the plan, with these weigh-ins (any order).
Progress makeProgress(
    const WeightPlan& plan, const QList<DatedWeight>& weighIns, const QDate& today, const QLocale& locale = QLocale());
