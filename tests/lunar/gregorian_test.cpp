#include <gtest/gtest.h>

#include "lunar/calendar.h"

namespace lunar {
namespace {

TEST(GregorianTest, LeapYearsFollowTheFourHundredYearRule) {
    struct Row {
        const char* name;
        uint16_t year;
        bool leap;
    } rows[] = {
        {"divisible by 4", 2024, true},
        {"not divisible by 4", 2023, false},
        {"century", 1900, false},
        {"fourth century", 2000, true},
        {"year 0 as a fourth century", 0, true},
        {"last 16-bit year", 65535, false},
    };
    for (const Row& row : rows) EXPECT_EQ(IsGregorianLeapYear(row.year), row.leap) << row.name;
}

TEST(GregorianTest, MonthLengths) {
    const uint16_t common[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (uint16_t month = 1; month <= 12; ++month) {
        EXPECT_EQ(GregorianMonthDays(2023, month), common[month - 1]) << month;
    }
    EXPECT_EQ(GregorianMonthDays(2024, 2), 29);
    EXPECT_EQ(GregorianMonthDays(1900, 2), 28);
    EXPECT_EQ(GregorianMonthDays(2024, 0), 0);
    EXPECT_EQ(GregorianMonthDays(2024, 13), 0);
}

TEST(GregorianTest, DaysBetweenKnownDates) {
    struct Row {
        const char* name;
        SolarDate a, b;
        int32_t days;
    } rows[] = {
        {"same day", {2014, 2, 4}, {2014, 2, 4}, 0},
        {"lunar range start", {1901, 2, 19}, {1901, 1, 1}, 49},
        {"negative difference", {1901, 1, 1}, {1901, 2, 19}, -49},
        {"across a leap day", {2024, 3, 1}, {2024, 2, 28}, 2},
        {"across a century without leap day", {1900, 3, 1}, {1900, 2, 28}, 1},
        {"DateTime epoch to 2000", {2000, 1, 1}, {1899, 12, 30}, 36526},
        {"February 30 counts on into March", {2023, 2, 30}, {2023, 3, 1}, 1},
        {"year 1 to year 0 is a leap year", {1, 1, 1}, {0, 1, 1}, 366},
        {"16-bit extremes", {65535, 12, 31}, {0, 1, 1}, 23936531},
    };
    for (const Row& row : rows) EXPECT_EQ(DaysBetween(row.a, row.b), row.days) << row.name;
}

TEST(GregorianTest, CompareDatesOrdersYearThenMonthThenDay) {
    EXPECT_EQ(CompareDates(2014, 1, 31, 2014, 1, 31), 0);
    EXPECT_EQ(CompareDates(2015, 1, 1, 2014, 12, 31), 1);
    EXPECT_EQ(CompareDates(2014, 2, 1, 2014, 1, 31), 1);
    EXPECT_EQ(CompareDates(2014, 1, 30, 2014, 1, 31), -1);
    EXPECT_EQ(CompareDates(0, 0, 0, 65535, 65535, 65535), -1);
}

TEST(GregorianTest, StepDay) {
    struct Row {
        const char* name;
        SolarDate from;
        bool forward;
        SolarDate to;
    } rows[] = {
        {"within a month", {2014, 2, 4}, true, {2014, 2, 5}},
        {"end of February, leap year", {2024, 2, 29}, true, {2024, 3, 1}},
        {"end of February, common year", {2023, 2, 28}, true, {2023, 3, 1}},
        {"end of year", {2023, 12, 31}, true, {2024, 1, 1}},
        {"back to end of previous month", {2024, 3, 1}, false, {2024, 2, 29}},
        {"back across the year", {2024, 1, 1}, false, {2023, 12, 31}},
        {"day past the month's end moves on", {2023, 2, 30}, true, {2023, 3, 1}},
        {"day past the month's end steps back by one", {2023, 2, 30}, false, {2023, 2, 29}},
        {"day 0 backwards", {2023, 3, 0}, false, {2023, 2, 28}},
        {"month 0 forwards", {2023, 0, 5}, true, {2023, 1, 1}},
        {"month 0 backwards", {2023, 0, 5}, false, {2023, 0, 4}},
        {"month 0 day 1 backwards", {2023, 0, 1}, false, {2022, 12, 31}},
        {"month 13 forwards", {2023, 13, 1}, true, {2024, 1, 1}},
        {"month 13 day 1 backwards", {2023, 13, 1}, false, {2023, 12, 31}},
        {"month 65535 forwards", {2023, 65535, 65535}, true, {2024, 1, 1}},
        {"last 16-bit year wraps to 0", {65535, 12, 31}, true, {0, 1, 1}},
        {"year 0 wraps back to 65535", {0, 1, 1}, false, {65535, 12, 31}},
    };
    for (const Row& row : rows) {
        SolarDate date = row.from;
        StepDay(date.year, date.month, date.day, row.forward);
        EXPECT_EQ(date, row.to) << row.name;
    }
}

TEST(GregorianTest, ShiftDaysRepeatsSteps) {
    struct Row {
        const char* name;
        SolarDate from;
        int32_t count;
        SolarDate to;
    } rows[] = {
        {"none", {2014, 2, 10}, 0, {2014, 2, 10}},
        {"back to a page's Monday", {2014, 2, 1}, -5, {2014, 1, 27}},
        {"a leap twin's distance", {2020, 4, 23}, 31, {2020, 5, 24}},
        {"a year forwards", {2023, 6, 15}, 366, {2024, 6, 15}},
        {"a year backwards", {2024, 6, 15}, -366, {2023, 6, 15}},
    };
    for (const Row& row : rows) {
        SolarDate date = row.from;
        ShiftDays(date.year, date.month, date.day, row.count);
        EXPECT_EQ(date, row.to) << row.name;
    }
}

TEST(GregorianTest, WeekdayOfKnownDates) {
    struct Row {
        const char* name;
        SolarDate date;
        uint16_t weekday;
    } rows[] = {
        {"2024 begins on a Monday", {2024, 1, 1}, 1},
        {"2023 ends on a Sunday", {2023, 12, 31}, 7},
        {"1901-01-01 was a Tuesday", {1901, 1, 1}, 2},
        {"1899-12-30 was a Saturday", {1899, 12, 30}, 6},
        {"2014-02-04 was a Tuesday", {2014, 2, 4}, 2},
        {"0001-01-01 was a Monday", {1, 1, 1}, 1},
        {"0000-12-31 was a Sunday", {0, 12, 31}, 7},
        {"9999-12-31 was a Friday", {9999, 12, 31}, 5},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(WeekdayOf(row.date.year, row.date.month, row.date.day), row.weekday) << row.name;
    }
}

}  // namespace
}  // namespace lunar
