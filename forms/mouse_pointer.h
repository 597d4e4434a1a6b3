#pragma once
// Mouse pointers stored in the template: an empty block (the kind's own
// pointer) or a 4-byte system cursor identifier, shown as the matching Qt
// cursor.

#include "forms/template.h"

class QWidget;

namespace forms {

// System cursor identifiers the forms may store.
inline constexpr uint32_t kArrowPointer = 32512;
inline constexpr uint32_t kHandPointerId = 32649;

void ApplyMousePointer(QWidget& control, const Bytes& pointer);

}  // namespace forms
