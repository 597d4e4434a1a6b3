#pragma once
// The property and event numbers of the lunar calendar's two control kinds,
// the date box 农历日期框 (CnCalendar) and the month calendar 农历月历
// (CnMonthCalendar).
//
//   window loading ──► create(persisted block) ──► CCnCalendar / CnMonthCalendarWidget
//   ReadProperty / WriteProperty ──► getProperty / setProperty (number − 8)
//   day grid notices (0x464) ──► controls::FireEvent(window, unit, event, lunar date)
//   control destroyed ──► controls::ReportUnitGone(window, unit)

#include <cstdint>

#include "controls/kind_registry.h"

namespace lunar_controls {

// Property numbers of both kinds, as ReadProperty and WriteProperty use them
// (the kind routines receive the number − 8). Numbers 22-24, 27 and 28 of
// the month calendar and 22-24 of the date box are reserved.
enum class LunarProperty : int32_t {
    Date = 8,             // DateTime; reads give the day at 23:59:59
    LunarYear = 9,        // integer
    LunarMonth = 10,      // integer 1-12
    LunarDay = 11,        // integer 1-30
    LeapMonth = 12,       // logical
    LayoutMode = 13,      // choice: 1 Gregorian month pages, else lunar
    YearName = 14,        // text, sexagenary year ("%Y"), read only
    MonthName = 15,       // text, lunar month name, read only
    DayName = 16,         // text, lunar day name, read only
    Zodiac = 17,          // text, zodiac animal ("%S"), read only
    SolarTerm = 18,       // text, the term beginning on the date or empty, read only
    Weekday = 19,         // integer 1-7, 1 = Monday, read only
    MonthLength = 20,     // integer, days of the lunar month, read only
    YearLength = 21,      // integer, days of the lunar year, read only
    FormatTemplate = 25,  // text; empty = "%Y年(%S)%M%D %y-%m-%d"
    ShownText = 26,       // text: the date box's field, the month calendar's header; read only
    HeaderShown = 29,     // logical, month calendar only: header strip with selectors
};

// Events of the month calendar "农历月历".
enum class MonthCalendarEvent : int32_t {
    Clicked = 0,       // a date of the shown month was clicked
    Hovered = 1,       // the pointer is over a date: lunar year, month, day, leap (0/1)
    DateChanged = 2,   // the selected date changed with notification
    RightClicked = 3,  // a date was right-clicked: lunar year, month, day, leap (0/1)
};

// Events of the date box "农历日期框".
enum class DateBoxEvent : int32_t {
    Clicked = 0,          // a date of the shown month was clicked in the drop-down
    Hovered = 1,          // the pointer entered a date in the drop-down: lunar y, m, d, leap
    DropDownOpening = 2,  // the button was pressed, before the drop-down opens
    DropDownClosed = 3,   // the drop-down closed
    DateChanged = 4,      // the selected date changed with notification
};

// The two kinds' descriptors, and the lunar calendar library's kinds as the
// program's support-library table lists them.
controls::KindDescriptor CnCalendarKind();
controls::KindDescriptor CnMonthCalendarKind();
inline constexpr controls::KindMaker kLunarKinds[] = {CnCalendarKind, CnMonthCalendarKind};

}  // namespace lunar_controls
