#pragma once
// The program as the runtime sees it: the engine's procedure table and entry
// routine, the embedded window template, and the support libraries with
// the control kinds each brings. The process entry runs it; the
// benchmarks and the whole-program tests run the same description.

#include <functional>

#include "host/runtime_app.h"

namespace app {

host::ProgramHeader HumidityProgramHeader();

// Runs the program and calls `work` once, as soon as its message loop runs
// (the entry routine has loaded the main window whole by then); returns
// the program's exit code. For the benchmarks and the whole-program tests.
int RunProgramWith(int& argc, char** argv, std::function<void(host::RuntimeApp&)> work);

}  // namespace app
