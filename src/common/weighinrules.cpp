#include "common/weighinrules.h"

#include <QString>
#include <cmath>

namespace {

// Hundredths of a pound, the unit in which the limits are compared.
constexpr double kLightestHundredths = kLightestWeighInPounds * 100;
constexpr double kHeaviestHundredths = kHeaviestWeighInPounds * 100;

QString limitText(double pounds, bool kilograms)
{
    QString text = QString::number(kilograms ? pounds * kKilogramsPerPoundExactly : pounds, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

WeighInWeight judgeWeighInWeight(double weight, bool kilograms)
{
    if (!std::isfinite(weight))
        return WeighInWeight::NotANumber;
    if (weight <= 0)
        return WeighInWeight::NotAboveZero;
    const double hundredths = std::round((kilograms ? weight / kKilogramsPerPoundExactly : weight) * 100);
    if (hundredths < kLightestHundredths)
        return WeighInWeight::TooLight;
    if (hundredths > kHeaviestHundredths)
        return WeighInWeight::TooHeavy;
    return WeighInWeight::Fine;
}

QString lightestWeighInText(bool kilograms)
{
    return limitText(kLightestWeighInPounds, kilograms);
}

QString heaviestWeighInText(bool kilograms)
{
    return limitText(kHeaviestWeighInPounds, kilograms);
}

QDate earliestWeighInDay()
{
    return QDate(1900, 1, 1);
}
