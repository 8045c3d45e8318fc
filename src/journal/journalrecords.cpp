#include "journal/journalrecords.h"

#include <cmath>

QString unitSymbol(WeightUnit unit)
{
    return unit == WeightUnit::Kilograms ? QStringLiteral("kg") : QStringLiteral("lb");
}

QString weighInProblem(const WeighIn& weighIn, const QDate& today)
{
    if (!weighIn.date.isValid())
        return QStringLiteral("The date is not a day of the calendar.");
    if (weighIn.date > today)
        return QStringLiteral("The date %1 is in the future.").arg(weighIn.date.toString(Qt::ISODate));
    if (!std::isfinite(weighIn.weight))
        return QStringLiteral("The weight is not a number.");
    if (weighIn.weight <= 0)
        return QStringLiteral("The weight must be above zero.");
    const double heaviest
        = weighIn.unit == WeightUnit::Kilograms ? WeighIn::kHeaviestKilograms : WeighIn::kHeaviestPounds;
    if (weighIn.weight > heaviest)
        return QStringLiteral("The weight %1 %2 is above the heaviest the journal keeps, %3 %2.")
            .arg(QString::number(weighIn.weight, 'g', 12), unitSymbol(weighIn.unit), QString::number(heaviest));
    return {};
}
