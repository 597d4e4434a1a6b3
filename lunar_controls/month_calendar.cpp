#include "lunar_controls/month_calendar.h"

#include <QApplication>
#include <QComboBox>
#include <array>

#include "forms/kinds_table.h"
#include "platform/platform.h"
#include "runtime/datetime.h"

namespace lunar_controls {
namespace {

using T = forms::PropertyType;
// The common properties, then own indexes 0-21 (numbers 8-29).
constexpr std::array kProperties = {
    T::Integer,  T::Integer,      T::Integer, T::Integer, T::Text,    T::Logical,
    T::Logical,  T::MousePointer,                                                 // 0-7
    T::DateTime, T::Integer,      T::Integer, T::Integer, T::Logical, T::Choice,  // 8-13
    T::Text,     T::Text,         T::Text,    T::Text,    T::Text,                // 14-18
    T::Integer,  T::Integer,      T::Integer,                                     // 19-21
    T::None,     T::None,         T::None,                                        // 22-24
    T::Text,     T::Text,                                                         // 25-26
    T::None,     T::None,                                                         // 27-28
    T::Logical,                                                                   // 29
};
static_assert(kProperties.size() ==
              size_t(forms::FindKind(uint32_t(forms::KindCode::CnMonthCalendar))->propertyCount));

QWidget* Create(const controls::CreateRequest& request) {
    auto* control = new CnMonthCalendarWidget(ReadMonthCalendarBlock(request.kindData),
                                              request.address, request.parent);
    control->move(request.geometry.topLeft());
    return control;
}

}  // namespace

CnMonthCalendarWidget::CnMonthCalendarWidget(const MonthCalendarBlock& block,
                                             controls::UnitAddress address, QWidget* parent)
    : QWidget(parent), link_(address, this), dateTime_(block.dateTime) {
    panel_ = new CalendarPanel(CalendarPanel::Form::Embedded, this);
    fitToPanel();
    panel_->show();
    grid().SetOwner(this);
    const lunar::SolarDate stored = DateOfDateTime(block.dateTime);
    grid().SetSolarDate(stored, true);
    // A stored date the grid refuses leaves it on today.
    if (!SameDay(dateTime_, grid().solarDate())) dateTime_ = runtime::NowDateTime();
    setLayoutMode(block.layoutMode);
    setHeaderShown(block.headerShown != 0);
    panel_->SetTemplate(block.formatTemplate);
    showHeaderText();
}

// The control always has the panel's size: resizes from outside are
// answered by the fixed size.
void CnMonthCalendarWidget::fitToPanel() {
    setFixedSize(CalendarPanel::PanelSize(headerShown_));
}

void CnMonthCalendarWidget::setLayoutMode(int32_t mode) {
    layoutMode_ = mode;
    panel_->SetGregorianLayout(mode == kGregorianLayoutMode);
    panel_->BuildSelectors();
    panel_->KeepSelectorsInStep();
}

void CnMonthCalendarWidget::setHeaderShown(bool shown) {
    headerShown_ = shown;
    panel_->SetHeaderShown(shown);
    fitToPanel();
    updateFocusEntry();
}

void CnMonthCalendarWidget::showHeaderText() {
    panel_->UpdateHeaderText();
    headerText_ = panel_->headerText();
    setWindowTitle(platform::GbkToQString(headerText_));
}

bool CnMonthCalendarWidget::event(QEvent* event) {
    if (event->type() != GridNoticeEvent::kType) return QWidget::event(event);
    onGridNotice(*static_cast<GridNoticeEvent*>(event));
    return true;
}

void CnMonthCalendarWidget::onGridNotice(const GridNoticeEvent& notice) {
    switch (notice.code) {
        case GridNotice::Clicked:
            link_.Fire(int32_t(MonthCalendarEvent::Clicked));
            break;
        case GridNotice::Hovered:
            link_.Fire(int32_t(MonthCalendarEvent::Hovered), LunarDateArgs(notice.dateTime));
            break;
        case GridNotice::DateChanged:
            dateChanged();
            break;
        case GridNotice::RightClicked:
            link_.Fire(int32_t(MonthCalendarEvent::RightClicked), LunarDateArgs(notice.dateTime));
            break;
    }
}

void CnMonthCalendarWidget::dateChanged() {
    FollowGridDay(dateTime_, grid());
    panel_->KeepSelectorsInStep();
    showHeaderText();
    link_.Fire(int32_t(MonthCalendarEvent::DateChanged));
}

forms::PropertyValue CnMonthCalendarWidget::kindProperty(int32_t index) const {
    const auto property = forms::PropertyAtIndex<LunarProperty>(index);
    if (auto value = ReadDateProperty(panel_->grid(), property)) return *value;
    switch (property) {
        case LunarProperty::LayoutMode:
            return forms::PropertyValue::Number(layoutMode_);
        case LunarProperty::FormatTemplate:
            return forms::PropertyValue::Text(panel_->templateText());
        case LunarProperty::ShownText:
            return forms::PropertyValue::Text(headerText_);
        case LunarProperty::HeaderShown:
            return forms::PropertyValue::Number(headerShown_ ? 1 : 0);
        default:
            return {};
    }
}

void CnMonthCalendarWidget::setKindProperty(int32_t index, const forms::PropertyValue& value) {
    const auto property = forms::PropertyAtIndex<LunarProperty>(index);
    if (WriteDateProperty(grid(), property, value, dateTime_)) return;
    switch (property) {
        case LunarProperty::LayoutMode:
            setLayoutMode(value.AsInt());
            break;
        case LunarProperty::FormatTemplate:
            panel_->SetTemplate(value.bytes);
            showHeaderText();
            break;
        case LunarProperty::HeaderShown:
            setHeaderShown(value.AsBool());
            break;
        default:
            break;
    }
}

MonthCalendarBlock CnMonthCalendarWidget::block() const {
    return {.dateTime = dateTime_,
            .layoutMode = layoutMode_,
            .formatTemplate = panel_->templateText(),
            .headerShown = headerShown_ ? 1 : 0};
}

// A selector with the focus keeps the keys that move through its list, and
// the grid those that move its day; the window would otherwise take the
// arrows to move the focus. Tab moves between the panel's own stops before
// the window moves the keyboard on.
bool CnMonthCalendarWidget::wantsKey(int qtKey) const {
    const QWidget* focus = QApplication::focusWidget();
    if (!isAncestorOf(focus)) return false;
    if (qtKey == Qt::Key_Tab) return panel_->neighbourStop(1) != nullptr;
    if (qtKey == Qt::Key_Backtab) return panel_->neighbourStop(-1) != nullptr;
    if (focus == &panel_->grid()) return IsGridKey(qtKey);
    return qobject_cast<const QComboBox*>(focus) != nullptr && controls::IsListKey(qtKey);
}

// The window gives the keyboard to the panel's first stop.
void CnMonthCalendarWidget::updateFocusEntry() {
    setFocusPolicy(Qt::TabFocus);
    setFocusProxy(panel_->focusStops().front());
}

forms::Bytes CnMonthCalendarWidget::kindData() const {
    return WriteMonthCalendarBlock(block());
}

controls::KindDescriptor CnMonthCalendarKind() {
    return controls::DescribeKind<CnMonthCalendarWidget>(forms::KindCode::CnMonthCalendar,
                                                         kProperties, Create);
}

}  // namespace lunar_controls
