#include <algorithm>
#include <array>

#include "lunar/calendar.h"
#include "lunar/lunar_search.h"
#include "lunar/tables.h"

namespace lunar {
namespace {

// Day numbers 0-48 (1901-01-01 ... 1901-02-18) lie at the end of lunar 1900:
// days 11-29 of its month 11, then days 1-30 of its month 12.
constexpr uint16_t LunarYear1900 = 1900;
constexpr int32_t Month12Of1900Start = 19;
// Moving this far from a day of a month reaches the same day of its leap
// twin (or back): every lunar month has 29 or 30 days.
constexpr int32_t LeapTwinDistance = 31;

// The lunar date `offset` days after the start of a table year.
LunarDate DayOfLunarYear(uint16_t lunarYear, int32_t offset) {
    const uint16_t leapMonth = LeapMonthOf(lunarYear);
    for (uint16_t month = 1; month <= 12; ++month) {
        const int32_t normal = LunarMonthLength(lunarYear, month, false);
        if (offset < normal) return {lunarYear, month, uint16_t(offset + 1), false};
        offset -= normal;
        if (month == leapMonth) {
            const int32_t leap = LunarMonthLength(lunarYear, month, true);
            if (offset < leap) return {lunarYear, month, uint16_t(offset + 1), true};
            offset -= leap;
        }
    }
    return {};  // Unreachable: the caller keeps offset below the year's length.
}

// The day number on which each table year begins, and the one after the last
// year ends: the running sum of the year lengths, computed once so that a
// conversion looks its year up instead of adding up to 149 years.
using YearStarts = std::array<int32_t, LunarYearCount + 1>;

YearStarts ComputeYearStarts() {
    YearStarts starts{};
    starts[0] = FirstConvertibleDayNumber;
    for (size_t index = 0; index < size_t(LunarYearCount); ++index)
        starts[index + 1] = starts[index] + LunarYearDays(uint16_t(FirstLunarYear + index));
    return starts;
}

const YearStarts& LunarYearStarts() {
    static const YearStarts starts = ComputeYearStarts();
    return starts;
}

}  // namespace

std::optional<LunarDate> DayNumberToLunar(int32_t dayNumber) {
    if (dayNumber < 0) return std::nullopt;
    if (dayNumber < Month12Of1900Start)
        return LunarDate{LunarYear1900, 11, uint16_t(dayNumber + 11)};
    if (dayNumber < FirstConvertibleDayNumber)
        return LunarDate{LunarYear1900, 12, uint16_t(dayNumber - Month12Of1900Start + 1)};

    const YearStarts& starts = LunarYearStarts();
    const auto next = std::upper_bound(starts.begin(), starts.end(), dayNumber);
    if (next == starts.end()) return std::nullopt;  // past lunar 2049 (January 2050)
    const auto index = next - starts.begin() - 1;   // [0, 148]
    return DayOfLunarYear(uint16_t(FirstLunarYear + index), dayNumber - starts[size_t(index)]);
}

bool SolarToLunar(uint16_t year, uint16_t month, uint16_t day, LunarDate& lunar) {
    if (month < 1 || month > 12 || year > LastConvertibleDate.year ||
        CompareDates(year, month, day, FirstConvertibleDate.year, FirstConvertibleDate.month,
                     FirstConvertibleDate.day) < 0) {
        return false;
    }
    // A day far beyond its month's length can land past the table's end.
    const std::optional<LunarDate> converted = DayNumberToLunar(DayNumberOf({year, month, day, 0}));
    if (!converted) return false;
    lunar = *converted;
    return true;
}

namespace detail {

// Walks Gregorian days towards the lunar date, starting from the Gregorian
// date with the same numbers (never more than about two months away), and
// jumps to the leap twin of a month when only the leap flag differs. A
// lunar date that does not exist never compares equal and runs out of
// iterations.
SearchOutcome SearchSolarDate(uint16_t lunarYear, uint16_t month, uint16_t day, bool isLeap,
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

}  // namespace detail

bool LunarToSolar(uint16_t lunarYear, uint16_t month, uint16_t day, bool isLeap, SolarDate& solar) {
    return detail::SearchSolarDate(lunarYear, month, day, isLeap, solar).found;
}

}  // namespace lunar
