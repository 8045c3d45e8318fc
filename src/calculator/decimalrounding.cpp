#include "calculator/decimalrounding.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr int kSignificantDigits = 15;

} // namespace

std::optional<double> roundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0)
        return 0.0;

    // d.dddddddddddddde±x: 15 significant digits, independent of the C locale.
    char buffer[64];
    const auto written
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, kSignificantDigits - 1);
    if (written.ec != std::errc())
        return std::nullopt;
    const std::string text(buffer, written.ptr);

    const bool negative = text.front() == '-';
    const std::size_t mantissaStart = negative ? 1 : 0;
    const std::size_t ePos = text.find('e');
    std::string digits;
    for (std::size_t i = mantissaStart; i < ePos; ++i) {
        if (text[i] != '.')
            digits.push_back(text[i]);
    }
    const int exponent = std::atoi(text.c_str() + ePos + 1);

    // The digits stand for 0.d1d2d3... x 10^(exponent + 1). Keep those up to the
    // wanted decimal place.
    const int keep = exponent + 1 + decimals; // how many leading digits survive
    if (keep >= static_cast<int>(digits.size()))
        return value; // already exact at this precision

    std::string kept = keep > 0 ? digits.substr(0, keep) : std::string();
    const std::string dropped = keep >= 0 ? digits.substr(keep) : std::string(-keep, '0') + digits;

    // Compare what is dropped with one half of the last kept place.
    int direction; // -1 below half, 0 exactly half, +1 above half
    if (dropped.front() < '5') {
        direction = -1;
    } else if (dropped.front() > '5') {
        direction = 1;
    } else {
        direction = dropped.find_first_not_of('0', 1) == std::string::npos ? 0 : 1;
    }
    const bool lastKeptOdd = !kept.empty() && ((kept.back() - '0') % 2 == 1);
    const bool roundUp = direction > 0 || (direction == 0 && lastKeptOdd);

    if (roundUp) {
        // Add one to the last kept digit, carrying leftwards.
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9') {
            kept[i] = '0';
            --i;
        }
        if (i >= 0)
            ++kept[i];
        else
            kept.insert(kept.begin(), '1');
    }
    if (kept.empty())
        kept = "0";

    // kept holds the value scaled by 10^decimals; write it back as text and read it
    // with the locale-independent parser.
    std::string result = negative ? "-" : "";
    result += kept;
    result += "e";
    result += std::to_string(-decimals);
    double rounded = 0;
    const auto parsed = std::from_chars(result.data(), result.data() + result.size(), rounded);
    if (parsed.ec != std::errc() || !std::isfinite(rounded))
        return std::nullopt;
    if (rounded == 0)
        rounded = 0; // no negative zero
    return rounded;
}
