#include "lunar_controls/date_box.h"

#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <array>

#include "forms/kinds_table.h"
#include "platform/platform.h"
#include "runtime/datetime.h"

namespace lunar_controls {
namespace {

using namespace date_box_layout;

using T = forms::PropertyType;
// The common properties, then own indexes 0-18 (numbers 8-26).
constexpr std::array kProperties = {
    T::Integer,  T::Integer,      T::Integer, T::Integer, T::Text,    T::Logical,
    T::Logical,  T::MousePointer,                                                  // 0-7
    T::DateTime, T::Integer,      T::Integer, T::Integer, T::Logical, T::Choice,   // 8-13
    T::Text,     T::Text,         T::Text,    T::Text,    T::Text,                 // 14-18
    T::Integer,  T::Integer,      T::Integer, T::Integer, T::Integer, T::Integer,  // 19-24
    T::Text,     T::Text,                                                          // 25-26
};
static_assert(kProperties.size() ==
              size_t(forms::FindKind(uint32_t(forms::KindCode::CnCalendar))->propertyCount));

ScreenSizeSource& ScreenSource() {
    static ScreenSizeSource source = platform::ScreenSize;
    return source;
}

QWidget* Create(const controls::CreateRequest& request) {
    auto* control =
        new CCnCalendar(ReadDateBoxBlock(request.kindData), request.address, request.parent);
    QRect geometry = request.geometry;
    if (geometry.isEmpty()) geometry.setSize(kDefaultSize);
    control->setGeometry(geometry);
    // A control created disabled has its button disabled with it.
    control->setEnabled((request.stateFlags & forms::kDisabled) == 0);
    return control;
}

}  // namespace

QPoint DropDownPosition(QSize screen, QSize dropDown, const QRect& box) {
    // Right and bottom edges as the window system counts them: one past the
    // last pixel of the box.
    const int boxRight = box.x() + box.width();
    const int boxBottom = box.y() + box.height();
    int x = box.x();
    if (screen.width() - box.x() < dropDown.width()) x = boxRight - dropDown.width();
    int y = boxBottom;
    if (screen.height() - boxBottom < dropDown.height()) y = box.y() - dropDown.height();
    return {std::max(x, 0), std::max(y, 0)};
}

void SetScreenSizeSource(ScreenSizeSource source) {
    ScreenSource() = source != nullptr ? source : platform::ScreenSize;
}

CCnCalendar::CCnCalendar(const DateBoxBlock& block, controls::UnitAddress address, QWidget* parent)
    : QFrame(parent),
      link_(address, this),
      panel_(std::make_unique<CalendarPanel>(CalendarPanel::Form::DropDown)),
      dateTime_(block.dateTime),
      template_(block.formatTemplate) {
    // The sunken two-pixel edge of a field; the client area lies inside it.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(2);
    setCursor(Qt::ArrowCursor);
    button_ = new QPushButton(QStringLiteral("..."), this);
    button_->setObjectName(QStringLiteral("button%1").arg(kButtonId));
    button_->setFont(platform::DefaultGuiFont());
    button_->setFocusPolicy(Qt::StrongFocus);
    button_->setAccessibleName(QString::fromUtf16(kButtonName));
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(button_);
    connect(button_, &QPushButton::clicked, this, [this] { OpenDropDown(); });
    panel_->SetCancelHandler([this] { CloseDropDown(true); });

    grid().SetOwner(this);
    const lunar::SolarDate stored = DateOfDateTime(block.dateTime);
    grid().SetSolarDate(stored, true);
    if (!SameDay(dateTime_, grid().solarDate())) dateTime_ = runtime::NowDateTime();
    setLayoutMode(block.layoutMode);
    panel_->SetTemplate(template_);
    updateDisplayedText();
}

bool CCnCalendar::dropDownOpen() const {
    return panel_->isVisible() && !panel_->closing();
}

QRect CCnCalendar::buttonRect() const {
    const QRect client = contentsRect();
    return {client.x() + client.width() - kButtonWidth, client.y(), kButtonWidth, client.height()};
}

void CCnCalendar::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    button_->setGeometry(buttonRect());
}

void CCnCalendar::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect client = contentsRect();
    // The field is drawn in the colours of a text field: its base and text
    // roles, the text greyed with the control.
    painter.fillRect(client, palette().color(QPalette::Active, QPalette::Base));
    QFont font = platform::DefaultGuiFont();
    font.setPixelSize(kFontPixels);
    painter.setFont(font);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    const QRect textArea(QPoint(client.left() + kTextLeftInset, client.top()),
                         QPoint(buttonRect().left() - 1, client.bottom()));
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     platform::GbkToQString(displayedText_));
}

void CCnCalendar::updateDisplayedText() {
    const lunar::SolarDate& date = grid().solarDate();
    displayedText_ =
        lunar::FormatLunarDay(date.year, date.month, date.day, EffectiveTemplate(template_));
    setWindowTitle(platform::GbkToQString(displayedText_));
    update();
}

void CCnCalendar::setLayoutMode(int32_t mode) {
    layoutMode_ = mode;
    panel_->SetGregorianLayout(mode == kGregorianLayoutMode);
}

void CCnCalendar::OpenDropDown() {
    if (dropDownOpen()) return;
    QPointer<CCnCalendar> self(this);
    link_.Fire(int32_t(DateBoxEvent::DropDownOpening));
    if (self == nullptr || dropDownOpen()) return;
    boxOnScreen_ = QRect(mapToGlobal(QPoint(0, 0)), size());
    panel_->BuildSelectors();
    panel_->KeepSelectorsInStep();
    panel_->UpdateHeaderText();
    panel_->SetSavedDate(grid().solarDate());
    panel_->SetClosing(false);
    panel_->move(DropDownPosition(ScreenSource()(), panel_->size(), boxOnScreen_));
    panel_->show();
    // The keys typed while the drop-down is open are its grid's.
    grid().setFocus(Qt::PopupFocusReason);
}

void CCnCalendar::CloseDropDown(bool cancel) {
    if (!panel_->isVisible() || panel_->closing()) return;
    panel_->SetClosing(true);
    QPointer<CCnCalendar> self(this);
    link_.Fire(int32_t(DateBoxEvent::DropDownClosed));
    if (self == nullptr) return;
    if (cancel) grid().SetSolarDate(panel_->savedDate(), false);
    updateDisplayedText();
    panel_->hide();
}

bool CCnCalendar::event(QEvent* event) {
    if (event->type() != GridNoticeEvent::kType) return QFrame::event(event);
    onGridNotice(*static_cast<GridNoticeEvent*>(event));
    return true;
}

void CCnCalendar::onGridNotice(const GridNoticeEvent& notice) {
    switch (notice.code) {
        case GridNotice::Clicked: {
            QPointer<CCnCalendar> self(this);
            link_.Fire(int32_t(DateBoxEvent::Clicked));
            if (self != nullptr) CloseDropDown(false);
            break;
        }
        case GridNotice::Hovered:
            link_.Fire(int32_t(DateBoxEvent::Hovered), LunarDateArgs(notice.dateTime));
            break;
        case GridNotice::DateChanged: {
            FollowGridDay(dateTime_, grid());
            QPointer<CCnCalendar> self(this);
            link_.Fire(int32_t(DateBoxEvent::DateChanged));
            if (self == nullptr || !dropDownOpen()) break;
            updateDisplayedText();
            // The keys move the day across months with the drop-down open.
            panel_->KeepSelectorsInStep();
            panel_->UpdateHeaderText();
            break;
        }
        case GridNotice::RightClicked:
            break;
    }
}

forms::PropertyValue CCnCalendar::kindProperty(int32_t index) const {
    const auto property = forms::PropertyAtIndex<LunarProperty>(index);
    if (auto value = ReadDateProperty(panel_->grid(), property)) return *value;
    switch (property) {
        case LunarProperty::LayoutMode:
            return forms::PropertyValue::Number(layoutMode_);
        case LunarProperty::FormatTemplate:
            return forms::PropertyValue::Text(template_);
        case LunarProperty::ShownText:
            return forms::PropertyValue::Text(displayedText_);
        default:
            return {};
    }
}

void CCnCalendar::setKindProperty(int32_t index, const forms::PropertyValue& value) {
    const auto property = forms::PropertyAtIndex<LunarProperty>(index);
    if (WriteDateProperty(grid(), property, value, dateTime_)) {
        updateDisplayedText();
        return;
    }
    switch (property) {
        case LunarProperty::LayoutMode:
            setLayoutMode(value.AsInt());
            break;
        case LunarProperty::FormatTemplate:
            template_ = value.bytes;
            panel_->SetTemplate(template_);
            updateDisplayedText();
            break;
        default:
            break;
    }
}

DateBoxBlock CCnCalendar::block() const {
    return {.dateTime = dateTime_, .layoutMode = layoutMode_, .formatTemplate = template_};
}

forms::Bytes CCnCalendar::kindData() const {
    return WriteDateBoxBlock(block());
}

controls::KindDescriptor CnCalendarKind() {
    return controls::DescribeKind<CCnCalendar>(forms::KindCode::CnCalendar, kProperties, Create);
}

}  // namespace lunar_controls
