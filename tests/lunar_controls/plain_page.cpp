#include "tests/lunar_controls/plain_page.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <string>

#include "platform/platform.h"
#include "tests/lunar_controls/gui_support.h"

namespace lunar_controls::test {
namespace {

using namespace grid_layout;
using grid_colours::RgbOf;

struct PlainCell {
    lunar::SolarDate solar;
    lunar::LunarDate lunar;
    uint16_t term = 0;
    bool inShownMonth = false;
};

struct PlainPage {
    std::array<PlainCell, lunar_controls::grid_layout::kCellCount> cells;
    std::string footerLeft;
    std::string footerRight;
};

// The first day of the shown month: the Gregorian month, or the lunar month
// of the selected date.
lunar::SolarDate FirstShownDay(const lunar::SolarDate& selected, const lunar::LunarDate& lunar,
                               bool gregorian) {
    const lunar::SolarDate gregorianFirst{selected.year, selected.month, 1, 0};
    lunar::SolarDate first;
    if (gregorian || !lunar::LunarToSolar(lunar.year, lunar.month, 1, lunar.isLeap, first))
        return gregorianFirst;
    return first;
}

PlainPage WorkOutPage(const PageRequest& request) {
    const lunar::SolarDate& selected = request.selected;
    lunar::LunarDate selectedLunar;
    lunar::SolarToLunar(selected.year, selected.month, selected.day, selectedLunar);
    lunar::SolarDate day = FirstShownDay(selected, selectedLunar, request.gregorian);
    lunar::ShiftDays(day.year, day.month, day.day,
                     -int32_t(lunar::WeekdayOf(day.year, day.month, day.day) - 1));
    PlainPage page;
    for (PlainCell& cell : page.cells) {
        cell.solar = day;
        lunar::SolarToLunar(day.year, day.month, day.day, cell.lunar);
        cell.term = lunar::SolarTermOn(day.year, day.month, day.day);
        cell.inShownMonth = request.gregorian ? day.month == selected.month
                                              : cell.lunar.month == selectedLunar.month &&
                                                    cell.lunar.isLeap == selectedLunar.isLeap;
        if (cell.inShownMonth && cell.term != 0) {
            if (!page.footerLeft.empty()) page.footerLeft += "  ";
            page.footerLeft +=
                lunar::LunarDayName(cell.lunar.day) + lunar::SolarTermName(cell.term);
        }
        lunar::StepDay(day.year, day.month, day.day, true);
    }
    if (request.hover >= 0 && page.cells[size_t(request.hover)].inShownMonth) {
        const lunar::SolarDate& hovered = page.cells[size_t(request.hover)].solar;
        page.footerRight = lunar::FormatLunarDay(hovered.year, hovered.month, hovered.day,
                                                 lunar::DefaultLunarFormatGbk());
    }
    return page;
}

QString SolarText(const lunar::SolarDate& date) {
    if (date.day == 1) return QString::number(date.month) + QStringLiteral(".1");
    return QString::number(date.day);
}

QString LunarText(const lunar::LunarDate& date) {
    if (date.day == 0) return {};
    if (date.day == 1)
        return platform::GbkToQString(lunar::LunarMonthName(date.month, date.isLeap));
    return platform::GbkToQString(lunar::LunarDayName(date.day));
}

constexpr int kSaturdayColumn = 5;

QFont Song(int pixels) {
    QFont font(QString::fromUtf8(platform::kSongFace));
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void FillBordered(QPainter& painter, const QRect& rect, uint32_t fill) {
    painter.fillRect(
        rect, QColor(lunar_controls::grid_colours::RgbOf(lunar_controls::grid_colours::kLine)));
    painter.fillRect(rect.adjusted(1, 1, -1, -1),
                     QColor(lunar_controls::grid_colours::RgbOf(fill)));
}

void DrawText(QPainter& painter, const QRect& rect, int flags, uint32_t colour,
              const QString& text) {
    painter.setPen(QColor(lunar_controls::grid_colours::RgbOf(colour)));
    painter.drawText(rect, flags, text);
}

void DrawHeader(QPainter& painter) {
    FillBordered(painter,
                 QRect(0, 0, lunar_controls::grid_layout::kWidth,
                       lunar_controls::grid_layout::kHeaderHeight),
                 grid_colours::kHeaderFill);
    painter.setFont(Song(lunar_controls::grid_layout::kHeaderFontPixels));
    for (int column = 0; column < lunar_controls::grid_layout::kColumns; ++column) {
        const uint32_t colour =
            column >= kSaturdayColumn ? grid_colours::kWeekendName : grid_colours::kHeaderText;
        DrawText(painter,
                 QRect(column * lunar_controls::grid_layout::kCellWidth, 0,
                       lunar_controls::grid_layout::kCellWidth,
                       lunar_controls::grid_layout::kHeaderHeight),
                 Qt::AlignCenter, colour,
                 platform::GbkToQString(lunar::WeekdayName(uint16_t(column + 1))));
    }
}

void DrawCell(QPainter& painter, const PlainCell& cell, int index, bool highlighted) {
    uint32_t fill = grid_colours::kCellBackground;
    uint32_t solarColour = grid_colours::kSolarText;
    uint32_t lunarColour = grid_colours::kLunarText;
    if (!cell.inShownMonth) {
        fill = grid_colours::kOutsideFill;
    } else if (highlighted) {
        fill = grid_colours::kHoverFill;
        solarColour = grid_colours::kHoverSolarText;
        lunarColour = grid_colours::kHoverLunarText;
    }
    const QRect rect = CCalendar::CellRect(index);
    FillBordered(painter, rect, fill);
    const QRect textArea = rect.adjusted(0, lunar_controls::grid_layout::kCellTextInset, 0,
                                         -lunar_controls::grid_layout::kCellTextInset);
    painter.setFont(Song(lunar_controls::grid_layout::kSolarTextPixels));
    DrawText(painter, textArea, Qt::AlignHCenter | Qt::AlignBottom, solarColour,
             SolarText(cell.solar));
    painter.setFont(Song(lunar_controls::grid_layout::kLunarTextPixels));
    DrawText(painter, textArea, Qt::AlignHCenter | Qt::AlignTop, lunarColour,
             LunarText(cell.lunar));
}

void DrawFooter(QPainter& painter, const PlainPage& page) {
    const QRect footer(
        0,
        lunar_controls::grid_layout::kHeaderHeight +
            lunar_controls::grid_layout::kRows * lunar_controls::grid_layout::kCellHeight,
        lunar_controls::grid_layout::kWidth, lunar_controls::grid_layout::kHeaderHeight);
    FillBordered(painter, footer, grid_colours::kHeaderFill);
    const QRect textArea = footer.adjusted(lunar_controls::grid_layout::kFooterTextInset, 0,
                                           -lunar_controls::grid_layout::kFooterTextInset, 0);
    painter.setFont(Song(lunar_controls::grid_layout::kFooterFontPixels));
    DrawText(painter, textArea, Qt::AlignLeft | Qt::AlignVCenter, grid_colours::kHeaderText,
             platform::GbkToQString(page.footerLeft));
    DrawText(painter, textArea, Qt::AlignRight | Qt::AlignVCenter, grid_colours::kHeaderText,
             platform::GbkToQString(page.footerRight));
}

}  // namespace

QImage PaintPlainPage(const PageRequest& request) {
    const PlainPage page = WorkOutPage(request);
    QImage image(CCalendar::GridSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    DrawHeader(painter);
    for (int i = 0; i < lunar_controls::grid_layout::kCellCount; ++i)
        DrawCell(painter, page.cells[size_t(i)], i, false);
    DrawFooter(painter, page);
    if (request.hover >= 0)
        DrawCell(painter, page.cells[size_t(request.hover)], request.hover, true);
    return image;
}

QImage PaintGridPage(lunar_controls::CCalendar& grid, const PageRequest& page) {
    grid.SetGregorianLayout(page.gregorian);
    if (!grid.SetSolarDate(page.selected, false)) return {};
    if (page.hover >= 0) {
        MoveMouse(grid, CellCentre(page.hover));
    } else {
        LeaveWidget(grid);
    }
    return grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return std::max(a.width() * a.height(), b.width() * b.height());
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (qRed(lineA[x]) != qRed(lineB[x]) || qGreen(lineA[x]) != qGreen(lineB[x]) ||
                qBlue(lineA[x]) != qBlue(lineB[x])) {
                ++differing;
            }
        }
    }
    return differing;
}

}  // namespace lunar_controls::test
