// The group box kind "分组框": a captioned frame (see group_box.h)
// and its kind-specific properties.

#include "controls/kinds/group_box.h"

#include <QEvent>
#include <QPainter>

#include "controls/kind_support.h"
#include "controls/kinds/borders.h"
#include "controls/kinds/core_kinds.h"

namespace controls::kinds {
namespace {

QWidget* Create(const CreateRequest& request) {
    return CreatePlaced<forms::GroupBoxData>(request, [&](const forms::GroupBoxData& data) {
        return new GroupBoxWidget(data, request.parent);
    });
}

}  // namespace

GroupBoxWidget::GroupBoxWidget(const forms::GroupBoxData& data, QWidget* parent)
    : QGroupBox(parent) {
    setData(data);
}

void GroupBoxWidget::setData(const forms::GroupBoxData& data) {
    data_ = data;
    setTitle(DisplayText(data_.caption));
    setFont(platform::FontFromStored(data_.font));
    ApplyColours(*this, QPalette::WindowText, data_.textColour, QPalette::Window,
                 data_.backgroundColour);
    // Without a colour of its own the box is see-through: its interior is
    // the page beneath, in the same colour as the labels on it.
    setAutoFillBackground(data_.backgroundColour != forms::kButtonFaceColour);
    relayout();
    update();
}

void GroupBoxWidget::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    relayout();
}

void GroupBoxWidget::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) relayout();
}

void GroupBoxWidget::relayout() {
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.height();
    frameRect_ = rect().adjusted(0, lineHeight / 2, 0, 0);
    captionRect_ = title().isEmpty() ? QRect()
                                     : QRect(kGroupCaptionIndent, 0,
                                             metrics.horizontalAdvance(title()), lineHeight);
}

void GroupBoxWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The etched line: a shadow line with a light line inside it.
    constexpr bool kSunken = true;
    const QRect gap = captionRect_.isEmpty() ? QRect()
                                             : captionRect_.adjusted(-kGroupCaptionPadding, 0,
                                                                     kGroupCaptionPadding, 0);
    DrawShadeRect(painter, frameRect_, palette(), kSunken, gap);
    if (captionRect_.isEmpty()) return;
    painter.setFont(font());
    // A disabled box greys its caption in the frame's shadow colour.
    painter.setPen(palette().color(isEnabled() ? QPalette::WindowText : QPalette::Dark));
    painter.drawText(captionRect_, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
}

KindDescriptor GroupBoxKind() {
    return DescribeKind<GroupBoxWidget>(Create);
}

}  // namespace controls::kinds
