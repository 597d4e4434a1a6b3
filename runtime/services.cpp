#include "runtime/services.h"

#include <string>

#include "runtime/errors.h"
#include "runtime/heap.h"

namespace runtime {
namespace {

// External library commands are not part of this program; a call names a
// command that cannot be found.
void CallDllCommand(int32_t index) {
    FatalRuntimeErrorUtf8("无法找到指定DLL库文件中的输出命令“" + std::to_string(index) + "”");
}

Payload ReadProperty(uint32_t windowId, uint32_t unitId, int32_t property, int32_t element) {
    const RuntimeHost* host = InstalledRuntimeHost();
    if (host == nullptr || host->readProperty == nullptr) {
        FatalRuntimeErrorUtf8(error_message::WindowNotLoaded);
    }
    return host->readProperty(windowId, unitId, property, element);
}

void WriteProperty(uint32_t windowId, uint32_t unitId, int32_t property, int32_t element,
                   uint32_t low, uint32_t high) {
    const RuntimeHost* host = InstalledRuntimeHost();
    if (host == nullptr || host->writeProperty == nullptr) {
        FatalRuntimeErrorUtf8(error_message::WindowNotLoaded);
    }
    host->writeProperty(windowId, unitId, property, element, (Payload(high) << 32) | low);
}

void RunMessageLoop() {
    const RuntimeHost* host = InstalledRuntimeHost();
    if (host != nullptr && host->runMessageLoop != nullptr) host->runMessageLoop();
}

void LoadStartWindow(uint32_t windowId) {
    const RuntimeHost* host = InstalledRuntimeHost();
    if (host == nullptr || host->loadStartWindow == nullptr) {
        FatalRuntimeErrorUtf8(error_message::StartWindowFailed);
    }
    host->loadStartWindow(windowId);
}

void RuntimeControl(int32_t subFunction, uintptr_t argument) {
    switch (ControlFunction(subFunction)) {
        case ControlFunction::Initialise:
            if (const RuntimeHost* host = InstalledRuntimeHost();
                host != nullptr && host->initialise != nullptr) {
                host->initialise();
            }
            break;
        case ControlFunction::SetExitRoutine:
            SetExitRoutine(reinterpret_cast<EngineRoutine>(argument));
            break;
    }
}

const RuntimeServices ServiceTable = {
    RaiseRuntimeError, CallDllCommand,  CallCommand,    CallCommand, ReadProperty,
    WriteProperty,     AllocMemory,     ReallocMemory,  FreeMemory,  ExitProgram,
    RunMessageLoop,    LoadStartWindow, RuntimeControl,
};

}  // namespace

const RuntimeServices& Services() {
    return ServiceTable;
}

TaggedValue CallCommand(CommandRoutine command, int32_t argCount, const TaggedValue* args) {
    TaggedValue result{};
    command(&result, argCount, args);
    return result;
}

}  // namespace runtime
