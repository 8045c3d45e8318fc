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

// Pounds with kilograms beside them: "177.43 lb (80.48 kg)".
QString weight(double value, const QLocale& locale)
{
    return QStringLiteral("%1 (%2 kg)")
        .arg(pounds(value, locale), planFigure(twoDecimals(value * kExactKilogramsPerPound), locale));
}

QString times(int count)
{
    return count == 1 ? QStringLiteral("once more") : QStringLiteral("%1 more times").arg(count);
}

QString floorWho(const WeightPlan& plan)
{
    return plan.men ? QStringLiteral("men") : QStringLiteral("women");
}

QString stageSentence(const Progress& p, const QLocale& locale)
{
    const int days = p.plan.days;
    switch (p.stage) {
    case PlanStage::NotStarted:
        return QStringLiteral("Your plan starts on %1, in %2; until then it expects you to stay at %3.")
            .arg(shortDate(p.start, locale), dayCount(-p.day), weight(p.expectedTodayPounds, locale));
    case PlanStage::Ended:
        return QStringLiteral("Your plan ended on %1, %2 ago, at %3, the weight it expects from then on.")
            .arg(shortDate(p.end, locale), dayCount(p.day - days), weight(p.expectedTodayPounds, locale));
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
    return today
        + QStringLiteral(" The plan expects you to weigh %1 today.").arg(weight(p.expectedTodayPounds, locale));
}

// "Your trend weight (...) is 180.24 lb (81.75 kg)", or as it was on the day of the last
// weigh-in where that is not today.
QString trendWeight(const TrendDay& last, const QDate& today, const QLocale& locale)
{
    const QString smoothed
        = QStringLiteral("(your weigh-ins smoothed, so that one heavy or light morning hardly moves it)");
    if (last.date == today)
        return QStringLiteral("Your trend weight %1 is %2").arg(smoothed, weight(last.trendPounds, locale));
    return QStringLiteral("As of %1, the day of your last weigh-in, your trend weight %2 was %3")
        .arg(shortDate(last.date, locale), smoothed, weight(last.trendPounds, locale));
}

// The weigh-ins of a chart in words.
QString weighInsDescribed(const QList<TrendDay>& trend, int count, const QLocale& locale)
{
    if (trend.isEmpty())
        return QStringLiteral("no weigh-ins yet.");
    const TrendDay& last = trend.last();
    if (count == 1)
        return QStringLiteral("1 weigh-in, on %1, of %2.")
            .arg(shortDate(last.date, locale), pounds(last.pounds, locale));
    return QStringLiteral("%1 weigh-ins from %2 to %3, and their trend, %4 on %3.")
        .arg(count)
        .arg(shortDate(trend.first().date, locale), shortDate(last.date, locale), pounds(last.trendPounds, locale));
}

QString trendSentence(const Progress& p, const QLocale& locale)
{
    const double ahead = twoDecimals(p.aheadPounds());
    const QString against = ahead == 0
        ? QStringLiteral("right on the plan")
        : QStringLiteral("%1 %2 the plan")
              .arg(weight(std::fabs(ahead), locale), ahead > 0 ? QStringLiteral("ahead of") : QStringLiteral("behind"));
    const QString trend = trendWeight(p.trend.last(), p.today, locale);
    if (p.trendDate == p.today)
        return QStringLiteral("%1: %2.").arg(trend, against);
    return QStringLiteral("%1: %2, which expected %3 that day.")
        .arg(trend, against, pounds(p.expectedOnTrendDatePounds, locale));
}

QString paceSentences(const Progress& p, const QLocale& locale)
{
    const QString goal = weight(p.plan.goalPounds, locale);
    if (!p.paceKnown()) {
        QString needed;
        const QDate earliest = std::max(p.trend.first().date.addDays(kPaceDays), p.today);
        const QString onOrAfter = earliest == p.today
            ? QStringLiteral("today or later")
            : QStringLiteral("on %1 or later").arg(shortDate(earliest, locale));
        if (p.weighInsNeeded > 0 && p.daysNeeded > 0)
            needed = QStringLiteral("weigh in %1, the last of them %2").arg(times(p.weighInsNeeded), onOrAfter);
        else if (p.weighInsNeeded > 0)
            needed = QStringLiteral("weigh in %1").arg(times(p.weighInsNeeded));
        else
            needed = QStringLiteral("weigh in again %1").arg(onOrAfter);
        return QStringLiteral("The pace of your trend, and the day it reaches your goal, show once you have %1 "
                              "weigh-ins over at least %2 days (you have %3 over %4): %5.")
            .arg(kFewestWeighInsForPace)
            .arg(kPaceDays)
            .arg(p.weighInCount)
            .arg(dayCount(p.spanDays), needed);
    }

    const double perWeek = twoDecimals(p.poundsPerWeek());
    QString pace;
    if (perWeek > 0)
        pace = QStringLiteral("lost %1 a week").arg(weight(perWeek, locale));
    else if (perWeek < 0)
        pace = QStringLiteral("gained %1 a week").arg(weight(-perWeek, locale));
    else
        pace = QStringLiteral("held steady");
    const QString over
        = QStringLiteral("Over the two weeks to %1 your trend %2.").arg(shortDate(p.trendDate, locale), pace);
    switch (p.forecast) {
    case Forecast::Reached:
        return over + QStringLiteral(" It is at your goal of %1 or below it.").arg(goal);
    case Forecast::OnDate:
        return over
            + QStringLiteral(" At that pace it reaches your goal of %1 on %2.")
                  .arg(goal, shortDate(p.goalDate, locale));
    case Forecast::TooFar:
        return over + QStringLiteral(" At that pace your goal of %1 is more than ten years away.").arg(goal);
    case Forecast::Never:
        return over
            + QStringLiteral(" A trend that %1 never reaches your goal of %2.")
                  .arg(perWeek < 0 ? QStringLiteral("gains") : QStringLiteral("stands still"), goal);
    case Forecast::NotYet:
        break;
    }
    return over;
}

QStringList standing(const Progress& p, const QLocale& locale)
{
    QStringList list {stageSentence(p, locale)};
    if (p.trend.isEmpty()) {
        list << QStringLiteral("Weigh yourself to see where you stand: enter your first weigh-in, in pounds or "
                               "kilograms, best each morning before breakfast.");
        return list;
    }
    list << trendSentence(p, locale) << paceSentences(p, locale);
    return list;
}

QStringList replanInTime(const Progress& p, const QLocale& locale)
{
    const Replan& r = p.replan;
    const WeightPlan& plan = r.plan;
    const CalorieResult& result = plan.result;
    QStringList list;
    const QString aim
        = QStringLiteral("To reach your goal of %1 by %2 from your trend weight of %3, you have %4 to lose "
                         "in %5")
              .arg(pounds(p.plan.goalPounds, locale), shortDate(p.end, locale), pounds(r.fromPounds, locale),
                  pounds(plan.lossPounds, locale), dayCount(plan.days));
    if (plan.flat()) {
        list << aim
                + QStringLiteral(", which rounds to 0.00 lb a day: the calculation gives the intake that keeps your "
                                 "weight, %1 a day.")
                      .arg(intakeText(result.goalCalories));
    } else if (!result.goalAchievable) {
        list << aim
                + QStringLiteral(
                    ", %1 lb a day: that would take %2 a day, less than nothing, so it cannot be achieved.")
                      .arg(planFigure(result.lossPerDayPounds, locale), intakeText(result.goalCalories));
    } else {
        list << aim
                + QStringLiteral(", %1 lb a day: eat %2 a day.")
                      .arg(planFigure(result.lossPerDayPounds, locale), intakeText(result.goalCalories));
    }
    list << QStringLiteral("This is your plan's calculation run again with your trend weight, the weight still to "
                           "lose and the days left.");
    if (plan.belowFloor()) {
        list << QStringLiteral("That intake is below %1, the least that health services advise %2 to eat without a "
                               "doctor's supervision.")
                    .arg(planFigure(plan.floorCalories, locale), floorWho(plan));
    }
    if (plan.tooFast()) {
        list << QStringLiteral("That is %1 lb a week, more than the 1 to 2 lb a week that health services advise.")
                    .arg(planFigure(plan.poundsPerWeek(), locale));
    }
    if (plan.needsCaution())
        list << withinLimitsText(plan, true, locale);
    return list;
}

QStringList replan(const Progress& p, const QLocale& locale)
{
    const Replan& r = p.replan;
    const QString goal = pounds(p.plan.goalPounds, locale);
    switch (r.kind) {
    case ReplanKind::None:
        return {};
    case ReplanKind::NoBodyWeight:
        return {QStringLiteral("Your plan's goal, %1, leaves no body weight, so there is no plan from today: please "
                               "choose a smaller goal.")
                    .arg(goal)};
    case ReplanKind::GoalReached: {
        QString text = QStringLiteral("Your trend weight, %1, is at or below your goal of %2.")
                           .arg(pounds(r.fromPounds, locale), goal);
        if (p.plan.goalMaintenanceCalories) {
            text += QStringLiteral(" To keep your goal: %1 a day, by the same equations at the goal weight.")
                        .arg(intakeText(*p.plan.goalMaintenanceCalories));
        }
        return {text};
    }
    case ReplanKind::TooFarAway:
        return {QStringLiteral("Your plan ends on %1, more than the %2 days a time frame can take from today, so there "
                               "is no plan from today yet.")
                    .arg(shortDate(p.end, locale))
                    .arg(kLongestTimeFrame)};
    case ReplanKind::OutOfRange:
        return {QStringLiteral("Your trend weight, %1, is beyond what the calculation can work with, so there is no "
                               "plan from today.")
                    .arg(pounds(r.fromPounds, locale))};
    case ReplanKind::EndDateReached:
        return {QStringLiteral("Your plan's end date, %1, %2, so there are no days left to reach your goal of %3 by "
                               "it from your trend weight of %4.")
                    .arg(shortDate(p.end, locale),
                        r.daysLeft == 0 ? QStringLiteral("is today") : QStringLiteral("has passed"), goal,
                        pounds(r.fromPounds, locale)),
            withinLimitsText(r.plan, true, locale)};
    case ReplanKind::InTime:
        return replanInTime(p, locale);
    }
    return {};
}

QString estimate(const Progress& p, const QLocale& locale)
{
    if (!p.paceKnown())
        return QString();
    const CalorieResult& planned = p.plan.result;
    if (!planned.goalAchievable) {
        return QStringLiteral("Your plan's intake is less than nothing, so your weigh-ins cannot tell what intake "
                              "keeps your weight.");
    }
    const QString eaten = intakeText(planned.goalCalories);
    if (!p.estimatedMaintenanceCalories) {
        return QStringLiteral("Your trend's pace does not fit the plan's %1 a day: it would take no intake at all, or "
                              "more than can be written, so your weigh-ins cannot tell what intake keeps your weight.")
            .arg(eaten);
    }
    const double perDay = twoDecimals(p.lossPerDayPounds);
    return QStringLiteral("If you ate your plan's %1 a day, about %2 a day keeps your weight "
                          "(%3 %4 %5 lb a day \u00d7 3500 calories a pound). This is an estimate, and it holds only if "
                          "you ate what the plan said.")
        .arg(eaten, intakeText(*p.estimatedMaintenanceCalories), planFigure(planned.goalCalories, locale),
            perDay < 0 ? QStringLiteral("\u2212") : QStringLiteral("+"), planFigure(std::fabs(perDay), locale));
}

QString chartDescription(const Progress& p, const QLocale& locale)
{
    return QStringLiteral("Chart of your plan and your weigh-ins: the plan's line from %1 on %2 to %3 on %4; the goal "
                          "at %5; ")
               .arg(pounds(p.plan.startPounds, locale), shortDate(p.start, locale),
                   pounds(p.plan.weightOnDay(p.plan.days), locale), shortDate(p.end, locale),
                   pounds(p.plan.goalPounds, locale))
        + weighInsDescribed(p.trend, p.weighInCount, locale);
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

ProgressTexts progressTextsWithoutPlan(const QList<TrendDay>& trend, const QDate& today, const QLocale& locale)
{
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
    t.standing << trendWeight(trend.last(), today, locale) + QLatin1Char('.');
    t.chartDescription = QStringLiteral("Chart of your weigh-ins: ")
        + weighInsDescribed(trend, static_cast<int>(t.weighInRows.size()), locale);
    return t;
}

ProgressTexts progressTexts(const Progress& progress, const QLocale& locale)
{
    ProgressTexts t;
    const QString name = resultTexts(progress.plan.details, progress.plan.result).name;
    t.title = name.isEmpty() ? QStringLiteral("Your progress") : QStringLiteral("Your progress, %1").arg(name);
    t.standing = standing(progress, locale);
    t.replan = replan(progress, locale);
    t.estimate = estimate(progress, locale);
    t.weighInHeader = weighInHeader();
    t.weighInRows = weighInRows(progress.trend, locale);
    t.chartDescription = chartDescription(progress, locale);
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
