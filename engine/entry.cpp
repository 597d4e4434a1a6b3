// The engine's entry routine, called by the runtime's start hook.

#include <cfenv>
#include <cstdint>

#include "engine/form_ids.h"
#include "engine/handlers.h"

namespace engine {
namespace {

// The program has no start-up or shutdown work of its own; both routines are
// registered at their place in the start-up order all the same.
void InitialiseProgram() {}
void ExitRoutine() {}

}  // namespace

int EngineMain(const RuntimeServices& services) {
    services.RuntimeControl(static_cast<int32_t>(runtime::ControlFunction::Initialise), 0);
    // Masked floating-point exceptions and round-to-nearest, so that bad input
    // gives infinities and NaNs rather than traps.
    std::fesetenv(FE_DFL_ENV);
    InitialiseProgram();
    services.RuntimeControl(static_cast<int32_t>(runtime::ControlFunction::SetExitRoutine),
                            reinterpret_cast<uintptr_t>(&ExitRoutine));
    services.LoadStartWindow(Id(WindowId::Main));
    services.RunMessageLoop();
    return 0;
}

}  // namespace engine
