#pragma once
// The fixture of the application tests: a small three-window template, an
// engine procedure table whose one procedure (bound to the main window's
// button) runs what the test asks, and helpers that drive a whole run of
// RuntimeApp from a test's own entry routine.
//
// A run ends by raising the process-wide error count for good, as shutdown
// must, so every test runs in its own process: CTest starts each one alone,
// and the tests that end the process are death tests.

#include <gtest/gtest.h>

#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "forms/template.h"
#include "host/runtime_app.h"
#include "runtime/services.h"

namespace app_testing {

inline constexpr uint32_t kMainId = 0x52010001;
inline constexpr uint32_t kAboutId = 0x5201041B;
inline constexpr uint32_t kProfileId = 0x52010432;
inline constexpr uint32_t kMainButton = 0x16000001;
inline constexpr uint32_t kMissingWindowId = 0x52017777;

// What the main window's button click runs.
std::function<void()>& ClickAction();

// The main window's idle event (7): the elapsed milliseconds of each call,
// and how many of the first calls answer true (asking for more idle time).
std::vector<int32_t>& IdleEvents();
int& IdleEventsAskingForMore();

// Runs a RuntimeApp on the test template with `entry` as the engine's entry
// routine; returns Run's exit code.
int RunProgram(std::function<void()> entry);

// The start-up calls of an entry routine.
void Initialise();
void LoadStartWindow();
void RunMessageLoop();
// Registers an exit routine that counts its calls in ExitRoutineCalls().
void RegisterCountingExitRoutine();
int& ExitRoutineCalls();

// The window commands through CallCommand, as the engine calls them.
bool LoadWindow(uint32_t windowId, bool modal);
bool LoadWindowWithParent(uint32_t windowId, uint32_t parentId);
void CloseWindow(uint32_t windowId);
void CloseWindowAtOnce(uint32_t windowId);

// Raises the main window's button click through the request entry.
void ClickMainButton();

bool IsLoaded(uint32_t windowId);
// Runs `action` on the user-interface thread after `ms` milliseconds.
void After(int ms, std::function<void()> action);

// Replaces the error box by one that writes "error box: " and the text
// (UTF-8) to the standard error stream.
void ReportErrorsOnStandardError();

class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    QTimer watchdog_;
};

}  // namespace app_testing
