// Paints every page of the day grid, in both layouts and each with a cell
// under the pointer, and checks each against the plain painting of
// tests/lunar_controls/plain_page.h. Prints one line per page with the hash
// of its pixels, so that two builds can be compared page by page, then the
// totals. Run by hand (it takes a while under a sanitizer):
//
//   QT_QPA_PLATFORM=offscreen grid_page_check > pages.txt
//
// The exit code is 1 when a page differs from its plain painting.

#include <QApplication>
#include <QCryptographicHash>
#include <cstdio>

#include "platform/platform.h"
#include "tests/lunar_controls/plain_page.h"

namespace {

using lunar_controls::test::PageRequest;

constexpr uint16_t kSelectedDay = 28;

struct Totals {
    int pages = 0;
    int differing = 0;
    QCryptographicHash all{QCryptographicHash::Sha256};
};

// The cell under the pointer moves on by one with every page, so that over
// the whole range each cell is hovered on many kinds of page.
int HoverFor(int pageNumber) {
    return pageNumber % (lunar_controls::grid_layout::kCellCount + 1) - 1;
}

void Check(lunar_controls::CCalendar& grid, const PageRequest& page, Totals& totals) {
    const QImage painted = lunar_controls::test::PaintGridPage(grid, page);
    const QByteArray pixels(reinterpret_cast<const char*>(painted.constBits()),
                            qsizetype(painted.sizeInBytes()));
    const QByteArray hash = QCryptographicHash::hash(pixels, QCryptographicHash::Sha256);
    totals.all.addData(hash);
    const bool same = lunar_controls::test::DifferingPixels(
                          painted, lunar_controls::test::PaintPlainPage(page)) == 0;
    if (!same) ++totals.differing;
    ++totals.pages;
    std::printf("%04d-%02d-%02d %s hover %2d %s%s\n", page.selected.year, page.selected.month,
                page.selected.day, page.gregorian ? "gregorian" : "lunar    ", page.hover,
                hash.toHex().left(16).constData(), same ? "" : " DIFFERS");
}

// Every Gregorian month of the range, shown in both layouts: the lunar
// layout shows the lunar month of the 28th, a day every month has and the
// first month of the range reaches.
void CheckGregorianMonths(lunar_controls::CCalendar& grid, Totals& totals) {
    for (uint16_t year = lunar::FirstConvertibleDate.year; year <= lunar::LastConvertibleDate.year;
         ++year) {
        const uint16_t firstMonth = year == lunar::FirstConvertibleDate.year ? 2 : 1;
        for (uint16_t month = firstMonth; month <= 12; ++month) {
            for (bool gregorian : {true, false}) {
                Check(grid, {{year, month, kSelectedDay, 0}, gregorian, HoverFor(totals.pages)},
                      totals);
            }
        }
    }
}

// Every lunar month of the range, leap months included, from its first day.
void CheckLunarMonths(lunar_controls::CCalendar& grid, Totals& totals) {
    for (uint16_t year = lunar::FirstConvertibleDate.year; year <= lunar::LastConvertibleDate.year;
         ++year) {
        for (uint16_t month = 1; month <= 12; ++month) {
            for (bool leap : {false, true}) {
                if (leap && lunar::LeapMonthOf(year) != month) continue;
                lunar::SolarDate first;
                if (!lunar::LunarToSolar(year, month, 1, leap, first)) continue;
                Check(grid, {first, false, HoverFor(totals.pages)}, totals);
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::InstallFonts();
    lunar_controls::CCalendar grid;
    Totals totals;
    CheckGregorianMonths(grid, totals);
    CheckLunarMonths(grid, totals);
    std::printf("%d pages, %d differ from the plain painting, all pages hash %s\n", totals.pages,
                totals.differing, totals.all.result().toHex().constData());
    return totals.differing == 0 ? 0 : 1;
}
