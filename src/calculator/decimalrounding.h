#pragma once

#include <optional>

// Rounds to the given number of decimal places, a half going to the even neighbour.
//
// "Half" is judged in decimal terms: the value is first read to 15 significant
// digits, which is all a double holds reliably, so that a quotient such as
// 0.145 (stored as 0.14499999999999999) or a sum that lands one unit in the last
// place beside 2943.5 still counts as lying exactly halfway. Gives nothing for a
// value that is not finite.
std::optional<double> roundHalfEven(double value, int decimals);

// A weight or a pace as the texts write it: to two decimals, half to even; a value
// that is not finite as it is.
inline double twoDecimals(double value)
{
    return roundHalfEven(value, 2).value_or(value);
}
