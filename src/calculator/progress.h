#pragma once

#include "calculator/personaldetails.h"
#include "calculator/plan.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <cmath>
#include <optional>

// Where a person who follows a plan stands, from the weights they log: their weight now
// and its pace, read off a straight line through the recent weigh-ins; how that compares
// with the plan; when it reaches the goal, as a range of dates; a plan from today that
// leads with what keeps within the cautions; and what the weigh-ins say the person has
// eaten, by the body model. Figures only; progresstext.h puts them in words.

// A weigh-in as the journal hands it over.
struct DatedWeight
{
    QDate date;
    double pounds = 0;
};

// Weigh-ins are measured, not converted from a box: the exact factor, not the boxes'
// 0.453, so that a kilogram figure the person reads off a scale comes back the same.
inline constexpr double kExactKilogramsPerPound = 0.45359237;
// The chart's smoothed line moves this share of the way towards each day's weight. It
// runs (1 - 0.1) / 0.1 = 9 days behind a steady loss, so no figure compared with the
// plan comes from it; it is there for the eye.
inline constexpr double kTrendSmoothing = 0.1;
// The weight now and its pace come from the weigh-ins of the four weeks to the last one,
// and only once there are enough of them over enough days for a line to mean something.
inline constexpr int kLineDays = 28;
inline constexpr int kPaceDays = 14;
inline constexpr int kFewestWeighInsForPace = 5;
// A last weigh-in older than this says nothing about today.
inline constexpr int kStaleDays = 14;
// A forecast further away than this, at the slowest pace the weigh-ins allow, gets no
// date: two years of guessing is no forecast.
inline constexpr int kFurthestForecastDays = 730;
// Within this of the plan's weight the person is on plan: less than a day's swing of the
// scale.
inline constexpr double kOnPlanPounds = 1;
// The intake the weigh-ins say is read over stretches of this many days back from the
// last weigh-in, none shorter than kPaceDays.
inline constexpr int kIntakeDays = 28;

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

// A straight line through weigh-ins by the Theil-Sen method: its slope is the median of
// the slopes between every two weigh-ins, its level the median of what each weigh-in
// puts it at. It follows a steady loss without lag, and one odd morning (up to nearly a
// third of them) moves it hardly at all:
//
//   Theil H. A rank-invariant method of linear and polynomial regression analysis.
//   Proceedings of the Royal Netherlands Academy of Sciences 1950; 53: 386-392.
//   Sen PK. Estimates of the regression coefficient based on Kendall's tau. Journal of
//   the American Statistical Association 1968; 63(324): 1379-1389.
//
// The spread of the weigh-ins around it is 1.4826 times their median distance from it
// (the median absolute deviation, which reads as a standard deviation for normal scale
// noise); the margins are two standard errors of the least-squares line with that spread.
struct WeightLine
{
    QDate date; // the last weigh-in the line is read at
    double pounds = 0; // the line on that day
    double lossPerDayPounds = 0; // a gain is negative
    double spreadPounds = 0;
    double lossMarginPerDay = 0; // the pace is lossPerDayPounds within this either way
    double poundsMargin = 0; // the weight on the day within this either way
    int count = 0;
    int spanDays = 0;
    double poundsOn(const QDate& day) const { return pounds - lossPerDayPounds * date.daysTo(day); }
};

// The line through the weigh-ins dated from `from` to `to`, read at `at`; nothing with
// fewer than three weigh-ins or all on one day.
std::optional<WeightLine> fitWeightLine(
    const QList<DatedWeight>& weighIns, const QDate& from, const QDate& to, const QDate& at);

enum class PlanStage { NotStarted, Running, Ended };

enum class Forecast {
    NotYet, // too few weigh-ins or days for a pace
    Stale, // the last weigh-in is more than kStaleDays old
    Reached, // the weight is at or below the goal
    OnDate, // the pace reaches the goal between goalDateEarliest and goalDateLatest
    Unclear, // losing, but the weigh-ins allow a gain as well
    TooFar, // losing, but the slowest pace allowed takes more than kFurthestForecastDays
    Never, // the weight gains or stands still
};

enum class ReplanKind {
    None, // no weigh-ins
    Stale, // the last weigh-in is more than kStaleDays old
    NoBodyWeight, // the plan's goal is no weight at all
    GoalReached, // the weight is at or below the goal: the intake that keeps it
    InTime, // a plan from today to the end date; plan.needsCaution() says whether it leads
    EndDateReached, // no days left: the shortest time frame within the limits from today
    TooFarAway, // more days left than the time-frame list holds
    OutOfRange, // the calculation could not work with the trend weight
};

// A plan from today's weight to the old plan's goal, made by the calculation
// itself, as if the person had typed these details and pressed Calculate.
struct Replan
{
    ReplanKind kind = ReplanKind::None;
    int daysLeft = 0; // from today to the plan's end date
    double fromPounds = 0; // the weight now as the calculation read it: two decimals
    PersonalDetails details;
    WeightPlan plan; // InTime: for the days left; EndDateReached: its withinLimits
};

// The average daily intake the weigh-ins say over the last stretch, read with the body
// model the way validated for it:
//
//   Hall KD, Chow CC. Estimating changes in free-living energy intake and its confidence
//   interval. American Journal of Clinical Nutrition 2011; 94(1): 66-74.
//   Sanghvi A, Redman LM, Martin CK, Ravussin E, Hall KD. Validation of an inexpensive
//   and accurate mathematical method to measure long-term changes in free-living energy
//   intake. American Journal of Clinical Nutrition 2015; 102(2): 353-358.
//
// The model (bodymodel.h) starts at the plan's start with the plan's person and runs
// stretch by stretch (kIntakeDays back from the last weigh-in, the first stretch taking
// what is left, never under kPaceDays) at the one constant intake that takes it from
// where it is to the weight the weigh-ins give at the stretch's end: what the modelled
// body spent plus what it stored or lost. The range is the intake that takes it to that
// weight within two standard errors of the weigh-ins' line either way.
struct EatenEstimate
{
    QString refusal; // why there is no figure, in one sentence; empty where there is
    QDate from; // the last stretch
    QDate to;
    double calories = 0;
    double lowCalories = 0;
    double highCalories = 0;
    std::optional<double> keepCalories; // by the model, the intake that keeps the weight of `to`
    bool known() const { return refusal.isEmpty() && to.isValid(); }
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

    QList<TrendDay> trend; // for the chart; empty without weigh-ins
    int weighInCount = 0;

    // Only with weigh-ins: the weight on the day of the last one, from the line where
    // there is one and the weigh-in itself where not.
    QDate weightDate;
    double weightPounds = 0;
    std::optional<WeightLine> line;
    double expectedOnWeightDatePounds = 0;
    // Positive when lighter than the plan expects.
    double aheadPounds() const { return expectedOnWeightDatePounds - weightPounds; }
    bool onPlan() const { return std::abs(aheadPounds()) < kOnPlanPounds; }
    bool stale() const { return weightDate.isValid() && weightDate.daysTo(today) > kStaleDays; }
    // Lost since the plan's start, and the share of the plan's loss that is.
    double lostPounds() const { return plan.startPounds - weightPounds; }
    std::optional<double> goalShare() const;
    std::optional<double> bodyMassIndex() const; // now, from the plan's height

    int recentWeighIns = 0; // in the kLineDays to the last
    int spanDays = 0; // of those weigh-ins
    int weighInsNeeded = kFewestWeighInsForPace; // for a pace
    int daysNeeded = kPaceDays;
    bool paceKnown() const { return line && weighInsNeeded == 0 && daysNeeded == 0 && !stale(); }
    double lossPerDayPounds = 0; // the line's; a gain is negative
    double poundsPerWeek() const { return lossPerDayPounds * 7; }
    Forecast forecast = Forecast::NotYet;
    QDate goalDate; // at the line's pace
    QDate goalDateEarliest; // at the fastest and slowest pace the weigh-ins allow
    QDate goalDateLatest;

    EatenEstimate eaten;
    Replan replan;
};

// Where the person stands today on the plan, with these weigh-ins (any order).
Progress makeProgress(
    const WeightPlan& plan, const QList<DatedWeight>& weighIns, const QDate& today, const QLocale& locale = QLocale());
