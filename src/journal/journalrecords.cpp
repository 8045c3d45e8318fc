#include "journal/journalrecords.h"

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
    if (weighIn.date < earliestWeighInDay()) {
        return QStringLiteral("The date %1 is before %2, the earliest day the journal keeps.")
            .arg(weighIn.date.toString(Qt::ISODate), earliestWeighInDay().toString(Qt::ISODate));
    }
    const bool kilograms = weighIn.unit == WeightUnit::Kilograms;
    const QString unit = unitSymbol(weighIn.unit);
    const QString weight = QString::number(weighIn.weight, 'g', 12);
    switch (judgeWeighInWeight(weighIn.weight, kilograms)) {
    case WeighInWeight::Fine:
        return {};
    case WeighInWeight::NotANumber:
        return QStringLiteral("The weight is not a number.");
    case WeighInWeight::NotAboveZero:
        return QStringLiteral("The weight must be above zero.");
    case WeighInWeight::TooLight:
        return QStringLiteral("The weight %1 %2 is below the lightest the journal keeps, %3 %2.")
            .arg(weight, unit, lightestWeighInText(kilograms));
    case WeighInWeight::TooHeavy:
        return QStringLiteral("The weight %1 %2 is above the heaviest the journal keeps, %3 %2.")
            .arg(weight, unit, heaviestWeighInText(kilograms));
    }
    return {};
}
