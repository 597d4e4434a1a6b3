// The runtime's request entry: what the control kinds of the support
// libraries ask of the runtime, by request code. Parameters that do not fit
// a word travel as the address of a record.

#include <cmath>
#include <limits>
#include <span>

#include "controls/control_model.h"
#include "host/runtime_app.h"
#include "runtime/convert.h"
#include "runtime/errors.h"
#include "runtime/heap.h"

namespace host {
namespace {

template <typename T>
T* Record(uintptr_t address) {
    return reinterpret_cast<T*>(address);
}

intptr_t Address(const void* object) {
    return reinterpret_cast<intptr_t>(object);
}

// A number as a 32-bit integer: truncated toward zero, held inside the range;
// NaN gives 0.
int32_t ToInt32(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kLowest = std::numeric_limits<int32_t>::min();
    constexpr double kHighest = std::numeric_limits<int32_t>::max();
    return int32_t(std::trunc(std::fmax(kLowest, std::fmin(kHighest, value))));
}

// Request 2001: p1 the value, p2 (may be 0) where the value goes as a double;
// the result is the value as a 32-bit integer.
intptr_t ConvertToNumber(uintptr_t p1, uintptr_t p2) {
    const std::optional<double> value =
        runtime::NumericValue(*Record<const runtime::TaggedValue>(p1));
    if (!value) runtime::FatalRuntimeErrorUtf8(runtime::error_message::NotNumeric);
    if (p2 != 0) *Record<double>(p2) = *value;
    return ToInt32(*value);
}

// Request 2008: p1 the event record, whose result field receives the
// handler's answer.
intptr_t FireEvent(uintptr_t p1) {
    runtime::EventRecord& record = *Record<runtime::EventRecord>(p1);
    const std::span<const int32_t> args(record.args, size_t(std::max(record.argCount, 0)));
    record.result = controls::FireEvent(record.windowId, record.unitId, record.event, args);
    return record.result;
}

// Request 2024: p1 the byte count, p2 the unchecked flag. The heap ends the
// program when it cannot supply a block; an unchecked request for a size
// no block can have is answered with null instead.
intptr_t Allocate(uintptr_t p1, uintptr_t p2) {
    const auto byteCount = int32_t(p1);
    if (p2 != 0 && (byteCount < 0 || p1 > uintptr_t(std::numeric_limits<int32_t>::max()))) {
        return 0;
    }
    return Address(runtime::AllocMemory(byteCount));
}

intptr_t LoadWindow(uintptr_t p1) {
    const LoadWindowRequest& request = *Record<const LoadWindowRequest>(p1);
    RuntimeApp* app = RuntimeApp::Instance();
    const bool loaded =
        app != nullptr && app->LoadWindow(request.windowId, request.parentWindowId,
                                          request.parentWindowId != 0, request.modal);
    return loaded ? 0 : -1;
}

intptr_t RequireLoadedUnit(uintptr_t p1, uintptr_t p2) {
    QWidget* control = controls::LiveControl(uint32_t(p1), uint32_t(p2));
    if (control == nullptr)
        runtime::FatalRuntimeErrorUtf8(runtime::error_message::WindowOrUnitMissing);
    return Address(control);
}

intptr_t ChangeIdleCallbacks(runtime::RuntimeRequest code, uintptr_t p1, uintptr_t p2) {
    RuntimeApp* app = RuntimeApp::Instance();
    if (app == nullptr) return 0;
    auto* window = Record<QWidget>(p1);
    if (code == runtime::RuntimeRequest::RemoveIdleCallback) {
        app->RemoveIdleCallback(window);
    } else if (const auto* request = Record<const IdleCallbackRequest>(p2)) {
        app->AddIdleCallback(window, request->routine, request->parameter);
    }
    return 0;
}

intptr_t ReportUnitGone(uintptr_t p1, uintptr_t p2) {
    if (RuntimeApp* app = RuntimeApp::Instance()) {
        app->ReportUnitGone(uint32_t(p1), uint32_t(p2));
    } else {
        controls::ReportUnitGone(uint32_t(p1), uint32_t(p2));
    }
    return 0;
}

}  // namespace

intptr_t RuntimeRequestEntry(runtime::RuntimeRequest code, uintptr_t p1, uintptr_t p2) {
    switch (code) {
        case runtime::RuntimeRequest::WindowTable:
            return Address(&controls::WindowTableRecords());
        case runtime::RuntimeRequest::AddIdleCallback:
        case runtime::RuntimeRequest::RemoveIdleCallback:
            return ChangeIdleCallbacks(code, p1, p2);
        case runtime::RuntimeRequest::UnitGone:
            return ReportUnitGone(p1, p2);
        case runtime::RuntimeRequest::ConvertToNumber:
            return ConvertToNumber(p1, p2);
        case runtime::RuntimeRequest::LoadWindow:
            return LoadWindow(p1);
        case runtime::RuntimeRequest::FindLoadedUnit:
            return Address(controls::LiveControl(uint32_t(p1), uint32_t(p2)));
        case runtime::RuntimeRequest::RequireLoadedUnit:
            return RequireLoadedUnit(p1, p2);
        case runtime::RuntimeRequest::FireEvent:
            return FireEvent(p1);
        case runtime::RuntimeRequest::Allocate:
            return Allocate(p1, p2);
        case runtime::RuntimeRequest::Free:
            runtime::FreeMemory(Record<void>(p1));
            return 0;
        case runtime::RuntimeRequest::Reallocate:
            return Address(runtime::ReallocMemory(Record<void>(p1), int32_t(p2)));
        case runtime::RuntimeRequest::FatalError:
            runtime::FatalRuntimeError(p1 != 0 ? Record<const char>(p1) : "", 0);
        case runtime::RuntimeRequest::Exit:
            runtime::ExitProgram(int32_t(p1));
    }
    return 0;
}

}  // namespace host
