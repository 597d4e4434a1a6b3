// Any year, month, day and leap flag through both conversions.
//
// Input fields, front to back: year, month and day (2 bytes each) and a
// flags byte: bit 0 the leap flag; with bit 1 set the numbers are folded
// into 1895-2055, 0-13 and 0-32, so that most inputs lie near the range.
// The same numbers are tried as a Gregorian and as a lunar date.
//
// Properties checked:
//  - SolarToLunar succeeds exactly when the month is 1-12, the year at most
//    2048, the date not before 1901-02-19 and its day number inside the
//    lunar year table (a day far beyond its month's length can pass it);
//    on failure it leaves its out-field untouched;
//  - what it gives is a lunar date that exists: month 1-12, day within the
//    month's length, the leap flag only on the year's leap month;
//  - for a real Gregorian date the round trip through LunarToSolar gives the
//    date back (marker 0), within 56 search iterations; a day beyond its
//    month's length converts like the real date it stands for;
//  - LunarToSolar succeeds exactly when the lunar date exists (the leap flag
//    cleared when the year's leap month is another) and lies between lunar
//    1901-01-01 and 2048 month 11 day 27; its answer converts back to that
//    lunar date, and it takes at most 56 iterations; when the year or month
//    is out of range it leaves its out-field untouched.

#include <cstdint>
#include <tuple>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "lunar/calendar.h"
#include "tests/lunar/lunar_search.h"

namespace {

using fuzz::Check;

constexpr uint8_t kLeapBit = 1 << 0;
constexpr uint8_t kFoldBit = 1 << 1;
constexpr uint16_t kFoldedFirstYear = 1895;
constexpr uint16_t kFoldedYearCount = 161;
constexpr uint16_t kFoldedMonthCount = 14;
constexpr uint16_t kFoldedDayCount = 33;
constexpr uint16_t kFirstTableYear = 1901;
constexpr uint16_t kLastTableYear = 2049;
// The last lunar date of the conversion range: 2048, month 11, day 27.
constexpr lunar::LunarDate kLastConvertibleLunar = {2048, 11, 27, false};
// Every existing lunar date is found within this many search iterations.
constexpr int kLongestSearch = 56;

constexpr lunar::LunarDate kUntouchedLunar = {0xBEEF, 0xBEEF, 0xBEEF, true};
constexpr lunar::SolarDate kUntouchedSolar = {0xBEEF, 0xBEEF, 0xBEEF, 0xEE};

struct Numbers {
    uint16_t year, month, day;
    bool leap;
};

Numbers ReadNumbers(fuzz::InputReader& in) {
    Numbers n{in.Take<uint16_t>(), in.Take<uint16_t>(), in.Take<uint16_t>(), false};
    const auto flags = in.Take<uint8_t>();
    n.leap = (flags & kLeapBit) != 0;
    if ((flags & kFoldBit) != 0) {
        n.year = uint16_t(kFoldedFirstYear + n.year % kFoldedYearCount);
        n.month = uint16_t(n.month % kFoldedMonthCount);
        n.day = uint16_t(n.day % kFoldedDayCount);
    }
    return n;
}

// The day number after the last day of the lunar year table.
int32_t TableEndDayNumber() {
    static const int32_t end = [] {
        int32_t dayNumber = lunar::FirstConvertibleDayNumber;
        for (uint16_t year = kFirstTableYear; year <= kLastTableYear; ++year) {
            dayNumber += lunar::LunarYearDays(year);
        }
        return dayNumber;
    }();
    return end;
}

bool IsRealDay(uint16_t year, uint16_t month, uint16_t day) {
    return day >= 1 && day <= lunar::GregorianMonthDays(year, month);
}

bool LunarDateExists(const lunar::LunarDate& date) {
    if (date.year < kFirstTableYear || date.year > kLastTableYear) return false;
    if (date.month < 1 || date.month > 12) return false;
    if (date.isLeap && lunar::LeapMonthOf(date.year) != date.month) return false;
    return date.day >= 1 && date.day <= lunar::LunarMonthLength(date.year, date.month, date.isLeap);
}

// Lunar dates in calendar order: a leap month follows its normal twin.
bool NotAfterLastConvertible(const lunar::LunarDate& date) {
    const auto key = [](const lunar::LunarDate& d) {
        return std::make_tuple(d.year, d.month, d.isLeap, d.day);
    };
    return key(date) <= key(kLastConvertibleLunar);
}

void CheckSolarToLunar(const Numbers& n) {
    lunar::LunarDate converted = kUntouchedLunar;
    const bool ok = lunar::SolarToLunar(n.year, n.month, n.day, converted);
    const bool expected =
        n.month >= 1 && n.month <= 12 && n.year <= lunar::LastConvertibleDate.year &&
        lunar::CompareDates(n.year, n.month, n.day, lunar::FirstConvertibleDate.year,
                            lunar::FirstConvertibleDate.month,
                            lunar::FirstConvertibleDate.day) >= 0 &&
        lunar::DayNumberOf({n.year, n.month, n.day, 0}) < TableEndDayNumber();
    Check(ok == expected, "SolarToLunar succeeds exactly inside the conversion range");
    if (!ok) {
        Check(converted == kUntouchedLunar, "a failed SolarToLunar leaves its out-field alone");
        return;
    }
    Check(LunarDateExists(converted), "SolarToLunar gives a lunar date that exists");
    if (!IsRealDay(n.year, n.month, n.day)) {
        uint16_t year = n.year, month = n.month, day = 1;
        lunar::ShiftDays(year, month, day, int32_t(n.day) - 1);
        lunar::LunarDate real;
        if (lunar::SolarToLunar(year, month, day, real)) {
            Check(real == converted, "a day beyond its month converts like the real date");
        }
        return;
    }
    lunar::SolarDate back;
    const lunar::detail::SearchOutcome search = lunar::detail::SearchSolarDate(
        converted.year, converted.month, converted.day, converted.isLeap, back);
    Check(search.found && back == lunar::SolarDate{n.year, n.month, n.day, 0},
          "the round trip gives the Gregorian date back");
    Check(search.iterations <= kLongestSearch, "the search takes at most 56 iterations");
}

void CheckLunarToSolar(const Numbers& n) {
    lunar::SolarDate solar = kUntouchedSolar;
    const bool ok = lunar::LunarToSolar(n.year, n.month, n.day, n.leap, solar);
    const bool yearAndMonthInRange =
        n.year >= kFirstTableYear && n.year <= kLastTableYear && n.month >= 1 && n.month <= 12;
    const bool leap = n.leap && yearAndMonthInRange && lunar::LeapMonthOf(n.year) == n.month;
    const lunar::LunarDate wanted = {n.year, n.month, n.day, leap};
    const bool expected = LunarDateExists(wanted) && NotAfterLastConvertible(wanted);
    Check(ok == expected, "LunarToSolar succeeds exactly for the lunar dates of the range");
    if (!yearAndMonthInRange) {
        Check(solar == kUntouchedSolar, "a range failure leaves the out-field alone");
    }
    if (!ok) return;

    lunar::SolarDate searched;
    const lunar::detail::SearchOutcome search =
        lunar::detail::SearchSolarDate(n.year, n.month, n.day, n.leap, searched);
    Check(search.found && searched == solar && search.iterations <= kLongestSearch,
          "the search takes at most 56 iterations");
    Check(solar.marker == 0 && IsRealDay(solar.year, solar.month, solar.day),
          "LunarToSolar gives a real Gregorian date");
    lunar::LunarDate back = kUntouchedLunar;
    Check(lunar::SolarToLunar(solar.year, solar.month, solar.day, back) && back == wanted,
          "the Gregorian date converts back to the lunar date");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::InputReader in(data, size);
    const Numbers numbers = ReadNumbers(in);
    CheckSolarToLunar(numbers);
    CheckLunarToSolar(numbers);
    return 0;
}
