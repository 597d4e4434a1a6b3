#pragma once
// The form template: the embedded byte block that describes every window,
// every unit in it and which engine procedure handles which unit event.
//
//   bytes ──► ParseTemplate ──► TemplateData (plain records) ──► RebaseHandlers
//                                       ▲                              │
//   TemplateData ──► WriteTemplate ─────┘ (build-time tool)            ▼
//                                                          window table, controls
//
// The records here hold the stored fields only; widget code creates controls
// from them and never reads the bytes again. Stored words that are always
// zero (reserved words, object and menu slots) are not kept: the writer
// emits zeros there and the reader skips them.
//
// Byte layout (all integers little-endian; texts GBK):
//   template    = u32 N, N/8 window IDs, N/8 object slots, N/8 window records
//   window      = u32 word A, u32 module ID, TEXT text 1, TEXT text 2,
//                 u32 unit count M, BLOB unit block
//   unit block  = M unit IDs, M record offsets (from the records area, which
//                 starts 8·M bytes into the block), then per unit u32 R + R bytes
//   TEXT        = u32 length + bytes (a NUL inside ends the text when read)
//   BLOB        = u32 length + bytes
//   TEXTLIST    = u16 count (0xFFFF: u32 count follows) + that many TEXTs
//   CSTR        = NUL-terminated bytes

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "runtime/services.h"

namespace forms {

using Bytes = std::vector<uint8_t>;

// A stored handler offset that binds no procedure.
inline constexpr int32_t kNoHandler = -1;

// One event binding of a control-type unit. `handlerOffset` is the stored
// value: the bound engine procedure's distance, counted in entries, from the
// start of the engine's procedure table (0 is the first procedure; -1 none).
// `handler` is filled by RebaseHandlers: the table entry, or null for none.
struct EventBinding {
    int32_t event = 0;
    int32_t handlerOffset = kNoHandler;
    const runtime::EngineProcedure* handler = nullptr;
    bool operator==(const EventBinding&) const = default;
};

// A control-type unit: the window's own unit (0x06xxxxxx) or a control
// (0x16xxxxxx).
struct UnitRecord {
    uint32_t id = 0;
    uint32_t kind = 0;        // kind code, see kinds_table.h
    uint32_t eventOwner = 0;  // unit whose handlers serve this one; 0 = its own
    std::string name;         // GBK, e.g. "编辑框30"
    std::string remark;       // GBK
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    uint32_t parent = 0;  // container unit ID; 0 = the window itself
    // Units placed in this container; a tab control's list is split into
    // pages by 0 entries, page 0 first.
    std::vector<uint32_t> children;
    Bytes mousePointer;       // empty, or a u32 system cursor identifier
    std::string tag;          // GBK
    uint32_t stateFlags = 0;  // see StateFlag
    std::vector<EventBinding> events;
    Bytes kindData;  // the kind's stored properties, see kind_data.h
    bool operator==(const UnitRecord&) const = default;
};

// Bits of UnitRecord::stateFlags.
enum StateFlag : uint32_t {
    kVisible = 1u << 0,
    kDisabled = 1u << 1,
    kTabStop = 1u << 2,
};

// A menu item unit (0x26xxxxxx). Menu items follow the window's controls in
// menu order: a level-0 item, then the level-1 items of its drop-down.
struct MenuItemRecord {
    uint32_t id = 0;
    uint32_t kind = 0;
    uint32_t eventOwner = 0;
    std::string name;                                   // GBK; empty for every stored item
    std::string remark;                                 // GBK
    uint32_t level = 0;                                 // 0 = menu bar item, 1 = drop-down item
    uint32_t flags = 0;                                 // see MenuFlag
    std::string caption;                                // GBK, e.g. "退出"
    int32_t handlerOffset = kNoHandler;                 // as EventBinding::handlerOffset
    const runtime::EngineProcedure* handler = nullptr;  // filled by RebaseHandlers
    // Slots of the menu builder; the last but one is the shortcut key
    // selection (0 = none). Zero in every stored record.
    std::array<uint32_t, 4> trailing{};
    bool operator==(const MenuItemRecord&) const = default;
};

// Bits of MenuItemRecord::flags.
enum MenuFlag : uint32_t {
    kMenuHidden = 1u << 0,
    kMenuDisabled = 1u << 1,
    kMenuTicked = 1u << 2,
};

using Unit = std::variant<UnitRecord, MenuItemRecord>;

struct WindowRecord {
    uint32_t windowId = 0;  // 0x52xxxxxx
    uint32_t wordA = 0;     // carried, not interpreted
    uint32_t moduleId = 0;  // 0x19010000 range; carried, not interpreted
    std::string text1;
    std::string text2;
    std::vector<Unit> units;  // unit 0 is the window's own unit
    bool operator==(const WindowRecord&) const = default;
};

struct TemplateData {
    std::vector<WindowRecord> windows;
    bool operator==(const TemplateData&) const = default;
};

// Unit IDs: valid when the low 24 bits and bits 24-27 are non-zero; a menu
// item when bits 24-27 are 6 and bits 28-31 are 2.
bool IsValidUnitId(uint32_t id);
bool IsMenuItemId(uint32_t id);
// An ID as error messages show it: "0x" and eight upper-case hex digits.
std::string HexId(uint32_t id);

uint32_t UnitId(const Unit& unit);

// Parses a whole template block. Any truncated or malformed part (lengths or
// offsets beyond their block, counts that cannot fit, an unterminated CSTR,
// N not a multiple of 8, invalid unit IDs) gives nullopt. An empty block
// gives a template without windows.
std::optional<TemplateData> ParseTemplate(std::span<const uint8_t> bytes);

// The unit walk over one record's data: fixed fields, the two CSTRs, then
// the control or menu fields. nullopt when the record is malformed.
std::optional<Unit> ParseUnit(uint32_t id, std::span<const uint8_t> record);

// Replaces every stored handler offset by its procedure table entry: -1
// becomes null, any other offset v the entry procedures[v]. Returns false,
// leaving `data` untouched, when an offset lies outside the table.
bool RebaseHandlers(TemplateData& data, std::span<const runtime::EngineProcedure> procedures);

// Start-up's template loader: an empty block loads nothing; otherwise the
// block is parsed and rebased, and a failure ends the program with the
// runtime error "载入窗口模板数据段出错!".
TemplateData LoadTemplate(std::span<const uint8_t> bytes,
                          std::span<const runtime::EngineProcedure> procedures);

// Lookups. A null result when nothing matches.
const WindowRecord* FindWindow(const TemplateData& data, uint32_t windowId);
WindowRecord* FindWindow(TemplateData& data, uint32_t windowId);
const Unit* UnitAt(const WindowRecord& window, size_t index);
Unit* UnitAt(WindowRecord& window, size_t index);
const Unit* FindUnit(const WindowRecord& window, uint32_t unitId);
Unit* FindUnit(WindowRecord& window, uint32_t unitId);
// The control unit of an ID; null for a menu item or an unknown ID.
const UnitRecord* FindUnitRecord(const WindowRecord& window, uint32_t unitId);

}  // namespace forms
