// Event dispatch: from a unit's event to its bound engine procedure, in the
// runtime's lookup order, and the pause while property writes rebuild
// controls.

#include "controls/events.h"

#include <QPointer>

#include "controls/control_model.h"
#include "controls/form_window.h"
#include "controls/kind_registry.h"
#include "forms/kinds_table.h"
#include "runtime/errors.h"

namespace controls {
namespace {

int& PauseDepth() {
    static int depth = 0;
    return depth;
}

EventSource& Source() {
    static EventSource source;
    return source;
}

// The unit an event is handled by: the unit itself, or the unit named by its
// event-owner word, followed while that exists and is of the same kind. The
// walk stops after as many steps as the window has units, so a cycle of
// owner words cannot hang the program.
const forms::Unit* EventOwner(const forms::WindowRecord& window, const forms::Unit* unit) {
    for (size_t step = 0; step < window.units.size(); ++step) {
        const auto* record = std::get_if<forms::UnitRecord>(unit);
        if (record == nullptr || record->eventOwner == 0) break;
        const forms::Unit* owner = forms::FindUnit(window, record->eventOwner);
        const auto* ownerRecord = owner ? std::get_if<forms::UnitRecord>(owner) : nullptr;
        if (ownerRecord == nullptr || ownerRecord->kind != record->kind) break;
        unit = owner;
    }
    return unit;
}

uint32_t KindCodeOf(const forms::Unit& unit) {
    return std::visit([](const auto& record) { return record.kind; }, unit);
}

bool KindRaisesEvents(uint32_t code) {
    if (const KindDescriptor* kind = FindKindDescriptor(code)) {
        return forms::CanRaiseEvents(kind->flags);
    }
    return false;
}

const runtime::EngineProcedure* HandlerOf(const forms::Unit& unit, int32_t event) {
    if (const auto* item = std::get_if<forms::MenuItemRecord>(&unit)) return item->handler;
    for (const forms::EventBinding& binding : std::get<forms::UnitRecord>(unit).events) {
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
    const forms::WindowRecord& record = window->record();
    const forms::Unit* unit =
        unitId == 0 ? forms::UnitAt(record, 0) : forms::FindUnit(record, unitId);
    if (unit == nullptr) runtime::FatalRuntimeErrorUtf8(runtime::error_message::EventUnitMissing);
    unit = EventOwner(record, unit);
    if (!KindRaisesEvents(KindCodeOf(*unit))) {
        runtime::FatalRuntimeErrorUtf8(runtime::error_message::EventUnitInvalid);
    }
    const runtime::EngineProcedure* handler = HandlerOf(*unit, event);
    if (handler == nullptr || *handler == nullptr) return 0;
    Source() = {windowId, forms::UnitId(*unit)};
    runtime::EventRecord eventRecord{
        windowId, forms::UnitId(*unit), event, int32_t(args.size()), args.data(), 0};
    const RunningHandler running(*window);
    (*handler)(runtime::Services(), eventRecord);
    return eventRecord.result;
}

}  // namespace controls
