#include "cli/window_properties.h"

#include "runtime/heap.h"
#include "runtime/values.h"

namespace cli {
namespace {

constexpr int32_t kContent = static_cast<int32_t>(engine::EditBoxProperty::Content);
constexpr int32_t kToolTip = static_cast<int32_t>(engine::EditBoxProperty::ToolTip);

// The store the host hooks reach while a handler runs.
WindowProperties* running = nullptr;

bool IsText(int32_t property) {
    return property == kContent || property == kToolTip;
}

}  // namespace

void WindowProperties::SetText(engine::MainUnit box, std::string_view gbk) {
    properties_[{static_cast<uint32_t>(box), kContent}].text = gbk;
}

void WindowProperties::SetInt(engine::MainUnit unit, int32_t property, int32_t value) {
    properties_[{static_cast<uint32_t>(unit), property}].value = value;
}

const std::string& WindowProperties::Text(engine::MainUnit box) const {
    static const std::string empty;
    auto found = properties_.find({static_cast<uint32_t>(box), kContent});
    return found != properties_.end() ? found->second.text : empty;
}

void WindowProperties::Run(runtime::EngineProcedure procedure) {
    runtime::RuntimeHost host{};
    host.readProperty = Read;
    host.writeProperty = Write;
    const runtime::RuntimeHost* previous = runtime::InstalledRuntimeHost();
    running = this;
    runtime::InstallRuntimeHost(&host);
    runtime::EventRecord event{};
    procedure(runtime::Services(), event);
    runtime::InstallRuntimeHost(previous);
    running = nullptr;
}

// A text read hands the engine a fresh heap copy, which it frees; an unset
// property reads as the empty text or 0.
runtime::Payload WindowProperties::Read(uint32_t, uint32_t unitId, int32_t property, int32_t) {
    const Stored& stored = running->properties_[{unitId, property}];
    if (IsText(property)) return runtime::PointerBits(runtime::MakeHeapText(stored.text));
    return static_cast<uint32_t>(stored.value);
}

// A written text is borrowed: the store keeps its own copy.
void WindowProperties::Write(uint32_t, uint32_t unitId, int32_t property, int32_t,
                             runtime::Payload payload) {
    Stored& stored = running->properties_[{unitId, property}];
    if (IsText(property)) {
        const char* text = runtime::BitsToPointer<const char>(payload);
        stored.text = text != nullptr ? text : "";
    } else {
        stored.value = static_cast<int32_t>(payload);
    }
}

}  // namespace cli
