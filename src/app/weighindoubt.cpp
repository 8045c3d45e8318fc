#include "app/weighindoubt.h"

#include "calculator/plantext.h"

#include <QCoreApplication>
#include <QPointF>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The question asked before a doubtful weigh-in is stored.
struct WeighInDoubt
{
    Q_DECLARE_TR_FUNCTIONS(WeighInDoubt)
};

constexpr int kWeekDays = 7;

double inUnit(double pounds, WeightUnit unit)
{
    return unit == WeightUnit::Kilograms ? pounds * WeighIn::kKilogramsPerPound : pounds;
}

// The weight the line through the week's weigh-ins gives for the day: least squares over
// the days, flat through a single weigh-in. Nothing without a weigh-in in that week.
std::optional<double> weekLine(const QList<WeighIn>& earlier, const QDate& day)
{
    QList<QPointF> points;
    for (const WeighIn& w : earlier) {
        const qint64 before = w.date.daysTo(day);
        if (before >= 1 && before <= kWeekDays)
            points.append(QPointF(-double(before), w.pounds()));
    }
    if (points.isEmpty())
        return std::nullopt;
    double meanX = 0;
    double meanY = 0;
    for (const QPointF& p : points) {
        meanX += p.x();
        meanY += p.y();
    }
    meanX /= points.size();
    meanY /= points.size();
    double across = 0;
    double spread = 0;
    for (const QPointF& p : points) {
        across += (p.x() - meanX) * (p.y() - meanY);
        spread += (p.x() - meanX) * (p.x() - meanX);
    }
    const double slope = spread > 0 ? across / spread : 0;
    return meanY + slope * (0 - meanX);
}

} // namespace

QString weighInDoubt(const WeighIn& weighIn, const QList<WeighIn>& earlier, const QLocale& locale)
{
    if (!(weighIn.weight > 0) || !weighIn.date.isValid())
        return QString();
    // The last weigh-in before its day: the one the person remembers.
    const WeighIn* last = nullptr;
    for (const WeighIn& w : earlier) {
        if (w.date < weighIn.date && (!last || w.date > last->date))
            last = &w;
    }
    if (!last)
        return QString();

    const WeightUnit unit = weighIn.unit;
    const WeightUnit other = unit == WeightUnit::Pounds ? WeightUnit::Kilograms : WeightUnit::Pounds;
    const QString symbol = unitSymbol(unit);
    const QString typed = planFigure(weighIn.weight, locale) + QLatin1Char(' ') + symbol;
    const double pounds = weighIn.pounds();
    const std::optional<double> line = weekLine(earlier, weighIn.date);
    const double reference = line.value_or(last->pounds());
    const double allowed = kDoubtfulShare * reference;

    // The figure read as the other unit lands where the person stands.
    const WeighIn otherReading {weighIn.date, weighIn.weight, other};
    if (std::fabs(pounds - reference) > allowed
        && std::fabs(otherReading.pounds() - reference) < std::fabs(pounds - reference)
        && std::fabs(otherReading.pounds() - reference) <= std::max(allowed, 0.1 * reference)) {
        const double apart = inUnit(std::fabs(pounds - last->pounds()), unit);
        const QString typedAgain = planFigure(weighIn.weight, locale);
        const QString apartText = planFigure(std::round(apart * 10) / 10, locale);
        //: Message box asking before a weigh-in is stored. %1 is the weight typed with its unit ("95 kg"),
        //: %2 and %3 how far it is from the last weigh-in (figure and unit), %4 the figure typed again and
        //: %5 the other unit.
        return pounds < last->pounds()
            ? WeighInDoubt::tr("%1 is %2 %3 under your last weigh-in: did you mean %4 %5? Keep %1 as typed?")
                  .arg(typed, apartText, symbol, typedAgain, unitSymbol(other))
            //: Message box asking before a weigh-in is stored. %1 is the weight typed with its unit ("95 kg"),
            //: %2 and %3 how far it is from the last weigh-in (figure and unit), %4 the figure typed again
            //: and %5 the other unit.
            : WeighInDoubt::tr("%1 is %2 %3 over your last weigh-in: did you mean %4 %5? Keep %1 as typed?")
                  .arg(typed, apartText, symbol, typedAgain, unitSymbol(other));
    }
    // Far from the week's line: a slip of the finger more often than a change of weight.
    if (line && std::fabs(pounds - *line) > allowed) {
        const double apart = inUnit(std::fabs(pounds - *line), unit);
        const QString apartText = planFigure(std::round(apart * 10) / 10, locale);
        const QString lineText = planFigure(std::round(inUnit(*line, unit) * 10) / 10, locale);
        //: Message box asking before a weigh-in is stored. %1 is the weight typed with its unit ("95 kg"),
        //: %2 and %3 how far it is from the line through last week's weigh-ins (figure and unit), %4 the
        //: line's figure for that day.
        return pounds < *line
            ? WeighInDoubt::tr("%1 is %2 %3 under the line through your last week's weigh-ins (%4 %3). Keep %1 "
                               "as typed?")
                  .arg(typed, apartText, symbol, lineText)
            //: Message box asking before a weigh-in is stored. %1 is the weight typed with its unit ("95 kg"),
            //: %2 and %3 how far it is from the line through last week's weigh-ins (figure and unit), %4
            //: the line's figure for that day.
            : WeighInDoubt::tr("%1 is %2 %3 over the line through your last week's weigh-ins (%4 %3). Keep %1 "
                               "as typed?")
                  .arg(typed, apartText, symbol, lineText);
    }
    return QString();
}
