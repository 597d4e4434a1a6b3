#include "fake_services.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "runtime/convert.h"
#include "runtime/heap.h"

namespace engine::testing {
namespace {

using runtime::TaggedValue;

FakeRuntime* current = nullptr;

constexpr uint32_t kMainWindow = Id(WindowId::Main);

// Edit box content and transparent label caption share this number; the
// edit box's tooltip is a text too; every other property the engine uses
// holds an integer.
bool IsTextProperty(int32_t property) {
    return property == kContent || property == kToolTip;
}

bool ReturnsText(runtime::CommandRoutine command) {
    return command == runtime::NumberToFormattedText || command == runtime::ValueToText ||
           command == runtime::DateTimeToText;
}

[[noreturn]] void Unexpected(const char* service) {
    std::fprintf(stderr, "the engine called the unexpected service %s\n", service);
    std::abort();
}

[[noreturn]] void RaiseRuntimeError(int32_t) {
    Unexpected("RaiseRuntimeError");
}
void CallDllCommand(int32_t) {
    Unexpected("CallDllCommand");
}
TaggedValue CallCommand2(runtime::CommandRoutine, int32_t, const TaggedValue*) {
    Unexpected("CallCommand2");
}
void* AllocMemory(int32_t) {
    Unexpected("AllocMemory");
}
void* ReallocMemory(void*, int32_t) {
    Unexpected("ReallocMemory");
}
[[noreturn]] void ExitProgram(int32_t) {
    Unexpected("ExitProgram");
}

}  // namespace

FakeRuntime::FakeRuntime() {
    current = this;
}

FakeRuntime::~FakeRuntime() {
    // Texts the engine leaked are still returned to the heap, so that one
    // failing test does not disturb the heap counts of the next.
    for (const void* text : outstanding_) runtime::FreeMemory(const_cast<void*>(text));
    current = nullptr;
}

FakeRuntime& FakeRuntime::Current() {
    if (current == nullptr) Unexpected("a service without a FakeRuntime");
    return *current;
}

const runtime::RuntimeServices& FakeRuntime::Services() const {
    static const runtime::RuntimeServices table = {
        RaiseRuntimeError,
        CallDllCommand,
        CallCommand2,
        &FakeRuntime::CallCommand,
        &FakeRuntime::ReadProperty,
        &FakeRuntime::WriteProperty,
        AllocMemory,
        ReallocMemory,
        &FakeRuntime::FreeMemory,
        ExitProgram,
        &FakeRuntime::RunMessageLoop,
        &FakeRuntime::LoadStartWindow,
        &FakeRuntime::RuntimeControl,
    };
    return table;
}

void FakeRuntime::SetText(MainUnit unit, std::string_view gbk) {
    properties_[{kMainWindow, Id(unit), kContent}] = {std::string(gbk), 0};
}

void FakeRuntime::SetInt(MainUnit unit, int32_t property, int32_t value) {
    properties_[{kMainWindow, Id(unit), property}] = {"", value};
}

std::string FakeRuntime::Text(MainUnit unit, EditBoxProperty property) const {
    auto found = properties_.find({kMainWindow, Id(unit), static_cast<int32_t>(property)});
    return found != properties_.end() ? found->second.text : "";
}

int32_t FakeRuntime::Int(MainUnit unit, int32_t property) const {
    auto found = properties_.find({kMainWindow, Id(unit), property});
    return found != properties_.end() ? static_cast<int32_t>(found->second.value) : 0;
}

bool FakeRuntime::Has(MainUnit unit, int32_t property) const {
    return properties_.contains({kMainWindow, Id(unit), property});
}

void FakeRuntime::ClearRecords() {
    writes_.clear();
    windowCommands_.clear();
    startUpCalls_.clear();
}

char* FakeRuntime::HandOut(char* text) {
    if (text != nullptr) outstanding_.insert(text);
    return text;
}

runtime::Payload FakeRuntime::ReadProperty(uint32_t window, uint32_t unit, int32_t property,
                                           int32_t element) {
    FakeRuntime& fake = Current();
    EXPECT_EQ(element, kPlainElement);
    auto found = fake.properties_.find({window, unit, property});
    if (found == fake.properties_.end()) {
        ++fake.unsetReads_;
        ADD_FAILURE() << "read of an unset property: window " << std::hex << window << " unit "
                      << unit << std::dec << " property " << property;
        return 0;
    }
    if (IsTextProperty(property)) {
        return runtime::PointerBits(fake.HandOut(runtime::MakeHeapText(found->second.text)));
    }
    return static_cast<uint32_t>(found->second.value);
}

void FakeRuntime::WriteProperty(uint32_t window, uint32_t unit, int32_t property, int32_t element,
                                uint32_t low, uint32_t high) {
    FakeRuntime& fake = Current();
    PropertyWrite write{window, unit, property, element, "", static_cast<int32_t>(low)};
    Stored stored{"", write.value};
    if (IsTextProperty(property)) {
        const char* text = runtime::BitsToPointer<const char>((uint64_t(high) << 32) | low);
        write.text = stored.text = text != nullptr ? text : "";
        write.value = stored.value = 0;
    }
    fake.writes_.push_back(write);
    fake.properties_[{window, unit, property}] = stored;
}

TaggedValue FakeRuntime::CallCommand(runtime::CommandRoutine command, int32_t argCount,
                                     const TaggedValue* args) {
    FakeRuntime& fake = Current();
    if (command == runtime::CurrentDateTime) {
        TaggedValue result{};
        runtime::SetResultPayload(result, runtime::DoubleBits(fake.now_));
        return result;
    }
    if (command == runtime::LoadWindow || command == runtime::CloseWindow) {
        fake.windowCommands_.push_back({command, std::vector<TaggedValue>(args, args + argCount)});
        return {};
    }
    TaggedValue result = runtime::CallCommand(command, argCount, args);
    if (ReturnsText(command)) {
        fake.HandOut(runtime::BitsToPointer<char>(runtime::PayloadOf(result)));
    }
    return result;
}

void FakeRuntime::FreeMemory(void* block) {
    FakeRuntime& fake = Current();
    if (block == nullptr) return;
    if (fake.outstanding_.erase(block) == 0) {
        ++fake.foreignFrees_;
        ADD_FAILURE() << "FreeMemory of a block that was not handed out or was freed before";
        return;
    }
    runtime::FreeMemory(block);
}

void FakeRuntime::RuntimeControl(int32_t subFunction, uintptr_t argument) {
    FakeRuntime& fake = Current();
    fake.startUpCalls_.push_back("RuntimeControl " + std::to_string(subFunction) +
                                 (argument != 0 ? " routine" : ""));
}

void FakeRuntime::LoadStartWindow(uint32_t windowId) {
    char text[32];
    std::snprintf(text, sizeof text, "LoadStartWindow %08X", unsigned(windowId));
    Current().startUpCalls_.push_back(text);
}

void FakeRuntime::RunMessageLoop() {
    Current().startUpCalls_.push_back("RunMessageLoop");
}

}  // namespace engine::testing
