#pragma once
// The control kinds as the live windows see them: a descriptor (names, flags,
// property value types) plus the interface routines that create a unit's
// control and move its kind-specific properties.
//
//   kind code ──► FindKindDescriptor ──► routines.create(kind data, geometry, parent)
//                                    └─► routines.setProperty / getProperty (n − 8)
//
// Every kind plugs in the same way: its library lists its descriptor
// function, the program's support-library table hands the list to the
// runtime, and the runtime registers the kinds of each library when it
// starts the library, before the first window is loaded.
// controls/kind_support.h says how a kind is written.

#include <qnamespace.h>

#include <QRect>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "forms/kind_properties.h"
#include "forms/kinds_table.h"
#include "forms/template.h"

class QWidget;

namespace controls {

// Where a unit lives: the events a control raises are addressed this way.
struct UnitAddress {
    uint32_t windowId = 0;
    uint32_t unitId = 0;
};

// Everything a create routine gets. The routine makes the control as a child
// of `parent` with the given geometry (relative to the parent) and returns
// it, or null when the kind data cannot be read. Visibility, the disabled
// state, the mouse pointer and stacking are applied by the caller.
struct CreateRequest {
    UnitAddress address;
    std::span<const uint8_t> kindData;
    QRect geometry;
    uint32_t stateFlags = 0;  // forms::StateFlag bits of the unit record
    QWidget* parent = nullptr;
};

struct KindRoutines {
    QWidget* (*create)(const CreateRequest& request) = nullptr;
    // Kind-specific properties, numbered from 0 (the property number − 8).
    void (*setProperty)(QWidget* control, int32_t index,
                        const forms::PropertyValue& value) = nullptr;
    forms::PropertyValue (*getProperty)(QWidget* control, int32_t index) = nullptr;
    // Every kind-specific property back to kind data (the current layout).
    forms::Bytes (*serialise)(QWidget* control) = nullptr;
    // Whether the control handles this key itself (a Qt::Key), before the
    // window's keyboard handling sees it. Null means it wants none.
    bool (*wantsKey)(QWidget* control, int qtKey) = nullptr;
    // The control holds tab stops of its own (as the month calendar's day
    // grid is one), so Tab stops at it whatever its unit's flags say.
    bool holdsTabStops = false;
};

struct KindDescriptor {
    uint32_t code = 0;             // library number << 16 | kind index
    std::string_view chineseName;  // UTF-8
    std::string_view englishName;
    uint32_t flags = 0;  // forms::kKindNeverVisible, forms::kKindRaisesEvents (kinds_table.h)
    // The value type of every property, common ones (0-7) included.
    std::span<const forms::PropertyType> properties;
    KindRoutines routines;
    // The pointer a control of this kind shows when its unit names none;
    // none means the pointer of whatever lies beneath.
    std::optional<Qt::CursorShape> ownPointer = std::nullopt;
};

// A kind's descriptor: names and flags from the kinds table.
KindDescriptor DescribeKind(forms::KindCode code, std::span<const forms::PropertyType> properties,
                            KindRoutines routines = {});

// The function that describes a kind, as the support-library table lists it.
using KindMaker = KindDescriptor (*)();

// Adds a kind, or replaces the one with the same code. The descriptor and
// the spans it refers to must outlive the program's windows.
void RegisterKind(const KindDescriptor& kind);
void RegisterKinds(std::span<const KindMaker> kinds);
// The registered kind, or null.
const KindDescriptor* FindKindDescriptor(uint32_t code);

// The type of property n of a kind; None when n is outside its table.
forms::PropertyType PropertyTypeOf(const KindDescriptor& kind, int32_t property);

}  // namespace controls
