#pragma once
// How a control kind is written, and the helpers every kind shares.
//
// A kind is a widget class named for the kind's English name with "Widget"
// (ButtonWidget, TimerWidget, CnMonthCalendarWidget; the date box keeps the
// class name CCnCalendar its windows are known by), a create routine, and a
// descriptor function named for the kind with "Kind":
//
//   QWidget* Create(const CreateRequest& request);  // the control, or null
//   KindDescriptor ButtonKind() { return DescribeKind<ButtonWidget>(Create); }
//
// Each library lists its descriptor functions once (kCoreKinds in
// controls/kinds/core_kinds.h and its like); the program's support-library
// table hands the lists to the runtime, which registers a library's kinds
// when it starts the library.
//
// The widget serves the kind's own properties by index (the property
// number − 8):
//
//   Data data() const;  void setData(const Data&);   // the kind data record
//   PropertyValue kindProperty(int32_t index) const;             // optional
//   void setKindProperty(int32_t index, const PropertyValue&);   // optional
//   Bytes kindData() const;                                      // optional
//   bool wantsKey(int qtKey) const;                              // optional
//   static constexpr bool kHoldsTabStops = true;                 // optional
//
// Without the optional members the properties are the record's, through
// the kind's property table, and the kind data is the record written back.
// A kind whose data is no property-table record (the lunar kinds' persisted
// blocks) defines all three and needs no data() or setData().
// A widget with live properties (a box's text, a tab's page) defines
// kindProperty or setKindProperty for those and passes the rest on to
// StoredProperty or SetStoredPropertyOf. wantsKey says whether the control
// handles a key itself before the window's keyboard handling sees it;
// kHoldsTabStops that Tab stops at the control even when its unit is no
// tab stop.

#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <type_traits>
#include <utility>

#include "controls/kind_registry.h"
#include "forms/kind_data.h"
#include "forms/kind_tables.h"
#include "forms/kinds_table.h"
#include "platform/platform.h"

namespace controls {

// The stored text as Qt shows it: GBK decoded, CR LF line breaks as LF.
QString DisplayText(const std::string& gbk);
// The text of a control back to GBK, line breaks as CR LF again.
std::string StoredText(const QString& text);
// What a box can hold of a text: exactly what reads back from its GBK
// bytes. Characters GBK lacks become the "?" they are stored as, except
// invisible format characters (zero-width space, direction marks, soft
// hyphen), which are dropped so that no hidden "?" changes a value.
QString KeepableText(const QString& text);

// Text colour and background colour on a widget's palette.
void ApplyColours(QWidget& widget, QPalette::ColorRole textRole, uint32_t textColour,
                  QPalette::ColorRole backgroundRole, uint32_t backgroundColour);
// The stored 0x00BBGGRR form of a colour.
uint32_t StoredFromColour(const QColor& colour);

// A choice brought into 0…max: above the range gives max, below gives 0.
// Stored words are read as signed, so 0xFFFFFFFF counts as −1.
constexpr uint32_t ClampChoice(int32_t value, uint32_t max) {
    if (value < 0) return 0;
    return std::min(static_cast<uint32_t>(value), max);
}

// The keys with which a drop-down list steps through its items or opens.
bool IsListKey(int qtKey);

// The Qt flag of a stored text alignment (forms::Alignment); a stored value
// outside the three gives `otherwise`.
Qt::Alignment HorizontalAlignmentFlag(uint32_t alignment, Qt::Alignment otherwise = Qt::AlignLeft);
Qt::Alignment VerticalAlignmentFlag(uint32_t alignment);

// The create routine of most kinds: the control that `make` builds from the
// request's kind data record, placed at the request's geometry; null when
// the record does not read.
template <typename KindData, typename Make>
QWidget* CreatePlaced(const CreateRequest& request, Make make) {
    const std::optional<KindData> data = forms::ReadKindData<KindData>(request.kindData);
    if (!data) return nullptr;
    QWidget* control = make(*data);
    control->setGeometry(request.geometry);
    return control;
}

// The unit a control was created for. Events and the report of the
// control's end reach the runtime only while the window table holds this
// very control for the unit: a control whose window is already gone (or
// whose unit now has another control) stays silent.
class UnitLink {
public:
    UnitLink(UnitAddress address, const QWidget* control) : address_(address), control_(control) {}
    ~UnitLink();
    UnitLink(const UnitLink&) = delete;
    UnitLink& operator=(const UnitLink&) = delete;

    void Fire(int32_t event, std::span<const int32_t> args = {}) const;
    bool live() const;
    UnitAddress address() const { return address_; }

private:
    UnitAddress address_;
    const QWidget* control_;
};

// A property of a widget's kind data record, by index.
template <typename Widget>
forms::PropertyValue StoredProperty(const Widget& widget, int32_t index) {
    return forms::GetStoredProperty(widget.data(), index);
}

// Writes a property of a widget's kind data record and gives the widget
// the changed record.
template <typename Widget>
void SetStoredPropertyOf(Widget& widget, int32_t index, const forms::PropertyValue& value) {
    auto data = widget.data();
    forms::SetStoredProperty(data, index, value);
    widget.setData(data);
}

namespace kind_routines {

template <typename Widget>
void SetProperty(QWidget* control, int32_t index, const forms::PropertyValue& value) {
    auto* widget = dynamic_cast<Widget*>(control);
    if (widget == nullptr) return;
    if constexpr (requires { widget->setKindProperty(index, value); }) {
        widget->setKindProperty(index, value);
    } else {
        SetStoredPropertyOf(*widget, index, value);
    }
}

template <typename Widget>
forms::PropertyValue GetProperty(QWidget* control, int32_t index) {
    const auto* widget = dynamic_cast<const Widget*>(control);
    if (widget == nullptr) return {};
    if constexpr (requires { widget->kindProperty(index); }) {
        return widget->kindProperty(index);
    } else {
        return StoredProperty(*widget, index);
    }
}

template <typename Widget>
forms::Bytes Serialise(QWidget* control) {
    const auto* widget = dynamic_cast<const Widget*>(control);
    if (widget == nullptr) return {};
    if constexpr (requires { widget->kindData(); }) {
        return widget->kindData();
    } else {
        return forms::WriteKindData(widget->data());
    }
}

template <typename Widget>
bool WantsKey(QWidget* control, int qtKey) {
    const auto* widget = dynamic_cast<const Widget*>(control);
    return widget != nullptr && widget->wantsKey(qtKey);
}

}  // namespace kind_routines

// The interface routines of a kind whose controls are Widgets.
template <typename Widget>
KindRoutines RoutinesOf(QWidget* (*create)(const CreateRequest&)) {
    KindRoutines routines{create, kind_routines::SetProperty<Widget>,
                          kind_routines::GetProperty<Widget>, kind_routines::Serialise<Widget>};
    if constexpr (requires(const Widget& widget) { widget.wantsKey(0); }) {
        routines.wantsKey = kind_routines::WantsKey<Widget>;
    }
    if constexpr (requires { Widget::kHoldsTabStops; }) {
        routines.holdsTabStops = Widget::kHoldsTabStops;
    }
    return routines;
}

// A kind's descriptor: names and flags from the kinds table, the property
// types given, routines for controls that are Widgets.
template <typename Widget>
KindDescriptor DescribeKind(forms::KindCode code, std::span<const forms::PropertyType> properties,
                            QWidget* (*create)(const CreateRequest&)) {
    return DescribeKind(code, properties, RoutinesOf<Widget>(create));
}

// The descriptor of a kind whose Widgets hold a kind data record: the kind
// code and the property types come from the record's type.
template <typename Widget>
KindDescriptor DescribeKind(QWidget* (*create)(const CreateRequest&)) {
    using Data = std::remove_cvref_t<decltype(std::declval<const Widget&>().data())>;
    return DescribeKind<Widget>(Data::kKind, forms::PropertyTypes<Data>(), create);
}

}  // namespace controls
