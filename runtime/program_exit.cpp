#include "runtime/program_exit.h"

#include <cstdlib>

#include "runtime/runtime_host.h"

namespace runtime {
namespace {

int32_t& Count() {
    static int32_t count = 0;
    return count;
}

EngineRoutine& ExitRoutine() {
    static EngineRoutine routine = nullptr;
    return routine;
}

}  // namespace

int32_t ErrorCount() {
    return Count();
}

void IncrementErrorCount() {
    ++Count();
}

void SetExitRoutine(EngineRoutine routine) {
    ExitRoutine() = routine;
}

EngineRoutine RegisteredExitRoutine() {
    return ExitRoutine();
}

void ForgetExitRoutine() {
    ExitRoutine() = nullptr;
}

void ExitProgram(int32_t exitCode) {
    const RuntimeHost* host = InstalledRuntimeHost();
    if (host != nullptr && host->exitProgram != nullptr) host->exitProgram(exitCode);
    // Without a windowing layer the shutdown is only the exit routine.
    IncrementErrorCount();
    if (EngineRoutine routine = ExitRoutine()) {
        ForgetExitRoutine();
        routine();
    }
    std::exit(exitCode);
}

}  // namespace runtime
