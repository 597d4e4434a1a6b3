#pragma once
// The texts of the day grid's cells, looked up in tables made once rather
// than built for every cell of every page.

#include <QString>

#include "lunar/calendar.h"

namespace lunar_controls::grid_cells {

// The Gregorian text of a cell: the day, or "month.1" on the first of a month.
const QString& SolarText(const lunar::SolarDate& date);

// The lunar month name on the first of a lunar month, the day name
// otherwise; the empty text for the zero date (a day the conversion does not
// reach).
const QString& LunarText(const lunar::LunarDate& date);

// The lunar day name (初一 ... 三十) and the solar term name (1-24), as the
// footer lists the terms; the empty text out of range.
const QString& LunarDayText(uint16_t day);
const QString& SolarTermText(uint16_t term);

// The weekday name of a grid column, 0 = Monday.
const QString& WeekdayText(int column);

}  // namespace lunar_controls::grid_cells
