#include <gtest/gtest.h>

#include "lunar/calendar.h"
#include "runtime/gbk.h"
#include "test_support.h"

namespace lunar {
namespace {

using testing::At;
using testing::Utf8;

std::string FormatDay(uint16_t year, uint16_t month, uint16_t day, const char* utf8Template) {
    return Utf8(FormatLunarDay(year, month, day, runtime::Utf8ToGbk(utf8Template)));
}

TEST(FormatTest, DefaultTemplate) {
    struct Row {
        const char* name;
        SolarDate date;
        const char* text;
    } rows[] = {
        {"day of 立春 shows the new year", {2014, 2, 4}, "甲午年(马)正月初五 2014-2-4"},
        {"lunar new year before 立春", {2014, 1, 31}, "癸巳年(蛇)正月初一 2014-1-31"},
        {"leap month", {2020, 5, 23}, "庚子年(鼠)闰四月初一 2020-5-23"},
        {"twentieth day", {2014, 2, 19}, "甲午年(马)正月二十 2014-2-19"},
        {"range start", {1901, 2, 19}, "辛丑年(牛)正月初一 1901-2-19"},
        {"range end", {2048, 12, 31}, "戊辰年(龙)冬月廿七 2048-12-31"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatDay(row.date.year, row.date.month, row.date.day, "%Y年(%S)%M%D %y-%m-%d"),
                  row.text)
            << row.name;
    }
    EXPECT_EQ(Utf8(DefaultLunarFormatGbk()), "%Y年(%S)%M%D %y-%m-%d");
}

TEST(FormatTest, OtherTemplates) {
    struct Row {
        const char* name;
        const char* format;
        const char* text;
    } rows[] = {
        {"year selector item", "%Y(%S)-%y", "甲午(马)-2014"},
        {"sexagenary year only", "%Y", "甲午"},
        {"zodiac only", "%S", "马"},
        {"no placeholders", "农历", "农历"},
        {"empty", "", ""},
        {"repeated placeholders", "%d/%d", "4/4"},
        {"case-sensitive: %s and %M differ", "%s%M", "%s正月"},
        {"a lone percent sign", "100%", "100%"},
        {"percent before a placeholder", "%%d", "%4"},
    };
    for (const Row& row : rows) EXPECT_EQ(FormatDay(2014, 2, 4, row.format), row.text) << row.name;
}

TEST(FormatTest, FormatLunarDateUsesTheTimeOfDay) {
    const std::string format = runtime::Utf8ToGbk("%Y%M%D");
    const double startOfSpring = SolarTermMoment(2014, 3);
    EXPECT_EQ(Utf8(FormatLunarDate(startOfSpring - 1.0 / 86400, format)), "癸巳正月初五");
    EXPECT_EQ(Utf8(FormatLunarDate(startOfSpring, format)), "甲午正月初五");
}

// February 1901 pages show days before the conversion range: they get their
// lunar 1900 names but no sexagenary year. Later dates get no lunar parts.
TEST(FormatTest, DatesOutsideTheRange) {
    EXPECT_EQ(FormatDay(1901, 2, 18, "%Y年(%S)%M%D %y-%m-%d"), "年()腊月三十 1901-2-18");
    EXPECT_EQ(FormatDay(1901, 1, 1, "%M%D"), "冬月十一");
    EXPECT_EQ(FormatDay(1900, 12, 31, "[%Y%S%M%D] %y"), "[] 1900");
    EXPECT_EQ(FormatDay(2049, 6, 1, "[%Y%S%M%D] %y-%m-%d"), "[] 2049-6-1");
    EXPECT_EQ(Utf8(FormatLunarDate(1e300, runtime::Utf8ToGbk("%y-%m-%d"))), "9999-12-31");
}

}  // namespace
}  // namespace lunar
