#include "calculator/decimalrounding.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr int kSignificantDigits = 15;

// The value of the decimal digits times 10^power, read with the locale-independent
// parser.
std::optional<double> fromDigits(bool negative, const std::string& digits, int power)
{
    std::string text = negative ? "-" : "";
    text += digits;
    text += "e";
    text += std::to_string(power);
    double value = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    if (parsed.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    if (value == 0)
        value = 0; // no negative zero
    return value;
}

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
    if (keep >= static_cast<int>(digits.size())) {
        // Nothing to round at this place. The figure is still the one the fifteen
        // digits write, so that 121078279335334.98 comes back whole with no decimals;
        // only beside the largest double do they write a figure past the range.
        const auto read = fromDigits(negative, digits, exponent + 1 - static_cast<int>(digits.size()));
        return read ? read : value;
    }

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

    // kept holds the value scaled by 10^decimals.
    return fromDigits(negative, kept, -decimals);
}
