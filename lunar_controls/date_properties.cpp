#include "lunar_controls/date_properties.h"

#include <bit>

#include "controls/control_model.h"
#include "runtime/datetime.h"
#include "runtime/gbk.h"

namespace lunar_controls {
namespace {

// Reads of the date give the last second of the day.
constexpr int kLastHour = 23, kLastMinute = 59, kLastSecond = 59;
// Writes of the date outside these years are ignored before the grid sees them.
constexpr int32_t kFirstWritableYear = 1901;
constexpr int32_t kLastWritableYear = 2049;

const std::string& YearTemplateGbk() {
    static const std::string text = runtime::Utf8ToGbk("%Y");
    return text;
}

const std::string& ZodiacTemplateGbk() {
    static const std::string text = runtime::Utf8ToGbk("%S");
    return text;
}

forms::PropertyValue TextValue(std::string text) {
    return forms::PropertyValue::Text(std::move(text));
}

// A lunar field written as an integer; values that no 16-bit field holds are
// refused rather than cut to 16 bits.
std::optional<uint16_t> LunarField(const forms::PropertyValue& value) {
    const int32_t number = value.AsInt();
    if (number < 0 || number > 0xFFFF) return std::nullopt;
    return uint16_t(number);
}

bool WriteLunarField(CCalendar& grid, LunarProperty property, const forms::PropertyValue& value) {
    lunar::LunarDate date = grid.lunarDate();
    if (property == LunarProperty::LeapMonth) {
        date.isLeap = value.AsBool();
    } else {
        const std::optional<uint16_t> field = LunarField(value);
        if (!field) return true;
        if (property == LunarProperty::LunarYear) date.year = *field;
        if (property == LunarProperty::LunarMonth) date.month = *field;
        if (property == LunarProperty::LunarDay) date.day = *field;
    }
    grid.SetLunarDate(date.year, date.month, date.day, date.isLeap, true);
    return true;
}

// Writes Date or one lunar field into the grid; false for other properties.
bool WriteGridDate(CCalendar& grid, LunarProperty property, const forms::PropertyValue& value) {
    switch (property) {
        case LunarProperty::Date: {
            const runtime::DateTimeFields fields = runtime::SplitDateTime(DateTimeOfValue(value));
            if (fields.year < kFirstWritableYear || fields.year > kLastWritableYear) return true;
            grid.SetSolarDate(uint16_t(fields.year), uint16_t(fields.month), uint16_t(fields.day),
                              true);
            return true;
        }
        case LunarProperty::LunarYear:
        case LunarProperty::LunarMonth:
        case LunarProperty::LunarDay:
        case LunarProperty::LeapMonth:
            return WriteLunarField(grid, property, value);
        default:
            return false;
    }
}

}  // namespace

std::array<int32_t, 4> LunarDateArgs(double dateTime) {
    const runtime::DateTimeFields fields = runtime::SplitDateTime(dateTime);
    lunar::LunarDate lunar;
    lunar::SolarToLunar(uint16_t(fields.year), uint16_t(fields.month), uint16_t(fields.day), lunar);
    return {lunar.year, lunar.month, lunar.day, lunar.isLeap ? 1 : 0};
}

lunar::SolarDate DateOfDateTime(double dateTime) {
    const runtime::DateTimeFields fields = runtime::SplitDateTime(dateTime);
    return {uint16_t(fields.year), uint16_t(fields.month), uint16_t(fields.day), 0};
}

double WholeDayOf(const lunar::SolarDate& date) {
    return runtime::ComposeDateTime(date.year, date.month, date.day);
}

bool SameDay(double dateTime, const lunar::SolarDate& date) {
    return DateOfDateTime(dateTime) == date;
}

forms::PropertyValue DateTimeValue(double dateTime) {
    return {std::bit_cast<runtime::Payload>(dateTime), {}};
}

double DateTimeOfValue(const forms::PropertyValue& value) {
    return std::bit_cast<double>(value.number);
}

std::optional<forms::PropertyValue> ReadDateProperty(const CCalendar& grid,
                                                     LunarProperty property) {
    const lunar::SolarDate& date = grid.solarDate();
    const lunar::LunarDate& lunar = grid.lunarDate();
    using V = forms::PropertyValue;
    switch (property) {
        case LunarProperty::Date:
            return DateTimeValue(runtime::ComposeDateTime(date.year, date.month, date.day,
                                                          kLastHour, kLastMinute, kLastSecond));
        case LunarProperty::LunarYear:
            return V::Number(lunar.year);
        case LunarProperty::LunarMonth:
            return V::Number(lunar.month);
        case LunarProperty::LunarDay:
            return V::Number(lunar.day);
        case LunarProperty::LeapMonth:
            return V::Number(lunar.isLeap ? 1 : 0);
        case LunarProperty::YearName:
            return TextValue(
                lunar::FormatLunarDay(date.year, date.month, date.day, YearTemplateGbk()));
        case LunarProperty::MonthName:
            return TextValue(lunar::LunarMonthName(lunar.month, lunar.isLeap));
        case LunarProperty::DayName:
            return TextValue(lunar::LunarDayName(lunar.day));
        case LunarProperty::Zodiac:
            return TextValue(
                lunar::FormatLunarDay(date.year, date.month, date.day, ZodiacTemplateGbk()));
        case LunarProperty::SolarTerm:
            return TextValue(
                lunar::SolarTermName(lunar::SolarTermOn(date.year, date.month, date.day)));
        case LunarProperty::Weekday:
            return V::Number(lunar::WeekdayOf(date.year, date.month, date.day));
        case LunarProperty::MonthLength:
            return V::Number(lunar::LunarMonthLength(lunar.year, lunar.month, lunar.isLeap));
        case LunarProperty::YearLength:
            return V::Number(lunar::LunarYearDays(lunar.year));
        default:
            return std::nullopt;
    }
}

void FollowGridDay(double& storedDateTime, const CCalendar& grid) {
    if (!SameDay(storedDateTime, grid.solarDate())) storedDateTime = WholeDayOf(grid.solarDate());
}

bool WriteDateProperty(CCalendar& grid, LunarProperty property, const forms::PropertyValue& value,
                       double& storedDateTime) {
    if (!WriteGridDate(grid, property, value)) return false;
    if (!SameDay(storedDateTime, grid.solarDate())) {
        storedDateTime =
            property == LunarProperty::Date ? DateTimeOfValue(value) : WholeDayOf(grid.solarDate());
    }
    return true;
}

const std::string& EffectiveTemplate(const std::string& gbkTemplate) {
    return gbkTemplate.empty() ? lunar::DefaultLunarFormatGbk() : gbkTemplate;
}

}  // namespace lunar_controls
