#include <array>
#include <cstdint>

#include "lunar/calendar.h"

namespace lunar {
namespace {

constexpr std::array<uint16_t, MonthsPerYear> CommonMonthDays = {31, 28, 31, 30, 31, 30,
                                                                 31, 31, 30, 31, 30, 31};
constexpr std::array<int32_t, MonthsPerYear> DaysBeforeMonth = {0,   31,  59,  90,  120, 151,
                                                                181, 212, 243, 273, 304, 334};
constexpr SolarDate DayNumberEpoch = {1901, 1, 1, 0};
// 1901-01-01 was a Tuesday.
constexpr int EpochWeekday = 2;

bool IsValidMonth(uint16_t month) {
    return month >= 1 && month <= MonthsPerYear;
}

// Floor division, so that year 0 counts its leap days like any other year.
int32_t FloorDiv(int32_t value, int32_t divisor) {
    const int32_t quotient = value / divisor;
    return quotient - (value % divisor < 0 ? 1 : 0);
}

// Leap days in the years before the given one.
int32_t LeapDaysBefore(uint16_t year) {
    const int32_t previous = int32_t{year} - 1;  // [-1, 65534]
    return FloorDiv(previous, 4) - FloorDiv(previous, 100) + FloorDiv(previous, 400);
}

// Days from January 0 of the year, the day not checked against the month.
int32_t DayOfYear(const SolarDate& date) {
    if (!IsValidMonth(date.month)) return date.day;
    const bool afterLeapDay = date.month > 2 && IsGregorianLeapYear(date.year);
    return DaysBeforeMonth[date.month - 1] + (afterLeapDay ? 1 : 0) + date.day;  // [0, 65869]
}

}  // namespace

bool IsGregorianLeapYear(uint16_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

uint16_t GregorianMonthDays(uint16_t year, uint16_t month) {
    if (!IsValidMonth(month)) return 0;
    if (month == 2 && IsGregorianLeapYear(year)) return 29;
    return CommonMonthDays[month - 1];
}

// At most 365 * 65535 + 65869 in magnitude, well inside 32 bits.
int32_t DaysBetween(const SolarDate& a, const SolarDate& b) {
    return 365 * (int32_t{a.year} - int32_t{b.year}) + LeapDaysBefore(a.year) -
           LeapDaysBefore(b.year) + DayOfYear(a) - DayOfYear(b);
}

int32_t DayNumberOf(const SolarDate& date) {
    return DaysBetween(date, DayNumberEpoch);
}

int CompareDates(uint16_t year1, uint16_t month1, uint16_t day1, uint16_t year2, uint16_t month2,
                 uint16_t day2) {
    if (year1 != year2) return year1 > year2 ? 1 : -1;
    if (month1 != month2) return month1 > month2 ? 1 : -1;
    if (day1 != day2) return day1 > day2 ? 1 : -1;
    return 0;
}

// A month outside 1-12 has no length, so a forward step leaves it for the
// first day of the next valid month; a backward step from it lands on the
// last day of a valid month. Either way one step always yields a real month.
void StepDay(uint16_t& year, uint16_t& month, uint16_t& day, bool forward) {
    if (forward) {
        if (int32_t{day} + 1 <= GregorianMonthDays(year, month)) {
            ++day;
            return;
        }
        day = 1;
        if (month >= MonthsPerYear) {
            month = 1;
            ++year;
        } else {
            ++month;
        }
        return;
    }
    if (day > 1) {
        --day;
        return;
    }
    if (month <= 1) {
        month = MonthsPerYear;
        --year;
    } else if (month > MonthsPerYear) {
        month = MonthsPerYear;
    } else {
        --month;
    }
    day = GregorianMonthDays(year, month);
}

void ShiftDays(uint16_t& year, uint16_t& month, uint16_t& day, int32_t count) {
    const bool forward = count > 0;
    // The magnitude of INT32_MIN does not fit in int32_t; it does in uint32_t.
    uint32_t steps = forward ? uint32_t(count) : 0u - uint32_t(count);
    for (; steps > 0; --steps) StepDay(year, month, day, forward);
}

// Counted from the serial day number rather than by a 16-bit sum of the
// date's parts: the two agree on every real date, and the serial number stays
// right where such a sum would wrap (year 0, absurd day numbers).
uint16_t WeekdayOf(uint16_t year, uint16_t month, uint16_t day) {
    const int32_t sinceEpoch = DayNumberOf({year, month, day, 0});
    int32_t offset = (sinceEpoch + EpochWeekday - 1) % DaysPerWeek;  // [-6, 6]
    if (offset < 0) offset += DaysPerWeek;
    return uint16_t(offset + 1);
}

}  // namespace lunar
