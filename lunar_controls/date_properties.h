#pragma once
// What the two lunar kinds share: the date properties they both serve from
// their day grid, and the lunar date arguments of their events.

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "controls/kind_support.h"
#include "forms/kind_data.h"
#include "lunar_controls/day_grid.h"
#include "lunar_controls/lunar_kinds.h"

namespace lunar_controls {

// The lunar date of a whole-day DateTime as event arguments: year, month,
// day and leap (0 or 1); zeros outside the conversion range.
std::array<int32_t, 4> LunarDateArgs(double dateTime);

// The day of a DateTime, its whole-day DateTime, and whether a DateTime
// falls on a day.
lunar::SolarDate DateOfDateTime(double dateTime);
double WholeDayOf(const lunar::SolarDate& date);
bool SameDay(double dateTime, const lunar::SolarDate& date);

forms::PropertyValue DateTimeValue(double dateTime);
double DateTimeOfValue(const forms::PropertyValue& value);

// The properties read from the grid's date: Date up to YearLength. Nullopt
// for any other property.
std::optional<forms::PropertyValue> ReadDateProperty(const CCalendar& grid, LunarProperty property);
// Writes Date or one field of the lunar date (LunarYear ... LeapMonth) with
// notification. Returns whether the property is one of these; the grid
// ignores dates it does not accept. The control's stored DateTime follows
// an accepted write: the written moment, or the new day at 00:00 when a
// lunar field was written.
bool WriteDateProperty(CCalendar& grid, LunarProperty property, const forms::PropertyValue& value,
                       double& storedDateTime);
// Moves a stored DateTime to the grid's day at 00:00 unless it falls on
// that day already.
void FollowGridDay(double& storedDateTime, const CCalendar& grid);

// The template the controls show a date with: the stored one, or the
// default when it is empty.
const std::string& EffectiveTemplate(const std::string& gbkTemplate);

}  // namespace lunar_controls
