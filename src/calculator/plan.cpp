#include "calculator/plan.h"

#include "calculator/bodymodel.h"
#include "calculator/numbertext.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

struct ModelText
{
    Q_DECLARE_TR_FUNCTIONS(ModelText)
};

struct PlanText
{
    Q_DECLARE_TR_FUNCTIONS(PlanText)
};

// Paces are figures of two decimals times seven: a hair's breadth of binary noise
// must not push one over its limit.
constexpr double kPaceTolerance = 1e-9;

constexpr int kWeeksOfHalfAYear = 26;

bool paceWithin(double poundsPerWeek, double limit)
{
    return poundsPerWeek <= limit + kPaceTolerance;
}

// The model at the plan's goal intake, where it holds for the person and the plan.
PlanModel planModel(const WeightPlan& plan, const QLocale& locale)
{
    PlanModel model;
    QString whyNot;
    const std::optional<BodyModel> body = bodyModelFor(plan.details, plan.result, plan.steps, locale, &whyNot);
    if (!body) {
        model.refusal = whyNot;
        return model;
    }
    if (plan.noBodyWeightLeft()) {
        model.refusal = ModelText::tr("The model cannot follow a goal below no body weight.");
        return model;
    }
    if (!(plan.result.goalCalories > 0)) {
        model.refusal = ModelText::tr("The model needs a daily intake above nothing.");
        return model;
    }
    if (plan.days < 1 || plan.days > kLongestModelDays) {
        model.refusal = ModelText::tr("The model cannot follow this time frame.");
        return model;
    }
    const QList<double> kilograms = body->weightsKg(plan.result.goalCalories, plan.days);
    if (kilograms.isEmpty()) {
        model.refusal = ModelText::tr("At this intake the body would leave what the model holds for.");
        return model;
    }
    for (const double kg : kilograms)
        model.pounds << kg / kModelKilogramsPerPound;
    if (plan.lossPounds > 0) {
        const double goalKg = plan.goalPounds * kModelKilogramsPerPound;
        model.reachCalories = body->intakeToReach(goalKg, plan.days);
        if (model.reachCalories) {
            if (const auto reached = body->stateAfter(*model.reachCalories, plan.days))
                model.keepCalories = body->intakeToKeep(*reached);
        }
    }
    return model;
}

} // namespace

bool WeightPlan::tooFast() const
{
    return !paceWithin(poundsPerWeek(), kFastestAdvisedPoundsPerWeek);
}

double WeightPlan::lastDay() const
{
    if (noBodyWeightLeft() && result.lossPerDayPounds > 0 && weightOnDay(days) < 0)
        return std::max(startPounds, 0.0) / result.lossPerDayPounds;
    return days;
}

bool WeightPlan::belowFloor() const
{
    return result.goalAchievable && result.goalCalories < floorCalories;
}

QList<int> milestoneDays(int days, const QDate& today)
{
    QList<int> list;
    for (int week = 1; week <= kWeeksOfHalfAYear && week * 7 < days; ++week)
        list << week * 7;
    for (int month = 7;; ++month) {
        const int day = static_cast<int>(today.daysTo(today.addMonths(month)));
        if (day >= days || day <= 0)
            break;
        list << day;
    }
    if (days > 0)
        list << days;
    return list;
}

WeightPlan makeWeightPlan(const PersonalDetails& details, const CalorieResult& result, const CalculationSteps& steps,
    const QDate& today, const QLocale& locale)
{
    WeightPlan plan;
    plan.details = details;
    plan.result = result;
    plan.steps = steps;
    plan.today = today;
    plan.days = static_cast<int>(readNumber(details.timeFrameDays, locale).value_or(0));
    plan.startPounds = readNumber(details.weightPounds, locale).value_or(0);
    plan.lossPounds = readNumber(details.lossPounds, locale).value_or(0);
    plan.goalPounds = plan.startPounds - plan.lossPounds;
    plan.men = &equationFor(details.gender) == &kMaleEquation;
    plan.floorCalories = plan.men ? kMenFloorCalories : kWomenFloorCalories;

    // No milestone of a loss that the intake cannot give, nor one below no weight.
    for (const int day : milestoneDays(plan.showsLoss() ? plan.days : 0, today)) {
        if (day > plan.lastDay())
            break;
        plan.milestones.append({day, today.addDays(day), plan.weightOnDay(day), result.lossPerDayPounds * day});
    }

    plan.model = planModel(plan, locale);
    // A goal of no body weight has no time frame, at any pace.
    if (plan.noBodyWeightLeft())
        return plan;

    // Every time frame of the list, through the same calculation as the person's own:
    // as if they had chosen it and pressed Calculate again.
    PersonalDetails other = details;
    for (int days = kShortestTimeFrame; days <= kLongestTimeFrame; ++days) {
        other.timeFrameDays = QString::number(days);
        const PlanTimeFrame frame {days, calculateCalories(other, result, locale)};
        for (std::size_t i = 0; i < kPlanPaces.size(); ++i) {
            if (plan.paces[i].days == 0 && paceWithin(frame.poundsPerWeek(), kPlanPaces[i]))
                plan.paces[i] = frame;
        }
        if (plan.withinLimits.days == 0 && paceWithin(frame.poundsPerWeek(), kFastestAdvisedPoundsPerWeek)
            && frame.result.goalAchievable && frame.result.goalCalories >= plan.floorCalories)
            plan.withinLimits = frame;
        if (plan.withinLimits.days > 0 && plan.paces[0].days > 0)
            break; // the slowest pace is found last
    }

    if (plan.goalPounds > 0) {
        PersonalDetails atGoal = details;
        atGoal.weightPounds = writeNumber(plan.goalPounds, locale);
        CalculationSteps goalSteps;
        const CalorieResult kept = calculateCalories(atGoal, result, locale, &goalSteps);
        // Only a figure the equations computed at that weight, and one a person can eat.
        if (goalSteps.basalCalories && goalSteps.activityCalories && goalSteps.maintenanceCalories
            && kept.maintenanceCalories > 0)
            plan.goalMaintenanceCalories = kept.maintenanceCalories;
    }
    return plan;
}

QString followProblem(const WeightPlan& plan)
{
    const CalculationSteps& s = plan.steps;
    if (!(s.activityFactor && s.totalHeightInches && s.basalCalories && s.activityCalories && s.maintenanceCalories
            && s.lossPerDayPounds && s.dailyDeficit && s.goalCalories))
        return PlanText::tr("The figures of this plan are too large to compute, so it cannot be followed.");
    if (!(plan.lossPounds > 0))
        return PlanText::tr("This plan has no weight to lose, so there is nothing to follow.");
    if (plan.noBodyWeightLeft())
        return PlanText::tr("This plan's goal leaves no body weight at all, so it cannot be followed: please "
                            "choose a smaller goal.");
    if (!plan.showsLoss())
        return PlanText::tr("No daily intake reaches this plan's goal in its time, so it cannot be followed: please "
                            "choose a longer time frame and calculate again.");
    return QString();
}
