// Elapsed times as the reports write them.
#include "base/duration_text.h"

#include <cstdio>

namespace quillon {

namespace {

/// `value` hundredths of a unit with two decimals, zero-filled to `width` characters.
std::string fixed(std::int64_t hundredthsOfUnit, int width)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%0*lld.%02lld", width - 3,
                  static_cast<long long>(hundredthsOfUnit / 100),
                  static_cast<long long>(hundredthsOfUnit % 100));
    return buffer;
}

/// Converts hundredths of a second into hundredths of a larger unit, rounding to nearest.
std::int64_t scaled(std::int64_t hundredths, std::int64_t secondsPerUnit)
{
    return (hundredths + secondsPerUnit / 2) / secondsPerUnit;
}

}  // namespace

std::string durationSecondsText(std::int64_t hundredths)
{
    if (hundredths < 1)
        return "Less than 1/100 second";
    return fixed(hundredths, hundredths < 100 * 100 ? 5 : 6) + " seconds";
}

std::string durationText(std::int64_t hundredths)
{
    if (hundredths < 1000 * 100)
        return durationSecondsText(hundredths);
    if (hundredths < 10000 * 100)
        return fixed(scaled(hundredths, 60), 9) + " minutes";
    return fixed(scaled(hundredths, 3600), 9) + " h";
}

}  // namespace quillon
