// Every operation accepts any 16-bit year, month and day (and any cycle or
// term number): out-of-range input gives the neutral answer, and the
// sanitizer build checks that nothing reads outside a table on the way.

#include <gtest/gtest.h>

#include <climits>

#include "lunar/calendar.h"
#include "runtime/datetime.h"

namespace lunar {
namespace {

const uint16_t Years[] = {0, 1, 1879, 1880, 1900, 1901, 2048, 2049, 2050, 2079, 2080, 65535};
const uint16_t Months[] = {0, 1, 2, 11, 12, 13, 65535};
const uint16_t Days[] = {0, 1, 28, 29, 30, 31, 32, 65535};

bool IsRealDate(uint16_t year, uint16_t month, uint16_t day) {
    return day >= 1 && day <= GregorianMonthDays(year, month);
}

TEST(OutOfRangeTest, GregorianOperationsStayInRange) {
    for (uint16_t year : Years) {
        for (uint16_t month : Months) {
            const uint16_t length = GregorianMonthDays(year, month);
            EXPECT_EQ(length == 0, month < 1 || month > 12);
            for (uint16_t day : Days) {
                const uint16_t weekday = WeekdayOf(year, month, day);
                EXPECT_GE(weekday, 1);
                EXPECT_LE(weekday, 7);
                SolarDate forward = {year, month, day};
                StepDay(forward.year, forward.month, forward.day, true);
                EXPECT_GE(forward.month, 1);
                EXPECT_LE(forward.month, 12);
                // Backwards only the first day (or day 0) leaves the month.
                SolarDate backward = {year, month, day};
                StepDay(backward.year, backward.month, backward.day, false);
                if (day <= 1) {
                    EXPECT_TRUE(IsRealDate(backward.year, backward.month, backward.day));
                } else {
                    EXPECT_EQ(backward, (SolarDate{year, month, uint16_t(day - 1)}));
                }
            }
        }
    }
}

TEST(OutOfRangeTest, ShiftDaysWrapsTheYearLikeStepDay) {
    SolarDate date = {65535, 12, 30};
    ShiftDays(date.year, date.month, date.day, 3);
    EXPECT_EQ(date, (SolarDate{0, 1, 2}));
    ShiftDays(date.year, date.month, date.day, -3);
    EXPECT_EQ(date, (SolarDate{65535, 12, 30}));
}

TEST(OutOfRangeTest, LunarTableLookUpsForEveryYear) {
    for (uint32_t year = 0; year <= 0xFFFF; ++year) {
        const bool inTable = year >= 1901 && year <= 2049;
        const uint16_t leapMonth = LeapMonthOf(uint16_t(year));
        ASSERT_EQ(leapMonth == NoLeapMonthInfo, !inTable) << year;
        ASSERT_EQ(LunarYearDays(uint16_t(year)) == 0, !inTable) << year;
        for (uint16_t month : Months) {
            const bool valid = inTable && month >= 1 && month <= 12;
            ASSERT_EQ(LunarMonthDays(uint16_t(year), month) == 0, !valid) << year;
            ASSERT_EQ(LunarMonthLength(uint16_t(year), month, true) != 0,
                      valid && month == leapMonth);
        }
    }
}

TEST(OutOfRangeTest, ConversionsFailSoundly) {
    for (uint16_t year : Years) {
        for (uint16_t month : Months) {
            for (uint16_t day : Days) {
                LunarDate lunar = {7, 7, 7, true};
                if (!SolarToLunar(year, month, day, lunar)) {
                    EXPECT_EQ(lunar, (LunarDate{7, 7, 7, true}));
                } else {
                    EXPECT_GE(lunar.year, 1901);
                    EXPECT_LE(lunar.year, 2049);
                }
                for (bool isLeap : {false, true}) {
                    SolarDate solar;
                    const bool found = LunarToSolar(year, month, day, isLeap, solar);
                    if (found) {
                        EXPECT_TRUE(SolarToLunar(solar.year, solar.month, solar.day, lunar));
                        EXPECT_EQ(lunar.day, day);
                    }
                }
            }
        }
    }
    EXPECT_EQ(DayNumberToLunar(INT32_MIN), std::nullopt);
}

TEST(OutOfRangeTest, TermLookUpsAnswerZeroOrTheFirstDateTime) {
    for (uint16_t year : Years) {
        const bool inTable = year >= 1880 && year <= 2079;
        for (uint16_t term :
             {uint16_t(0), uint16_t(1), uint16_t(24), uint16_t(25), uint16_t(65535)}) {
            const bool valid = inTable && term >= 1 && term <= 24;
            EXPECT_EQ(SolarTermMoment(year, term) == runtime::MinDateTime, !valid) << year;
        }
        for (uint16_t month : Months) {
            for (uint16_t day : Days) {
                if (!inTable || month > 12 || month == 0) {
                    EXPECT_EQ(SolarTermOn(year, month, day), 0);
                }
            }
        }
    }
}

// Outside 1901-01-01 ... 2048-12-31 a day has no lunar parts at all. Numbers
// past a month's end count on into later months (1900-13-01 is 1901-01-01).
TEST(OutOfRangeTest, FormattingAnyDateKeepsOnlyWhatExists) {
    const std::string format = "%Y%S%M%D";
    for (uint16_t year : Years) {
        for (uint16_t month : Months) {
            for (uint16_t day : Days) {
                const std::string text = FormatLunarDay(year, month, day, format);
                const int shownYear =
                    runtime::SplitDateTime(runtime::ComposeDateTime(year, month, day)).year;
                if (shownYear < 1901 || shownYear > 2048) {
                    EXPECT_EQ(text, "") << year << '-' << month << '-' << day;
                }
            }
        }
    }
}

TEST(OutOfRangeTest, NamesAndCyclesOfAnyNumber) {
    for (int number : {INT_MIN, -1, 0, 61, 65535, INT_MAX}) {
        EXPECT_EQ(CycleToStemBranch(number), StemBranch{});
        EXPECT_EQ(StemBranchText(number, number), "");
        EXPECT_EQ(ZodiacName(number), "");
        EXPECT_EQ(StemBranchToCycle(number, 1), 0);
    }
    for (double moment : {-1e300, -657435.0, 0.0, 2958466.0, 1e300}) {
        EXPECT_EQ(SexagenaryOf(moment), SexagenaryCycles{});
    }
}

}  // namespace
}  // namespace lunar
