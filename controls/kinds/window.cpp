// The window kind "窗口": the properties of a window's own unit, served by
// its FormWindow. The window itself is made by the window builder, so the
// kind has no create routine.

#include "controls/kinds/core_kinds.h"
#include "controls/kinds/kind_support.h"
#include "controls/live_window.h"

namespace forms::kinds {
namespace {

// Start positions read back from the live window state.
constexpr uint32_t kMinimized = 2;
constexpr uint32_t kMaximized = 3;

void SetProperty(QWidget* control, int32_t index, const PropertyValue& value) {
    auto* window = dynamic_cast<FormWindow*>(control);
    if (window == nullptr) return;
    WindowData d = window->data();
    SetStoredProperty(d, index, value);
    window->setData(d);
}

// The start position reads the live state of a minimized or maximized
// window.
PropertyValue GetProperty(QWidget* control, int32_t index) {
    auto* window = dynamic_cast<FormWindow*>(control);
    if (window == nullptr) return {};
    if (PropertyAtIndex<WindowProperty>(index) == WindowProperty::StartPosition) {
        if (window->isMinimized()) return PropertyValue::Number(kMinimized);
        if (window->isMaximized()) return PropertyValue::Number(kMaximized);
    }
    return GetStoredProperty(window->data(), index);
}

Bytes Serialise(QWidget* control) {
    const auto* window = dynamic_cast<const FormWindow*>(control);
    return window != nullptr ? WriteKindData(window->data()) : Bytes{};
}

}  // namespace

KindParts WindowKind() {
    return {PropertyTypes<WindowData>(), {nullptr, SetProperty, GetProperty, Serialise, nullptr}};
}

KindParts MenuKind() {
    static constexpr PropertyType kMenuProperties[] = {
        PropertyType::Text, PropertyType::Logical, PropertyType::Logical, PropertyType::Logical};
    return {kMenuProperties, {}};
}

}  // namespace forms::kinds
