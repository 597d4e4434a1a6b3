#include <array>
#include <vector>

#include "lunar/calendar.h"
#include "lunar/tables.h"

namespace lunar {
namespace {

// Day numbers 0-48 (1901-01-01 ... 1901-02-18) lie at the end of lunar 1900:
// days 11-29 of its month 11, then days 1-30 of its month 12.
constexpr uint16_t LunarYear1900 = 1900;
constexpr int32_t Month12Of1900Start = 19;
// No lunar month is shorter, so a run of this many days holds at most one
// month start.
constexpr int32_t ShortestMonthDays = 29;

// A lunar month of the table and the day number of its first day.
struct MonthStart {
    int32_t dayNumber;
    uint16_t year;
    uint16_t month;  // [1, 12]
    bool isLeap;
};

// Every month of the table years in calendar order (a leap month after its
// normal twin), closed by the day after lunar 2049; the first month of each
// year; and, for each run of 29 days from day number 49 on, the month that
// holds the run's first day. A day number then finds its month with one
// look-up and one comparison, and a lunar date its first day directly.
struct MonthTable {
    std::vector<MonthStart> months;  // the closing entry last
    std::array<uint16_t, LunarYearCount> firstOfYear{};
    std::vector<uint16_t> monthOfRun;
    int32_t lastConvertibleDayNumber = 0;
};

void AddYear(MonthTable& table, uint16_t lunarYear) {
    int32_t dayNumber = table.months.back().dayNumber;
    table.months.pop_back();  // the previous year's closing entry
    table.firstOfYear[size_t(lunarYear - FirstLunarYear)] = uint16_t(table.months.size());
    const uint16_t leapMonth = LeapMonthOf(lunarYear);
    for (uint16_t month = 1; month <= MonthsPerYear; ++month) {
        table.months.push_back({dayNumber, lunarYear, month, false});
        dayNumber += LunarMonthLength(lunarYear, month, false);
        if (month != leapMonth) continue;
        table.months.push_back({dayNumber, lunarYear, month, true});
        dayNumber += LunarMonthLength(lunarYear, month, true);
    }
    table.months.push_back({dayNumber, 0, 0, false});
}

MonthTable ComputeMonthTable() {
    MonthTable table;
    table.months.push_back({FirstConvertibleDayNumber, 0, 0, false});
    for (uint16_t year = FirstLunarYear; year <= LastLunarYear; ++year) AddYear(table, year);
    const int32_t end = table.months.back().dayNumber;
    uint16_t month = 0;
    for (int32_t runStart = FirstConvertibleDayNumber; runStart < end;
         runStart += ShortestMonthDays) {
        while (table.months[month + 1u].dayNumber <= runStart) ++month;
        table.monthOfRun.push_back(month);
    }
    table.lastConvertibleDayNumber = DayNumberOf(LastConvertibleDate);
    return table;
}

const MonthTable& Months() {
    static const MonthTable table = ComputeMonthTable();
    return table;
}

// The Gregorian date of a day number of 0 or more, counted in 400-year eras
// from 0000-03-01 so that a leap day ends its year (the civil-from-days
// method of the date library).
constexpr int32_t MarchFirstOfYearZero = 694266;  // days from 0000-03-01 to 1901-01-01
constexpr int32_t DaysPerEra = 146097;

SolarDate SolarDateOf(int32_t dayNumber) {
    const int32_t days = dayNumber + MarchFirstOfYearZero;
    const int32_t era = days / DaysPerEra;
    const int32_t dayOfEra = days - era * DaysPerEra;  // [0, 146096]
    const int32_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // [0, 399]
    const int32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int32_t monthFromMarch = (5 * dayOfYear + 2) / 153;            // [0, 11]
    const int32_t day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;  // [1, 31]
    const int32_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const int32_t year = era * 400 + yearOfEra + (month <= 2 ? 1 : 0);
    return {uint16_t(year), uint16_t(month), uint16_t(day), 0};
}

}  // namespace

std::optional<LunarDate> DayNumberToLunar(int32_t dayNumber) {
    if (dayNumber < 0) return std::nullopt;
    if (dayNumber < Month12Of1900Start)
        return LunarDate{LunarYear1900, 11, uint16_t(dayNumber + 11)};
    if (dayNumber < FirstConvertibleDayNumber)
        return LunarDate{LunarYear1900, 12, uint16_t(dayNumber - Month12Of1900Start + 1)};

    const MonthTable& table = Months();
    const size_t run = size_t(dayNumber - FirstConvertibleDayNumber) / ShortestMonthDays;
    if (run >= table.monthOfRun.size()) return std::nullopt;  // past lunar 2049
    size_t index = table.monthOfRun[run];
    if (dayNumber >= table.months[index + 1].dayNumber) ++index;
    if (index + 1 == table.months.size()) return std::nullopt;  // the closing entry
    const MonthStart& month = table.months[index];
    return LunarDate{month.year, month.month, uint16_t(dayNumber - month.dayNumber + 1),
                     month.isLeap};
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

// The month's first day from the table, plus the day.
bool LunarToSolar(uint16_t lunarYear, uint16_t month, uint16_t day, bool isLeap, SolarDate& solar) {
    if (lunarYear < FirstLunarYear || lunarYear > LastLunarYear || month < 1 || month > 12)
        return false;
    const uint16_t leapMonth = LeapMonthOf(lunarYear);
    isLeap = isLeap && leapMonth == month;
    const bool afterLeapMonth = leapMonth != 0 && (month > leapMonth || isLeap);
    const MonthTable& table = Months();
    const size_t index = table.firstOfYear[size_t(lunarYear - FirstLunarYear)] + (month - 1u) +
                         (afterLeapMonth ? 1u : 0u);
    const int32_t start = table.months[index].dayNumber;
    const int32_t length = table.months[index + 1].dayNumber - start;  // [29, 30]
    const int32_t dayNumber = start + day - 1;
    if (day < 1 || day > length || dayNumber > table.lastConvertibleDayNumber) return false;
    solar = SolarDateOf(dayNumber);
    return true;
}

}  // namespace lunar
