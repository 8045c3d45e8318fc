#include "calculator/plantext.h"

#include "calculator/conversion.h"
#include "calculator/decimalrounding.h"
#include "calculator/height.h"
#include "calculator/numbertext.h"
#include "calculator/resulttexts.h"

#include <cmath>

using namespace PlanWords;

namespace {

constexpr double kLargestPlainFigure = 1e15;
constexpr int kLongestNamePart = 40;

// A whole figure of calories as the results window writes it; past fifteen digits,
// short, as planFigure() writes it.
QString whole(double value)
{
    return std::isfinite(value) && std::fabs(value) < kLargestPlainFigure ? writeWholeNumber(value) : planFigure(value);
}

QString kilograms(double pounds, const QLocale& locale)
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
    if (computed)
        return name + QStringLiteral(": ") + arithmetic;
    return name
        + QStringLiteral(": the figures are too large to compute this step, so the calculation kept the "
                         "figure it had before, ")
        + kept + QStringLiteral(". The steps below go on from it.");
}

QStringList explanation(const WeightPlan& plan, const QLocale& locale)
{
    const CalorieResult& r = plan.result;
    const PersonalDetails& d = plan.details;
    const CalculationSteps& s = plan.steps;
    auto read = [&](const QString& text) { return planFigure(readNumber(text, locale).value_or(0), locale); };
    auto f = [&](double value) { return planFigure(value, locale); };
    const Equation& eq = equationFor(d.gender);
    QStringList lines;

    // From centimetres the inches are not whole; they are shown to two decimals, and
    // the calculation goes on with them unrounded.
    const QString inches
        = d.heightInCentimetres ? f(std::round(r.totalHeightInches * 100) / 100) : f(r.totalHeightInches);
    lines << step(s.totalHeightInches, QStringLiteral("Height"),
        d.heightInCentimetres
            ? QStringLiteral("%1 cm \u00f7 %2 = %3 in.").arg(read(d.heightCentimetres), f(kCentimetresPerInch), inches)
            : QStringLiteral("%1 ft \u00d7 12 + %2 in = %3 in.").arg(read(d.heightFeet), read(d.heightInches), inches),
        inches + QStringLiteral(" in"));

    lines << step(s.basalCalories,
        QStringLiteral("Basal energy (the Harris\u2013Benedict equation for %1)")
            .arg(plan.men ? QStringLiteral("men") : QStringLiteral("women")),
        QStringLiteral("%1 + %2 \u00d7 %3 + %4 \u00d7 %5 \u2212 %6 \u00d7 %7 = %8 calories a day.")
            .arg(f(eq.constant), f(eq.perPound), read(d.weightPounds), f(eq.perInch), inches, f(eq.perYear),
                read(d.age), f(r.basalCalories)),
        f(r.basalCalories));

    const QString multiple = f(1 + r.activityFactor);
    if (s.activityCalories && s.maintenanceCalories) {
        lines << QStringLiteral("To keep your weight: %1 \u00d7 %2 (%3) = %4, rounded to %5 calories a day (%6 kJ).")
                     .arg(f(r.basalCalories), multiple, activityName(d.activityText),
                         f(r.basalCalories + r.activityCalories), whole(r.maintenanceCalories),
                         whole(std::round(r.maintenanceCalories * kKilojoulesPerKilocalorie)));
    } else {
        lines << step(false, QStringLiteral("To keep your weight"), QString(),
            f(r.maintenanceCalories) + QStringLiteral(" calories a day"));
    }

    const double quotient = readNumber(d.lossPounds, locale).value_or(0) / std::max(plan.days, 1);
    const bool roundedAway = std::isfinite(quotient) && roundHalfEven(quotient, 2).value_or(quotient) != quotient;
    lines << step(s.lossPerDayPounds, QStringLiteral("Daily loss"),
        QStringLiteral("%1 lb \u00f7 %2 = %3 lb a day%4.")
            .arg(read(d.lossPounds), dayCount(plan.days), f(r.lossPerDayPounds),
                roundedAway
                    ? QStringLiteral(" (%1 rounded to two decimals)")
                          .arg(QString::number(quotient, 'g', 6).replace(QLatin1Char('.'), locale.decimalPoint()))
                    : QString()),
        f(r.lossPerDayPounds) + QStringLiteral(" lb a day"));

    lines << step(s.dailyDeficit, QStringLiteral("Daily deficit"),
        QStringLiteral("%1 \u00d7 3500 = %2 calories a day, 3500 calories for every pound.")
            .arg(f(r.lossPerDayPounds), whole(r.dailyDeficit)),
        whole(r.dailyDeficit) + QStringLiteral(" calories"));

    const QString goalArithmetic = QStringLiteral("%1 \u2212 %2 = %3")
                                       .arg(whole(r.maintenanceCalories), whole(r.dailyDeficit), whole(r.goalCalories));
    lines << step(s.goalCalories, QStringLiteral("To reach your goal"),
        r.goalAchievable ? goalArithmetic
                + QStringLiteral(" calories a day (%1 kJ).")
                      .arg(whole(std::round(r.goalCalories * kKilojoulesPerKilocalorie)))
                         : goalArithmetic + QStringLiteral(": below nothing, so this intake cannot be achieved."),
        whole(r.goalCalories) + QStringLiteral(" calories a day"));
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

QString outlook(const WeightPlan& plan, const QLocale& locale)
{
    const QString start = pounds(plan.startPounds, locale);
    if (plan.lossPounds <= 0)
        return QStringLiteral("You chose to lose nothing: the plan keeps your weight at %1.").arg(start);
    const QString pace = planFigure(plan.result.lossPerDayPounds, locale) + QStringLiteral(" lb a day");
    if (!plan.showsLoss() && plan.noBodyWeightLeft()) {
        return QStringLiteral("Losing %1 from %2 would leave no body weight, and no daily intake gives %3: it would "
                              "take a deficit of %4 calories a day, more than the %5 calories that keep your weight.")
            .arg(pounds(plan.lossPounds, locale), start, pace, whole(plan.result.dailyDeficit),
                whole(plan.result.maintenanceCalories));
    }
    if (!plan.showsLoss()) {
        return QStringLiteral("No daily intake reaches your goal of %1 in %2: it would take %3, a deficit of %4 "
                              "calories a day, more than the %5 calories that keep your weight.")
            .arg(pounds(plan.goalPounds, locale), dayCount(plan.days), pace, whole(plan.result.dailyDeficit),
                whole(plan.result.maintenanceCalories));
    }
    if (plan.flat()) {
        return QStringLiteral("%1 lb \u00f7 %2 rounds to 0.00 lb a day, so the plan keeps your weight at %3: the "
                              "goal of %4 is not reached in this time.")
            .arg(planFigure(plan.lossPounds, locale), dayCount(plan.days), start, pounds(plan.goalPounds, locale));
    }
    if (plan.noBodyWeightLeft()) {
        const double last = plan.lastDay();
        if (last < plan.days) {
            return QStringLiteral("At %1 the weight would reach nothing before day %2 of %3, so the line and the "
                                  "table stop there.")
                .arg(pace)
                .arg(static_cast<int>(std::ceil(last)))
                .arg(plan.days);
        }
        return QStringLiteral("At %1 you would weigh %2 on %3 (day %4), and the goal lies below no weight at all.")
            .arg(pace, pounds(plan.weightOnDay(plan.days), locale), shortDate(plan.today.addDays(plan.days), locale))
            .arg(plan.days);
    }
    const double reached = plan.weightOnDay(plan.days);
    const QString when
        = QStringLiteral("%1 (day %2)").arg(shortDate(plan.today.addDays(plan.days), locale)).arg(plan.days);
    const double lost = plan.result.lossPerDayPounds * plan.days;
    const double difference = roundHalfEven(reached - plan.goalPounds, 2).value_or(0);
    if (difference == 0)
        return QStringLiteral("At %1 you reach your goal of %2 on %3.")
            .arg(pace, pounds(plan.goalPounds, locale), when);
    const double quotient = plan.lossPounds / std::max(plan.days, 1);
    return QStringLiteral("At %1 you would weigh %2 on %3, %4 %5 your goal of %6: %7 are lost, %4 %8 than the %9 "
                          "asked, because %10 is rounded %11 from %12.")
        .arg(pace, pounds(reached, locale), when, pounds(std::fabs(difference), locale),
            difference > 0 ? QStringLiteral("above") : QStringLiteral("below"), pounds(plan.goalPounds, locale),
            pounds(lost, locale), difference > 0 ? QStringLiteral("less") : QStringLiteral("more"),
            pounds(plan.lossPounds, locale), pace, difference > 0 ? QStringLiteral("down") : QStringLiteral("up"),
            unroundedDailyLoss(quotient, plan.result.lossPerDayPounds, locale));
}

QStringList cautions(const WeightPlan& plan, const QLocale& locale)
{
    QStringList list;
    const CalorieResult& r = plan.result;
    if (plan.goalPounds <= 0 && plan.lossPounds > 0) {
        list << QStringLiteral("Losing %1 from %2 leaves no body weight at all: please choose a smaller goal.")
                    .arg(pounds(plan.lossPounds, locale), pounds(plan.startPounds, locale));
    }
    if (!r.goalAchievable) {
        list << QStringLiteral("Losing %1 in %2 would take %3 a day, less than nothing, so it cannot be achieved.")
                    .arg(pounds(plan.lossPounds, locale), dayCount(plan.days), intakeText(r.goalCalories));
    } else if (plan.belowFloor()) {
        list << QStringLiteral("%1 a day is below %2, the least that health services advise %3 to eat without a "
                               "doctor's supervision.")
                    .arg(intakeText(r.goalCalories), whole(plan.floorCalories),
                        plan.men ? QStringLiteral("men") : QStringLiteral("women"));
    }
    if (plan.tooFast()) {
        list << QStringLiteral("%1 in %2 is %3 lb a week, more than the 1 to 2 lb a week that health services advise.")
                    .arg(
                        pounds(plan.lossPounds, locale), dayCount(plan.days), planFigure(plan.poundsPerWeek(), locale));
    }
    return list;
}

QString lineDescription(const WeightPlan& plan, const QLocale& locale);

QString roughPounds(double value, const QLocale& locale)
{
    return planFigure(roundHalfEven(value, 1).value_or(value), locale) + QStringLiteral(" lb");
}

QString floorSentence(const WeightPlan& plan, double calories)
{
    return QStringLiteral("%1 a day is below %2, the least that health services advise %3 to eat without a doctor's "
                          "supervision.")
        .arg(intakeText(calories), whole(plan.floorCalories),
            plan.men ? QStringLiteral("men") : QStringLiteral("women"));
}

// What the body is likely to do at the plan's intake, beside the straight line of 3500
// calories a pound; the model's own cautions by the plan's limits; its source and its
// limits.
QStringList modelLines(const WeightPlan& plan, const QLocale& locale)
{
    const QString source = QStringLiteral("The model is that of Hall and colleagues (The Lancet, 2011), which the NIH "
                                          "Body Weight Planner uses.");
    const QString limits = QStringLiteral("It is made for adults and tells what an average body does, not a promise; "
                                          "it is not for pregnancy or illness.");
    const PlanModel& m = plan.model;
    if (!m.holds())
        return {QStringLiteral("The model of how the body responds does not hold here, so it draws nothing: %1")
                    .arg(m.refusal),
            source};

    QStringList lines;
    const int last = static_cast<int>(m.pounds.size()) - 1;
    const double modelEnd = m.pounds.last();
    const double lineEnd = plan.weightOnDay(last);
    const QString expects = QStringLiteral("At %1 a day the model expects about %2 on day %3")
                                .arg(intakeText(plan.result.goalCalories), roughPounds(modelEnd, locale))
                                .arg(last);
    if (plan.lossPounds <= 0 || std::fabs(modelEnd - lineEnd) < 0.05) {
        lines << expects + QStringLiteral(", as the straight line does.");
    } else {
        lines << expects
                + QStringLiteral(", not the %1 of the straight line: the body first gives up water and stored "
                                 "glycogen, which weigh much for the calories they hold, then loses more slowly, as "
                                 "it gets lighter and burns less.")
                      .arg(roughPounds(lineEnd, locale));
    }
    if (plan.lossPounds > 0) {
        const QString goal = pounds(plan.goalPounds, locale);
        if (m.reachCalories) {
            QString reach = QStringLiteral("By the model, %1 a day reach %2 on day %3 (%4).")
                                .arg(intakeText(*m.reachCalories), goal)
                                .arg(last)
                                .arg(shortDate(plan.today.addDays(last), locale));
            if (*m.reachCalories < plan.floorCalories)
                reach += QLatin1Char(' ') + floorSentence(plan, *m.reachCalories);
            if (plan.tooFast()) {
                reach
                    += QStringLiteral(" It loses %1 lb a week, more than the 1 to 2 lb a week that health services "
                                      "advise.")
                           .arg(planFigure(
                               roundHalfEven(plan.lossPounds / std::max(last, 1) * 7, 2).value_or(plan.poundsPerWeek()),
                               locale));
            }
            lines << reach;
        } else {
            lines << QStringLiteral("By the model, no daily intake reaches %1 on day %2.").arg(goal).arg(last);
        }
        if (m.keepCalories) {
            lines << QStringLiteral("And %1 a day keep %2 afterwards, by the model.")
                         .arg(intakeText(*m.keepCalories), goal);
        }
    }
    lines << source << limits;
    return lines;
}

QString chartDescription(const WeightPlan& plan, const QLocale& locale)
{
    QString model;
    if (plan.model.holds()) {
        model = QStringLiteral(" The dotted line is what the body is likely to do at the same intake, by the model: "
                               "about %1 on day %2.")
                    .arg(roughPounds(plan.model.pounds.last(), locale))
                    .arg(plan.model.pounds.size() - 1);
    }
    return lineDescription(plan, locale) + model;
}

QString lineDescription(const WeightPlan& plan, const QLocale& locale)
{
    if (!plan.showsLoss()) {
        return QStringLiteral("Chart of your weight: %1 today, and the goal, %2, as a dashed line. No line is drawn, "
                              "as no daily intake reaches the goal in this time.")
            .arg(pounds(plan.startPounds, locale), pounds(plan.goalPounds, locale));
    }
    if (plan.noBodyWeightLeft()) {
        return QStringLiteral("Chart of your weight day by day, pounds on the left and kilograms on the right: from %1 "
                              "today down to nothing on day %2, where the line stops, %3 lb a day.")
            .arg(pounds(plan.startPounds, locale))
            .arg(static_cast<int>(std::ceil(plan.lastDay())))
            .arg(planFigure(plan.result.lossPerDayPounds, locale));
    }
    return QStringLiteral("Chart of your weight day by day, pounds on the left and kilograms on the right: from %1 "
                          "today to %2 on %3, %4 lb a day; the goal, %5, is the dashed line.")
        .arg(pounds(plan.startPounds, locale), pounds(plan.weightOnDay(plan.days), locale),
            shortDate(plan.today.addDays(plan.days), locale), planFigure(plan.result.lossPerDayPounds, locale),
            pounds(plan.goalPounds, locale));
}

QString withinLimits(const WeightPlan& plan, const QLocale& locale)
{
    return withinLimitsText(plan, false, locale);
}

} // namespace

QString isolated(const QString& text)
{
    for (const QChar c : text) {
        switch (c.direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return QChar(0x2068) + text + QChar(0x2069); // first strong isolate ... pop directional isolate
        default:
            break;
        }
    }
    return text;
}

QString withinLimitsText(const WeightPlan& plan, bool fromToday, const QLocale& locale)
{
    const PlanTimeFrame& frame = plan.withinLimits;
    if (frame.days > 0) {
        return QStringLiteral("%1he shortest time frame that keeps within both limits is %2, until %3: %4 a day, %5 lb "
                              "a week.")
            .arg(fromToday ? QStringLiteral("From today, t") : QStringLiteral("T"), dayCount(frame.days),
                shortDate(plan.today.addDays(frame.days), locale), intakeText(frame.result.goalCalories),
                planFigure(frame.poundsPerWeek(), locale));
    }
    if (plan.result.maintenanceCalories < plan.floorCalories) {
        return QStringLiteral("Even the intake that keeps your %1 weight, %2 a day, is below %3, so no time frame "
                              "keeps within the limits. Please ask your doctor before any diet.")
            .arg(fromToday ? QStringLiteral("present") : QStringLiteral("current"),
                intakeText(plan.result.maintenanceCalories), whole(plan.floorCalories));
    }
    return QStringLiteral("No time frame up to %1 days keeps within both limits. Please ask your doctor before any "
                          "diet.")
        .arg(kLongestTimeFrame);
}

namespace PlanWords {

QString pounds(double value, const QLocale& locale)
{
    return planFigure(roundHalfEven(value, 2).value_or(value), locale) + QStringLiteral(" lb");
}

QString tableFigure(double value, int decimals, const QLocale& locale)
{
    if (!std::isfinite(value) || std::fabs(value) >= kLargestPlainFigure)
        return planFigure(value, locale);
    const double rounded = roundHalfEven(value, decimals).value_or(value);
    QString text = QLocale::c().toString(rounded == 0 ? 0.0 : rounded, 'f', decimals);
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    if (text.startsWith(QLatin1Char('-')))
        text.replace(0, 1, locale.negativeSign());
    return text;
}

QString shortDate(const QDate& date, const QLocale& locale)
{
    return isolated(locale.toString(date, QLocale::ShortFormat));
}

QString dayCount(qint64 days)
{
    return days == 1 ? QStringLiteral("1 day") : QStringLiteral("%1 days").arg(days);
}

} // namespace PlanWords

QString planFigure(double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return QStringLiteral("\u2014");
    if (std::fabs(value) < kLargestPlainFigure)
        return isolated(writeNumber(value, locale));
    QString text = QString::number(value, 'g', 6);
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    if (text.startsWith(QLatin1Char('-')))
        text.replace(0, 1, locale.negativeSign());
    return text;
}

QString intakeText(double calories)
{
    return QStringLiteral("%1 calories (%2 kJ)")
        .arg(whole(calories), whole(std::round(calories * kKilojoulesPerKilocalorie)));
}

PlanTexts planTexts(const WeightPlan& plan, const QLocale& locale)
{
    PlanTexts t;
    const ResultTexts results = resultTexts(plan.details, plan.result);
    t.title = QStringLiteral("Weight loss plan for %1").arg(results.name);
    auto withKilograms = [](const QString& text, const QString& kg) {
        return kg.isEmpty() ? text : text + QStringLiteral(" (%1 kg)").arg(kg);
    };
    t.inputs = {
        {QStringLiteral("Your Name :"), results.name},
        {QStringLiteral("Gender:"), plan.details.gender},
        {QStringLiteral("Age:"), results.age},
        {QStringLiteral("Your Height:"), results.height},
        {QStringLiteral("Your Weight:"), withKilograms(results.weight, plan.details.weightKg)},
        {QStringLiteral("Level of Daily Activity:"), results.activityLevel},
        {QStringLiteral("Weight You Wish To Lose:"), withKilograms(results.lossWeight, plan.details.lossKg)},
        {QStringLiteral("Time Frame To Lose Weight:"), results.timeFrame},
    };
    t.maintenance = results.result1;
    t.goal = results.result2;
    t.outlook = outlook(plan, locale);

    t.chartDescription = chartDescription(plan, locale);

    if (plan.needsCaution() || plan.goalPounds <= 0) {
        t.cautions = cautions(plan, locale);
        // A goal of no body weight is not to be reached at any pace.
        if (!t.cautions.isEmpty() && !plan.noBodyWeightLeft())
            t.withinLimits = withinLimits(plan, locale);
    }

    t.milestoneTitle = plan.days > 26 * 7 ? QStringLiteral("Your weight, week by week, then month by month")
                                          : QStringLiteral("Your weight, week by week");
    t.milestoneHeader = {QStringLiteral("Date"), QStringLiteral("Day"), QStringLiteral("Weight (lb)"),
        QStringLiteral("Weight (kg)"), QStringLiteral("Lost so far (lb)")};
    if (plan.showsLoss()) {
        t.milestoneRows.append({shortDate(plan.today, locale), QStringLiteral("Today"),
            tableFigure(plan.startPounds, 2, locale), kilograms(plan.startPounds, locale), tableFigure(0, 2, locale)});
    }
    for (const PlanMilestone& m : plan.milestones) {
        t.milestoneRows.append(
            {shortDate(m.date, locale), QString::number(m.day), tableFigure(m.weightPounds, 2, locale),
                kilograms(m.weightPounds, locale), tableFigure(m.lostPounds, 2, locale)});
    }

    t.explanation = explanation(plan, locale);

    if (plan.lossPounds > 0 && !plan.noBodyWeightLeft()) {
        t.paceHeader = {QStringLiteral("Pace"), QStringLiteral("Time frame"), QStringLiteral("Until"),
            QStringLiteral("Daily intake")};
        for (std::size_t i = 0; i < kPlanPaces.size(); ++i) {
            const PlanTimeFrame& frame = plan.paces[i];
            const QString pace = planFigure(kPlanPaces[i], locale) + QStringLiteral(" lb a week");
            if (frame.days == 0) {
                const QString longer = QStringLiteral("more than %1 days").arg(kLongestTimeFrame);
                t.paceRows.append({pace, longer, QString(), QString()});
                t.paceLines.append(QStringLiteral("%1: %2.").arg(pace, longer));
                continue;
            }
            const QString until = shortDate(plan.today.addDays(frame.days), locale);
            const QString intake = frame.result.goalAchievable ? intakeText(frame.result.goalCalories)
                                                               : QStringLiteral("cannot be achieved");
            t.paceRows.append({pace, dayCount(frame.days), until, intake});
            t.paceLines.append(frame.result.goalAchievable
                    ? QStringLiteral("%1: %2, until %3, on %4 a day.").arg(pace, dayCount(frame.days), until, intake)
                    : QStringLiteral("%1: %2, until %3, at an intake that cannot be achieved.")
                          .arg(pace, dayCount(frame.days), until));
        }
    }

    if (plan.goalMaintenanceCalories) {
        t.afterGoal = QStringLiteral("To keep %1 once you have reached it: %2 a day, by the same equations at the "
                                     "goal weight.")
                          .arg(pounds(plan.goalPounds, locale), intakeText(*plan.goalMaintenanceCalories));
    } else if (plan.goalPounds > 0 && plan.lossPounds > 0) {
        t.afterGoal = QStringLiteral("To keep %1 once you have reached it, the same equations give no intake that a "
                                     "person can eat.")
                          .arg(pounds(plan.goalPounds, locale));
    }
    t.modelTitle = QStringLiteral("What the body is likely to do");
    t.model = modelLines(plan, locale);
    t.note = kDisclaimer;
    return t;
}

QString planPlainText(const PlanTexts& t, const QDateTime& made, const QLocale& locale)
{
    QStringList lines;
    lines << t.title << QStringLiteral("Made on %1").arg(locale.toString(made, QLocale::ShortFormat)) << QString();
    for (const auto& [caption, value] : t.inputs)
        lines << caption + QLatin1Char(' ') + value;
    lines << QString() << t.maintenance << t.goal << QString();
    if (!t.cautions.isEmpty()) {
        lines << QStringLiteral("Caution") << t.cautions;
        if (!t.withinLimits.isEmpty())
            lines << t.withinLimits;
        lines << QString();
    }
    lines << t.milestoneTitle << t.outlook;
    if (!t.milestoneRows.isEmpty())
        lines << t.milestoneHeader.join(QLatin1Char('\t'));
    for (const QStringList& row : t.milestoneRows)
        lines << row.join(QLatin1Char('\t'));
    lines << QString() << QStringLiteral("How these figures are computed");
    for (int i = 0; i < t.explanation.size(); ++i)
        lines << QStringLiteral("%1. %2").arg(i + 1).arg(t.explanation.at(i));
    if (!t.paceRows.isEmpty()) {
        lines << QString() << QStringLiteral("Other paces") << t.paceHeader.join(QLatin1Char('\t'));
        for (const QStringList& row : t.paceRows)
            lines << row.join(QLatin1Char('\t'));
    }
    if (!t.afterGoal.isEmpty())
        lines << QString() << QStringLiteral("After the goal") << t.afterGoal;
    if (!t.model.isEmpty())
        lines << QString() << t.modelTitle << t.model;
    lines << QString() << t.note;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString suggestedPlanFileName(const QString& name, const QDate& date)
{
    return suggestedFileName(name, QStringLiteral("weight loss plan"), date);
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
