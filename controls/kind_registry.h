#pragma once
// The control kinds as the live windows see them: a descriptor (names, flags,
// property value types) plus the interface routines that create a unit's
// control and move its kind-specific properties.
//
//   kind code ──► FindKindDescriptor ──► routines.create(kind data, geometry, parent)
//                                    └─► routines.setProperty / getProperty (n − 8)
//
// The core runtime's kinds are registered by the registry itself; the kinds
// of the other support libraries (timer, transparent label, hyperlink box,
// the two lunar kinds) plug in with RegisterKind before the first window is
// loaded.

#include <qnamespace.h>

#include <QRect>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "forms/template.h"
#include "runtime/values.h"

class QWidget;

namespace forms {

// The value type code of a property table entry; it fixes how the payload
// of ReadProperty and WriteProperty is converted.
enum class PropertyType : uint16_t {
    None = 0,             // an entry without a value
    Integer = 1001,       // 32-bit signed
    Double = 1002,        // 64-bit floating point
    Logical = 1003,       // 0 or 1; any non-zero value written becomes 1
    DateTime = 1004,      // 64-bit
    Text = 1005,          // GBK text
    Choice = 1006,        // 32-bit index into the property's choices
    Picture = 1009,       // byte block holding an image file
    Icon = 1010,          // byte block holding a Windows icon file
    MousePointer = 1011,  // byte block: empty or a 4-byte system cursor identifier
    ByteBlock = 1012,     // byte block
    Font = 1013,          // 60-byte logical-font record
    Colour = 1014,        // 0x00BBGGRR
    Colour2 = 1015,       // 0x00BBGGRR
    Text2 = 1016,         // GBK text
    BackColour = 1017,    // 0x00BBGGRR; 0xFF000000 the button-face colour
    Text3 = 1018,         // GBK text
    Text4 = 1020,         // GBK text
    KindBlock = 1024,     // byte block defined by the kind (list items, tab pages)
};

bool IsTextType(PropertyType type);
bool IsBlockType(PropertyType type);

// A property value as a kind routine sees it: numbers (integers, logicals
// already 0/1, choices, colours, double and date-time bits) in `number`;
// texts (GBK) and byte blocks in `bytes`. The property table says which.
struct PropertyValue {
    runtime::Payload number = 0;
    std::string bytes;

    static PropertyValue Number(int64_t value) { return {runtime::Payload(value), {}}; }
    static PropertyValue Text(std::string value) { return {0, std::move(value)}; }
    int32_t AsInt() const { return int32_t(uint32_t(number)); }
    uint32_t AsUnsigned() const { return uint32_t(number); }
    bool AsBool() const { return number != 0; }
};

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
    uint32_t stateFlags = 0;  // StateFlag bits of the unit record
    QWidget* parent = nullptr;
};

struct KindRoutines {
    QWidget* (*create)(const CreateRequest& request) = nullptr;
    // Kind-specific properties, numbered from 0 (the property number − 8).
    void (*setProperty)(QWidget* control, int32_t index, const PropertyValue& value) = nullptr;
    PropertyValue (*getProperty)(QWidget* control, int32_t index) = nullptr;
    // Every kind-specific property back to kind data (the current layout).
    Bytes (*serialise)(QWidget* control) = nullptr;
    // Whether the control handles this key itself (a Qt::Key), before the
    // window's keyboard handling sees it. Null means it wants none.
    bool (*wantsKey)(QWidget* control, int qtKey) = nullptr;
};

struct KindDescriptor {
    uint32_t code = 0;             // library number << 16 | kind index
    std::string_view chineseName;  // UTF-8
    std::string_view englishName;
    uint32_t flags = 0;  // kKindNeverVisible, kKindRaisesEvents (kinds_table.h)
    // The value type of every property, common ones (0-7) included.
    std::span<const PropertyType> properties;
    KindRoutines routines;
    // The pointer a control of this kind shows when its unit names none;
    // none means the pointer of whatever lies beneath.
    std::optional<Qt::CursorShape> ownPointer = std::nullopt;
};

// Adds a kind, or replaces the one with the same code. The descriptor and
// the spans it refers to must outlive the program's windows.
void RegisterKind(const KindDescriptor& kind);
// The registered kind, or null.
const KindDescriptor* FindKindDescriptor(uint32_t code);

// The type of property n of a kind; None when n is outside its table.
PropertyType PropertyTypeOf(const KindDescriptor& kind, int32_t property);

// The types of the eight common properties, for the tables of kinds
// registered elsewhere.
inline constexpr PropertyType kCommonPropertyTypes[] = {
    PropertyType::Integer, PropertyType::Integer, PropertyType::Integer, PropertyType::Integer,
    PropertyType::Text,    PropertyType::Logical, PropertyType::Logical, PropertyType::MousePointer,
};

}  // namespace forms
