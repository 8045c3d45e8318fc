#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// The pound and kilogram boxes of a pair follow each other. Each function takes the
// text of the box being left and gives the partner's new text, or nothing when the
// text does not read as a number (the partner then keeps its text).

inline constexpr double kPoundsPerKilogram = 2.2;
inline constexpr double kKilogramsPerPound = 0.453;

// Kilograms to whole pounds: 70 gives "154". Empty gives empty.
std::optional<QString> kilogramsToPoundsText(const QString& kilogramText, const QLocale& locale = QLocale());

// Pounds to kilograms with at most one decimal in the locale's form: 154 gives
// "69.8", 150 gives "68". Empty gives empty.
std::optional<QString> poundsToKilogramsText(const QString& poundText, const QLocale& locale = QLocale());

// The same conversion on a figure: kilograms to one decimal, or nothing past the range.
std::optional<double> poundsToKilograms(double pounds);
