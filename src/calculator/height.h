#pragma once

#include <QLocale>
#include <QString>
#include <optional>
#include <utility>

// A height given in whole centimetres, beside the feet and inches of the lists: the
// calculation still works in inches, and takes them unrounded.
inline constexpr int kShortestCentimetres = 100;
inline constexpr int kTallestCentimetres = 250;
inline constexpr double kCentimetresPerInch = 2.54;

enum class HeightUnit { FeetAndInches, Centimetres };

// What comes first where the person has not chosen: centimetres where the locale
// measures in metric; feet and inches elsewhere, and in the C locale, which is no
// person's.
HeightUnit defaultHeightUnit(const QLocale& locale = QLocale());

// The choice as the settings store keeps it; a value that is neither reads as the
// locale's default.
QString heightUnitSetting(HeightUnit unit);
HeightUnit heightUnitFromSetting(const QString& stored, const QLocale& locale = QLocale());

// The centimetres box read: a whole number from 100 to 250, or nothing.
std::optional<int> readCentimetres(const QString& text, const QLocale& locale = QLocale());

// The height in inches, not rounded: 178 cm is 70.0787... in.
double centimetresToInches(double centimetres);

// Switching the unit carries the height over, so the person need not convert by hand:
// feet and inches to the nearest whole centimetre, or nothing outside 100 to 250 cm;
// centimetres to the nearest whole inch, as feet and inches.
std::optional<int> feetAndInchesToCentimetres(int feet, int inches);
std::pair<int, int> centimetresToFeetAndInches(int centimetres);
