#pragma once
// The fixed pictures of the day grid, which it copies rather than paints:
// the header with the weekday names, a row of blank cells and a single blank
// cell in each of the three cell looks, and the blank footer. The texts of
// the cells and the footer are drawn onto these same pictures when their
// sprites are made (lunar_controls/text_sprites.h).

#include <QFont>
#include <QImage>
#include <array>
#include <cstdint>

namespace lunar_controls {

// How a cell is filled and its texts coloured: a date of the shown month, a
// date outside it (grey), the date under the pointer.
enum class CellLook { Plain, Outside, Hovered };
inline constexpr int kCellLooks = 3;

// Stored colours (0x00BBGGRR) of a look.
struct CellColours {
    uint32_t fill;
    uint32_t solarText;
    uint32_t lunarText;
};
CellColours ColoursOf(CellLook look);

class GridPictures {
public:
    explicit GridPictures(const QFont& headerFont);

    const QImage& header() const { return header_; }
    // A row of seven blank cells, borders included, as wide as the grid.
    const QImage& row(CellLook look) const { return rows_[size_t(look)]; }
    // One blank cell, borders included, the size of CCalendar::CellRect.
    const QImage& cell(CellLook look) const { return cells_[size_t(look)]; }
    const QImage& footer() const { return footer_; }

private:
    QImage header_;
    std::array<QImage, kCellLooks> rows_;
    std::array<QImage, kCellLooks> cells_;
    QImage footer_;
};

}  // namespace lunar_controls
