#pragma once
// The day grid's page drawn the plain, slow way, to compare the grid's own
// painting with: the cells worked out one by one with the lunar functions,
// then every rectangle filled and every text drawn with
// QPainter::drawText(rect, flags, text).

#include <QImage>

#include "lunar/calendar.h"
#include "lunar_controls/day_grid.h"

namespace lunar_controls::test {

// A page as the user sets it: the selected date, the layout and the cell
// under the pointer (-1 for none).
struct PageRequest {
    lunar::SolarDate selected;
    bool gregorian = false;
    int hover = -1;
};

QImage PaintPlainPage(const PageRequest& page);

// Shows the page on the grid (layout, date, pointer) and returns the whole
// widget as painted by it; the null image when the grid rejects the date.
QImage PaintGridPage(lunar_controls::CCalendar& grid, const PageRequest& page);

// The number of pixels in which two pictures of the same size differ; every
// pixel when the sizes differ.
int DifferingPixels(const QImage& a, const QImage& b);

}  // namespace lunar_controls::test
