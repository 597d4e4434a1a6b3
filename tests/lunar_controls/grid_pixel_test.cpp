// The day grid's pages compared pixel for pixel with the same pages drawn
// the plain way (tests/lunar_controls/plain_page.h): every month of a few
// years in both layouts, the leap months, the two ends of the conversion
// range, with and without a cell under the pointer, and the partial repaints
// of a shown grid as the pointer moves.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <string>
#include <vector>

#include "tests/lunar_controls/gui_support.h"
#include "tests/lunar_controls/plain_page.h"

namespace lunar_controls {
namespace {

using test::PageRequest;

std::string Describe(const PageRequest& page) {
    return std::to_string(page.selected.year) + "-" + std::to_string(page.selected.month) + "-" +
           std::to_string(page.selected.day) + (page.gregorian ? " Gregorian" : " lunar") +
           " hover " + std::to_string(page.hover);
}

void ExpectPlainPixels(lunar_controls::CCalendar& grid, const PageRequest& page) {
    SCOPED_TRACE(Describe(page));
    const QImage painted = test::PaintGridPage(grid, page);
    EXPECT_EQ(test::DifferingPixels(painted, test::PaintPlainPage(page)), 0);
}

// The day selected on each month's page: one that every month has, and
// that the first month of the range (from 1901-02-19) reaches.
constexpr uint16_t kSelectedDay = 28;

// The cell under the pointer, spread over the grid and over the months; one
// page in three has none.
int HoverFor(int pageNumber) {
    if (pageNumber % 3 == 0) return -1;
    return pageNumber * 13 % grid_layout::kCellCount;
}

TEST(GridPixels, EveryMonthOfChosenYearsInBothLayouts) {
    // 1901 starts the conversion range in February, 2014 is the reference
    // month's year, 2020 and 2023 have leap months, 2048 ends the range.
    const uint16_t years[] = {1901, 2014, 2020, 2023, 2048};
    lunar_controls::CCalendar grid;
    int pageNumber = 0;
    for (uint16_t year : years) {
        for (uint16_t month = year == lunar::FirstConvertibleDate.year ? 2 : 1; month <= 12;
             ++month) {
            for (bool gregorian : {true, false}) {
                ++pageNumber;
                const PageRequest page{
                    {year, month, kSelectedDay, 0}, gregorian, HoverFor(pageNumber)};
                ExpectPlainPixels(grid, page);
            }
        }
    }
}

TEST(GridPixels, LunarPagesOfLeapMonthsAndRangeEnds) {
    struct Case {
        const char* name;
        lunar::LunarDate lunar;
        int hover;
    };
    const Case cases[] = {
        {"闰四月 2020", {2020, 4, 1, true}, 5},
        {"the 四月 before it", {2020, 4, 29, false}, -1},
        {"闰二月 2023, pointer on a grey cell", {2023, 2, 10, true}, 0},
        {"闰五月 1903", {1903, 5, 20, true}, 41},
        {"闰十一月 2033", {2033, 11, 1, true}, 20},
        {"the first lunar month of the range", {1901, 1, 1, false}, 1},
        {"the last lunar month of the range", {2048, 11, 27, false}, 33},
    };
    lunar_controls::CCalendar grid;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lunar::SolarDate selected;
        ASSERT_TRUE(lunar::LunarToSolar(c.lunar.year, c.lunar.month, c.lunar.day, c.lunar.isLeap,
                                        selected));
        ExpectPlainPixels(grid, {selected, false, c.hover});
    }
}

TEST(GridPixels, GregorianPagesAtTheRangeEnds) {
    lunar_controls::CCalendar grid;
    ExpectPlainPixels(grid, {lunar::FirstConvertibleDate, true, 2});
    ExpectPlainPixels(grid, {lunar::LastConvertibleDate, true, 41});
}

// What the window shows, read back from its backing store after the grid
// has repainted only what the pointer changed.
QImage ShownWindow(QWidget& window) {
    QCoreApplication::processEvents();
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

TEST(GridPixels, PartialRepaintsAsThePointerMovesLeaveTheFullPicture) {
    QWidget window;
    auto* grid = new CCalendar();
    grid->Create(QPoint(0, 0), &window, 1);
    window.setFixedSize(CCalendar::GridSize());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    grid->SetGregorianLayout(true);
    grid->SetSolarDate(2014, 2, 10, false);
    ShownWindow(window);
    // Along a row, down a column, onto grey cells, then off the grid.
    const int path[] = {8, 9, 10, 17, 24, 31, 38, 39, 0, 1, 41, 32, -1};
    for (int hover : path) {
        SCOPED_TRACE(hover);
        if (hover >= 0) {
            test::MoveMouse(*grid, test::CellCentre(hover));
        } else {
            test::LeaveWidget(*grid);
        }
        const QImage plain = test::PaintPlainPage({{2014, 2, 10, 0}, true, hover});
        EXPECT_EQ(test::DifferingPixels(ShownWindow(window), plain), 0);
    }
}

}  // namespace
}  // namespace lunar_controls
