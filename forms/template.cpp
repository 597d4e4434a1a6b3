#include "forms/template.h"

#include <algorithm>

#include "forms/template_archive.h"
#include "forms/template_layout.h"
#include "runtime/errors.h"

namespace forms {
namespace {

constexpr uint32_t kUnitIndexMask = 0x00FFFFFF;
constexpr uint32_t kUnitClassShift = 24;
constexpr uint32_t kUnitGroupShift = 28;
constexpr uint32_t kMenuItemClass = 6;
constexpr uint32_t kMenuItemGroup = 2;

using layout::kEventListReserved;
using layout::kEventPairSize;
using layout::kUnitHeaderReserved;
using layout::kUnitTableEntrySize;
using layout::kWindowTableEntrySize;

void ReadControlFields(ArchiveReader& in, UnitRecord& unit) {
    in.Skip(sizeof(uint32_t));  // object slot
    unit.left = in.I32();
    unit.top = in.I32();
    unit.width = in.I32();
    unit.height = in.I32();
    in.Skip(sizeof(uint32_t));  // reserved
    unit.parent = in.U32();
    const uint32_t childCount = in.U32();
    if (!in.CanHold(childCount, sizeof(uint32_t))) return in.Fail();
    unit.children.resize(childCount);
    for (uint32_t& child : unit.children) child = in.U32();
    in.Blob(unit.mousePointer);
    in.CString(unit.tag);
    in.Skip(sizeof(uint32_t));  // word 1
    unit.stateFlags = in.U32();
    in.Skip(sizeof(uint32_t));  // word 2
    const uint32_t eventCount = in.U32();
    if (!in.CanHold(eventCount, kEventPairSize)) return in.Fail();
    unit.events.resize(eventCount);
    for (EventBinding& binding : unit.events) {
        binding.event = in.I32();
        binding.handlerOffset = in.I32();
    }
    in.Skip(kEventListReserved);
    const std::span<const uint8_t> kindData = in.Rest();
    unit.kindData.assign(kindData.begin(), kindData.end());
}

void ReadMenuFields(ArchiveReader& in, MenuItemRecord& item) {
    in.Skip(sizeof(uint32_t));  // menu slot
    item.level = in.U32();
    item.flags = in.U32();
    in.CString(item.caption);
    item.handlerOffset = in.I32();
    for (uint32_t& word : item.trailing) word = in.U32();
}

// The fields that both record types start with.
template <typename Record>
void ReadCommonHead(ArchiveReader& in, Record& record) {
    record.kind = in.U32();
    record.eventOwner = in.U32();
    in.Skip(kUnitHeaderReserved);
    in.CString(record.name);
    in.CString(record.remark);
}

template <typename Record, typename ReadFields>
std::optional<Unit> ReadRecord(uint32_t id, std::span<const uint8_t> data, ReadFields readFields) {
    ArchiveReader in(data);
    Record record;
    record.id = id;
    ReadCommonHead(in, record);
    readFields(in, record);
    if (!in.Ok()) return std::nullopt;
    return Unit(std::move(record));
}

// The unit block: M IDs, M offsets, then the records area.
bool ReadUnitBlock(std::span<const uint8_t> block, uint32_t unitCount, std::vector<Unit>& units) {
    ArchiveReader table(block);
    if (!table.CanHold(unitCount, kUnitTableEntrySize)) return false;
    std::vector<uint32_t> ids(unitCount);
    std::vector<uint32_t> offsets(unitCount);
    for (uint32_t& id : ids) id = table.U32();
    for (uint32_t& offset : offsets) offset = table.U32();
    const std::span<const uint8_t> area = block.subspan(size_t(unitCount) * kUnitTableEntrySize);
    units.reserve(unitCount);
    for (uint32_t k = 0; k < unitCount; ++k) {
        if (!IsValidUnitId(ids[k]) || offsets[k] > area.size()) return false;
        ArchiveReader record(area.subspan(offsets[k]));
        const std::span<const uint8_t> data = record.BlobView();
        if (!record.Ok()) return false;
        std::optional<Unit> unit = ParseUnit(ids[k], data);
        if (!unit) return false;
        units.push_back(std::move(*unit));
    }
    return true;
}

std::optional<WindowRecord> ReadWindow(ArchiveReader& in, uint32_t windowId) {
    WindowRecord window;
    window.windowId = windowId;
    window.wordA = in.U32();
    window.moduleId = in.U32();
    in.Text(window.text1);
    in.Text(window.text2);
    const uint32_t unitCount = in.U32();
    const std::span<const uint8_t> block = in.BlobView();
    if (!in.Ok() || !ReadUnitBlock(block, unitCount, window.units)) return std::nullopt;
    return window;
}

// Whether a stored handler offset binds nothing or names a table entry.
bool IsRebasable(int32_t offset, size_t procedureCount) {
    return offset == kNoHandler || (offset >= 0 && size_t(offset) < procedureCount);
}

// The procedure table entry for a rebasable offset; null for no handler.
const runtime::EngineProcedure* Rebased(int32_t offset,
                                        std::span<const runtime::EngineProcedure> procedures) {
    return offset == kNoHandler ? nullptr : &procedures[size_t(offset)];
}

// Applies `visit(offset, handler)` to every handler of the template.
template <typename Visit>
void ForEachHandler(TemplateData& data, Visit visit) {
    for (WindowRecord& window : data.windows) {
        for (Unit& unit : window.units) {
            if (auto* item = std::get_if<MenuItemRecord>(&unit)) {
                visit(item->handlerOffset, item->handler);
                continue;
            }
            for (EventBinding& binding : std::get<UnitRecord>(unit).events) {
                visit(binding.handlerOffset, binding.handler);
            }
        }
    }
}

template <typename Window>
auto* UnitAtImpl(Window& window, size_t index) {
    return index < window.units.size() ? &window.units[index] : nullptr;
}

template <typename Window>
auto* FindUnitImpl(Window& window, uint32_t unitId) {
    const auto found = std::find_if(window.units.begin(), window.units.end(),
                                    [unitId](const Unit& unit) { return UnitId(unit) == unitId; });
    return found != window.units.end() ? &*found : nullptr;
}

template <typename Data>
auto* FindWindowImpl(Data& data, uint32_t windowId) {
    const auto found = std::find_if(
        data.windows.begin(), data.windows.end(),
        [windowId](const WindowRecord& window) { return window.windowId == windowId; });
    return found != data.windows.end() ? &*found : nullptr;
}

}  // namespace

bool IsValidUnitId(uint32_t id) {
    return (id & kUnitIndexMask) != 0 && ((id >> kUnitClassShift) & 0xF) != 0;
}

std::string HexId(uint32_t id) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(id >> shift) & 0xF];
    return text;
}

bool IsMenuItemId(uint32_t id) {
    return ((id >> kUnitClassShift) & 0xF) == kMenuItemClass &&
           (id >> kUnitGroupShift) == kMenuItemGroup;
}

uint32_t UnitId(const Unit& unit) {
    return std::visit([](const auto& record) { return record.id; }, unit);
}

std::optional<Unit> ParseUnit(uint32_t id, std::span<const uint8_t> record) {
    if (IsMenuItemId(id)) return ReadRecord<MenuItemRecord>(id, record, ReadMenuFields);
    return ReadRecord<UnitRecord>(id, record, ReadControlFields);
}

std::optional<TemplateData> ParseTemplate(std::span<const uint8_t> bytes) {
    TemplateData data;
    if (bytes.empty()) return data;
    ArchiveReader in(bytes);
    const uint32_t headerLength = in.U32();
    if (headerLength % kWindowTableEntrySize != 0 || !in.CanHold(headerLength, 1)) {
        return std::nullopt;
    }
    std::vector<uint32_t> windowIds(headerLength / kWindowTableEntrySize);
    for (uint32_t& id : windowIds) id = in.U32();
    in.Skip(windowIds.size() * sizeof(uint32_t));  // object slots: stored values are meaningless
    for (uint32_t windowId : windowIds) {
        std::optional<WindowRecord> window = ReadWindow(in, windowId);
        if (!window) return std::nullopt;
        data.windows.push_back(std::move(*window));
    }
    return data;
}

bool RebaseHandlers(TemplateData& data, std::span<const runtime::EngineProcedure> procedures) {
    bool allRebasable = true;
    ForEachHandler(data, [&](int32_t offset, const runtime::EngineProcedure*&) {
        allRebasable = allRebasable && IsRebasable(offset, procedures.size());
    });
    if (!allRebasable) return false;
    ForEachHandler(data, [&](int32_t offset, const runtime::EngineProcedure*& handler) {
        handler = Rebased(offset, procedures);
    });
    return true;
}

TemplateData LoadTemplate(std::span<const uint8_t> bytes,
                          std::span<const runtime::EngineProcedure> procedures) {
    std::optional<TemplateData> data = ParseTemplate(bytes);
    if (!data || !RebaseHandlers(*data, procedures)) {
        runtime::FatalRuntimeErrorUtf8(runtime::error_message::TemplateUnreadable);
    }
    return std::move(*data);
}

const WindowRecord* FindWindow(const TemplateData& data, uint32_t windowId) {
    return FindWindowImpl(data, windowId);
}
WindowRecord* FindWindow(TemplateData& data, uint32_t windowId) {
    return FindWindowImpl(data, windowId);
}
const Unit* UnitAt(const WindowRecord& window, size_t index) {
    return UnitAtImpl(window, index);
}
Unit* UnitAt(WindowRecord& window, size_t index) {
    return UnitAtImpl(window, index);
}
const Unit* FindUnit(const WindowRecord& window, uint32_t unitId) {
    return FindUnitImpl(window, unitId);
}
Unit* FindUnit(WindowRecord& window, uint32_t unitId) {
    return FindUnitImpl(window, unitId);
}
const UnitRecord* FindUnitRecord(const WindowRecord& window, uint32_t unitId) {
    return std::get_if<UnitRecord>(FindUnit(window, unitId));
}

}  // namespace forms
