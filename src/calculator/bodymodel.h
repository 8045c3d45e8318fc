#pragma once

#include "calculator/calculation.h"
#include "calculator/personaldetails.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <optional>

// How an adult's body weight follows a daily intake, day by day, beside the
// program's own 3500-kcal-a-pound figures (which it does not change): the adult
// body-weight model of
//
//   Hall KD, Sacks G, Chandramohan D, Chow CC, Wang YC, Gortmaker SL, Swinburn BA.
//   Quantification of the effect of energy imbalance on bodyweight. Lancet 2011;
//   378(9793): 826-837, and its web appendix (the glycogen, extracellular water and
//   initial body fat terms),
//
// in the form a public planner of the US National Institutes of Health uses, built on
//
//   Chow CC, Hall KD. The dynamics of human body weight change. PLoS Computational
//   Biology 2008; 4(3): e1000045 (fat and lean tissue, Forbes' partition);
//   Hall KD. What is the required energy deficit per unit weight loss? International
//   Journal of Obesity 2008; 32(3): 573-576 (energy densities and synthesis costs);
//   Hall KD. Predicting metabolic adaptation, body weight change, and energy intake in
//   humans. American Journal of Physiology, Endocrinology and Metabolism 2010; 298(3):
//   E449-E466 (tissue metabolic rates, thermic effect of food, adaptive thermogenesis);
//   Jackson AS, Stanforth PR, Gagnon J, et al. The effect of sex, age and race on
//   estimating percentage body fat from body mass index: the Heritage Family Study.
//   International Journal of Obesity 2002; 26(6): 789-796 (initial body fat);
//   Mifflin MD, St Jeor ST, Hill LA, Scott BJ, Daugherty SA, Koh YO. A new predictive
//   equation for resting energy expenditure in healthy individuals. American Journal of
//   Clinical Nutrition 1990; 51(2): 241-247 (the resting expenditure the planner uses);
//   Forbes GB. Lean body mass-body fat interrelationships in humans. Nutrition Reviews
//   1987; 45(8): 225-231 (the constant of the partition);
//   FAO/WHO/UNU. Human energy requirements. FAO Food and Nutrition Technical Report
//   Series 1, 2004 (the highest activity level kept up).
//
// The state (fat, lean tissue, glycogen, extracellular water, adaptive thermogenesis) is
// integrated with fourth-order Runge-Kutta in steps of a fraction of a day: at most half
// the fastest time constant, glycogen's or the water's, which is two or three steps a
// day for most people and keeps the weights within a gram of the exact ones.
//
// The planner's model is validated against two years of calorie restriction by Guo J,
// Brager DC, Hall KD. Simulating long-term human weight-loss dynamics in response to
// calorie restriction. American Journal of Clinical Nutrition 2018; 107(4): 558-565;
// tests/calculator/tst_bodymodel.cpp checks this one against the planner's figures.
//
// The constants, each with its source, are in bodymodel.cpp.

inline constexpr double kModelKilogramsPerPound = 0.45359237; // exact, by definition of the pound
inline constexpr double kMetresPerInch = 0.0254; // exact, by definition of the inch
// Days the model looks ahead at most: the program's time frames run to 1000 days, a
// followed plan's progress a few years past that.
inline constexpr int kLongestModelDays = 3650;

struct BodyModelPerson
{
    bool male = false;
    double ageYears = 0;
    double heightMetres = 0;
    double weightKg = 0;
    double restingKcal = 0; // resting energy expenditure, kcal a day
    double activityFactor = 0; // physical activity level: total expenditure / resting
};

// The body on one day. Lean tissue is everything but fat, glycogen with its water and
// the change of extracellular water; the water is counted from the start.
struct BodyState
{
    double fatKg = 0;
    double leanKg = 0;
    double glycogenKg = 0;
    double extracellularWaterKg = 0;
    double adaptiveKcal = 0; // adaptive thermogenesis, kcal a day
    // Zero for a state holding a figure that is not finite (no state of the model does).
    double weightKg() const;
};

class BodyModel final
{
public:
    // Nothing where the model does not hold for this person, with the reason in words
    // for the person where asked: under 18 or past 125 years, a body mass index outside
    // 15-60, a height outside 1-2.5 m, a resting expenditure not above zero or absurd
    // for the weight, an activity factor outside 1.12-2.5, a figure not finite.
    static std::optional<BodyModel> make(const BodyModelPerson& person, QString* whyNot = nullptr);

    const BodyModelPerson& person() const { return m_person; }
    BodyState initialState() const;
    // Activity factor x resting expenditure: the intake that keeps the initial state.
    double baselineIntake() const { return m_baselineIntake; }
    // The highest intake the model takes, three times the baseline: past any diet it
    // was fitted to, and it bounds how far the weight can run off.
    double highestIntake() const;

    // The weight on day 0 ... days at a constant intake. Empty for an intake not above
    // zero or above the highest, days outside 0 ... kLongestModelDays, or where the
    // body leaves what the model holds for on the way (half the lean tissue lost).
    QList<double> weightsKg(double intakeKcal, int days) const;
    std::optional<BodyState> stateAfter(double intakeKcal, int days) const;

    // The constant intake that keeps the fat and lean mass of a state, with glycogen
    // and extracellular water settled and adaptive thermogenesis at its settled value
    // for that intake. Nothing where no intake the model takes does.
    std::optional<double> intakeToKeep(const BodyState& state) const;

    // The constant intake that brings the weight to the goal on the given day, by
    // bisection to 0.5 kcal; nothing where no intake the model takes does.
    std::optional<double> intakeToReach(double goalKg, int days) const;

    // The same from any state the model reached: the state after a constant intake, and
    // the constant intake that takes the state to a weight in the given days (bisection
    // to 0.5 kcal). What the body spends and what it stores over those days is then that
    // intake: the way Hall and Chow read a person's intake off their weights (see
    // progress.h). Nothing where no intake the model takes does it.
    std::optional<BodyState> stateAfter(const BodyState& from, double intakeKcal, int days) const;
    std::optional<double> intakeBetween(const BodyState& from, double endKg, int days) const;

private:
    struct Intake;

    BodyModel() = default;
    Intake intake(double kcal) const;
    std::optional<BodyState> run(const BodyState& start, double intakeKcal, int days, QList<double>* weights) const;
    void derivatives(const double* y, const Intake& in, double* dy) const;

    BodyModelPerson m_person;
    double m_baselineIntake = 0;
    double m_initialFatKg = 0;
    double m_initialLeanKg = 0;
    double m_activityPerKg = 0; // the model's delta, kcal/kg/day
    double m_constantKcal = 0; // the model's K, kcal/day
    double m_glycogenClearance = 0; // k_G, kcal/day/kg^2
};

// The Mifflin-St Jeor resting energy expenditure, kcal a day, in the equation's
// published coefficients; nothing where it is not a finite figure.
std::optional<double> mifflinStJeorResting(bool male, double ageYears, double heightMetres, double weightKg);

// The model for the person of a calculation this program has just made: its details,
// its Harris-Benedict basal energy as the resting expenditure and 1 + its activity
// factor as the activity level. Nothing, with the reason where asked, where a step of
// the calculation kept a figure from before, where the age or pounds do not read as
// numbers, or where the model does not hold for the person.
std::optional<BodyModel> bodyModelFor(const PersonalDetails& details, const CalorieResult& result,
    const CalculationSteps& steps, const QLocale& locale = QLocale(), QString* whyNot = nullptr);
