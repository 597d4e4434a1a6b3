#pragma once
// The service table through which the engine reaches the runtime.
//
//   engine procedure ──► RuntimeServices ──► CallCommand ──► command routine
//                                       └──► Read/WriteProperty ──► RuntimeHost
//                                                                   (window table, controls)
//
// The runtime core (this library) owns the table, the heap and the commands.
// Everything that needs windows (properties, loading and closing windows, the
// message loop, the process exit) is reached through the RuntimeHost that the
// windowing layer installs at start-up; until then those services behave as
// they do when no window is loaded.

#include <cstdint>

#include "runtime/program_exit.h"
#include "runtime/runtime_host.h"
#include "runtime/values.h"

namespace runtime {

// Every built-in command has this one signature: it reads its arguments by
// position and writes its result into the zeroed result record.
using CommandRoutine = void (*)(TaggedValue* result, int32_t argCount, const TaggedValue* args);

struct RuntimeServices;

// An event as the runtime hands it to the engine procedure bound to it.
struct EventRecord {
    uint32_t windowId = 0;
    uint32_t unitId = 0;
    int32_t event = 0;
    int32_t argCount = 0;
    const int32_t* args = nullptr;
    int32_t result = 0;
};

// An engine procedure: an entry of the engine's procedure table.
using EngineProcedure = void (*)(const RuntimeServices& services, EventRecord& event);

// RaiseRuntimeError and ExitProgram never return. The members carry no
// [[noreturn]]: the attribute applies to functions only, and clang rejects it
// on a function pointer.
struct RuntimeServices {
    void (*RaiseRuntimeError)(int32_t code);                                   // #0
    void (*CallDllCommand)(int32_t index);                                     // #1
    TaggedValue (*CallCommand2)(CommandRoutine, int32_t, const TaggedValue*);  // #2
    TaggedValue (*CallCommand)(CommandRoutine, int32_t, const TaggedValue*);   // #3
    Payload (*ReadProperty)(uint32_t windowId, uint32_t unitId, int32_t property,
                            int32_t element);  // #4
    void (*WriteProperty)(uint32_t windowId, uint32_t unitId, int32_t property, int32_t element,
                          uint32_t low, uint32_t high);               // #5
    void* (*AllocMemory)(int32_t byteCount);                          // #6
    void* (*ReallocMemory)(void* block, int32_t byteCount);           // #7
    void (*FreeMemory)(void* block);                                  // #8
    void (*ExitProgram)(int32_t exitCode);                            // #9
    void (*RunMessageLoop)();                                         // #10
    void (*LoadStartWindow)(uint32_t windowId);                       // #11
    void (*RuntimeControl)(int32_t subFunction, uintptr_t argument);  // #12
};

// The runtime's own table.
const RuntimeServices& Services();

// The command-call contract: a zeroed result record, the command called with
// (result, count, arguments), the record returned.
TaggedValue CallCommand(CommandRoutine command, int32_t argCount, const TaggedValue* args);

// RuntimeControl sub-functions the engine uses.
enum class ControlFunction : int32_t {
    SetExitRoutine = 3,  // argument: EngineRoutine
    Initialise = 6,      // argument: unused
};

// Request codes of the runtime's internal request entry (RuntimeRequest),
// used by the control kinds.
enum class RuntimeRequest : int32_t {
    WindowTable = 1001,
    AddIdleCallback = 1012,
    RemoveIdleCallback = 1013,
    UnitGone = 2000,
    ConvertToNumber = 2001,
    LoadWindow = 2005,
    FindLoadedUnit = 2006,
    RequireLoadedUnit = 2007,
    FireEvent = 2008,
    Allocate = 2024,
    Free = 2025,
    Reallocate = 2026,
    FatalError = 2027,
    Exit = 2028,
};

}  // namespace runtime
