#pragma once
// A search over Gregorian days for a lunar date, with the number of
// iterations it took. LunarToSolar reads the answer from the month table
// instead; the search, which needs no table, is the independent reference
// that the tests and the fuzz target check LunarToSolar against.

#include <cstdint>

#include "lunar/calendar.h"
#include "lunar/tables.h"

namespace lunar::detail {

inline constexpr int MaxSearchIterations = 100;
// Moving this far from a day of a month reaches the same day of its leap
// twin (or back): every lunar month has 29 or 30 days.
inline constexpr int32_t LeapTwinDistance = 31;

struct SearchOutcome {
    bool found = false;
    int iterations = 0;  // [0, MaxSearchIterations]
};

// Walks Gregorian days towards the lunar date, starting from the Gregorian
// date with the same numbers (never more than about two months away), and
// jumps to the leap twin of a month when only the leap flag differs. A
// lunar date that does not exist never compares equal and runs out of
// iterations.
inline SearchOutcome SearchSolarDate(uint16_t lunarYear, uint16_t month, uint16_t day, bool isLeap,
                                     SolarDate& solar) {
    if (lunarYear < FirstLunarYear || lunarYear > LastLunarYear || month < 1 || month > 12)
        return {};
    if (isLeap && LeapMonthOf(lunarYear) != month) isLeap = false;

    SolarDate guess = {lunarYear, month, day, 0};
    // Until a guess converts, the empty date compares below every target and
    // moves the guess forwards, towards the conversion range.
    LunarDate current{};
    SolarToLunar(guess.year, guess.month, guess.day, current);
    for (int iteration = 1; iteration <= MaxSearchIterations; ++iteration) {
        const int order =
            CompareDates(current.year, current.month, current.day, lunarYear, month, day);
        if (order == 0 && current.isLeap == isLeap) {
            solar = guess;
            return {true, iteration};
        }
        if (order == 0) {
            ShiftDays(guess.year, guess.month, guess.day,
                      current.isLeap ? -LeapTwinDistance : LeapTwinDistance);
        }
        ShiftDays(guess.year, guess.month, guess.day, -order);
        SolarToLunar(guess.year, guess.month, guess.day, current);
    }
    solar = guess;
    return {false, MaxSearchIterations};
}

}  // namespace lunar::detail
