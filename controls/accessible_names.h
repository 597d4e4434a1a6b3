#pragma once
// Accessible names of the edit boxes, read from the layout as a sighted user
// reads a row: the caption of the label to the box's left and the unit label
// to its right, e.g. "相对湿度 %"; buttons that share a caption take their
// row's caption too, e.g. "换算 巴(bar)", and a combo box its row's caption
// with the word for unit, e.g. "请输入压力值 单位". Edit boxes whose row names
// repeat in the window take their group box's caption first, e.g.
// "带压换算 相对湿度 %".
//
//   window units ──► visible neighbours in the box's container ──► EditBoxName
//                ──► accessible name of the box and of its editor
//
// The forms carry no names for assistive technology, and the captions beside
// the boxes change at run time (the input caption follows the chosen
// quantity), so the names are derived from the live layout and derived again
// whenever a write changes a label's caption, place or visibility.

#include <QRect>
#include <QString>
#include <cstdint>
#include <span>

#include "forms/template.h"

class QWidget;

namespace controls {

class FormWindow;

// A visible control in the same container as the edit box.
struct RowNeighbour {
    QRect place;
    bool isLabel = false;
    QString caption;
};

// The name of an edit box at `box` among its neighbours. A neighbour lies on
// the box's row when its vertical centre lies within the box's height. On each
// side only the labels nearer than the first other control count (so a button
// between the box and a label hides the label), and of those the one whose
// vertical centre is nearest the box's centre (a raised exponent "2" beside a
// unit name loses to the unit name). The caption loses a trailing colon; left
// caption and right unit are joined by one space. Empty when no label counts.
QString EditBoxName(const QRect& box, std::span<const RowNeighbour> neighbours);

// The name of an edit box that no label names (a read-only text of its own):
// its first line up to a colon, "注" for "注：...", or empty when the first
// line has none (the box is then named after its window).
QString HeadingOf(const QString& text);

// Names every edit box of `window` whose container is `container`, or every
// edit box of the window when `container` is null, and the buttons there
// that share their caption with another.
void NameEditBoxes(FormWindow& window, const QWidget* container = nullptr);
// Names again what a write of `property` to `unit` may have renamed: the
// edit boxes beside a label whose caption, place or visibility changed, or
// an edit box that moved or whose editor was made anew. Writes of anything
// else (a result text, a colour) leave the names alone, so that the engine's
// many result writes cost nothing here.
void NameEditBoxesAfterWrite(FormWindow& window, const forms::UnitRecord& unit, int32_t property);

}  // namespace controls
