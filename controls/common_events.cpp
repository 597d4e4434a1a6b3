// The common events, one table row per input that raises one.

#include "controls/common_events.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>
#include <array>
#include <span>

#include "controls/control_model.h"
#include "controls/event_arguments.h"
#include "forms/stored_values.h"

namespace controls {
namespace {

// A wheel notch.
constexpr int kWheelNotch = 120;

struct EventArgs {
    std::array<int32_t, 3> values{};
    size_t count = 0;
    std::span<const int32_t> span() const { return {values.data(), count}; }
};

using ArgsMaker = EventArgs (*)(const QEvent&, const QWidget& target, const QWidget& owner);

EventArgs NoArgs(const QEvent&, const QWidget&, const QWidget&) {
    return {};
}

// The point in the unit's control, and the modifiers.
EventArgs MouseArgs(const QEvent& event, const QWidget& target, const QWidget& owner) {
    const auto& mouse = static_cast<const QMouseEvent&>(event);
    const QPoint at = target.mapTo(&owner, mouse.position().toPoint());
    return {{at.x(), at.y(), ModifierState(mouse.modifiers())}, 3};
}

EventArgs KeyArgs(const QEvent& event, const QWidget&, const QWidget&) {
    const auto& key = static_cast<const QKeyEvent&>(event);
    return {{VirtualKeyCode(key.key(), key.modifiers()), ModifierState(key.modifiers())}, 2};
}

EventArgs WheelArgs(const QEvent& event, const QWidget&, const QWidget&) {
    const auto& wheel = static_cast<const QWheelEvent&>(event);
    return {{wheel.angleDelta().y() / kWheelNotch, ModifierState(wheel.modifiers())}, 2};
}

struct CommonEventRow {
    QEvent::Type type;
    // The button that makes a mouse event raise this one; none otherwise.
    Qt::MouseButton button;
    forms::CommonEvent common;
    ArgsMaker args;
};

using forms::CommonEvent;
constexpr std::array kCommonEvents = {
    CommonEventRow{QEvent::MouseButtonPress, Qt::LeftButton, CommonEvent::LeftDown, MouseArgs},
    CommonEventRow{QEvent::MouseButtonPress, Qt::RightButton, CommonEvent::RightDown, MouseArgs},
    CommonEventRow{QEvent::MouseButtonRelease, Qt::LeftButton, CommonEvent::LeftUp, MouseArgs},
    CommonEventRow{QEvent::MouseButtonRelease, Qt::RightButton, CommonEvent::RightUp, MouseArgs},
    CommonEventRow{QEvent::MouseButtonDblClick, Qt::LeftButton, CommonEvent::LeftDouble, MouseArgs},
    CommonEventRow{QEvent::MouseMove, Qt::NoButton, CommonEvent::MouseMove, MouseArgs},
    CommonEventRow{QEvent::FocusIn, Qt::NoButton, CommonEvent::GotFocus, NoArgs},
    CommonEventRow{QEvent::FocusOut, Qt::NoButton, CommonEvent::LostFocus, NoArgs},
    CommonEventRow{QEvent::KeyPress, Qt::NoButton, CommonEvent::KeyDown, KeyArgs},
    CommonEventRow{QEvent::KeyRelease, Qt::NoButton, CommonEvent::KeyUp, KeyArgs},
    CommonEventRow{QEvent::Wheel, Qt::NoButton, CommonEvent::Wheel, WheelArgs},
};

Qt::MouseButton ButtonOf(const QEvent& event) {
    const auto* mouse = dynamic_cast<const QMouseEvent*>(&event);
    return mouse != nullptr ? mouse->button() : Qt::NoButton;
}

// Opening a drop-down list keeps the focus with its box: no focus event.
bool IsPopupFocusChange(const QEvent& event) {
    const auto* focus = dynamic_cast<const QFocusEvent*>(&event);
    return focus != nullptr && focus->reason() == Qt::PopupFocusReason;
}

}  // namespace

void RaiseCommonEvent(uint32_t windowId, uint32_t unitId, const QWidget& target,
                      const QWidget& owner, const QEvent& event) {
    if (IsPopupFocusChange(event)) return;
    const Qt::MouseButton button = ButtonOf(event);
    const auto* row = std::find_if(kCommonEvents.begin(), kCommonEvents.end(), [&](const auto& r) {
        return r.type == event.type() && r.button == button;
    });
    if (row == kCommonEvents.end()) return;
    FireEvent(windowId, unitId, int32_t(row->common), row->args(event, target, owner).span());
    if (event.type() != QEvent::KeyPress) return;
    for (int32_t code : CharacterCodes(static_cast<const QKeyEvent&>(event).text())) {
        FireEvent(windowId, unitId, int32_t(CommonEvent::Character), {&code, 1});
    }
}

}  // namespace controls
