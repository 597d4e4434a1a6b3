// The day grid's keyboard: the arrows move the selected day (a week up or
// down), crossing into the next or previous month where the page ends;
// Page Up and Page Down show the month before or after on the same day of
// the month (its last day when it is shorter); Return picks the selected
// day as a click on it does. Keys move the highlight to the selected day.

#include <QKeyEvent>

#include "lunar_controls/day_grid.h"

namespace lunar_controls {
namespace {

constexpr int kDaysInWeek = 7;

lunar::SolarDate Shifted(lunar::SolarDate date, int32_t days) {
    lunar::ShiftDays(date.year, date.month, date.day, days);
    return date;
}

}  // namespace

bool IsGridKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            return false;
    }
}

void CCalendar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
            selectByKey(Shifted(solar_, -1));
            break;
        case Qt::Key_Right:
            selectByKey(Shifted(solar_, 1));
            break;
        case Qt::Key_Up:
            selectByKey(Shifted(solar_, -kDaysInWeek));
            break;
        case Qt::Key_Down:
            selectByKey(Shifted(solar_, kDaysInWeek));
            break;
        case Qt::Key_PageUp:
            selectByKey(sameDayInMonth(-1));
            break;
        case Qt::Key_PageDown:
            selectByKey(sameDayInMonth(1));
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            pick(solar_);
            break;
        default:
            // Escape and the rest go on to the panel or the window.
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void CCalendar::focusOutEvent(QFocusEvent* event) {
    if (hoverByKeys_) hover(-1, false);
    QWidget::focusOutEvent(event);
}

void CCalendar::selectByKey(const lunar::SolarDate& date) {
    if (!SetSolarDate(date, true)) return;
    for (int i = 0; i < grid_layout::kCellCount; ++i) {
        if (cells_[size_t(i)].inShownMonth && cells_[size_t(i)].solar == solar_) hover(i, false);
    }
}

// The day's number in the month the page shows: Gregorian or lunar.
uint16_t CCalendar::dayInMonth(const lunar::SolarDate& date) const {
    if (gregorian_) return date.day;
    lunar::LunarDate lunar;
    lunar::SolarToLunar(date.year, date.month, date.day, lunar);
    return lunar.day;
}

// The first day of the month after the shown one (step 1) or before it
// (step −1); every day of the shown month has its cell on the page.
lunar::SolarDate CCalendar::neighbourMonthStart(int step) const {
    int first = -1;
    int last = -1;
    for (int i = 0; i < grid_layout::kCellCount; ++i) {
        if (!cells_[size_t(i)].inShownMonth) continue;
        if (first < 0) first = i;
        last = i;
    }
    if (first < 0) return solar_;
    if (step > 0) return Shifted(cells_[size_t(last)].solar, 1);
    const lunar::SolarDate lastBefore = Shifted(cells_[size_t(first)].solar, -1);
    return Shifted(lastBefore, 1 - int32_t(dayInMonth(lastBefore)));
}

lunar::SolarDate CCalendar::sameDayInMonth(int step) const {
    const uint16_t wanted = dayInMonth(solar_);
    lunar::SolarDate day = neighbourMonthStart(step);
    for (uint16_t at = 1; at < wanted; ++at) {
        const lunar::SolarDate next = Shifted(day, 1);
        if (dayInMonth(next) != at + 1) break;  // the month is shorter
        day = next;
    }
    return day;
}

}  // namespace lunar_controls
