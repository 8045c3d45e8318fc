#pragma once

#include <QDate>

// What a weigh-in may be, the same for every way one comes in: the weigh-in box and
// its edit, the command line, and the files imported. Beyond these it is a slip of
// the finger or of a file, not a person's weight on a day.

inline constexpr double kKilogramsPerPoundExactly = 0.45359237;
inline constexpr double kLightestWeighInPounds = 20;
inline constexpr double kHeaviestWeighInPounds = 1500;

enum class WeighInWeight { Fine, NotAboveZero, TooLight, TooHeavy, NotANumber };

// Judges a weight in pounds to the hundredth, the figure the program shows beside
// the kilograms: so 9.07 kg (19.996 lb, shown 20.00 lb) is the lightest in kilograms
// and 680.39 kg (1500.003 lb) the heaviest, and each limit means the same in both.
WeighInWeight judgeWeighInWeight(double weight, bool kilograms);

// The limits as the program writes them in either unit: "20" lb, "9.07" kg, "1500"
// lb, "680.39" kg.
QString lightestWeighInText(bool kilograms);
QString heaviestWeighInText(bool kilograms);

// The first day a weigh-in may have. The window's day box starts there, and so does
// the chart; no one keeping a journal today weighed themselves before it.
QDate earliestWeighInDay();
