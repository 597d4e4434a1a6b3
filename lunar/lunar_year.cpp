#include "lunar/calendar.h"
#include "lunar/tables.h"

namespace lunar {
namespace {

constexpr uint16_t ShortMonth = 29;
constexpr int TopMaskBit = 15;

bool IsTableYear(uint16_t lunarYear) {
    return lunarYear >= FirstLunarYear && lunarYear <= LastLunarYear;
}

// The length of the month that takes mask bit `bit` of the year.
uint16_t MonthLengthFromBit(uint16_t lunarYear, int bit) {
    const uint16_t mask = LunarYearTable.monthMasks[lunarYear - FirstLunarYear];
    return ((mask >> bit) & 1) != 0 ? LongestLunarMonth : ShortMonth;
}

}  // namespace

uint16_t LeapMonthOf(uint16_t lunarYear) {
    if (!IsTableYear(lunarYear)) return NoLeapMonthInfo;
    const int index = lunarYear - FirstLunarYear;  // [0, 148]
    const uint8_t pair = LunarYearTable.leapMonthNibbles[index / 2];
    return index % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

// Normal month m takes bit 16 - m, or bit 15 - m when a leap month comes
// before it; the leap month takes the bit after its normal twin.
uint32_t LunarMonthDays(uint16_t lunarYear, uint16_t month) {
    if (!IsTableYear(lunarYear) || month < 1 || month > 12) return 0;
    const uint16_t leapMonth = LeapMonthOf(lunarYear);  // [0, 12]
    const bool afterLeap = leapMonth != 0 && month > leapMonth;
    const int bit = TopMaskBit + 1 - month - (afterLeap ? 1 : 0);  // [3, 15]
    const uint32_t normal = MonthLengthFromBit(lunarYear, bit);
    const uint32_t leap = month == leapMonth ? MonthLengthFromBit(lunarYear, bit - 1) : 0;
    return normal | (leap << 16);
}

uint16_t LunarMonthLength(uint16_t lunarYear, uint16_t month, bool isLeap) {
    const uint32_t days = LunarMonthDays(lunarYear, month);
    return uint16_t(isLeap ? days >> 16 : days & 0xFFFF);
}

uint16_t LunarYearDays(uint16_t lunarYear) {
    uint16_t total = 0;
    for (uint16_t month = 1; month <= 12; ++month) {
        const uint32_t days = LunarMonthDays(lunarYear, month);
        total += uint16_t((days & 0xFFFF) + (days >> 16));
    }
    return total;
}

}  // namespace lunar
