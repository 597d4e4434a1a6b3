#pragma once
// The seam between the runtime and the windowing layer that hosts it: the
// runtime owns this interface, the host (or the engine's in-memory window)
// implements it and installs it.
//
//   service table, window commands, clock ─► installed RuntimeHost ─► host's hooks

#include <cstdint>

#include "runtime/values.h"

namespace runtime {

// What the windowing layer supplies to the runtime: the service table reaches
// windows, the message loop and the process exit only through these hooks.
// Every member may be left null; the services then act as when no window is
// loaded.
struct RuntimeHost {
    Payload (*readProperty)(uint32_t windowId, uint32_t unitId, int32_t property, int32_t element);
    void (*writeProperty)(uint32_t windowId, uint32_t unitId, int32_t property, int32_t element,
                          Payload payload);
    void (*initialise)();
    void (*loadStartWindow)(uint32_t windowId);
    void (*runMessageLoop)();
    // Ends the process after the orderly shutdown; never returns (see
    // RuntimeServices for why the member carries no [[noreturn]]).
    void (*exitProgram)(int32_t exitCode);
    bool (*loadWindow)(uint32_t windowId, uint32_t parentWindowId, bool hasParent, bool modal);
    void (*closeWindow)(uint32_t windowId, uint32_t unitId, bool atOnce);
    // The moment the clock command answers; the system clock when null.
    double (*now)();
};
void InstallRuntimeHost(const RuntimeHost* host);
const RuntimeHost* InstalledRuntimeHost();

}  // namespace runtime
