#include "calculator/plantext.h"

#include "calculator/conversion.h"
#include "calculator/decimalrounding.h"
#include "calculator/height.h"
#include "calculator/numbertext.h"
#include "calculator/progress.h"
#include "calculator/resulttexts.h"

#include <QCoreApplication>
#include <cmath>

using namespace FigureWords;

namespace {

struct PlanText
{
    Q_DECLARE_TR_FUNCTIONS(PlanText)
};

constexpr int kLongestNamePart = 40;

QString whole(double value)
{
    return calories(value);
}

QString kilogramColumn(double pounds, const QLocale& locale)
{
    const auto kg = poundsToKilograms(pounds);
    return kg ? tableFigure(*kg, 1, locale) : QStringLiteral("\u2014");
}

// "Moderately Active" of "Moderately Active (Some walking, ...)".
QString activityName(const QString& activityText)
{
    const qsizetype bracket = activityText.indexOf(QStringLiteral(" ("));
    return bracket < 0 ? activityText : activityText.left(bracket);
}

// One step of the explanation: its arithmetic where it was computed, or the figure it
// kept from before where it could not be.
QString step(bool computed, const QString& name, const QString& arithmetic, const QString& kept)
{
    if (computed) {
        //: A step of "How these figures are computed": %1 is its name, %2 its arithmetic
        return PlanText::tr("%1: %2").arg(name, arithmetic);
    }
    //: A step of "How these figures are computed" that could not be computed: %1 is its name, %2 the figure kept
    return PlanText::tr("%1: the figures are too large to compute this step, so the calculation kept the figure it "
                        "had before, %2. The steps below go on from it.")
        .arg(name, kept);
}

QStringList explanation(const WeightPlan& plan, const QLocale& locale)
{
    const CalorieResult& r = plan.result;
    const PersonalDetails& d = plan.details;
    const CalculationSteps& s = plan.steps;
    auto read = [&](const QString& text) { return planFigure(readNumber(text, locale).value_or(0), locale); };
    auto f = [&](double value) { return planFigure(value, locale); };
    const Figures inPounds {locale, false};
    const Equation& eq = equationFor(d.gender);
    QStringList lines;

    // From centimetres the inches are not whole; they are shown to two decimals, and
    // the calculation goes on with them unrounded.
    const QString inches
        = d.heightInCentimetres ? f(std::round(r.totalHeightInches * 100) / 100) : f(r.totalHeightInches);
    lines << step(s.totalHeightInches, PlanText::tr("Height"),
        d.heightInCentimetres
            //: %1 centimetres divided by %2 (centimetres in an inch) gives %3 inches
            ? PlanText::tr("%1 cm \u00f7 %2 = %3 in.").arg(read(d.heightCentimetres), f(kCentimetresPerInch), inches)
            //: %1 feet and %2 inches make %3 inches
            : PlanText::tr("%1 ft \u00d7 12 + %2 in = %3 in.").arg(read(d.heightFeet), read(d.heightInches), inches),
        //: A height in inches
        PlanText::tr("%1 in").arg(inches));

    lines << step(s.basalCalories,
        plan.men ? PlanText::tr("Basal energy (the Harris\u2013" "Benedict equation for men)")
                 : PlanText::tr("Basal energy (the Harris\u2013" "Benedict equation for women)"),
        //: The basal energy from the equation: constant + per pound x weight + per inch x height - per year x age
        PlanText::tr("%1 + %2 \u00d7 %3 + %4 \u00d7 %5 \u2212 %6 \u00d7 %7 = %8 calories a day.")
            .arg(f(eq.constant), f(eq.perPound), read(d.weightPounds), f(eq.perInch), inches, f(eq.perYear),
                read(d.age), f(r.basalCalories)),
        f(r.basalCalories));

    const QString multiple = f(1 + r.activityFactor);
    if (s.activityCalories && s.maintenanceCalories) {
        //: %1 basal energy, %2 the activity's multiple, %3 the activity's name, %4 the product, %5 and %6 the
        //: same rounded, in calories and kilojoules
        lines << PlanText::tr("To keep your weight: %1 \u00d7 %2 (%3) = %4, rounded to %5 calories a day (%6 kJ).")
                     .arg(f(r.basalCalories), multiple, activityName(d.activityText),
                         f(r.basalCalories + r.activityCalories), whole(r.maintenanceCalories),
                         whole(std::round(r.maintenanceCalories * kKilojoulesPerKilocalorie)));
    } else {
        lines << step(false, PlanText::tr("To keep your weight"), QString(),
            PlanText::tr("%1 calories a day").arg(f(r.maintenanceCalories)));
    }

    const double quotient = readNumber(d.lossPounds, locale).value_or(0) / std::max(plan.days, 1);
    const bool roundedAway = std::isfinite(quotient) && roundHalfEven(quotient, 2).value_or(quotient) != quotient;
    lines << step(s.lossPerDayPounds, PlanText::tr("Daily loss"),
        roundedAway
            //: %1 pounds to lose divided by %2 (a count of days) gives %3 pounds a day, %4 before rounding
            ? PlanText::tr("%1 lb \u00f7 %2 = %3 lb a day (%4 rounded to two decimals).")
                  .arg(read(d.lossPounds), dayCount(plan.days), f(r.lossPerDayPounds),
                      QString::number(quotient, 'g', 6).replace(QLatin1Char('.'), locale.decimalPoint()))
            //: %1 pounds to lose divided by %2 (a count of days) gives %3 pounds a day
            : PlanText::tr("%1 lb \u00f7 %2 = %3 lb a day.")
                  .arg(read(d.lossPounds), dayCount(plan.days), f(r.lossPerDayPounds)),
        inPounds.perDay(r.lossPerDayPounds));

    lines << step(s.dailyDeficit, PlanText::tr("Daily deficit"),
        //: %1 pounds a day times 3500 gives %2 calories a day
        PlanText::tr("%1 \u00d7 3500 = %2 calories a day, 3500 calories for every pound.")
            .arg(f(r.lossPerDayPounds), whole(r.dailyDeficit)),
        PlanText::tr("%1 calories").arg(whole(r.dailyDeficit)));

    lines << step(s.goalCalories, PlanText::tr("To reach your goal"),
        r.goalAchievable
            //: %1 the intake that keeps the weight less %2 the daily deficit gives %3 calories, %4 in kilojoules
            ? PlanText::tr("%1 \u2212 %2 = %3 calories a day (%4 kJ).")
                  .arg(whole(r.maintenanceCalories), whole(r.dailyDeficit), whole(r.goalCalories),
                      whole(std::round(r.goalCalories * kKilojoulesPerKilocalorie)))
            //: %1 the intake that keeps the weight less %2 the daily deficit gives %3, less than nothing
            : PlanText::tr("%1 \u2212 %2 = %3: below nothing, so this intake cannot be achieved.")
                  .arg(whole(r.maintenanceCalories), whole(r.dailyDeficit), whole(r.goalCalories)),
        PlanText::tr("%1 calories a day").arg(whole(r.goalCalories)));
    return lines;
}

// The daily loss before the calculation rounded it, with digits enough to tell the two
// apart: "0.137" for 0.14.
QString unroundedDailyLoss(double quotient, double rounded, const QLocale& locale)
{
    QString text;
    for (int digits = 3; digits <= 6; ++digits) {
        text = QString::number(quotient, 'g', digits);
        const double shown = text.toDouble();
        if (shown != rounded && std::fabs(std::fabs(shown - rounded) - 0.005) > 1e-12)
            break;
    }
    return isolated(text.replace(QLatin1Char('.'), locale.decimalPoint()));
}

QString outlook(const WeightPlan& plan, const Figures& f)
{
    const QLocale& locale = f.locale;
    const QString start = f.planWeight(plan.startPounds);
    if (plan.lossPounds <= 0)
        return PlanText::tr("You chose to lose nothing: the plan keeps your weight at %1.").arg(start);
    const QString pace = f.perDay(plan.result.lossPerDayPounds);
    if (!plan.showsLoss() && plan.noBodyWeightLeft()) {
        //: %1 the weight to lose, %2 the weight now, %3 the daily loss, %4 and %5 calories
        return PlanText::tr("Losing %1 from %2 would leave no body weight, and no daily intake gives %3: it would "
                            "take a deficit of %4 calories a day, more than the %5 calories that keep your weight.")
            .arg(f.planWeight(plan.lossPounds), start, pace, whole(plan.result.dailyDeficit),
                whole(plan.result.maintenanceCalories));
    }
    if (!plan.showsLoss()) {
        //: %1 the goal weight, %2 a count of days, %3 the daily loss, %4 and %5 calories
        return PlanText::tr("No daily intake reaches your goal of %1 in %2: it would take %3, a deficit of %4 "
                            "calories a day, more than the %5 calories that keep your weight.")
            .arg(f.planWeight(plan.goalPounds), dayCount(plan.days), pace, whole(plan.result.dailyDeficit),
                whole(plan.result.maintenanceCalories));
    }
    if (plan.flat()) {
        //: %1 the pounds to lose, %2 a count of days, %3 the weight now, %4 the goal weight
        return PlanText::tr("%1 lb \u00f7 %2 rounds to 0.00 lb a day, so the plan keeps your weight at %3: the "
                            "goal of %4 is not reached in this time.")
            .arg(planFigure(plan.lossPounds, locale), dayCount(plan.days), start, f.planWeight(plan.goalPounds));
    }
    if (plan.noBodyWeightLeft()) {
        const double last = plan.lastDay();
        if (last < plan.days) {
            //: %1 the daily loss, %2 the day the weight reaches nothing, %3 the days of the plan
            return PlanText::tr("At %1 the weight would reach nothing before day %2 of %3, so the line and the "
                                "table stop there.")
                .arg(pace)
                .arg(static_cast<int>(std::ceil(last)))
                .arg(plan.days);
        }
        //: %1 the daily loss, %2 a weight, %3 a date, %4 the day of the plan
        return PlanText::tr("At %1 you would weigh %2 on %3 (day %4), and the goal lies below no weight at all.")
            .arg(pace, f.planWeight(plan.weightOnDay(plan.days)), shortDate(plan.today.addDays(plan.days), locale))
            .arg(plan.days);
    }
    const double reached = plan.weightOnDay(plan.days);
    //: The plan's last day: %1 its date, %2 its number
    const QString when
        = PlanText::tr("%1 (day %2)").arg(shortDate(plan.today.addDays(plan.days), locale)).arg(plan.days);
    const double lost = plan.result.lossPerDayPounds * plan.days;
    const double difference = roundHalfEven(reached - plan.goalPounds, 2).value_or(0);
    if (difference == 0) {
        //: %1 the daily loss, %2 the goal weight, %3 the date and day
        return PlanText::tr("At %1 you reach your goal of %2 on %3.").arg(pace, f.planWeight(plan.goalPounds), when);
    }
    const double quotient = plan.lossPounds / std::max(plan.days, 1);
    const QString unrounded = unroundedDailyLoss(quotient, plan.result.lossPerDayPounds, locale);
    if (difference > 0) {
        //: %1 the daily loss, %2 the weight reached, %3 the date and day, %4 the difference, %5 the goal, %6 the
        //: weight lost, %7 the weight asked to lose, %8 the daily loss before rounding
        return PlanText::tr("At %1 you would weigh %2 on %3, %4 above your goal of %5: %6 are lost, %4 less than the "
                            "%7 asked, because %1 is rounded down from %8.")
            .arg(pace, f.planWeight(reached), when, f.planWeight(difference), f.planWeight(plan.goalPounds),
                f.planWeight(lost), f.planWeight(plan.lossPounds), unrounded);
    }
    //: %1 the daily loss, %2 the weight reached, %3 the date and day, %4 the difference, %5 the goal, %6 the
    //: weight lost, %7 the weight asked to lose, %8 the daily loss before rounding
    return PlanText::tr("At %1 you would weigh %2 on %3, %4 below your goal of %5: %6 are lost, %4 more than the %7 "
                        "asked, because %1 is rounded up from %8.")
        .arg(pace, f.planWeight(reached), when, f.planWeight(-difference), f.planWeight(plan.goalPounds),
            f.planWeight(lost), f.planWeight(plan.lossPounds), unrounded);
}

QString floorSentence(const WeightPlan& plan, double calories)
{
    if (plan.men) {
        //: %1 a daily intake, %2 the least calories advised
        return PlanText::tr("%1 a day is below %2, the least that health services advise men to eat without a "
                            "doctor's supervision.")
            .arg(intakeText(calories), whole(plan.floorCalories));
    }
    //: %1 a daily intake, %2 the least calories advised
    return PlanText::tr("%1 a day is below %2, the least that health services advise women to eat without a doctor's "
                        "supervision.")
        .arg(intakeText(calories), whole(plan.floorCalories));
}

QStringList cautions(const WeightPlan& plan, const Figures& f)
{
    QStringList list;
    const CalorieResult& r = plan.result;
    if (plan.goalPounds <= 0 && plan.lossPounds > 0) {
        //: %1 the weight to lose, %2 the weight now
        list << PlanText::tr("Losing %1 from %2 leaves no body weight at all: please choose a smaller goal.")
                    .arg(f.planWeight(plan.lossPounds), f.planWeight(plan.startPounds));
    }
    if (!r.goalAchievable) {
        //: %1 the weight to lose, %2 a count of days, %3 a daily intake
        list << PlanText::tr("Losing %1 in %2 would take %3 a day, less than nothing, so it cannot be achieved.")
                    .arg(f.planWeight(plan.lossPounds), dayCount(plan.days), intakeText(r.goalCalories));
    } else if (plan.belowFloor()) {
        list << floorSentence(plan, r.goalCalories);
    }
    if (plan.tooFast()) {
        //: %1 the weight to lose, %2 a count of days, %3 the weekly loss
        list << PlanText::tr("%1 in %2 is %3, more than the 1 to 2 lb a week that health services advise.")
                    .arg(f.planWeight(plan.lossPounds), dayCount(plan.days), f.perWeek(plan.poundsPerWeek()));
    }
    return list;
}

QString lineDescription(const WeightPlan& plan, const Figures& f);

// A weight of the model, to a tenth.
QString roughWeight(double value, const Figures& f)
{
    const QString pounds = planFigure(roundHalfEven(value, 1).value_or(value), f.locale);
    if (!f.kilogramsFirst)
        return PlanText::tr("%1 lb").arg(pounds);
    const double kg = value * kExactKilogramsPerPound;
    //: A weight: %1 in kilograms, %2 in pounds
    return PlanText::tr("%1 kg (%2 lb)").arg(planFigure(roundHalfEven(kg, 1).value_or(kg), f.locale), pounds);
}

// What the body is likely to do at the plan's intake, beside the straight line of 3500
// calories a pound; the model's own cautions by the plan's limits; its source and its
// limits.
QStringList modelLines(const WeightPlan& plan, const Figures& f)
{
    const QString source = PlanText::tr("The model is that of Hall and colleagues (The Lancet, 2011), which the NIH "
                                        "Body Weight Planner uses.");
    const QString limits = PlanText::tr("It is made for adults and tells what an average body does, not a promise; "
                                        "it is not for pregnancy or illness.");
    const PlanModel& m = plan.model;
    if (!m.holds()) {
        //: %1 is the reason, a whole sentence
        return {PlanText::tr("The model of how the body responds does not hold here, so it draws nothing: %1")
                    .arg(m.refusal),
            source};
    }

    QStringList lines;
    const int last = static_cast<int>(m.pounds.size()) - 1;
    const double modelEnd = m.pounds.last();
    const double lineEnd = plan.weightOnDay(last);
    if (plan.lossPounds <= 0 || std::fabs(modelEnd - lineEnd) < 0.05) {
        //: %1 a daily intake, %2 a weight, %3 a day of the plan
        lines << PlanText::tr("At %1 a day the model expects about %2 on day %3, as the straight line does.")
                     .arg(intakeText(plan.result.goalCalories), roughWeight(modelEnd, f))
                     .arg(last);
    } else {
        //: %1 a daily intake, %2 a weight, %3 a day of the plan, %4 the weight of the straight line
        lines << PlanText::tr("At %1 a day the model expects about %2 on day %3, not the %4 of the straight line: the "
                              "body first gives up water and stored glycogen, which weigh much for the calories they "
                              "hold, then loses more slowly, as it gets lighter and burns less.")
                     .arg(intakeText(plan.result.goalCalories), roughWeight(modelEnd, f))
                     .arg(last)
                     .arg(roughWeight(lineEnd, f));
    }
    if (plan.lossPounds > 0) {
        const QString goal = f.planWeight(plan.goalPounds);
        if (m.reachCalories) {
            //: %1 a daily intake, %2 the goal weight, %3 a day of the plan, %4 its date
            QString reach = PlanText::tr("By the model, %1 a day reach %2 on day %3 (%4).")
                                .arg(intakeText(*m.reachCalories), goal)
                                .arg(last)
                                .arg(shortDate(plan.today.addDays(last), f.locale));
            if (*m.reachCalories < plan.floorCalories)
                reach += QLatin1Char(' ') + floorSentence(plan, *m.reachCalories);
            if (plan.tooFast()) {
                //: %1 a weekly loss
                reach += QLatin1Char(' ')
                    + PlanText::tr("It loses %1, more than the 1 to 2 lb a week that health services advise.")
                          .arg(f.perWeek(roundHalfEven(plan.lossPounds / std::max(last, 1) * 7, 2)
                                             .value_or(plan.poundsPerWeek())));
            }
            lines << reach;
        } else {
            //: %1 the goal weight, %2 a day of the plan
            lines << PlanText::tr("By the model, no daily intake reaches %1 on day %2.").arg(goal).arg(last);
        }
        if (m.keepCalories) {
            //: %1 a daily intake, %2 the goal weight
            lines << PlanText::tr("And %1 a day keep %2 afterwards, by the model.")
                         .arg(intakeText(*m.keepCalories), goal);
        }
    }
    lines << source << limits;
    return lines;
}

QString chartDescription(const WeightPlan& plan, const Figures& f)
{
    QString model;
    if (plan.model.holds()) {
        //: Follows the description of the plan's chart; %1 a weight, %2 the plan's last day
        model = QLatin1Char(' ')
            + PlanText::tr("The dotted line is what the body is likely to do at the same intake, by the model: "
                           "about %1 on day %2.")
                  .arg(roughWeight(plan.model.pounds.last(), f))
                  .arg(plan.model.pounds.size() - 1);
    }
    return lineDescription(plan, f) + model;
}

QString lineDescription(const WeightPlan& plan, const Figures& f)
{
    if (!plan.showsLoss()) {
        //: The plan's chart for the blind; %1 the weight now, %2 the goal
        return PlanText::tr("Chart of your weight: %1 today, and the goal, %2, as a dashed line. No line is drawn, "
                            "as no daily intake reaches the goal in this time.")
            .arg(f.planWeight(plan.startPounds), f.planWeight(plan.goalPounds));
    }
    if (plan.noBodyWeightLeft()) {
        const QString start = f.planWeight(plan.startPounds);
        const int last = static_cast<int>(std::ceil(plan.lastDay()));
        const QString pace = f.perDay(plan.result.lossPerDayPounds);
        if (f.kilogramsFirst) {
            //: The plan's chart for the blind; %1 the weight now, %2 a day of the plan, %3 the daily loss
            return PlanText::tr("Chart of your weight day by day, kilograms on the left and pounds on the right: from "
                                "%1 today down to nothing on day %2, where the line stops, %3.")
                .arg(start)
                .arg(last)
                .arg(pace);
        }
        //: The plan's chart for the blind; %1 the weight now, %2 a day of the plan, %3 the daily loss
        return PlanText::tr("Chart of your weight day by day, pounds on the left and kilograms on the right: from %1 "
                            "today down to nothing on day %2, where the line stops, %3.")
            .arg(start)
            .arg(last)
            .arg(pace);
    }
    const QString start = f.planWeight(plan.startPounds);
    const QString end = f.planWeight(plan.weightOnDay(plan.days));
    const QString date = shortDate(plan.today.addDays(plan.days), f.locale);
    const QString pace = f.perDay(plan.result.lossPerDayPounds);
    const QString goal = f.planWeight(plan.goalPounds);
    if (f.kilogramsFirst) {
        //: The plan's chart for the blind; %1 the weight now, %2 the weight at the end, %3 the last date, %4 the
        //: daily loss, %5 the goal
        return PlanText::tr("Chart of your weight day by day, kilograms on the left and pounds on the right: from %1 "
                            "today to %2 on %3, %4; the goal, %5, is the dashed line.")
            .arg(start, end, date, pace, goal);
    }
    //: The plan's chart for the blind; %1 the weight now, %2 the weight at the end, %3 the last date, %4 the daily
    //: loss, %5 the goal
    return PlanText::tr("Chart of your weight day by day, pounds on the left and kilograms on the right: from %1 "
                        "today to %2 on %3, %4; the goal, %5, is the dashed line.")
        .arg(start, end, date, pace, goal);
}

} // namespace

QString withinLimitsText(const WeightPlan& plan, bool fromToday, const Figures& f)
{
    const PlanTimeFrame& frame = plan.withinLimits;
    if (frame.days > 0) {
        const QString days = dayCount(frame.days);
        const QString until = shortDate(plan.today.addDays(frame.days), f.locale);
        const QString intake = intakeText(frame.result.goalCalories);
        const QString pace = f.perWeek(frame.poundsPerWeek());
        //: %1 a count of days, %2 a date, %3 a daily intake, %4 a weekly loss
        return fromToday ? PlanText::tr("From today, the shortest time frame that keeps within both limits is %1, "
                                        "until %2: %3 a day, %4.")
                               .arg(days, until, intake, pace)
                         //: %1 a count of days, %2 a date, %3 a daily intake, %4 a weekly loss
                         : PlanText::tr("The shortest time frame that keeps within both limits is %1, until %2: %3 a "
                                        "day, %4.")
                               .arg(days, until, intake, pace);
    }
    if (plan.result.maintenanceCalories < plan.floorCalories) {
        const QString intake = intakeText(plan.result.maintenanceCalories);
        //: %1 a daily intake, %2 the least calories advised
        return fromToday ? PlanText::tr("Even the intake that keeps your present weight, %1 a day, is below %2, so no "
                                        "time frame keeps within the limits. Please ask your doctor before any diet.")
                               .arg(intake, whole(plan.floorCalories))
                         //: %1 a daily intake, %2 the least calories advised
                         : PlanText::tr("Even the intake that keeps your current weight, %1 a day, is below %2, so no "
                                        "time frame keeps within the limits. Please ask your doctor before any diet.")
                               .arg(intake, whole(plan.floorCalories));
    }
    //: %1 the longest time frame, in days (above one)
    return PlanText::tr("No time frame up to %1 days keeps within both limits. Please ask your doctor before any "
                        "diet.")
        .arg(kLongestTimeFrame);
}

PlanTexts planTexts(const WeightPlan& plan, const QLocale& locale, bool kilogramsFirst)
{
    const Figures f {locale, kilogramsFirst};
    PlanTexts t;
    t.kilogramsFirst = kilogramsFirst;
    const ResultTexts results = resultTexts(plan.details, plan.result);
    //: The plan's title; %1 is the person's name
    t.title = PlanText::tr("Weight loss plan for %1").arg(results.name);
    auto withKilograms = [](const QString& text, const QString& kg) {
        //: A weight as typed in the pound box, %1, and in the kilogram box, %2
        return kg.isEmpty() ? text : PlanText::tr("%1 (%2 kg)").arg(text, kg);
    };
    t.inputs = {
        {PlanText::tr("Your Name :"), results.name},
        {PlanText::tr("Gender:"), genderText(plan.details.gender)},
        {PlanText::tr("Age:"), results.age},
        {PlanText::tr("Your Height:"), results.height},
        {PlanText::tr("Your Weight:"), withKilograms(results.weight, plan.details.weightKg)},
        {PlanText::tr("Level of Daily Activity:"), results.activityLevel},
        {PlanText::tr("Weight You Wish To Lose:"), withKilograms(results.lossWeight, plan.details.lossKg)},
        {PlanText::tr("Time Frame To Lose Weight:"), results.timeFrame},
    };
    t.maintenance = results.result1;
    t.goal = results.result2;
    t.outlook = outlook(plan, f);

    t.chartDescription = chartDescription(plan, f);

    if (plan.needsCaution() || plan.goalPounds <= 0) {
        t.cautions = cautions(plan, f);
        // A goal of no body weight is not to be reached at any pace.
        if (!t.cautions.isEmpty() && !plan.noBodyWeightLeft())
            t.withinLimits = withinLimitsText(plan, false, f);
    }

    t.milestoneTitle = plan.days > 26 * 7 ? PlanText::tr("Your weight, week by week, then month by month")
                                          : PlanText::tr("Your weight, week by week");
    // The person's unit in the first weight column and in the loss; kilograms first by
    // the exact factor, as the sentences give them.
    //: The columns of the plan's table of milestones
    const QString date = PlanText::tr("Date");
    //: The day of the plan: a column of the table of milestones
    const QString day = PlanText::tr("Day");
    const QString lb = PlanText::tr("Weight (lb)");
    const QString kg = PlanText::tr("Weight (kg)");
    t.milestoneHeader = kilogramsFirst ? QStringList {date, day, kg, lb, PlanText::tr("Lost so far (kg)")}
                                       : QStringList {date, day, lb, kg, PlanText::tr("Lost so far (lb)")};
    auto row = [&](const QString& when, const QString& number, double pounds, double lost) {
        return kilogramsFirst ? QStringList {when, number, tableFigure(pounds * kExactKilogramsPerPound, 1, locale),
                   tableFigure(pounds, 2, locale), tableFigure(lost * kExactKilogramsPerPound, 1, locale)}
                              : QStringList {when, number, tableFigure(pounds, 2, locale),
                                  kilogramColumn(pounds, locale), tableFigure(lost, 2, locale)};
    };
    if (plan.showsLoss()) {
        //: In the Day column of the table of milestones, for the first row
        t.milestoneRows.append(row(shortDate(plan.today, locale), PlanText::tr("Today"), plan.startPounds, 0));
    }
    for (const PlanMilestone& m : plan.milestones)
        t.milestoneRows.append(row(shortDate(m.date, locale), QString::number(m.day), m.weightPounds, m.lostPounds));

    t.explanation = explanation(plan, locale);

    if (plan.lossPounds > 0 && !plan.noBodyWeightLeft()) {
        //: The columns of the table of other paces
        t.paceHeader
            = {PlanText::tr("Pace"), PlanText::tr("Time frame"), PlanText::tr("Until"), PlanText::tr("Daily intake")};
        for (std::size_t i = 0; i < kPlanPaces.size(); ++i) {
            const PlanTimeFrame& frame = plan.paces[i];
            const QString pace = f.perWeek(kPlanPaces[i]);
            if (frame.days == 0) {
                //: A time frame past the longest one; %1 is a count of days above one
                const QString longer = PlanText::tr("more than %1 days").arg(kLongestTimeFrame);
                t.paceRows.append({pace, longer, QString(), QString()});
                //: A line of "Other paces": %1 the pace, %2 its time frame
                t.paceLines.append(PlanText::tr("%1: %2.").arg(pace, longer));
                continue;
            }
            const QString until = shortDate(plan.today.addDays(frame.days), locale);
            const QString intake = frame.result.goalAchievable
                ? intakeText(frame.result.goalCalories)
                //: In the Daily intake column of the table of other paces
                : PlanText::tr("cannot be achieved");
            t.paceRows.append({pace, dayCount(frame.days), until, intake});
            t.paceLines.append(frame.result.goalAchievable
                    //: A line of "Other paces": %1 the pace, %2 a count of days, %3 a date, %4 a daily intake
                    ? PlanText::tr("%1: %2, until %3, on %4 a day.").arg(pace, dayCount(frame.days), until, intake)
                    //: A line of "Other paces": %1 the pace, %2 a count of days, %3 a date
                    : PlanText::tr("%1: %2, until %3, at an intake that cannot be achieved.")
                          .arg(pace, dayCount(frame.days), until));
        }
    }

    if (plan.goalMaintenanceCalories) {
        //: %1 the goal weight, %2 a daily intake
        t.afterGoal = PlanText::tr("To keep %1 once you have reached it: %2 a day, by the same equations at the goal "
                                   "weight.")
                          .arg(f.planWeight(plan.goalPounds), intakeText(*plan.goalMaintenanceCalories));
    } else if (plan.goalPounds > 0 && plan.lossPounds > 0) {
        //: %1 the goal weight
        t.afterGoal = PlanText::tr("To keep %1 once you have reached it, the same equations give no intake that a "
                                   "person can eat.")
                          .arg(f.planWeight(plan.goalPounds));
    }
    t.modelTitle = PlanText::tr("What the body is likely to do");
    t.model = modelLines(plan, f);
    t.note = disclaimerText();
    return t;
}

QString planPlainText(const PlanTexts& t, const QDateTime& made, const QLocale& locale)
{
    QStringList lines;
    //: Under the title of the copied plan; %1 is the date and time
    lines << t.title << PlanText::tr("Made on %1").arg(locale.toString(made, QLocale::ShortFormat)) << QString();
    for (const auto& [caption, value] : t.inputs)
        lines << caption + QLatin1Char(' ') + value;
    lines << QString() << t.maintenance << t.goal << QString();
    if (!t.cautions.isEmpty()) {
        lines << PlanText::tr("Caution") << t.cautions;
        if (!t.withinLimits.isEmpty())
            lines << t.withinLimits;
        lines << QString();
    }
    lines << t.milestoneTitle << t.outlook;
    if (!t.milestoneRows.isEmpty())
        lines << t.milestoneHeader.join(QLatin1Char('\t'));
    for (const QStringList& row : t.milestoneRows)
        lines << row.join(QLatin1Char('\t'));
    lines << QString() << PlanText::tr("How these figures are computed");
    for (int i = 0; i < t.explanation.size(); ++i) {
        //: A numbered step of the calculation: %1 its number, %2 the step
        lines << PlanText::tr("%1. %2").arg(i + 1).arg(t.explanation.at(i));
    }
    if (!t.paceRows.isEmpty()) {
        lines << QString() << PlanText::tr("Other paces") << t.paceHeader.join(QLatin1Char('\t'));
        for (const QStringList& row : t.paceRows)
            lines << row.join(QLatin1Char('\t'));
    }
    if (!t.afterGoal.isEmpty())
        lines << QString() << PlanText::tr("After the goal") << t.afterGoal;
    if (!t.model.isEmpty())
        lines << QString() << t.modelTitle << t.model;
    lines << QString() << t.note;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString suggestedPlanFileName(const QString& name, const QDate& date)
{
    //: Part of the file name offered for a saved plan: "JOHN weight loss plan 2026-12-09.pdf"
    return suggestedFileName(name, PlanText::tr("weight loss plan"), date);
}

QString suggestedFileName(const QString& name, const QString& what, const QDate& date)
{
    // Letters and digits of any script, one space between words, and not too long for
    // the 255 bytes a file name may take.
    QString kept;
    for (const uint c : name.toUcs4()) {
        const char32_t code = c;
        if (QChar::isLetterOrNumber(code))
            kept += QString::fromUcs4(&code, 1);
        else if (!kept.isEmpty() && !kept.endsWith(QLatin1Char(' ')))
            kept += QLatin1Char(' ');
        if (kept.toUcs4().size() >= kLongestNamePart)
            break;
    }
    kept = kept.trimmed();
    const QString rest = QStringLiteral("%1 %2.pdf").arg(what, date.toString(Qt::ISODate));
    if (kept.isEmpty())
        return rest.left(1).toUpper() + rest.mid(1);
    return kept + QLatin1Char(' ') + rest;
}
