#pragma once
// The search behind LunarToSolar, with the number of iterations it took, for
// the tests that bound it.

#include <cstdint>

#include "lunar/calendar.h"

namespace lunar::detail {

inline constexpr int MaxSearchIterations = 100;

struct SearchOutcome {
    bool found = false;
    int iterations = 0;  // [0, MaxSearchIterations]
};

SearchOutcome SearchSolarDate(uint16_t lunarYear, uint16_t month, uint16_t day, bool isLeap,
                              SolarDate& solar);

}  // namespace lunar::detail
