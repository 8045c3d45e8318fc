#pragma once

// Shared helpers of the fuzz targets: a property check that stops the run (libFuzzer
// then keeps the input that broke it), and the texts and locales a target draws from
// its input.

#include <QLocale>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

[[noreturn]] inline void fuzzFailure(const char* condition, const QString& detail, const char* file, int line)
{
    std::fprintf(
        stderr, "%s:%d: property does not hold: %s\n    %s\n", file, line, condition, detail.toUtf8().constData());
    std::abort();
}

#define FUZZ_REQUIRE(condition, detail)                                                                                \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            fuzzFailure(#condition, (detail), __FILE__, __LINE__);                                                     \
    } while (0)

// A text as a box could hold it: most often UTF-8 from the input (so well-formed
// Unicode, as the keyboard and the clipboard deliver it), sometimes raw UTF-16 code
// units, lone surrogates included.
inline QString consumeText(FuzzedDataProvider& data, std::size_t maxBytes)
{
    const bool rawUnits = data.ConsumeIntegralInRange<int>(0, 7) == 0;
    const std::string bytes = data.ConsumeRandomLengthString(maxBytes);
    if (!rawUnits)
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.append(QChar(static_cast<char16_t>(
            static_cast<unsigned char>(bytes[i]) << 8 | static_cast<unsigned char>(bytes[i + 1]))));
    return text;
}

// Well-formed text only: what a user can type or paste.
inline QString consumeUnicodeText(FuzzedDataProvider& data, std::size_t maxBytes)
{
    const std::string bytes = data.ConsumeRandomLengthString(maxBytes);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Locales whose number and date forms differ in the ways that matter here: decimal
// comma, grouping by dot, apostrophe, narrow or no-break space, Indian grouping,
// digits other than ASCII, a minus sign other than the hyphen, two-digit years.
inline const std::vector<QLocale>& fuzzLocales()
{
    static const std::vector<QLocale> locales {
        QLocale::c(),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::English, QLocale::UnitedKingdom),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::German, QLocale::Switzerland),
        QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::Swedish, QLocale::Sweden),
        QLocale(QLocale::Hindi, QLocale::India),
        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Persian, QLocale::Iran),
        QLocale(QLocale::Bengali, QLocale::Bangladesh),
        QLocale(QLocale::Japanese, QLocale::Japan),
    };
    return locales;
}

inline QLocale consumeLocale(FuzzedDataProvider& data)
{
    const auto& locales = fuzzLocales();
    return locales[data.ConsumeIntegralInRange<std::size_t>(0, locales.size() - 1)];
}

inline QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

// A numeric box or list text: a list entry between the bounds, a run of up to 420
// digits, or any text.
inline QString consumeFigureText(FuzzedDataProvider& data, int first, int last)
{
    switch (data.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
        return QString::number(data.ConsumeIntegralInRange<int>(first, last));
    case 1: {
        QString digits;
        const int count = data.ConsumeIntegralInRange<int>(0, 420);
        for (int i = 0; i < count && data.remaining_bytes() > 0; ++i)
            digits.append(QChar(u'0' + data.ConsumeIntegralInRange<int>(0, 9)));
        return digits;
    }
    default:
        return consumeText(data, 64);
    }
}
