// Exhaustive walks: every Gregorian day of years 1-9999 against the serial
// day number and the weekday, and every day of the lunar conversion range
// through the conversion and back, and as a month page steps through it.

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "lunar/calendar.h"
#include "lunar/month_page.h"
#include "runtime/datetime.h"
#include "tests/lunar/lunar_search.h"

namespace lunar {
namespace {

// The longest search the conversion range needs (for 1919-09-23, lunar
// 1919 闰七月三十); a change to the search that lengthens or shortens it shows
// here.
constexpr int LongestSearch = 56;

TEST(DayWalkTest, EveryDayAddsOneToTheSerialAndTheWeekday) {
    SolarDate date = {1, 1, 1};
    int32_t serial = DaysBetween(date, {1901, 1, 1});
    uint16_t weekday = WeekdayOf(date.year, date.month, date.day);
    while (date.year <= 9999) {
        SolarDate next = date;
        StepDay(next.year, next.month, next.day, true);
        ASSERT_EQ(DaysBetween(next, {1901, 1, 1}), serial + 1) << next.year << '-' << next.month;
        ASSERT_EQ(WeekdayOf(next.year, next.month, next.day), weekday % 7 + 1)
            << next.year << '-' << next.month << '-' << next.day;
        SolarDate back = next;
        StepDay(back.year, back.month, back.day, false);
        ASSERT_EQ(back, date);
        date = next;
        ++serial;
        weekday = weekday % 7 + 1;
    }
    EXPECT_EQ(date, (SolarDate{10000, 1, 1}));
}

// The runtime's DateTime splitting is an independent calendar: the two must
// agree on the weekday (the runtime counts 1 = Sunday).
TEST(DayWalkTest, WeekdayAgreesWithTheRuntimeCalendar) {
    for (SolarDate date = {1800, 1, 1}; date.year < 2200;
         StepDay(date.year, date.month, date.day, true)) {
        const runtime::DateTimeFields fields =
            runtime::SplitDateTime(runtime::ComposeDateTime(date.year, date.month, date.day));
        ASSERT_EQ(WeekdayOf(date.year, date.month, date.day) % 7 + 1, fields.dayOfWeek)
            << date.year << '-' << date.month << '-' << date.day;
    }
}

// Each day of the range converts to the lunar day after the previous one's,
// and the search finds the Gregorian day again within the bound.
TEST(DayWalkTest, ConversionRoundTripOverTheWholeRange) {
    LunarDate previous{};
    SolarDate date = FirstConvertibleDate;
    int longestSearch = 0;
    for (;;) {
        LunarDate lunar;
        ASSERT_TRUE(SolarToLunar(date.year, date.month, date.day, lunar)) << date.year;
        if (previous.year != 0) {
            const bool nextDayOfMonth =
                lunar.year == previous.year && lunar.month == previous.month &&
                lunar.isLeap == previous.isLeap && lunar.day == previous.day + 1;
            ASSERT_TRUE(nextDayOfMonth || lunar.day == 1) << date.year << '-' << date.month;
        }
        SolarDate back;
        const detail::SearchOutcome outcome =
            detail::SearchSolarDate(lunar.year, lunar.month, lunar.day, lunar.isLeap, back);
        ASSERT_TRUE(outcome.found) << date.year << '-' << date.month << '-' << date.day;
        ASSERT_EQ(back, date);
        longestSearch = std::max(longestSearch, outcome.iterations);
        if (date == LastConvertibleDate) break;
        previous = lunar;
        StepDay(date.year, date.month, date.day, true);
    }
    EXPECT_EQ(previous.year, 2048);
    EXPECT_EQ(longestSearch, LongestSearch);
}

// Counting the days that convert into each lunar month and year checks the
// table's month and year lengths against the conversion itself.
TEST(DayWalkTest, DaysPerLunarMonthAndYearMatchTheTable) {
    std::map<std::tuple<uint16_t, uint16_t, bool>, int> monthDays;
    std::map<uint16_t, int> yearDays;
    for (SolarDate date = FirstConvertibleDate; date.year < 2049;
         StepDay(date.year, date.month, date.day, true)) {
        LunarDate lunar;
        ASSERT_TRUE(SolarToLunar(date.year, date.month, date.day, lunar));
        ++monthDays[{lunar.year, lunar.month, lunar.isLeap}];
        ++yearDays[lunar.year];
    }
    for (const auto& [month, days] : monthDays) {
        const auto& [year, number, isLeap] = month;
        if (year == 2048 && number == 11) continue;  // the range ends inside it
        EXPECT_EQ(days, LunarMonthLength(year, number, isLeap)) << year << '/' << number;
    }
    for (uint16_t year = 1901; year <= 2047; ++year) {
        EXPECT_EQ(yearDays[year], LunarYearDays(year)) << year;
        EXPECT_GE(LunarYearDays(year), 353) << year;
        EXPECT_LE(LunarYearDays(year), 385) << year;
    }
}

TEST(NextLunarDay, WalksTheWholeConversionRangeAsTheConversionDoes) {
    SolarDate day = FirstConvertibleDate;
    LunarDate walked;
    ASSERT_TRUE(SolarToLunar(day.year, day.month, day.day, walked));
    int days = 0;
    while (!(day == LastConvertibleDate)) {
        StepDay(day.year, day.month, day.day, true);
        walked = NextLunarDay(walked);
        LunarDate converted;
        ASSERT_TRUE(SolarToLunar(day.year, day.month, day.day, converted));
        ASSERT_EQ(walked, converted) << day.year << "-" << day.month << "-" << day.day;
        ++days;
    }
    EXPECT_EQ(days, DaysBetween(LastConvertibleDate, FirstConvertibleDate));
}

TEST(NextLunarDay, EndsAtTheEndOfTheTable) {
    const uint16_t lastYear = 2049;
    const uint16_t lastLength = LunarMonthLength(lastYear, 12, false);
    ASSERT_GT(lastLength, 0);
    EXPECT_EQ(NextLunarDay({lastYear, 12, lastLength, false}), LunarDate{});
    EXPECT_EQ(NextLunarDay(LunarDate{}), LunarDate{});
    EXPECT_EQ(NextLunarDay({1900, 12, 30, false}), LunarDate{});
}

}  // namespace
}  // namespace lunar
