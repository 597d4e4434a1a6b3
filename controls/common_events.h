#pragma once
// The common events: the mouse, keyboard, focus and wheel input every unit
// raises, whatever its kind, with its arguments in the engine's units.

#include <QEvent>
#include <cstdint>

class QWidget;

namespace controls {

// Raises the common event that an input event makes for a unit, if any:
// `target` is the widget the input reached and `owner` the unit's control,
// whose coordinates the mouse events give. A key press raises its
// character events after its key-down event.
void RaiseCommonEvent(uint32_t windowId, uint32_t unitId, const QWidget& target,
                      const QWidget& owner, const QEvent& event);

}  // namespace controls
