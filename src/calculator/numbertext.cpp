#include "calculator/numbertext.h"

#include "common/text.h"

#include <cmath>

std::optional<double> readNumber(const QString& text, const QLocale& locale)
{
    QString figure = trimSpaces(text);
    if (figure.isEmpty())
        return std::nullopt;
    // Locales written right to left put invisible direction marks into their minus
    // sign ("\u200E-5" in Hebrew), which the toolkit writes but does not read back.
    // They carry nothing of the figure.
    figure.remove(QChar(0x061C)).remove(QChar(0x200E)).remove(QChar(0x200F));
    bool ok = false;
    const double value = locale.toDouble(figure, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString withLocaleDecimalPoint(const QString& text, const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    if (point == QLatin1String(".") || text.contains(point))
        return text;
    QString local = text;
    return local.replace(QLatin1Char('.'), point);
}

bool isNonNegativeNumber(const QString& text, const QLocale& locale)
{
    const auto value = readNumber(text, locale);
    return value && *value >= 0;
}

QString writeNumber(double value, const QLocale& locale)
{
    if (value == 0)
        value = 0; // no "-0"
    if (!std::isfinite(value))
        return QString();
    // Fifteen significant digits, then the shortest positional form of what is left:
    // never an exponent, which no box can take by typing and which some locales
    // ("1,5×10^+15" in Swedish) write in a form they cannot read back.
    double fifteenDigits = QString::number(value, 'g', 15).toDouble();
    if (!std::isfinite(fifteenDigits))
        fifteenDigits = value; // the largest doubles round up past the range
    // Digits as the user types them into the boxes, beside figures typed there; the
    // locale's own separator and minus sign.
    QString text = QLocale::c().toString(fifteenDigits, 'f', QLocale::FloatingPointShortest);
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    if (text.startsWith(QLatin1Char('-')))
        text.replace(0, 1, locale.negativeSign());
    return text;
}

QString writeWholeNumber(double value)
{
    if (!std::isfinite(value))
        return QString();
    if (value == 0)
        value = 0;
    if (std::fabs(value) < 1e15)
        return QString::number(value, 'f', 0);
    // Past fifteen digits a double holds no more: write those fifteen and fill the
    // rest of the whole part with zeros rather than binary noise.
    QString scientific = QString::number(value, 'e', 14); // -d.dddddddddddddde+XX
    // Beside the largest double the fifteen digits round up past the range; the
    // shortest digits that read back do not.
    if (!std::isfinite(scientific.toDouble()))
        scientific = QString::number(value, 'e', QLocale::FloatingPointShortest);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const int exponent = scientific.mid(e + 1).toInt();
    QString digits = scientific.left(e);
    const bool negative = digits.startsWith(QLatin1Char('-'));
    digits.remove(QLatin1Char('-')).remove(QLatin1Char('.'));
    digits = digits.leftJustified(exponent + 1, QLatin1Char('0'), true);
    return negative ? QLatin1Char('-') + digits : digits;
}
