// The window kind "窗口": the properties of a window's own unit, served by
// its FormWindow. The window itself is made by the window builder, so the
// kind has no create routine.

#include "controls/form_window.h"
#include "controls/kind_support.h"
#include "controls/kinds/core_kinds.h"

namespace controls {
namespace {

// Start positions read back from the live window state.
constexpr uint32_t kMinimized = 2;
constexpr uint32_t kMaximized = 3;

}  // namespace

// The start position reads the live state of a minimized or maximized
// window.
forms::PropertyValue FormWindow::kindProperty(int32_t index) const {
    if (forms::PropertyAtIndex<forms::WindowProperty>(index) ==
        forms::WindowProperty::StartPosition) {
        if (isMinimized()) return forms::PropertyValue::Number(kMinimized);
        if (isMaximized()) return forms::PropertyValue::Number(kMaximized);
    }
    return StoredProperty(*this, index);
}

namespace kinds {

KindDescriptor WindowKind() {
    return DescribeKind<FormWindow>(nullptr);
}

KindDescriptor MenuKind() {
    static constexpr forms::PropertyType kMenuProperties[] = {
        forms::PropertyType::Text, forms::PropertyType::Logical, forms::PropertyType::Logical,
        forms::PropertyType::Logical};
    return DescribeKind(forms::KindCode::Menu, kMenuProperties);
}

}  // namespace kinds
}  // namespace controls
