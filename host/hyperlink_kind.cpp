// The hyperlink box kind "超级链接框" and its ten kind-specific properties.

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

using forms::HyperLinkerProperty;
using forms::PropertyType;
using forms::PropertyValue;

constexpr auto kProperties = WithCommonProperties(std::array{
    PropertyType::Text,        // 8 caption
    PropertyType::Choice,      // 9 link type
    PropertyType::Text,        // 10 e-mail address
    PropertyType::Text,        // 11 web address
    PropertyType::Colour,      // 12 normal colour
    PropertyType::Colour,      // 13 visited colour
    PropertyType::Colour,      // 14 hover colour
    PropertyType::BackColour,  // 15 background colour
    PropertyType::Choice,      // 16 border style
    PropertyType::Font,        // 17 font
});
static_assert(MatchesKindsTable<kProperties.size()>(forms::KindCode::HyperLinker));
static_assert(forms::kinds::kBorderWidths.size() == kMaxBorderStyle + 1);

// One centred line; "&" is shown as it is, never as a mnemonic marker.
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip;

void Set(forms::HyperLinkerData& d, int32_t index, const PropertyValue& value) {
    const uint32_t number = value.AsUnsigned();
    switch (index) {
        case KindIndex(HyperLinkerProperty::Caption):
            d.caption = value.bytes;
            break;
        case KindIndex(HyperLinkerProperty::LinkType):
            d.linkType = number;
            break;
        case KindIndex(HyperLinkerProperty::EmailAddress):
            d.emailAddress = value.bytes;
            break;
        case KindIndex(HyperLinkerProperty::WebAddress):
            d.webAddress = value.bytes;
            break;
        case KindIndex(HyperLinkerProperty::NormalColour):
            d.normalColour = number;
            break;
        case KindIndex(HyperLinkerProperty::VisitedColour):
            d.visitedColour = number;
            break;
        case KindIndex(HyperLinkerProperty::HoverColour):
            d.hoverColour = number;
            break;
        case KindIndex(HyperLinkerProperty::BackgroundColour):
            d.backgroundColour = number;
            break;
        case KindIndex(HyperLinkerProperty::BorderStyle):
            d.borderStyle = number;
            break;
        case KindIndex(HyperLinkerProperty::Font):
            d.font = forms::kinds::FontFromValue(value);
            break;
        default:
            break;
    }
}

PropertyValue Get(const forms::HyperLinkerData& d, int32_t index) {
    using V = PropertyValue;
    switch (index) {
        case KindIndex(HyperLinkerProperty::Caption):
            return V::Text(d.caption);
        case KindIndex(HyperLinkerProperty::LinkType):
            return V::Number(d.linkType);
        case KindIndex(HyperLinkerProperty::EmailAddress):
            return V::Text(d.emailAddress);
        case KindIndex(HyperLinkerProperty::WebAddress):
            return V::Text(d.webAddress);
        case KindIndex(HyperLinkerProperty::NormalColour):
            return V::Number(d.normalColour);
        case KindIndex(HyperLinkerProperty::VisitedColour):
            return V::Number(d.visitedColour);
        case KindIndex(HyperLinkerProperty::HoverColour):
            return V::Number(d.hoverColour);
        case KindIndex(HyperLinkerProperty::BackgroundColour):
            return V::Number(d.backgroundColour);
        case KindIndex(HyperLinkerProperty::BorderStyle):
            return V::Number(d.borderStyle);
        case KindIndex(HyperLinkerProperty::Font):
            return forms::kinds::ValueOfFont(d.font);
        default:
            return {};
    }
}

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
    Set(data, index, value);
    link->setData(data);
}

PropertyValue GetProperty(QWidget* control, int32_t index) {
    const auto* link = dynamic_cast<const HyperLinkControl*>(control);
    return link != nullptr ? Get(link->data(), index) : PropertyValue{};
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
        DescribeKind(forms::KindCode::HyperLinker, kProperties,
                     {Create, SetProperty, GetProperty, Serialise, nullptr});
    // A link shows the hand unless its unit names another pointer.
    kind.ownPointer = Qt::PointingHandCursor;
    return kind;
}

}  // namespace runtime
