#include "calculator/progresstext.h"

#include "calculator/decimalrounding.h"
#include "calculator/numbertext.h"
#include "calculator/plantext.h"
#include "calculator/resulttexts.h"

#include <QRegularExpression>
#include <cmath>

using namespace PlanWords;

namespace {

constexpr int kLongestQuotedText = 24;

double twoDecimals(double value)
{
    return roundHalfEven(value, 2).value_or(value);
}

// How the person reads weights: in the unit they weigh in, the other beside it.
struct Say
{
    QLocale locale;
    bool kilograms = false;
};

QString kilograms(double pounds, const QLocale& locale)
{
    return planFigure(twoDecimals(pounds * kExactKilogramsPerPound), locale) + QStringLiteral(" kg");
}

// "177.43 lb (80.48 kg)", or "80.48 kg (177.43 lb)" for a person who weighs in kilograms.
QString weight(double value, const Say& s)
{
    if (s.kilograms)
        return QStringLiteral("%1 (%2)").arg(kilograms(value, s.locale), pounds(value, s.locale));
    return QStringLiteral("%1 (%2)").arg(pounds(value, s.locale), kilograms(value, s.locale));
}

// A weight in the person's unit alone, where the other was given just before.
QString weightShort(double value, const Say& s)
{
    return s.kilograms ? kilograms(value, s.locale) : pounds(value, s.locale);
}

QString times(int count)
{
    return count == 1 ? QStringLiteral("once more") : QStringLiteral("%1 more times").arg(count);
}

QString floorWho(const WeightPlan& plan)
{
    return plan.men ? QStringLiteral("men") : QStringLiteral("women");
}

// The caution beside any intake below the floor; empty above it.
QString floorCaution(double calories, const WeightPlan& plan, const QLocale& locale)
{
    if (!(calories < plan.floorCalories))
        return QString();
    return QStringLiteral(" That is below %1, the least that health services advise %2 to eat without a doctor's "
                          "supervision.")
        .arg(planFigure(plan.floorCalories, locale), floorWho(plan));
}

QString glance(const Progress& p, const Say& s)
{
    const double lost = twoDecimals(p.lostPounds());
    QString text = lost >= 0 ? QStringLiteral("At a glance: %1 lost since the start").arg(weight(lost, s))
                             : QStringLiteral("At a glance: %1 gained since the start").arg(weight(-lost, s));
    if (const auto share = p.goalShare(); share && std::isfinite(*share) && std::fabs(*share) < 100)
        text += QStringLiteral(", %1% of the %2 your plan sets out to lose")
                    .arg(s.locale.toString(std::round(std::max(*share, 0.0) * 100), 'f', 0),
                        weightShort(p.plan.lossPounds, s));
    if (const auto bmi = p.bodyMassIndex(); bmi && *bmi < 1000)
        text += QStringLiteral("; body mass index now %1").arg(s.locale.toString(*bmi, 'f', 1));
    return text + QLatin1Char('.');
}

QString stageSentence(const Progress& p, const Say& s)
{
    const QLocale& locale = s.locale;
    const int days = p.plan.days;
    switch (p.stage) {
    case PlanStage::NotStarted:
        return QStringLiteral("Your plan starts on %1, in %2; until then it expects you to stay at %3.")
            .arg(shortDate(p.start, locale), dayCount(-p.day), weight(p.expectedTodayPounds, s));
    case PlanStage::Ended:
        return QStringLiteral("Your plan ended on %1, %2 ago, at %3, the weight it expects from then on.")
            .arg(shortDate(p.end, locale), dayCount(p.day - days), weight(p.expectedTodayPounds, s));
    case PlanStage::Running:
        break;
    }
    const QString today = p.day == days ? QStringLiteral("Today, %1, is the last day of your plan, day %2 of %2.")
                                              .arg(shortDate(p.today, locale))
                                              .arg(days)
                                        : QStringLiteral("Today, %1, is day %2 of %3 of your plan, which ends on %4.")
                                              .arg(shortDate(p.today, locale))
                                              .arg(p.day)
                                              .arg(days)
                                              .arg(shortDate(p.end, locale));
    return today + QStringLiteral(" The plan expects you to weigh %1 today.").arg(weight(p.expectedTodayPounds, s));
}

// The weigh-ins of a chart in words.
QString weighInsDescribed(const QList<TrendDay>& trend, int count, const Say& s)
{
    if (trend.isEmpty())
        return QStringLiteral("no weigh-ins yet.");
    const TrendDay& last = trend.last();
    if (count == 1)
        return QStringLiteral("1 weigh-in, on %1, of %2.")
            .arg(shortDate(last.date, s.locale), weightShort(last.pounds, s));
    return QStringLiteral("%1 weigh-ins from %2 to %3, and their smoothed line, %4 on %3.")
        .arg(count)
        .arg(shortDate(trend.first().date, s.locale), shortDate(last.date, s.locale), weightShort(last.trendPounds, s));
}

QString staleSentence(const Progress& p, const Say& s)
{
    return QStringLiteral("Your last weigh-in was on %1, %2 ago, at %3: please weigh in again, best in the morning "
                          "before breakfast, to see where you stand, your pace and when you reach your goal.")
        .arg(shortDate(p.weightDate, s.locale), dayCount(p.weightDate.daysTo(p.today)), weight(p.weightPounds, s));
}

QString weightSentence(const Progress& p, const Say& s)
{
    const double ahead = twoDecimals(p.aheadPounds());
    const QString expected = weightShort(p.expectedOnWeightDatePounds, s);
    QString against;
    if (p.onPlan())
        against
            = QStringLiteral("on plan, within %1 of the %2 it expects").arg(weightShort(kOnPlanPounds, s), expected);
    else
        against = QStringLiteral("%1 %2 the plan, which expects %3")
                      .arg(weight(std::fabs(ahead), s),
                          ahead > 0 ? QStringLiteral("ahead of") : QStringLiteral("behind"), expected);
    const bool today = p.weightDate == p.today;
    if (p.line) {
        const QString read = QStringLiteral("read off a straight line through your weigh-ins of the last four weeks, "
                                            "which one odd morning hardly moves");
        if (today)
            return QStringLiteral("Your weight today is %1, %2: %3.").arg(weight(p.weightPounds, s), read, against);
        return QStringLiteral("Your weight on %1, the day of your last weigh-in, was %2, %3: %4 that day.")
            .arg(shortDate(p.weightDate, s.locale), weight(p.weightPounds, s), read, against);
    }
    return QStringLiteral("Your last weigh-in, on %1, is %2, a single morning that can be a pound or two off either "
                          "way: %3 that day.")
        .arg(shortDate(p.weightDate, s.locale), weight(p.weightPounds, s), against);
}

QString paceSentences(const Progress& p, const Say& s)
{
    const QLocale& locale = s.locale;
    const QString goal = weight(p.plan.goalPounds, s);
    if (!p.paceKnown()) {
        QString needed;
        const QDate firstRecent = p.weightDate.addDays(-p.spanDays);
        const QDate earliest = std::max(firstRecent.addDays(kPaceDays), p.today);
        const QString onOrAfter = earliest == p.today
            ? QStringLiteral("today or later")
            : QStringLiteral("on %1 or later").arg(shortDate(earliest, locale));
        if (p.weighInsNeeded > 0 && p.daysNeeded > 0)
            needed = QStringLiteral("weigh in %1, the last of them %2").arg(times(p.weighInsNeeded), onOrAfter);
        else if (p.weighInsNeeded > 0)
            needed = QStringLiteral("weigh in %1").arg(times(p.weighInsNeeded));
        else
            needed = QStringLiteral("weigh in again %1").arg(onOrAfter);
        return QStringLiteral("Your pace, and when you reach your goal, show once you have %1 weigh-ins over at least "
                              "%2 days within four weeks (you have %3 over %4): %5.")
            .arg(kFewestWeighInsForPace)
            .arg(kPaceDays)
            .arg(p.recentWeighIns)
            .arg(dayCount(p.spanDays), needed);
    }

    const double perWeek = twoDecimals(p.poundsPerWeek());
    const QString giveOrTake
        = QStringLiteral(", give or take %1").arg(weightShort(twoDecimals(p.line->lossMarginPerDay * 7), s));
    QString pace;
    if (perWeek > 0)
        pace = QStringLiteral("you lost %1 a week%2").arg(weight(perWeek, s), giveOrTake);
    else if (perWeek < 0)
        pace = QStringLiteral("you gained %1 a week%2").arg(weight(-perWeek, s), giveOrTake);
    else
        pace = QStringLiteral("your weight held steady");
    const QString over
        = QStringLiteral("From %1 to %2 %3, by the slope of that line.")
              .arg(shortDate(p.weightDate.addDays(-p.spanDays), locale), shortDate(p.weightDate, locale), pace);
    switch (p.forecast) {
    case Forecast::Reached:
        return over + QStringLiteral(" You are at your goal of %1 or below it.").arg(goal);
    case Forecast::OnDate:
        if (p.goalDateEarliest == p.goalDateLatest)
            return over
                + QStringLiteral(" At that pace you reach your goal of %1 about %2.")
                      .arg(goal, shortDate(p.goalDate, locale));
        return over
            + QStringLiteral(" At that pace you reach your goal of %1 between %2 and %3, most likely about %4: the "
                             "range is how far your weigh-ins scatter around the line.")
                  .arg(goal, shortDate(p.goalDateEarliest, locale), shortDate(p.goalDateLatest, locale),
                      shortDate(p.goalDate, locale));
    case Forecast::Unclear:
        return over
            + QStringLiteral(" Your weigh-ins scatter too much around that line to tell this loss from a gain, so "
                             "there is no date for your goal of %1 yet: weigh in each morning and it will show.")
                  .arg(goal);
    case Forecast::TooFar:
        return over
            + QStringLiteral(" At the slowest pace your weigh-ins allow, your goal of %1 is more than two years away, "
                             "so there is no date: one that far out would be a guess.")
                  .arg(goal);
    case Forecast::Never:
        return over
            + QStringLiteral(" A weight that %1 never reaches your goal of %2.")
                  .arg(perWeek < 0 ? QStringLiteral("gains") : QStringLiteral("stands still"), goal);
    case Forecast::NotYet:
    case Forecast::Stale:
        break;
    }
    return over;
}

QStringList standing(const Progress& p, const Say& s)
{
    if (p.trend.isEmpty()) {
        return {stageSentence(p, s),
            QStringLiteral("Weigh yourself to see where you stand: enter your first weigh-in, in pounds or "
                           "kilograms, best each morning before breakfast.")};
    }
    QStringList list {glance(p, s), stageSentence(p, s)};
    if (p.stale())
        return list << staleSentence(p, s);
    return list << weightSentence(p, s) << paceSentences(p, s);
}

QStringList replanInTime(const Progress& p, const Say& s)
{
    const QLocale& locale = s.locale;
    const Replan& r = p.replan;
    const WeightPlan& plan = r.plan;
    const CalorieResult& result = plan.result;
    const QString aim = QStringLiteral("To reach your goal of %1 by %2 from your weight of %3, you have %4 to lose "
                                       "in %5")
                            .arg(weightShort(p.plan.goalPounds, s), shortDate(p.end, locale),
                                weightShort(r.fromPounds, s), weightShort(plan.lossPounds, s), dayCount(plan.days));
    const QString again = QStringLiteral("This is your plan's calculation run again with your weight now, the weight "
                                         "still to lose and the days left.");
    if (plan.flat()) {
        return {aim
                + QStringLiteral(", which rounds to 0.00 lb a day: the calculation gives the intake that keeps your "
                                 "weight, %1 a day.")
                      .arg(intakeText(result.goalCalories))
                + floorCaution(result.goalCalories, plan, locale),
            again};
    }
    if (!plan.needsCaution()) {
        return {aim
                + QStringLiteral(", %1 a day: eat %2 a day, within the cautions of health services.")
                      .arg(weight(result.lossPerDayPounds, s), intakeText(result.goalCalories)),
            again};
    }
    // What keeps within the cautions leads; what the end date would take follows, as such.
    QStringList list {withinLimitsText(plan, true, locale)};
    if (!result.goalAchievable) {
        list << aim
                + QStringLiteral(", %1 a day: that would take %2 a day, less than nothing, so it cannot be achieved.")
                      .arg(weight(result.lossPerDayPounds, s), intakeText(result.goalCalories));
        return list << again;
    }
    QString takes = aim
        + QStringLiteral(", %1 a day: that would take %2 a day.")
              .arg(weight(result.lossPerDayPounds, s), intakeText(result.goalCalories));
    if (plan.belowFloor())
        takes += floorCaution(result.goalCalories, plan, locale);
    if (plan.tooFast()) {
        takes += QStringLiteral(" It is %1 a week, more than the %2 a week that health services advise.")
                     .arg(weight(plan.poundsPerWeek(), s),
                         s.kilograms ? QStringLiteral("0.45 to 0.91 kg (1 to 2 lb)")
                                     : QStringLiteral("1 to 2 lb (0.45 to 0.91 kg)"));
    }
    return list << takes << again;
}

// The intake that keeps the goal: by the model where it has one, the equations' named
// beside it.
QString keepGoal(const Progress& p, const Say& s)
{
    const WeightPlan& plan = p.plan;
    const std::optional<double>& equations = plan.goalMaintenanceCalories;
    if (p.eaten.known() && p.eaten.keepCalories) {
        const double model = std::round(*p.eaten.keepCalories);
        QString text = QStringLiteral(" To keep it: about %1 a day, by the body model from your weigh-ins.")
                           .arg(intakeText(model))
            + floorCaution(model, plan, s.locale);
        if (equations) {
            text += QStringLiteral(" The program's own equations give %1 a day at the goal weight; they leave out how "
                                   "the body spends less after a loss, so the model's figure leads.")
                        .arg(intakeText(*equations));
        }
        return text;
    }
    if (!equations)
        return QString();
    return QStringLiteral(" To keep your goal: %1 a day, by the program's own equations at the goal weight.")
               .arg(intakeText(*equations))
        + floorCaution(*equations, plan, s.locale);
}

QStringList replan(const Progress& p, const Say& s)
{
    const QLocale& locale = s.locale;
    const Replan& r = p.replan;
    const QString goal = weight(p.plan.goalPounds, s);
    switch (r.kind) {
    case ReplanKind::None:
        return {};
    case ReplanKind::Stale:
        return {QStringLiteral("Your plan from today shows once you weigh in again: your last weigh-in, on %1, is more "
                               "than %2 days old.")
                    .arg(shortDate(p.weightDate, locale))
                    .arg(kStaleDays)};
    case ReplanKind::NoBodyWeight:
        return {QStringLiteral("Your plan's goal, %1, leaves no body weight, so there is no plan from today: please "
                               "choose a smaller goal.")
                    .arg(weightShort(p.plan.goalPounds, s))};
    case ReplanKind::GoalReached:
        return {QStringLiteral("Your weight, %1, is at or below your goal of %2.")
                    .arg(weightShort(r.fromPounds, s), weightShort(p.plan.goalPounds, s))
            + keepGoal(p, s)};
    case ReplanKind::TooFarAway:
        return {QStringLiteral("Your plan ends on %1, more than the %2 days a time frame can take from today, so there "
                               "is no plan from today yet.")
                    .arg(shortDate(p.end, locale))
                    .arg(kLongestTimeFrame)};
    case ReplanKind::OutOfRange:
        return {QStringLiteral("Your weight, %1, is beyond what the calculation can work with, so there is no plan "
                               "from today.")
                    .arg(weightShort(r.fromPounds, s))};
    case ReplanKind::EndDateReached:
        return {withinLimitsText(r.plan, true, locale),
            QStringLiteral(
                "Your plan's end date, %1, %2, so there are no days left to reach your goal of %3 by it from "
                "your weight of %4.")
                .arg(shortDate(p.end, locale),
                    r.daysLeft == 0 ? QStringLiteral("is today") : QStringLiteral("has passed"), goal,
                    weightShort(r.fromPounds, s))};
    case ReplanKind::InTime:
        return replanInTime(p, s);
    }
    return {};
}

QString estimate(const Progress& p, const Say& s)
{
    const EatenEstimate& e = p.eaten;
    if (p.trend.isEmpty())
        return QString();
    if (!e.known())
        return e.refusal;
    const QLocale& locale = s.locale;
    const WeightPlan& plan = p.plan;
    const qint64 days = e.from.daysTo(e.to);
    const QString over = days == kIntakeDays
        ? QStringLiteral("over the four weeks to %1").arg(shortDate(e.to, locale))
        : QStringLiteral("over the %1 from %2 to %3")
              .arg(dayCount(days), shortDate(e.from, locale), shortDate(e.to, locale));
    const QString planSays = plan.result.goalAchievable
        ? QStringLiteral("your plan says %1").arg(intakeText(plan.result.goalCalories))
        : QStringLiteral("your plan's intake is less than nothing");
    QString text = QStringLiteral("Your weigh-ins say you have eaten about %1 a day %2 (between %3 and %4); %5. The "
                                  "body model reads this from how your weight changed and what a body like yours "
                                  "spends (Hall and Chow, 2011).")
                       .arg(intakeText(std::round(e.calories)), over, planFigure(std::round(e.lowCalories), locale),
                           planFigure(std::round(e.highCalories), locale), planSays);
    // A person on the plan's line or ahead of it reads a figure that differs from the
    // plan's without this: the plan counts 3500 kcal for every pound, the model less for
    // the water and glycogen of the first weeks, more for the fat that goes after them,
    // and less spent by a lighter body.
    if (plan.result.goalAchievable && p.aheadPounds() > -kOnPlanPounds) {
        if (e.highCalories < plan.result.goalCalories)
            text += QStringLiteral(" Your weight keeps to your plan all the same: the plan counts 3500 calories for "
                                   "every pound, while by the model a pound lost after the first weeks is mostly "
                                   "fat, which holds more, and a lighter body spends less.");
        else if (e.lowCalories > plan.result.goalCalories)
            text += QStringLiteral(" Your weight keeps to your plan all the same: the plan counts 3500 calories for "
                                   "every pound, while by the model much of what goes in the first weeks is water "
                                   "and glycogen, which hold less.");
    }
    if (e.keepCalories) {
        const double keep = std::round(*e.keepCalories);
        text
            += (e.to == p.today ? QStringLiteral(" By the same model about %1 a day keeps your weight as it is.")
                                      .arg(intakeText(keep))
                                : QStringLiteral(" By the same model about %1 a day keeps your weight as it was on %2.")
                                      .arg(intakeText(keep), shortDate(e.to, locale)))
            + floorCaution(keep, plan, locale);
    }
    return text;
}

QString chartDescription(const Progress& p, const Say& s)
{
    return QStringLiteral("Chart of your plan and your weigh-ins: the plan's line from %1 on %2 to %3 on %4; the goal "
                          "at %5; ")
               .arg(weightShort(p.plan.startPounds, s), shortDate(p.start, s.locale),
                   weightShort(p.plan.weightOnDay(p.plan.days), s), shortDate(p.end, s.locale),
                   weightShort(p.plan.goalPounds, s))
        + weighInsDescribed(p.trend, p.weighInCount, s);
}

// The text as the person typed it, shortened for a message.
QString quoted(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() <= kLongestQuotedText)
        return QStringLiteral("\u201c%1\u201d").arg(trimmed);
    return QStringLiteral("\u201c%1\u2026\u201d").arg(trimmed.left(kLongestQuotedText));
}

// What is wrong with a weight, or nothing.
QString rangeMessage(double value, bool kilograms, const QLocale& locale)
{
    const QString unit = kilograms ? QStringLiteral("kg") : QStringLiteral("lb");
    const auto limit = [&](const QString& figure) { return planFigure(figure.toDouble(), locale); };
    switch (judgeWeighInWeight(value, kilograms)) {
    case WeighInWeight::Fine:
        return QString();
    case WeighInWeight::NotANumber:
    case WeighInWeight::NotAboveZero:
        return QStringLiteral("A weight must be more than zero: please enter your weight in %1.").arg(unit);
    case WeighInWeight::TooHeavy:
        return QStringLiteral("%1 %2 is more than anyone weighs: please check it. The most a weigh-in may be is %3 %2.")
            .arg(planFigure(value, locale), unit, limit(heaviestWeighInText(kilograms)));
    case WeighInWeight::TooLight:
        return QStringLiteral("%1 %2 is less than a person weighs: please check it. The least a weigh-in may be is %3 "
                              "%2.")
            .arg(planFigure(value, locale), unit, limit(lightestWeighInText(kilograms)));
    }
    return QString();
}

QStringList weighInHeader()
{
    return {QStringLiteral("Date"), QStringLiteral("Weight (lb)"), QStringLiteral("Weight (kg)"),
        QStringLiteral("Trend (lb)")};
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
    const Say s {locale, inKilograms};
    ProgressTexts t;
    t.title = QStringLiteral("Your progress");
    t.standing << QStringLiteral("You follow no plan yet: calculate, open your plan and choose Follow This Plan to see "
                                 "your weigh-ins against it. Your weigh-ins are kept all the same.");
    t.weighInHeader = weighInHeader();
    t.weighInRows = weighInRows(trend, locale);
    t.note = kDisclaimer;
    if (trend.isEmpty()) {
        t.standing << QStringLiteral("Weigh yourself to begin: enter your first weigh-in, in pounds or kilograms, best "
                                     "each morning before breakfast.");
        t.chartDescription = QStringLiteral("Chart of your weigh-ins: none yet.");
        return t;
    }
    const TrendDay& last = trend.last();
    t.standing << (last.date == today ? QStringLiteral("Your weigh-in today is %1.").arg(weight(last.pounds, s))
                                      : QStringLiteral("Your last weigh-in, on %1, was %2.")
                                            .arg(shortDate(last.date, locale), weight(last.pounds, s)));
    t.chartDescription = QStringLiteral("Chart of your weigh-ins: ")
        + weighInsDescribed(trend, static_cast<int>(t.weighInRows.size()), s);
    return t;
}

ProgressTexts progressTexts(const Progress& progress, const QLocale& locale, bool inKilograms)
{
    const Say s {locale, inKilograms};
    ProgressTexts t;
    const QString name = resultTexts(progress.plan.details, progress.plan.result).name;
    t.title = name.isEmpty() ? QStringLiteral("Your progress") : QStringLiteral("Your progress, %1").arg(name);
    t.standing = standing(progress, s);
    t.replan = replan(progress, s);
    t.estimate = estimate(progress, s);
    t.weighInHeader = weighInHeader();
    t.weighInRows = weighInRows(progress.trend, locale);
    t.chartDescription = chartDescription(progress, s);
    t.note = kDisclaimer;
    return t;
}

QString progressPlainText(const ProgressTexts& t, const QDateTime& made, const QLocale& locale)
{
    QStringList lines;
    lines << t.title << QStringLiteral("Made on %1").arg(locale.toString(made, QLocale::ShortFormat)) << QString();
    lines << QStringLiteral("Where you stand") << t.standing << QString();
    if (!t.replan.isEmpty())
        lines << QStringLiteral("Your plan from today") << t.replan << QString();
    if (!t.estimate.isEmpty())
        lines << QStringLiteral("What your weigh-ins say") << t.estimate << QString();
    if (!t.weighInRows.isEmpty()) {
        lines << QStringLiteral("Your weigh-ins") << t.weighInHeader.join(QLatin1Char('\t'));
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
    const QString unit = kilograms ? QStringLiteral("kilograms") : QStringLiteral("pounds");
    if (text.trimmed().isEmpty()) {
        reading.message = QStringLiteral("Please enter your weight in %1.").arg(unit);
        return reading;
    }
    // The toolkit reads "1e2" as 100; no one types their weight so.
    const bool exponent = text.contains(QLatin1Char('e'), Qt::CaseInsensitive);
    const auto value = exponent ? std::nullopt : readNumber(text, locale);
    if (!value) {
        reading.message = QStringLiteral("%1 is not a number: please enter your weight in %2, such as %3.")
                              .arg(quoted(text), unit, writeNumber(kilograms ? 78.2 : 172.4, locale));
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
    const QString example = QStringLiteral("such as 172.4lb or 78kg");
    const QString text = argument.trimmed();
    if (text.isEmpty()) {
        weight.message = QStringLiteral("No weight given: write it with its unit, %1.").arg(example);
        return weight;
    }
    static const QRegularExpression parts(
        QStringLiteral("^([-+0-9.,]*)\\s*(.*)$"), QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = parts.match(text);
    const QString number = match.captured(1);
    const QString unit = match.captured(2).toLower();
    if (number.isEmpty()) {
        weight.message = QStringLiteral("%1 does not start with a number: write a weight with its unit, %2.")
                             .arg(quoted(text), example);
        return weight;
    }
    static const QRegularExpression decimal(QStringLiteral("^[-+]?[0-9]+([.,][0-9]+)?$"));
    bool read = decimal.match(number).hasMatch();
    const double value
        = read ? QLocale::c().toDouble(QString(number).replace(QLatin1Char(','), QLatin1Char('.')), &read) : 0;
    if (!read || !std::isfinite(value)) {
        weight.message = QStringLiteral("%1 is not a number: write the weight with a full stop or a comma as decimal "
                                        "sign, %2.")
                             .arg(quoted(number), example);
        return weight;
    }
    if (unit.isEmpty()) {
        weight.message
            = QStringLiteral("%1 has no unit: write lb or kg after the number, %2.").arg(quoted(text), example);
        return weight;
    }
    if (unit != QLatin1String("lb") && unit != QLatin1String("lbs") && unit != QLatin1String("kg")) {
        weight.message = QStringLiteral("%1 is not a unit of weight the program knows: write lb or kg, %2.")
                             .arg(quoted(unit), example);
        return weight;
    }
    weight.kilograms = unit == QLatin1String("kg");
    weight.message = rangeMessage(value, weight.kilograms, QLocale::c());
    if (weight.ok())
        weight.value = value;
    return weight;
}
