#pragma once
// The Chinese lunar calendar as pure computation: no windows, no state.
//
//   Gregorian (y, m, d) ─► serial day number (days since 1901-01-01)
//        ─► lunar year table ─► LunarDate (year, month, day, leap)
//   lunar date ─► month table (first day number) ─► SolarDate
//   DateTime ─► solar-term table ─► sexagenary year, month, day and hour
//   dates and cycles ─► name tables ─► GBK texts and formatted dates
//
// Years, months and days travel as unsigned 16-bit values, and every
// operation accepts any such value: out-of-range input gives a neutral
// result (false, 0, 0xFFFF or the empty text), never undefined behaviour.
// Texts are GBK bytes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lunar {

struct SolarDate {
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t day = 0;
    uint8_t marker = 0;  // compared along with the date by the day grid
    friend bool operator==(const SolarDate&, const SolarDate&) = default;
};

struct LunarDate {
    uint16_t year = 0;    // numbered by the Gregorian year in which it begins
    uint16_t month = 0;   // 1-12
    uint16_t day = 0;     // 1-30
    bool isLeap = false;  // the day lies in the leap month that follows `month`
    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// Sexagenary cycle numbers, 1 = 甲子 ... 60 = 癸亥, 0 = none.
struct SexagenaryCycles {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    friend bool operator==(const SexagenaryCycles&, const SexagenaryCycles&) = default;
};

// Heavenly stem 1-10 (甲 ... 癸) and earthly branch 1-12 (子 ... 亥); 0 = none.
struct StemBranch {
    int stem = 0;
    int branch = 0;
    friend bool operator==(const StemBranch&, const StemBranch&) = default;
};

// The Gregorian dates that convert to lunar dates, and the day number of the
// first (lunar 1901, month 1, day 1).
inline constexpr SolarDate FirstConvertibleDate = {1901, 2, 19, 0};
inline constexpr SolarDate LastConvertibleDate = {2048, 12, 31, 0};
inline constexpr int32_t FirstConvertibleDayNumber = 49;

// Calendar counts.
inline constexpr uint16_t MonthsPerYear = 12;
inline constexpr uint16_t DaysPerWeek = 7;
inline constexpr uint16_t LongestGregorianMonth = 31;
inline constexpr uint16_t LongestLunarMonth = 30;
inline constexpr uint16_t SolarTermsPerYear = 24;

// Gregorian calendar (proleptic).
bool IsGregorianLeapYear(uint16_t year);
// 28-31; 0 for a month outside 1-12.
uint16_t GregorianMonthDays(uint16_t year, uint16_t month);
// a - b in days. The day is not checked against the month (February 30 is
// March 1 or 2); a month outside 1-12 counts no days before it.
int32_t DaysBetween(const SolarDate& a, const SolarDate& b);
// Days since 1901-01-01 (day 0), the serial number all conversions use.
int32_t DayNumberOf(const SolarDate& date);
// 1, 0 or -1, comparing year, then month, then day.
int CompareDates(uint16_t year1, uint16_t month1, uint16_t day1, uint16_t year2, uint16_t month2,
                 uint16_t day2);
// One day forwards or backwards; the year wraps within 16 bits.
void StepDay(uint16_t& year, uint16_t& month, uint16_t& day, bool forward);
// |count| steps of StepDay, forwards when count > 0.
void ShiftDays(uint16_t& year, uint16_t& month, uint16_t& day, int32_t count);
// 1 = Monday ... 7 = Sunday.
uint16_t WeekdayOf(uint16_t year, uint16_t month, uint16_t day);

// Lunar year table, lunar years 1901-2049.
inline constexpr uint16_t NoLeapMonthInfo = 0xFFFF;
// 0-12 (0 = no leap month); NoLeapMonthInfo outside 1901-2049.
uint16_t LeapMonthOf(uint16_t lunarYear);
// Normal length in the low 16 bits, the leap twin's length (0 if none) in the
// high 16 bits; 0 out of range.
uint32_t LunarMonthDays(uint16_t lunarYear, uint16_t month);
uint16_t LunarMonthLength(uint16_t lunarYear, uint16_t month, bool isLeap);
// 353-385; 0 outside 1901-2049.
uint16_t LunarYearDays(uint16_t lunarYear);

// Conversions. Gregorian 1901-02-19 ... 2048-12-31 convert to lunar dates;
// day numbers 0-48 (1901-01-01 ... 1901-02-18) give the end of lunar 1900.
std::optional<LunarDate> DayNumberToLunar(int32_t dayNumber);
// False, leaving `lunar` unchanged, outside the conversion range.
bool SolarToLunar(uint16_t year, uint16_t month, uint16_t day, LunarDate& lunar);
// False when the lunar date does not exist in the conversion range; `solar`
// then holds no meaningful date.
bool LunarToSolar(uint16_t lunarYear, uint16_t month, uint16_t day, bool isLeap, SolarDate& solar);

// Solar terms, Gregorian years 1880-2079.
// The number 1-24 of the term that begins on that day, else 0.
uint16_t SolarTermOn(uint16_t year, uint16_t month, uint16_t day);
// The DateTime at which term 1-24 of the year begins (China Standard Time);
// 0100-01-01 00:00:00 out of range.
double SolarTermMoment(uint16_t year, uint16_t term);

// Sexagenary cycle. All four numbers are 0 outside 1901-02-19 ... 2048-12-31.
SexagenaryCycles SexagenaryOf(double dateTime);
StemBranch CycleToStemBranch(int cycle);
// 1-60, or 0 when no cycle number has that stem and branch.
int StemBranchToCycle(int stem, int branch);

// Names, GBK; the empty text out of range.
std::string LunarMonthName(uint16_t month, bool isLeap);
std::string LunarDayName(uint16_t day);
std::string SolarTermName(uint16_t term);
std::string StemBranchText(int stem, int branch);
std::string ZodiacName(int branch);
std::string WeekdayName(uint16_t weekday);

// Formatting: %Y sexagenary year, %S zodiac animal, %M lunar month, %D lunar
// day, %y %m %d the Gregorian year, month and day without leading zeros.
// The template is GBK; a UTF-8 template must be converted first.
std::string FormatLunarDate(double dateTime, std::string_view gbkTemplate);
// FormatLunarDate of the day at 23:59:59, so that on the day of 立春 the new
// sexagenary year shows.
std::string FormatLunarDay(uint16_t year, uint16_t month, uint16_t day,
                           std::string_view gbkTemplate);
// "%Y年(%S)%M%D %y-%m-%d" in GBK: the template that the date box and the
// month calendar use when none is set.
const std::string& DefaultLunarFormatGbk();

}  // namespace lunar
