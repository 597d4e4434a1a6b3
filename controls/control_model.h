#pragma once
// The control model: live windows built from the template records, their
// properties by number and their events.
//
//   TemplateData ──► InstallWindowTable ──► OpenFormWindow ──► FormWindow + controls
//                                                              │          │
//   engine ──► ReadUnitProperty / WriteUnitProperty ◄──────────┘          │
//   Qt input ──► common and kind events ──► FireEvent ──► engine procedure
//
// The window table holds the template's records (property writes update
// them, so a window opened again shows what was written) and the windows that
// are loaded now. Everything runs on the user-interface thread.

#include <cstdint>
#include <span>
#include <vector>

#include "forms/stored_values.h"
#include "forms/template.h"
#include "runtime/services.h"

class QWidget;

namespace controls {

class FormWindow;

// Makes `data` (already rebased) the window table. Any loaded window is
// destroyed first.
void InstallWindowTable(forms::TemplateData data);
// The records of the window table; property writes keep them current.
forms::TemplateData& WindowTableRecords();

// Creates the window and every control from the table, shows it, then raises
// event 0 of the window's own unit and, while the window still exists, events
// 3 and 4. `owner` (may be null) becomes the window's owner. False when the
// window is not in the table or a control cannot be created; nothing of the
// window remains then.
// A modal window takes all input from the program's other windows, through
// the platform, so that the window manager knows it as modal too; it is
// kept above `stayAbove` (the window it was opened from) when one is given.
enum class Modality { Modeless, Modal };
bool OpenFormWindow(uint32_t windowId, QWidget* owner = nullptr,
                    Modality modality = Modality::Modeless, QWidget* stayAbove = nullptr);

// The steps of OpenFormWindow, for callers that show the window themselves
// (modal loading): CreateFormWindow builds it hidden and registers it, or
// returns null with nothing left over; AnnounceFormWindow raises 0, 3, 4.
FormWindow* CreateFormWindow(uint32_t windowId, QWidget* owner = nullptr);
void AnnounceFormWindow(uint32_t windowId);

// The loaded window, or null.
FormWindow* LoadedWindow(uint32_t windowId);
// The top-level widget of a loaded window, or null.
QWidget* LoadedWindowWidget(uint32_t windowId);
std::vector<uint32_t> LoadedWindowIds();

// The live control of a unit (unitId 0: the window widget), or null when
// the window is not loaded or the control is gone.
QWidget* LiveControl(uint32_t windowId, uint32_t unitId);

// Destroys a loaded window and its controls at once: the table forgets it
// before this returns (the widgets are deleted when control returns to the
// event loop, so a handler of the window may call this). No-op when the
// window is not loaded.
void DestroyFormWindow(uint32_t windowId);

// Called after a window has left the table (closed by the user, Esc, or
// DestroyFormWindow), with the number of windows still loaded. Start-up
// hooks this to post the quit message when the last window is gone and to
// end a modal wait.
using WindowGoneHook = void (*)(uint32_t windowId, size_t windowsLeft);
void SetWindowGoneHook(WindowGoneHook hook);

// Tells the table that a unit's control (or, with unitId 0, the whole
// window) no longer exists: the runtime request 2000.
void ReportUnitGone(uint32_t windowId, uint32_t unitId);

// ReadProperty and WriteProperty of the service table, in the shape of the
// RuntimeHost hooks. Texts read are fresh heap texts (null for empty);
// texts written are copied (null writes the empty text).
runtime::Payload ReadUnitProperty(uint32_t windowId, uint32_t unitId, int32_t property,
                                  int32_t element);
void WriteUnitProperty(uint32_t windowId, uint32_t unitId, int32_t property, int32_t element,
                       runtime::Payload payload);

// Raises an event of a unit (unitId 0: the window's own unit) and runs its
// bound engine procedure, if any; returns the handler's result (0 when
// nothing ran). The runtime request 2008 path for every kind.
int32_t FireEvent(uint32_t windowId, uint32_t unitId, int32_t event,
                  std::span<const int32_t> args = {});

// The unit whose event is being handled now (or was last), as the runtime
// records it before calling the engine procedure.
struct EventSource {
    uint32_t windowId = 0;
    uint32_t unitId = 0;
};
EventSource CurrentEventSource();

// Modifier state bits of the mouse, key and wheel events (the event numbers
// are in forms/stored_values.h).
inline constexpr int32_t kCtrlHeld = 1;
inline constexpr int32_t kShiftHeld = 2;
inline constexpr int32_t kAltHeld = 4;

// The ReadProperty/WriteProperty hooks filled in; start-up copies them into
// its RuntimeHost.
void FillPropertyHooks(runtime::RuntimeHost& host);

}  // namespace controls
