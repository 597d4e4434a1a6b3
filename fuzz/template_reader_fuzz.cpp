// Any bytes as a form template block: the reader must refuse or accept them
// without crashing, allocating beyond the input or reading past it, and what
// it accepts must survive the writer.
//
// Properties checked:
//  - once, at start-up: the embedded template is canonical, i.e. the writer
//    gives back exactly its bytes;
//  - for every input that parses to T: WriteTemplate(T) does not throw, its
//    bytes C parse to a template equal to T, and C is canonical (writing
//    the parse of C gives C again, byte for byte);
//  - no strict non-empty prefix of C parses: truncation is always detected;
//  - the stored properties of every control whose kind has a data layout:
//    when they read, writing them and reading again gives the same fields,
//    and that written form is canonical;
//  - rebasing T against procedure tables of N entries (N = 0, 1, the largest
//    stored offset, one more, and a size taken from the input) succeeds
//    exactly when every offset is -1 or below N; on success each handler is
//    null for -1 and otherwise the address of entry `offset` of that table,
//    and nothing else changes; on failure T is left untouched.

#include <algorithm>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

#include "embedded/embedded_template.h"
#include "forms/kind_data.h"
#include "forms/template.h"
#include "forms/template_writer.h"
#include "fuzz/fuzz_check.h"

namespace {

using fuzz::Check;

// Procedure tables larger than this are not built; offsets beyond it are
// checked against this size, where they must fail.
constexpr size_t kLargestTable = 4096;

void UnusedProcedure(const runtime::RuntimeServices&, runtime::EventRecord&) {}

const std::vector<runtime::EngineProcedure>& ProcedureTable() {
    static const std::vector<runtime::EngineProcedure> table(kLargestTable, UnusedProcedure);
    return table;
}

// Every stored handler offset with a place to write or read its handler.
struct HandlerSlot {
    int32_t offset;
    const runtime::EngineProcedure* handler;
};

std::vector<HandlerSlot> HandlerSlots(const forms::TemplateData& data) {
    std::vector<HandlerSlot> slots;
    for (const forms::WindowRecord& window : data.windows) {
        for (const forms::Unit& unit : window.units) {
            if (const auto* item = std::get_if<forms::MenuItemRecord>(&unit)) {
                slots.push_back({item->handlerOffset, item->handler});
                continue;
            }
            for (const forms::EventBinding& binding : std::get<forms::UnitRecord>(unit).events) {
                slots.push_back({binding.handlerOffset, binding.handler});
            }
        }
    }
    return slots;
}

forms::TemplateData WithoutHandlers(forms::TemplateData data) {
    for (forms::WindowRecord& window : data.windows) {
        for (forms::Unit& unit : window.units) {
            if (auto* item = std::get_if<forms::MenuItemRecord>(&unit)) {
                item->handler = nullptr;
                continue;
            }
            for (forms::EventBinding& binding : std::get<forms::UnitRecord>(unit).events) {
                binding.handler = nullptr;
            }
        }
    }
    return data;
}

bool Bindable(int32_t offset, size_t tableSize) {
    return offset == forms::kNoHandler || (offset >= 0 && size_t(offset) < tableSize);
}

void CheckRebase(const forms::TemplateData& parsed, size_t tableSize) {
    tableSize = std::min(tableSize, kLargestTable);
    const std::span<const runtime::EngineProcedure> table(ProcedureTable().data(), tableSize);
    const std::vector<HandlerSlot> stored = HandlerSlots(parsed);
    const bool allBindable = std::all_of(stored.begin(), stored.end(), [&](const HandlerSlot& s) {
        return Bindable(s.offset, tableSize);
    });

    forms::TemplateData rebased = parsed;
    const bool ok = forms::RebaseHandlers(rebased, table);
    Check(ok == allBindable, "rebasing succeeds exactly when every offset lies in the table");
    if (!ok) {
        Check(rebased == parsed, "a failed rebase leaves the template untouched");
        return;
    }
    Check(WithoutHandlers(rebased) == WithoutHandlers(parsed),
          "rebasing changes nothing but the handlers");
    for (const HandlerSlot& slot : HandlerSlots(rebased)) {
        if (slot.offset == forms::kNoHandler) {
            Check(slot.handler == nullptr, "offset -1 binds no handler");
            continue;
        }
        Check(slot.handler >= table.data() && slot.handler < table.data() + table.size(),
              "a rebased handler lies inside the table");
        Check(slot.handler == &table[size_t(slot.offset)], "a handler is the entry at its offset");
    }
}

void CheckRebases(const forms::TemplateData& parsed, uint8_t sizeFromInput) {
    int32_t largest = -1;
    for (const HandlerSlot& slot : HandlerSlots(parsed)) largest = std::max(largest, slot.offset);
    CheckRebase(parsed, 0);
    CheckRebase(parsed, 1);
    CheckRebase(parsed, sizeFromInput);
    if (largest >= 0) {
        CheckRebase(parsed, size_t(largest));
        CheckRebase(parsed, size_t(largest) + 1);
    }
}

// Reads a control's stored properties with the layout of its kind; what
// reads is written back and must read again to the same fields, and be
// written the same way again.
void CheckKindDataRoundTrip(const forms::UnitRecord& unit) {
    const std::optional<forms::KindRecord> read = forms::ReadKindRecord(unit.kind, unit.kindData);
    if (!read) return;
    const forms::Bytes written = forms::WriteKindRecord(*read);
    const std::optional<forms::KindRecord> reread = forms::ReadKindRecord(unit.kind, written);
    Check(reread.has_value() && *reread == *read,
          "written kind data reads back to the same fields");
    Check(forms::WriteKindRecord(*reread) == written, "written kind data is canonical");
}

void CheckKindData(const forms::TemplateData& data) {
    for (const forms::WindowRecord& window : data.windows) {
        for (const forms::Unit& unit : window.units) {
            const auto* control = std::get_if<forms::UnitRecord>(&unit);
            if (control == nullptr) continue;
            CheckKindDataRoundTrip(*control);
        }
    }
}

forms::Bytes WriteOrTrap(const forms::TemplateData& data) {
    try {
        return forms::WriteTemplate(data);
    } catch (const forms::TemplateWriteError&) {
        Check(false, "a parsed template can always be written");
    }
    return {};
}

void CheckTruncations(const forms::Bytes& canonical) {
    const size_t cuts[] = {1, canonical.size() / 2, canonical.size() - 1};
    for (size_t length : cuts) {
        if (length == 0 || length >= canonical.size()) continue;
        Check(!forms::ParseTemplate(std::span(canonical).first(length)),
              "a truncated template never parses");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const std::span<const uint8_t> embedded = embedded::EmbeddedTemplate();
    const std::optional<forms::TemplateData> data = forms::ParseTemplate(embedded);
    Check(data.has_value(), "the embedded template parses");
    const forms::Bytes written = WriteOrTrap(*data);
    Check(std::equal(written.begin(), written.end(), embedded.begin(), embedded.end()),
          "the embedded template is canonical");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<forms::TemplateData> parsed = forms::ParseTemplate({data, size});
    if (!parsed) return 0;

    const forms::Bytes canonical = WriteOrTrap(*parsed);
    const std::optional<forms::TemplateData> reparsed = forms::ParseTemplate(canonical);
    Check(reparsed.has_value() && *reparsed == *parsed,
          "the written template parses to the same records");
    Check(WriteOrTrap(*reparsed) == canonical, "the written template is canonical");
    CheckTruncations(canonical);
    CheckRebases(*parsed, size > 0 ? data[size - 1] : 0);
    CheckKindData(*parsed);
    return 0;
}
