#pragma once
// DateTime values: days since 1899-12-30 00:00, the fraction being the time of
// day, clamped to 0100-01-01 ... 9999-12-31 before any date operation.

#include <cstdint>

namespace runtime {

inline constexpr double MinDateTime = -657434.0;  // 0100-01-01
inline constexpr double MaxDateTime = 2958465.0;  // 9999-12-31

double ClampDateTime(double dateTime);

struct DateTimeFields {
    int32_t year = 1899, month = 12, day = 30;
    int32_t hour = 0, minute = 0, second = 0;
    int32_t dayOfWeek = 7;  // 1 = Sunday ... 7 = Saturday
    int32_t dayOfYear = 364;
};

// Clamps, rounds to the nearest second and splits (proleptic Gregorian).
DateTimeFields SplitDateTime(double dateTime);
// The DateTime of a calendar moment (no validation beyond the arithmetic).
// Before day 0 the whole days count back while the fraction still adds the
// time of day, so 1899-12-29 06:00 is -1.25, as SplitDateTime reads it.
double ComposeDateTime(int32_t year, int32_t month, int32_t day, int32_t hour = 0,
                       int32_t minute = 0, int32_t second = 0);
// The current local time to the whole second.
double NowDateTime();

}  // namespace runtime
