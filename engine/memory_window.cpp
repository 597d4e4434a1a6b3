#include "engine/memory_window.h"

#include <cstdio>

#include "engine/handlers.h"
#include "runtime/datetime.h"
#include "runtime/heap.h"
#include "runtime/values.h"

namespace engine {
namespace {

constexpr uint32_t kMainWindow = Id(WindowId::Main);
constexpr int32_t kContent = static_cast<int32_t>(EditBoxProperty::Content);
constexpr int32_t kToolTip = static_cast<int32_t>(EditBoxProperty::ToolTip);
constexpr int32_t kVisible = static_cast<int32_t>(LabelProperty::Visible);
constexpr int32_t kSelected = static_cast<int32_t>(RadioButtonProperty::Selected);
constexpr int32_t kSelection = static_cast<int32_t>(ComboBoxProperty::Selection);

// The window the host hooks reach: the one made last of those alive.
MemoryWindow* current = nullptr;

// An edit box's content (a transparent label's caption has the same
// number) and its tooltip are texts; every other property the engine uses
// holds an integer.
bool IsTextProperty(int32_t property) {
    return property == kContent || property == kToolTip;
}

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", unsigned(value));
    return text;
}

}  // namespace

void ResetHandlerState() {
    Humidity() = {};
}

MemoryWindow::MemoryWindow(Mode mode)
    : mode_(mode), previousHost_(runtime::InstalledRuntimeHost()), previousWindow_(current) {
    current = this;
    runtime::InstallRuntimeHost(&Hooks());
    if (mode_ == Mode::WindowDefaults) SetMainWindowDefaults();
}

MemoryWindow::~MemoryWindow() {
    current = previousWindow_;
    runtime::InstallRuntimeHost(previousHost_);
}

void MemoryWindow::SetMainWindowDefaults() {
    SetText(MainUnit::KnownValue, "10");
    SetText(MainUnit::GasTemperature, "20");
    SetText(MainUnit::GaugePressure, "0.3");
    SetInt(MainUnit::KnownQuantity, kSelection, 0);
    SetInt(MainUnit::GaugePressureUnit, kSelection, 0);
    SetInt(MainUnit::PresentToStandard, kSelected, 1);
    SetInt(MainUnit::StandardToPresent, kSelected, 0);
    for (MainUnit box : kStandardResultBoxes) SetText(box, "");
    for (MainUnit box : kConvertedResultBoxes) SetText(box, "");
    for (MainUnit box : kPressureRowBoxes) SetText(box, "");
    for (MainUnit label : kInputLabels) SetInt(label, kVisible, 0);
}

void MemoryWindow::SetText(MainUnit unit, std::string_view gbk, EditBoxProperty property) {
    properties_[{kMainWindow, Id(unit), static_cast<int32_t>(property)}] = {std::string(gbk), 0};
}

void MemoryWindow::SetInt(MainUnit unit, int32_t property, int32_t value) {
    properties_[{kMainWindow, Id(unit), property}] = {"", value};
}

const MemoryWindow::Stored* MemoryWindow::Find(const Key& key) const {
    auto found = properties_.find(key);
    return found != properties_.end() ? &found->second : nullptr;
}

const std::string& MemoryWindow::Text(MainUnit unit, EditBoxProperty property) const {
    static const std::string empty;
    const Stored* stored = Find({kMainWindow, Id(unit), static_cast<int32_t>(property)});
    return stored != nullptr ? stored->text : empty;
}

int32_t MemoryWindow::Int(MainUnit unit, int32_t property) const {
    const Stored* stored = Find({kMainWindow, Id(unit), property});
    return stored != nullptr ? stored->value : 0;
}

bool MemoryWindow::Has(MainUnit unit, int32_t property) const {
    return Find({kMainWindow, Id(unit), property}) != nullptr;
}

void MemoryWindow::SetNow(double dateTime) {
    now_ = dateTime;
    nowSet_ = true;
}

void MemoryWindow::Run(runtime::EngineProcedure procedure) {
    runtime::EventRecord event{};
    procedure(runtime::Services(), event);
}

void MemoryWindow::ClearRecords() {
    writes_.clear();
    windowCommands_.clear();
    startUpCalls_.clear();
    unsetReads_.clear();
}

MemoryWindow& MemoryWindow::Current() {
    return *current;
}

// A text read hands the engine a fresh heap copy, which it frees.
runtime::Payload MemoryWindow::ReadProperty(uint32_t window, uint32_t unit, int32_t property,
                                            int32_t element) {
    MemoryWindow& self = Current();
    const Stored* stored = self.Find({window, unit, property});
    if (self.mode_ == Mode::Strict && (stored == nullptr || element != kPlainElement)) {
        self.unsetReads_.push_back("window " + Hex(window) + " unit " + Hex(unit) + " property " +
                                   std::to_string(property) + " element " +
                                   std::to_string(element));
    }
    static const Stored nothing;
    if (stored == nullptr) stored = &nothing;
    if (IsTextProperty(property)) return runtime::PointerBits(runtime::MakeHeapText(stored->text));
    return static_cast<uint32_t>(stored->value);
}

// A written text is borrowed: the store keeps its own copy.
void MemoryWindow::WriteProperty(uint32_t window, uint32_t unit, int32_t property, int32_t element,
                                 runtime::Payload payload) {
    MemoryWindow& self = Current();
    Stored stored;
    if (IsTextProperty(property)) {
        const char* text = runtime::BitsToPointer<const char>(payload);
        stored.text = text != nullptr ? text : "";
    } else {
        stored.value = static_cast<int32_t>(payload);
    }
    if (self.mode_ == Mode::Strict) {
        self.writes_.push_back({window, unit, property, element, stored.text, stored.value});
    }
    self.properties_[{window, unit, property}] = std::move(stored);
}

// Calls the command line never makes; a window in memory only notes them.
void MemoryWindow::Initialise() {
    Current().NoteStartUp("Initialise");
}

void MemoryWindow::LoadStartWindow(uint32_t window) {
    Current().NoteStartUp("LoadStartWindow " + Hex(window));
}

void MemoryWindow::RunMessageLoop() {
    Current().NoteStartUp("RunMessageLoop");
}

bool MemoryWindow::LoadWindow(uint32_t window, uint32_t, bool, bool modal) {
    Current().NoteWindowCommand({WindowCommand::Kind::Load, window, modal, false});
    return true;
}

void MemoryWindow::CloseWindow(uint32_t window, uint32_t, bool atOnce) {
    Current().NoteWindowCommand({WindowCommand::Kind::Close, window, false, atOnce});
}

void MemoryWindow::NoteStartUp(std::string call) {
    if (mode_ == Mode::Strict) startUpCalls_.push_back(std::move(call));
}

void MemoryWindow::NoteWindowCommand(const WindowCommand& command) {
    if (mode_ == Mode::Strict) windowCommands_.push_back(command);
}

double MemoryWindow::Now() {
    const MemoryWindow& self = Current();
    return self.nowSet_ ? self.now_ : runtime::NowDateTime();
}

const runtime::RuntimeHost& MemoryWindow::Hooks() {
    static const runtime::RuntimeHost hooks = [] {
        runtime::RuntimeHost host{};
        host.readProperty = MemoryWindow::ReadProperty;
        host.writeProperty = MemoryWindow::WriteProperty;
        host.initialise = MemoryWindow::Initialise;
        host.loadStartWindow = MemoryWindow::LoadStartWindow;
        host.runMessageLoop = MemoryWindow::RunMessageLoop;
        host.loadWindow = MemoryWindow::LoadWindow;
        host.closeWindow = MemoryWindow::CloseWindow;
        host.now = MemoryWindow::Now;
        return host;
    }();
    return hooks;
}

}  // namespace engine
