#pragma once
// The oracle the number targets compare against: a double rounded to the 13
// significant digits the program shows, computed with printf and strtod and
// not with the program's own formatter.

#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline constexpr int kShownSignificantDigits = 13;

inline double RoundedToShownDigits(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", kShownSignificantDigits - 1, value);
    return std::strtod(buffer, nullptr);
}

}  // namespace fuzz
