#pragma once
// The constant tables of the lunar calendar: month lengths and leap months of
// the lunar years 1901-2049, the solar-term moments of the Gregorian years
// 1880-2079, the stem tables of the sexagenary months and double-hours, and
// the name tables (UTF-8 here; names.cpp hands them out in GBK).

#include <array>
#include <cstdint>
#include <string_view>

#include "lunar/calendar.h"

namespace lunar {

inline constexpr uint16_t FirstLunarYear = 1901;
inline constexpr uint16_t LastLunarYear = 2049;
inline constexpr int LunarYearCount = LastLunarYear - FirstLunarYear + 1;  // 149

// For each lunar year a 16-bit month mask and a 4-bit leap month, two leap
// months to a byte (the earlier year in the high nibble). The months in
// calendar order 1, ..., L, leap L, L + 1, ..., 12 take the mask bits from
// bit 15 downwards: 1 = 30 days, 0 = 29 days.
struct LunarYearTableData {
    std::array<uint16_t, LunarYearCount> monthMasks;
    std::array<uint8_t, (LunarYearCount + 1) / 2> leapMonthNibbles;
};
extern const LunarYearTableData LunarYearTable;

inline constexpr uint16_t FirstTermYear = 1880;
inline constexpr uint16_t LastTermYear = 2079;
inline constexpr int TermsPerYear = SolarTermsPerYear;

// The moment a solar term begins, China Standard Time.
struct SolarTermRecord {
    uint8_t month, day, hour, minute, second;
};
// Index (year - 1880) * 24 + (term - 1); increasing within each year.
extern const std::array<SolarTermRecord, (LastTermYear - FirstTermYear + 1) * TermsPerYear>
    SolarTermTable;

// The record of term 1-24 of a year 1880-2079; callers check the range.
inline const SolarTermRecord& SolarTermRecordOf(uint16_t year, uint16_t term) {
    return SolarTermTable[size_t(year - FirstTermYear) * TermsPerYear + (term - 1)];
}

// Rows by the stem pairs 甲己, 乙庚, 丙辛, 丁壬, 戊癸; columns by branch 1-12
// (column 0 unused). MonthStemTable gives the stem of the month with that
// branch, HourStemTable the stem of the double-hour with that branch.
using StemTable = std::array<std::array<int, 13>, 5>;
extern const StemTable MonthStemTable;
extern const StemTable HourStemTable;

// Name tables: characters in order, one name per entry where names differ in
// length.
inline constexpr std::string_view HeavenlyStems = "甲乙丙丁戊己庚辛壬癸";
inline constexpr std::string_view EarthlyBranches = "子丑寅卯辰巳午未申酉戌亥";
inline constexpr std::string_view ZodiacAnimals = "鼠牛虎兔龙蛇马羊猴鸡狗猪";
inline constexpr std::string_view MonthNumerals = "正二三四五六七八九十";
inline constexpr std::string_view MonthSuffix = "月";
inline constexpr std::string_view EleventhMonth = "冬月";
inline constexpr std::string_view TwelfthMonth = "腊月";
inline constexpr std::string_view LeapPrefix = "闰";
inline constexpr std::string_view DayPrefixes = "初十廿三";
inline constexpr std::string_view DayDigits = "一二三四五六七八九十";
inline constexpr std::string_view TwentiethDay = "二十";
inline constexpr std::array<std::string_view, 7> WeekdayNames = {
    "星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日"};
inline constexpr std::array<std::string_view, TermsPerYear> SolarTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

}  // namespace lunar
