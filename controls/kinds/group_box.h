#pragma once
// The group box: a classic dialog group box painted by itself. An etched
// (two-tone) rectangle whose top line runs through the middle of the
// caption's line, the caption interrupting it near the left corner, and an
// interior that shows the page beneath unless the box has a background
// colour of its own. The frame and the caption gap are computed when the
// size or a property changes, not while painting. Children are placed
// relative to the box's outer corner, caption included.

#include <QGroupBox>
#include <QRect>

#include "forms/kind_data.h"

namespace controls::kinds {

// Where the caption starts, from the box's left edge.
inline constexpr int kGroupCaptionIndent = 8;
// The gap the frame leaves on each side of the caption's text.
inline constexpr int kGroupCaptionPadding = 2;

class GroupBoxWidget : public QGroupBox {
public:
    GroupBoxWidget(const forms::GroupBoxData& data, QWidget* parent);

    const forms::GroupBoxData& data() const { return data_; }
    // Replaces the stored properties and recomputes the frame.
    void setData(const forms::GroupBoxData& data);

    // The etched frame's outer rectangle: its top line lies half a caption
    // line below the box's top edge.
    QRect frameRect() const { return frameRect_; }
    // Where the caption's text is drawn; empty without a caption.
    QRect captionRect() const { return captionRect_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void relayout();

    forms::GroupBoxData data_;
    QRect frameRect_;
    QRect captionRect_;
};

}  // namespace controls::kinds
