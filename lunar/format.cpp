#include <array>
#include <utility>

#include "lunar/calendar.h"
#include "runtime/datetime.h"

namespace lunar {
namespace {

constexpr int LastSecondHour = 23, LastSecondMinute = 59, LastSecondSecond = 59;

// The lunar date shown for a day. Inside the conversion range it is the
// conversion; the days 1901-01-01 ... 1901-02-18, which a month page of
// February 1901 shows, get their dates at the end of lunar 1900; any other
// day has no lunar date and shows empty month and day names.
LunarDate ShownLunarDate(const runtime::DateTimeFields& t) {
    LunarDate lunar;
    if (SolarToLunar(uint16_t(t.year), uint16_t(t.month), uint16_t(t.day), lunar)) return lunar;
    const int32_t dayNumber =
        DayNumberOf({uint16_t(t.year), uint16_t(t.month), uint16_t(t.day), 0});
    if (dayNumber >= 0 && dayNumber < FirstConvertibleDayNumber)
        return *DayNumberToLunar(dayNumber);
    return {};
}

void ReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement) {
    for (size_t at = text.find(pattern); at != std::string::npos;
         at = text.find(pattern, at + replacement.size())) {
        text.replace(at, pattern.size(), replacement);
    }
}

}  // namespace

// The placeholders are replaced one kind at a time in a fixed order; '%' is
// never the second byte of a GBK character, so no character is split.
std::string FormatLunarDate(double dateTime, std::string_view gbkTemplate) {
    const runtime::DateTimeFields t = runtime::SplitDateTime(dateTime);
    const LunarDate lunar = ShownLunarDate(t);
    const StemBranch year = CycleToStemBranch(SexagenaryOf(dateTime).year);

    const std::array<std::pair<std::string_view, std::string>, 7> parts = {{
        {"%Y", StemBranchText(year.stem, year.branch)},
        {"%S", ZodiacName(year.branch)},
        {"%M", LunarMonthName(lunar.month, lunar.isLeap)},
        {"%D", LunarDayName(lunar.day)},
        {"%y", std::to_string(t.year)},
        {"%m", std::to_string(t.month)},
        {"%d", std::to_string(t.day)},
    }};
    std::string text(gbkTemplate);
    for (const auto& [pattern, replacement] : parts) ReplaceAll(text, pattern, replacement);
    return text;
}

std::string FormatLunarDay(uint16_t year, uint16_t month, uint16_t day,
                           std::string_view gbkTemplate) {
    return FormatLunarDate(runtime::ComposeDateTime(year, month, day, LastSecondHour,
                                                    LastSecondMinute, LastSecondSecond),
                           gbkTemplate);
}

}  // namespace lunar
