// The hyperlink box kind "超级链接框": a link drawn as text that opens its
// web or mail address when clicked.

#include "extended_controls/hyperlinker.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/kind_support.h"
#include "controls/kinds/borders.h"
#include "extended_controls/link_opener.h"
#include "platform/platform.h"

namespace extended_controls {
namespace {

static_assert(controls::kinds::kBorderWidths.size() == kMaxBorderStyle + 1);

// One centred line; "&" is shown as it is, never as a mnemonic marker.
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip;

QWidget* Create(const controls::CreateRequest& request) {
    return controls::CreatePlaced<forms::HyperLinkerData>(
        request, [&](const forms::HyperLinkerData& data) {
            return new HyperLinkerWidget(request.address, data, request.parent);
        });
}

}  // namespace

std::optional<QString> LinkTarget(const forms::HyperLinkerData& data) {
    if (LinkType(data.linkType) == LinkType::Web) {
        if (data.webAddress.empty()) return std::nullopt;
        return platform::GbkToQString(data.webAddress);
    }
    if (data.emailAddress.empty()) return std::nullopt;
    return QString::fromLatin1(kMailtoPrefix) + platform::GbkToQString(data.emailAddress);
}

QString ShownLinkText(const forms::HyperLinkerData& data) {
    if (!data.caption.empty()) return platform::GbkToQString(data.caption);
    const bool web = LinkType(data.linkType) == LinkType::Web;
    return platform::GbkToQString(web ? data.webAddress : data.emailAddress);
}

forms::HyperLinkerData ClampedHyperLinkerData(forms::HyperLinkerData data) {
    data.linkType = controls::ClampChoice(int32_t(data.linkType), kMaxLinkType);
    data.borderStyle = controls::ClampChoice(int32_t(data.borderStyle), kMaxBorderStyle);
    return data;
}

HyperLinkerWidget::HyperLinkerWidget(controls::UnitAddress address,
                                     const forms::HyperLinkerData& data, QWidget* parent)
    : QWidget(parent), link_(address, this) {
    // Pointer moves without a pressed button must arrive too: they keep the
    // hover state right when an enter event was missed.
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    forms::HyperLinkerData resolved = data;
    if (resolved.hoverColour == forms::kHighlightColour) {
        resolved.hoverColour =
            controls::StoredFromColour(platform::ColourFromStored(forms::kHighlightColour));
    }
    setData(resolved);
}

void HyperLinkerWidget::setData(const forms::HyperLinkerData& data) {
    data_ = ClampedHyperLinkerData(data);
    text_ = ShownLinkText(data_);
    setFont(platform::FontFromStored(data_.font));
    relayout();
    update();
}

QColor HyperLinkerWidget::textColour() const {
    if (hovering_) return platform::ColourFromStored(data_.hoverColour);
    return platform::ColourFromStored(visited_ ? data_.visitedColour : data_.normalColour);
}

bool HyperLinkerWidget::openLink() {
    const std::optional<QString> target = LinkTarget(data_);
    visited_ = target && OpenLinkTarget(*target);
    update();
    return visited_;
}

void HyperLinkerWidget::relayout() {
    const int border = controls::kinds::FixedBorderWidth(data_.borderStyle);
    clientRect_ = rect().adjusted(border, border, -border, -border);
}

void HyperLinkerWidget::setHovering(bool hovering) {
    if (hovering == hovering_) return;
    hovering_ = hovering;
    update();
}

void HyperLinkerWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), platform::ColourFromStored(data_.backgroundColour));
    controls::kinds::PaintBorder(painter, rect(), palette(), data_.borderStyle);
    painter.setFont(font());
    painter.setPen(textColour());
    painter.drawText(clientRect_, kTextFlags, text_);
}

void HyperLinkerWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

// Qt reports the pointer entering and leaving the box reliably, which is
// what the mouse capture achieves on a platform without leave messages.
// The box does not grab the mouse: a grab that outlives the box (hidden,
// covered by a modal box, destroyed) would steal every click of the
// application, and the offscreen platform used by the tests cannot grab.
void HyperLinkerWidget::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    setHovering(true);
}

void HyperLinkerWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    setHovering(false);
}

// While a button is held Qt keeps sending moves to the box even outside it;
// those end the hover like a leave.
void HyperLinkerWidget::mouseMoveEvent(QMouseEvent* event) {
    setHovering(rect().contains(event->position().toPoint()));
    event->accept();
}

// The press is consumed here so that it never reaches the window beneath
// (which might otherwise start dragging the window).
void HyperLinkerWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) openLink();
}

controls::KindDescriptor HyperLinkerKind() {
    controls::KindDescriptor kind = controls::DescribeKind<HyperLinkerWidget>(Create);
    // A link shows the hand unless its unit names another pointer.
    kind.ownPointer = Qt::PointingHandCursor;
    return kind;
}

}  // namespace extended_controls
