#include "calculator/progress.h"

#include "calculator/bodymodel.h"
#include "calculator/conversion.h"
#include "calculator/decimalrounding.h"
#include "calculator/numbertext.h"

#include <QCoreApplication>
#include <QMap>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

// Scale noise of the median absolute deviation for normally distributed noise.
constexpr double kMadToDeviation = 1.4826;
// A bathroom scale reads to 0.2 lb: a spread below that is luck, not a steady body.
constexpr double kLeastSpreadPounds = 0.2;
// Margins of two standard errors, about 95 in 100.
constexpr double kMarginErrors = 2;
constexpr int kFewestForBoundary = 3;

double median(std::vector<double> values)
{
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1)
        return upper;
    return (*std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle)) + upper) / 2;
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
    r.fromPounds = twoDecimals(p.weightPounds);
    if (p.stale()) {
        r.kind = ReplanKind::Stale;
        return r;
    }
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

// The weight the weigh-ins give at a stretch's end, from the line through those of the
// four weeks before it: a change of intake just after the end then bends nothing the
// line is drawn through. Nothing with too few.
std::optional<WeightLine> weightAtEnd(const QList<DatedWeight>& measured, const QDate& day)
{
    auto line = fitWeightLine(measured, day.addDays(1 - kLineDays), day, day);
    if (line && line->count < kFewestForBoundary)
        return std::nullopt;
    return line;
}

struct ProgressText
{
    Q_DECLARE_TR_FUNCTIONS(ProgressText)
};

EatenEstimate estimateEaten(const Progress& p, const QList<DatedWeight>& measured, const QLocale& locale)
{
    EatenEstimate e;
    const auto refuse = [&e](const QString& why) {
        e.refusal = why;
        return e;
    };
    if (p.stale())
        return refuse(ProgressText::tr("Your last weigh-in is too long ago to tell what you have eaten lately."));
    QString whyNot;
    const std::optional<BodyModel> model = bodyModelFor(p.plan.details, p.plan.result, p.plan.steps, locale, &whyNot);
    if (!model) {
        if (!whyNot.isEmpty())
            whyNot[0] = whyNot[0].toLower();
        //: %1 the reason, a sentence begun in lower case
        return refuse(ProgressText::tr("Your weigh-ins give no figure for what you have eaten: %1").arg(whyNot));
    }
    if (!p.line) {
        //: %1 the weigh-ins needed, %2 the days they must span (both more than one)
        return refuse(
            ProgressText::tr("What you have eaten shows once you have %1 weigh-ins over at least %2 days of your "
                             "plan.")
                .arg(kFewestWeighInsForPace)
                .arg(kPaceDays));
    }
    const QDate last = p.weightDate;
    const qint64 since = p.start.daysTo(last);
    if (since < kPaceDays) {
        //: %1 a count of days (more than one)
        return refuse(
            ProgressText::tr("What you have eaten shows once your plan has run %1 days and you have weighed in "
                             "on the last of them.")
                .arg(kPaceDays));
    }
    if (since > kLongestModelDays)
        return refuse(
            ProgressText::tr("Your plan started more than ten years before your last weigh-in, further back than "
                             "the body model runs."));

    // Stretch ends back from the last weigh-in, none closer than kPaceDays to the start;
    // an end without weigh-ins around it joins its two stretches.
    QList<QDate> ends {last};
    QList<WeightLine> lines {*p.line};
    for (QDate end = last.addDays(-kIntakeDays); p.start.daysTo(end) >= kPaceDays; end = end.addDays(-kIntakeDays)) {
        if (const auto line = weightAtEnd(measured, end)) {
            ends.prepend(end);
            lines.prepend(*line);
        }
    }
    BodyState state = model->initialState();
    QDate from = p.start;
    double startMarginPounds = 0;
    for (int i = 0; i < ends.size(); ++i) {
        const int days = static_cast<int>(from.daysTo(ends.at(i)));
        const double endKg = lines.at(i).pounds * kExactKilogramsPerPound;
        const auto intake = model->intakeBetween(state, endKg, days);
        const auto next = intake ? model->stateAfter(state, *intake, days) : std::nullopt;
        if (!next) {
            return refuse(
                ProgressText::tr("Your weigh-ins change faster than the body model can follow, so they give no "
                                 "figure for what you have eaten."));
        }
        if (i == ends.size() - 1) {
            // The weights at both ends of the stretch carry the line's margin.
            const double marginKg = std::hypot(lines.at(i).poundsMargin, startMarginPounds) * kExactKilogramsPerPound;
            e.from = from;
            e.to = ends.at(i);
            e.calories = *intake;
            e.lowCalories = model->intakeBetween(state, endKg - marginKg, days).value_or(0);
            e.highCalories = model->intakeBetween(state, endKg + marginKg, days).value_or(model->highestIntake());
            e.keepCalories = model->intakeToKeep(*next);
        }
        state = *next;
        from = ends.at(i);
        startMarginPounds = lines.at(i).poundsMargin;
    }
    return e;
}

} // namespace

std::optional<double> Progress::goalShare() const
{
    if (trend.isEmpty() || !(plan.lossPounds > 0))
        return std::nullopt;
    return lostPounds() / plan.lossPounds;
}

std::optional<double> Progress::bodyMassIndex() const
{
    const double inches = plan.result.totalHeightInches;
    if (trend.isEmpty() || !(inches > 0))
        return std::nullopt;
    const double bmi = weightPounds * kExactKilogramsPerPound / std::pow(inches * 0.0254, 2);
    if (!std::isfinite(bmi))
        return std::nullopt;
    return bmi;
}

std::optional<WeightLine> fitWeightLine(
    const QList<DatedWeight>& weighIns, const QDate& from, const QDate& to, const QDate& at)
{
    std::vector<double> x;
    std::vector<double> y;
    QDate first;
    QDate last;
    for (const DatedWeight& w : weighIns) {
        if (w.date < from || w.date > to || !std::isfinite(w.pounds))
            continue;
        x.push_back(static_cast<double>(at.daysTo(w.date)));
        y.push_back(w.pounds);
        first = first.isValid() ? std::min(first, w.date) : w.date;
        last = last.isValid() ? std::max(last, w.date) : w.date;
    }
    const std::size_t n = x.size();
    if (n < 3 || first == last)
        return std::nullopt;
    std::vector<double> slopes;
    slopes.reserve(n * (n - 1) / 2);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (x[i] != x[j])
                slopes.push_back((y[j] - y[i]) / (x[j] - x[i]));
        }
    }
    const double slope = median(slopes);
    std::vector<double> levels(n);
    for (std::size_t i = 0; i < n; ++i)
        levels[i] = y[i] - slope * x[i];
    const double level = median(levels);

    double meanX = 0;
    for (const double v : x)
        meanX += v / static_cast<double>(n);
    double sxx = 0;
    std::vector<double> distances(n);
    for (std::size_t i = 0; i < n; ++i) {
        sxx += (x[i] - meanX) * (x[i] - meanX);
        distances[i] = std::fabs(y[i] - level - slope * x[i]);
    }
    WeightLine line;
    line.date = at;
    line.pounds = level;
    line.lossPerDayPounds = -slope;
    line.spreadPounds = kMadToDeviation * median(distances);
    const double spread = std::max(line.spreadPounds, kLeastSpreadPounds);
    line.lossMarginPerDay = kMarginErrors * spread / std::sqrt(sxx);
    line.poundsMargin = kMarginErrors * spread * std::sqrt(1 / static_cast<double>(n) + meanX * meanX / sxx);
    line.count = static_cast<int>(n);
    line.spanDays = static_cast<int>(first.daysTo(last));
    if (!std::isfinite(line.pounds) || !std::isfinite(line.lossPerDayPounds) || !std::isfinite(line.lossMarginPerDay))
        return std::nullopt;
    return line;
}

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

    QList<DatedWeight> measured;
    for (const TrendDay& d : p.trend) {
        if (d.weighed)
            measured.append({d.date, d.pounds});
    }
    const DatedWeight& last = measured.last();
    p.weightDate = last.date;
    p.weightPounds = last.pounds;
    const QDate from = last.date.addDays(1 - kLineDays);
    const auto recent
        = std::count_if(measured.cbegin(), measured.cend(), [&from](const DatedWeight& w) { return w.date >= from; });
    const auto firstRecent
        = std::find_if(measured.cbegin(), measured.cend(), [&from](const DatedWeight& w) { return w.date >= from; });
    p.spanDays = static_cast<int>(firstRecent->date.daysTo(last.date));
    p.recentWeighIns = static_cast<int>(recent);
    p.weighInsNeeded = std::max(0, kFewestWeighInsForPace - p.recentWeighIns);
    p.daysNeeded = std::max(0, kPaceDays - p.spanDays);
    if (p.weighInsNeeded == 0 && p.daysNeeded == 0)
        p.line = fitWeightLine(measured, from, last.date, last.date);
    if (p.line) {
        p.weightPounds = p.line->pounds;
        p.lossPerDayPounds = p.line->lossPerDayPounds;
    }
    p.expectedOnWeightDatePounds = expectedOn(plan, p.start.daysTo(p.weightDate));

    const double toLose = twoDecimals(p.weightPounds) - plan.goalPounds;
    if (p.stale()) {
        p.forecast = Forecast::Stale;
    } else if (!p.line) {
        p.forecast = Forecast::NotYet;
    } else if (toLose <= 0) {
        p.forecast = Forecast::Reached;
    } else if (twoDecimals(p.poundsPerWeek()) <= 0) {
        p.forecast = Forecast::Never; // as the texts write the pace: a gain, or 0.00 lb a week
    } else {
        const double slowest = p.lossPerDayPounds - p.line->lossMarginPerDay;
        const double fastest = p.lossPerDayPounds + p.line->lossMarginPerDay;
        if (!(slowest > 0)) {
            p.forecast = Forecast::Unclear;
        } else if (std::ceil(toLose / slowest) > kFurthestForecastDays) {
            p.forecast = Forecast::TooFar;
        } else {
            // Counted from the last weigh-in; a date that has passed reads as today.
            const auto on = [&](double perDay) {
                return std::max(p.today, p.weightDate.addDays(static_cast<qint64>(std::ceil(toLose / perDay))));
            };
            p.forecast = Forecast::OnDate;
            p.goalDate = on(p.lossPerDayPounds);
            p.goalDateEarliest = on(fastest);
            p.goalDateLatest = on(slowest);
        }
    }

    p.eaten = estimateEaten(p, measured, locale);
    p.replan = makeReplan(p, locale);
    return p;
}
