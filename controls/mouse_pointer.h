#pragma once
// Mouse pointers stored in the template: an empty block (the kind's own
// pointer) or a 4-byte system cursor identifier, shown as the matching Qt
// cursor.

#include <qnamespace.h>

#include <optional>

#include "forms/template.h"

class QWidget;

namespace forms {

// System cursor identifiers the forms may store.
inline constexpr uint32_t kArrowPointer = 32512;
inline constexpr uint32_t kHandPointerId = 32649;

// Shows the stored pointer over the control; an empty or unknown one shows
// the kind's own pointer, or when the kind has none the pointer of whatever
// lies beneath.
void ApplyMousePointer(QWidget& control, const Bytes& pointer,
                       std::optional<Qt::CursorShape> ownPointer = std::nullopt);

}  // namespace forms
