#include "runtime/datetime.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace runtime {
namespace {

constexpr int64_t SecondsPerDay = 86400;
constexpr double HalfSecond = 0.5 / double(SecondsPerDay);
// 1899-12-30, day 0 of a DateTime, counted from 1970-01-01.
constexpr int64_t DateTimeEpochFromUnix = -25569;
// 1970-01-01 was a Thursday: day of week 5 when Sunday is 1.
constexpr int64_t UnixEpochDayOfWeek = 5;
constexpr int64_t DaysPerWeek = 7;

struct CivilDate {
    int32_t year, month, day;
};

// Days since 1970-01-01 of a proleptic Gregorian date (Hinnant's algorithm:
// eras of 400 years, years starting in March).
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;  // [0, 399]
    const int64_t dayOfYear =
        (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;  // [0, 365]
    const int64_t dayOfEra =
        yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;  // [0, 146096]
    return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilFromDays(int64_t days) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;  // [0, 146096]
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // [0, 399]
    const int64_t dayOfYear =
        dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);       // [0, 365]
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;                     // [0, 11]
    const int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;           // [1, 31]
    const int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;  // [1, 12]
    const int64_t year = yearOfEra + era * 400 + (month <= 2);
    return {int32_t(year), int32_t(month), int32_t(day)};
}

}  // namespace

// A NaN has no place on the calendar; it is taken as day 0 so that the
// conversions below always work on a number inside the range.
double ClampDateTime(double dateTime) {
    if (std::isnan(dateTime)) return 0.0;
    return std::clamp(dateTime, MinDateTime, MaxDateTime);
}

// Negative values count whole days back from day 0 while their fraction is
// still the time of day, so -1.25 is 1899-12-29 06:00.
DateTimeFields SplitDateTime(double dateTime) {
    double value = ClampDateTime(dateTime);
    value += value >= 0 ? HalfSecond : -HalfSecond;
    double wholeDays = std::trunc(value);
    double secondsOfDay = std::floor(std::fabs(value - wholeDays) * double(SecondsPerDay));
    const int64_t seconds = std::min(int64_t(secondsOfDay), SecondsPerDay - 1);  // [0, 86399]
    const int64_t unixDays = int64_t(wholeDays) + DateTimeEpochFromUnix;
    const CivilDate date = CivilFromDays(unixDays);

    DateTimeFields fields;
    fields.year = date.year;
    fields.month = date.month;
    fields.day = date.day;
    fields.hour = int32_t(seconds / 3600);
    fields.minute = int32_t(seconds / 60 % 60);
    fields.second = int32_t(seconds % 60);
    int64_t weekday = (unixDays + UnixEpochDayOfWeek - 1) % DaysPerWeek;
    if (weekday < 0) weekday += DaysPerWeek;
    fields.dayOfWeek = int32_t(weekday + 1);
    fields.dayOfYear = int32_t(unixDays - DaysFromCivil(date.year, 1, 1) + 1);
    return fields;
}

double ComposeDateTime(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                       int32_t second) {
    const int64_t days = DaysFromCivil(year, month, day) - DateTimeEpochFromUnix;
    const double timeOfDay =
        double(int64_t(hour) * 3600 + int64_t(minute) * 60 + second) / double(SecondsPerDay);
    return days < 0 ? double(days) - timeOfDay : double(days) + timeOfDay;
}

double NowDateTime() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return ComposeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                           local.tm_min, local.tm_sec);
}

}  // namespace runtime
