#pragma once

#include "calculator/calculation.h"
#include "calculator/personaldetails.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <array>
#include <optional>

// A person's plan for one calculation: how the weight goes down day by day at the
// daily loss the calculation gave, other paces and a time frame within the limits
// that health services advise, each found by running the same calculation for the
// other days of the time-frame list, and the intake that keeps the goal weight.

inline constexpr int kShortestTimeFrame = 1; // the days list runs from 1
inline constexpr int kLongestTimeFrame = 1000; // to 1000
// The pace above which health services advise against losing weight.
inline constexpr double kFastestAdvisedPoundsPerWeek = 2;
// The least daily intake advised without a doctor's supervision.
inline constexpr double kMenFloorCalories = 1500;
inline constexpr double kWomenFloorCalories = 1200;
inline constexpr double kKilojoulesPerKilocalorie = 4.184;

// A day of the plan worth a row of its own.
struct PlanMilestone
{
    int day = 0;
    QDate date;
    double weightPounds = 0;
    double lostPounds = 0;
};

// A time frame from the list, found by the calculation, and the calculation for it.
struct PlanTimeFrame
{
    int days = 0; // 0: no time frame in the list will do
    CalorieResult result;
    double poundsPerWeek() const { return result.lossPerDayPounds * 7; }
};

// What the body is likely to do at the plan's goal intake, by the adult model of body
// weight (bodymodel.h), beside the plan's straight line of 3500 calories a pound.
struct PlanModel
{
    QString refusal; // why the model does not hold for this plan; empty where it does
    QList<double> pounds; // the weight on day 0 ... the last day at the goal intake
    // The constant intake that reaches the goal weight on the last day, and the one that
    // keeps the goal weight afterwards; nothing where the model finds none.
    std::optional<double> reachCalories;
    std::optional<double> keepCalories;
    bool holds() const { return refusal.isEmpty() && !pounds.isEmpty(); }
};

struct WeightPlan
{
    PersonalDetails details;
    CalorieResult result;
    CalculationSteps steps;
    QDate today;

    int days = 0; // the time frame chosen
    double startPounds = 0; // the pound box, as read
    double lossPounds = 0; // the weight to lose, as read
    double goalPounds = 0; // the one less the other
    bool men = false; // the men's equation and floor
    double floorCalories = kWomenFloorCalories;

    QList<PlanMilestone> milestones;
    // The shortest time frame for 0.5, 1, 1.5 and 2 lb a week.
    std::array<PlanTimeFrame, 4> paces;
    // The shortest time frame that keeps both the pace and the floor.
    PlanTimeFrame withinLimits;
    // The intake that keeps the goal weight once it is reached; nothing where the goal
    // is no body weight, or where the equations give no intake a person can eat there.
    std::optional<double> goalMaintenanceCalories;
    PlanModel model;

    // The weight expected on a day of the plan: the daily loss, as the calculation
    // rounded it, taken off day after day.
    double weightOnDay(int day) const { return startPounds - result.lossPerDayPounds * day; }
    double poundsPerWeek() const { return result.lossPerDayPounds * 7; }

    // The loss is drawn and described only where the goal intake can be eaten.
    bool showsLoss() const { return result.goalAchievable; }
    // The weight to lose is all the body weight there is, or more.
    bool noBodyWeightLeft() const { return lossPounds > 0 && !(goalPounds > 0); }
    // The last day the line reaches: the end of the time frame or, where the weight
    // would reach nothing before it, that moment (a fraction of a day).
    double lastDay() const;

    bool tooFast() const;
    bool belowFloor() const; // an achievable goal below the floor
    bool needsCaution() const { return tooFast() || belowFloor() || !result.goalAchievable; }
    // The daily loss rounds to nothing although there is weight to lose.
    bool flat() const { return result.lossPerDayPounds == 0 && lossPounds > 0; }
};

inline constexpr std::array<double, 4> kPlanPaces {0.5, 1, 1.5, 2};

// The plan for the calculation just made from these details.
WeightPlan makeWeightPlan(const PersonalDetails& details, const CalorieResult& result, const CalculationSteps& steps,
    const QDate& today, const QLocale& locale = QLocale());

// Why a person cannot follow this plan (no weight to lose, no intake that reaches the
// goal, a goal of no body weight, figures too large to compute); empty where they can.
QString followProblem(const WeightPlan& plan);

// The days of a time frame worth a row: every week, or every month from today where
// the time frame is longer than half a year; and the last day.
QList<int> milestoneDays(int days, const QDate& today);
