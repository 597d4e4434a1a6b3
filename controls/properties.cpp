// ReadProperty and WriteProperty: a property number resolved against a
// loaded window, served from the live control or the unit's record, and the
// payload converted by the property's value type.

#include <QMenuBar>
#include <algorithm>

#include "controls/accessible_names.h"
#include "controls/control_model.h"
#include "controls/events.h"
#include "controls/kind_registry.h"
#include "controls/live_window.h"
#include "controls/mouse_pointer.h"
#include "runtime/errors.h"
#include "runtime/heap.h"

namespace forms {
namespace {

namespace message = runtime::error_message;

// Widths and heights above this are stored as this.
constexpr int32_t kMaxExtent = 32627;

struct Target {
    FormWindow* window = nullptr;
    Unit* unit = nullptr;
    bool isOwnUnit = false;
};

Target Resolve(uint32_t windowId, uint32_t unitId) {
    FormWindow* window = LoadedWindow(windowId);
    if (window == nullptr) runtime::FatalRuntimeErrorUtf8(message::WindowNotLoaded);
    WindowRecord& record = window->record();
    Unit* unit = unitId == 0 ? UnitAt(record, 0) : FindUnit(record, unitId);
    if (unit == nullptr) runtime::FatalRuntimeErrorUtf8(message::UnitNotInWindow);
    return {window, unit, unit == UnitAt(record, 0)};
}

QWidget* LiveOf(const Target& target, const UnitRecord& unit) {
    return target.isOwnUnit ? target.window : target.window->control(unit.id);
}

int64_t SignExtended(runtime::Payload payload) {
    return int64_t(int32_t(uint32_t(payload)));
}

std::string TextOf(runtime::Payload payload) {
    const char* text = runtime::BitsToPointer<const char>(payload);
    return text != nullptr ? std::string(text) : std::string();
}

runtime::Payload TextPayload(const std::string& text) {
    return runtime::PointerBits(runtime::MakeHeapText(text));
}

runtime::Payload BlockPayload(const std::string& bytes) {
    return runtime::PointerBits(runtime::MakeHeapByteSet(bytes.data(), int32_t(bytes.size())));
}

// A payload written to a property of the given type, as the kind sees it.
PropertyValue ValueOfPayload(PropertyType type, runtime::Payload payload) {
    if (IsTextType(type)) return PropertyValue::Text(TextOf(payload));
    if (IsBlockType(type)) {
        return PropertyValue::Text(
            std::string(runtime::ByteSetBytes(runtime::BitsToPointer<void>(payload))));
    }
    if (type == PropertyType::Logical) return PropertyValue::Number(payload != 0 ? 1 : 0);
    if (type == PropertyType::Double || type == PropertyType::DateTime) return {payload, {}};
    return PropertyValue::Number(SignExtended(payload));
}

// A property value read, as the caller receives it: texts and blocks as
// fresh heap blocks (null when empty).
runtime::Payload PayloadOfValue(PropertyType type, const PropertyValue& value) {
    if (IsTextType(type)) return TextPayload(value.bytes);
    if (IsBlockType(type)) return BlockPayload(value.bytes);
    if (type == PropertyType::Logical) return value.number != 0 ? 1 : 0;
    if (type == PropertyType::Double || type == PropertyType::DateTime) return value.number;
    return runtime::Payload(SignExtended(value.number));
}

int32_t ClampedExtent(int32_t extent) {
    return std::clamp(extent, 0, kMaxExtent);
}

void SetFlag(uint32_t& flags, uint32_t bit, bool on) {
    flags = on ? (flags | bit) : (flags & ~bit);
}

runtime::Payload ReadMenuItem(const MenuItemRecord& item, int32_t property) {
    switch (MenuItemProperty(property)) {
        case MenuItemProperty::Caption:
            return TextPayload(item.caption);
        case MenuItemProperty::Ticked:
            return (item.flags & kMenuTicked) != 0;
        case MenuItemProperty::Disabled:
            return (item.flags & kMenuDisabled) != 0;
        case MenuItemProperty::Visible:
            return (item.flags & kMenuHidden) == 0;
    }
    return 0;
}

void WriteMenuItem(FormWindow& window, MenuItemRecord& item, int32_t property,
                   runtime::Payload payload) {
    const bool on = payload != 0;
    switch (MenuItemProperty(property)) {
        case MenuItemProperty::Caption: {
            std::string caption = TextOf(payload);
            if (caption == item.caption) return;
            item.caption = std::move(caption);
            break;
        }
        case MenuItemProperty::Ticked:
            SetFlag(item.flags, kMenuTicked, on);
            break;
        case MenuItemProperty::Disabled:
            SetFlag(item.flags, kMenuDisabled, on);
            break;
        case MenuItemProperty::Visible:
            SetFlag(item.flags, kMenuHidden, !on);
            break;
        default:
            return;
    }
    window.rebuildMenu();
}

// The window's own unit reports its outer rectangle; a control its place
// in its parent's client area.
QRect LiveGeometry(const Target& target, QWidget& live) {
    return target.isOwnUnit ? target.window->frameGeometry() : live.geometry();
}

runtime::Payload ReadCommon(const Target& target, const UnitRecord& unit, int32_t property) {
    QWidget* live = LiveOf(target, unit);
    const std::optional<QRect> geometry =
        live != nullptr ? std::optional(LiveGeometry(target, *live)) : std::nullopt;
    switch (CommonProperty(property)) {
        case CommonProperty::Left:
            return runtime::Payload(int64_t(geometry ? geometry->x() : unit.left));
        case CommonProperty::Top:
            return runtime::Payload(int64_t(geometry ? geometry->y() : unit.top));
        case CommonProperty::Width:
            return runtime::Payload(geometry ? geometry->width() : unit.width);
        case CommonProperty::Height:
            return runtime::Payload(geometry ? geometry->height() : unit.height);
        case CommonProperty::Tag:
            return TextPayload(unit.tag);
        case CommonProperty::Visible:
            return live != nullptr ? !live->isHidden() : (unit.stateFlags & kVisible) != 0;
        case CommonProperty::Disabled:
            return live != nullptr ? !live->isEnabled() : (unit.stateFlags & kDisabled) != 0;
        case CommonProperty::MousePointer:
            return BlockPayload(std::string(unit.mousePointer.begin(), unit.mousePointer.end()));
    }
    return 0;
}

void ApplyGeometry(const Target& target, const UnitRecord& unit) {
    QWidget* live = LiveOf(target, unit);
    if (live == nullptr) return;
    if (target.isOwnUnit) {
        target.window->move(unit.left, unit.top);
        return;
    }
    live->setGeometry(unit.left, unit.top, unit.width, unit.height);
}

void WriteCommon(const Target& target, UnitRecord& unit, int32_t property,
                 runtime::Payload payload) {
    const int32_t number = int32_t(uint32_t(payload));
    switch (CommonProperty(property)) {
        case CommonProperty::Left:
            unit.left = number;
            return ApplyGeometry(target, unit);
        case CommonProperty::Top:
            unit.top = number;
            return ApplyGeometry(target, unit);
        case CommonProperty::Width:
            unit.width = ClampedExtent(number);
            return ApplyGeometry(target, unit);
        case CommonProperty::Height:
            unit.height = ClampedExtent(number);
            return ApplyGeometry(target, unit);
        case CommonProperty::Tag:
            unit.tag = TextOf(payload);
            return;
        case CommonProperty::Visible:
            SetFlag(unit.stateFlags, kVisible, payload != 0);
            if (target.isOwnUnit) return target.window->setVisible(payload != 0);
            return target.window->applyVisibility(unit.id);
        case CommonProperty::Disabled:
            SetFlag(unit.stateFlags, kDisabled, payload != 0);
            if (QWidget* live = LiveOf(target, unit)) live->setEnabled(payload == 0);
            return;
        case CommonProperty::MousePointer: {
            const std::string_view bytes =
                runtime::ByteSetBytes(runtime::BitsToPointer<void>(payload));
            unit.mousePointer.assign(bytes.begin(), bytes.end());
            const KindDescriptor* kind = FindKindDescriptor(unit.kind);
            if (QWidget* live = LiveOf(target, unit)) {
                ApplyMousePointer(*live, unit.mousePointer,
                                  kind != nullptr ? kind->ownPointer : std::nullopt);
            }
            return;
        }
    }
}

// The live control and its kind for a kind-specific property; a control
// that does not exist is the runtime error "指定窗口尚未载入".
std::pair<QWidget*, const KindDescriptor*> KindTarget(const Target& target,
                                                      const UnitRecord& unit) {
    QWidget* live = LiveOf(target, unit);
    if (live == nullptr) runtime::FatalRuntimeErrorUtf8(message::ControlWindowMissing);
    return {live, FindKindDescriptor(unit.kind)};
}

}  // namespace

runtime::Payload ReadUnitProperty(uint32_t windowId, uint32_t unitId, int32_t property,
                                  int32_t /*element*/) {
    const Target target = Resolve(windowId, unitId);
    if (const auto* item = std::get_if<MenuItemRecord>(target.unit)) {
        return ReadMenuItem(*item, property);
    }
    const auto& unit = std::get<UnitRecord>(*target.unit);
    if (property < kFirstKindProperty) return ReadCommon(target, unit, property);
    const auto [live, kind] = KindTarget(target, unit);
    if (kind == nullptr || kind->routines.getProperty == nullptr) return 0;
    const PropertyType type = PropertyTypeOf(*kind, property);
    return PayloadOfValue(type, kind->routines.getProperty(live, property - kFirstKindProperty));
}

void WriteUnitProperty(uint32_t windowId, uint32_t unitId, int32_t property, int32_t /*element*/,
                       runtime::Payload payload) {
    const Target target = Resolve(windowId, unitId);
    // Controls changed by a write raise no events while they change.
    const EventPause pause;
    if (auto* item = std::get_if<MenuItemRecord>(target.unit)) {
        return WriteMenuItem(*target.window, *item, property, payload);
    }
    auto& unit = std::get<UnitRecord>(*target.unit);
    if (property < kFirstKindProperty) {
        WriteCommon(target, unit, property, payload);
    } else {
        const auto [live, kind] = KindTarget(target, unit);
        if (kind == nullptr || kind->routines.setProperty == nullptr) return;
        const PropertyType type = PropertyTypeOf(*kind, property);
        kind->routines.setProperty(live, property - kFirstKindProperty,
                                   ValueOfPayload(type, payload));
    }
    NameEditBoxesAfterWrite(*target.window, unit, property);
}

}  // namespace forms
