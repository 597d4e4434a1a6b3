#include "lunar_controls/grid_pictures.h"

#include <QPainter>

#include "lunar_controls/grid_cells.h"
#include "lunar_controls/grid_look.h"

namespace lunar_controls {
namespace {

using namespace grid_layout;
using grid_colours::RgbOf;

constexpr int kSaturdayColumn = 5;

QImage Blank(int width, int height) {
    return QImage(width, height, QImage::Format_RGB32);
}

// A rectangle whose border covers its outermost pixels, filled inside.
void BorderedRect(QPainter& painter, const QRect& rect, uint32_t fill) {
    painter.fillRect(rect, QColor(RgbOf(grid_colours::kLine)));
    painter.fillRect(rect.adjusted(1, 1, -1, -1), QColor(RgbOf(fill)));
}

QImage HeaderPicture(const QFont& font) {
    QImage header = Blank(kWidth, kHeaderHeight);
    QPainter painter(&header);
    BorderedRect(painter, header.rect(), grid_colours::kHeaderFill);
    painter.setFont(font);
    for (int column = 0; column < kColumns; ++column) {
        const bool weekend = column >= kSaturdayColumn;
        painter.setPen(
            QColor(RgbOf(weekend ? grid_colours::kWeekendName : grid_colours::kHeaderText)));
        painter.drawText(QRect(column * kCellWidth, 0, kCellWidth, kHeaderHeight), Qt::AlignCenter,
                         grid_cells::WeekdayText(column));
    }
    return header;
}

// The seven cells overlap by their shared borders, as on the grid.
QImage RowPicture(uint32_t fill) {
    QImage row = Blank(kWidth, kCellHeight + 1);
    QPainter painter(&row);
    for (int column = 0; column < kColumns; ++column) {
        BorderedRect(painter, QRect(column * kCellWidth, 0, kCellWidth + 1, kCellHeight + 1), fill);
    }
    return row;
}

QImage FooterPicture() {
    QImage footer = Blank(kWidth, kHeaderHeight);
    QPainter painter(&footer);
    BorderedRect(painter, footer.rect(), grid_colours::kHeaderFill);
    return footer;
}

}  // namespace

CellColours ColoursOf(CellLook look) {
    switch (look) {
        case CellLook::Outside:
            return {grid_colours::kOutsideFill, grid_colours::kSolarText, grid_colours::kLunarText};
        case CellLook::Hovered:
            return {grid_colours::kHoverFill, grid_colours::kHoverSolarText,
                    grid_colours::kHoverLunarText};
        case CellLook::Plain:
            break;
    }
    return {grid_colours::kCellBackground, grid_colours::kSolarText, grid_colours::kLunarText};
}

GridPictures::GridPictures(const QFont& headerFont)
    : header_(HeaderPicture(headerFont)), footer_(FooterPicture()) {
    for (int look = 0; look < kCellLooks; ++look) {
        rows_[size_t(look)] = RowPicture(ColoursOf(CellLook(look)).fill);
        cells_[size_t(look)] = rows_[size_t(look)].copy(0, 0, kCellWidth + 1, kCellHeight + 1);
    }
}

}  // namespace lunar_controls
