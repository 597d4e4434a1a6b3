#pragma once
// An in-memory service table for the engine's handlers, without windows.
//
//   handler ─► FakeRuntime::Services() ─► property store (window, unit, property)
//                                     ├─► real runtime commands (clock and window commands
//                                     recorded) └─► FreeMemory, checked against every text handed
//                                     out
//
// Properties hold texts (number 8: edit box content, transparent label
// caption) or integers (every other number). A property must be set before a
// handler reads it, so that a read of a wrong unit fails the test. Every text
// the fake hands to the engine (a property read or a command's text result)
// must come back through FreeMemory exactly once.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "engine/form_ids.h"
#include "runtime/services.h"
#include "runtime/values.h"

namespace engine::testing {

// One WriteProperty call as the engine made it.
struct PropertyWrite {
    uint32_t window = 0;
    uint32_t unit = 0;
    int32_t property = 0;
    int32_t element = 0;
    std::string text;   // for text properties
    int64_t value = 0;  // for integer properties, the payload's low word as signed
};

// One LoadWindow or CloseWindow call: its arguments as passed.
struct WindowCommandCall {
    runtime::CommandRoutine command = nullptr;
    std::vector<runtime::TaggedValue> args;
};

class FakeRuntime {
public:
    FakeRuntime();
    ~FakeRuntime();
    FakeRuntime(const FakeRuntime&) = delete;
    FakeRuntime& operator=(const FakeRuntime&) = delete;

    const runtime::RuntimeServices& Services() const;

    // Stored properties of the main window, as GBK texts or integers.
    void SetText(MainUnit unit, std::string_view gbk);
    void SetInt(MainUnit unit, int32_t property, int32_t value);
    std::string Text(MainUnit unit, EditBoxProperty property = EditBoxProperty::Content) const;
    int32_t Int(MainUnit unit, int32_t property) const;
    bool Has(MainUnit unit, int32_t property) const;

    // The DateTime that CurrentDateTime answers.
    void SetNow(double dateTime) { now_ = dateTime; }

    const std::vector<PropertyWrite>& Writes() const { return writes_; }
    const std::vector<WindowCommandCall>& WindowCommands() const { return windowCommands_; }
    // RuntimeControl, LoadStartWindow and RunMessageLoop calls, in order, as
    // short descriptions.
    const std::vector<std::string>& StartUpCalls() const { return startUpCalls_; }
    void ClearRecords();

    // Texts handed to the engine and not yet freed.
    std::size_t OutstandingTexts() const { return outstanding_.size(); }
    // Frees of a pointer that was not outstanding: freed twice, or never
    // handed out.
    int ForeignFrees() const { return foreignFrees_; }
    // Reads of a property nobody set.
    int UnsetReads() const { return unsetReads_; }

private:
    using Key = std::tuple<uint32_t, uint32_t, int32_t>;
    struct Stored {
        std::string text;
        int64_t value = 0;
    };

    static FakeRuntime& Current();
    static runtime::Payload ReadProperty(uint32_t window, uint32_t unit, int32_t property,
                                         int32_t element);
    static void WriteProperty(uint32_t window, uint32_t unit, int32_t property, int32_t element,
                              uint32_t low, uint32_t high);
    static runtime::TaggedValue CallCommand(runtime::CommandRoutine command, int32_t argCount,
                                            const runtime::TaggedValue* args);
    static void FreeMemory(void* block);
    static void RuntimeControl(int32_t subFunction, uintptr_t argument);
    static void LoadStartWindow(uint32_t windowId);
    static void RunMessageLoop();

    char* HandOut(char* text);

    std::map<Key, Stored> properties_;
    std::vector<PropertyWrite> writes_;
    std::vector<WindowCommandCall> windowCommands_;
    std::vector<std::string> startUpCalls_;
    std::set<const void*> outstanding_;
    int foreignFrees_ = 0;
    int unsetReads_ = 0;
    double now_ = 0.0;
};

// The property numbers as the store keys them.
inline constexpr int32_t kContent = static_cast<int32_t>(EditBoxProperty::Content);
inline constexpr int32_t kToolTip = static_cast<int32_t>(EditBoxProperty::ToolTip);
inline constexpr int32_t kCaption = static_cast<int32_t>(TransLabelProperty::Caption);
inline constexpr int32_t kVisible = static_cast<int32_t>(LabelProperty::Visible);
inline constexpr int32_t kTextColour = static_cast<int32_t>(LabelProperty::TextColour);
inline constexpr int32_t kSelected = static_cast<int32_t>(RadioButtonProperty::Selected);
inline constexpr int32_t kSelection = static_cast<int32_t>(ComboBoxProperty::Selection);

}  // namespace engine::testing
