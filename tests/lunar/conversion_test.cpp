#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "lunar/calendar.h"
#include "lunar/tables.h"
#include "tests/lunar/lunar_search.h"

namespace lunar {
namespace {

TEST(ConversionTest, SolarToLunarKnownDates) {
    struct Row {
        const char* name;
        SolarDate solar;
        LunarDate lunar;
    } rows[] = {
        {"range start", {1901, 2, 19}, {1901, 1, 1, false}},
        {"range end", {2048, 12, 31}, {2048, 11, 27, false}},
        {"2020 leap fourth month", {2020, 5, 23}, {2020, 4, 1, true}},
        {"2020 normal fourth month", {2020, 4, 23}, {2020, 4, 1, false}},
        {"2023 leap second month", {2023, 3, 22}, {2023, 2, 1, true}},
        {"2033 leap eleventh month", {2033, 12, 22}, {2033, 11, 1, true}},
        {"2014 new year", {2014, 1, 31}, {2014, 1, 1, false}},
        {"2014 立春", {2014, 2, 4}, {2014, 1, 5, false}},
        {"day before a new year", {2014, 1, 30}, {2013, 12, 30, false}},
        {"February 30 converts as March 2", {2023, 2, 30}, {2023, 2, 11, false}},
    };
    for (const Row& row : rows) {
        LunarDate lunar;
        ASSERT_TRUE(SolarToLunar(row.solar.year, row.solar.month, row.solar.day, lunar))
            << row.name;
        EXPECT_EQ(lunar, row.lunar) << row.name;
    }
}

TEST(ConversionTest, SolarToLunarOutsideTheRangeFailsAndKeepsTheResult) {
    struct Row {
        const char* name;
        SolarDate solar;
    } rows[] = {
        {"day before the range", {1901, 2, 18}},
        {"first day of 2049", {2049, 1, 1}},
        {"month 0", {2014, 0, 1}},
        {"month 13", {2014, 13, 1}},
        {"year 0", {0, 6, 1}},
        {"last 16-bit date", {65535, 12, 31}},
        {"day number past the table", {2048, 12, 65535}},
    };
    for (const Row& row : rows) {
        LunarDate lunar = {1234, 5, 6, true};
        EXPECT_FALSE(SolarToLunar(row.solar.year, row.solar.month, row.solar.day, lunar))
            << row.name;
        EXPECT_EQ(lunar, (LunarDate{1234, 5, 6, true})) << row.name;
    }
}

TEST(ConversionTest, DayNumbersBeforeTheRangeBelongToLunar1900) {
    EXPECT_EQ(DayNumberToLunar(0), (LunarDate{1900, 11, 11, false}));
    EXPECT_EQ(DayNumberToLunar(18), (LunarDate{1900, 11, 29, false}));
    EXPECT_EQ(DayNumberToLunar(19), (LunarDate{1900, 12, 1, false}));
    EXPECT_EQ(DayNumberToLunar(48), (LunarDate{1900, 12, 30, false}));
    EXPECT_EQ(DayNumberToLunar(49), (LunarDate{1901, 1, 1, false}));
    EXPECT_EQ(DayNumberToLunar(-1), std::nullopt);
    EXPECT_EQ(DayNumberToLunar(INT32_MAX), std::nullopt);
}

TEST(ConversionTest, DayNumberToLunarCoversLunar2049) {
    const int32_t lastDay = DayNumberOf({2050, 1, 22});
    ASSERT_TRUE(DayNumberToLunar(lastDay).has_value());
    EXPECT_EQ(DayNumberToLunar(lastDay)->year, 2049);
    EXPECT_EQ(DayNumberToLunar(lastDay)->month, 12);
    EXPECT_EQ(DayNumberToLunar(lastDay + 1), std::nullopt);
}

// Every day number of the table, against the table walked month by month in
// calendar order (a leap month after its normal twin).
TEST(ConversionTest, DayNumberToLunarFollowsTheTableDayByDay) {
    int32_t dayNumber = FirstConvertibleDayNumber;
    for (uint16_t year = FirstLunarYear; year <= LastLunarYear; ++year) {
        for (uint16_t month = 1; month <= 12; ++month) {
            for (bool isLeap : {false, true}) {
                for (uint16_t day = 1; day <= LunarMonthLength(year, month, isLeap); ++day) {
                    ASSERT_EQ(DayNumberToLunar(dayNumber++), (LunarDate{year, month, day, isLeap}))
                        << dayNumber;
                }
            }
        }
    }
    EXPECT_EQ(DayNumberToLunar(dayNumber), std::nullopt);
}

// LunarToSolar reads the month's first day from a table; the search it
// replaced walks Gregorian days. Both must answer alike for every table year
// and one more on each side, months 0-13, days 0-31 and the largest day, and
// both leap flags (no day above 30 exists, so neither can find one). Where
// they fail, the out-field is left alone.
TEST(ConversionTest, LunarToSolarAgreesWithTheSearchEverywhere) {
    constexpr SolarDate untouched = {1, 2, 3};
    std::vector<uint16_t> days(32);
    std::iota(days.begin(), days.end(), 0);
    days.push_back(UINT16_MAX);
    for (uint16_t year = FirstLunarYear - 1; year <= LastLunarYear + 1; ++year) {
        for (uint16_t month = 0; month <= 13; ++month) {
            for (uint16_t day : days) {
                for (bool isLeap : {false, true}) {
                    SolarDate direct = untouched, searched;
                    const bool found = LunarToSolar(year, month, day, isLeap, direct);
                    const auto search = detail::SearchSolarDate(year, month, day, isLeap, searched);
                    ASSERT_EQ(found, search.found) << year << '/' << month << '/' << day << isLeap;
                    ASSERT_EQ(direct, found ? searched : untouched) << year << '/' << month;
                }
            }
        }
    }
}

TEST(ConversionTest, LunarToSolarKnownDates) {
    struct Row {
        const char* name;
        LunarDate lunar;
        SolarDate solar;
    } rows[] = {
        {"leap fourth month of 2020", {2020, 4, 1, true}, {2020, 5, 23}},
        {"normal fourth month of 2020", {2020, 4, 1, false}, {2020, 4, 23}},
        {"leap flag cleared: 2021 has no leap month", {2021, 4, 1, true}, {2021, 5, 12}},
        {"leap flag cleared: wrong month", {2020, 5, 1, true}, {2020, 6, 21}},
        {"first lunar day", {1901, 1, 1, false}, {1901, 2, 19}},
        {"last convertible lunar day", {2048, 11, 27, false}, {2048, 12, 31}},
        {"leap eleventh month of 2033", {2033, 11, 1, true}, {2033, 12, 22}},
        {"2014 new year", {2014, 1, 1, false}, {2014, 1, 31}},
    };
    for (const Row& row : rows) {
        SolarDate solar;
        ASSERT_TRUE(
            LunarToSolar(row.lunar.year, row.lunar.month, row.lunar.day, row.lunar.isLeap, solar))
            << row.name;
        EXPECT_EQ(solar, row.solar) << row.name;
    }
}

TEST(ConversionTest, LunarToSolarFailsForDatesThatDoNotExist) {
    struct Row {
        const char* name;
        LunarDate lunar;
    } rows[] = {
        {"day 30 of a 29-day month", {2020, 1, 30, false}},
        {"day 30 of a 29-day leap month", {2020, 4, 30, true}},
        {"day after the range", {2048, 11, 28, false}},
        {"lunar 2049", {2049, 1, 1, false}},
        {"year before the table", {1900, 12, 1, false}},
        {"year after the table", {2050, 1, 1, false}},
        {"month 0", {2014, 0, 1, false}},
        {"month 13", {2014, 13, 1, false}},
        {"day 0", {2014, 1, 0, false}},
        {"day 65535", {2014, 1, 65535, false}},
    };
    for (const Row& row : rows) {
        SolarDate solar;
        EXPECT_FALSE(
            LunarToSolar(row.lunar.year, row.lunar.month, row.lunar.day, row.lunar.isLeap, solar))
            << row.name;
    }
}

TEST(ConversionTest, FailedSearchesStopAfterOneHundredIterations) {
    SolarDate solar;
    EXPECT_EQ(detail::SearchSolarDate(2020, 1, 30, false, solar).iterations,
              detail::MaxSearchIterations);
    EXPECT_EQ(detail::SearchSolarDate(2014, 13, 1, false, solar).iterations, 0);
}

TEST(ConversionTest, RangeChecksLeaveTheResultUnchanged) {
    SolarDate solar = {1, 2, 3};
    EXPECT_FALSE(LunarToSolar(2050, 1, 1, false, solar));
    EXPECT_EQ(solar, (SolarDate{1, 2, 3}));
}

}  // namespace
}  // namespace lunar
