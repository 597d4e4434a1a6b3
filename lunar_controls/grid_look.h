#pragma once
// The day grid's layout in pixels and its colours, which the grid and its
// fixed pictures share.

#include <QRgb>
#include <cstdint>

#include "lunar/month_page.h"

namespace lunar_controls {

namespace grid_layout {
inline constexpr int kCellWidth = 52;
inline constexpr int kCellHeight = 32;
inline constexpr int kHeaderHeight = 20;  // the footer has the same height
inline constexpr int kLeftMargin = 0;
inline constexpr int kTopMargin = 0;
inline constexpr int kColumns = lunar::PageColumns;
inline constexpr int kRows = lunar::PageRows;
inline constexpr int kCellCount = lunar::PageCells;
inline constexpr int kWidth = kColumns * kCellWidth + 2 * kLeftMargin + 1;                  // 365
inline constexpr int kHeight = 2 * (kTopMargin + kRows / 2 * kCellHeight + kHeaderHeight);  // 232
// Texts sit this far inside the cell's top and bottom border, and the footer
// texts this far inside its left and right edge.
inline constexpr int kCellTextInset = 3;
inline constexpr int kFooterTextInset = 5;
// Pixel sizes of the "宋体" faces: the weekday names, the two cell texts and
// the footer. Two 12-pixel lines fit a 32-pixel cell with the 3-pixel insets.
inline constexpr int kHeaderFontPixels = 12;
inline constexpr int kSolarTextPixels = 12;
inline constexpr int kLunarTextPixels = 12;
inline constexpr int kFooterFontPixels = 12;
}  // namespace grid_layout

// Stored colours in the 0x00BBGGRR layout, with the RGB they stand for.
namespace grid_colours {
inline constexpr uint32_t kCellBackground = 12778239;  // (255, 250, 194)
inline constexpr uint32_t kLine = 16711680;            // (0, 0, 255)
inline constexpr uint32_t kHeaderFill = 11889961;      // (41, 109, 181), also the footer
inline constexpr uint32_t kHoverFill = 16711680;       // (0, 0, 255)
inline constexpr uint32_t kOutsideFill = 14080467;     // (211, 217, 214)
inline constexpr uint32_t kWeekendName = 15072514;     // (2, 253, 229)
inline constexpr uint32_t kHeaderText = 16777215;      // white, also the footer texts
inline constexpr uint32_t kSolarText = 0;              // black
inline constexpr uint32_t kLunarText = 255;            // red
inline constexpr uint32_t kHoverSolarText = 16777215;  // white
inline constexpr uint32_t kHoverLunarText = 16776960;  // (0, 255, 255)

constexpr QRgb RgbOf(uint32_t stored) {
    return qRgb(int(stored & 0xFF), int((stored >> 8) & 0xFF), int((stored >> 16) & 0xFF));
}
}  // namespace grid_colours

}  // namespace lunar_controls
