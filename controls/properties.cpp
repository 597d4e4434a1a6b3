// ReadProperty and WriteProperty: a property number resolved against a
// loaded window, served from the live control or the unit's record, and the
// payload converted by the property's value type.

#include <QMenuBar>
#include <algorithm>

#include "controls/accessible_names.h"
#include "controls/control_model.h"
#include "controls/events.h"
#include "controls/form_window.h"
#include "controls/kind_registry.h"
#include "controls/mouse_pointer.h"
#include "runtime/errors.h"
#include "runtime/heap.h"

namespace controls {
namespace {

namespace message = runtime::error_message;

// Widths and heights above this are stored as this.
constexpr int32_t kMaxExtent = 32627;

struct Target {
    FormWindow* window = nullptr;
    forms::Unit* unit = nullptr;
    bool isOwnUnit = false;
};

Target Resolve(uint32_t windowId, uint32_t unitId) {
    FormWindow* window = LoadedWindow(windowId);
    if (window == nullptr) runtime::FatalRuntimeErrorUtf8(message::WindowNotLoaded);
    forms::WindowRecord& record = window->record();
    forms::Unit* unit = unitId == 0 ? forms::UnitAt(record, 0) : forms::FindUnit(record, unitId);
    if (unit == nullptr) runtime::FatalRuntimeErrorUtf8(message::UnitNotInWindow);
    return {window, unit, unit == forms::UnitAt(record, 0)};
}

QWidget* LiveOf(const Target& target, const forms::UnitRecord& unit) {
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
forms::PropertyValue ValueOfPayload(forms::PropertyType type, runtime::Payload payload) {
    if (forms::IsTextType(type)) return forms::PropertyValue::Text(TextOf(payload));
    if (forms::IsBlockType(type)) {
        return forms::PropertyValue::Text(
            std::string(runtime::ByteSetBytes(runtime::BitsToPointer<void>(payload))));
    }
    if (type == forms::PropertyType::Logical)
        return forms::PropertyValue::Number(payload != 0 ? 1 : 0);
    if (type == forms::PropertyType::Double || type == forms::PropertyType::DateTime)
        return {payload, {}};
    return forms::PropertyValue::Number(SignExtended(payload));
}

// A property value read, as the caller receives it: texts and blocks as
// fresh heap blocks (null when empty).
runtime::Payload PayloadOfValue(forms::PropertyType type, const forms::PropertyValue& value) {
    if (forms::IsTextType(type)) return TextPayload(value.bytes);
    if (forms::IsBlockType(type)) return BlockPayload(value.bytes);
    if (type == forms::PropertyType::Logical) return value.number != 0 ? 1 : 0;
    if (type == forms::PropertyType::Double || type == forms::PropertyType::DateTime)
        return value.number;
    return runtime::Payload(SignExtended(value.number));
}

int32_t ClampedExtent(int32_t extent) {
    return std::clamp(extent, 0, kMaxExtent);
}

void SetFlag(uint32_t& flags, uint32_t bit, bool on) {
    flags = on ? (flags | bit) : (flags & ~bit);
}

runtime::Payload ReadMenuItem(const forms::MenuItemRecord& item, int32_t property) {
    switch (forms::MenuItemProperty(property)) {
        case forms::MenuItemProperty::Caption:
            return TextPayload(item.caption);
        case forms::MenuItemProperty::Ticked:
            return (item.flags & forms::kMenuTicked) != 0;
        case forms::MenuItemProperty::Disabled:
            return (item.flags & forms::kMenuDisabled) != 0;
        case forms::MenuItemProperty::Visible:
            return (item.flags & forms::kMenuHidden) == 0;
    }
    return 0;
}

void WriteMenuItem(FormWindow& window, forms::MenuItemRecord& item, int32_t property,
                   runtime::Payload payload) {
    const bool on = payload != 0;
    switch (forms::MenuItemProperty(property)) {
        case forms::MenuItemProperty::Caption: {
            std::string caption = TextOf(payload);
            if (caption == item.caption) return;
            item.caption = std::move(caption);
            break;
        }
        case forms::MenuItemProperty::Ticked:
            SetFlag(item.flags, forms::kMenuTicked, on);
            break;
        case forms::MenuItemProperty::Disabled:
            SetFlag(item.flags, forms::kMenuDisabled, on);
            break;
        case forms::MenuItemProperty::Visible:
            SetFlag(item.flags, forms::kMenuHidden, !on);
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

runtime::Payload ReadCommon(const Target& target, const forms::UnitRecord& unit, int32_t property) {
    QWidget* live = LiveOf(target, unit);
    const std::optional<QRect> geometry =
        live != nullptr ? std::optional(LiveGeometry(target, *live)) : std::nullopt;
    switch (forms::CommonProperty(property)) {
        case forms::CommonProperty::Left:
            return runtime::Payload(int64_t(geometry ? geometry->x() : unit.left));
        case forms::CommonProperty::Top:
            return runtime::Payload(int64_t(geometry ? geometry->y() : unit.top));
        case forms::CommonProperty::Width:
            return runtime::Payload(geometry ? geometry->width() : unit.width);
        case forms::CommonProperty::Height:
            return runtime::Payload(geometry ? geometry->height() : unit.height);
        case forms::CommonProperty::Tag:
            return TextPayload(unit.tag);
        case forms::CommonProperty::Visible:
            return live != nullptr ? !live->isHidden() : (unit.stateFlags & forms::kVisible) != 0;
        case forms::CommonProperty::Disabled:
            return live != nullptr ? !live->isEnabled() : (unit.stateFlags & forms::kDisabled) != 0;
        case forms::CommonProperty::MousePointer:
            return BlockPayload(std::string(unit.mousePointer.begin(), unit.mousePointer.end()));
    }
    return 0;
}

void ApplyGeometry(const Target& target, const forms::UnitRecord& unit) {
    QWidget* live = LiveOf(target, unit);
    if (live == nullptr) return;
    if (target.isOwnUnit) {
        target.window->move(unit.left, unit.top);
        return;
    }
    live->setGeometry(unit.left, unit.top, unit.width, unit.height);
}

void WriteCommon(const Target& target, forms::UnitRecord& unit, int32_t property,
                 runtime::Payload payload) {
    const int32_t number = int32_t(uint32_t(payload));
    switch (forms::CommonProperty(property)) {
        case forms::CommonProperty::Left:
            unit.left = number;
            return ApplyGeometry(target, unit);
        case forms::CommonProperty::Top:
            unit.top = number;
            return ApplyGeometry(target, unit);
        case forms::CommonProperty::Width:
            unit.width = ClampedExtent(number);
            return ApplyGeometry(target, unit);
        case forms::CommonProperty::Height:
            unit.height = ClampedExtent(number);
            return ApplyGeometry(target, unit);
        case forms::CommonProperty::Tag:
            unit.tag = TextOf(payload);
            return;
        case forms::CommonProperty::Visible:
            SetFlag(unit.stateFlags, forms::kVisible, payload != 0);
            if (target.isOwnUnit) return target.window->setVisible(payload != 0);
            return target.window->applyVisibility(unit.id);
        case forms::CommonProperty::Disabled:
            SetFlag(unit.stateFlags, forms::kDisabled, payload != 0);
            if (QWidget* live = LiveOf(target, unit)) live->setEnabled(payload == 0);
            return;
        case forms::CommonProperty::MousePointer: {
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
                                                      const forms::UnitRecord& unit) {
    QWidget* live = LiveOf(target, unit);
    if (live == nullptr) runtime::FatalRuntimeErrorUtf8(message::ControlWindowMissing);
    return {live, FindKindDescriptor(unit.kind)};
}

}  // namespace

runtime::Payload ReadUnitProperty(uint32_t windowId, uint32_t unitId, int32_t property,
                                  int32_t /*element*/) {
    const Target target = Resolve(windowId, unitId);
    if (const auto* item = std::get_if<forms::MenuItemRecord>(target.unit)) {
        return ReadMenuItem(*item, property);
    }
    const auto& unit = std::get<forms::UnitRecord>(*target.unit);
    if (property < forms::kFirstKindProperty) return ReadCommon(target, unit, property);
    const auto [live, kind] = KindTarget(target, unit);
    if (kind == nullptr || kind->routines.getProperty == nullptr) return 0;
    const forms::PropertyType type = PropertyTypeOf(*kind, property);
    return PayloadOfValue(type,
                          kind->routines.getProperty(live, property - forms::kFirstKindProperty));
}

void WriteUnitProperty(uint32_t windowId, uint32_t unitId, int32_t property, int32_t /*element*/,
                       runtime::Payload payload) {
    const Target target = Resolve(windowId, unitId);
    // Controls changed by a write raise no events while they change.
    const EventPause pause;
    if (auto* item = std::get_if<forms::MenuItemRecord>(target.unit)) {
        return WriteMenuItem(*target.window, *item, property, payload);
    }
    auto& unit = std::get<forms::UnitRecord>(*target.unit);
    if (property < forms::kFirstKindProperty) {
        WriteCommon(target, unit, property, payload);
    } else {
        const auto [live, kind] = KindTarget(target, unit);
        if (kind == nullptr || kind->routines.setProperty == nullptr) return;
        const forms::PropertyType type = PropertyTypeOf(*kind, property);
        kind->routines.setProperty(live, property - forms::kFirstKindProperty,
                                   ValueOfPayload(type, payload));
    }
    NameEditBoxesAfterWrite(*target.window, unit, property);
}

}  // namespace controls
