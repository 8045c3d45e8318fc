// The pound and kilogram conversions, and the reading and writing of figures under
// them, over any text in any of a set of locales. Whatever the text, a conversion
// either leaves the partner box alone or writes a finite, ungrouped figure that reads
// back as a number close to the converted weight and converts again without failing.

#include "calculator/conversion.h"
#include "calculator/numbertext.h"
#include "fuzzcheck.h"

#include <cmath>
#include <cstring>

namespace {

QString context(const QString& text, const QLocale& locale, const QString& written)
{
    return QStringLiteral("text %1, locale %2, written %3").arg(quoted(text), locale.name(), quoted(written));
}

// A figure written into a box: finite, without grouping, readable again.
double requireWrittenFigure(const QString& written, const QLocale& locale, const QString& ctx)
{
    FUZZ_REQUIRE(!written.isEmpty(), ctx);
    const QString lower = written.toLower();
    FUZZ_REQUIRE(!lower.contains(QLatin1String("inf")) && !lower.contains(QLatin1String("nan"))
            && !written.contains(QChar(0x221e)) && !written.contains(locale.exponential() + locale.exponential()),
        ctx);
    FUZZ_REQUIRE(!written.contains(locale.groupSeparator()), ctx);
    FUZZ_REQUIRE(!written.startsWith(QLatin1Char(' ')) && !written.endsWith(QLatin1Char(' ')), ctx);
    const auto back = readNumber(written, locale);
    FUZZ_REQUIRE(back.has_value(), ctx);
    FUZZ_REQUIRE(std::isfinite(*back), ctx);
    return *back;
}

bool closeTo(double actual, double expected, double absolute)
{
    return std::fabs(actual - expected) <= absolute + 1e-12 * std::fabs(expected);
}

void checkPoundsToKilograms(const QString& text, const QLocale& locale)
{
    const auto written = poundsToKilogramsText(text, locale);
    if (text.isEmpty()) {
        FUZZ_REQUIRE(written && written->isEmpty(), context(text, locale, written.value_or(QString())));
        return;
    }
    const auto pounds = readNumber(text, locale);
    if (!pounds) {
        FUZZ_REQUIRE(!written, context(text, locale, written.value_or(QString())));
        return;
    }
    const double tenths = *pounds * 0.453 * 10;
    if (!std::isfinite(tenths)) {
        FUZZ_REQUIRE(!written, context(text, locale, written.value_or(QString())));
        return;
    }
    FUZZ_REQUIRE(written.has_value(), context(text, locale, QString()));
    const QString ctx = context(text, locale, *written);
    const double kilograms = requireWrittenFigure(*written, locale, ctx);
    FUZZ_REQUIRE(closeTo(kilograms, *pounds * 0.453, 0.05 + 1e-9), ctx);
    FUZZ_REQUIRE(!written->startsWith(locale.negativeSign()) || kilograms < 0, ctx); // no "-0"
    // At most one decimal wherever fifteen significant digits show every digit.
    if (std::fabs(kilograms) < 1e13) {
        const qsizetype point = written->indexOf(locale.decimalPoint());
        FUZZ_REQUIRE(point < 0 || written->size() - point - locale.decimalPoint().size() == 1, ctx);
        FUZZ_REQUIRE(!written->contains(locale.exponential(), Qt::CaseInsensitive), ctx);
    }
    // Leaving the kilogram box afterwards converts again without failing.
    FUZZ_REQUIRE(kilogramsToPoundsText(*written, locale).has_value(), ctx);
}

void checkKilogramsToPounds(const QString& text, const QLocale& locale)
{
    const auto written = kilogramsToPoundsText(text, locale);
    if (text.isEmpty()) {
        FUZZ_REQUIRE(written && written->isEmpty(), context(text, locale, written.value_or(QString())));
        return;
    }
    const auto kilograms = readNumber(text, locale);
    if (!kilograms || !std::isfinite(*kilograms * 2.2)) {
        FUZZ_REQUIRE(!written, context(text, locale, written.value_or(QString())));
        return;
    }
    FUZZ_REQUIRE(written.has_value(), context(text, locale, QString()));
    const QString ctx = context(text, locale, *written);
    // Whole pounds in plain digits, a hyphen-minus where negative.
    for (qsizetype i = 0; i < written->size(); ++i) {
        const QChar c = written->at(i);
        FUZZ_REQUIRE((c >= u'0' && c <= u'9') || (i == 0 && c == u'-' && written->size() > 1), ctx);
    }
    FUZZ_REQUIRE(*written != QLatin1String("-0"), ctx);
    const double pounds = requireWrittenFigure(*written, QLocale::c(), ctx);
    FUZZ_REQUIRE(pounds == std::trunc(pounds), ctx);
    FUZZ_REQUIRE(closeTo(pounds, *kilograms * 2.2, 0.5 + 1e-9), ctx);
    FUZZ_REQUIRE(poundsToKilogramsText(*written, locale).has_value(), ctx);
}

void checkReadNumber(const QString& text, const QLocale& locale)
{
    const auto value = readNumber(text, locale);
    FUZZ_REQUIRE(!value || std::isfinite(*value), context(text, locale, QString()));
    FUZZ_REQUIRE(isNonNegativeNumber(text, locale) == (value && *value >= 0), context(text, locale, QString()));
    // Only spaces around the figure are ignored.
    if (value)
        FUZZ_REQUIRE(
            readNumber(QLatin1Char(' ') + text + QLatin1Char(' '), locale) == value, context(text, locale, QString()));
}

void checkWriteNumber(double value, const QLocale& locale)
{
    const QString written = writeNumber(value, locale);
    const QString whole = writeWholeNumber(value);
    if (!std::isfinite(value)) {
        FUZZ_REQUIRE(whole.isEmpty(), quoted(whole));
        return;
    }
    const QString ctx = QStringLiteral("value %1, locale %2, written %3, whole %4")
                            .arg(QString::number(value, 'g', 17), locale.name(), quoted(written), quoted(whole));
    const double back = requireWrittenFigure(written, locale, ctx);
    for (const QChar c : written)
        FUZZ_REQUIRE(
            (c >= u'0' && c <= u'9') || locale.decimalPoint().contains(c) || locale.negativeSign().contains(c), ctx);
    FUZZ_REQUIRE(closeTo(back, value, 0) || std::fabs(back - value) <= 1e-14 * std::fabs(value), ctx);
    if (value == std::trunc(value)) {
        const double wholeBack = requireWrittenFigure(whole, QLocale::c(), ctx);
        FUZZ_REQUIRE(std::fabs(wholeBack - value) <= 1e-14 * std::fabs(value), ctx);
        for (const QChar c : whole)
            FUZZ_REQUIRE((c >= u'0' && c <= u'9') || c == u'-', ctx);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QLocale locale = consumeLocale(data);

    // Any double at all, from its bits.
    double value = 0;
    const auto bits = data.ConsumeBytes<unsigned char>(sizeof value);
    if (!bits.empty())
        std::memcpy(&value, bits.data(), bits.size());
    checkWriteNumber(value, locale);

    const QString text = consumeText(data, 1024);
    checkReadNumber(text, locale);
    checkPoundsToKilograms(text, locale);
    checkKilogramsToPounds(text, locale);
    return 0;
}
