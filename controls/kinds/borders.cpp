#include "controls/kinds/borders.h"

#include <qdrawutil.h>

#include <QPaintDevice>
#include <QPaintEngine>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace controls::kinds {
namespace {

// Whether one-pixel lines in these colours come out as the same pixels when
// filled as one-pixel rectangles: a raster painter without antialiasing,
// scaling or translucency. Filling costs a fraction of stroking; anything
// else is left to Qt's own drawing.
bool FillsAsLines(const QPainter& painter, std::initializer_list<QColor> colours) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster) return false;
    if (painter.testRenderHint(QPainter::Antialiasing)) return false;
    const QTransform& transform = painter.transform();
    if (transform.type() > QTransform::TxTranslate) return false;
    if (transform.dx() != std::floor(transform.dx()) ||
        transform.dy() != std::floor(transform.dy())) {
        return false;
    }
    if (painter.device() == nullptr || painter.device()->devicePixelRatio() != 1.0) return false;
    if (painter.opacity() != 1.0) return false;
    if (painter.compositionMode() != QPainter::CompositionMode_SourceOver) return false;
    for (const QColor& colour : colours) {
        if (colour.alpha() != 255) return false;
    }
    return true;
}

// Below this size some of the lines have no length, and Qt draws a line
// without length differently in each case; those small sizes are left to it.
constexpr int kSmallestFilledSide = 5;

bool LargeEnough(const QRect& area) {
    return area.width() >= kSmallestFilledSide && area.height() >= kSmallestFilledSide;
}

// A line of one pixel from `from` to `to` inclusive, across or down, less
// what lies in `gap`.
void FillLine(QPainter& painter, QPoint from, QPoint to, const QColor& colour,
              const QRect& gap = {}) {
    const QPoint topLeft(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
    const QPoint bottomRight(std::max(from.x(), to.x()), std::max(from.y(), to.y()));
    const QRect line(topLeft, bottomRight);
    if (!line.intersects(gap)) return painter.fillRect(line, colour);
    for (const QRect& piece : QRegion(line).subtracted(gap)) painter.fillRect(piece, colour);
}

// The four bevel lines of a win panel, each drawn over the ones before: the
// outer top-left, the outer bottom-right, the inner top-left and the inner
// bottom-right.
void FillWinShades(QPainter& painter, const QRect& area, const QColor& outerTopLeft,
                   const QColor& outerBottomRight, const QColor& innerTopLeft,
                   const QColor& innerBottomRight) {
    const int x = area.x(), y = area.y(), w = area.width(), h = area.height();
    FillLine(painter, {x, y + h - 2}, {x, y}, outerTopLeft);
    FillLine(painter, {x, y}, {x + w - 2, y}, outerTopLeft);
    FillLine(painter, {x, y + h - 1}, {x + w - 1, y + h - 1}, outerBottomRight);
    FillLine(painter, {x + w - 1, y + h - 1}, {x + w - 1, y}, outerBottomRight);
    FillLine(painter, {x + 1, y + h - 3}, {x + 1, y + 1}, innerTopLeft);
    FillLine(painter, {x + 1, y + 1}, {x + w - 3, y + 1}, innerTopLeft);
    FillLine(painter, {x + 1, y + h - 2}, {x + w - 2, y + h - 2}, innerBottomRight);
    FillLine(painter, {x + w - 2, y + h - 2}, {x + w - 2, y + 1}, innerBottomRight);
}

}  // namespace

int FixedBorderWidth(uint32_t style) {
    return style < kBorderWidths.size() ? kBorderWidths[style] : 0;
}

void PaintBorder(QPainter& painter, const QRect& area, const QPalette& palette, uint32_t style) {
    constexpr bool kSunken = true;
    constexpr int kPanelWidth = 2;
    switch (forms::BorderStyle(style)) {
        case forms::BorderStyle::Sunken:
            DrawWinPanel(painter, area, palette, kSunken);
            break;
        case forms::BorderStyle::RaisedDialog:
            DrawWinPanel(painter, area, palette, !kSunken);
            painter.setPen(palette.color(QPalette::Button));
            painter.drawRect(
                area.adjusted(kPanelWidth, kPanelWidth, -kPanelWidth - 1, -kPanelWidth - 1));
            break;
        case forms::BorderStyle::StaticEdge:
            qDrawShadePanel(&painter, area, palette, kSunken, 1);
            break;
        case forms::BorderStyle::SunkenInRaised:
            DrawWinPanel(painter, area, palette, !kSunken);
            DrawWinPanel(painter,
                         area.adjusted(kPanelWidth, kPanelWidth, -kPanelWidth, -kPanelWidth),
                         palette, kSunken);
            break;
        case forms::BorderStyle::SingleLine:
            painter.setPen(Qt::black);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(area.adjusted(0, 0, -1, -1));
            break;
        default:
            break;
    }
}

void DrawWinPanel(QPainter& painter, const QRect& area, const QPalette& palette, bool sunken) {
    const QColor outerTopLeft = sunken ? palette.dark().color() : palette.light().color();
    const QColor outerBottomRight = sunken ? palette.light().color() : palette.shadow().color();
    const QColor innerTopLeft = sunken ? palette.shadow().color() : palette.midlight().color();
    const QColor innerBottomRight = sunken ? palette.midlight().color() : palette.dark().color();
    if (!LargeEnough(area) ||
        !FillsAsLines(painter, {outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight})) {
        return qDrawWinPanel(&painter, area, palette, sunken);
    }
    FillWinShades(painter, area, outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight);
}

void DrawShadeRect(QPainter& painter, const QRect& area, const QPalette& palette, bool sunken,
                   const QRect& gap) {
    constexpr int kLineWidth = 1;
    constexpr int kMidLineWidth = 0;
    const QColor outer = sunken ? palette.dark().color() : palette.light().color();
    const QColor inner = sunken ? palette.light().color() : palette.dark().color();
    if (!LargeEnough(area) || !FillsAsLines(painter, {outer, inner})) {
        painter.save();
        if (!gap.isEmpty()) painter.setClipRegion(QRegion(area).subtracted(gap), Qt::IntersectClip);
        qDrawShadeRect(&painter, area, palette, sunken, kLineWidth, kMidLineWidth);
        painter.restore();
        return;
    }
    // An outline one pixel in from the right and bottom, then the inner line
    // along its top and left and the outer line along the right and bottom.
    const int x1 = area.left(), y1 = area.top(), x2 = area.right(), y2 = area.bottom();
    FillLine(painter, {x1, y1}, {x2 - 1, y1}, outer, gap);
    FillLine(painter, {x1, y2 - 1}, {x2 - 1, y2 - 1}, outer, gap);
    FillLine(painter, {x1, y1}, {x1, y2 - 1}, outer, gap);
    FillLine(painter, {x2 - 1, y1}, {x2 - 1, y2 - 1}, outer, gap);
    FillLine(painter, {x1 + 1, y1 + 1}, {x2 - 2, y1 + 1}, inner, gap);
    FillLine(painter, {x1 + 1, y1 + 2}, {x1 + 1, y2 - 2}, inner, gap);
    FillLine(painter, {x1, y2}, {x2, y2}, inner, gap);
    FillLine(painter, {x2, y1}, {x2, y2 - 1}, inner, gap);
}

}  // namespace controls::kinds
