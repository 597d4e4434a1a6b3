#pragma once
// One page of a month calendar: six weeks of seven days, Monday first,
// holding a Gregorian month or the lunar month of a date, each day with its
// lunar date and solar term, and the terms of the shown month as the page's
// footer lists them. The window's day grid and the command line's calendar
// both show this page.
//
//   selected date, layout ─► first day of the shown month ─► back to Monday
//   first cell ─► one conversion, then the lunar year table day by day ─► 42 cells
//   cells of the shown month that begin a term ─► footer "初五立春  二十雨水"

#include <array>
#include <cstdint>
#include <string>

#include "lunar/calendar.h"

namespace lunar {

inline constexpr int PageColumns = DaysPerWeek;
inline constexpr int PageRows = 6;
inline constexpr int PageCells = PageColumns * PageRows;

enum class PageLayout { Lunar, Gregorian };

struct PageCell {
    SolarDate solar;
    LunarDate lunar;         // the zero date outside the conversion range
    uint16_t weekday = 0;    // 1 = Monday ... 7 = Sunday
    uint16_t solarTerm = 0;  // the term 1-24 that begins on the day, 0 = none
    bool inShownMonth = false;
};

using MonthPage = std::array<PageCell, PageCells>;

// The page that shows the month of `selected`: its Gregorian month, or in
// the lunar layout its lunar month (the Gregorian month when the date lies
// outside the conversion range). Any Gregorian date has a page.
MonthPage MonthPageOf(const SolarDate& selected, PageLayout layout);

// The lunar date of the next day, by the month lengths and leap months of
// the lunar year table; the zero date for the zero date and past the table.
LunarDate NextLunarDay(const LunarDate& date);

// A cell names the lunar month on the month's first day and the lunar day
// on every other day.
inline bool NamesLunarMonth(const LunarDate& date) {
    return date.day == 1;
}
// The cell's lunar text, GBK; empty for the zero date.
std::string CellLunarName(const LunarDate& date);

// Whether the footer lists the cell's term: a term day of the shown month.
inline bool FooterListsTerm(const PageCell& cell) {
    return cell.inShownMonth && cell.solarTerm != 0;
}
// The footer's separator between two terms.
inline constexpr std::string_view FooterTermSeparator = "  ";
// The footer's list of terms, GBK: each as its lunar day's name and the
// term's name, in page order ("初五立春  二十雨水").
std::string FooterTermsText(const MonthPage& page);

}  // namespace lunar
