#pragma once
// Mouse pointers stored in the template: an empty block (the kind's own
// pointer) or a 4-byte system cursor identifier, shown as the matching Qt
// cursor.

#include <qnamespace.h>

#include <optional>

#include "forms/stored_values.h"
#include "forms/template.h"

class QWidget;

namespace controls {

// Shows the stored pointer over the control; an empty or unknown one shows
// the kind's own pointer, or when the kind has none the pointer of whatever
// lies beneath.
void ApplyMousePointer(QWidget& control, const forms::Bytes& pointer,
                       std::optional<Qt::CursorShape> ownPointer = std::nullopt);

}  // namespace controls
