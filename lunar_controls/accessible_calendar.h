#pragma once
// What assistive technology reads of the lunar controls, which paint
// themselves: the date box is static text named "农历日期" whose text is the
// date it shows; the day grid is a table of 6 weeks × 7 days whose
// description is the selected day (Gregorian date, lunar day and the solar
// term that begins on it), each cell named the same way and the selected
// one marked selected.
//
//   assistive technology asks ──► Qt's factories ──► LunarAccessible(object)
//                                                └─► date box / day grid ──► 42 cells

#include <QString>

#include "lunar/calendar.h"

class QAccessibleInterface;
class QObject;

namespace lunar_controls {

// The accessible name of the date box.
inline constexpr char kDateBoxName[] = "农历日期";
// The accessible name of the day grid.
inline constexpr char kDayGridName[] = "农历月历";

// A day as read out: "2024-2-10 正月初一", with " 立春" on the day a solar
// term begins.
QString SpokenDay(const lunar::SolarDate& date);

// Adds the lunar controls' interfaces to Qt's factories; once is enough.
void InstallLunarAccessibility();

// The interface of a lunar control, or null for another.
QAccessibleInterface* LunarAccessible(const QString& className, QObject* object);

}  // namespace lunar_controls
