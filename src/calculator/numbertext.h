#pragma once

#include <QLocale>
#include <QString>
#include <optional>

// Reads a number the way the user's locale writes it (decimal separator, optional
// grouping); blanks around it and direction marks in it are ignored. Gives nothing
// for text that is not a finite number.
std::optional<double> readNumber(const QString& text, const QLocale& locale = QLocale());

// A weight as typed with the locale's decimal sign in place of a full stop, which
// weigh-ins take in every locale: "182.4" is "182,4" in German.
QString withLocaleDecimalPoint(const QString& text, const QLocale& locale = QLocale());

// True when the text reads as a finite number of zero or more.
bool isNonNegativeNumber(const QString& text, const QLocale& locale = QLocale());

// Writes a figure with the locale's decimal separator and minus sign but ASCII
// digits, the ones the boxes take by typing: at most 15 significant digits, no
// grouping, no exponent, no trailing zeros and no separator for a whole number.
// Empty for a value that is not finite.
QString writeNumber(double value, const QLocale& locale = QLocale());

// Writes a whole calorie figure in plain decimal digits, a minus sign where negative.
QString writeWholeNumber(double value);
