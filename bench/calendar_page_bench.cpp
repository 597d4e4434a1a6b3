// One page change of the month calendar's day grid: the date moves to the
// next month, the 42 cells are refilled and the grid is painted again. The
// baseline repaints an empty widget of the same size in the same way.

#include <benchmark/benchmark.h>

#include <QTest>
#include <QWidget>

#include "bench/paint_watch.h"
#include "lunar/calendar.h"
#include "lunar_controls/day_grid.h"

namespace {

// The pages walk month by month from here and start over at the end of the
// range, so every kind of month is shown.
constexpr lunar::SolarDate kFirstPage = {1902, 1, 15};
constexpr uint16_t kLastPageYear = 2047;
constexpr int kGridId = 1;

lunar::SolarDate NextPage(lunar::SolarDate date) {
    if (++date.month > 12) {
        date.month = 1;
        if (++date.year > kLastPageYear) return kFirstPage;
    }
    return date;
}

// One timed round, kept out of line so that a profile counts one call of it
// per round.
[[gnu::noinline]] bool ShowPage(lunar_controls::CCalendar& grid, bench::PaintWatch& watch,
                                const lunar::SolarDate& page) {
    watch.Reset();
    grid.SetSolarDate(page, false);
    return watch.WaitUntilAllPainted();
}

[[gnu::noinline]] bool RepaintEmpty(QWidget& empty, bench::PaintWatch& watch) {
    watch.Reset();
    empty.update();
    return watch.WaitUntilAllPainted();
}

bool ShowAndWait(QWidget& window) {
    window.setFixedSize(lunar_controls::CCalendar::GridSize());
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

void CalendarPageChange(benchmark::State& state) {
    QWidget window;
    auto* grid = new lunar_controls::CCalendar();
    grid->Create(QPoint(0, 0), &window, kGridId);
    if (!ShowAndWait(window)) {
        state.SkipWithError("the calendar window was not shown");
        return;
    }
    bench::PaintWatch watch({grid});
    lunar::SolarDate page = kFirstPage;
    for (auto _ : state) {
        page = NextPage(page);
        if (!ShowPage(*grid, watch, page)) {
            state.SkipWithError("the grid was not repainted");
            break;
        }
    }
}
BENCHMARK(CalendarPageChange)->Unit(benchmark::kMicrosecond)->UseRealTime();

void EmptyWidgetRepaintBaseline(benchmark::State& state) {
    QWidget window;
    auto* empty = new QWidget(&window);
    empty->setFixedSize(lunar_controls::CCalendar::GridSize());
    if (!ShowAndWait(window)) {
        state.SkipWithError("the baseline window was not shown");
        return;
    }
    bench::PaintWatch watch({empty});
    for (auto _ : state) {
        if (!RepaintEmpty(*empty, watch)) {
            state.SkipWithError("the widget was not repainted");
            break;
        }
    }
}
BENCHMARK(EmptyWidgetRepaintBaseline)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
