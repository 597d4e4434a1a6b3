// The button kind "按钮": a push button that raises event 0 when clicked,
// painted the classic way (see button.h).

#include "controls/kinds/button.h"

#include <qdrawutil.h>

#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include "controls/control_model.h"
#include "controls/kind_support.h"
#include "controls/kinds/core_kinds.h"
#include "controls/kinds/label.h"

namespace controls::kinds {
namespace {

QWidget* Create(const CreateRequest& request) {
    return CreatePlaced<forms::ButtonData>(request, [&](const forms::ButtonData& data) {
        return new ButtonWidget(data, request.address, request.parent);
    });
}

}  // namespace

ButtonWidget::ButtonWidget(const forms::ButtonData& data, UnitAddress address, QWidget* parent)
    : QPushButton(parent), address_(address) {
    setData(data);
    connect(this, &QPushButton::clicked, this, [this] {
        FireEvent(address_.windowId, address_.unitId, int32_t(forms::ButtonEvent::Clicked));
    });
}

void ButtonWidget::setData(const forms::ButtonData& data) {
    data_ = data;
    setText(DisplayText(data_.caption));
    setFont(platform::FontFromStored(data_.font));
    setDefault(data_.defaultButton == forms::kDefaultPushButton);
    const std::optional<QImage> picture =
        data_.picture.empty() ? std::nullopt : platform::DecodePicture(data_.picture);
    setIcon(picture ? QIcon(QPixmap::fromImage(*picture)) : QIcon());
    if (picture) setIconSize(picture->size());
    update();
}

QRect ButtonWidget::faceRect() const {
    const int ring = isDefault() ? kDefaultRingWidth : 0;
    const int inset = ring + kButtonBevelWidth;
    return rect().adjusted(inset, inset, -inset, -inset);
}

int ButtonWidget::alignmentFlags() const {
    return Qt::TextShowMnemonic | Qt::TextSingleLine |
           HorizontalAlignmentFlag(data_.horizontalAlignment, Qt::AlignHCenter) |
           VerticalAlignmentFlag(data_.verticalAlignment);
}

void ButtonWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool pressed = isDown() || isChecked();
    painter.fillRect(rect(), palette().color(QPalette::Button));
    QRect outer = rect();
    if (isDefault()) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(outer.adjusted(0, 0, -1, -1));
        outer.adjust(kDefaultRingWidth, kDefaultRingWidth, -kDefaultRingWidth, -kDefaultRingWidth);
    }
    paintFrame(painter, outer, pressed);
    QRect face = faceRect();
    if (pressed) face.translate(kPressedShift, kPressedShift);
    paintContent(painter, face);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(
            faceRect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
    }
}

void ButtonWidget::paintFrame(QPainter& painter, QRect outer, bool pressed) const {
    if (!pressed) {
        qDrawWinButton(&painter, outer, palette(), false);
        return;
    }
    // A pressed button shows one flat dark line, its face shifted inside.
    painter.setPen(palette().color(QPalette::Dark));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outer.adjusted(0, 0, -1, -1));
}

void ButtonWidget::paintContent(QPainter& painter, QRect face) const {
    if (!icon().isNull()) {
        const QPixmap pixmap =
            icon().pixmap(iconSize(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
        QRect target(QPoint(0, 0), pixmap.deviceIndependentSize().toSize());
        target = QStyle::alignedRect(layoutDirection(), Qt::Alignment(alignmentFlags()),
                                     target.size(), face);
        painter.drawPixmap(target, pixmap);
        return;
    }
    painter.setFont(font());
    const int flags = alignmentFlags();
    if (!isEnabled()) {
        // Greyed the classic way: a light copy one pixel right and down
        // under the text in the shadow colour.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(face.translated(1, 1), flags, text());
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawText(face, flags, text());
        return;
    }
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(face, flags, text());
}

// Space presses the button; every other key is the window's.
bool ButtonWidget::wantsKey(int qtKey) const {
    return qtKey == Qt::Key_Space;
}

KindDescriptor ButtonKind() {
    return DescribeKind<ButtonWidget>(Create);
}

}  // namespace controls::kinds
