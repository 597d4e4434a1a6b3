#pragma once
// A search over Gregorian days for a lunar date, with the number of
// iterations it took. LunarToSolar reads the answer from the month table
// instead; the search, which needs no table, stays as the independent
// reference that the tests and the fuzz target check LunarToSolar against.

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
