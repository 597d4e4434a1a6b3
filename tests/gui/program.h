#pragma once
// The real program, started inside the test process as its entry starts it:
// the engine's procedure table and entry routine, the embedded form template
// and the control kinds of every support library. Work given to RunProgram
// runs on the user-interface thread once the message loop has started, so it
// meets the main window exactly as a user would.
//
//   RunProgram(work) ──► RuntimeApp::Run ──► EngineMain ──► main window ──► message loop
//                                                                             └─► work()
//   the main window closes ──► the loop ends ──► RunProgram returns the exit code

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "host/runtime_app.h"

namespace gui_testing {

// Runs the real program and calls `work` once, as soon as the message loop
// runs; returns the program's exit code.
int RunProgram(int& argc, char** argv, std::function<void()> work);

// The value of a "--name=value" option among the arguments, or empty.
std::string_view OptionValue(int argc, char** argv, std::string_view option);

// Closes the main window as the "关闭" handler does, unless it is gone.
void CloseMainWindow();

// What the main window showed before the first tick of its clock: read once,
// before any test acts.
struct StartView {
    QDateTime readAt;
    QString pageTwoClock;                      // 透明标签3
    int knownQuantity = -1;                    // selection of 组合框1
    std::vector<uint32_t> shownKnownCaptions;  // those of 标签7 ... 标签12 that show
};
StartView& ProgramStartView();
void RecordStartView();

}  // namespace gui_testing
