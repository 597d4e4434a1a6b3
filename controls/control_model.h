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

#include "forms/template.h"
#include "runtime/services.h"

class QWidget;

namespace forms {

class FormWindow;

// Makes `data` (already rebased) the window table. Any loaded window is
// destroyed first.
void InstallWindowTable(TemplateData data);
// The records of the window table; property writes keep them current.
TemplateData& WindowTableRecords();

// Creates the window and every control from the table, shows it, then raises
// event 0 of the window's own unit and, while the window still exists, events
// 3 and 4. `owner` (may be null) becomes the window's owner. False when the
// window is not in the table or a control cannot be created; nothing of the
// window remains then.
// A window opened with `stayAbove` is kept above that window by the window
// manager (a modal window above the window it was opened from).
bool OpenFormWindow(uint32_t windowId, QWidget* owner = nullptr, QWidget* stayAbove = nullptr);

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

// Common events of every kind that can raise events.
enum class CommonEvent : int32_t {
    LeftDown = -1,    // x, y, modifier state
    LeftUp = -2,      // x, y, modifier state
    LeftDouble = -3,  // x, y, modifier state
    RightDown = -4,   // x, y, modifier state
    RightUp = -5,     // x, y, modifier state
    MouseMove = -6,   // x, y, modifier state
    GotFocus = -7,    // no arguments
    LostFocus = -8,   // no arguments
    KeyDown = -9,     // key code, modifier state
    KeyUp = -10,      // key code, modifier state
    Character = -11,  // character code
    Wheel = -12,      // notches (positive away from the user), modifier state
};

// Modifier state bits of the mouse, key and wheel events.
inline constexpr int32_t kCtrlHeld = 1;
inline constexpr int32_t kShiftHeld = 2;
inline constexpr int32_t kAltHeld = 4;

// Kind events of the window's own unit.
enum class WindowEvent : int32_t {
    Created = 0,         // once, after the window and all its units exist
    CloseRequested = 1,  // a true result keeps the window open
    Destroying = 2,
    Moved = 3,
    Resized = 4,
    Idle = 7,  // milliseconds since the idle phase began
};

enum class ButtonEvent : int32_t { Clicked = 0 };

enum class ComboBoxEvent : int32_t {
    ItemChosen = 0,  // after the selection is confirmed
    TextChanged = 1,
    DropDownOpened = 2,
    DropDownClosed = 3,
    DoubleClicked = 4,
};

enum class TabEvent : int32_t {
    Clicked = 0,
    PageChanging = 1,  // a true result keeps the current page
    PageChanged = 2,   // before the controls of the new page are shown
};

// The ReadProperty/WriteProperty hooks filled in; start-up copies them into
// its RuntimeHost.
void FillPropertyHooks(runtime::RuntimeHost& host);

}  // namespace forms
