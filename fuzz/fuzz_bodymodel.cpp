// The body-weight model from whatever the boxes and the previous calculation hold, or
// from any figures at all: the bridge and the model give either nothing (with a reason
// where one was asked for) or finite figures; weights above zero and at most ten times
// the start; intakes above zero; and every call ends.

#include "calculator/bodymodel.h"
#include "calculator/calculation.h"
#include "fuzzcheck.h"

#include <cmath>

namespace {

// Three times the baseline intake for ten years puts on less than five times the
// start weight in the heaviest cases found.
constexpr double kMostWeightRatio = 10;

// Mostly a figure between the bounds, sometimes any double, infinities and NaN included.
double consumeFigure(FuzzedDataProvider& data, double least, double most)
{
    switch (data.ConsumeIntegralInRange<int>(0, 7)) {
    case 0:
        return data.ConsumeFloatingPoint<double>();
    case 1: {
        const double odd[] {std::nan(""), HUGE_VAL, -HUGE_VAL, 0.0, -0.0, 1e-300, 1e300};
        return odd[data.ConsumeIntegralInRange<int>(0, 6)];
    }
    default:
        return data.ConsumeFloatingPointInRange<double>(least, most);
    }
}

QString describe(const BodyModelPerson& p)
{
    return QStringLiteral("%1 age %2 height %3 weight %4 resting %5 activity %6 ")
        .arg(p.male ? QStringLiteral("male") : QStringLiteral("female"))
        .arg(p.ageYears, 0, 'g', 17)
        .arg(p.heightMetres, 0, 'g', 17)
        .arg(p.weightKg, 0, 'g', 17)
        .arg(p.restingKcal, 0, 'g', 17)
        .arg(p.activityFactor, 0, 'g', 17);
}

bool plainReason(const QString& reason)
{
    const QString lower = reason.toLower();
    return !reason.isEmpty() && !lower.contains(QLatin1String("nan")) && !lower.contains(QLatin1String("inf"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    QString whyNot;
    std::optional<BodyModel> model;
    if (data.ConsumeIntegralInRange<int>(0, 3) > 0) {
        // Through the program's calculation, as the windows will use it.
        const QLocale locale = consumeLocale(data);
        PersonalDetails d;
        const int gender = data.ConsumeIntegralInRange<int>(0, 3);
        d.gender = gender == 0 ? QStringLiteral("Male")
            : gender == 1      ? QStringLiteral("Female")
                               : consumeText(data, 16);
        d.age = consumeFigureText(data, 6, 125);
        d.heightFeet = consumeFigureText(data, 0, 12);
        d.heightInches = consumeFigureText(data, 0, 11);
        d.weightPounds = consumeFigureText(data, 0, 1000);
        d.lossPounds = consumeFigureText(data, 0, 1000);
        d.timeFrameDays = consumeFigureText(data, 1, 1000);
        d.activityIndex = data.ConsumeBool() ? data.ConsumeIntegral<int>() : data.ConsumeIntegralInRange<int>(0, 4);
        CalorieResult previous;
        if (data.ConsumeBool()) {
            previous.activityFactor = consumeFigure(data, 0, 1);
            previous.totalHeightInches = consumeFigure(data, 0, 160);
            previous.basalCalories = consumeFigure(data, -1000, 10000);
        }
        CalculationSteps steps;
        const CalorieResult result = calculateCalories(d, previous, locale, &steps);
        model = bodyModelFor(d, result, steps, locale, &whyNot);
    } else {
        BodyModelPerson p;
        p.male = data.ConsumeBool();
        p.ageYears = consumeFigure(data, 0, 130);
        p.heightMetres = consumeFigure(data, 0, 3);
        p.weightKg = consumeFigure(data, 0, 400);
        p.restingKcal = consumeFigure(data, -500, 10000);
        p.activityFactor = consumeFigure(data, 0.5, 3);
        model = BodyModel::make(p, &whyNot);
    }
    if (!model) {
        FUZZ_REQUIRE(plainReason(whyNot), whyNot);
        return 0;
    }
    const QString ctx = describe(model->person());
    const double baseline = model->baselineIntake();
    const double highest = model->highestIntake();
    const BodyState start = model->initialState();
    const double startKg = start.weightKg();
    FUZZ_REQUIRE(std::isfinite(baseline) && baseline > 0 && std::isfinite(highest), ctx);
    FUZZ_REQUIRE(std::fabs(startKg - model->person().weightKg) <= 1e-9 * startKg, ctx);
    const auto keepStart = model->intakeToKeep(start);
    FUZZ_REQUIRE(keepStart && std::fabs(*keepStart - baseline) <= 1e-6 * baseline, ctx);

    // Intakes mostly around the baseline, some not above zero, some beyond the highest.
    const double intake = data.ConsumeBool() ? consumeFigure(data, -1e4, 1e5)
                                             : baseline * data.ConsumeIntegralInRange<int>(-20, 320) / 100;
    // Runs are kept to the program's time frames mostly; the longest now and then.
    const int days = data.ConsumeIntegralInRange<int>(0, 7) == 0 ? data.ConsumeIntegralInRange<int>(-5, 3700)
                                                                 : data.ConsumeIntegralInRange<int>(-5, 400);
    const QString run = ctx + QStringLiteral("intake %1 days %2").arg(intake, 0, 'g', 17).arg(days);
    const QList<double> weights = model->weightsKg(intake, days);
    if (!(intake > 0) || !(intake <= highest) || days < 0 || days > kLongestModelDays)
        FUZZ_REQUIRE(weights.isEmpty(), run);
    for (const double kg : weights)
        FUZZ_REQUIRE(std::isfinite(kg) && kg > 0 && kg <= kMostWeightRatio * startKg, run);
    const auto end = model->stateAfter(intake, days);
    FUZZ_REQUIRE(end.has_value() == !weights.isEmpty(), run);
    if (end) {
        FUZZ_REQUIRE(weights.size() == days + 1 && end->weightKg() == weights.last(), run);
        const auto keep = model->intakeToKeep(*end);
        if (keep)
            FUZZ_REQUIRE(std::isfinite(*keep) && *keep > 0 && *keep <= highest, run);
    }

    // A goal around the start weight, reached within a couple of months: a handful of
    // runs of a few hundred steps.
    const double goal = data.ConsumeBool() ? consumeFigure(data, -10, 500)
                                           : startKg * data.ConsumeIntegralInRange<int>(50, 150) / 100;
    const int reachDays = data.ConsumeIntegralInRange<int>(-1, 61);
    const QString reach = ctx + QStringLiteral("goal %1 days %2").arg(goal, 0, 'g', 17).arg(reachDays);
    const auto reaching = model->intakeToReach(goal, reachDays);
    if (reaching) {
        FUZZ_REQUIRE(std::isfinite(*reaching) && *reaching > 0 && *reaching <= highest, reach);
        const auto there = model->stateAfter(*reaching, reachDays);
        FUZZ_REQUIRE(there && std::fabs(there->weightKg() - goal) <= 0.05, reach);
    }
    return 0;
}
