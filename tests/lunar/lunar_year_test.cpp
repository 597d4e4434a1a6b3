#include <gtest/gtest.h>

#include "lunar/calendar.h"
#include "lunar/tables.h"

namespace lunar {
namespace {

TEST(LunarYearTest, QuotedYearLengthsAndLeapMonths) {
    EXPECT_EQ(LunarYearDays(1901), 354);
    EXPECT_EQ(LunarYearDays(2014), 384);
    EXPECT_EQ(LeapMonthOf(2033), 11);
    EXPECT_EQ(LeapMonthOf(2020), 4);
    EXPECT_EQ(LeapMonthOf(2021), 0);
    EXPECT_EQ(LeapMonthOf(1900), NoLeapMonthInfo);
    EXPECT_EQ(LeapMonthOf(2050), NoLeapMonthInfo);
}

TEST(LunarYearTest, MonthDaysPackTheLeapTwinIntoTheHighHalf) {
    // 2020 (mask 74A8, leap month 4): months 1-4 take bits 15-12 (0111),
    // the leap fourth month bit 11 (0), month 5 bit 10 (1).
    EXPECT_EQ(LunarMonthDays(2020, 1), 29u);
    EXPECT_EQ(LunarMonthDays(2020, 2), 30u);
    EXPECT_EQ(LunarMonthDays(2020, 4), 30u | (29u << 16));
    EXPECT_EQ(LunarMonthDays(2020, 5), 30u);
    EXPECT_EQ(LunarMonthLength(2020, 4, true), 29);
    EXPECT_EQ(LunarMonthLength(2020, 4, false), 30);
    EXPECT_EQ(LunarMonthLength(2020, 5, true), 0);
    // 2033 (mask 4AE8, leap month 11): the leap eleventh month takes bit 4.
    EXPECT_EQ(LunarMonthLength(2033, 11, true), 29);
    EXPECT_EQ(LunarMonthLength(2033, 12, false), 30);
}

// A year without a leap month uses mask bits 15-4, a year with one bits
// 15-3; lower bits must be clear, and only the leap month has a twin.
TEST(LunarYearTest, EveryYearUsesOnlyItsMonthsBits) {
    for (uint16_t year = FirstLunarYear; year <= LastLunarYear; ++year) {
        const uint16_t mask = LunarYearTable.monthMasks[year - FirstLunarYear];
        const uint16_t leapMonth = LeapMonthOf(year);
        ASSERT_LE(leapMonth, 12) << year;
        const uint16_t unused = leapMonth == 0 ? 0x000F : 0x0007;
        EXPECT_EQ(mask & unused, 0) << year;
        for (uint16_t month = 1; month <= 12; ++month) {
            EXPECT_EQ(LunarMonthLength(year, month, true) != 0, month == leapMonth) << year;
        }
    }
}

// The lunar new year falls between January 21 and February 20.
TEST(LunarYearTest, EveryNewYearFallsInItsSeason) {
    for (uint16_t year = FirstLunarYear; year <= 2048; ++year) {
        SolarDate newYear;
        ASSERT_TRUE(LunarToSolar(year, 1, 1, false, newYear)) << year;
        EXPECT_EQ(newYear.year, year);
        const bool inSeason =
            (newYear.month == 1 && newYear.day >= 21) || (newYear.month == 2 && newYear.day <= 20);
        EXPECT_TRUE(inSeason) << year << '-' << newYear.month << '-' << newYear.day;
    }
}

}  // namespace
}  // namespace lunar
