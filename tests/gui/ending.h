#pragma once
// A run of the real program that a user ends: the ending tests start this
// test program again as a child process with kEndingOption, and the child
// runs the program, ends it by the chosen action and exits with the
// program's own exit code.

#include <string_view>

namespace gui_testing {

inline constexpr std::string_view kEndingOption = "--end-program-by=";
// The two ways a user ends the program besides the window's close box.
inline constexpr std::string_view kCloseButton = "close-button";  // 按钮2 "关闭"
inline constexpr std::string_view kExitMenuItem = "exit-menu";    // "文件" > "退出"
// Written to the standard output once the action has been made.
inline constexpr std::string_view kActedLine = "acted: ";
// The child's exit codes when the action cannot be made or the program
// does not end after it.
inline constexpr int kActionFailed = 3;
inline constexpr int kProgramDidNotEnd = 4;

// Runs the program, makes the ending's action once the main window is up
// and returns the program's exit code.
int RunProgramEndedBy(int& argc, char** argv, std::string_view ending);

}  // namespace gui_testing
