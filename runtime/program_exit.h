#pragma once
// How the program ends: the count that stops control events once an error
// was raised or shutdown began, the exit routine the engine registers, and
// ExitProgram, which runs the shutdown and ends the process.

#include <cstdint>

namespace runtime {

// Raised by every runtime error and once more when shutdown begins; control
// events are dispatched only while it is 0.
int32_t ErrorCount();
void IncrementErrorCount();

// Routine registered by the engine for start-up and exit (RuntimeControl 3).
using EngineRoutine = void (*)();
void SetExitRoutine(EngineRoutine routine);
// The exit routine registered; ForgetExitRoutine drops it so that shutdown
// after a runtime error does not call it.
EngineRoutine RegisteredExitRoutine();
void ForgetExitRoutine();

// Runs the shutdown (the host's, or else the exit routine) and ends the
// process with the exit code; -1 becomes 255 on Linux.
[[noreturn]] void ExitProgram(int32_t exitCode);

}  // namespace runtime
