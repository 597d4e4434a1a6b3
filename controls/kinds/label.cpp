// The label kind "标签": a self-painted caption (see label.h) and its
// kind-specific properties.

#include "controls/kinds/label.h"

#include <QLinearGradient>
#include <QPainter>

#include "controls/kind_support.h"
#include "controls/kinds/core_kinds.h"

namespace controls::kinds {
namespace {

QColor Blend(QColor from, QColor to, double share) {
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * share),
                            float(from.greenF() + (to.greenF() - from.greenF()) * share),
                            float(from.blueF() + (to.blueF() - from.blueF()) * share));
}

// The colour at `share` (0-1) along a shade of two or three colours.
QColor ShadeAt(const std::vector<uint32_t>& colours, double share) {
    const double scaled = share * double(colours.size() - 1);
    const size_t first = std::min(size_t(scaled), colours.size() - 2);
    return Blend(platform::ColourFromStored(colours[first]),
                 platform::ColourFromStored(colours[first + 1]), scaled - double(first));
}

QWidget* Create(const CreateRequest& request) {
    return CreatePlaced<forms::LabelData>(request, [&](const forms::LabelData& data) {
        return new LabelWidget(data, request.parent);
    });
}

}  // namespace

std::vector<uint32_t> ShadeColours(const std::array<uint32_t, 3>& colours) {
    std::vector<uint32_t> given;
    for (uint32_t colour : colours) {
        if (colour != forms::kButtonFaceColour) given.push_back(colour);
    }
    return given;
}

LabelWidget::LabelWidget(const forms::LabelData& data, QWidget* parent) : QWidget(parent) {
    setData(data);
}

void LabelWidget::setData(const forms::LabelData& data) {
    data_ = data;
    caption_ = DisplayText(data_.caption);
    picture_ = data_.picture.empty() ? std::nullopt : platform::DecodePicture(data_.picture);
    setFont(platform::FontFromStored(data_.font));
    relayout();
    update();
}

int LabelWidget::borderWidth() const {
    if (data_.borderStyle == uint32_t(forms::BorderStyle::PaintedFrame))
        return int(data_.frameWidth);
    return FixedBorderWidth(data_.borderStyle);
}

void LabelWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void LabelWidget::relayout() {
    const int width = std::max(0, borderWidth());
    captionRect_ = rect().adjusted(width, width, -width, -width);
}

int LabelWidget::textFlags() const {
    const int flags = HorizontalAlignmentFlag(data_.horizontalAlignment);
    // A wrapped caption runs from the top; the vertical alignment applies to
    // a one-line caption only.
    if (data_.wordWrap != 0) return flags | Qt::TextWordWrap | Qt::AlignTop;
    return flags | VerticalAlignmentFlag(data_.verticalAlignment) | Qt::TextSingleLine;
}

void LabelWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBackground(painter);
    paintBorder(painter);
    paintCaption(painter);
}

void LabelWidget::paintBackground(QPainter& painter) const {
    // The label is opaque: a label lying over another control (the grey
    // "换算" masks over their buttons) covers it.
    painter.fillRect(rect(), platform::ColourFromStored(data_.backgroundColour));
    if (picture_) {
        switch (PictureMode(data_.pictureMode)) {
            case PictureMode::Stretched:
                painter.drawImage(rect(), *picture_);
                break;
            case PictureMode::Tiled:
                painter.drawTiledPixmap(rect(), QPixmap::fromImage(*picture_));
                break;
            case PictureMode::Centred: {
                QRect target = picture_->rect();
                target.moveCenter(rect().center());
                painter.drawImage(target, *picture_);
                break;
            }
            default:
                painter.drawImage(QPoint(0, 0), *picture_);
                break;
        }
        return;
    }
    const std::vector<uint32_t> colours = ShadeColours(data_.patternColours);
    if (Pattern(data_.backgroundPattern) == Pattern::None ||
        int(colours.size()) < kMinShadeColours) {
        return;
    }
    const bool vertical = Pattern(data_.backgroundPattern) == Pattern::Vertical;
    QLinearGradient gradient(QPointF(0, 0), vertical ? QPointF(0, height()) : QPointF(width(), 0));
    for (size_t i = 0; i < colours.size(); ++i) {
        gradient.setColorAt(double(i) / double(colours.size() - 1),
                            platform::ColourFromStored(colours[i]));
    }
    painter.fillRect(rect(), gradient);
}

void LabelWidget::paintBorder(QPainter& painter) const {
    if (data_.borderStyle != uint32_t(forms::BorderStyle::PaintedFrame)) {
        PaintBorder(painter, rect(), palette(), data_.borderStyle);
        return;
    }
    // The painted frame shades from the outer edge inwards.
    const std::vector<uint32_t> colours = ShadeColours(data_.frameColours);
    const int width = borderWidth();
    if (int(colours.size()) < kMinShadeColours || width <= 0) return;
    painter.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < width; ++ring) {
        const double share = width == 1 ? 0.0 : double(ring) / double(width - 1);
        painter.setPen(ShadeAt(colours, share));
        painter.drawRect(rect().adjusted(ring, ring, -ring - 1, -ring - 1));
    }
}

void LabelWidget::paintCaption(QPainter& painter) const {
    if (caption_.isEmpty()) return;
    const int flags = textFlags();
    painter.setFont(font());
    painter.setClipRect(captionRect_);
    if (data_.textEffect != kEffectNone && data_.textEffect < kTextEffects.size()) {
        const TextEffect& effect = kTextEffects[data_.textEffect];
        painter.setPen(platform::ColourFromStored(effect.shadowColour));
        painter.drawText(captionRect_.translated(effect.shadowOffset), flags, caption_);
        painter.setPen(platform::ColourFromStored(data_.textColour));
        painter.drawText(captionRect_.translated(effect.textOffset), flags, caption_);
        return;
    }
    painter.setPen(platform::ColourFromStored(data_.textColour));
    painter.drawText(captionRect_, flags, caption_);
}

KindDescriptor LabelKind() {
    return DescribeKind<LabelWidget>(Create);
}

}  // namespace controls::kinds
