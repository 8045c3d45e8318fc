#include "calculator/height.h"

#include "calculator/numbertext.h"

#include <cmath>

namespace {

const QString kCentimetresSetting = QStringLiteral("cm");
const QString kFeetAndInchesSetting = QStringLiteral("ft");
constexpr int kInchesPerFoot = 12;

} // namespace

HeightUnit defaultHeightUnit(const QLocale& locale)
{
    return locale.language() != QLocale::C && locale.measurementSystem() == QLocale::MetricSystem
        ? HeightUnit::Centimetres
        : HeightUnit::FeetAndInches;
}

QString heightUnitSetting(HeightUnit unit)
{
    return unit == HeightUnit::Centimetres ? kCentimetresSetting : kFeetAndInchesSetting;
}

HeightUnit heightUnitFromSetting(const QString& stored, const QLocale& locale)
{
    if (stored == kCentimetresSetting)
        return HeightUnit::Centimetres;
    if (stored == kFeetAndInchesSetting)
        return HeightUnit::FeetAndInches;
    return defaultHeightUnit(locale);
}

std::optional<int> readCentimetres(const QString& text, const QLocale& locale)
{
    const std::optional<double> value = readNumber(text, locale);
    if (!value || *value != std::floor(*value) || *value < kShortestCentimetres || *value > kTallestCentimetres)
        return std::nullopt;
    return int(*value);
}

double centimetresToInches(double centimetres)
{
    return centimetres / kCentimetresPerInch;
}

std::optional<int> feetAndInchesToCentimetres(int feet, int inches)
{
    const int centimetres = int(std::lround((feet * kInchesPerFoot + inches) * kCentimetresPerInch));
    if (centimetres < kShortestCentimetres || centimetres > kTallestCentimetres)
        return std::nullopt;
    return centimetres;
}

std::pair<int, int> centimetresToFeetAndInches(int centimetres)
{
    const int inches = int(std::lround(centimetresToInches(centimetres)));
    return {inches / kInchesPerFoot, inches % kInchesPerFoot};
}
