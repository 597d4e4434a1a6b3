// Event dispatch: from a unit's event to its bound engine procedure, in the
// runtime's lookup order, and the arguments of the common events.

#include "controls/events.h"

#include <QPointer>
#include <array>

#include "controls/control_model.h"
#include "controls/kind_registry.h"
#include "controls/live_window.h"
#include "forms/kinds_table.h"
#include "platform/platform.h"
#include "runtime/errors.h"

namespace forms {
namespace {

int& PauseDepth() {
    static int depth = 0;
    return depth;
}

EventSource& Source() {
    static EventSource source;
    return source;
}

struct KeyCode {
    int qtKey;
    int32_t virtualKey;
};

// Keys whose virtual-key code is not their character's.
constexpr KeyCode kKeyCodes[] = {
    {Qt::Key_Backspace, 0x08},  {Qt::Key_Tab, 0x09},          {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},     {Qt::Key_Enter, 0x0D},        {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},    {Qt::Key_Alt, 0x12},          {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},   {Qt::Key_Escape, 0x1B},       {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},     {Qt::Key_PageDown, 0x22},     {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},       {Qt::Key_Left, 0x25},         {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},      {Qt::Key_Down, 0x28},         {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},     {Qt::Key_Menu, 0x5D},         {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91}, {Qt::Key_Semicolon, 0xBA},    {Qt::Key_Equal, 0xBB},
    {Qt::Key_Comma, 0xBC},      {Qt::Key_Minus, 0xBD},        {Qt::Key_Period, 0xBE},
    {Qt::Key_Slash, 0xBF},      {Qt::Key_QuoteLeft, 0xC0},    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},  {Qt::Key_BracketRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE},
};

// Keypad keys, told apart by the keypad modifier.
constexpr KeyCode kKeypadCodes[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, 0x6B},  {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},   {Qt::Key_Slash, 0x6F},
};
constexpr int32_t kKeypadDigitZero = 0x60;
constexpr int32_t kFunctionKeyOne = 0x70;
constexpr int kFunctionKeyCount = 24;

// The unit an event is handled by: the unit itself, or the unit named by its
// event-owner word, followed while that exists and is of the same kind. The
// walk stops after as many steps as the window has units, so a cycle of
// owner words cannot hang the program.
const Unit* EventOwner(const WindowRecord& window, const Unit* unit) {
    for (size_t step = 0; step < window.units.size(); ++step) {
        const auto* record = std::get_if<UnitRecord>(unit);
        if (record == nullptr || record->eventOwner == 0) break;
        const Unit* owner = FindUnit(window, record->eventOwner);
        const auto* ownerRecord = owner ? std::get_if<UnitRecord>(owner) : nullptr;
        if (ownerRecord == nullptr || ownerRecord->kind != record->kind) break;
        unit = owner;
    }
    return unit;
}

uint32_t KindCodeOf(const Unit& unit) {
    return std::visit([](const auto& record) { return record.kind; }, unit);
}

bool KindRaisesEvents(uint32_t code) {
    if (const KindDescriptor* kind = FindKindDescriptor(code)) {
        return CanRaiseEvents(kind->flags);
    }
    return false;
}

const runtime::EngineProcedure* HandlerOf(const Unit& unit, int32_t event) {
    if (const auto* item = std::get_if<MenuItemRecord>(&unit)) return item->handler;
    for (const EventBinding& binding : std::get<UnitRecord>(unit).events) {
        if (binding.event == event) return binding.handler;
    }
    return nullptr;
}

// Marks a handler of the window as running while it is in scope; the
// window may be destroyed meanwhile, but not deleted.
class RunningHandler {
public:
    explicit RunningHandler(FormWindow& window) : window_(&window) { window.enterHandler(); }
    ~RunningHandler() {
        if (!window_.isNull()) window_->leaveHandler();
    }
    RunningHandler(const RunningHandler&) = delete;
    RunningHandler& operator=(const RunningHandler&) = delete;

private:
    QPointer<FormWindow> window_;
};

}  // namespace

EventPause::EventPause() {
    ++PauseDepth();
}

EventPause::~EventPause() {
    --PauseDepth();
}

bool EventsPaused() {
    return PauseDepth() > 0;
}

EventSource CurrentEventSource() {
    return Source();
}

int32_t FireEvent(uint32_t windowId, uint32_t unitId, int32_t event,
                  std::span<const int32_t> args) {
    if (EventsPaused() || runtime::ErrorCount() != 0) return 0;
    FormWindow* window = LoadedWindow(windowId);
    if (window == nullptr)
        runtime::FatalRuntimeErrorUtf8(runtime::error_message::EventWindowMissing);
    const WindowRecord& record = window->record();
    const Unit* unit = unitId == 0 ? UnitAt(record, 0) : FindUnit(record, unitId);
    if (unit == nullptr) runtime::FatalRuntimeErrorUtf8(runtime::error_message::EventUnitMissing);
    unit = EventOwner(record, unit);
    if (!KindRaisesEvents(KindCodeOf(*unit))) {
        runtime::FatalRuntimeErrorUtf8(runtime::error_message::EventUnitInvalid);
    }
    const runtime::EngineProcedure* handler = HandlerOf(*unit, event);
    if (handler == nullptr || *handler == nullptr) return 0;
    Source() = {windowId, UnitId(*unit)};
    runtime::EventRecord eventRecord{
        windowId, UnitId(*unit), event, int32_t(args.size()), args.data(), 0};
    const RunningHandler running(*window);
    (*handler)(runtime::Services(), eventRecord);
    return eventRecord.result;
}

int32_t ModifierState(Qt::KeyboardModifiers modifiers) {
    int32_t state = 0;
    if (modifiers & Qt::ControlModifier) state |= kCtrlHeld;
    if (modifiers & Qt::ShiftModifier) state |= kShiftHeld;
    if (modifiers & Qt::AltModifier) state |= kAltHeld;
    return state;
}

int32_t VirtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return kKeypadDigitZero + (qtKey - Qt::Key_0);
        for (const KeyCode& code : kKeypadCodes) {
            if (code.qtKey == qtKey) return code.virtualKey;
        }
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) {
        return qtKey;
    }
    if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + kFunctionKeyCount) {
        return kFunctionKeyOne + (qtKey - Qt::Key_F1);
    }
    for (const KeyCode& code : kKeyCodes) {
        if (code.qtKey == qtKey) return code.virtualKey;
    }
    return 0;
}

std::vector<int32_t> CharacterCodes(const QString& text) {
    std::vector<int32_t> codes;
    for (char byte : runtime::QStringToGbk(text)) codes.push_back(int32_t(uint8_t(byte)));
    return codes;
}

}  // namespace forms
