#include "calculator/bodymodel.h"

#include "calculator/numbertext.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

// The model's constants, in kcal as the NIH planner has them (the papers give kJ or MJ,
// and the planner's kcal figures are rounded from them).
constexpr double kFatEnergy = 9440; // rho_F, kcal/kg: Hall 2008 (39.5 MJ/kg)
constexpr double kLeanEnergy = 1807; // rho_L, kcal/kg: Hall 2008 (7.6 MJ/kg)
constexpr double kGlycogenEnergy = 4180; // rho_G, kcal/kg: Hall et al. 2011, appendix (17.6 MJ/kg)
constexpr double kFatUpkeep = 3.2; // gamma_F, kcal/kg/day: Hall 2010
constexpr double kLeanUpkeep = 22; // gamma_L, kcal/kg/day: Hall 2010
constexpr double kFatSynthesis = 180; // eta_F, kcal/kg: Chow & Hall 2008, Hall 2010
constexpr double kLeanSynthesis = 230; // eta_L, kcal/kg: Chow & Hall 2008, Hall 2010
constexpr double kThermicEffect = 0.10; // beta_TEF, of the intake: Hall 2010
constexpr double kAdaptation = 0.14; // beta_AT, of the change of intake: Hall et al. 2011, appendix
constexpr double kAdaptationDays = 14; // tau_AT: Hall et al. 2011, appendix
// Forbes' constant, 10.4 kg of fat (Forbes GB, Nutrition Reviews 1987; 45: 225-231), as
// energy: the share of an imbalance taken from lean tissue is C / (C + F) (Chow & Hall 2008).
constexpr double kForbes = 10.4 * kLeanEnergy / kFatEnergy;
constexpr double kInitialGlycogen = 0.5; // kg: Hall et al. 2011, appendix
constexpr double kGlycogenWater = 2.7; // g of water stored with each g: Hall et al. 2011, appendix
constexpr double kCarbohydrateShare = 0.5; // of the intake, before and after: the NIH planner's diet
// Extracellular water (Hall et al. 2011, appendix): the sodium eaten, which follows the
// intake from 4000 mg a day at the start; its concentration, 3.22 mg/mL; how fast the
// kidneys clear a surplus, 3000 mg/L/day; and the sodium kept when carbohydrate falls,
// 4000 mg/day.
constexpr double kBaselineSodium = 4000; // mg/day
constexpr double kSodiumPerLitre = 3220; // mg/L
constexpr double kSodiumClearance = 3000; // mg/L/day
constexpr double kCarbohydrateSodium = 4000; // mg/day

// Initial body fat, per cent of the weight, from sex, age and body mass index: Jackson
// et al. 2002 in the form Hall et al. 2011 (appendix) give it.
struct FatEquation
{
    double perYear;
    double perLogBmi;
    double constant;
};
constexpr FatEquation kMenFat {0.14, 37.31, -103.94};
constexpr FatEquation kWomenFat {0.14, 39.96, -102.01};
constexpr double kMostFatPercent = 60;

// Mifflin et al. 1990, in the published coefficients (not the rounded 10, 6.25, 5).
constexpr double kMifflinPerKg = 9.99;
constexpr double kMifflinPerCm = 6.25;
constexpr double kMifflinPerYear = 4.92;
constexpr double kMifflinMen = 5;
constexpr double kMifflinWomen = -161;

// Where the model holds. It was fitted to adults; the body mass index bounds those of
// the studies behind it, with room either side.
constexpr double kYoungestAge = 18;
constexpr double kOldestAge = 125; // the program's own age list ends there
constexpr double kLeastBmi = 15;
constexpr double kMostBmi = 60;
constexpr double kShortestMetres = 1.0;
constexpr double kTallestMetres = 2.5;
// A resting expenditure is 12 kcal per kg a day or so for the heaviest adults and 45
// for the smallest, and some 6000 kcal a day at most; beyond these bounds the figure is
// not a body's (and glycogen would move too fast for a run of a few steps a day).
constexpr double kLeastRestingPerKg = 5;
constexpr double kMostRestingPerKg = 60;
constexpr double kMostRestingKcal = 8000;
// Below 1 / (1 - beta_TEF), about 1.11, physical activity would cost nothing or less;
// levels above about 2.4 are hard to keep up (FAO/WHO/UNU, Human energy requirements,
// 2004). The program's own levels run from 1.2 to 1.9.
constexpr double kLeastActivity = 1.12;
constexpr double kMostActivity = 2.5;
constexpr double kMostIntakeRatio = 3;
// No one lives to weigh in after losing half the lean tissue; the model stops there.
constexpr double kLeastLeanShare = 0.5;

constexpr double kBisectionKcal = 0.5;
constexpr double kSecantSlackKcal = 2;
constexpr int kMostSecants = 4;
// Glycogen and extracellular water settle within a day or two (time constants of about
// a day, less for large intakes), fat and lean tissue over months. Steps of at most half
// the fastest time constant keep RK4 within a gram of the exact weights over those
// first days, where a step of a whole day is off by ten: two or three steps a day.
constexpr double kLargestStepRate = 0.5;

enum : int { kFat, kLean, kGlycogen, kWater, kAdaptive, kStateSize };

bool finite(const BodyState& s)
{
    return std::isfinite(s.fatKg) && std::isfinite(s.leanKg) && std::isfinite(s.glycogenKg)
        && std::isfinite(s.extracellularWaterKg) && std::isfinite(s.adaptiveKcal);
}

// The reasons the model does not hold, which the plan gives in its words.
struct ModelText
{
    Q_DECLARE_TR_FUNCTIONS(ModelText)
};

// A figure for a reason, already rounded; nothing where it would not be short.
QString shortFigure(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= 10000)
        return QString();
    return writeNumber(value, QLocale::c());
}

bool refuse(QString* whyNot, const QString& reason)
{
    if (whyNot)
        *whyNot = reason;
    return false;
}

bool check(const BodyModelPerson& p, QString* whyNot)
{
    if (!std::isfinite(p.ageYears))
        return refuse(whyNot, ModelText::tr("The age is not a figure the model can use."));
    if (p.ageYears < kYoungestAge)
        return refuse(whyNot, ModelText::tr("The model is made for adults: it does not hold under 18 years."));
    if (p.ageYears > kOldestAge)
        return refuse(whyNot, ModelText::tr("The model does not hold past 125 years of age."));
    if (!std::isfinite(p.heightMetres))
        return refuse(whyNot, ModelText::tr("The height is not a figure the model can use."));
    if (p.heightMetres <= 0)
        return refuse(whyNot, ModelText::tr("The model needs a height above zero."));
    if (p.heightMetres < kShortestMetres || p.heightMetres > kTallestMetres)
        return refuse(
            whyNot, ModelText::tr("The model holds for a height between 1 and 2.5 metres (3 ft 3 in and 8 ft 2 in)."));
    if (!std::isfinite(p.weightKg))
        return refuse(whyNot, ModelText::tr("The weight is not a figure the model can use."));
    if (p.weightKg <= 0)
        return refuse(whyNot, ModelText::tr("The model needs a weight above zero."));
    const double bmi = p.weightKg / (p.heightMetres * p.heightMetres);
    if (bmi < kLeastBmi || bmi > kMostBmi) {
        // Rounded away from the bounds, so that 14.96 does not read as 15.
        const double shown = bmi < kLeastBmi ? std::floor(bmi * 10) / 10 : std::ceil(bmi * 10) / 10;
        if (shown < 1) {
            return refuse(whyNot,
                ModelText::tr("The model holds for a body mass index between 15 and 60; yours is far below that."));
        }
        if (shown >= 1000) {
            return refuse(whyNot,
                ModelText::tr("The model holds for a body mass index between 15 and 60; yours is far above that."));
        }
        //: %1 the person's body mass index
        return refuse(whyNot,
            ModelText::tr("The model holds for a body mass index between 15 and 60; yours is %1.")
                .arg(shortFigure(shown)));
    }
    if (!std::isfinite(p.restingKcal))
        return refuse(whyNot, ModelText::tr("The resting energy expenditure is not a figure the model can use."));
    if (p.restingKcal <= 0)
        return refuse(whyNot, ModelText::tr("The model needs a resting energy expenditure above zero."));
    const double perKg = p.restingKcal / p.weightKg;
    if (perKg < kLeastRestingPerKg || perKg > kMostRestingPerKg || p.restingKcal > kMostRestingKcal)
        return refuse(whyNot,
            perKg < kLeastRestingPerKg
                ? ModelText::tr("The model cannot use a resting energy expenditure this low for your weight.")
                : ModelText::tr("The model cannot use a resting energy expenditure this high for your weight."));
    if (!std::isfinite(p.activityFactor) || p.activityFactor < kLeastActivity || p.activityFactor > kMostActivity) {
        const QString figure = shortFigure(std::round(p.activityFactor * 100) / 100);
        if (figure.isEmpty()) {
            return refuse(whyNot,
                ModelText::tr("The model holds for an activity level between 1.12 and 2.5 times the resting "
                              "expenditure; yours is far outside that."));
        }
        //: %1 the person's activity level, a multiple of the resting expenditure
        return refuse(whyNot,
            ModelText::tr("The model holds for an activity level between 1.12 and 2.5 times the resting "
                          "expenditure; yours is %1.")
                .arg(figure));
    }
    return true;
}

} // namespace

double BodyState::weightKg() const
{
    const double kg = fatKg + leanKg + glycogenKg * (1 + kGlycogenWater) + extracellularWaterKg;
    return std::isfinite(kg) ? kg : 0;
}

std::optional<double> mifflinStJeorResting(bool male, double ageYears, double heightMetres, double weightKg)
{
    const double kcal = kMifflinPerKg * weightKg + kMifflinPerCm * heightMetres * 100 - kMifflinPerYear * ageYears
        + (male ? kMifflinMen : kMifflinWomen);
    if (!std::isfinite(kcal))
        return std::nullopt;
    return kcal;
}

std::optional<BodyModel> BodyModel::make(const BodyModelPerson& person, QString* whyNot)
{
    if (!check(person, whyNot))
        return std::nullopt;
    BodyModel m;
    m.m_person = person;
    m.m_baselineIntake = person.activityFactor * person.restingKcal;

    const double bmi = person.weightKg / (person.heightMetres * person.heightMetres);
    const FatEquation& fat = person.male ? kMenFat : kWomenFat;
    const double fatPercent = std::clamp(
        fat.perYear * person.ageYears + fat.perLogBmi * std::log(bmi) + fat.constant, 0.0, kMostFatPercent);
    m.m_initialFatKg = person.weightKg * fatPercent / 100;
    m.m_initialLeanKg = person.weightKg - m.m_initialFatKg - kInitialGlycogen * (1 + kGlycogenWater);

    // Physical activity costs delta per kg of weight; at the start it is what is left of
    // the total once the resting expenditure and the thermic effect of food are paid.
    m.m_activityPerKg = ((1 - kThermicEffect) * person.activityFactor - 1) * person.restingKcal / person.weightKg;
    // K balances the expenditure against the baseline intake at the start.
    m.m_constantKcal = m.m_baselineIntake - kFatUpkeep * m.m_initialFatKg - kLeanUpkeep * m.m_initialLeanKg
        - m.m_activityPerKg * person.weightKg;
    // Glycogen stays at its initial amount while carbohydrate stays at its baseline.
    m.m_glycogenClearance = kCarbohydrateShare * m.m_baselineIntake / (kInitialGlycogen * kInitialGlycogen);
    return m;
}

BodyState BodyModel::initialState() const
{
    return {m_initialFatKg, m_initialLeanKg, kInitialGlycogen, 0, 0};
}

double BodyModel::highestIntake() const
{
    return kMostIntakeRatio * m_baselineIntake;
}

// What a constant intake puts into the equations, worked out once for a run.
struct BodyModel::Intake
{
    double kcal;
    double carbohydrateKcal;
    double fixedKcal; // K and the thermic effect of the change of intake
    double waterInflow; // kg/day: the sodium eaten and kept beyond the baseline
    double settledAdaptiveKcal;
};

BodyModel::Intake BodyModel::intake(double kcal) const
{
    const double change = kcal - m_baselineIntake;
    const double ratio = kcal / m_baselineIntake; // of carbohydrate and sodium too
    return {kcal, kCarbohydrateShare * kcal, m_constantKcal + kThermicEffect * change,
        (kBaselineSodium * (ratio - 1) - kCarbohydrateSodium * (1 - ratio)) / kSodiumPerLitre, kAdaptation * change};
}

void BodyModel::derivatives(const double* y, const Intake& in, double* dy) const
{
    // The hot loop of every run: divisions by constants are multiplications.
    constexpr double perGlycogenKcal = 1 / kGlycogenEnergy;
    constexpr double perFatKcal = 1 / kFatEnergy;
    constexpr double perLeanKcal = 1 / kLeanEnergy;
    constexpr double waterClearance = kSodiumClearance / kSodiumPerLitre;
    constexpr double perAdaptationDay = 1 / kAdaptationDays;
    constexpr double fatSynthesis = kFatSynthesis / kFatEnergy;
    constexpr double leanSynthesis = kLeanSynthesis / kLeanEnergy;

    const double glycogenKcal = in.carbohydrateKcal - m_glycogenClearance * y[kGlycogen] * y[kGlycogen];
    dy[kGlycogen] = glycogenKcal * perGlycogenKcal;
    dy[kWater] = in.waterInflow - waterClearance * y[kWater];
    dy[kAdaptive] = (in.settledAdaptiveKcal - y[kAdaptive]) * perAdaptationDay;

    const double leanShare = kForbes / (kForbes + y[kFat]);
    const double weight = y[kFat] + y[kLean] + y[kGlycogen] * (1 + kGlycogenWater) + y[kWater];
    const double expenditure
        = in.fixedKcal + kFatUpkeep * y[kFat] + kLeanUpkeep * y[kLean] + m_activityPerKg * weight + y[kAdaptive];
    // Laying down tissue costs energy in proportion to the imbalance it stores; solved
    // for the imbalance left to fat and lean tissue.
    const double synthesis = fatSynthesis + (leanSynthesis - fatSynthesis) * leanShare;
    const double imbalance = (in.kcal - glycogenKcal - expenditure) / (1 + synthesis);
    dy[kFat] = (1 - leanShare) * imbalance * perFatKcal;
    dy[kLean] = leanShare * imbalance * perLeanKcal;
}

std::optional<BodyState> BodyModel::run(
    const BodyState& start, double intakeKcal, int days, QList<double>* weights) const
{
    if (!(intakeKcal > 0 && intakeKcal <= highestIntake()) || days < 0 || days > kLongestModelDays)
        return std::nullopt;
    const Intake in = intake(intakeKcal);
    // Glycogen is fastest where it is fullest; it settles between its initial amount
    // and that of the intake.
    const double fullest = kInitialGlycogen * std::max(1.0, std::sqrt(intakeKcal / m_baselineIntake));
    const double fastest
        = std::max(2 * m_glycogenClearance * fullest / kGlycogenEnergy, kSodiumClearance / kSodiumPerLitre);
    const int steps = std::max(1, static_cast<int>(std::ceil(fastest / kLargestStepRate)));
    const double h = 1.0 / steps;
    const double leastLean = kLeastLeanShare * m_initialLeanKg;
    if (!finite(start) || start.fatKg < 0 || start.leanKg < leastLean || start.glycogenKg < 0)
        return std::nullopt;

    double y[kStateSize]
        = {start.fatKg, start.leanKg, start.glycogenKg, start.extracellularWaterKg, start.adaptiveKcal};
    double k1[kStateSize], k2[kStateSize], k3[kStateSize], k4[kStateSize], t[kStateSize];
    if (weights) {
        weights->clear();
        weights->reserve(days + 1);
        weights->append(start.weightKg());
    }
    for (int day = 1; day <= days; ++day) {
        for (int step = 0; step < steps; ++step) {
            derivatives(y, in, k1);
            for (int i = 0; i < kStateSize; ++i)
                t[i] = y[i] + h / 2 * k1[i];
            derivatives(t, in, k2);
            for (int i = 0; i < kStateSize; ++i)
                t[i] = y[i] + h / 2 * k2[i];
            derivatives(t, in, k3);
            for (int i = 0; i < kStateSize; ++i)
                t[i] = y[i] + h * k3[i];
            derivatives(t, in, k4);
            for (int i = 0; i < kStateSize; ++i)
                y[i] += h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
        }
        const BodyState s {y[kFat], y[kLean], y[kGlycogen], y[kWater], y[kAdaptive]};
        if (!finite(s) || s.fatKg < 0 || s.leanKg < leastLean || s.glycogenKg < 0) {
            if (weights)
                weights->clear();
            return std::nullopt;
        }
        if (weights)
            weights->append(s.weightKg());
    }
    return BodyState {y[kFat], y[kLean], y[kGlycogen], y[kWater], y[kAdaptive]};
}

QList<double> BodyModel::weightsKg(double intakeKcal, int days) const
{
    QList<double> weights;
    if (!run(initialState(), intakeKcal, days, &weights))
        return {};
    return weights;
}

std::optional<BodyState> BodyModel::stateAfter(double intakeKcal, int days) const
{
    return run(initialState(), intakeKcal, days, nullptr);
}

std::optional<BodyState> BodyModel::stateAfter(const BodyState& from, double intakeKcal, int days) const
{
    return run(from, intakeKcal, days, nullptr);
}

std::optional<double> BodyModel::intakeBetween(const BodyState& from, double endKg, int days) const
{
    if (!std::isfinite(endKg) || endKg <= 0 || days < 1 || days > kLongestModelDays)
        return std::nullopt;
    // The weight at the end grows with the intake: bisect between an intake that falls
    // short (or that the body does not survive) and one that reaches it.
    double low = 0;
    double high = highestIntake();
    const auto top = stateAfter(from, high, days);
    if (!top || top->weightKg() < endKg)
        return std::nullopt;
    bool lowLeavesModel = true;
    while (high - low > kBisectionKcal) {
        const double middle = (low + high) / 2;
        const auto s = stateAfter(from, middle, days);
        if (s && s->weightKg() >= endKg) {
            high = middle;
        } else {
            low = middle;
            lowLeavesModel = !s;
        }
    }
    if (lowLeavesModel)
        return std::nullopt;
    return (low + high) / 2;
}

std::optional<double> BodyModel::intakeToKeep(const BodyState& state) const
{
    if (!finite(state) || state.fatKg < 0 || state.leanKg <= 0)
        return std::nullopt;
    // At a steady intake I = I0 s^2 glycogen settles at G0 s and extracellular water at
    // e (s^2 - 1); fat and lean mass keep where I pays the expenditure. That is a
    // quadratic a2 s^2 + a1 s + a0 = 0, whose larger root is the steady state.
    const double delta = m_activityPerKg;
    const double adapting = kThermicEffect + kAdaptation;
    const double e = (kBaselineSodium + kCarbohydrateSodium) / kSodiumClearance;
    const double tissue
        = m_constantKcal + kFatUpkeep * state.fatKg + kLeanUpkeep * state.leanKg + delta * (state.fatKg + state.leanKg);
    const double a2 = delta * e - (1 - adapting) * m_baselineIntake;
    const double a1 = delta * kInitialGlycogen * (1 + kGlycogenWater);
    const double a0 = tissue - delta * e - adapting * m_baselineIntake;
    const double discriminant = a1 * a1 - 4 * a2 * a0;
    if (!(a2 < 0) || !(discriminant >= 0))
        return std::nullopt;
    const double s = (a1 + std::sqrt(discriminant)) / (-2 * a2);
    const double intake = m_baselineIntake * s * s;
    if (!std::isfinite(intake) || !(intake > 0 && intake <= highestIntake()))
        return std::nullopt;
    return intake;
}

std::optional<double> BodyModel::intakeToReach(double goalKg, int days) const
{
    if (!std::isfinite(goalKg) || goalKg <= 0 || days < 1 || days > kLongestModelDays)
        return std::nullopt;
    // The weight on the day grows with the intake; the range [low, high] holds the
    // answer, low falling short of the goal and high reaching it. An intake the body
    // does not survive (the model gives nothing) falls short of any goal.
    const auto overGoal = [&](double intake) -> std::optional<double> {
        const auto s = stateAfter(intake, days);
        return s ? std::optional<double>(s->weightKg() - goalKg) : std::nullopt;
    };
    double low = 0; // never run: nothing falls shorter
    double high = highestIntake();
    bool lowLeavesModel = false;
    const auto tryIntake = [&](double intake) {
        if (!(intake > low && intake < high))
            return std::optional<double>();
        const auto over = overGoal(intake);
        if (over && *over >= 0) {
            high = intake;
        } else {
            low = intake;
            lowLeavesModel = !over;
        }
        return over;
    };
    // The baseline intake keeps the start weight, without a run.
    const double startOver = initialState().weightKg() - goalKg;
    if (startOver == 0)
        return m_baselineIntake;
    if (startOver > 0) {
        high = m_baselineIntake;
    } else {
        low = m_baselineIntake;
        const auto over = overGoal(high);
        if (!over || *over < 0)
            return std::nullopt;
    }
    // The weight on the day is close to a straight line in the intake: secants from the
    // baseline through a first guess (the 3500-kcal-a-pound rule's) come within a few
    // kcal in a run or two, and runs either side of the last leave the bisection a
    // range of a few kcal rather than thousands. Where they do not, the bisection takes
    // longer, no more.
    const double margin = (high - low) / 20;
    double before = m_baselineIntake;
    double overBefore = startOver;
    double last = std::clamp(m_baselineIntake - startOver * 7700 / days, low + margin, high - margin); // kcal/kg
    auto overLast = tryIntake(last);
    for (int i = 0; i < kMostSecants && overLast && *overLast != overBefore; ++i) {
        const double next = last - *overLast * (last - before) / (*overLast - overBefore);
        if (!std::isfinite(next))
            break;
        if (std::fabs(next - last) < kSecantSlackKcal) {
            tryIntake(next - kSecantSlackKcal);
            tryIntake(next + kSecantSlackKcal);
            break;
        }
        before = last;
        overBefore = *overLast;
        last = next;
        overLast = tryIntake(next);
    }
    while (high - low > kBisectionKcal)
        tryIntake((low + high) / 2);
    // Every intake tried overshoots the goal, or the goal lies where the body leaves
    // the model: no intake the model takes reaches it.
    if (low == 0 || lowLeavesModel)
        return std::nullopt;
    return (low + high) / 2;
}

std::optional<BodyModel> bodyModelFor(const PersonalDetails& details, const CalorieResult& result,
    const CalculationSteps& steps, const QLocale& locale, QString* whyNot)
{
    const bool fresh = steps.activityFactor && steps.totalHeightInches && steps.basalCalories && steps.activityCalories
        && steps.maintenanceCalories && steps.lossPerDayPounds && steps.dailyDeficit && steps.goalCalories;
    if (!fresh) {
        refuse(whyNot,
            ModelText::tr("A step of the calculation failed and kept an earlier figure, so the model has no "
                          "fresh figures to start from."));
        return std::nullopt;
    }
    const auto age = readNumber(details.age, locale);
    if (!age) {
        refuse(whyNot, ModelText::tr("The age is not a figure the model can use."));
        return std::nullopt;
    }
    const auto pounds = readNumber(details.weightPounds, locale);
    if (!pounds) {
        refuse(whyNot, ModelText::tr("The weight in pounds is not a figure the model can use."));
        return std::nullopt;
    }
    BodyModelPerson person;
    person.male = &equationFor(details.gender) == &kMaleEquation;
    person.ageYears = *age;
    person.heightMetres = result.totalHeightInches * kMetresPerInch;
    person.weightKg = *pounds * kModelKilogramsPerPound;
    person.restingKcal = result.basalCalories;
    person.activityFactor = 1 + result.activityFactor;
    return BodyModel::make(person, whyNot);
}
