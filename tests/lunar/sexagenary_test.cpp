#include <gtest/gtest.h>

#include "lunar/calendar.h"
#include "lunar/tables.h"
#include "test_support.h"

namespace lunar {
namespace {

using testing::At;

constexpr double OneSecond = 1.0 / 86400.0;
// Cycle numbers used below: 甲子 1, 乙丑 2, 丙寅 3, 癸巳 30, 甲午 31.
constexpr int JiaZi = 1, YiChou = 2, BingYin = 3, GuiSi = 30, JiaWu = 31;

// The sexagenary year turns at the exact second of 立春, taken from the table.
TEST(SexagenaryTest, YearTurnsAtTheMomentOfStartOfSpring) {
    const double startOfSpring = SolarTermMoment(2014, 3);
    EXPECT_EQ(SexagenaryOf(startOfSpring - OneSecond).year, GuiSi);
    EXPECT_EQ(SexagenaryOf(startOfSpring).year, JiaWu);
    EXPECT_EQ(SexagenaryOf(startOfSpring - OneSecond).month, YiChou);
    EXPECT_EQ(SexagenaryOf(startOfSpring).month, BingYin);
}

TEST(SexagenaryTest, YearCycles) {
    struct Row {
        const char* name;
        double moment;
        int year;
    } rows[] = {
        {"lunar new year 2014 is still 癸巳", At(2014, 1, 31, 12), GuiSi},
        {"1924 is 甲子", At(1924, 2, 5, 12), JiaZi},
        {"1901 after 立春 is 辛丑", At(1901, 3, 1), 38},
        {"before 小寒 the year is the previous one", At(2014, 1, 1), GuiSi},
        {"the last day of the range is 戊辰", At(2048, 12, 31, 12), 5},
    };
    for (const Row& row : rows) EXPECT_EQ(SexagenaryOf(row.moment).year, row.year) << row.name;
}

TEST(SexagenaryTest, MonthCycles) {
    struct Row {
        const char* name;
        double moment;
        int month;
    } rows[] = {
        {"after 大雪 2013: 甲子 month", At(2013, 12, 20), 1},
        {"January 2014 before 小寒 stays in the 子 month", At(2014, 1, 2), 1},
        {"after 小寒 2014: 乙丑 month", At(2014, 1, 10), YiChou},
        {"after 惊蛰 2014: 丁卯 month", At(2014, 3, 10), 4},
        {"after 小暑 2014: 辛未 month", At(2014, 7, 10), 8},
        {"after 大雪 2014: 丙子 month", At(2014, 12, 10), 13},
    };
    for (const Row& row : rows) EXPECT_EQ(SexagenaryOf(row.moment).month, row.month) << row.name;
}

TEST(SexagenaryTest, DayCyclesTurnAtElevenInTheEvening) {
    struct Row {
        const char* name;
        double moment;
        int day;
    } rows[] = {
        {"sixty days after 1901-01-01 (己卯, 16)", At(1901, 3, 2), 16},
        {"2000-01-01 is 戊午", At(2000, 1, 1, 12), 55},
        {"22:59:59 is still the same day", At(2000, 1, 1, 22, 59, 59), 55},
        {"23:00 is the next day's", At(2000, 1, 1, 23), 56},
        {"the next day", At(2000, 1, 2, 1), 56},
        {"60 wraps to 1", At(2000, 1, 6, 23), 1},
    };
    for (const Row& row : rows) EXPECT_EQ(SexagenaryOf(row.moment).day, row.day) << row.name;
}

TEST(SexagenaryTest, HourCycles) {
    struct Row {
        const char* name;
        double moment;
        int hour;
    } rows[] = {
        {"戊 day, 子 hour: 壬子", At(2000, 1, 1, 0, 30), 49},
        {"戊 day, 丑 hour: 癸丑", At(2000, 1, 1, 1), 50},
        {"戊 day, 亥 hour: 癸亥", At(2000, 1, 1, 22), 60},
        {"23:00 is the 子 hour of the 己 day: 甲子", At(2000, 1, 1, 23), 1},
        {"甲 day, 子 hour: 甲子", At(2000, 1, 7, 0), 1},
    };
    for (const Row& row : rows) EXPECT_EQ(SexagenaryOf(row.moment).hour, row.hour) << row.name;
}

TEST(SexagenaryTest, OutsideTheConversionRangeEverythingIsZero) {
    EXPECT_EQ(SexagenaryOf(At(1901, 2, 18, 12)), SexagenaryCycles{});
    EXPECT_EQ(SexagenaryOf(At(2049, 1, 1)), SexagenaryCycles{});
    EXPECT_EQ(SexagenaryOf(At(100, 1, 1)), SexagenaryCycles{});
    EXPECT_EQ(SexagenaryOf(1e300), SexagenaryCycles{});
}

TEST(SexagenaryTest, CycleNumbersSplitIntoStemAndBranch) {
    EXPECT_EQ(CycleToStemBranch(1), (StemBranch{1, 1}));
    EXPECT_EQ(CycleToStemBranch(31), (StemBranch{1, 7}));
    EXPECT_EQ(CycleToStemBranch(60), (StemBranch{10, 12}));
    EXPECT_EQ(CycleToStemBranch(0), StemBranch{});
    EXPECT_EQ(CycleToStemBranch(61), StemBranch{});
    EXPECT_EQ(CycleToStemBranch(-1), StemBranch{});
    for (int cycle = 1; cycle <= 60; ++cycle) {
        const StemBranch parts = CycleToStemBranch(cycle);
        EXPECT_EQ(StemBranchToCycle(parts.stem, parts.branch), cycle);
    }
    EXPECT_EQ(StemBranchToCycle(1, 2), 0);  // 甲丑: stem and branch differ in parity
    EXPECT_EQ(StemBranchToCycle(0, 1), 0);
    EXPECT_EQ(StemBranchToCycle(11, 1), 0);
}

// The month of branch 寅 in row r has stem 2r + 3, the 子 hour stem 2r + 1,
// and both advance by one per branch (months counted from 寅).
TEST(SexagenaryTest, StemTablesFollowTheirRules) {
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(MonthStemTable[row][0], 0);
        EXPECT_EQ(HourStemTable[row][0], 0);
        for (int branch = 1; branch <= 12; ++branch) {
            const int monthsAfterTiger = (branch - 3 + 12) % 12;
            EXPECT_EQ(MonthStemTable[row][branch], (2 * row + 2 + monthsAfterTiger) % 10 + 1);
            EXPECT_EQ(HourStemTable[row][branch], (2 * row + branch - 1) % 10 + 1);
        }
    }
}

}  // namespace
}  // namespace lunar
