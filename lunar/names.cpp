#include <vector>

#include "lunar/calendar.h"
#include "lunar/tables.h"
#include "runtime/gbk.h"

namespace lunar {
namespace {

constexpr uint16_t LastNumeralMonth = 10;
constexpr uint16_t EleventhMonthNumber = 11;
constexpr uint16_t LastDay = 30;
constexpr uint16_t TwentiethDayNumber = 20;
constexpr uint16_t DaysPerPrefix = 10;
constexpr int DigitTen = 10;  // "十", the last of the day digits

// The name tables in GBK, converted once at first use.
struct GbkNameTables {
    std::vector<std::string> stems, branches, animals, numerals, prefixes, digits;
    std::vector<std::string> weekdays, terms;
    std::string monthSuffix, eleventhMonth, twelfthMonth, leapPrefix, twentiethDay;
    std::string defaultFormat;
};

// Splits a table of characters; every character of these tables is two
// bytes in GBK.
std::vector<std::string> GbkCharacters(std::string_view utf8) {
    const std::string gbk = runtime::Utf8ToGbk(utf8);
    std::vector<std::string> characters;
    for (size_t at = 0; at + 1 < gbk.size(); at += 2) characters.push_back(gbk.substr(at, 2));
    return characters;
}

template <size_t N>
std::vector<std::string> GbkNames(const std::array<std::string_view, N>& utf8Names) {
    std::vector<std::string> names;
    for (std::string_view name : utf8Names) names.push_back(runtime::Utf8ToGbk(name));
    return names;
}

GbkNameTables ConvertNameTables() {
    return {GbkCharacters(HeavenlyStems),     GbkCharacters(EarthlyBranches),
            GbkCharacters(ZodiacAnimals),     GbkCharacters(MonthNumerals),
            GbkCharacters(DayPrefixes),       GbkCharacters(DayDigits),
            GbkNames(WeekdayNames),           GbkNames(SolarTermNames),
            runtime::Utf8ToGbk(MonthSuffix),  runtime::Utf8ToGbk(EleventhMonth),
            runtime::Utf8ToGbk(TwelfthMonth), runtime::Utf8ToGbk(LeapPrefix),
            runtime::Utf8ToGbk(TwentiethDay), runtime::Utf8ToGbk("%Y年(%S)%M%D %y-%m-%d")};
}

const GbkNameTables& Names() {
    static const GbkNameTables tables = ConvertNameTables();
    return tables;
}

// Entry `number` (counted from 1) of a table; empty when out of range.
std::string Entry(const std::vector<std::string>& table, int number) {
    if (number < 1 || size_t(number) > table.size()) return {};
    return table[size_t(number) - 1];
}

}  // namespace

std::string LunarMonthName(uint16_t month, bool isLeap) {
    if (month == 0) return {};
    const GbkNameTables& names = Names();
    std::string name = isLeap ? names.leapPrefix : std::string();
    if (month <= LastNumeralMonth)
        name += Entry(names.numerals, month) + names.monthSuffix;
    else if (month == EleventhMonthNumber)
        name += names.eleventhMonth;
    else
        name += names.twelfthMonth;
    return name;
}

// Day 20 is "二十": the prefix 廿 already means twenty, so "廿十" would read
// as thirty. Day 30 keeps "三十".
std::string LunarDayName(uint16_t day) {
    if (day == 0 || day > LastDay) return {};
    const GbkNameTables& names = Names();
    if (day == TwentiethDayNumber) return names.twentiethDay;
    if (day == LastDay)
        return Entry(names.prefixes, day / DaysPerPrefix + 1) + Entry(names.digits, DigitTen);
    return Entry(names.prefixes, (day - 1) / DaysPerPrefix + 1) +
           Entry(names.digits, (day - 1) % DaysPerPrefix + 1);
}

std::string SolarTermName(uint16_t term) {
    return Entry(Names().terms, term);
}

std::string StemBranchText(int stem, int branch) {
    return Entry(Names().stems, stem) + Entry(Names().branches, branch);
}

std::string ZodiacName(int branch) {
    return Entry(Names().animals, branch);
}

std::string WeekdayName(uint16_t weekday) {
    return Entry(Names().weekdays, weekday);
}

const std::string& DefaultLunarFormatGbk() {
    return Names().defaultFormat;
}

}  // namespace lunar
