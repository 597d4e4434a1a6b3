#pragma once
// The border styles of labels and edit boxes, painted the classic way: sunken
// and raised two-pixel panels, a one-pixel static edge, a single black line.

#include <QPainter>
#include <QPalette>
#include <QRect>
#include <array>
#include <cstdint>

#include "forms/stored_values.h"

namespace controls::kinds {

// The width each of styles 0-5 takes from the inside of the control.
inline constexpr std::array<int, 6> kBorderWidths = {0, 2, 3, 1, 4, 1};

// The width of a style; 0 for a style without a fixed width.
int FixedBorderWidth(uint32_t style);

// Paints styles 1-5 along the edge of `area`; other styles paint nothing.
void PaintBorder(QPainter& painter, const QRect& area, const QPalette& palette, uint32_t style);

// The pixels of qDrawWinPanel: a two-pixel bevel in four palette colours.
void DrawWinPanel(QPainter& painter, const QRect& area, const QPalette& palette, bool sunken);

// The pixels of qDrawShadeRect with a line width of one, no mid line and no
// fill: the etched frame of a group box, which leaves out what lies in `gap`
// (where its caption interrupts it).
void DrawShadeRect(QPainter& painter, const QRect& area, const QPalette& palette, bool sunken,
                   const QRect& gap = {});

}  // namespace controls::kinds
