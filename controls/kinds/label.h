#pragma once
// The label: a self-painted caption over a background, a border, an optional
// picture or shaded pattern. The caption rectangle and the frame are
// computed when the size or a property changes, not while painting.

#include <QImage>
#include <QRect>
#include <QWidget>
#include <array>
#include <optional>

#include "controls/kinds/borders.h"
#include "forms/kind_data.h"

namespace controls::kinds {

// Text effects: where the shadow copy goes and where the text itself goes.
struct TextEffect {
    QPoint shadowOffset;
    QPoint textOffset;
    uint32_t shadowColour;
};
inline constexpr uint32_t kEffectNone = 0;
inline constexpr std::array<TextEffect, 4> kTextEffects = {{
    {{0, 0}, {0, 0}, forms::kWhite},  // none: no shadow is drawn
    {{1, 1}, {0, 0}, forms::kWhite},  // white copy one pixel right and down, under the text
    {{0, 0}, {1, 1}, forms::kWhite},  // white copy in place, the text one pixel right and down
    {{2, 2}, {0, 0}, forms::kBlack},  // black copy two pixels right and down, under the text
}};

// Background patterns: which way the shade runs.
enum class Pattern : uint32_t { None = 0, Horizontal = 1, Vertical = 2 };

// Picture modes: how a label's picture fills it.
enum class PictureMode : uint32_t { TopLeft = 0, Stretched = 1, Tiled = 2, Centred = 3 };

// A shade needs at least this many of its three colours given (not the
// button-face stand-in).
inline constexpr int kMinShadeColours = 2;

class LabelWidget : public QWidget {
public:
    LabelWidget(const forms::LabelData& data, QWidget* parent);

    const forms::LabelData& data() const { return data_; }
    // The caption as shown.
    const QString& caption() const { return caption_; }
    // Replaces the stored properties and recomputes the layout.
    void setData(const forms::LabelData& data);
    // The area the caption is laid out in.
    QRect captionRect() const { return captionRect_; }
    int borderWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void relayout();
    void paintBackground(class QPainter& painter) const;
    void paintBorder(QPainter& painter) const;
    void paintCaption(QPainter& painter) const;
    int textFlags() const;

    forms::LabelData data_;
    QString caption_;
    std::optional<QImage> picture_;
    QRect captionRect_;
};

// The given colours among a shade's three (button-face stand-ins left out).
std::vector<uint32_t> ShadeColours(const std::array<uint32_t, 3>& colours);

}  // namespace controls::kinds
