#include "calculator/progress.h"

#include "calculator/conversion.h"
#include "calculator/decimalrounding.h"
#include "calculator/numbertext.h"

#include <QMap>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

double twoDecimals(double value)
{
    return roundHalfEven(value, 2).value_or(value);
}

// The plan's weight for a day, held at the start weight before the start and at the
// end weight after the end.
double expectedOn(const WeightPlan& plan, qint64 day)
{
    return plan.weightOnDay(static_cast<int>(std::clamp<qint64>(day, 0, std::max(plan.days, 0))));
}

bool allComputed(const CalculationSteps& s)
{
    return s.activityFactor && s.totalHeightInches && s.basalCalories && s.activityCalories && s.maintenanceCalories
        && s.lossPerDayPounds && s.dailyDeficit && s.goalCalories;
}

Replan makeReplan(const Progress& p, const QLocale& locale)
{
    Replan r;
    r.daysLeft = static_cast<int>(std::clamp<qint64>(p.today.daysTo(p.end), -kLongestTimeFrame - 1,
        kLongestTimeFrame + 1)); // beyond the list either way it makes no difference
    if (p.trend.isEmpty())
        return r;
    // The weight the texts show, two decimals, so that the person can redo the
    // calculation from the figures on the page; a scale shows no more anyway.
    r.fromPounds = twoDecimals(p.trendPounds);
    const WeightPlan& plan = p.plan;
    if (plan.goalPounds <= 0) {
        r.kind = ReplanKind::NoBodyWeight;
        return r;
    }
    if (r.fromPounds <= plan.goalPounds) {
        r.kind = ReplanKind::GoalReached;
        return r;
    }
    if (r.daysLeft > kLongestTimeFrame) {
        r.kind = ReplanKind::TooFarAway;
        return r;
    }

    r.details = plan.details;
    r.details.weightPounds = writeNumber(r.fromPounds, locale);
    r.details.weightKg = poundsToKilogramsText(r.details.weightPounds, locale).value_or(QString());
    r.details.lossPounds = writeNumber(twoDecimals(r.fromPounds - plan.goalPounds), locale);
    r.details.lossKg = poundsToKilogramsText(r.details.lossPounds, locale).value_or(QString());
    // With no day left the time frame is only there for the calculation to run; the
    // shortest time frame within the limits does not depend on it.
    r.details.timeFrameDays = QString::number(std::max(r.daysLeft, kShortestTimeFrame));
    CalculationSteps steps;
    const CalorieResult result = calculateCalories(r.details, plan.result, locale, &steps);
    if (!allComputed(steps)) {
        // A step kept a figure of the old plan: a re-plan on it would be no re-plan.
        r.kind = ReplanKind::OutOfRange;
        return r;
    }
    r.plan = makeWeightPlan(r.details, result, steps, p.today, locale);
    r.kind = r.daysLeft > 0 ? ReplanKind::InTime : ReplanKind::EndDateReached;
    return r;
}

} // namespace

QList<TrendDay> trendDays(const QList<DatedWeight>& weighIns, const QDate& today)
{
    QMap<QDate, double> byDate;
    for (const DatedWeight& w : weighIns) {
        if (w.date.isValid() && w.date <= today && std::isfinite(w.pounds) && w.pounds > 0)
            byDate.insert(w.date, w.pounds);
    }
    QList<TrendDay> days;
    if (byDate.isEmpty())
        return days;

    auto it = byDate.cbegin();
    QDate previousDate = it.key();
    double previousPounds = it.value();
    double trend = previousPounds;
    days.append({previousDate, previousPounds, trend, true});
    for (++it; it != byDate.cend(); ++it) {
        const qint64 gap = previousDate.daysTo(it.key());
        for (qint64 k = 1; k <= gap; ++k) {
            // A fraction first, so that the difference of two huge weights is never
            // multiplied past the range.
            const double pounds = k == gap
                ? it.value()
                : previousPounds + (it.value() - previousPounds) * (static_cast<double>(k) / gap);
            trend += kTrendSmoothing * (pounds - trend);
            days.append({previousDate.addDays(k), pounds, trend, k == gap});
        }
        previousDate = it.key();
        previousPounds = it.value();
    }
    return days;
}

Progress makeProgress(
    const WeightPlan& plan, const QList<DatedWeight>& weighIns, const QDate& today, const QLocale& locale)
{
    Progress p;
    p.plan = plan;
    p.today = today;
    p.start = plan.today;
    p.end = plan.today.addDays(plan.days);
    p.day = p.start.daysTo(today);
    p.stage = p.day < 0 ? PlanStage::NotStarted : p.day > plan.days ? PlanStage::Ended : PlanStage::Running;
    p.expectedTodayPounds = expectedOn(plan, p.day);

    p.trend = trendDays(weighIns, today);
    p.weighInCount = static_cast<int>(
        std::count_if(p.trend.cbegin(), p.trend.cend(), [](const TrendDay& d) { return d.weighed; }));
    if (p.trend.isEmpty()) {
        p.replan = makeReplan(p, locale);
        return p;
    }

    const TrendDay& last = p.trend.last();
    p.trendDate = last.date;
    p.trendPounds = last.trendPounds;
    p.expectedOnTrendDatePounds = expectedOn(plan, p.start.daysTo(p.trendDate));
    p.spanDays = static_cast<int>(p.trend.size() - 1);
    p.weighInsNeeded = std::max(0, kFewestWeighInsForPace - p.weighInCount);
    p.daysNeeded = std::max(0, kPaceDays - p.spanDays);

    if (p.paceKnown()) {
        const TrendDay& before = p.trend.at(p.trend.size() - 1 - kPaceDays);
        p.lossPerDayPounds = (before.trendPounds - last.trendPounds) / kPaceDays;

        const double toLose = twoDecimals(p.trendPounds) - plan.goalPounds;
        if (toLose <= 0) {
            p.forecast = Forecast::Reached;
        } else if (twoDecimals(p.poundsPerWeek()) <= 0) {
            p.forecast = Forecast::Never; // as the texts write the pace: a gain, or 0.00 lb a week
        } else {
            const double daysToGoal = std::ceil(toLose / p.lossPerDayPounds);
            if (daysToGoal <= kFurthestForecastDays) {
                p.forecast = Forecast::OnDate;
                p.goalDate = p.trendDate.addDays(static_cast<qint64>(daysToGoal));
            } else {
                p.forecast = Forecast::TooFar;
            }
        }

        if (plan.result.goalAchievable) {
            const double estimate = std::round(plan.result.goalCalories + p.lossPerDayPounds * kCaloriesPerPound);
            if (std::isfinite(estimate) && estimate > 0)
                p.estimatedMaintenanceCalories = estimate;
        }
    }

    p.replan = makeReplan(p, locale);
    return p;
}
