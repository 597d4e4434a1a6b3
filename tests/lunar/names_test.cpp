#include <gtest/gtest.h>

#include "lunar/calendar.h"
#include "test_support.h"

namespace lunar {
namespace {

using testing::Utf8;

TEST(NamesTest, TextsAreGbkBytes) {
    EXPECT_EQ(StemBranchText(1, 7), "\xBC\xD7\xCE\xE7");      // 甲午
    EXPECT_EQ(LunarMonthName(1, false), "\xD5\xFD\xD4\xC2");  // 正月
}

TEST(NamesTest, EveryLunarDayName) {
    const char* expected[] = {
        "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
        "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
        "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十",
    };
    for (uint16_t day = 1; day <= 30; ++day) {
        EXPECT_EQ(Utf8(LunarDayName(day)), expected[day - 1]) << day;
    }
    EXPECT_EQ(LunarDayName(0), "");
    EXPECT_EQ(LunarDayName(31), "");
    EXPECT_EQ(LunarDayName(65535), "");
}

TEST(NamesTest, LunarMonthNames) {
    struct Row {
        uint16_t month;
        bool isLeap;
        const char* name;
    } rows[] = {
        {1, false, "正月"},     {2, false, "二月"},   {10, false, "十月"}, {4, true, "闰四月"},
        {11, false, "冬月"},    {11, true, "闰冬月"}, {12, false, "腊月"}, {13, false, "腊月"},
        {65535, false, "腊月"}, {0, false, ""},       {0, true, ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Utf8(LunarMonthName(row.month, row.isLeap)), row.name) << row.month;
    }
}

TEST(NamesTest, SolarTermNames) {
    EXPECT_EQ(Utf8(SolarTermName(1)), "小寒");
    EXPECT_EQ(Utf8(SolarTermName(3)), "立春");
    EXPECT_EQ(Utf8(SolarTermName(24)), "冬至");
    EXPECT_EQ(SolarTermName(0), "");
    EXPECT_EQ(SolarTermName(25), "");
}

TEST(NamesTest, StemBranchTextLeavesOutPartsOutOfRange) {
    EXPECT_EQ(Utf8(StemBranchText(1, 1)), "甲子");
    EXPECT_EQ(Utf8(StemBranchText(10, 12)), "癸亥");
    EXPECT_EQ(Utf8(StemBranchText(0, 12)), "亥");
    EXPECT_EQ(Utf8(StemBranchText(10, 13)), "癸");
    EXPECT_EQ(StemBranchText(0, 0), "");
    EXPECT_EQ(StemBranchText(-5, 99), "");
}

TEST(NamesTest, ZodiacAnimalsByBranch) {
    const char* animals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                             "马", "羊", "猴", "鸡", "狗", "猪"};
    for (int branch = 1; branch <= 12; ++branch) {
        EXPECT_EQ(Utf8(ZodiacName(branch)), animals[branch - 1]) << branch;
    }
    EXPECT_EQ(ZodiacName(0), "");
    EXPECT_EQ(ZodiacName(13), "");
}

TEST(NamesTest, WeekdayNames) {
    EXPECT_EQ(Utf8(WeekdayName(1)), "星期一");
    EXPECT_EQ(Utf8(WeekdayName(7)), "星期日");
    EXPECT_EQ(WeekdayName(0), "");
    EXPECT_EQ(WeekdayName(8), "");
}

}  // namespace
}  // namespace lunar
