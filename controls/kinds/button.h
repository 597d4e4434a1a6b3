#pragma once
// The push button, painted the classic way: a flat face in the button-face
// colour inside a two-pixel raised bevel, a black ring around a default
// button, a flat sunken frame while pressed, and a dotted focus rectangle.
// A flat face lets a label laid over the button (the grey "换算" masks of
// the pressure page) blend with it. The caption or picture is placed by the
// button's own alignment properties.

#include <QPushButton>

#include "controls/kind_registry.h"
#include "forms/kind_data.h"

namespace controls::kinds {

// The ring drawn around a default push button.
inline constexpr int kDefaultRingWidth = 1;
// The raised bevel: a light and a dark line on each side.
inline constexpr int kButtonBevelWidth = 2;
// How far the dotted focus rectangle lies inside the bevel.
inline constexpr int kFocusInset = 1;
// How far the caption moves right and down while the button is pressed.
inline constexpr int kPressedShift = 1;

class ButtonWidget : public QPushButton {
public:
    ButtonWidget(const forms::ButtonData& data, UnitAddress address, QWidget* parent);

    const forms::ButtonData& data() const { return data_; }
    void setData(const forms::ButtonData& data);
    bool wantsKey(int qtKey) const;

    // The face inside the default ring and the bevel.
    QRect faceRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFrame(class QPainter& painter, QRect outer, bool pressed) const;
    void paintContent(QPainter& painter, QRect face) const;
    int alignmentFlags() const;

    UnitAddress address_;
    forms::ButtonData data_;
};

}  // namespace controls::kinds
