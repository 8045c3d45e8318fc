#include "journal/journalrecords.h"

#include <QCoreApplication>

namespace {

// The reasons a weigh-in is refused: the journal's messages, the lines of an import
// that are left out and the command line's errors all give them.
struct WeighInMessages
{
    Q_DECLARE_TR_FUNCTIONS(WeighInMessages)
};

struct WeightUnitText
{
    Q_DECLARE_TR_FUNCTIONS(WeightUnit)
};

} // namespace

QString unitSymbol(WeightUnit unit)
{
    return unit == WeightUnit::Kilograms ? QStringLiteral("kg") : QStringLiteral("lb");
}

QString unitSymbolText(WeightUnit unit)
{
    if (unit == WeightUnit::Kilograms) {
        //: Symbol of kilograms after a weight in a sentence ("80 kg"); keep it as short as "kg"
        return WeightUnitText::tr("kg");
    }
    //: Symbol of pounds after a weight in a sentence ("180 lb"); keep it as short as "lb"
    return WeightUnitText::tr("lb");
}

QString weighInProblem(const WeighIn& weighIn, const QDate& today)
{
    if (!weighIn.date.isValid()) {
        //: Why a weigh-in is refused (the weigh-in box, an imported line, the command line)
        return WeighInMessages::tr("The date is not a day of the calendar.");
    }
    if (weighIn.date > today) {
        //: %1 is the day of the weigh-in, as 2026-12-09
        return WeighInMessages::tr("The date %1 is in the future.").arg(weighIn.date.toString(Qt::ISODate));
    }
    if (weighIn.date < earliestWeighInDay()) {
        //: %1 is the day of the weigh-in, %2 the earliest day kept (1900-01-01), both as 2026-12-09
        return WeighInMessages::tr("The date %1 is before %2, the earliest day the journal keeps.")
            .arg(weighIn.date.toString(Qt::ISODate), earliestWeighInDay().toString(Qt::ISODate));
    }
    const bool kilograms = weighIn.unit == WeightUnit::Kilograms;
    const QString unit = unitSymbolText(weighIn.unit);
    const QString weight = QString::number(weighIn.weight, 'g', 12);
    switch (judgeWeighInWeight(weighIn.weight, kilograms)) {
    case WeighInWeight::Fine:
        return {};
    case WeighInWeight::NotANumber:
        //: Why a weigh-in is refused (the weigh-in box, an imported line, the command line)
        return WeighInMessages::tr("The weight is not a number.");
    case WeighInWeight::NotAboveZero:
        //: Why a weigh-in is refused (the weigh-in box, an imported line, the command line)
        return WeighInMessages::tr("The weight must be above zero.");
    case WeighInWeight::TooLight:
        //: %1 is the weight given, %2 the unit's symbol (kg or lb), %3 the lightest weight the journal keeps
        return WeighInMessages::tr("The weight %1 %2 is below the lightest the journal keeps, %3 %2.")
            .arg(weight, unit, lightestWeighInText(kilograms));
    case WeighInWeight::TooHeavy:
        //: %1 is the weight given, %2 the unit's symbol (kg or lb), %3 the heaviest weight the journal keeps
        return WeighInMessages::tr("The weight %1 %2 is above the heaviest the journal keeps, %3 %2.")
            .arg(weight, unit, heaviestWeighInText(kilograms));
    }
    return {};
}
