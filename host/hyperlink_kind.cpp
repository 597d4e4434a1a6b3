// The hyperlink box kind "超级链接框": a link drawn as text that opens its
// web or mail address when clicked.

#include "host/hyperlink_kind.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/kinds/borders.h"
#include "controls/kinds/kind_support.h"
#include "host/kind_helpers.h"
#include "host/link_opener.h"
#include "platform/platform.h"

namespace runtime {
namespace {

using forms::PropertyValue;

static_assert(forms::kinds::kBorderWidths.size() == kMaxBorderStyle + 1);

// One centred line; "&" is shown as it is, never as a mnemonic marker.
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip;

QWidget* Create(const forms::CreateRequest& request) {
    const std::optional<forms::HyperLinkerData> data =
        forms::ReadKindData<forms::HyperLinkerData>(request.kindData);
    if (!data) return nullptr;
    auto* link = new HyperLinkControl(request.address, *data, request.parent);
    link->setGeometry(request.geometry);
    return link;
}

void SetProperty(QWidget* control, int32_t index, const PropertyValue& value) {
    auto* link = dynamic_cast<HyperLinkControl*>(control);
    if (link == nullptr) return;
    forms::HyperLinkerData data = link->data();
    forms::SetStoredProperty(data, index, value);
    link->setData(data);
}

PropertyValue GetProperty(QWidget* control, int32_t index) {
    const auto* link = dynamic_cast<const HyperLinkControl*>(control);
    return link != nullptr ? forms::GetStoredProperty(link->data(), index) : PropertyValue{};
}

forms::Bytes Serialise(QWidget* control) {
    const auto* link = dynamic_cast<const HyperLinkControl*>(control);
    return link != nullptr ? forms::WriteKindData(link->data()) : forms::Bytes{};
}

}  // namespace

std::optional<QString> LinkTarget(const forms::HyperLinkerData& data) {
    if (LinkType(data.linkType) == LinkType::Web) {
        if (data.webAddress.empty()) return std::nullopt;
        return GbkToQString(data.webAddress);
    }
    if (data.emailAddress.empty()) return std::nullopt;
    return QString::fromLatin1(kMailtoPrefix) + GbkToQString(data.emailAddress);
}

QString ShownLinkText(const forms::HyperLinkerData& data) {
    if (!data.caption.empty()) return GbkToQString(data.caption);
    const bool web = LinkType(data.linkType) == LinkType::Web;
    return GbkToQString(web ? data.webAddress : data.emailAddress);
}

forms::HyperLinkerData ClampedHyperLinkerData(forms::HyperLinkerData data) {
    data.linkType = ClampChoice(int32_t(data.linkType), kMaxLinkType);
    data.borderStyle = ClampChoice(int32_t(data.borderStyle), kMaxBorderStyle);
    return data;
}

HyperLinkControl::HyperLinkControl(forms::UnitAddress address, const forms::HyperLinkerData& data,
                                   QWidget* parent)
    : QWidget(parent), goneReport_(address) {
    // Pointer moves without a pressed button must arrive too: they keep the
    // hover state right when an enter event was missed.
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    forms::HyperLinkerData resolved = data;
    if (resolved.hoverColour == forms::kHighlightColour) {
        resolved.hoverColour = StoredFromColour(ColourFromStored(forms::kHighlightColour));
    }
    setData(resolved);
}

void HyperLinkControl::setData(const forms::HyperLinkerData& data) {
    data_ = ClampedHyperLinkerData(data);
    text_ = ShownLinkText(data_);
    setFont(FontFromStored(data_.font));
    relayout();
    update();
}

QColor HyperLinkControl::textColour() const {
    if (hovering_) return ColourFromStored(data_.hoverColour);
    return ColourFromStored(visited_ ? data_.visitedColour : data_.normalColour);
}

bool HyperLinkControl::openLink() {
    const std::optional<QString> target = LinkTarget(data_);
    visited_ = target && OpenLinkTarget(*target);
    update();
    return visited_;
}

void HyperLinkControl::relayout() {
    const int border = forms::kinds::FixedBorderWidth(data_.borderStyle);
    clientRect_ = rect().adjusted(border, border, -border, -border);
}

void HyperLinkControl::setHovering(bool hovering) {
    if (hovering == hovering_) return;
    hovering_ = hovering;
    update();
}

void HyperLinkControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ColourFromStored(data_.backgroundColour));
    forms::kinds::PaintBorder(painter, rect(), palette(), data_.borderStyle);
    painter.setFont(font());
    painter.setPen(textColour());
    painter.drawText(clientRect_, kTextFlags, text_);
}

void HyperLinkControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

// Qt reports the pointer entering and leaving the box reliably, which is
// what the mouse capture achieves on a platform without leave messages.
// The box does not grab the mouse: a grab that outlives the box (hidden,
// covered by a modal box, destroyed) would steal every click of the
// application, and the offscreen platform used by the tests cannot grab.
void HyperLinkControl::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    setHovering(true);
}

void HyperLinkControl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    setHovering(false);
}

// While a button is held Qt keeps sending moves to the box even outside it;
// those end the hover like a leave.
void HyperLinkControl::mouseMoveEvent(QMouseEvent* event) {
    setHovering(rect().contains(event->position().toPoint()));
    event->accept();
}

// The press is consumed here so that it never reaches the window beneath
// (which might otherwise start dragging the window).
void HyperLinkControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) openLink();
}

forms::KindDescriptor HyperLinkerKind() {
    forms::KindDescriptor kind =
        DescribeKind(forms::KindCode::HyperLinker, forms::PropertyTypes<forms::HyperLinkerData>(),
                     {Create, SetProperty, GetProperty, Serialise, nullptr});
    // A link shows the hand unless its unit names another pointer.
    kind.ownPointer = Qt::PointingHandCursor;
    return kind;
}

}  // namespace runtime
