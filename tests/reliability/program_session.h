#pragma once
// The real program inside the test process, and what a test does with it.
//
//   main ──► RunInsideProgram(tests) ──► RuntimeApp::Run ──► EngineMain ──► main window
//                                                            message loop ──► tests()
//   tests done ──► CloseMainWindow ──► the loop ends ──► exit code
//
// The program runs on Qt's offscreen platform with the engine's procedure
// table, the embedded form template and every support library, exactly as
// its entry starts it. The helpers act on its windows through the service
// table (property reads and writes) or through the windows themselves
// (clicks, keys), and measure what the reliability checks need: heap
// counters, timer ticks and resident memory.

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/form_ids.h"
#include "windows/main_window_parts.h"

class QAbstractButton;
class QWidget;

namespace reliability {

using engine::MainUnit;

inline constexpr uint32_t kMainWindow = engine::Id(engine::WindowId::Main);
inline constexpr uint32_t kAboutWindow = engine::Id(engine::WindowId::About);
inline constexpr uint32_t kCompanyWindow = engine::Id(engine::WindowId::Company);

// Tab pages of the main window.
inline constexpr int kHumidityPage = 0;
inline constexpr int kPressurePage = 1;

// Runs the real program and calls `work` once its message loop runs; the
// main window is closed when `work` returns. Returns the program's exit code.
int RunInsideProgram(int& argc, char** argv, std::function<void()> work);

// The live control of a main-window unit, or null.
QWidget* Control(MainUnit unit);
QAbstractButton* Button(MainUnit unit);

// Property access through the service table, as the engine does it; the
// heap texts read are freed here. BoxText and SetBoxText name the content
// (property 8) of an edit box of the main window, GBK.
void WriteNumber(MainUnit unit, int32_t property, int64_t value);
std::string BoxText(MainUnit box);
void SetBoxText(MainUnit box, const std::string& gbk);

// A user's actions, delivered through the window under the pointer.
void ClickThroughWindow(QWidget* control);
// Clicks the tab of a page of the main window's tab control.
void ShowPage(int page);
// Chooses a menu item of the main window by its caption (UTF-8).
void ChooseMenuItem(const QString& caption);
// Sends each character of `text` as a key press and release to the focused
// editor of `box`.
void TypeInto(QWidget* box, const QString& text);
// Lets posted events and deferred deletions run.
void Settle();

// Before an action that opens a runtime window modally: once `windowId`
// shows, its button "确定" is clicked through the window. The returned flag
// turns true when that happened.
std::shared_ptr<bool> ArmDismisser(uint32_t windowId);

// Runs the message loop until the clock timer has ticked `ticks` times or
// `timeoutMs` has passed; `onTick` runs after each tick with the tick count.
// Returns the ticks seen.
int RunClockTicks(int ticks, int timeoutMs, const std::function<void(int)>& onTick = {});

// The process's resident memory in bytes, from /proc/self/statm.
int64_t ResidentBytes();

}  // namespace reliability
