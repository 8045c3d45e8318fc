#include "calculator/progresstext.h"

#include "calculator/decimalrounding.h"
#include "calculator/figurewords.h"
#include "calculator/numbertext.h"
#include "calculator/plantext.h"
#include "calculator/resulttexts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

using namespace FigureWords;

namespace {

struct ProgressText
{
    Q_DECLARE_TR_FUNCTIONS(ProgressText)
};

constexpr int kLongestQuotedText = 24;

QString times(int count)
{
    //: How often to weigh in again: "weigh in once more"
    return count == 1 ? ProgressText::tr("once more")
                      //: How often to weigh in again: "weigh in 3 more times"
                      : ProgressText::tr("%n more times", "", count);
}

// The caution beside any intake below the floor, after the sentence it follows; empty
// above it.
QString floorCaution(double calories, const WeightPlan& plan, const QLocale& locale)
{
    if (!(calories < plan.floorCalories))
        return QString();
    //: Follows a sentence with a daily intake; %1 the least calories advised
    return QLatin1Char(' ')
        + (plan.men ? ProgressText::tr("That is below %1, the least that health services advise men to eat without a "
                                       "doctor's supervision.")
                          .arg(planFigure(plan.floorCalories, locale))
                    //: Follows a sentence with a daily intake; %1 the least calories advised
                    : ProgressText::tr("That is below %1, the least that health services advise women to eat without "
                                       "a doctor's supervision.")
                          .arg(planFigure(plan.floorCalories, locale)));
}

QString glance(const Progress& p, const Figures& f)
{
    const double lost = twoDecimals(p.lostPounds());
    const QString change = f.weight(lost >= 0 ? lost : -lost);
    std::optional<QString> share;
    if (const auto part = p.goalShare(); part && std::isfinite(*part) && std::fabs(*part) < 100)
        share = f.locale.toString(std::round(std::max(*part, 0.0) * 100), 'f', 0);
    std::optional<QString> bmi;
    if (const auto index = p.bodyMassIndex(); index && *index < 1000)
        bmi = f.locale.toString(*index, 'f', 1);
    const QString toLose = f.weightAlone(p.plan.lossPounds);
    if (lost >= 0) {
        if (share && bmi) {
            //: %1 a weight, %2 a share in per cent, %3 the plan's loss, %4 the body mass index
            return ProgressText::tr("At a glance: %1 lost since the start, %2% of the %3 your plan sets out to lose; "
                                    "body mass index now %4.")
                .arg(change, *share, toLose, *bmi);
        }
        if (share) {
            //: %1 a weight, %2 a share in per cent, %3 the plan's loss
            return ProgressText::tr("At a glance: %1 lost since the start, %2% of the %3 your plan sets out to lose.")
                .arg(change, *share, toLose);
        }
        if (bmi) {
            //: %1 a weight, %2 the body mass index
            return ProgressText::tr("At a glance: %1 lost since the start; body mass index now %2.").arg(change, *bmi);
        }
        return ProgressText::tr("At a glance: %1 lost since the start.").arg(change);
    }
    if (share && bmi) {
        //: %1 a weight, %2 a share in per cent, %3 the plan's loss, %4 the body mass index
        return ProgressText::tr("At a glance: %1 gained since the start, %2% of the %3 your plan sets out to lose; "
                                "body mass index now %4.")
            .arg(change, *share, toLose, *bmi);
    }
    if (share) {
        //: %1 a weight, %2 a share in per cent, %3 the plan's loss
        return ProgressText::tr("At a glance: %1 gained since the start, %2% of the %3 your plan sets out to lose.")
            .arg(change, *share, toLose);
    }
    if (bmi) {
        //: %1 a weight, %2 the body mass index
        return ProgressText::tr("At a glance: %1 gained since the start; body mass index now %2.").arg(change, *bmi);
    }
    return ProgressText::tr("At a glance: %1 gained since the start.").arg(change);
}

QString stageSentence(const Progress& p, const Figures& f)
{
    const QLocale& locale = f.locale;
    const int days = p.plan.days;
    switch (p.stage) {
    case PlanStage::NotStarted:
        //: %1 a date, %2 a count of days, %3 a weight
        return ProgressText::tr("Your plan starts on %1, in %2; until then it expects you to stay at %3.")
            .arg(shortDate(p.start, locale), dayCount(-p.day), f.weight(p.expectedTodayPounds));
    case PlanStage::Ended:
        //: %1 a date, %2 a count of days, %3 a weight
        return ProgressText::tr("Your plan ended on %1, %2 ago, at %3, the weight it expects from then on.")
            .arg(shortDate(p.end, locale), dayCount(p.day - days), f.weight(p.expectedTodayPounds));
    case PlanStage::Running:
        break;
    }
    const QString today = p.day == days
        //: %1 today's date, %2 the days of the plan
        ? ProgressText::tr("Today, %1, is the last day of your plan, day %2 of %2.")
              .arg(shortDate(p.today, locale))
              .arg(days)
        //: %1 today's date, %2 the day of the plan, %3 the days of the plan, %4 the date it ends
        : ProgressText::tr("Today, %1, is day %2 of %3 of your plan, which ends on %4.")
              .arg(shortDate(p.today, locale))
              .arg(p.day)
              .arg(days)
              .arg(shortDate(p.end, locale));
    //: %1 a weight
    return today + QLatin1Char(' ')
        + ProgressText::tr("The plan expects you to weigh %1 today.").arg(f.weight(p.expectedTodayPounds));
}

// The weigh-ins of a chart in words; follows "Chart of ...: ".
QString weighInsDescribed(const QList<TrendDay>& trend, int count, const Figures& f)
{
    if (trend.isEmpty())
        return ProgressText::tr("no weigh-ins yet.");
    const TrendDay& last = trend.last();
    if (count == 1) {
        //: %1 a date, %2 a weight
        return ProgressText::tr("1 weigh-in, on %1, of %2.")
            .arg(shortDate(last.date, f.locale), f.weightAlone(last.pounds));
    }
    //: %n the weigh-ins (more than one), %1 and %2 dates, %3 a weight
    return ProgressText::tr("%n weigh-ins from %1 to %2, and their smoothed line, %3 on %2.", "", count)
        .arg(shortDate(trend.first().date, f.locale), shortDate(last.date, f.locale), f.weightAlone(last.trendPounds));
}

QString staleSentence(const Progress& p, const Figures& f)
{
    //: %1 a date, %2 a count of days, %3 a weight
    return ProgressText::tr("Your last weigh-in was on %1, %2 ago, at %3: please weigh in again, best in the morning "
                            "before breakfast, to see where you stand, your pace and when you reach your goal.")
        .arg(shortDate(p.weightDate, f.locale), dayCount(p.weightDate.daysTo(p.today)), f.weight(p.weightPounds));
}

QString weightSentence(const Progress& p, const Figures& f)
{
    const double ahead = twoDecimals(p.aheadPounds());
    const QString expected = f.weightAlone(p.expectedOnWeightDatePounds);
    const QString weight = f.weight(p.weightPounds);
    const QString date = shortDate(p.weightDate, f.locale);
    enum class Against { OnPlan, Ahead, Behind };
    const Against against = p.onPlan() ? Against::OnPlan : ahead > 0 ? Against::Ahead : Against::Behind;
    // On plan: the margin; ahead or behind: by how much.
    const QString by = against == Against::OnPlan ? f.weightAlone(kOnPlanPounds) : f.weight(std::fabs(ahead));
    if (p.line && p.weightDate == p.today) {
        switch (against) {
        case Against::OnPlan:
            //: %1 the weight, %2 the margin, %3 the weight the plan expects
            return ProgressText::tr("Your weight today is %1, read off a straight line through your weigh-ins of the "
                                    "last four weeks, which one odd morning hardly moves: on plan, within %2 of the %3 "
                                    "it expects.")
                .arg(weight, by, expected);
        case Against::Ahead:
            //: %1 the weight, %2 how far ahead, %3 the weight the plan expects
            return ProgressText::tr("Your weight today is %1, read off a straight line through your weigh-ins of the "
                                    "last four weeks, which one odd morning hardly moves: %2 ahead of the plan, which "
                                    "expects %3.")
                .arg(weight, by, expected);
        case Against::Behind:
            break;
        }
        //: %1 the weight, %2 how far behind, %3 the weight the plan expects
        return ProgressText::tr("Your weight today is %1, read off a straight line through your weigh-ins of the last "
                                "four weeks, which one odd morning hardly moves: %2 behind the plan, which expects %3.")
            .arg(weight, by, expected);
    }
    if (p.line) {
        switch (against) {
        case Against::OnPlan:
            //: %1 a date, %2 the weight, %3 the margin, %4 the weight the plan expects
            return ProgressText::tr("Your weight on %1, the day of your last weigh-in, was %2, read off a straight "
                                    "line through your weigh-ins of the last four weeks, which one odd morning hardly "
                                    "moves: on plan, within %3 of the %4 it expects that day.")
                .arg(date, weight, by, expected);
        case Against::Ahead:
            //: %1 a date, %2 the weight, %3 how far ahead, %4 the weight the plan expects
            return ProgressText::tr("Your weight on %1, the day of your last weigh-in, was %2, read off a straight "
                                    "line through your weigh-ins of the last four weeks, which one odd morning hardly "
                                    "moves: %3 ahead of the plan, which expects %4 that day.")
                .arg(date, weight, by, expected);
        case Against::Behind:
            break;
        }
        //: %1 a date, %2 the weight, %3 how far behind, %4 the weight the plan expects
        return ProgressText::tr("Your weight on %1, the day of your last weigh-in, was %2, read off a straight line "
                                "through your weigh-ins of the last four weeks, which one odd morning hardly moves: "
                                "%3 behind the plan, which expects %4 that day.")
            .arg(date, weight, by, expected);
    }
    switch (against) {
    case Against::OnPlan:
        //: %1 a date, %2 the weight, %3 the margin, %4 the weight the plan expects
        return ProgressText::tr("Your last weigh-in, on %1, is %2, a single morning that can be a pound or two off "
                                "either way: on plan, within %3 of the %4 it expects that day.")
            .arg(date, weight, by, expected);
    case Against::Ahead:
        //: %1 a date, %2 the weight, %3 how far ahead, %4 the weight the plan expects
        return ProgressText::tr("Your last weigh-in, on %1, is %2, a single morning that can be a pound or two off "
                                "either way: %3 ahead of the plan, which expects %4 that day.")
            .arg(date, weight, by, expected);
    case Against::Behind:
        break;
    }
    //: %1 a date, %2 the weight, %3 how far behind, %4 the weight the plan expects
    return ProgressText::tr("Your last weigh-in, on %1, is %2, a single morning that can be a pound or two off either "
                            "way: %3 behind the plan, which expects %4 that day.")
        .arg(date, weight, by, expected);
}

QString paceSentences(const Progress& p, const Figures& f)
{
    const QLocale& locale = f.locale;
    const QString goal = f.weight(p.plan.goalPounds);
    if (!p.paceKnown()) {
        const QDate firstRecent = p.weightDate.addDays(-p.spanDays);
        const QDate earliest = std::max(firstRecent.addDays(kPaceDays), p.today);
        // In each: %1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins
        // there are, %4 the days they span; then how often to weigh in, or from when.
        const auto counts = [&](const QString& text) {
            return text.arg(kFewestWeighInsForPace).arg(kPaceDays).arg(p.recentWeighIns).arg(dayCount(p.spanDays));
        };
        if (p.weighInsNeeded > 0 && p.daysNeeded > 0 && earliest == p.today) {
            //: %1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they
            //: span, %5 how often to weigh in ("once more", "3 more times")
            return counts(ProgressText::tr("Your pace, and when you reach your goal, show once you have %1 weigh-ins "
                                           "over at least %2 days within four weeks (you have %3 over %4): weigh in "
                                           "%5, the last of them today or later."))
                .arg(times(p.weighInsNeeded));
        }
        if (p.weighInsNeeded > 0 && p.daysNeeded > 0) {
            //: %1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they
            //: span, %5 how often to weigh in ("once more", "3 more times"), %6 a date
            return counts(ProgressText::tr("Your pace, and when you reach your goal, show once you have %1 weigh-ins "
                                           "over at least %2 days within four weeks (you have %3 over %4): weigh in "
                                           "%5, the last of them on %6 or later."))
                .arg(times(p.weighInsNeeded), shortDate(earliest, locale));
        }
        if (p.weighInsNeeded > 0) {
            //: %1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they
            //: span, %5 how often to weigh in ("once more", "3 more times")
            return counts(ProgressText::tr("Your pace, and when you reach your goal, show once you have %1 weigh-ins "
                                           "over at least %2 days within four weeks (you have %3 over %4): weigh in "
                                           "%5."))
                .arg(times(p.weighInsNeeded));
        }
        if (earliest == p.today) {
            //: %1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span
            return counts(ProgressText::tr("Your pace, and when you reach your goal, show once you have %1 weigh-ins "
                                           "over at least %2 days within four weeks (you have %3 over %4): weigh in "
                                           "again today or later."));
        }
        //: %1 the weigh-ins needed, %2 the days they must span, %3 the weigh-ins there are, %4 the days they span,
        //: %5 a date
        return counts(ProgressText::tr("Your pace, and when you reach your goal, show once you have %1 weigh-ins over "
                                       "at least %2 days within four weeks (you have %3 over %4): weigh in again on "
                                       "%5 or later."))
            .arg(shortDate(earliest, locale));
    }

    const double perWeek = twoDecimals(p.poundsPerWeek());
    const QString margin = f.weightAlone(twoDecimals(p.line->lossMarginPerDay * 7));
    const QString from = shortDate(p.weightDate.addDays(-p.spanDays), locale);
    const QString to = shortDate(p.weightDate, locale);
    QString over;
    if (perWeek > 0) {
        //: %1 and %2 dates, %3 a weight, %4 its margin
        over = ProgressText::tr("From %1 to %2 you lost %3 a week, give or take %4, by the slope of that line.")
                   .arg(from, to, f.weight(perWeek), margin);
    } else if (perWeek < 0) {
        //: %1 and %2 dates, %3 a weight, %4 its margin
        over = ProgressText::tr("From %1 to %2 you gained %3 a week, give or take %4, by the slope of that line.")
                   .arg(from, to, f.weight(-perWeek), margin);
    } else {
        //: %1 and %2 dates
        over = ProgressText::tr("From %1 to %2 your weight held steady, by the slope of that line.").arg(from, to);
    }
    over += QLatin1Char(' ');
    switch (p.forecast) {
    case Forecast::Reached:
        //: %1 the goal weight
        return over + ProgressText::tr("You are at your goal of %1 or below it.").arg(goal);
    case Forecast::OnDate:
        if (p.goalDateEarliest == p.goalDateLatest) {
            //: %1 the goal weight, %2 a date
            return over
                + ProgressText::tr("At that pace you reach your goal of %1 about %2.")
                      .arg(goal, shortDate(p.goalDate, locale));
        }
        //: %1 the goal weight, %2 %3 and %4 dates
        return over
            + ProgressText::tr("At that pace you reach your goal of %1 between %2 and %3, most likely about %4: the "
                               "range is how far your weigh-ins scatter around the line.")
                  .arg(goal, shortDate(p.goalDateEarliest, locale), shortDate(p.goalDateLatest, locale),
                      shortDate(p.goalDate, locale));
    case Forecast::Unclear:
        //: %1 the goal weight
        return over
            + ProgressText::tr("Your weigh-ins scatter too much around that line to tell this loss from a gain, so "
                               "there is no date for your goal of %1 yet: weigh in each morning and it will show.")
                  .arg(goal);
    case Forecast::TooFar:
        //: %1 the goal weight
        return over
            + ProgressText::tr("At the slowest pace your weigh-ins allow, your goal of %1 is more than two years "
                               "away, so there is no date: one that far out would be a guess.")
                  .arg(goal);
    case Forecast::Never:
        //: %1 the goal weight
        return over
            + (perWeek < 0 ? ProgressText::tr("A weight that gains never reaches your goal of %1.").arg(goal)
                           //: %1 the goal weight
                           : ProgressText::tr("A weight that stands still never reaches your goal of %1.").arg(goal));
    case Forecast::NotYet:
    case Forecast::Stale:
        break;
    }
    over.chop(1);
    return over;
}

QStringList standing(const Progress& p, const Figures& f)
{
    if (p.trend.isEmpty()) {
        return {stageSentence(p, f),
            ProgressText::tr("Weigh yourself to see where you stand: enter your first weigh-in, in pounds or "
                             "kilograms, best each morning before breakfast.")};
    }
    QStringList list {glance(p, f), stageSentence(p, f)};
    if (p.stale())
        return list << staleSentence(p, f);
    return list << weightSentence(p, f) << paceSentences(p, f);
}

QStringList replanInTime(const Progress& p, const Figures& f)
{
    const QLocale& locale = f.locale;
    const Replan& r = p.replan;
    const WeightPlan& plan = r.plan;
    const CalorieResult& result = plan.result;
    const QString goal = f.weightAlone(p.plan.goalPounds);
    const QString end = shortDate(p.end, locale);
    const QString from = f.weightAlone(r.fromPounds);
    const QString toLose = f.weightAlone(plan.lossPounds);
    const QString days = dayCount(plan.days);
    const QString intake = intakeText(result.goalCalories);
    const QString perDay = f.weight(result.lossPerDayPounds);
    const QString again = ProgressText::tr("This is your plan's calculation run again with your weight now, the "
                                           "weight still to lose and the days left.");
    if (plan.flat()) {
        //: %1 the goal weight, %2 the plan's end date, %3 the weight now, %4 the weight to lose, %5 a count of
        //: days, %6 a daily intake
        return {ProgressText::tr("To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, "
                                 "which rounds to 0.00 lb a day: the calculation gives the intake that keeps your "
                                 "weight, %6 a day.")
                    .arg(goal, end, from, toLose, days, intake)
                + floorCaution(result.goalCalories, plan, locale),
            again};
    }
    if (!plan.needsCaution()) {
        //: %1 the goal weight, %2 the plan's end date, %3 the weight now, %4 the weight to lose, %5 a count of
        //: days, %6 a daily loss, %7 a daily intake
        return {ProgressText::tr("To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, %6 "
                                 "a day: eat %7 a day, within the cautions of health services.")
                    .arg(goal, end, from, toLose, days, perDay, intake),
            again};
    }
    // What keeps within the cautions leads; what the end date would take follows, as such.
    QStringList list {withinLimitsText(plan, true, f)};
    if (!result.goalAchievable) {
        //: %1 the goal weight, %2 the plan's end date, %3 the weight now, %4 the weight to lose, %5 a count of
        //: days, %6 a daily loss, %7 a daily intake
        list << ProgressText::tr("To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in %5, %6 "
                                 "a day: that would take %7 a day, less than nothing, so it cannot be achieved.")
                    .arg(goal, end, from, toLose, days, perDay, intake);
        return list << again;
    }
    //: %1 the goal weight, %2 the plan's end date, %3 the weight now, %4 the weight to lose, %5 a count of days,
    //: %6 a daily loss, %7 a daily intake
    QString takes = ProgressText::tr("To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose in "
                                     "%5, %6 a day: that would take %7 a day.")
                        .arg(goal, end, from, toLose, days, perDay, intake);
    if (plan.belowFloor())
        takes += floorCaution(result.goalCalories, plan, locale);
    if (plan.tooFast()) {
        //: %1 a weekly loss in two units
        takes += QLatin1Char(' ')
            + (f.kilogramsFirst ? ProgressText::tr("It is %1 a week, more than the 0.45 to 0.91 kg (1 to 2 lb) a week "
                                                   "that health services advise.")
                                      .arg(f.weight(plan.poundsPerWeek()))
                                //: %1 a weekly loss in two units
                                : ProgressText::tr("It is %1 a week, more than the 1 to 2 lb (0.45 to 0.91 kg) a week "
                                                   "that health services advise.")
                                      .arg(f.weight(plan.poundsPerWeek())));
    }
    return list << takes << again;
}

// The intake that keeps the goal: by the model where it has one, the equations' named
// beside it. Follows the sentence on the goal.
QString keepGoal(const Progress& p, const Figures& f)
{
    const WeightPlan& plan = p.plan;
    const std::optional<double>& equations = plan.goalMaintenanceCalories;
    if (p.eaten.known() && p.eaten.keepCalories) {
        const double model = std::round(*p.eaten.keepCalories);
        //: %1 a daily intake
        QString text = QLatin1Char(' ')
            + ProgressText::tr("To keep it: about %1 a day, by the body model from your weigh-ins.")
                  .arg(intakeText(model))
            + floorCaution(model, plan, f.locale);
        if (equations) {
            //: %1 a daily intake
            text += QLatin1Char(' ')
                + ProgressText::tr("The program's own equations give %1 a day at the goal weight; they leave out how "
                                   "the body spends less after a loss, so the model's figure leads.")
                      .arg(intakeText(*equations));
        }
        return text;
    }
    if (!equations)
        return QString();
    //: %1 a daily intake
    return QLatin1Char(' ')
        + ProgressText::tr("To keep your goal: %1 a day, by the program's own equations at the goal weight.")
              .arg(intakeText(*equations))
        + floorCaution(*equations, plan, f.locale);
}

QStringList replan(const Progress& p, const Figures& f)
{
    const QLocale& locale = f.locale;
    const Replan& r = p.replan;
    switch (r.kind) {
    case ReplanKind::None:
        return {};
    case ReplanKind::Stale:
        //: %1 a date, %2 the days after which a weigh-in is old (more than one)
        return {ProgressText::tr("Your plan from today shows once you weigh in again: your last weigh-in, on %1, is "
                                 "more than %2 days old.")
                    .arg(shortDate(p.weightDate, locale))
                    .arg(kStaleDays)};
    case ReplanKind::NoBodyWeight:
        //: %1 the goal weight
        return {ProgressText::tr("Your plan's goal, %1, leaves no body weight, so there is no plan from today: please "
                                 "choose a smaller goal.")
                    .arg(f.weightAlone(p.plan.goalPounds))};
    case ReplanKind::GoalReached:
        //: %1 the weight now, %2 the goal weight
        return {ProgressText::tr("Your weight, %1, is at or below your goal of %2.")
                    .arg(f.weightAlone(r.fromPounds), f.weightAlone(p.plan.goalPounds))
            + keepGoal(p, f)};
    case ReplanKind::TooFarAway:
        //: %1 a date, %2 the longest time frame in days (more than one)
        return {ProgressText::tr("Your plan ends on %1, more than the %2 days a time frame can take from today, so "
                                 "there is no plan from today yet.")
                    .arg(shortDate(p.end, locale))
                    .arg(kLongestTimeFrame)};
    case ReplanKind::OutOfRange:
        //: %1 the weight now
        return {ProgressText::tr("Your weight, %1, is beyond what the calculation can work with, so there is no plan "
                                 "from today.")
                    .arg(f.weightAlone(r.fromPounds))};
    case ReplanKind::EndDateReached:
        return {withinLimitsText(r.plan, true, f),
            r.daysLeft == 0
                //: %1 the plan's end date, %2 the goal weight, %3 the weight now
                ? ProgressText::tr("Your plan's end date, %1, is today, so there are no days left to reach your goal "
                                   "of %2 by it from your weight of %3.")
                      .arg(shortDate(p.end, locale), f.weight(p.plan.goalPounds), f.weightAlone(r.fromPounds))
                //: %1 the plan's end date, %2 the goal weight, %3 the weight now
                : ProgressText::tr("Your plan's end date, %1, has passed, so there are no days left to reach your "
                                   "goal of %2 by it from your weight of %3.")
                      .arg(shortDate(p.end, locale), f.weight(p.plan.goalPounds), f.weightAlone(r.fromPounds))};
    case ReplanKind::InTime:
        return replanInTime(p, f);
    }
    return {};
}

QString estimate(const Progress& p, const Figures& f)
{
    const EatenEstimate& e = p.eaten;
    if (p.trend.isEmpty())
        return QString();
    if (!e.known())
        return e.refusal;
    const QLocale& locale = f.locale;
    const WeightPlan& plan = p.plan;
    const qint64 days = e.from.daysTo(e.to);
    const QString eaten = intakeText(std::round(e.calories));
    const QString low = planFigure(std::round(e.lowCalories), locale);
    const QString high = planFigure(std::round(e.highCalories), locale);
    const QString planSays = intakeText(plan.result.goalCalories);
    QString text;
    if (days == kIntakeDays && plan.result.goalAchievable) {
        //: %1 a daily intake, %2 a date, %3 and %4 calories, %5 the plan's daily intake
        text = ProgressText::tr("Your weigh-ins say you have eaten about %1 a day over the four weeks to %2 (between "
                                "%3 and %4); your plan says %5.")
                   .arg(eaten, shortDate(e.to, locale), low, high, planSays);
    } else if (days == kIntakeDays) {
        //: %1 a daily intake, %2 a date, %3 and %4 calories
        text = ProgressText::tr("Your weigh-ins say you have eaten about %1 a day over the four weeks to %2 (between "
                                "%3 and %4); your plan's intake is less than nothing.")
                   .arg(eaten, shortDate(e.to, locale), low, high);
    } else if (plan.result.goalAchievable) {
        //: %1 a daily intake, %2 a count of days, %3 and %4 dates, %5 and %6 calories, %7 the plan's daily intake
        text = ProgressText::tr("Your weigh-ins say you have eaten about %1 a day over the %2 from %3 to %4 (between "
                                "%5 and %6); your plan says %7.")
                   .arg(eaten, dayCount(days), shortDate(e.from, locale), shortDate(e.to, locale), low, high, planSays);
    } else {
        //: %1 a daily intake, %2 a count of days, %3 and %4 dates, %5 and %6 calories
        text = ProgressText::tr("Your weigh-ins say you have eaten about %1 a day over the %2 from %3 to %4 (between "
                                "%5 and %6); your plan's intake is less than nothing.")
                   .arg(eaten, dayCount(days), shortDate(e.from, locale), shortDate(e.to, locale), low, high);
    }
    text += QLatin1Char(' ')
        + ProgressText::tr("The body model reads this from how your weight changed and what a body like yours spends "
                           "(Hall and Chow, 2011).");
    // A person on the plan's line or ahead of it reads a figure that differs from the
    // plan's without this: the plan counts 3500 kcal for every pound, the model less for
    // the water and glycogen of the first weeks, more for the fat that goes after them,
    // and less spent by a lighter body.
    if (plan.result.goalAchievable && p.aheadPounds() > -kOnPlanPounds) {
        if (e.highCalories < plan.result.goalCalories)
            text += QLatin1Char(' ')
                + ProgressText::tr("Your weight keeps to your plan all the same: the plan counts 3500 calories for "
                                   "every pound, while by the model a pound lost after the first weeks is mostly "
                                   "fat, which holds more, and a lighter body spends less.");
        else if (e.lowCalories > plan.result.goalCalories)
            text += QLatin1Char(' ')
                + ProgressText::tr("Your weight keeps to your plan all the same: the plan counts 3500 calories for "
                                   "every pound, while by the model much of what goes in the first weeks is water "
                                   "and glycogen, which hold less.");
    }
    if (e.keepCalories) {
        const double keep = std::round(*e.keepCalories);
        text += QLatin1Char(' ')
            + (e.to == p.today
                    //: %1 a daily intake
                    ? ProgressText::tr("By the same model about %1 a day keeps your weight as it is.")
                          .arg(intakeText(keep))
                    //: %1 a daily intake, %2 a date
                    : ProgressText::tr("By the same model about %1 a day keeps your weight as it was on %2.")
                          .arg(intakeText(keep), shortDate(e.to, locale)))
            + floorCaution(keep, plan, locale);
    }
    return text;
}

QString chartDescription(const Progress& p, const Figures& f)
{
    //: The progress chart for the blind; %1 a weight, %2 a date, %3 a weight, %4 a date, %5 the goal weight,
    //: %6 the weigh-ins in words
    return ProgressText::tr("Chart of your plan and your weigh-ins: the plan's line from %1 on %2 to %3 on %4; the "
                            "goal at %5; %6")
        .arg(f.weightAlone(p.plan.startPounds), shortDate(p.start, f.locale),
            f.weightAlone(p.plan.weightOnDay(p.plan.days)), shortDate(p.end, f.locale),
            f.weightAlone(p.plan.goalPounds), weighInsDescribed(p.trend, p.weighInCount, f));
}

// The text as the person typed it, shortened for a message.
QString quoted(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() <= kLongestQuotedText)
        //: A text as the person typed it, in quotation marks
        return ProgressText::tr("\u201c%1\u201d").arg(trimmed);
    //: The start of a long text as the person typed it, in quotation marks
    return ProgressText::tr("\u201c%1\u2026\u201d").arg(trimmed.left(kLongestQuotedText));
}

// What is wrong with a weight, or nothing.
QString rangeMessage(double value, bool kilograms, const QLocale& locale)
{
    const auto limit = [&](const QString& figure) { return planFigure(figure.toDouble(), locale); };
    switch (judgeWeighInWeight(value, kilograms)) {
    case WeighInWeight::Fine:
        return QString();
    case WeighInWeight::NotANumber:
    case WeighInWeight::NotAboveZero:
        return kilograms ? ProgressText::tr("A weight must be more than zero: please enter your weight in kg.")
                         : ProgressText::tr("A weight must be more than zero: please enter your weight in lb.");
    case WeighInWeight::TooHeavy:
        //: %1 the weight typed, %2 the most a weigh-in may be
        return (kilograms ? ProgressText::tr("%1 kg is more than anyone weighs: please check it. The most a weigh-in "
                                             "may be is %2 kg.")
                          //: %1 the weight typed, %2 the most a weigh-in may be
                          : ProgressText::tr("%1 lb is more than anyone weighs: please check it. The most a weigh-in "
                                             "may be is %2 lb."))
            .arg(planFigure(value, locale), limit(heaviestWeighInText(kilograms)));
    case WeighInWeight::TooLight:
        //: %1 the weight typed, %2 the least a weigh-in may be
        return (kilograms ? ProgressText::tr("%1 kg is less than a person weighs: please check it. The least a "
                                             "weigh-in may be is %2 kg.")
                          //: %1 the weight typed, %2 the least a weigh-in may be
                          : ProgressText::tr("%1 lb is less than a person weighs: please check it. The least a "
                                             "weigh-in may be is %2 lb."))
            .arg(planFigure(value, locale), limit(lightestWeighInText(kilograms)));
    }
    return QString();
}

QStringList weighInHeader()
{
    //: The columns of the table of weigh-ins
    return {ProgressText::tr("Date"), ProgressText::tr("Weight (lb)"), ProgressText::tr("Weight (kg)"),
        ProgressText::tr("Trend (lb)")};
}

// The weighed days of a trend as rows, newest first.
QList<QStringList> weighInRows(const QList<TrendDay>& trend, const QLocale& locale)
{
    QList<QStringList> rows;
    for (auto it = trend.crbegin(); it != trend.crend(); ++it) {
        if (!it->weighed)
            continue;
        rows.append({shortDate(it->date, locale), tableFigure(it->pounds, 2, locale),
            tableFigure(it->pounds * kExactKilogramsPerPound, 2, locale), tableFigure(it->trendPounds, 2, locale)});
    }
    return rows;
}

} // namespace

ProgressTexts progressTextsWithoutPlan(
    const QList<TrendDay>& trend, const QDate& today, const QLocale& locale, bool inKilograms)
{
    const Figures f {locale, inKilograms};
    ProgressTexts t;
    t.title = ProgressText::tr("Your progress");
    t.standing << ProgressText::tr("You follow no plan yet: calculate, open your plan and choose Follow This Plan to "
                                   "see your weigh-ins against it. Your weigh-ins are kept all the same.");
    t.weighInHeader = weighInHeader();
    t.weighInRows = weighInRows(trend, locale);
    t.note = disclaimerText();
    if (trend.isEmpty()) {
        t.standing << ProgressText::tr("Weigh yourself to begin: enter your first weigh-in, in pounds or kilograms, "
                                       "best each morning before breakfast.");
        t.chartDescription = ProgressText::tr("Chart of your weigh-ins: none yet.");
        return t;
    }
    const TrendDay& last = trend.last();
    t.standing << (last.date == today
            //: %1 a weight
            ? ProgressText::tr("Your weigh-in today is %1.").arg(f.weight(last.pounds))
            //: %1 a date, %2 a weight
            : ProgressText::tr("Your last weigh-in, on %1, was %2.")
                  .arg(shortDate(last.date, locale), f.weight(last.pounds)));
    //: The progress chart for the blind; %1 the weigh-ins in words
    t.chartDescription = ProgressText::tr("Chart of your weigh-ins: %1")
                             .arg(weighInsDescribed(trend, static_cast<int>(t.weighInRows.size()), f));
    return t;
}

ProgressTexts progressTexts(const Progress& progress, const QLocale& locale, bool inKilograms)
{
    const Figures f {locale, inKilograms};
    ProgressTexts t;
    const QString name = resultTexts(progress.plan.details, progress.plan.result).name;
    t.title = name.isEmpty() ? ProgressText::tr("Your progress")
                             //: The progress report's title; %1 is the person's name
                             : ProgressText::tr("Your progress, %1").arg(name);
    t.standing = standing(progress, f);
    t.replan = replan(progress, f);
    t.estimate = estimate(progress, f);
    t.weighInHeader = weighInHeader();
    t.weighInRows = weighInRows(progress.trend, locale);
    t.chartDescription = chartDescription(progress, f);
    t.note = disclaimerText();
    return t;
}

QString progressPlainText(const ProgressTexts& t, const QDateTime& made, const QLocale& locale)
{
    QStringList lines;
    //: Under the title of the copied progress report; %1 is the date and time
    lines << t.title << ProgressText::tr("Made on %1").arg(locale.toString(made, QLocale::ShortFormat)) << QString();
    lines << ProgressText::tr("Where you stand") << t.standing << QString();
    if (!t.replan.isEmpty())
        lines << ProgressText::tr("Your plan from today") << t.replan << QString();
    if (!t.estimate.isEmpty())
        lines << ProgressText::tr("What your weigh-ins say") << t.estimate << QString();
    if (!t.weighInRows.isEmpty()) {
        lines << ProgressText::tr("Your weigh-ins") << t.weighInHeader.join(QLatin1Char('\t'));
        for (const QStringList& row : t.weighInRows)
            lines << row.join(QLatin1Char('\t'));
        lines << QString();
    }
    lines << t.note;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

WeighInReading readWeighIn(const QString& text, bool kilograms, const QLocale& locale)
{
    WeighInReading reading;
    if (text.trimmed().isEmpty()) {
        reading.message = kilograms ? ProgressText::tr("Please enter your weight in kilograms.")
                                    : ProgressText::tr("Please enter your weight in pounds.");
        return reading;
    }
    // The toolkit reads "1e2" as 100; no one types their weight so.
    const bool exponent = text.contains(QLatin1Char('e'), Qt::CaseInsensitive);
    const auto value = exponent ? std::nullopt : readNumber(text, locale);
    if (!value) {
        reading.message = kilograms
            //: %1 the text typed, in quotation marks; %2 an example
            ? ProgressText::tr("%1 is not a number: please enter your weight in kilograms, such as %2.")
                  .arg(quoted(text), writeNumber(78.2, locale))
            //: %1 the text typed, in quotation marks; %2 an example
            : ProgressText::tr("%1 is not a number: please enter your weight in pounds, such as %2.")
                  .arg(quoted(text), writeNumber(172.4, locale));
        return reading;
    }
    reading.message = rangeMessage(*value, kilograms, locale);
    if (reading.ok())
        reading.pounds = kilograms ? *value / kExactKilogramsPerPound : *value;
    return reading;
}

WeightArgument readWeightArgument(const QString& argument)
{
    WeightArgument weight;
    //: An example of a weight on the command line; lb and kg are what the command line reads
    const QString example = ProgressText::tr("such as 172.4lb or 78kg");
    const QString text = argument.trimmed();
    if (text.isEmpty()) {
        //: %1 an example
        weight.message = ProgressText::tr("No weight given: write it with its unit, %1.").arg(example);
        return weight;
    }
    static const QRegularExpression parts(
        QStringLiteral("^([-+0-9.,]*)\\s*(.*)$"), QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = parts.match(text);
    const QString number = match.captured(1);
    const QString unit = match.captured(2).toLower();
    if (number.isEmpty()) {
        //: %1 the text given, in quotation marks; %2 an example
        weight.message = ProgressText::tr("%1 does not start with a number: write a weight with its unit, %2.")
                             .arg(quoted(text), example);
        return weight;
    }
    static const QRegularExpression decimal(QStringLiteral("^[-+]?[0-9]+([.,][0-9]+)?$"));
    bool read = decimal.match(number).hasMatch();
    const double value
        = read ? QLocale::c().toDouble(QString(number).replace(QLatin1Char(','), QLatin1Char('.')), &read) : 0;
    if (!read || !std::isfinite(value)) {
        //: %1 the text given, in quotation marks; %2 an example
        weight.message = ProgressText::tr("%1 is not a number: write the weight with a full stop or a comma as "
                                          "decimal sign, %2.")
                             .arg(quoted(number), example);
        return weight;
    }
    if (unit.isEmpty()) {
        //: %1 the text given, in quotation marks; %2 an example; lb and kg are what the command line reads
        weight.message
            = ProgressText::tr("%1 has no unit: write lb or kg after the number, %2.").arg(quoted(text), example);
        return weight;
    }
    if (unit != QLatin1String("lb") && unit != QLatin1String("lbs") && unit != QLatin1String("kg")) {
        //: %1 the unit given, in quotation marks; %2 an example; lb and kg are what the command line reads
        weight.message = ProgressText::tr("%1 is not a unit of weight the program knows: write lb or kg, %2.")
                             .arg(quoted(unit), example);
        return weight;
    }
    weight.kilograms = unit == QLatin1String("kg");
    weight.message = rangeMessage(value, weight.kilograms, QLocale::c());
    if (weight.ok())
        weight.value = value;
    return weight;
}
