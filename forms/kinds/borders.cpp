#include "forms/kinds/borders.h"

#include <qdrawutil.h>

namespace forms::kinds {

int FixedBorderWidth(uint32_t style) {
    return style < kBorderWidths.size() ? kBorderWidths[style] : 0;
}

void PaintBorder(QPainter& painter, const QRect& area, const QPalette& palette, uint32_t style) {
    constexpr bool kSunken = true;
    constexpr int kPanelWidth = 2;
    switch (BorderStyle(style)) {
        case BorderStyle::Sunken:
            qDrawWinPanel(&painter, area, palette, kSunken);
            break;
        case BorderStyle::RaisedDialog:
            qDrawWinPanel(&painter, area, palette, !kSunken);
            painter.setPen(palette.color(QPalette::Button));
            painter.drawRect(
                area.adjusted(kPanelWidth, kPanelWidth, -kPanelWidth - 1, -kPanelWidth - 1));
            break;
        case BorderStyle::StaticEdge:
            qDrawShadePanel(&painter, area, palette, kSunken, 1);
            break;
        case BorderStyle::SunkenInRaised:
            qDrawWinPanel(&painter, area, palette, !kSunken);
            qDrawWinPanel(&painter,
                          area.adjusted(kPanelWidth, kPanelWidth, -kPanelWidth, -kPanelWidth),
                          palette, kSunken);
            break;
        case BorderStyle::SingleLine:
            painter.setPen(Qt::black);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(area.adjusted(0, 0, -1, -1));
            break;
        default:
            break;
    }
}

}  // namespace forms::kinds
