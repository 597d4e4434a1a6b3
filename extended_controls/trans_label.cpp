// The transparent label kind "透明标签": a caption drawn over whatever lies
// beneath it.

#include "extended_controls/trans_label.h"

#include <QMoveEvent>
#include <QPainter>

#include "controls/kind_support.h"
#include "controls/kinds/label.h"
#include "platform/platform.h"

namespace extended_controls {
namespace {

static_assert(controls::kinds::kTextEffects.size() == kMaxTextEffect + 1);

// Wrapped text runs from the top; only a single line takes the vertical
// alignment. The caption is never clipped to the layout rectangle.
int TextFlagsOf(const forms::TransLabelData& data) {
    const int flags =
        controls::HorizontalAlignmentFlag(data.horizontalAlignment) | Qt::TextDontClip;
    if (data.wordWrap != 0) return flags | Qt::TextWordWrap | Qt::AlignTop;
    return flags | Qt::TextSingleLine | controls::VerticalAlignmentFlag(data.verticalAlignment);
}

QWidget* Create(const controls::CreateRequest& request) {
    return controls::CreatePlaced<forms::TransLabelData>(
        request, [&](const forms::TransLabelData& data) {
            return new TransLabelWidget(request.address, data, request.parent);
        });
}

}  // namespace

forms::TransLabelData ClampedTransLabelData(forms::TransLabelData data) {
    data.textEffect = controls::ClampChoice(int32_t(data.textEffect), kMaxTextEffect);
    data.horizontalAlignment =
        controls::ClampChoice(int32_t(data.horizontalAlignment), kMaxAlignment);
    data.verticalAlignment = controls::ClampChoice(int32_t(data.verticalAlignment), kMaxAlignment);
    return data;
}

TransLabelWidget::TransLabelWidget(controls::UnitAddress address, const forms::TransLabelData& data,
                                   QWidget* parent)
    : QWidget(parent), link_(address, this) {
    // No background of its own: the parent and the siblings beneath show
    // through. Mouse input still reaches the label, which raises the common
    // events like any control.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    data_ = ClampedTransLabelData(data);
    relayout();
}

void TransLabelWidget::setData(const forms::TransLabelData& data) {
    data_ = ClampedTransLabelData(data);
    relayout();
    redrawBeneath(geometry());
}

void TransLabelWidget::relayout() {
    caption_ = controls::DisplayText(data_.caption);
    textFlags_ = TextFlagsOf(data_);
    setFont(platform::FontFromStored(data_.font));
}

// Qt's backing store paints a widget that does not fill its background on
// top of its parent and the siblings beneath, so updating the parent's area
// under the label repaints everything there, the label included, in
// stacking order; no walk over the overlapping windows is needed.
void TransLabelWidget::redrawBeneath(const QRect& area) {
    if (QWidget* parent = parentWidget()) parent->update(area);
    update();
}

void TransLabelWidget::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    redrawBeneath(QRect(event->oldPos(), size()));
    redrawBeneath(geometry());
}

void TransLabelWidget::paintEvent(QPaintEvent*) {
    if (caption_.isEmpty()) return;
    QPainter painter(this);
    painter.setFont(font());
    const QColor textColour = platform::ColourFromStored(data_.textColour);
    const controls::kinds::TextEffect& effect = controls::kinds::kTextEffects[data_.textEffect];
    if (data_.textEffect != controls::kinds::kEffectNone) {
        painter.setPen(platform::ColourFromStored(effect.shadowColour));
        painter.drawText(rect().translated(effect.shadowOffset), textFlags_, caption_);
    }
    painter.setPen(textColour);
    painter.drawText(rect().translated(effect.textOffset), textFlags_, caption_);
}

controls::KindDescriptor TransLabelKind() {
    return controls::DescribeKind<TransLabelWidget>(Create);
}

}  // namespace extended_controls
