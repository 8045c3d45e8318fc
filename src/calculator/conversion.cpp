#include "calculator/conversion.h"

#include "calculator/decimalrounding.h"
#include "calculator/numbertext.h"

#include <cmath>

std::optional<QString> kilogramsToPoundsText(const QString& kilogramText, const QLocale& locale)
{
    if (kilogramText.isEmpty())
        return QString();
    const auto kilograms = readNumber(kilogramText, locale);
    if (!kilograms)
        return std::nullopt;
    const double pounds = *kilograms * kPoundsPerKilogram;
    const auto whole = roundHalfEven(pounds, 0);
    if (!whole)
        return std::nullopt;
    return writeWholeNumber(*whole);
}

std::optional<QString> poundsToKilogramsText(const QString& poundText, const QLocale& locale)
{
    if (poundText.isEmpty())
        return QString();
    const auto pounds = readNumber(poundText, locale);
    if (!pounds)
        return std::nullopt;
    const auto kilograms = poundsToKilograms(*pounds);
    if (!kilograms)
        return std::nullopt;
    return writeNumber(*kilograms, locale);
}

std::optional<double> poundsToKilograms(double pounds)
{
    // Tenths of a kilogram, multiplied in this order.
    const double tenths = pounds * kKilogramsPerPound * 10;
    const auto wholeTenths = roundHalfEven(tenths, 0);
    if (!wholeTenths)
        return std::nullopt;
    return *wholeTenths / 10;
}
