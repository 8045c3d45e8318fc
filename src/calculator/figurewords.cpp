#include "calculator/figurewords.h"

#include "calculator/decimalrounding.h"
#include "calculator/numbertext.h"
#include "calculator/plan.h"
#include "calculator/progress.h"

#include <QCoreApplication>
#include <cmath>

namespace {

struct FigureText
{
    Q_DECLARE_TR_FUNCTIONS(FigureText)
};

constexpr double kLargestPlainFigure = 1e15;

} // namespace

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

QString intakeText(double calories)
{
    //: A daily intake; %1 is the calories, %2 the same in kilojoules
    return FigureText::tr("%1 calories (%2 kJ)")
        .arg(FigureWords::calories(calories), FigureWords::calories(std::round(calories * kKilojoulesPerKilocalorie)));
}

QString disclaimerText()
{
    //: The last line of the plan and of the progress report, on the screen, on paper and copied
    return FigureText::tr("P.S: This software is only for entertainment purpose. Please consult your physician before "
                          "going on any kind of diet.");
}

namespace FigureWords {

QString calories(double value)
{
    return std::isfinite(value) && std::fabs(value) < kLargestPlainFigure ? writeWholeNumber(value) : planFigure(value);
}

QString pounds(double value, const QLocale& locale)
{
    //: A weight in pounds; %1 is the figure
    return FigureText::tr("%1 lb").arg(planFigure(twoDecimals(value), locale));
}

QString kilograms(double pounds, const QLocale& locale)
{
    //: A weight in kilograms; %1 is the figure
    return FigureText::tr("%1 kg").arg(planFigure(twoDecimals(pounds * kExactKilogramsPerPound), locale));
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

QString longDate(const QDate& date, const QLocale& locale)
{
    return isolated(locale.toString(date, QLocale::LongFormat));
}

QString dayCount(qint64 days)
{
    const int n = static_cast<int>(days);
    return n == 1 ? FigureText::tr("%n day", "", n) : FigureText::tr("%n days", "", n);
}

QString weekCount(qint64 weeks)
{
    const int n = static_cast<int>(weeks);
    return n == 1 ? FigureText::tr("%n week", "", n) : FigureText::tr("%n weeks", "", n);
}

} // namespace FigureWords

QString Figures::weight(double value) const
{
    //: A weight in two units: %1 in the person's own unit, %2 in the other one
    return FigureText::tr("%1 (%2)").arg(weightAlone(value),
        kilogramsFirst ? FigureWords::pounds(value, locale) : FigureWords::kilograms(value, locale));
}

QString Figures::weightAlone(double value) const
{
    return kilogramsFirst ? FigureWords::kilograms(value, locale) : FigureWords::pounds(value, locale);
}

QString Figures::planWeight(double value) const
{
    return kilogramsFirst ? weight(value) : FigureWords::pounds(value, locale);
}

QString Figures::perDay(double value) const
{
    if (kilogramsFirst) {
        //: A daily loss: %1 in kilograms, %2 in pounds
        return FigureText::tr("%1 kg (%2 lb) a day")
            .arg(planFigure(twoDecimals(value * kExactKilogramsPerPound), locale), planFigure(value, locale));
    }
    //: A daily loss in pounds
    return FigureText::tr("%1 lb a day").arg(planFigure(value, locale));
}

QString Figures::perWeek(double value) const
{
    if (kilogramsFirst) {
        //: A weekly loss: %1 in kilograms, %2 in pounds
        return FigureText::tr("%1 kg (%2 lb) a week")
            .arg(planFigure(twoDecimals(value * kExactKilogramsPerPound), locale), planFigure(value, locale));
    }
    //: A weekly loss in pounds
    return FigureText::tr("%1 lb a week").arg(planFigure(value, locale));
}
