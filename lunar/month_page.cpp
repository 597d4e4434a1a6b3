#include "lunar/month_page.h"

namespace lunar {
namespace {

// The first day of the shown month: a lunar month's days are consecutive,
// so its first day lies as many days back as the selected lunar day counts.
SolarDate ShownMonthStart(const SolarDate& selected, PageLayout layout) {
    LunarDate lunar;
    if (layout == PageLayout::Gregorian ||
        !SolarToLunar(selected.year, selected.month, selected.day, lunar)) {
        return {selected.year, selected.month, 1, 0};
    }
    SolarDate first = selected;
    ShiftDays(first.year, first.month, first.day, -int32_t(lunar.day - 1));
    return first;
}

bool InShownMonth(const PageCell& cell, const SolarDate& selected, const LunarDate& shown,
                  PageLayout layout) {
    if (layout == PageLayout::Gregorian || shown.day == 0)
        return cell.solar.month == selected.month;
    return cell.lunar.month == shown.month && cell.lunar.isLeap == shown.isLeap;
}

}  // namespace

LunarDate NextLunarDay(const LunarDate& date) {
    const uint16_t length = LunarMonthLength(date.year, date.month, date.isLeap);
    if (length == 0) return {};
    if (date.day < length) return {date.year, date.month, uint16_t(date.day + 1), date.isLeap};
    if (!date.isLeap && LeapMonthOf(date.year) == date.month)
        return {date.year, date.month, 1, true};
    if (date.month < MonthsPerYear) return {date.year, uint16_t(date.month + 1), 1, false};
    const uint16_t nextYear = uint16_t(date.year + 1);
    if (LeapMonthOf(nextYear) == NoLeapMonthInfo) return {};
    return {nextYear, 1, 1, false};
}

// One conversion for the first cell; every later cell steps the lunar date
// on by the lunar year table. Dates outside the conversion range have the
// zero date rather than a stale one, so where the page enters the range the
// date is converted afresh, and past its end it stays the zero date.
MonthPage MonthPageOf(const SolarDate& selected, PageLayout layout) {
    LunarDate shown;
    SolarToLunar(selected.year, selected.month, selected.day, shown);
    SolarDate day = ShownMonthStart(selected, layout);
    ShiftDays(day.year, day.month, day.day, -int32_t(WeekdayOf(day.year, day.month, day.day) - 1));
    LunarDate lunar;
    SolarToLunar(day.year, day.month, day.day, lunar);
    MonthPage page;
    for (int i = 0; i < PageCells; ++i) {
        PageCell& cell = page[size_t(i)];
        cell.solar = day;
        cell.lunar = lunar;
        cell.weekday = uint16_t(i % PageColumns + 1);
        cell.solarTerm = SolarTermOn(day.year, day.month, day.day);
        cell.inShownMonth = InShownMonth(cell, selected, shown, layout);
        const bool rangeEnds = day == LastConvertibleDate;
        StepDay(day.year, day.month, day.day, true);
        if (rangeEnds) {
            lunar = {};
        } else if (lunar.day == 0) {
            SolarToLunar(day.year, day.month, day.day, lunar);
        } else {
            lunar = NextLunarDay(lunar);
        }
    }
    return page;
}

std::string CellLunarName(const LunarDate& date) {
    if (date.day == 0) return {};
    return NamesLunarMonth(date) ? LunarMonthName(date.month, date.isLeap) : LunarDayName(date.day);
}

std::string FooterTermsText(const MonthPage& page) {
    std::string text;
    for (const PageCell& cell : page) {
        if (!FooterListsTerm(cell)) continue;
        if (!text.empty()) text += FooterTermSeparator;
        text += LunarDayName(cell.lunar.day) + SolarTermName(cell.solarTerm);
    }
    return text;
}

}  // namespace lunar
