#include "forms/template_writer.h"

#include "forms/template_archive.h"
#include "forms/template_layout.h"

namespace forms {
namespace {

using layout::kEventListReserved;
using layout::kUnitHeaderReserved;
using layout::kWindowTableEntrySize;

void CheckUnitId(const Unit& unit) {
    const uint32_t id = UnitId(unit);
    if (!IsValidUnitId(id)) throw TemplateWriteError("invalid unit ID " + HexId(id));
    if (IsMenuItemId(id) != std::holds_alternative<MenuItemRecord>(unit)) {
        throw TemplateWriteError("unit " + HexId(id) + " does not match its record type");
    }
}

template <typename Record>
void WriteCommonHead(ArchiveWriter& out, const Record& record) {
    out.Value(record.kind);
    out.Value(record.eventOwner);
    out.Zeros(kUnitHeaderReserved);
    out.CString(record.name);
    out.CString(record.remark);
}

void WriteFields(ArchiveWriter& out, const UnitRecord& unit) {
    out.Value(uint32_t{0});  // object slot
    out.Value(unit.left);
    out.Value(unit.top);
    out.Value(unit.width);
    out.Value(unit.height);
    out.Value(uint32_t{0});  // reserved
    out.Value(unit.parent);
    out.Value(uint32_t(unit.children.size()));
    for (uint32_t child : unit.children) out.Value(child);
    out.Blob(unit.mousePointer);
    out.CString(unit.tag);
    out.Value(uint32_t{0});  // word 1
    out.Value(unit.stateFlags);
    out.Value(uint32_t{0});  // word 2
    out.Value(uint32_t(unit.events.size()));
    for (const EventBinding& binding : unit.events) {
        out.Value(binding.event);
        out.Value(binding.handlerOffset);
    }
    out.Zeros(kEventListReserved);
    out.Raw(unit.kindData);
}

void WriteFields(ArchiveWriter& out, const MenuItemRecord& item) {
    out.Value(uint32_t{0});  // menu slot
    out.Value(item.level);
    out.Value(item.flags);
    out.CString(item.caption);
    out.Value(item.handlerOffset);
    for (uint32_t word : item.trailing) out.Value(word);
}

// IDs, offsets from the start of the records area, then the records.
Bytes WriteUnitBlock(const std::vector<Unit>& units) {
    ArchiveWriter table;
    ArchiveWriter records;
    for (const Unit& unit : units) table.Value(UnitId(unit));
    for (const Unit& unit : units) {
        table.Value(uint32_t(records.Bytes().size()));
        records.Blob(WriteUnit(unit));
    }
    table.Raw(records.Bytes());
    return table.Take();
}

void WriteWindow(ArchiveWriter& out, const WindowRecord& window) {
    out.Value(window.wordA);
    out.Value(window.moduleId);
    out.Text(window.text1);
    out.Text(window.text2);
    out.Value(uint32_t(window.units.size()));
    out.Blob(WriteUnitBlock(window.units));
}

}  // namespace

Bytes WriteUnit(const Unit& unit) {
    CheckUnitId(unit);
    ArchiveWriter out;
    std::visit(
        [&out](const auto& record) {
            WriteCommonHead(out, record);
            WriteFields(out, record);
        },
        unit);
    return out.Take();
}

Bytes WriteTemplate(const TemplateData& data) {
    ArchiveWriter out;
    const size_t windowCount = data.windows.size();
    out.Value(uint32_t(windowCount * kWindowTableEntrySize));
    for (const WindowRecord& window : data.windows) out.Value(window.windowId);
    out.Zeros(windowCount * sizeof(uint32_t));  // object slots
    for (const WindowRecord& window : data.windows) WriteWindow(out, window);
    return out.Take();
}

}  // namespace forms
